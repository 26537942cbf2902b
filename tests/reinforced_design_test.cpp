// Working-stress design of reinforced walls: the governing combinations, the
// eccentricity zones, the bar and spacing search with its failure codes, and a
// set of realistic walls solved through the load analysis and checked against
// values worked out independently (statics by hand; the spacing search and the
// 100-point curve by a separate short script following the same rules, whose
// key numbers are quoted in the comments).
//
// The walls are those of tests/support/design_walls.h under ACI 530-99 (or
// IBC 2000 working stress where a wall says so), partially grouted unless
// stated: 8 in hollow concrete block, type S mortar, 1900 psi units: f'm
// 1500, Fb 500, Fv 38.73, Em 1350 ksi, n 21.48; 16 in units, 8 in module;
// 12 in strip; allowables × 4/3 for wind and seismic; minimum steel 0.0007.
#include "design/reinforced_design.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/design_walls.h"

namespace calvix {
namespace {

using testing::Brick;
using testing::Clay8;
using testing::Cmu12;
using testing::MakeWall;
using testing::WallData;
using Designed = testing::Designed<ReinforcedResults>;
using Spacings = std::vector<float>;
using Selection = std::array<int16_t, kLoadCombinationCount>;
constexpr std::size_t kWall = 0;

void ExpectNear(double expected, float actual, double relative = 1e-5) {
  EXPECT_NEAR(expected, actual, std::abs(expected) * relative + 1e-5);
}

Designed Design(const WallData& w, int lastPass = 1) {
  return testing::DesignWall<ReinforcedResults>(MakeWall(w), DesignReinforcedWall, lastPass);
}

// A partially grouted working-stress wall of 8 in concrete block.
constexpr WallData Ws(WallData w) {
  w.method = w.method == std::string_view("IBC-S") ? "ACI" : w.method;
  return w;
}

// --- eccentricity zones ---

TEST(EccentricityZoneTest, BoundariesBelongToTheZoneAbove) {
  // t = 7.5: t/6 = 1.25; d = 3.75: 2d/3 = 2.5 (both exact in single precision).
  EXPECT_EQ(EccentricityZone::A, ClassifyEccentricity(1.2499999f, 7.5f, 3.75f));
  EXPECT_EQ(EccentricityZone::B, ClassifyEccentricity(1.25f, 7.5f, 3.75f));
  EXPECT_EQ(EccentricityZone::B, ClassifyEccentricity(2.4999998f, 7.5f, 3.75f));
  EXPECT_EQ(EccentricityZone::C, ClassifyEccentricity(2.5f, 7.5f, 3.75f));
  // t = 7.625: t/6 in single precision is itself the boundary.
  EXPECT_EQ(EccentricityZone::B, ClassifyEccentricity(7.625f / 6.0f, 7.625f, 3.8125f));
}

TEST(EccentricityZoneTest, NoteLines) {
  const auto lines = [](EccentricityZone z) {
    return ZoneNoteLines(z)[0] + "|" + ZoneNoteLines(z)[1];
  };
  EXPECT_EQ(lines(EccentricityZone::A),
            "NOTE: Max. moment is located in Zone A, (e < t/6)|"
            "      Wall is uncracked, steel is stressed in compression.");
  EXPECT_EQ(lines(EccentricityZone::B),
            "NOTE: Max. moment is located in Zone B, (t/6 < e < 2d/3)|"
            "      Wall is cracked, steel is stressed in compression.");
  EXPECT_EQ(lines(EccentricityZone::C),
            "NOTE: Max. moment is located in Zone C, (e > 2d/3)|"
            "      Wall is cracked, steel is stressed in tension.");
}

// Combination tables made by hand for the governing-combination rules: an
// 8 in clay wall (t = 7.5, d = d' = 3.75), 10 ft, only combination 1
// selected unless a test says otherwise.
class CraftedLoadsTest : public ::testing::Test {
 protected:
  // Positive moment and its axial load, negative moment and its axial load,
  // shear, axial load at the base.
  void Set(int k, std::array<float, 6> v) {
    const auto ks = static_cast<std::size_t>(k - 1);
    analysis.CombMaxPosMoment[kWall][ks] = v[0];
    analysis.CombAxialAtPosMoment[kWall][ks] = v[1];
    analysis.CombMaxNegMoment[kWall][ks] = v[2];
    analysis.CombAxialAtNegMoment[kWall][ks] = v[3];
    analysis.CombMaxShear[kWall][ks] = v[4];
    analysis.CombAxial[kWall][ks][10] = v[5];
  }
  void Govern() {
    FindGoverningCombination(problem, analysis, results, 120.0f, 7.5f, 3.75f, 3.75f, code,
                             kMainWall);
  }
  void DesignIt() { DesignReinforcedWall(problem, analysis, results, code, 1); }

