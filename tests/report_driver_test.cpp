// The report driver: page header, banners, the input-data echo in the three
// unit systems, the dispatch to the method reports, and the report file.
#include "reports/report_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/wall_part.h"
#include "model/convert_input.h"
#include "reports/results_file.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::ReadBytes;
using testing::StartedSession;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kEnd(kLineEndMark);
const std::string kMargin(6, ' ');
const ReportStamp kStamp{"02:05 PM", "3/14/2024"};

// A destination that keeps the document in memory: "\n" per line end, two
// per page end. It can play a file or a printer.
class MemoryDestination : public ReportDestination {
 public:
  explicit MemoryDestination(bool file = true) : file_(file) {}
  void Begin(const PageGeometry&) override {
    text.clear();
    ++begun;
  }
  void Put(std::string_view t) override { text.append(t); }
  void EndLine() override { text += "\n"; }
  void EndPage() override { text += "\n\n"; }
  void Finish() override { ++finished; }
  void Abandon() override { ++abandoned; }
  bool IsFile() const override { return file_; }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
  }
  bool Has(const std::string& line) const {
    const auto lines = Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  std::string text;
  int begun = 0, finished = 0, abandoned = 0;

 private:
  bool file_;
};

// Entry texts of fields 0-35 of one wall (20 ft / 6 m high, 8 in / 200 mm CMU
// with a 3 ft / 1 m parapet) in each unit system.
const std::array<const char*, kEntryFieldCount> kEnglishFields{
    "20.00",  "8.00",    "3.813",   "3.00",   "8.00",  "3.813", "48.00",   "55.0",    "200.00",
    "100.00", "4.00",    "0.00",    "0.00",   "0.00",  "0.00",  "30.0",    "4.00",    "50.0",
    "0.0",    "1900.00", "1500.00", "500.00", "38.73", "25.00", "68.00",   "1350.0",  "21.48",
    "8.00",   "16.00",   "1.25",    "0.375",  "60.00", "24.00", "29000.0", "0.00070", "1.00"};
const std::array<const char*, kEntryFieldCount> kSiFields{
    "6.000",  "200.0",  "95.0",   "1.000", "200.0", "95.0",  "1200.0", "2.600",   "2900.0",
    "1450.0", "100.0",  "0.0",    "0.0",   "0.0",   "0.000", "4.70",   "1.200",   "50.0",
    "0.000",  "13.100", "10.342", "3.447", "0.267", "0.172", "0.469",  "9308",    "21.48",
    "200.0",  "400.0",  "32.0",   "10.0",  "413.7", "165.5", "199948", "0.00070", "1.00"};
const std::array<const char*, kEntryFieldCount> kMksFields{
    "6.000",  "200.0",  "95.0",   "1.000", "200.0",  "95.0",   "1200.0",  "265.0",   "295.00",
    "148.00", "100.0",  "0.0",    "0.0",   "0.0",    "0.000",  "480.0",   "1.200",   "50.0",
    "0.0",    "133.58", "105.46", "35.15", "2.72",   "1.76",   "4.78",    "94914",   "21.48",
    "200.0",  "400.0",  "32.0",   "10.0",  "4218.4", "1687.4", "2038902", "0.00070", "1.00"};

// A designed problem of that wall in unit system `unitsType`, with a "W" row
// and an "H" row in the wind table.
struct ReportSession : StartedSession {
  explicit ReportSession(int16_t unitsType = 1) : StartedSession(unitsType) {
    const auto& fields = unitsType == 1 ? kEnglishFields : unitsType == 2 ? kSiFields : kMksFields;
    EntryForm& e = entry();
    for (int i = 0; i < kEntryFieldCount; ++i)
      e.Fields[static_cast<size_t>(i)] = fields[static_cast<size_t>(i)];
    e.Project = "Warehouse A";
    e.Location = "Springfield";
    e.Designer = "J. Smith";
    e.SiteClass = "Class D";
    if (unitsType == 1) {
      e.Wind[0] = {"W", "20.0", "0.00", "20.00"};
      e.Wind[1] = {"H", "150.00", "10.00", "10.00"};
    } else if (unitsType == 2) {
      e.Wind[0] = {"W", "0.958", "0.000", "6.000"};
      e.Wind[1] = {"H", "2189.1", "3.000", "3.000"};
    } else {
      e.Wind[0] = {"W", "97.6", "0.000", "6.000"};
      e.Wind[1] = {"H", "223.22", "3.000", "3.000"};
    }
    Convert();
  }
  void Convert() {
    ConvertInput(session);
    problem().Designed = true;
  }

  // The report with these options through the recording method reports.
  bool Print(const ReportRequest& request, MemoryDestination& destination) {
    ReportDocument document;
    return PrintResults(document, destination, problem(), request, hooks, kStamp, platform);
  }
  bool Print(std::initializer_list<int> options, MemoryDestination& destination) {
    return Print(Request(options), destination);
  }
  static ReportRequest Request(std::initializer_list<int> options) {
    ReportRequest request;
    for (int option : options) request.options.Set(option, true);
    return request;
  }

