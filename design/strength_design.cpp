#include "design/strength_design.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/load_combinations.h"
#include "design/section_properties.h"

namespace calvix {
namespace {

using std::size_t;

constexpr int kTopStation = 0;
constexpr int kMidStation = 5;
constexpr int kBaseStation = 10;

constexpr size_t U(int i) {
  return static_cast<size_t>(i);
}

// Axial-limit fractions of f'm (IBC 2000 2108.9.4.5).
constexpr double kSlenderAxialFraction = 0.05;
constexpr double kStockyAxialFraction = 0.20;
constexpr double kSlendernessLimit = 30.0;
constexpr double kServiceDeflectionRatio = 0.007;

// Equivalent rectangular stress block of the maximum-steel rule
// (2108.9.2.13): 0.80·f'm over 0.80·c, with the steel at 1.25·fy and
// strained to 1.3·εy.
constexpr double kMaxSteelBlock = 0.8;
constexpr double kMaxSteelOverstrength = 1.25;
constexpr double kMaxSteelStrainFactor = 1.3;
constexpr double kMaxSteelStrainStress = 72500.0;   // psi: 0.0025 × 29 000 ksi
constexpr double kMaxSteelReducedStress = 55769.0;  // psi: 72500 / 1.3, as rounded in the rule

// Step of the slope of øMn(As) in the required-steel iteration (in^2).
constexpr double kSteelSlopeStep = 0.005;

// Everything about a part that stays fixed through its design.
struct PartContext {
  int part = kMainWall;
  size_t p = 0;
  bool cantilever = false;  // parapet, or a cantilever main wall
  double b = 0;             // strip width (in)
  float t = 0, d = 0, dPrime = 0;
  float hPrime = 0;
  float slenderness = 0;
  float module = 0;  // spacing module (in)
  float s0 = 0;      // starting spacing (in)
  float bf = 0;      // effective flange width at s0 (in)
  float fr = 0;      // modulus of rupture (psi)
  float weight = 0;  // own weight of the part (lb)
  float allowDeflection = 0;
  float minSteelArea = 0;
};

// Builds the context of a part; code 8 when no spacing can be tried or the
// section has nothing to design with.
PartContext MakeContext(const Problem& problem, int part, int16_t& errorCode) {
  const WorkingForm& w = problem.working;
  PartContext c;
  c.part = part;
  c.p = PartIndex(part);
  c.cantilever = part == kParapet || problem.entry.Cantilever;
  c.b = w.StripWidth;
  const WallDepthsResult depths = WallDepths(problem, part);
  c.t = depths.t;
  c.d = depths.d;
  c.dPrime = depths.dPrime;
  c.hPrime = EffectiveHeight(problem, part);
  c.slenderness = c.t > 0.0f ? c.hPrime / c.t : 0.0f;
  c.module = w.SpacingModule;
  c.fr = ModulusOfRupture(problem);
  c.weight = PartWeight(problem, part == kParapet ? w.ParapetHeight : w.WallHeight);
  c.allowDeflection = static_cast<float>(kServiceDeflectionRatio * c.hPrime);
  c.minSteelArea = static_cast<float>(static_cast<double>(w.MinSteelRatio) * c.b * c.t);

  const bool usable = c.t > 0.0f && c.b > 0.0 && c.module >= kMinSpacingModule &&
                      w.FmPrime > 0.0f && w.Fy > 0.0f && w.Es > 0.0f && c.d > 0.0f &&
                      c.dPrime > 0.0f;
  if (!usable) {
    errorCode = kNoSpacingFailure;
    return c;
  }
  // The largest whole number of modules not above the permitted spacing.
  const double maxSpacing = MaxBarSpacing(problem, w.SeismicCategory);
  const double modules = std::floor(maxSpacing / c.module);
  c.s0 = static_cast<float>(modules * c.module);
  if (modules < 1.0 || c.s0 < c.module) {
    errorCode = kNoSpacingFailure;
    return c;
  }
  c.bf = EffectiveFlangeWidth(problem, c.s0);
  return c;
}

// The section of a bar at spacing s.
struct TrialSection {
  float As = 0, bEff = 0, bPrime = 0, Ig = 0, S = 0, Ae = 0;
};

float SteelArea(const PartContext& c, float barArea, float s) {
  return static_cast<float>(c.b * barArea / s);
}

TrialSection SectionAt(const Problem& problem, const PartContext& c, float barArea, float s) {
  TrialSection x;
  x.As = SteelArea(c, barArea, s);
  const EffectiveWidthsResult widths = EffectiveWidths(problem, c.bf, s);
  x.bEff = widths.bEff;
  x.bPrime = widths.bPrime;
  x.Ig = GrossInertia(problem, x.bPrime, x.bEff, c.t);
  x.S = static_cast<float>(2.0 * x.Ig / c.t);
  x.Ae = EffectiveArea(problem, c.t, x.bPrime, x.bEff);
  return x;
}

// Cracking moment (ft-lb): fr·S, or with the axial load (fr + P/Ae)·S but
// not above 0.85·f'm·S. A section already cracked by net tension has none.
float CrackingMoment(const Problem& problem, const PartContext& c, const TrialSection& x,
                     double P) {
  const double S = x.S;
  double Mcr;
  if (problem.entry.UseAxialMcr && x.Ae > 0.0f) {
    Mcr = (P / x.Ae + c.fr) * S / 12.0;
    const double cap = kStressBlockFactor * problem.working.FmPrime * S / 12.0;
    if (cap < Mcr) Mcr = cap;
  } else {
    Mcr = c.fr * S / 12.0;
  }
  return static_cast<float>(std::max(Mcr, 0.0));
}

float DepthFor(const PartContext& c, double moment) {
  return TensionSteelDepth(moment, c.d, c.dPrime);
}

constexpr bool kFactored = true;
constexpr bool kService = false;

PDeltaResult PDeltaAt(const Problem& problem, const PartContext& c, const AnalysisResults& a,
                      bool factored, int k, int station, float Mcr, float Ig, float Icr) {
  return PartPDelta(problem, a, c.part, factored, k, station, Mcr, Ig, Icr);
}

// Stations at which combination k is evaluated.
std::vector<int> CandidateStations(const AnalysisResults& a, const PartContext& c, int k) {
  if (c.cantilever) return {kBaseStation};
  const size_t ks = U(k - 1);
  return {a.PosMomentStation[c.p][ks], a.NegMomentStation[c.p][ks],
          a.MaxDeflectionStation[c.p][ks]};
}

bool Selected(const Problem& problem, int k) {
  return problem.entry.LoadCombSelected[U(k - 1)] != 0;
}

// The magnitude with the sign of the first-order moment; a zero moment
// counts as positive, as for the depth to the steel.
float Signed(float magnitude, double signSource) {
  return signSource < 0.0 ? -std::fabs(magnitude) : std::fabs(magnitude);
}

StrengthSection MakeSection(const Problem& problem, double t, double As, double depth, double bEff,
                            double bPrime) {
  StrengthSection s;
  s.t = t;
  s.ts = problem.working.FaceShellThickness;
  s.bEff = bEff;
  s.bPrime = bPrime;
  s.d = depth;
  s.As = As;
  return s;
}

struct MomentCapacity {
  double Mn = 0;  // in-lb
  double a = 0;
  NeutralAxisOutcome outcome = NeutralAxisOutcome::kFound;
};

// Nominal moment about the steel, less the moment of the axial load about
// the steel (it acts at mid-thickness).
MomentCapacity Capacity(const StrengthSection& s, const StrengthMaterial& mat, double P) {
  MomentCapacity m;
  const NeutralAxisResult na = NeutralAxisSearch(s, mat, kStressBlockFactor, P);
  m.outcome = na.Outcome;
  m.a = na.a;
  if (!na.Found()) return m;
  const double a = na.a;
  const ForceTerms& f = na.forces;
  if (a > s.ts) {
    m.Mn =
        (s.d - s.ts / 2.0) * f.Cf + (s.d - s.ts - (a - s.ts) / 2.0) * f.Cw - (s.d - s.t / 2.0) * P;
  } else {
    m.Mn = (s.d - a / 2.0) * f.Cf - (s.d - s.t / 2.0) * P;
  }
  return m;
}

// 12·øMn (in-lb) of the strip with steel area As; 0 without a balance.
double DesignMomentInchPounds(StrengthSection s, const StrengthMaterial& mat, double P, double As) {
  s.As = As;
  const MomentCapacity m = Capacity(s, mat, P);
  if (m.outcome != NeutralAxisOutcome::kFound) return 0.0;
  return kFlexurePhi * m.Mn;
}

// --- Governing forces -------------------------------------------------------

// The probe reinforcement of the governing search.
struct Probe {
  int bar = 0;
  float s = 0;
  bool restarted = false;
};

// Sets `gov` from combination k at `station` when its probe moment is
// larger; returns false with errorCode set when the probe cannot be made to
// work there.
bool EvaluateStation(const Problem& problem, const AnalysisResults& a, const PartContext& c, int k,
                     int station, Probe& probe, double& best, GoverningForces& gov,
                     int16_t& errorCode) {
  const std::vector<Bar>& bars = problem.units.BarTable;
  const int last = static_cast<int>(bars.size()) - 1;
  const size_t ks = U(k - 1);
  const float M = a.FactoredMoment[c.p][ks][U(station)];
  const float P = a.FactoredAxial[c.p][ks][U(station)];

  // fa = Pu/(b·t) does not depend on the spacing: once the probe's steel is
  // within its limits, a failure here fails at every spacing down to one
  // module.
  const double fa = P / (c.b * c.t);
  const int16_t axial = AxialLimitCode(fa, problem.working.FmPrime, c.slenderness);

  const float depth = DepthFor(c, M);
  const int steps = 2 * (static_cast<int>(c.s0 / c.module) + 2) + 2 * (last + 1) + 4;
  for (int step = 0; step < steps; ++step) {
    const TrialSection x = SectionAt(problem, c, bars[U(probe.bar)].Area, probe.s);
    const float Mcr = CrackingMoment(problem, c, x, P);
    const float Icr = CrackedInertia(problem, x.As, depth, x.bEff, x.bPrime, P, c.part).Icr;
    const PDeltaResult pd = PDeltaAt(problem, c, a, kFactored, k, station, Mcr, x.Ig, Icr);
    const SteelLimits limits =
        RequiredSteel(problem, Signed(pd.Mu, M), P, x.bPrime, x.bEff, depth, c.part);

    if (pd.Runaway || x.As <= limits.AsReq) {
      // Not enough steel: a heavier probe.
      probe.s -= c.module;
      if (probe.s < c.module - 0.01f) {
        if (probe.restarted) {
          errorCode = kFlexureFailure;
          return false;
        }
        probe.restarted = true;
        probe.bar = last;
        probe.s = c.s0;
      }
      continue;
    }
    if (x.As >= limits.AsMax) {
      // Too much steel: the next smaller bar.
      if (--probe.bar < 0) {
        errorCode = kFlexureFailure;
        return false;
      }
      continue;
    }
    if (axial != 0) {
      // The axial stress is too high at this spacing: a closer one, down to
      // one module.
      if (probe.s <= c.module) {
        errorCode = axial;
        return false;
      }
      probe.s -= c.module;
      continue;
    }
    if (std::fabs(pd.Mu) > best) {
      best = std::fabs(pd.Mu);
      gov.Moment = M;
      gov.Axial = P;
      gov.ProbeMu = pd.Mu;
      gov.Combo = static_cast<int16_t>(k);
      gov.Station = static_cast<int16_t>(station);
    }
    return true;
  }
  errorCode = kFlexureFailure;
  return false;
}

// --- Service deflection -----------------------------------------------------

// Service deflection of combination k at a station, with the cracked inertia
// of that station's factored axial load and moment sign.
PDeltaResult ServiceDeflectionAt(const Problem& problem, const AnalysisResults& a,
                                 const PartContext& c, const TrialSection& x, float Mcr, int k,
                                 int station) {
  const size_t ks = U(k - 1);
  const float M = a.FactoredMoment[c.p][ks][U(station)];
  const float P = a.FactoredAxial[c.p][ks][U(station)];
  const float Icr = CrackedInertia(problem, x.As, DepthFor(c, M), x.bEff, x.bPrime, P, c.part).Icr;
  return PDeltaAt(problem, c, a, kService, k, station, Mcr, x.Ig, Icr);
}

bool DeflectionAcceptable(const PartContext& c, const PDeltaResult& r) {
  return !r.Runaway && !(r.Delta > c.allowDeflection);
}

// The service-deflection check of one attempt over the five service
// combinations; on success `deltaServ` is the deflection of the governing
// combination at the governing station.
bool ServiceDeflectionPasses(const Problem& problem, const AnalysisResults& a, const PartContext& c,
                             const TrialSection& x, float Mcr, const GoverningForces& gov,
                             float& deltaServ) {
  // Every service combination is checked: one the engineer did not select is
  // zero throughout and passes, one switched off for this part (no wind or
  // seismic load on it) still holds its dead and live load deflections.
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    for (int station : CandidateStations(a, c, k)) {
      if (!DeflectionAcceptable(c, ServiceDeflectionAt(problem, a, c, x, Mcr, k, station))) {
        return false;
      }
    }
  }
  deltaServ = ServiceDeflectionAt(problem, a, c, x, Mcr, gov.Combo, gov.Station).Delta;
  return true;
}

void StorePartValues(const Problem& problem, const PartContext& c, StrengthResults& r) {
  const size_t p = c.p;
  r.SlendernessRatio[p] = c.slenderness;
  const double fraction =
      c.slenderness <= kSlendernessLimit ? kStockyAxialFraction : kSlenderAxialFraction;
  r.AxialLimit[p] = static_cast<float>(fraction * problem.working.FmPrime);
  r.AllowServiceDeflection[p] = c.allowDeflection;
  r.EffectiveHeight[p] = c.hPrime;
  r.Thickness[p] = c.t;
  r.DepthPositive[p] = c.d;
  r.DepthNegative[p] = c.dPrime;
  r.RuptureModulus[p] = c.fr;
  r.FlangeWidth[p] = c.bf;
  r.StartSpacing[p] = c.s0;
  r.MinSteelArea[p] = c.minSteelArea;
}

}  // namespace

