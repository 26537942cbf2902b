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
#include "design/strength_detail.h"
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