  std::vector<std::string> calls;  // "<method> part <p> choice <c>"
  ReportHooks hooks{Recorder("strength"), Recorder("reinforced"), Recorder("unreinforced"),
                    [this](ReportDocument& d) {
                      calls.push_back("picture on page " + std::to_string(d.PageNumber()));
                      d.PrintLine("PICTURE" + kEnd);
                    }};

 private:
  MethodReport Recorder(const std::string& method) {
    return [this, method](ReportDocument& d, const MethodReportCall& call) {
      calls.push_back(method + " part " + std::to_string(call.part) + " choice " +
                      std::to_string(call.choice));
      d.PrintLine(method + " report of part " + std::to_string(call.part) + kEnd);
    };
  }
};

// The ten lines of a page header of the Warehouse A problem.
std::vector<std::string> HeaderLines(int page) {
  const std::string equals(95, '=');
  // Line 1: 44 characters with the marks, F = 110 - 44 - 12 + 2 = 56, q = 28,
  // r = 0: 27 spaces, then 28. Line 4: 35 characters, F = 64: 63 spaces.
  // Line 6: 23 characters, F = 76: 75 spaces.
  return {kMargin + std::string(27, ' ') + "Calvix:  MASONRY WALL ANALYSIS AND DESIGN" +
              std::string(28, ' '),
          kMargin + equals,
          kMargin + "Project : Warehouse A",
          kMargin + "Location: Springfield" + std::string(63, ' ') + "By: J. Smith",
          kMargin + equals,
          kMargin + "TIME: 02:05 PM" + std::string(75, ' ') + "Page: " + std::to_string(page),
          kMargin + "DATE: 3/14/2024",
          kMargin,
          kMargin,
          kMargin};
}

std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t from,
                               std::size_t count) {
  if (from >= lines.size()) return {};
  return {lines.begin() + static_cast<std::ptrdiff_t>(from),
          lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), from + count))};
}

std::vector<std::string> WithMargin(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) out.push_back(kMargin + line);
  return out;
}

// --- Page header ------------------------------------------------------------

TEST(ReportDriverTest, PageHeaderLinesCarryTheirMarks) {
  EntryForm entry;
  entry.Project = "Warehouse A   ";
  entry.Location = "Springfield ";
  entry.Designer = "J. Smith  ";
  ReportDocument document;
  MemoryDestination destination;
  document.StartDocument(5, kMarginsReport, kPage85x110, destination);
  document.NewPage();
  SetPageHeader(document, entry, kStamp);
  const std::string fill(kFillMark);
  EXPECT_EQ(document.HeaderLine(1),
            fill + "Calvix:  MASONRY WALL ANALYSIS AND DESIGN" + fill + kEnd);
  EXPECT_EQ(document.HeaderLine(2), std::string(95, '=') + kEnd);
  EXPECT_EQ(document.HeaderLine(3), "Project : Warehouse A" + kEnd);
  EXPECT_EQ(document.HeaderLine(4), "Location: Springfield" + fill + "By: J. Smith" + kEnd);
  EXPECT_EQ(document.HeaderLine(5), std::string(95, '=') + kEnd);
  EXPECT_EQ(document.HeaderLine(6), "TIME: 02:05 PM" + fill + "Page: 2" + kEnd);
  EXPECT_EQ(document.HeaderLine(7), "DATE: 3/14/2024" + kEnd);
}

TEST(ReportDriverTest, PrintedPageHeaderIsExact) {
  ReportSession s;
  MemoryDestination out;
  ASSERT_TRUE(s.Print({}, out));
  EXPECT_EQ(Slice(out.Lines(), 0, 10), HeaderLines(1));
  EXPECT_EQ(out.Lines()[10], kMargin + "reinforced report of part 1");
  EXPECT_EQ(out.finished, 1);
}

TEST(ReportDriverTest, HeaderAsWideAsTheLineGetsNoFillSpaces) {
  ReportSession s;
  // "Location: " + 61 + "By: " + 22 characters: 97 printed, 99 with the marks,
  // F = 110 - 99 - 12 + 1 = 0; 36 more characters make F negative.
  for (int extra : {0, 36}) {
    s.entry().Location = std::string(61 + extra, 'L');
    s.entry().Designer = std::string(22, 'D');
    MemoryDestination out;
    ASSERT_TRUE(s.Print({}, out));
    const std::string printed = "Location: " + s.entry().Location + "By: " + s.entry().Designer;
    EXPECT_EQ(out.Lines()[3], kMargin + printed.substr(0, 98)) << extra;  // cut at the margin
  }
}

