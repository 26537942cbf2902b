// Result tables and report sections of the working-stress designs ("ACI" and
// "IBC-W"): the summary, bar-table and detail tables that the results window
// shows, and the report of one wall part of a reinforced or an unreinforced
// wall with its character interaction diagrams. Nothing here changes a design
// result; every value is shown in the display unit of its quantity.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "design/reinforced_design.h"
#include "design/unreinforced_design.h"
#include "design/working_stress_detail.h"
#include "model/problem.h"
#include "reports/report_driver.h"
#include "reports/report_format.h"

namespace calvix {

// The printed text of the stress-increase factor of a combination: "4/3"
// when StressIncreaseFactor is at least 1.01 and the combination is not 1,
// else "1.0".
std::string StressFactorText(const Problem& problem, int combination);

// The bar size note of a part, "Per IBC 2000 2107.2.4, bar size is limited to
// #8", and the text of a bar row above that size, "not permitted, IBC 2000
// 2107.2.4"; the note is empty when the design set no limit.
std::string BarSizeLimitNote(const BarSizeLimit& limit);
std::string NotPermittedText(const BarSizeLimit& limit);

// A section property of the strip as the results window shows it, in display
// units, with one number format per quantity whatever the design method:
// `power` 2 for an area, 3 for a section modulus, 4 for a moment of inertia.
// U.S. units "##0.00" in^2, "####0.00" in^3 and "#####0.0" in^4; the metric
// values (mm^2 to mm^4 run to 10^9) "0.00 E-00".
std::string SectionPropertyText(const UnitText& u, double working, int power);

// The dimension rows every summary starts with: heights, thicknesses, steel
// depths, strip width, material and design method ("ACI 530-99" or "IBC 2000
// Working Stress"; `unreinforcedMethod` gives "ACI 99 Working Stress " /
// "IBC 2000 Working Stress ").
std::vector<ResultRow> DimensionRows(const Problem& problem, bool unreinforcedMethod);

// --- Reinforced walls ---------------------------------------------------

struct ReinforcedSummary {
  std::vector<ResultRow> rows;  // dimensions, then the design values of the part
  ResultGrid bars;              // one row per bar of the bar table
};

ReinforcedSummary BuildReinforcedSummary(const Problem& problem, const AnalysisResults& analysis,
                                         const ReinforcedResults& results, int part);

struct WorkingStressDetailTables {
  ResultGrid stations;  // stations 0..10
  std::vector<ResultRow> properties;
};

// Station table of combination k (1..5) and the property rows of the detail.
WorkingStressDetailTables BuildReinforcedDetail(const Problem& problem,
                                                const AnalysisResults& analysis,
                                                const ReinforcedDetail& detail, int part, int k);

// The character interaction diagrams of bar `bar` at spacing s (nothing when
// s is 0): one for dead and live load only, one with the allowables increased
// for wind or seismic load, each on a new page.
void PrintInteractionDiagram(ReportDocument& document, const Problem& problem,
                             const AnalysisResults& analysis, float s, int bar, int part);

// The report section of a reinforced wall part with bar `bar` detailed.
void PrintReinforcedResults(ReportDocument& document, const Problem& problem,
                            const AnalysisResults& analysis, const ReinforcedResults& results,
                            const MethodReportCall& call);

// --- Unreinforced walls -------------------------------------------------

struct UnreinforcedSummary {
  std::vector<ResultRow> rows;
  ResultGrid cases;  // one row per grouting case
};

UnreinforcedSummary BuildUnreinforcedSummary(const Problem& problem,
                                             const AnalysisResults& analysis,
                                             const UnreinforcedResults& results, int part);

WorkingStressDetailTables BuildUnreinforcedDetail(const Problem& problem,
                                                  const UnreinforcedDetail& detail, int k);

void PrintUnreinforcedResults(ReportDocument& document, const Problem& problem,
                              const AnalysisResults& analysis, const UnreinforcedResults& results,
                              const MethodReportCall& call);

// The load combinations the design of a part took part in: the engineer's
// selection less those the per-part filter switches off.
std::array<bool, kLoadCombinationCount> CombinationsOfPart(const Problem& problem,
                                                           const AnalysisResults& analysis,
                                                           int part);

}  // namespace calvix
