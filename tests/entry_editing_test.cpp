#include "model/entry_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/entry_fields.h"
#include "model/material_data.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(EntryEditingTest, TypingMarksTheProblemChangedAndNotDesigned) {
  StartedSession s;
  s.problem().Designed = true;
  ASSERT_FALSE(s.problem().DataChanged);
  auto states = EditFieldText(s.session, kWallWeightField, "55");
  EXPECT_FALSE(states.has_value());
  EXPECT_EQ(s.entry().Fields[kWallWeightField], "55");
  EXPECT_TRUE(s.problem().DataChanged);
  EXPECT_FALSE(s.problem().Designed);
}

TEST(EntryEditingTest, WallHeightAppearsInField14AtOnceUnderStrengthDesign) {
  StartedSession s;
  s.entry().DesignMethod = "IBC-S";
  auto states = EditFieldText(s.session, kWallHeightField, "17.5");
  ASSERT_TRUE(states.has_value());
  EXPECT_EQ(s.entry().Fields[kAddYField], "17.5");
  EXPECT_FALSE(states->editable[kAddYField]);
}

TEST(EntryEditingTest, WallHeightLeavesField14AloneUnderWorkingStress) {
  StartedSession s;
  s.entry().Fields[kAddYField] = "4.00";
  EXPECT_FALSE(EditFieldText(s.session, kWallHeightField, "17.5").has_value());
  EXPECT_EQ(s.entry().Fields[kAddYField], "4.00");
}

TEST(EntryEditingTest, ValueAtFocusReadsTheFieldOrZero) {
  StartedSession s;
  s.entry().Fields[kWallHeightField] = "12.50";
  EXPECT_DOUBLE_EQ(ValueAtFocus(s.session, kWallHeightField), 12.5);
  s.entry().Fields[kWallHeightField] = "";
  EXPECT_DOUBLE_EQ(ValueAtFocus(s.session, kWallHeightField), 0.0);
  s.entry().Fields[kWallHeightField] = "abc";
  EXPECT_DOUBLE_EQ(ValueAtFocus(s.session, kWallHeightField), 0.0);
}

TEST(EntryEditingTest, OutOfRangeWallHeightIsRefusedAndTheOldValueComesBack) {
  StartedSession s;
  s.entry().Fields[kWallHeightField] = "12.00";
  double atFocus = ValueAtFocus(s.session, kWallHeightField);
  EditFieldText(s.session, kWallHeightField, "150");
  FieldLeaveOutcome outcome = LeaveChangedField(s.session, kWallHeightField, atFocus);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_EQ(s.entry().Fields[kWallHeightField], "12.00");
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Out of Range");
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, 150.00 is out of range.\r Acceptable values are between 0.00 and 99.00");
  EXPECT_EQ(s.platform.beeps, 1);
}

TEST(EntryEditingTest, RefusedWallHeightAlsoPutsField14BackUnderStrengthDesign) {
  StartedSession s;
  s.entry().DesignMethod = "IBC-S";
  s.entry().Fields[kWallHeightField] = "12.00";
  s.entry().Fields[kAddYField] = "12.00";
  EditFieldText(s.session, kWallHeightField, "150");
  EXPECT_EQ(s.entry().Fields[kAddYField], "150");
  FieldLeaveOutcome outcome = LeaveChangedField(s.session, kWallHeightField, 12.0);
  EXPECT_FALSE(outcome.accepted);
  ASSERT_TRUE(outcome.states.has_value());
  EXPECT_EQ(s.entry().Fields[kAddYField], "12.00");
}

TEST(EntryEditingTest, AcceptedValueIsShownWithTheFieldsDecimals) {
  StartedSession s;
  EditFieldText(s.session, kWallHeightField, "14");
  FieldLeaveOutcome outcome = LeaveChangedField(s.session, kWallHeightField, 12.0);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(s.entry().Fields[kWallHeightField], "14.00");
  EXPECT_TRUE(s.platform.messages.empty());
  // An emptied field shows the 0 it holds.
  EditFieldText(s.session, kWallWeightField, "");
  LeaveChangedField(s.session, kWallWeightField, 50.0);
  EXPECT_EQ(s.entry().Fields[kWallWeightField], "0.0");
}

TEST(EntryEditingTest, LeavingTheWallThicknessPutsTheSteelAtMidThickness) {
  StartedSession s;
  EditFieldText(s.session, kWallThicknessField, "12");
  LeaveChangedField(s.session, kWallThicknessField, 8.0);
  // (12 - 0.375) / 2 with the three decimals of the steel depth.
  EXPECT_EQ(s.entry().Fields[kWallSteelDepthField], "5.813");
  EXPECT_EQ(s.entry().Fields[kWallThicknessField], "12.00");
}

