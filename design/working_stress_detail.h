// The per-bar and per-grouting-case detail of the working-stress designs
// ("ACI", "IBC-W"): the section of a bar at its accepted spacing with the
// allowable stresses of every combination, and the station-by-station check
// of a grouting case (ACI 530-99 2.2.3). The results window and the reports
// show these values as computed here.
#pragma once

#include <array>
#include <string>

#include "analysis/load_analysis.h"
#include "design/reinforced_design.h"
#include "design/unreinforced_design.h"
#include "model/problem.h"

namespace calvix {

// The stress-increase factor k of combination `combination`: 1.0 for
// combination 1 (dead and live load), StressIncreaseFactor otherwise.
float StressFactorOf(const Problem& problem, int combination);

// The detail of one bar at its spacing.
struct ReinforcedDetail {
  int bar = 0;
  float s = 0;            // spacing (in); 0: the bar has none
  float AsFurnished = 0;  // StripWidth · bar area / s (in^2)
  float AsMin = 0;        // MinSteelRatio · StripWidth · t (in^2)
  StripSection section;   // bf, bEff, b', Ae, Ig, S, r, h'/r, Fa
  // Allowables of combinations 1..5 (index k − 1), increased for k >= 2.
  std::array<WorkingStresses, kLoadCombinationCount> allow{};
};

ReinforcedDetail ComputeReinforcedDetail(const Problem& problem, const ReinforcedResults& results,
                                         int bar, int part);

// The station-by-station check of one grouting case for one combination.
struct UnreinforcedStation {
  float distance = 0;  // from the base of the part (ft)
  float M = 0, P = 0, V = 0;
  float fa = 0, fb = 0, ft = 0, csi = 0;
  std::string verdict;
};

struct UnreinforcedDetail {
  int groutCase = 0;
  GroutCaseSection section;
  float d = 0;  // depth to the centroid of the steel (in)
  // Allowables of combinations 1..5, increased for k >= 2.
  std::array<float, kLoadCombinationCount> Fa{}, Fb{}, Ft{}, Fv{};
  // [k − 1][station]; filled for the selected combinations.
  std::array<std::array<UnreinforcedStation, kStationCount>, kLoadCombinationCount> stations{};
};

UnreinforcedDetail ComputeUnreinforcedDetail(const Problem& problem,
                                             const AnalysisResults& analysis,
                                             const UnreinforcedResults& results, int groutCase,
                                             int part);

}  // namespace calvix
