// The axial load - moment interaction diagrams of a working-stress reinforced
// design (ACI 530-99 2.3, IBC 2000 2107) as plain data: the allowable P-M
// curves of the strip at a bar's accepted spacing for positive moment (steel
// depth d) and, when the steel is off centre, for negative moment (d'). The
// results window's diagram and the printed character diagram only draw them.
#pragma once

#include <array>

#include "analysis/load_analysis.h"
#include "design/design_results.h"
#include "design/interaction_curve.h"
#include "model/problem.h"

namespace calvix {

inline constexpr int kPMCurveColumns = 3;

// The steel depths of the two faces count as one when they differ by less
// than this (in).
inline constexpr float kSameDepthTolerance = 0.01f;

// What the diagram window shows for one part, one load combination and one
// bar at its accepted spacing.
struct PMPlotData {
  int part = 1;        // 1 main wall, 2 parapet
  int combo = 1;       // load combination 1-5
  int bar = 0;         // bar row of the bar table
  float spacing = 0;   // accepted spacing (in); 0: nothing is drawn
  int curveCount = 0;  // 0 (no spacing), 2 (d' = d) or 3 (d' != d)
  // Curve columns: 0 the actual pairs, 1 the allowable curve for positive
  // moment (two curves) or for negative moment with d' (three curves), 2 the
  // positive moment curve with d (three curves). Element i is point i + 1.
  std::array<std::array<float, kCurvePointCount>, kPMCurveColumns> P{};
  std::array<std::array<float, kCurvePointCount>, kPMCurveColumns> M{};
  // Stations whose moment is negative: with three curves their points are
  // drawn in the colour of the negative-moment curve they are checked against,
  // the others in the colour of the positive-moment curve.
  std::array<bool, kStationCount> negativeMoment{};
  float ratioPositive = 0;  // |M+| / Mallow at P+
  float ratioNegative = 0;  // |M-| / Mallow at P-
  float designMoment = 0;   // ft-lb, the sign with the larger ratio (negative on a tie)
  float designAxial = 0;    // lb
  float AsFurnished = 0;    // in^2 of the strip
  float AsMinimum = 0;      // in^2 of the strip
};

// The curves and the design point of part `part`, combination `combo` (0 or
// less is taken as 1, above 5 as 5) and bar row `bar`.
PMPlotData ComputePMPlot(const Problem& problem, const AnalysisResults& analysis,
                         const ReinforcedResults& results, int part, int combo, int bar);

// The curves of one load case of the printed diagram: its allowables and the
// curves for positive moment (d) and negative moment (d'; the same curve when
// the steel is central).
struct LoadCaseCurves {
  float Fa = 0;  // psi
  float Fb = 0;  // psi
  float Fs = 0;  // ksi
  InteractionCurve positive;
  InteractionCurve negative;
};

// The strip of the printed diagram at bar `bar` and spacing s, with the
// curves of dead and live load alone (cases[0], no stress increase) and of
// wind or seismic load (cases[1], times StressIncreaseFactor).
struct StripDiagram {
  float hPrime = 0;        // effective height (in)
  float t = 0;             // actual thickness (in)
  float d = 0;             // depth of the steel for positive moment (in)
  float Ae = 0;            // effective area (in^2)
  bool twoCurves = false;  // d' differs from d
  std::array<LoadCaseCurves, 2> cases;
};

StripDiagram ComputeStripDiagram(const Problem& problem, int part, int bar, float s);

}  // namespace calvix
