// The wind load grid below the window: key filters, navigation, committing
// cells (the window tests in tests/ui drive the same rules through Qt).
#include "model/wind_grid.h"

#include <gtest/gtest.h>

#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;
using Key = WindKeyResult::Action;
using Nav = WindNavigation::Action;

TEST(WindGridTest, KeyFilters) {
  // The type column takes W and H in upper case and moves on.
  for (char32_t ch : {U'w', U'W', U'h', U'H'}) {
    const WindKeyResult r = FilterWindKey(1, ch);
    EXPECT_EQ(r.action, Key::SetTypeAndGo);
    EXPECT_EQ(r.text, (ch == U'w' || ch == U'W') ? "W" : "H");
  }
  EXPECT_EQ(FilterWindKey(1, U' ').action, Key::EmptyBox);
  for (char32_t ch : {U'a', U'1', U'-', U'~'}) EXPECT_EQ(FilterWindKey(1, ch).action, Key::Refuse);
  // The numeric columns take every character as typed.
  for (int column : {2, 3, 4}) {
    for (char32_t ch : {U'-', U'w'}) {
      const WindKeyResult r = FilterWindKey(column, ch);
      EXPECT_EQ(r.action, Key::Insert);
      EXPECT_EQ(r.text, std::string(1, static_cast<char>(ch)));
    }
  }
}

TEST(WindGridTest, Navigation) {
  struct Case {
    WindCell from;
    WindKey key;
    int caret, length;
    Nav action;
    WindCell target;
  };
  // clang-format off
  const Case cases[] = {
      // Enter and Tab go to the next cell and leave from the last.
      {{1, 1}, WindKey::Enter, 0, 0, Nav::MoveTo, {1, 2}}, {{2, 4}, WindKey::Tab, 0, 0, Nav::MoveTo, {3, 1}},
      {{5, 4}, WindKey::Enter, 0, 0, Nav::LeaveGrid, {}}, {{5, 4}, WindKey::Tab, 0, 0, Nav::LeaveGrid, {}},
      // Right moves on at the end of the text or in an empty box only.
      {{1, 2}, WindKey::Right, 1, 4, Nav::PassToBox, {}}, {{1, 2}, WindKey::Right, 4, 4, Nav::MoveTo, {1, 3}},
      {{1, 4}, WindKey::Right, 0, 0, Nav::MoveTo, {2, 1}}, {{5, 4}, WindKey::Right, 0, 0, Nav::None, {}},
      // Left before the first character only.
      {{2, 2}, WindKey::Left, 2, 4, Nav::PassToBox, {}}, {{2, 2}, WindKey::Left, 0, 4, Nav::MoveTo, {2, 1}},
      {{2, 1}, WindKey::Left, 0, 0, Nav::MoveTo, {1, 4}}, {{1, 1}, WindKey::Left, 0, 0, Nav::None, {}},
      // Up and Down walk the columns.
      {{2, 3}, WindKey::Down, 0, 0, Nav::MoveTo, {3, 3}}, {{5, 4}, WindKey::Down, 0, 0, Nav::None, {}},
      {{1, 3}, WindKey::Up, 0, 0, Nav::MoveTo, {5, 2}}, {{1, 1}, WindKey::Up, 0, 0, Nav::None, {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const WindNavigation n = NavigateWindGrid(c.from, c.key, c.caret, c.length);
    EXPECT_EQ(n.action, c.action) << c.from.row << "," << c.from.column;
    // Only a move has a target.
    EXPECT_TRUE(c.action != Nav::MoveTo || n.target == c.target)
        << c.from.row << "," << c.from.column;
  }
}

TEST(WindGridTest, CommitFormatsAcceptedNumbersAndRefusesTheRest) {
  EXPECT_EQ(CommitWindCell(2, "-9999").cellText, "-9,999.00");
  EXPECT_EQ(CommitWindCell(4, "99").cellText, "99.00");
  EXPECT_EQ(CommitWindCell(1, "W").cellText, "W");
  // A grouping comma is not read: "1,5" would otherwise become 15.
  EXPECT_FALSE(CommitWindCell(2, "1,5").accepted);
  EXPECT_FALSE(CommitWindCell(4, "-1").accepted);
  const WindCommit c = CommitWindCell(2, "-10000");
  EXPECT_FALSE(c.accepted);
  ASSERT_TRUE(c.message.has_value());
  EXPECT_EQ(c.message->text,
            "Sorry, -10,000.00 is out of range.\n Acceptable values are between -9,999.00 and "
            "9,999.00");
}

TEST(WindGridTest, TextThatIsNotANumberIsRefusedNamingTheColumnAndUnit) {
  StartedSession s(2);
  s.entry().Wind[0][1] = "25.00";
  EXPECT_FALSE(CommitWindCell(s.session, {1, 2}, "1,5").accepted);
  EXPECT_EQ(s.entry().Wind[0][1], "25.00");
  CommitWindCell(s.session, {1, 4}, "3..5");
  ASSERT_EQ(s.platform.messages.size(), 2u);
  EXPECT_EQ(s.platform.messages[0].title, "Not a Number");
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, \"1,5\" is not a number for the wind load Magnitude (kPa, N/m).\r Type "
            "digits with at most one decimal point and a leading minus, without grouping commas "
            "or exponent, e.g. 12.5.");
  EXPECT_EQ(s.platform.messages[1].text,
            "Sorry, \"3..5\" is not a number for the wind load End (m).\r Type digits with at most "
            "one decimal point, without grouping commas or exponent, e.g. 12.5.");
}

TEST(WindGridTest, EditTextAndCommitToTheProblem) {
  StartedSession s;
  s.entry().Wind[0] = {"W", "1,234.50", "0.00", ""};
  EXPECT_EQ(WindEditText(s.entry(), {1, 2}), "1234.50");  // the edit box starts plain
  EXPECT_TRUE(CommitWindCell(s.session, {2, 2}, "25").accepted);
  EXPECT_EQ(WindCellText(s.entry(), {2, 2}), "25.00");
  EXPECT_TRUE(s.problem().DataChanged);
  s.problem().DataChanged = false;
  CommitWindCell(s.session, {2, 2}, "25.00");  // the same text: no change
  EXPECT_FALSE(s.problem().DataChanged);
}

}  // namespace
}  // namespace calvix
