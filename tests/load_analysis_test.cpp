// Statics of the main wall and the parapet per load group, the load
// combinations and their extremes. Hand-worked beam results on a 10 ft wall
// and a 12 in strip unless stated; y is the height above the wall base.
// Main-wall moments are read at point m (y = (40 − m)·0.25 ft), shears and
// axial loads at station j (y = 10 − j ft); the parapet uses j for all three.
#include "analysis/load_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "analysis/load_combinations.h"

namespace calvix {
namespace {

Problem WallProblem() {
  Problem p;
  p.entry.DesignMethod = "ACI";
  p.entry.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(p.entry);
  p.entry.LoadCombSelected = {1, 1, 1, 1, 1};
  p.entry.Cantilever = false;
  p.entry.SupportType = "Pinned";
  p.entry.PercentFixed = 0;
  WorkingForm& w = p.working;
  w.WallHeight = 10.0f;
  w.WallThickness = 8.0f;
  w.NominalMinusActual = 0.375f;
  w.StripWidth = 12.0f;
  w.Em = 1800.0f;
  w.SiteClass = "Class B";
  w.UseGroup = "I";
  w.S1Class = "< 0.75 g";
  w.Ip = 1.0f;
  w.ZOverH = 1.0f;
  return p;
}

void AddWind(Problem& p, const char* type, float magnitude, float start, float end) {
  p.working.WindType.push_back(type);
  p.working.WindMagnitude.push_back(magnitude);
  p.working.WindStart.push_back(start);
  p.working.WindEnd.push_back(end);
}

void Support(Problem& p, const char* type, int16_t percent) {
  p.entry.SupportType = type;
  p.entry.PercentFixed = percent;
}

enum class Quantity { Shear, Moment, Axial };

struct Expectation {
  int part;
  Quantity quantity;
  int column;  // load group, or 0 dead / 1 live for axial loads
  int index;   // station j, or moment point m of the main wall
  double value;
};

struct BeamCase {
  const char* name;
  std::function<void(Problem&)> setup;
  std::vector<Expectation> expected;
};

constexpr int W = kWindGroup;
constexpr int E = kSeismicGroup;
constexpr int P = kFluidPressureGroup;
constexpr Quantity V = Quantity::Shear;
constexpr Quantity M = Quantity::Moment;
constexpr Quantity N = Quantity::Axial;
constexpr int Wall = kMainWall;
constexpr int Par = kParapet;

double Read(const AnalysisResults& r, const Expectation& e) {
  const MemberTables& t = r.Members[PartIndex(e.part)];
  const auto i = static_cast<size_t>(e.index);
  const auto c = static_cast<size_t>(e.column);
  switch (e.quantity) {
    case Quantity::Shear:
      return t.Shear[i][c];
    case Quantity::Moment:
      return t.Moment[i][c];
    case Quantity::Axial:
      return t.Axial[i][c];
  }
  return 0.0;
}

// Seismic loads of 20 lb/ft on the wall and 60 lb/ft on a parapet: site class
// B at 150 % (SDS = 1.0) on a 50 psf veneer; the wall's own weight is left 0
// so that no axial load appears. Wall 0.4·1.0·50 = 20, parapet
// 3·1.0·50/2.5 = 60 (z/h = 1).
void TwentyAndSixtySeismic(Problem& p) {
  p.working.Ss = 150.0f;
  p.working.VeneerWeight = 50.0f;
}

const std::vector<BeamCase>& BeamCases() {
  static const std::vector<BeamCase> cases = {
      // Uniform 20 lb/ft over the whole wall.
      {"cantilever, uniform wind",
       [](Problem& p) {
         p.entry.Cantilever = true;
         AddWind(p, "W", 20, 0, 10);
       },
       // Base shear 20·10 = 200, base moment −20·10²/2 = −1000; at mid-height
       // shear 100 and moment −20·5²/2 = −250.
       {{Wall, V, W, 10, 200}, {Wall, V, W, 0, 0}, {Wall, V, W, 5, 100},
        {Wall, M, W, 40, -1000}, {Wall, M, W, 0, 0}, {Wall, M, W, 20, -250}}},
      {"pinned, uniform wind",
       [](Problem& p) { AddWind(p, "W", 20, 0, 10); },
       // Reactions 100 each; M(5) = 20·10²/8 = 250; M(8) = 100·8 − 10·8² = 160.
       {{Wall, V, W, 10, 100}, {Wall, V, W, 0, -100}, {Wall, M, W, 20, 250},
        {Wall, M, W, 0, 0}, {Wall, M, W, 40, 0}, {Wall, M, W, 8, 160}}},
      {"fixed, uniform wind",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         AddWind(p, "W", 20, 0, 10);
       },
       // Propped span: base moment −wL²/8 = −250, base shear 5wL/8 = 125, top
       // reaction 75; M(5) = 125·5 − 10·25 − 250 = 125.
       {{Wall, M, W, 40, -250}, {Wall, V, W, 10, 125}, {Wall, V, W, 0, -75},
        {Wall, M, W, 20, 125}, {Wall, M, W, 0, 0}}},
      {"50 % fixed, uniform wind",
       [](Problem& p) {
         Support(p, "Partially Fixed", 50);
         AddWind(p, "W", 20, 0, 10);
       },
       // Half the fixed-end moment: −125 at the base, shear 100 + 125/10;
       // M(5) = 250 − 125/2 = 187.5.
       {{Wall, M, W, 40, -125}, {Wall, V, W, 10, 112.5}, {Wall, V, W, 0, -87.5},
        {Wall, M, W, 20, 187.5}}},
      // 20 lb/ft from 4 to 8 ft: 80 lb acting at 6 ft.
      {"cantilever, partial wind row",
       [](Problem& p) {
         p.entry.Cantilever = true;
         AddWind(p, "W", 20, 4, 8);
       },
       // Base 80 and −80·6 = −480; at 6 ft shear 20·2 = 40, moment −40·1;
       // at 2 ft −80·4 = −320; nothing above 8 ft.
       {{Wall, V, W, 10, 80}, {Wall, V, W, 4, 40}, {Wall, V, W, 2, 0},
        {Wall, M, W, 40, -480}, {Wall, M, W, 16, -40}, {Wall, M, W, 32, -320},
        {Wall, M, W, 8, 0}}},
      {"pinned, partial wind row",
       [](Problem& p) { AddWind(p, "W", 20, 4, 8); },
       // Base reaction 80·4/10 = 32, top 48. M(6) = 32·6 − 20·2²/2 = 152,
       // M(2) = 64, M(8) = 48·2 = 96.
       {{Wall, V, W, 10, 32}, {Wall, V, W, 4, -8}, {Wall, V, W, 0, -48},
        {Wall, M, W, 16, 152}, {Wall, M, W, 32, 64}, {Wall, M, W, 8, 96}}},
      {"fixed, partial wind row",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         AddWind(p, "W", 20, 4, 8);
       },
       // Fixed-end moment w(e²(2H−e)² − s²(2H−s)²)/(8H²)
       //   = 20(64·144 − 16·256)/800 = 128; base shear 32 + 12.8;
       //   M(6) = 152 − 128·0.4 = 100.8.
       {{Wall, M, W, 40, -128}, {Wall, V, W, 10, 44.8}, {Wall, M, W, 16, 100.8}}},
      // A concentrated 100 lb at 6 ft.
      {"cantilever, concentrated load",
       [](Problem& p) {
         p.entry.Cantilever = true;
         AddWind(p, "H", 100, 6, 6);
       },
       // Base 100 and −600; M(2) = −400; nothing above 6 ft.
       {{Wall, V, W, 10, 100}, {Wall, V, W, 4, 100}, {Wall, V, W, 3, 0},
        {Wall, M, W, 40, -600}, {Wall, M, W, 32, -400}, {Wall, M, W, 12, 0}}},
      {"pinned, concentrated load",
       [](Problem& p) { AddWind(p, "H", 100, 6, 6); },
       // Reactions 40 (base) and 60 (top); M(6) = 240, M(8) = 60·2 = 120.
       {{Wall, V, W, 10, 40}, {Wall, V, W, 0, -60}, {Wall, M, W, 16, 240},
        {Wall, M, W, 8, 120}, {Wall, M, W, 0, 0}}},
      {"fixed, concentrated load",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         AddWind(p, "H", 100, 6, 6);
       },
       // Propped span, load 4 ft below the pin: fixed-end moment
       // P·b(L² − b²)/(2L²) = 100·4·84/200 = 168; top reaction
       // P·a²(3L − a)/(2L³) = 43.2, base 56.8; M(6) = 43.2·4 = 172.8.
       {{Wall, M, W, 40, -168}, {Wall, V, W, 10, 56.8}, {Wall, V, W, 0, -43.2},
        {Wall, M, W, 16, 172.8}}},
      // Equivalent fluid pressure 30 pcf.
      {"cantilever, fluid pressure to the top",
       [](Problem& p) {
         p.entry.Cantilever = true;
         p.working.EFP = 30;
         p.working.EFPX = 10;
       },
       // Base shear 30·10²/2 = 1500, base moment −30·10³/6 = −5000; at 5 ft
       // 30·5²/2 = 375 and −30·5³/6 = −625.
       {{Wall, V, P, 10, 1500}, {Wall, V, P, 5, 375}, {Wall, M, P, 40, -5000},
        {Wall, M, P, 20, -625}, {Wall, M, P, 0, 0}}},
      {"cantilever, fluid pressure below the top",
       [](Problem& p) {
         p.entry.Cantilever = true;
         p.working.EFP = 30;
         p.working.EFPX = 6;
       },
       // Base 30·6²/2 = 540 and −30·6³/6 = −1080; M(3) = −30·3³/6 = −135.
       {{Wall, V, P, 10, 540}, {Wall, V, P, 3, 0}, {Wall, M, P, 40, -1080},
        {Wall, M, P, 28, -135}, {Wall, M, P, 8, 0}}},
      {"pinned, fluid pressure to the top",
       [](Problem& p) {
         p.working.EFP = 30;
         p.working.EFPX = 10;
       },
       // R = 1500 at 10/3 ft: top reaction 500, base 1000.
       // M(5) = 500·5 − 30·5³/6 = 1875.
       {{Wall, V, P, 10, 1000}, {Wall, V, P, 0, -500}, {Wall, M, P, 20, 1875},
        {Wall, M, P, 40, 0}}},
      {"pinned, fluid pressure below the top",
       [](Problem& p) {
         p.working.EFP = 30;
         p.working.EFPX = 6;
       },
       // R = 540 at 2 ft: top reaction 108, base 432.
       // M(3) = 108·7 − (30·3²/2)·3/3 = 621; M(8) = 108·2 = 216.
       {{Wall, V, P, 10, 432}, {Wall, V, P, 0, -108}, {Wall, M, P, 28, 621},
        {Wall, M, P, 8, 216}}},
      {"fixed, fluid pressure to the top",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         p.working.EFP = 30;
         p.working.EFPX = 10;
       },
       // Triangle 300 lb/ft at the fixed base: base moment −q·L²/15 = −2000,
       // top reaction q·L/10 = 300, base shear 1200.
       {{Wall, M, P, 40, -2000}, {Wall, V, P, 10, 1200}, {Wall, V, P, 0, -300}}},
      // Eccentric floor load: dead 1000 lb and live 400 lb at 3 in, couples
      // 250 and 100 ft-lb at the top.
      {"pinned, floor couples",
       [](Problem& p) {
         p.working.FloorDead = 1000;
         p.working.FloorLive = 400;
         p.working.FloorEccentricity = 3;
       },
       {{Wall, M, kFloorDeadGroup, 0, -250}, {Wall, M, kFloorDeadGroup, 20, -125},
        {Wall, M, kFloorDeadGroup, 40, 0}, {Wall, V, kFloorDeadGroup, 3, -25},
        {Wall, M, kFloorLiveGroup, 0, -100}, {Wall, V, kFloorLiveGroup, 10, -10},
        {Wall, N, 0, 0, 1000}, {Wall, N, 0, 10, 1000}, {Wall, N, 1, 10, 400}}},
      {"fixed, floor couples",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         p.working.FloorDead = 1000;
         p.working.FloorEccentricity = 3;
       },
       // Half the couple carries over to the fixed base with the other sign.
       {{Wall, M, kFloorDeadGroup, 40, 125}, {Wall, M, kFloorDeadGroup, 0, -250},
        {Wall, M, kFloorDeadGroup, 20, -62.5}, {Wall, V, kFloorDeadGroup, 5, -37.5}}},
      // Additional load: dead 600 lb and live 300 lb at 2 in, at 6 ft: couples
      // 100 and 50 ft-lb.
      {"pinned, additional couples at 6 ft",
       [](Problem& p) {
         p.working.AddDead = 600;
         p.working.AddLive = 300;
         p.working.AddEccentricity = 2;
         p.working.AddY = 6;
       },
       // Below 6 ft −100·y/10, above +100·(1 − y/10); shear −10.
       {{Wall, M, kAddDeadGroup, 20, -50}, {Wall, M, kAddDeadGroup, 16, -60},
        {Wall, M, kAddDeadGroup, 12, 30}, {Wall, V, kAddDeadGroup, 7, -10},
        {Wall, M, kAddLiveGroup, 12, 15}, {Wall, N, 0, 4, 600}, {Wall, N, 0, 3, 0},
        {Wall, N, 1, 4, 300}, {Wall, N, 1, 3, 0}, {Wall, N, 0, 10, 600}}},
      {"fixed, additional couples at 6 ft",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         p.working.AddDead = 600;
         p.working.AddEccentricity = 2;
         p.working.AddY = 6;
       },
       // Couple 4 ft below the pin: base moment C/2·(1 − 3·4²/10²) = 26.
       {{Wall, M, kAddDeadGroup, 40, 26}, {Wall, V, kAddDeadGroup, 0, -12.6}}},
      {"cantilever, couples",
       [](Problem& p) {
         p.entry.Cantilever = true;
         p.working.FloorDead = 1000;
         p.working.FloorEccentricity = 3;
         p.working.AddDead = 600;
         p.working.AddEccentricity = 2;
         p.working.AddY = 6;
       },
       // Constant couples; the additional one below 6 ft only.
       {{Wall, M, kFloorDeadGroup, 0, -250}, {Wall, M, kFloorDeadGroup, 40, -250},
        {Wall, V, kFloorDeadGroup, 10, 0}, {Wall, M, kAddDeadGroup, 16, -100},
        {Wall, M, kAddDeadGroup, 15, 0}, {Wall, M, kAddDeadGroup, 40, -100}}},
      // Seismic 20 lb/ft on the wall, 60 lb/ft on a 2 ft parapet whose base
      // moment −60·2²/2 = −120 acts at the wall top.
      {"pinned with a parapet, seismic",
       [](Problem& p) {
         TwentyAndSixtySeismic(p);
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
       },
       // Parapet: base 120 and −120, M(1 ft) = −60·1²/2 = −30.
       // Wall: base reaction 20·10/2 − 120/10 = 88; top shear 88 − 200;
       // M(5) = 88·5 − 20·5²/2 = 190; M(top) = −120.
       {{Par, V, E, 10, 120}, {Par, M, E, 10, -120}, {Par, M, E, 5, -30}, {Par, M, E, 0, 0},
        {Wall, V, E, 10, 88}, {Wall, V, E, 0, -112}, {Wall, M, E, 20, 190},
        {Wall, M, E, 0, -120}, {Wall, M, E, 40, 0}}},
      {"fixed with a parapet, seismic",
       [](Problem& p) {
         Support(p, "Fixed", 100);
         TwentyAndSixtySeismic(p);
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
       },
       // Fixed-end moment 20·10²/8 + (−120)/2 = 190; base shear 88 + 19;
       // M(5) = 190 − 190/2 = 95.
       {{Wall, M, E, 40, -190}, {Wall, V, E, 10, 107}, {Wall, M, E, 20, 95}}},
      {"pinned with a parapet, wind over both",
       [](Problem& p) {
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
         AddWind(p, "W", 20, 0, 12);
       },
       // Parapet base moment −20·2²/2 = −40. Wall: base reaction
       // (−40 + 200·5)/10 = 96; M(5) = 96·5 − 250 = 230; M(top) = −40.
       {{Par, V, W, 10, 40}, {Par, M, W, 10, -40}, {Wall, V, W, 10, 96},
        {Wall, V, W, 0, -104}, {Wall, M, W, 20, 230}, {Wall, M, W, 0, -40}}},
      {"pinned, wind on the parapet only",
       [](Problem& p) {
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
         AddWind(p, "W", 20, 10, 12);
       },
       // Only the parapet's base moment −40 reaches the wall: M = −4·y.
       {{Wall, V, W, 10, -4}, {Wall, V, W, 0, -4}, {Wall, M, W, 20, -20},
        {Wall, M, W, 0, -40}}},
      {"cantilever, wind above the wall top",
       [](Problem& p) {
         p.entry.Cantilever = true;
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
         AddWind(p, "W", 20, 10, 12);
       },
       {{Wall, V, W, 10, 0}, {Wall, M, W, 40, 0}, {Par, M, W, 10, -40}}},
      // Self-weight 50 psf of a 10 ft wall with a 2 ft parapet.
      {"self-weight of wall and parapet",
       [](Problem& p) {
         p.working.WallWeight = 50;
         p.working.ParapetHeight = 2;
         p.working.ParapetThickness = 8;
       },
       {{Wall, N, 0, 10, 600}, {Wall, N, 0, 0, 100}, {Wall, N, 0, 5, 350},
        {Par, N, 0, 10, 100}, {Par, N, 0, 0, 0}, {Par, N, 1, 10, 0}}},
  };
  return cases;
}

