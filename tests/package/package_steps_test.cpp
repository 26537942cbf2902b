// The design steps of a package: values in the display units of each unit
// system, the substituted formula, the check line, and the pages they make.
#include <gtest/gtest.h>

#include <fstream>

#include "analysis/solve.h"
#include "files/project_file.h"
#include "package/calculation_package.h"
#include "package/package_sections.h"
#include "package/pdf_reading.h"
#include "package/step_text.h"
#include "support/started_session.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

// The quantities the steps below use, as Units.fil gives them.
UnitSystem Units(int system) {
  UnitSystem u;
  u.UnitsType = static_cast<int16_t>(system);
  struct Row {
    int k;
    float factor[3];
    const char* label[3];
    const char* pattern[3];
  };
  const Row rows[] = {
      {kLengthShort, {1, 25.4f, 25.4f}, {"in", "mm", "mm"}, {"##0.00", "###0.0", "###0.0"}},
      {kForce, {1, 4.44822162f, 0.45359237f}, {"lbs", "N", "Kg"}, {"#####0", "#####0", "#####0"}},
      {kMoment,
       {1, 1.35581795f, 0.138254954f},
       {"ft-lb", "N-m", "Kg-m"},
       {"####0.0", "####0.0", "####0.0"}},
      {kMasonryStress,
       {1, 0.00689475729f, 0.0703069580f},
       {"psi", "MPa", "Kg/cm\u00B2"},
       {"###0.00", "##0.000", "###0.00"}},
  };
  for (const Row& row : rows) {
    const auto s = static_cast<std::size_t>(system - 1);
    u.UnitFactors[static_cast<std::size_t>(row.k)] = row.factor[s];
    u.UnitLabels[static_cast<std::size_t>(row.k)] = row.label[s];
    u.UnitLabels[static_cast<std::size_t>(kUnitQuantityCount + row.k)] = row.pattern[s];
  }
  return u;
}

// A hand-worked flexural stress check of a 7.625 in wall: fb = M / S with
// M = 1500 ft-lb and S = 116.3 in^3 per foot, against Fb = 333.3 psi.
CalculationStep FlexureStep() {
  CalculationStep step;
  step.quantity = "Flexural compression stress";
  step.reference = "ACI 530-99 2.3.3.2.2";
  step.formula = "fb = 12 M / S";
  step.substitution = "12 x {0} / {1}";
  step.inputs = {{"M", 1500.0, kMoment, 1}, {"S", 116.3, kLengthShort, 3}};
  step.result = {"fb", 154.77, kMasonryStress, 1};
  step.check = true;
  step.limit = {"Fb", 333.33, kMasonryStress, 1};
  step.ratio = 154.77 / 333.33;
  step.ok = true;
  return step;
}

TEST(PackageStepsTest, ValuesAreWrittenInTheDisplayUnitsOfEachSystem) {
  const struct {
    int system;
    const char* substitution;
    const char* result;
  } cases[] = {
      {1, "12 x 1500.0 ft-lb / 116.3 in\u00B3", "fb = 154.77 psi"},
      {2, "12 x 2033.7 N-m / 1.906e+06 mm\u00B3", "fb = 1.067 MPa"},
      {3, "12 x 207.4 Kg-m / 1.906e+06 mm\u00B3", "fb = 10.88 Kg/cm\u00B2"},
  };
  for (const auto& c : cases) {
    const UnitSystem units = Units(c.system);
    EXPECT_EQ(SubstitutedText(FlexureStep(), units), c.substitution) << c.system;
    EXPECT_EQ(ResultText(FlexureStep(), units), c.result) << c.system;
  }
  EXPECT_EQ(CheckText(FlexureStep(), Units(1)), "Limit: Fb = 333.33 psi   Ratio: 0.464   OK");
}

TEST(PackageStepsTest, APlaceholderWithoutItsInputAndAPlainNumberStayReadable) {
  CalculationStep step = FlexureStep();
  step.substitution = "{0} + {7} + {x}";
  EXPECT_EQ(SubstitutedText(step, Units(1)), "1500.0 ft-lb + {7} + {x}");
  EXPECT_EQ(StepValueText({"h'/t", 25.1968, -1, 1}, Units(1)), "25.2");
  step.ok = false;
  step.ratio = 1.2;
  EXPECT_EQ(CheckText(step, Units(1)), "Limit: Fb = 333.33 psi   Ratio: 1.200   NG");
  step.check = false;
  EXPECT_EQ(CheckText(step, Units(1)), "");
}