  Problem problem = [] {
    Problem p = MakeWall(Clay8(Ws({.H = 10, .c = 3.75f, .solid = false})));
    p.entry.LoadCombSelected = {1, 0, 0, 0, 0};
    return p;
  }();
  AnalysisResults analysis;
  ReinforcedResults results;
  int16_t code = -1;
};

TEST_F(CraftedLoadsTest, EqualMomentRatiosKeepTheEarlierAndEqualShearRatiosTakeTheLater) {
  // Combinations 1 and 2 carry identical loads and the same allowables (no
  // stress increase): their moment ratios and their shear ratios are equal.
  problem.entry.StressIncreaseFactor = 1.0f;
  problem.entry.LoadCombSelected = {1, 1, 0, 0, 0};
  Set(1, {300, 800, -50, 900, 120, 1000});
  Set(2, {300, 800, -50, 900, 120, 1000});
  Govern();
  EXPECT_EQ(0, code);
  EXPECT_EQ(1, results.GovCombo[kWall]);
  EXPECT_FLOAT_EQ(300.0f, results.GovMoment[kWall]);
  EXPECT_FLOAT_EQ(800.0f, results.GovAxial[kWall]);
  EXPECT_EQ(2, results.GovShearCombo[kWall]);
  EXPECT_FLOAT_EQ(120.0f, results.GovShear[kWall]);
  // A slightly larger moment in combination 2 takes over; a slightly smaller
  // shear in combination 2 leaves the shear with combination 1.
  Set(2, {300.5f, 800, -50, 900, 119.5f, 1000});
  Govern();
  EXPECT_EQ(2, results.GovCombo[kWall]);
  EXPECT_EQ(1, results.GovShearCombo[kWall]);
}

TEST_F(CraftedLoadsTest, NegativeMomentGovernsWhenItsRatioIsLarger) {
  // Same axial load on both sides: the larger moment magnitude governs, with
  // its sign.
  Set(1, {100, 800, -400, 800, 50, 1000});
  Govern();
  EXPECT_EQ(0, code);
  EXPECT_FLOAT_EQ(-400.0f, results.GovMoment[kWall]);
  // No selected combination at all: code 10.
  problem.entry.LoadCombSelected = {0, 0, 0, 0, 0};
  Govern();
  EXPECT_EQ(kFailNoCombination, code);
}

TEST_F(CraftedLoadsTest, EccentricityOfExactlyTSixthIsZoneB) {
  // Ms = 125 ft-lb at Ps = 1200 lb: e = 125/1200 x 12 = 1.25 in = t/6 exactly
  // (7.5/6). 2d/3 = 2.5, so zone B.
  Set(1, {125, 1200, 0, 1200, 40, 1300});
  DesignIt();
  EXPECT_EQ(0, code);
  EXPECT_FLOAT_EQ(1.25f, results.Eccentricity[kWall]);
  EXPECT_EQ(EccentricityZone::B, results.Zone[kWall]);
  EXPECT_EQ(ZoneNoteLines(EccentricityZone::B), results.ZoneNote[kWall]);
}

TEST_F(CraftedLoadsTest, NoAxialLoadIsEccentricity999InZoneC) {
  Set(1, {300, 0, 0, 0, 100, 0});
  DesignIt();
  EXPECT_EQ(0, code);
  EXPECT_FLOAT_EQ(999.0f, results.Eccentricity[kWall]);
  EXPECT_EQ(EccentricityZone::C, results.Zone[kWall]);
}

TEST_F(CraftedLoadsTest, AxialLoadAtTheMomentBeyondEveryCapacityIsCodeOne) {
  // At the moment's section the axial load is above Fa Ae at every spacing:
  // no allowable moment there, the reference spacing runs down from 48 in
  // and the design stops with code 1 instead of reading past the curve.
  Set(1, {100, 1.0e6f, 0, 0, 10, 0});
  DesignIt();
  EXPECT_EQ(kFailAxialStress, code);
}

// --- the spacing search on walls built through the load analysis ---

// An 8 in partially grouted CMU wall, 20 ft, pinned, 60 psf wind: Ms = 60 x
// 20^2/8 = 3000 ft-lb per foot, beyond any bar of the table.
WallData Overloaded(float unitLength = 16, float module = 0, const char* category = "Category A") {
  WallData w = Ws({.H = 20, .ww = 45, .D = 300, .L = 200, .wind = 60, .solid = false});
  w.unitLength = unitLength, w.module = module, w.category = category;
  return w;
}

TEST(ReinforcedSearchTest, CategoryCWithAnEightInchModule) {
  // Largest bar: 48, 40, 32, 24, 16, 8 in, and none works. Every smaller bar
  // then starts again at 8 in; none works either, so the design fails with
  // code 8 instead of reporting a bar table of "N/A".
  const Designed d = Design(Overloaded(16, 0, "Category C"));
  EXPECT_EQ(kFailNoSpacing, d.code);
  const auto& bars = d.results.Bars[kWall];
  EXPECT_EQ(Spacings({48, 40, 32, 24, 16, 8}), bars[6].SpacingsTried);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Spacings{8}, bars[std::size_t(i)].SpacingsTried) << i;
  for (float s : d.results.BarSpacing[kWall]) EXPECT_EQ(0.0f, s);
  EXPECT_FLOAT_EQ(3000.0f, d.results.GovMoment[kWall]);
}

TEST(ReinforcedSearchTest, ModuleSearchOrders) {
  // Category A allows 72 in. A 5 in module: 14 whole modules, 70 in; after
  // the largest bar gives up, the next starts at the largest multiple of 5 in
  // not above 8 in: 5 in (never at 8 in, which is no whole number of
  // modules). The starting spacing is floor(72 / module) whole modules and
  // the restart floor(8 / module), with no allowance for rounding:
  //   4.8 in module, stored as 4.80000019: 72 / 4.80000019 = 14.9999994, so 14
  //   modules = 67.2 in (15 would be 72.000003 in, above the 72 in maximum);
  //   8 / 4.80000019 = 1.67: the next bar restarts at 4.8 in.
  //   8/3 in module, stored as 2.66666675: 8 / 2.66666675 = 2.99999991, so
  //   the restart is 2 modules = 5.3333335 in (3 would be above 8 in), and
  //   72 / 2.66666675 = 26.9999997 starts the largest bar at 26 modules.
  const float third = 8.0f / 3.0f;
  const struct {
    float unit, module;
    std::size_t count;  // spacings the largest bar tries, from `first`
    float first;
    Spacings next;  // those of the next bar
  } cases[] = {{10, 5, 14, 70, {5}},
               {9.6f, 4.8f, 14, 67.2f, {4.8f}},
               {2 * third, third, 26, 26 * third, {2 * third, third}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.module);
    const Designed d = Design(Overloaded(c.unit, c.module));
    EXPECT_EQ(kFailNoSpacing, d.code);
    const auto& bars = d.results.Bars[kWall];
    ASSERT_EQ(c.count, bars[6].SpacingsTried.size());
    EXPECT_FLOAT_EQ(c.first, bars[6].SpacingsTried.front());
    EXPECT_FLOAT_EQ(c.module, bars[6].SpacingsTried.back());
    EXPECT_EQ(c.next, bars[5].SpacingsTried);
  }
}

TEST(ReinforcedSearchTest, FiveInchModuleFirstSpacingWorks) {
  // 12 ft, 25 psf: Ms = 25 x 144/8 = 450 ft-lb; the #9 works at the first
  // spacing tried, 70 in.
  WallData w = Ws({.H = 12, .ww = 45, .D = 300, .L = 200, .wind = 25, .solid = false});
  w.unitLength = 10;
  const Designed d = Design(w);
  EXPECT_EQ(0, d.code);
  EXPECT_EQ(Spacings{70}, d.results.Bars[kWall][6].SpacingsTried);
  EXPECT_EQ(70.0f, d.results.BarSpacing[kWall][6]);
}

TEST(ReinforcedSearchTest, MinimumSteelBeyondEveryModuleChecksAtOneModule) {
  // A minimum steel ratio of 0.05 (0.05 x 12 x 7.625 = 4.575 in^2) is met by
  // no spacing: the search walks down to one module and checks there.
  Problem p = MakeWall(Ws({.H = 12, .ww = 45, .D = 300, .wind = 20, .solid = false}));
  p.working.MinSteelRatio = 0.05f;
  const Designed d = testing::DesignWall<ReinforcedResults>(p, DesignReinforcedWall, 1);
  EXPECT_EQ(0, d.code);
  EXPECT_EQ(Spacings({72, 64, 56, 48, 40, 32, 24, 16, 8}), d.results.Bars[kWall][6].SpacingsTried);
  for (float s : d.results.BarSpacing[kWall]) EXPECT_EQ(8.0f, s);
  ExpectNear(4.575, d.results.MinSteelArea[kWall]);
}

TEST(ReinforcedSearchTest, NoWholeModuleIsCodeEight) {
  // Stack bond in Category D allows 24 in; 60 in units give a 30 in module,
  // so not even one module can be placed.
  WallData w = Ws({.H = 12, .wind = 20, .category = "Category D", .running = false});
  w.unitLength = 60;
  Designed d = Design(w);
  EXPECT_EQ(kFailNoSpacing, d.code);
  for (const BarDesign& bar : d.results.Bars[kWall]) EXPECT_TRUE(bar.SpacingsTried.empty());
  // Input validation keeps the module positive; should it ever be zero the
  // search has nothing to step by and stops at once.
  Problem p = MakeWall(Ws({.H = 12, .ww = 45, .wind = 20, .solid = false}));
  p.working.SpacingModule = 0.0f;
  d = testing::DesignWall<ReinforcedResults>(p, DesignReinforcedWall, 1);
  EXPECT_EQ(kFailNoSpacing, d.code);
}

TEST(ReinforcedSearchTest, TallHeavilyLoadedWallIsCodeOne) {
  // 20 ft wall with 20 kips per foot on it: even at 8 in (b' = 12, Ae = 91.5,
  // r = 2.2012, h'/r = 109.0, R = (70 x 2.2012/240)^2 = 0.4122, Fa = 154.56,
  // Fa Ae = 14142 lb) the strip cannot carry it: fa > Fa, code 1. With a 5 in
  // module the reference spacing runs 48, 43, ..., 3 in and stops just the
  // same.
  for (float unit : {16.0f, 10.0f}) {
    WallData w = Ws({.H = 20, .ww = 45, .D = 20000, .wind = 10, .solid = false});
    w.unitLength = unit;
    EXPECT_EQ(kFailAxialStress, Design(w).code) << unit;
  }
}

TEST(ReinforcedSearchTest, CombinationsTheFilterSwitchesOff) {
  // The engineer selected combinations 2 and 4 only; the wall carries its
  // weight and soil pressure but no wind rows, so the per-part filter switches
  // both off. The design fails with code 10 and the selection comes back.
  Problem p = MakeWall(Ws({.H = 12, .ww = 45, .solid = false, .efp = 30, .efpx = 4}));
  p.entry.LoadCombSelected = {0, 1, 0, 1, 0};
  Designed d = testing::DesignWall<ReinforcedResults>(p, DesignReinforcedWall, 1);
  EXPECT_EQ(kFailNoCombination, d.code);
  EXPECT_EQ((Selection{0, 1, 0, 1, 0}), d.problem.entry.LoadCombSelected);
  // A basement wall with soil pressure and a roof load but no wind rows and no
  // weight (so no seismic load): only combination 1 applies. Without the
  // stress increase, combination 2 would repeat combination 1 exactly (D + L)
  // and take the shear on the tie; switched off, it does not.
  d = Design(
      Ws({.H = 10, .ww = 0, .D = 200, .solid = false, .efp = 30, .efpx = 4, .stressIncrease = 1}));
  EXPECT_EQ(0, d.code);
  EXPECT_EQ(1, d.results.GovCombo[kWall]);
  EXPECT_EQ(1, d.results.GovShearCombo[kWall]);
  EXPECT_EQ((Selection{1, 1, 1, 1, 1}), d.problem.entry.LoadCombSelected);
}

// --- realistic walls ---

// W1. 8 in CMU, partially grouted, one layer at mid-depth (d = d' = 3.8125),
// 16 ft pinned, Category A; roof 300 plf dead + 200 plf live on the wall
// axis, wall 45 psf, wind 30 psf over the whole height.
//   Wind: M(y) = 30 y (16 - y)/2, largest at station 5 (y = 8): 960 ft-lb;
//   end shears +-240 lb. Seismic minimum 0.1 x 45 = 4.5 lb/ft (M 144).
//   Axial at y = 8: D = 300 + 45 x 8 = 660, L = 200; at the base D = 1020.
//   Moment ratios: combinations 2 (P = 860) and 4 (P = 660) carry the same
//   960 ft-lb; the smaller axial load of 4 allows less moment, so 4 governs.
//   Shear 240 ties in combinations 2 and 4: the later, 4, with the sign of
//   the top station, -240. Fv = 38.73 x 4/3 = 51.64.
//   h' = 192 in, h'/t = 192/7.625 = 25.180; e = 960/660 x 12 = 17.4545 in
//   (zone C, 2d/3 = 2.54).
//   #6 at 56 in (bf = 48): bEff = 12 x 48/56 = 10.285714, b' = 8 x 12/56 =
//   1.7142857, Ae = 5.125 x 1.7142857 + 2 x 10.285714 x 1.25 = 34.5,
//   Ig = 283.83956, r = 2.8683155, h'/r = 66.938, R = 1 - (66.938/140)^2 =
//   0.771391, Fa = 375 x R = 289.27178; fv = 240/(1.7142857 x 3.8125) =
//   36.72131. The curve (allowables x 4/3, As = 12 x 0.44/56 = 0.0942857)
//   has P(97) = 696.6887, M(97) = 1062.4656 and P(98) = 453.4532,
//   M(98) = 995.9128: Mallow(660) = 1052.4270 > 960. At 64 in
//   Mallow = 943.389 < 960, so 56 in it is. #4 at 72 in has As = 0.0333 <=
//   0.0007 x 12 x 7.625 = 0.06405 (minimum steel) down to 40 in.
// clang-format off
constexpr WallData kW1 = Ws({.H = 16, .ww = 45, .D = 300, .L = 200, .wind = 30, .solid = false});
// clang-format on

// W2. 12 in CMU, solid grouted, two layers 2.5 in from each face
// (d = d' = 11.625 - 2.5 = 9.125), 20 ft pinned with a 3 ft parapet of the
// same section, Category C (48 in), roof 800 + 400 plf, wall 130 psf, wind
// 35 psf from the base to the parapet top.
//   Parapet: base moment -35 x 3^2/2 = -157.5, shear 105, weight 390 lb.
//   Combinations 2 and 4 carry the same moment at the same axial load (the
//   roof load is below the parapet): equal ratios, the earlier (2) governs;
//   equal shears, the later (4). e = 157.5/390 x 12 = 4.846 in: zone B
//   (t/6 = 1.9375, 2d/3 = 6.083). h' = 2 x 36 = 72, h'/t = 6.1935.
//   Main wall: R = (35 x 20^2/2 - 157.5)/20 = 342.125; M(y) = 342.125 y -
//   17.5 y^2 is largest at station 5 (y = 10): 1671.25 ft-lb, with
//   P = 800 + 130 x (23 - 10) = 2490 (combination 4); top shear 342.125 -
//   700 = -357.875. e = 1671.25/2490 x 12 = 8.054 in (zone C).
//   Solid section: Ae = 11.625 x 12 = 139.5, Ig = 12 x 11.625^3/12 =
//   1571.0098, r = 3.35585; h' = 240, h'/r = 71.517, Fa = 500 x 0.739048 =
//   369.52367. fv = 357.875/(12 x 9.125) = 3.26826.
//   Minimum steel 0.0007 x 12 x 11.625 = 0.09765 in^2: #5 at 48 (0.0775) and
//   40 (0.093) are too little, 32 in (0.11625) works with Mallow 3700.72.
// clang-format off
constexpr WallData kW2 = Cmu12(Ws({.H = 20, .c = 2.5f, .Hp = 3, .Tp = 12, .cp = 2.5f, .ww = 130,
                                   .D = 800, .L = 400, .wind = 35, .category = "Category C",
                                   .twoLayers = true}));
// clang-format on

// W3. 8 in clay, partially grouted, one layer (d = d' = 3.75), 14 ft with a
// fixed base and pinned top, "IBC-W" factors (0.6 D + W), Category B
// (72 in, 6 in module); roof 500 + 300 plf at 3 in eccentricity, wall
// 40 psf, wind 45 psf.
//   Wind, propped span: fixed-end moment 45 x 14^2/8 = 1102.5, base shear
//   315 + 1102.5/14 = 393.75. Roof couples 500 x 3/12 = 125 (dead) and 75
//   (live), half carried to the fixed base: +62.5 and +37.5 at the base.
//   Combination 4 at the base: M = 0.6 x 62.5 - 1102.5 = -1065,
//   P = 0.6 x (500 + 40 x 14) = 636, V = 393.75 + 0.6 x (-125 - 62.5)/14 =
//   385.714 (combination 2 has -1002.5 at 1360 lb and 372.3 lb).
//   h' = 0.8 x 168 = 134.4, h'/t = 17.92; e = 1065/636 x 12 = 20.094 (C).
//   Shear governs the #9: fv = 385.714/(b' x 3.75) with b' = 6 x 12/s:
//   s = 72, 66, 60, 54, 48 give 102.9, 94.3, 85.7, 77.1, 68.6 >= 66.667;
//   42 in: b' = 1.7142857, fv = 60.0 < 66.667 and Mallow 2554.15 > 1065.
// clang-format off
constexpr WallData kW3 = Clay8({.H = 14, .c = 3.75f, .ww = 40, .D = 500, .L = 300, .e = 3,
                                .wind = 45, .solid = false, .support = "Fixed", .percent = 100,
                                .method = "IBC-W"});
// clang-format on

// W4. Two-wythe brick retaining wall, 10 in, solid grouted, cantilever 8 ft,
// 48 in strip, steel 3.625 in from the outside face (d = 3.625,
// d' = 6.375), Category D running bond (48 in, 2 in module); soil 45 pcf
// over the full height, wall 100 psf.
//   Soil on the strip 45 x 4 = 180 lb/ft^2 per ft: base moment
//   -180 x 8^3/6 = -15360, base shear 180 x 8^2/2 = 5760, axial 100 x 4 x 8 =
//   3200 (combination 1; combination 3 adds the seismic minimum 40 lb/ft but
//   has 4/3 allowables). Negative moment: dUse = d' = 6.375.
//   e = 15360/3200 x 12 = 57.6 (C); h' = 192, h'/t = 19.2; Fv = 50.
//   Solid: Ae = 480, Ig = 48 x 1000/12 = 4000, r = 2.88675, h'/r = 66.511,
//   Fa = 750 x 0.774302 = 580.72653; fv = 5760/(48 x 6.375) = 18.82353.
//   #9 at 38 in: As = 48/38 = 1.263158, P(98) = 4335.42, M(98) = 16060.59,
//   P(99) = 2117.98, M(99) = 15301.75: Mallow(3200) = 15672.03 > 15360; at
//   40 in Mallow = 14978.61. #3 at 4 in and #6 at 16 in have the same
//   1.32 in^2 and so the same 16294.44.
// clang-format off
constexpr WallData kW4 = Brick(Ws({.H = 8, .T = 10, .c = 3.625f, .ww = 100, .cantilever = true,
                                   .category = "Category D", .strip = 48, .efp = 45, .efpx = 8}));
// clang-format on

// W5. 8 in CMU, partially grouted, two layers 2 in from each face
// (d = d' = 5.625), 12 ft pinned with a 2.5 ft parapet, "IBC-W", Category D
// with Ss = 80 % (site class A: SDS = 2 x 0.8 x 0.8/3 = 0.42667; wall
// 0.4 x SDS x 45 = 7.68 lb/ft, parapet 1.2 x SDS x 45 = 23.04 lb/ft); roof
// 250 + 150 plf, wall 45 psf, wind 40 psf to the parapet top.
//   Parapet: wind moment -40 x 2.5^2/2 = -125, shear 100; combination 4
//   (0.6 D + W) has P = 0.6 x 45 x 2.5 = 67.5, less than combination 2
//   (112.5), so it governs; e = 125/67.5 x 12 = 22.22 (C); h'/t = 60/7.625.
//   Main wall: R = (40 x 144/2 - 125)/12 = 229.583; M(6) = 1377.5 - 720 =
//   657.5 at P = 0.6 x (250 + 45 x 8.5) = 379.5; top shear 229.583 - 480 =
//   -250.417; e = 20.79 (C).
//   #9 at 48 in: b' = 2, fv = 250.417/(2 x 5.625) = 22.2593; Ae = 40.25,
//   Ig = 331.14616, r = 2.86832, h'/r = 50.204, Fa = 375 x 0.871407 =
//   326.77788; P(98) = 610.029, M(98) = 2895.080, P(99) = 310.953,
//   M(99) = 2907.955: Mallow(379.5) = 2905.0045.
// clang-format off
constexpr WallData kW5 = {.H = 12, .c = 2, .Hp = 2.5f, .Tp = 8, .cp = 2, .ww = 45, .D = 250,
                          .L = 150, .wind = 40, .solid = false, .category = "Category D",
                          .twoLayers = true, .method = "IBC-W", .Ss = 80};
// clang-format on

TEST(RealisticWallTest, MatchesTheIndependentDesign) {
  // Expected values: tests/data/design/reinforced_walls.txt.
  const std::map<std::string, WallData> walls = {
      {"W1", kW1}, {"W2-wall", kW2}, {"W2-parapet", kW2}, {"W3", kW3},
      {"W4", kW4}, {"W5-wall", kW5}, {"W5-parapet", kW5}};
  const auto table = testing::ReadDesignTable("reinforced_walls.txt");
  ASSERT_EQ(walls.size(), table.size());
  for (const auto& [name, row] : table) {
    SCOPED_TRACE(name);
    const std::vector<double>& x = row.v;  // part, the governing values, 7 bars of 4
    const WallData& wall = walls.at(name);
    const Designed d = Design(wall, static_cast<int>(x[0]));
    ASSERT_EQ(0, d.code);
    const std::size_t q = PartIndex(static_cast<int>(x[0]));
    const ReinforcedResults& r = d.results;
    std::vector<double> got{
        x[0],
        r.GovMoment[q],
        r.GovAxial[q],
        1.0 * r.GovCombo[q],
        r.GovShear[q],
        1.0 * r.GovShearCombo[q],
        r.SlendernessRatio[q],
        r.Eccentricity[q],
        static_cast<double>(static_cast<int>(r.Zone[q]) - static_cast<int>(EccentricityZone::A)),
        r.AllowableShear[q]};
    EXPECT_EQ(ZoneNoteLines(r.Zone[q]), r.ZoneNote[q]);
    for (std::size_t i = 0; i < r.BarSpacing[q].size(); ++i) {
      got.insert(got.end(), {r.BarSpacing[q][i], r.BarFa[q][i], r.BarShearStress[q][i],
                             r.BarAllowMoment[q][i]});
      // The kept detail belongs to the selected spacing.
      const float s = r.BarSpacing[q][i];
      EXPECT_EQ(s, r.Bars[q][i].section.s) << i;
      EXPECT_FLOAT_EQ(wall.strip * d.problem.units.BarTable[i].Area / s, r.Bars[q][i].AsFurnished);
    }
    testing::ExpectValues(x, got, 5e-5);
    // The selection the engineer made is back after the design.
    EXPECT_EQ((Selection{1, 1, 1, 1, 1}), d.problem.entry.LoadCombSelected);
  }
}

TEST(RealisticWallDetailTest, SectionOfTheSelectedSpacing) {
  // W1, #6 at 56 in (worked above): the stored curve, tried after 72 and 64 in.
  const Designed d = Design(kW1);
  const BarDesign& bar = d.results.Bars[kWall][3];
  ExpectNear(1062.4656, bar.curve.M[96], 5e-5);
  EXPECT_EQ(Spacings({72, 64, 56}), bar.SpacingsTried);
}

}  // namespace
}  // namespace calvix