TEST(LoadAnalysisStatics, HandWorkedBeamResults) {
  for (const BeamCase& c : BeamCases()) {
    Problem p = WallProblem();
    c.setup(p);
    const AnalysisResults r = AnalyseLoads(p);
    for (const Expectation& e : c.expected) {
      EXPECT_NEAR(Read(r, e), e.value, 1e-3 * std::max(1.0, std::fabs(e.value)))
          << c.name << ": part " << e.part << " quantity " << static_cast<int>(e.quantity)
          << " column " << e.column << " index " << e.index;
    }
  }
}

TEST(LoadAnalysisStatics, BaseFixedEndMomentsFollowTheFixity) {
  struct Case {
    const char* support;
    int16_t percent;
    float expected;
  };
  // 20 lb/ft over 10 ft: wL²/8 = 250 times the fixity.
  for (const Case c : {Case{"Pinned", 0, 0.0f}, Case{"Fixed", 100, 250.0f},
                       Case{"Partially Fixed", 50, 125.0f}, Case{"Partially Fixed", 100, 250.0f}}) {
    Problem p = WallProblem();
    Support(p, c.support, c.percent);
    AddWind(p, "W", 20, 0, 10);
    const AnalysisResults r = AnalyseLoads(p);
    EXPECT_NEAR(r.Span.BaseFixedEndMoment[kWindGroup], c.expected, 1e-3) << c.support;
    EXPECT_NEAR(r.Span.WindBaseReaction, 100.0f, 1e-4);
  }
}