TEST(ReportDriverTest, ControlMarksInTheEngineersTextsPrintAsQuestionMarks) {
  ReportSession s;
  s.entry().Project = "North" + std::string(kPageBreakMark) + "Wing";
  s.entry().Location = "Dock" + std::string(kFillMark) + "7" + std::string(kTabMark);
  s.entry().Designer = "A" + kEnd + "B";
  MemoryDestination out;
  ASSERT_TRUE(s.Print({}, out));
  const auto lines = out.Lines();
  EXPECT_EQ(lines[2], kMargin + "Project : North?Wing");
  EXPECT_EQ(lines[3], kMargin + "Location: Dock?7?" + std::string(72, ' ') + "By: A?B");
  EXPECT_EQ(lines[10], kMargin + "reinforced report of part 1");
  EXPECT_EQ(out.text.find("\xC2\x80"), std::string::npos);
  EXPECT_EQ(out.text.find("\xC2\x81"), std::string::npos);
  EXPECT_EQ(out.text.find("\xC2\x82"), std::string::npos);
  EXPECT_EQ(out.text.find("\xC2\x83"), std::string::npos);
}

TEST(ReportDriverTest, PagesBrokenByTheLayerShowTheirOwnNumber) {
  ReportSession s;
  s.hooks.reinforced = [](ReportDocument& d, const MethodReportCall&) {
    for (int i = 0; i < 200; ++i) d.PrintLine("row" + kEnd);
  };
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kInputDataOption, kMainSummaryOption}, out));
  std::vector<int> pages;
  for (const std::string& line : out.Lines()) {
    const auto at = line.find("Page: ");
    if (at != std::string::npos) pages.push_back(std::stoi(line.substr(at + 6)));
  }
  // Input data on pages 1-2; page 3 opens with the banner and holds 64 rows
  // (79 lines less the header and the banner); the remaining 336 rows of both
  // parts fill pages 4-8 at 69 rows a page.
  EXPECT_EQ(pages, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ReportDriverTest, ReportStampTime) {
  struct Case {
    int hour, minute;
    const char* time;
  };
  for (const Case& c : {Case{0, 30, "12:30 AM"}, Case{9, 7, "09:07 AM"}, Case{12, 5, "12:05 PM"},
                        Case{14, 5, "02:05 PM"}, Case{23, 59, "11:59 PM"}}) {
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 14;
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    const ReportStamp stamp = MakeReportStamp(tm);
    EXPECT_EQ(stamp.time, c.time);
    EXPECT_EQ(stamp.date, "2024-03-14");
  }
}

// --- Banners and dispatch ---------------------------------------------------

std::vector<std::string> Banner(const std::string& partLine) {
  // 53 characters with the marks: F = 110 - 53 - 12 + 2 = 47, q = 23, r = 1:
  // 22 spaces each side. The title lines: 38 characters, F = 62, q = 31,
  // r = 0: 30 spaces, then 31.
  const std::string stars(50, '*');
  return {
      kMargin + std::string(22, ' ') + stars + std::string(22, ' '),
      kMargin + std::string(30, ' ') + "S U M M A R Y   O F   R E S U L T S" + std::string(31, ' '),
      kMargin + std::string(30, ' ') + partLine + std::string(31, ' '),
      kMargin + std::string(22, ' ') + stars + std::string(22, ' '), kMargin};
}

TEST(ReportDriverTest, BannersOfBothPartsOnTheirOwnPages) {
  ReportSession s;
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kMainSummaryOption, kParapetSummaryOption}, out));
  const auto lines = out.Lines();
  // Page 1 stays empty; each banner opens a page: the page boundary is two
  // empty lines, then the header.
  EXPECT_EQ(Slice(lines, 2, 10), HeaderLines(2));
  EXPECT_EQ(Slice(lines, 12, 5), Banner("     F O R   M A I N   W A L L     "));
  EXPECT_EQ(lines[17], kMargin + "reinforced report of part 1");
  EXPECT_EQ(Slice(lines, 20, 10), HeaderLines(3));
  EXPECT_EQ(Slice(lines, 30, 5), Banner("  F O R   P A R A P E T   W A L L  "));
  EXPECT_EQ(lines[35], kMargin + "reinforced report of part 2");
}

TEST(ReportDriverTest, OnlyTheParapetBannerWhenOnlyItsSummaryIsAsked) {
  ReportSession s;
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kParapetSummaryOption}, out));
  EXPECT_FALSE(out.Has(Banner("     F O R   M A I N   W A L L     ")[2]));
  EXPECT_TRUE(out.Has(Banner("  F O R   P A R A P E T   W A L L  ")[2]));
  EXPECT_EQ(s.calls,
            (std::vector<std::string>{"reinforced part 1 choice 0", "reinforced part 2 choice 0"}));
}

