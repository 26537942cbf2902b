#include "sweep/sweep_text.h"

#include "model/number_format.h"

namespace calvix {
namespace {

constexpr double kSquareFeetPerSquareMetre = 10.7639104;

std::string WithUnit(const std::string& title, const std::string& label) {
  const std::string unit = Trimmed(label);
  return unit.empty() ? title : title + " (" + unit + ")";
}

std::string CostLabel(const UnitSystem& units) {
  return units.UnitsType == 1 ? "$/ft²" : "$/m²";
}

std::string BarText(const Problem& problem, const PartSteel& steel) {
  if (steel.bar < 0 || static_cast<std::size_t>(steel.bar) >= problem.units.BarTable.size()) {
    return "";
  }
  return Trimmed(problem.units.BarTable[static_cast<std::size_t>(steel.bar)].Name);
}

std::string Length(const UnitSystem& units, float inches) {
  return FormatNumber(static_cast<double>(inches) * units.Factor(kLengthShort), "#0");
}

std::string ClosestText(const Problem& problem, const SweepCandidate& closest) {
  const UnitSystem& units = problem.units;
  const SweepRow row = SweepCandidateRow(problem, closest);
  std::string text = "Closest: " + row[kSweepThickness] + " " + Trimmed(units.Label(kLengthShort)) +
                     ", " + row[kSweepStrength] + " " + Trimmed(units.Label(kMasonryStress)) +
                     ", " + row[kSweepGrouting] + ", " + row[kSweepLayers] + ": " +
                     row[kSweepCheck] + " ratio " + row[kSweepRatio];
  if (closest.errorCode > 0)
    text += " (design failure code " + std::to_string(closest.errorCode) + ")";
  return text;
}

}  // namespace

std::string Trimmed(const std::string& label) {
  const std::size_t first = label.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return label.substr(first, label.find_last_not_of(' ') - first + 1);
}

double DisplayCost(const UnitSystem& units, double costPerSquareFoot) {
  return units.UnitsType == 1 ? costPerSquareFoot : costPerSquareFoot * kSquareFeetPerSquareMetre;
}

SweepRow SweepColumnTitles(const UnitSystem& units) {
  return {WithUnit("Thickness", units.Label(kLengthShort)),
          WithUnit("Unit Strength", units.Label(kMasonryStress)),
          "Grouting",
          "Layers",
          "Bar",
          WithUnit("Spacing", units.Label(kLengthShort)),
          "Parapet Steel",
          WithUnit("Cost", CostLabel(units)),
          WithUnit("Weight", units.Label(kSurfaceLoad)),
          "Governing Check",
          "Ratio"};
}

SweepRow SweepCandidateRow(const Problem& problem, const SweepCandidate& candidate) {
  const UnitSystem& units = problem.units;
  SweepRow row;
  row[kSweepThickness] = Length(units, candidate.point.nominalThickness);
  row[kSweepStrength] =
      FormatNumber(static_cast<double>(candidate.point.unitStrength) * units.Factor(kMasonryStress),
                   units.Pattern(kMasonryStress));
  row[kSweepGrouting] = candidate.point.groutOption == 1 ? "Solid" : "Partial";
  row[kSweepLayers] = candidate.point.layersOption == 1 ? "Two" : "One";
  row[kSweepBar] = BarText(problem, candidate.wall);
  row[kSweepSpacing] = candidate.wall.bar < 0 ? "" : Length(units, candidate.wall.spacing);
  if (candidate.parapet.bar >= 0) {
    row[kSweepParapetSteel] =
        BarText(problem, candidate.parapet) + " @ " + Length(units, candidate.parapet.spacing);
  }
  row[kSweepCost] = FormatNumber(DisplayCost(units, candidate.cost), "#,##0.00");
  row[kSweepWeight] =
      FormatNumber(candidate.weight * units.Factor(kSurfaceLoad), units.Pattern(kSurfaceLoad));
  row[kSweepCheck] = candidate.governing.name + (candidate.governing.parapet ? " (parapet)" : "");
  row[kSweepRatio] = FormatNumber(candidate.governing.ratio, "0.000");
  return row;
}

std::string SweepFailureLines(const SweepResult& result) {
  std::string text;
  auto line = [&text](const std::string& what, int count) {
    if (!text.empty()) text += "\r";
    text += what + ": " + std::to_string(count) + (count == 1 ? " wall" : " walls");
  };
  for (const auto& [code, count] : result.failures) {
    line("Design failure code " + std::to_string(code), count);
  }
  if (result.validationFailures > 0) line("Input validation", result.validationFailures);
  return text;
}

std::string NothingPassesText(const Problem& problem, const SweepResult& result) {
  std::string text = "No wall of the sweep passes (" + std::to_string(result.solved) + " of " +
                     std::to_string(result.walls) + " walls solved).";
  const std::string failures = SweepFailureLines(result);
  if (!failures.empty()) text += "\r\r" + failures;
  if (result.closest) text += "\r\r" + ClosestText(problem, *result.closest);
  return text;
}

}  // namespace calvix
