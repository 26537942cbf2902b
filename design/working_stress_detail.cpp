#include "design/working_stress_detail.h"

#include <cmath>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "design/interaction_curve.h"
#include "design/section_properties.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

}  // namespace

float StressFactorOf(const Problem& problem, int combination) {
  return combination == 1 ? 1.0f : problem.entry.StressIncreaseFactor;
}

ReinforcedDetail ComputeReinforcedDetail(const Problem& problem, const ReinforcedResults& results,
                                         int bar, int part) {
  const std::size_t p = PartIndex(part);
  ReinforcedDetail detail;
  detail.bar = bar;
  if (bar < 0 || U(bar) >= results.BarSpacing[p].size()) return detail;
  // A bar above the size limit has no design to detail.
  detail.s = results.BarOffered(p, U(bar)) ? results.BarSpacing[p][U(bar)] : 0.0f;
  const float t = WallDepths(problem, part).t;
  const float hPrime = EffectiveHeight(problem, part);
  detail.AsMin = static_cast<float>(static_cast<double>(problem.working.MinSteelRatio) *
                                    problem.working.StripWidth * t);
  if (detail.s <= 0.0f) return detail;
  detail.AsFurnished = StripSteelArea(problem, bar, detail.s);
  detail.section =
      SectionAtSpacing(problem, t, hPrime, EffectiveFlangeWidth(problem, detail.s), detail.s);
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    detail.allow[U(k - 1)] = StressesForCombination(problem, detail.section.Fa, k);
  }
  return detail;
}

UnreinforcedDetail ComputeUnreinforcedDetail(const Problem& problem,
                                             const AnalysisResults& analysis,
                                             const UnreinforcedResults& results, int groutCase,
                                             int part) {
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  UnreinforcedDetail detail;
  detail.groutCase = groutCase;
  detail.d = WallDepths(problem, part).d;
  if (groutCase < 0 || U(groutCase) >= results.CaseSection[p].size()) return detail;
  const GroutCaseSection& sec = results.CaseSection[p][U(groutCase)];
  detail.section = sec;
  const auto use = CombinationUseOfPart(problem, analysis.Seismic, part);
  const float H = PartHeight(problem, part);
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    const std::size_t ks = U(k - 1);
    const float f = StressFactorOf(problem, k);
    detail.Fa[ks] = sec.Fa * f;
    detail.Fb[ks] = w.Fb * f;
    detail.Ft[ks] = sec.Ft * f;
    detail.Fv[ks] = w.Fv * f;
    if (use[ks] != CombinationUse::kUsed) continue;
    const float baseAxial = analysis.CombAxial[p][ks][U(kStationCount - 1)];
    for (int j = 0; j < kStationCount; ++j) {
      UnreinforcedStation& st = detail.stations[ks][U(j)];
      st.distance = static_cast<float>(static_cast<double>(H) * (10 - j) / 10.0);
      st.M = analysis.CombMoment[p][ks][U(j)];
      st.P = analysis.CombAxial[p][ks][U(j)];
      st.V = analysis.CombShear[p][ks][U(j)];
      // fa = P/Ae, fb = |M|·12/S (ACI 530-99 2.2.3.1), ft = fa − fb.
      const double fa = sec.Ae > 0.0f ? st.P / static_cast<double>(sec.Ae) : 0.0;
      const double fb = sec.S > 0.0f ? std::fabs(static_cast<double>(st.M)) * 12.0 / sec.S : 0.0;
      st.fa = static_cast<float>(fa);
      st.fb = static_cast<float>(fb);
      st.ft = static_cast<float>(fa - fb);
      const double csi = (detail.Fa[ks] > 0.0f ? fa / detail.Fa[ks] : 0.0) +
                         (detail.Fb[ks] > 0.0f ? fb / detail.Fb[ks] : 0.0);
      st.csi = static_cast<float>(csi);
      const bool hasShearWidth = sec.bv > 0.0f && sec.Ig > 0.0f;
      const double fv = hasShearWidth ? std::fabs(static_cast<double>(st.V)) * sec.Q /
                                            (static_cast<double>(sec.Ig) * sec.bv)
                                      : 0.0;
      const bool shearOk = hasShearWidth && fv < detail.Fv[ks];
      st.verdict = GroutCaseVerdict(st.ft, detail.Ft[ks], st.csi, shearOk, baseAxial, sec.Pe);
    }
  }
  return detail;
}

}  // namespace calvix
