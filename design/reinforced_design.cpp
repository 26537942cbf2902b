#include "design/reinforced_design.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "analysis/load_combinations.h"
#include "design/section_properties.h"

namespace calvix {
namespace {

constexpr int kBaseStation = kStationCount - 1;
// The reference reinforcement of the governing-combination search: the third
// bar of the table at 48 in.
constexpr int kReferenceBar = 2;
constexpr float kReferenceSpacing = 48.0f;
// A bar that fails at every spacing hands the search on to the next smaller
// bar at about this spacing (in).
constexpr float kRestartSpacing = 8.0f;

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// The number of whole spacing modules in a length: floor(length / module),
// with no allowance for rounding, so that no spacing is ever above the length
// (a 4.8 in module, stored as 4.80000019, fits only 4 times into 24 in).
int WholeModules(float length, float module) {
  if (!(module > 0.0f) || !(length > 0.0f)) return 0;
  return static_cast<int>(std::floor(static_cast<double>(length) / module));
}

float SpacingOf(int modules, float module) {
  return static_cast<float>(modules * static_cast<double>(module));
}

// num / den for a stress or load ratio; a zero allowable makes any demand
// infinitely large, and no demand nothing.
double DemandRatio(double num, double den) {
  if (den > 0.0) return num / den;
  return num > 0.0 ? 1e30 : 0.0;
}

bool Selected(const Problem& problem, int k) {
  return problem.entry.LoadCombSelected[U(k - 1)] != 0;
}

bool AnySelected(const Problem& problem) {
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (Selected(problem, k)) return true;
  }
  return false;
}

void ResetPart(ReinforcedResults& r, std::size_t p, std::size_t bars) {
  r.GovMoment[p] = 0.0f;
  r.GovAxial[p] = 0.0f;
  r.GovCombo[p] = 0;
  r.GovShear[p] = 0.0f;
  r.GovShearCombo[p] = 0;
  r.SlendernessRatio[p] = 0.0f;
  r.Eccentricity[p] = 0.0f;
  r.AllowableShear[p] = 0.0f;
  r.ZoneNote[p] = {};
  r.BarFa[p].assign(bars, 0.0f);
  r.BarShearStress[p].assign(bars, 0.0f);
  r.BarAllowMoment[p].assign(bars, 0.0f);
  r.BarSpacing[p].assign(bars, 0.0f);
  r.BarLimit[p] = {};
  r.BarPermitted[p].assign(bars, true);
  r.HPrime[p] = 0.0f;
  r.Thickness[p] = 0.0f;
  r.DepthPositive[p] = 0.0f;
  r.DepthNegative[p] = 0.0f;
  r.DesignDepth[p] = 0.0f;
  r.Zone[p] = EccentricityZone::C;
  r.MinSteelArea[p] = 0.0f;
  r.Bars[p].assign(bars, BarDesign{});
}

}  // namespace

EccentricityZone ClassifyEccentricity(float e, float t, float dUse) {
  const float sixth = t / 6.0f;
  const float twoThirdsD = 2.0f * dUse / 3.0f;
  if (e < sixth) return EccentricityZone::A;
  if (e < twoThirdsD) return EccentricityZone::B;
  return EccentricityZone::C;
}

std::array<std::string, 2> ZoneNoteLines(EccentricityZone zone) {
  switch (zone) {
    case EccentricityZone::A:
      return {"NOTE: Max. moment is located in Zone A, (e < t/6)",
              "      Wall is uncracked, steel is stressed in compression."};
    case EccentricityZone::B:
      return {"NOTE: Max. moment is located in Zone B, (t/6 < e < 2d/3)",
              "      Wall is cracked, steel is stressed in compression."};
    case EccentricityZone::C:
      break;
  }
  return {"NOTE: Max. moment is located in Zone C, (e > 2d/3)",
          "      Wall is cracked, steel is stressed in tension."};
}

