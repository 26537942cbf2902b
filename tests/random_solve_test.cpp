// Random valid problems and every shipped example, solved with the real design
// routines: whatever the design decides, no number in the analysis or design
// tables may be NaN or infinite. The generator is seeded, so a failure names
// a case that can be replayed.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>

#include "analysis/solve.h"
#include "cli/json_document.h"
#include "design/design_results.h"
#include "files/file_commands.h"
#include "model/entry_fields.h"
#include "support/report_fixtures.h"

namespace calvix {
namespace {

using namespace testing;

// The path to the first number in `value` that is not finite; empty when all are.
std::string FirstNonFinite(const nlohmann::ordered_json& value, const std::string& path) {
  if (value.is_number_float()) return std::isfinite(value.get<double>()) ? "" : path;
  std::string found;
  for (auto it = value.begin(); found.empty() && it != value.end() && value.is_structured(); ++it) {
    found = FirstNonFinite(*it, path + "." + (value.is_object() ? it.key() : "[]"));
  }
  return found;
}

struct Solved {
  SolveOutcome outcome;
  std::string nonFinite;  // where a non-finite number was found
};

Solved Solve(Session& session, bool reinforced) {
  AnalysisResults analysis;
  DesignResults results;
  Solved solved{SolveWall(session, reinforced, analysis, DesignRoutinesFor(results)), ""};
  if (solved.outcome.analysed) {
    const bool strength = session.problem.entry.DesignMethod == "IBC-S";
    solved.nonFinite = FirstNonFinite(AnalysisJson(analysis, strength), "analysis");
  }
  if (solved.nonFinite.empty() && solved.outcome.design != DesignRun::None) {
    solved.nonFinite = FirstNonFinite(DesignJson(results, solved.outcome.design), "design");
  }
  return solved;
}

// The shipped examples, each opened in its own unit system.
std::vector<std::unique_ptr<ExampleSession>> OpenedExamples() {
  std::vector<std::unique_ptr<ExampleSession>> examples;
  for (const auto& file :
       std::filesystem::directory_iterator(std::string(CALVIX_SOURCE_DIR) + "/examples")) {
    if (file.path().extension() != ".cxl") continue;
    examples.push_back(std::make_unique<ExampleSession>(file.path().string()));
  }
  return examples;
}

// A random wall drawn around a shipped example, as an engineer would type
// it: every criterion chosen anew, every value but the nominal thicknesses
// and the unit sizes scaled by 0.5-1.5 (a tenth of them zero), the wind rows
// by 0.5-2.
class ProblemGenerator {
 public:
  explicit ProblemGenerator(unsigned seed) : random_(seed) {}

  void Fill(EntryForm& e) {
    e.DesignMethod = Pick({"ACI", "IBC-W", "IBC-S"});
    e.MasonryMaterial = Pick({"CMU", "Clay", "Brick"});
    e.MortarMaterial = Pick({"PCL", "Masonry"});
    e.MortarType = Pick({"N", "S", "M"});
    e.SupportType = Pick({"Pinned", "Fixed", "Partially Fixed"});
    e.SiteClass = Pick({"Class A", "Class B", "Class C", "Class D", "Class E"});
    e.UseGroup = Pick({"I", "II", "III"});
    e.RunningBond = Chance(0.8);
    e.Cantilever = Chance(0.2);
    e.PercentFixed = static_cast<int16_t>(Uniform(0, 100));
    e.StressIncreaseFactor = Chance(0.5) ? 1.0f : 4.0f / 3.0f;
    e.UserMasonryData = Chance(0.3);
    e.GroutSpacingOption = Chance(0.5) ? 1 : 0;
    e.ReinfLayersOption = Chance(0.25) ? 1 : 0;
    for (auto& selected : e.LoadCombSelected) selected = Chance(0.8) ? 1 : 0;
    e.LoadCombSelected[static_cast<size_t>(Uniform(0, 4))] = 1;
    e.BuildingCodeComb = Chance(0.8) ? "YES" : "NO";
    for (auto& factor : e.UserLoadFactors) factor = Chance(0.2) ? 0.0 : Uniform(0.5, 1.7);
    for (int field = 0; field < kEntryFieldCount; ++field) {
      if (field == kWallThicknessField || field == kParapetThicknessField ||
          field == kGroutedCellWidthField || field == kUnitLengthField) {
        continue;
      }
      Scale(e.Fields[static_cast<size_t>(field)], Chance(0.1) ? 0 : Uniform(0.5, 1.5));
    }
    for (auto& row : e.Wind) Scale(row[kWindMagnitude], Uniform(0.5, 2));
  }

  bool Chance(double probability) { return Uniform(0, 1) < probability; }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  std::string Pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + static_cast<size_t>(Uniform(0, choices.size() - 1e-9)));
  }
  static void Scale(std::string& text, double factor) {
    if (!text.empty()) text = std::to_string(std::strtod(text.c_str(), nullptr) * factor);
  }

  std::mt19937 random_;
};

TEST(RandomSolveTest, ThousandsOfValidProblemsGiveFiniteResults) {
  const auto examples = OpenedExamples();
  ProblemGenerator generator(20261207);
  constexpr int kWanted = 1200;
  int validated = 0, designed = 0, unreinforced = 0;
  std::map<std::string, int> byMethod;
  for (int attempt = 0; attempt < 20 * kWanted && validated < kWanted; ++attempt) {
    StartedSession& s = *examples[static_cast<size_t>(attempt) % examples.size()];
    const Problem example = s.problem();
    generator.Fill(s.entry());
    // Unreinforced walls are designed by the working-stress methods only.
    const bool reinforced = s.entry().DesignMethod == "IBC-S" || generator.Chance(0.6);
    const Solved solved = Solve(s.session, reinforced);
    const std::string method = s.entry().DesignMethod;
    s.problem() = example;
    s.platform.messages.clear();
    s.platform.pointer.clear();
    ASSERT_EQ(solved.nonFinite, "") << "attempt " << attempt;
    if (!solved.outcome.validationOk) continue;
    ++validated;
    designed += solved.outcome.designed ? 1 : 0;
    ++byMethod[method];
    unreinforced += reinforced ? 0 : 1;
  }
  EXPECT_EQ(validated, kWanted);
  for (const char* method : {"ACI", "IBC-W", "IBC-S"}) EXPECT_GT(byMethod[method], kWanted / 10);
  EXPECT_GT(unreinforced, kWanted / 10);
  // Most random walls are designable; a generator that only produced failures
  // would test little.
  EXPECT_GT(designed, kWanted / 4);
}

TEST(RandomSolveTest, EveryExampleSolvesToFiniteResults) {
  for (const auto& example : OpenedExamples()) {
    const Problem problem = example->problem();
    for (bool reinforced : {true, problem.entry.DesignMethod == "IBC-S"}) {
      example->problem() = problem;
      const Solved result = Solve(example->session, reinforced);
      EXPECT_TRUE(result.outcome.analysed) << problem.entry.Project;
      EXPECT_EQ(result.nonFinite, "") << problem.entry.Project << " " << reinforced;
    }
  }
}

}  // namespace
}  // namespace calvix
