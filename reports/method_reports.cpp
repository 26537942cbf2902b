#include "reports/method_reports.h"

#include "analysis/wall_part.h"
#include "reports/strength_report.h"
#include "reports/working_stress_report.h"

namespace calvix {

ReportHooks MethodReportHooks(const Problem& problem, const AnalysisResults& analysis,
                              const DesignResults& design) {
  ReportHooks hooks;
  // A run-time error of the strength report is shown as one of the strength
  // design module.
  hooks.strength = NamedMethodReport(
      [&problem, &analysis, &design](ReportDocument& document, const MethodReportCall& call) {
        PrintStrengthResults(document, problem, analysis, design.strength, call);
      },
      "Print IBC-S Results", "IBC Ultimate Strength Design Module");
  hooks.reinforced = [&problem, &analysis, &design](ReportDocument& document,
                                                    const MethodReportCall& call) {
    PrintReinforcedResults(document, problem, analysis, design.reinforced, call);
  };
  hooks.unreinforced = [&problem, &analysis, &design](ReportDocument& document,
                                                      const MethodReportCall& call) {
    PrintUnreinforcedResults(document, problem, analysis, design.unreinforced, call);
  };
  return hooks;
}

int FirstReportChoice(const DesignResults& design, DesignRun run, int part) {
  const std::size_t p = PartIndex(part);
  const std::size_t count = run == DesignRun::Strength     ? design.strength.BarSpacing[p].size()
                            : run == DesignRun::Reinforced ? design.reinforced.BarSpacing[p].size()
                                                           : 0;
  for (std::size_t i = 0; i < count; ++i) {
    const bool offered = run == DesignRun::Strength ? design.strength.BarOffered(p, i)
                                                    : design.reinforced.BarOffered(p, i);
    if (offered) return static_cast<int>(i);
  }
  return 0;
}

ReportRequest CommandLineReportRequest([[maybe_unused]] const Problem& problem,
                                       const DesignResults& design, DesignRun run) {
  ReportRequest request;
  for (int option : {kInputDataOption, kMainSummaryOption, kMainLoadCasesOption,
                     kParapetSummaryOption, kParapetLoadCasesOption}) {
    request.options.Set(option, true);
  }
  request.mainChoice = FirstReportChoice(design, run, kMainWall);
  request.parapetChoice = FirstReportChoice(design, run, kParapet);
  request.reinforced = run != DesignRun::Unreinforced;
  return request;
}

}  // namespace calvix
