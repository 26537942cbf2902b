// The method reports bound to the result tables of a solve: the hooks the
// report driver dispatches to, and the reinforcement (or grouting case) that
// the print dialog offers first for each wall part.
#pragma once

#include "analysis/load_analysis.h"
#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/problem.h"
#include "reports/report_driver.h"

namespace calvix {

// The strength, reinforced and unreinforced reports reading `problem`,
// `analysis` and `design`, which must outlive the hooks. No wall picture is
// bound: it is the desktop program's to print.
ReportHooks MethodReportHooks(const Problem& problem, const AnalysisResults& analysis,
                              const DesignResults& design);

// The first entry of the print dialog's reinforcement list of a part (1 main
// wall, 2 parapet): the first bar row with an accepted spacing for a
// reinforced or strength design (0 when none has one), the first grouting
// case for an unreinforced design.
int FirstReportChoice(const DesignResults& design, DesignRun run, int part);

// The report the command line writes: options 1, 3, 4, 5 and 6 on (the wall
// picture is printer-only), the first choice of each part.
ReportRequest CommandLineReportRequest(const Problem& problem, const DesignResults& design,
                                       DesignRun run);

}  // namespace calvix
