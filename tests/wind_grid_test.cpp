#include "model/wind_grid.h"

#include <gtest/gtest.h>

#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;
using Key = WindKeyResult::Action;
using Nav = WindNavigation::Action;

TEST(WindGridTest, HeadingsCarryTheUnitLabelsOfTheSystem) {
  StartedSession us;
  auto headings = WindGridHeadings(us.problem().units);
  EXPECT_EQ(headings[0], "No.");
  EXPECT_EQ(headings[1], "Type\r(W or H)");
  EXPECT_EQ(headings[2], "Magnitude\r(psf, plf)");
  EXPECT_EQ(headings[3], "Start\r(ft)");
  EXPECT_EQ(headings[4], "End\r(ft)");
  StartedSession si(2);
  auto metric = WindGridHeadings(si.problem().units);
  EXPECT_EQ(metric[2], "Magnitude\r(kPa, N/m)");
  EXPECT_EQ(metric[3], "Start\r(m)");
}

TEST(WindGridTest, TypeColumnTakesWAndHInUpperCaseAndMovesOn) {
  for (char32_t ch : {U'w', U'W'}) {
    WindKeyResult r = FilterWindKey(1, ch);
    EXPECT_EQ(r.action, Key::SetTypeAndGo);
    EXPECT_EQ(r.text, "W");
  }
  for (char32_t ch : {U'h', U'H'}) {
    WindKeyResult r = FilterWindKey(1, ch);
    EXPECT_EQ(r.action, Key::SetTypeAndGo);
    EXPECT_EQ(r.text, "H");
  }
  EXPECT_EQ(FilterWindKey(1, U' ').action, Key::EmptyBox);
  for (char32_t ch : {U'a', U'1', U'.', U'-', U'x', U'z', U'~'}) {
    EXPECT_EQ(FilterWindKey(1, ch).action, Key::Refuse);
  }
}

TEST(WindGridTest, NumericColumnsTakeEveryCharacterAsTyped) {
  for (int column : {2, 3, 4}) {
    for (char32_t ch : {U'7', U'-', U'.', U'w', U',', U' ', U'e'}) {
      const WindKeyResult r = FilterWindKey(column, ch);
      EXPECT_EQ(r.action, Key::Insert);
      EXPECT_EQ(r.text, std::string(1, static_cast<char>(ch)));
    }
  }
}

TEST(WindGridTest, EnterAndTabGoToTheNextCellAndLeaveFromTheLast) {
  WindNavigation n = NavigateWindGrid({1, 1}, WindKey::Enter, 0, 0);
  EXPECT_EQ(n.action, Nav::MoveTo);
  EXPECT_EQ(n.target, (WindCell{1, 2}));
  n = NavigateWindGrid({2, 4}, WindKey::Tab, 0, 0);
  EXPECT_EQ(n.target, (WindCell{3, 1}));
  EXPECT_EQ(NavigateWindGrid({5, 4}, WindKey::Enter, 0, 0).action, Nav::LeaveGrid);
  EXPECT_EQ(NavigateWindGrid({5, 4}, WindKey::Tab, 0, 0).action, Nav::LeaveGrid);
}

TEST(WindGridTest, ArrowsMoveAtTheEndsOfTheTextOnly) {
  // Right: caret inside the text moves within it; at the end or in an empty box, next cell.
  EXPECT_EQ(NavigateWindGrid({1, 2}, WindKey::Right, 1, 4).action, Nav::PassToBox);
  EXPECT_EQ(NavigateWindGrid({1, 2}, WindKey::Right, 4, 4).target, (WindCell{1, 3}));
  EXPECT_EQ(NavigateWindGrid({1, 2}, WindKey::Right, 0, 0).target, (WindCell{1, 3}));
  EXPECT_EQ(NavigateWindGrid({1, 4}, WindKey::Right, 0, 0).target, (WindCell{2, 1}));
  EXPECT_EQ(NavigateWindGrid({5, 4}, WindKey::Right, 0, 0).action, Nav::None);
  // Left: before the first character only.
  EXPECT_EQ(NavigateWindGrid({2, 2}, WindKey::Left, 2, 4).action, Nav::PassToBox);
  EXPECT_EQ(NavigateWindGrid({2, 2}, WindKey::Left, 0, 4).target, (WindCell{2, 1}));
  EXPECT_EQ(NavigateWindGrid({2, 1}, WindKey::Left, 0, 0).target, (WindCell{1, 4}));
  EXPECT_EQ(NavigateWindGrid({1, 1}, WindKey::Left, 0, 0).action, Nav::None);
}

TEST(WindGridTest, UpAndDownWalkTheColumns) {
  EXPECT_EQ(NavigateWindGrid({2, 3}, WindKey::Down, 0, 0).target, (WindCell{3, 3}));
  EXPECT_EQ(NavigateWindGrid({5, 2}, WindKey::Down, 0, 0).target, (WindCell{1, 3}));
  EXPECT_EQ(NavigateWindGrid({5, 4}, WindKey::Down, 0, 0).action, Nav::None);
  EXPECT_EQ(NavigateWindGrid({3, 3}, WindKey::Up, 0, 0).target, (WindCell{2, 3}));
  EXPECT_EQ(NavigateWindGrid({1, 3}, WindKey::Up, 0, 0).target, (WindCell{5, 2}));
  EXPECT_EQ(NavigateWindGrid({1, 1}, WindKey::Up, 0, 0).action, Nav::None);
  EXPECT_EQ(NavigateWindGrid({3, 3}, WindKey::Escape, 0, 0).action, Nav::EmptyBox);
}

