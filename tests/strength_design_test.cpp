// Strength design of reinforced walls (IBC 2000 2108.9): the flexural
// routines against hand-worked sections, the boundaries of the axial,
// flexure and shear checks, every failure code on a wall that triggers it,
// a worked example of the classic slender-wall kind, and a set of realistic
// walls whose governing forces, accepted spacings and deflections were worked
// out independently of this code (closed-form beam statics and deflections,
// bisection for the stress block; the script is reproduced at the end of
// this file).
//
// The walls are those of tests/support/design_walls.h: unless stated a 12 in
// design strip, f'm = 1500 psi, Fy = 60 ksi, Es = 29000 ksi, nominal − actual
// = 0.375 in, 16 in units (spacing module 8 in), seismic design category B
// (largest spacing 72 in), building-code strength factors 1.2D+1.6L |
// 1.2D+0.5L+1.6W | 1.2D+0.5L+1.0E | 0.9D+1.6W | 0.9D+1.0E, Ss = 0 (so the
// wall's seismic load is its 10 % minimum and the parapet has none).
#include "design/strength_design.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "design/section_properties.h"
#include "support/design_walls.h"

namespace calvix {
namespace {

using testing::MakeWall;
using testing::WallData;
using Designed = testing::Designed<StrengthResults>;
using Selection = std::array<int16_t, 5>;

// Designs the main wall, then the parapet when there is one and the main
// wall passed.
Designed Design(const WallData& data, int lastPass = 0) {
  return testing::DesignWall<StrengthResults>(MakeWall(data), StrengthDesign,
                                              lastPass != 0 ? lastPass : (data.Hp > 0 ? 2 : 1));
}

// Designs one part with only `selected` combinations on; with `beforeAnalysis`
// the analysis sees that selection too, else it has all five.
Designed DesignSelected(const WallData& data, Selection selected, bool beforeAnalysis,
                        int part = kMainWall) {
  Designed d{MakeWall(data), {}, {}, -1};
  if (beforeAnalysis) d.problem.entry.LoadCombSelected = selected;
  d.analysis = AnalyseLoads(d.problem);
  d.problem.entry.LoadCombSelected = selected;
  for (int pass = 1; pass <= part && (pass == 1 || d.code == 0); ++pass) {
    StrengthDesign(d.problem, d.analysis, d.results, d.code, pass);
  }
  return d;
}

size_t Bar(const std::string& name) {
  return static_cast<size_t>(name[1] - '3');
}

// --- Small rules --------------------------------------------------------------

TEST(ModulusOfRuptureTest, ByMaterialAndGrouting) {
  // Solid concrete masonry 4.0·√1500 = 154.92 (below 235), partially grouted
  // 2.5·√1500 = 96.82, brick 2.0·√1500 = 77.46 whatever the grouting. Caps:
  // 4·√4000 = 253 -> 235; 2.5·√4000 = 158 -> 125; 2·√4000 = 126.5 -> 125.
  const struct {
    const char* material;
    bool solid;
    float fm, fr;
  } cases[] = {{"CMU", true, 1500, 154.919f},   {"CMU", false, 1500, 96.825f},
               {"Brick", false, 1500, 77.460f}, {"Brick", true, 4000, 125},
               {"Clay", false, 4000, 125},      {"Clay", true, 4000, 235}};
  for (const auto& c : cases) {
    EXPECT_NEAR(c.fr,
                ModulusOfRupture(MakeWall({.fm = c.fm, .solid = c.solid, .material = c.material})),
                1e-3)
        << c.material << c.solid << c.fm;
  }
  // Part weight: 80 psf × 20 ft × 12/12 = 1600 lb; on a 32 in strip
  // 80 × 20 × 32/12 = 4266.7.
  EXPECT_FLOAT_EQ(1600.0f, PartWeight(MakeWall({}), 20));
  EXPECT_NEAR(4266.667, PartWeight(MakeWall({.strip = 32}), 20), 1e-3);
}

// f'm = 1500: 0.05·f'm = 75 psi, 0.20·f'm = 300 psi.
TEST(StrengthAxialLimitTest, Boundaries) {
  struct Case {
    double fa, slenderness;
    int16_t code;
  };
  const Case cases[] = {{74.99, 45.0, 0},  // below 0.05 f'm passes whatever h'/t
                        {75.0, 45.0, 6},   // exactly 0.05 f'm with h'/t > 30 fails
                        {75.0, 30.0, 0},  // exactly 0.05 f'm, h'/t = 30: the 0.20 f'm limit applies
                        {299.99, 30.0, 0},  // below 0.20 f'm at h'/t = 30 passes
                        {300.0, 30.0, 7},   // exactly 0.20 f'm at h'/t = 30: code 7, never 6
                        {300.0, 30.0001, 6}, {500.0, 12.0, 7}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.code, AxialLimitCode(c.fa, 1500.0, c.slenderness)) << c.fa << " " << c.slenderness;
  }
}

TEST(StrengthChecksTest, Boundaries) {
  // |Mu| equal to øMn passes flexure, whatever the sign of Mu.
  EXPECT_TRUE(FlexureAdequate(-1715.5, 1715.5));
  EXPECT_FALSE(FlexureAdequate(1715.6, 1715.5));
  EXPECT_FALSE(FlexureAdequate(-1715.6, 1715.5));
  // øVn equal to |Vu| fails shear; the sign of Vu does not matter.
  EXPECT_FALSE(ShearAdequate(8505.1, 8505.1));
  EXPECT_FALSE(ShearAdequate(8505.1, -8505.1));
  EXPECT_TRUE(ShearAdequate(8505.1, -8505.0));
  EXPECT_FALSE(ShearAdequate(300.0, -410.0));  // a negative top reaction is still checked
}

TEST(StrengthDesignTest, TensionSteelDepthTakesThePositiveDepthAtZeroMoment) {
  EXPECT_EQ(5.0f, TensionSteelDepth(0.0, 5.0f, 2.0f));
  EXPECT_EQ(2.0f, TensionSteelDepth(-1e-6, 5.0f, 2.0f));
}

// --- Flexural routines --------------------------------------------------------

// 8 in solid CMU strip: t = 7.625, d = 3.8125, b = 12, #5 at 24 in
// (As = 12·0.31/24 = 0.155 in²).
TEST(NominalMomentTest, SolidSectionWithAndWithoutAxialLoad) {
  const Problem p = MakeWall({});
  // Steel yields: a = As·fy/(0.85·f'm·b) = 0.155·60000/(0.85·1500·12)
  //   = 9300/15300 = 0.607843 in (within the 1.25 in face shell).
  // Mn = As·fy·(d − a/2) = 9300·(3.8125 − 0.303922) = 32629.8 in-lb,
  // øMn = 0.8·32629.8/12 = 2175.32 ft-lb.
  NominalMomentResult r = NominalMoment(p, 0.155f, 3.8125f, 12, 12, 0, kMainWall);
  ASSERT_TRUE(r.Found());
  EXPECT_NEAR(0.607843, r.a, 1e-5);
  EXPECT_NEAR(32629.8, r.Mn, 0.5);
  EXPECT_NEAR(2175.32, r.PhiMn, 0.02);
  // P = 1565 lb: C = As·fy + P = 9300 + 1565 = 10865 lb,
  // a = 10865/15300 = 0.710131 in,
  // Mn = C·(d − a/2) − P·(d − t/2) = 10865·(3.8125 − 0.355065) − 1565·0
  //    = 37565.0 in-lb (the axial load acts at mid-thickness, here at the steel),
  // øMn = 0.8·37565.0/12 = 2504.34 ft-lb.
  r = NominalMoment(p, 0.155f, 3.8125f, 12, 12, 1565, kMainWall);
  EXPECT_NEAR(0.710131, r.a, 1e-5);
  EXPECT_NEAR(2504.34, r.PhiMn, 0.02);
  // With the steel off the middle, d = 5.0: the axial load's lever about the
  // steel is d − t/2 = 1.1875 in.
  // Mn = 10865·(5.0 − 0.355065) − 1565·1.1875 = 50467.2 − 1858.4 = 48608.8 in-lb,
  // the same as As·fy·(d − a/2) + P·(t/2 − a/2) = 9300·4.644935 + 1565·3.457435.
  EXPECT_NEAR(48608.8, NominalMoment(p, 0.155f, 5.0f, 12, 12, 1565, kMainWall).Mn, 0.5);
  // 200 000 lb exceeds the whole 7.625 in block, 0.85·1500·12·7.625 ≈ 116 700
  // lb less the bar: no depth balances it.
  r = NominalMoment(p, 0.155f, 3.8125f, 12, 12, 200000, kMainWall);
  EXPECT_EQ(NeutralAxisOutcome::kAxialOverload, r.Outcome);
  EXPECT_EQ(0.0f, r.PhiMn);
}

TEST(NominalMomentTest, FlangedSectionBlockIntoTheCore) {
  // Partially grouted 8 in CMU, #9 at 48 in: As = 12/48 = 0.25 in², bEff =
  // 12, b' = 8·12/48 = 2 in, ts = 1.25.
  const Problem p = MakeWall({.solid = false});
  // T = 15000 lb; the face shell carries 0.85·1500·12·1.25 = 19125 > 15000,
  // so a = 15000/15300 = 0.980392 (in the face shell), Mn = 15000·(3.8125 −
  // 0.490196) = 49834.6 in-lb.
  NominalMomentResult r = NominalMoment(p, 0.25f, 3.8125f, 12, 2, 0, kMainWall);
  EXPECT_NEAR(0.980392, r.a, 1e-5);
  EXPECT_NEAR(49834.6, r.Mn, 0.5);
  // With P = 5000: C = 20000 > 19125: the core takes 875 lb over b' = 2:
  // a − ts = 875/(0.85·1500·2) = 0.343137, a = 1.593137 (c = 1.874, the
  // steel strain 0.0025·(3.8125 − 1.874)/1.874 = 0.00259 still yields);
  // Mn = (d − ts/2)·Cf + (d − ts − (a − ts)/2)·Cw − (d − t/2)·P
  //    = 3.1875·19125 + (2.5625 − 0.171569)·875 − 0 = 60960.9 + 2092.1 = 63053.0.
  r = NominalMoment(p, 0.25f, 3.8125f, 12, 2, 5000, kMainWall);
  EXPECT_NEAR(1.593137, r.a, 1e-5);
  EXPECT_NEAR(63053.0, r.Mn, 0.5);
}

TEST(CrackedInertiaTest, SolidSectionIsTheTransformedRectangle) {
  const Problem p = MakeWall({});
  // #5 at 24 in, P = 0: a = 0.607843, c = a/0.85 = 0.715110 in (within the
  // face shell). n·As = 21.48·0.155 = 3.3294 in² at d = 3.8125; the block
  // b·c = 12·0.715110 = 8.581320 in² at c/2 = 0.357555.
  // Centroid: ȳ = (3.3294·3.8125 + 8.581315·0.357555)/(3.3294 + 8.581315)
  //             = (12.693338 + 3.068290)/11.910715 = 1.323315.
  // Icr = b·c³/12 + b·c·(ȳ − c/2)² + n·As·(d − ȳ)² + n·As²/(4π)
  //     = 0.365694 + 8.581315·0.932687 + 3.3294·6.196101 + 21.48·0.001912
  //     = 0.365694 + 8.003731 + 20.629102 + 0.041067 = 29.0396 in⁴.
  CrackedInertiaResult r = CrackedInertia(p, 0.155f, 3.8125f, 12, 12, 0, kMainWall);
  EXPECT_NEAR(0.715110, r.c, 1e-5);
  EXPECT_NEAR(29.0396, r.Icr, 1e-3);
  // P = 90 000 lb: a ≈ (90000 + 0.155·fs)/15300 > 5.3, c = a/0.85 > t − ts =
  // 6.375: the compression reaches the far shell, uncracked:
  // Ig = 12·7.625³/12 = 443.322 in⁴.
  r = CrackedInertia(p, 0.155f, 3.8125f, 12, 12, 90000, kMainWall);
  EXPECT_GE(r.c, 6.375f);
  EXPECT_NEAR(443.322, r.Icr, 1e-3);
}

TEST(CrackedInertiaTest, HeavySteelInAHollowStripMayExceedIg) {
  // Partially grouted strip, bEff = 12, b' = 2, steel 2.0 in² at d = 6.125,
  // P = 0: a = 4.385891 (c = 5.159872, short of t − ts = 6.375), web
  // c − ts = 3.909872; ȳ = (21.48·2·6.125 + 12·1.25²/2 + 3.909872·2·3.204936)
  //   /(42.96 + 15 + 7.819744) = 297.566778/65.779744 = 4.523684;
  // Icr = 1.953125 + 15·3.898684² + 2·3.909872³/12 + 7.819744·1.318748²
  //     + 21.48·(2·1.601316² + 4/(4π))
  //     = 1.953 + 227.996 + 9.962 + 13.599 + 116.996 = 370.506 in⁴,
  // above Ig = 2·7.625³/12 + 2·(10·1.25³/12 + 10·1.25·3.1875²) = 331.146 in⁴:
  // the transformed steel is stiffer than the hollow gross section, and the
  // value stands.
  const Problem p = MakeWall({.solid = false});
  const CrackedInertiaResult r = CrackedInertia(p, 2.0f, 6.125f, 12, 2, 0, kMainWall);
  EXPECT_NEAR(5.159872, r.c, 1e-5);
  EXPECT_NEAR(370.506, r.Icr, 2e-3);
  EXPECT_NEAR(331.146, GrossInertia(p, 2, 12, 7.625f), 1e-3);
}

TEST(RequiredSteelTest, LimitsOfASolidStrip) {
  const Problem p = MakeWall({});
  // Mu = 2049.11 ft-lb, Pu = 1565 lb, b = bEff = b' = 12, d = 3.8125.
  // Limit state: cb = d·72500/(72500 + 1.3·60000) = 3.8125·0.481728 = 1.836587,
  // block ab = 0.8·cb = 1.469269 > ts = 1.25, so the block enters the core:
  // C = 0.8·1500·(1.25·12 + 0.219269·12) = 21157.47 lb,
  // As,max = (C − Pu)/(1.25·fy) = (21157.47 − 1565)/75000 = 0.261233.
  // As0 = 0.0007·12·7.625 = 0.06405.
  // As,req solves øMn(As) = Mu: 0.8·(As·60000 + 1565)·(3.8125 − a/2)/12 = 2049.11
  // with a = (As·60000 + 1565)/15300: As = 0.119130 in² (bisection in the
  // script at the end).
  const SteelLimits s = RequiredSteel(p, 2049.11f, 1565, 12, 12, 3.8125f, kMainWall);
  EXPECT_NEAR(0.06405, s.As0, 1e-6);
  EXPECT_NEAR(0.261233, s.AsMax, 1e-5);
  EXPECT_NEAR(0.119130, s.AsReq, 5e-6);
  EXPECT_LE(s.Iterations, kRequiredSteelMaxIterations);
  // A moment below the minimum steel's capacity needs only the minimum.
  EXPECT_FLOAT_EQ(s.As0, RequiredSteel(p, 100, 1565, 12, 12, 3.8125f, kMainWall).AsReq);
  // A moment beyond the capacity at As,max has no required area.
  EXPECT_FLOAT_EQ(kNoSteelArea, RequiredSteel(p, 9000, 1565, 12, 12, 3.8125f, kMainWall).AsReq);
  // 12 in wall: t = 11.625 and As0 = 0.0007·12·11.625 = 0.09765 (subtracting
  // the 0.375 again would give 0.0945).
  const Problem thick = MakeWall({.T = 12, .c = 5.8125f});
  EXPECT_NEAR(0.09765, RequiredSteel(thick, 10, 0, 12, 12, 5.8125f, kMainWall).As0, 1e-6);
}

// Maximum steel per IBC 2000 2108.9.2.13. As,max of an 8 in solid CMU strip
// (f'm 1500 psi, Grade 60, d = 3.8125 in, b = 12 in) at factored axial loads
// of 0, 3 and 15 kip/ft: the masonry block of the limit state, C = 21157.47 lb
// (above), carries the axial load first, and only the rest balances steel at
// 1.25·fy = 75 ksi:
//   Pu = 0:     As,max = 21157.47/75000           = 0.282100 in²/ft
//   Pu = 3000:  As,max = (21157.47 −  3000)/75000 = 0.242100 in²/ft
//   Pu = 15000: As,max = (21157.47 − 15000)/75000 = 0.082100 in²/ft
//   Pu = 21150: (21157.47 − 21150)/75000 = 0.000100; at 21200 nothing.
//   Pu = −5000 (net tension adds): (21157.47 + 5000)/75000 = 0.348766.
// #7 @ 24 in (0.60·12/24 = 0.30 in²/ft) lies above the limit at 3 kip/ft
// (adding the axial load instead, (21157.47 + 3000)/75000 = 0.3221, would
// accept it).
TEST(RequiredSteelTest, MaximumSteelFallsAsTheAxialLoadGrows) {
  const Problem p = MakeWall({});
  const std::pair<float, float> cases[] = {{0, 0.282100f},     {3000, 0.242100f},
                                           {15000, 0.082100f}, {21150, 0.000100f},
                                           {21200, 0.0f},      {-5000, 0.348766f}};
  for (const auto& [Pu, asMax] : cases) {
    EXPECT_NEAR(asMax, RequiredSteel(p, 500, Pu, 12, 12, 3.8125f, kMainWall).AsMax, 2e-6) << Pu;
    EXPECT_NEAR(asMax, MaximumSteelArea(p, Pu, 12, 12, 3.8125f), 2e-6) << Pu;
  }
  EXPECT_GT(0.60f * 12.0f / 24.0f, MaximumSteelArea(p, 3000, 12, 12, 3.8125f));
  EXPECT_EQ(kNoSteelArea, RequiredSteel(p, 500, 21200, 12, 12, 3.8125f, kMainWall).AsReq);
  // 40 kip: the axial block alone, 40000/(0.8·1500·12) = 2.78 in, is deeper
  // than cb's block and reaches 0.8·d: still no steel permitted.
  EXPECT_EQ(0.0f, MaximumSteelArea(p, 40000, 12, 12, 3.8125f));
  // Clay masonry reaches 1.4·0.0025 = 0.0035: cb = 3.8125·101500/(101500 +
  // 78000) = 2.155815, P = 0: As,max = 14400·0.8·2.155815/75000 = 0.331133.
  EXPECT_NEAR(0.331133, MaximumSteelArea(MakeWall({.material = "Clay"}), 0, 12, 12, 3.8125f), 2e-6);
}

TEST(RequiredSteelTest, FlatSlopeStepsHalfwayToTheMaximum) {
  // Net tension Pu = −5000 lb, Mu = 100 ft-lb (T = 1200 in-lb): As,max =
  // 0.348766 in² (above). The minimum steel 0.06405 in² (and 0.06905 in²)
  // yields at 3843 (4143) lb < 5000 lb: no balance, øMn = 0 at both, a flat
  // slope. The Newton step is then unbounded and, like any step past As,max,
  // is cut to half the distance: As = 0.06405 + (0.348766 − 0.06405)/2 =
  // 0.206408 in², which balances (C = 0.206408·60000 − 5000 = 7384 lb,
  // a = 0.483 in, 12·øMn = 0.8·7384·(3.8125 − 0.241) = 21096 in-lb >= 1200).
  const SteelLimits s = RequiredSteel(MakeWall({}), 100, -5000, 12, 12, 3.8125f, kMainWall);
  EXPECT_NEAR(0.206408, s.AsReq, 2e-6);
  EXPECT_EQ(2, s.Iterations);
}

TEST(RequiredSteelTest, MaximumSteelUsesTheCodeSteelModulusAndTheLimitBlock) {
  // The rule of 2108.9.2.13 is written for 29 000 ksi steel (72500 psi, and
  // 55769 psi = 72500/1.3 in the face-shell form), whatever Es the wall has.
  Problem p = MakeWall({.solid = false});
  // A light axial load keeps its own block within the face shell (aP =
  // 1565/(0.8·1500·12) = 0.109 in), but the block of the limit state,
  // ab = 1.469269 in, passes the 1.25 in face shell: the core width b' = 4
  // carries its part. As,max = (1200·(15 + 0.219269·4) − 1565)/75000
  //                          = (19052.49 − 1565)/75000 = 0.233167.
  EXPECT_NEAR(0.233167, MaximumSteelArea(p, 1565, 4, 12, 3.8125f), 2e-6);
  p.working.Es = 20000;
  // Pu = 2000: As,max = (0.8·1500·(1.25·12 + 0.219269·4) − 2000)/75000 =
  // 0.227366 (with 0.0025·20000 ksi it would be 0.2233).
  EXPECT_NEAR(0.227366, RequiredSteel(p, 10, 2000, 4, 12, 3.8125f, kMainWall).AsMax, 2e-6);
  // Block within a 1.5 in face shell (ab = 1.469269 <= 1.5), Pu = 1565:
  // As,max = 12·3.8125·(0.512·1500/60000)·(55769/(60000 + 55769)) − 1565/75000
  //        = 0.282099 − 0.020867 = 0.261232.
  p.working.FaceShellThickness = 1.5f;
  EXPECT_NEAR(0.261232, RequiredSteel(p, 10, 1565, 4, 12, 3.8125f, kMainWall).AsMax, 2e-6);
}

TEST(StrengthSectionTest, TheStripWidthCarriesTheCompression) {
  // Wall A below with #9 at 72 in: bf = min(72, 6·8) = 48, bEff = 12·48/72 = 8
  // (the flange of one bar, 48 in, would be six times the strip's share).
  // a = (As·fy + P)/(0.85·f'm·bEff) = (12·1.0/72·60000 + 1565)/(0.85·1500·8)
  //   = (10000 + 1565)/10200 = 1.133824 in.
  const Designed d = Design({.H = 20, .ww = 80, .D = 400, .L = 250, .e = 4, .wind = 25});
  ASSERT_EQ(0, d.code);
  EXPECT_FLOAT_EQ(48.0f, d.results.FlangeWidth[0]);
  EXPECT_FLOAT_EQ(8.0f, d.results.BarEffectiveWidth[0][Bar("#9")]);
  EXPECT_NEAR(1.133824, d.results.BarBlockDepth[0][Bar("#9")], 1e-5);
}

// clang-format off
// clang-format off
constexpr WallData kWallE = {.H = 14, .Hp = 3, .Tp = 8, .cp = 3.8125f, .ww = 80, .D = 500,
                             .L = 300, .e = 2, .wind = 30};
// clang-format on
// --- Failure codes on walls built to trigger them -----------------------------
// The crushed 12 in wall: two layers 1.5 in from the faces (d = 10.125 in),
// Grade 40, 12 ft, roof 30000 D / 4000 L.
// clang-format off
constexpr WallData kCrushed = {.H = 12, .T = 12, .c = 1.5f, .ww = 120, .D = 30000, .L = 4000,
                               .ts = 1.5f, .twoLayers = true, .fy = 40};
// clang-format on
// The 12 in wall with a 10 kip/ft concentrated load (height set per test).
// clang-format off
constexpr WallData kImpact = {.H = 10, .T = 12, .c = 1.5f, .ww = 120, .ts = 1.5f,
                              .twoLayers = true, .hLoad = 10000};
// clang-format on
// The worked example: an 18 ft, 6 in fully grouted concrete masonry wall
// (t = 5.625 in, bar in the middle d = 2.8125 in, 1 in face shells, 60 psf),
// pinned top and bottom, roof dead 300 plf and live 200 plf at 3 in
// eccentricity, wind 20 psf; Em = 1350 ksi, n = 21.48.
// clang-format off
constexpr WallData kWorked = {.H = 18, .T = 6, .c = 2.8125f, .ww = 60, .D = 300, .L = 200, .e = 3,
                              .wind = 20, .ts = 1.0f};
// clang-format on
// clang-format on

WallData With(WallData w, float wind, float H = 0) {
  w.wind = wind;
  if (H != 0) w.H = H;
  return w;
}

TEST(StrengthFailureCodesTest, RealisticWallsTriggerEachCode) {
  WallData impactBase = kImpact, impactTop = kImpact;
  impactBase.hHeight = 1.5f;
  impactTop.hHeight = 8.5f;
  // clang-format off
  const std::vector<std::pair<WallData, int16_t>> cases = {
      // 8 in solid CMU, 20 ft, 80 psf wind: factored Mu ≈ 1.6·80·20²/8 = 6400
      // ft-lb, while even As,max = 0.303 in² gives øMn = 4169 ft-lb
      // (a = (0.303·60000 + 1565)/15300 = 1.290): no probe works.
      {{.H = 20, .D = 400, .L = 250, .e = 4, .wind = 80}, 2},
      // 12 in solid CMU with two layers (d = 11.625 − 1.5 = 10.125), 10 ft,
      // a 10 kip/ft concentrated load 1.5 ft above a pinned base:
      // Vu = 1.6·10000·8.5/10 = 13600 lb > øVn = 0.6·4·√1500·139.5 = 12967 lb,
      // while Mu = 13600·1.5 = 20400 ft-lb is carried by #6 at 8 in.
      {impactBase, 3},
      // The same load 8.5 ft up: the largest shear is the (negative) top
      // reaction, −13600 lb, beyond øVn: code 3 (checking the signed value,
      // −13600 <= øVn, would have passed it).
      {impactTop, 3},
      // 6 in partially grouted CMU, 20 ft, 18 psf: flexure passes with #3 at
      // 8 in, but its cracked service deflection (1.78 in) exceeds
      // 0.007·240 = 1.68 in.
      {{.H = 20, .T = 6, .c = 2.8125f, .ww = 60, .wind = 18, .ts = 1.0f, .solid = false}, 4},
      // 12 in solid CMU, 32 ft pinned: h'/t = 384/11.625 = 33.0 > 30; even at
      // the top combination 1 has Pu = 1.2·8000 + 1.6·1000 = 11200 lb,
      // fa = 11200/(12·11.625) = 80.3 psi >= 75, while the block of the limit
      // state (ab = 0.8·72500·5.8125/150500 = 2.2400 in, C = 1200·12·2.24
      // = 32256 lb) leaves room for the probe's steel.
      {{.H = 32, .T = 12, .c = 5.8125f, .ww = 120, .D = 8000, .L = 1000, .e = 2, .wind = 20}, 6},
      // The crushed wall with 20 psf: h'/t = 12.4; at the top combination 1
      // has Pu = 1.2·30000 + 1.6·4000 = 42400 lb, fa = 42400/139.5 = 303.9
      // psi >= 300. The deep steel keeps a maximum area:
      // ab = 0.8·72500·10.125/(72500 + 1.3·40000) = 4.7165 in,
      // C = 1200·12·4.7165 = 67918 lb, (67918 − 42400)/50000 = 0.510 in².
      {With(kCrushed, 20), 7},
      // h'/t exactly 30: 29.0625 ft·12 = 348.75 in over 11.625 in; crushing
      // load at the top: code 7, not 6.
      {With(kCrushed, 20, 29.0625f), 7},
      // The 8 in wall under that roof: Pu = 42400 lb > C = 21157 lb (231 psi
      // over its section, before its axial stress reaches 0.20·f'm), no steel
      // is permitted anywhere: flexure, code 2.
      {{.H = 12, .D = 30000, .L = 4000, .wind = 20}, 2},
      // h'/t = 229.5/7.625 = 30.1; the base of combination 1 (the first
      // station evaluated) has Pu = 1.2·(5000 + 80·19.125) + 1.6·500 = 8636 lb,
      // fa = 94.4 psi >= 75.
      {{.H = 19.125f, .D = 5000, .L = 500, .e = 2, .wind = 20}, 6},
      // Category D stack bond allows 24 in; a 60 in unit steps by 30 in.
      {{.H = 12, .wind = 20, .category = "Category D", .running = false, .unitLength = 60}, 8},
      // 8 in partially grouted CMU, 22 ft pinned, 30 psf, no roof load (below).
      {{.H = 22, .ww = 80, .wind = 30, .solid = false}, 2},
      // The same at 28 psf designs.
      {{.H = 22, .ww = 80, .wind = 28, .solid = false}, 0},
  };
  // clang-format on
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(cases[i].second, Design(cases[i].first).code) << i;
}

TEST(StrengthFailureCodesTest, ProbeFlexureIsCheckedBeforeTheAxialLimit) {
  // The crushed 12 in wall (fa >= 0.20·f'm everywhere) under 1000 psf of
  // wind, only combination 2 selected. Its first station is the largest
  // positive moment, near mid-height: Mu ≈ 1.6·1000·12²/8 = 28800 ft-lb with
  // P-delta, which no probe can carry below As,max. The governing search
  // gives up in flexure (code 2) before the axial limit of the probe is
  // looked at. Without the wind only the axial limit fails: code 7.
  EXPECT_EQ(2, DesignSelected(With(kCrushed, 1000), {0, 1, 0, 0, 0}, true).code);
  EXPECT_EQ(7, DesignSelected(kCrushed, {1, 0, 0, 0, 0}, true).code);
}

TEST(StrengthFailureCodesTest, EveryBarGivenUpIsCode2) {
  // 8 in partially grouted CMU, 22 ft pinned, 30 psf, no roof load. The
  // governing search finds its forces (a probe supplies the steel), but the
  // only reinforcement that passes flexure (#5 at 16 in, As = 0.2325 in²)
  // deflects beyond 0.007·264 = 1.848 in under service loads (at 28 psf it
  // deflects 1.796 in and designs), and every closer spacing exceeds
  // As,max: each bar is given up in flexure at the end of its search.
  const Designed d = Design({.H = 22, .ww = 80, .wind = 30, .solid = false});
  EXPECT_NE(0, d.results.GovCombo[0]);
  for (float s : d.results.BarSpacing[0]) EXPECT_EQ(0.0f, s);
  EXPECT_GT(d.results.BarPhiMn[0][Bar("#5")], 0.0f);  // #5 passed flexure somewhere
}

TEST(StrengthFailureCodesTest, HeightRatioOfThirtyKeepsTheStockyLimit) {
  // The h'/t = 30 wall with a heavier roof (7000 D / 500 L at 2 in) designs.
  // The roof couple governs at the top, combination 1:
  // Mu = −(1.2·7000 + 1.6·500)·2/12 = −1533.3 ft-lb with Pu = 9200 lb,
  // fa = 9200/(12·7.625) = 100.5 psi: above 0.05 f'm, below 0.20 f'm, allowed
  // because h'/t is not above 30.
  const Designed d = Design({.H = 19.0625f, .D = 7000, .L = 500, .e = 2, .wind = 20});
  EXPECT_EQ(0, d.code);
  EXPECT_FLOAT_EQ(30.0f, d.results.SlendernessRatio[0]);
  EXPECT_FLOAT_EQ(300.0f, d.results.AxialLimit[0]);
  EXPECT_NEAR(-1533.33, d.results.GovMoment[0], 0.01);
  EXPECT_NEAR(9200.0, d.results.GovAxial[0], 0.01);
  EXPECT_NEAR(100.546, d.results.AxialStress[0], 1e-3);
}

TEST(StrengthFailureCodesTest, NoApplicableCombinationIsCode10) {
  // Only the wind combinations are selected, and there is no wind: the
  // per-part filter leaves nothing; the engineer's selection is back.
  Designed d = DesignSelected({.H = 12, .D = 500, .e = 2}, {0, 1, 0, 1, 0}, true);
  EXPECT_EQ(10, d.code);
  EXPECT_EQ((Selection{0, 1, 0, 1, 0}), d.problem.entry.LoadCombSelected);
  // The parapet carries no wind (no rows) and no seismic load (Ss = 0), so
  // none of the selected combinations 2-5 applies to it; combination 1 is
  // off. The main wall has its seismic minimum and designs; pass 2 keeps its
  // results.
  d = DesignSelected({.H = 14, .Hp = 3, .Tp = 8, .cp = 3.8125f, .D = 500, .e = 2}, {0, 1, 1, 1, 1},
                     true, kParapet);
  EXPECT_EQ(10, d.code);
  EXPECT_NE(0.0f, d.results.BarSpacing[0][Bar("#5")]);
}

// Stack bond in seismic design category D allows bars at most 24 in apart;
// on a 16 in spacing module that is exactly one module, and the design
// searches from s = 16 in rather than giving up (code 10).
TEST(StrengthDesignTest, OneModuleWithinTheLargestSpacingIsASpacing) {
  const Designed d = Design({.H = 12, .category = "Category D", .running = false, .module = 16});
  EXPECT_EQ(0, d.code);
  EXPECT_EQ(16.0f, d.results.BarSpacing[0][Bar("#4")]);
}

TEST(StrengthDesignTest, ParapetWithoutMomentUsesThePositiveDepthAndTheMinimumSteel) {
  // A 12 in parapet (t = 11.625 in) with its bar near the back face,
  // d = 10.5 in, d' = 11.625 − 10.5 = 1.125 in, and no lateral load: only
  // combination 1 applies and its moment is zero throughout. With d' the
  // maximum steel, 12·1.125·(0.512·1500/60000)·(55769/115769) − Pu/75000
  // = 0.0832 − 0.0046 = 0.079 in² (Pu = 1.2·80·3 = 288 lb), would lie below
  // the minimum 0.0007·12·11.625 = 0.09765 in²; with d = 10.5 in the block
  // of the limit state reaches ab = 0.8·72500·10.5/150500 = 4.0465 in and
  // As,max = (1200·12·4.0465 − 288)/75000 = 0.7731 in².
  // The minimum steel governs: #4 needs 0.20·12/s > 0.09765, s < 24.58:
  // 24 in; #3 needs s < 13.52: 8 in.
  const Designed d = Design({.H = 14, .Hp = 3, .Tp = 12, .cp = 10.5f, .D = 500, .e = 2});
  ASSERT_EQ(0, d.code);
  const StrengthResults& r = d.results;
  EXPECT_EQ(0.0f, r.GovMoment[1]);
  EXPECT_EQ(1, r.GovCombo[1]);
  EXPECT_FLOAT_EQ(10.5f, r.DesignDepth[1]);
  EXPECT_NEAR(0.09765, r.MinSteelArea[1], 1e-6);
  EXPECT_EQ(24.0f, r.BarSpacing[1][Bar("#4")]);
  EXPECT_EQ(8.0f, r.BarSpacing[1][Bar("#3")]);
  EXPECT_NEAR(0.7731, r.BarAsMax[1][Bar("#4")], 1e-4);
  EXPECT_NEAR(0.09765, r.BarAsReq[1][Bar("#4")], 1e-6);
}

// --- Worked example ---------------------------------------------------------------

TEST(StrengthWorkedExampleTest, NumberFiveAtTwentyFourPassesWithPDeltaCountedOnce) {
  const Designed d = Design(kWorked);
  ASSERT_EQ(0, d.code);
  const StrengthResults& r = d.results;
  // Combination 2 at mid-height (station 5, y = 9 ft):
  //   wind 1.6·20·9·(18 − 9)/2 = 1296; roof couples 300·3/12 = 75 and
  //   200·3/12 = 50 ft-lb at the top, −(1.2·75 + 0.5·50)·9/18 = −57.5:
  //   Mu = 1238.5 ft-lb "based on statics".
  //   Pu = 1.2·(300 + 60·9) + 0.5·200 = 1108 lb.
  // Combination 4 has the larger first-order moment (1262.2) but the smaller
  // axial load; its P-delta moment is the smaller one.
  EXPECT_NEAR(1238.5, r.GovMoment[0], 0.01);
  EXPECT_NEAR(1108.0, r.GovAxial[0], 0.01);
  EXPECT_EQ(2, r.GovCombo[0]);
  EXPECT_EQ(5, r.GovStation[0]);
  // Top reaction of combination 2: −(1.6·20·18/2 + (1.2·75 + 0.5·50)/18) = −294.39.
  EXPECT_NEAR(-294.389, r.GovShear[0], 0.01);
  EXPECT_EQ(2, r.GovShearCombo[0]);
  // #5 at 24 in: As = 0.155 in², a = (9300 + 1108)/15300 = 0.680261,
  // øMn = 0.8·10408·(2.8125 − 0.340131)/12 = 1715.49 ft-lb; Mu with P-delta
  // once = 1413.89 ft-lb (≈ 14 % above the first-order moment).
  const size_t i = Bar("#5");
  EXPECT_EQ(24.0f, r.BarSpacing[0][i]);
  EXPECT_NEAR(1715.49, r.BarPhiMn[0][i], 0.05);
  EXPECT_NEAR(1413.89, r.BarMu[0][i], 0.5);
  // Service deflection well inside 0.007·216 = 1.512 in.
  EXPECT_NEAR(0.1822, r.BarDeltaServ[0][i], 0.002);
  EXPECT_NEAR(1.512f, r.AllowServiceDeflection[0], 1e-4);
  // The design amplifies the first-order moment once; amplifying the
  // amplified moment again (P-delta counted twice) would put Mu another
  // 14 % higher.
  const float Mcr = r.BarCrackingMoment[0][i], Ig = r.BarGrossInertia[0][i];
  const float Icr = r.BarCrackedInertia[0][i], delta = d.analysis.FactoredDeflection[0][1][5];
  const PDeltaResult once =
      PDeltaSupported(d.problem, r.GovMoment[0], r.GovAxial[0], delta, 5, Mcr, Ig, Icr);
  const PDeltaResult twice =
      PDeltaSupported(d.problem, once.Mu, r.GovAxial[0], delta, 5, Mcr, Ig, Icr);
  EXPECT_FLOAT_EQ(r.BarMu[0][i], once.Mu);
  EXPECT_GT(twice.Mu / once.Mu, 1.12f);
}

// --- Realistic walls ----------------------------------------------------------------

// The walls; their expected values, from the script at the end of this file,
// are in tests/data/design/strength_walls.txt, with hand checks of the
// governing forces here.
// clang-format off
const std::map<std::string, WallData> kWalls = {
    // A: 8 in solid CMU, pinned, 20 ft, 25 psf, roof 400 D / 250 L at 4 in.
    // Combination 2 at y = 10: 1.6·25·10·10/2 − (1.2·133.33 + 0.5·83.33)·10/20
    //   = 2000 − 100.83 = 1899.17; Pu = 1.2·(400 + 800) + 0.5·250 = 1565.
    // Top reaction: −(1.6·25·20/2 + (1.2·133.33 + 0.5·83.33)/20) = −410.08.
    {"A", {.H = 20, .ww = 80, .D = 400, .L = 250, .e = 4, .wind = 25}},
    // B: 12 in partially grouted CMU (1.5 in shells), fixed base, 24 ft,
    // 30 psf, roof 600 D / 300 L at 5 in, category C (48 in).
    // Combination 4 at the base: the fixed-end moment −1.6·30·24²/8 = −3456
    // and half the roof couple 600·5/12 = 250 carried over, 0.9·125:
    // −3343.5; the support does not move, so the P-delta adds nothing.
    // Pu = 0.9·(600 + 55·24) = 1728. Base shear 1.6·5·30·24/8 = 720 plus
    // 0.9·(−250 − 125)/24 = −14.06: 705.94.
    {"B", {.H = 24, .T = 12, .c = 5.8125f, .ww = 55, .D = 600, .L = 300, .e = 5, .wind = 30,
           .ts = 1.5f, .solid = false, .support = "Fixed", .percent = 100, .category = "Category C"}},
    // C: 8 in solid clay, f'm = 2500, Em = 1750, n = 16.57, 50 % fixed,
    // 16 ft, 30 psf, roof 300 D / 150 L at 3 in. The largest moment moves
    // above mid-height: combination 4 at station 4 (y = 9.6 ft):
    // 1.6·[30·9.6·6.4/2 − 0.5·960·6.4/16] − 0.9·75·9.6/16 + 0.9·0.5·0.5·75·6.4/16
    //   = 1.6·729.6 − 40.5 + 6.75 = 1133.61; Pu = 0.9·(300 + 75·6.4) = 702.
    {"C", {.H = 16, .ww = 75, .D = 300, .L = 150, .e = 3, .wind = 30, .fm = 2500, .Em = 1750,
           .n = 16.57f, .material = "Clay", .support = "Partially Fixed", .percent = 50}},
    // D: 8 in partially grouted CMU cantilever (site wall), 10 ft, 20 psf.
    // Base: −1.6·20·10²/2 = −1600 ft-lb, Pu = 0.9·45·10 = 405, Vu = 1.6·200 = 320.
    // #9 is above As,max at every spacing: at 72 in (bEff = 8, b' = 1.333)
    // (1200·(1.25·8 + 0.219269·1.333) − 405)/75000 = 0.1593 < 0.1667 in²,
    // and closer spacings add steel faster than the flange widens.
    {"D", {.H = 10, .ww = 45, .wind = 20, .solid = false, .cantilever = true, .support = "Fixed",
           .percent = 100}},
    // E: 8 in solid CMU, 14 ft pinned, 3 ft 8 in parapet, 30 psf over both,
    // roof 500 D / 300 L at 2 in. Main wall, combination 4 at y = 7:
    // 1.6·(30·7·7/2 − 135·7/14) − 0.9·83.33·0.5 = 1.6·667.5 − 37.5 = 1030.5
    // (the parapet's base moment −30·3²/2 = −135 acts at the top);
    // Pu = 0.9·(500 + 80·(17 − 7)) = 1170.
    // Parapet: base −1.6·30·3²/2 = −216 ft-lb; combination 2 (1.2D,
    // Pu = 1.2·80·3 = 288) and 4 (0.9D) have the same moment; the larger
    // axial load gives the larger P-delta moment. Vu = 1.6·90 = 144 in both
    // (ties of shear keep the last, 4).
    {"E-wall", kWallE}, {"E-parapet", kWallE},
    // F: 12 in partially grouted clay (1.5 in shells), f'm = 2000, Em = 1400,
    // n = 20.71, pinned, 22 ft, 25 psf, roof 800 D / 400 L at 4 in, with
    // Mcr = (fr + P/Ae)·S. Combination 4 at y = 11:
    // 1.6·25·11·11/2 − 0.9·266.67·0.5 = 2420 − 120 = 2300; Pu = 0.9·(800 + 770) = 1413.
    {"F", {.H = 22, .T = 12, .c = 5.8125f, .ww = 70, .D = 800, .L = 400, .e = 4, .wind = 25,
           .fm = 2000, .Em = 1400, .n = 20.71f, .ts = 1.5f, .solid = false, .material = "Clay",
           .axialMcr = true}},
};
// clang-format on

TEST(StrengthRealisticWallsTest, GoverningForcesSpacingsAndDeflections) {
  const auto table = testing::ReadDesignTable("strength_walls.txt");
  ASSERT_EQ(kWalls.size(), table.size());
  for (const auto& [name, row] : table) {
    SCOPED_TRACE(name);
    const std::vector<double>& x = row.v;  // part, forces, then 7 bars of 5
    ASSERT_EQ(7u + 7 * 5, x.size());
    const Designed d = Design(kWalls.at(name), static_cast<int>(x[0]));
    ASSERT_EQ(0, d.code);
    const StrengthResults& r = d.results;
    const size_t p = PartIndex(static_cast<int>(x[0]));
    EXPECT_NEAR(x[1], r.GovMoment[p], 0.02);
    EXPECT_NEAR(x[2], r.GovAxial[p], 0.02);
    EXPECT_NEAR(x[3], r.GovShear[p], 0.02);
    EXPECT_EQ(x[4], r.GovCombo[p]);
    EXPECT_EQ(x[5], r.GovStation[p]);
    EXPECT_EQ(x[6], r.GovShearCombo[p]);
    for (size_t i = 0; i < 7; ++i) {
      SCOPED_TRACE(i + 3);
      const double* b = &x[7 + 5 * i];  // spacing, Mu, delta ult., delta serv., phi Mn
      EXPECT_EQ(b[0], r.BarSpacing[p][i]);
      if (b[0] == 0) continue;
      // Deflections: closed-form beam deflections against the analysis's
      // moment-area curves on 40 pieces (a few tenths of a percent).
      EXPECT_NEAR(b[1], r.BarMu[p][i], 0.002 * b[1] + 0.05);
      EXPECT_NEAR(b[2], r.BarDeltaUlt[p][i], 0.01 * b[2] + 2e-4);
      EXPECT_NEAR(b[3], r.BarDeltaServ[p][i], 0.01 * b[3] + 2e-4);
      EXPECT_NEAR(b[4], r.BarPhiMn[p][i], 0.0005 * b[4]);
      EXPECT_LE(r.BarDeltaServ[p][i], r.AllowServiceDeflection[p]);
      EXPECT_GT(r.BarPhiVn[p][i], std::fabs(r.GovShear[p]));
    }
    EXPECT_EQ((Selection{1, 1, 1, 1, 1}), d.problem.entry.LoadCombSelected);
  }
}

// --- Behaviour of the search ------------------------------------------------------

TEST(StrengthGoverningForcesTest, WallWithoutMomentStillHasAGoverningStation) {
  // An axially loaded wall with no lateral load and no eccentricity, designed
  // for combination 1 only: every factored moment is zero, and so is the
  // P-delta moment at the supports. The search starts below zero, so the
  // first station evaluated governs: the positive-moment scan from the base
  // keeps the base (0 > −0.01).
  const Designed d = DesignSelected({.H = 12, .D = 2000, .L = 500}, {1, 0, 0, 0, 0}, true);
  ASSERT_EQ(0, d.code);
  const StrengthResults& r = d.results;
  EXPECT_EQ(1, r.GovCombo[0]);
  EXPECT_EQ(10, r.GovStation[0]);
  EXPECT_EQ(0.0f, r.GovMoment[0]);
  // Pu at the base: 1.2·(2000 + 80·12) + 1.6·500 = 4352 lb (fa = 47.6 psi).
  EXPECT_NEAR(4352.0, r.GovAxial[0], 0.1);
  // Nothing to bend, but the maximum steel still holds. At 72 in the flange
  // of one bar, min(72, 6·8) = 48 in, gives bEff = 12·48/72 = 8 in, and with
  // ab = 1.469269 in: As,max = (1200·8·1.469269 − 4352)/75000 = 0.130040 in².
  //   #9 at 72 in: 1.00·12/72 = 0.1667 in², too much at every spacing (at
  //      56 in bEff = 10.29 in, As,max = 0.1838 < 0.2143): given up;
  //   #8 at 72 in: 0.79·12/72 = 0.1317 in², too much; at 64 in bEff = 9 in,
  //      As,max = (1200·9·1.469269 − 4352)/75000 = 0.153548 > 0.148125: 64 in;
  //   #7 at 72 in: 0.60·12/72 = 0.1000 in² < 0.130040: 72 in.
  EXPECT_EQ(0.0f, r.BarSpacing[0][Bar("#9")]);
  EXPECT_EQ(64.0f, r.BarSpacing[0][Bar("#8")]);
  EXPECT_NEAR(0.153548, r.BarAsMax[0][Bar("#8")], 2e-6);
  EXPECT_EQ(72.0f, r.BarSpacing[0][Bar("#7")]);
  EXPECT_NEAR(0.130040, r.BarAsMax[0][Bar("#7")], 2e-6);
  EXPECT_EQ(0.0f, r.BarDeltaServ[0][Bar("#7")]);
}

TEST(StrengthGoverningForcesTest, ShearIsSearchedOverEveryCombination) {
  // The shear search takes all five combinations, also those the per-part
  // filter has switched off. Wall A, analysed with every combination, then
  // only combination 1 left on: the shear still comes from combination 2.
  // Its top shear: 1.6·(25·20/2 − 25·20) − (1.2·400 + 0.5·250)·4/12/20
  //   = −400 − 10.0833 = −410.0833 lb
  // (combination 4: 1.6·(−250) − 0.9·400·4/12/20 = −406; combination 1 only
  // −(1.2·400 + 1.6·250)·4/12/20 = −14.67).
  Problem p = MakeWall({.H = 20, .ww = 80, .D = 400, .L = 250, .e = 4, .wind = 25});
  const AnalysisResults a = AnalyseLoads(p);
  p.entry.LoadCombSelected = {1, 0, 0, 0, 0};
  int16_t code = -1;
  const GoverningForces g = FindGoverningForces(p, a, kMainWall, code);
  ASSERT_EQ(0, code);
  EXPECT_EQ(1, g.Combo);
  EXPECT_EQ(2, g.ShearCombo);
  EXPECT_NEAR(-410.0833, g.Shear, 1e-3);
}

TEST(StrengthDesignTest, ServiceDeflectionOfEveryCombinationIsChecked) {
  // The slender wall that fails on deflection under wind (code 4 above),
  // analysed with every combination and then designed with the wind
  // combinations switched off: the governing forces come from the seismic
  // combinations, but the service deflections of all five combinations are
  // still checked. The seismic moment (10 % of 60 psf: 1.0·6·20²/8 = 300
  // ft-lb at mid-height) alone would pass with the largest bar; the wind
  // deflections still fail at every spacing: code 4 again.
  const Designed d = DesignSelected(
      {.H = 20, .T = 6, .c = 2.8125f, .ww = 60, .wind = 18, .ts = 1.0f, .solid = false},
      {1, 0, 1, 0, 1}, false);
  EXPECT_EQ(3, d.results.GovCombo[0]);
  EXPECT_NEAR(300.0, d.results.GovMoment[0], 0.01);
  EXPECT_EQ(4, d.code);
}

TEST(StrengthGoverningForcesTest, RecordsTheFirstOrderMomentWithItsSign) {
  // Cantilever D: the base moment is negative and is kept so, with the
  // negative-moment depth d' = 7.625 − 3.8125.
  const Designed d = Design(kWalls.at("D"));
  ASSERT_EQ(0, d.code);
  EXPECT_FLOAT_EQ(-1600.0f, d.results.GovMoment[0]);
  EXPECT_GT(d.results.GovProbeMu[0], 1600.0f);  // the probe's P-delta moment chose it
  EXPECT_FLOAT_EQ(3.8125f, d.results.DesignDepth[0]);
}

TEST(StrengthDesignTest, PassOneClearsTheParapet) {
  Designed d = Design(kWallE, 2);
  ASSERT_EQ(0, d.code);
  StrengthDesign(d.problem, d.analysis, d.results, d.code, 1);
  EXPECT_EQ(0.0f, d.results.BarSpacing[1][Bar("#5")]);
  EXPECT_EQ(0, d.results.GovCombo[1]);
}

}  // namespace
}  // namespace calvix