TEST(EntryEditingTest, EditingACalculatedMasonryFieldWarnsAndRestores) {
  StartedSession s;
  std::string calculated = s.entry().Fields[kFmPrimeField];
  EditFieldText(s.session, kFmPrimeField, "2500");
  LeaveChangedField(s.session, kFmPrimeField, 1500.0);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, kDefaultMasonryDataTitle);
  EXPECT_EQ(s.platform.messages[0].text, DefaultMasonryDataWarningText());
  EXPECT_EQ(s.entry().Fields[kFmPrimeField], calculated);
}

TEST(EntryEditingTest, TextThatIsNotAPlainNumberIsRefusedNamingFieldAndUnit) {
  struct Case {
    int units;
    int field;
    std::string typed;
    std::string text;
  };
  const std::vector<Case> cases = {
      {1, kFloorDeadField, "1,5",
       "Sorry, \"1,5\" is not a number for Floor / Roof Load, Dead (plf).\r Type digits with at "
       "most one decimal point, without grouping commas or exponent, e.g. 12.5."},
      {2, kWallHeightField, "1e2",
       "Sorry, \"1e2\" is not a number for Wall Height (m).\r Type digits with at most one "
       "decimal point, without grouping commas or exponent, e.g. 12.5."},
      {1, kFloorEccentricityField, "12,5",
       "Sorry, \"12,5\" is not a number for Floor / Roof Load, Eccentricity (in).\r Type digits "
       "with at most one decimal point and a leading minus, without grouping commas or exponent, "
       "e.g. 12.5."},
      {1, kSsField, "1.0 g",
       "Sorry, \"1.0 g\" is not a number for Short Period Spectral Accel. (% of g).\r Type "
       "digits with at most one decimal point, without grouping commas or exponent, e.g. 12.5."},
  };
  for (const auto& c : cases) {
    StartedSession s(c.units);
    SetFieldValue(s.session, c.field, 12.5);
    std::string before = s.entry().Fields[static_cast<size_t>(c.field)];
    double atFocus = ValueAtFocus(s.session, c.field);
    EditFieldText(s.session, c.field, c.typed);
    FieldLeaveOutcome outcome = LeaveChangedField(s.session, c.field, atFocus);
    EXPECT_FALSE(outcome.accepted) << c.typed;
    EXPECT_EQ(s.entry().Fields[static_cast<size_t>(c.field)], before) << c.typed;
    ASSERT_EQ(s.platform.messages.size(), 1u) << c.typed;
    EXPECT_EQ(s.platform.messages[0].title, "Not a Number");
    EXPECT_EQ(s.platform.messages[0].text, c.text);
    EXPECT_EQ(s.platform.beeps, 1);
  }
}

TEST(EntryEditingTest, NegativeSpectralAccelerationIsOutOfRangeButZeroIsTaken) {
  StartedSession s;
  SetFieldValue(s.session, kSsField, 50.0);
  double atFocus = ValueAtFocus(s.session, kSsField);
  std::string before = s.entry().Fields[kSsField];
  EditFieldText(s.session, kSsField, "-250");
  EXPECT_FALSE(LeaveChangedField(s.session, kSsField, atFocus).accepted);
  EXPECT_EQ(s.entry().Fields[kSsField], before);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, -250.00 is out of range.\r Acceptable values are between 0.00 and 5,000.00");
  EditFieldText(s.session, kSsField, "0");
  EXPECT_TRUE(LeaveChangedField(s.session, kSsField, atFocus).accepted);
  EXPECT_EQ(s.entry().Fields[kSsField], "0.0");
}

TEST(EntryEditingTest, PartialGroutingIsRefusedForBrick) {
  StartedSession s;
  s.entry().MasonryMaterial = "Brick";
  s.entry().GroutSpacingOption = 1;
  EXPECT_FALSE(ChooseGroutSpacing(s.session, 0));
  EXPECT_EQ(s.entry().GroutSpacingOption, 1);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, Partially grouted spacing cannot be selected for Two Wythe Brick walls.\r"
            "Please change the Wall Material to Hollow Core Masonry or Hollow Core Clay \r"
            "to use partially grouted spacing.");
  EXPECT_FALSE(s.problem().DataChanged);
}

TEST(EntryEditingTest, GroutSpacingForHollowUnitsIsTaken) {
  StartedSession s;
  s.entry().GroutSpacingOption = 0;
  EXPECT_TRUE(ChooseGroutSpacing(s.session, 1));
  EXPECT_EQ(s.entry().GroutSpacingOption, 1);
  EXPECT_TRUE(s.problem().DataChanged);
  EXPECT_TRUE(ChooseGroutSpacing(s.session, 0));
  EXPECT_EQ(s.entry().GroutSpacingOption, 0);
  EXPECT_TRUE(s.platform.messages.empty());
}

