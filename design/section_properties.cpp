#include "design/section_properties.h"

#include <algorithm>
#include <cmath>

#include "analysis/wall_part.h"

namespace calvix {
namespace {

bool IsParapet(int part) {
  return part == kParapet;
}

// True when b' is the whole strip: the strip acts as a solid section.
bool ActsSolid(const Problem& problem, float bPrime) {
  return problem.working.SolidGrouted || bPrime == problem.working.StripWidth;
}

CrackedCapacity FailedSection() {
  CrackedCapacity failed;
  failed.M = kCrackedSectionFailure;
  failed.failed = true;
  return failed;
}

}  // namespace

WallDepthsResult WallDepths(const Problem& problem, int part) {
  const WorkingForm& w = problem.working;
  const double c = IsParapet(part) ? w.ParapetSteelDepth : w.WallSteelDepth;

  WallDepthsResult result;
  result.t = ActualThickness(problem, part);
  const double t = result.t;
  // Two layers: the entered depth is the cover of each layer from its face.
  result.d = static_cast<float>(w.TwoLayers ? t - c : c);
  result.dPrime = static_cast<float>(t - c);
  return result;
}

float EffectiveHeight(const Problem& problem, int part) {
  const WorkingForm& w = problem.working;
  const EntryForm& e = problem.entry;
  if (IsParapet(part)) return static_cast<float>(2.0 * w.ParapetHeight * 12.0);

  const double height = static_cast<double>(w.WallHeight) * 12.0;
  if (e.Cantilever) return static_cast<float>(2.0 * height);
  if (e.SupportType == "Fixed") return static_cast<float>(0.8 * height);
  if (e.SupportType == "Pinned") return static_cast<float>(height);
  if (e.SupportType == "Partially Fixed") {
    return static_cast<float>((1.0 - 0.2 * e.PercentFixed / 100.0) * height);
  }
  return 0.0f;
}

float MaxBarSpacing(const Problem& problem, std::string_view seismicCategory) {
  if (seismicCategory == "Category A" || seismicCategory == "Category B") return 72.0f;
  if (seismicCategory == "Category C") return 48.0f;
  if (seismicCategory == "Category D" || seismicCategory == "Category E" ||
      seismicCategory == "Category F") {
    return problem.entry.RunningBond ? 48.0f : 24.0f;
  }
  return 0.0f;
}

float EffectiveFlangeWidth(const Problem& problem, float s) {
  const WorkingForm& w = problem.working;
  const float sixT = static_cast<float>(6.0 * w.WallThickness);
  if (problem.entry.DesignMethod == "IBC-S") {
    if (problem.entry.RunningBond) return std::min(s, sixT);
    const float threeT = static_cast<float>(3.0 * w.WallThickness);
    return std::min({s, threeT, w.UnitLength});
  }
  if (problem.entry.RunningBond) return std::min({s, sixT, 72.0f});
  return std::min(s, w.UnitLength);
}

EffectiveWidthsResult EffectiveWidths(const Problem& problem, float bf, float s) {
  const WorkingForm& w = problem.working;
  const double b = w.StripWidth;
  EffectiveWidthsResult result;
  if (s <= 0.0f) {
    result.bEff = w.StripWidth;
    result.bPrime = w.StripWidth;
    return result;
  }
  result.bEff = s <= bf ? w.StripWidth : static_cast<float>(b * bf / s);
  // Bars farther apart than one spacing module leave ungrouted cells between
  // the grouted ones; only the grouted cell and its web work as the core.
  float bPrime = w.StripWidth;
  if (!w.SolidGrouted && s > w.SpacingModule) {
    bPrime = static_cast<float>(static_cast<double>(w.GroutedCellWidth) * b / s);
  }
  result.bPrime = std::min(bPrime, result.bEff);
  return result;
}

float EffectiveArea(const Problem& problem, float t, float bPrime, float bEff) {
  const WorkingForm& w = problem.working;
  const double ts = w.FaceShellThickness;
  double area;
  if (ActsSolid(problem, bPrime)) {
    area = static_cast<double>(t) * bEff;
  } else {
    area = (t - 2.0 * ts) * bPrime + 2.0 * bEff * ts;
  }
  // An unreinforced wall always has at least its face shells bedded in mortar
  // over the whole strip.
  if (!problem.ReinforcedWall) area = std::max(area, 2.0 * ts * w.StripWidth);
  return static_cast<float>(area);
}

float GrossInertia(const Problem& problem, float bPrime, float bEff, float t) {
  const double tt = t;
  const double t3 = tt * tt * tt;
  if (ActsSolid(problem, bPrime)) return static_cast<float>(bEff * t3 / 12.0);

  const double ts = problem.working.FaceShellThickness;
  const double flange = static_cast<double>(bEff) - bPrime;
  const double arm = (tt - ts) / 2.0;
  const double shell = flange * ts * ts * ts / 12.0 + flange * ts * arm * arm;
  return static_cast<float>(bPrime * t3 / 12.0 + 2.0 * shell);
}

double SlendernessReduction(double hOverR) {
  if (hOverR <= 0.0) return 1.0;
  if (hOverR < 99.0) {
    const double q = hOverR / 140.0;
    return 1.0 - q * q;
  }
  const double q = 70.0 / hOverR;
  return q * q;
}

double SlendernessReductionOf(float hPrime, float r) {
  if (!(hPrime > 0.0f)) return 1.0;
  return r > 0.0f ? SlendernessReduction(static_cast<double>(hPrime) / r) : 0.0;
}

AxialStress AllowableAxialStress(const Problem& problem, float hPrime, float Ig, float Ae) {
  AxialStress result;
  if (Ae > 0.0f && Ig >= 0.0f) {
    result.r = static_cast<float>(std::sqrt(static_cast<double>(Ig) / Ae));
  }
  const double reduction = SlendernessReductionOf(hPrime, result.r);
  result.Fa = static_cast<float>(0.25 * problem.working.FmPrime * reduction);
  return result;
}

CrackedCapacity CrackedSectionCapacity(const Problem& problem, float As, float bPrime, float bEff,
                                       float d, float Fb, float Fs) {
  const WorkingForm& w = problem.working;
  const double n = w.ModularRatio;
  const double ts = w.FaceShellThickness;
  const double as = As;
  const double bp = bPrime;
  const double be = bEff;
  const double dd = d;
  const double fb = Fb;
  const double fsPsi = static_cast<double>(Fs) * 1000.0;

  if (!(be * dd > 0.0)) return FailedSection();

  // Neutral axis of a rectangular cracked section, kd, from the transformed
  // section: k = sqrt((rho n)^2 + 2 rho n) - rho n.
  const double rho = as / (be * dd);
  const double rn = rho * n;
  const double radicand = rn * rn + 2.0 * rn;
  if (radicand < 0.0) return FailedSection();
  double k = std::sqrt(radicand) - rn;

  CrackedCapacity result;
  const bool flanged = k * dd >= ts && !w.SolidGrouted && bPrime != bEff;
  if (!flanged) {
    const double j = 1.0 - k / 3.0;
    const double km = fb / 2.0 * k * j;
    const double ks = fsPsi * rho * j;
    const double kGov = km < ks ? km : ks;  // the steel governs on a tie
    const double f = be * dd * dd / 12.0;
    result.M = static_cast<float>(kGov * f);
    result.Mm = static_cast<float>(km * f);
    result.Ms = static_cast<float>(ks * f);
    result.j = static_cast<float>(j);
    result.k = static_cast<float>(k);
    return result;
  }

  // T section: the neutral axis lies in the grouted web below the face shell.
  // Equilibrium of the transformed section about the neutral axis:
  // (b'/2) x^2 + ((bEff - b') ts + n As) x - ((bEff - b') ts^2 / 2 + n As d) = 0.
  const double a = bp / 2.0;
  const double bq = (be - bp) * ts + n * as;
  const double cq = (be - bp) * ts * ts / 2.0 + n * as * dd;
  if (!(a > 0.0)) return FailedSection();
  const double disc = bq * bq + 4.0 * a * cq;
  if (disc < 0.0) return FailedSection();
  const double x = (-bq + std::sqrt(disc)) / (2.0 * a);
  if (!(x > 0.0)) return FailedSection();
  k = x / dd;

  // Compressive forces with the allowable stress Fb at the extreme fibre:
  // the flange (face shell) and the part of the web below it.
  double c1 = (2.0 * x - ts) / x * (fb / 2.0) * be * ts;
  double c2 = (x - ts) / x * (fb / 2.0) * bp * (x - ts);
  const double arm1 = dd - ts / 2.0;
  const double arm2 = dd - (2.0 * ts + x) / 3.0;
  const double mm = (c1 * arm1 + c2 * arm2) / 12.0;

  const double tension = as * fsPsi;
  if (c1 + c2 > tension) {
    // The steel reaches Fs first: the masonry stress stays below Fb.
    if (!(n > 0.0) || k >= 1.0 || fb == 0.0) return FailedSection();
    const double fbActual = fsPsi / n * k / (1.0 - k);
    const double scale = fbActual / fb;
    c1 *= scale;
    c2 *= scale;
  }
  const double compression = c1 + c2;
  if (compression == 0.0) return FailedSection();
  const double m = (c1 * arm1 + c2 * arm2) / 12.0;
  const double jd = 12.0 * m / compression;

  result.M = static_cast<float>(m);
  result.Mm = static_cast<float>(mm);
  result.Ms = static_cast<float>(tension * jd / 12.0);
  result.j = static_cast<float>(jd / dd);
  result.k = static_cast<float>(k);
  return result;
}

}  // namespace calvix
