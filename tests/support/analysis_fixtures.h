// Compact set-up of analysis test problems: a string of "Field=value" edits
// separated by spaces, '_' standing for a space inside a value, e.g.
//   "SupportType=Partially_Fixed PercentFixed=50 Wind=W:20:0:10,H:100:6:6".
// Lengths ending in "mm" are stored in inches as the input conversion does.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/problem.h"

namespace calvix::testing {

inline float TestNumber(const std::string& text) {
  if (!text.ends_with("mm")) return std::stof(text);
  return static_cast<float>(std::stod(text.substr(0, text.size() - 2)) / 25.4f);
}

// Wind rows "type:magnitude:start:end" separated by commas; type "." is empty.
inline void SetWindRows(WorkingForm& w, const std::string& rows) {
  w.WindType.clear();
  w.WindMagnitude.clear();
  w.WindStart.clear();
  w.WindEnd.clear();
  std::istringstream in(rows);
  for (std::string row; std::getline(in, row, ',');) {
    std::replace(row.begin(), row.end(), ':', ' ');
    std::istringstream fields(row);
    std::string type;
    float magnitude = 0, start = 0, end = 0;
    fields >> type >> magnitude >> start >> end;
    w.WindType.push_back(type == "." ? "" : type);
    w.WindMagnitude.push_back(magnitude);
    w.WindStart.push_back(start);
    w.WindEnd.push_back(end);
  }
}

inline void EditField(Problem& p, const std::string& name, std::string value) {
  std::replace(value.begin(), value.end(), '_', ' ');
  WorkingForm& w = p.working;
  EntryForm& e = p.entry;
  // clang-format off
  const std::map<std::string, float*> numbers{
      {"WallHeight", &w.WallHeight}, {"WallThickness", &w.WallThickness},
      {"WallSteelDepth", &w.WallSteelDepth}, {"ParapetHeight", &w.ParapetHeight},
      {"ParapetThickness", &w.ParapetThickness}, {"ParapetSteelDepth", &w.ParapetSteelDepth},
      {"StripWidth", &w.StripWidth}, {"WallWeight", &w.WallWeight}, {"FloorDead", &w.FloorDead},
      {"FloorLive", &w.FloorLive}, {"FloorEccentricity", &w.FloorEccentricity},
      {"AddDead", &w.AddDead}, {"AddLive", &w.AddLive}, {"AddEccentricity", &w.AddEccentricity},
      {"AddY", &w.AddY}, {"EFP", &w.EFP}, {"EFPX", &w.EFPX}, {"Ss", &w.Ss},
      {"VeneerWeight", &w.VeneerWeight}, {"ZOverH", &w.ZOverH}, {"Ip", &w.Ip},
      {"UnitStrength", &w.UnitStrength}, {"FmPrime", &w.FmPrime}, {"Fb", &w.Fb}, {"Fv", &w.Fv},
      {"FtNoGrout", &w.FtNoGrout}, {"FtSolidGrout", &w.FtSolidGrout}, {"Em", &w.Em},
      {"ModularRatio", &w.ModularRatio}, {"GroutedCellWidth", &w.GroutedCellWidth},
      {"UnitLength", &w.UnitLength}, {"FaceShellThickness", &w.FaceShellThickness},
      {"NominalMinusActual", &w.NominalMinusActual}, {"Fy", &w.Fy}, {"Fs", &w.Fs}, {"Es", &w.Es},
      {"MinSteelRatio", &w.MinSteelRatio}, {"SpacingModule", &w.SpacingModule},
      {"UserFa", &e.UserFa}};
  const std::map<std::string, std::string*> texts{
      {"SiteClass", &w.SiteClass}, {"UseGroup", &w.UseGroup}, {"S1Class", &w.S1Class},
      {"SeismicCategory", &w.SeismicCategory}, {"DesignMethod", &e.DesignMethod},
      {"MasonryMaterial", &e.MasonryMaterial}, {"MortarMaterial", &e.MortarMaterial},
      {"MortarType", &e.MortarType}, {"SupportType", &e.SupportType},
      {"BuildingCodeComb", &e.BuildingCodeComb}};
  const std::map<std::string, bool*> flags{
      {"SolidGrouted", &w.SolidGrouted}, {"TwoLayers", &w.TwoLayers},
      {"RunningBond", &e.RunningBond}, {"Cantilever", &e.Cantilever},
      {"ReinforcedWall", &p.ReinforcedWall}};
  // clang-format on
  if (auto n = numbers.find(name); n != numbers.end()) {
    *n->second = TestNumber(value);
  } else if (auto t = texts.find(name); t != texts.end()) {
    *t->second = value;
  } else if (auto f = flags.find(name); f != flags.end()) {
    *f->second = value == "1";
  } else if (name == "PercentFixed") {
    e.PercentFixed = static_cast<int16_t>(std::stoi(value));
  } else if (name == "Wind") {
    SetWindRows(w, value);
  } else if (name == "Comb") {  // "10110": combinations 1 to 5 selected or not
    for (size_t k = 0; k < e.LoadCombSelected.size(); ++k) {
      e.LoadCombSelected[k] = static_cast<int16_t>(value.at(k) - '0');
    }
  } else if (name.size() > 1 && name[0] == 'F' && std::isdigit(name[1])) {  // factor F1..F12
    e.LoadFactors.at(static_cast<size_t>(std::stoi(name.substr(1)) - 1)) = TestNumber(value);
  } else if (name == "Units") {  // metric display units (2 S.I., 3 MKS): 25.4 mm per inch
    p.units.UnitsType = static_cast<int16_t>(std::stoi(value));
    p.units.UnitFactors[kLengthShort] = 25.4f;
    p.units.UnitLabels[kLengthShort] = "mm  ";
  } else {
    ADD_FAILURE() << "unknown test field " << name;
  }
}

inline Problem& Apply(Problem& p, const std::string& edits) {
  std::istringstream in(edits);
  for (std::string edit; in >> edit;) {
    const size_t equals = edit.find('=');
    EditField(p, edit.substr(0, equals),
              equals == std::string::npos ? "" : edit.substr(equals + 1));
  }
  return p;
}

// The rows of a table in tests/data/analysis/: one row a line, cells
// separated by '|' and trimmed, "\r" standing for a line break; blank lines
// and lines starting with '#' are left out.
inline std::vector<std::vector<std::string>> ReadTable(const std::string& name) {
  std::ifstream in(std::string(CALVIX_SOURCE_DIR) + "/tests/data/analysis/" + name);
  EXPECT_TRUE(in) << name << " missing";
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string>& row = rows.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '|');) {
      cell.erase(0, cell.find_first_not_of(' '));
      cell.erase(cell.find_last_not_of(' ') + 1);
      for (size_t at = 0; (at = cell.find("\\r", at)) != std::string::npos;)
        cell.replace(at, 2, "\r");
      row.push_back(cell);
    }
    row.resize(std::max<size_t>(row.size(), 4));  // missing trailing cells are empty
  }
  return rows;
}

}  // namespace calvix::testing