// The independent script (Python 3). Statics and deflections in closed form:
// for a span pinned at the top with base fixity f, per load group a uniform
// load q and a top end moment Mt (roof couple −P·e/12, or the parapet's base
// moment):
//   FEM = q·H²/8 + Mt/2,   M0 = −f·FEM (base moment)
//   M(y) = q·y·(H − y)/2 + Mt·y/H + M0·(H − y)/H,   V = dM/dy
//   δ(y)·EI/1728 = q·y·(H³ − 2Hy² + y³)/24 + Mt·y·(H² − y²)/(6H)
//                  + M0·y·(H − y)·(2H − y)/(6H)
// a concentrated load P at height a of a pinned span: M = P·b·y/H (y <= a),
// δ = P·b·y·(H² − b² − y²)/(6H) (b = H − a); cantilever: M = −q·(L − x)²/2 − C,
// δ·EI/1728 = q·x²·(6L² − 4Lx + x²)/24 + C·x²/2. The combinations, the
// extremes scan, the probe walk, the P-delta rule (δ0 = |δ|·Ib/Ig, cracked
// beyond Mcr, 1 % convergence), As,max, As,req (bisection on øMn) and the
// spacing search follow the rules of the strength design:
//
//   def block(w, t, be, bp, d, As, P):          # bisection on the force balance
//       k = .85
//       def r(x):
//           Cf = min(x, w.ts) * be * k * w.fm
//           Cw = max(x - w.ts, 0) * bp * k * w.fm - (As * k * w.fm if x > d else 0)
//           c = x / k
//           fs = max(-w.fy, min(w.fy, w.Es * .0025 * w.m * (d - c) / c))
//           return Cf + Cw - P - As * fs, Cf, Cw
//       lo, hi = .001, t - .001
//       if r(hi)[0] < 0 or r(lo)[0] > 0: return None
//       for _ in range(200):
//           mid = (lo + hi) / 2
//           if r(mid)[0] > 0: hi = mid
//           else: lo = mid
//       x = (lo + hi) / 2; return x, r(x)[1], r(x)[2]
//
//   def phiMn(w, t, be, bp, d, As, P):
//       a, Cf, Cw = block(...)
//       Mn = ((d - w.ts/2)*Cf + (d - w.ts - (a - w.ts)/2)*Cw if a > w.ts
//             else (d - a/2)*Cf) - (d - t/2)*P
//       return .8 * Mn / 12
//
//   def asmax(w, be, bp, d, P):               # the block carries P first
//       ab = .8*d*72500*w.m/(72500*w.m + 1.3*w.fy)
//       C = .8*w.fm*(ab*be if ab <= w.ts else w.ts*be + (ab - w.ts)*bp)
//       return max((C - P)/(1.25*w.fy), 0.)
//
//   def pdelta(M, P, Wt, d0, dm0, Mcr, Ig, Icr, Ib, floor, cant, length, station):
//       if not cant and station in (0, 10): return abs(M), 0.
//       M = max(abs(M), floor); d0 = max(abs(d0)*Ib/Ig, 1e-6); dm0 = max(abs(dm0)*Ib/Ig, 1e-6)
//       dcr = d0*Mcr/M; dl = d0 if M <= Mcr else dcr + (d0 - dcr)*Ig/Icr
//       dm = dm0*dl/d0; prev = dl
//       while True:
//           Mu = M + P*prev/12 + (Wt*dm/12 if cant else 0)
//           lin = Mu*d0/M; new = lin if Mu <= Mcr else dcr + (lin - dcr)*Ig/Icr
//           if abs(new - prev)*100/new < 1.0: return Mu, new
//           if cant: dm *= new/prev
//           prev = new
//
//   Per bar, from s0 down by one module: flexure passes when
//   As > As0, As < As,max and øMn(As) >= |Mu| (Mu = P-delta of the first-order
//   governing moment with this bar's section); then the service deflection
//   of each of the five combinations at its candidate stations must stay
//   within 0.007·h', and øVn = 0.6·4·√f'm·Ae must exceed |Vu|.
