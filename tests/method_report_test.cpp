// The method reports: the character interaction diagram, the notes by seismic
// category and thickness, bars without a spacing, the summary tables, the
// combinations that get a detail page and the station check of an
// unreinforced wall.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/solve.h"
#include "design/bar_size_limit.h"
#include "design/design_results.h"
#include "design/interaction_curve.h"
#include "design/section_properties.h"
#include "files/project_file.h"
#include "model/convert_input.h"
#include "model/errors.h"
#include "model/number_format.h"
#include "reports/method_reports.h"
#include "reports/strength_report.h"
#include "reports/working_stress_report.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

// A document kept in memory, "\n" per line end.
class LinesDestination : public ReportDestination {
 public:
  void Begin(const PageGeometry&) override { text.clear(); }
  void Put(std::string_view t) override { text.append(t); }
  void EndLine() override { text += "\n"; }
  void EndPage() override { text += "\n\n"; }
  void Finish() override {}
  void Abandon() override {}
  bool IsFile() const override { return true; }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }
  bool Has(const std::string& line) const {
    const auto lines = Lines();
    return std::find(lines.begin(), lines.end(), "      " + line) != lines.end();
  }
  std::size_t Count(const std::string& text_) const {
    std::size_t n = 0;
    for (std::size_t p = 0; (p = text.find(text_, p)) != std::string::npos; ++p) ++n;
    return n;
  }

  std::string text;
};

// A shipped example, opened and solved.
struct SolvedExample : StartedSession {
  explicit SolvedExample(const std::string& name, bool reinforced = true) {
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(OpenFile(session));
    Solve(reinforced);
  }
  void Solve(bool reinforced) {
    outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(design));
    EXPECT_TRUE(outcome.designed);
  }
  AnalysisResults analysis;
  DesignResults design;
  SolveOutcome outcome;
};

MethodReportCall Call(int part, int choice, bool summary, bool cases) {
  MethodReportCall call{part, choice, {}};
  call.options.Set(part == kParapet ? kParapetSummaryOption : kMainSummaryOption, summary);
  call.options.Set(part == kParapet ? kParapetLoadCasesOption : kMainLoadCasesOption, cases);
  return call;
}

// Runs a report section on a document with the report's page and margins.
template <typename Print>
LinesDestination Printed(Print print) {
  LinesDestination destination;
  ReportDocument document;
  document.StartDocument(5, kMarginsReport, kPage85x110, destination);
  print(document);
  return destination;
}

TEST(MethodReportTest, TheDiagramRowAtZeroAxialLoadShowsThePureFlexureCapacity) {
  SolvedExample example("cmu-bearing-wall.cxl");
  const Problem& problem = example.problem();
  const float s = example.design.reinforced.BarSpacing[0][0];  // #3 at 16 in
  ASSERT_EQ(s, 16.0f);
  const auto out = Printed([&](ReportDocument& d) {
    PrintInteractionDiagram(d, problem, example.analysis, s, 0, kMainWall);
  });
  // The curve of the first diagram, built independently with Fa, Fb and Fs
  // as they are (dead and live load only).
  const WallDepthsResult depths = WallDepths(problem, kMainWall);
  const StripSection sec = SectionAtSpacing(problem, depths.t, EffectiveHeight(problem, kMainWall),
                                            EffectiveFlangeWidth(problem, s), s);
  const InteractionCurve curve = BuildInteractionCurve(
      problem, {problem.working.Fs, problem.working.Fb, sec.Fa, depths.t, depths.d, sec.bPrime,
                sec.bEff, sec.Ae, sec.S, StripSteelArea(problem, 0, s), s});
  const float Mflex = curve.M[kCurvePointCount - 1];
  ASSERT_GT(Mflex, 0.0f);
  const float Mmax = *std::max_element(curve.M.begin(), curve.M.end());
  // Row 45 (P = 0): "+" at 9 + round(60·M/Mmax), the moment at column 72.
  std::string row = "     0 |";
  const int column = 9 + static_cast<int>(std::nearbyint(60.0 * Mflex / Mmax));
  row.append(static_cast<std::size_t>(column - 9), ' ');
  row += '+';
  row.append(static_cast<std::size_t>(71 - column), ' ');
  row += FormatFixed(Mflex, "####0");
  EXPECT_TRUE(out.Has(row)) << row;
  // Row 1 is the axial capacity Fa·Ae.
  EXPECT_EQ(out.Count("\n      " + FormatFixed(curve.P[0], "#####0") + " | +  +"), 1u);
  EXPECT_EQ(out.Count("MASONRY WALL INTERACTION DIAGRAM:  (DEAD + LIVE LOAD ONLY)"), 1u);
  EXPECT_EQ(out.Count("MASONRY WALL INTERACTION DIAGRAM:  (WIND / SEISMIC LOADS)"), 1u);
  EXPECT_TRUE(out.Has("      NOTES:  Axial Load = Lb,    Moment = ft-lb"));
  // No spacing, no diagram.
  EXPECT_TRUE(Printed([&](ReportDocument& d) {
                PrintInteractionDiagram(d, problem, example.analysis, 0.0f, 0, kMainWall);
              }).text.empty());
}

