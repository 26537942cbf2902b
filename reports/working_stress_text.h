// Texts shared by the working-stress report sections (reinforced and
// unreinforced walls, the character interaction diagram).
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "model/problem.h"
#include "reports/report_format.h"

namespace calvix {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// Two label/value lines whose values end in the same column.
std::array<std::string, 2> EndAligned(const std::string& label1, const std::string& value1,
                                      const std::string& label2, const std::string& value2);

// "Conc. Masonry Unit", "Clay Masonry Unit", "Two Wythe Brick".
std::string MaterialTypeText(const std::string& material);

// The working-stress label of combination k, e.g. "1*DL+1*LL+1*WL".
std::string ComboLabel(const Problem& problem, int k);

// Unit texts of the printed station tables.
struct StationUnits {
  std::string distance, moment, force;
};
StationUnits StationUnitsOf(int unitsType);

// Distance of station j (0 top .. 10 base) from the base of the part.
std::string StationDistance(const UnitText& u, const Problem& problem, int part, int j);

}  // namespace calvix
