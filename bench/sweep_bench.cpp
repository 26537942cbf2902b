// The speed of the design sweep: walls solved per second (each through the
// whole Solve command) with every choice free, for a working-stress and a
// strength-design example, on one thread and on every core; and the time of
// the default sweep (thickness, grouting, layers and bars free).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "files/file_commands.h"
#include "files/program_start.h"
#include "sweep/sweep.h"

namespace calvix {
namespace {

struct OpenExample {
  explicit OpenExample(const std::string& name)
      : session(platform, ProgramFolder{CALVIX_PROGRAM_DIR}) {
    StartProgram(session);
    const auto path = std::filesystem::path(CALVIX_SOURCE_DIR) / "examples" / name;
    if (!OpenFileAt(session, path)) throw std::runtime_error("cannot open example " + name);
  }
  SilentPlatform platform;
  Session session;
};

void Sweep(benchmark::State& state, const char* example, SweepFreedom freedom) {
  OpenExample open(example);
  const SweepBase base = SweepBase::Of(open.session);
  const SweepRequest request{freedom, ReadCostModel(open.session.folder.dir / kSweepCostFileName),
                             static_cast<unsigned>(state.range(0))};
  std::size_t walls = 0;
  for (auto _ : state) {
    SweepResult result = RunSweep(base, request);
    walls += result.solved;
    benchmark::DoNotOptimize(result);
  }
  state.counters["walls_per_second"] =
      benchmark::Counter(static_cast<double>(walls), benchmark::Counter::kIsRate);
}

constexpr SweepFreedom kEverything{true, true, true, true, true};
// One layer only: with a free thickness every two-layer wall is refused by the
// input check (the mid-thickness steel depth of the entry rule), which costs
// little; these sweeps solve every wall to its design.
constexpr SweepFreedom kOneLayer{true, true, false, true, true};

void BM_SweepWorkingStress(benchmark::State& state) {
  Sweep(state, "cmu-bearing-wall.cxl", kEverything);
}
void BM_SweepStrength(benchmark::State& state) {
  Sweep(state, "ibc-strength-wall.cxl", kEverything);
}
void BM_DesignedWorkingStress(benchmark::State& state) {
  Sweep(state, "cmu-bearing-wall.cxl", kOneLayer);
}
void BM_DesignedStrength(benchmark::State& state) {
  Sweep(state, "ibc-strength-wall.cxl", kOneLayer);
}
void BM_DefaultSweepWorkingStress(benchmark::State& state) {
  Sweep(state, "cmu-bearing-wall.cxl", SweepFreedom{});
}
void BM_DefaultSweepStrength(benchmark::State& state) {
  Sweep(state, "ibc-strength-wall.cxl", SweepFreedom{});
}

// Argument: threads (0 = every core).
BENCHMARK(BM_SweepWorkingStress)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepStrength)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignedWorkingStress)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignedStrength)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultSweepWorkingStress)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultSweepStrength)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calvix

BENCHMARK_MAIN();
