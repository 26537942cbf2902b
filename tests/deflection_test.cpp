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
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/load_combinations.h"

namespace calvix {
namespace {

constexpr double kTolerance = 0.005;

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
  EXPECT_EQ(span[40], 0.0);

  // A constant moment bends a circle: δ = −1728·M·y²/(2EI), exact.
  const double couple = -250.0;
  const auto circle =
      MomentAreaDeflection(Diagram(40, h, [&](double) { return couple; }), h / 40, ei, 0.0);
  for (int i = 0; i <= 40; ++i) {
    const double y = (40 - i) * h / 40;
    EXPECT_NEAR(circle[static_cast<size_t>(i)], -1728.0 * couple * y * y / (2.0 * ei), 1e-12);
  }

  // Ten pieces: tip of a cantilever under a tip load P, PL³/(3EI), −0.25 %.
  const double p = 100.0;
  const auto tipLoad = MomentAreaDeflection(
      Diagram(10, 2.0, [&](double y) { return -p * (2.0 - y); }), 0.2, ei, 0.0);
  const double tip = 1728.0 * p * 8.0 / (3.0 * ei);
  EXPECT_NEAR(tipLoad[0], tip, kTolerance * tip);
}

TEST(MomentAreaDeflection, NoStiffnessNoDeflection) {
  const std::vector<double> moments{-10.0, -5.0, 0.0};
  for (double d : MomentAreaDeflection(moments, 1.0, 0.0, 0.01)) EXPECT_EQ(d, 0.0);
  EXPECT_TRUE(MomentAreaDeflection({}, 1.0, 1.0e8, 0.0).empty());
}

Problem StrengthProblem() {
  Problem p;
  p.entry.DesignMethod = "IBC-S";
  p.entry.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(p.entry);
  p.entry.LoadCombSelected = {1, 1, 1, 1, 1};
  p.entry.SupportType = "Pinned";
  WorkingForm& w = p.working;
  w.WallHeight = 10.0f;
  w.WallThickness = 8.0f;
  w.ParapetThickness = 6.0f;
  w.NominalMinusActual = 0.375f;
  w.StripWidth = 12.0f;
  w.Em = 1800.0f;
  w.SiteClass = "Class B";
  w.UseGroup = "I";
  w.S1Class = "< 0.75 g";
  w.Ip = 1.0f;
  w.ZOverH = 1.0f;
  w.AddY = w.WallHeight;  // as the conversion places it under strength design
  return p;
}

void AddWind(Problem& p, const char* type, float magnitude, float start, float end) {
  p.working.WindType.push_back(type);
  p.working.WindMagnitude.push_back(magnitude);
  p.working.WindStart.push_back(start);
  p.working.WindEnd.push_back(end);
}

// 1728·wH⁴/EI of the main wall.
double Unit(const Problem& p, double w, double height) {
  return 1728.0 * w * std::pow(height, 4) / GrossFlexuralStiffness(p, kMainWall);
}

TEST(GrossFlexuralStiffness, SolidStripOfActualThickness) {
  Problem p = StrengthProblem();
  // 1800 ksi · 1000 · 12·7.625³/12 and 12·5.625³/12.
  EXPECT_NEAR(GrossFlexuralStiffness(p, kMainWall), 1.8e6 * std::pow(7.625, 3), 1e-6 * 8e8);
  EXPECT_NEAR(GrossFlexuralStiffness(p, kParapet), 1.8e6 * std::pow(5.625, 3), 1e-6 * 3.2e8);
  p.working.StripWidth = 24.0f;
  EXPECT_NEAR(GrossFlexuralStiffness(p, kMainWall), 2.0 * 1.8e6 * std::pow(7.625, 3), 1e-6 * 1.6e9);
}

TEST(WallDeflection, CantileverAgainstClosedForm) {
  Problem p = StrengthProblem();
  p.entry.Cantilever = true;  // fixed base, whatever the support list shows
  AddWind(p, "W", 20, 0, 10);
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
  struct Case {
    const char* support;
    int16_t percent;
    double midHeight;  // × 1728·wH⁴/EI
    int16_t maxStation;
  };
  // Simple span 5/384; propped span (fixed base) wL⁴/192 at mid-height:
  // δ(x) = w·x²(3L² − 5Lx + 2x²)/(48EI) at x = L/2.
  for (const Case c : {Case{"Pinned", 0, 5.0 / 384.0, 5}, Case{"Fixed", 100, 1.0 / 192.0, 4},
                       Case{"Partially Fixed", 100, 1.0 / 192.0, 4}}) {
    Problem p = StrengthProblem();
    p.entry.SupportType = c.support;
    p.entry.PercentFixed = c.percent;
    AddWind(p, "W", 20, 0, 10);
    const AnalysisResults r = AnalyseLoads(p);
    const double expected = c.midHeight * Unit(p, 20, 10);
    const auto& wind = r.Deflections[0].Curves[kWindDeflection];
    EXPECT_NEAR(wind[20], expected, kTolerance * expected) << c.support;
    EXPECT_NEAR(wind[0], 0.0, kTolerance * expected) << c.support;
    EXPECT_EQ(wind[40], 0.0f) << c.support;
    EXPECT_NEAR(r.ServiceDeflection[0][3][5], expected, kTolerance * expected) << c.support;
    // The largest deflection: mid-height of the simple span; 0.58·L above
    // the fixed base of the propped span, nearest station y = 6 ft.
    EXPECT_EQ(r.MaxDeflectionStation[0][3], c.maxStation) << c.support;
  }
}

TEST(WallDeflection, PartialFixityHalvesTheBaseRotation) {
  Problem pinned = StrengthProblem();
  AddWind(pinned, "W", 20, 0, 10);
  Problem half = pinned;
  half.entry.SupportType = "Partially Fixed";
  half.entry.PercentFixed = 50;
  const AnalysisResults a = AnalyseLoads(pinned);
  const AnalysisResults b = AnalyseLoads(half);
  // wL³/(24EI) for the simple span; half of it with 50 % fixity.
  const double ei = GrossFlexuralStiffness(pinned, kMainWall);
  const double theta = 144.0 * 20 * 1000 / (24.0 * ei);
  EXPECT_NEAR(a.Deflections[0].BaseRotation[kWindDeflection], theta, 1e-9 * theta);
  EXPECT_NEAR(b.Deflections[0].BaseRotation[kWindDeflection], theta / 2.0, 1e-9 * theta);
  // Between the pinned and the fixed curve, and still closed at the top.
  const auto& curve = b.Deflections[0].Curves[kWindDeflection];
  const double unit = Unit(pinned, 20, 10);
  EXPECT_LT(curve[20], 5.0 / 384.0 * unit);
  EXPECT_GT(curve[20], 1.0 / 192.0 * unit);
  EXPECT_NEAR(curve[0], 0.0, kTolerance * curve[20]);
}

TEST(WallDeflection, FixityOfAFixedBaseFollowsTheStatics) {
  // A file may hold "Fixed" with a PercentFixed other than 100. The statics
  // take the base moment times PercentFixed / 100, so the base rotation takes
  // the rest of the simple-span rotation: with 0 % the wall is a simple span
  // (θ0 = wL³/(24EI), 5/384 at mid-height) and its pinned top stays at zero.
  Problem p = StrengthProblem();
  AddWind(p, "W", 20, 0, 10);
  p.entry.SupportType = "Fixed";
  p.entry.PercentFixed = 0;
  const AnalysisResults r = AnalyseLoads(p);
  const double ei = GrossFlexuralStiffness(p, kMainWall);
  const double theta = 144.0 * 20 * 1000 / (24.0 * ei);
  EXPECT_NEAR(r.Deflections[0].BaseRotation[kWindDeflection], theta, 1e-9 * theta);
  const auto& wind = r.Deflections[0].Curves[kWindDeflection];
  const double expected = 5.0 / 384.0 * Unit(p, 20, 10);
  EXPECT_NEAR(wind[20], expected, kTolerance * expected);
  EXPECT_NEAR(wind[0], 0.0, kTolerance * expected);
}

// Loads that exercise every curve of a supported wall, with and without a
// parapet.
struct LoadSet {
  const char* name;
  void (*apply)(Problem&);
};

const LoadSet kLoadSets[] = {
    {"floor and additional couples at the top",
     [](Problem& p) {
       p.working.FloorDead = 1000;
       p.working.FloorLive = 400;
       p.working.FloorEccentricity = 3;
       p.working.AddDead = 600;
       p.working.AddLive = 300;
       p.working.AddEccentricity = -2;
     }},
    {"fluid pressure below the top",
     [](Problem& p) {
       p.working.EFP = 30;
       p.working.EFPX = 6;
     }},
    {"fluid pressure to the top",
     [](Problem& p) {
       p.working.EFP = 30;
       p.working.EFPX = 10;
     }},
    {"partial wind row and a concentrated load",
     [](Problem& p) {
       AddWind(p, "W", 20, 4, 8);
       AddWind(p, "H", 100, 3, 3);
     }},
    {"seismic with a parapet",
     [](Problem& p) {
       p.working.Ss = 150.0f;
       p.working.VeneerWeight = 50.0f;
       p.working.ParapetHeight = 3;
     }},
    {"wind over wall and parapet",
     [](Problem& p) {
       p.working.ParapetHeight = 3;
       AddWind(p, "W", 20, 2, 13);
       AddWind(p, "H", 50, 12, 12);
     }},
};

// The dead, live, wind and seismic moment diagrams of the main wall.
std::array<std::vector<double>, kDeflectionCurveCount> MomentDiagrams(const MemberTables& t) {
  std::array<std::vector<double>, kDeflectionCurveCount> diagrams;
  for (const auto& row : t.Moment) {
    diagrams[kDeadDeflection].push_back(static_cast<double>(row[kFloorDeadGroup]) +
                                        row[kAddDeadGroup]);
    diagrams[kLiveDeflection].push_back(static_cast<double>(row[kFloorLiveGroup]) +
                                        row[kAddLiveGroup] + row[kFluidPressureGroup]);
    diagrams[kWindDeflection].push_back(row[kWindGroup]);
    diagrams[kSeismicDeflection].push_back(row[kSeismicGroup]);
  }
  return diagrams;
}

// 1728·Σ |area piece|·(H − centre of the piece): the top deflection of the
// wall if every part of the moment diagram bent it the same way (in).
double GrossBending(const std::vector<double>& moments, double step, double ei) {
  const size_t n = moments.size() - 1;
  double sum = 0.0;
  for (size_t i = n; i >= 1; --i) {
    const double piece = step * (std::fabs(moments[i]) + std::fabs(moments[i - 1])) / 2.0 / ei;
    const double centre = static_cast<double>(n - i) * step + step / 2.0;
    sum += piece * (static_cast<double>(n) * step - centre);
  }
  return 1728.0 * sum;
}

TEST(WallDeflection, ZeroAtThePinnedTopForEveryLoad) {
  for (const LoadSet& set : kLoadSets) {
    for (const char* support : {"Pinned", "Partially Fixed", "Fixed"}) {
      Problem p = StrengthProblem();
      set.apply(p);
      p.entry.SupportType = support;
      p.entry.PercentFixed = std::string(support) == "Pinned" ? 0 : 50;
      if (std::string(support) == "Fixed") p.entry.PercentFixed = 100;
      const AnalysisResults r = AnalyseLoads(p);
      const MemberDeflections& d = r.Deflections[0];
      const std::array<std::vector<double>, kDeflectionCurveCount> diagrams =
          MomentDiagrams(r.Members[0]);
      int loaded = 0;
      for (int c = 0; c < kDeflectionCurveCount; ++c) {
        const auto& curve = d.Curves[static_cast<size_t>(c)];
        // The top closes when the base rotation θ0·H cancels the bending of
        // the span, Σ (H − ξ)·|area piece|; both are of this size, and the
        // integration leaves an error of a few tenths of a percent of it.
        const double scale =
            12.0 * std::fabs(d.BaseRotation[static_cast<size_t>(c)]) * 10.0 +
            GrossBending(diagrams[static_cast<size_t>(c)], d.Step, d.FlexuralStiffness);
        if (scale == 0.0) {
          // An unloaded curve stays exactly straight.
          for (float value : curve) EXPECT_EQ(value, 0.0f) << set.name << ", curve " << c;
          continue;
        }
        ++loaded;
        EXPECT_NEAR(curve[0], 0.0, kTolerance * scale)
            << set.name << ", " << support << ", curve " << c;
        EXPECT_EQ(curve[40], 0.0f) << set.name << ", " << support << ", curve " << c;
      }
      EXPECT_GT(loaded, 0) << set.name;
    }
  }
}

TEST(ParapetDeflection, TipAgainstItsOwnCantilever) {
  struct Case {
    float wallHeight, parapetHeight;
  };
  // Seismic 60 lb/ft on the parapet (class B at 150 %, 50 psf, z/h = 1).
  for (const Case c : {Case{10, 2}, Case{12, 4}, Case{10, 6}}) {
    Problem p = StrengthProblem();
    p.working.WallHeight = c.wallHeight;
    p.working.AddY = c.wallHeight;
    p.working.ParapetHeight = c.parapetHeight;
    p.working.Ss = 150.0f;
    p.working.VeneerWeight = 50.0f;
    const AnalysisResults r = AnalyseLoads(p);
    ASSERT_NEAR(r.Seismic.SeismicLoad[1], 60.0f, 1e-3);
    const double ei = GrossFlexuralStiffness(p, kParapet);
    const double tip = 1728.0 * 60.0 * std::pow(c.parapetHeight, 4) / (8.0 * ei);
    const double mid = 17.0 * 1728.0 * 60.0 * std::pow(c.parapetHeight, 4) / (384.0 * ei);
    // Combination 3 at service level: D + L + E, only E on the parapet.
    EXPECT_NEAR(r.ServiceDeflection[1][2][0], tip, kTolerance * tip) << c.parapetHeight;
    EXPECT_NEAR(r.ServiceDeflection[1][2][5], mid, kTolerance * mid) << c.parapetHeight;
    EXPECT_EQ(r.ServiceDeflection[1][2][10], 0.0f);
    EXPECT_EQ(r.Deflections[1].Intervals, 10);
    EXPECT_EQ(r.MaxDeflectionStation[1][2], 0);
  }
}

TEST(ParapetDeflection, ConcentratedLoadAtTheTip) {
  // 100 lb at the top of a 3 ft parapet: PL³/(3EI); ten pieces: −0.25 %.
  Problem p = StrengthProblem();
  p.working.ParapetHeight = 3;
  AddWind(p, "H", 100, 13, 13);
  const AnalysisResults r = AnalyseLoads(p);
  const double tip = 1728.0 * 100.0 * 27.0 / (3.0 * GrossFlexuralStiffness(p, kParapet));
  EXPECT_NEAR(r.Deflections[1].Curves[kWindDeflection][0], tip, kTolerance * tip);
  // Factored combination 4: 1.6·W.
  EXPECT_NEAR(r.FactoredDeflection[1][3][0], 1.6 * tip, kTolerance * 1.6 * tip);
}

TEST(DeflectionTables, CombinationsOfTheCurves) {
  Problem p = StrengthProblem();
  for (const LoadSet& set : kLoadSets) set.apply(p);
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
      const double tol = 1e-6;
      EXPECT_NEAR(r.ServiceDeflection[part][0][j], d + l, tol);
      EXPECT_NEAR(r.ServiceDeflection[part][1][j], d + l + w, tol);
      EXPECT_NEAR(r.ServiceDeflection[part][2][j], d + l + e, tol);
      EXPECT_EQ(r.ServiceDeflection[part][3][j], 0.0f);
      EXPECT_NEAR(r.ServiceDeflection[part][4][j], d + e, tol);
      EXPECT_NEAR(r.FactoredDeflection[part][1][j], f[2] * d + f[3] * l + f[4] * w, tol);
      EXPECT_NEAR(r.FactoredDeflection[part][4][j], f[10] * d + f[11] * e, tol);
    }
  }
}

TEST(DeflectionTables, IndependentOfTheStripWidth) {
  // Loads and stiffness both scale with the strip.
  Problem narrow = StrengthProblem();
  for (const LoadSet& set : kLoadSets) set.apply(narrow);
  Problem wide = narrow;
  wide.working.StripWidth = 32.0f;
  const AnalysisResults a = AnalyseLoads(narrow);
  const AnalysisResults b = AnalyseLoads(wide);
  for (size_t part = 0; part < kWallPartCount; ++part) {
    for (size_t k = 0; k < kLoadCombinationCount; ++k) {
      for (size_t j = 0; j < kStationCount; ++j) {
        const double x = a.FactoredDeflection[part][k][j];
        EXPECT_NEAR(b.FactoredDeflection[part][k][j], x, 1e-5 * std::fabs(x) + 1e-9);
      }
    }
    // The comparison is not between zeros: combination 2 bends both parts.
    EXPECT_GT(std::fabs(a.FactoredDeflection[part][1][part == 0 ? 5 : 0]), 1e-4);
  }
}

}  // namespace
}  // namespace calvix
