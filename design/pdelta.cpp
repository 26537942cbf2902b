#include "design/pdelta.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/wall_part.h"

namespace calvix {
namespace {

constexpr int kTopStation = 0;
constexpr int kBaseStation = 10;

// Moment of inertia of the solid strip on which the load analysis computed
// its deflections: StripWidth·t³/12 with the part's actual thickness.
double SolidStripInertia(const Problem& problem, int part) {
  const WorkingForm& w = problem.working;
  const double nominal = part == kParapet ? w.ParapetThickness : w.WallThickness;
  const double t = nominal - static_cast<double>(w.NominalMinusActual);
  return static_cast<double>(w.StripWidth) * t * t * t / 12.0;
}

// Rescales a first-order deflection from the solid strip to the gross section
// under design, never below the deflection floor.
double RescaledDeflection(double delta, double Ib, double Ig) {
  const double rescaled = std::fabs(delta) * Ib / Ig;
  if (!std::isfinite(rescaled)) return kDeflectionFloor;
  return std::max(rescaled, kDeflectionFloor);
}

// The member behaviour shared by both iterations.
struct Member {
  double M = 0;       // first-order moment, by magnitude, floored (ft-lb)
  double P = 0;       // axial load through the (tip) deflection (lb)
  double W = 0;       // own weight through the mid-height deflection (lb); cantilever
  double delta0 = 0;  // first-order deflection on Ig (in)
  double mid0 = 0;    // first-order mid-height deflection on Ig (in); cantilever
  bool cantilever = false;
  double Mcr = 0;
  double Ig = 0;
  double Icr = 0;
  double length = 0;  // wall height (in): beyond it the deflection has run away
};

// Deflection of the member under a moment Mu: on Ig up to the cracking
// moment, with the increment beyond the cracking deflection on Icr.
double Deflection(const Member& m, double Mu, double deltaCr, double stiffnessRatio) {
  const double linear = Mu * m.delta0 / m.M;
  if (Mu <= m.Mcr) return linear;
  return deltaCr + (linear - deltaCr) * stiffnessRatio;
}

// A result in single precision that is never NaN or infinite: values beyond
// the single range (only from absurd input) are held at its largest value.
float Finite(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (std::isnan(value)) return static_cast<float>(kLargest);
  return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

PDeltaResult Iterate(const Member& m, std::vector<PDeltaStep>* steps) {
  PDeltaResult result;
  // A cracked inertia that is not positive (only from invalid input) is taken
  // as the gross one, so the iteration stays finite.
  const double stiffnessRatio = m.Icr > 0.0 ? m.Ig / m.Icr : 1.0;
  const double deltaCr = m.delta0 * m.Mcr / m.M;

  double delta = m.M <= m.Mcr ? m.delta0 : deltaCr + (m.delta0 - deltaCr) * stiffnessRatio;
  double mid = m.cantilever ? m.mid0 * delta / m.delta0 : 0.0;
  double previous = delta;
  double Mu = m.M;
  double next = delta;
  double lastFiniteMu = std::isfinite(m.M) ? m.M : 0.0;
  double lastFiniteDelta = std::isfinite(delta) ? delta : 0.0;
  bool converged = false;
  bool nonFinite = false;

  for (int step = 1; step <= kPDeltaMaxIterations; ++step) {
    result.Iterations = step;
    Mu = m.M + m.P * previous / 12.0;
    if (m.cantilever) Mu += m.W * mid / 12.0;
    next = Deflection(m, Mu, deltaCr, stiffnessRatio);
    if (!std::isfinite(Mu) || !std::isfinite(next)) {
      nonFinite = true;
      break;
    }
    const double change = PDeltaChangePercent(previous, next);
    if (steps != nullptr) {
      steps->push_back({previous, Mu, next, Mu - lastFiniteMu, change, PDeltaConverged(change)});
    }
    lastFiniteMu = Mu;
    lastFiniteDelta = next;
    if (PDeltaConverged(change)) {
      converged = true;
      break;
    }
    if (m.cantilever) mid = previous != 0.0 ? mid * next / previous : 0.0;
    // Deflected beyond the wall height: the P-delta runs away.
    if (next > m.length) break;
    previous = next;
  }
  // Not settled: beyond the wall height, not finite, or still moving after
  // the last permitted step.
  result.Runaway = !converged;

  if (nonFinite) {
    // Report a deflection that shows the instability: at least the wall
    // height, and the moment the axial loads make through it.
    const double reported = std::max(lastFiniteDelta, m.length);
    double moment = m.M + m.P * reported / 12.0;
    if (m.cantilever && m.delta0 > 0.0) moment += m.W * (m.mid0 * reported / m.delta0) / 12.0;
    if (!std::isfinite(moment)) moment = lastFiniteMu;
    result.Delta = Finite(reported);
    result.Mu = Finite(std::max(moment, lastFiniteMu));
  } else {
    // The moment and the deflection of the last step.
    result.Delta = Finite(next);
    result.Mu = Finite(Mu);
  }
  return result;
}

// Whether the section data allow an iteration at all; a gross inertia that is
// not positive (invalid input only) is reported as a runaway.
bool SectionUsable(float Ig, double Ib) {
  return Ig > 0.0f && std::isfinite(Ib) && Ib > 0.0;
}

PDeltaResult Unusable(double length, float M) {
  PDeltaResult result;
  result.Runaway = true;
  result.Delta = static_cast<float>(length);
  result.Mu = std::fabs(M);
  return result;
}

}  // namespace

double PDeltaChangePercent(double previous, double next) {
  const double difference = std::fabs(next - previous);
  if (next == 0.0) return difference == 0.0 ? 0.0 : 1e30;
  // Relative to the new deflection itself: a step that reverses the
  // deflection (net tension) gives a negative change and ends the iteration.
  return difference * 100.0 / next;
}

bool PDeltaConverged(double changePercent) {
  return changePercent < kPDeltaConvergencePercent;
}

PDeltaResult PDeltaSupported(const Problem& problem, float M, float P, float delta, int station,
                             float Mcr, float Ig, float Icr, std::vector<PDeltaStep>* steps) {
  const double length = 12.0 * static_cast<double>(problem.working.WallHeight);
  if (station == kTopStation || station == kBaseStation) {
    // The supports do not move: no P-delta there.
    PDeltaResult atSupport;
    atSupport.Mu = std::fabs(M);
    atSupport.Delta = 0.0f;
    return atSupport;
  }
  const double Ib = SolidStripInertia(problem, kMainWall);
  if (!SectionUsable(Ig, Ib)) return Unusable(length, M);

  Member m;
  m.M = std::max(static_cast<double>(std::fabs(M)), kSupportedMomentFloor);
  m.P = P;
  m.delta0 = RescaledDeflection(delta, Ib, Ig);
  m.Mcr = Mcr;
  m.Ig = Ig;
  m.Icr = Icr;
  m.length = length;
  return Iterate(m, steps);
}

PDeltaResult PDeltaCantilever(const Problem& problem, float M, float P, float W, float deltaTop,
                              float deltaMid, float Mcr, float Ig, float Icr, int part,
                              std::vector<PDeltaStep>* steps) {
  // The runaway limit is the height of the main wall, for the parapet too.
  const double length = 12.0 * static_cast<double>(problem.working.WallHeight);
  const double Ib = SolidStripInertia(problem, part);
  if (!SectionUsable(Ig, Ib)) return Unusable(length, M);

  Member m;
  m.cantilever = true;
  m.M = std::max(static_cast<double>(std::fabs(M)), kCantileverMomentFloor);
  m.P = P;
  m.W = W;
  m.delta0 = RescaledDeflection(deltaTop, Ib, Ig);
  m.mid0 = RescaledDeflection(deltaMid, Ib, Ig);
  m.Mcr = Mcr;
  m.Ig = Ig;
  m.Icr = Icr;
  m.length = length;
  return Iterate(m, steps);
}

double UltimateStrainFactor(const Problem& problem) {
  const std::string& material = problem.entry.MasonryMaterial;
  return material == "Clay" || material == "Brick" ? 1.4 : 1.0;
}

StrengthMaterial StrengthMaterialOf(const Problem& problem) {
  const WorkingForm& w = problem.working;
  StrengthMaterial material;
  material.fm = w.FmPrime;
  material.fy = 1000.0 * static_cast<double>(w.Fy);
  material.Es = 1000.0 * static_cast<double>(w.Es);
  material.m = UltimateStrainFactor(problem);
  return material;
}

ForceTerms ForceBalance(const StrengthSection& s, const StrengthMaterial& mat, double k, double P,
                        double x) {
  ForceTerms f;
  f.x = x;
  const double intensity = k * mat.fm;
  if (x <= s.ts) {
    f.Cf = x * s.bEff * intensity;
    f.Cw = 0.0;
  } else {
    f.Cf = s.ts * s.bEff * intensity;
    f.Cw = (x - s.ts) * s.bPrime * intensity;
  }
  // A block reaching past the steel does not count the bar's own area twice.
  if (x > s.d) f.Cw -= s.As * intensity;
  f.c = x / k;
  double fs = mat.Es * kUltimateMasonryStrain * mat.m * (s.d - f.c) / f.c;
  fs = std::clamp(fs, -mat.fy, mat.fy);
  f.fs = fs;
  f.T = s.As * fs;
  f.residual = f.Cf + f.Cw - P - f.T;
  return f;
}

NeutralAxisResult NeutralAxisSearch(const StrengthSection& section,
                                    const StrengthMaterial& material, double k, double P) {
  NeutralAxisResult result;
  double lo = 0.001;
  double hi = section.t - 0.001;
  if (!(hi > lo) || !(k > 0.0)) {
    result.Outcome = NeutralAxisOutcome::kAxialOverload;
    return result;
  }
  ForceTerms atLo = ForceBalance(section, material, k, P, lo);
  ForceTerms atHi = ForceBalance(section, material, k, P, hi);
  if (atHi.residual < 0.0 || !std::isfinite(atHi.residual)) {
    result.Outcome = NeutralAxisOutcome::kAxialOverload;
    result.a = hi;
    result.forces = atHi;
    return result;
  }
  if (atLo.residual > 0.0 || !std::isfinite(atLo.residual)) {
    result.Outcome = NeutralAxisOutcome::kTensionOverload;
    result.a = lo;
    result.forces = atLo;
    return result;
  }
  if (std::fabs(atLo.residual) < kForceTolerance) {
    result.a = lo;
    result.forces = atLo;
    return result;
  }
  if (std::fabs(atHi.residual) < kForceTolerance) {
    result.a = hi;
    result.forces = atHi;
    return result;
  }

  // The residual rises with x: keep atLo negative and atHi positive. False
  // position on the bracket; should it stall (no convergence after
  // kFalsePositionSteps steps, or a point that is not inside the bracket),
  // halve the bracket instead.
  ForceTerms current = atLo;
  for (int step = 1; step <= kNeutralAxisMaxIterations; ++step) {
    result.Iterations = step;
    double x = lo + (hi - lo) * atLo.residual / (atLo.residual - atHi.residual);
    if (step > kFalsePositionSteps || !(x > lo && x < hi)) x = 0.5 * (lo + hi);
    current = ForceBalance(section, material, k, P, x);
    if (std::fabs(current.residual) < kForceTolerance) break;
    if (current.residual > 0.0) {
      hi = x;
      atHi = current;
    } else {
      lo = x;
      atLo = current;
    }
    if (!(hi - lo > 1e-12 * section.t)) break;
  }
  result.a = current.x;
  result.forces = current;
  return result;
}

}  // namespace calvix
