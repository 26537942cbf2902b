// Fuzz target: File > Open of any bytes and then Solve of what was opened, as
// a reinforced and as an unreinforced wall, with the real design routines. A
// solve may refuse the problem (validation, a failure code, a conversion
// error), but a design it completes must hold finite numbers only.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "analysis/solve.h"
#include "cli/json_document.h"
#include "design/design_results.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "fuzz_support.h"
#include "model/errors.h"

using namespace calvix;

namespace {

bool AllFinite(const nlohmann::ordered_json& value) {
  if (value.is_number_float()) return std::isfinite(value.get<double>());
  if (value.is_structured()) {
    for (const auto& item : value) {
      if (!AllFinite(item)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFolder folder;
  static fuzzing::AnsweringPlatform platform;
  static const Problem started = [] {
    Session session(platform, ProgramFolder{folder.path()});
    StartProgram(session);
    return session.problem;
  }();
  const auto path = folder / "input.cxl";
  fuzzing::WriteBytes(path, data, size);

  for (bool reinforced : {true, false}) {
    Session session(platform, ProgramFolder{folder.path()});
    session.problem = started;
    platform.file = path;
    try {
      if (!OpenFile(session)) return 0;
    } catch (const CalvixError&) {
      return 0;
    }
    AnalysisResults analysis;
    DesignResults results;
    SolveOutcome outcome;
    try {
      outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(results));
    } catch (const CalvixError&) {
      continue;  // a field that is not a number: reported to the engineer
    }
    if (outcome.analysed) {
      bool strength = session.problem.entry.DesignMethod == "IBC-S";
      if (!AllFinite(AnalysisJson(analysis, strength))) std::abort();
    }
    if (outcome.designed && !AllFinite(DesignJson(results, outcome.design))) std::abort();
  }
  return 0;
}
