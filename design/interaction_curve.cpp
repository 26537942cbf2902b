#include "design/interaction_curve.h"

#include <cstddef>

#include "design/section_properties.h"
#include "model/interpolation.h"

namespace calvix {
namespace {

constexpr int kZoneAFirst = 2;   // points 2-6
constexpr int kZoneBFirst = 7;   // points 7-12
constexpr int kZoneCFirst = 13;  // points 13 .. N-1
constexpr int kZoneBPoints = 6;

// Resultant of a set of forces: the sum of the forces and the sum of force ×
// lever arm about mid-thickness (lb·in).
struct Resultant {
  double force = 0;
  double moment = 0;

  void Add(double f, double arm) {
    force += f;
    moment += f * arm;
  }
};

void SetPoint(InteractionCurve& curve, int point, double P, double M) {
  const auto i = static_cast<std::size_t>(point - 1);
  curve.P[i] = static_cast<float>(P);
  curve.M[i] = static_cast<float>(M);
}

// The compressive stress block of a cracked section: compression depth x
// from the compression face, peak stress fm at that face, the stress falling
// linearly to zero at depth x. Arms are measured from mid-thickness towards
// the compression face.
Resultant CompressionBlock(bool rectangular, double x, double fm, double t, double ts, double bEff,
                           double bPrime) {
  Resultant block;
  if (rectangular) {
    block.Add(fm / 2.0 * x * bEff, t / 2.0 - x / 3.0);
    return block;
  }
  // Face shell of the compression face over the whole effective width: a
  // uniform part at the stress f1 of its inner face plus a triangle.
  const double f1 = fm * (x - ts) / x;
  block.Add(f1 * bEff * ts, t / 2.0 - ts / 2.0);
  block.Add((fm - f1) / 2.0 * bEff * ts, t / 2.0 - ts / 3.0);
  if (t - x >= ts) {
    // The compression stops in the grouted cores.
    block.Add((x - ts) * f1 / 2.0 * bPrime, t / 2.0 - ts - (x - ts) / 3.0);
    return block;
  }
  // The compression reaches into the far face shell: the cores carry a
  // trapezoid, the far shell a triangle over the whole effective width.
  const double core = t - 2.0 * ts;
  const double e2 = x - ts - core;
  const double f2 = fm * e2 / x;
  block.Add(core * f2 * bPrime, 0.0);
  block.Add((f1 - f2) / 2.0 * core * bPrime, core / 6.0);
  block.Add(f2 / 2.0 * e2 * bEff, -(core / 2.0 + e2 / 3.0));
  return block;
}

}  // namespace

float StripSteelArea(const Problem& problem, int bar, float s) {
  const auto& bars = problem.units.BarTable;
  if (bar < 0 || static_cast<std::size_t>(bar) >= bars.size() || !(s > 0.0f)) return 0.0f;
  return static_cast<float>(static_cast<double>(problem.working.StripWidth) *
                            bars[static_cast<std::size_t>(bar)].Area / s);
}

InteractionCurve BuildInteractionCurve(const Problem& problem, const CurveInput& in) {
  const WorkingForm& w = problem.working;
  const double ts = w.FaceShellThickness;
  const double n = w.ModularRatio;
  const double fa = in.Fa;
  const double fb = in.Fb;
  const double fsPsi = static_cast<double>(in.Fs) * 1000.0;
  const double t = in.t;
  const double d = in.d;
  const double ae = in.Ae;
  const double sm = in.S;
  const double be = in.bEff;
  const double bp = in.bPrime;
  const double as = in.As;

  InteractionCurve curve;

  // Point 1: the axial capacity.
  const double p1 = fa * ae;
  SetPoint(curve, 1, p1, 0.0);

  // Zone A: uncracked. fmax = Fb with fmin falling from 2·Fa − Fb to 0 in
  // four equal steps, so that the average stress starts at Fa; when 2·Fa < Fb
  // the stress can reach only 2·Fa at the face, with fmin = 0 throughout.
  {
    const bool lowAxial = 2.0 * fa < fb;
    const double fmax = lowAxial ? 2.0 * fa : fb;
    const double fmin0 = lowAxial ? 0.0 : 2.0 * fa - fb;
    for (int i = 0; i < 5; ++i) {
      const double fmin = fmin0 * (4 - i) / 4.0;
      SetPoint(curve, kZoneAFirst + i, (fmax + fmin) / 2.0 * ae, (fmax - fmin) / 2.0 * sm / 12.0);
    }
  }

  // A rectangular block when the bars are in every cell or the wall is solidly
  // grouted; otherwise flanged unless the block stays within the face shell.
  const bool everyCell = in.s == w.SpacingModule;
  auto rectangularAt = [&](double x) { return everyCell || w.SolidGrouted || x < ts; };
  // The average stress over the whole thickness may not exceed Fa: the peak
  // stays at Fb while x/t <= 2·Fa/Fb, beyond that fm = 2·Fa·t/x.
  auto peakStress = [&](double x) { return x * fb <= 2.0 * fa * t ? fb : 2.0 * fa * t / x; };

  // Zone B: cracked, the steel in compression is not counted.
  for (int m = 1; m <= kZoneBPoints; ++m) {
    const double x = t * (1.0 - m * (1.0 - d / t) / kZoneBPoints);
    const double fm = peakStress(x);
    Resultant block = CompressionBlock(rectangularAt(x), x, fm, t, ts, be, bp);
    double P = block.force;
    double M = block.moment;
    if (P > p1) {
      const double scale = p1 / P;
      P *= scale;
      M *= scale;
    }
    SetPoint(curve, kZoneBFirst + m - 1, P, M / 12.0);
  }

  // Point N: pure flexure of the cracked section.
  const CrackedCapacity flexure =
      CrackedSectionCapacity(problem, in.As, in.bPrime, in.bEff, in.d, in.Fb, in.Fs);
  const double mFlex = flexure.failed ? 0.0 : flexure.M;
  const double k = flexure.failed ? 0.0 : flexure.k;
  SetPoint(curve, kCurvePointCount, 0.0, mFlex);

  // Zone C: the steel in tension; the neutral axis x moves from just above
  // the steel towards k·d.
  const int steps = kCurvePointCount - 12;
  for (int j = 1; j <= kCurvePointCount - kZoneCFirst; ++j) {
    const double x = d - j * (d - k * d) / steps;
    double fm;
    double fs;
    const double fsAtFb = n * fb * (d - x) / x;
    if (fsPsi < fsAtFb) {
      fs = fsPsi;
      fm = fsPsi * x / (n * (d - x));
    } else if (2.0 * fa * t >= x * fb) {
      fm = fb;
      fs = fsAtFb;
    } else {
      fm = 2.0 * fa * t / x;
      fs = fm * n * (d - x) / x;
    }
    const Resultant block = CompressionBlock(rectangularAt(x), x, fm, t, ts, be, bp);
    const double tension = as * fs;
    double P = block.force - tension;
    double M = block.moment + tension * (d - t / 2.0);
    if (P > p1) {
      const double scale = p1 / P;
      P *= scale;
      M *= scale;
    }
    SetPoint(curve, kZoneCFirst + j - 1, P, M / 12.0);
  }
  return curve;
}

int CurveSegmentAt(const InteractionCurve& curve, float P) {
  if (P < 0.0f || P >= curve.AxialCapacity()) return -1;
  // From pure flexure upwards, the first point above P.
  for (int i = kCurvePointCount - 1; i >= 1; --i) {
    if (curve.P[static_cast<std::size_t>(i - 1)] > P) return i - 1;
  }
  return -1;
}

float AllowableMomentOnCurve(const InteractionCurve& curve, float P) {
  const int segment = CurveSegmentAt(curve, P);
  if (segment < 0) return 0.0f;
  const auto above = static_cast<std::size_t>(segment);
  const auto below = above + 1;
  return static_cast<float>(
      InterpolateLinear(curve.P[below], curve.M[below], curve.P[above], curve.M[above], P));
}

float AllowableMomentAtAxialLoad(const Problem& problem, InteractionCurve& curve, float P, float Fs,
                                 float Fb, float Fa, float t, float d, float bPrime, float bEff,
                                 float Ae, float S, int bar, float s) {
  CurveInput input;
  input.Fs = Fs;
  input.Fb = Fb;
  input.Fa = Fa;
  input.t = t;
  input.d = d;
  input.bPrime = bPrime;
  input.bEff = bEff;
  input.Ae = Ae;
  input.S = S;
  input.As = StripSteelArea(problem, bar, s);
  input.s = s;
  curve = BuildInteractionCurve(problem, input);
  return AllowableMomentOnCurve(curve, P);
}

}  // namespace calvix
