// The report driver: page header, banners, input-data echo, the dispatch to
// the method reports, and the report file.
#include "reports/report_driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "files/file_commands.h"
#include "model/convert_input.h"
#include "support/report_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using namespace testing;

const std::string kEnd(kLineEndMark);
const std::string kMargin(6, ' ');
const ReportStamp kStamp{"02:05 PM", "3/14/2024"};

ReportRequest Request(std::initializer_list<int> options) {
  ReportRequest request;
  for (int option : options) request.options.Set(option, true);
  return request;
}

// The bearing wall example (a parapet, a "W" row), opened and marked
// designed, reported through method reports that record their calls.
struct ReportSession : ExampleSession {
  ReportSession() : ExampleSession(Example("cmu-bearing-wall.cxl")) { Convert(); }
  void Convert() {
    ConvertInput(session);
    problem().Designed = true;
  }
  bool Print(const ReportRequest& request, MemoryDestination& destination) {
    ReportDocument document;
    return PrintResults(document, destination, problem(), request, hooks, kStamp, platform);
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

TEST(ReportDriverTest, ReportStampTime) {
  for (const auto& [hour, time] : {std::pair{0, "12:07 AM"},
                                   {9, "09:07 AM"},
                                   {12, "12:07 PM"},
                                   {14, "02:07 PM"},
                                   {23, "11:07 PM"}}) {
    std::tm tm{};
    std::tie(tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min) =
        std::tuple(124, 2, 14, hour, 7);
    EXPECT_EQ(MakeReportStamp(tm).time, time);
    EXPECT_EQ(MakeReportStamp(tm).date, "2024-03-14");
  }
}

// Whole documents against tests/data/reports/<name>.txt ("\n" per line end,
// two per page end), for what the example reports do not show.
TEST(ReportDriverTest, DocumentsMatchTheirCheckedInCopies) {
  const std::vector<std::pair<const char*, std::function<void(EntryForm&)>>> cases{
      {"masonry-cement-type-n",
       [](EntryForm& e) { e.MortarType = "N", e.MortarMaterial = "Masonry"; }},
      // Marks in the engineer's texts print as question marks.
      {"control-marks",
       [](EntryForm& e) {
         e.Project = "North" + std::string(kPageBreakMark) + "Wing";
         e.Location = "Dock" + std::string(kFillMark) + "7" + std::string(kTabMark);
         e.Designer = "A" + kEnd + "B";
       }},
      // "Location: " + 61 + "By: " + 22 characters: F = 110 - 99 - 12 + 1 = 0,
      // no fill; 36 more make F negative: the line is cut at the margin.
      {"header-as-wide-as-the-line",
       [](EntryForm& e) { e.Location = std::string(61, 'L'), e.Designer = std::string(22, 'D'); }},
      {"header-wider-than-the-line",
       [](EntryForm& e) { e.Location = std::string(97, 'L'), e.Designer = std::string(22, 'D'); }},
      // Rows without a type are skipped; the table still runs to row five.
      {"wind-rows-skipped",
       [](EntryForm& e) {
         e.Wind[2] = {"H", "75.00", "5.00", "5.00"};
       }},
      // Class E above 1.0 g takes the site-specific Fa; 0 gives SDS = 0 and
      // the minimum wall load 0.1 x 55 psf x 4 ft = 22 plf.
      {"seismic-minimum",
       [](EntryForm& e) { e.SiteClass = "Class E", e.Fields[kSsField] = "110.0", e.UserFa = 0; }},
  };
  for (const auto& [name, change] : cases) {
    SCOPED_TRACE(name);
    ReportSession s;
    change(s.entry());
    s.Convert();
    MemoryDestination out;
    ASSERT_TRUE(s.Print(Request({kInputDataOption}), out));
    const auto file = SourcePath(std::string("tests/data/reports/") + name + ".txt");
    EXPECT_EQ(out.text, ExpectedText(file, out.text));
  }
}

// The wall picture is printed only on the printer, on the page after the
// input data.
TEST(ReportDriverTest, TheWallPictureIsPrintedOnlyOnThePrinter) {
  for (bool file : {true, false}) {
    ReportSession s;
    MemoryDestination out(file);
    ASSERT_TRUE(s.Print(Request({kInputDataOption, kWallPictureOption}), out));
    EXPECT_EQ(s.calls.front(), file ? "reinforced part 1 choice 0" : "picture on page 3");
    EXPECT_EQ(out.Has(kMargin + "PICTURE"), !file);
  }
}

TEST(ReportDriverTest, AMissingMethodReportIsARunTimeErrorAndNothingIsDelivered) {
  ReportSession s;
  s.entry().DesignMethod = "IBC-S";
  s.hooks.strength = nullptr;
  MemoryDestination out;
  EXPECT_FALSE(s.Print(Request({kInputDataOption}), out));
  EXPECT_EQ(out.finished, 0);
  EXPECT_EQ(out.abandoned, 1);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Error");
  EXPECT_EQ(s.platform.messages[0].text,
            "A no results report for the design method IBC-S error (Error # 0) has occurred.\r"
            "The error occurred in routine  \"Print Results\" of form  \"CXPrint Module\".\r\r"
            "Please Report this error to Orvane Corporation.");
}

}  // namespace
}  // namespace calvix