TEST(PackageStepsTest, TheStepPagesShowEveryStepAndRunOverPages) {
  CalculationSteps steps;
  steps.part = 1;
  steps.governingCombination = 2;
  CalculationGroup group{"Flexure", {}};
  for (int i = 0; i < 60; ++i) group.steps.push_back(FlexureStep());
  steps.groups.push_back(group);
  steps.governingGroup = 0;
  steps.governingStep = 59;
  PageList pages(QSizeF(612, 792), MakePackageFonts());
  AddStepSection(pages, steps, Units(2));
  EXPECT_GE(pages.Count(), 3);
  testing::TempFolder folder;
  const std::filesystem::path pdf = folder / "steps.pdf";
  const QByteArray bytes =
      PagesPdf(pages, PaperSize::Letter, {"Steps", "Here", "Me", "2026-12-07", "0.1.0"});
  std::ofstream(pdf, std::ios::binary).write(bytes.constData(), bytes.size());
  const std::string text = testing::Collapsed(testing::PdfText(pdf));
  EXPECT_NE(text.find("Main wall: design calculation (continued)"), std::string::npos);
  EXPECT_NE(text.find("ACI 530-99 2.3.3.2.2"), std::string::npos);
  EXPECT_NE(text.find("= 12 x 2033.7 N-m / 1.906e+06 mm\u00B3"), std::string::npos);
  EXPECT_NE(text.find("Limit: Fb = 2.298 MPa Ratio: 0.464 OK"), std::string::npos) << text;
  EXPECT_NE(
      text.find("Page " + std::to_string(pages.Count()) + " of " + std::to_string(pages.Count())),
      std::string::npos);
}

TEST(PackageStepsTest, ControlCharactersCannotMoveThePen) {
  EXPECT_EQ(SafeText("a\tb\nc\rd\x01"
                     "e\xC2\x85"
                     "f")
                .toStdString(),
            "a?b?c?d?e?f");
  EXPECT_EQ(SafeText("Caf\xC3\xA9 \xFF").toStdString(), "Caf\xC3\xA9 ?");
}

}  // namespace
}  // namespace calvix

namespace calvix {
namespace {

// The strength design of a shipped wall with the P-delta passes of its steps:
// each pass in display units, the converged one marked.
TEST(PackageStepsTest, AStrengthPackageShowsTheRowsOfThePDeltaIteration) {
  testing::StartedSession started;
  started.platform.files.push_back(std::string(CALVIX_SOURCE_DIR) +
                                   "/examples/ibc-strength-wall.cxl");
  ASSERT_TRUE(OpenFile(started.session));
  AnalysisResults analysis;
  DesignResults design;
  const SolveOutcome outcome =
      SolveWall(started.session, true, analysis, DesignRoutinesFor(design));
  ASSERT_TRUE(outcome.designed);
  PackageInput input;
  input.problem = &started.problem();
  input.analysis = &analysis;
  input.design = &design;
  input.run = outcome.design;
  input.designed = true;
  CalculationSteps steps;
  steps.pdelta = {{1, 0.4125, 7250.5, 0, false},
                  {2, 0.5512, 7580.26, 329.76, false},
                  {3, 0.5546, 7611.6, 31.36, true}};
  input.steps = {steps};
  testing::TempFolder folder;
  const QByteArray bytes = PackagePdf(input);
  std::ofstream(folder / "s.pdf", std::ios::binary).write(bytes.constData(), bytes.size());
  const std::string text = testing::Collapsed(testing::PdfText(folder / "s.pdf"));
  EXPECT_NE(text.find("Main wall: P-delta iteration (IBC 2000 2108.9.4)"), std::string::npos);
  EXPECT_NE(text.find("2 0.551 in 7580.3 ft-lb 329.8 ft-lb no"), std::string::npos) << text;
  EXPECT_NE(text.find("3 0.555 in 7611.6 ft-lb 31.4 ft-lb yes"), std::string::npos);
}

}  // namespace
}  // namespace calvix