// --- Small rules --------------------------------------------------------------

float ModulusOfRupture(const Problem& problem) {
  const WorkingForm& w = problem.working;
  const double root = std::sqrt(std::max(static_cast<double>(w.FmPrime), 0.0));
  if (problem.entry.MasonryMaterial == "Brick")
    return static_cast<float>(std::min(2.0 * root, 125.0));
  if (w.SolidGrouted) return static_cast<float>(std::min(4.0 * root, 235.0));
  return static_cast<float>(std::min(2.5 * root, 125.0));
}

float PartWeight(const Problem& problem, float height) {
  const WorkingForm& w = problem.working;
  return static_cast<float>(static_cast<double>(w.WallWeight) * height * w.StripWidth / 12.0);
}

int16_t AxialLimitCode(double fa, double fm, double slenderness) {
  if (fa < kSlenderAxialFraction * fm) return 0;
  if (slenderness > kSlendernessLimit) return kSlenderAxialFailure;
  if (fa >= kStockyAxialFraction * fm) return kAxialFailure;
  return 0;
}

bool FlexureAdequate(double Mu, double phiMn) {
  return std::fabs(Mu) <= std::max(phiMn, 0.0);
}

bool ShearAdequate(double phiVn, double Vu) {
  return phiVn > std::fabs(Vu);
}