TEST(EntryEditingTest, ReinforcementLayersMarkChangedOnlyWhenTheyChange) {
  StartedSession s;
  ChooseReinforcementLayers(s.session, s.entry().ReinfLayersOption);
  EXPECT_FALSE(s.problem().DataChanged);
  ChooseReinforcementLayers(s.session, 1);
  EXPECT_EQ(s.entry().ReinfLayersOption, 1);
  EXPECT_TRUE(s.problem().DataChanged);
}

TEST(EntryEditingTest, SeismicListsStoreTheirTexts) {
  StartedSession s;
  EXPECT_FALSE(ChooseSiteClass(s.session, s.entry().SiteClass));
  EXPECT_FALSE(s.problem().DataChanged);
  EXPECT_TRUE(ChooseSiteClass(s.session, "Class D"));
  EXPECT_TRUE(ChooseUseGroup(s.session, "III"));
  EXPECT_TRUE(ChooseS1Class(s.session, "> 0.75 g"));
  EXPECT_TRUE(ChooseParapetIp(s.session, "1.5"));
  EXPECT_EQ(s.entry().SiteClass, "Class D");
  EXPECT_EQ(s.entry().UseGroup, "III");
  EXPECT_EQ(s.entry().S1Class, "> 0.75 g");
  EXPECT_EQ(s.entry().ParapetIpText, "1.5");
  EXPECT_TRUE(s.problem().DataChanged);
}

TEST(EntryEditingTest, OnlySiteClassesEAndFAskForFa) {
  EXPECT_TRUE(SiteClassNeedsUserFa("Class E"));
  EXPECT_TRUE(SiteClassNeedsUserFa("Class F"));
  for (const char* other : {"Class A", "Class B", "Class C", "Class D", "class e", ""}) {
    EXPECT_FALSE(SiteClassNeedsUserFa(other)) << other;
  }
}

TEST(EntryEditingTest, AfterTheCriteriaTheFieldsFollowThem) {
  StartedSession s;
  s.entry().Project = "Depot";
  s.entry().Cantilever = true;
  s.entry().Fields[kParapetHeightField] = "3.00";
  s.entry().DesignMethod = "IBC-S";
  FieldStates states = AfterDesignCriteria(s.session);
  EXPECT_EQ(s.entry().Fields[kParapetHeightField], "0.00");
  EXPECT_FALSE(states.editable[kParapetHeightField]);
  EXPECT_FALSE(states.editable[kFbField]);
  // Fb is 0 under strength design once the masonry data are recalculated.
  EXPECT_EQ(s.entry().Fields[kFbField], "0.00");
  EXPECT_EQ(s.session.window.ProjectStatus, "Project:  Depot");
}

TEST(EntryEditingTest, MasonryDataDialog) {
  StartedSession s;
  std::string calculated = s.entry().Fields[kFmPrimeField];
  s.entry().Fields[kFmPrimeField] = "2222.00";
  // Cancel in automatic mode still recalculates.
  AfterMasonryDataDialog(s.session, std::nullopt);
  EXPECT_EQ(s.entry().Fields[kFmPrimeField], calculated);
  EXPECT_FALSE(s.problem().DataChanged);
  // The user's mode keeps typed values.
  AfterMasonryDataDialog(s.session, true);
  EXPECT_TRUE(s.entry().UserMasonryData);
  EXPECT_TRUE(s.problem().DataChanged);
  s.entry().Fields[kFmPrimeField] = "2222.00";
  AfterMasonryDataDialog(s.session, true);
  EXPECT_EQ(s.entry().Fields[kFmPrimeField], "2222.00");
  AfterMasonryDataDialog(s.session, false);
  EXPECT_FALSE(s.entry().UserMasonryData);
  EXPECT_EQ(s.entry().Fields[kFmPrimeField], calculated);
}

TEST(EntryEditingTest, PageKeysStepThroughTheTabsAndWrap) {
  EXPECT_EQ(PageTabs(0, kPageDownKey), 1);
  EXPECT_EQ(PageTabs(2, kPageDownKey), 3);
  EXPECT_EQ(PageTabs(3, kPageDownKey), 0);
  EXPECT_EQ(PageTabs(0, kPageUpKey), 3);
  EXPECT_EQ(PageTabs(2, kPageUpKey), 1);
  EXPECT_EQ(PageTabs(2, 13), 2);
  // The window's five pages, the two load pages included.
  EXPECT_EQ(PageTabs(3, kPageDownKey, kInputPageCount), 4);
  EXPECT_EQ(PageTabs(4, kPageDownKey, kInputPageCount), 0);
  EXPECT_EQ(PageTabs(0, kPageUpKey, kInputPageCount), 4);
  EXPECT_EQ(std::string(kPageKeyHint), "Page Down : Next Page   |   Page Up : Previous Page");
}

}  // namespace
}  // namespace calvix