// The bar-size notes of IBC 2000 2108.9.2.1 (strength) and 2107.2.4
// (working stress) print the limit the design set for the part's nominal
// thickness, with the bar designations of the bar table.
TEST(MethodReportTest, BarSizeNotesByThicknessAndUnitSystem) {
  struct Case {
    int units;
    float T;
    const char* limit;  // "" = no note
  };
  const Case cases[] = {{1, 4.0f, "#4"},  {2, 4.0f, "10M"},  {1, 6.0f, "#6"},
                        {3, 6.0f, "15M"}, {1, 8.0f, "#8"},   {2, 8.0f, "25M"},
                        {1, 10.0f, ""},   {2, 10.0f, "30M"}, {3, 12.0f, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.units) + " / " + std::to_string(c.T));
    StartedSession s(static_cast<int16_t>(c.units));
    Problem& problem = s.problem();
    problem.working.WallThickness = c.T;
    problem.working.SeismicCategory = "Category B";
    const AnalysisResults analysis;
    problem.entry.DesignMethod = "IBC-S";
    StrengthResults strengthResults;
    strengthResults.BarLimit[0] = PartBarSizeLimit(problem, kMainWall);
    const auto strength = Printed([&](ReportDocument& d) {
      PrintStrengthResults(d, problem, analysis, strengthResults, Call(1, 0, true, false));
    });
    problem.entry.DesignMethod = "IBC-W";
    ReinforcedResults workingResults;
    workingResults.BarLimit[0] = PartBarSizeLimit(problem, kMainWall);
    const auto working = Printed([&](ReportDocument& d) {
      PrintReinforcedResults(d, problem, analysis, workingResults, Call(1, 0, true, false));
    });
    problem.entry.DesignMethod = "ACI";
    ReinforcedResults aciResults;
    aciResults.BarLimit[0] = PartBarSizeLimit(problem, kMainWall);
    const auto aci = Printed([&](ReportDocument& d) {
      PrintReinforcedResults(d, problem, analysis, aciResults, Call(1, 0, true, false));
    });
    const std::size_t notes = std::string(c.limit).empty() ? 0u : 1u;
    EXPECT_EQ(strength.Count("bar size is limited"), notes);
    EXPECT_EQ(working.Count("bar size is limited"), notes);
    if (*c.limit) {
      EXPECT_TRUE(
          strength.Has(std::string("Per IBC 2000 2108.9.2.1, bar size is limited to ") + c.limit));
      EXPECT_TRUE(
          working.Has(std::string("Per IBC 2000 2107.2.4, bar size is limited to ") + c.limit));
    }
    EXPECT_EQ(aci.Count("bar size is limited"), 0u);  // the note is IBC's
  }
}

