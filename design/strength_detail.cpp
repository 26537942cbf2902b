#include "design/strength_detail.h"

#include <algorithm>
#include <cmath>

#include "design/interaction_curve.h"
#include "design/pdelta.h"
#include "design/section_properties.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

constexpr int kBase = kStationCount - 1;
constexpr int kTop = 0;
constexpr int kMid = 5;
// h'/t up to which the axial stress may reach 0.20·f'm (IBC 2000 2108.9.4.5).
constexpr float kStockySlenderness = 30.0f;

// Cracking moment (ft-lb) as the design forms it: fr·S, or (fr + P/Ae)·S with
// the axial load, not above 0.85·f'm·S; never negative.
float CrackingMomentOf(const Problem& problem, float fr, float S, float Ae, double P) {
  double Mcr = fr * static_cast<double>(S) / 12.0;
  if (problem.entry.UseAxialMcr && Ae > 0.0f) {
    Mcr = (P / Ae + fr) * S / 12.0;
    Mcr = std::min(Mcr, kStressBlockFactor * problem.working.FmPrime * S / 12.0);
  }
  return static_cast<float>(std::max(Mcr, 0.0));
}

}  // namespace

PDeltaResult GoverningPDelta(const Problem& problem, const AnalysisResults& analysis,
                             const StrengthResults& results, int bar, int part,
                             std::vector<PDeltaStep>* steps) {
  const std::size_t p = PartIndex(part);
  if (bar < 0 || !results.BarOffered(p, U(bar)) || results.GovCombo[p] < 1) return {};
  const std::size_t b = U(bar);
  return PartPDelta(problem, analysis, part, true, results.GovCombo[p], results.GovStation[p],
                    results.BarCrackingMoment[p][b], results.BarGrossInertia[p][b],
                    results.BarCrackedInertia[p][b], steps);
}

