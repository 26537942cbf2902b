// Allowable-stress interaction curve (axial load P against moment M) of one
// design strip with a given bar size and spacing, and the allowable moment at a
// given axial load read from it. Working-stress design after ACI 530-99
// chapter 2 and IBC 2000 2107: the masonry stress is limited to Fb in flexure
// and to Fa on average over the section, the steel stress to Fs.
//
// The curve has kCurvePointCount points, P falling with the index:
//   point 1             pure axial load, P = Fa·Ae, M = 0;
//   points 2-6          zone A: uncracked section, the stress varies linearly
//                       across the thickness between fmax and fmin >= 0;
//   points 7-12         zone B: cracked section, compression depth from almost
//                       the full thickness up to the steel depth d, the steel
//                       in compression and not counted;
//   points 13 to N - 1  zone C: cracked section with the steel in tension, the
//                       neutral axis moving from just above the steel to the
//                       neutral axis of pure flexure;
//   point N             pure flexure (P = 0): the cracked-section capacity.
// Forces in lb and moments in ft-lb per design strip; stresses in psi except
// Fs in ksi. A partially grouted strip whose bars are not in every cell
// carries its compression in the face shell of the compression face and in
// the grouted cores (a flanged block); otherwise the block is rectangular.
#pragma once

#include <array>

#include "model/problem.h"

namespace calvix {

inline constexpr int kCurvePointCount = 100;

// The points of the curve: element i holds point i + 1.
struct InteractionCurve {
  std::array<float, kCurvePointCount> P{};  // axial load (lb), P[0] = Fa·Ae
  std::array<float, kCurvePointCount> M{};  // allowable moment (ft-lb)

  // The axial load capacity of the strip, Fa·Ae (point 1).
  float AxialCapacity() const { return P[0]; }
};

// The strip and its allowable stresses as the curve needs them. Fa, Fb and Fs
// are those of the load combination (already increased for wind or seismic
// load where that applies).
struct CurveInput {
  float Fs = 0;      // allowable steel stress (ksi)
  float Fb = 0;      // allowable flexural compression (psi)
  float Fa = 0;      // allowable axial stress (psi)
  float t = 0;       // actual thickness (in)
  float d = 0;       // depth of the tension steel for the sign of moment considered (in)
  float bPrime = 0;  // grouted core width b' (in)
  float bEff = 0;    // effective strip width (in)
  float Ae = 0;      // effective area (in^2)
  float S = 0;       // section modulus 2·Ig/t (in^3)
  float As = 0;      // steel area of the strip, StripWidth · bar area / s (in^2)
  float s = 0;       // bar spacing (in)

  friend bool operator==(const CurveInput&, const CurveInput&) = default;
};

// Builds the curve. Reads ts (FaceShellThickness), n (ModularRatio),
// SolidGrouted and SpacingModule from the problem. A zone B or C state whose
// forces add up to more than Fa·Ae is scaled back to Fa·Ae, so no point lies
// above the axial capacity. A pure-flexure section that cannot be formed
// (CrackedSectionCapacity fails) gives M = 0 at point N.
InteractionCurve BuildInteractionCurve(const Problem& problem, const CurveInput& input);

// The allowable moment at axial load P: the points are scanned from N down
// to 1 for the first point whose load is above P, and M is interpolated
// linearly between it and the point after it; a P equal to a point's load
// gives that point's moment. Outside the curve there is no allowable moment:
// P at or above the axial capacity P(1), or P below zero (net tension, which
// this working-stress curve does not cover), gives 0.
float AllowableMomentOnCurve(const InteractionCurve& curve, float P);

// The point (0-based) above axial load P from which AllowableMomentOnCurve
// interpolates towards the point after it; -1 when P lies outside the curve.
int CurveSegmentAt(const InteractionCurve& curve, float P);

// The curve of bar `bar` (index into problem.units.BarTable, 0-based) at
// spacing s, with As = StripWidth · bar area / s, and the allowable moment at
// axial load P. A bar index outside the table, or s <= 0, counts as no steel.
float AllowableMomentAtAxialLoad(const Problem& problem, InteractionCurve& curve, float P, float Fs,
                                 float Fb, float Fa, float t, float d, float bPrime, float bEff,
                                 float Ae, float S, int bar, float s);

// Steel area of the strip (in^2) for bar `bar` of the bar table at spacing s;
// 0 for an index outside the table or s <= 0.
float StripSteelArea(const Problem& problem, int bar, float s);

}  // namespace calvix
