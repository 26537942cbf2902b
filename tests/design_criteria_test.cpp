#include "analysis/design_criteria.h"

#include <gtest/gtest.h>

#include "files/settings.h"
#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

TEST(DesignCriteriaTest, RemoveDoubleQuotes) {
  std::string text = "The \"big\" wall";
  EXPECT_TRUE(RemoveDoubleQuotes(text));
  EXPECT_EQ(text, "The big wall");
  std::string clean = "Plain";
  EXPECT_FALSE(RemoveDoubleQuotes(clean));
  EXPECT_EQ(clean, "Plain");
}

TEST(DesignCriteriaTest, LoadsEveryControlFromTheProblem) {
  StartedSession s;
  EntryForm& e = s.entry();
  e.Project = "Depot";
  e.Location = "Yard";
  e.Designer = "RB";
  e.DesignMethod = "IBC-W";
  e.MasonryMaterial = "Clay";
  e.MortarMaterial = "Masonry";
  e.MortarType = "M";
  e.RunningBond = false;
  e.SupportType = "Partially Fixed";
  e.PercentFixed = 37;
  e.UseAxialMcr = true;
  s.problem().ShowDesignCriteria = true;
  DesignCriteriaDialogModel m(s.problem());
  EXPECT_EQ(m.GeneralText(0), "Depot");
  EXPECT_EQ(m.GeneralText(1), "Yard");
  EXPECT_EQ(m.GeneralText(2), "RB");
  EXPECT_EQ(m.DesignMethod(), "IBC-W");
  EXPECT_EQ(m.MasonryMaterial(), "Clay");
  EXPECT_EQ(m.MortarMaterial(), "Masonry");
  EXPECT_EQ(m.MortarType(), "M");
  EXPECT_FALSE(m.RunningBond());
  EXPECT_FALSE(m.Cantilever());
  EXPECT_EQ(m.Support(), BaseSupport::PartiallyFixed);
  EXPECT_TRUE(m.PercentFixedEnabled());
  EXPECT_EQ(m.PercentFixedText(), "37");
  EXPECT_TRUE(m.UseAxialMcr());
  EXPECT_FALSE(m.UseAxialMcrEnabled());
  EXPECT_TRUE(m.ShowAtStart());
}

TEST(DesignCriteriaTest, CantileverOnLoadDisablesTheOtherSupports) {
  StartedSession s;
  s.entry().Cantilever = true;
  s.entry().SupportType = "Pinned";
  DesignCriteriaDialogModel m(s.problem());
  EXPECT_EQ(m.Support(), BaseSupport::None);
  EXPECT_FALSE(m.SupportEnabled(BaseSupport::Pinned));
  EXPECT_FALSE(m.SupportEnabled(BaseSupport::PartiallyFixed));
  EXPECT_TRUE(m.SupportEnabled(BaseSupport::Fixed));
  EXPECT_FALSE(m.PercentFixedEnabled());
}

TEST(DesignCriteriaTest, CantileverForcesFixedAndOkStoresIt) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  ASSERT_EQ(m.Support(), BaseSupport::Pinned);
  m.ChooseSpanType(true);
  EXPECT_EQ(m.Support(), BaseSupport::Fixed);
  EXPECT_FALSE(m.SupportEnabled(BaseSupport::Pinned));
  EXPECT_FALSE(m.SupportEnabled(BaseSupport::PartiallyFixed));
  EXPECT_FALSE(m.ChooseSupport(BaseSupport::Pinned));
  EXPECT_EQ(m.Support(), BaseSupport::Fixed);
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_TRUE(s.entry().Cantilever);
  EXPECT_EQ(s.entry().SupportType, "Fixed");
  EXPECT_EQ(s.entry().PercentFixed, 100);
}

TEST(DesignCriteriaTest, SupportedTopAndBottomSelectsPinnedAgain) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.ChooseSpanType(true);
  m.ChooseSpanType(false);
  EXPECT_EQ(m.Support(), BaseSupport::Pinned);
  EXPECT_TRUE(m.SupportEnabled(BaseSupport::Pinned));
  EXPECT_TRUE(m.SupportEnabled(BaseSupport::PartiallyFixed));
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_EQ(s.entry().SupportType, "Pinned");
  EXPECT_EQ(s.entry().PercentFixed, 0);
}

TEST(DesignCriteriaTest, PercentFieldFollowsTheFocusedSupport) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.FocusSupport(BaseSupport::PartiallyFixed);
  EXPECT_TRUE(m.PercentFixedEnabled());
  m.FocusSupport(BaseSupport::Fixed);
  EXPECT_FALSE(m.PercentFixedEnabled());
  EXPECT_TRUE(m.ChooseSupport(BaseSupport::PartiallyFixed));
  EXPECT_TRUE(m.PercentFixedEnabled());
  m.FocusSupport(BaseSupport::Pinned);
  EXPECT_FALSE(m.PercentFixedEnabled());
}

