// The results window: the summary after a solve, the part buttons, the
// reinforcement list and the combination pages, the window's keys, and the
// bars above the size limit of the wall's thickness.
#include "ui/results_window.h"

#include <QHeaderView>
#include <QTabBar>

#include "reports/working_stress_report.h"
#include "ui/interaction_plot.h"
#include "ui/print_dialog.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

std::unique_ptr<ResultsWindow> Open(SolvedExample& example, ResultsWindowActions actions = {}) {
  auto window =
      std::make_unique<ResultsWindow>(nullptr, example.session, example.analysis, example.design,
                                      example.outcome.design, std::move(actions));
  int16_t code = -1;
  window->ShowSummaryResults(1, code);
  EXPECT_EQ(code, 0);
  return window;
}

// The row of `grid` whose first cell is `label`, -1 for none.
int RowOf(QTableWidget* grid, const std::string& label) {
  for (int r = 0; r < grid->rowCount(); ++r) {
    if (Cell(grid, r, 0) == label) return r;
  }
  return -1;
}

TEST(ResultsWindowTest, SummaryOfTheMainWallAfterASolve) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  EXPECT_EQ(window->SummaryCaption()->text(), "MAIN WALL RESULTS:");
  EXPECT_EQ(window->GetInfo(), 1);
  const ReinforcedSummary summary =
      BuildReinforcedSummary(example.problem(), example.analysis, example.design.reinforced, 1);
  QTableWidget* design = window->Grid("grdDesign");
  ASSERT_EQ(design->rowCount(), static_cast<int>(summary.bars.rows.size()));
  for (int c = 0; c < design->columnCount(); ++c) {
    EXPECT_EQ(Cell(design, 0, c), summary.bars.rows[0][static_cast<std::size_t>(c)]);
  }
  EXPECT_EQ(Cell(window->Grid("grdDimensions"), 0, 0), "Wall Height");
  // A two-part label shows on two lines.
  EXPECT_GE(RowOf(window->Grid("grdAnalysis"), "Design Moment,\nMs"), 0);
  // Whole texts: every row shows.
  window->show();
  QApplication::processEvents();
  EXPECT_GE(design->height(),
            design->horizontalHeader()->sizeHint().height() + design->verticalHeader()->length());
}

TEST(ResultsWindowTest, SummarySaysWhichCombinationsThePartWasDesignedFor) {
  // The SI retaining cantilever has no wind rows: 2 and 4 are left out.
  SolvedExample example("retaining-cantilever-si.cxl", true);
  EXPECT_EQ(Open(example)->CombinationsUsed()->text(),
            "Combinations used: 1, 3, 5.   Not used: 2, 4 (no wind load)");
  // A parapet wall with every combination used says so, for each part.
  SolvedExample parapet("warehouse-parapet-all-cases.cxl", true);
  auto both = Open(parapet);
  EXPECT_EQ(both->CombinationsUsed()->text(), "Combinations used: 1, 2, 3, 4, 5");
  both->ClickButton(3);
  EXPECT_EQ(both->GetInfo(), 2);
  EXPECT_EQ(both->CombinationsUsed()->text(), "Combinations used: 1, 2, 3, 4, 5");
}

TEST(ResultsWindowTest, ParapetButtonWithoutAParapetShowsItsMessage) {
  SolvedExample example("ibc-strength-wall.cxl", true);
  auto window = Open(example);
  window->ClickButton(3);
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage(example.platform),
            "Message|Parapet results cannot be displayed.  No parapet\rwas defined in the input "
            "data.");
  EXPECT_EQ(window->SummaryCaption()->text(), "MAIN WALL RESULTS:");
}

