#include "ui/package_export.h"

#include "files/settings.h"
#include "model/program_version.h"
#include "package/calculation_package.h"
#include "package/package_steps.h"
#include "reports/method_reports.h"
#include "reports/report_driver.h"
#include "reports/results_file.h"

namespace calvix {

DesignRun DesignRunOf(const Problem& problem) {
  if (problem.entry.DesignMethod == "IBC-S") return DesignRun::Strength;
  return problem.ReinforcedWall ? DesignRun::Reinforced : DesignRun::Unreinforced;
}

std::array<int, 2> FirstChoices(const Session& session, const DesignResults& design) {
  const DesignRun run = DesignRunOf(session.problem);
  const ReportRequest request = CommandLineReportRequest(session.problem, design, run);
  return {request.mainChoice, request.parapetChoice};
}

bool ExportCalculationPdf(Session& session, const AnalysisResults& analysis,
                          const DesignResults& design, const std::array<int, 2>& choice,
                          std::optional<std::filesystem::path> file) {
  if (!CheckPrintable(session)) return false;
  if (!file) file = session.platform.ChooseFileToSave(PackageFileDialogRequest());
  if (!file) return false;
  PackageInput input;
  input.problem = &session.problem;
  input.analysis = &analysis;
  input.design = &design;
  input.run = DesignRunOf(session.problem);
  input.designed = true;
  input.choice = choice;
  input.steps = PackageSteps(session.problem, analysis, design, input.run, input.choice);
  input.paper =
      ReadPaperSize(SettingsFile(session.folder.Settings()), session.problem.units.UnitsType);
  input.date = ReportStampNow().date;
  input.version = ProgramVersion();
  return WritePackageFile(session.platform, input, *file);
}

}  // namespace calvix
