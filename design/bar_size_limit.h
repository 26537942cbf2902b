// The largest bar size a wall part may take for its nominal thickness. IBC
// 2000 limits it for working-stress design ("IBC-W", 2107.2.4) and for
// strength design ("IBC-S", 2108.9.2.1): the bar diameter is not to exceed
// one eighth of the nominal wall thickness, which for the standard
// thicknesses gives
//   nominal thickness   U.S. sizes   metric sizes
//   up to 4 in          #4           10M
//   up to 6 in          #6           15M
//   up to 8 in          #8           25M
//   up to 10 in         (no limit)   30M
// and no limit for thicker walls. "ACI" (ACI 530-99) sets no such limit here.
// The design decides once which bars of the table are permitted; the reports,
// the results window, the interaction diagram and the command-line document
// only read that decision.
#pragma once

#include <string>
#include <vector>

#include "model/problem.h"

namespace calvix {

struct BarSizeLimit {
  std::string clause;   // "IBC 2000 2107.2.4", empty when the method sets no limit
  std::string largest;  // designation of the largest permitted bar ("#8", "25M")
  bool Limits() const { return !clause.empty() && !largest.empty(); }
};

// The limit of design method `method` for a part of nominal thickness
// `nominalThickness` (in) in unit system `unitsType` (1 U.S., 2 SI, 3 MKS).
BarSizeLimit BarSizeLimitFor(const std::string& method, float nominalThickness, int unitsType);

// Per row of `bars`: true when the bar may be used under `limit`. Rows up to
// the row named `limit.largest` are permitted, the larger ones that follow it
// are not; without a limit, or when the table has no such row, all are.
std::vector<bool> PermittedBars(const std::vector<Bar>& bars, const BarSizeLimit& limit);

// The limit and the permitted rows of part `part` (kMainWall or kParapet) of
// the problem, by the part's nominal thickness.
BarSizeLimit PartBarSizeLimit(const Problem& problem, int part);

}  // namespace calvix
