#include "package/package_steps.h"

#include "design/design_calculation.h"
#include "package/package_summary.h"

namespace calvix {

namespace {

CalculationSteps StepsOfPart(const Problem& problem, const AnalysisResults& analysis,
                             const DesignResults& design, DesignRun run, int choice, int part) {
  switch (run) {
    case DesignRun::Strength:
      return StrengthCalculation(problem, analysis, design.strength, choice, part);
    case DesignRun::Reinforced:
      return ReinforcedCalculation(problem, analysis, design.reinforced, choice, part);
    case DesignRun::Unreinforced:
      return UnreinforcedCalculation(problem, analysis, design.unreinforced, choice, part);
    case DesignRun::None:
      break;
  }
  return {};
}

}  // namespace

// The steps come from the design's own calculation functions, one entry per
// designed part, for the reinforcement (or grouting case) chosen for it.
std::vector<CalculationSteps> PackageSteps(const Problem& problem, const AnalysisResults& analysis,
                                           const DesignResults& design, DesignRun run,
                                           const std::array<int, kWallPartCount>& choice) {
  std::vector<CalculationSteps> steps;
  if (run == DesignRun::None) return steps;
  for (int part : DesignedParts(problem)) {
    steps.push_back(StepsOfPart(problem, analysis, design, run, choice[PartIndex(part)], part));
  }
  return steps;
}

}  // namespace calvix