TEST(LoadAnalysisStatics, FluidPressureAtTheWallTopLeavesTheParapetFree) {
  Problem p = WallProblem();
  p.working.ParapetHeight = 3;
  p.working.ParapetThickness = 8;
  p.working.EFP = 30;
  p.working.EFPX = 10;
  for (bool cantilever : {false, true}) {
    p.entry.Cantilever = cantilever;
    const AnalysisResults r = AnalyseLoads(p);
    const MemberTables& parapet = r.Members[PartIndex(kParapet)];
    for (int j = 0; j < kStationCount; ++j) {
      EXPECT_EQ(parapet.Shear[static_cast<size_t>(j)][kFluidPressureGroup], 0.0f);
      EXPECT_EQ(parapet.Moment[static_cast<size_t>(j)][kFluidPressureGroup], 0.0f);
    }
    EXPECT_NE(r.Members[0].Shear[10][kFluidPressureGroup], 0.0f);
  }
}

// A problem that loads every group: couples, fluid pressure, seismic, wind
// and a parapet.
Problem EveryLoad() {
  Problem p = WallProblem();
  p.working.WallWeight = 40;
  p.working.FloorDead = 1000;
  p.working.FloorLive = 400;
  p.working.FloorEccentricity = 3;
  p.working.AddDead = 600;
  p.working.AddLive = 300;
  p.working.AddEccentricity = -2;
  p.working.AddY = 7;
  p.working.EFP = 30;
  p.working.EFPX = 4;
  p.working.ParapetHeight = 2.5f;
  p.working.ParapetThickness = 6;
  TwentyAndSixtySeismic(p);
  AddWind(p, "W", 25, 0, 11);
  AddWind(p, "H", 80, 5, 5);
  return p;
}

