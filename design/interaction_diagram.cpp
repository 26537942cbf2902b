#include "design/interaction_diagram.h"

#include <algorithm>
#include <cmath>

#include "analysis/wall_part.h"
#include "design/reinforced_design.h"
#include "design/section_properties.h"

namespace calvix {
namespace {

// |M| / Mallow, with a moment that has no allowable counting as over any
// ratio that has one.
float MomentRatio(float moment, float allowable) {
  const float m = std::fabs(moment);
  if (allowable > 0.0f) return m / allowable;
  return m > 0.0f ? HUGE_VALF : 0.0f;
}

}  // namespace

PMPlotData ComputePMPlot(const Problem& problem, const AnalysisResults& analysis,
                         const ReinforcedResults& results, int part, int combo, int bar) {
  PMPlotData data;
  data.part = part == kParapet ? kParapet : kMainWall;
  data.combo = std::clamp(combo, 1, kLoadCombinationCount);
  data.bar = bar;
  const std::size_t p = PartIndex(data.part);
  const std::size_t k = static_cast<std::size_t>(data.combo - 1);
  const auto& spacings = results.BarSpacing[p];
  // A bar above the size limit of the wall's thickness has no curves.
  data.spacing = bar >= 0 && results.BarOffered(p, static_cast<std::size_t>(bar))
                     ? spacings[static_cast<std::size_t>(bar)]
                     : 0.0f;
  data.AsMinimum = results.MinSteelArea[p];
  if (data.spacing <= 0.0f) return data;
  const float s = data.spacing;

  // The strip at the bar's spacing.
  WallDepthsResult depths = WallDepths(problem, data.part);
  const bool oneDepth = std::fabs(depths.d - depths.dPrime) < kSameDepthTolerance;
  if (oneDepth) depths.dPrime = depths.d;
  const float hPrime = EffectiveHeight(problem, data.part);
  const StripSection section =
      SectionAtSpacing(problem, depths.t, hPrime, EffectiveFlangeWidth(problem, s), s);
  // Combination 1 (dead and live load) has no stress increase; the others
  // carry wind or seismic load and take StressIncreaseFactor.
  const WorkingStresses allow = StressesForCombination(problem, section.Fa, data.combo);

  InteractionCurve positive;
  const float mPos = AllowableMomentAtAxialLoad(
      problem, positive, analysis.CombAxialAtPosMoment[p][k], allow.Fs, allow.Fb, allow.Fa,
      depths.t, depths.d, section.bPrime, section.bEff, section.Ae, section.S, bar, s);
  InteractionCurve negative;
  const float mNeg = AllowableMomentAtAxialLoad(
      problem, negative, analysis.CombAxialAtNegMoment[p][k], allow.Fs, allow.Fb, allow.Fa,
      depths.t, depths.dPrime, section.bPrime, section.bEff, section.Ae, section.S, bar, s);
  data.ratioPositive = MomentRatio(analysis.CombMaxPosMoment[p][k], mPos);
  data.ratioNegative = MomentRatio(analysis.CombMaxNegMoment[p][k], mNeg);
  if (data.ratioPositive > data.ratioNegative) {
    data.designMoment = analysis.CombMaxPosMoment[p][k];
    data.designAxial = analysis.CombAxialAtPosMoment[p][k];
  } else {
    data.designMoment = analysis.CombMaxNegMoment[p][k];
    data.designAxial = analysis.CombAxialAtNegMoment[p][k];
  }
  data.AsFurnished = StripSteelArea(problem, bar, s);

  // The actual pairs at stations 0..10; the rest of the column repeats the
  // base station so that the polyline ends there.
  for (int i = 0; i < kCurvePointCount; ++i) {
    const std::size_t j = static_cast<std::size_t>(std::min(i, kStationCount - 1));
    data.P[0][static_cast<std::size_t>(i)] = analysis.CombAxial[p][k][j];
    data.M[0][static_cast<std::size_t>(i)] = std::fabs(analysis.CombMoment[p][k][j]);
  }
  for (std::size_t j = 0; j < static_cast<std::size_t>(kStationCount); ++j) {
    data.negativeMoment[j] = analysis.CombMoment[p][k][j] < 0.0f;
  }
  if (oneDepth) {
    data.curveCount = 2;
    data.P[1] = positive.P;
    data.M[1] = positive.M;
  } else {
    data.curveCount = 3;
    data.P[1] = negative.P;
    data.M[1] = negative.M;
    data.P[2] = positive.P;
    data.M[2] = positive.M;
  }
  return data;
}

StripDiagram ComputeStripDiagram(const Problem& problem, int part, int bar, float s) {
  StripDiagram diagram;
  const WallDepthsResult depths = WallDepths(problem, part);
  const float d = depths.d;
  const float dPrime =
      std::fabs(depths.d - depths.dPrime) < kSameDepthTolerance ? d : depths.dPrime;
  diagram.hPrime = EffectiveHeight(problem, part);
  diagram.t = depths.t;
  diagram.d = d;
  diagram.twoCurves = dPrime != d;
  const StripSection sec =
      SectionAtSpacing(problem, depths.t, diagram.hPrime, EffectiveFlangeWidth(problem, s), s);
  diagram.Ae = sec.Ae;
  const float As = StripSteelArea(problem, bar, s);
  const WorkingForm& w = problem.working;
  for (std::size_t c = 0; c < diagram.cases.size(); ++c) {
    // Dead and live load alone take no stress increase; wind or seismic load
    // takes StressIncreaseFactor.
    const float f = c == 0 ? 1.0f : problem.entry.StressIncreaseFactor;
    LoadCaseCurves& curves = diagram.cases[c];
    curves.Fa = sec.Fa * f;
    curves.Fb = w.Fb * f;
    curves.Fs = w.Fs * f;
    CurveInput input{curves.Fs, curves.Fb, curves.Fa, depths.t, d, sec.bPrime,
                     sec.bEff,  sec.Ae,    sec.S,     As,       s};
    curves.positive = BuildInteractionCurve(problem, input);
    curves.negative = curves.positive;
    if (diagram.twoCurves) {
      input.d = dPrime;
      curves.negative = BuildInteractionCurve(problem, input);
    }
  }
  return diagram;
}

}  // namespace calvix
