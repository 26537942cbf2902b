// Replays, in the normal suite, every input the fuzz targets start from
// (fuzz/corpus/<target>/) and every input they have found a fault with
// (tests/data/fuzz/<target>/), through the same checks the fuzz targets run.
// A fault found by fuzzing is fixed in the library and its input kept here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fuzz/fuzz_checks.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using fuzzing::ScratchFolder;

struct Target {
  const char* name;
  std::function<std::string(const ScratchFolder&, std::string_view)> check;
};

const ScratchFolder& Folder() {
  static const ScratchFolder folder;
  return folder;
}

std::vector<fs::path> InputsOf(const std::string& target) {
  std::vector<fs::path> inputs;
  for (const char* root : {"/fuzz/corpus/", "/tests/data/fuzz/"}) {
    const fs::path dir = std::string(CALVIX_SOURCE_DIR) + root + target;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

class FuzzRegressionTest : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzRegressionTest, EveryKeptInputPassesTheTargetsChecks) {
  const Target& target = GetParam();
  const std::vector<fs::path> inputs = InputsOf(target.name);
  // Every target has seeds: the examples or program files and damaged copies.
  ASSERT_GE(inputs.size(), 3u);
  for (const fs::path& input : inputs) {
    EXPECT_EQ(target.check(Folder(), testing::ReadBytes(input)), "") << input;
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressionTest,
                         ::testing::Values(Target{"project_file", fuzzing::CheckProjectFile},
                                           Target{"default_data", fuzzing::CheckDefaultData},
                                           Target{"units_file",
                                                  [](const ScratchFolder& f, std::string_view b) {
                                                    return fuzzing::CheckUnitsOrBars(f, b, true);
                                                  }},
                                           Target{"bar_file",
                                                  [](const ScratchFolder& f, std::string_view b) {
                                                    return fuzzing::CheckUnitsOrBars(f, b, false);
                                                  }},
                                           Target{"settings", fuzzing::CheckSettings},
                                           Target{"open_solve", fuzzing::CheckOpenAndSolve}),
                         [](const ::testing::TestParamInfo<Target>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace calvix
