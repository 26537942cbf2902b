#include "ui/wind_load_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialog_helpers.h"
#include "ui/qt_platform.h"

namespace calvix::ui {

WindLoadGrid::WindLoadGrid(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  grid_ = new QTableWidget(kWindGridRows, kWindGridColumns, this);
  grid_->setObjectName(QStringLiteral("grdWindLoad"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->installEventFilter(this);
  layout->addWidget(grid_);

  box_ = new QLineEdit(grid_->viewport());
  box_->setObjectName(QStringLiteral("dbWindData"));
  box_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box_->hide();
  box_->installEventFilter(this);

  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (row < 1 || column < 1) return;
    if (editing() && !CommitEdit()) return;
    StartEdit({row, column});
  });
  FormatWindGrid();
}

void WindLoadGrid::FormatWindGrid() {
  // A new set of cells: an open edit belongs to the old one and is dropped.
  editing_ = false;
  box_->hide();
  grid_->setRowCount(kWindGridRows);
  grid_->setColumnCount(kWindGridColumns);
  QFontMetrics metrics(grid_->font());
  int line = metrics.height();
  grid_->setRowHeight(0, 2 * line + 8);
  for (int row = 1; row < kWindGridRows; ++row) grid_->setRowHeight(row, line + 8);
  // Widths for the widest heading of the unit system and a five-digit value.
  LabelGridHeadings();
  for (int column = 0; column < kWindGridColumns; ++column) {
    int width = metrics.horizontalAdvance(QStringLiteral("-9,999.00")) + 16;
    if (column == 0) width = metrics.horizontalAdvance(QStringLiteral("No.")) + 16;
    for (const QString& part : grid_->item(0, column)->text().split(QLatin1Char('\n'))) {
      width = std::max(width, metrics.horizontalAdvance(part) + 16);
    }
    grid_->setColumnWidth(column, width);
  }
  for (int row = 1; row < kWindGridRows; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row));
    number->setTextAlignment(Qt::AlignCenter);
    number->setFlags(Qt::ItemIsEnabled);
    number->setBackground(grid_->palette().button());
    grid_->setItem(row, 0, number);
  }
  int width = 2 * grid_->frameWidth();
  for (int column = 0; column < kWindGridColumns; ++column) width += grid_->columnWidth(column);
  int height = 2 * grid_->frameWidth();
  for (int row = 0; row < kWindGridRows; ++row) height += grid_->rowHeight(row);
  grid_->setFixedSize(width, height);
  ShowCells();
}

void WindLoadGrid::LabelGridHeadings() {
  auto headings = WindGridHeadings(session_.problem.units);
  for (int column = 0; column < kWindGridColumns; ++column) {
    auto* item = new QTableWidgetItem(MessageTextForDisplay(headings[static_cast<size_t>(column)]));
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(grid_->palette().button());
    grid_->setItem(0, column, item);
  }
}

void WindLoadGrid::ShowCells() {
  for (int row = 1; row < kWindGridRows; ++row) {
    for (int column = 1; column < kWindGridColumns; ++column) {
      QString text = QString::fromStdString(WindCellText(session_.problem.entry, {row, column}));
      QTableWidgetItem* item = grid_->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(column == 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(row, column, item);
      }
      item->setText(text);
      item->setToolTip(QString::fromStdString(WindCellToolTip(session_.problem.units, column)));
    }
  }
}

void WindLoadGrid::PlaceBox() {
  QRect rect = grid_->visualRect(grid_->model()->index(cell_.row, cell_.column));
  box_->setGeometry(rect);
}

