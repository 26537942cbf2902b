// The result tables of the three design methods for one solve, the design
// routines bound to them, and their JSON form.
#pragma once

#include <nlohmann/json.hpp>

#include "analysis/solve.h"

namespace calvix {

struct DesignResults {};

DesignRoutines DesignRoutinesFor(DesignResults& results);

nlohmann::ordered_json DesignJson(const DesignResults& results, DesignRun run);

}  // namespace calvix
