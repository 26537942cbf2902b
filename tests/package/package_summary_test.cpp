// The summary's checks from the design's result tables, the labelled extremes
// of the station diagrams and the paging of a flow.
#include "package/package_summary.h"

#include <gtest/gtest.h>

#include <limits>

#include "drawing/station_diagram.h"
#include "package/page_layout.h"

namespace calvix {
namespace {

// A strength design of the main wall with bar row 1 chosen: |Mu| = 7611.7
// against øMn = 10703.4 ft-lb, Vu = 1716 against øVn = 34020 lb, a service
// deflection of `deflection` against 0.007 h' = 1.68 in.
struct StrengthCase {
  Problem problem;
  DesignResults design;
  PackageInput input;
  explicit StrengthCase(float deflection) {
    problem.entry.DesignMethod = "IBC-S";
    StrengthResults& r = design.strength;
    r.ClearPart(0, 2);
    r.BarSpacing[0] = {0, 8};
    r.BarMu[0] = {0, -7611.67041f};
    r.BarPhiMn[0] = {0, 10703.377f};
    r.GovShear[0] = -1716;
    r.BarPhiVn[0] = {0, 34020.2852f};
    r.BarDeltaServ[0] = {0, deflection};
    r.AllowServiceDeflection[0] = 1.67999995f;
    r.AxialStress[0] = 19.67f;
    r.AxialLimit[0] = 75;
    r.BarAs[0] = {0, 0.66f};
    r.BarAsMax[0] = {0, 1.03f};
    input.problem = &problem;
    input.design = &design;
    input.run = DesignRun::Strength;
    input.designed = true;
    input.choice = {1, 0};
  }
};

TEST(PackageSummaryTest, TheLargestRatioGovernsAndEveryCheckDecidesTheVerdict) {
  StrengthCase passing(0.123907976f);
  const PackageSummary ok = BuildSummary(passing.input);
  ASSERT_EQ(ok.checks.size(), 5u);
  EXPECT_TRUE(ok.ok);
  ASSERT_EQ(ok.governing, 0);
  EXPECT_EQ(ok.checks[0].name, "Flexure with P-delta");
  EXPECT_EQ(RatioText(ok.checks[0].ratio), "0.711");
  EXPECT_EQ(JsonDigits(ok.checks[0].demand), "7611.67041");
  // The checks are shown in display units: a moment and an area of steel.
  EXPECT_EQ(ok.checks[0].quantity, kReportMoment);
  EXPECT_EQ(ok.checks[4].quantity, kLengthShort);
  EXPECT_EQ(ok.checks[4].power, 2);

  // Just above the deflection limit: NG, and the deflection governs.
  StrengthCase failing(1.69f);
  const PackageSummary ng = BuildSummary(failing.input);
  EXPECT_FALSE(ng.ok);
  ASSERT_EQ(ng.governing, 2);
  EXPECT_FALSE(ng.checks[2].ok);
  EXPECT_EQ(RatioText(ng.checks[2].ratio), "1.006");
  // At the limit itself the deflection passes.
  StrengthCase atLimit(1.67999995f);
  EXPECT_TRUE(BuildSummary(atLimit.input).checks[2].ok);
}

// An unreinforced main wall detailed for its first grouting case, solid:
// CSI 0.25 < 1 and fv = 10 < Fv = 40 psi, and the case's own verdict stands
// for tension and buckling.
PackageSummary UnreinforcedSummary(const char* verdict) {
  Problem problem;
  DesignResults design;
  UnreinforcedResults& r = design.unreinforced;
  r.GroutCaseLabel = {"Solid  ", "None   "};
  r.CaseVerdict[0] = {verdict, kVerdictOk};
  r.CaseCSI[0] = {0.25f, 0.5f};
  r.CaseShearStress[0] = {10.0f, 12.0f};
  r.UnreinfFv[0] = 40.0f;
  PackageInput input;
  input.problem = &problem;
  input.design = &design;
  input.run = DesignRun::Unreinforced;
  input.designed = true;
  input.choice = {0, 0};
  return BuildSummary(input);
}

TEST(PackageSummaryTest, TheGroutingCaseAndItsVerdictDecideAnUnreinforcedWall) {
  const PackageSummary ok = UnreinforcedSummary(kVerdictOk);
  ASSERT_EQ(ok.parts.size(), 1u);
  EXPECT_EQ(ok.parts[0], "Main wall: grouting Solid, verdict O.K.");
  ASSERT_EQ(ok.checks.size(), 3u);
  EXPECT_EQ(RatioText(ok.checks[1].ratio), "0.250");  // 10 / 40
  EXPECT_EQ(ok.governing, 0);                         // CSI 0.25 = 0.25: the first
  EXPECT_TRUE(ok.ok);
  const PackageSummary tension = UnreinforcedSummary(kVerdictTension);
  EXPECT_FALSE(tension.checks[2].ok);
  EXPECT_FALSE(tension.ok);
  EXPECT_EQ(tension.governing, 0);  // a verdict without a ratio never governs
}

TEST(PackageSummaryTest, AProblemThatDidNotDesignHasNoChecks) {
  StrengthCase notDesigned(0.1f);
  notDesigned.input.designed = false;
  const PackageSummary summary = BuildSummary(notDesigned.input);
  EXPECT_TRUE(summary.checks.empty());
  EXPECT_FALSE(summary.ok);
  EXPECT_EQ(summary.method, "IBC 2000 Strength, reinforced wall");
  EXPECT_EQ(RatioText(std::numeric_limits<double>::infinity()), "no capacity");
}

TEST(PackageSummaryTest, TheDiagramLabelsTheLargestAndTheSmallestValue) {
  const CurveExtremes mixed = ExtremesOf({-1, 3, 3, -5, 0});
  EXPECT_EQ(mixed.largest, 1);
  EXPECT_EQ(mixed.smallest, 3);
  const CurveExtremes constant = ExtremesOf({-160, -160, -160});
  EXPECT_EQ(constant.largest, 0);
  EXPECT_EQ(constant.smallest, -1);
  EXPECT_EQ(ExtremesOf({}).largest, -1);
}

TEST(PackageSummaryTest, AFlowRunsOverAsManyPagesAsItsBlocksNeed) {
  PageList pages(QSizeF(612, 792), MakePackageFonts());
  const double body = pages.Body().height();
  // Three blocks of 40 % of the body: two fit on a page under the heading.
  pages.AddFlow("Three", std::vector<Block>(3, SpaceBlock(body * 0.4)));
  EXPECT_EQ(pages.Count(), 2);
  // A block taller than a page takes a page of its own and the flow goes on.
  pages.AddFlow("Tall", {SpaceBlock(body * 2), SpaceBlock(10)});
  EXPECT_EQ(pages.Count(), 4);
}

}  // namespace
}  // namespace calvix
