// The texts of the results window: column heads that say what each column
// holds, one number format per quantity whatever the design method, and no
// unit printed twice.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <set>

#include "reports/working_stress_report.h"
#include "support/started_session.h"
#include "tests/ui/print_test_support.h"
#include "ui/results_window.h"

namespace calvix {
namespace {

using testing::SolvedExample;

std::vector<std::string> Heads(QTableWidget* grid) {
  std::vector<std::string> heads;
  for (int c = 0; c < grid->columnCount(); ++c) {
    QString head = grid->horizontalHeaderItem(c)->text().simplified();
    heads.push_back(head.toStdString());
  }
  return heads;
}

// The value of the property row whose label starts with `label`.
std::string Property(QTableWidget* grid, const std::string& label) {
  for (int r = 0; r < grid->rowCount(); ++r) {
    if (grid->item(r, 0) != nullptr &&
        grid->item(r, 0)->text().simplified().toStdString().rfind(label, 0) == 0) {
      return grid->item(r, 1)->text().toStdString() + "|" + grid->item(r, 2)->text().toStdString();
    }
  }
  return "";
}

TEST(ResultsTextsTest, HeadsAreDistinctAndSayWhatTheColumnsHold) {
  for (const char* example :
       {"ibc-strength-wall.cxl", "school-gym-parapet-mks.cxl", "retail-parapet-wall-si.cxl"}) {
    SCOPED_TRACE(example);
    SolvedExample solved(example, true);
    ResultsWindow window(nullptr, solved.session, solved.analysis, solved.design,
                         solved.outcome.design, {});
    int16_t code = -1;
    window.ShowSummaryResults(1, code);
    window.Tabs()->setCurrentIndex(1);
    for (const char* name : {"grdDesign", "grdForces"}) {
      const auto heads = Heads(window.Grid(name));
      std::set<std::string> titles;
      for (const std::string& head : heads) {
        EXPECT_EQ(head.find("ser. ser."), std::string::npos) << head;
        EXPECT_EQ(head.find("ult. ult."), std::string::npos) << head;
        titles.insert(head);
      }
      EXPECT_EQ(titles.size(), heads.size()) << name;
    }
  }
}

TEST(ResultsTextsTest, SectionPropertiesHaveOneFormatWhateverTheMethod) {
  // Working stress and strength design of U.S. walls: Ig with one decimal,
  // S with two, both without an exponent.
  for (const char* example : {"cmu-bearing-wall.cxl", "ibc-strength-wall.cxl"}) {
    SCOPED_TRACE(example);
    SolvedExample solved(example, true);
    ResultsWindow window(nullptr, solved.session, solved.analysis, solved.design,
                         solved.outcome.design, {});
    int16_t code = -1;
    window.ShowSummaryResults(1, code);
    window.Tabs()->setCurrentIndex(1);
    const std::string ig = Property(window.Grid("grdDetails"), "Moment of Inertia");
    const std::string s = Property(window.Grid("grdDetails"), "Section Modulus");
    ASSERT_FALSE(ig.empty());
    EXPECT_EQ(ig.substr(ig.find('|')), "|in^4");
    EXPECT_EQ(ig.find('|') - ig.find('.'), 2u) << ig;
    EXPECT_EQ(s.find('|') - s.find('.'), 3u) << s;
    EXPECT_EQ(ig.find('E'), std::string::npos) << ig;
    // The steel areas above the tables carry the unit the tables use.
    int areaUnits = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
      EXPECT_NE(label->text(), "in.^2");
      areaUnits += label->text() == "in^2" ? 1 : 0;
    }
    EXPECT_EQ(areaUnits, 2);
  }
  calvix::testing::StartedSession started;
  const UnitText us(started.problem().units);
  EXPECT_EQ(SectionPropertyText(us, 366.0, 2), "366.00");
  EXPECT_EQ(SectionPropertyText(us, 1234.56, 4), "1234.6");
  EXPECT_EQ(SectionPropertyText(us, 85.126, 3), "85.13");
}

}  // namespace
}  // namespace calvix
