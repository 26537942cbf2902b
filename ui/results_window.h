// The results window (frmResults): the summary of one wall part (dimensions,
// governing analysis values, the design table per bar or per grouting case)
// and one page per load combination with the station table and the property
// table of the reinforcement chosen in "Rebar Design:". Every text comes from
// the table builders of the design method (reports/working_stress_report.h,
// reports/strength_report.h); this window only places them into grids sized
// to show them whole, and reacts to the engineer.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/session.h"
#include "reports/report_format.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;

namespace calvix {
namespace ui {
class MainWindow;
}

// The part of a two-part cell text after / before the first "|": RightStr
// gives "" and LeftStr the whole text when there is no "|".
std::string RightStr(const std::string& text);
std::string LeftStr(const std::string& text);

// What the window calls outside itself.
struct ResultsWindowActions {
  std::function<void()> print;  // the print command of the main window
  // The load-moment diagram for a part, a combination and a bar row.
  std::function<void(int part, int combination, int bar)> openDiagram;
};

class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  ResultsWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
                const DesignResults& design, DesignRun run, ResultsWindowActions actions);

  // Fills the summary of `part` (1 main wall, 2 parapet), its reinforcement
  // list and the tabs, and shows the summary page. errorCode stays 0: every
  // table of a completed design can be shown.
  void ShowSummaryResults(int part, int16_t& errorCode);
  // Fills the page of combination `tab` (1..5) for bar row (or grouting
  // case) `choice` of `part`.
  void ShowDetailResults(int tab, int choice, int part);
  // The part shown: 1 when the caption names the main wall, else 2.
  int GetInfo() const;

  // The buttons: 0 Return, 1 Print, 2 Main Wall, 3 Parapet, 4 Load Moment Diagram.
  void ClickButton(int index);

  QTabBar* Tabs() const { return tabResults_; }
  QComboBox* RebarList() const { return cboRebarDesign_; }
  QTableWidget* Grid(const char* name) const;
  QLabel* SummaryCaption() const { return vseSummaryLbl_; }
  QLabel* LoadCombination() const { return lblLoadComb_; }
  QLabel* AsRequired() const { return lblAsReqd_; }
  QLabel* AsMinimum() const { return lblAsMin_; }
  QLabel* CombinationsUsed() const { return lblCombinationsUsed_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Closes the window when the problem is no longer designed.
  bool StillDesigned();
  void FillRebarList(int part);
  void TabChanged(int tab);
  int SelectedChoice() const;
  void StepTab(int direction);
  void StepRow(int direction);
  void ShowPart(int part);

  Session& session_;
  const AnalysisResults& analysis_;
  const DesignResults& design_;
  DesignRun run_;
  ResultsWindowActions actions_;

  QLabel* vseSummaryLbl_ = nullptr;
  QLabel* summaryTitle_ = nullptr;
  QTabBar* tabResults_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QTableWidget* grdDimensions_ = nullptr;
  QTableWidget* grdAnalysis_ = nullptr;
  QTableWidget* grdDesign_ = nullptr;
  QTableWidget* grdForces_ = nullptr;
  QTableWidget* grdDetails_ = nullptr;
  QLabel* vsePDeltaLbl_ = nullptr;
  QComboBox* cboRebarDesign_ = nullptr;
  QLabel* lblLoadComb_ = nullptr;
  QLabel* lblAsReqd_ = nullptr;
  QLabel* lblAsMin_ = nullptr;
  QLabel* lblAsReqdUnit_ = nullptr;
  QLabel* lblAsMinUnit_ = nullptr;
  QLabel* lblCombinationsUsed_ = nullptr;
  std::vector<QPushButton*> cmdResults_;
  bool filling_ = false;
};

// Opens the results window after a successful solve, on the main wall's
// summary; the window deletes itself when closed.
ResultsWindow* ShowResultsWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
                                 const DesignResults& design, DesignRun run,
                                 ResultsWindowActions actions);

// Connects the results window, the print dialog, the interaction diagram and
// the manual to the hooks of the main window. The print dialog's check boxes
// and printer live as long as the main window's hooks.
void ConnectReportWindows(ui::MainWindow& window);

// For the screenshot tool: solves the open problem as a reinforced wall and
// saves the results window (its summary and the page of combination 2) and,
// for a working-stress design, the interaction diagram of that page as PNG
// files in `directory` named `prefix` followed by "results-summary.png",
// "results-load-case.png" and "interaction-diagram.png". The window must be connected
// (ConnectReportWindows).
void SaveReportWindowPictures(ui::MainWindow& window, const QString& directory,
                              const QString& prefix);

}  // namespace calvix
