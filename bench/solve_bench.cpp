// The time of one Solve command per design method, from the field texts to
// the result tables: masonry data, conversion, validation, seismic loads,
// load analysis and the design of the main wall and the parapet. The problem
// is opened once; each iteration solves a fresh copy of it, as the engineer's
// Solve does after an edit. Then the time of the full text report of a solved
// problem, as "Print to File" writes it (input data, summaries and every load
// case of the main wall and the parapet).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "analysis/solve.h"
#include "design/design_results.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "model/platform.h"
#include "reports/method_reports.h"
#include "reports/results_file.h"

namespace calvix {
namespace {

// Answers every message with OK / Yes and opens the one file it was given.
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

// A session started on the generated program folder holding an example.
struct OpenExample {
  explicit OpenExample(const std::string& name)
      : session(platform, ProgramFolder{CALVIX_PROGRAM_DIR}) {
    StartProgram(session);
    platform.file = std::filesystem::path(CALVIX_SOURCE_DIR) / "examples" / name;
    if (!OpenFile(session)) throw std::runtime_error("cannot open example " + name);
    opened = session.problem;
  }
  QuietPlatform platform;
  Session session;
  Problem opened;
};

void SolveExample(benchmark::State& state, const char* example, bool reinforced) {
  OpenExample open(example);
  for (auto _ : state) {
    open.session.problem = open.opened;
    AnalysisResults analysis;
    DesignResults results;
    SolveOutcome outcome =
        SolveWall(open.session, reinforced, analysis, DesignRoutinesFor(results));
    if (!outcome.designed) {
      state.SkipWithError("the example was not designed");
      break;
    }
    benchmark::DoNotOptimize(results);
  }
}

// ACI 530-99 working stress, reinforced 16 ft wall with a 3 ft parapet.
BENCHMARK_CAPTURE(SolveExample, AciReinforced, "cmu-bearing-wall.cxl", true);
// The same wall designed unreinforced (every grouting case).
BENCHMARK_CAPTURE(SolveExample, AciUnreinforced, "cmu-bearing-wall.cxl", false);
// IBC 2000 working stress, S.I. units, wall with a parapet.
BENCHMARK_CAPTURE(SolveExample, IbcWorkingStress, "retail-parapet-wall-si.cxl", true);
// IBC 2000 strength design with P-delta: a 20 ft wall, and an M.K.S. wall
// with a parapet.
BENCHMARK_CAPTURE(SolveExample, IbcStrength, "ibc-strength-wall.cxl", true);
BENCHMARK_CAPTURE(SolveExample, IbcStrengthParapet, "school-gym-parapet-mks.cxl", true);

void ReportExample(benchmark::State& state, const char* example, bool reinforced) {
  OpenExample open(example);
  AnalysisResults analysis;
  DesignResults results;
  const SolveOutcome outcome =
      SolveWall(open.session, reinforced, analysis, DesignRoutinesFor(results));
  if (!outcome.designed) {
    state.SkipWithError("the example was not designed");
    return;
  }
  const ReportHooks hooks = MethodReportHooks(open.session.problem, analysis, results);
  const ReportRequest request =
      CommandLineReportRequest(open.session.problem, results, outcome.design);
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "calvix-bench-report.txt";
  const ReportStamp stamp{"10:30 AM", "12/7/2026"};
  for (auto _ : state) {
    if (!WriteResultsFile(open.session, request, hooks, file, stamp)) {
      state.SkipWithError("the report was not written");
      break;
    }
  }
  std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(ReportExample, AciReinforced, "cmu-bearing-wall.cxl", true);
BENCHMARK_CAPTURE(ReportExample, AciUnreinforced, "cmu-bearing-wall.cxl", false);
BENCHMARK_CAPTURE(ReportExample, IbcWorkingStress, "retail-parapet-wall-si.cxl", true);
BENCHMARK_CAPTURE(ReportExample, IbcStrength, "ibc-strength-wall.cxl", true);
BENCHMARK_CAPTURE(ReportExample, IbcStrengthParapet, "school-gym-parapet-mks.cxl", true);

}  // namespace
}  // namespace calvix

BENCHMARK_MAIN();
