// Section properties of the design strip: depths, effective height, bar
// spacing limits, effective widths, area, inertia, allowable axial stress and
// the cracked-section capacity, checked against hand-worked values.
#include "design/section_properties.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/design_walls.h"

namespace calvix {
namespace {

// An 8 in hollow concrete block wall (actual 7.625 in, 1.25 in face shells,
// 8 in grouted cell plus web, 16 in units), 12 ft high, pinned at the base,
// partially grouted, running bond, designed by ACI 530-99 working stress on a
// 48 in strip, f'm = 1500 psi, n = 20.
class SectionPropertiesTest : public ::testing::Test {
 protected:
  Problem problem =
      testing::MakeWall({.H = 12, .n = 20, .solid = false, .method = "ACI", .strip = 48});
};

// Relative tolerance for values worked by hand in double precision and
// returned in single precision.
void ExpectClose(double expected, float actual) {
  EXPECT_NEAR(expected, actual, std::abs(expected) * 2e-6 + 1e-9);
}

TEST_F(SectionPropertiesTest, WallDepths) {
  // One layer: t = 8 - 0.375 = 7.625; d = c = 3.81; d' = 7.625 - 3.81 = 3.815.
  problem.working.WallSteelDepth = 3.81f;
  WallDepthsResult r = WallDepths(problem, 1);
  EXPECT_FLOAT_EQ(7.625f, r.t);
  EXPECT_FLOAT_EQ(3.81f, r.d);
  EXPECT_FLOAT_EQ(3.815f, r.dPrime);
  // Two layers: the entered 2 in is the cover of each: d = d' = 7.625 - 2 = 5.625.
  problem.working.TwoLayers = true;
  problem.working.WallSteelDepth = 2.0f;
  r = WallDepths(problem, 1);
  EXPECT_FLOAT_EQ(5.625f, r.d);
  EXPECT_FLOAT_EQ(5.625f, r.dPrime);
  // The parapet's own data: t = 6 - 0.375 = 5.625; d = 2.8125; d' = 2.8125.
  problem.working.TwoLayers = false;
  problem.working.ParapetThickness = 6.0f;
  problem.working.ParapetSteelDepth = 2.8125f;
  r = WallDepths(problem, 2);
  EXPECT_FLOAT_EQ(5.625f, r.t);
  EXPECT_FLOAT_EQ(2.8125f, r.dPrime);
}

TEST_F(SectionPropertiesTest, EffectiveHeightFollowsSpanAndBaseSupport) {
  // Wall 12 ft = 144 in, parapet 4 ft = 48 in.
  const struct {
    bool cantilever;
    const char* support;
    int16_t percent;
    int part;
    float expected;
  } cases[] = {{false, "Pinned", 0, 2, 96.0f},             // parapet: 2 x 48
               {true, "Pinned", 0, 2, 96.0f},              // parapet whatever the span
               {true, "Fixed", 100, 1, 288.0f},            // cantilever: 2 x 144
               {false, "Fixed", 100, 1, 115.2f},           // 0.8 x 144
               {false, "Pinned", 0, 1, 144.0f},            // 1.0 x 144
               {false, "Partially Fixed", 50, 1, 129.6f},  // (1 - 0.2 x 0.5) x 144
               {false, "Partially Fixed", 0, 1, 144.0f},
               {false, "Partially Fixed", 100, 1, 115.2f},
               {false, "pinned", 0, 1, 0.0f}};  // texts compare exactly, case included
  problem.working.ParapetHeight = 4.0f;
  for (const auto& c : cases) {
    problem.entry.Cantilever = c.cantilever;
    problem.entry.SupportType = c.support;
    problem.entry.PercentFixed = c.percent;
    EXPECT_FLOAT_EQ(c.expected, EffectiveHeight(problem, c.part)) << c.support << c.percent;
  }
}

TEST_F(SectionPropertiesTest, MaxBarSpacingByCategoryAndBond) {
  EXPECT_FLOAT_EQ(72.0f, MaxBarSpacing(problem, "Category A"));
  EXPECT_FLOAT_EQ(72.0f, MaxBarSpacing(problem, "Category B"));
  for (const char* category : {"Category D", "Category E", "Category F"}) {
    problem.entry.RunningBond = true;
    EXPECT_FLOAT_EQ(48.0f, MaxBarSpacing(problem, category)) << category;
    problem.entry.RunningBond = false;
    EXPECT_FLOAT_EQ(24.0f, MaxBarSpacing(problem, category)) << category;
  }
  // Stack bond matters only for D to F.
  EXPECT_FLOAT_EQ(48.0f, MaxBarSpacing(problem, "Category C"));
  EXPECT_FLOAT_EQ(0.0f, MaxBarSpacing(problem, "category a"));
}

TEST_F(SectionPropertiesTest, EffectiveFlangeWidth) {
  // Working stress, running bond: min(s, 6 t, 72); the main wall's thickness
  // also for the parapet (6 x 8, not 6 x 4).
  problem.working.ParapetThickness = 4.0f;
  EXPECT_FLOAT_EQ(24.0f, EffectiveFlangeWidth(problem, 24.0f));  // s governs
  EXPECT_FLOAT_EQ(48.0f, EffectiveFlangeWidth(problem, 64.0f));  // 6 x 8
  problem.working.WallThickness = 16.0f;
  EXPECT_FLOAT_EQ(72.0f, EffectiveFlangeWidth(problem, 120.0f));  // 6 x 16 = 96 > 72
  // Strength design has no 72 in cap.
  problem.entry.DesignMethod = "IBC-S";
  EXPECT_FLOAT_EQ(96.0f, EffectiveFlangeWidth(problem, 120.0f));
  // Stack bond: one unit in working stress; min(s, 3 t, unit) in strength
  // design: min(s, 24, 16) for the 8 in wall, 3 x 4 = 12 for a 4 in wall.
  problem.entry.RunningBond = false;
  problem.working.WallThickness = 8.0f;
  EXPECT_FLOAT_EQ(16.0f, EffectiveFlangeWidth(problem, 40.0f));
  EXPECT_FLOAT_EQ(12.0f, EffectiveFlangeWidth(problem, 12.0f));
  problem.working.WallThickness = 4.0f;
  EXPECT_FLOAT_EQ(12.0f, EffectiveFlangeWidth(problem, 40.0f));
  problem.entry.DesignMethod = "IBC-W";
  EXPECT_FLOAT_EQ(8.0f, EffectiveFlangeWidth(problem, 8.0f));
  EXPECT_FLOAT_EQ(16.0f, EffectiveFlangeWidth(problem, 48.0f));
}

TEST_F(SectionPropertiesTest, EffectiveWidths) {
  // Spacing equal to the flange: the whole strip, b' = 8 x 48/48 = 8.
  EffectiveWidthsResult r = EffectiveWidths(problem, 48.0f, 48.0f);
  EXPECT_EQ(48.0f, r.bEff);
  EXPECT_FLOAT_EQ(8.0f, r.bPrime);
  // Wider: bEff = 48 x 48/72 = 32; b' = 8 x 48/72 = 5.3333.
  r = EffectiveWidths(problem, 48.0f, 72.0f);
  EXPECT_FLOAT_EQ(32.0f, r.bEff);
  EXPECT_FLOAT_EQ(16.0f / 3.0f, r.bPrime);
  // Zero spacing is taken as bars in every cell.
  EXPECT_EQ(48.0f, EffectiveWidths(problem, 0.0f, 0.0f).bPrime);
  // Bars in every cell (s = module): b' = b, not 7 x 48/8 = 42; one module
  // farther apart the cells between bars stay hollow: b' = 7 x 48/16 = 21.
  problem.working.GroutedCellWidth = 7.0f;
  EXPECT_EQ(48.0f, EffectiveWidths(problem, 8.0f, 8.0f).bPrime);
  EXPECT_FLOAT_EQ(21.0f, EffectiveWidths(problem, 16.0f, 16.0f).bPrime);
  // The core never exceeds the effective width: 40 x 48/24 = 80 -> 32.
  problem.working.GroutedCellWidth = 40.0f;
  EXPECT_FLOAT_EQ(32.0f, EffectiveWidths(problem, 16.0f, 24.0f).bPrime);
  // Solid grouting grouts the whole effective width: min(b = 48, bEff = 32).
  problem.working.SolidGrouted = true;
  EXPECT_FLOAT_EQ(32.0f, EffectiveWidths(problem, 48.0f, 72.0f).bPrime);
  problem.working.StripWidth = 0.0f;
  EXPECT_EQ(0.0f, EffectiveWidths(problem, 48.0f, 72.0f).bEff);
}

TEST_F(SectionPropertiesTest, AreaAndInertia) {
  // Bars at 48 in on a 48 in strip: b' = 8, bEff = 48, t = 7.625, ts = 1.25.
  // Ae = (7.625 - 2 x 1.25) x 8 + 2 x 48 x 1.25 = 41 + 120 = 161 in^2.
  EXPECT_FLOAT_EQ(161.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
  // Ig = 8 x 7.625^3 / 12                                    = 295.548177
  //    + 2 x [ 40 x 1.25^3 / 12                              =   6.510417
  //          + 40 x 1.25 x ((7.625 - 1.25) / 2)^2 ]          = 508.007813
  //    = 295.548177 + 2 x 514.518229                         = 1324.584635 in^4
  ExpectClose(1324.584635, GrossInertia(problem, 8.0f, 48.0f, 7.625f));
  // No core: Ig = 2 x [48 x 1.25^3/12 + 48 x 1.25 x 3.1875^2] = 1234.84375.
  ExpectClose(1234.84375, GrossInertia(problem, 0.0f, 48.0f, 7.625f));
  // A core as wide as the strip is a solid section: Ae = 7.625 x 48 = 366,
  // Ig = 48 x 7.625^3/12 = 1773.2890625.
  EXPECT_FLOAT_EQ(366.0f, EffectiveArea(problem, 7.625f, 48.0f, 48.0f));
  ExpectClose(1773.2890625, GrossInertia(problem, 48.0f, 48.0f, 7.625f));
  // bEff = 32, b' = 0: Ae = 2 x 32 x 1.25 = 80; unreinforced never below the
  // face shells of the strip, 2 x 1.25 x 48 = 120 (a larger 161 is kept).
  EXPECT_FLOAT_EQ(80.0f, EffectiveArea(problem, 7.625f, 0.0f, 32.0f));
  problem.ReinforcedWall = false;
  EXPECT_FLOAT_EQ(120.0f, EffectiveArea(problem, 7.625f, 0.0f, 32.0f));
  EXPECT_FLOAT_EQ(161.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
  // Solidly grouted, the solid formulas hold also with a narrower core.
  problem.working.SolidGrouted = true;
  EXPECT_FLOAT_EQ(366.0f, EffectiveArea(problem, 7.625f, 8.0f, 48.0f));
  ExpectClose(1773.2890625, GrossInertia(problem, 8.0f, 48.0f, 7.625f));
}

TEST_F(SectionPropertiesTest, AllowableAxialStress) {
  // r = sqrt(1324.584635 / 161) = 2.868315; h' = 144 in; h'/r = 50.2037 < 99:
  // R = 1 - (144 / (140 x 2.868315))^2 = 0.871408;
  // Fa = 0.25 x 1500 x 0.871408 = 326.7779 psi.
  AxialStress a = AllowableAxialStress(problem, 144.0f, 1324.584635f, 161.0f);
  ExpectClose(2.8683155, a.r);
  ExpectClose(326.77787, a.Fa);
  // Ig = 4, Ae = 1: r = 2. h' = 198 (h'/r = 99): R = (70/99)^2 = 0.4999490,
  // Fa = 187.48087. h' = 199: R = (70/99.5)^2 = 0.4949370, Fa = 185.60137
  // (the first form would give 185.58195).
  ExpectClose(187.48087, AllowableAxialStress(problem, 198.0f, 4.0f, 1.0f).Fa);
  ExpectClose(185.60137, AllowableAxialStress(problem, 199.0f, 4.0f, 1.0f).Fa);
  // No height: no slenderness reduction, Fa = 0.25 x 1500 = 375.
  EXPECT_FLOAT_EQ(375.0f, AllowableAxialStress(problem, 0.0f, 4.0f, 1.0f).Fa);
  // No area: r = 0; a wall with height and no radius of gyration carries nothing.
  a = AllowableAxialStress(problem, 144.0f, 4.0f, 0.0f);
  EXPECT_EQ(0.0f, a.r);
  EXPECT_EQ(0.0f, a.Fa);
  a = AllowableAxialStress(problem, 144.0f, -1.0f, 10.0f);
  EXPECT_TRUE(std::isfinite(a.r) && std::isfinite(a.Fa));
}

TEST(SlendernessReductionTest, BoundaryAtNinetyNineBothSides) {
  // Below 99: 1 - (h'/140r)^2; at 99 and above: (70r/h')^2. The two forms
  // agree to about eight digits near 99, so only double precision tells them
  // apart there.
  EXPECT_DOUBLE_EQ(1.0 - (98.99 / 140.0) * (98.99 / 140.0), SlendernessReduction(98.99));
  EXPECT_DOUBLE_EQ(4900.0 / 9801.0, SlendernessReduction(99.0));  // (70/99)^2
  EXPECT_DOUBLE_EQ(1.0, SlendernessReduction(0.0));
}

// --- CrackedSectionCapacity ---

TEST_F(SectionPropertiesTest, RectangularSection) {
  // 12 in strip, bEff = 12, b' = 8 (partially grouted), d = 3.8125, As = 0.155
  // (#5 at 24 in), n = 20, Fb = 500 psi, Fs = 24 ksi.
  // rho = 0.155 / (12 x 3.8125) = 0.00338798; rho n = 0.0677596
  // k = sqrt(0.0677596^2 + 2 x 0.0677596) - 0.0677596 = 0.3065538
  // kd = 1.1687 < ts = 1.25: rectangular.   j = 1 - k/3 = 0.8978154
  // Km = 250 x k x j = 68.80718;  Ks = 24000 x rho x j = 73.00270
  // F = 12 x 3.8125^2 / 12 = 14.535156
  // M = Km F = 1000.1231, Mm = 1000.1231, Ms = Ks F = 1061.1056 ft-lb
  problem.working.StripWidth = 12.0f;
  CrackedCapacity c = CrackedSectionCapacity(problem, 0.155f, 8.0f, 12.0f, 3.8125f, 500, 24);
  EXPECT_FALSE(c.failed);
  ExpectClose(0.3065538, c.k);
  ExpectClose(0.8978154, c.j);
  ExpectClose(1000.1231, c.M);
  ExpectClose(1061.1056, c.Ms);
  // With Fs = 20 ksi: Ks = 20000 x rho x j = 60.83558 < Km;
  // M = Ms = 60.83558 x 14.535156 = 884.25465 ft-lb.
  c = CrackedSectionCapacity(problem, 0.155f, 8.0f, 12.0f, 3.8125f, 500, 20);
  ExpectClose(884.25465, c.M);
  ExpectClose(1000.1231, c.Mm);
  // No steel on a rectangular section: no capacity, but not a failure.
  c = CrackedSectionCapacity(problem, 0.0f, 8.0f, 12.0f, 3.8125f, 500, 24);
  EXPECT_FALSE(c.failed);
  EXPECT_EQ(0.0f, c.M);
  EXPECT_FLOAT_EQ(1.0f, c.j);
}

TEST_F(SectionPropertiesTest, FlangedSection) {
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
  CrackedCapacity c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500, 24);
  EXPECT_FALSE(c.failed);
  ExpectClose(0.3725699, c.k);
  ExpectClose(0.8356313, c.j);
  ExpectClose(4470.9608, c.M);
  ExpectClose(6371.6887, c.Ms);
  // As above with Fs = 12 ksi: T = 12000 < C1 + C2 = 16840.60, so the steel
  // reaches Fs first. fb = (12000 / 20) x k / (1 - k) = 356.28185 psi;
  // forces scaled by fb / Fb = 0.7125637: C1 = 11970.860, C2 = 29.14013.
  // M = (11970.860 x 3.1875 + 29.14013 x 2.5056924) / 12 = 3185.8443 ft-lb
  // Mm keeps the unscaled forces: 4470.9608. jd = 3.1858443 (the scale
  // cancels), Ms = 12000 x 3.1858443 / 12 = 3185.8443.
  c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500, 12);
  ExpectClose(3185.8443, c.M);
  ExpectClose(4470.9608, c.Mm);
  ExpectClose(0.8356313, c.j);
  // Solid grouted: never the flanged branch. Rectangular with bEff = 48:
  // rho = 1 / (48 x 3.8125) = 0.00546448; k = 0.3708390 (kd = 1.41 >= ts);
  // j = 0.8763870; Km = 250 k j = 81.24961; Ks = 24000 rho j = 114.93600;
  // F = 48 x 3.8125^2 / 12 = 58.140625; M = Km F = 4723.9033 ft-lb.
  problem.working.SolidGrouted = true;
  c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500, 24);
  ExpectClose(0.3708390, c.k);
  ExpectClose(4723.9033, c.M);
  ExpectClose(6682.4510, c.Ms);
}

TEST_F(SectionPropertiesTest, ImpossibleSectionsFailInsteadOfProducingNaN) {
  // A grouted core (48) wider than the effective width (8), a face shell of
  // -0.5 and no steel: A = 24, B = (8 - 48)(-0.5) + 0 = 20, C = (-40)(0.25)/2
  // = -5; disc = 20^2 + 4 x 24 x (-5) = -80 < 0. With As = 0.025: B = 20.5,
  // C = -5 + 0.5 x 3.8125 = -3.09375; disc = 123.25; x = (-20.5 + 11.1018)/48 < 0.
  problem.working.FaceShellThickness = -0.5f;
  for (float As : {0.0f, 0.025f}) {
    const CrackedCapacity c = CrackedSectionCapacity(problem, As, 48.0f, 8.0f, 3.8125f, 500, 24);
    EXPECT_TRUE(c.failed);
    EXPECT_EQ(kCrackedSectionFailure, c.M);
    EXPECT_EQ(0.0f, c.Mm);
  }
  problem.working.FaceShellThickness = 1.25f;
  // Zero depth, zero effective width, a zero core in a T section.
  EXPECT_TRUE(CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 0.0f, 500, 24).failed);
  EXPECT_TRUE(CrackedSectionCapacity(problem, 1.0f, 0.0f, 0.0f, 3.8125f, 500, 24).failed);
  EXPECT_TRUE(CrackedSectionCapacity(problem, 1.0f, 0.0f, 48.0f, 3.8125f, 500, 24).failed);
  // No modular ratio: the steel is not transformed, k = 0, no capacity; a
  // negative one makes the neutral-axis equation unsolvable.
  problem.working.ModularRatio = 0.0f;
  CrackedCapacity c = CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500, 24);
  EXPECT_FALSE(c.failed);
  EXPECT_EQ(0.0f, c.k);
  problem.working.ModularRatio = -20.0f;
  EXPECT_TRUE(CrackedSectionCapacity(problem, 1.0f, 8.0f, 48.0f, 3.8125f, 500, 24).failed);
}

}  // namespace
}  // namespace calvix
