// The print command and its dialog (frmPrintDlg, "Print Results"): the parts
// of the report, the reinforcement detailed for each wall part, and the
// destination: the printer (Qt's print dialog, which also offers a PDF file)
// or a text report file. Also the reinforcement lists shared with the results
// window and the interaction diagram.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/problem.h"
#include "model/session.h"
#include "reports/report_driver.h"
#include "ui/printer_surface.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace calvix {

// ---- Reinforcement lists ---------------------------------------------------

struct RebarEntry {
  std::string text;
  int row = 0;  // bar row of the bar table, or grouting case (both 0-based)
};

// The text of a bar at spacing s (in), as the reports write it: the bar
// label, " @ ", the spacing in the short-length unit with its pattern and unit
// label, and " o.c.", e.g. "#5 @ 32.00 in o.c." or "10M @ 406.4 mm o.c.".
std::string BarSpacingText(const Problem& problem, int bar, float s);

// The entries of part 1 (main wall) or 2 (parapet) for the design that ran:
// for a reinforced design (strength or working stress) the bars of the table
// with an accepted spacing, in the order of the table; for an unreinforced
// design its grouting cases ("Grouted Cells @ 16 in o.c."; the solid and the
// ungrouted case read "Grouted Cells @ Solid" and "No Grouted Cells"). Empty
// without a design, for a parapet of zero height, and for a part whose every
// bar lacks a spacing.
std::vector<RebarEntry> RebarEntries(const Problem& problem, const DesignResults& design,
                                     DesignRun run, int part);

// ---- Printer font ----------------------------------------------------------

// The largest printer font size the Fonts... dialog accepts (points).
inline constexpr int kMaxPrinterFontSize = 12;

// Writes the printer font chosen with Fonts... to the settings file ("Font
// Data": "FontName" and "FontSize", the size as a whole number of points, at
// most kMaxPrinterFontSize and at least 1). Returns whether both were written.
bool SavePrinterFont(const std::filesystem::path& settingsFile, const std::string& family,
                     double pointSize);

// ---- Print dialog ----------------------------------------------------------

// What the dialog keeps from one opening to the next while the program runs:
// the check boxes and the printer chosen with Setup.
struct PrintDialogState {
  // chkReport(0..5) = report options 1..6; chkReport(6) = "Print to &File".
  std::array<bool, 7> checks{true, false, true, true, true, true, false};
  std::unique_ptr<QPrinter> printer;
};

// Everything the report needs besides the session.
struct PrintJob {
  const DesignResults* design = nullptr;
  DesignRun run = DesignRun::None;
  ReportHooks hooks;                          // the method reports of the design
  PagePicture wallPicture;                    // draws the wall picture on a printed page
  const AnalysisResults* analysis = nullptr;  // for the calculation package
};

class PrintDialog : public QDialog {
  Q_OBJECT
 public:
  PrintDialog(QWidget* parent, Session& session, PrintDialogState& state, PrintJob job);

  // The request of the controls as they stand.
  ReportRequest Request() const;

  QCheckBox* Check(int index) const { return chkReport_[static_cast<std::size_t>(index)]; }
  QComboBox* MainRebar() const { return cboRebar_[0]; }
  QComboBox* ParapetRebar() const { return cboRebar_[1]; }

  // cmdPrint(0): the report on the printer (after Qt's print dialog) or into
  // a file; returns whether the report was delivered.
  bool PrintClicked();
  // The printer path without Qt's print dialog (the printer is set up).
  bool PrintOnPrinter(QPrinter& printer);
  // The file path: asks for the file through the platform.
  bool PrintToFile();
  // The calculation package of the chosen reinforcement as a PDF file (asked
  // for through the platform); returns whether it was written.
  bool ExportPdfClicked();

 protected:
  void done(int result) override;

 private:
  void SetupClicked();
  void FontsClicked();
  void SaveChecks();
  void UpdatePartControls();

  Session& session_;
  PrintDialogState& state_;
  PrintJob job_;
  std::array<QCheckBox*, 7> chkReport_{};
  std::array<QComboBox*, 2> cboRebar_{};
  std::array<QLabel*, 2> lblRebar_{};
};

// The print command (PrintFile): refuses a problem that is not designed with
// the "Print Error..." message and opens no dialog; otherwise runs the dialog
// modally. Returns whether the dialog was shown; `printed` (when given) tells
// whether the report went to the printer or its file.
bool RunPrintDialog(QWidget* parent, Session& session, PrintDialogState& state, PrintJob job,
                    bool* printed = nullptr);

}  // namespace calvix
