// The calculation steps that go into a calculation package.
#pragma once

#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/calculation_steps.h"
#include "design/design_results.h"
#include "model/problem.h"

namespace calvix {

// One entry per designed wall part (main wall, then the parapet when there is
// one), for the bar row (or grouting case) `choice` of each part.
std::vector<CalculationSteps> PackageSteps(const Problem& problem, const AnalysisResults& analysis,
                                           const DesignResults& design, DesignRun run,
                                           const std::array<int, kWallPartCount>& choice);

}  // namespace calvix
