// The texts of a calculation step in the display units of the problem: each
// value converted with the factor of its unit quantity (raised to its power
// for areas, section moduli and moments of inertia), written with the number
// pattern of the quantity and followed by its unit label.
#pragma once

#include <string>

#include "design/calculation_steps.h"
#include "model/problem.h"

namespace calvix {

// A working-unit value in the display units of `quantity` (a UnitQuantity,
// raised to `power`), without its unit; a quantity of -1 is a pure number,
// written with four significant digits.
std::string DisplayNumber(double working, int quantity, int power, const UnitSystem& units);

// The unit label of `quantity` raised to `power` ("in²"); empty for -1.
std::string DisplayUnit(int quantity, int power, const UnitSystem& units);

// "2,500 psi", "30.68 in²", "0.823" (a number without unit: four
// significant digits).
std::string StepValueText(const StepValue& value, const UnitSystem& units);

// The substitution of a step with every "{i}" replaced by the text of
// inputs[i]; a placeholder without its input is left as written.
std::string SubstitutedText(const CalculationStep& step, const UnitSystem& units);

// "Ae = 30.68 in²".
std::string ResultText(const CalculationStep& step, const UnitSystem& units);

// A check's line: "Limit: Fa = 512.4 psi   Ratio: 0.823   OK"; empty for a
// step that is not a check.
std::string CheckText(const CalculationStep& step, const UnitSystem& units);

}  // namespace calvix
