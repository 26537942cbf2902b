// Result tables and report section of the strength design ("IBC-S", IBC 2000
// 2108.9): the summary tables of the results window, the detail of one load
// combination and bar size with the P-delta moment and the deflections at
// every station, and the part's section of the printed report.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "design/strength_design.h"
#include "model/problem.h"
#include "reports/report_driver.h"
#include "reports/report_format.h"

namespace calvix {

struct StrengthSummaryTables {
  std::string title = "Strength Design ";
  std::vector<ResultRow> dimensions;
  std::vector<ResultRow> analysis;
  ResultGrid bars;  // one row per bar of the bar table
};

StrengthSummaryTables StrengthSummary(const Problem& problem, const AnalysisResults& analysis,
                                      const StrengthResults& results, int part);

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

struct StrengthDetailGrids {
  ResultGrid stations;
  std::vector<ResultRow> properties;
};

StrengthDetailGrids StrengthDetailTables(const Problem& problem,
                                         const StrengthDetailValues& detail);

// The "IBC-S" section of the report for one wall part.
void PrintStrengthResults(ReportDocument& document, const Problem& problem,
                          const AnalysisResults& analysis, const StrengthResults& results,
                          const MethodReportCall& call);

}  // namespace calvix
