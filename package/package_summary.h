// The summary a reviewer reads first, as plain data: for each designed wall
// part the chosen reinforcement (or grouting case), the design values of the
// result tables under the names the command-line JSON gives them, and every
// check with its demand, capacity, ratio and verdict. The values are those of
// the design's result tables, unrounded, in working units: the package writes
// the design values with the nine significant digits of the JSON document and
// the checks in the display units of the project.
#pragma once

#include <string>
#include <vector>

#include "package/package_input.h"

namespace calvix {

// A value of a result table: its JSON key, value and working unit.
struct SummaryValue {
  int part = 1;
  std::string key;
  float value = 0;
  std::string unit;
  bool integer = false;
};

struct SummaryCheck {
  int part = 1;
  std::string name;  // "Flexure", "Shear", ...
  std::string demandKey;
  float demand = 0;
  std::string capacityKey;
  float capacity = 0;
  int quantity = -1;  // unit quantity of demand and capacity; -1 for a pure number
  int power = 1;      // 2 for an area
  double ratio = 0;   // demand / capacity
  bool ok = true;
};

struct PackageSummary {
  std::string method;              // "IBC 2000 Strength, reinforced wall"
  std::vector<std::string> parts;  // "Main wall: #5 @ 24.00 in o.c."
  std::vector<SummaryValue> values;
  std::vector<SummaryCheck> checks;
  int governing = -1;  // index into checks of the largest ratio
  bool ok = false;     // designed and every check passes
};

PackageSummary BuildSummary(const PackageInput& input);

// A number as the JSON document writes it: nine significant digits.
std::string JsonDigits(float value);

// The ratio as the summary shows it, with three decimals.
std::string RatioText(double ratio);

// The wall parts of the problem: 1, and 2 when it has a parapet.
std::vector<int> DesignedParts(const Problem& problem);

}  // namespace calvix
