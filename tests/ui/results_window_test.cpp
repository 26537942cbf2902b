// The results window: the summary after a solve, the part buttons, the
// reinforcement list and the combination pages, and the window's keys.
#include "ui/results_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include "reports/working_stress_report.h"
#include "tests/ui/print_test_support.h"
#include "ui/print_dialog.h"

namespace calvix {
namespace {

using testing::SolvedExample;

std::unique_ptr<ResultsWindow> Open(SolvedExample& example, ResultsWindowActions actions = {}) {
  auto window =
      std::make_unique<ResultsWindow>(nullptr, example.session, example.analysis, example.design,
                                      example.outcome.design, std::move(actions));
  int16_t code = -1;
  window->ShowSummaryResults(1, code);
  EXPECT_EQ(code, 0);
  return window;
}

std::string Cell(QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item == nullptr ? "" : item->text().toStdString();
}

TEST(ResultsWindowTest, TwoPartCellTexts) {
  EXPECT_EQ(LeftStr("Design Moment,|Ms"), "Design Moment,");
  EXPECT_EQ(RightStr("Design Moment,|Ms"), "Ms");
  EXPECT_EQ(LeftStr("Load Combination"), "Load Combination");
  EXPECT_EQ(RightStr("Load Combination"), "");
}

TEST(ResultsWindowTest, SummaryOfTheMainWallAfterASolve) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  EXPECT_EQ(window->SummaryCaption()->text().toStdString(), "MAIN WALL RESULTS:");
  EXPECT_EQ(window->GetInfo(), 1);
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
  const ReinforcedSummary summary =
      BuildReinforcedSummary(example.problem(), example.analysis, example.design.reinforced, 1);
  QTableWidget* design = window->Grid("grdDesign");
  ASSERT_EQ(design->rowCount(), static_cast<int>(summary.bars.rows.size()));
  for (int c = 0; c < design->columnCount(); ++c) {
    EXPECT_EQ(Cell(design, 0, c), summary.bars.rows[0][static_cast<std::size_t>(c)]);
  }
  EXPECT_EQ(Cell(window->Grid("grdDimensions"), 0, 0), "Wall Height");
  // A two-part label shows on two lines.
  QTableWidget* analysis = window->Grid("grdAnalysis");
  bool twoLines = false;
  for (int r = 0; r < analysis->rowCount(); ++r) {
    twoLines = twoLines || Cell(analysis, r, 0) == "Design Moment,\nMs";
  }
  EXPECT_TRUE(twoLines);
  // Whole texts: every row shows, and every column is at least as wide as
  // its widest text.
  window->show();
  QApplication::processEvents();
  EXPECT_GE(design->height(),
            design->horizontalHeader()->sizeHint().height() + design->verticalHeader()->length());
  for (int c = 0; c < design->columnCount(); ++c) {
    const QFontMetrics metrics(design->font());
    EXPECT_GE(design->columnWidth(c), metrics.horizontalAdvance(design->item(0, c)->text()));
  }
}

TEST(ResultsWindowTest, SummarySaysWhichCombinationsThePartWasDesignedFor) {
  // The SI retaining cantilever has no wind rows: 2 and 4 are left out.
  SolvedExample example("retaining-cantilever-si.cxl", true);
  auto window = Open(example);
  EXPECT_EQ(window->CombinationsUsed()->text().toStdString(),
            "Combinations used: 1, 3, 5.   Not used: 2, 4 (no wind load)");
  // A parapet wall with every combination used says so, for each part.
  SolvedExample parapet("warehouse-parapet-all-cases.cxl", true);
  auto both = Open(parapet);
  EXPECT_EQ(both->CombinationsUsed()->text().toStdString(), "Combinations used: 1, 2, 3, 4, 5");
  both->ClickButton(3);
  EXPECT_EQ(both->GetInfo(), 2);
  EXPECT_EQ(both->CombinationsUsed()->text().toStdString(), "Combinations used: 1, 2, 3, 4, 5");
}

TEST(ResultsWindowTest, ParapetButtonWithoutAParapetShowsItsMessage) {
  SolvedExample example("ibc-strength-wall.cxl", true);
  auto window = Open(example);
  window->ClickButton(3);
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Message");
  EXPECT_EQ(example.platform.messages[0].text,
            "Parapet results cannot be displayed.  No parapet\rwas defined in the input data.");
  EXPECT_EQ(window->SummaryCaption()->text().toStdString(), "MAIN WALL RESULTS:");
}

TEST(ResultsWindowTest, PartButtonsSwitchReinforcedAndUnreinforcedDesigns) {
  for (bool reinforced : {true, false}) {
    SolvedExample example("cmu-bearing-wall.cxl", reinforced);
    auto window = Open(example);
    window->ClickButton(3);
    EXPECT_EQ(window->SummaryCaption()->text().toStdString(), "PARAPET WALL RESULTS:");
    EXPECT_EQ(window->GetInfo(), 2);
    const auto entries = RebarEntries(example.problem(), example.design, example.outcome.design, 2);
    ASSERT_EQ(window->RebarList()->count(), static_cast<int>(entries.size()));
    EXPECT_EQ(window->RebarList()->itemText(0).toStdString(), entries[0].text);
    window->ClickButton(2);
    EXPECT_EQ(window->SummaryCaption()->text().toStdString(), "MAIN WALL RESULTS:");
    EXPECT_TRUE(example.platform.messages.empty());
  }
}

TEST(ResultsWindowTest, BarWithoutSpacingShowsNAAndIsNotOffered) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  example.design.reinforced.BarSpacing[0][0] = 0.0f;  // #3 without an accepted spacing
  auto window = Open(example);
  QTableWidget* design = window->Grid("grdDesign");
  bool na = false;
  for (int c = 1; c < design->columnCount(); ++c) {
    na = na || QString::fromStdString(Cell(design, 0, c)).trimmed() == "N/A";
  }
  EXPECT_TRUE(na);
  for (int i = 0; i < window->RebarList()->count(); ++i) {
    EXPECT_NE(window->RebarList()->itemData(i).toInt(), 0);
  }
  EXPECT_EQ(window->RebarList()->itemData(0).toInt(), 1);
}

