#include "analysis/solve.h"

#include <gtest/gtest.h>

#include <vector>

#include "files/project_file.h"
#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

// A started session holding one of the shipped example walls.
struct ExampleSession : StartedSession {
  explicit ExampleSession(const std::string& name) {
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(OpenFile(session));
    platform.messages.clear();
    platform.pointer.clear();
  }
};

// Design routines that record their passes and fail where told.
struct FakeDesign {
  std::vector<int> passes;
  int16_t failInPass1 = 0;
  DesignRoutine Routine() {
    return [this](Problem&, const AnalysisResults&, int16_t& code, int pass) {
      passes.push_back(pass);
      if (pass == 1) code = failInPass1;
    };
  }
};

TEST(SolveTest, FailureTextsOfEveryCode) {
  EXPECT_EQ(DesignFailureText(1),
            "Design cannot be completed.  Actual wall compressive stess\rexceeds allowable "
            "compressive stress (fa > Fa).");
  EXPECT_EQ(DesignFailureText(5),
            "Unreinforced walls cannot be designed per the IBC 2000 strength method\r"
            "procedures.  Please choose Reinforced Wall from the Solve Menu.\r");
  EXPECT_EQ(DesignFailureText(8),
            "Design cannot be completed. Try increasing block size or using solid grout.");
  EXPECT_EQ(DesignFailureText(9), "Design cannot be completed. Block size too small for loads.");
  EXPECT_EQ(DesignFailureText(10),
            "Design cannot be completed.  None of the selected load combinations\r"
            "applies to this wall.  Please review the load combinations.");
  for (int16_t code = 1; code <= 10; ++code) EXPECT_FALSE(DesignFailureText(code).empty());
  EXPECT_TRUE(DesignFailureText(0).empty());
  EXPECT_TRUE(DesignFailureText(11).empty());
}

TEST(SolveTest, BothPartsAreDesignedAndTheFlagsSet) {
  ExampleSession example("cmu-bearing-wall.cxl");  // 16 ft wall with a 3 ft parapet
  example.problem().DataChanged = true;
  FakeDesign design;
  AnalysisResults analysis;
  SolveOutcome outcome =
      SolveWall(example.session, true, analysis, {{}, design.Routine(), {}, {}});
  EXPECT_TRUE(outcome.validationOk);
  EXPECT_TRUE(outcome.analysed);
  EXPECT_TRUE(outcome.designed);
  EXPECT_EQ(outcome.design, DesignRun::Reinforced);
  EXPECT_EQ(design.passes, (std::vector<int>{1, 2}));
  EXPECT_TRUE(example.problem().Designed);
  EXPECT_FALSE(example.problem().DataChanged);
  EXPECT_TRUE(example.platform.messages.empty());
  EXPECT_EQ(example.platform.pointer, (std::vector<bool>{true, false}));
  EXPECT_TRUE(example.problem().ReinforcedWall);
}

TEST(SolveTest, AFailureInTheMainWallStopsBeforeTheParapet) {
  ExampleSession example("cmu-bearing-wall.cxl");
  example.problem().DataChanged = true;
  FakeDesign design;
  design.failInPass1 = 1;
  AnalysisResults analysis;
  SolveOutcome outcome =
      SolveWall(example.session, false, analysis, {{}, {}, design.Routine(), {}});
  EXPECT_EQ(outcome.errorCode, 1);
  EXPECT_FALSE(outcome.designed);
  EXPECT_EQ(design.passes, (std::vector<int>{1}));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error Message");
  EXPECT_EQ(example.platform.messages[0].text, DesignFailureText(1));
  EXPECT_FALSE(example.problem().Designed);
  EXPECT_TRUE(example.problem().DataChanged);
  EXPECT_FALSE(example.problem().ReinforcedWall);
}

TEST(SolveTest, StrengthDesignRefusesUnreinforcedWallsWithCodeFive) {
  ExampleSession example("ibc-strength-wall.cxl");
  FakeDesign design;
  AnalysisResults analysis;
  SolveOutcome outcome =
      SolveWall(example.session, false, analysis, {design.Routine(), {}, design.Routine(), {}});
  EXPECT_EQ(outcome.errorCode, 5);
  EXPECT_TRUE(design.passes.empty());
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].text, DesignFailureText(5));
}

TEST(SolveTest, ValidationFailureStopsBeforeTheAnalysis) {
  ExampleSession example("cmu-bearing-wall.cxl");
  example.entry().Fields[kStripWidthField] = "0.00";
  FakeDesign design;
  AnalysisResults analysis;
  SolveOutcome outcome =
      SolveWall(example.session, true, analysis, {{}, design.Routine(), {}, {}});
  EXPECT_FALSE(outcome.validationOk);
  EXPECT_FALSE(outcome.analysed);
  EXPECT_TRUE(design.passes.empty());
  ASSERT_FALSE(example.platform.messages.empty());
  EXPECT_EQ(example.platform.messages.back().title, "Error Message");
  EXPECT_FALSE(example.platform.pointer.back());
}

TEST(SolveTest, AMissingDesignRoutineIsNeverReportedAsADesign) {
  ExampleSession example("cmu-bearing-wall.cxl");
  AnalysisResults analysis;
  SolveOutcome outcome = SolveWall(example.session, true, analysis, {});
  EXPECT_TRUE(outcome.analysed);
  EXPECT_FALSE(outcome.designed);
  EXPECT_FALSE(example.problem().Designed);
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error Message");
}

TEST(SolveTest, TheResultsWindowMayStillRefuseTheDesign) {
  ExampleSession example("cmu-bearing-wall.cxl");
  FakeDesign design;
  AnalysisResults analysis;
  auto refuse = [](int16_t& code) { code = 8; };
  SolveOutcome outcome =
      SolveWall(example.session, true, analysis, {{}, design.Routine(), {}, refuse});
  EXPECT_EQ(outcome.errorCode, 8);
  EXPECT_FALSE(outcome.designed);
  EXPECT_EQ(example.platform.messages.back().text, DesignFailureText(8));
}

TEST(SolveTest, ATextThatIsNotANumberResetsThePointerAndPropagates) {
  ExampleSession example("cmu-bearing-wall.cxl");
  example.entry().Fields[kFloorDeadField] = "heavy";
  AnalysisResults analysis;
  EXPECT_THROW(SolveWall(example.session, true, analysis, {}), CalvixError);
  EXPECT_EQ(example.platform.pointer, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace calvix
