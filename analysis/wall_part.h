// The two parts of a wall that the analysis and every design method treat
// separately: the main wall between its supports and the parapet that stands
// on its top. Routines take the part as 1 (main wall) or 2 (parapet); result
// arrays are indexed from 0 by PartIndex.
#pragma once

#include <cstddef>

#include "model/problem.h"

namespace calvix {

inline constexpr int kMainWall = 1;
inline constexpr int kParapet = 2;
inline constexpr std::size_t kWallPartCount = 2;

// Array index of a wall part: 0 for the main wall, 1 for the parapet (any value
// other than kParapet is taken as the main wall).
constexpr std::size_t PartIndex(int part) {
  return part == kParapet ? 1 : 0;
}

// Height of a wall part (ft): the parapet's or the main wall's.
inline float PartHeight(const Problem& problem, int part) {
  return part == kParapet ? problem.working.ParapetHeight : problem.working.WallHeight;
}

// Actual thickness of a wall part (in): its nominal thickness less
// NominalMinusActual, in single precision as every design uses it.
inline float ActualThickness(const Problem& problem, int part) {
  const WorkingForm& w = problem.working;
  const double nominal = part == kParapet ? w.ParapetThickness : w.WallThickness;
  return static_cast<float>(nominal - static_cast<double>(w.NominalMinusActual));
}

}  // namespace calvix
