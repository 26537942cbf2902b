// The method reports beyond what the example reports show: the bar-size
// notes by thickness and unit system, bars without a spacing, the detail
// tables of the results window with values worked by hand.
#include <gtest/gtest.h>

#include "analysis/solve.h"
#include "design/bar_size_limit.h"
#include "design/design_results.h"
#include "model/number_format.h"
#include "reports/method_reports.h"
#include "reports/strength_report.h"
#include "reports/working_stress_report.h"
#include "support/report_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using namespace testing;

// A shipped example, opened and solved.
struct SolvedExample : ExampleSession {
  explicit SolvedExample(const std::string& name, bool reinforced = true)
      : ExampleSession(Example(name)) {
    EXPECT_TRUE(SolveWall(session, reinforced, analysis, DesignRoutinesFor(design)).designed);
  }
  AnalysisResults analysis;
  DesignResults design;
};

MethodReportCall Call(int choice, bool cases) {
  MethodReportCall call{kMainWall, choice, {}};
  call.options.Set(kMainSummaryOption, true);
  call.options.Set(kMainLoadCasesOption, cases);
  return call;
}

// Runs a report section on a document with the report's page and margins;
// the lines keep their 6-column margin.
template <typename Print>
MemoryDestination Printed(Print print) {
  MemoryDestination destination;
  ReportDocument document;
  document.StartDocument(5, kMarginsReport, kPage85x110, destination);
  print(document);
  return destination;
}

// The bar-size notes of IBC 2000 2108.9.2.1 (strength) and 2107.2.4 (working
// stress) print the limit the design set for the part's nominal thickness,
// with the bar designations of the bar table; ACI has no such note.
TEST(MethodReportTest, BarSizeNotesByThicknessAndUnitSystem) {
  struct Case {
    int16_t units;
    float T;
    std::string limit;  // "" = no note
  };
  for (const Case& c : std::vector<Case>{{1, 4.0f, "#4"},
                                         {2, 4.0f, "10M"},
                                         {3, 6.0f, "15M"},
                                         {1, 8.0f, "#8"},
                                         {1, 10.0f, ""},
                                         {2, 10.0f, "30M"}}) {
    SCOPED_TRACE(std::to_string(c.units) + " / " + std::to_string(c.T));
    StartedSession s(c.units);
    Problem& problem = s.problem();
    problem.working.WallThickness = c.T;
    problem.working.SeismicCategory = "Category B";
    const AnalysisResults analysis;
    for (const char* method : {"IBC-S", "IBC-W", "ACI"}) {
      problem.entry.DesignMethod = method;
      StrengthResults strength;
      ReinforcedResults working;
      strength.BarLimit[0] = working.BarLimit[0] = PartBarSizeLimit(problem, kMainWall);
      const auto out = Printed([&](ReportDocument& d) {
        if (problem.entry.DesignMethod == "IBC-S") {
          PrintStrengthResults(d, problem, analysis, strength, Call(0, false));
        } else {
          PrintReinforcedResults(d, problem, analysis, working, Call(0, false));
        }
      });
      const std::string section = problem.entry.DesignMethod == "IBC-S" ? "2108.9.2.1" : "2107.2.4";
      const bool note = !c.limit.empty() && problem.entry.DesignMethod != "ACI";
      EXPECT_EQ(out.text.find("bar size is limited") != std::string::npos, note) << method;
      if (note) {
        EXPECT_TRUE(
            out.Has("      Per IBC 2000 " + section + ", bar size is limited to " + c.limit));
      }
    }
  }
}

TEST(MethodReportTest, ABarWithoutASpacingShowsNotApplicable) {
  SolvedExample working("cmu-bearing-wall.cxl");
  ReinforcedResults reinforced = working.design.reinforced;
  reinforced.BarSpacing[0][2] = 0.0f;
  const auto printed = Printed([&](ReportDocument& d) {
    PrintReinforcedResults(d, working.problem(), working.analysis, reinforced, Call(2, true));
  });
  EXPECT_NE(printed.text.find("\n        #5    N/A"), std::string::npos);
  // The chosen bar has no spacing: no diagram and no detail pages.
  EXPECT_EQ(printed.text.find("INTERACTION DIAGRAM"), std::string::npos);
  EXPECT_EQ(printed.text.find("DETAILED RESULTS"), std::string::npos);
}

