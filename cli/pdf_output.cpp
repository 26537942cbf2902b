#include "cli/pdf_output.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "files/settings.h"
#include "model/program_version.h"
#include "package/calculation_package.h"
#include "package/package_steps.h"
#include "reports/method_reports.h"
#include "reports/report_driver.h"

namespace calvix {
namespace {

// Qt's own notes (a missing runtime folder, an offscreen platform without
// window functions) say nothing about the package; only its errors are shown.
void QtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

// Qt's GUI layer; without a display it draws on the offscreen platform.
void StartGuiLayer(std::optional<QGuiApplication>& app) {
  if (QGuiApplication::instance() != nullptr) return;
  qInstallMessageHandler(QtErrorsOnly);
  const bool display =
      std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (!display && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "calvix-cli";
  static char* argv[] = {name, nullptr};
  app.emplace(argc, argv);
}

}  // namespace

bool WriteCommandLinePdf(Session& session, ConsolePlatform& console,
                         const AnalysisResults& analysis, const DesignResults& design,
                         const SolveOutcome& outcome, const std::string& file) {
  std::optional<QGuiApplication> app;
  StartGuiLayer(app);
  PackageInput input;
  input.problem = &session.problem;
  input.analysis = outcome.analysed ? &analysis : nullptr;
  input.design = &design;
  input.run = outcome.design;
  input.designed = outcome.designed;
  for (const Message& message : console.messages()) {
    input.failure.push_back(message.title + ": " + message.text);
  }
  if (!outcome.designed) input.failure.insert(input.failure.begin(), "Messages of the solve:");
  if (outcome.designed) {
    input.failure.clear();
    const ReportRequest request = CommandLineReportRequest(session.problem, design, outcome.design);
    input.choice = {request.mainChoice, request.parapetChoice};
    input.steps = PackageSteps(session.problem, analysis, design, outcome.design, input.choice);
  }
  input.paper =
      ReadPaperSize(SettingsFile(session.folder.Settings()), session.problem.units.UnitsType);
  input.date = ReportStampNow().date;
  input.version = ProgramVersion();
  return WritePackageFile(console, input, file);
}

}  // namespace calvix
