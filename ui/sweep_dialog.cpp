#include "ui/sweep_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace calvix::ui {
namespace {

constexpr int kCandidateRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// A cell that sorts by the number behind its text (thickness, cost, ratio),
// or by its text when it has none.
class SortedItem : public QTableWidgetItem {
 public:
  SortedItem(const std::string& text, std::optional<double> key)
      : QTableWidgetItem(QString::fromStdString(text)) {
    if (key) setData(kSortRole, *key);
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant mine = data(kSortRole);
    const QVariant theirs = other.data(kSortRole);
    if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
    return QTableWidgetItem::operator<(other);
  }
};

// The sort key of each column of SweepCandidateRow: its number in working
// units; the check sorts by its text.
std::optional<double> SortKey(const SweepCandidate& c, int column) {
  switch (column) {
    case kSweepThickness:
      return c.point.nominalThickness;
    case kSweepStrength:
      return c.point.unitStrength;
    case kSweepGrouting:
      return c.point.groutOption;
    case kSweepLayers:
      return c.point.layersOption;
    case kSweepBar:
      return c.wall.bar;
    case kSweepSpacing:
      return c.wall.spacing;
    case kSweepParapetSteel:
      return c.parapet.bar * 1000.0 + c.parapet.spacing;
    case kSweepCost:
      return c.cost;
    case kSweepWeight:
      return c.weight;
    case kSweepRatio:
      return c.governing.ratio;
    default:
      return std::nullopt;
  }
}

QString Lines(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

SweepDialog::SweepDialog(MainWindow& window, QWidget* parent) : QDialog(parent), window_(window) {
  setObjectName(QStringLiteral("frmSweep"));
  setWindowTitle(QString::fromUtf8(kSweepTitle));
  auto* layout = new QVBoxLayout(this);

  auto* freeGroup = new QGroupBox(QStringLiteral("Free choices"), this);
  auto* freeRow = new QHBoxLayout(freeGroup);
  const SweepFreedom defaults;
  const std::array<std::pair<const char*, bool>, kSweepFreeBoxCount> boxes{{
      {"Nominal &thickness", defaults.thickness},
      {"&Grouting", defaults.grout},
      {"Reinforcement &layers", defaults.layers},
      {"Unit &strength", defaults.strength},
      {"&Bar size and spacing", defaults.bars},
  }};
  for (int i = 0; i < kSweepFreeBoxCount; ++i) {
    auto* box = new QCheckBox(QString::fromUtf8(boxes[static_cast<std::size_t>(i)].first), this);
    box->setObjectName(QStringLiteral("chkFree%1").arg(i));
    box->setChecked(boxes[static_cast<std::size_t>(i)].second);
    freeRow->addWidget(box);
    freeBoxes_[static_cast<std::size_t>(i)] = box;
  }
  layout->addWidget(freeGroup);

  auto* runRow = new QHBoxLayout;
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("barProgress"));
  progressBar_->setValue(0);
  run_ = new QPushButton(QStringLiteral("&Run"), this);
  run_->setObjectName(QStringLiteral("cmdRun"));
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  close_ = new QPushButton(QStringLiteral("&Close"), this);
  close_->setObjectName(QStringLiteral("cmdClose"));
  runRow->addWidget(progressBar_, 1);
  for (QPushButton* button : {run_, cancel_, close_}) runRow->addWidget(button);
  layout->addLayout(runRow);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  table_ = new QTableWidget(0, kSweepColumnCount + 2, this);
  table_->setObjectName(QStringLiteral("grdSweep"));
  QStringList titles{QStringLiteral("Rank")};
  for (const std::string& title : SweepColumnTitles(window_.session().problem.units)) {
    titles << QString::fromStdString(title);
  }
  titles << QString();
  table_->setHorizontalHeaderLabels(titles);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(table_, 1);

  connect(run_, &QPushButton::clicked, this, &SweepDialog::Run);
  connect(cancel_, &QPushButton::clicked, this, &SweepDialog::CancelSweep);
  connect(close_, &QPushButton::clicked, this, &SweepDialog::reject);
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (column == OpenColumn()) OpenRow(row);
  });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { OpenRow(row); });
  poll_.setInterval(50);
  connect(&poll_, &QTimer::timeout, this, &SweepDialog::Poll);
  SetRunning(false);
  resize(1000, 560);
}

SweepDialog::~SweepDialog() {
  if (worker_) {
    progress_.cancel = true;
    worker_->join();
  }
}

SweepFreedom SweepDialog::Freedom() const {
  return {freeBox(kFreeThickness)->isChecked(), freeBox(kFreeGrout)->isChecked(),
          freeBox(kFreeLayers)->isChecked(), freeBox(kFreeStrength)->isChecked(),
          freeBox(kFreeBars)->isChecked()};
}

