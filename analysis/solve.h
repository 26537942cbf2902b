// The Solve command: masonry data, conversion, validation, load analysis and
// the design of the main wall and the parapet by the chosen method, with the
// failure messages and the flags of a completed design.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "analysis/load_analysis.h"
#include "model/session.h"

namespace calvix {

// Failure codes of the design routines: 0 success, 1-10 failures.
inline constexpr int16_t kLastDesignFailureCode = 10;

// The message of a design failure code (lines separated by "\r"); empty for a
// code that is not a failure.
std::string DesignFailureText(int16_t code);

// A design routine for one pass (1 main wall, 2 parapet); it sets the failure
// code on failure. The caller binds it to its own result tables.
using DesignRoutine = std::function<void(Problem&, const AnalysisResults&, int16_t& errorCode,
                                         int pass)>;

struct DesignRoutines {
  DesignRoutine strength;      // "IBC-S", reinforced walls only
  DesignRoutine reinforced;    // "ACI" and "IBC-W", reinforced walls
  DesignRoutine unreinforced;  // "ACI" and "IBC-W", unreinforced walls
  // The results window: fills itself from the result tables; it may still
  // refuse the design by setting a failure code. Optional.
  std::function<void(int16_t& errorCode)> showResults;
};

// Which design ran to its end.
enum class DesignRun { None, Strength, Reinforced, Unreinforced };

struct SolveOutcome {
  bool validationOk = false;
  bool analysed = false;
  int16_t errorCode = 0;
  DesignRun design = DesignRun::None;  // the routine that ran (successfully or not)
  bool designed = false;               // a design completed without a failure code
};

// Runs the Solve command for a reinforced or an unreinforced wall. A text that
// is not a number propagates as a CalvixError from the conversion, after the
// busy pointer is reset; the caller reports it.
SolveOutcome SolveWall(Session& session, bool reinforcedWall, AnalysisResults& analysis,
                       const DesignRoutines& routines);

}  // namespace calvix