TEST(ReportDriverTest, WithoutAParapetOnlyTheMainWallIsReported) {
  ReportSession s;
  s.entry().Fields[kParapetHeightField] = "0.00";
  s.Convert();
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kMainSummaryOption, kParapetSummaryOption, kParapetLoadCasesOption}, out));
  EXPECT_TRUE(out.Has(Banner("     F O R   M A I N   W A L L     ")[2]));
  EXPECT_EQ(out.text.find("P A R A P E T"), std::string::npos);
  EXPECT_EQ(s.calls, (std::vector<std::string>{"reinforced part 1 choice 0"}));
}

TEST(ReportDriverTest, EachMethodGetsItsReportWithTheChoiceOfEachPart) {
  struct Case {
    const char* method;
    bool reinforced;
    MethodReport ReportHooks::*report;
  };
  for (const Case& c :
       {Case{"ACI", true, &ReportHooks::reinforced}, Case{"IBC-W", true, &ReportHooks::reinforced},
        Case{"ACI", false, &ReportHooks::unreinforced},
        Case{"IBC-W", false, &ReportHooks::unreinforced},
        Case{"IBC-S", true, &ReportHooks::strength}}) {
    ReportSession s;
    s.entry().DesignMethod = c.method;
    ReportRequest request = ReportSession::Request({kMainLoadCasesOption, kParapetLoadCasesOption});
    request.reinforced = c.reinforced;
    request.mainChoice = 3;
    request.parapetChoice = 5;
    // Only the expected report is bound: a call of another one fails the report.
    std::vector<MethodReportCall> calls;
    s.hooks = {};
    s.hooks.*c.report = [&calls](ReportDocument&, const MethodReportCall& call) {
      calls.push_back(call);
    };
    MemoryDestination out;
    ASSERT_TRUE(s.Print(request, out)) << c.method << " " << c.reinforced;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].part, kMainWall);
    EXPECT_EQ(calls[0].choice, 3);
    EXPECT_EQ(calls[1].part, kParapet);
    EXPECT_EQ(calls[1].choice, 5);
    EXPECT_TRUE(calls[1].options[kMainLoadCasesOption]);
    EXPECT_TRUE(calls[1].options[kParapetLoadCasesOption]);
    EXPECT_FALSE(calls[1].options[kMainSummaryOption]);
  }
}

TEST(ReportDriverTest, AMissingMethodReportIsARunTimeErrorAndNothingIsDelivered) {
  ReportSession s;
  s.entry().DesignMethod = "IBC-S";
  s.hooks.strength = nullptr;
  MemoryDestination out;
  EXPECT_FALSE(s.Print({kInputDataOption}, out));
  EXPECT_EQ(out.finished, 0);
  EXPECT_EQ(out.abandoned, 1);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Error");
  EXPECT_EQ(s.platform.messages[0].text,
            "A no results report for the design method IBC-S error (Error # 0) has occurred.\r"
            "The error occurred in routine  \"Print Results\" of form  \"CXPrint Module\".\r\r"
            "Please Report this error to Orvane Corporation.");
}

TEST(ReportDriverTest, TheWallPictureIsPrintedOnlyOnThePrinter) {
  {
    ReportSession s;
    MemoryDestination file(true);
    ASSERT_TRUE(s.Print({kWallPictureOption}, file));
    EXPECT_EQ(file.text.find("PICTURE"), std::string::npos);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"reinforced part 1 choice 0",
                                                 "reinforced part 2 choice 0"}));
  }
  {
    ReportSession s;
    MemoryDestination printer(false);
    ASSERT_TRUE(s.Print({kInputDataOption, kWallPictureOption}, printer));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"picture on page 3", "reinforced part 1 choice 0",
                                                 "reinforced part 2 choice 0"}));
    EXPECT_TRUE(printer.Has(kMargin + "TIME: 02:05 PM" + std::string(75, ' ') + "Page: 3"));
  }
}

// --- Input data -------------------------------------------------------------

