// Input validation of the Solve command. Every check runs, in a fixed order,
// without stopping at the first failure; each failed check replaces the text
// of its kind, so the program shows at most one warning box (the last warning)
// followed by at most one error box (the last error). Checks compare the
// working values (inches, feet, psi, ksi) that ConvertInput has just built.
//
// Checks, in order:
//   1  nominal thickness of hollow-core units (warning that also stops the solve)
//   2  minimum thickness for strength design (IBC 2000 2108)
//   3  f'm range for strength design
//   4  strip width not below one grouted cell
//   5  wind rows ending above the wall top
//   6  steel depth of the main wall (reinforced design)
//   7  parapet steel depth and thickness
//   8  additional vertical load above the floor
//   9  equivalent fluid pressure above the floor
//   10 wall height, thickness and steel depth present
//   11 parapet thickness and steel depth present (parapet above 0.001 ft)
//   12 strip width present
//   13 steel data present
//   14 f'm present
//   15 allowable shear present
//   16 working-stress masonry data present
//   17 wind END distances and concentrated loads
//   18 stack bond grouting for Categories D-F (ACI 530-99 1.13.6.3 / IBC 2000 2106.5.2)
//   19 minimum steel by seismic design category, type N mortar for D-F
// then the checks that protect the design from dividing by zero or looping:
//   masonry data (grouted cell width, unit length, face shell, Em, n) positive,
//   actual wall and parapet thickness positive, the parapet thickness and
//   steel depth present for any parapet height above zero, PercentFixed within
//   0..100 for a partially fixed base, "W" rows with 0 <= START <= END, at
//   least one load combination selected and not every factor of the selected
//   combinations zero;
// and finally, when nothing failed, the requirement of at least one load.
#pragma once

#include <optional>
#include <string>

#include "model/problem.h"
#include "model/session.h"

namespace calvix {

// What one validation run finds. `warning` is the text of the warning box and
// `error` that of the error box, each absent when no check of its kind failed.
// A run can fail (ok false) with no error text: the nominal-thickness check
// stops the solve with its warning alone.
struct ValidationOutcome {
  bool ok = true;
  std::optional<std::string> warning;
  std::optional<std::string> error;
};

// Runs every check on the problem and returns the messages the program shows.
// Shows nothing and changes nothing.
ValidationOutcome CheckInput(const Problem& problem);

// Validates session.problem and shows the messages: when there is a warning the
// busy pointer goes back to the default and the warning box (title
// "Warning Message") is shown; when the input is rejected the pointer goes back
// to the default and, when there is an error text, the error box (title
// "Error Message") follows. Both are OK boxes with the information icon. A
// successful validation leaves the pointer as it was (busy during a solve).
// Returns true when the input may be analysed.
bool ValidateInput(Session& session);

}  // namespace calvix