TEST(ResultsWindowTest, PartButtonsSwitchReinforcedAndUnreinforcedDesigns) {
  for (bool reinforced : {true, false}) {
    SolvedExample example("cmu-bearing-wall.cxl", reinforced);
    auto window = Open(example);
    window->ClickButton(3);
    EXPECT_EQ(window->SummaryCaption()->text(), "PARAPET WALL RESULTS:");
    EXPECT_EQ(window->GetInfo(), 2);
    const auto entries = RebarEntries(example.problem(), example.design, example.outcome.design, 2);
    ASSERT_EQ(window->RebarList()->count(), static_cast<int>(entries.size()));
    EXPECT_EQ(window->RebarList()->itemText(0).toStdString(), entries[0].text);
    window->ClickButton(2);
    EXPECT_EQ(window->SummaryCaption()->text(), "MAIN WALL RESULTS:");
    EXPECT_TRUE(example.platform.messages.empty());
  }
}

// A bar without an accepted spacing shows N/A and is not offered; a part
// without any spacing has no combination pages.
TEST(ResultsWindowTest, BarsWithoutSpacingAreNotOffered) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  example.design.reinforced.BarSpacing[0][0] = 0.0f;  // #3 of the main wall
  for (float& s : example.design.reinforced.BarSpacing[1]) s = 0.0f;
  auto window = Open(example);
  QStringList row0;
  for (int c = 1; c < window->Grid("grdDesign")->columnCount(); ++c) {
    row0 << QString::fromStdString(Cell(window->Grid("grdDesign"), 0, c)).trimmed();
  }
  EXPECT_TRUE(row0.contains("N/A")) << row0.join("|").toStdString();
  EXPECT_EQ(window->RebarList()->itemData(0).toInt(), 1);
  window->Tabs()->setCurrentIndex(2);
  window->ClickButton(3);
  EXPECT_EQ(window->RebarList()->count(), 0);
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
  for (int tab = 1; tab <= 5; ++tab) EXPECT_FALSE(window->Tabs()->isTabEnabled(tab));
  window->ClickButton(2);
  EXPECT_TRUE(window->Tabs()->isTabEnabled(2));
}

TEST(ResultsWindowTest, AnotherBarRefreshesTheCombinationPage) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  window->Tabs()->setCurrentIndex(2);
  // As furnished = strip width x bar area / s: #3 at 16 in gives
  // 48 x 0.11 / 16 = 0.330 in^2; #4 at 32 in gives 48 x 0.20 / 32 = 0.300.
  ASSERT_EQ(window->RebarList()->itemData(1).toInt(), 1);
  EXPECT_EQ(window->AsRequired()->text(), "0.330");
  EXPECT_EQ(window->AsMinimum()->text(), "0.256");  // 0.0007 x 48 x 7.625
  EXPECT_EQ(window->LoadCombination()->text(), "Load Combination:  1*DL+1*LL+1*WL");
  window->RebarList()->setCurrentIndex(1);
  EXPECT_EQ(window->Tabs()->currentIndex(), 2);
  EXPECT_EQ(window->AsRequired()->text(), "0.300");
  const WorkingStressDetailTables expected = BuildReinforcedDetail(
      example.problem(), example.analysis,
      ComputeReinforcedDetail(example.problem(), example.design.reinforced, 1, 1), 1, 2);
  QTableWidget* details = window->Grid("grdDetails");
  ASSERT_EQ(details->rowCount(), static_cast<int>(expected.properties.size()));
  EXPECT_EQ(Cell(details, 0, 1), expected.properties[0].value);
  // The steel areas above the tables carry the unit the tables use.
  int areaUnits = 0;
  for (QLabel* label : window->findChildren<QLabel*>()) areaUnits += label->text() == "in^2";
  EXPECT_EQ(areaUnits, 2);
}

TEST(ResultsWindowTest, MetricSteelAreasAreWholeSquareMillimetres) {
  // The SI retaining cantilever, 10M at 406.4 mm, combination 1: the same
  // maximum steel as the report's detail page, "2238 mm^2".
  SolvedExample example("retaining-cantilever-si.cxl", true);
  auto window = Open(example);
  window->Tabs()->setCurrentIndex(1);
  ASSERT_EQ(window->RebarList()->currentText(), "10M @ 406.4 mm o.c.");
  QTableWidget* details = window->Grid("grdDetails");
  const int row = RowOf(details, "As max.");
  EXPECT_EQ(Cell(details, row, 1) + " " + Cell(details, row, 2), "2238 mm^2");
  EXPECT_EQ(window->AsRequired()->text(), "300");
}

