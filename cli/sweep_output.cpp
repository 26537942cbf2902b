#include "cli/sweep_output.h"

#include <algorithm>
#include <sstream>

#include "cli/json_document.h"
#include "sweep/sweep_text.h"

namespace calvix {
namespace {

using json = nlohmann::ordered_json;

std::size_t Shown(const SweepResult& result, std::size_t top) {
  return top == 0 ? result.passing.size() : std::min(top, result.passing.size());
}

// Characters shown, not bytes: the unit labels hold "²".
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string BarName(const Problem& problem, const PartSteel& steel) {
  if (steel.bar < 0) return "";
  return problem.units.BarTable[static_cast<std::size_t>(steel.bar)].Name;
}

json CandidateJson(const Problem& problem, const SweepCandidate& c) {
  json object{
      {"WallThickness", SingleJson(c.point.nominalThickness)},
      {"UnitStrength", SingleJson(c.point.unitStrength)},
      {"SolidGrouted", c.point.groutOption == 1},
      {"TwoLayers", c.point.layersOption == 1},
      {"bar", BarName(problem, c.wall)},
      {"BarSpacing", SingleJson(c.wall.spacing)},
      {"parapet_bar", BarName(problem, c.parapet)},
      {"ParapetBarSpacing", SingleJson(c.parapet.spacing)},
      {"cost", c.cost},
      {"weight", c.weight},
      {"check", c.governing.name},
      {"check_part", c.governing.parapet ? "parapet" : "wall"},
      {"ratio", SingleJson(c.governing.ratio)},
  };
  if (!c.passed) {
    object["validation_ok"] = c.validationOk;
    object["error_code"] = c.errorCode;
  }
  return object;
}

json FreeJson(const SweepFreedom& freedom) {
  json names = json::array();
  if (freedom.thickness) names.push_back("thickness");
  if (freedom.grout) names.push_back("grout");
  if (freedom.layers) names.push_back("layers");
  if (freedom.strength) names.push_back("strength");
  if (freedom.bars) names.push_back("bars");
  return names;
}

}  // namespace

std::optional<SweepFreedom> ParseSweepFreedom(const std::string& list) {
  SweepFreedom freedom{false, false, false, false, false};
  std::stringstream stream(list);
  std::string name;
  bool any = false;
  while (std::getline(stream, name, ',')) {
    if (name == "thickness") {
      freedom.thickness = true;
    } else if (name == "grout") {
      freedom.grout = true;
    } else if (name == "layers") {
      freedom.layers = true;
    } else if (name == "strength") {
      freedom.strength = true;
    } else if (name == "bars") {
      freedom.bars = true;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return freedom;
}

json SweepJson(const Problem& problem, const SweepFreedom& freedom, const SweepResult& result,
               std::size_t top) {
  json candidates = json::array();
  for (std::size_t i = 0; i < Shown(result, top); ++i) {
    candidates.push_back(CandidateJson(problem, result.passing[i]));
  }
  json failures = json::array();
  for (const auto& [code, count] : result.failures) {
    failures.push_back({{"error_code", code}, {"count", count}});
  }
  const bool nonePasses = result.passing.empty();
  return json{
      {"free", FreeJson(freedom)},
      {"walls", result.walls},
      {"solved", result.solved},
      {"cancelled", result.cancelled},
      {"passing", result.passing.size()},
      {"candidates", candidates},
      {"failures", failures},
      {"validation_failures", result.validationFailures},
      {"closest",
       nonePasses && result.closest ? CandidateJson(problem, *result.closest) : json(nullptr)},
  };
}

std::string SweepCsv(const Problem& problem, const SweepResult& result, std::size_t top) {
  std::ostringstream csv;
  csv << "rank,WallThickness,UnitStrength,SolidGrouted,TwoLayers,bar,BarSpacing,parapet_bar,"
         "ParapetBarSpacing,cost,weight,check,check_part,ratio\n";
  for (std::size_t i = 0; i < Shown(result, top); ++i) {
    const SweepCandidate& c = result.passing[i];
    const json row = CandidateJson(problem, c);
    csv << i + 1 << ',' << row["WallThickness"].dump() << ',' << row["UnitStrength"].dump() << ','
        << (c.point.groutOption == 1) << ',' << (c.point.layersOption == 1) << ','
        << BarName(problem, c.wall) << ',' << row["BarSpacing"].dump() << ','
        << BarName(problem, c.parapet) << ',' << row["ParapetBarSpacing"].dump() << ','
        << row["cost"].dump() << ',' << row["weight"].dump() << ',' << c.governing.name << ','
        << (c.governing.parapet ? "parapet" : "wall") << ',' << row["ratio"].dump() << '\n';
  }
  return csv.str();
}

std::string SweepText(const Problem& problem, const SweepResult& result, std::size_t top) {
  std::vector<SweepRow> rows{SweepColumnTitles(problem.units)};
  for (std::size_t i = 0; i < Shown(result, top); ++i) {
    rows.push_back(SweepCandidateRow(problem, result.passing[i]));
  }
  std::array<std::size_t, kSweepColumnCount> width{};
  for (const SweepRow& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k)
      width[k] = std::max(width[k], DisplayWidth(row[k]));
  }
  std::ostringstream text;
  text << result.passing.size() << " passing candidates from " << result.solved << " of "
       << result.walls << " walls solved" << (result.cancelled ? " (cancelled)" : "") << ".\n";
  for (const SweepRow& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      text << row[k] << std::string(width[k] - DisplayWidth(row[k]) + 2, ' ');
    }
    text << '\n';
  }
  std::string failures = SweepFailureLines(result);
  std::replace(failures.begin(), failures.end(), '\r', '\n');
  if (!failures.empty()) text << "Failing walls:\n" << failures << '\n';
  return text.str();
}

}  // namespace calvix