TEST(ReportDriverTest, InputDataInUsUnits) {
  ReportSession s;
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kInputDataOption}, out));
  const auto lines = out.Lines();
  EXPECT_EQ(Slice(lines, 10, 49), WithMargin({
                                      "   DESIGN METHOD :  ACI 530-99: Working Stress Design",
                                      "MASONRY MATERIAL :  Hollow Core Concrete Masonry Units",
                                      "     MORTAR TYPE :  Type S",
                                      " MORTAR MATERIAL :  Portland Cement Lime Mortar",
                                      " BLOCK PLACEMENT :  Running Bond",
                                      "",
                                      "MASONRY WALL DATA:",
                                      "",
                                      "Wall Height                    =   20.00 ft",
                                      "Nominal Wall Thickness         =    8.00 in",
                                      "Depth to c.g. Steel, Wall      =   3.813 in",
                                      "",
                                      "Parapet Height                 =    3.00 ft",
                                      "Nominal Parapet Thickness      =    8.00 in",
                                      "Depth to c.g. Steel, Parapet   =   3.813 in",
                                      "",
                                      "Design Strip Width             =   48.00 in",
                                      "",
                                      "Main Wall Reinf. Layers        = One Layer",
                                      "Wall Grout Spacing             = Partially Grouted",
                                      "",
                                      "Support Type at Base           = Pinned Support",
                                      "Span Type                      = Supported Top and Bottom",
                                      "",
                                      "WALL LOADS:",
                                      "",
                                      "Wall Weight                          =    55.0 psf",
                                      "Floor or Roof Load:             Dead =  200.00 plf",
                                      "                                Live =  100.00 plf",
                                      "                        Eccentricity =    4.00 in",
                                      "Additional Vertical Load:       Dead =    0.00 plf",
                                      "                                Live =    0.00 plf",
                                      "                        Eccentricity =    0.00 in",
                                      "               Vertical Distance (y) =    0.00 ft",
                                      "Equivalent Fluid Pressure            =    30.0 pcf",
                                      "               Vertical Distance (x) =    4.00 ft",
                                      "",
                                      "SEISMIC LOADS:",
                                      "",
                                      "   Site Class (A to F)                     = Class D",
                                      "   Seismic Use Group                       = I",
                                      "Short Period Spectral Acceleration,  Ss =   50.00 %",
                                      "   One Second Spectral Acceleration,    S1 = < 0.75 g",
                                      "   (Computed) Design Category,             = Category C",
                                      "   Parapet Component Importance Factor, Ip = 1.0",
                                      "   Parapet Height/Roof Height Ratio    z/h = 1.00",
                                      "Veneer Weight                           =     0.0 psf",
                                      // SDS = 2/3 x 1.4 x 0.5: 0.4 x 0.46667 x 55 x 4 = 41.07
                                      "Seismic Load on Main Wall               =    41.07 plf",
                                      // (1 + 2) x 0.46667 x 55 x 4 / 2.5 = 123.20
                                      "Seismic Load on Parapet Wall            =   123.20 plf",
                                  }));
  EXPECT_EQ(lines[59], "");  // the page boundary: two empty lines
  EXPECT_EQ(lines[60], "");
  EXPECT_EQ(Slice(lines, 61, 10), HeaderLines(2));
  EXPECT_EQ(Slice(lines, 71, 42),
            WithMargin({
                "WIND LOADS:",
                "",
                "                             Distance From",
                "      Load       Magnitude   Base of Wall (ft)",
                "     W or H     (psf, plf)   Start      End",
                "    ----------------------------------------",
                // Row number, type at column 7, the magnitudes of "W" (a
                // pressure) and "H" (a line load) ending together at column 24
                // under the head's units, start and end ending at 33 and 44.
                " 1     W             20.0     0.00      20.00",
                " 2     H           150.00    10.00      10.00",
                " 3",
                " 4",
                " 5",
                "",
                "Notes:  1. \"W\" designates a uniform distributed wind load.",
                "           \"H\" designates a concentrated horizontal wind load.",
                "        2.  Horizontal loads are positive to the right.",
                "",
                "MASONRY DATA:",
                "",
                "Masonry Unit Strength              = 1900.00 psi",
                "Masonry Compressive Strength,  f'm = 1500.00 psi",
                "Allowable Flexural Stress,      Fb =  500.00 psi",
                "Allowable Shear Stress,         Fv =   38.73 psi",
                "Allowable Tension:    No Grout, Ft =   25.00 psi",
                "                   Solid Grout, Ft =   68.00 psi",
                "Modulus of Elasticity,          Em =  1350.0 ksi",
                "Modular Ratio,          Es/Em =  n =   21.48",
                "Single Grouted Cell + Web Width    =    8.00 in",
                "Nominal Length of Masonry Unit     =   16.00 in",
                "Block Face Shell Thickness         =    1.25 in",
                "Nominal Minus Actual Thickness     =   0.375 in",
                "",
                "MATERIAL DATA:",
                "",
                "Steel Yield Strength,           Fy =   60.00 ksi",
                "Allowable Steel Stress,         Fs =   24.00 ksi",
                "Modulus of Elasticity,          Es = 29000.0 ksi",
                "",
                "REINFORCED WALL DATA:",
                "",
                "Minimum Steel Ratio,       As/bt   =  0.0007",
                "reinforced report of part 1",
                "reinforced report of part 2",
            }));
}

struct MetricCase {
  const char* name;
  int16_t unitsType;
  std::vector<std::string> lines;  // without the margin
};

class MetricInputDataTest : public ::testing::TestWithParam<MetricCase> {};