TEST(LoadAnalysisStripWidth, LoadsScaleWithTheStrip) {
  // Floor, additional and wind loads act on a 24 in strip twice as on a 12 in
  // one, like self-weight, fluid pressure and seismic load: every table
  // doubles.
  for (const char* support : {"Pinned", "Partially Fixed"}) {
    for (bool cantilever : {false, true}) {
      Problem narrow = EveryLoad();
      narrow.entry.Cantilever = cantilever;
      Support(narrow, support, 40);
      if (cantilever) narrow.working.ParapetHeight = 0;
      Problem wide = narrow;
      wide.working.StripWidth = 24;
      const AnalysisResults a = AnalyseLoads(narrow);
      const AnalysisResults b = AnalyseLoads(wide);
      for (size_t part = 0; part < kWallPartCount; ++part) {
        const MemberTables& ta = a.Members[part];
        const MemberTables& tb = b.Members[part];
        for (size_t j = 0; j < kStationCount; ++j) {
          for (size_t g = 0; g < kLoadGroupCount; ++g) {
            EXPECT_NEAR(tb.Shear[j][g], 2.0 * ta.Shear[j][g],
                        1e-3 + 1e-5 * std::fabs(ta.Shear[j][g]));
          }
          EXPECT_NEAR(tb.Axial[j][0], 2.0 * ta.Axial[j][0], 1e-3 + 1e-5 * ta.Axial[j][0]);
          EXPECT_NEAR(tb.Axial[j][1], 2.0 * ta.Axial[j][1], 1e-3 + 1e-5 * ta.Axial[j][1]);
        }
        for (size_t m = 0; m < kMomentPointCount; ++m) {
          for (size_t g = 0; g < kLoadGroupCount; ++g) {
            EXPECT_NEAR(tb.Moment[m][g], 2.0 * ta.Moment[m][g],
                        1e-3 + 1e-5 * std::fabs(ta.Moment[m][g]));
          }
        }
      }
    }
  }
}