// Page keys skip switched-off tabs, arrows wrap the rows, Escape returns and
// the buttons reach their actions.
TEST(ResultsWindowTest, KeysAndButtons) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  int prints = 0;
  std::vector<std::array<int, 3>> diagrams;
  auto window = Open(example, {[&prints] { ++prints; },
                               [&diagrams](int part, int combination, int bar) {
                                 diagrams.push_back({part, combination, bar});
                               }});
  window->Tabs()->setTabEnabled(1, false);
  for (auto [key, tab] : {std::pair{Qt::Key_PageDown, 2},
                          {Qt::Key_PageUp, 0},
                          {Qt::Key_PageUp, 5},
                          {Qt::Key_PageDown, 0}}) {
    QTest::keyClick(window.get(), key);
    EXPECT_EQ(window->Tabs()->currentIndex(), tab);
  }
  QTableWidget* design = window->Grid("grdDesign");
  for (auto [key, row] :
       {std::pair{Qt::Key_Down, 0}, {Qt::Key_Up, design->rowCount() - 1}, {Qt::Key_Down, 0}}) {
    QTest::keyClick(window.get(), key);
    EXPECT_EQ(design->currentRow(), row);
  }
  window->Tabs()->setCurrentIndex(0);
  window->ClickButton(1);
  EXPECT_EQ(prints, 1);
  window->ClickButton(4);  // from the summary: 0, the governing combination
  window->Tabs()->setCurrentIndex(3);
  window->RebarList()->setCurrentIndex(1);
  window->ClickButton(4);
  EXPECT_EQ(diagrams, (std::vector<std::array<int, 3>>{{1, 0, 0}, {1, 3, 1}}));
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  // Changed input: the window computes nothing more from the old tables.
  window->show();
  example.problem().Designed = false;  // a field was edited
  window->ClickButton(3);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->SummaryCaption()->text(), "MAIN WALL RESULTS:");
  EXPECT_TRUE(example.platform.messages.empty());
}

// Bars above the size limit of the wall's thickness (IBC 2000 2107.2.4 for
// working stress, 2108.9.2.1 for strength) are shown as not permitted and are
// not offered.
TEST(ResultsWindowTest, BarsAboveTheLimitAreShownNotPermittedAndNeverListed) {
  for (auto [name, clause, limited] :
       {std::tuple{"retail-parapet-wall-si.cxl", "IBC 2000 2107.2.4", QStringList{"30M", "35M"}},
        {"school-gym-parapet-mks.cxl", "IBC 2000 2108.9.2.1", QStringList{"30M", "35M"}},
        {"ibc-strength-wall.cxl", "IBC 2000 2108.9.2.1", QStringList{"#9"}}}) {
    SCOPED_TRACE(name);
    SolvedExample example(name, true);
    auto window = Open(example);
    QTableWidget* grid = window->Grid("grdDesign");
    QStringList shown;
    for (int r = 0; r < grid->rowCount(); ++r) {
      if (!limited.contains(grid->item(r, 0)->text().trimmed())) continue;
      shown << grid->item(r, 0)->text().trimmed();
      EXPECT_EQ(Cell(grid, r, 1), std::string("not permitted, ") + clause);
    }
    EXPECT_EQ(shown, limited);
    ASSERT_GT(window->RebarList()->count(), 0);
    for (int i = 0; i < window->RebarList()->count(); ++i) {
      for (const QString& bar : limited)
        EXPECT_FALSE(window->RebarList()->itemText(i).startsWith(bar));
    }
  }
}

}  // namespace
}  // namespace calvix::ui::testing