TEST_P(MetricInputDataTest, ValuesCarryTheUnitsOfTheSystem) {
  ReportSession s(GetParam().unitsType);
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kInputDataOption}, out));
  for (const std::string& line : GetParam().lines) {
    EXPECT_TRUE(out.Has(kMargin + line)) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Report, MetricInputDataTest,
    ::testing::Values(MetricCase{"SI",
                                 2,
                                 {"Wall Height                    =   6.000 m",
                                  "Depth to c.g. Steel, Wall      =    95.0 mm",
                                  "Design Strip Width             =  1200.0 mm",
                                  "Wall Weight                          =   2.600 kPa",
                                  "Floor or Roof Load:             Dead =  2900.0 N/m",
                                  "                        Eccentricity =   100.0 mm",
                                  "Equivalent Fluid Pressure            =    4.70 kN/m³",
                                  "Veneer Weight                           =   0.000 kPa",
                                  "      Load       Magnitude   Base of Wall (m.)",
                                  "     W or H     (kPa, N/m)   Start      End",
                                  " 1     W            0.958    0.000      6.000",
                                  " 2     H           2189.1    3.000      3.000",
                                  "Masonry Compressive Strength,  f'm =  10.342 MPa",
                                  "Modulus of Elasticity,          Em =    9308 MPa",
                                  "Nominal Minus Actual Thickness     =    10.0 mm",
                                  "Steel Yield Strength,           Fy =   413.7 MPa"}},
                      MetricCase{"MKS",
                                 3,
                                 {"Wall Height                    =   6.000 m",
                                  "Nominal Wall Thickness         =   200.0 mm",
                                  "Wall Weight                          =   265.0 Kg/m²",
                                  "Floor or Roof Load:             Dead =  295.00 K/m",
                                  "Equivalent Fluid Pressure            =   480.0 Kg/m³",
                                  "      Load       Magnitude   Base of Wall (m.)",
                                  "     W or H   (Kg/m², K/m)   Start      End",
                                  " 1     W             97.6    0.000      6.000",
                                  " 2     H           223.22    3.000      3.000",
                                  "Masonry Unit Strength              =  133.58 Kg/cm²",
                                  "Modulus of Elasticity,          Em =   94914 Kg/cm²",
                                  "Steel Yield Strength,           Fy =  4218.4 Kg/cm²",
                                  "Modulus of Elasticity,          Es = 2038902 Kg/cm²"}}),
    [](const auto& info) { return info.param.name; });

// The column after the last digit of a line.
std::size_t ValueEnd(const std::string& line) {
  const std::size_t last = line.find_last_of("0123456789");
  return last == std::string::npos ? 0 : last + 1;
}

TEST(ReportDriverTest, ValuesOfAGroupEndInOneColumnInEverySystem) {
  // Groups of value lines by their first label, and the column their values
  // end in (the margin included).
  struct Group {
    std::vector<std::string> labels;
    std::size_t end;
  };
  const std::vector<Group> groups{
      {{"Wall Height ", "Nominal Wall Thickness", "Depth to c.g. Steel, Wall", "Parapet Height",
        "Nominal Parapet", "Depth to c.g. Steel, Parapet", "Design Strip Width"},
       46},
      {{"Wall Weight", "Floor or Roof Load:", "                                Live",
        "                        Eccentricity", "Additional Vertical Load:",
        "               Vertical Distance", "Equivalent Fluid Pressure"},
       52},
      {{"Masonry Unit Strength", "Masonry Compressive", "Allowable Flexural", "Allowable Shear",
        "Allowable Tension", "                   Solid Grout", "Modulus of Elasticity,          Em",
        "Modular Ratio", "Single Grouted", "Nominal Length", "Block Face", "Nominal Minus",
        "Steel Yield", "Allowable Steel", "Modulus of Elasticity,          Es",
        "Minimum Steel Ratio"},
       50},
  };
  for (int16_t units : {1, 2, 3}) {
    ReportSession s(units);
    MemoryDestination out;
    ASSERT_TRUE(s.Print({kInputDataOption}, out));
    for (const Group& group : groups) {
      int matched = 0;
      for (const std::string& line : out.Lines()) {
        for (const std::string& label : group.labels) {
          if (line.compare(0, kMargin.size() + label.size(), kMargin + label) != 0) continue;
          ++matched;
          EXPECT_EQ(ValueEnd(line), group.end) << "units " << units << ": " << line;
        }
      }
      EXPECT_GE(matched, static_cast<int>(group.labels.size())) << "units " << units;
    }
  }
}

