// The design sweep: every wall of the sweep space goes through the ordinary
// Solve command (masonry data, conversion, validation, analysis and the
// design of the chosen method for the main wall and the parapet) on its own
// copy of the problem, so that a wall the sweep calls passing designs exactly
// so when it is opened and solved alone. The passing walls are ranked by
// cost per square foot, then by weight.
//
// The walls are independent: they are solved on a pool of threads, each
// result written into the slot of its wall, so that the result does not
// depend on the number of threads. The sweep covers reinforced walls (the
// Solve > Reinforced Wall command).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sweep/cost_model.h"
#include "sweep/sweep_space.h"

namespace calvix {

// The reinforcement of one wall part: bar-table index (-1 none) and spacing (in).
struct PartSteel {
  int bar = -1;
  float spacing = 0;
};

// The governing check of a wall and its demand / capacity ratio.
struct GoverningCheck {
  std::string name;  // "flexure", "shear", "deflection", "axial", "maximum steel"
  float ratio = 0;
  bool parapet = false;  // the check belongs to the parapet
};

// One candidate wall: a wall of the sweep with, when it passes, the
// reinforcement chosen for it. Values are in working units; cost per ft2 of
// main wall, weight in psf.
struct SweepCandidate {
  SweepPoint point;
  PartSteel wall;
  PartSteel parapet;  // bar -1 without a parapet
  GoverningCheck governing;
  double cost = 0;
  double weight = 0;
  bool validationOk = false;
  int16_t errorCode = 0;  // the design failure code (0 when none)
  bool passed = false;
};

struct SweepRequest {
  SweepFreedom freedom;
  CostModel costs;
  unsigned threads = 0;  // 0: every core
};

// Shared with a running sweep: the caller may cancel it and read how many
// walls are done.
struct SweepProgress {
  std::atomic<bool> cancel{false};
  std::atomic<std::size_t> done{0};
  std::atomic<std::size_t> total{0};
};

struct SweepResult {
  std::vector<SweepCandidate> passing;  // ranked: cost, then weight, then sweep order
  std::size_t walls = 0;                // walls of the sweep space
  std::size_t solved = 0;               // walls solved (fewer when cancelled)
  std::map<int16_t, int> failures;      // failing walls by design failure code
  int validationFailures = 0;           // walls refused by the input validation
  // The failing wall with the smallest governing ratio (when one has a ratio).
  std::optional<SweepCandidate> closest;
  bool cancelled = false;
};

// Solves one wall of the sweep on its own copy of the base problem and gives
// its candidates: when it passes, one per offered main-wall bar with its
// largest spacing (bars free) or the first offered bar (bars as the design
// lists them first); one failing candidate otherwise.
std::vector<SweepCandidate> SolveSweepWall(const SweepBase& base, const SweepPoint& point,
                                           const SweepRequest& request);

// Runs the sweep. `progress` may be null.
SweepResult RunSweep(const SweepBase& base, const SweepRequest& request,
                     SweepProgress* progress = nullptr);

// Before a sweep: the open problem must pass the input validation. Its
// warning and error messages are shown through the session's platform, as
// the Solve command shows them; the open problem is not changed.
bool ValidateSweepProblem(Session& session);

}  // namespace calvix
