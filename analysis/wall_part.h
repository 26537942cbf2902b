// The two parts of a wall that the analysis and every design method treat
// separately: the main wall between its supports and the parapet that stands
// on its top. Routines take the part as 1 (main wall) or 2 (parapet); result
// arrays are indexed from 0 by PartIndex.
#pragma once

#include <cstddef>

namespace calvix {

inline constexpr int kMainWall = 1;
inline constexpr int kParapet = 2;
inline constexpr std::size_t kWallPartCount = 2;

// Array index of a wall part: 0 for the main wall, 1 for the parapet (any value
// other than kParapet is taken as the main wall).
constexpr std::size_t PartIndex(int part) {
  return part == kParapet ? 1 : 0;
}

}  // namespace calvix
