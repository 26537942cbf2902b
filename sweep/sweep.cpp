#include "sweep/sweep.h"

#include <algorithm>
#include <limits>
#include <thread>

#include "analysis/validation.h"
#include "analysis/wall_part.h"
#include "design/design_results.h"
#include "model/convert_input.h"
#include "model/errors.h"
#include "model/material_data.h"
#include "model/number_format.h"
#include "sweep/governing_check.h"
#include "sweep/sweep_text.h"

namespace calvix {
namespace {

// The bar spacings of the design that ran, per part.
const std::vector<float>& BarSpacings(const DesignResults& design, DesignRun run, int part) {
  const std::size_t p = PartIndex(part);
  return run == DesignRun::Strength ? design.strength.BarSpacing[p]
                                    : design.reinforced.BarSpacing[p];
}

bool Offered(const DesignResults& design, DesignRun run, int part, std::size_t bar) {
  const std::size_t p = PartIndex(part);
  return run == DesignRun::Strength ? design.strength.BarOffered(p, bar)
                                    : design.reinforced.BarOffered(p, bar);
}

bool Permitted(const DesignResults& design, DesignRun run, int part, std::size_t bar) {
  const std::size_t p = PartIndex(part);
  const auto& permitted = run == DesignRun::Strength ? design.strength.BarPermitted[p]
                                                     : design.reinforced.BarPermitted[p];
  return bar < permitted.size() && permitted[bar];
}

std::vector<std::size_t> OfferedBars(const DesignResults& design, DesignRun run, int part) {
  std::vector<std::size_t> bars;
  for (std::size_t i = 0; i < BarSpacings(design, run, part).size(); ++i) {
    if (Offered(design, run, part, i)) bars.push_back(i);
  }
  return bars;
}

// The parapet's reinforcement: the lightest offered bar (steel area per
// inch of wall) when the bars are free, else the first one the design lists.
PartSteel ParapetSteel(const Problem& problem, const DesignResults& design, DesignRun run,
                       bool barsFree) {
  const std::vector<std::size_t> bars = OfferedBars(design, run, kParapet);
  if (bars.empty()) return {};
  const std::vector<float>& spacing = BarSpacings(design, run, kParapet);
  std::size_t chosen = bars.front();
  auto steelPerInch = [&](std::size_t i) {
    return static_cast<double>(problem.units.BarTable[i].Area) / spacing[i];
  };
  if (barsFree) {
    for (std::size_t i : bars) {
      if (steelPerInch(i) < steelPerInch(chosen)) chosen = i;
    }
  }
  return {static_cast<int>(chosen), spacing[chosen]};
}

// The check of the part that failed: the least loaded permitted bar of the
// first part without an offered bar.
GoverningCheck FailedCheck(const Problem& problem, const AnalysisResults& analysis,
                           const DesignResults& design, DesignRun run) {
  GoverningCheck closest{"", std::numeric_limits<float>::infinity()};
  if (run == DesignRun::None) return closest;
  const int parts = problem.working.ParapetHeight > 0 ? 2 : 1;
  for (int part = kMainWall; part <= parts; ++part) {
    if (!OfferedBars(design, run, part).empty()) continue;
    for (std::size_t i = 0; i < BarSpacings(design, run, part).size(); ++i) {
      if (!Permitted(design, run, part, i)) continue;
      const GoverningCheck check = BarGoverningCheck(problem, analysis, design, run, part, i);
      if (check.ratio < closest.ratio) closest = check;
    }
    return closest;
  }
  return closest;
}

WallCost CandidateCost(const Problem& problem, const SweepCandidate& candidate,
                       const CostModel& costs) {
  const WorkingForm& w = problem.working;
  const EntryForm& e = problem.entry;
  const float spacing = candidate.wall.spacing;
  WallQuantities wall;
  wall.material = e.MasonryMaterial;
  wall.metric = problem.units.UnitsType != 1;
  wall.nominalThickness = candidate.point.nominalThickness;
  wall.unitStrength = candidate.point.unitStrength;
  const std::vector<float> strengths =
      TabulatedUnitStrengths(e.DesignMethod, e.MasonryMaterial, e.MortarType);
  wall.weakestUnitStrength = strengths.empty() ? 0.0f : strengths.front();
  wall.groutVolume =
      GroutVolumePerSquareFoot(w.WallThickness - w.NominalMinusActual, w.FaceShellThickness,
                               w.SolidGrouted, w.GroutedCellWidth, spacing);
  const float area = problem.units.BarTable[static_cast<std::size_t>(candidate.wall.bar)].Area;
  wall.steelVolume = SteelVolumePerSquareFoot(w.TwoLayers ? 2 : 1, area, spacing);
  return CostOf(costs, wall);
}

std::vector<SweepCandidate> PassingCandidates(const Problem& problem,
                                              const AnalysisResults& analysis,
                                              const DesignResults& design, DesignRun run,
                                              const SweepCandidate& wall,
                                              const SweepRequest& request) {
  std::vector<std::size_t> bars = OfferedBars(design, run, kMainWall);
  if (!request.freedom.bars && !bars.empty()) bars.resize(1);
  const bool parapet = problem.working.ParapetHeight > 0;
  const PartSteel parapetSteel =
      parapet ? ParapetSteel(problem, design, run, request.freedom.bars) : PartSteel{};
  std::vector<SweepCandidate> candidates;
  for (std::size_t bar : bars) {
    SweepCandidate candidate = wall;
    candidate.passed = true;
    candidate.wall = {static_cast<int>(bar), BarSpacings(design, run, kMainWall)[bar]};
    candidate.parapet = parapetSteel;
    candidate.governing = BarGoverningCheck(problem, analysis, design, run, kMainWall, bar);
    if (parapet) {
      const GoverningCheck top = BarGoverningCheck(problem, analysis, design, run, kParapet,
                                                   static_cast<std::size_t>(parapetSteel.bar));
      if (top.ratio > candidate.governing.ratio) candidate.governing = top;
    }
    const WallCost cost = CandidateCost(problem, candidate, request.costs);
    candidate.cost = cost.cost;
    candidate.weight = cost.weight;
    candidates.push_back(candidate);
  }
  return candidates;
}

// Every masonry row the sweep needs must be priced before it starts.
void CheckCosts(const SweepBase& base, const std::vector<SweepPoint>& points,
                const CostModel& costs) {
  const std::string& material = base.problem.entry.MasonryMaterial;
  const UnitSystem& units = base.problem.units;
  for (const SweepPoint& point : points) {
    if (costs.Masonry(material, units.UnitsType != 1, point.nominalThickness) == nullptr) {
      const double shown = static_cast<double>(point.nominalThickness) * units.Factor(kLengthShort);
      throw CalvixError(kErrorBadFileFormat, "The cost table has no " + material + " wall of " +
                                                 FormatGeneralNumber(shown) + " " +
                                                 Trimmed(units.Label(kLengthShort)) +
                                                 " nominal thickness");
    }
  }
}

void Collect(SweepResult& result, const std::vector<SweepCandidate>& candidates) {
  ++result.solved;
  for (const SweepCandidate& candidate : candidates) {
    if (candidate.passed) {
      result.passing.push_back(candidate);
      continue;
    }
    if (!candidate.validationOk) {
      ++result.validationFailures;
    } else {
      ++result.failures[candidate.errorCode];
    }
    if (candidate.governing.ratio < std::numeric_limits<float>::infinity() &&
        (!result.closest || candidate.governing.ratio < result.closest->governing.ratio)) {
      result.closest = candidate;
    }
  }
}

}  // namespace

std::vector<SweepCandidate> SolveSweepWall(const SweepBase& base, const SweepPoint& point,
                                           const SweepRequest& request) {
  SilentPlatform silent;
  Session session(silent, base.folder);
  session.problem = base.problem;
  session.display = base.display;
  SweepCandidate wall;
  wall.point = point;
  wall.governing = {"", std::numeric_limits<float>::infinity()};
  AnalysisResults analysis;
  DesignResults design;
  SolveOutcome outcome;
  try {
    ApplySweepPoint(session, point, request.freedom);
    outcome = SolveWall(session, true, analysis, DesignRoutinesFor(design));
  } catch (const std::exception&) {
    // A text the conversion cannot read: the wall is refused like invalid input.
    return {wall};
  }
  wall.validationOk = outcome.validationOk;
  wall.errorCode = outcome.errorCode;
  if (outcome.designed) {
    std::vector<SweepCandidate> passing =
        PassingCandidates(session.problem, analysis, design, outcome.design, wall, request);
    if (!passing.empty()) return passing;
    wall.errorCode = kFailNoSpacing;
  }
  wall.governing = FailedCheck(session.problem, analysis, design, outcome.design);
  return {wall};
}

SweepResult RunSweep(const SweepBase& base, const SweepRequest& request, SweepProgress* progress) {
  const std::vector<SweepPoint> points = SweepPoints(base, request.freedom, request.costs);
  CheckCosts(base, points, request.costs);
  const std::size_t count = points.size();
  if (progress != nullptr) progress->total = count;

  // Each wall writes only its own slot; the order of the slots is the sweep
  // order whatever thread solved them.
  std::vector<std::vector<SweepCandidate>> slots(count);
  std::vector<char> solved(count, 0);
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (;;) {
      if (progress != nullptr && progress->cancel.load()) return;
      const std::size_t i = next.fetch_add(1);
      if (i >= count) return;
      slots[i] = SolveSweepWall(base, points[i], request);
      solved[i] = 1;
      if (progress != nullptr) progress->done.fetch_add(1);
    }
  };
  unsigned threads = request.threads != 0 ? request.threads : std::thread::hardware_concurrency();
  threads =
      static_cast<unsigned>(std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count, 1)));
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();

  SweepResult result;
  result.walls = count;
  for (std::size_t i = 0; i < count; ++i) {
    if (solved[i]) Collect(result, slots[i]);
  }
  result.cancelled = result.solved < count;
  std::stable_sort(result.passing.begin(), result.passing.end(),
                   [](const SweepCandidate& a, const SweepCandidate& b) {
                     if (a.cost != b.cost) return a.cost < b.cost;
                     return a.weight < b.weight;
                   });
  return result;
}

bool ValidateSweepProblem(Session& session) {
  Session check(session.platform, session.folder);
  check.problem = session.problem;
  check.display = session.display;
  check.problem.ReinforcedWall = true;
  try {
    if (!check.problem.entry.UserMasonryData) UpDateMasonry(check);
    ConvertInput(check);
  } catch (const std::exception& error) {
    ReportUnexpectedFailure(session.platform, error, "Menu Solve Item", "Main");
    return false;
  }
  return ValidateInput(check);
}

}  // namespace calvix
