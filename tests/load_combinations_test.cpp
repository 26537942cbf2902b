// Load factors, combination labels, the per-part combination filter and the
// load combination dialog.
#include "analysis/load_combinations.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "reports/report_format.h"
#include "support/recording_platform.h"

namespace calvix {
namespace {

using Selection = std::array<int16_t, kLoadCombinationCount>;
using FactorSet = std::array<float, kLoadFactorCount>;

FactorSet BuildingCodeFactors(const std::string& method) {
  EntryForm entry;
  entry.DesignMethod = method;
  entry.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(entry);
  return entry.LoadFactors;
}

TEST(BuildingCodeFactors, OneSetPerDesignMethod) {
  EXPECT_EQ(BuildingCodeFactors("IBC-S"),
            (FactorSet{1.2f, 1.6f, 1.2f, 0.5f, 1.6f, 1.2f, 0.5f, 1.0f, 0.9f, 1.6f, 0.9f, 1.0f}));
  EXPECT_EQ(BuildingCodeFactors("ACI"),
            (FactorSet{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.9f, 1.0f}));
  const FactorSet working{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.7f, 0.6f, 1.0f, 0.6f, 0.7f};
  EXPECT_EQ(BuildingCodeFactors("IBC-W"), working);
  EXPECT_EQ(BuildingCodeFactors("anything else"), working);
}

TEST(BuildingCodeFactors, UserDefinedCombinationsAreLeftAlone) {
  EntryForm entry;
  entry.DesignMethod = "IBC-S";
  entry.BuildingCodeComb = "NO";
  entry.LoadFactors.fill(2.5f);
  SetBuildingCodeFactors(entry);
  for (float f : entry.LoadFactors) EXPECT_EQ(f, 2.5f);
}

TEST(CombinationLabels, StrengthBuildingCodeLabels) {
  const FactorSet f = BuildingCodeFactors("IBC-S");
  const char* expected[] = {"1.2*DL+1.6*LL", "1.2*DL+0.5*LL+1.6*WL", "1.2*DL+0.5*LL+1*E",
                            "0.9*DL+1.6*WL", "0.9*DL+1*E"};
  for (int k = 1; k <= 5; ++k) {
    const CombinationLabelText text = CombinationLabel(k, 1.0f, true, f, {"old", "old increase"});
    EXPECT_EQ(text.Label, expected[k - 1]) << "combination " << k;
    // Strength tables set the label only.
    EXPECT_EQ(text.IncreaseText, "old increase");
  }
}

TEST(CombinationLabels, WorkingStressIncreaseTexts) {
  const FactorSet f = BuildingCodeFactors("ACI");
  const float increase = static_cast<float>(4.0 / 3.0);
  const char* labels[] = {"1*DL+1*LL", "1*DL+1*LL+1*WL", "1*DL+1*LL+1*E", "1*DL+1*WL",
                          "0.9*DL+1*E"};
  for (int k = 1; k <= 5; ++k) {
    const CombinationLabelText ticked = CombinationLabel(k, increase, false, f);
    EXPECT_EQ(ticked.Label, labels[k - 1]);
    EXPECT_EQ(ticked.IncreaseText, k == 1 ? "1.0" : "4/3") << "combination " << k;
    const CombinationLabelText plain = CombinationLabel(k, 1.0f, false, f);
    EXPECT_EQ(plain.IncreaseText, "1.0") << "combination " << k;
  }
  EXPECT_EQ(CombinationLabel(3, 1.0f, false, BuildingCodeFactors("IBC-W")).Label,
            "1*DL+1*LL+0.7*E");
}

TEST(CombinationLabels, CombinationOutsideOneToFiveKeepsThePreviousTexts) {
  const FactorSet f = BuildingCodeFactors("ACI");
  const CombinationLabelText previous{"1*DL+1*LL", "4/3"};
  // No label rule applies; with the increase on the texts stay.
  CombinationLabelText text =
      CombinationLabel(6, static_cast<float>(4.0 / 3.0), false, f, previous);
  EXPECT_EQ(text.Label, "1*DL+1*LL");
  EXPECT_EQ(text.IncreaseText, "4/3");
  // Without the increase the last rule still writes "1.0".
  text = CombinationLabel(0, 1.0f, false, f, previous);
  EXPECT_EQ(text.Label, "1*DL+1*LL");
  EXPECT_EQ(text.IncreaseText, "1.0");
  // Strength tables: nothing changes.
  text = CombinationLabel(-1, 1.0f, true, f, previous);
  EXPECT_EQ(text.Label, "1*DL+1*LL");
  EXPECT_EQ(text.IncreaseText, "4/3");
}

// A problem with one wind row, building-code factors of "ACI" and every
// combination selected.
Problem FilterProblem() {
  Problem p;
  p.entry.DesignMethod = "ACI";
  p.entry.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(p.entry);
  p.entry.LoadCombSelected = {1, 1, 1, 1, 1};
  p.working.WindType = {"W"};
  p.working.WindMagnitude = {20.0f};
  p.working.WindStart = {0.0f};
  p.working.WindEnd = {10.0f};
  return p;
}

SeismicResult Seismic(float wall, float parapet) {
  SeismicResult s;
  s.SeismicLoad = {wall, parapet};
  return s;
}

TEST(CombinationFilter, Cases) {
  struct Case {
    const char* name;
    bool wind;
    float wallSeismic, parapetSeismic;
    int part;
    Selection user;
    bool zeroSeismicFactors;
    Selection filtered;
    bool seismicActive;
  };
  const Case cases[] = {
      {"all loads", true, 5.0f, 8.0f, kMainWall, {1, 1, 1, 1, 1}, false, {1, 1, 1, 1, 1}, true},
      {"no wind, no seismic",
       false,
       0.0f,
       0.0f,
       kMainWall,
       {1, 1, 1, 1, 1},
       false,
       {1, 0, 0, 0, 0},
       false},
      {"seismic on the wall only, parapet pass",
       true,
       5.0f,
       0.0f,
       kParapet,
       {1, 1, 1, 1, 1},
       false,
       {1, 1, 0, 1, 0},
       false},
      {"seismic on the wall only, wall pass",
       true,
       5.0f,
       0.0f,
       kMainWall,
       {1, 1, 1, 1, 1},
       false,
       {1, 1, 1, 1, 1},
       true},
      {"user left out both seismic combinations",
       true,
       5.0f,
       8.0f,
       kMainWall,
       {1, 1, 0, 1, 0},
       false,
       {1, 1, 0, 1, 0},
       false},
      {"user kept combination 5 only",
       true,
       5.0f,
       8.0f,
       kMainWall,
       {0, 0, 0, 0, 1},
       false,
       {0, 0, 0, 0, 1},
       true},
      {"user-defined F8 = F12 = 0",
       true,
       5.0f,
       8.0f,
       kMainWall,
       {1, 1, 1, 1, 1},
       true,
       {1, 1, 0, 1, 0},
       false},
  };
  for (const Case& c : cases) {
    Problem p = FilterProblem();
    if (!c.wind) {
      p.working.WindType.clear();
      p.working.WindMagnitude.clear();
      p.working.WindStart.clear();
      p.working.WindEnd.clear();
    }
    if (c.zeroSeismicFactors) {
      p.entry.LoadFactors[7] = 0.0f;
      p.entry.LoadFactors[11] = 0.0f;
    }
    p.entry.LoadCombSelected = c.user;
    const CombinationFilterResult r =
        FilterCombinations(p, Seismic(c.wallSeismic, c.parapetSeismic), c.part);
    EXPECT_EQ(r.Selected, c.user) << c.name;
    EXPECT_EQ(p.entry.LoadCombSelected, c.filtered) << c.name;
    EXPECT_EQ(r.SeismicCombActive, c.seismicActive) << c.name;
  }
}

TEST(CombinationUse, EachCombinationLeftOutCarriesItsReason) {
  // The engineer left out combination 1; the wall has wind and seismic load,
  // the parapet no seismic load.
  Problem p = FilterProblem();
  p.entry.LoadCombSelected = {0, 1, 1, 1, 1};
  using U = CombinationUse;
  const auto wall = CombinationUseOfPart(p, Seismic(40.0f, 0.0f), kMainWall);
  EXPECT_EQ(wall, (std::array<U, 5>{U::kNotSelected, U::kUsed, U::kUsed, U::kUsed, U::kUsed}));
  const auto parapet = CombinationUseOfPart(p, Seismic(40.0f, 0.0f), kParapet);
  EXPECT_EQ(parapet, (std::array<U, 5>{U::kNotSelected, U::kUsed, U::kNoSeismicLoad, U::kUsed,
                                       U::kNoSeismicLoad}));
  EXPECT_EQ(p.entry.LoadCombSelected, (Selection{0, 1, 1, 1, 1}));  // the record is untouched
  const CombinationUseText text = DescribeCombinationUse(parapet);
  EXPECT_EQ(text.used, "2, 4");
  EXPECT_EQ(text.notUsed, "1 (not selected); 3, 5 (no seismic load)");

  // Without wind rows and with both seismic factors zero nothing is left of
  // a selection of 2 to 5.
  p.working.WindType.clear();
  p.entry.LoadFactors[7] = 0.0f;
  p.entry.LoadFactors[11] = 0.0f;
  const CombinationUseText none =
      DescribeCombinationUse(CombinationUseOfPart(p, Seismic(40.0f, 40.0f), kMainWall));
  EXPECT_EQ(none.used, "None");
  EXPECT_EQ(none.notUsed, "1 (not selected); 2, 4 (no wind load); 3, 5 (no seismic load)");
  // Everything used: no second line.
  EXPECT_EQ(DescribeCombinationUse(std::array<U, 5>{}).notUsed, "");
}

TEST(CombinationFilter, ScopeRestoresTheSelectionOnEveryPath) {
  Problem p = FilterProblem();
  p.working.WindType.clear();
  p.working.WindMagnitude.clear();
  p.working.WindStart.clear();
  p.working.WindEnd.clear();
  const Selection user{1, 1, 0, 1, 1};
  p.entry.LoadCombSelected = user;
  {
    CombinationFilterScope scope(p, Seismic(0.0f, 0.0f), kMainWall);
    EXPECT_EQ(p.entry.LoadCombSelected, (Selection{1, 0, 0, 0, 0}));
    EXPECT_EQ(scope.SavedSelection(), user);
    EXPECT_FALSE(scope.SeismicCombActive());
  }
  EXPECT_EQ(p.entry.LoadCombSelected, user);

  auto design = [&] {
    CombinationFilterScope scope(p, Seismic(0.0f, 0.0f), kMainWall);
    throw std::runtime_error("design stopped");
  };
  EXPECT_THROW(design(), std::runtime_error);
  EXPECT_EQ(p.entry.LoadCombSelected, user);
}

EntryForm DialogEntry() {
  EntryForm e;
  e.DesignMethod = "ACI";
  e.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(e);
  e.UserLoadFactors = {1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 2.1, 2.2};
  e.LoadCombSelected = {1, 0, 1, 0, 1};
  e.StressIncreaseFactor = 1.0f;
  return e;
}

TEST(LoadCombinationDialog, LoadShowsTheProblem) {
  EntryForm e = DialogEntry();
  e.StressIncreaseFactor = static_cast<float>(4.0 / 3.0);
  LoadCombinationDialogModel dialog(e);
  EXPECT_TRUE(dialog.IsOpen());
  EXPECT_TRUE(dialog.BuildingCodeChosen());
  EXPECT_FALSE(dialog.UserDefinedChosen());
  EXPECT_TRUE(dialog.FactorsReadOnly());
  EXPECT_DOUBLE_EQ(dialog.Factor(10), 0.9f);
  EXPECT_EQ(dialog.FactorText(10), " 0.90");
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(dialog.Selected(k), k % 2 == 1) << k;
  EXPECT_TRUE(dialog.StressIncreaseTicked());
  EXPECT_TRUE(dialog.StressIncreaseEnabled());
  EXPECT_EQ(LoadCombinationDialogModel::kCaption, "Load Combination Options");
  EXPECT_EQ(LoadCombinationDialogModel::kStressIncreaseCaption,
            "&Increase allowable stress by 1.33 for Wind and Seismic Loads");
}

TEST(LoadCombinationDialog, StressIncreaseDisabledForStrengthDesign) {
  EntryForm e = DialogEntry();
  e.DesignMethod = "IBC-S";
  LoadCombinationDialogModel dialog(e);
  EXPECT_FALSE(dialog.StressIncreaseEnabled());
  EXPECT_FALSE(dialog.SetStressIncrease(true));
  EXPECT_FALSE(dialog.StressIncreaseTicked());
}

TEST(LoadCombinationDialog, UserDefinedCopiesTheUserFactorsAndEditsKeepThem) {
  EntryForm e = DialogEntry();
  LoadCombinationDialogModel dialog(e);
  // Read-only boxes refuse edits.
  EXPECT_FALSE(dialog.EditFactor(0, 5.0));
  EXPECT_FLOAT_EQ(e.LoadFactors[0], 1.0f);

  dialog.ChooseUserDefined();
  EXPECT_EQ(e.BuildingCodeComb, "NO");
  EXPECT_FALSE(dialog.FactorsReadOnly());
  for (int i = 0; i < kLoadFactorCount; ++i) {
    EXPECT_FLOAT_EQ(e.LoadFactors[static_cast<size_t>(i)],
                    static_cast<float>(e.UserLoadFactors[static_cast<size_t>(i)]));
    EXPECT_DOUBLE_EQ(dialog.Factor(i),
                     static_cast<float>(e.UserLoadFactors[static_cast<size_t>(i)]));
  }
  EXPECT_TRUE(dialog.EditFactor(4, 1.75));
  EXPECT_DOUBLE_EQ(e.UserLoadFactors[4], 1.75);
  EXPECT_FALSE(dialog.EditFactor(12, 1.0));

  // Back to the building code: the method's factors, read-only again.
  dialog.ChooseBuildingCode();
  EXPECT_EQ(e.BuildingCodeComb, "YES");
  EXPECT_TRUE(dialog.FactorsReadOnly());
  EXPECT_FLOAT_EQ(e.LoadFactors[4], 1.0f);
  EXPECT_DOUBLE_EQ(dialog.Factor(10), 0.9f);
  // The user factors stay for the next switch.
  EXPECT_DOUBLE_EQ(e.UserLoadFactors[4], 1.75);
}

TEST(LoadCombinationDialog, OkWithNoneTickedTicksAllAndStaysOpen) {
  EntryForm e = DialogEntry();
  testing::RecordingPlatform platform;
  LoadCombinationDialogModel dialog(e);
  for (int k = 1; k <= 5; ++k) dialog.SetSelected(k, false);
  EXPECT_FALSE(dialog.Ok(platform));
  EXPECT_TRUE(dialog.IsOpen());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Sorry, at least one load combination must be selected.");
  EXPECT_EQ(platform.messages[0].title, "Load Combination Error");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  for (int k = 1; k <= 5; ++k) EXPECT_TRUE(dialog.Selected(k));
  EXPECT_EQ(e.LoadCombSelected, (Selection{1, 1, 1, 1, 1}));
}

TEST(LoadCombinationDialog, OkWritesSelectionIncreaseAndFactors) {
  EntryForm e = DialogEntry();
  testing::RecordingPlatform platform;
  LoadCombinationDialogModel dialog(e);
  dialog.ChooseUserDefined();
  dialog.EditFactor(0, 1.4);
  dialog.SetSelected(2, true);
  dialog.SetSelected(5, false);
  dialog.SetStressIncrease(true);
  EXPECT_TRUE(dialog.Ok(platform));
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(e.LoadCombSelected, (Selection{1, 1, 1, 0, 0}));
  EXPECT_EQ(e.StressIncreaseFactor, static_cast<float>(4.0 / 3.0));
  EXPECT_FLOAT_EQ(e.LoadFactors[0], 1.4f);
  EXPECT_FLOAT_EQ(e.LoadFactors[1], 1.2f);

  LoadCombinationDialogModel again(e);
  again.SetStressIncrease(false);
  EXPECT_TRUE(again.Ok(platform));
  EXPECT_EQ(e.StressIncreaseFactor, 1.0f);
}

TEST(LoadCombinationDialog, CancelKeepsTheOptionChangesButNotTheTicks) {
  EntryForm e = DialogEntry();
  LoadCombinationDialogModel dialog(e);
  dialog.ChooseUserDefined();
  dialog.EditFactor(2, 0.25);
  dialog.SetSelected(2, true);
  dialog.SetStressIncrease(true);
  dialog.Cancel();
  EXPECT_FALSE(dialog.IsOpen());
  // Made at once by the option button and the factor edit:
  EXPECT_EQ(e.BuildingCodeComb, "NO");
  EXPECT_FLOAT_EQ(e.LoadFactors[0], 1.1f);
  EXPECT_DOUBLE_EQ(e.UserLoadFactors[2], 0.25);
  // Written only by OK:
  EXPECT_FLOAT_EQ(e.LoadFactors[2], 1.3f);
  EXPECT_EQ(e.LoadCombSelected, (Selection{1, 0, 1, 0, 1}));
  EXPECT_EQ(e.StressIncreaseFactor, 1.0f);
}

}  // namespace
}  // namespace calvix
