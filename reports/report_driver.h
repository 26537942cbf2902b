// The report driver: one complete report of a designed problem, on the
// printer or into a text file. It starts the document, defines the page
// header, echoes the input data, has the wall picture printed when asked, and
// then, for the main wall and the parapet, prints a summary banner and hands
// the part to the results report of the design method.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>

#include "model/errors.h"
#include "model/problem.h"
#include "reports/report_document.h"

namespace calvix {

class Platform;

// The six report options of the print dialog.
enum ReportOption : int {
  kInputDataOption = 1,
  kWallPictureOption = 2,
  kMainSummaryOption = 3,
  kMainLoadCasesOption = 4,
  kParapetSummaryOption = 5,
  kParapetLoadCasesOption = 6,
};
inline constexpr int kReportOptionCount = 6;

struct ReportOptions {
  std::array<bool, kReportOptionCount> on{};

  // Option 1..6; false for any other number.
  bool operator[](int option) const {
    return option >= 1 && option <= kReportOptionCount && on[static_cast<size_t>(option - 1)];
  }
  // Sets option 1..6; other numbers are ignored.
  void Set(int option, bool value) {
    if (option >= 1 && option <= kReportOptionCount) on[static_cast<size_t>(option - 1)] = value;
  }
};

// What the print dialog asks for.
struct ReportRequest {
  ReportOptions options;
  int mainChoice = 0;      // bar row (or grouting case) detailed for the main wall
  int parapetChoice = 0;   // the same for the parapet
  bool reinforced = true;  // the design was a reinforced design (ReinforcedWall)
};

// What the results report of a design method is asked to print for one part.
// The report decides from the options what it prints: its summary sections
// when option 3 (main wall) or 5 (parapet) is on, its sections per load case
// when option 4 (main wall) or 6 (parapet) is on.
struct MethodReportCall {
  int part = 1;    // 1 main wall, 2 parapet
  int choice = 0;  // the bar row or grouting case chosen for this part
  ReportOptions options;
};

using MethodReport = std::function<void(ReportDocument&, const MethodReportCall&)>;

// A run-time error inside a method report that names the routine and module
// where it happened; PrintResults shows it with these names (and not its
// own) and abandons the document.
class MethodReportFailure : public CalvixError {
 public:
  MethodReportFailure(int number, const std::string& description, std::string routine,
                      std::string form)
      : CalvixError(number, description), routine_(std::move(routine)), form_(std::move(form)) {}
  const std::string& routine() const { return routine_; }
  const std::string& form() const { return form_; }

 private:
  std::string routine_;
  std::string form_;
};

// `report`, with any run-time error it raises turned into a
// MethodReportFailure of `routine` in `form`.
MethodReport NamedMethodReport(MethodReport report, std::string routine, std::string form);

// The reports the driver dispatches to, bound by the program to its result
// tables. A report that the problem needs but that is not bound is a fault of
// the program: PrintResults reports it as a run-time error.
struct ReportHooks {
  MethodReport strength;      // "IBC-S"
  MethodReport reinforced;    // "ACI" and "IBC-W", reinforced design
  MethodReport unreinforced;  // "ACI" and "IBC-W", unreinforced design
  // Prints the wall picture on its page (printer only).
  std::function<void(ReportDocument&)> wallPicture;
};

// The time and date the page header shows, taken once per report.
struct ReportStamp {
  std::string time;  // "hh:mm AM" / "hh:mm PM", 12-hour clock
  std::string date;  // ISO 8601, "2026-12-07", the same on every system
};
ReportStamp MakeReportStamp(const std::tm& localTime);
ReportStamp ReportStampNow();

// Rules of the reports.
inline const std::string kDashes36(36, '-');
inline const std::string kDashes75(75, '-');
inline const std::string kStars50(50, '*');
inline const std::string kEquals95(95, '=');

// Defines the seven header lines, each ending with a line end:
//   1  fill, "Calvix:  MASONRY WALL ANALYSIS AND DESIGN", fill
//   2  95 "="
//   3  "Project : " and the project
//   4  "Location: " and the location, fill, "By: " and the designer
//   5  95 "="
//   6  "TIME: " and the time, fill, "Page:" and " " with the page number
//   7  "DATE: " and the date
// The engineer's texts are right-trimmed and made safe (ReportUserText).
void SetPageHeader(ReportDocument& document, const EntryForm& entry, const ReportStamp& stamp);

// The echo of the input data: design criteria, wall data, loads, seismic data,
// then on a new page the wind table, masonry data, material data and the
// minimum steel ratio. Values are shown in the unit system of the problem,
// each with the format pattern and unit label of its quantity.
void PrintInputData(ReportDocument& document, const Problem& problem, bool reinforced,
                    const ReportStamp& stamp);

// New page and header, then the four centred banner lines of the part (1 main
// wall, 2 parapet) and an empty line.
void PrintSummaryBanner(ReportDocument& document, const EntryForm& entry, int part,
                        const ReportStamp& stamp);

// The whole report of a designed problem to `destination`: tab width 5,
// margins 6, 6, 10, 6, pages of 85 lines of 110 characters; the input data
// (option 1); the wall picture (option 2, on the printer only); for the main
// wall and, when ParapetHeight > 0, the parapet: the banner (option 3 for the
// main wall, 5 for the parapet) and the method report of the part with its
// choice. Then the document is delivered.
//
// A page the layer breaks by itself shows its own number in its header.
// A run-time error is shown with the error report (routine "Print Results",
// form "CXPrint Module") and the document is abandoned; a failed delivery is
// reported by ReportDocument::EndDocument. Returns whether the report was
// delivered.
bool PrintResults(ReportDocument& document, ReportDestination& destination, const Problem& problem,
                  const ReportRequest& request, const ReportHooks& hooks, const ReportStamp& stamp,
                  Platform& platform);

}  // namespace calvix
