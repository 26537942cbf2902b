// The calculation of a wall part as ordered steps (see calculation_steps.h),
// one function per design method. Each is built from the values of the design
// routines (the section at the chosen spacing, the allowables or nominal
// strengths, the curve point, the P-delta passes), never from formulas written
// again.
#pragma once

#include "analysis/load_analysis.h"
#include "design/calculation_steps.h"
#include "design/design_results.h"
#include "model/problem.h"

namespace calvix {

// Working-stress reinforced design (ACI 530-99 chapter 2 / IBC 2000 2107) of
// bar row `bar` of the bar table at its accepted spacing, part 1 or 2.
CalculationSteps ReinforcedCalculation(const Problem& problem, const AnalysisResults& analysis,
                                       const ReinforcedResults& results, int bar, int part);

// Working-stress unreinforced design of grouting case `groutCase` (0-based).
CalculationSteps UnreinforcedCalculation(const Problem& problem, const AnalysisResults& analysis,
                                         const UnreinforcedResults& results, int groutCase,
                                         int part);

// Strength design (IBC 2000 2108) of bar row `bar` at its accepted spacing,
// with the P-delta passes of the governing combination.
CalculationSteps StrengthCalculation(const Problem& problem, const AnalysisResults& analysis,
                                     const StrengthResults& results, int bar, int part);

}  // namespace calvix
