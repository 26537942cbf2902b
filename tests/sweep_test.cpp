// The design sweep: its walls against the same walls solved alone through the
// ordinary Solve command, the cost model, the ranking and the messages.
#include "sweep/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "design/design_results.h"
#include "files/file_commands.h"
#include "model/entry_editing.h"
#include "model/entry_fields.h"
#include "model/errors.h"
#include "model/material_data.h"
#include "model/number_format.h"
#include "support/started_session.h"
#include "sweep/sweep_text.h"

namespace calvix {
namespace {

using testing::StartedSession;

std::filesystem::path Example(const std::string& name) {
  return std::filesystem::path(CALVIX_SOURCE_DIR) / "examples" / name;
}

CostModel ShippedCosts() {
  return ReadCostModel(std::filesystem::path(CALVIX_PROGRAM_DIR) / kSweepCostFileName);
}

// A project opened as the engineer opens it.
struct OpenedProject : StartedSession {
  explicit OpenedProject(const std::string& example) {
    EXPECT_TRUE(OpenFileAt(session, Example(example)));
  }
};

// Types a value into a field and leaves it, as the engineer does.
void Type(Session& session, int field, double display) {
  const double atFocus = ValueAtFocus(session, field);
  EditFieldText(session, field, FieldText(session, field, display));
  ASSERT_TRUE(LeaveChangedField(session, field, atFocus).accepted);
}

using Steel = std::tuple<float, float, int, int, int, float>;  // point, bar, spacing
Steel SteelOf(const SweepPoint& p, int bar, float spacing) {
  return {p.nominalThickness, p.unitStrength, p.groutOption, p.layersOption, bar, spacing};
}

// Every wall of the sweep solved alone from the project file, through the
// entry form and SolveWall: passing walls with their offered main-wall bars,
// failure counts, and the cheapest wall by the cost model.
struct AloneSweep {
  std::set<Steel> passing;
  std::map<int16_t, int> failures;
  int refused = 0;
  Steel best{};
};

AloneSweep SolveEachAlone(const std::string& example, const std::vector<SweepPoint>& points,
                          const SweepFreedom& freedom, const CostModel& costs) {
  AloneSweep alone;
  double bestCost = 1e300;
  for (const SweepPoint& point : points) {
    OpenedProject project(example);
    Session& s = project.session;
    const UnitSystem& units = s.problem.units;
    if (freedom.layers) ChooseReinforcementLayers(s, point.layersOption);
    if (freedom.thickness)
      Type(s, kWallThicknessField, point.nominalThickness * units.Factor(kLengthShort));
    if (freedom.strength)
      Type(s, kUnitStrengthField, point.unitStrength * units.Factor(kMasonryStress));
    if (freedom.grout) ChooseGroutSpacing(s, point.groutOption);
    AnalysisResults analysis;
    DesignResults design;
    const SolveOutcome outcome = SolveWall(s, true, analysis, DesignRoutinesFor(design));
    if (!outcome.validationOk) ++alone.refused;
    // A new thickness sets a steel depth that the validation accepts, with
    // one layer or two.
    for (const auto& message : project.platform.messages) {
      EXPECT_TRUE(!freedom.thickness ||
                  message.text.find("depth to center of") == std::string::npos)
          << message.text;
    }
    if (outcome.validationOk && !outcome.designed) ++alone.failures[outcome.errorCode];
    if (!outcome.designed) continue;
    const bool strength = outcome.design == DesignRun::Strength;
    const auto& spacing =
        strength ? design.strength.BarSpacing[0] : design.reinforced.BarSpacing[0];
    const WorkingForm& w = s.problem.working;
    bool first = true;
    for (std::size_t bar = 0; bar < spacing.size(); ++bar) {
      const bool offered =
          strength ? design.strength.BarOffered(0, bar) : design.reinforced.BarOffered(0, bar);
      // Bars not free: the first bar the design table offers.
      if (!offered || (!freedom.bars && !first)) continue;
      first = false;
      alone.passing.insert(SteelOf(point, static_cast<int>(bar), spacing[bar]));
      WallQuantities q{
          s.problem.entry.MasonryMaterial,
          units.UnitsType != 1,
          point.nominalThickness,
          point.unitStrength,
          TabulatedUnitStrengths(s.problem.entry.DesignMethod, s.problem.entry.MasonryMaterial,
                                 s.problem.entry.MortarType)
              .front(),
          GroutVolumePerSquareFoot(w.WallThickness - w.NominalMinusActual, w.FaceShellThickness,
                                   w.SolidGrouted, w.GroutedCellWidth, spacing[bar]),
          SteelVolumePerSquareFoot(w.TwoLayers ? 2 : 1, units.BarTable[bar].Area, spacing[bar])};
      const double cost = CostOf(costs, q).cost;
      if (cost < bestCost) {
        bestCost = cost;
        alone.best = SteelOf(point, static_cast<int>(bar), spacing[bar]);
      }
    }
  }
  return alone;
}

struct BruteForceCase {
  const char* example;
  int16_t units;
  const char* method;
  bool parapet;
  SweepFreedom freedom;
};

class SweepBruteForceTest : public ::testing::TestWithParam<BruteForceCase> {};

TEST_P(SweepBruteForceTest, EveryWallPassesOrFailsAsWhenSolvedAlone) {
  const BruteForceCase& c = GetParam();
  OpenedProject project(c.example);
  ASSERT_EQ(project.problem().units.UnitsType, c.units);
  ASSERT_EQ(project.entry().DesignMethod, c.method);
  const CostModel costs = ShippedCosts();
  const SweepBase base = SweepBase::Of(project.session);
  const SweepResult result = RunSweep(base, {c.freedom, costs, 2});
  const std::vector<SweepPoint> points = SweepPoints(base, c.freedom, costs);
  ASSERT_GE(points.size(), 3u);
  EXPECT_EQ(result.walls, points.size());
  EXPECT_EQ(result.solved, points.size());

  const AloneSweep alone = SolveEachAlone(c.example, points, c.freedom, costs);
  std::set<Steel> swept;
  for (const SweepCandidate& candidate : result.passing) {
    EXPECT_TRUE(
        swept.insert(SteelOf(candidate.point, candidate.wall.bar, candidate.wall.spacing)).second);
    EXPECT_LT(candidate.governing.ratio, 1.0f);
    EXPECT_EQ(candidate.parapet.bar >= 0, c.parapet);
  }
  EXPECT_EQ(swept, alone.passing);
  EXPECT_EQ(result.failures, alone.failures);
  EXPECT_EQ(result.validationFailures, alone.refused);
  ASSERT_FALSE(result.passing.empty());
  const SweepCandidate& best = result.passing.front();
  EXPECT_EQ(SteelOf(best.point, best.wall.bar, best.wall.spacing), alone.best);
  // The open problem is left as it was.
  EXPECT_EQ(base.problem.entry, project.entry());
}

constexpr SweepFreedom kThicknessGroutBars{true, true, false, false, true};
constexpr SweepFreedom kStrengthLayersBars{false, false, true, true, true};
constexpr SweepFreedom kThicknessOnly{true, false, false, false, false};
constexpr SweepFreedom kThicknessLayers{true, false, true, false, false};

INSTANTIATE_TEST_SUITE_P(
    Examples, SweepBruteForceTest,
    ::testing::Values(
        BruteForceCase{"cmu-bearing-wall.cxl", 1, "ACI", true, kThicknessGroutBars},
        BruteForceCase{"clay-clinic-wall.cxl", 1, "ACI", true, kStrengthLayersBars},
        BruteForceCase{"hospital-stack-bond-category-e.cxl", 1, "ACI", false, kStrengthLayersBars},
        BruteForceCase{"brick-fire-station-wall.cxl", 1, "IBC-W", false, kThicknessOnly},
        BruteForceCase{"ibc-strength-wall.cxl", 1, "IBC-S", false, kThicknessGroutBars},
        BruteForceCase{"retail-parapet-wall-si.cxl", 2, "IBC-W", true, kThicknessGroutBars},
        BruteForceCase{"metric-retaining-wall.cxl", 2, "IBC-W", false, kThicknessOnly},
        BruteForceCase{"retaining-cantilever-si.cxl", 2, "IBC-S", false, kThicknessLayers},
        BruteForceCase{"cmu-thin-parapet.cxl", 1, "ACI", true, kThicknessLayers},
        BruteForceCase{"school-gym-parapet-mks.cxl", 3, "IBC-S", true, kThicknessGroutBars},
        BruteForceCase{"loading-dock-retaining-mks.cxl", 3, "ACI", false, kStrengthLayersBars}));

TEST(SweepTest, ResultsDoNotDependOnTheNumberOfThreads) {
  OpenedProject project("retail-parapet-wall-si.cxl");
  const SweepBase base = SweepBase::Of(project.session);
  const SweepFreedom all{true, true, true, true, true};
  const SweepResult one = RunSweep(base, {all, ShippedCosts(), 1});
  for (unsigned threads : {2u, 5u}) {
    const SweepResult many = RunSweep(base, {all, ShippedCosts(), threads});
    ASSERT_EQ(many.passing.size(), one.passing.size());
    for (std::size_t i = 0; i < one.passing.size(); ++i) {
      EXPECT_EQ(many.passing[i].point, one.passing[i].point);
      EXPECT_EQ(many.passing[i].wall.bar, one.passing[i].wall.bar);
      EXPECT_EQ(many.passing[i].cost, one.passing[i].cost);
    }
    EXPECT_EQ(many.failures, one.failures);
  }
  EXPECT_GT(one.walls, 100u);
}

TEST(SweepTest, RankedByCostThenWeight) {
  OpenedProject project("cmu-bearing-wall.cxl");
  const SweepResult result = RunSweep(SweepBase::Of(project.session), {{}, ShippedCosts(), 0});
  ASSERT_GT(result.passing.size(), 2u);
  for (std::size_t i = 1; i < result.passing.size(); ++i) {
    const SweepCandidate& a = result.passing[i - 1];
    const SweepCandidate& b = result.passing[i];
    EXPECT_TRUE(a.cost < b.cost || (a.cost == b.cost && a.weight <= b.weight));
  }
}

TEST(SweepTest, APointEntersThroughTheEntryRulesAndMarksTheProblemChanged) {
  StartedSession started;
  SweepFreedom freedom{true, true, true, true, false};
  ApplySweepPoint(started.session, {10.0f, 2800.0f, 1, 1}, freedom);
  // Two layers: the cover of each layer at mid-thickness of the actual
  // 9.625 in unit, 4.8125 in, rounded down to the shown digits so that it
  // does not exceed half the thickness; f'm of a 2800 psi unit.
  EXPECT_EQ(started.entry().Fields[kWallThicknessField], "10.00");
  EXPECT_EQ(started.entry().Fields[kWallSteelDepthField], "4.812");
  EXPECT_EQ(started.entry().Fields[kFmPrimeField], "2000.00");
  EXPECT_TRUE(started.entry().SolidGroutedSelected());
  EXPECT_TRUE(started.entry().TwoLayersSelected());
  EXPECT_TRUE(started.problem().DataChanged);
  // One layer: the middle as the field rounds it.
  ApplySweepPoint(started.session, {10.0f, 2800.0f, 1, 0}, freedom);
  EXPECT_EQ(started.entry().Fields[kWallSteelDepthField], "4.813");
}

TEST(SweepTest, TwoWytheBrickIsNeverSweptPartiallyGrouted) {
  OpenedProject project("brick-fire-station-wall.cxl");
  const std::vector<SweepPoint> points =
      SweepPoints(SweepBase::Of(project.session), {}, ShippedCosts());
  ASSERT_EQ(points.size(), 6u);  // 8, 10, 12 in; solid; one or two layers
  for (const SweepPoint& point : points) EXPECT_EQ(point.groutOption, 1);
}

TEST(SweepTest, AnInvalidProblemIsReportedBeforeTheSweep) {
  OpenedProject project("cmu-bearing-wall.cxl");
  project.entry().Fields[kWallSteelDepthField] = "6.4";  // 7.625 - 1.25 = 6.375 in at most
  const EntryForm before = project.entry();
  EXPECT_FALSE(ValidateSweepProblem(project.session));
  ASSERT_EQ(project.platform.messages.size(), 1u);
  EXPECT_EQ(project.platform.messages[0].text,
            "Depth to Center of steel cannot exceed\ractual wall thickness minus face shell "
            "thickness");
  EXPECT_EQ(project.entry(), before);
  project.entry().Fields[kWallSteelDepthField] = "6.375";
  EXPECT_TRUE(ValidateSweepProblem(project.session));
  EXPECT_EQ(project.platform.messages.size(), 1u);
}

TEST(SweepTest, NothingPassingNamesTheFailuresAndTheClosestWall) {
  OpenedProject project("cmu-bearing-wall.cxl");
  // Earth pressure over the full height: no bar of an 8 in wall carries it.
  project.entry().Fields[kEfpField] = "100";
  project.entry().Fields[kEfpXField] = "16";
  const SweepFreedom grout{false, true, false, false, true};
  const SweepResult result = RunSweep(SweepBase::Of(project.session), {grout, ShippedCosts(), 0});
  ASSERT_TRUE(result.passing.empty());
  ASSERT_TRUE(result.closest.has_value());
  EXPECT_EQ(result.closest->governing.name, "flexure");
  EXPECT_GE(result.closest->governing.ratio, 1.0f);
  const std::string ratio = FormatNumber(result.closest->governing.ratio, "0.000");
  EXPECT_EQ(NothingPassesText(project.problem(), result),
            "No wall of the sweep passes (2 of 2 walls solved).\r\r"
            "Design failure code 8: 2 walls\r\r"
            "Closest: 8 in, 1900.00 psi, " +
                std::string(result.closest->point.groutOption == 1 ? "Solid" : "Partial") +
                ", One: flexure ratio " + ratio + " (design failure code 8)");
}

TEST(SweepTest, ACancelledSweepSolvesNothingMore) {
  StartedSession started;
  SweepProgress progress;
  progress.cancel = true;
  const SweepResult result =
      RunSweep(SweepBase::Of(started.session), {{}, ShippedCosts(), 2}, &progress);
  EXPECT_EQ(result.solved, 0u);
  EXPECT_EQ(progress.total.load(), result.walls);
  EXPECT_TRUE(result.cancelled);
}

TEST(SweepCostTest, GroutFollowsTheGroutedFractionAndSteelTheBarArea) {
  // 8 in CMU: 7.625 in actual, 1.25 in face shells, 8 in grouted cells.
  EXPECT_NEAR(GroutVolumePerSquareFoot(7.625f, 1.25f, true, 8.0f, 32.0f), 5.125 / 12.0, 1e-9);
  EXPECT_NEAR(GroutVolumePerSquareFoot(7.625f, 1.25f, false, 8.0f, 32.0f), 5.125 / 48.0, 1e-9);
  EXPECT_NEAR(GroutVolumePerSquareFoot(7.625f, 1.25f, false, 8.0f, 8.0f), 5.125 / 12.0, 1e-9);
  // #5 at 16 in: 0.31 / 16 in2 per in, 144 in3 of steel per ft2 of that.
  EXPECT_NEAR(SteelVolumePerSquareFoot(1, 0.31f, 16.0f), 0.31 / 16.0 / 12.0, 1e-9);
  EXPECT_NEAR(SteelVolumePerSquareFoot(2, 0.31f, 16.0f), 0.31 / 8.0 / 12.0, 1e-9);

  CostModel model;
  model.masonry = {{"CMU", false, 8.0f, 12.0, 36.0}};
  model.strength = {{"CMU", 0.5}};
  model.groutCost = 10.0;
  model.groutDensity = 140.0;
  model.steelCost = 2.0;
  model.steelDensity = 490.0;
  const WallCost cost = CostOf(model, {"CMU", false, 8.0f, 3750.0f, 1250.0f, 0.25, 0.002});
  EXPECT_NEAR(cost.cost, 12.0 + 2.5 * 0.5 + 2.5 + 0.002 * 490.0 * 2.0, 1e-9);
  EXPECT_NEAR(cost.weight, 36.0 + 35.0 + 0.98, 1e-9);
  EXPECT_THROW(CostOf(model, {"CMU", true, 8.0f, 1900.0f, 1250.0f, 0, 0}), CalvixError);
}

TEST(SweepCostTest, TheShippedTableListsTheStandardSizesAndAMalformedRowIsRefused) {
  const CostModel costs = ShippedCosts();
  EXPECT_EQ(costs.Thicknesses("CMU", false), (std::vector<float>{4, 6, 8, 10, 12, 16}));
  EXPECT_EQ(costs.Thicknesses("Brick", false), (std::vector<float>{8, 10, 12}));
  // 200 mm is 7.874 in: the metric rows give the metric nominal sizes.
  EXPECT_NEAR(costs.Thicknesses("CMU", true).at(2), 200.0 / 25.4, 1e-5);
  EXPECT_EQ(TabulatedUnitStrengths("ACI", "CMU", "S"),
            (std::vector<float>{1250, 1900, 2800, 3750, 4800}));
  testing::TempFolder folder;
  testing::WriteBytes(folder / "bad.tsv",
                      "# costs\nitem\tmaterial\tsystem\tnominal\tcost\tweight\n"
                      "masonry\tCMU\tUS\t8\tcheap\t36\n");
  try {
    ReadCostModel(folder / "bad.tsv");
    FAIL() << "a price that is not a number was read";
  } catch (const CalvixError& error) {
    EXPECT_STREQ(error.what(), "Bad file format in bad.tsv line 3");
  }
}

}  // namespace
}  // namespace calvix
