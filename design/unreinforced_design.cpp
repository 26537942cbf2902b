#include "design/unreinforced_design.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "analysis/load_combinations.h"
#include "design/reinforced_design.h"
#include "design/section_properties.h"
#include "model/material_data.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr int kBaseStation = kStationCount - 1;
// The flange width of an unreinforced strip: EffectiveFlangeWidth at a spacing
// wider than any of its limits.
constexpr float kUnlimitedSpacing = 500.0f;
// pi² × 1000: the Euler load with Em in ksi and the rest in lb and in.
constexpr double kEulerFactor = 9869.606;

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// num / den for a stress ratio. A zero allowable makes any demand infinitely
// large (a finite stand-in keeps the comparisons ordered), a relief
// infinitely small, and no demand nothing.
double StressRatio(double num, double den) {
  if (den > 0.0) return num / den;
  if (num > 0.0) return 1e30;
  if (num < 0.0) return -1e30;
  return 0.0;
}

bool Selected(const Problem& problem, int k) {
  return problem.entry.LoadCombSelected[U(k - 1)] != 0;
}

float Increase(const Problem& problem, int k) {
  return k >= 2 ? problem.entry.StressIncreaseFactor : 1.0f;
}

void ResetPart(UnreinforcedResults& r, std::size_t p, std::size_t cases) {
  r.GovMoment[p] = 0.0f;
  r.GovAxial[p] = 0.0f;
  r.GovCombo[p] = 0;
  r.GovShear[p] = 0.0f;
  r.GovShearCombo[p] = 0;
  r.UnreinfFb[p] = 0.0f;
  r.UnreinfFv[p] = 0.0f;
  r.CaseFa[p].assign(cases, 0.0f);
  r.CaseFb[p].assign(cases, 0.0f);
  r.CaseNetStress[p].assign(cases, 0.0f);
  r.CaseShearStress[p].assign(cases, 0.0f);
  r.CaseCSI[p].assign(cases, 0.0f);
  r.CaseVerdict[p].assign(cases, std::string());
  r.CaseMoment[p].assign(cases, 0.0f);
  r.CaseAxial[p].assign(cases, 0.0f);
  r.CaseCombo[p].assign(cases, 0);
  r.HPrime[p] = 0.0f;
  r.Thickness[p] = 0.0f;
  r.CaseSection[p].assign(cases, GroutCaseSection{});
}

// Stresses of an axial load P (lb) and a moment M (ft-lb) on a section.
struct Stresses {
  double fa = 0;
  double fb = 0;
};

Stresses StressesOf(double P, double M, double area, double modulus) {
  return {area > 0.0 ? P / area : 0.0, modulus > 0.0 ? std::fabs(M) * 12.0 / modulus : 0.0};
}

}  // namespace

std::vector<std::string> GroutCaseLabels(const Problem& problem) {
  const WorkingForm& w = problem.working;
  if (w.SolidGrouted) return {"Solid  "};
  std::vector<std::string> labels{"Solid  "};
  const float factor = problem.units.Factor(kLengthShort);
  const std::string& unit = problem.units.Label(kLengthShort);
  const std::string gap = problem.units.UnitsType == 1 ? " " : "";
  for (int c = 2; c < kPartialGroutCaseCount; ++c) {
    const float spacing = static_cast<float>(c) * w.SpacingModule * factor;
    labels.push_back(FormatNumber(spacing, "#0") + gap + unit);
  }
  labels.emplace_back("None   ");
  return labels;
}