// --- Flexural routines ----------------------------------------------------------

float TensionSteelDepth(double moment, float d, float dPrime) {
  return moment < 0.0 ? dPrime : d;
}

namespace {

// As,max in double precision, as the required-steel iteration uses it.
double MaximumSteel(const Problem& problem, double Pu, double bPrime, double bEff, double depth) {
  const StrengthMaterial mat = StrengthMaterialOf(problem);
  const double fm = mat.fm;
  const double fy = mat.fy;
  const double m = mat.m;
  const double ts = problem.working.FaceShellThickness;
  const double d = depth;
  const double steelForce = kMaxSteelOverstrength * fy;
  // Block depth at the limit strain state, 0.8·cb.
  const double ab = m * kMaxSteelBlock * kMaxSteelStrainStress * d /
                    (m * kMaxSteelStrainStress + kMaxSteelStrainFactor * fy);
  double compressionArea;  // C/(1.25·fy) of the masonry block alone
  if (ab <= ts) {
    // Block within the face shell, written as in the rule with
    // 55769 psi = 72500/1.3 and 0.512 = 0.8·0.8/1.25.
    compressionArea = bEff * d * (0.512 * fm / fy) *
                      (m * kMaxSteelReducedStress / (fy + m * kMaxSteelReducedStress));
  } else {
    compressionArea = kMaxSteelBlock * fm * (ts * bEff + (ab - ts) * bPrime) / steelForce;
  }
  return std::max(compressionArea - Pu / steelForce, 0.0);
}

}  // namespace