TEST(LoadAnalysisStripWidth, HandWorkedTwoFootStrip) {
  // 24 in strip: the 1000 lb/ft floor load puts 2000 lb and a couple of
  // 2000·3/12 = 500 ft-lb on it; 20 psf of wind is 40 lb/ft of height.
  Problem p = WallProblem();
  p.working.StripWidth = 24;
  p.entry.Cantilever = true;
  p.working.FloorDead = 1000;
  p.working.FloorEccentricity = 3;
  AddWind(p, "W", 20, 0, 10);
  AddWind(p, "H", 100, 6, 6);
  const AnalysisResults r = AnalyseLoads(p);
  const MemberTables& t = r.Members[0];
  EXPECT_NEAR(t.Axial[0][0], 2000, 1e-3);
  EXPECT_NEAR(t.Moment[20][kFloorDeadGroup], -500, 1e-3);
  // 40·10 + 200 = 600 at the base; −40·10²/2 − 200·6 = −3200.
  EXPECT_NEAR(t.Shear[10][kWindGroup], 600, 1e-3);
  EXPECT_NEAR(t.Moment[40][kWindGroup], -3200, 1e-2);
}

// The worked combination problem: pinned wall, floor couples (dead 250 and
// live 100 ft-lb at the top), uniform wind 20 lb/ft, seismic 20 lb/ft. At
// mid-height (station 5, point 20): D = −125, L = −50, W = 250, E = 250; axial
// D = 1000, L = 400; shears D = −25, L = −10, W = E = 0.
Problem CombinationProblem(const char* method) {
  Problem p = WallProblem();
  p.entry.DesignMethod = method;
  SetBuildingCodeFactors(p.entry);
  p.working.FloorDead = 1000;
  p.working.FloorLive = 400;
  p.working.FloorEccentricity = 3;
  AddWind(p, "W", 20, 0, 10);
  p.working.Ss = 150.0f;
  p.working.VeneerWeight = 50.0f;
  return p;
}