WorkingStresses StressesForCombination(const Problem& problem, float Fa, int k) {
  const WorkingForm& w = problem.working;
  WorkingStresses a{Fa, w.Fb, w.Fs, w.Fv};
  if (k >= 2) {
    const float f = problem.entry.StressIncreaseFactor;
    a.Fa *= f;
    a.Fb *= f;
    a.Fs *= f;
    a.Fv *= f;
  }
  return a;
}

StripSection SectionAtSpacing(const Problem& problem, float t, float hPrime, float bf, float s) {
  StripSection sec;
  sec.s = s;
  sec.bf = bf;
  const EffectiveWidthsResult widths = EffectiveWidths(problem, bf, s);
  sec.bEff = widths.bEff;
  sec.bPrime = widths.bPrime;
  sec.Ae = EffectiveArea(problem, t, sec.bPrime, sec.bEff);
  sec.Ig = GrossInertia(problem, sec.bPrime, sec.bEff, t);
  sec.S = t > 0.0f ? static_cast<float>(2.0 * sec.Ig / t) : 0.0f;
  const AxialStress axial = AllowableAxialStress(problem, hPrime, sec.Ig, sec.Ae);
  sec.r = axial.r;
  sec.Fa = axial.Fa;
  sec.hOverR = sec.r > 0.0f ? static_cast<float>(static_cast<double>(hPrime) / sec.r) : 0.0f;
  return sec;
}

void FindGoverningCombination(const Problem& problem, const AnalysisResults& analysis,
                              ReinforcedResults& results, float hPrime, float t, float d,
                              float dPrime, int16_t& errorCode, int part) {
  errorCode = 0;
  const std::size_t p = PartIndex(part);
  const float module = problem.working.SpacingModule;
  const int bars = static_cast<int>(problem.units.BarTable.size());
  const int refBar = std::min(kReferenceBar, bars - 1);

  if (!AnySelected(problem)) {
    errorCode = kFailNoCombination;
    return;
  }

  // The reference spacing falls by whole modules from 48 in and stays reduced
  // for every later sign and combination; it can fall at most 48 / module
  // times before it is below one module.
  int reductions = 0;
  float s = kReferenceSpacing;
  StripSection section = SectionAtSpacing(problem, t, hPrime, EffectiveFlangeWidth(problem, s), s);
  auto reduceSpacing = [&]() {
    if (!(module > 0.0f)) return false;
    ++reductions;
    s = static_cast<float>(kReferenceSpacing - reductions * static_cast<double>(module));
    if (s < module - 0.01f) return false;
    section = SectionAtSpacing(problem, t, hPrime, EffectiveFlangeWidth(problem, s), s);
    return true;
  };

  // The allowables of combinations 2 to 5 are increased by the same factor,
  // so at one spacing their curves for a sign of moment are the same: a curve
  // is built once and used again while its input stays the same.
  struct BuiltCurve {
    CurveInput input;
    InteractionCurve curve;
    bool built = false;
  };
  std::array<BuiltCurve, 2> built;  // positive, negative moment

  double bestMoment = -0.01;
  double bestShear = -0.01;
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (!Selected(problem, k)) continue;
    const std::size_t ks = U(k - 1);
    const float baseAxial = analysis.CombAxial[p][ks][U(kBaseStation)];

    struct Sign {
      float moment;
      float axial;
      float depth;
    };
    const Sign signs[2] = {
        {analysis.CombMaxPosMoment[p][ks], analysis.CombAxialAtPosMoment[p][ks], d},
        {analysis.CombMaxNegMoment[p][ks], analysis.CombAxialAtNegMoment[p][ks], dPrime}};
    for (std::size_t signIndex = 0; signIndex < 2; ++signIndex) {
      const Sign& sign = signs[signIndex];
      InteractionCurve curve;
      float mallow = 0.0f;
      for (;;) {
        const WorkingStresses a = StressesForCombination(problem, section.Fa, k);
        CurveInput input;
        input.Fs = a.Fs;
        input.Fb = a.Fb;
        input.Fa = a.Fa;
        input.t = t;
        input.d = sign.depth;
        input.bPrime = section.bPrime;
        input.bEff = section.bEff;
        input.Ae = section.Ae;
        input.S = section.S;
        input.As = StripSteelArea(problem, refBar, s);
        input.s = s;
        BuiltCurve& same = built[signIndex];
        if (!same.built || !(same.input == input)) {
          same = {input, BuildInteractionCurve(problem, input), true};
        }
        curve = same.curve;
        mallow = AllowableMomentOnCurve(curve, sign.axial);
        if (mallow > 0.01f && baseAxial < curve.AxialCapacity()) break;
        if (!reduceSpacing()) {
          errorCode = kFailAxialStress;
          return;
        }
      }
      const double ratio = std::max(std::fabs(static_cast<double>(sign.moment)) / mallow,
                                    static_cast<double>(baseAxial) / curve.AxialCapacity());
      if (ratio > bestMoment) {
        bestMoment = ratio;
        results.GovMoment[p] = sign.moment;
        results.GovAxial[p] = sign.axial;
        results.GovCombo[p] = static_cast<int16_t>(k);
      }
    }

    const WorkingStresses a = StressesForCombination(problem, section.Fa, k);
    const float shear = analysis.CombMaxShear[p][ks];
    const double shearRatio = DemandRatio(std::fabs(static_cast<double>(shear)), a.Fv);
    if (shearRatio >= bestShear) {
      bestShear = shearRatio;
      results.GovShear[p] = shear;
      results.GovShearCombo[p] = static_cast<int16_t>(k);
    }
  }
}

