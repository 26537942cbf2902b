#include "sweep/governing_check.h"

#include <cmath>
#include <limits>

#include "analysis/wall_part.h"

namespace calvix {
namespace {

constexpr float kNoRatio = std::numeric_limits<float>::infinity();

// Keeps the larger of the check so far and `name` with demand / capacity;
// a check without a capacity does not count.
void Consider(GoverningCheck& check, const char* name, double demand, double capacity) {
  if (!(capacity > 0)) return;
  const float ratio = static_cast<float>(std::fabs(demand) / capacity);
  if (check.name.empty() || ratio > check.ratio) {
    check.name = name;
    check.ratio = ratio;
  }
}

GoverningCheck WorkingStressCheck(const Problem& problem, const AnalysisResults& analysis,
                                  const ReinforcedResults& r, std::size_t p, std::size_t bar) {
  GoverningCheck check;
  if (bar >= r.Bars[p].size() || r.Bars[p][bar].SpacingsTried.empty()) return {"flexure", kNoRatio};
  const BarDesign& design = r.Bars[p][bar];
  const float increase = r.GovCombo[p] == 1 ? 1.0f : problem.entry.StressIncreaseFactor;
  Consider(check, "axial", analysis.CombAxial[p][0][kStationCount - 1],
           design.curve.AxialCapacity() / increase);
  const float allowMoment = r.BarSpacing[p][bar] > 0
                                ? r.BarAllowMoment[p][bar]
                                : AllowableMomentOnCurve(design.curve, r.GovAxial[p]);
  if (allowMoment > 0) {
    Consider(check, "flexure", r.GovMoment[p], allowMoment);
  } else if (r.GovMoment[p] != 0 && !(check.ratio >= 1.0f)) {
    // No moment capacity at this axial load while the axial check itself
    // passes: the bar cannot carry the moment at all.
    return {"flexure", kNoRatio};
  }
  const double shearArea = static_cast<double>(design.section.bPrime) * r.DesignDepth[p];
  if (shearArea > 0) Consider(check, "shear", r.GovShear[p] / shearArea, r.AllowableShear[p]);
  if (check.name.empty()) check = {"flexure", 0};
  return check;
}

GoverningCheck StrengthCheck(const StrengthResults& r, std::size_t p, std::size_t bar) {
  GoverningCheck check;
  if (bar >= r.BarAs[p].size() || !(r.BarAs[p][bar] > 0)) return {"flexure", kNoRatio};
  Consider(check, "flexure", r.BarMu[p][bar], r.BarPhiMn[p][bar]);
  Consider(check, "required steel", r.BarAsReq[p][bar], r.BarAs[p][bar]);
  Consider(check, "maximum steel", r.BarAs[p][bar], r.BarAsMax[p][bar]);
  Consider(check, "deflection", r.BarDeltaServ[p][bar], r.AllowServiceDeflection[p]);
  Consider(check, "shear", r.GovShear[p], r.BarPhiVn[p][bar]);
  Consider(check, "axial", r.AxialStress[p], r.AxialLimit[p]);
  if (check.name.empty()) check = {"flexure", 0};
  return check;
}

}  // namespace

GoverningCheck BarGoverningCheck(const Problem& problem, const AnalysisResults& analysis,
                                 const DesignResults& design, DesignRun run, int part,
                                 std::size_t bar) {
  const std::size_t p = PartIndex(part);
  GoverningCheck check = run == DesignRun::Strength
                             ? StrengthCheck(design.strength, p, bar)
                             : WorkingStressCheck(problem, analysis, design.reinforced, p, bar);
  check.parapet = part == kParapet;
  return check;
}

}  // namespace calvix