TEST(LoadCombinationTables, WorkingStressCombinations) {
  struct Case {
    const char* method;
    std::array<double, 5> moment;
    std::array<double, 5> axial;
    std::array<double, 5> shear;
  };
  const Case cases[] = {
      // ACI: every factor 1 except F11 = 0.9.
      {"ACI",
       {-175, 75, 75, 125, 0.9 * -125 + 250},
       {1400, 1400, 1400, 1000, 900},
       {-35, -35, -35, -25, 0.9 * -25}},
      // IBC-W: F8 = 0.7, F9 = 0.6, F11 = 0.6, F12 = 0.7.
      {"IBC-W",
       {-175, 75, -175 + 0.7 * 250, 0.6 * -125 + 250, 0.6 * -125 + 0.7 * 250},
       {1400, 1400, 1400, 600, 600},
       {-35, -35, -35, 0.6 * -25, 0.6 * -25}},
  };
  for (const Case& c : cases) {
    const AnalysisResults r = AnalyseLoads(CombinationProblem(c.method));
    for (size_t k = 0; k < 5; ++k) {
      EXPECT_NEAR(r.CombMoment[0][k][5], c.moment[k], 1e-3) << c.method << " k " << k + 1;
      EXPECT_NEAR(r.CombAxial[0][k][5], c.axial[k], 1e-3) << c.method << " k " << k + 1;
      EXPECT_NEAR(r.CombShear[0][k][5], c.shear[k], 1e-3) << c.method << " k " << k + 1;
      // Working-stress analyses build no factored tables.
      EXPECT_EQ(r.FactoredMoment[0][k][5], 0.0f);
    }
  }
}