TEST(MethodReportTest, SpacingNotesBySeismicCategory) {
  struct Case {
    int units;
    const char* category;
    std::vector<std::string> working;
    std::vector<std::string> strength;
  };
  const std::vector<Case> cases{
      {1,
       "Category A",
       {"Max. vertical bar spacing is 72 inch per ACI 99 2.3.3.3 (commentary)"},
       {"Max. vertical bar spacing is 72 inch per ACI 99 2.3.3.3 (commentary)",
        "IBC 2000 places no limits on bar spacing so ACI limits are assumed"}},
      {3,
       "Category C",
       {"Max. vertical bar spacing is 1220 mm per ACI 99 1.13.5.2.3(b)"},
       {"Max. vertical bar spacing is 1220 mm per IBC 2000 2106.4.1.3"}},
      {1,
       "Category E",
       {"Max. vertical bar spacing is 48 inch for running bond and 24 inch for stack bond",
        "per ACI 99 1.13.6.3"},
       {"Max. vertical bar spacing is 48 inch for running bond and 24 inch for stack bond",
        "per IBC 2000 2106.5.2"}},
      {2,
       "Category F",
       {"Max. vertical bar spacing is 1220 mm for running bond and 610 mm for stack bond",
        "per ACI 99 1.13.6.3"},
       {"Max. vertical bar spacing is 1220 mm for running bond and 610 mm for stack bond",
        "per IBC 2000 2106.5.2"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.category);
    StartedSession s(static_cast<int16_t>(c.units));
    Problem& problem = s.problem();
    problem.working.SeismicCategory = c.category;
    problem.working.WallThickness = 12.0f;
    const AnalysisResults analysis;
    const auto working = Printed([&](ReportDocument& d) {
      PrintReinforcedResults(d, problem, analysis, ReinforcedResults{}, Call(1, 0, true, false));
    });
    const auto strength = Printed([&](ReportDocument& d) {
      PrintStrengthResults(d, problem, analysis, StrengthResults{}, Call(1, 0, true, false));
    });
    for (const auto& line : c.working) EXPECT_TRUE(working.Has(line)) << line;
    for (const auto& line : c.strength) EXPECT_TRUE(strength.Has(line)) << line;
    EXPECT_EQ(working.Count("Max. vertical bar spacing"), 1u);
    EXPECT_EQ(strength.Count("Max. vertical bar spacing"), 1u);
  }
}

TEST(MethodReportTest, ABarWithoutASpacingShowsNotApplicable) {
  SolvedExample example("ibc-strength-wall.cxl");
  StrengthResults results = example.design.strength;
  results.BarSpacing[0][1] = 0.0f;  // #4 as if no spacing worked
  const auto summary = StrengthSummary(example.problem(), example.analysis, results, kMainWall);
  EXPECT_EQ(summary.bars.rows[1], (std::vector<std::string>{" #4", "      ", "      ", "      ",
                                                            "      ", "      ", "N/A      "}));
  const auto out = Printed([&](ReportDocument& d) {
    PrintStrengthResults(d, example.problem(), example.analysis, results, Call(1, 0, true, false));
  });
  EXPECT_TRUE(out.Has("     #4" + std::string(57, ' ') + "N/A"));

  SolvedExample working("cmu-bearing-wall.cxl");
  ReinforcedResults reinforced = working.design.reinforced;
  reinforced.BarSpacing[0][2] = 0.0f;
  const auto table =
      BuildReinforcedSummary(working.problem(), working.analysis, reinforced, kMainWall);
  EXPECT_EQ(table.bars.rows[2][1], "    N/A          ");
  const auto printed = Printed([&](ReportDocument& d) {
    PrintReinforcedResults(d, working.problem(), working.analysis, reinforced,
                           Call(1, 2, true, true));
  });
  EXPECT_TRUE(printed.Has("  #5    N/A"));
  // The chosen bar has no spacing: no diagram and no detail pages.
  EXPECT_EQ(printed.Count("INTERACTION DIAGRAM"), 0u);
  EXPECT_EQ(printed.Count("DETAILED RESULTS"), 0u);
}

TEST(MethodReportTest, TheDimensionTableHasParapetRowsOnlyWithAParapet) {
  SolvedExample example("ibc-strength-wall.cxl");  // no parapet
  const auto rows = [](const StrengthSummaryTables& t) {
    std::vector<std::string> labels;
    for (const auto& row : t.dimensions) labels.push_back(row.label);
    return labels;
  };
  const auto without =
      StrengthSummary(example.problem(), example.analysis, example.design.strength, kMainWall);
  EXPECT_EQ(rows(without),
            (std::vector<std::string>{"Wall Height", "Wall Thickness", "Wall c.g. Steel",
                                      "Design Strip Width", "Material Type", "Design Method"}));
  EXPECT_EQ(without.dimensions.back().value, "IBC 2000 Strength Design");
  EXPECT_EQ(without.analysis[6].value, "0.80");
  EXPECT_EQ(without.analysis[8].value, "0.60");

  SolvedExample parapet("school-gym-parapet-mks.cxl");
  const auto with =
      StrengthSummary(parapet.problem(), parapet.analysis, parapet.design.strength, kParapet);
  EXPECT_EQ(with.dimensions.size(), 9u);
  EXPECT_EQ(with.dimensions[3].label, "Parapet Height");
  EXPECT_EQ(with.dimensions[3].value, "0.914");  // 3 ft
  EXPECT_EQ(with.dimensions[3].unit, "m");
}

TEST(MethodReportTest, OnlySelectedCombinationsGetADetailPage) {
  SolvedExample example("cmu-bearing-wall.cxl");
  // Combinations 1 and 4 only.
  example.entry().LoadCombSelected = {1, 0, 0, 1, 0};
  example.Solve(true);
  const auto out = Printed([&](ReportDocument& d) {
    PrintReinforcedResults(d, example.problem(), example.analysis, example.design.reinforced,
                           Call(1, 0, false, true));
  });
  EXPECT_EQ(out.Count("DETAILED RESULTS FOR MAIN WALL:"), 2u);
  EXPECT_TRUE(out.Has("       LOAD COMBINATION :  1*DL+1*LL"));
  EXPECT_TRUE(out.Has("       LOAD COMBINATION :  1*DL+1*WL"));
  EXPECT_EQ(out.Count("INTERACTION DIAGRAM"), 0u);  // summary off
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
  const auto tables = BuildUnreinforcedDetail(example.problem(), detail, 1);
  EXPECT_EQ(tables.stations.rows[0], (std::vector<std::string>{"  0", "10.00", "-333.33", "2000",
                                                               "-33", "-3.14", "0.034", "O.K."}));
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
  EXPECT_EQ(tables.stations.heads[1], "Dist. From\rBot. (ft)");
  ASSERT_EQ(tables.stations.rows.size(), 11u);
  // Station 6 is 16·(10 − 6)/10 = 6.40 ft above the base.
  EXPECT_EQ(tables.stations.rows[6][0], "  6");
  EXPECT_EQ(tables.stations.rows[6][1], "6.40");
  EXPECT_EQ(tables.stations.rows[10][1], "0.00");
  const ResultRow& fa = tables.properties[7];
  EXPECT_EQ(fa.label, "Adj. Fa =  4/3 * Fa");
  EXPECT_EQ(fa.value, FormatNumber(detail.allow[1].Fa, "###0.00"));
  EXPECT_EQ(fa.unit, "psi");
  EXPECT_EQ(tables.properties[2].label, "Solid Masonry Area,|Ae");
  EXPECT_EQ(tables.properties[2].unit, "in^2");
}

// A fixed base gives the wind combination a point of contraflexure, where the
// first-order moment is near zero but the wall has moved: the detail carries
// the amplification of the station of largest deflection there instead of
// iterating on a moment of almost nothing.
TEST(MethodReportTest, TheStrengthDetailStaysBoundedAtAPointOfContraflexure) {
  SolvedExample example("clay-library-wall-fixed.cxl");
  const int bar = 0;
  const StrengthDetailValues v = StrengthDetail(example.problem(), example.analysis,
                                                example.design.strength, 2, bar, kMainWall);
  ASSERT_GT(v.s, 0.0f);
  const auto& f = example.analysis.FactoredDeflection[0][1];
  int ref = 0;
  for (int j = 0; j < kStationCount; ++j) {
    if (std::fabs(f[static_cast<std::size_t>(j)]) > std::fabs(f[static_cast<std::size_t>(ref)])) {
      ref = j;
    }
  }
  const double ratio = v.stations[static_cast<std::size_t>(ref)].DeltaUlt /
                       std::fabs(f[static_cast<std::size_t>(ref)]);
  EXPECT_GE(ratio, 1.0);  // P-delta only adds deflection
  for (int j = 0; j < kStationCount; ++j) {
    SCOPED_TRACE(j);
    const StrengthStation& st = v.stations[static_cast<std::size_t>(j)];
    // δ = |δ first order|·ratio; Mu = |M| + P·δ/12 off the reference station.
    EXPECT_NEAR(st.DeltaUlt, std::fabs(f[static_cast<std::size_t>(j)]) * ratio, 1e-5);
    if (j != ref) {
      EXPECT_NEAR(st.MuPDelta, std::fabs(st.Mu) + st.Pu * st.DeltaUlt / 12.0, 0.01);
    }
    EXPECT_LE(st.DeltaUlt, v.stations[static_cast<std::size_t>(ref)].DeltaUlt);
  }
  // Station 8 (2.8 ft up): M = −2.43 ft-lb, P = 13093 lb; the wall there has
  // moved only a few thousandths of an inch, so Mu stays within a few ft-lb
  // of M (an iteration there on its own ran away to hundreds of inches).
  EXPECT_NEAR(v.stations[8].Mu, -2.43f, 0.01f);
  EXPECT_LT(v.stations[8].DeltaUlt, 0.05f);
  EXPECT_LT(v.stations[8].MuPDelta, 2.43f + 13093.0f * 0.05f / 12.0f);
}

// A run-time error inside the strength report is shown as one of the
// strength design module, and the document is abandoned.
TEST(MethodReportTest, AFailureOfTheStrengthReportNamesItsModule) {
  SolvedExample example("ibc-strength-wall.cxl");
  ReportHooks hooks = MethodReportHooks(example.problem(), example.analysis, example.design);
  bool printed = false;
  hooks.strength = NamedMethodReport(
      [&printed](ReportDocument&, const MethodReportCall&) {
        printed = true;
        throw CalvixError(6, "Overflow");
      },
      "Print IBC-S Results", "IBC Ultimate Strength Design Module");
  LinesDestination destination;
  ReportDocument document;
  ReportRequest request;
  request.options.Set(kMainSummaryOption, true);
  example.platform.messages.clear();
  EXPECT_FALSE(PrintResults(document, destination, example.problem(), request, hooks,
                            ReportStamp{"10:00 AM", "1/2/2024"}, example.platform));
  EXPECT_TRUE(printed);
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error");
  EXPECT_EQ(example.platform.messages[0].text,
            UnexpectedFailureText("Overflow", 6, "Print IBC-S Results",
                                  "IBC Ultimate Strength Design Module"));
  EXPECT_FALSE(document.IsStarted());
}

// The command line details, per part, the first entry the print dialog lists:
// the first bar with an accepted spacing, or the first grouting case.
TEST(MethodReportTest, TheCommandLineReportDetailsTheFirstListedChoice) {
  SolvedExample example("cmu-bearing-wall.cxl");
  DesignResults design = example.design;
  design.reinforced.BarSpacing[0][0] = 0.0f;  // #3 without a spacing
  design.reinforced.BarSpacing[1][0] = 0.0f;
  design.reinforced.BarSpacing[1][1] = 0.0f;
  const ReportRequest request =
      CommandLineReportRequest(example.problem(), design, DesignRun::Reinforced);
  EXPECT_EQ(request.mainChoice, 1);
  EXPECT_EQ(request.parapetChoice, 2);
  EXPECT_TRUE(request.reinforced);
  for (int option = 1; option <= kReportOptionCount; ++option) {
    EXPECT_EQ(request.options[option], option != kWallPictureOption) << option;
  }
  const ReportRequest unreinforced =
      CommandLineReportRequest(example.problem(), design, DesignRun::Unreinforced);
  EXPECT_EQ(unreinforced.mainChoice, 0);
  EXPECT_FALSE(unreinforced.reinforced);
}

}  // namespace
}  // namespace calvix