ShearSectionResult ShearSection(const Problem& problem, float bPrime, float bEff, float t,
                                float s) {
  const WorkingForm& w = problem.working;
  const double b = w.StripWidth;
  const double tt = t;
  ShearSectionResult result;
  if (w.SolidGrouted || s == w.SpacingModule) {
    result.Q = static_cast<float>(b * tt * tt / 8.0);
    result.bv = w.StripWidth;
    return result;
  }
  // Webs of the units that take part in the shear, by the nominal thickness
  // of the main wall.
  const double T = w.WallThickness;
  const double perSpacing = s > 0.0f ? b / s : 0.0;
  double w1 = 0.0;
  double w2 = 0.0;
  if (T <= 4.0) {
    w1 = 0.75 * perSpacing;
    w2 = 1.625 * b / 12.0;
  } else if (T <= 8.0) {
    w1 = perSpacing;
    w2 = 2.25 * b / 12.0;
  } else if (T <= 16.0) {
    w1 = 1.125 * perSpacing;
    w2 = 2.5 * b / 12.0;
  }
  const double bp = bPrime;
  result.bv = static_cast<float>(bp >= 0.01 ? bp - 2.0 * w1 + w2 : w2);
  const double ts = w.FaceShellThickness;
  const double core = tt - 2.0 * ts;
  const double q = bp * core * core / 8.0 + ts * bEff * (tt - ts) / 2.0;
  result.Q = static_cast<float>(std::max(q, 6.0 * ts * (tt - ts)));
  return result;
}

std::string GroutCaseVerdict(float netStress, float Ft, float csi, bool shearOk, float baseAxial,
                             float Pe) {
  if (baseAxial > 0.25f * Pe) return kVerdictBuckling;
  if (!(netStress > -Ft)) return kVerdictTension;
  if (csi >= 1.0f) return kVerdictCombined;
  if (!shearOk) return kVerdictShear;
  return kVerdictOk;
}

void FindGoverningCombinationUnreinforced(const Problem& problem, const AnalysisResults& analysis,
                                          UnreinforcedResults& results, float hPrime, float t,
                                          int16_t& errorCode, int part) {
  errorCode = 0;
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;

  int first = 0;
  for (int k = kLoadCombinationCount; k >= 1; --k) {
    if (Selected(problem, k)) first = k;
  }
  if (first == 0) {
    errorCode = kFailNoCombination;
    return;
  }

  // The gross solid strip.
  const double b = w.StripWidth;
  const double tt = t;
  const float area = static_cast<float>(b * tt);
  const float inertia = static_cast<float>(b * tt * tt * tt / 12.0);
  const double modulus = tt > 0.0 ? 2.0 * inertia / tt : 0.0;
  const AxialStress axial = AllowableAxialStress(problem, hPrime, inertia, area);

  results.GovCombo[p] = static_cast<int16_t>(first);
  double best = 0.0;
  double bestShear = 0.0;
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (!Selected(problem, k)) continue;
    const std::size_t ks = U(k - 1);
    const float f = Increase(problem, k);
    const double Fa = axial.Fa * f;
    const double Fb = w.Fb * f;
    const double Fv = w.Fv * f;
    const double Ft = w.FtNoGrout * f;
    auto fullRatio = [&](const Stresses& st) {
      return std::max(StressRatio(st.fb, Fb) + StressRatio(st.fa, Fa),
                      StressRatio(st.fb - st.fa, Ft));
    };
    auto govern = [&](double ratio, float moment, float axialLoad) {
      if (ratio > best) {
        best = ratio;
        results.GovMoment[p] = moment;
        results.GovAxial[p] = axialLoad;
        results.GovCombo[p] = static_cast<int16_t>(k);
      }
    };

    // The extreme moments with their axial loads.
    const float pos = analysis.CombMaxPosMoment[p][ks];
    const float posAxial = analysis.CombAxialAtPosMoment[p][ks];
    govern(fullRatio(StressesOf(posAxial, pos, area, modulus)), pos, posAxial);
    const float neg = analysis.CombMaxNegMoment[p][ks];
    const float negAxial = analysis.CombAxialAtNegMoment[p][ks];
    govern(fullRatio(StressesOf(negAxial, neg, area, modulus)), neg, negAxial);

    // Net tension at every station.
    for (int j = 0; j < kStationCount; ++j) {
      const float m = analysis.CombMoment[p][ks][U(j)];
      const float n = analysis.CombAxial[p][ks][U(j)];
      const Stresses st = StressesOf(n, m, area, modulus);
      govern(st.fa - st.fb < 0.0 ? StressRatio(st.fb - st.fa, Ft) : 0.0, m, n);
    }

    // The base once more with the combined stress index.
    const float baseMoment = analysis.CombMoment[p][ks][U(kBaseStation)];
    const float baseAxial = analysis.CombAxial[p][ks][U(kBaseStation)];
    govern(fullRatio(StressesOf(baseAxial, baseMoment, area, modulus)), baseMoment, baseAxial);

    const float shear = analysis.CombMaxShear[p][ks];
    const double shearRatio = StressRatio(std::fabs(static_cast<double>(shear)), Fv);
    if (shearRatio >= bestShear) {
      bestShear = shearRatio;
      results.GovShear[p] = shear;
      results.GovShearCombo[p] = static_cast<int16_t>(k);
    }
  }
}