StrengthDetailValues StrengthDetail(const Problem& problem, const AnalysisResults& analysis,
                                    const StrengthResults& results, int k, int bar, int part) {
  const std::size_t p = PartIndex(part);
  const WorkingForm& w = problem.working;
  StrengthDetailValues v;
  v.combination = k;
  v.bar = bar;
  const auto& bars = problem.units.BarTable;
  if (k < 1 || k > kLoadCombinationCount || bar < 0 || U(bar) >= bars.size() ||
      U(bar) >= results.BarSpacing[p].size()) {
    return v;
  }
  // A bar above the size limit has no design to detail.
  v.s = results.BarOffered(p, U(bar)) ? results.BarSpacing[p][U(bar)] : 0.0f;
  if (v.s <= 0.0f) {
    v.s = 0.0f;
    return v;
  }
  const std::size_t ks = U(k - 1);
  const WallDepthsResult depths = WallDepths(problem, part);
  const float t = depths.t;
  const float b = w.StripWidth;
  const bool cantilever = part == kParapet || problem.entry.Cantilever;
  const float height = part == kParapet ? w.ParapetHeight : w.WallHeight;

  // The section of the bar at its spacing (IBC 2000 2108.9.2).
  v.bf = results.FlangeWidth[p];
  const EffectiveWidthsResult widths = EffectiveWidths(problem, v.bf, v.s);
  v.bEff = widths.bEff;
  v.bPrime = widths.bPrime;
  v.Ig = GrossInertia(problem, v.bPrime, v.bEff, t);
  v.S = t > 0.0f ? static_cast<float>(2.0 * v.Ig / t) : 0.0f;
  v.Ae = EffectiveArea(problem, t, v.bPrime, v.bEff);
  v.fr = results.RuptureModulus[p];
  v.AsFurnished = StripSteelArea(problem, bar, v.s);
  v.AsMin = results.MinSteelArea[p];
  v.slender = results.SlendernessRatio[p] > kStockySlenderness;

  const auto& Mf = analysis.FactoredMoment[p][ks];
  const auto& Pf = analysis.FactoredAxial[p][ks];
  const auto& Vf = analysis.FactoredShear[p][ks];
  const auto& Df = analysis.FactoredDeflection[p][ks];
  const auto& Ms = analysis.CombMoment[p][ks];
  const auto& Ps = analysis.CombAxial[p][ks];
  const auto& Ds = analysis.ServiceDeflection[p][ks];
  const auto crackedInertia = [&](float M, float P) {
    return CrackedInertia(problem, v.AsFurnished, TensionSteelDepth(M, depths.d, depths.dPrime),
                          v.bEff, v.bPrime, P, part)
        .Icr;
  };

  for (int j = 0; j < kStationCount; ++j) {
    StrengthStation& st = v.stations[U(j)];
    st.distance = static_cast<float>(static_cast<double>(height) * (10 - j) / 10.0);
    st.Mu = Mf[U(j)];
    st.Pu = Pf[U(j)];
    st.Vu = Vf[U(j)];
  }
  if (cantilever) {
    // The cantilever routine gives the base moment and the tip deflection;
    // the moment magnification and the deflected shape of the first-order
    // curves carry them to the other stations.
    const float weight = PartWeight(problem, height);
    const float Icr = crackedInertia(Mf[U(kBase)], Pf[U(kTop)]);
    const float Mcr = CrackingMomentOf(problem, v.fr, v.S, v.Ae, Pf[U(kTop)]);
    const PDeltaResult ult = PDeltaCantilever(problem, Mf[U(kBase)], Pf[U(kTop)], weight,
                                              Df[U(kTop)], Df[U(kMid)], Mcr, v.Ig, Icr, part);
    const PDeltaResult serv = PDeltaCantilever(problem, Ms[U(kBase)], Ps[U(kTop)], weight,
                                               Ds[U(kTop)], Ds[U(kMid)], Mcr, v.Ig, Icr, part);
    const double baseMoment = std::fabs(static_cast<double>(Mf[U(kBase)]));
    const double magnifier = baseMoment > 0.0 ? ult.Mu / baseMoment : 1.0;
    for (int j = 0; j < kStationCount; ++j) {
      StrengthStation& st = v.stations[U(j)];
      st.MuPDelta = j == kBase
                        ? ult.Mu
                        : static_cast<float>(std::fabs(static_cast<double>(st.Mu)) * magnifier);
      st.DeltaUlt =
          Df[U(kTop)] != 0.0f
              ? static_cast<float>(static_cast<double>(ult.Delta) * Df[U(j)] / Df[U(kTop)])
              : 0.0f;
      st.DeltaServ =
          Ds[U(kTop)] != 0.0f
              ? static_cast<float>(static_cast<double>(serv.Delta) * Ds[U(j)] / Ds[U(kTop)])
              : 0.0f;
    }
    v.station = kBase;
  } else {
    // A wall supported top and bottom. The P-delta iteration runs at the
    // station of the largest first-order deflection; its amplification of
    // the deflection carries over to the other stations along the
    // first-order curve, and each station's moment takes its own axial load
    // through its deflection: Mu = |M| + P·δ/12. (Iterating at every station
    // on its own would divide by a moment near zero at a point of
    // contraflexure of a fixed base and run away there.)
    int ref = -1;
    float largest = 0.0f;
    for (int j = 0; j < kStationCount; ++j) {
      if (std::fabs(Df[U(j)]) > largest) {
        largest = std::fabs(Df[U(j)]);
        ref = j;
      }
    }
    double ultRatio = 0.0;
    double servRatio = 0.0;
    PDeltaResult ultRef;
    if (ref >= 0) {
      const std::size_t r = U(ref);
      const float Icr = crackedInertia(Mf[r], Pf[r]);
      const float Mcr = CrackingMomentOf(problem, v.fr, v.S, v.Ae, Pf[r]);
      ultRef = PDeltaSupported(problem, Mf[r], Pf[r], Df[r], ref, Mcr, v.Ig, Icr);
      const PDeltaResult serv = PDeltaSupported(problem, Ms[r], Ps[r], Ds[r], ref, Mcr, v.Ig, Icr);
      ultRatio = ultRef.Delta / std::fabs(static_cast<double>(Df[r]));
      if (Ds[r] != 0.0f) servRatio = serv.Delta / std::fabs(static_cast<double>(Ds[r]));
    }
    float best = -1.0f;
    for (int j = 0; j < kStationCount; ++j) {
      StrengthStation& st = v.stations[U(j)];
      st.DeltaUlt = static_cast<float>(std::fabs(static_cast<double>(Df[U(j)])) * ultRatio);
      st.DeltaServ = static_cast<float>(std::fabs(static_cast<double>(Ds[U(j)])) * servRatio);
      st.MuPDelta = j == ref ? ultRef.Mu
                             : static_cast<float>(std::fabs(static_cast<double>(st.Mu)) +
                                                  static_cast<double>(st.Pu) * st.DeltaUlt / 12.0);
      if (st.MuPDelta > best) {
        best = st.MuPDelta;
        v.station = j;
      }
    }
  }

  // The section values at the station of the largest P-delta moment.
  const StrengthStation& gov = v.stations[U(v.station)];
  const float signedMu = Mf[U(v.station)] < 0.0f ? -gov.MuPDelta : gov.MuPDelta;
  v.d = TensionSteelDepth(signedMu, depths.d, depths.dPrime);
  const float P = cantilever ? Pf[U(kTop)] : gov.Pu;
  v.Mcr = CrackingMomentOf(problem, v.fr, v.S, v.Ae, P);
  v.Icr = crackedInertia(signedMu, gov.Pu);
  v.fa = b > 0.0f && t > 0.0f ? static_cast<float>(gov.Pu / (static_cast<double>(b) * t)) : 0.0f;
  v.AsMax = MaximumSteelArea(problem, gov.Pu, v.bPrime, v.bEff, v.d);
  const NominalMomentResult nm =
      NominalMoment(problem, v.AsFurnished, v.d, v.bEff, v.bPrime, gov.Pu, part);
  v.a = nm.a;
  v.PhiMn = nm.PhiMn;
  v.PhiVn = static_cast<float>(kShearPhi * 4.0 * std::sqrt(static_cast<double>(w.FmPrime)) * v.Ae);
  return v;
}

}  // namespace calvix
