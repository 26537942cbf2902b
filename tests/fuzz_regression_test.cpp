// Replays, in the normal suite, every input the fuzz targets start from
// (fuzz/corpus/<target>/) and every input they have found a fault with
// (tests/data/fuzz/<target>/), through the same checks the fuzz targets run.
// A fault found by fuzzing is fixed in the library and its input kept here.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "fuzz/fuzz_checks.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using fuzzing::ScratchFolder;
using Check = std::function<std::string(const ScratchFolder&, std::string_view)>;

TEST(FuzzRegressionTest, EveryKeptInputPassesTheTargetsChecks) {
  const ScratchFolder folder;
  const std::vector<std::pair<const char*, Check>> targets{
      {"project_file", fuzzing::CheckProjectFile},
      {"default_data", fuzzing::CheckDefaultData},
      {"units_file", [](const ScratchFolder& f,
                        std::string_view b) { return fuzzing::CheckUnitsOrBars(f, b, true); }},
      {"bar_file", [](const ScratchFolder& f,
                      std::string_view b) { return fuzzing::CheckUnitsOrBars(f, b, false); }},
      {"settings", fuzzing::CheckSettings},
      {"open_solve", fuzzing::CheckOpenAndSolve}};
  for (const auto& [name, check] : targets) {
    int inputs = 0;
    for (const char* root : {"/fuzz/corpus/", "/tests/data/fuzz/"}) {
      const fs::path dir = std::string(CALVIX_SOURCE_DIR) + root + name;
      if (!fs::is_directory(dir)) continue;
      for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(check(folder, testing::ReadBytes(entry.path())), "") << entry.path();
        ++inputs;
      }
    }
    // Every target has seeds: the examples or program files and damaged copies.
    EXPECT_GE(inputs, 3) << name;
  }
}

}  // namespace
}  // namespace calvix