TEST(WindGridTest, CommitFormatsAcceptedNumbers) {
  WindCommit c = CommitWindCell(2, "1234.5");
  EXPECT_TRUE(c.accepted);
  EXPECT_EQ(c.cellText, "1,234.50");
  EXPECT_EQ(CommitWindCell(2, "-9999").cellText, "-9,999.00");
  EXPECT_EQ(CommitWindCell(3, "0").cellText, "0.00");
  EXPECT_EQ(CommitWindCell(4, "99").cellText, "99.00");
  // A grouping comma is not read: "1,5" would otherwise become 15.
  EXPECT_FALSE(CommitWindCell(2, "1,234.50").accepted);
  EXPECT_FALSE(CommitWindCell(2, "1,5").accepted);
  EXPECT_TRUE(CommitWindCell(2, "").accepted);
  EXPECT_EQ(CommitWindCell(2, "").cellText, "");
  EXPECT_EQ(CommitWindCell(1, "W").cellText, "W");
  EXPECT_EQ(CommitWindCell(1, "").cellText, "");
}

TEST(WindGridTest, StartBeyond99IsRefusedWithTheMessage) {
  WindCommit c = CommitWindCell(3, "120");
  EXPECT_FALSE(c.accepted);
  ASSERT_TRUE(c.message.has_value());
  EXPECT_EQ(c.message->title, "Out of Range");
  EXPECT_EQ(c.message->text,
            "Sorry, 120.00 is out of range.\n Acceptable values are between 0.00 and 99.00");
  EXPECT_EQ(c.message->icon, MessageIcon::Information);
  c = CommitWindCell(2, "-10000");
  ASSERT_TRUE(c.message.has_value());
  EXPECT_EQ(c.message->text,
            "Sorry, -10,000.00 is out of range.\n Acceptable values are between -9,999.00 and "
            "9,999.00");
  EXPECT_FALSE(CommitWindCell(4, "-1").accepted);
}

TEST(WindGridTest, TextThatIsNotANumberIsRefusedNamingTheColumnAndUnit) {
  EXPECT_FALSE(CommitWindCell(2, "1-2").accepted);
  StartedSession s(2);
  s.entry().Wind[0][1] = "25.00";
  WindCommit c = CommitWindCell(s.session, {1, 2}, "1,5");
  EXPECT_FALSE(c.accepted);
  EXPECT_EQ(s.entry().Wind[0][1], "25.00");
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Not a Number");
  EXPECT_EQ(s.platform.messages[0].text,
            "Sorry, \"1,5\" is not a number for the wind load Magnitude (kPa, N/m).\r Type "
            "digits with at most one decimal point and a leading minus, without grouping commas "
            "or exponent, e.g. 12.5.");
  CommitWindCell(s.session, {1, 4}, "3..5");
  EXPECT_EQ(s.platform.messages.back().text,
            "Sorry, \"3..5\" is not a number for the wind load End (m).\r Type digits with at most "
            "one decimal point, without grouping commas or exponent, e.g. 12.5.");
}

TEST(WindGridTest, CellToolTipsNameQuantityUnitAndRange) {
  StartedSession s(2);
  EXPECT_EQ(WindCellToolTip(s.problem().units, 2),
            "Magnitude: pressure in kPa for W, line load along the wall in N/m for H, from "
            "-9,999.00 to 9,999.00");
  EXPECT_EQ(WindCellToolTip(s.problem().units, 4),
            "End: height above the base in m, from 0.00 to 99.00");
}

TEST(WindGridTest, TheEditBoxStartsWithAPlainNumber) {
  StartedSession s;
  s.entry().Wind[0] = {"W", "1,234.50", "0.00", ""};
  EXPECT_EQ(WindEditText(s.entry(), {1, 1}), "W");
  EXPECT_EQ(WindEditText(s.entry(), {1, 2}), "1234.50");
  EXPECT_EQ(WindEditText(s.entry(), {1, 3}), "0.00");
  EXPECT_EQ(WindEditText(s.entry(), {1, 4}), "");
  EXPECT_EQ(CommitWindCell(2, WindEditText(s.entry(), {1, 2})).cellText, "1,234.50");
}

TEST(WindGridTest, CommitToTheProblem) {
  StartedSession s;
  WindCommit c = CommitWindCell(s.session, {2, 2}, "25");
  EXPECT_TRUE(c.accepted);
  EXPECT_EQ(s.entry().Wind[1][1], "25.00");
  EXPECT_EQ(WindCellText(s.entry(), {2, 2}), "25.00");
  EXPECT_TRUE(s.problem().DataChanged);

  s.problem().DataChanged = false;
  CommitWindCell(s.session, {2, 2}, "25.00");  // the same text: no change
  EXPECT_FALSE(s.problem().DataChanged);

  c = CommitWindCell(s.session, {2, 3}, "120");
  EXPECT_FALSE(c.accepted);
  EXPECT_EQ(s.entry().Wind[1][2], "");
  EXPECT_EQ(s.platform.beeps, 1);
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Out of Range");
}

}  // namespace
}  // namespace calvix