TEST(LoadCombinationTables, StrengthDesignKeepsServiceAndFactoredTables) {
  Problem p = CombinationProblem("IBC-S");
  const AnalysisResults r = AnalyseLoads(p);
  // Service: D + L, D + L + W, D + L + E, D + W, D + E.
  const std::array<double, 5> service{-175, 75, 75, 125, 125};
  // Factored: 1.2D + 1.6L; 1.2D + 0.5L + 1.6W; 1.2D + 0.5L + 1.0E;
  // 0.9D + 1.6W; 0.9D + 1.0E.
  const std::array<double, 5> factored{-230, 225, 75, 287.5, 137.5};
  const std::array<double, 5> factoredAxial{1840, 1400, 1400, 900, 900};
  for (size_t k = 0; k < 5; ++k) {
    EXPECT_NEAR(r.CombMoment[0][k][5], service[k], 1e-3) << k + 1;
    EXPECT_NEAR(r.FactoredMoment[0][k][5], factored[k], 1e-3) << k + 1;
    EXPECT_NEAR(r.FactoredAxial[0][k][5], factoredAxial[k], 1e-3) << k + 1;
  }
  EXPECT_NEAR(r.FactoredShear[0][0][5], 1.2 * -25 + 1.6 * -10, 1e-3);
}

TEST(LoadCombinationTables, UnselectedCombinationIsZeroThroughout) {
  for (const char* method : {"ACI", "IBC-S"}) {
    Problem p = EveryLoad();
    p.entry.DesignMethod = method;
    SetBuildingCodeFactors(p.entry);
    p.entry.LoadCombSelected = {1, 0, 1, 1, 1};
    const AnalysisResults r = AnalyseLoads(p);
    for (size_t part = 0; part < kWallPartCount; ++part) {
      for (size_t j = 0; j < kStationCount; ++j) {
        for (const auto* table :
             {&r.CombAxial, &r.CombMoment, &r.CombShear, &r.FactoredAxial, &r.FactoredMoment,
              &r.FactoredShear, &r.ServiceDeflection, &r.FactoredDeflection}) {
          EXPECT_EQ((*table)[part][1][j], 0.0f) << method << " part " << part << " j " << j;
        }
      }
      for (const auto* table : {&r.CombMaxPosMoment, &r.CombAxialAtPosMoment, &r.CombMaxNegMoment,
                                &r.CombAxialAtNegMoment, &r.CombMaxShear, &r.FactoredMaxPosMoment,
                                &r.FactoredAxialAtPosMoment, &r.FactoredMaxNegMoment,
                                &r.FactoredAxialAtNegMoment, &r.FactoredMaxShear}) {
        EXPECT_EQ((*table)[part][1], 0.0f) << method << " part " << part;
      }
      EXPECT_EQ(r.MomentShearRatio[part][1], 0.0);
      // The selected combinations carry loads.
      EXPECT_NE(r.CombAxial[part][0][10], 0.0f) << method << " part " << part;
      EXPECT_NE(r.CombMoment[part][2][part == 0 ? 5 : 10], 0.0f) << method << " part " << part;
    }
  }
}

TEST(LoadCombinationTables, NoParapetLeavesItsTablesZero) {
  Problem p = CombinationProblem("IBC-S");
  const AnalysisResults r = AnalyseLoads(p);
  for (size_t k = 0; k < 5; ++k) {
    for (size_t j = 0; j < kStationCount; ++j) {
      EXPECT_EQ(r.CombMoment[1][k][j], 0.0f);
      EXPECT_EQ(r.FactoredDeflection[1][k][j], 0.0f);
    }
    EXPECT_EQ(r.CombMaxPosMoment[1][k], 0.0f);
  }
}

TEST(LoadCombinationExtremes, ScanOfTheWorkedProblem) {
  // ACI combination 4 (D + W): M(y) = −25y + 100y − 10y² = 75y − 10y². Of
  // the stations y = 4 (station 6) gives the largest, 300 − 160 = 140; the
  // smallest is 750 − 1000 = −250 at the top. Axial 1000 everywhere.
  const AnalysisResults r = AnalyseLoads(CombinationProblem("ACI"));
  EXPECT_NEAR(r.CombMaxPosMoment[0][3], 140.0, 1e-3);
  EXPECT_NEAR(r.CombMaxNegMoment[0][3], -250.0, 1e-3);
  EXPECT_NEAR(r.CombAxialAtPosMoment[0][3], 1000.0, 1e-3);
  // Shear 75 − 20y: 75 at the base, −125 at the top.
  EXPECT_NEAR(r.CombMaxShear[0][3], -125.0, 1e-3);
}

TEST(LoadCombinationExtremes, MomentTiesKeepTheStationNearerTheBase) {
  // Cantilever with the floor couple only: −250 ft-lb at every station, axial
  // 1000 lb plus 50 psf of wall above the station. The base station (1500 lb)
  // is met first and kept.
  Problem p = WallProblem();
  p.entry.Cantilever = true;
  p.working.FloorDead = 1000;
  p.working.FloorEccentricity = 3;
  p.working.WallWeight = 50;
  const AnalysisResults r = AnalyseLoads(p);
  EXPECT_NEAR(r.CombMaxPosMoment[0][0], -250.0, 1e-3);
  EXPECT_NEAR(r.CombMaxNegMoment[0][0], -250.0, 1e-3);
  EXPECT_NEAR(r.CombAxialAtPosMoment[0][0], 1500.0, 1e-3);
  EXPECT_NEAR(r.CombAxialAtNegMoment[0][0], 1500.0, 1e-3);
}

