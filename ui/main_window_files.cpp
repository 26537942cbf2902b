// The main window's File and Edit menus: New, Open, Save, Save As, the recent
// files, Exit with the save question, undo and redo, and the change of unit
// system that converts the open problem.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoView>
#include <QVBoxLayout>

#include "files/file_commands.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "files/recent_files.h"
#include "files/settings.h"
#include "ui/main_window.h"
#include "ui/package_export.h"
#include "ui/small_dialogs.h"

namespace calvix::ui {

namespace {

QAction* AddCommand(QMenu* menu, const char* text, const char* name, const QKeySequence& keys) {
  QAction* action = menu->addAction(QString::fromUtf8(text));
  action->setObjectName(QString::fromUtf8(name));
  action->setShortcut(keys);
  return action;
}

}  // namespace

std::optional<std::filesystem::path> ProjectFileArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i].toStdString();
  }
  return std::nullopt;
}

void MainWindow::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  connect(AddCommand(file, "&New", "mnuFileItem0", QKeySequence::New), &QAction::triggered, this,
          [this] { FileNew(); });
  connect(AddCommand(file, "&Open...", "mnuFileItem1", QKeySequence::Open), &QAction::triggered,
          this, [this] { FileOpen(); });
  connect(AddCommand(file, "&Save", "mnuFileItem2", QKeySequence::Save), &QAction::triggered, this,
          [this] { FileSave(); });
  connect(AddCommand(file, "Save &As...", "mnuFileSaveAs", QKeySequence::SaveAs),
          &QAction::triggered, this, [this] { FileSaveAs(); });
  file->addSeparator();
  connect(AddCommand(file, "&Print...", "mnuFileItem4", QKeySequence::Print), &QAction::triggered,
          this, [this] { FilePrint(); });
  connect(AddCommand(file, "Export Calculation P&DF...", "mnuFileExportPdf", QKeySequence()),
          &QAction::triggered, this, [this] { FileExportPackage(); });
  file->addSeparator();
  recentMenu_ = file->addMenu(QStringLiteral("&Recent Files"));
  recentMenu_->setObjectName(QStringLiteral("mnuFileRecent"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentFilesMenu(); });
  FillRecentFilesMenu();
  file->addSeparator();
  connect(AddCommand(file, "E&xit", "mnuFileItem6", QKeySequence::Quit), &QAction::triggered, this,
          [this] { close(); });
}

void MainWindow::FileExportPackage() {
  Guard("Menu File Item", [this] {
    if (ExportCalculationPdf(session_, analysis(), design(), FirstChoices(session_, design()))) {
      ShowStatus(QStringLiteral("Calculation PDF written"));
    }
  });
}

void MainWindow::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  QAction* undo = AddCommand(edit, "&Undo", "mnuEditUndo", QKeySequence::Undo);
  QAction* redo = AddCommand(edit, "&Redo", "mnuEditRedo", QKeySequence::Redo);
  // Ctrl+Y as well as the desktop's own redo keys.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) {
    redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
  }
  redo->setShortcuts(redoKeys);
  QUndoStack* stack = history_->stack();
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(undo, &QAction::triggered, this, [this] { EditUndo(); });
  connect(redo, &QAction::triggered, this, [this] { EditRedo(); });
  connect(AddCommand(edit, "Undo &History...", "mnuEditHistory", QKeySequence()),
          &QAction::triggered, this, [this] { EditUndoHistory(); });
  edit->addSeparator();
  auto add = [this, edit](const char* text, const char* name, auto command) {
    connect(AddCommand(edit, text, name, QKeySequence()), &QAction::triggered, this, command);
  };
  add("&Design Criteria...", "mnuEditItem0", [this] { EditDesignCriteria(); });
  add("Load &Combinations...", "mnuEditItem1", [this] { EditLoadCombinations(); });
  edit->addSeparator();
  // Every page, the two load pages included.
  add("&Wall Data", "mnuEditItem3", [this] { SelectPage(0); });
  add("&Loads: Dead && Live", "mnuEditItem4", [this] { SelectPage(1); });
  add("Loads: &Seismic && Wind", "mnuEditSeismic", [this] { SelectPage(2); });
  add("M&asonry Data", "mnuEditItem5", [this] { SelectPage(3); });
  add("&Materials", "mnuEditItem6", [this] { SelectPage(4); });

  history_->restored = [this] {
    CloseResultWindows();
    changed_.fill(false);
    UpdateFieldsAndShow();
  };
}

void MainWindow::FillRecentFilesMenu() {
  recentMenu_->clear();
  auto paths = ReadRecentFiles(SettingsFile(session_.folder.Settings()));
  for (size_t i = 0; i < paths.size(); ++i) {
    QString name = QString::fromStdString(paths[i].filename().string());
    QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    action->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
    action->setToolTip(QString::fromStdString(paths[i].string()));
    action->setStatusTip(action->toolTip());
    connect(action, &QAction::triggered, this, [this, path = paths[i]] { OpenPath(path); });
  }
  recentMenu_->setEnabled(!paths.empty());
}

// ---------------------------------------------------------------------------
// Pending edits and the history

