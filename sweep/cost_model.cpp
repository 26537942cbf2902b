#include "sweep/cost_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "model/errors.h"

namespace calvix {
namespace {

constexpr double kMillimetresPerInch = 25.4;

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) cells.push_back(cell);
  return cells;
}

[[noreturn]] void BadRow(const std::filesystem::path& path, int lineNumber) {
  throw CalvixError(kErrorBadFileFormat, "Bad file format in " + path.filename().string() +
                                             " line " + std::to_string(lineNumber));
}

double Number(const std::string& text, const std::filesystem::path& path, int lineNumber) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || value < 0) BadRow(path, lineNumber);
  return value;
}

void ReadRow(CostModel& model, const std::vector<std::string>& cells,
             const std::filesystem::path& path, int lineNumber) {
  if (cells.size() != 6) BadRow(path, lineNumber);
  const std::string& item = cells[0];
  if (item == "item") return;  // the column headings
  const double cost = Number(cells[4], path, lineNumber);
  const double weight = Number(cells[5], path, lineNumber);
  if (item == "masonry") {
    const bool metric = cells[2] == "metric";
    if (!metric && cells[2] != "US") BadRow(path, lineNumber);
    const double nominal =
        Number(cells[3], path, lineNumber) / (metric ? kMillimetresPerInch : 1.0);
    if (nominal <= 0) BadRow(path, lineNumber);
    model.masonry.push_back({cells[1], metric, static_cast<float>(nominal), cost, weight});
  } else if (item == "strength") {
    model.strength.push_back({cells[1], cost});
  } else if (item == "grout") {
    model.groutCost = cost;
    model.groutDensity = weight;
  } else if (item == "steel") {
    model.steelCost = cost;
    model.steelDensity = weight;
  } else {
    BadRow(path, lineNumber);
  }
}

}  // namespace

std::vector<float> CostModel::Thicknesses(const std::string& material, bool metric) const {
  std::vector<float> sizes;
  for (const MasonryCost& row : masonry) {
    if (row.material == material && row.metric == metric) sizes.push_back(row.nominalThickness);
  }
  std::sort(sizes.begin(), sizes.end());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  return sizes;
}

const MasonryCost* CostModel::Masonry(const std::string& material, bool metric,
                                      float nominalThickness) const {
  for (const MasonryCost& row : masonry) {
    if (row.material == material && row.metric == metric &&
        std::fabs(row.nominalThickness - nominalThickness) < 0.001f) {
      return &row;
    }
  }
  return nullptr;
}

double CostModel::PremiumPer1000Psi(const std::string& material) const {
  for (const StrengthPremium& row : strength) {
    if (row.material == material) return row.costPer1000Psi;
  }
  return 0;
}

CostModel ReadCostModel(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) throw CalvixError(kErrorFileNotFound, "File not found: " + path.string());
  CostModel model;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    ReadRow(model, SplitTabs(line), path, lineNumber);
  }
  return model;
}

double GroutVolumePerSquareFoot(float t, float ts, bool solidGrouted, float groutedCellWidth,
                                float barSpacing) {
  const double core = std::max(0.0, static_cast<double>(t) - 2.0 * ts) / 12.0;
  if (solidGrouted) return core;
  if (barSpacing <= 0) return 0;
  return core * std::min(1.0, static_cast<double>(groutedCellWidth) / barSpacing);
}

double SteelVolumePerSquareFoot(int layers, float barArea, float barSpacing) {
  if (barSpacing <= 0) return 0;
  // layers x A / s in2 per inch of width = x 12 per foot of width, over 12 in
  // of height: in3 per ft2, then ft3.
  return layers * static_cast<double>(barArea) / barSpacing * 144.0 / 1728.0;
}

WallCost CostOf(const CostModel& model, const WallQuantities& wall) {
  const MasonryCost* masonry = model.Masonry(wall.material, wall.metric, wall.nominalThickness);
  if (masonry == nullptr) {
    std::ostringstream text;
    text << "No cost of " << wall.nominalThickness << " in " << wall.material << " walls";
    throw CalvixError(kErrorBadFileFormat, text.str());
  }
  const double strengthSteps =
      std::max(0.0, static_cast<double>(wall.unitStrength) - wall.weakestUnitStrength) / 1000.0;
  WallCost result;
  result.cost = masonry->cost + strengthSteps * model.PremiumPer1000Psi(wall.material) +
                wall.groutVolume * model.groutCost +
                wall.steelVolume * model.steelDensity * model.steelCost;
  result.weight = masonry->weight + wall.groutVolume * model.groutDensity +
                  wall.steelVolume * model.steelDensity;
  return result;
}

}  // namespace calvix