TEST(ResultsWindowTest, AnotherBarRefreshesTheCombinationPage) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  window->Tabs()->setCurrentIndex(2);
  ASSERT_GE(window->RebarList()->count(), 2);
  const int bar0 = window->RebarList()->itemData(0).toInt();
  const int bar1 = window->RebarList()->itemData(1).toInt();
  // As furnished = strip width x bar area / s: #3 at 16 in gives
  // 48 x 0.11 / 16 = 0.330 in^2; #4 at 32 in gives 48 x 0.20 / 32 = 0.300.
  ASSERT_EQ(bar0, 0);
  ASSERT_EQ(bar1, 1);
  EXPECT_EQ(window->AsRequired()->text().toStdString(), "0.330");
  EXPECT_EQ(window->AsMinimum()->text().toStdString(), "0.256");  // 0.0007 x 48 x 7.625
  EXPECT_EQ(window->LoadCombination()->text().toStdString(), "Load Combination:  1*DL+1*LL+1*WL");
  window->RebarList()->setCurrentIndex(1);
  EXPECT_EQ(window->Tabs()->currentIndex(), 2);
  EXPECT_EQ(window->AsRequired()->text().toStdString(), "0.300");
  const WorkingStressDetailTables expected = BuildReinforcedDetail(
      example.problem(), example.analysis,
      ComputeReinforcedDetail(example.problem(), example.design.reinforced, bar1, 1), 1, 2);
  QTableWidget* details = window->Grid("grdDetails");
  ASSERT_EQ(details->rowCount(), static_cast<int>(expected.properties.size()));
  EXPECT_EQ(Cell(details, 0, 1), expected.properties[0].value);
}

