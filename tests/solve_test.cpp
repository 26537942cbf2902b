// The Solve command: validation, analysis and the design passes of the main
// wall and the parapet, with design routines that record their passes.
#include "analysis/solve.h"

#include <gtest/gtest.h>

#include <vector>

#include "files/project_file.h"
#include "model/errors.h"
#include "support/started_session.h"
#include "tests/support/analysis_fixtures.h"

namespace calvix {
namespace {

// A started session holding one of the shipped example walls, and design
// routines that record their passes and fail in pass 1 with a given code.
struct ExampleSession : testing::StartedSession {
  explicit ExampleSession(const std::string& name = "cmu-bearing-wall.cxl") {
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(OpenFile(session));
    platform.messages.clear();
    platform.pointer.clear();
  }
  DesignRoutine Routine() {
    return [this](Problem&, const AnalysisResults&, int16_t& code, int pass) {
      passes.push_back(pass);
      if (pass == 1) code = failInPass1;
    };
  }
  SolveOutcome Solve(bool reinforced, const DesignRoutines& routines) {
    AnalysisResults analysis;
    return SolveWall(session, reinforced, analysis, routines);
  }
  std::vector<int> passes;
  int16_t failInPass1 = 0;
};

// Texts in tests/data/analysis/design_failure_texts.txt; codes outside 1-10 have none.
TEST(SolveTest, FailureTextsOfEveryCode) {
  const auto rows = testing::ReadTable("design_failure_texts.txt");
  ASSERT_EQ(rows.size(), 10u);
  for (const auto& row : rows) EXPECT_EQ(DesignFailureText(std::stoi(row[0])), row[1]) << row[0];
  EXPECT_TRUE(DesignFailureText(0).empty());
  EXPECT_TRUE(DesignFailureText(11).empty());
}

TEST(SolveTest, BothPartsAreDesignedAndTheFlagsSet) {
  ExampleSession example;  // a 16 ft wall with a 3 ft parapet
  example.problem().DataChanged = true;
  const SolveOutcome outcome = example.Solve(true, {{}, example.Routine(), {}, {}});
  EXPECT_TRUE(outcome.validationOk && outcome.analysed && outcome.designed);
  EXPECT_EQ(outcome.design, DesignRun::Reinforced);
  EXPECT_EQ(example.passes, (std::vector<int>{1, 2}));
  EXPECT_TRUE(example.problem().Designed);
  EXPECT_FALSE(example.problem().DataChanged);
  EXPECT_TRUE(example.platform.messages.empty());
  EXPECT_EQ(example.platform.pointer, (std::vector<bool>{true, false}));
}

TEST(SolveTest, AFailureInTheMainWallStopsBeforeTheParapet) {
  ExampleSession example;
  example.problem().DataChanged = true;
  example.failInPass1 = 1;
  const SolveOutcome outcome = example.Solve(false, {{}, {}, example.Routine(), {}});
  EXPECT_EQ(outcome.errorCode, 1);
  EXPECT_FALSE(outcome.designed);
  EXPECT_EQ(example.passes, (std::vector<int>{1}));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error Message");
  EXPECT_EQ(example.platform.messages[0].text, DesignFailureText(1));
  EXPECT_FALSE(example.problem().Designed);
  EXPECT_TRUE(example.problem().DataChanged);
  EXPECT_FALSE(example.problem().ReinforcedWall);
}

TEST(SolveTest, NothingIsReportedAsADesignThatDidNotComplete) {
  {  // strength design refuses unreinforced walls with code 5
    ExampleSession example("ibc-strength-wall.cxl");
    const SolveOutcome outcome =
        example.Solve(false, {example.Routine(), {}, example.Routine(), {}});
    EXPECT_EQ(outcome.errorCode, 5);
    EXPECT_TRUE(example.passes.empty());
    ASSERT_EQ(example.platform.messages.size(), 1u);
    EXPECT_EQ(example.platform.messages[0].text, DesignFailureText(5));
  }
  {  // validation fails: no analysis
    ExampleSession example;
    example.entry().Fields[kStripWidthField] = "0.00";
    const SolveOutcome outcome = example.Solve(true, {{}, example.Routine(), {}, {}});
    EXPECT_FALSE(outcome.validationOk || outcome.analysed);
    EXPECT_TRUE(example.passes.empty());
    EXPECT_EQ(example.platform.messages.back().title, "Error Message");
    EXPECT_FALSE(example.platform.pointer.back());
  }
  {  // no design routine
    ExampleSession example;
    const SolveOutcome outcome = example.Solve(true, {});
    EXPECT_TRUE(outcome.analysed);
    EXPECT_FALSE(outcome.designed || example.problem().Designed);
    ASSERT_EQ(example.platform.messages.size(), 1u);
    EXPECT_EQ(example.platform.messages[0].title, "Error Message");
  }
  {  // the results window refuses the design
    ExampleSession example;
    auto refuse = [](int16_t& code) { code = 10; };  // the last failure code
    const SolveOutcome outcome = example.Solve(true, {{}, example.Routine(), {}, refuse});
    EXPECT_EQ(outcome.errorCode, 10);
    EXPECT_FALSE(outcome.designed);
    EXPECT_EQ(example.platform.messages.back().text, DesignFailureText(10));
  }
}

TEST(SolveTest, ATextThatIsNotANumberResetsThePointerAndPropagates) {
  ExampleSession example;
  example.entry().Fields[kFloorDeadField] = "heavy";
  EXPECT_THROW(example.Solve(true, {}), CalvixError);
  EXPECT_EQ(example.platform.pointer, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace calvix