// Tables written directly: station j has axial 100·j.
AnalysisResults TieTables() {
  AnalysisResults r;
  for (size_t j = 0; j < kStationCount; ++j) {
    r.CombAxial[0][0][j] = static_cast<float>(100 * j);
    r.FactoredAxial[0][0][j] = static_cast<float>(100 * j);
    r.CombMoment[0][0][j] = 1.0f;
    r.FactoredMoment[0][0][j] = 1.0f;
  }
  // Equal largest moments at stations 8 and 2, equal smallest at 7 and 3.
  for (auto* table : {&r.CombMoment, &r.FactoredMoment}) {
    (*table)[0][0][8] = 9.0f;
    (*table)[0][0][2] = 9.0f;
    (*table)[0][0][7] = -4.0f;
    (*table)[0][0][3] = -4.0f;
  }
  // Shears of equal magnitude at stations 9 (+6) and 4 (−6); 2 at the top.
  for (auto* table : {&r.CombShear, &r.FactoredShear}) {
    (*table)[0][0][9] = 6.0f;
    (*table)[0][0][4] = -6.0f;
    (*table)[0][0][0] = 2.0f;
  }
  // Service moment and shear at station 4 for the shear-span ratio.
  r.CombMoment[0][0][4] = 3.0f;
  // Deflections of equal magnitude at stations 6 and 1.
  r.FactoredDeflection[0][0][6] = -0.5f;
  r.FactoredDeflection[0][0][1] = 0.5f;
  r.FactoredDeflection[0][0][3] = 0.25f;
  return r;
}

TEST(LoadCombinationExtremes, TieRules) {
  AnalysisResults r = TieTables();
  FindCombinationExtremes(r, kMainWall);
  EXPECT_EQ(r.CombMaxPosMoment[0][0], 9.0f);
  EXPECT_EQ(r.CombAxialAtPosMoment[0][0], 800.0f);  // station 8, nearer the base
  EXPECT_EQ(r.CombMaxNegMoment[0][0], -4.0f);
  EXPECT_EQ(r.CombAxialAtNegMoment[0][0], 700.0f);  // station 7
  EXPECT_EQ(r.CombMaxShear[0][0], -6.0f);           // station 4, nearer the top

  FindFactoredExtremes(r, kMainWall);
  EXPECT_EQ(r.FactoredMaxPosMoment[0][0], 9.0f);
  EXPECT_EQ(r.PosMomentStation[0][0], 8);
  EXPECT_EQ(r.FactoredAxialAtPosMoment[0][0], 800.0f);
  EXPECT_EQ(r.FactoredMaxNegMoment[0][0], -4.0f);
  EXPECT_EQ(r.NegMomentStation[0][0], 7);
  EXPECT_EQ(r.FactoredAxialAtNegMoment[0][0], 700.0f);
  EXPECT_EQ(r.FactoredMaxShear[0][0], -6.0f);
  // 12·M/(V + 0.0001) at station 4: 12·3/(−6 + 0.0001).
  EXPECT_NEAR(r.MomentShearRatio[0][0], 36.0 / (-6.0 + 0.0001), 1e-9);
  EXPECT_EQ(r.MaxDeflectionStation[0][0], 1);  // ties move to the top
}

TEST(LoadCombinationExtremes, TopStationCountsWhenItHoldsTheExtreme) {
  // The scan starts just beyond the top value, so a top station that holds
  // the extreme is taken with its axial load.
  AnalysisResults r;
  for (size_t j = 0; j < kStationCount; ++j) {
    r.CombMoment[0][0][j] = -static_cast<float>(j);  // largest (0) at the top
    r.CombAxial[0][0][j] = static_cast<float>(50 + j);
  }
  r.CombMoment[0][0][0] = 5.0f;
  FindCombinationExtremes(r, kMainWall);
  EXPECT_EQ(r.CombMaxPosMoment[0][0], 5.0f);
  EXPECT_EQ(r.CombAxialAtPosMoment[0][0], 50.0f);
  EXPECT_EQ(r.CombMaxNegMoment[0][0], -10.0f);
  EXPECT_EQ(r.CombAxialAtNegMoment[0][0], 60.0f);
}

}  // namespace
}  // namespace calvix
