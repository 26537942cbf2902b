// The one wall every design test builds: a design strip of a single wall with
// an optional parapet, in U.S. Standard units with the bars #3-#9, all five
// building-code combinations selected, allowable stresses raised by 4/3 for
// wind and seismic combinations, and no seismic acceleration unless Ss is
// given (the main wall still carries the 10 % minimum seismic load of its
// weight, the parapet none). Uniform wind, when given, runs from the base to
// the top of the parapet.
//
// Defaults: an 8 in solidly grouted concrete-masonry wall (t = 7.625 in,
// 1.25 in face shells, 16 in units on an 8 in module, one layer at mid-depth
// d = 3.8125 in), 20 ft, pinned, 80 psf, on a 12 in strip (so every strip load
// equals its per-foot value); f'm 1500 psi, Fb 500, Fv 38.73, Ft 25 / 68 psi,
// Em 1350 ksi, n 21.48; Grade 60 (Fs 24 ksi, Es 29000 ksi), minimum steel
// ratio 0.0007; seismic design category B (72 in bar spacing); strength
// design.
#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/load_combinations.h"
#include "gtest/gtest.h"

namespace calvix::testing {

// Fields in declaration order for designated initialisers. Heights in ft,
// thicknesses and steel depths in in (c, cp: the depth entered, or the cover
// of each layer with two layers), loads in psf (ww, wind), plf (D, L, hLoad
// at hHeight) and pcf (soil pressure efp up to efpx), e in in, stresses in
// psi, Em and fy in ksi, Ss in % of g; `module` 0 is half the unit.
struct WallData {
  float H = 20, T = 8, c = 3.8125f, Hp = 0, Tp = 0, cp = 0, ww = 80, D = 0, L = 0, e = 0;
  float wind = 0, fm = 1500, Em = 1350, n = 21.48f, ts = 1.25f;
  bool solid = true;
  const char* material = "CMU";
  bool cantilever = false;
  const char* support = "Pinned";
  int16_t percent = 0;
  const char* category = "Category B";
  bool axialMcr = false, running = true, twoLayers = false;
  float unitLength = 16, hLoad = 0, hHeight = 0, fy = 60;
  const char* method = "IBC-S";
  bool reinforced = true;
  float module = 0, nma = 0.375f, cell = 8, Fb = 500, Fv = 38.73f, ftNone = 25, ftSolid = 68;
  float strip = 12, efp = 0, efpx = 0, Ss = 0, stressIncrease = 4.0f / 3.0f;
  const char* site = "Class A";
};

// 12 in hollow concrete block, f'm 2000: Fb 666.67, Fv 44.72, Em 1800,
// n 16.11, 1.5 in face shells, t = 11.625.
constexpr WallData Cmu12(WallData w) {
  w.T = 12, w.ts = 1.5f, w.fm = 2000, w.Fb = 2000.0f / 3.0f, w.Fv = 44.72f;
  w.Em = 1800, w.n = 16.11f;
  return w;
}

// 8 in hollow clay units 12 in long (6 in module), f'm 2500: Fb 833.33,
// Fv 50, Em 1750, n 16.57; actual thickness 7.5 in.
constexpr WallData Clay8(WallData w) {
  w.material = "Clay", w.T = 8, w.nma = 0.5f, w.cell = 6, w.unitLength = 12;
  w.fm = 2500, w.Fb = 2500.0f / 3.0f, w.Fv = 50, w.Em = 1750, w.n = 16.57f;
  return w;
}

// Two-wythe brick of nominal thickness T (= actual) with a grouted collar
// joint, 3.625 in wythes, 8 in units on a 2 in module, f'm 3000: Fb 1000,
// Fv 50, Ft 40 / 40, Em 2100, n 13.81.
constexpr WallData Brick(WallData w) {
  w.material = "Brick", w.nma = 0, w.ts = 3.625f, w.cell = w.T, w.unitLength = 8, w.module = 2;
  w.fm = 3000, w.Fb = 1000, w.Fv = 50, w.ftNone = 40, w.ftSolid = 40, w.Em = 2100, w.n = 13.81f;
  return w;
}

inline void AddWind(Problem& p, const char* type, float magnitude, float start, float end) {
  p.working.WindType.push_back(type);
  p.working.WindMagnitude.push_back(magnitude);
  p.working.WindStart.push_back(start);
  p.working.WindEnd.push_back(end);
}

inline Problem MakeWall(const WallData& s) {
  Problem p;
  p.units.UnitsType = 1;
  p.units.UnitFactors.fill(1.0f);
  p.units.UnitLabels[kLengthShort] = "in  ";
  p.units.BarTable = {{"#3", 0.375f, 0.11f}, {"#4", 0.5f, 0.20f},   {"#5", 0.625f, 0.31f},
                      {"#6", 0.75f, 0.44f},  {"#7", 0.875f, 0.60f}, {"#8", 1.0f, 0.79f},
                      {"#9", 1.128f, 1.00f}};
  p.ReinforcedWall = s.reinforced;
  EntryForm& e = p.entry;
  e.DesignMethod = s.method;
  e.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(e);
  e.LoadCombSelected = {1, 1, 1, 1, 1};
  e.StressIncreaseFactor = s.stressIncrease;
  e.MasonryMaterial = s.material;
  e.RunningBond = s.running;
  e.Cantilever = s.cantilever;
  e.SupportType = s.support;
  e.PercentFixed = s.percent;
  e.UseAxialMcr = s.axialMcr;
  WorkingForm& w = p.working;
  w.WallHeight = s.H, w.WallThickness = s.T, w.WallSteelDepth = s.c;
  w.ParapetHeight = s.Hp, w.ParapetThickness = s.Tp, w.ParapetSteelDepth = s.cp;
  w.StripWidth = s.strip, w.WallWeight = s.ww;
  w.FloorDead = s.D, w.FloorLive = s.L, w.FloorEccentricity = s.e;
  w.AddY = s.H;  // strength design puts the additional load at the top
  w.FmPrime = s.fm, w.Fb = s.Fb, w.Fv = s.Fv, w.FtNoGrout = s.ftNone, w.FtSolidGrout = s.ftSolid;
  w.Em = s.Em, w.ModularRatio = s.n;
  w.GroutedCellWidth = s.cell, w.UnitLength = s.unitLength;
  w.SpacingModule = s.module != 0 ? s.module : s.unitLength / 2;
  w.FaceShellThickness = s.ts, w.NominalMinusActual = s.nma;
  w.Fy = s.fy, w.Fs = 24, w.Es = 29000, w.MinSteelRatio = 0.0007f;
  w.SolidGrouted = s.solid, w.TwoLayers = s.twoLayers;
  w.EFP = s.efp, w.EFPX = s.efpx, w.Ss = s.Ss;
  w.SeismicCategory = s.category, w.SiteClass = s.site, w.UseGroup = "I";
  w.S1Class = "< 0.75 g", w.Ip = 1.0f, w.ZOverH = 1.0f;
  if (s.wind != 0) AddWind(p, "W", s.wind, 0, s.H + s.Hp);
  if (s.hLoad != 0) AddWind(p, "H", s.hLoad, s.hHeight, s.hHeight);
  return p;
}

// The load analysis of a wall and one design routine run part by part (the
// parapet only after the main wall passed), as Solve runs them.
template <typename Results>
struct Designed {
  Problem problem;
  AnalysisResults analysis;
  Results results;
  int16_t code = -1;
};

template <typename Results, typename Routine>
Designed<Results> DesignWall(Problem p, Routine routine, int lastPass) {
  Designed<Results> d{std::move(p), {}, {}, -1};
  d.analysis = AnalyseLoads(d.problem);
  for (int pass = 1; pass <= lastPass && (pass == 1 || d.code == 0); ++pass) {
    routine(d.problem, d.analysis, d.results, d.code, pass);
  }
  return d;
}

// A table of expected values under tests/data/design/: every line is a row
// name and its numbers and words (blank lines and '#' comments skipped); the
// lines of one name add up to one row.
struct TableRow {
  std::vector<double> v;
  std::vector<std::string> words;
};
inline std::map<std::string, TableRow> ReadDesignTable(const std::string& file) {
  std::ifstream in(std::string(CALVIX_SOURCE_DIR) + "/tests/data/design/" + file);
  std::map<std::string, TableRow> rows;
  for (std::string line, name, word; std::getline(in, line);) {
    std::istringstream s(line);
    if (!(s >> name) || name[0] == '#') continue;
    while (s >> word) {
      char* end = nullptr;
      const double value = std::strtod(word.c_str(), &end);
      if (*end == '\0')
        rows[name].v.push_back(value);
      else
        rows[name].words.push_back(word);
    }
  }
  return rows;
}

// Expects each computed value within `relative` (and 1e-5) of the expected one.
inline void ExpectValues(const std::vector<double>& expected, const std::vector<double>& actual,
                         double relative = 1e-5) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(expected[i], actual[i], std::abs(expected[i]) * relative + 1e-5) << "value " << i;
  }
}

}  // namespace calvix::testing