void SweepDialog::Run() {
  if (running()) return;
  Session& session = window_.session();
  if (!ValidateSweepProblem(session)) return;
  CostModel costs;
  try {
    costs = ReadCostModel(session.folder.dir / kSweepCostFileName);
  } catch (const std::exception& error) {
    session.platform.ShowInformation(error.what(), kSweepTitle);
    return;
  }
  base_ = std::make_unique<SweepBase>(SweepBase::Of(session));
  request_ = {Freedom(), std::move(costs), 0};
  swept_ = session.problem;
  sweptFreedom_ = request_.freedom;
  progress_.cancel = false;
  progress_.done = 0;
  progress_.total = 0;
  done_ = false;
  error_.clear();
  table_->setRowCount(0);
  summary_->setText(QStringLiteral("Solving..."));
  worker_ = std::make_unique<std::thread>([this] {
    try {
      result_ = RunSweep(*base_, request_, &progress_);
    } catch (const std::exception& error) {
      result_ = {};
      error_ = error.what();
    }
    done_ = true;
  });
  SetRunning(true);
  poll_.start();
}

void SweepDialog::CancelSweep() {
  if (running()) progress_.cancel = true;
}

void SweepDialog::Poll() {
  progressBar_->setMaximum(static_cast<int>(std::max<std::size_t>(progress_.total, 1)));
  progressBar_->setValue(static_cast<int>(progress_.done));
  if (done_) Finished();
}

void SweepDialog::Finished() {
  poll_.stop();
  worker_->join();
  worker_.reset();
  SetRunning(false);
  Platform& platform = window_.session().platform;
  if (!error_.empty()) {
    summary_->clear();
    platform.ShowInformation(error_, kSweepTitle);
    return;
  }
  FillTable();
  progressBar_->setMaximum(static_cast<int>(std::max<std::size_t>(result_.walls, 1)));
  progressBar_->setValue(static_cast<int>(result_.solved));
  QString text = QStringLiteral("%1 passing candidates from %2 of %3 walls solved%4.")
                     .arg(result_.passing.size())
                     .arg(result_.solved)
                     .arg(result_.walls)
                     .arg(result_.cancelled ? QStringLiteral(", cancelled") : QString());
  const std::string failures = SweepFailureLines(result_);
  if (!failures.empty())
    text += QStringLiteral("\nFailing walls: ") + Lines(failures).replace('\n', "; ");
  summary_->setText(text);
  if (result_.passing.empty() && !result_.cancelled) {
    platform.ShowInformation(NothingPassesText(swept_, result_), kSweepTitle);
  }
}

void SweepDialog::FillTable() {
  table_->setSortingEnabled(false);
  table_->setRowCount(static_cast<int>(result_.passing.size()));
  for (std::size_t i = 0; i < result_.passing.size(); ++i) {
    const SweepCandidate& candidate = result_.passing[i];
    const int row = static_cast<int>(i);
    auto* rank = new SortedItem(std::to_string(i + 1), static_cast<double>(i));
    rank->setData(kCandidateRole, row);
    table_->setItem(row, 0, rank);
    const SweepRow texts = SweepCandidateRow(swept_, candidate);
    for (int column = 0; column < kSweepColumnCount; ++column) {
      table_->setItem(
          row, column + 1,
          new SortedItem(texts[static_cast<std::size_t>(column)], SortKey(candidate, column)));
    }
    auto* open = new SortedItem("Open", static_cast<double>(i));
    open->setForeground(palette().link());
    open->setToolTip(QStringLiteral("Open this wall into the entry form"));
    table_->setItem(row, OpenColumn(), open);
  }
  table_->setSortingEnabled(true);
  table_->sortByColumn(0, Qt::AscendingOrder);
  table_->resizeColumnsToContents();
}

void SweepDialog::OpenRow(int row) {
  QTableWidgetItem* rank = table_->item(row, 0);
  if (rank == nullptr || running()) return;
  const SweepCandidate& candidate =
      result_.passing.at(static_cast<std::size_t>(rank->data(kCandidateRole).toInt()));
  ApplySweepPoint(window_.session(), candidate.point, sweptFreedom_);
  window_.UpdateFieldsAndShow();
  window_.history()->Record(QStringLiteral("Design Sweep"));
  window_.setWindowModified(window_.session().problem.DataChanged);
  accept();
}

void SweepDialog::SetRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
  close_->setEnabled(!running);
  for (QCheckBox* box : freeBoxes_) box->setEnabled(!running);
}

void SweepDialog::reject() {
  if (running()) return;  // Cancel the sweep first; Escape does not leave it running.
  QDialog::reject();
}

void OpenSweepDialog(MainWindow& window) {
  SweepDialog dialog(window, &window);
  dialog.exec();
}

}  // namespace calvix::ui
