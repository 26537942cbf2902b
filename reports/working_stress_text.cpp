#include "reports/working_stress_text.h"

#include <algorithm>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"

namespace calvix {

std::array<std::string, 2> EndAligned(const std::string& label1, const std::string& value1,
                                      const std::string& label2, const std::string& value2) {
  const int end =
      std::max(TextWidth(label1) + TextWidth(value1), TextWidth(label2) + TextWidth(value2));
  std::string line1 = label1;
  std::string line2 = label2;
  PlaceRight(line1, end - 1, value1);
  PlaceRight(line2, end - 1, value2);
  return {line1, line2};
}

std::string MaterialTypeText(const std::string& material) {
  if (material == "CMU") return "Conc. Masonry Unit";
  if (material == "Clay") return "Clay Masonry Unit";
  if (material == "Brick") return "Two Wythe Brick";
  return ReportUserText(material);
}

std::string ComboLabel(const Problem& problem, int k) {
  return CombinationLabel(k, problem.entry.StressIncreaseFactor, false, problem.entry.LoadFactors)
      .Label;
}

StationUnits StationUnitsOf(int unitsType) {
  switch (unitsType) {
    case 2:
      return {"Bot (m.)", "(N-m.)", "(N.)"};
    case 3:
      return {"Bot (m.)", "(Kg-m.)", "(Kg.)"};
    default:
      return {"Bot (ft)", "(ft-lb)", "(lbs)"};
  }
}

std::string StationDistance(const UnitText& u, const Problem& problem, int part, int j) {
  const float H = PartHeight(problem, part);
  return u.Number(static_cast<double>(H) * (10 - j) / 10.0, kLengthLong);
}

}  // namespace calvix
