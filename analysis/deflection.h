// Lateral deflection curves of the main wall and of the parapet under service
// loads, by the moment-area method: the deflection at height x above the base
// of a member is
//
//   δ(x) = θ0·x − ∫0^x (x − ξ)·M(ξ)/EI dξ
//
// with θ0 the rotation of the base. Deflections are positive in the direction
// of a positive lateral load (for a wall supported top and bottom positive
// loads give positive moments between the supports; for a cantilever they give
// negative moments).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/strip_loads.h"
#include "model/problem.h"

namespace calvix {

inline constexpr int kDeflectionPointCount = 41;

// The four curves of a member, one per kind of load that the combinations
// factor separately.
enum DeflectionCurveKind : int {
  kDeadDeflection = 0,  // floor / roof and additional dead-load couples
  kLiveDeflection = 1,  // live-load couples and the equivalent fluid pressure
  kWindDeflection = 2,
  kSeismicDeflection = 3,
};
inline constexpr int kDeflectionCurveCount = 4;

struct MemberDeflections {
  int16_t Intervals = 0;         // 40 for the main wall, 10 for the parapet
  double Step = 0;               // ft between points
  double FlexuralStiffness = 0;  // EI, lb-in²
  std::array<double, kDeflectionCurveCount> BaseRotation{};  // θ0, rad
  // Deflection (in) at points 0..Intervals, point Intervals being the base of
  // the member and point 0 its top; further points stay 0.
  std::array<std::array<float, kDeflectionPointCount>, kDeflectionCurveCount> Curves{};
};

// Moment-area integration of a moment diagram given at equally spaced points
// 0..N (ft-lb; point N is the base, point 0 the top), `step` ft apart, with
// flexural stiffness `flexuralStiffness` (lb-in²) and base rotation
// `baseRotation` (rad). Returns the deflections (in) at the same points.
//
// Each piece between two points contributes its trapezoidal curvature area,
// acting at the middle of the piece. The error is of the order of (step/L)²
// of the peak deflection: exact for a constant moment and, by cancellation,
// at the tip of a uniformly loaded cantilever and the middle of a uniformly
// loaded simple span; about 0.03 % at the middle of a uniformly loaded
// cantilever and 0.2 % (of the mid-span deflection) at the far support of a
// uniformly loaded simple span with 40 pieces; about 0.5 % with 10 pieces.
// A stiffness that is not positive (only possible with invalid input) gives
// zero deflections.
std::vector<double> MomentAreaDeflection(std::span<const double> moments, double step,
                                         double flexuralStiffness, double baseRotation);

// Flexural stiffness EI (lb-in²) of the gross solid section of a wall part
// (kMainWall or kParapet): Em (ksi) × 1000 × StripWidth·t³/12 with t the
// actual thickness (nominal − NominalMinusActual).
double GrossFlexuralStiffness(const Problem& problem, int part);

// Base rotations θ0 (rad) of the main wall as a simple span of height H,
// pinned at both ends, per curve kind, from the strip loads:
//   dead, live   the eccentric couples (a couple C at height a turns the base
//                through C·(2H² − 6aH + 3a²)/(6·EI·H)) and, for live load, the
//                fluid pressure triangle (M5·H/(3·EI), M5 being the moment at
//                a fixed base of the propped span);
//   seismic      Fp·H³/(24·EI) and the parapet's seismic moment at the top,
//                Mps·H/(6·EI);
//   wind         the "W" rows from START to min(END, H) and the "H" loads
//                below the top, and the parapet's wind moment Mpw·H/(6·EI).
// Lengths in ft, moments in ft-lb, hence the factors 144 in the code.
std::array<double, kDeflectionCurveCount> SimpleSpanBaseRotations(const StripLoads& loads,
                                                                  double wallSeismicLoad,
                                                                  double parapetSeismicMoment,
                                                                  double parapetWindMoment,
                                                                  double flexuralStiffness);

}  // namespace calvix
