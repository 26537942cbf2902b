// The per-station detail of a strength design (IBC 2000 2108.9) for one load
// combination and one bar at its accepted spacing: the factored forces, the
// service and factored deflections and the moment with P-delta at every
// station, and the section values at the station of the largest P-delta
// moment. The results window and the report show it as computed here.
#pragma once

#include <array>
#include <vector>

#include "analysis/load_analysis.h"
#include "design/strength_design.h"
#include "model/problem.h"

namespace calvix {

struct StrengthStation {
  float distance = 0;   // from the base of the part (ft)
  float Mu = 0;         // factored first-order moment (ft-lb)
  float Pu = 0;         // factored axial load (lb)
  float Vu = 0;         // factored shear (lb)
  float DeltaServ = 0;  // deflection under service loads with P-delta (in)
  float DeltaUlt = 0;   // deflection under factored loads with P-delta (in)
  float MuPDelta = 0;   // factored moment with P-delta (ft-lb)
};

// The detail of combination k and bar `bar` of part `part` at the bar's
// accepted spacing.
struct StrengthDetailValues {
  int combination = 0;
  int bar = 0;
  float s = 0;  // spacing (in); 0: the bar has no accepted spacing, nothing else is set
  std::array<StrengthStation, kStationCount> stations{};
  int station = 0;  // the station of the largest P-delta moment
  float bf = 0, bEff = 0, bPrime = 0, d = 0;
  float Ig = 0, S = 0, Ae = 0, fr = 0, Mcr = 0, Icr = 0;
  float AsFurnished = 0, AsMin = 0, AsMax = 0;
  float a = 0;           // depth of the compression block (in)
  float fa = 0;          // Pu/(b·t) at that station (psi)
  float PhiMn = 0;       // ft-lb
  float PhiVn = 0;       // 0.6 · 4.0 · √f'm · Ae (lb)
  bool slender = false;  // h'/t > 30: the axial limit is 0.05·f'm
};

// Recomputes, for combination k, the per-station second-order moments and
// deflections with the section of bar `bar` at its spacing, and the section
// values at the station of the largest P-delta moment. The P-delta routines
// run once per combination: for a wall supported top and bottom at the
// station of the largest first-order deflection, for a cantilever or a
// parapet at the base; the deflections of the other stations follow the
// first-order curves with the same amplification, and their moments take
// their axial loads through them (a supported wall) or the base's moment
// magnification (a cantilever).
StrengthDetailValues StrengthDetail(const Problem& problem, const AnalysisResults& analysis,
                                    const StrengthResults& results, int k, int bar, int part);

// The P-delta iteration of the design of bar `bar` at its accepted spacing:
// the factored loads of the governing combination at the governing station,
// with the bar's cracking moment, gross and cracked inertia. Its moment and
// deflection are BarMu and BarDeltaUlt; `steps`, when given, receives the
// passes. A bar without an accepted spacing gives an empty result.
PDeltaResult GoverningPDelta(const Problem& problem, const AnalysisResults& analysis,
                             const StrengthResults& results, int bar, int part,
                             std::vector<PDeltaStep>* steps = nullptr);

}  // namespace calvix
