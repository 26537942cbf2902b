// Editing the entry fields and option groups of the main window, below the
// window (the window tests in tests/ui drive the same rules through Qt).
#include "model/entry_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/entry_fields.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(EntryEditingTest, WallHeightAndField14) {
  StartedSession s;
  // Working stress: field 14 keeps its own height.
  s.entry().Fields[kAddYField] = "4.00";
  EXPECT_FALSE(EditFieldText(s.session, kWallHeightField, "17.5").has_value());
  EXPECT_EQ(s.entry().Fields[kAddYField], "4.00");
  // Strength design: field 14 follows, and a refused height puts it back too.
  s.entry().DesignMethod = "IBC-S";
  s.entry().Fields[kWallHeightField] = s.entry().Fields[kAddYField] = "12.00";
  EditFieldText(s.session, kWallHeightField, "150");
  EXPECT_EQ(s.entry().Fields[kAddYField], "150");
  FieldLeaveOutcome outcome = LeaveChangedField(s.session, kWallHeightField, 12.0);
  EXPECT_FALSE(outcome.accepted);
  ASSERT_TRUE(outcome.states.has_value());
  EXPECT_FALSE(outcome.states->editable[kAddYField]);
  EXPECT_EQ(s.entry().Fields[kAddYField], "12.00");
}

TEST(EntryEditingTest, AcceptedValuesAreShownWithTheFieldsDecimals) {
  StartedSession s;
  EditFieldText(s.session, kWallHeightField, "14");
  EXPECT_TRUE(LeaveChangedField(s.session, kWallHeightField, 12.0).accepted);
  EXPECT_EQ(s.entry().Fields[kWallHeightField], "14.00");
  // A new wall thickness puts the steel at mid-thickness: (12 − 0.375)/2.
  EditFieldText(s.session, kWallThicknessField, "12");
  LeaveChangedField(s.session, kWallThicknessField, 8.0);
  EXPECT_EQ(s.entry().Fields[kWallSteelDepthField], "5.813");
  EXPECT_TRUE(s.platform.messages.empty());
}

TEST(EntryEditingTest, TextThatIsNotAPlainNumberIsRefusedNamingFieldAndUnit) {
  struct Case {
    int units;
    int field;
    std::string typed, text;
  };
  const std::vector<Case> cases = {
      {2, kWallHeightField, "1e2",
       "Sorry, \"1e2\" is not a number for Wall Height (m).\r Type digits with at most one "
       "decimal point, without grouping commas or exponent, e.g. 12.5."},
      {1, kFloorEccentricityField, "12,5",
       "Sorry, \"12,5\" is not a number for Floor / Roof Load, Eccentricity (in).\r Type digits "
       "with at most one decimal point and a leading minus, without grouping commas or exponent, "
       "e.g. 12.5."},
  };
  for (const auto& c : cases) {
    StartedSession s(c.units);
    SetFieldValue(s.session, c.field, 12.5);
    const std::string before = s.entry().Fields[static_cast<size_t>(c.field)];
    EditFieldText(s.session, c.field, c.typed);
    EXPECT_FALSE(LeaveChangedField(s.session, c.field, 12.5).accepted) << c.typed;
    EXPECT_EQ(s.entry().Fields[static_cast<size_t>(c.field)], before) << c.typed;
    ASSERT_EQ(s.platform.messages.size(), 1u) << c.typed;
    EXPECT_EQ(s.platform.messages[0].title, "Not a Number");
    EXPECT_EQ(s.platform.messages[0].text, c.text);
    EXPECT_EQ(s.platform.beeps, 1);
  }
}

TEST(EntryEditingTest, OptionGroupsAndListsMarkChangedOnlyWhenTheyChange) {
  StartedSession s;
  ChooseReinforcementLayers(s.session, s.entry().ReinfLayersOption);
  EXPECT_FALSE(ChooseSiteClass(s.session, s.entry().SiteClass));
  EXPECT_FALSE(s.problem().DataChanged);
  ChooseReinforcementLayers(s.session, 1);
  EXPECT_EQ(s.entry().ReinfLayersOption, 1);
  EXPECT_TRUE(s.problem().DataChanged);
  EXPECT_TRUE(ChooseGroutSpacing(s.session, 1));
  EXPECT_EQ(s.entry().GroutSpacingOption, 1);
  EXPECT_TRUE(ChooseSiteClass(s.session, "Class D"));
  EXPECT_TRUE(ChooseUseGroup(s.session, "III"));
  EXPECT_TRUE(ChooseS1Class(s.session, "> 0.75 g"));
  EXPECT_TRUE(ChooseParapetIp(s.session, "1.5"));
  const EntryForm& e = s.entry();
  EXPECT_EQ(e.SiteClass + "|" + e.UseGroup + "|" + e.S1Class + "|" + e.ParapetIpText,
            "Class D|III|> 0.75 g|1.5");
  for (const char* site : {"Class A", "Class B", "Class C", "Class D", "Class E", "Class F", ""}) {
    EXPECT_EQ(SiteClassNeedsUserFa(site), site[0] && (site[6] == 'E' || site[6] == 'F')) << site;
  }
}

TEST(EntryEditingTest, AfterTheCriteriaTheFieldsFollowThem) {
  StartedSession s;
  s.entry().Project = "Depot";
  s.entry().DesignMethod = "IBC-S";
  FieldStates states = AfterDesignCriteria(s.session);
  // Fb is 0 under strength design once the masonry data are recalculated.
  EXPECT_FALSE(states.editable[kFbField]);
  EXPECT_EQ(s.entry().Fields[kFbField], "0.00");
  EXPECT_EQ(s.session.window.ProjectStatus, "Project:  Depot");
}

}  // namespace
}  // namespace calvix
