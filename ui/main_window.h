// The main window (frmMain): the input pages of the one problem, the menus,
// the pop-up menu, the toolbar, the small wall picture and the status bar.
// Everything it does with the problem goes through the core; the window
// shows the problem and forwards the engineer's actions.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/field_states.h"
#include "model/session.h"
#include "ui/design_basis_panel.h"
#include "ui/numeric_edit.h"
#include "ui/undo_commands.h"
#include "ui/wall_picture.h"
#include "ui/wind_load_grid.h"

class QGridLayout;

namespace calvix::ui {

// The project file named on the command line ("calvix FILE.cxl"): the first
// argument after the program's name that is not an option.
std::optional<std::filesystem::path> ProjectFileArgument(const QStringList& arguments);

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The window works on its own session with `platform` for messages and file
  // choice; the program folder holds the settings, units, bars and defaults.
  MainWindow(Platform& platform, ProgramFolder folder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up of the window: settings, units, limits, default data,
  // masonry data, the pages and the window's place. A failure is reported with
  // the error report ("Form Load", "Main"); false then.
  bool StartUp();
  // Opens the design criteria dialog when the settings ask for it at start.
  void ShowDesignCriteriaAtStart();

  Session& session() { return session_; }
  NumericEdit* field(int index) const { return fields_.at(static_cast<size_t>(index)); }
  WindLoadGrid* windGrid() const { return windGrid_; }
  QTabWidget* inputTabs() const { return tabInput_; }
  QTabWidget* loadTabs() const { return tabLoads_; }
  QRadioButton* groutSpacing(int element) const {
    return groutSpacing_.at(static_cast<size_t>(element));
  }
  QRadioButton* reinfLayers(int element) const {
    return reinfLayers_.at(static_cast<size_t>(element));
  }
  QComboBox* siteClassList() const { return cboSiteClass_; }
  WallGraphic* wallGraphic() const { return picWallGraphic_; }
  DesignBasisPanel* designBasis() const { return designBasis_; }
  QLabel* statusText(int element) const { return statusBar_.at(static_cast<size_t>(element)); }
  bool fieldChangeMark(int index) const { return changed_.at(static_cast<size_t>(index)); }
  const AnalysisResults& analysis() const { return analysis_; }
  const DesignResults& design() const { return design_; }
  ProblemHistory* history() const { return history_; }
  QMenu* recentFilesMenu() const { return recentMenu_; }

  // Commands of the menus, the pop-up menu and the toolbar.
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  // Opens `path` after the save question (recent files, the command line).
  bool OpenPath(const std::filesystem::path& path);
  void FilePrint();
  // File > Export Calculation PDF...: the calculation package of the designed
  // problem with the first reinforcement (or grouting case) of each part.
  void FileExportPackage();
  void EditUndo();
  void EditRedo();
  void EditUndoHistory();
  void EditDesignCriteria();
  void EditLoadCombinations();
  void SelectTab(int tab);
  void SolveReinforced() { Solve(true); }
  void SolveUnreinforced() { Solve(false); }
  void SolveGraphicPlot();
  void OptionsDefaultData();
  void OptionsMasonryData();
  void OptionsUnits();
  void HelpManual();
  void HelpAbout();

  // --- Hooks for the results, printing and diagram windows -----------------
  // After a successful solve: shows the results of `outcome` (the design
  // tables are in design()). Until the results window exists, a message
  // tells which design completed.
  std::function<void(MainWindow&, const SolveOutcome&)> showResults;
  // File > Print and the toolbar's Print button, once the problem is
  // designed. Without it the print command only checks that it is.
  std::function<void(MainWindow&)> printResults;
  // Help > Manual. Without it the manual "Calvix.pdf" of the program folder
  // opens with the desktop's document opener.
  std::function<void(MainWindow&)> openManual;
  // The load-moment diagram, opened with the wall part, the load combination
  // and the bar row (from the results window).
  std::function<void(MainWindow&, int part, int combination, int bar)> openInteractionDiagram;
  // ---------------------------------------------------------------------------

  // A passing note in the status bar ("Solved", "Saved wall.cxl", "Printed").
  void ShowStatus(const QString& text);
  QString statusNote() const;

  // Shows every field, list, option and table cell of the problem, the field
  // states, the caption and the status texts.
  void UpdateFieldsAndShow();
  void ShowProblem();
  // Refills the field labels and the wind grid headings (unit change).
  void PaintTabs();
  void DoRPanelLabels();
  // Page Up / Page Down through the five pages, the two load pages included.
  void PageTabs(int keyCode);
  // Page 0-4: Wall Data, Dead & Live, Seismic & Wind, Masonry, Materials.
  int CurrentPage() const;
  void SelectPage(int page);
  QWidget* PageWidget(int page) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildFileMenu();
  void BuildEditMenu();
  void FillRecentFilesMenu();
  void BuildToolbar();
  QWidget* BuildPages();
  void AddFieldRows(QWidget* page, QGridLayout* grid, int first, int last, int row = 0);
  void FieldFocused(int index);
  void FieldEdited(int index, const QString& text);
  void FieldLeft(int index);
  // Enter: on to the next control, and from the last control of a page on to
  // the first of the next page.
  void MoveOnFrom(QWidget* control);
  void ApplyStates(const FieldStates& states);
  void Solve(bool reinforced);
  void ShowCaption();
  // --- Unsaved changes and the undo history (main_window_files.cpp) --------
  // Takes a field or wind cell still being edited, as leaving it would.
  // False when the wind cell's value was refused.
  bool CommitPendingEdit();
  // After an accepted edit: records it in the history and marks the title.
  void RecordEdit(const QString& what);
  // After New, Open or a change of unit system: shows the new problem and
  // starts its history; `saved`: the problem is its file's.
  void AfterProblemReplaced(bool saved);
  // Keeps the problem's file at the head of the recent files.
  void RememberProjectFile();
  // The results, print and interaction diagram windows belong to the results
  // of the problem as it was solved: they close when it is replaced, changed
  // by undo or redo, or solved again. The wall picture shows the new problem.
  void CloseResultWindows();
  // ---------------------------------------------------------------------------
  void KeepWindowPlace();
  void RestoreWindowPlace();
  // Runs `action` and reports an unexpected failure with `routine` and the
  // form "Main".
  void Guard(const char* routine, const std::function<void()>& action);

  Session session_;
  AnalysisResults analysis_;
  DesignResults design_;
  FieldStates states_;
  std::array<NumericEdit*, kEntryFieldCount> fields_{};
  std::array<QLabel*, kEntryFieldCount> labels_{};
  std::array<QLabel*, kEntryFieldCount> subLabels_{};
  std::array<QLabel*, kEntryFieldCount> unitLabels_{};
  std::array<bool, kEntryFieldCount> changed_{};
  std::array<double, kEntryFieldCount> valueAtFocus_{};
  std::array<QRadioButton*, 2> groutSpacing_{};
  std::array<QRadioButton*, 2> reinfLayers_{};
  std::array<QLabel*, 2> statusBar_{};
  std::array<QPushButton*, 2> viewButtons_{};
  QTabWidget* tabInput_ = nullptr;
  QTabWidget* tabLoads_ = nullptr;
  QComboBox* cboSiteClass_ = nullptr;
  QComboBox* cboUseGroup_ = nullptr;
  QComboBox* cboS1_ = nullptr;
  QComboBox* cboParapetIp_ = nullptr;
  WindLoadGrid* windGrid_ = nullptr;
  WallGraphic* picWallGraphic_ = nullptr;
  DesignBasisPanel* designBasis_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QMenu* popup_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  ProblemHistory* history_ = nullptr;
  bool loading_ = false;  // suppresses edit handling while the problem is shown
  bool started_ = false;
};

}  // namespace calvix::ui