void DesignUnreinforcedWall(Problem& problem, const AnalysisResults& analysis,
                            UnreinforcedResults& results, int16_t& errorCode, int pass) {
  errorCode = 0;
  const int part = pass == kParapet ? kParapet : kMainWall;
  const std::size_t p = PartIndex(part);
  const CombinationFilterScope filter(problem, analysis.Seismic, part);
  const WorkingForm& w = problem.working;

  const int16_t count = w.SolidGrouted ? kSolidGroutCaseCount : kPartialGroutCaseCount;
  if (part == kMainWall || results.GroutCaseCount != count) {
    if (part == kMainWall) results = UnreinforcedResults{};
    results.GroutCaseCount = count;
    results.GroutCaseLabel = GroutCaseLabels(problem);
  }
  ResetPart(results, p, U(count));

  const float t = WallDepths(problem, part).t;
  const float hPrime = EffectiveHeight(problem, part);
  results.HPrime[p] = hPrime;
  results.Thickness[p] = t;
  FindGoverningCombinationUnreinforced(problem, analysis, results, hPrime, t, errorCode, part);
  if (errorCode != 0) return;
  // The partial grouting cases are whole numbers of spacing modules apart; a
  // module below kMinSpacingModule makes them meaningless (a spacing of a
  // thousandth of an inch is no grouting pattern). Solid grouting, which the
  // message of code 8 suggests, does not depend on the module.
  if (!w.SolidGrouted && !(w.SpacingModule >= kMinSpacingModule)) {
    errorCode = kFailNoSpacing;
    return;
  }

  const float increase = problem.entry.StressIncreaseFactor;
  results.UnreinfFb[p] = results.GovCombo[p] != 1 ? w.Fb * increase : w.Fb;
  results.UnreinfFv[p] = results.GovShearCombo[p] != 1 ? w.Fv * increase : w.Fv;

  const float bf = EffectiveFlangeWidth(problem, kUnlimitedSpacing);
  const float b = w.StripWidth;
  const double ts = w.FaceShellThickness;
  // The face shells alone (partially grouted) or the whole strip (solid): no
  // grouting case is weaker than that.
  const float i0 = GrossInertia(problem, 0.0f, b, t);
  const float shellArea = static_cast<float>(2.0 * ts * b);
  // Buckling eccentricity: the larger eccentricity by magnitude, on whichever
  // side of the wall it lies.
  const double e = std::max(std::fabs(static_cast<double>(w.FloorEccentricity)),
                            std::fabs(static_cast<double>(w.AddEccentricity)));

  for (int c = 1; c <= count; ++c) {
    const std::size_t ci = U(c - 1);
    const bool none = !w.SolidGrouted && c == count;
    float s = bf;
    if (!w.SolidGrouted && !none) s = static_cast<float>(c) * w.SpacingModule;

    GroutCaseSection& sec = results.CaseSection[p][ci];
    sec.s = s;
    const EffectiveWidthsResult widths = EffectiveWidths(problem, bf, s);
    sec.bEff = widths.bEff;
    sec.bPrime = none ? 0.0f : widths.bPrime;
    sec.Ae = std::max(EffectiveArea(problem, t, sec.bPrime, sec.bEff), shellArea);
    sec.Ig = std::max(GrossInertia(problem, sec.bPrime, sec.bEff, t), i0);
    sec.S = t > 0.0f ? static_cast<float>(2.0 * sec.Ig / t) : 0.0f;
    const AxialStress axial = AllowableAxialStress(problem, hPrime, sec.Ig, sec.Ae);
    sec.r = axial.r;
    sec.Fa = axial.Fa;
    sec.hOverR = sec.r > 0.0f ? static_cast<float>(static_cast<double>(hPrime) / sec.r) : 0.0f;
    sec.Ft = TensionForSpacing(static_cast<int16_t>(c), count, w.SolidGrouted, w.FtNoGrout,
                               w.FtSolidGrout);
    const ShearSectionResult shear = ShearSection(problem, sec.bPrime, sec.bEff, t, s);
    sec.Q = shear.Q;
    sec.bv = shear.bv;
    if (hPrime > 0.0f && sec.r > 0.0f) {
      const double reduction = 1.0 - 0.577 * e / sec.r;
      sec.Pe = static_cast<float>(kEulerFactor * w.Em * sec.Ig * reduction * reduction * reduction /
                                  (static_cast<double>(hPrime) * hPrime));
    } else {
      sec.Pe = std::numeric_limits<float>::max();
    }

    // The governing loads on this case.
    const float govIncrease = Increase(problem, results.GovCombo[p]);
    const double Fa = sec.Fa * govIncrease;
    const double Ft = sec.Ft * govIncrease;
    Stresses st = StressesOf(results.GovAxial[p], results.GovMoment[p], sec.Ae, sec.S);
    double csi = StressRatio(st.fb, results.UnreinfFb[p]) + StressRatio(st.fa, Fa);
    double worst = std::max(csi, StressRatio(st.fb - st.fa, Ft));
    const bool hasShearWidth = sec.bv > 0.0f && sec.Ig > 0.0f;
    const float fv = hasShearWidth
                         ? static_cast<float>(std::fabs(static_cast<double>(results.GovShear[p])) *
                                              sec.Q / (static_cast<double>(sec.Ig) * sec.bv))
                         : 0.0f;

    // Every station of every combination: the worst one governs the case and
    // the governing loads from here on.
    for (int j = 0; j < kStationCount; ++j) {
      for (int k = 1; k <= kLoadCombinationCount; ++k) {
        if (!Selected(problem, k)) continue;
        const std::size_t ks = U(k - 1);
        const float f = Increase(problem, k);
        const double FaK = sec.Fa * f;
        const double FbK = w.Fb * f;
        const double FtK = sec.Ft * f;
        const float m = analysis.CombMoment[p][ks][U(j)];
        const float n = analysis.CombAxial[p][ks][U(j)];
        const Stresses sk = StressesOf(n, m, sec.Ae, sec.S);
        const double csiK = StressRatio(sk.fb, FbK) + StressRatio(sk.fa, FaK);
        const double ratio = std::max(csiK, StressRatio(sk.fb - sk.fa, FtK));
        if (ratio > worst) {
          worst = ratio;
          st = sk;
          csi = csiK;
          results.GovAxial[p] = n;
          results.GovMoment[p] = m;
          results.GovCombo[p] = static_cast<int16_t>(k);
        }
      }
    }

    results.CaseFa[p][ci] = static_cast<float>(st.fa);
    results.CaseFb[p][ci] = static_cast<float>(st.fb);
    results.CaseNetStress[p][ci] = static_cast<float>(st.fa - st.fb);
    results.CaseShearStress[p][ci] = fv;
    results.CaseCSI[p][ci] = static_cast<float>(csi);

    const int16_t gov = results.GovCombo[p];
    results.CaseMoment[p][ci] = results.GovMoment[p];
    results.CaseAxial[p][ci] = results.GovAxial[p];
    results.CaseCombo[p][ci] = gov;
    const float ftFinal = sec.Ft * Increase(problem, gov);
    const bool shearOk = hasShearWidth && fv < results.UnreinfFv[p];
    const float baseAxial = analysis.CombAxial[p][U(gov - 1)][U(kBaseStation)];
    results.CaseVerdict[p][ci] = GroutCaseVerdict(
        results.CaseNetStress[p][ci], ftFinal, results.CaseCSI[p][ci], shearOk, baseAxial, sec.Pe);
  }
}

}  // namespace calvix