float MaximumSteelArea(const Problem& problem, float Pu, float bPrime, float bEff, float depth) {
  return static_cast<float>(MaximumSteel(problem, Pu, bPrime, bEff, depth));
}

SteelLimits RequiredSteel(const Problem& problem, float Mu, float Pu, float bPrime, float bEff,
                          float depth, int part) {
  const WorkingForm& w = problem.working;
  const StrengthMaterial mat = StrengthMaterialOf(problem);
  const double ts = w.FaceShellThickness;
  const double b = w.StripWidth;
  const double P = Pu;
  const double be = bEff;
  const double bp = bPrime;
  const double d = depth;
  const double t = WallDepths(problem, part).t;
  SteelLimits limits;
  const double asMax = MaximumSteel(problem, Pu, bPrime, bEff, depth);
  limits.AsMax = static_cast<float>(asMax);

  // Required steel: Newton steps on 12·øMn(As) from the minimum steel.
  const double target = 12.0 * std::fabs(static_cast<double>(Mu));
  double As = static_cast<double>(w.MinSteelRatio) * b * t;
  limits.As0 = static_cast<float>(As);
  const StrengthSection section = [&] {
    StrengthSection s;
    s.t = t;
    s.ts = ts;
    s.bEff = be;
    s.bPrime = bp;
    s.d = d;
    return s;
  }();

  double required = kNoSteelArea;
  // With no steel permitted there is no area to find.
  const int steps = asMax > 0.0 ? kRequiredSteelMaxIterations : 0;
  for (int step = 1; step <= steps; ++step) {
    limits.Iterations = step;
    const double moment = DesignMomentInchPounds(section, mat, P, As);
    if (moment >= target) {
      required = As;
      break;
    }
    if (As >= asMax) break;
    const double slope =
        (DesignMomentInchPounds(section, mat, P, As + kSteelSlopeStep) - moment) / kSteelSlopeStep;
    // A flat slope sends the Newton step past As,max: it is then limited to
    // half the remaining distance like any step that would pass it.
    double change = (target - moment) / slope;
    if (!std::isfinite(change) || As + change > asMax) change = (asMax - As) / 2.0;
    const double next = As + change;
    As = next == As ? asMax : next;
    if (As <= 0.0) break;
  }
  limits.AsReq = static_cast<float>(required);
  return limits;
}

