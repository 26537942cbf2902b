// Section properties of the design strip: depths, effective height, bar
// spacing limits, effective widths, area, inertia, allowable axial stress and
// the cracked-section capacity, checked against hand-worked values.

#include "design/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace calvix {
namespace {

// An 8 in hollow concrete block wall (actual 7.625 in, 1.25 in face shells,
// 8 in grouted cell plus web, 16 in units), 12 ft high, pinned at the base,
// partially grouted, running bond, designed by ACI 530-99 working stress on a
// 48 in strip, f'm = 1500 psi, n = 20.
class SectionPropertiesTest : public ::testing::Test {
 protected:
  SectionPropertiesTest() {
    Problem& p = problem;
    p.entry.DesignMethod = "ACI";
    p.entry.MasonryMaterial = "CMU";
    p.entry.RunningBond = true;
    p.entry.Cantilever = false;
    p.entry.SupportType = "Pinned";
    p.entry.PercentFixed = 0;
    p.ReinforcedWall = true;
    WorkingForm& w = p.working;
    w.WallHeight = 12.0f;
    w.WallThickness = 8.0f;
    w.WallSteelDepth = 3.8125f;
    w.ParapetHeight = 0.0f;
    w.StripWidth = 48.0f;
    w.NominalMinusActual = 0.375f;
    w.FaceShellThickness = 1.25f;
    w.GroutedCellWidth = 8.0f;
    w.UnitLength = 16.0f;
    w.SpacingModule = 8.0f;
    w.FmPrime = 1500.0f;
    w.ModularRatio = 20.0f;
    w.SolidGrouted = false;
    w.TwoLayers = false;
  }

