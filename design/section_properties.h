// Section properties of one design strip of the main wall or of the parapet:
// actual thickness and steel depths, effective height, the largest permitted
// bar spacing, the effective flange width, the effective and grouted widths,
// the effective area, the gross moment of inertia, the allowable axial stress
// with its slenderness reduction (ACI 530-99 2.2.3.1) and the working-stress
// capacity of a cracked reinforced section. Every design method uses them.
//
// The functions are pure: they read the problem record (working form, entry
// criteria and ReinforcedWall) and write nothing into it. Working units: lengths
// in inches, heights in feet, stresses in psi except the steel stress Fs in ksi,
// areas in in^2, moments of inertia in in^4, moment capacities in ft-lb per
// design strip. Intermediate arithmetic is done in double precision and every
// result is returned in single precision.
//
// A wall part is selected by an integer: 1 = main wall, 2 = parapet (any value
// other than 2 is taken as the main wall).
//
// None of these functions ever returns NaN or an infinity: where a divisor that
// only invalid input can make zero (strip width, depth, spacing, area, radius of
// gyration) would appear, each function documents the value it returns instead.
#pragma once

#include <string_view>

#include "model/problem.h"

namespace calvix {

// Capacity value of a cracked section that cannot be formed.
inline constexpr float kCrackedSectionFailure = -99.0f;

// Bar spacings are searched in steps of the spacing module (half the unit
// length, 2 in for brick). The entry field takes unit lengths from 1 in, so a
// smaller module comes only from a damaged or hand-edited file. The designs
// refuse it (failure code 8) rather than search millions of spacings or step
// a spacing by an amount too small to change it in single precision.
inline constexpr float kMinSpacingModule = 0.5f;

struct WallDepthsResult {
  float t = 0;       // actual thickness (in)
  float d = 0;       // depth to the tension steel for positive moment (in)
  float dPrime = 0;  // depth to the tension steel for negative moment (in)
};

// Actual thickness t = nominal − NominalMinusActual and the steel depths of a
// wall part. With two layers of reinforcement the entered depth is measured
// from each face to its layer, so d = t − c; with one layer d = c. In both
// cases d' = t − c. The layer choice (TwoLayers) applies to whichever part is
// asked for.
WallDepthsResult WallDepths(const Problem& problem, int part);

// Effective height h' (in) of a wall part:
// parapet 2·Hp·12; cantilever main wall 2·H·12; main wall supported top and
// bottom by its base support: "Fixed" 0.8·H·12, "Pinned" H·12,
// "Partially Fixed" (1 − 0.2·PercentFixed/100)·H·12, any other text 0.
float EffectiveHeight(const Problem& problem, int part);

// Largest permitted bar spacing (in) by seismic design category
// (ACI 530-99 1.13.5 / 1.13.6, IBC 2000 2106.4 / 2106.5): 72 for A and B,
// 48 for C, 48 in running bond and 24 in stack bond for D to F, 0 for any
// other text.
float MaxBarSpacing(const Problem& problem, std::string_view seismicCategory);

// Effective compressive flange width bf (in) for bars at spacing s. The main
// wall's nominal thickness T is used for both parts.
//   Working stress ("ACI", "IBC-W", and any method other than "IBC-S"):
//     running bond min(s, 6T, 72), stack bond min(s, unit length).
//   Strength ("IBC-S"): running bond min(s, 6T), stack bond min(s, 3T, unit length).
float EffectiveFlangeWidth(const Problem& problem, float s);

struct EffectiveWidthsResult {
  float bEff = 0;    // effective strip width (in)
  float bPrime = 0;  // grouted core width (in)
};

// Effective strip width and grouted core width for flange width bf and bar
// spacing s, with b = StripWidth: bEff = b when s <= bf, else b·bf/s;
// b' = GroutedCellWidth·b/s for a partially grouted wall with bars farther
// apart than SpacingModule, else b; then b' = min(b', bEff).
// A spacing s <= 0 is taken as bars in every cell (bEff = b' = b).
EffectiveWidthsResult EffectiveWidths(const Problem& problem, float bf, float s);

// Effective (net) area Ae (in^2): t·bEff for a solidly grouted strip or when
// b' equals the strip width; otherwise the grouted cores plus the two face
// shells, (t − 2·ts)·b' + 2·bEff·ts. For an unreinforced design Ae is never
// below the face shells of the whole strip, 2·ts·StripWidth.
float EffectiveArea(const Problem& problem, float t, float bPrime, float bEff);

// Gross moment of inertia Ig (in^4): bEff·t³/12 for a solidly grouted strip or
// when b' equals the strip width; otherwise the grouted core b'·t³/12 plus the
// two face shells beside it, each about its own axis plus the parallel-axis
// term: 2·[(bEff − b')·ts³/12 + (bEff − b')·ts·((t − ts)/2)²].
float GrossInertia(const Problem& problem, float bPrime, float bEff, float t);

// Slenderness reduction of the allowable axial stress (ACI 530-99 2.2.3.1):
// 1 − (h'/(140·r))² when h'/r < 99, (70·r/h')² when h'/r >= 99.
// Takes the slenderness ratio h'/r; a ratio <= 0 gives 1.
double SlendernessReduction(double hOverR);

// The reduction R of AllowableAxialStress for effective height h' and
// radius of gyration r: 1 when h' <= 0, 0 when r = 0 with h' > 0, else
// SlendernessReduction(h'/r).
double SlendernessReductionOf(float hPrime, float r);

struct AxialStress {
  float r = 0;   // radius of gyration sqrt(Ig / Ae) (in)
  float Fa = 0;  // allowable axial compressive stress 0.25·f'm·R (psi)
};

// Radius of gyration and allowable axial stress for effective height h',
// moment of inertia Ig and effective area Ae. Guards: Ae <= 0 or Ig < 0 gives
// r = 0; h' <= 0 (no slenderness) gives R = 1; r = 0 with h' > 0 (an
// infinitely slender section) gives R = 0 and so Fa = 0.
AxialStress AllowableAxialStress(const Problem& problem, float hPrime, float Ig, float Ae);

struct CrackedCapacity {
  float M = 0;   // allowable moment (ft-lb), kCrackedSectionFailure when failed
  float Mm = 0;  // moment at the allowable masonry stress (ft-lb)
  float Ms = 0;  // moment at the allowable steel stress (ft-lb)
  float j = 0;   // lever-arm factor
  float k = 0;   // neutral-axis depth factor
  bool failed = false;
};

// Working-stress flexural capacity of a cracked section with the steel in
// tension: steel area As (in^2), grouted core width b', effective width bEff,
// depth d (in), allowable masonry stress Fb (psi) and steel stress Fs (ksi).
// The section is a T (face shell flange plus grouted web) when the neutral axis
// falls below the face shell of a partially grouted strip with b' != bEff;
// otherwise it is rectangular. A section that cannot be formed reports
// failed = true with M = kCrackedSectionFailure and every other output 0:
// a T section whose neutral-axis equation has a negative discriminant or a
// root that is not positive, and (only possible with invalid input) a zero or
// negative bEff·d, a negative radicand of the rectangular neutral-axis
// equation, a zero b' in the T section, a steel-governed T section with n <= 0,
// Fb = 0 or the neutral axis at or below the steel (k >= 1), or a T section
// with no compressive force (C1 + C2 = 0).
CrackedCapacity CrackedSectionCapacity(const Problem& problem, float As, float bPrime, float bEff,
                                       float d, float Fb, float Fs);

}  // namespace calvix
