// Lateral deflection curves by the moment-area method against closed-form
// beam deflections. Heights H in ft, loads w in lb per ft of height, EI in
// lb-in²; with L = 12·H in and w/12 lb/in the classic formulas become, in
// inches: cantilever tip 1728·wH⁴/(8EI), cantilever mid-height
// 17·1728·wH⁴/(384EI), simple span mid-height 5·1728·wH⁴/(384EI).
//
// Accuracy of the integration (trapezoidal curvature pieces acting at their
// middles): errors of the order of (h/L)² of the peak deflection. With the 40
// pieces of the main wall: exact at a uniformly loaded cantilever's tip and a
// uniformly loaded span's middle, 0.03 % at the cantilever's mid-height,
// 0.2 % of the mid-span deflection left at the far support of a simple span;
// with the 10 pieces of a parapet up to about 0.5 %. The tests allow 0.5 %.
#include "analysis/deflection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "support/design_walls.h"

namespace calvix {
namespace {

constexpr double kTolerance = 0.005;
using testing::AddWind;

// Moment diagram at points 0..n (point n the base) of a function of the
// height y above the base.
template <typename F>
std::vector<double> Diagram(int n, double height, F moment) {
  std::vector<double> m(static_cast<size_t>(n + 1));
  for (int i = 0; i <= n; ++i) m[static_cast<size_t>(i)] = moment((n - i) * height / n);
  return m;
}

TEST(MomentAreaDeflection, ClosedFormBeams) {
  const double h = 10.0, w = 20.0, ei = 8.0e8;
  const double unit = 1728.0 * w * std::pow(h, 4) / ei;
  // Cantilever fixed at the base: M = −w(H − y)²/2.
  const auto cantilever = MomentAreaDeflection(
      Diagram(40, h, [&](double y) { return -w * (h - y) * (h - y) / 2.0; }), h / 40, ei, 0.0);
  EXPECT_NEAR(cantilever[0], unit / 8.0, 1e-9 * unit);  // exact at the tip
  EXPECT_NEAR(cantilever[20], 17.0 * unit / 384.0, 4e-4 * 17.0 * unit / 384.0);
  EXPECT_EQ(cantilever[40], 0.0);
  // Simple span with the base rotation wL³/(24EI) = 144·wH³/(24EI) rad.
  const double theta = 144.0 * w * h * h * h / (24.0 * ei);
  const auto span = MomentAreaDeflection(
      Diagram(40, h, [&](double y) { return w * y * (h - y) / 2.0; }), h / 40, ei, theta);
  const double mid = 5.0 * unit / 384.0;
  EXPECT_NEAR(span[20], mid, 1e-9 * mid);
  EXPECT_NEAR(span[0], 0.0, 0.003 * mid);  // the far support: 0.2 % of mid-span
  // A constant moment bends a circle: δ = −1728·M·y²/(2EI), exact.
  const auto circle =
      MomentAreaDeflection(Diagram(40, h, [&](double) { return -250.0; }), h / 40, ei, 0.0);
  for (int i = 0; i <= 40; ++i) {
    const double y = (40 - i) * h / 40;
    EXPECT_NEAR(circle[static_cast<size_t>(i)], 1728.0 * 250.0 * y * y / (2.0 * ei), 1e-12);
  }
  // Ten pieces: tip of a cantilever under a tip load P, PL³/(3EI), −0.25 %.
  const auto tipLoad = MomentAreaDeflection(
      Diagram(10, 2.0, [&](double y) { return -100.0 * (2.0 - y); }), 0.2, ei, 0.0);
  const double tip = 1728.0 * 100.0 * 8.0 / (3.0 * ei);
  EXPECT_NEAR(tipLoad[0], tip, kTolerance * tip);
  // No stiffness, no deflection.
  const std::vector<double> moments{-10.0, -5.0, 0.0};
  for (double d : MomentAreaDeflection(moments, 1.0, 0.0, 0.01)) EXPECT_EQ(d, 0.0);
  EXPECT_TRUE(MomentAreaDeflection({}, 1.0, 1.0e8, 0.0).empty());
}

// A 10 ft, 8 in strength-design wall without weight, Em = 1800 ksi, a 6 in
// parapet when it has one, and 20 psf of wind over the main wall.
Problem Wall(const char* support = "Pinned", int16_t percent = 0, float wind = 20) {
  Problem p = testing::MakeWall({.H = 10,
                                 .Tp = 6,
                                 .ww = 0,
                                 .Em = 1800,
                                 .support = support,
                                 .percent = percent,
                                 .site = "Class B"});
  if (wind != 0) AddWind(p, "W", wind, 0, 10);
  return p;
}

// 1728·wH⁴/EI of the main wall.
double Unit(const Problem& p, double w, double height) {
  return 1728.0 * w * std::pow(height, 4) / GrossFlexuralStiffness(p, kMainWall);
}

TEST(GrossFlexuralStiffness, SolidStripOfActualThickness) {
  Problem p = Wall();
  // 1800 ksi · 1000 · 12·7.625³/12 and 12·5.625³/12.
  EXPECT_NEAR(GrossFlexuralStiffness(p, kMainWall), 1.8e6 * std::pow(7.625, 3), 1e-6 * 8e8);
  EXPECT_NEAR(GrossFlexuralStiffness(p, kParapet), 1.8e6 * std::pow(5.625, 3), 1e-6 * 3.2e8);
  p.working.StripWidth = 24.0f;
  EXPECT_NEAR(GrossFlexuralStiffness(p, kMainWall), 2.0 * 1.8e6 * std::pow(7.625, 3), 1e-6 * 1.6e9);
}

TEST(WallDeflection, CantileverAgainstClosedForm) {
  Problem p = Wall("Pinned");
  p.entry.Cantilever = true;  // fixed base, whatever the support list shows
  const AnalysisResults r = AnalyseLoads(p);
  const double unit = Unit(p, 20, 10);
  // Combination 4 at service level is D + W; the wall has no dead couple.
  const auto& service = r.ServiceDeflection[0][3];
  EXPECT_NEAR(service[0], unit / 8.0, kTolerance * unit / 8.0);
  EXPECT_NEAR(service[5], 17.0 * unit / 384.0, kTolerance * 17.0 * unit / 384.0);
  EXPECT_EQ(service[10], 0.0f);
  EXPECT_EQ(r.Deflections[0].BaseRotation[kWindDeflection], 0.0);
  // Factored: 1.6·W.
  EXPECT_NEAR(r.FactoredDeflection[0][3][0], 1.6 * unit / 8.0, kTolerance * 1.6 * unit / 8.0);
  EXPECT_EQ(r.MaxDeflectionStation[0][3], 0);
}

TEST(WallDeflection, SupportedWallAgainstClosedForm) {
  // Simple span 5/384 (also "Fixed" at 0 %: the statics take the base moment
  // times PercentFixed / 100, so the base rotation takes the rest of the
  // simple-span rotation); propped span (fixed base) wL⁴/192 at mid-height:
  // δ(x) = w·x²(3L² − 5Lx + 2x²)/(48EI) at x = L/2. The largest deflection:
  // mid-height of the simple span; 0.58·L above the fixed base of the
  // propped span, nearest station y = 6 ft. θ0 = wL³/(24EI) of the simple
  // span, half of it at 50 % fixity.
  const struct {
    const char* support;
    int16_t percent;
    double midHeight, rotation;  // × 1728·wH⁴/EI, × wL³/(24EI)
    int16_t maxStation;
  } cases[] = {{"Pinned", 0, 5.0 / 384.0, 1, 5},
               {"Fixed", 0, 5.0 / 384.0, 1, 5},
               {"Fixed", 100, 1.0 / 192.0, 0, 4},
               {"Partially Fixed", 100, 1.0 / 192.0, 0, 4},
               {"Partially Fixed", 50, 0, 0.5, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.support) + std::to_string(c.percent));
    const Problem p = Wall(c.support, c.percent);
    const AnalysisResults r = AnalyseLoads(p);
    const double unit = Unit(p, 20, 10);
    const double theta = 144.0 * 20 * 1000 / (24.0 * GrossFlexuralStiffness(p, kMainWall));
    const auto& wind = r.Deflections[0].Curves[kWindDeflection];
    EXPECT_NEAR(r.Deflections[0].BaseRotation[kWindDeflection], c.rotation * theta, 1e-9 * theta);
    EXPECT_NEAR(wind[0], 0.0, kTolerance * wind[20]);
    EXPECT_EQ(wind[40], 0.0f);
    if (c.midHeight == 0) {  // between the pinned and the fixed curve
      EXPECT_LT(wind[20], 5.0 / 384.0 * unit);
      EXPECT_GT(wind[20], 1.0 / 192.0 * unit);
      continue;
    }
    EXPECT_NEAR(wind[20], c.midHeight * unit, kTolerance * c.midHeight * unit);
    EXPECT_NEAR(r.ServiceDeflection[0][3][5], c.midHeight * unit, kTolerance * c.midHeight * unit);
    EXPECT_EQ(r.MaxDeflectionStation[0][3], c.maxStation);
  }
}

// Loads that exercise every curve of a supported wall, with and without a
// parapet.
void (*const kLoadSets[])(Problem&) = {
    // floor and additional couples at the top
    [](Problem& p) {
      p.working.FloorDead = 1000, p.working.FloorLive = 400, p.working.FloorEccentricity = 3;
      p.working.AddDead = 600, p.working.AddLive = 300, p.working.AddEccentricity = -2;
    },
    [](Problem& p) { p.working.EFP = 30, p.working.EFPX = 6; },   // fluid below the top
    [](Problem& p) { p.working.EFP = 30, p.working.EFPX = 10; },  // fluid to the top
    [](Problem& p) {  // partial wind row and a concentrated load
      AddWind(p, "W", 20, 4, 8);
      AddWind(p, "H", 100, 3, 3);
    },
    [](Problem& p) {  // seismic with a parapet
      p.working.Ss = 150.0f, p.working.VeneerWeight = 50.0f, p.working.ParapetHeight = 3;
    },
    [](Problem& p) {  // wind over wall and parapet
      p.working.ParapetHeight = 3;
      AddWind(p, "W", 20, 2, 13);
      AddWind(p, "H", 50, 12, 12);
    },
};

// 1728·Σ |area piece|·(H − centre of the piece) of curve c of the main wall:
// its top deflection if every part of the moment diagram (dead, live, wind,
// seismic) bent it the same way (in).
double GrossBending(const MemberTables& t, size_t c, double step, double ei) {
  const auto groups = [&](size_t i) {
    const auto& row = t.Moment[i];
    const double parts[] = {
        static_cast<double>(row[kFloorDeadGroup]) + row[kAddDeadGroup],
        static_cast<double>(row[kFloorLiveGroup]) + row[kAddLiveGroup] + row[kFluidPressureGroup],
        row[kWindGroup], row[kSeismicGroup]};
    return std::fabs(parts[c]);
  };
  const size_t n = t.Moment.size() - 1;
  double sum = 0.0;
  for (size_t i = n; i >= 1; --i) {
    const double centre = static_cast<double>(n - i) * step + step / 2.0;
    sum += step * (groups(i) + groups(i - 1)) / 2.0 / ei * (static_cast<double>(n) * step - centre);
  }
  return 1728.0 * sum;
}

TEST(WallDeflection, ZeroAtThePinnedTopForEveryLoad) {
  for (size_t set = 0; set < std::size(kLoadSets); ++set) {
    for (const auto& [support, percent] :
         {std::pair{"Pinned", 0}, {"Partially Fixed", 50}, {"Fixed", 100}}) {
      Problem p = Wall(support, static_cast<int16_t>(percent), 0);
      kLoadSets[set](p);
      const AnalysisResults r = AnalyseLoads(p);
      const MemberDeflections& d = r.Deflections[0];
      int loaded = 0;
      for (size_t c = 0; c < static_cast<size_t>(kDeflectionCurveCount); ++c) {
        // The top closes when the base rotation θ0·H cancels the bending of
        // the span, Σ (H − ξ)·|area piece|; both are of this size, and the
        // integration leaves an error of a few tenths of a percent of it.
        const double scale = 12.0 * std::fabs(d.BaseRotation[c]) * 10.0 +
                             GrossBending(r.Members[0], c, d.Step, d.FlexuralStiffness);
        if (scale == 0.0) {
          // An unloaded curve stays exactly straight.
          for (float value : d.Curves[c]) EXPECT_EQ(value, 0.0f) << set << ", curve " << c;
          continue;
        }
        ++loaded;
        EXPECT_NEAR(d.Curves[c][0], 0.0, kTolerance * scale) << set << ", " << support << ", " << c;
        EXPECT_EQ(d.Curves[c][40], 0.0f) << set << ", " << support << ", curve " << c;
      }
      EXPECT_GT(loaded, 0) << set;
    }
  }
}

TEST(ParapetDeflection, TipAgainstItsOwnCantilever) {
  // Seismic 60 lb/ft on the parapet (class B at 150 %, 50 psf, z/h = 1).
  for (const auto& [wallHeight, parapetHeight] : {std::pair{10.0f, 2.0f}, {12, 4}, {10, 6}}) {
    Problem p = Wall("Pinned", 0, 0);
    p.working.WallHeight = wallHeight, p.working.AddY = wallHeight;
    p.working.ParapetHeight = parapetHeight;
    p.working.Ss = 150.0f, p.working.VeneerWeight = 50.0f;
    const AnalysisResults r = AnalyseLoads(p);
    ASSERT_NEAR(r.Seismic.SeismicLoad[1], 60.0f, 1e-3);
    const double ei = GrossFlexuralStiffness(p, kParapet);
    const double tip = 1728.0 * 60.0 * std::pow(parapetHeight, 4) / (8.0 * ei);
    // Combination 3 at service level: D + L + E, only E on the parapet.
    EXPECT_NEAR(r.ServiceDeflection[1][2][0], tip, kTolerance * tip) << parapetHeight;
    EXPECT_NEAR(r.ServiceDeflection[1][2][5], 17.0 / 48.0 * tip, kTolerance * 17.0 / 48.0 * tip);
    EXPECT_EQ(r.ServiceDeflection[1][2][10], 0.0f);
    EXPECT_EQ(r.Deflections[1].Intervals, 10);
    EXPECT_EQ(r.MaxDeflectionStation[1][2], 0);
  }
  // 100 lb at the top of a 3 ft parapet: PL³/(3EI); ten pieces: −0.25 %.
  Problem p = Wall("Pinned", 0, 0);
  p.working.ParapetHeight = 3;
  AddWind(p, "H", 100, 13, 13);
  const AnalysisResults r = AnalyseLoads(p);
  const double tip = 1728.0 * 100.0 * 27.0 / (3.0 * GrossFlexuralStiffness(p, kParapet));
  EXPECT_NEAR(r.Deflections[1].Curves[kWindDeflection][0], tip, kTolerance * tip);
  // Factored combination 4: 1.6·W.
  EXPECT_NEAR(r.FactoredDeflection[1][3][0], 1.6 * tip, kTolerance * 1.6 * tip);
}

TEST(DeflectionTables, CombinationsOfTheCurves) {
  Problem p = Wall("Pinned", 0, 0);
  for (auto apply : kLoadSets) apply(p);
  p.entry.LoadCombSelected = {1, 1, 1, 0, 1};
  const AnalysisResults r = AnalyseLoads(p);
  const auto& f = p.entry.LoadFactors;
  for (size_t part = 0; part < kWallPartCount; ++part) {
    const auto& c = r.Deflections[part].Curves;
    const size_t stride = part == 0 ? 4 : 1;
    for (size_t j = 0; j < kStationCount; ++j) {
      const size_t m = stride * j;
      const double d = c[kDeadDeflection][m], l = c[kLiveDeflection][m];
      const double w = c[kWindDeflection][m], e = c[kSeismicDeflection][m];
      const auto& s = r.ServiceDeflection[part];
      EXPECT_NEAR(s[0][j], d + l, 1e-6);
      EXPECT_NEAR(s[1][j], d + l + w, 1e-6);
      EXPECT_NEAR(s[2][j], d + l + e, 1e-6);
      EXPECT_EQ(s[3][j], 0.0f);
      EXPECT_NEAR(s[4][j], d + e, 1e-6);
      EXPECT_NEAR(r.FactoredDeflection[part][1][j], f[2] * d + f[3] * l + f[4] * w, 1e-6);
      EXPECT_NEAR(r.FactoredDeflection[part][4][j], f[10] * d + f[11] * e, 1e-6);
    }
  }
  // Independent of the strip width: loads and stiffness both scale with it.
  p.working.StripWidth = 32.0f;
  const AnalysisResults wide = AnalyseLoads(p);
  for (size_t part = 0; part < kWallPartCount; ++part) {
    for (size_t k = 0; k < kLoadCombinationCount; ++k) {
      for (size_t j = 0; j < kStationCount; ++j) {
        const double x = r.FactoredDeflection[part][k][j];
        EXPECT_NEAR(wide.FactoredDeflection[part][k][j], x, 1e-5 * std::fabs(x) + 1e-9);
      }
    }
    // The comparison is not between zeros: combination 2 bends both parts.
    EXPECT_GT(std::fabs(r.FactoredDeflection[part][1][part == 0 ? 5 : 0]), 1e-4);
  }
}

}  // namespace
}  // namespace calvix