NominalMomentResult NominalMoment(const Problem& problem, float As, float depth, float bEff,
                                  float bPrime, float Pu, int part) {
  const StrengthSection s =
      MakeSection(problem, WallDepths(problem, part).t, As, depth, bEff, bPrime);
  const MomentCapacity m = Capacity(s, StrengthMaterialOf(problem), Pu);
  NominalMomentResult r;
  r.Outcome = m.outcome;
  r.a = static_cast<float>(m.a);
  if (m.outcome == NeutralAxisOutcome::kFound) {
    r.Mn = static_cast<float>(m.Mn);
    r.PhiMn = static_cast<float>(kFlexurePhi * m.Mn / 12.0);
  }
  return r;
}

CrackedInertiaResult CrackedInertia(const Problem& problem, float As, float depth, float bEff,
                                    float bPrime, float Pu, int part) {
  const float t = WallDepths(problem, part).t;
  const StrengthSection s = MakeSection(problem, t, As, depth, bEff, bPrime);
  const NeutralAxisResult na =
      NeutralAxisSearch(s, StrengthMaterialOf(problem), kStressBlockFactor, Pu);
  const double Ig = GrossInertia(problem, bPrime, bEff, t);

  CrackedInertiaResult r;
  if (na.Outcome == NeutralAxisOutcome::kAxialOverload) {
    // The whole thickness is in compression: the section does not crack.
    r.Icr = static_cast<float>(Ig);
    r.c = static_cast<float>(s.t);
    return r;
  }
  const double c = na.a / kStressBlockFactor;
  r.c = static_cast<float>(c);
  if (c >= s.t - s.ts) {
    r.Icr = static_cast<float>(Ig);
    return r;
  }
  const double n = problem.working.ModularRatio;
  const double as = s.As;
  const double d = s.d;
  const double be = s.bEff;
  const double bp = s.bPrime;
  const double ts = s.ts;
  // The bar about its own axis: π·r⁴/4 with r = √(As/π).
  const double barOwn = as * as / (4.0 * std::numbers::pi);
  double Icr;
  if (c <= ts) {
    const double y = (n * as * d + be * c * c / 2.0) / (n * as + be * c);
    Icr = be * c * c * c / 12.0 + be * c * (y - c / 2.0) * (y - c / 2.0) +
          n * (as * (d - y) * (d - y) + barOwn);
  } else {
    const double web = c - ts;
    const double y = (n * as * d + be * ts * ts / 2.0 + web * bp * (ts + web / 2.0)) /
                     (n * as + be * ts + web * bp);
    Icr = be * ts * ts * ts / 12.0 + be * ts * (y - ts / 2.0) * (y - ts / 2.0) +
          bp * web * web * web / 12.0 + web * bp * (ts + web / 2.0 - y) * (ts + web / 2.0 - y) +
          n * (as * (d - y) * (d - y) + barOwn);
  }
  if (!std::isfinite(Icr)) Icr = Ig;
  r.Icr = static_cast<float>(Icr);
  return r;
}

