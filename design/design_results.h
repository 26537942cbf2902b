// The result tables of the three design methods for one open problem, and the
// design routines of the Solve command bound to them. The reports, the results
// window and the command-line document only read these tables.
#pragma once

#include "analysis/solve.h"
#include "design/reinforced_design.h"
#include "design/strength_design.h"
#include "design/unreinforced_design.h"

namespace calvix {

struct DesignResults {
  ReinforcedResults reinforced;      // "ACI" / "IBC-W", reinforced wall
  UnreinforcedResults unreinforced;  // "ACI" / "IBC-W", unreinforced wall
  StrengthResults strength;          // "IBC-S"
};

// The Solve command's design routines, each writing into its table of `results`.
DesignRoutines DesignRoutinesFor(DesignResults& results);

}  // namespace calvix