bool MainWindow::CommitPendingEdit() {
  if (auto* edit = qobject_cast<NumericEdit*>(QApplication::focusWidget())) {
    FieldLeft(edit->index());
  }
  return !windGrid_->editing() || windGrid_->CommitEdit();
}

void MainWindow::RecordEdit(const QString& what) {
  history_->Record(what);
  setWindowModified(session_.problem.DataChanged);
}

void MainWindow::ShowStatus(const QString& text) {
  statusBar()->showMessage(text, 15000);
}

QString MainWindow::statusNote() const {
  return statusBar()->currentMessage();
}

void MainWindow::CloseResultWindows() {
  for (const char* name : {"frmResults", "frmPMPlot", "frmPrintDlg"}) {
    for (QWidget* window : findChildren<QWidget*>(QString::fromUtf8(name))) window->close();
  }
  if (auto* picture = findChild<WallPictureWindow*>(QStringLiteral("frmWallPicture"))) {
    picture->picture()->update();
  }
}

void MainWindow::AfterProblemReplaced(bool saved) {
  CloseResultWindows();
  changed_.fill(false);
  PaintTabs();
  windGrid_->FormatWindGrid();
  UpdateFieldsAndShow();
  history_->Reset(saved);
}

void MainWindow::RememberProjectFile() {
  SettingsFile settings(session_.folder.Settings());
  AddRecentFile(settings, session_.projectPath);
}

void MainWindow::EditUndo() {
  Guard("Menu Edit Item", [this] {
    if (CommitPendingEdit()) history_->stack()->undo();
  });
}

void MainWindow::EditRedo() {
  Guard("Menu Edit Item", [this] {
    if (CommitPendingEdit()) history_->stack()->redo();
  });
}

void MainWindow::EditUndoHistory() {
  auto* dialog = findChild<QDialog*>(QStringLiteral("frmUndoHistory"));
  if (dialog == nullptr) {
    dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("frmUndoHistory"));
    dialog->setWindowTitle(QStringLiteral("Undo History"));
    auto* layout = new QVBoxLayout(dialog);
    auto* view = new QUndoView(history_->stack(), dialog);
    view->setObjectName(QStringLiteral("lstUndoHistory"));
    view->setEmptyLabel(QStringLiteral("<problem as opened>"));
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    dialog->resize(360, 320);
  }
  dialog->show();
  dialog->raise();
  dialog->findChild<QUndoView*>()->setFocus();
}

// ---------------------------------------------------------------------------
// File commands

void MainWindow::FileNew() {
  Guard("Menu File Item", [this] {
    if (!CommitPendingEdit() || !NewProblem(session_)) return;
    AfterProblemReplaced(true);
    ShowStatus(QStringLiteral("New problem"));
    // Criteria chosen there belong to the new problem and count as a change.
    if (session_.problem.ShowDesignCriteria) EditDesignCriteria();
  });
}

void MainWindow::FileOpen() {
  Guard("Menu File Item", [this] {
    if (!CommitPendingEdit() || !OpenFile(session_)) return;
    AfterProblemReplaced(true);
    RememberProjectFile();
    ShowStatus(QStringLiteral("Opened ") + QString::fromStdString(ProblemName(session_)));
  });
}

bool MainWindow::OpenPath(const std::filesystem::path& path) {
  bool opened = false;
  Guard("Menu File Item", [this, &path, &opened] {
    if (!CommitPendingEdit() || !OpenFileAt(session_, path)) return;
    AfterProblemReplaced(true);
    RememberProjectFile();
    ShowStatus(QStringLiteral("Opened ") + QString::fromStdString(ProblemName(session_)));
    opened = true;
  });
  return opened;
}

void MainWindow::FileSave() {
  Guard("Menu File Item", [this] {
    if (!CommitPendingEdit() || !SaveFile(session_)) return;
    history_->MarkSaved();
    RememberProjectFile();
    ShowCaption();
    ShowStatus(QStringLiteral("Saved ") + QString::fromStdString(ProblemName(session_)));
  });
}

void MainWindow::FileSaveAs() {
  Guard("Menu File Item", [this] {
    if (!CommitPendingEdit() || !SaveFileAs(session_)) return;
    history_->MarkSaved();
    RememberProjectFile();
    ShowCaption();
    ShowStatus(QStringLiteral("Saved ") + QString::fromStdString(ProblemName(session_)));
  });
}

void MainWindow::OptionsUnits() {
  Guard("Menu Options Item", [this] {
    if (!CommitPendingEdit()) return;
    UnitsDialog dialog(session_.problem.units.UnitsType, this);
    if (dialog.exec() != QDialog::Accepted) return;
    bool fresh = dialog.change() == UnitChange::NewProblem;
    if (!UnitsDialogOk(session_, dialog.selected(), dialog.change())) return;
    // A converted problem is not its file's any more; a new one has no file.
    AfterProblemReplaced(fresh);
    ShowStatus(fresh ? QStringLiteral("New problem in the new units")
                     : QStringLiteral("Problem converted to the new units"));
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool confirmed = false;
  Guard("Form Unload",
        [this, &confirmed] { confirmed = CommitPendingEdit() && ResolveUnsavedChanges(session_); });
  if (!confirmed) {
    event->ignore();
    return;
  }
  KeepWindowPlace();
  event->accept();
}

}  // namespace calvix::ui