  Problem problem;
};

// Relative tolerance for values worked by hand in double precision and
// returned in single precision.
void ExpectClose(double expected, float actual) {
  EXPECT_NEAR(expected, actual, std::abs(expected) * 2e-6 + 1e-9)
      << "expected " << expected << ", got " << actual;
}

// --- WallDepths ---

TEST_F(SectionPropertiesTest, OneLayerDepthsMeasureFromTheCompressionFace) {
  problem.working.WallSteelDepth = 3.81f;
  const WallDepthsResult r = WallDepths(problem, 1);
  // t = 8 - 0.375 = 7.625; d = c = 3.81; d' = 7.625 - 3.81 = 3.815.
  EXPECT_FLOAT_EQ(7.625f, r.t);
  EXPECT_FLOAT_EQ(3.81f, r.d);
  EXPECT_FLOAT_EQ(3.815f, r.dPrime);
}

TEST_F(SectionPropertiesTest, TwoLayerDepthsMeasureFromTheFarFace) {
  problem.working.TwoLayers = true;
  problem.working.WallSteelDepth = 2.0f;
  const WallDepthsResult r = WallDepths(problem, 1);
  // Entered depth 2 in is the cover of each layer: d = d' = 7.625 - 2 = 5.625.
  EXPECT_FLOAT_EQ(7.625f, r.t);
  EXPECT_FLOAT_EQ(5.625f, r.d);
  EXPECT_FLOAT_EQ(5.625f, r.dPrime);
}

TEST_F(SectionPropertiesTest, ParapetDepthsUseTheParapetData) {
  problem.working.ParapetHeight = 4.0f;
  problem.working.ParapetThickness = 6.0f;
  problem.working.ParapetSteelDepth = 2.8125f;
  const WallDepthsResult r = WallDepths(problem, 2);
  // t = 6 - 0.375 = 5.625; d = 2.8125; d' = 5.625 - 2.8125 = 2.8125.
  EXPECT_FLOAT_EQ(5.625f, r.t);
  EXPECT_FLOAT_EQ(2.8125f, r.d);
  EXPECT_FLOAT_EQ(2.8125f, r.dPrime);
}

// --- EffectiveHeight ---

struct HeightCase {
  bool cantilever;
  std::string support;
  int percentFixed;
  int part;
  float expected;  // in
};

class EffectiveHeightTest : public SectionPropertiesTest,
                            public ::testing::WithParamInterface<HeightCase> {};

TEST_P(EffectiveHeightTest, FollowsSpanAndBaseSupport) {
  const HeightCase& c = GetParam();
  problem.entry.Cantilever = c.cantilever;
  problem.entry.SupportType = c.support;
  problem.entry.PercentFixed = static_cast<int16_t>(c.percentFixed);
  problem.working.ParapetHeight = 4.0f;
  EXPECT_FLOAT_EQ(c.expected, EffectiveHeight(problem, c.part));
}

// Wall 12 ft = 144 in, parapet 4 ft = 48 in.
INSTANTIATE_TEST_SUITE_P(
    SpanAndSupport, EffectiveHeightTest,
    ::testing::Values(HeightCase{false, "Pinned", 0, 2, 96.0f},    // parapet: 2 x 48
                      HeightCase{true, "Pinned", 0, 2, 96.0f},     // parapet whatever the span
                      HeightCase{true, "Fixed", 100, 1, 288.0f},   // cantilever: 2 x 144
                      HeightCase{false, "Fixed", 100, 1, 115.2f},  // 0.8 x 144
                      HeightCase{false, "Pinned", 0, 1, 144.0f},   // 1.0 x 144
                      HeightCase{false, "Partially Fixed", 50, 1, 129.6f},  // (1 - 0.2 x 0.5) x 144
                      HeightCase{false, "Partially Fixed", 0, 1, 144.0f},
                      HeightCase{false, "Partially Fixed", 100, 1, 115.2f},
                      HeightCase{false, "pinned", 0, 1,
                                 0.0f},  // texts compare exactly, case included
                      HeightCase{false, "", 0, 1, 0.0f}));

// --- MaxBarSpacing ---

TEST_F(SectionPropertiesTest, MaxBarSpacingByCategoryAndBond) {
  EXPECT_FLOAT_EQ(72.0f, MaxBarSpacing(problem, "Category A"));
  EXPECT_FLOAT_EQ(72.0f, MaxBarSpacing(problem, "Category B"));
  EXPECT_FLOAT_EQ(48.0f, MaxBarSpacing(problem, "Category C"));
  for (const char* category : {"Category D", "Category E", "Category F"}) {
    problem.entry.RunningBond = true;
    EXPECT_FLOAT_EQ(48.0f, MaxBarSpacing(problem, category)) << category;
    problem.entry.RunningBond = false;
    EXPECT_FLOAT_EQ(24.0f, MaxBarSpacing(problem, category)) << category;
  }
  // Stack bond matters only for D to F.
  EXPECT_FLOAT_EQ(48.0f, MaxBarSpacing(problem, "Category C"));
  EXPECT_FLOAT_EQ(0.0f, MaxBarSpacing(problem, ""));
  EXPECT_FLOAT_EQ(0.0f, MaxBarSpacing(problem, "Category G"));
  EXPECT_FLOAT_EQ(0.0f, MaxBarSpacing(problem, "category a"));
}

// --- EffectiveFlangeWidth ---

TEST_F(SectionPropertiesTest, WorkingStressRunningBondFlangeIsCappedAtSixTAnd72) {
  for (const char* method : {"ACI", "IBC-W"}) {
    problem.entry.DesignMethod = method;
    problem.working.WallThickness = 8.0f;
    EXPECT_FLOAT_EQ(24.0f, EffectiveFlangeWidth(problem, 24.0f)) << method;  // s governs
    EXPECT_FLOAT_EQ(48.0f, EffectiveFlangeWidth(problem, 64.0f)) << method;  // 6 x 8
    problem.working.WallThickness = 16.0f;
    EXPECT_FLOAT_EQ(72.0f, EffectiveFlangeWidth(problem, 120.0f)) << method;  // 6 x 16 = 96 > 72
  }
}

TEST_F(SectionPropertiesTest, WorkingStressStackBondFlangeIsOneUnit) {
  problem.entry.RunningBond = false;
  EXPECT_FLOAT_EQ(8.0f, EffectiveFlangeWidth(problem, 8.0f));
  EXPECT_FLOAT_EQ(16.0f, EffectiveFlangeWidth(problem, 48.0f));
}

TEST_F(SectionPropertiesTest, StrengthDesignRunningBondHasNo72InchCap) {
  problem.entry.DesignMethod = "IBC-S";
  problem.working.WallThickness = 16.0f;
  EXPECT_FLOAT_EQ(96.0f, EffectiveFlangeWidth(problem, 120.0f));  // 6 x 16
  EXPECT_FLOAT_EQ(40.0f, EffectiveFlangeWidth(problem, 40.0f));
}

TEST_F(SectionPropertiesTest, StrengthDesignStackBondWithSixteenInchUnitAndEightInchWall) {
  problem.entry.DesignMethod = "IBC-S";
  problem.entry.RunningBond = false;
  // min(s, 3 x 8 = 24, 16) = min(s, 16).
  EXPECT_FLOAT_EQ(16.0f, EffectiveFlangeWidth(problem, 40.0f));
  EXPECT_FLOAT_EQ(16.0f, EffectiveFlangeWidth(problem, 16.0f));
  EXPECT_FLOAT_EQ(12.0f, EffectiveFlangeWidth(problem, 12.0f));
  // A 4 in wall: 3 x 4 = 12 governs over the unit length.
  problem.working.WallThickness = 4.0f;
  EXPECT_FLOAT_EQ(12.0f, EffectiveFlangeWidth(problem, 40.0f));
}

TEST_F(SectionPropertiesTest, FlangeWidthUsesTheMainWallThicknessForTheParapet) {
  problem.working.ParapetHeight = 4.0f;
  problem.working.ParapetThickness = 4.0f;
  // 6 x 8 (main wall), not 6 x 4 (parapet).
  EXPECT_FLOAT_EQ(48.0f, EffectiveFlangeWidth(problem, 64.0f));
}

// --- EffectiveWidths ---

TEST_F(SectionPropertiesTest, SpacingEqualToFlangeWidthKeepsTheWholeStrip) {
  const EffectiveWidthsResult r = EffectiveWidths(problem, 48.0f, 48.0f);
  EXPECT_EQ(48.0f, r.bEff);  // exactly b
  // Bars at 48 in are farther apart than the 8 in module: b' = 8 x 48 / 48 = 8.
  EXPECT_FLOAT_EQ(8.0f, r.bPrime);
}

TEST_F(SectionPropertiesTest, SpacingWiderThanFlangeReducesTheStrip) {
  const EffectiveWidthsResult r = EffectiveWidths(problem, 48.0f, 72.0f);
  // bEff = 48 x 48 / 72 = 32; b' = 8 x 48 / 72 = 5.3333.
  EXPECT_FLOAT_EQ(32.0f, r.bEff);
  EXPECT_FLOAT_EQ(16.0f / 3.0f, r.bPrime);
}

TEST_F(SectionPropertiesTest, SpacingEqualToTheModuleMeansBarsInEveryCell) {
  problem.working.GroutedCellWidth = 7.0f;
  const EffectiveWidthsResult r = EffectiveWidths(problem, 8.0f, 8.0f);
  EXPECT_EQ(48.0f, r.bEff);
  EXPECT_EQ(48.0f, r.bPrime);  // b' = b, not 7 x 48 / 8 = 42
  // One module farther apart the cells between bars stay hollow:
  // b' = 7 x 48 / 16 = 21.
  EXPECT_FLOAT_EQ(21.0f, EffectiveWidths(problem, 16.0f, 16.0f).bPrime);
}

TEST_F(SectionPropertiesTest, SolidGroutingGroutsTheWholeEffectiveWidth) {
  problem.working.SolidGrouted = true;
  const EffectiveWidthsResult r = EffectiveWidths(problem, 48.0f, 72.0f);
  EXPECT_FLOAT_EQ(32.0f, r.bEff);
  EXPECT_FLOAT_EQ(32.0f, r.bPrime);  // min(b = 48, bEff = 32)
}

TEST_F(SectionPropertiesTest, GroutedCoreNeverExceedsTheEffectiveWidth) {
  problem.working.GroutedCellWidth = 40.0f;
  const EffectiveWidthsResult r = EffectiveWidths(problem, 16.0f, 24.0f);
  // bEff = 48 x 16 / 24 = 32; b' = 40 x 48 / 24 = 80 -> 32.
  EXPECT_FLOAT_EQ(32.0f, r.bEff);
  EXPECT_FLOAT_EQ(32.0f, r.bPrime);
}

TEST_F(SectionPropertiesTest, ZeroSpacingIsTakenAsBarsInEveryCell) {
  const EffectiveWidthsResult r = EffectiveWidths(problem, 0.0f, 0.0f);
  EXPECT_EQ(48.0f, r.bEff);
  EXPECT_EQ(48.0f, r.bPrime);
  problem.working.StripWidth = 0.0f;
  const EffectiveWidthsResult zero = EffectiveWidths(problem, 48.0f, 72.0f);
  EXPECT_EQ(0.0f, zero.bEff);
  EXPECT_EQ(0.0f, zero.bPrime);
}

// --- EffectiveArea and GrossInertia ---

TEST_F(SectionPropertiesTest, PartiallyGroutedAreaCountsCoreAndFaceShells) {
  // Bars at 48 in on a 48 in strip: b' = 8, bEff = 48, t = 7.625, ts = 1.25.
  // Ae = (7.625 - 2 x 1.25) x 8 + 2 x 48 x 1.25 = 41 + 120 = 161 in^2.
  EXPECT_FLOAT_EQ(161.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
}

TEST_F(SectionPropertiesTest, PartiallyGroutedInertiaByTheFaceShellFormula) {
  // Ig = 8 x 7.625^3 / 12                                    = 295.548177
  //    + 2 x [ 40 x 1.25^3 / 12                              =   6.510417
  //          + 40 x 1.25 x ((7.625 - 1.25) / 2)^2 ]          = 508.007813
  //    = 295.548177 + 2 x 514.518229                         = 1324.584635 in^4
  ExpectClose(1324.584635, GrossInertia(problem, 8.0f, 48.0f, 7.625f));
}

TEST_F(SectionPropertiesTest, SolidSectionAreaAndInertia) {
  problem.working.SolidGrouted = true;
  // Ae = 7.625 x 48 = 366; Ig = 48 x 7.625^3 / 12 = 1773.2890625.
  EXPECT_FLOAT_EQ(366.0f, EffectiveArea(problem, 7.625f, 48.0f, 48.0f));
  ExpectClose(1773.2890625, GrossInertia(problem, 48.0f, 48.0f, 7.625f));
  // The solid formulas hold also with a narrower core when solidly grouted.
  EXPECT_FLOAT_EQ(366.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
}

TEST_F(SectionPropertiesTest, CoreAsWideAsTheStripIsASolidSection) {
  // Partially grouted, bars in every cell: b' = StripWidth.
  EXPECT_FLOAT_EQ(366.0f, EffectiveArea(problem, 7.625f, 48.0f, 48.0f));
  ExpectClose(1773.2890625, GrossInertia(problem, 48.0f, 48.0f, 7.625f));
}

TEST_F(SectionPropertiesTest, FaceShellsAloneWhenThereIsNoCore) {
  // b' = 0: Ig = 2 x [48 x 1.25^3 / 12 + 48 x 1.25 x 3.1875^2]
  //            = 2 x [7.8125 + 609.609375] = 1234.84375 in^4.
  ExpectClose(1234.84375, GrossInertia(problem, 0.0f, 48.0f, 7.625f));
}

TEST_F(SectionPropertiesTest, UnreinforcedAreaNeverBelowTheFaceShellsOfTheStrip) {
  // bEff = 32, b' = 0: Ae = 0 + 2 x 32 x 1.25 = 80 < 2 x 1.25 x 48 = 120.
  EXPECT_FLOAT_EQ(80.0f, EffectiveArea(problem, 7.625f, 0.0f, 32.0f));
  problem.ReinforcedWall = false;
  EXPECT_FLOAT_EQ(120.0f, EffectiveArea(problem, 7.625f, 0.0f, 32.0f));
  // A larger area is kept: 161 > 120.
  EXPECT_FLOAT_EQ(161.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
}

// --- AllowableAxialStress ---

TEST_F(SectionPropertiesTest, AllowableAxialStressOfThePinnedWall) {
  // r = sqrt(1324.584635 / 161) = 2.868315; h' = 144 in; h'/r = 50.2037 < 99:
  // R = 1 - (144 / (140 x 2.868315))^2 = 0.871408;
  // Fa = 0.25 x 1500 x 0.871408 = 326.7779 psi.
  const float h = EffectiveHeight(problem, 1);
  const AxialStress a = AllowableAxialStress(problem, h, 1324.584635f, 161.0f);
  ExpectClose(2.8683155, a.r);
  ExpectClose(326.77787, a.Fa);
}

TEST(SlendernessReductionTest, BoundaryAtNinetyNineBothSides) {
  // Below 99: 1 - (h'/140r)^2; at 99 and above: (70r/h')^2. The two forms
  // agree to about eight digits near 99, so only double precision tells them
  // apart there.
  EXPECT_DOUBLE_EQ(1.0 - (98.99 / 140.0) * (98.99 / 140.0), SlendernessReduction(98.99));
  EXPECT_NE((70.0 / 98.99) * (70.0 / 98.99), SlendernessReduction(98.99));
  EXPECT_DOUBLE_EQ(4900.0 / 9801.0, SlendernessReduction(99.0));  // (70/99)^2
  EXPECT_NE(9799.0 / 19600.0, SlendernessReduction(99.0));        // 1 - (99/140)^2
  // The reduction is continuous across 99: the other form agrees to four digits.
  EXPECT_NEAR((70.0 / 98.99) * (70.0 / 98.99), SlendernessReduction(98.99), 1e-4);
  EXPECT_NEAR(9799.0 / 19600.0, SlendernessReduction(99.0), 1e-4);
  EXPECT_DOUBLE_EQ(1.0, SlendernessReduction(0.0));
}

TEST_F(SectionPropertiesTest, AllowableAxialStressEitherSideOfNinetyNine) {
  // Ig = 4, Ae = 1: r = 2.
  // h' = 180 (h'/r = 90):  R = 1 - (90/140)^2 = 0.5867347, Fa = 220.02551.
  // h' = 198 (h'/r = 99):  R = (70/99)^2      = 0.4999490, Fa = 187.48087.
  // h' = 199 (h'/r = 99.5): R = (70/99.5)^2   = 0.4949370, Fa = 185.60137
  //   (the first form would give 185.58195).
  AxialStress a = AllowableAxialStress(problem, 180.0f, 4.0f, 1.0f);
  EXPECT_FLOAT_EQ(2.0f, a.r);
  ExpectClose(220.02551, a.Fa);
  a = AllowableAxialStress(problem, 198.0f, 4.0f, 1.0f);
  ExpectClose(187.48087, a.Fa);
  a = AllowableAxialStress(problem, 199.0f, 4.0f, 1.0f);
  ExpectClose(185.60137, a.Fa);
  EXPECT_GT(std::abs(a.Fa - 185.58195f), 0.01f);
}

TEST_F(SectionPropertiesTest, AllowableAxialStressGuards) {
  // No height: no slenderness reduction, Fa = 0.25 x 1500 = 375.
  AxialStress a = AllowableAxialStress(problem, 0.0f, 4.0f, 1.0f);
  EXPECT_FLOAT_EQ(375.0f, a.Fa);
  // No area: r = 0; a wall with height and no radius of gyration carries nothing.
  a = AllowableAxialStress(problem, 144.0f, 4.0f, 0.0f);
  EXPECT_EQ(0.0f, a.r);
  EXPECT_EQ(0.0f, a.Fa);
  a = AllowableAxialStress(problem, 0.0f, 0.0f, 0.0f);
  EXPECT_EQ(0.0f, a.r);
  EXPECT_FLOAT_EQ(375.0f, a.Fa);
  a = AllowableAxialStress(problem, 144.0f, -1.0f, 10.0f);
  EXPECT_TRUE(std::isfinite(a.r) && std::isfinite(a.Fa));
}

// --- CrackedSectionCapacity ---

TEST_F(SectionPropertiesTest, RectangularSectionMasonryGoverns) {
  // 12 in strip, bEff = 12, b' = 8 (partially grouted), d = 3.8125, As = 0.155
  // (#5 at 24 in), n = 20, Fb = 500 psi, Fs = 24 ksi.
  // rho = 0.155 / (12 x 3.8125) = 0.00338798; rho n = 0.0677596
  // k = sqrt(0.0677596^2 + 2 x 0.0677596) - 0.0677596 = 0.3065538
  // kd = 1.1687 < ts = 1.25: rectangular.   j = 1 - k/3 = 0.8978154
  // Km = 250 x k x j = 68.80718;  Ks = 24000 x rho x j = 73.00270
  // F = 12 x 3.8125^2 / 12 = 14.535156
  // M = Km F = 1000.1231, Mm = 1000.1231, Ms = Ks F = 1061.1056 ft-lb
  problem.working.StripWidth = 12.0f;
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 0.155f, 8.0f, 12.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_FALSE(c.failed);
  ExpectClose(0.3065538, c.k);
  ExpectClose(0.8978154, c.j);
  ExpectClose(1000.1231, c.M);
  ExpectClose(1000.1231, c.Mm);
  ExpectClose(1061.1056, c.Ms);
}

TEST_F(SectionPropertiesTest, RectangularSectionSteelGoverns) {
  // As above with Fs = 20 ksi: Ks = 20000 x rho x j = 60.83558 < Km;
  // M = Ms = 60.83558 x 14.535156 = 884.25465 ft-lb.
  problem.working.StripWidth = 12.0f;
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 0.155f, 8.0f, 12.0f, 3.8125f, 500.0f, 20.0f);
  EXPECT_FALSE(c.failed);
  ExpectClose(884.25465, c.M);
  ExpectClose(884.25465, c.Ms);
  ExpectClose(1000.1231, c.Mm);
}

TEST_F(SectionPropertiesTest, FlangedSectionMasonryGoverns) {
  // 48 in strip, bars at 48 in: bEff = 48, b' = 8, d = 3.8125, As = 1.00,
  // n = 20, ts = 1.25, Fb = 500 psi, Fs = 24 ksi.
  // Rectangular k = 0.3708390, kd = 1.4138 >= 1.25: T section.
  // (8/2) x^2 + (40 x 1.25 + 20) x - (40 x 1.25^2 / 2 + 20 x 3.8125) = 0
  //   4 x^2 + 70 x - 107.5 = 0; disc = 4900 + 16 x 107.5 = 6620
  //   x = (-70 + 81.36338) / 8 = 1.4204228;  k = x / d = 0.3725699
  // C1 = ((2x - 1.25) / x) x 250 x 48 x 1.25 = 16799.705 lb
  // C2 = ((x - 1.25) / x) x 250 x 8 x (x - 1.25) = 40.89477 lb
  // T = 1.00 x 24000 = 24000 > C1 + C2 = 16840.60: the masonry governs.
  // M = (16799.705 x 3.1875 + 40.89477 x (3.8125 - (2.5 + 1.4204228)/3)) / 12
  //   = (53549.06 + 40.89477 x 2.5056924) / 12 = 4470.9608 ft-lb = Mm
  // jd = 12 M / (C1 + C2) = 3.1858443; j = 0.8356313; Ms = 24000 x jd / 12 = 6371.6887
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_FALSE(c.failed);
  ExpectClose(0.3725699, c.k);
  ExpectClose(0.8356313, c.j);
  ExpectClose(4470.9608, c.M);
  ExpectClose(4470.9608, c.Mm);
  ExpectClose(6371.6887, c.Ms);
}

TEST_F(SectionPropertiesTest, FlangedSectionSteelGoverns) {
  // As above with Fs = 12 ksi: T = 12000 < C1 + C2 = 16840.60, so the steel
  // reaches Fs first. fb = (12000 / 20) x k / (1 - k) = 356.28185 psi;
  // forces scaled by fb / Fb = 0.7125637: C1 = 11970.860, C2 = 29.14013.
  // M = (11970.860 x 3.1875 + 29.14013 x 2.5056924) / 12 = 3185.8443 ft-lb
  // Mm keeps the unscaled forces: 4470.9608. jd = 3.1858443 (the scale
  // cancels), Ms = 12000 x 3.1858443 / 12 = 3185.8443.
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500.0f, 12.0f);
  EXPECT_FALSE(c.failed);
  ExpectClose(3185.8443, c.M);
  ExpectClose(4470.9608, c.Mm);
  ExpectClose(3185.8443, c.Ms);
  ExpectClose(0.8356313, c.j);
  ExpectClose(0.3725699, c.k);
}

TEST_F(SectionPropertiesTest, SolidGroutedWallNeverTakesTheFlangedBranch) {
  // The flanged inputs above on a solid wall: rectangular with bEff = 48.
  // rho = 1 / (48 x 3.8125) = 0.00546448; k = 0.3708390 (kd = 1.41 >= ts);
  // j = 0.8763870; Km = 250 k j = 81.24961; Ks = 24000 rho j = 114.93600;
  // F = 48 x 3.8125^2 / 12 = 58.140625; M = Km F = 4723.9033 ft-lb.
  problem.working.SolidGrouted = true;
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_FALSE(c.failed);
  ExpectClose(0.3708390, c.k);
  ExpectClose(0.8763870, c.j);
  ExpectClose(4723.9033, c.M);
  ExpectClose(6682.4510, c.Ms);
}

TEST_F(SectionPropertiesTest, NegativeDiscriminantFails) {
  // With real section data the T-section equation always has a positive
  // root; it fails only for an impossible section. Here the grouted core
  // (48) is wider than the effective width (8) and the face shell has
  // negative thickness (-0.5), with no steel:
  // A = 24, B = (8 - 48)(-0.5) + 0 = 20, C = (-40)(0.25)/2 + 0 = -5;
  // disc = 20^2 + 4 x 24 x (-5) = -80 < 0.
  problem.working.FaceShellThickness = -0.5f;
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 0.0f, 48.0f, 8.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_TRUE(c.failed);
  EXPECT_EQ(-99.0f, c.M);
  EXPECT_EQ(0.0f, c.Mm);
  EXPECT_EQ(0.0f, c.Ms);
}

TEST_F(SectionPropertiesTest, NegativeRootFails) {
  // As above with As = 0.025: B = 20 + 0.5 = 20.5, C = -5 + 0.5 x 3.8125 =
  // -3.09375; disc = 420.25 - 297 = 123.25; x = (-20.5 + 11.1018) / 48 < 0.
  problem.working.FaceShellThickness = -0.5f;
  const CrackedCapacity c =
      CrackedSectionCapacity(problem, 0.025f, 48.0f, 8.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_TRUE(c.failed);
  EXPECT_EQ(kCrackedSectionFailure, c.M);
}

TEST_F(SectionPropertiesTest, ZeroDivisorsFailInsteadOfProducingNaN) {
  // Zero depth, zero effective width.
  for (const CrackedCapacity& c :
       {CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 0.0f, 500.0f, 24.0f),
        CrackedSectionCapacity(problem, 1.0f, 0.0f, 0.0f, 3.8125f, 500.0f, 24.0f)}) {
    EXPECT_TRUE(c.failed);
    EXPECT_EQ(-99.0f, c.M);
  }
  // Zero grouted core in a T section (neutral axis below the face shell).
  CrackedCapacity c = CrackedSectionCapacity(problem, 1.0f, 0.0f, 48.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_TRUE(c.failed);
  // No steel on a rectangular section: no capacity, but not a failure.
  c = CrackedSectionCapacity(problem, 0.0f, 8.0f, 12.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_FALSE(c.failed);
  EXPECT_EQ(0.0f, c.M);
  EXPECT_FLOAT_EQ(1.0f, c.j);
  // No modular ratio: the steel is not transformed, k = 0, no capacity.
  problem.working.ModularRatio = 0.0f;
  c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_FALSE(c.failed);
  EXPECT_EQ(0.0f, c.k);
  EXPECT_EQ(0.0f, c.M);
  // A negative modular ratio makes the neutral-axis equation unsolvable.
  problem.working.ModularRatio = -20.0f;
  c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500.0f, 24.0f);
  EXPECT_TRUE(c.failed);
  EXPECT_EQ(-99.0f, c.M);
}

}  // namespace
}  // namespace calvix
