// The two numerical kernels of strength design (IBC 2000 2108.9):
//
//  - the P-delta iteration, which amplifies a first-order moment by the
//    moment of the axial loads acting through the wall's deflection, with a
//    deflection that follows the gross section up to the cracking moment and
//    the cracked section beyond it (IBC 2000 2108.9.4.6). One routine for a
//    wall supported top and bottom, one for a cantilever or a parapet;
//  - the neutral-axis search, which finds the depth of the Whitney stress
//    block of a reinforced masonry strip under an axial load by strain
//    compatibility (ultimate masonry strain 0.0025 for concrete masonry,
//    0.0035 for clay masonry and brick) and force balance.
//
// Units: moments in ft-lb, axial loads in lb (compression positive),
// deflections and section dimensions in inches, Ig and Icr in in^4. The
// products P·δ are divided by 12 to give ft-lb. Inputs and outputs are single
// precision where the design stores them; the arithmetic is double.
//
// Every loop here is bounded and no result is NaN or infinite.
#pragma once

#include <cstdint>
#include <vector>

#include "model/problem.h"

namespace calvix {

// --- P-delta iteration ------------------------------------------------------

// The iteration stops when a step changes the deflection by less than this
// percentage; a change of exactly this much continues.
inline constexpr double kPDeltaConvergencePercent = 1.0;
// Upper bound on the number of P-delta steps. An iteration that has not
// settled by then is so close to buckling that it counts as a runaway.
inline constexpr int kPDeltaMaxIterations = 1000;
// Floors of the first-order moment (ft-lb), keeping the ratio δ0/M finite.
inline constexpr double kSupportedMomentFloor = 1.0;
inline constexpr double kCantileverMomentFloor = 0.04;
// Floor of a first-order deflection (in).
inline constexpr double kDeflectionFloor = 1e-6;

// One pass of an iteration, for a calculation that shows it.
struct PDeltaStep {
  double acting = 0;         // deflection the axial load acts through: that of the pass before (in)
  double moment = 0;         // Mu of the pass (ft-lb)
  double deflection = 0;     // deflection under Mu (in)
  double momentChange = 0;   // Mu less that of the pass before, or less M on the first (ft-lb)
  double changePercent = 0;  // PDeltaChangePercent of the deflection
  bool converged = false;
};

struct PDeltaResult {
  float Mu = 0;          // moment including P-delta (ft-lb), not signed
  float Delta = 0;       // converged deflection (in)
  int Iterations = 0;    // P-delta steps taken
  bool Runaway = false;  // the deflection grew beyond the wall height, stopped
                         // being finite or did not settle: the wall is unstable
                         // under these loads (fails any deflection check)
};

// Percentage change of the deflection from `previous` to `next`:
// |next − previous|·100/next, negative (so the iteration stops) when the step
// reversed the deflection. A zero `next` gives 0 when `previous` is zero too,
// else a large value (the iteration continues).
double PDeltaChangePercent(double previous, double next);

// True when a step of `changePercent` ends the iteration: change < 1.0 %.
bool PDeltaConverged(double changePercent);

// Second-order moment and deflection of the main wall supported top and
// bottom, at station `station` (0 top .. 10 base) where the first-order
// factored or service moment is M, the axial load P and the first-order
// deflection of the load analysis δ. The analysis computes δ on the solid
// strip Ib = StripWidth·t³/12 (t = WallThickness − NominalMinusActual); it is
// rescaled to the gross section of the section under design: δ0 = |δ|·Ib/Ig,
// at least 1e-6. M is taken by magnitude, at least 1.0 ft-lb.
//
// Up to the cracking moment the wall deflects on Ig; beyond it the increment
// of deflection follows Icr: δ = δcr + (δlin − δcr)·Ig/Icr with δcr = δ0·Mcr/M
// and δlin = Mu·δ0/M. Each step forms Mu = M + P·δ/12 and the deflection under
// it, until the change is below 1 % or the deflection exceeds the wall height
// (a runaway). At a support (station 0 or 10) the wall does not move:
// Mu = |M| and δ = 0 without iterating.
// `steps`, when given, receives every pass whose moment and deflection are
// finite (none at a support).
PDeltaResult PDeltaSupported(const Problem& problem, float M, float P, float delta, int station,
                             float Mcr, float Ig, float Icr,
                             std::vector<PDeltaStep>* steps = nullptr);

// Second-order moment and deflection at the base of a cantilever: the
// parapet (`part` 2) or a cantilever main wall (`part` 1). P is the axial
// load at the top, acting through the tip deflection; W the member's own
// weight, acting through the mid-height deflection. δtop and δmid are the
// first-order deflections at stations 0 and 5, rescaled to Ig as for a
// supported wall (with the member's own thickness); the mid-height deflection
// grows in proportion to the tip deflection. M is taken by magnitude, at least
// 0.04 ft-lb. Mu = M + P·δ/12 + W·δm/12. The iteration stops as for a
// supported wall; a tip deflection beyond the height of the main wall (also
// for the parapet) is a runaway.
//
// Both iterations return the moment and the deflection of their last step;
// only a deflection that stops being finite is reported as the wall height
// with the moment the axial loads make through it.
PDeltaResult PDeltaCantilever(const Problem& problem, float M, float P, float W, float deltaTop,
                              float deltaMid, float Mcr, float Ig, float Icr, int part,
                              std::vector<PDeltaStep>* steps = nullptr);

// --- Neutral-axis search ----------------------------------------------------

// A reinforced design strip as the strength routines see it. The compression
// width is the strip's effective width bEff: the steel area and the axial load
// are per strip, so the whole strip carries the compression.
struct StrengthSection {
  double t = 0;       // actual thickness (in)
  double ts = 0;      // face shell thickness (in)
  double bEff = 0;    // effective (compression) width of the strip (in)
  double bPrime = 0;  // grouted core width (in)
  double d = 0;       // depth from the compression face to the tension steel (in)
  double As = 0;      // steel area of the strip (in^2)
};

// Material constants of the force balance.
struct StrengthMaterial {
  double fm = 0;  // f'm (psi)
  double fy = 0;  // steel yield strength (psi)
  double Es = 0;  // steel modulus (psi)
  double m =
      1.0;  // ultimate-strain factor: 1.0 concrete masonry (0.0025), 1.4 clay, brick (0.0035)
};

// Ultimate masonry strain of concrete masonry; clay masonry and brick reach
// 1.4 times as much.
inline constexpr double kUltimateMasonryStrain = 0.0025;

// The ultimate-strain factor m of a masonry material: 1.4 for "Clay" and
// "Brick", 1.0 otherwise.
double UltimateStrainFactor(const Problem& problem);

// The material constants of the problem: f'm, Fy and Es in psi, and m.
StrengthMaterial StrengthMaterialOf(const Problem& problem);

struct ForceTerms {
  double x = 0;         // block depth (in)
  double c = 0;         // neutral-axis depth x/k (in)
  double Cf = 0;        // compression in the face shell (lb)
  double Cw = 0;        // compression in the grouted core (lb)
  double fs = 0;        // steel stress, tension positive, within ±fy (psi)
  double T = 0;         // steel force As·fs (lb)
  double residual = 0;  // Cf + Cw − P − T (lb); grows with x
};

// Force balance of the strip for a stress block of depth x and intensity
// k·f'm: over the face shell (width bEff) while x <= ts; beyond it the face
// shell and the grouted core (width b') below it. A block deeper than the
// steel loses the bar's own area. The neutral axis lies at c = x/k; the steel
// strain is εmu·(d − c)/c with εmu = 0.0025·m, and the stress is limited to
// ±fy.
ForceTerms ForceBalance(const StrengthSection& section, const StrengthMaterial& material, double k,
                        double P, double x);

// Why a search ended.
enum class NeutralAxisOutcome : int8_t {
  kFound = 0,
  // Even a block through the whole thickness cannot balance the axial load:
  // the section cannot carry it at any depth.
  kAxialOverload = 1,
  // Even the thinnest block leaves more tension than the yielding steel
  // carries (net tension beyond the steel's capacity).
  kTensionOverload = 2,
};

inline constexpr int kNeutralAxisMaxIterations = 200;
// False-position steps before the search falls back to halving the bracket.
inline constexpr int kFalsePositionSteps = 100;
inline constexpr double kForceTolerance = 0.01;  // lb

struct NeutralAxisResult {
  double a = 0;       // depth of the compression block (in)
  ForceTerms forces;  // terms of the last evaluation
  int Iterations = 0;
  NeutralAxisOutcome Outcome = NeutralAxisOutcome::kFound;
  bool Found() const { return Outcome == NeutralAxisOutcome::kFound; }
};

// Depth a of the compression block that balances the axial load P (lb,
// compression positive), between 0.001 in and t − 0.001 in. The bracket is
// checked for a sign change first: a residual still negative at the far end
// is an axial overload, one already positive at the near end a tension
// overload, and neither is reported as a depth. Within the bracket, false
// position on the residual until |residual| < 0.01 lb; should false position
// stall (not settled after 100 steps), the bracket is halved instead, until
// the residual is small enough, the bracket closes, or 200 steps in all.
NeutralAxisResult NeutralAxisSearch(const StrengthSection& section,
                                    const StrengthMaterial& material, double k, double P);

}  // namespace calvix
