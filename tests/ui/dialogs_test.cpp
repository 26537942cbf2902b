// The dialogs of the main window driven through their controls, and the
// windows that belong to a solve: results, interaction diagram and wall
// picture, opened from the main window's commands.
#include <QCheckBox>

#include "analysis/load_combinations.h"
#include "files/settings.h"
#include "ui/interaction_plot.h"
#include "ui/load_combination_dialog.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

TEST_F(MainWindowTest, LoadCombinationDialogChecksTheSelectionAndTheFactors) {
  LoadCombinationDialog dialog(session(), window.get());
  dialog.show();
  EXPECT_EQ(dialog.findChild<QLabel*>("lblCombinationUse")->text().toStdString(),
            "Each wall part is designed for the selected combinations that carry its loads: 2 "
            "and 4 are left out when there is no wind load, 3 and 5 when the part has no seismic "
            "load. Enter a gravity-only case (for example 0.5 DL + 1.6 LL) as combination 1, "
            "which is always designed for when selected.");
  // A user factor: a number is taken, a decimal comma refused.
  dialog.findChild<QRadioButton*>("OptUserComb")->click();
  auto* box = Indexed<QLineEdit>(&dialog, "LCLF", 7);
  ASSERT_FALSE(box->isReadOnly());
  TypeText(box, "0.7", Qt::Key_Return);
  EXPECT_EQ(box->text().toStdString(), dialog.model().FactorText(7));
  const QString before = box->text();
  TypeText(box, "0,7", Qt::Key_Return);
  EXPECT_EQ(LastMessage(platform).rfind("Not a Number|", 0), 0u);
  EXPECT_EQ(box->text(), before);
  EXPECT_EQ(QString::fromStdString(dialog.model().FactorText(7)), before);
  // OK with nothing ticked ticks all and the dialog stays open.
  platform.messages.clear();
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    auto* tick = Indexed<QCheckBox>(&dialog, "chkLoadComb", k);
    if (tick->isChecked()) tick->click();
  }
  Indexed<QPushButton>(&dialog, "cmdLoadComb", 0)->click();
  EXPECT_EQ(LastMessage(platform),
            "Load Combination Error|Sorry, at least one load combination must be selected.");
  EXPECT_TRUE(dialog.isVisible());
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    EXPECT_TRUE(Indexed<QCheckBox>(&dialog, "chkLoadComb", k)->isChecked()) << k;
    EXPECT_EQ(entry().LoadCombSelected[static_cast<size_t>(k)], 1);
  }
  Indexed<QPushButton>(&dialog, "cmdLoadComb", 0)->click();
  EXPECT_FLOAT_EQ(entry().LoadFactors[7], 0.7f);
  EXPECT_EQ(entry().BuildingCodeComb, "NO");
}

TEST_F(MainWindowTest, PrintBeforeADesignShowsThePrintErrorAndNoDialog) {
  OpenExample("cmu-bearing-wall.cxl");
  window->FilePrint();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage(platform),
            "Print Error...|ERROR:  This problem cannot be printed.  The input data has\r"
            "changed or the wall has not been designed yet.\r\r"
            "Please select \"Design Wall\" from the Solve Menu.");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  window->HelpManual();  // the copied program folder has no manual
  EXPECT_EQ(platform.messages.back().title, "File Error");
}

TEST_F(MainWindowTest, ExampleWallIsSolvedAndItsPictureDrawn) {
  OpenExample("cmu-bearing-wall.cxl");
  window->showResults = nullptr;  // a message tells which design completed
  window->SolveReinforced();
  EXPECT_EQ(platform.messages.back().text, "The reinforced wall has been designed (ACI).");
  // The small picture's value labels: the field texts, each after a space.
  window->wallGraphic()->SetView(WallView::Loads);
  const QStringList labels = window->wallGraphic()->PanelLabels();
  EXPECT_EQ(labels.value(0).toStdString(), " D.L. " + entry().Fields[kFloorDeadField] + " plf");
  EXPECT_TRUE(labels.value(3).startsWith(" W  ")) << labels.value(3).toStdString();
  window->SolveGraphicPlot();
  auto* picture = window->findChild<WallPictureWindow*>("frmWallPicture");
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->isVisible());
}

class SolvedWindowsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    OpenExample("cmu-bearing-wall.cxl");
    window->SolveReinforced();
    platform.messages.clear();
  }
  ResultsWindow* results() { return Visible<ResultsWindow>("frmResults"); }
  PMPlotWindow* diagram() { return Visible<PMPlotWindow>("frmPMPlot"); }
};

TEST_F(SolvedWindowsTest, SolveOpensTheResultsOfTheMainWallAndTheDiagram) {
  EXPECT_EQ(window->statusNote(), "Solved");
  ASSERT_NE(results(), nullptr);
  EXPECT_EQ(results()->SummaryCaption()->text(), "MAIN WALL RESULTS:");
  results()->Tabs()->setCurrentIndex(2);
  results()->ClickButton(4);
  ASSERT_NE(diagram(), nullptr);
  EXPECT_EQ(diagram()->Data().combo, 2);
  EXPECT_EQ(diagram()->Data().curveCount, 2);
  QTest::keyClick(diagram(), Qt::Key_Return);  // closes it and prints nothing
  EXPECT_EQ(diagram(), nullptr);
  // A second solve replaces the window.
  window->SolveReinforced();
  QApplication::processEvents();
  int open = 0;
  for (auto* child : window->findChildren<ResultsWindow*>("frmResults")) open += child->isVisible();
  EXPECT_EQ(open, 1);
}

TEST_F(SolvedWindowsTest, ResultsAndDiagramCloseWhenTheProblemIsUndoneOrReplaced) {
  for (int step = 0; step < 2; ++step) {
    window->SolveReinforced();
    window->openInteractionDiagram(*window, 1, 1, 0);
    ASSERT_TRUE(results() != nullptr && diagram() != nullptr);
    if (step == 0) {
      EnterInto(kWallWeightField, "60");
      window->EditUndo();
    } else {
      window->FileNew();
    }
    EXPECT_TRUE(results() == nullptr && diagram() == nullptr) << step;
  }
}

TEST_F(SolvedWindowsTest, TheDiagramOpensOnTheGoverningCombinationAndOffersTheOthers) {
  window->openInteractionDiagram(*window, 1, 0, 0);
  const int governing = window->design().reinforced.GovCombo[0];
  ASSERT_GE(governing, 1);
  EXPECT_EQ(diagram()->Data().combo, governing);
  QComboBox* list = diagram()->CombinationList();
  EXPECT_EQ(list->count(),
            std::count_if(entry().LoadCombSelected.begin(), entry().LoadCombSelected.end(),
                          [](int on) { return on; }));
  EXPECT_EQ(list->currentData().toInt(), governing);
  int other = list->currentIndex() == 0 ? 1 : 0;
  list->setCurrentIndex(other);
  EXPECT_EQ(diagram()->Data().combo, list->itemData(other).toInt());
  // The strength design draws no diagram.
  OpenExample("ibc-strength-wall.cxl");
  window->SolveReinforced();
  ASSERT_EQ(diagram(), nullptr);
  results()->ClickButton(4);
  EXPECT_EQ(diagram(), nullptr);
}

}  // namespace
}  // namespace calvix::ui::testing