TEST(MethodReportTest, TheStationCheckOfAnUnreinforcedWall) {
  SolvedExample example("garden-wall-unreinforced.cxl", false);
  const auto detail = ComputeUnreinforcedDetail(example.problem(), example.analysis,
                                                example.design.unreinforced, 0, kMainWall);
  const UnreinforcedStation& top = detail.stations[0][0];
  // Solid strip 48 x 7.625 in: Ae = 366 in^2, S = 48·7.625²/6 = 465.13 in^3.
  // Top of combination 1 (DL + LL): the floor load (400 + 100) plf on the
  // 4 ft strip, P = 2000 lb, at e = 2 in: M = −2000·2/12 = −333.33 ft-lb;
  // fa = 2000/366 = 5.464 psi, fb = 333.33·12/465.13 = 8.600 psi.
  EXPECT_NEAR(top.P, 2000.0f, 0.5f);
  EXPECT_NEAR(top.M, -333.33f, 0.01f);
  EXPECT_NEAR(top.fa, 5.464f, 0.001f);
  EXPECT_NEAR(top.fb, 8.600f, 0.001f);
  EXPECT_NEAR(top.ft, 5.464f - 8.600f, 0.002f);
  // CSI = fa/Fa + fb/Fb with Fa of the solid section and Fb = 500 psi.
  EXPECT_NEAR(top.csi, top.fa / detail.Fa[0] + top.fb / 500.0f, 1e-5f);
  EXPECT_EQ(top.verdict, "O.K.");
  // Combination 2 carries the 4/3 increase.
  EXPECT_FLOAT_EQ(detail.Fb[1], 500.0f * example.entry().StressIncreaseFactor);
  EXPECT_EQ(BuildUnreinforcedDetail(example.problem(), detail, 1).stations.rows.size(),
            static_cast<std::size_t>(kStationCount));
  // The summary beside it: the allowable tension of the governing
  // combination (1, no increase) for hollow and solid masonry as entered,
  // 25 and 68 psi, and one grid row per grouting case.
  const UnreinforcedSummary summary = BuildUnreinforcedSummary(
      example.problem(), example.analysis, example.design.unreinforced, kMainWall);
  std::vector<std::string> tension;
  for (const ResultRow& row : summary.rows) {
    if (row.label.find("Ft") != std::string::npos) tension.push_back(row.label + "|" + row.value);
  }
  EXPECT_EQ(tension, (std::vector<std::string>{"No Grout Ft = 1.0 * Ft|25.00",
                                               "Solid Ft        = 1.0 * Ft|68.00"}));
  EXPECT_EQ(summary.cases.rows.size(),
            static_cast<std::size_t>(example.design.unreinforced.GroutCaseCount));
  EXPECT_EQ(BuildUnreinforcedDetail(example.problem(), detail, 1).stations.rows[0],
            (std::vector<std::string>{"  0", "10.00", "-333.33", "2000", "-33", "-3.14", "0.034",
                                      "O.K."}));
}

TEST(MethodReportTest, TheReinforcedDetailTablesOfTheResultsWindow) {
  SolvedExample example("cmu-bearing-wall.cxl");
  const ReinforcedDetail detail =
      ComputeReinforcedDetail(example.problem(), example.design.reinforced, 0, kMainWall);
  EXPECT_EQ(detail.s, 16.0f);
  // #3 (0.11 in^2) at 16 in on the 48 in strip: As = 48·0.11/16 = 0.33 in^2;
  // minimum 0.0007·48·7.625 = 0.2562 in^2.
  EXPECT_NEAR(detail.AsFurnished, 0.33f, 1e-6f);
  EXPECT_NEAR(detail.AsMin, 0.2562f, 1e-4f);
  // Combination 2 (wind) has the allowables increased by 4/3.
  EXPECT_NEAR(detail.allow[1].Fa, detail.section.Fa * 4.0f / 3.0f, 1e-3f);
  const auto tables =
      BuildReinforcedDetail(example.problem(), example.analysis, detail, kMainWall, 2);
  ASSERT_EQ(tables.stations.rows.size(), 11u);
  // Station 6 is 16·(10 − 6)/10 = 6.40 ft above the base.
  EXPECT_EQ(tables.stations.rows[6][1], "6.40");
  const ResultRow& fa = tables.properties[7];
  EXPECT_EQ(fa.label, "Adj. Fa =  4/3 * Fa");
  EXPECT_EQ(fa.value, FormatNumber(detail.allow[1].Fa, "###0.00"));
}

}  // namespace
}  // namespace calvix
