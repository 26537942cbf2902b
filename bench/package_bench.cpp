// The time to write a calculation package: layout, drawing and the PDF file,
// for a solved working-stress wall with a parapet whose design steps make a
// package of at least ten pages. Budget: under 300 ms (median).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "analysis/solve.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "files/text_items.h"
#include "model/platform.h"
#include "package/calculation_package.h"
#include "reports/method_reports.h"

namespace calvix {
namespace {

class QuietPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    if (message.buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Discard;
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
    return file;
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
    return std::nullopt;
  }
  void SetBusyPointer(bool) override {}
  std::optional<std::filesystem::path> file;
};

// Twenty steps of one check per part, as the design's calculation lists them.
CalculationSteps StepsOf(int part) {
  CalculationSteps steps;
  steps.part = part;
  steps.governingCombination = 2;
  for (const char* title : {"Section properties", "Axial load", "Flexure", "Shear"}) {
    CalculationGroup group{title, {}};
    for (int i = 0; i < 5; ++i) {
      CalculationStep step;
      step.quantity = "Allowable axial stress";
      step.reference = "ACI 530-99 2.3.3.2.1";
      step.formula = "Fa = 0.25 f'm [1 - (h'/(140 r))^2]";
      step.substitution = "0.25 x {0} x [1 - ({1}/(140 x {2}))^2]";
      step.inputs = {{"f'm", 1500, kMasonryStress, 1},
                     {"h'", 192, kLengthShort, 1},
                     {"r", 2.2, kLengthShort, 1}};
      step.result = {"Fa", 353.4, kMasonryStress, 1};
      step.check = i == 4;
      step.limit = {"Fa", 353.4, kMasonryStress, 1};
      step.ratio = 0.42;
      group.steps.push_back(step);
    }
    steps.groups.push_back(group);
  }
  return steps;
}

void WritePackage(benchmark::State& state) {
  QuietPlatform platform;
  Session session(platform, ProgramFolder{CALVIX_PROGRAM_DIR});
  StartProgram(session);
  platform.file = std::filesystem::path(CALVIX_SOURCE_DIR) / "examples" / "cmu-bearing-wall.cxl";
  if (!OpenFile(session)) throw std::runtime_error("cannot open the example");
  AnalysisResults analysis;
  DesignResults design;
  const SolveOutcome outcome = SolveWall(session, true, analysis, DesignRoutinesFor(design));
  PackageInput input;
  input.problem = &session.problem;
  input.analysis = &analysis;
  input.design = &design;
  input.run = outcome.design;
  input.designed = outcome.designed;
  const ReportRequest request = CommandLineReportRequest(session.problem, design, outcome.design);
  input.choice = {request.mainChoice, request.parapetChoice};
  input.steps = {StepsOf(1), StepsOf(2)};
  input.date = "2026-12-07";
  input.version = "bench";
  const auto file = std::filesystem::temp_directory_path() / "calvix-package-bench.pdf";
  for (auto _ : state) {
    const QByteArray bytes = PackagePdf(input);
    WriteFileAtomically(file, std::string_view(bytes.constData(), bytes.size()));
  }
  state.counters["pages"] = LayOutPackage(input).Count();
  std::filesystem::remove(file);
}
BENCHMARK(WritePackage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calvix

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