TEST(DesignCriteriaTest, PartiallyFixedStoresThePercentage) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.ChooseSupport(BaseSupport::PartiallyFixed);
  m.SetPercentFixedText("37");
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_EQ(s.entry().SupportType, "Partially Fixed");
  EXPECT_EQ(s.entry().PercentFixed, 37);
}

TEST(DesignCriteriaTest, PercentageOutside0To100IsRefusedAndTheDialogStays) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.ChooseSupport(BaseSupport::PartiallyFixed);
  m.SetPercentFixedText("140");
  m.SetGeneralText(0, "Changed");
  EXPECT_FALSE(m.Ok(s.session));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Out of Range");
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, 140.00 is out of range.\r Acceptable values are between 0.00 and 100.00");
  EXPECT_EQ(s.entry().SupportType, "Pinned");
  EXPECT_NE(s.entry().Project, "Changed");
  EXPECT_FALSE(s.problem().DataChanged);
  m.SetPercentFixedText("");
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_EQ(s.entry().PercentFixed, 0);
  m.SetPercentFixedText("x");
  EXPECT_THROW(m.Ok(s.session), CalvixError);
}

TEST(DesignCriteriaTest, MethodClickSwitchesTheBuildingCodeFactorsAtOnce) {
  StartedSession s;
  ASSERT_EQ(s.entry().BuildingCodeComb, "YES");
  ASSERT_EQ(s.entry().DesignMethod, "ACI");
  DesignCriteriaDialogModel m(s.problem());
  m.ClickDesignMethod(s.entry(), "IBC-S");
  EXPECT_TRUE(m.UseAxialMcrEnabled());
  // Cancel: the method stays, the factors are those of the clicked method.
  EXPECT_EQ(s.entry().DesignMethod, "ACI");
  EXPECT_FLOAT_EQ(s.entry().LoadFactors[0], 1.2f);
  EXPECT_FLOAT_EQ(s.entry().LoadFactors[1], 1.6f);
  m.ClickDesignMethod(s.entry(), "IBC-W");
  EXPECT_FALSE(m.UseAxialMcrEnabled());
  EXPECT_FLOAT_EQ(s.entry().LoadFactors[7], 0.7f);
}

TEST(DesignCriteriaTest, MethodClickKeepsUserDefinedFactors) {
  StartedSession s;
  s.entry().BuildingCodeComb = "NO";
  s.entry().LoadFactors.fill(2.0f);
  DesignCriteriaDialogModel m(s.problem());
  m.ClickDesignMethod(s.entry(), "IBC-S");
  EXPECT_FLOAT_EQ(s.entry().LoadFactors[0], 2.0f);
}

TEST(DesignCriteriaTest, OkWritesTheCriteriaFlagsAndTheSetting) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.SetGeneralText(0, "Depot");
  m.SetGeneralText(1, "Yard");
  m.SetGeneralText(2, "RB");
  m.ClickDesignMethod(s.entry(), "IBC-S");
  m.SetUseAxialMcr(true);
  m.ChooseMasonryMaterial("Brick");
  m.ChooseMortarMaterial("Masonry");
  m.ChooseMortarType("N");
  m.ChooseRunningBond(false);
  m.SetShowAtStart(true);
  s.problem().Designed = true;
  ASSERT_TRUE(m.Ok(s.session));
  const EntryForm& e = s.entry();
  EXPECT_EQ(e.Project, "Depot");
  EXPECT_EQ(e.Location, "Yard");
  EXPECT_EQ(e.Designer, "RB");
  EXPECT_EQ(e.DesignMethod, "IBC-S");
  EXPECT_EQ(e.MasonryMaterial, "Brick");
  EXPECT_EQ(e.MortarMaterial, "Masonry");
  EXPECT_EQ(e.MortarType, "N");
  EXPECT_FALSE(e.RunningBond);
  EXPECT_TRUE(e.UseAxialMcr);
  EXPECT_TRUE(s.problem().ShowDesignCriteria);
  EXPECT_TRUE(s.problem().DataChanged);
  EXPECT_FALSE(s.problem().Designed);
  m.SetShowAtStart(false);
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_FALSE(s.problem().ShowDesignCriteria);
}

TEST(DesignCriteriaTest, QuotesAreRemovedWithOneMessagePerFocusLoss) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.SetGeneralText(0, "\"Depot\"");
  m.SetGeneralText(2, "R\"B");
  EXPECT_TRUE(m.GeneralTextLeft(s.platform));
  EXPECT_EQ(m.GeneralText(0), "Depot");
  EXPECT_EQ(m.GeneralText(2), "RB");
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text,
            "Double quotes (\") are not allowed and have been removed");
  EXPECT_EQ(s.platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_FALSE(m.GeneralTextLeft(s.platform));
  EXPECT_EQ(s.platform.messages.size(), 1u);
}

TEST(DesignCriteriaTest, OkNeverStoresQuotes) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.SetGeneralText(1, "North \"A\"");
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_EQ(s.entry().Location, "North A");
  EXPECT_EQ(s.platform.messages.size(), 1u);
}

}  // namespace
}  // namespace calvix
