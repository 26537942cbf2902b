// Building blocks of the calculation steps (design/calculation_steps.h) that
// the three design methods share: values and steps, the building-code
// references of a method, the load combination with its factors, the seismic
// force, and the governing check with the verdict. Nothing here computes an
// engineering value: every number comes from the design or the analysis.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/load_analysis.h"
#include "design/calculation_steps.h"
#include "model/problem.h"

namespace calvix {

inline constexpr int kNoUnit = -1;

StepValue Value(std::string symbol, double value, int quantity = kNoUnit, int power = 1);

// A step that evaluates a formula (or, with an empty substitution, states a value).
CalculationStep MakeStep(std::string quantity, std::string reference, std::string formula,
                         std::string substitution, std::vector<StepValue> inputs, StepValue result);

// The step as a check of its result (the demand) against `limit`, with the
// verdict of the design; ratio = |demand| / limit.
CalculationStep AsCheck(CalculationStep step, StepValue limit, bool ok);

// demand / capacity; a capacity that is not positive makes any demand
// infinitely large and no demand nothing.
double DemandRatio(double demand, double capacity);

// The reference of a working-stress rule: ACI 530-99 `aciSection` for "ACI",
// IBC 2000 2107 (which adopts it) for "IBC-W".
std::string WorkingStressReference(const Problem& problem, std::string_view aciSection);

// "Calvix: <reason>" where Calvix follows its own rule.
std::string CalvixReference(std::string_view reason);

// The combination formula of combination k (1-5) with its load factors.
CalculationStep CombinationStep(const Problem& problem, int k);

// The seismic force on a part, as the load analysis applied it.
CalculationStep SeismicStep(const Problem& problem, const AnalysisResults& analysis, int part);

// Adds the group "Seismic force" when the part carries a seismic load.
void AddSeismicGroup(CalculationSteps& steps, const Problem& problem,
                     const AnalysisResults& analysis, int part);

// The effective height h' (in) of a part by its support.
CalculationStep EffectiveHeightStep(const Problem& problem, float hPrime, int part,
                                    std::string reference);

// The actual thickness t (in) of a part: its nominal thickness less the
// allowance of the units.
CalculationStep ActualThicknessStep(const Problem& problem, float t, int part);

// The largest permitted bar spacing by seismic design category, checked
// against the chosen spacing s, and the spacing as whole spacing modules.
CalculationGroup SpacingGroup(const Problem& problem, float s, std::string reference);

// Sets governingGroup / governingStep to the check with the largest ratio
// and ok to the verdict of every check.
void SetGoverningCheck(CalculationSteps& steps);

}  // namespace calvix