TEST(ReportDriverTest, InputDataOfOtherCriteria) {
  ReportSession s;
  EntryForm& e = s.entry();
  e.DesignMethod = "IBC-S";
  e.MasonryMaterial = "Brick";
  e.MortarType = "N";
  e.MortarMaterial = "Masonry";
  e.RunningBond = false;
  e.SupportType = "Partially Fixed";
  e.PercentFixed = 50;
  e.Cantilever = true;
  e.ReinfLayersOption = 1;
  e.GroutSpacingOption = 1;
  s.Convert();
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kInputDataOption}, out));
  for (const char* line : {
           "   DESIGN METHOD :  IBC 2000:  Ultimate Strength Design",
           "MASONRY MATERIAL :  Two Wythe Brick",
           "     MORTAR TYPE :  Type N",
           " MORTAR MATERIAL :  Masonry Cement Mortar",
           " BLOCK PLACEMENT :  Stack Bond",
           "Main Wall Reinf. Layers        = Two Layers",
           "Wall Grout Spacing             = Grouted Solid",
           "Support Type at Base           = 50%, Partially Fixed Support",
           "Span Type                      = Cantilever Wall (Fixed Base)",
           "Allowable Flexural Stress,      Fb = N/A    ",
           "Allowable Shear Stress,         Fv = N/A    ",
           "Allowable Tension:    No Grout, Ft = N/A    ",
           "                   Solid Grout, Ft = N/A    ",
       }) {
    EXPECT_TRUE(out.Has(kMargin + line)) << line;
  }
  EXPECT_EQ(s.calls,
            (std::vector<std::string>{"strength part 1 choice 0", "strength part 2 choice 0"}));

  ReportRequest unreinforced = ReportSession::Request({kInputDataOption});
  unreinforced.reinforced = false;
  e.DesignMethod = "IBC-W";
  s.Convert();
  MemoryDestination second;
  ASSERT_TRUE(s.Print(unreinforced, second));
  EXPECT_TRUE(second.Has(kMargin + "Main Wall Reinf. Layers        = Unreinforced Wall"));
  EXPECT_TRUE(second.Has(kMargin + "   DESIGN METHOD :  IBC 2000:  Working Stress Design"));
  EXPECT_TRUE(second.Has(kMargin + "Allowable Flexural Stress,      Fb =  500.00 psi"));
}

TEST(ReportDriverTest, SeismicMinimumAndSiteSpecificCoefficient) {
  struct Case {
    const char* siteClass;
    const char* ss;
    float userFa;
    bool minimum;
    const char* fa;  // the Fa line, or nullptr when there is none
  };
  for (const Case& c : {
           Case{"Class D", "50.0", 0, false, nullptr},
           // Class E above 1.0 g takes the site-specific Fa; 0 gives SDS = 0 and
           // the minimum wall load.
           Case{"Class E", "110.0", 0, true, "User Defined Site Coefficient,       Fa =    0.00"},
           Case{"Class E", "50.0", 1.5f, false, nullptr},
           Case{"Class F", "50.0", 1.25f, false,
                "User Defined Site Coefficient,       Fa =    1.25"},
       }) {
    ReportSession s;
    s.entry().SiteClass = c.siteClass;
    s.entry().Fields[kSsField] = c.ss;
    s.entry().UserFa = c.userFa;
    s.Convert();
    MemoryDestination out;
    ASSERT_TRUE(s.Print({kInputDataOption}, out));
    if (c.fa != nullptr) {
      EXPECT_TRUE(out.Has(kMargin + c.fa)) << c.siteClass << " " << c.ss;
    } else {
      EXPECT_EQ(out.text.find("Site Coefficient"), std::string::npos) << c.siteClass << " " << c.ss;
    }
    if (c.minimum) {
      // 0.1 x 55 psf x 4 ft of strip = 22 plf
      EXPECT_TRUE(out.Has(kMargin + "Seismic Load on Main Wall*              =    22.00 plf"));
      EXPECT_TRUE(out.Has(kMargin + "* Minimum Code Required Value"));
    } else {
      EXPECT_EQ(out.text.find("Minimum Code Required"), std::string::npos);
    }
  }
}

TEST(ReportDriverTest, WindRowsWithoutATypeAreSkippedAndTheTableRunsToRowFive) {
  ReportSession s;
  s.entry().Wind[1] = {"", "", "", ""};
  s.entry().Wind[2] = {"H", "75.00", "5.00", "5.00"};
  s.Convert();
  MemoryDestination out;
  ASSERT_TRUE(s.Print({kInputDataOption}, out));
  const auto lines = out.Lines();
  const auto head = std::find(lines.begin(), lines.end(),
                              kMargin + "    ----------------------------------------");
  ASSERT_NE(head, lines.end());
  EXPECT_EQ(std::vector<std::string>(head + 1, head + 5),
            WithMargin({" 1     W             20.0     0.00      20.00",
                        " 3     H            75.00     5.00       5.00", " 4", " 5"}));
}

// --- The report file --------------------------------------------------------