void WindLoadGrid::StartEdit(WindCell cell) {
  cell_ = cell;
  grid_->setCurrentCell(cell.row, cell.column);
  box_->setText(QString::fromStdString(WindEditText(session_.problem.entry, cell)));
  box_->setAlignment(cell.column == 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
  PlaceBox();
  editing_ = true;
  box_->show();
  box_->raise();
  box_->selectAll();
  box_->setFocus(Qt::OtherFocusReason);
}

bool WindLoadGrid::CommitEdit() {
  if (!editing() || committing_) return true;
  committing_ = true;
  WindCommit commit;
  bool ran = Guarded(session_.platform, "Wind Data LostFocus", "Main", [this, &commit] {
    commit = CommitWindCell(session_, cell_, box_->text().toStdString());
  });
  committing_ = false;
  if (!ran) return false;
  if (commit.accepted) {
    editing_ = false;
    box_->hide();
    ShowCells();
    emit cellCommitted();
    return true;
  }
  // A refused value puts back the value it replaced; the edit stays on the
  // cell so that the engineer can type again.
  box_->setText(QString::fromStdString(WindEditText(session_.problem.entry, cell_)));
  box_->selectAll();
  box_->setFocus(Qt::OtherFocusReason);
  return false;
}

void WindLoadGrid::Navigate(WindKey key) {
  WindNavigation move = NavigateWindGrid(
      cell_, key, box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition(),
      static_cast<int>(box_->text().size()));
  switch (move.action) {
    case WindNavigation::Action::None:
    case WindNavigation::Action::PassToBox:
      break;
    case WindNavigation::Action::EmptyBox:
      box_->clear();
      break;
    case WindNavigation::Action::MoveTo:
      if (CommitEdit()) StartEdit(move.target);
      break;
    case WindNavigation::Action::LeaveGrid:
      if (CommitEdit()) emit leaveGrid();
      break;
  }
}

bool WindLoadGrid::HandleBoxKey(QKeyEvent* event) {
  std::optional<WindKey> key;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = WindKey::Enter;
      break;
    case Qt::Key_Tab:
      if (!(event->modifiers() & Qt::ShiftModifier)) key = WindKey::Tab;
      break;
    case Qt::Key_Right:
      key = WindKey::Right;
      break;
    case Qt::Key_Left:
      key = WindKey::Left;
      break;
    case Qt::Key_Down:
      key = WindKey::Down;
      break;
    case Qt::Key_Up:
      key = WindKey::Up;
      break;
    case Qt::Key_Escape:
      key = WindKey::Escape;
      break;
    case Qt::Key_Backspace:
      return false;
    default:
      break;
  }
  if (key) {
    int caret = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    WindNavigation move =
        NavigateWindGrid(cell_, *key, caret, static_cast<int>(box_->text().size()));
    if (move.action == WindNavigation::Action::PassToBox) return false;
    Navigate(*key);
    return true;
  }
  QString typed = event->text();
  if (typed.isEmpty() || typed.at(0).unicode() < 32) return false;
  WindKeyResult result = FilterWindKey(cell_.column, typed.at(0).unicode());
  switch (result.action) {
    case WindKeyResult::Action::Insert:
      return false;
    case WindKeyResult::Action::Refuse:
      session_.platform.Beep();
      return true;
    case WindKeyResult::Action::EmptyBox:
      box_->clear();
      return true;
    case WindKeyResult::Action::SetTypeAndGo:
      box_->setText(QString::fromStdString(result.text));
      Navigate(WindKey::Enter);
      return true;
  }
  return true;
}

bool WindLoadGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    if (event->type() == QEvent::KeyPress) return HandleBoxKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
      // The commit runs when the focus goes to a control other than the grid
      // or the box itself (a click into the grid commits through the click).
      QWidget* next = QApplication::focusWidget();
      if (next != grid_ && next != box_)
        QTimer::singleShot(0, this, [this] {
          QWidget* now = QApplication::focusWidget();
          if (editing() && now != box_ && now != grid_) CommitEdit();
        });
    }
    return false;
  }
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    QString typed = key->text();
    int row = std::max(1, grid_->currentRow());
    int column = std::max(1, grid_->currentColumn());
    if (!typed.isEmpty() && typed.at(0).unicode() >= 32) {
      // Typing in a cell starts the edit there with the typed character.
      StartEdit({row, column});
      box_->clear();
      QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
      if (!HandleBoxKey(&copy)) box_->insert(typed);
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      StartEdit({row, column});
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace calvix::ui
