#include "analysis/design_criteria.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

// The support group as the dialog shows it: the chosen support (0 none,
// 1 pinned, 2 fixed, 3 partially fixed), which of pinned / fixed / partially
// fixed are enabled, and whether the percentage box is enabled.
std::string Supports(const DesignCriteriaDialogModel& m) {
  std::ostringstream out;
  out << static_cast<int>(m.Support()) << " " << m.SupportEnabled(BaseSupport::Pinned)
      << m.SupportEnabled(BaseSupport::Fixed) << m.SupportEnabled(BaseSupport::PartiallyFixed)
      << " " << m.PercentFixedEnabled();
  return out.str();
}

// Every other control as the dialog shows it.
std::string Controls(const DesignCriteriaDialogModel& m) {
  std::ostringstream out;
  out << m.GeneralText(0) << "|" << m.GeneralText(1) << "|" << m.GeneralText(2) << "|"
      << m.DesignMethod() << "|" << m.MasonryMaterial() << "|" << m.MortarMaterial() << "|"
      << m.MortarType() << "|" << m.RunningBond() << m.Cantilever() << m.UseAxialMcr()
      << m.UseAxialMcrEnabled() << m.ShowAtStart() << "|" << m.PercentFixedText();
  return out.str();
}

TEST(DesignCriteriaTest, CantileverForcesAFixedBase) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  EXPECT_EQ(Supports(m), "1 111 0");
  m.ChooseSpanType(true);
  EXPECT_EQ(Supports(m), "2 010 0");
  EXPECT_FALSE(m.ChooseSupport(BaseSupport::Pinned));
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_TRUE(s.entry().Cantilever);
  EXPECT_EQ(s.entry().SupportType + std::to_string(s.entry().PercentFixed), "Fixed100");
  // Opened on a cantilever whose record says Pinned no support is chosen;
  // supported top and bottom selects Pinned again.
  s.entry().SupportType = "Pinned";
  DesignCriteriaDialogModel again(s.problem());
  EXPECT_EQ(Supports(again), "0 010 0");
  again.ChooseSpanType(false);
  EXPECT_EQ(Supports(again), "1 111 0");
  ASSERT_TRUE(again.Ok(s.session));
  EXPECT_EQ(s.entry().SupportType + std::to_string(s.entry().PercentFixed), "Pinned0");
}

TEST(DesignCriteriaTest, PercentFixedFollowsTheSupportAndItsRange) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.FocusSupport(BaseSupport::PartiallyFixed);  // the box follows the focused support
  EXPECT_TRUE(m.PercentFixedEnabled());
  EXPECT_TRUE(m.ChooseSupport(BaseSupport::PartiallyFixed));
  EXPECT_EQ(Supports(m), "3 111 1");
  m.SetPercentFixedText("140");
  m.SetGeneralText(0, "Changed");
  EXPECT_FALSE(m.Ok(s.session));  // refused: nothing is stored, the dialog stays
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Out of Range");
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, 140.00 is out of range.\r Acceptable values are between 0.00 and 100.00");
  EXPECT_EQ(s.entry().SupportType + s.entry().Project, "Pinned");
  EXPECT_FALSE(s.problem().DataChanged);
  for (const auto& [text, stored] : {std::pair{"100", 100}, {"", 0}}) {
    m.SetPercentFixedText(text);
    ASSERT_TRUE(m.Ok(s.session)) << text;
    EXPECT_EQ(s.entry().SupportType + std::to_string(s.entry().PercentFixed),
              "Partially Fixed" + std::to_string(stored));
  }
  m.SetPercentFixedText("x");
  EXPECT_THROW(m.Ok(s.session), CalvixError);
}

TEST(DesignCriteriaTest, OkWritesTheCriteriaWithoutQuotesAndTheDialogShowsThem) {
  StartedSession s;
  DesignCriteriaDialogModel m(s.problem());
  m.SetGeneralText(0, "\"Depot\"");
  m.SetGeneralText(2, "R\"B");
  // One message per focus loss that removed quotes.
  EXPECT_TRUE(m.GeneralTextLeft(s.platform));
  EXPECT_FALSE(m.GeneralTextLeft(s.platform));
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text,
            "Double quotes (\") are not allowed and have been removed");
  m.SetGeneralText(1, "North \"A\"");       // OK removes them too, with the message
  m.ClickDesignMethod(s.entry(), "IBC-W");  // the factors switch at once, the method at OK
  EXPECT_FLOAT_EQ(s.entry().LoadFactors[7], 0.7f);
  EXPECT_EQ(s.entry().DesignMethod, "ACI");
  m.SetUseAxialMcr(true);
  m.ChooseMasonryMaterial("Clay");
  m.ChooseMortarMaterial("Masonry");
  m.ChooseMortarType("M");
  m.ChooseRunningBond(false);
  m.SetShowAtStart(true);
  m.ChooseSupport(BaseSupport::PartiallyFixed);
  m.SetPercentFixedText("37");
  s.problem().Designed = true;
  ASSERT_TRUE(m.Ok(s.session));
  EXPECT_EQ(s.platform.messages.size(), 2u);
  const EntryForm& e = s.entry();
  EXPECT_EQ(e.Project + "|" + e.Location + "|" + e.Designer + "|" + e.DesignMethod + "|" +
                e.MasonryMaterial + "|" + e.MortarMaterial + "|" + e.MortarType,
            "Depot|North A|RB|IBC-W|Clay|Masonry|M");
  EXPECT_FALSE(e.RunningBond);
  EXPECT_TRUE(e.UseAxialMcr);
  EXPECT_TRUE(s.problem().ShowDesignCriteria);
  EXPECT_TRUE(s.problem().DataChanged);
  EXPECT_FALSE(s.problem().Designed);
  // Opened again, the dialog shows every control from the problem; the axial
  // Mcr option is enabled for strength design only.
  DesignCriteriaDialogModel shown(s.problem());
  EXPECT_EQ(Controls(shown), "Depot|North A|RB|IBC-W|Clay|Masonry|M|00101|37");
  EXPECT_EQ(Supports(shown), "3 111 1");
  shown.SetShowAtStart(false);
  ASSERT_TRUE(shown.Ok(s.session));
  EXPECT_FALSE(s.problem().ShowDesignCriteria);
}

// The dialog shows the three design methods as stored and no method for any
// other text (a damaged or hand-edited project file).
TEST(DesignCriteriaTest, TheDialogKnowsExactlyTheThreeMethods) {
  StartedSession s;
  for (const auto& [stored, shown] : std::vector<std::pair<std::string, std::string>>{
           {"ACI", "ACI"}, {"IBC-W", "IBC-W"}, {"IBC-S", "IBC-S"}, {"IBC", ""}, {"", ""}}) {
    s.entry().DesignMethod = stored;
    EXPECT_EQ(DesignCriteriaDialogModel(s.problem()).DesignMethod(), shown) << stored;
  }
}

}  // namespace
}  // namespace calvix
