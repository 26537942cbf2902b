// What each fuzz target does with one input, shared with the regression test
// that replays every input the fuzzers have found (tests/data/fuzz/). Each
// check feeds the bytes to one reader (or to open + solve) the way the
// program does and returns an empty text when everything held, otherwise what
// went wrong. Crashes, leaks and undefined behaviour are the sanitizers' to
// report.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "analysis/solve.h"
#include "cli/json_document.h"
#include "design/design_results.h"
#include "files/default_data.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "files/settings.h"
#include "files/units_file.h"
#include "files/window_place.h"
#include "fuzz/fuzz_support.h"
#include "model/errors.h"

namespace calvix::fuzzing {

// The started problem of each unit system (1-3), read once.
inline const Problem& StartedProblem(const ScratchFolder& folder, int16_t unitsType) {
  static AnsweringPlatform platform;
  static const std::array<Problem, 3> started = [&folder] {
    std::array<Problem, 3> problems;
    for (int16_t units = 1; units <= 3; ++units) {
      Session session(platform, ProgramFolder{folder.path()});
      StartProgram(session, units);
      problems[static_cast<size_t>(units - 1)] = session.problem;
    }
    return problems;
  }();
  return started[static_cast<size_t>(unitsType - 1)];
}

// The project-file reader; a file it accepts is written back in the current
// layout and must be accepted again.
inline std::string CheckProjectFile(const ScratchFolder& folder, std::string_view bytes) {
  const auto path = folder / "input.cxl";
  WriteBytes(path, bytes);
  const EntryForm current;
  auto read = ReadProjectFile(path, current);
  auto* contents = std::get_if<ProjectFileContents>(&read);
  if (contents == nullptr) return "";
  Problem problem;
  problem.units.UnitsType = contents->UnitsType;
  problem.entry = contents->entry;
  const auto copy = folder / "copy.cxl";
  WriteProjectFile(copy, problem);
  auto again = ReadProjectFile(copy, current);
  if (!std::holds_alternative<ProjectFileContents>(again)) {
    return "an accepted file was not accepted again once written";
  }
  return "";
}

// The default-data reader in each unit system; a damaged file is refused with
// a CalvixError naming it.
inline std::string CheckDefaultData(const ScratchFolder& folder, std::string_view bytes) {
  StartedProblem(folder, 1);  // before CXDeflt.fil is replaced
  WriteBytes(folder / "CXDeflt.fil", bytes);
  AnsweringPlatform platform;
  for (int16_t units = 1; units <= 3; ++units) {
    Session session(platform, ProgramFolder{folder.path()});
    session.problem = StartedProblem(folder, units);
    try {
      LoadDefaultValues(session);
    } catch (const CalvixError&) {
    }
  }
  return "";
}

// The units file (`unitsFile` true) or the bar file, in each unit system.
inline std::string CheckUnitsOrBars(const ScratchFolder& folder, std::string_view bytes,
                                    bool unitsFile) {
  const auto fuzzed = folder / (unitsFile ? "fuzz-Units.fil" : "fuzz-Bars.fil");
  WriteBytes(fuzzed, bytes);
  for (int16_t units = 1; units <= 3; ++units) {
    try {
      UnitSystem system = unitsFile ? LoadUnits(units, fuzzed, folder / "Bars.fil")
                                    : LoadUnits(units, folder / "Units.fil", fuzzed);
      for (const Bar& bar : system.BarTable) (void)BarLabel(bar);
    } catch (const CalvixError&) {
    }
  }
  return "";
}

// The settings reader: every setting falls back to a usable value; a value
// written reads back.
inline std::string CheckSettings(const ScratchFolder& folder, std::string_view bytes) {
  const auto path = folder / "fuzz.ini";
  WriteBytes(path, bytes);
  SettingsFile settings(path);
  const int16_t units = ReadUnitsType(settings);
  if (units < 1 || units > 3) return "unit system out of range";
  const float shell = ReadMaxShell(settings);
  if (!(shell > 0.0f) || !std::isfinite(shell)) return "maximum face shell not usable";
  (void)ReadShowDesignCriteria(settings);
  if (ReadFontName(settings).empty()) return "empty font name";
  const float font = ReadFontSize(settings);
  if (!(font > 0.0f) || !std::isfinite(font)) return "font size not usable";
  (void)ReadWindowPlace(settings, kMainWindowSection);
  if (settings.Write("Units System", "UnitsType", "2") &&
      settings.Read("Units System", "UnitsType") != "2") {
    return "a written setting did not read back";
  }
  return "";
}

// The path to the first number that is not finite; empty when all are.
inline std::string FirstNonFinite(const nlohmann::ordered_json& value, const std::string& path) {
  if (value.is_number_float()) return std::isfinite(value.get<double>()) ? "" : path;
  if (value.is_array()) {
    for (size_t i = 0; i < value.size(); ++i) {
      std::string found = FirstNonFinite(value[i], path + "[" + std::to_string(i) + "]");
      if (!found.empty()) return found;
    }
  } else if (value.is_object()) {
    for (const auto& [key, item] : value.items()) {
      std::string found = FirstNonFinite(item, path + "." + key);
      if (!found.empty()) return found;
    }
  }
  return "";
}

// File > Open and then Solve, reinforced and unreinforced, with the real
// design routines. A solve may refuse the problem, but whatever it analysed or
// designed must hold finite numbers only.
inline std::string CheckOpenAndSolve(const ScratchFolder& folder, std::string_view bytes) {
  const auto path = folder / "input.cxl";
  WriteBytes(path, bytes);
  for (bool reinforced : {true, false}) {
    AnsweringPlatform platform;
    Session session(platform, ProgramFolder{folder.path()});
    session.problem = StartedProblem(folder, 1);
    platform.file = path;
    try {
      if (!OpenFile(session)) return "";
    } catch (const CalvixError&) {
      return "";
    }
    AnalysisResults analysis;
    DesignResults results;
    SolveOutcome outcome;
    try {
      outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(results));
    } catch (const CalvixError& error) {
      // Open refuses a number field holding text, so an opened file never
      // fails at Solve with a type mismatch.
      if (error.number() == kErrorTypeMismatch)
        return std::string("type mismatch at Solve: ") + error.what();
      continue;
    }
    std::string found;
    if (outcome.analysed) {
      const bool strength = session.problem.entry.DesignMethod == "IBC-S";
      found = FirstNonFinite(AnalysisJson(analysis, strength), "analysis");
    }
    if (found.empty() && outcome.design != DesignRun::None) {
      found = FirstNonFinite(DesignJson(results, outcome.design), "design");
    }
    if (!found.empty()) return (reinforced ? "reinforced: " : "unreinforced: ") + found;
  }
  return "";
}

}  // namespace calvix::fuzzing
