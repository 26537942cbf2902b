// The texts of a design sweep in the problem's unit system: the columns of
// the ranked table (the desktop dialog and the command line show the same
// texts) and the message when no wall passes.
#pragma once

#include <array>
#include <string>

#include "model/problem.h"
#include "sweep/sweep.h"

namespace calvix {

// The columns of the ranked table.
enum SweepColumn : int {
  kSweepThickness = 0,
  kSweepStrength,
  kSweepGrouting,
  kSweepLayers,
  kSweepBar,
  kSweepSpacing,
  kSweepParapetSteel,
  kSweepCost,
  kSweepWeight,
  kSweepCheck,
  kSweepRatio,
  kSweepColumnCount
};

using SweepRow = std::array<std::string, kSweepColumnCount>;

// A unit label without the blanks the units file pads it with.
std::string Trimmed(const std::string& label);

// Column titles with the unit labels of the system ("Thickness (in)", "Cost
// ($/ft²)" or "Cost ($/m²)", ...).
SweepRow SweepColumnTitles(const UnitSystem& units);

// One candidate as the table shows it: thickness and bar spacing in short
// lengths (whole units), unit strength in masonry stress, cost per ft² (per m²
// in the metric systems), weight as a surface load, the governing check with
// "(parapet)" when it belongs to the parapet, and its ratio to three decimals.
SweepRow SweepCandidateRow(const Problem& problem, const SweepCandidate& candidate);

// Cost per unit area in the display units: per ft² in U.S. Standard units,
// per m² in the metric systems.
double DisplayCost(const UnitSystem& units, double costPerSquareFoot);

// The failure counts ("Design failure code 8: 12 walls" per code, then the
// walls the input validation refused), one line each, separated by "\r".
std::string SweepFailureLines(const SweepResult& result);

// The message when no wall passes: the counts of each failure and the wall
// that came closest with its governing check.
std::string NothingPassesText(const Problem& problem, const SweepResult& result);
inline constexpr const char* kSweepTitle = "Design Sweep";

}  // namespace calvix