TEST(ResultsWindowTest, MetricSteelAreasAreWholeSquareMillimetres) {
  // The SI retaining cantilever, 10M at 406.4 mm, combination 1: the same
  // maximum steel as the report's detail page, "2238 mm^2".
  SolvedExample example("retaining-cantilever-si.cxl", true);
  auto window = Open(example);
  window->Tabs()->setCurrentIndex(1);
  ASSERT_GE(window->RebarList()->count(), 1);
  ASSERT_EQ(window->RebarList()->currentText().toStdString(), "10M @ 406.4 mm o.c.");
  QTableWidget* details = window->Grid("grdDetails");
  int row = -1;
  for (int r = 0; r < details->rowCount(); ++r) {
    if (Cell(details, r, 0) == "As max.") row = r;
  }
  ASSERT_GE(row, 0);
  EXPECT_EQ(Cell(details, row, 1), "2238");
  EXPECT_EQ(Cell(details, row, 2), "mm^2");
  EXPECT_EQ(window->AsRequired()->text().toStdString(), "300");
}

TEST(ResultsWindowTest, PageKeysSkipSwitchedOffTabsAndArrowsWrapTheRows) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  window->Tabs()->setTabEnabled(1, false);
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(window->Tabs()->currentIndex(), 2);
  QTest::keyClick(window.get(), Qt::Key_PageUp);
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
  QTest::keyClick(window.get(), Qt::Key_PageUp);
  EXPECT_EQ(window->Tabs()->currentIndex(), 5);
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);

  QTableWidget* design = window->Grid("grdDesign");
  QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(design->currentRow(), 0);
  QTest::keyClick(window.get(), Qt::Key_Up);
  EXPECT_EQ(design->currentRow(), design->rowCount() - 1);
  QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(design->currentRow(), 0);
  // Keys reach the window's handler from the grids too.
  QTest::keyClick(design, Qt::Key_PageDown);
  EXPECT_EQ(window->Tabs()->currentIndex(), 2);
}

TEST(ResultsWindowTest, EscapeReturnsAndTheButtonsReachTheirActions) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  int prints = 0;
  std::vector<std::array<int, 3>> diagrams;
  auto window = Open(example, {[&prints] { ++prints; },
                               [&diagrams](int part, int combination, int bar) {
                                 diagrams.push_back({part, combination, bar});
                               }});
  window->ClickButton(1);
  EXPECT_EQ(prints, 1);
  window->ClickButton(4);  // from the summary: 0, the governing combination
  window->Tabs()->setCurrentIndex(3);
  window->RebarList()->setCurrentIndex(1);
  window->ClickButton(4);
  ASSERT_EQ(diagrams.size(), 2u);
  EXPECT_EQ(diagrams[0], (std::array<int, 3>{1, 0, 0}));
  EXPECT_EQ(diagrams[1], (std::array<int, 3>{1, 3, 1}));
  ASSERT_TRUE(window->isVisible());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST(ResultsWindowTest, ChangedInputComputesNothingMoreFromTheOldTables) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto window = Open(example);
  window->show();
  example.problem().Designed = false;  // a field was edited
  window->ClickButton(3);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->SummaryCaption()->text().toStdString(), "MAIN WALL RESULTS:");
  EXPECT_TRUE(example.platform.messages.empty());
}

TEST(ResultsWindowTest, PartWithoutAnySpacingHasNoCombinationPages) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  for (float& s : example.design.reinforced.BarSpacing[1]) s = 0.0f;
  auto window = Open(example);
  window->Tabs()->setCurrentIndex(2);
  window->ClickButton(3);
  EXPECT_EQ(window->RebarList()->count(), 0);
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
  for (int tab = 1; tab <= 5; ++tab) EXPECT_FALSE(window->Tabs()->isTabEnabled(tab));
  window->ClickButton(2);
  EXPECT_TRUE(window->Tabs()->isTabEnabled(2));
}

}  // namespace
}  // namespace calvix