void DesignReinforcedWall(Problem& problem, const AnalysisResults& analysis,
                          ReinforcedResults& results, int16_t& errorCode, int pass) {
  errorCode = 0;
  const int part = pass == kParapet ? kParapet : kMainWall;
  const std::size_t p = PartIndex(part);
  const std::size_t barCount = problem.units.BarTable.size();
  const CombinationFilterScope filter(problem, analysis.Seismic, part);

  if (part == kMainWall) results = ReinforcedResults{};
  ResetPart(results, p, barCount);
  results.BarLimit[p] = PartBarSizeLimit(problem, part);
  results.BarPermitted[p] = PermittedBars(problem.units.BarTable, results.BarLimit[p]);
  if (!AnySelected(problem)) {
    errorCode = kFailNoCombination;
    return;
  }

  const WorkingForm& w = problem.working;
  if (!(w.SpacingModule >= kMinSpacingModule)) {
    errorCode = kFailNoSpacing;
    return;
  }
  const WallDepthsResult depths = WallDepths(problem, part);
  const float t = depths.t;
  const float d = depths.d;
  float dPrime = depths.dPrime;
  if (std::fabs(static_cast<double>(d) - dPrime) < 0.01) dPrime = d;
  const float hPrime = EffectiveHeight(problem, part);
  results.HPrime[p] = hPrime;
  results.Thickness[p] = t;
  results.DepthPositive[p] = d;
  results.DepthNegative[p] = dPrime;
  results.SlendernessRatio[p] =
      t > 0.0f ? static_cast<float>(static_cast<double>(hPrime) / t) : 0.0f;

  FindGoverningCombination(problem, analysis, results, hPrime, t, d, dPrime, errorCode, part);
  if (errorCode != 0) return;

  const float govMoment = results.GovMoment[p];
  const float govAxial = results.GovAxial[p];
  const int16_t govCombo = results.GovCombo[p];
  const float increase = problem.entry.StressIncreaseFactor;

  const float dUse = govMoment > 0.0f ? d : dPrime;
  results.DesignDepth[p] = dUse;
  results.AllowableShear[p] = results.GovShearCombo[p] != 1 ? w.Fv * increase : w.Fv;

  const float e =
      std::fabs(govAxial) <= 0.01f
          ? 999.0f
          : static_cast<float>(std::fabs(static_cast<double>(govMoment) / govAxial) * 12.0);
  results.Eccentricity[p] = e;
  results.Zone[p] = ClassifyEccentricity(e, t, dUse);
  results.ZoneNote[p] = ZoneNoteLines(results.Zone[p]);

  const float minAs = static_cast<float>(static_cast<double>(w.MinSteelRatio) * w.StripWidth * t);
  results.MinSteelArea[p] = minAs;

  // Spacings are whole numbers of modules: the seismic maximum taken down to
  // a whole number of modules. A maximum below one module leaves no spacing to
  // try (for example stack bond in Category D with a 60 in unit).
  const float module = w.SpacingModule;
  const int startModules = WholeModules(MaxBarSpacing(problem, w.SeismicCategory), module);
  if (startModules < 1) {
    errorCode = kFailNoSpacing;
    return;
  }
  const int restartModules = std::max(1, WholeModules(kRestartSpacing, module));
  const float bf = EffectiveFlangeWidth(problem, SpacingOf(startModules, module));
  const float baseAxial1 = analysis.CombAxial[p][0][U(kBaseStation)];

  int modules = startModules;
  bool anyBar = false;
  for (int i = static_cast<int>(barCount) - 1; i >= 0; --i) {
    const std::size_t bi = U(i);
    BarDesign& bar = results.Bars[p][bi];
    // Each pass of this loop either settles the bar or removes one module, so
    // it runs at most `modules` times.
    for (;;) {
      const float s = SpacingOf(modules, module);
      bar.SpacingsTried.push_back(s);
      const StripSection section = SectionAtSpacing(problem, t, hPrime, bf, s);
      const float as = StripSteelArea(problem, i, s);

      // Minimum vertical steel: a closer spacing while one is left.
      if (as <= minAs && modules > 1) {
        --modules;
        continue;
      }

      results.BarFa[p][bi] = section.Fa;
      bar.section = section;
      bar.AsFurnished = as;
      const WorkingStresses a = StressesForCombination(problem, section.Fa, govCombo);
      const float mallow =
          AllowableMomentAtAxialLoad(problem, bar.curve, govAxial, a.Fs, a.Fb, a.Fa, t, dUse,
                                     section.bPrime, section.bEff, section.Ae, section.S, i, s);

      // Axial load: the base load of combination 1 (dead and live load only)
      // against the unincreased capacity.
      const float capacity = bar.curve.AxialCapacity();
      const bool axialOk = govCombo == 1 ? baseAxial1 < capacity : baseAxial1 < capacity / increase;
      if (!axialOk) {
        --modules;
        if (modules < 1) {
          errorCode = kFailAxialStress;
          return;
        }
        continue;
      }

      bool fails = std::fabs(govMoment) >= mallow;
      if (!fails) {
        const double area = static_cast<double>(section.bPrime) * dUse;
        if (area > 0.0) {
          const float fv =
              static_cast<float>(std::fabs(static_cast<double>(results.GovShear[p])) / area);
          results.BarShearStress[p][bi] = fv;
          fails = fv >= results.AllowableShear[p];
        } else {
          fails = true;
        }
      }
      if (fails) {
        --modules;
        if (modules < 1) {
          // This bar gives up; the next smaller bar starts again near 8 in,
          // still a whole number of modules.
          results.BarSpacing[p][bi] = 0.0f;
          modules = restartModules;
          break;
        }
        continue;
      }

      results.BarAllowMoment[p][bi] = mallow;
      results.BarSpacing[p][bi] = s;
      // A bar above the size limit keeps its spacing for the search of the
      // next smaller bar but cannot carry the design.
      anyBar = anyBar || results.BarPermitted[p][bi];
      break;
    }
  }

  if (!anyBar) errorCode = kFailNoSpacing;
}

}  // namespace calvix