// --- P-delta ------------------------------------------------------------------

PDeltaResult PartPDelta(const Problem& problem, const AnalysisResults& analysis, int part,
                        bool factored, int k, int station, float Mcr, float Ig, float Icr,
                        std::vector<PDeltaStep>* steps) {
  const size_t p = PartIndex(part);
  const size_t ks = U(k - 1);
  const auto& M = (factored ? analysis.FactoredMoment : analysis.CombMoment)[p][ks];
  const auto& P = (factored ? analysis.FactoredAxial : analysis.CombAxial)[p][ks];
  const auto& delta = (factored ? analysis.FactoredDeflection : analysis.ServiceDeflection)[p][ks];
  if (part == kParapet || problem.entry.Cantilever) {
    const float weight = PartWeight(problem, PartHeight(problem, part));
    return PDeltaCantilever(problem, M[U(station)], P[kTopStation], weight, delta[kTopStation],
                            delta[kMidStation], Mcr, Ig, Icr, part, steps);
  }
  return PDeltaSupported(problem, M[U(station)], P[U(station)], delta[U(station)], station, Mcr, Ig,
                         Icr, steps);
}

// --- Governing forces -------------------------------------------------------

GoverningForces FindGoverningForces(const Problem& problem, const AnalysisResults& a, int part,
                                    int16_t& errorCode) {
  errorCode = 0;
  GoverningForces gov;
  const PartContext c = MakeContext(problem, part, errorCode);
  gov.d = c.d;
  gov.dPrime = c.dPrime;
  if (errorCode != 0) return gov;
  if (problem.units.BarTable.empty()) {
    errorCode = kFlexureFailure;
    return gov;
  }

  Probe probe;
  probe.bar = static_cast<int>(problem.units.BarTable.size()) - 1;
  probe.s = c.s0;
  double best = -1.0;  // below zero: the first station evaluated governs a wall without moment
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (!Selected(problem, k)) continue;
    for (int station : CandidateStations(a, c, k)) {
      if (!EvaluateStation(problem, a, c, k, station, probe, best, gov, errorCode)) return gov;
    }
  }

  // The shear is searched over all five combinations (one not selected is
  // zero throughout); ties keep the last.
  double bestShear = -1.0;
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    const float V = a.FactoredMaxShear[c.p][U(k - 1)];
    if (std::fabs(V) >= bestShear) {
      bestShear = std::fabs(V);
      gov.Shear = V;
      gov.ShearCombo = static_cast<int16_t>(k);
    }
  }
  return gov;
}

