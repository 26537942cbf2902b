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
#include "tests/support/analysis_fixtures.h"

namespace calvix {
namespace {

using Selection = std::array<int16_t, kLoadCombinationCount>;
using FactorSet = std::array<float, kLoadFactorCount>;

FactorSet BuildingCodeFactors(const std::string& method, const char* option = "YES") {
  EntryForm entry;
  entry.DesignMethod = method;
  entry.BuildingCodeComb = option;
  entry.LoadFactors.fill(2.5f);
  SetBuildingCodeFactors(entry);
  return entry.LoadFactors;
}

TEST(BuildingCodeFactors, OneSetPerDesignMethodAndUserFactorsLeftAlone) {
  EXPECT_EQ(BuildingCodeFactors("IBC-S"),
            (FactorSet{1.2f, 1.6f, 1.2f, 0.5f, 1.6f, 1.2f, 0.5f, 1.0f, 0.9f, 1.6f, 0.9f, 1.0f}));
  EXPECT_EQ(BuildingCodeFactors("ACI"),
            (FactorSet{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.9f, 1.0f}));
  const FactorSet working{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.7f, 0.6f, 1.0f, 0.6f, 0.7f};
  EXPECT_EQ(BuildingCodeFactors("IBC-W"), working);
  EXPECT_EQ(BuildingCodeFactors("anything else"), working);
  FactorSet user;
  user.fill(2.5f);
  EXPECT_EQ(BuildingCodeFactors("IBC-S", "NO"), user);
}

TEST(CombinationLabels, LabelsAndIncreaseTexts) {
  const char* strength[] = {"1.2*DL+1.6*LL", "1.2*DL+0.5*LL+1.6*WL", "1.2*DL+0.5*LL+1*E",
                            "0.9*DL+1.6*WL", "0.9*DL+1*E"};
  const char* working[] = {"1*DL+1*LL", "1*DL+1*LL+1*WL", "1*DL+1*LL+1*E", "1*DL+1*WL",
                           "0.9*DL+1*E"};
  const float increase = static_cast<float>(4.0 / 3.0);
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    // Strength tables set the label only.
    const CombinationLabelText s =
        CombinationLabel(k, 1.0f, true, BuildingCodeFactors("IBC-S"), {"old", "old increase"});
    EXPECT_EQ(s.Label, strength[k - 1]);
    EXPECT_EQ(s.IncreaseText, "old increase");
    const CombinationLabelText ticked =
        CombinationLabel(k, increase, false, BuildingCodeFactors("ACI"));
    EXPECT_EQ(ticked.Label, working[k - 1]);
    EXPECT_EQ(ticked.IncreaseText, k == 1 ? "1.0" : "4/3");
    EXPECT_EQ(CombinationLabel(k, 1.0f, false, BuildingCodeFactors("ACI")).IncreaseText, "1.0");
  }
  EXPECT_EQ(CombinationLabel(3, 1.0f, false, BuildingCodeFactors("IBC-W")).Label,
            "1*DL+1*LL+0.7*E");
}

// One wind row, building-code factors of "ACI" and every combination selected.
Problem FilterProblem(const std::string& edits = "") {
  Problem p;
  p.entry.LoadFactors = BuildingCodeFactors("ACI");
  return testing::Apply(p, "Wind=W:20:0:10 " + edits);
}

SeismicResult Seismic(float wall, float parapet) {
  return {.SeismicLoad = {wall, parapet}};
}

TEST(CombinationFilter, Cases) {
  struct Case {
    const char* edits;  // the engineer's selection and the loads
    float wallSeismic, parapetSeismic;
    int part;
    Selection filtered;
    bool seismicActive;
  };
  // clang-format off
  const Case cases[] = {
      {"", 5.0f, 8.0f, kMainWall, {1, 1, 1, 1, 1}, true},
      {"Wind=", 0.0f, 0.0f, kMainWall, {1, 0, 0, 0, 0}, false},
      // Seismic load on the wall only.
      {"", 5.0f, 0.0f, kParapet, {1, 1, 0, 1, 0}, false},
      {"", 5.0f, 0.0f, kMainWall, {1, 1, 1, 1, 1}, true},
      {"Comb=11010", 5.0f, 8.0f, kMainWall, {1, 1, 0, 1, 0}, false},
      {"Comb=00001", 5.0f, 8.0f, kMainWall, {0, 0, 0, 0, 1}, true},
      // User-defined seismic factors F8 = F12 = 0.
      {"F8=0 F12=0", 5.0f, 8.0f, kMainWall, {1, 1, 0, 1, 0}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    Problem p = FilterProblem(c.edits);
    const Selection user = p.entry.LoadCombSelected;
    const CombinationFilterResult r =
        FilterCombinations(p, Seismic(c.wallSeismic, c.parapetSeismic), c.part);
    EXPECT_EQ(r.Selected, user) << c.edits;
    EXPECT_EQ(p.entry.LoadCombSelected, c.filtered) << c.edits << " part " << c.part;
    EXPECT_EQ(r.SeismicCombActive, c.seismicActive) << c.edits << " part " << c.part;
  }
}

TEST(CombinationUse, EachCombinationLeftOutCarriesItsReason) {
  // The engineer left out combination 1; the wall has wind and seismic load,
  // the parapet no seismic load.
  Problem p = FilterProblem("Comb=01111");
  using U = CombinationUse;
  EXPECT_EQ(CombinationUseOfPart(p, Seismic(40.0f, 0.0f), kMainWall),
            (std::array<U, 5>{U::kNotSelected, U::kUsed, U::kUsed, U::kUsed, U::kUsed}));
  const auto parapet = CombinationUseOfPart(p, Seismic(40.0f, 0.0f), kParapet);
  EXPECT_EQ(p.entry.LoadCombSelected, (Selection{0, 1, 1, 1, 1}));  // the record is untouched
  const CombinationUseText text = DescribeCombinationUse(parapet);
  EXPECT_EQ(text.used, "2, 4");
  EXPECT_EQ(text.notUsed, "1 (not selected); 3, 5 (no seismic load)");
  EXPECT_EQ(DescribeCombinationUse(std::array<U, 5>{}).notUsed, "");
}

TEST(CombinationFilter, ScopeRestoresTheSelectionOnEveryPath) {
  Problem p = FilterProblem("Wind= Comb=11011");
  const Selection user = p.entry.LoadCombSelected;
  {
    CombinationFilterScope scope(p, Seismic(0.0f, 0.0f), kMainWall);
    EXPECT_EQ(p.entry.LoadCombSelected, (Selection{1, 0, 0, 0, 0}));
    EXPECT_EQ(scope.SavedSelection(), user);
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
  e.LoadFactors = BuildingCodeFactors("ACI");
  e.UserLoadFactors = {1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 2.1, 2.2};
  e.LoadCombSelected = {1, 0, 1, 0, 1};
  return e;
}

TEST(LoadCombinationDialog, LoadShowsTheProblem) {
  EntryForm e = DialogEntry();
  e.StressIncreaseFactor = static_cast<float>(4.0 / 3.0);
  LoadCombinationDialogModel dialog(e);
  EXPECT_TRUE(dialog.BuildingCodeChosen());
  EXPECT_TRUE(dialog.FactorsReadOnly());
  EXPECT_FALSE(dialog.EditFactor(0, 5.0));  // read-only boxes refuse edits
  EXPECT_EQ(dialog.FactorText(10), " 0.90");
  // Only boxes 0-11 exist.
  EXPECT_EQ(dialog.Factor(-1), 0.0);
  EXPECT_EQ(dialog.Factor(kLoadFactorCount), 0.0);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(dialog.Selected(k), k % 2 == 1) << k;
  EXPECT_TRUE(dialog.StressIncreaseTicked());
  EXPECT_TRUE(dialog.StressIncreaseEnabled());
  EXPECT_EQ(LoadCombinationDialogModel::kStressIncreaseCaption,
            "&Increase allowable stress by 1.33 for Wind and Seismic Loads");
  // Strength design has no stress increase.
  e.DesignMethod = "IBC-S";
  LoadCombinationDialogModel strength(e);
  EXPECT_FALSE(strength.StressIncreaseEnabled());
  EXPECT_FALSE(strength.SetStressIncrease(true));
}

// The option button and the factor edits act at once; ticks, the stress
// increase and the factors used reach the problem only by OK.
TEST(LoadCombinationDialog, OkWritesTheTicksAndCancelDoesNot) {
  for (bool ok : {true, false}) {
    EntryForm e = DialogEntry();
    testing::RecordingPlatform platform;
    LoadCombinationDialogModel dialog(e);
    dialog.ChooseUserDefined();
    dialog.EditFactor(2, 0.25);
    dialog.SetSelected(2, true);
    dialog.SetSelected(5, false);
    EXPECT_TRUE(dialog.SetStressIncrease(true));
    if (ok) {
      EXPECT_TRUE(dialog.Ok(platform));
    } else {
      dialog.Cancel();
    }
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(e.BuildingCodeComb, "NO");
    EXPECT_DOUBLE_EQ(e.UserLoadFactors[2], 0.25);
    EXPECT_FLOAT_EQ(e.LoadFactors[2], ok ? 0.25f : 1.3f);
    EXPECT_EQ(e.LoadCombSelected, ok ? (Selection{1, 1, 1, 0, 0}) : (Selection{1, 0, 1, 0, 1}));
    EXPECT_EQ(e.StressIncreaseFactor, ok ? static_cast<float>(4.0 / 3.0) : 1.0f);
  }
}

}  // namespace
}  // namespace calvix
