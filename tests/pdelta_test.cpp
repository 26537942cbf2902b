// The P-delta iteration and the stress-block (neutral-axis) search of
// strength design, against hand-worked values: the Whitney block of a solid
// section, strain compatibility when the steel does not yield, the bracket
// failures, the geometric series of a supported wall, a cantilever with its
// own weight, the 1 % stop rule at its boundary and runaway walls.
#include "design/pdelta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/wall_part.h"

namespace calvix {
namespace {

// Concrete masonry, f'm = 1500 psi, Fy = 60 ksi, Es = 29000 ksi (m = 1.4:
// clay, whose ultimate strain is 0.0035).
StrengthMaterial Material(double m = 1.0) {
  return {.fm = 1500, .fy = 60000, .Es = 29e6, .m = m};
}

// 8 in solid strip: t = 7.625, ts = 1.25, b = bEff = b' = 12, d = 3.8125.
StrengthSection Solid(double As, double bPrime = 12) {
  return {.t = 7.625, .ts = 1.25, .bEff = 12, .bPrime = bPrime, .d = 3.8125, .As = As};
}

// --- Neutral-axis search ----------------------------------------------------

TEST(NeutralAxisSearchTest, SolidSectionWithYieldingSteelIsTheWhitneyBlock) {
  // a = (As·fy + P)/(0.85·f'm·b); with P = 0, As·fy/(0.85·1500·12) = As·fy/15300.
  // #4 at 48 (0.05 in²): 3000/15300 = 0.196078 (face shell only);
  // #5 at 24 (0.155): 9300/15300 = 0.607843; 0.4 in²: 24000/15300 = 1.568627
  // (into the grouted core, the same width; c = 1.845, steel strain
  // 0.0025·(3.8125 − 1.845)/1.845 = 0.00267 above εy = 0.00207); with
  // P = 1565: 10865/15300 = 0.710131.
  const std::pair<double, double> cases[] = {{0.05, 0}, {0.155, 0}, {0.4, 0}, {0.155, 1565}};
  for (const auto& [As, P] : cases) {
    const NeutralAxisResult r = NeutralAxisSearch(Solid(As), Material(), 0.85, P);
    ASSERT_TRUE(r.Found());
    EXPECT_NEAR((As * 60000 + P) / 15300, r.a, 1e-6) << "As " << As << " P " << P;
    EXPECT_NEAR(As * 60000, r.forces.T, 1e-6);  // the steel yields
    EXPECT_LT(std::fabs(r.forces.residual), kForceTolerance);
    EXPECT_LE(r.Iterations, kNeutralAxisMaxIterations);
  }
}

TEST(NeutralAxisSearchTest, SteelBelowYieldFollowsStrainCompatibility) {
  // #9 at 8 in: As = 1.5 in². With fs = Es·0.0025·(d − c)/c, c = x/0.85:
  //   15300·x = 1.5·72500·(0.85·3.8125 − x)/x
  //   15300·x² + 108750·x − 352418.0 = 0
  //   x = (−108750 + √(108750² + 4·15300·352418.0))/(2·15300) = 2.418031 in,
  // fs = 72500·(3.240625 − 2.418031)/2.418031 = 24663.9 psi < 60000.
  NeutralAxisResult r = NeutralAxisSearch(Solid(1.5), Material(), 0.85, 0);
  ASSERT_TRUE(r.Found());
  EXPECT_NEAR(2.418031, r.a, 1e-6);
  EXPECT_NEAR(24663.9, r.forces.fs, 0.1);
  // Clay, 101500 psi: 15300·x² + 152250·x − 1.5·101500·3.240625 = 0 ->
  // x = 2.574536.
  r = NeutralAxisSearch(Solid(1.5), Material(1.4), 0.85, 0);
  EXPECT_NEAR(2.574536, r.a, 1e-6);
}

TEST(NeutralAxisSearchTest, FlangedSectionBlockIntoTheCore) {
  // Partially grouted: bEff = 12 over ts = 1.25, core b' = 2. #9 at 48 in
  // (0.25 in², yielding) with P = 5000: C = 20000 lb; the face shell gives
  // 19125, the core the rest: a = 1.25 + 875/(0.85·1500·2) = 1.593137.
  // Plain false position from the bracket 0.001 .. 7.624 (run by hand in a
  // short script): the first point, 2.5205, lies beyond the root, after which
  // the upper end stays put and the lower end creeps up; the 43rd point,
  // 1.593133472, leaves a residual of −0.0096 lb (below the 0.01 lb the
  // search stops at: within 0.01/(0.85·1500·2) = 3.9e-6 in of the root).
  const NeutralAxisResult r = NeutralAxisSearch(Solid(0.25, 2), Material(), 0.85, 5000);
  ASSERT_TRUE(r.Found());
  EXPECT_EQ(43, r.Iterations);
  EXPECT_NEAR(1.593133472236287, r.a, 1e-12);
  EXPECT_NEAR(19125, r.forces.Cf, 1e-3);
  EXPECT_NEAR(875, r.forces.Cw, 1e-2);
}

TEST(NeutralAxisSearchTest, BracketWithoutASignChangeIsReportedNotGuessed) {
  // Compression beyond the whole block (0.85·1500·12·7.625 ≈ 116 700 lb):
  // no depth inside the wall balances it.
  NeutralAxisResult r = NeutralAxisSearch(Solid(0.155), Material(), 0.85, 150000);
  EXPECT_EQ(NeutralAxisOutcome::kAxialOverload, r.Outcome);
  EXPECT_LE(r.a, 7.625);
  // Net tension beyond the yielding steel (0.155·60000 = 9300 lb).
  r = NeutralAxisSearch(Solid(0.155), Material(), 0.85, -12000);
  EXPECT_EQ(NeutralAxisOutcome::kTensionOverload, r.Outcome);
  // A tension the steel can take is balanced: a = (9300 − 5000)/15300.
  r = NeutralAxisSearch(Solid(0.155), Material(), 0.85, -5000);
  ASSERT_TRUE(r.Found());
  EXPECT_NEAR(4300.0 / 15300.0, r.a, 1e-6);
}

TEST(ForceBalanceTest, TermsOfOneDepth) {
  // x = 2.0 in, #5 at 24 (0.155 in²), P = 1000: Cf = 1.25·12·1275 = 19125,
  // Cw = 0.75·12·1275 = 11475, c = 2/0.85 = 2.352941,
  // fs = 72500·(3.8125 − 2.352941)/2.352941 = 44972.7 psi, T = 6970.8,
  // residual = 19125 + 11475 − 1000 − 6970.8 = 22629.2.
  const ForceTerms f = ForceBalance(Solid(0.155), Material(), 0.85, 1000, 2.0);
  EXPECT_NEAR(19125, f.Cf, 1e-9);
  EXPECT_NEAR(11475, f.Cw, 1e-9);
  EXPECT_NEAR(2.352941, f.c, 1e-6);
  EXPECT_NEAR(44972.66, f.fs, 0.01);
  EXPECT_NEAR(22629.24, f.residual, 0.01);
  // A block past the steel loses the bar's area: x = 5: Cw = 3.75·12·1275 −
  // 0.155·1275, and the steel is in compression:
  // fs = 72500·(3.8125 − 5.882353)/5.882353 = −25510.94 psi.
  const ForceTerms deep = ForceBalance(Solid(0.155), Material(), 0.85, 0, 5.0);
  EXPECT_NEAR(3.75 * 12 * 1275 - 0.155 * 1275, deep.Cw, 1e-9);
  EXPECT_NEAR(-25510.94, deep.fs, 0.01);
}

// --- P-delta -----------------------------------------------------------------

// A main wall of height H (ft), 8 in nominal with 0.375 off (t = 7.625) on a
// 12 in strip: Ib = 12·7.625³/12 = 443.322265625 in⁴.
Problem Wall(float H, float nominalMinusActual = 0.375f) {
  Problem p;
  p.working.WallHeight = H;
  p.working.WallThickness = 8;
  p.working.NominalMinusActual = nominalMinusActual;
  p.working.StripWidth = 12;
  return p;
}
constexpr float kIb = 443.322265625f;

TEST(PDeltaSupportedTest, GrossSectionIterationIsAGeometricSeries) {
  // Ig = Ib (no rescaling), M = 1000 ft-lb, δ0 = 0.5 in, P = 2400 lb:
  // each step adds P·δ/12 = 200·δ ft-lb, δ = Mu·0.5/1000:
  //   δ1 = (1000 + 100)·0.0005 = 0.55, change 9.1 %
  //   δ2 = (1000 + 110)·0.0005 = 0.555, change 0.9 % -> stop, Mu = 1110.
  PDeltaResult r = PDeltaSupported(Wall(20), 1000, 2400, 0.5f, 5, 1e9f, 443.322f, 100);
  EXPECT_EQ(2, r.Iterations);
  EXPECT_NEAR(1110.0, r.Mu, 1e-3);
  EXPECT_NEAR(0.555, r.Delta, 1e-6);
  // M = 2000 > Mcr = 1000, δ0 = 0.1 (on Ig = 400), Ig/Icr = 400/40 = 10,
  // P = 0: δcr = 0.1·1000/2000 = 0.05, δ = 0.05 + (0.1 − 0.05)·10 = 0.55 in;
  // with no axial load the first step settles: Mu = 2000.
  r = PDeltaSupported(Wall(20), 2000, 0, 0.1f * 400.0f / 443.322f, 5, 1000, 400, 40);
  EXPECT_NEAR(2000.0, r.Mu, 1e-3);
  EXPECT_NEAR(0.55, r.Delta, 1e-5);
  // δ = 0 becomes 1e-6 in, M = 0 becomes 1 ft-lb: Mu = 1 + P·1e-6/12.
  r = PDeltaSupported(Wall(20), 0, 1200, 0, 5, 1000, 443.322f, 40);
  EXPECT_NEAR(1.0001, r.Mu, 1e-6);
  EXPECT_NEAR(1e-6, r.Delta, 1e-9);
  // The supports do not move.
  for (int station : {0, 10}) {
    r = PDeltaSupported(Wall(20), -3343.5f, 1728, 0.3f, station, 1000, 400, 40);
    EXPECT_FLOAT_EQ(3343.5f, r.Mu);
    EXPECT_EQ(0.0f, r.Delta);
    EXPECT_EQ(0, r.Iterations);
  }
}

TEST(PDeltaConvergenceTest, ExactlyOnePercentContinues) {
  // The rule itself: a change of 1.0 % continues, below it stops.
  EXPECT_DOUBLE_EQ(1.0, PDeltaChangePercent(99.0, 100.0));
  EXPECT_FALSE(PDeltaConverged(PDeltaChangePercent(99.0, 100.0)));
  EXPECT_TRUE(PDeltaConverged(PDeltaChangePercent(99.5, 100.0)));
  EXPECT_DOUBLE_EQ(0.0, PDeltaChangePercent(0.0, 0.0));
  EXPECT_FALSE(PDeltaConverged(PDeltaChangePercent(1.0, 0.0)));
  // In the iteration: t = 8 (no nominal-minus-actual) so Ib = 12·8³/12 = 512
  // = Ig and δ0 = 99 exactly; M = 3267, P = 4: the first step gives
  // Mu = 3267 + 4·99/12 = 3300, δ1 = 3300·99/3267 = 100, a change of exactly
  // 1 %: the iteration continues to a second step (change ≈ 0.01 %).
  // P = 3.9: δ1 = (3267 + 32.175)·99/3267 = 99.975, a change of 0.975 %: one step.
  EXPECT_EQ(2, PDeltaSupported(Wall(20, 0), 3267, 4, 99, 5, 1e9f, 512, 512).Iterations);
  const PDeltaResult below = PDeltaSupported(Wall(20, 0), 3267, 3.9f, 99, 5, 1e9f, 512, 512);
  EXPECT_EQ(1, below.Iterations);
  EXPECT_NEAR(3299.175, below.Mu, 1e-3);
}

TEST(PDeltaSupportedTest, Runaways) {
  // Ig = Ib (δ0 = 1 exactly), M = 100, P = 1800, uncracked: each step
  // multiplies the increment by P·δ0/(12·M) = 1.5: δ(n+1) = 1 + 1.5·δ(n):
  // 2.5, 4.75, 8.125, 13.1875, 20.78125, 32.171875, 49.2578125, 74.88671875,
  // 113.330078, 170.995117, then 257.492676 > 240 (the wall height) at step
  // 11, from Mu = 100 + 1800·170.995117/12 = 25749.2676. Those last values
  // are the result.
  PDeltaResult r = PDeltaSupported(Wall(20), 100, 1800, 1, 5, 1e9f, kIb, kIb);
  EXPECT_TRUE(r.Runaway);
  EXPECT_EQ(11, r.Iterations);
  EXPECT_NEAR(257.492676, r.Delta, 1e-4);
  EXPECT_NEAR(25749.2676, r.Mu, 0.01);
  // δ0 = 1, M = 100, P = −2400 (net tension): Mu = 100 − 2400·1/12 = −100,
  // δ1 = −100·1/100 = −1; the change |−1 − 1|·100/(−1) = −200 % is below
  // 1 %: the iteration ends after one step with these values.
  r = PDeltaSupported(Wall(20), 100, -2400, 1, 5, 1e9f, kIb, kIb);
  EXPECT_FALSE(r.Runaway);
  EXPECT_EQ(1, r.Iterations);
  EXPECT_FLOAT_EQ(-100.0f, r.Mu);
  EXPECT_FLOAT_EQ(-1.0f, r.Delta);
  // A cracking moment that is not a number makes the deflection not finite:
  // a runaway, reported with finite values (at least the wall height).
  r = PDeltaSupported(Wall(20), 2000, 1000, 0.5f, 5, std::numeric_limits<float>::quiet_NaN(),
                      443.322f, 40);
  // No finite step: δ is reported as the wall height, 240 in, and Mu as the
  // moment the axial load makes through it, 2000 + 1000·240/12 = 22000 ft-lb.
  EXPECT_TRUE(r.Runaway);
  EXPECT_FLOAT_EQ(r.Delta, 240.0f);
  EXPECT_NEAR(r.Mu, 22000.0f, 0.01f);
  // Ratio P·δ0/(12·M) = 0.9999: the series settles too slowly for the 1 %
  // rule within a few steps, but the step count stays bounded (a 20000 ft
  // wall has no length-based stop).
  r = PDeltaSupported(Wall(20000), 1000, 11998.8f, 1, 5, 1e9f, 443.322f, 443.322f);
  EXPECT_LE(r.Iterations, kPDeltaMaxIterations);
  EXPECT_TRUE(std::isfinite(r.Delta));
}

TEST(PDeltaCantileverTest, OwnWeightActsThroughTheMidHeightDeflection) {
  // Gross section, δ0 = 1, δm0 = 0.35, M = 1000, P = 120, W = 600:
  // Mu1 = 1000 + 120·1/12 + 600·0.35/12 = 1000 + 10 + 17.5 = 1027.5,
  // δ1 = 1.0275 (change 2.7 %), δm = 0.35·1.0275 = 0.359625;
  // Mu2 = 1000 + 10.275 + 17.98125 = 1028.25625, δ2 = 1.02825625 (0.07 %): stop.
  PDeltaResult r =
      PDeltaCantilever(Wall(10), 1000, 120, 600, 1, 0.35f, 1e9f, 443.322f, 443.322f, kMainWall);
  EXPECT_EQ(2, r.Iterations);
  EXPECT_NEAR(1028.25625, r.Mu, 1e-3);
  EXPECT_NEAR(1.02825625, r.Delta, 1e-6);
  // A negative base moment of 1600 ft-lb, tip deflection 0.2 in and
  // mid-height 0.07 in, P = 10 lb, W = 20 lb: Mu = 1600 + 10·0.2/12 +
  // 20·0.07/12 ≈ 1600.28.
  r = PDeltaCantilever(Wall(10), -1600, 10, 20, 0.2f, 0.07f, 1e9f, 443.322f, 443.322f, kMainWall);
  EXPECT_NEAR(1600.0 + 10 * 0.2 / 12 + 20 * 0.07 / 12, r.Mu, 1e-3);
  EXPECT_NEAR(0.2, r.Delta, 1e-3);
}

TEST(PDeltaCantileverTest, ParapetUsesItsOwnThicknessAndHeight) {
  // A 6 in parapet (t = 5.625) on an 8 in wall: Ib = 12·5.625³/12 = 177.979.
  // With Ig = Ib/2 the first-order deflection doubles: 0.01 -> 0.02 in.
  Problem p = Wall(14);
  p.working.ParapetHeight = 3;
  p.working.ParapetThickness = 6;
  const float Ib = 5.625f * 5.625f * 5.625f;
  PDeltaResult r = PDeltaCantilever(p, 216, 0, 0, 0.01f, 0.004f, 1e9f, Ib / 2, 10, kParapet);
  EXPECT_NEAR(0.02, r.Delta, 1e-6);
  // The runaway limit is the main wall's height (168 in), not the parapet's
  // 36 in. δ0 = 25, M = 1000, P = 240, uncracked: δ(n+1) = 25 + 0.5·δ(n):
  // 37.5 (past 36, still iterating), 43.75, 46.875, 48.4375, 49.21875,
  // 49.609375 (change 0.79 %): settled, Mu = 1000 + 240·49.21875/12 = 1984.375.
  r = PDeltaCantilever(p, 1000, 240, 0, 25, 10, 1e9f, Ib, Ib, kParapet);
  EXPECT_FALSE(r.Runaway);
  EXPECT_EQ(6, r.Iterations);
  EXPECT_NEAR(49.609375, r.Delta, 1e-5);
  EXPECT_NEAR(1984.375, r.Mu, 1e-3);
  // Ratio 2.5 per step: beyond 168 in it runs away.
  r = PDeltaCantilever(p, 100, 3000, 0, 1, 0.4f, 1e9f, Ib, Ib, kParapet);
  EXPECT_TRUE(r.Runaway);
  EXPECT_GT(r.Delta, 168.0f);
}

}  // namespace
}  // namespace calvix