// --- The design -----------------------------------------------------------------

void StrengthResults::ClearPart(size_t partIndex, size_t barCount) {
  const size_t p = partIndex;
  for (auto* field :
       {&SlendernessRatio, &AxialLimit, &AllowServiceDeflection, &GovMoment, &GovAxial, &GovShear,
        &EffectiveHeight, &Thickness, &DepthPositive, &DepthNegative, &DesignDepth, &RuptureModulus,
        &FlangeWidth, &StartSpacing, &MinSteelArea, &AxialStress, &GovProbeMu}) {
    (*field)[p] = 0.0f;
  }
  GovCombo[p] = 0;
  GovStation[p] = 0;
  GovShearCombo[p] = 0;
  BarLimit[p] = {};
  BarPermitted[p].assign(barCount, true);
  for (auto* field :
       {&BarSpacing, &BarPhiMn, &BarPhiVn, &BarMu, &BarDeltaUlt, &BarDeltaServ, &BarAs, &BarAsReq,
        &BarAsMax, &BarBlockDepth, &BarEffectiveWidth, &BarCoreWidth, &BarGrossInertia,
        &BarSectionModulus, &BarEffectiveArea, &BarCrackingMoment, &BarCrackedInertia}) {
    (*field)[p].assign(barCount, 0.0f);
  }
}