TEST(ResultsFileTest, WrittenReportIsUtf8TextAndIsAnnounced) {
  ReportSession s(3);
  TempFolder folder;
  const auto path = folder / "wall report.txt";
  ASSERT_TRUE(WriteResultsFile(s.session, ReportSession::Request({kInputDataOption}), s.hooks, path,
                               kStamp));
  const std::string text = ReadBytes(path);
  EXPECT_EQ(text.substr(0, 8), kMargin + "  ");
  EXPECT_NE(text.find(kMargin + "Project : Warehouse A\r\n"), std::string::npos);
  EXPECT_NE(text.find("=  133.58 Kg/cm\xC2\xB2\r\n"), std::string::npos);
  for (const char* mark : {"\xC2\x80", "\xC2\x81", "\xC2\x82", "\xC2\x83"}) {
    EXPECT_EQ(text.find(mark), std::string::npos);
  }
  EXPECT_EQ(text.substr(text.size() - 27), "reinforced report of part 2");
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Print to File");
  EXPECT_EQ(s.platform.messages[0].text,
            "Report written to " + path.string());
  EXPECT_EQ(s.platform.pointer, (std::vector<bool>{true, false}));
}

TEST(ResultsFileTest, ReportOfBothPartsWithEveryLoadCaseIsWrittenWhole) {
  ReportSession s;
  // Per-load-case pages of both parts: 5 combinations x 60 lines each.
  s.hooks.reinforced = [](ReportDocument& d, const MethodReportCall& call) {
    for (int k = 1; k <= 5; ++k) {
      d.NewPage();
      for (int j = 0; j < 60; ++j) {
        d.PrintLine("part " + std::to_string(call.part) + " combination " + std::to_string(k) +
                    " row " + std::to_string(j) + " " + std::string(70, '.') + kEnd);
      }
    }
  };
  TempFolder folder;
  const auto path = folder / "long.txt";
  ASSERT_TRUE(
      WriteResultsFile(s.session, ReportSession::Request({1, 3, 4, 5, 6}), s.hooks, path, kStamp));
  const std::string text = ReadBytes(path);
  EXPECT_GT(text.size(), 63000u);
  std::size_t rows = 0;
  for (std::size_t at = 0; (at = text.find(" row ", at)) != std::string::npos; ++at) ++rows;
  EXPECT_EQ(rows, 2u * 5u * 60u);
  EXPECT_TRUE(text.ends_with("part 2 combination 5 row 59 " + std::string(70, '.')));
}

TEST(ResultsFileTest, FailedWriteIsReportedAndTheOldFileStays) {
  TempFolder folder;
  const auto readOnly = folder / "old.txt";
  WriteBytes(readOnly, "old report");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  for (const std::filesystem::path& path : {folder / "no such folder" / "r.txt", readOnly}) {
    ReportSession s;
    EXPECT_FALSE(WriteResultsFile(s.session, ReportSession::Request({kInputDataOption}), s.hooks,
                                  path, kStamp));
    ASSERT_EQ(s.platform.messages.size(), 1u) << path;
    EXPECT_EQ(s.platform.messages[0].title, "Error");
    EXPECT_NE(s.platform.messages[0].text.find("(Error # 75)"), std::string::npos);
    EXPECT_NE(s.platform.messages[0].text.find(
                  "routine  \"End Document\" of form  \"Print Routines Module\""),
              std::string::npos);
    EXPECT_EQ(s.platform.pointer, (std::vector<bool>{true, false}));
  }
  EXPECT_EQ(ReadBytes(readOnly), "old report");
  EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST(ResultsFileTest, PrintToFileAsksForTheFileAndCancelWritesNothing) {
  ReportSession s;
  TempFolder folder;
  s.platform.files.push_back(std::nullopt);
  EXPECT_FALSE(PrintResultsToFile(s.session, ReportSession::Request({1}), s.hooks));
  ASSERT_EQ(s.platform.dialogs.size(), 1u);
  const FileDialogRequest& dialog = s.platform.dialogs[0];
  EXPECT_EQ(dialog.title, "Print Results To File");
  EXPECT_EQ(dialog.filter, "Calvix Results (*.txt)|*.txt");
  EXPECT_EQ(dialog.defaultExtension, "txt");
  EXPECT_TRUE(dialog.confirmOverwrite);
  EXPECT_FALSE(dialog.mustExist);
  EXPECT_TRUE(s.platform.messages.empty());
  EXPECT_TRUE(s.platform.pointer.empty());

  s.platform.files.push_back(folder / "chosen.txt");
  EXPECT_TRUE(PrintResultsToFile(s.session, ReportSession::Request({1}), s.hooks));
  EXPECT_TRUE(std::filesystem::exists(folder / "chosen.txt"));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Print to File");
}

TEST(ResultsFileTest, AProblemThatIsNotDesignedCannotBePrinted) {
  ReportSession s;
  EXPECT_TRUE(CheckPrintable(s.session));
  EXPECT_TRUE(s.platform.messages.empty());
  s.problem().Designed = false;
  EXPECT_FALSE(CheckPrintable(s.session));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Print Error...");
  EXPECT_EQ(s.platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(s.platform.messages[0].text,
            "ERROR:  This problem cannot be printed.  The input data has\r"
            "changed or the wall has not been designed yet.\r\r"
            "Please select \"Design Wall\" from the Solve Menu.");
}

}  // namespace
}  // namespace calvix
