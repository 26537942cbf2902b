// The calculation steps of a design as plain data: for every check the design
// makes for the governing case and for the reinforcement (or grouting case)
// the engineer picks, the quantity, the building-code section it comes from,
// the formula in symbols, the values that go into it and the result; a check
// also carries its limit, the demand/capacity ratio and the verdict.
//
// Values are held in the working units of the design (in, ft for heights, lb,
// psi, ksi for steel, ft-lb per strip, ...). The unit quantity of each value
// tells the report how to convert and label it in the display units, so the
// design never formats and the report never computes.
#pragma once

#include <string>
#include <vector>

namespace calvix {

// One value of a step. `quantity` is a UnitQuantity of model/problem.h (the
// factor and label of the unit system), or -1 for a dimensionless number.
// `power` raises a length quantity: kLengthShort with power 2 is an area,
// 3 a section modulus, 4 a moment of inertia.
struct StepValue {
  std::string symbol;  // "f'm", "h'", "Ae", ...
  double value = 0;    // in working units
  int quantity = -1;
  int power = 1;
};

struct CalculationStep {
  std::string quantity;   // "Allowable axial stress"
  std::string reference;  // "ACI 530-99 2.3.3.2.1", "IBC 2000 2108.9.2.13", or
                          // "Calvix: <short reason>" where Calvix follows its own rule
  std::string formula;    // in symbols: "Fa = 0.25 f'm [1 - (h'/(140 r))^2]"
  // The right-hand side with the inputs substituted: "{0}", "{1}", ... stand
  // for inputs[0], inputs[1], ... formatted in the display units by the report:
  // "0.25 x {0} x [1 - ({1}/(140 x {2}))^2]". Empty when the step only states
  // a value (an input echoed, a table look-up).
  std::string substitution;
  std::vector<StepValue> inputs;
  StepValue result;  // symbol, value and quantity of the result

  // A check compares the result (the demand) with a limit.
  bool check = false;
  StepValue limit;   // the capacity or limit it is compared with
  double ratio = 0;  // demand / capacity
  bool ok = true;    // OK / NG
};

// The steps of one check, in order ("Loads and combination", "Effective
// height and slenderness", "Section properties", "Axial load", "Flexure",
// "Shear", "P-delta", "Deflection", "Minimum and maximum steel", "Spacing",
// "Combined stress", "Tension", ...).
struct CalculationGroup {
  std::string title;
  std::vector<CalculationStep> steps;
};

// One pass of the P-delta iteration of strength design (IBC 2000 2108.9.4).
struct PDeltaPass {
  int pass = 0;
  double deflection = 0;  // in
  double moment = 0;      // ft-lb per strip
  double change = 0;      // change of the moment from the previous pass (ft-lb)
  bool converged = false;
  double changePercent = 0;  // change of the deflection (%), the convergence measure (< 1 %)
};

// The calculation of one wall part (1 main wall, 2 parapet) for the chosen
// reinforcement or grouting case.
struct CalculationSteps {
  int part = 1;
  int governingCombination = 0;  // 1-5
  std::vector<CalculationGroup> groups;
  std::vector<PDeltaPass> pdelta;  // strength design only
  // The check with the largest ratio: index into groups and into its steps.
  int governingGroup = -1;
  int governingStep = -1;
  bool ok = true;  // every check passes
};

}  // namespace calvix