void StrengthDesign(Problem& problem, const AnalysisResults& analysis, StrengthResults& results,
                    int16_t& errorCode, int pass) {
  errorCode = 0;
  const int part = pass == kParapet ? kParapet : kMainWall;
  const size_t p = PartIndex(part);
  const std::vector<Bar>& bars = problem.units.BarTable;
  if (pass == kMainWall) {
    results = StrengthResults{};
    results.ClearPart(PartIndex(kParapet), bars.size());
  }
  results.ClearPart(p, bars.size());
  results.BarLimit[p] = PartBarSizeLimit(problem, part);
  results.BarPermitted[p] = PermittedBars(bars, results.BarLimit[p]);

  // Combinations without the part's lateral load are off for this design.
  const CombinationFilterScope filter(problem, analysis.Seismic, part);
  bool anySelected = false;
  for (int k = 1; k <= kLoadCombinationCount; ++k)
    anySelected = anySelected || Selected(problem, k);

  const PartContext c = MakeContext(problem, part, errorCode);
  StorePartValues(problem, c, results);
  if (!anySelected) {
    errorCode = kNoCombinationFailure;
    return;
  }
  if (errorCode != 0) return;

  const GoverningForces gov = FindGoverningForces(problem, analysis, part, errorCode);
  if (errorCode != 0) return;
  results.GovMoment[p] = gov.Moment;
  results.GovAxial[p] = gov.Axial;
  results.GovShear[p] = gov.Shear;
  results.GovCombo[p] = gov.Combo;
  results.GovStation[p] = gov.Station;
  results.GovShearCombo[p] = gov.ShearCombo;
  results.GovProbeMu[p] = gov.ProbeMu;

  const float depth = DepthFor(c, gov.Moment);
  results.DesignDepth[p] = depth;
  const double Pu = gov.Axial;
  const double fa = Pu / (c.b * c.t);
  results.AxialStress[p] = static_cast<float>(fa);
  // The axial stress does not change with the spacing.
  const int16_t axial = AxialLimitCode(fa, problem.working.FmPrime, c.slenderness);
  if (axial != 0) {
    errorCode = axial;
    return;
  }

  const double phiVnFactor =
      kShearPhi * 4.0 * std::sqrt(static_cast<double>(problem.working.FmPrime));
  const int attempts = static_cast<int>(c.s0 / c.module) + 2;
  bool anyAccepted = false;
  for (int i = static_cast<int>(bars.size()) - 1; i >= 0; --i) {
    const size_t bi = U(i);
    const float barArea = bars[bi].Area;
    float s = c.s0;
    for (int attempt = 0; attempt < attempts; ++attempt) {
      // Minimum steel: close the spacing until the bar supplies more than
      // the minimum area.
      while (SteelArea(c, barArea, s) <= c.minSteelArea && s > c.module) s -= c.module;

      const TrialSection x = SectionAt(problem, c, barArea, s);
      const float Mcr = CrackingMoment(problem, c, x, Pu);
      const float Icr = CrackedInertia(problem, x.As, depth, x.bEff, x.bPrime, gov.Axial, part).Icr;
      const PDeltaResult pd =
          PDeltaAt(problem, c, analysis, kFactored, gov.Combo, gov.Station, Mcr, x.Ig, Icr);
      results.BarMu[p][bi] = pd.Mu;
      results.BarDeltaUlt[p][bi] = pd.Delta;
      results.BarAs[p][bi] = x.As;
      results.BarEffectiveWidth[p][bi] = x.bEff;
      results.BarCoreWidth[p][bi] = x.bPrime;
      results.BarGrossInertia[p][bi] = x.Ig;
      results.BarSectionModulus[p][bi] = x.S;
      results.BarEffectiveArea[p][bi] = x.Ae;
      results.BarCrackingMoment[p][bi] = Mcr;
      results.BarCrackedInertia[p][bi] = Icr;

      // Flexure: the once-amplified moment against the steel limits and øMn.
      const float Mu = Signed(pd.Mu, gov.Moment);
      const SteelLimits limits =
          RequiredSteel(problem, Mu, gov.Axial, x.bPrime, x.bEff, depth, part);
      results.BarAsReq[p][bi] = limits.AsReq;
      results.BarAsMax[p][bi] = limits.AsMax;
      bool flexureOk = !pd.Runaway && x.As > limits.AsReq && x.As < limits.AsMax;
      if (flexureOk) {
        const NominalMomentResult nm =
            NominalMoment(problem, x.As, depth, x.bEff, x.bPrime, gov.Axial, part);
        results.BarPhiMn[p][bi] = nm.PhiMn;
        results.BarBlockDepth[p][bi] = nm.a;
        flexureOk = nm.Found() && FlexureAdequate(Mu, nm.PhiMn);
      }

      bool shearOk = false;
      bool deflectionOk = false;
      if (!flexureOk) {
        s -= c.module;
      } else {
        float deltaServ = 0.0f;
        deflectionOk = ServiceDeflectionPasses(problem, analysis, c, x, Mcr, gov, deltaServ);
        // The stored single-precision capacity is the one checked.
        const float phiVn = static_cast<float>(phiVnFactor * x.Ae);
        results.BarPhiVn[p][bi] = phiVn;
        shearOk = ShearAdequate(phiVn, gov.Shear);
        if (!deflectionOk) s -= c.module;
        if (!shearOk) s -= c.module;
        if (deflectionOk && shearOk) {
          results.BarSpacing[p][bi] = s;
          results.BarDeltaServ[p][bi] = deltaServ;
          // A bar above the size limit cannot carry the design.
          anyAccepted = anyAccepted || results.BarPermitted[p][bi];
          break;
        }
      }
      if (s < c.module - 0.01f) {
        if (!flexureOk) break;  // this bar is given up
        errorCode = shearOk ? kDeflectionFailure : kShearFailure;
        return;
      }
    }
  }
  if (!anyAccepted) errorCode = kFlexureFailure;
}

}  // namespace calvix
