#include "design/bar_size_limit.h"

#include <algorithm>
#include <array>

#include "analysis/wall_part.h"

namespace calvix {
namespace {

struct ThicknessStep {
  float upTo;         // nominal thickness (in)
  const char* usBar;  // nullptr: no limit at this thickness
  const char* metricBar;
};

// One eighth of the nominal thickness, as the largest standard bar within it.
constexpr std::array<ThicknessStep, 4> kSteps{{
    {4.0f, "#4", "10M"},
    {6.0f, "#6", "15M"},
    {8.0f, "#8", "25M"},
    {10.0f, nullptr, "30M"},
}};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const char* ClauseOf(const std::string& method) {
  if (method == "IBC-W") return "IBC 2000 2107.2.4";
  if (method == "IBC-S") return "IBC 2000 2108.9.2.1";
  return nullptr;
}

}  // namespace

BarSizeLimit BarSizeLimitFor(const std::string& method, float nominalThickness, int unitsType) {
  const char* clause = ClauseOf(method);
  if (clause == nullptr) return {};
  for (const ThicknessStep& step : kSteps) {
    if (nominalThickness <= step.upTo) {
      const char* bar = unitsType == 1 ? step.usBar : step.metricBar;
      if (bar == nullptr) return {};
      return {clause, bar};
    }
  }
  return {};
}

std::vector<bool> PermittedBars(const std::vector<Bar>& bars, const BarSizeLimit& limit) {
  std::vector<bool> permitted(bars.size(), true);
  if (!limit.Limits()) return permitted;
  auto largest = std::find_if(bars.begin(), bars.end(),
                              [&](const Bar& bar) { return Trimmed(bar.Name) == limit.largest; });
  if (largest == bars.end()) return permitted;
  for (auto i = static_cast<std::size_t>(largest - bars.begin()) + 1; i < bars.size(); ++i) {
    permitted[i] = false;
  }
  return permitted;
}

BarSizeLimit PartBarSizeLimit(const Problem& problem, int part) {
  const float thickness =
      part == kParapet ? problem.working.ParapetThickness : problem.working.WallThickness;
  return BarSizeLimitFor(problem.entry.DesignMethod, thickness, problem.units.UnitsType);
}

}  // namespace calvix
