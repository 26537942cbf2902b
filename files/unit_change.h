// Options > Units: moving the open problem into another unit system. Every
// field with a unit and every wind table value is converted with the unit
// factors (display value = working value x factor), so that the wall and its
// loads stay the same; the nominal sizes are then rounded to the standard
// sizes of the new system. Starting a new problem in the new system remains
// possible.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/session.h"

namespace calvix {

// A nominal size that the conversion rounded: the field and its texts (with
// the unit label) before and after the rounding.
struct RoundedSize {
  int field = 0;
  std::string converted;  // "203.2 mm"
  std::string rounded;    // "200.0 mm"
};

// The nominal size nearest `displayValue` in `unitsType`: masonry is laid out
// on a module of whole inches in U.S. units and of 25 mm in the metric systems
// (the 4, 6, 8, 10, 12 and 16 in hollow units are 100, 150, 200, 250, 300 and
// 400 mm units).
double NearestNominalSize(double displayValue, int16_t unitsType);

// Converts the problem into `unitsType`: the field texts and wind table of the
// current system are read as numbers, the unit record, bar table, limits,
// decimals and labels of the new system are loaded, and every value is written
// back as working value x new factor with the new decimals (wind cells
// "#,##0.00"). Fields without a unit (Ss in % of g, n, the steel ratio, the
// height ratio), empty texts and texts that are not numbers stay as they are.
// The nominal wall and parapet thicknesses and the nominal unit length are
// then rounded with NearestNominalSize, and automatic masonry data are
// recalculated. The problem counts as changed and has no results. Returns the
// sizes that were rounded. Nothing happens for the current system.
std::vector<RoundedSize> ConvertUnitSystem(Session& session, int16_t unitsType);

// The message listing the rounded sizes (title "Calvix Units"); empty when
// nothing was rounded.
std::string RoundedSizesText(const std::vector<RoundedSize>& rounded);

}  // namespace calvix
