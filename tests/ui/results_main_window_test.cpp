// The results window, the print command, the interaction diagram and the
// manual reached from the main window's commands.
#include <gtest/gtest.h>

#include <QImage>
#include <QTabBar>

#include "tests/ui/window_fixture.h"
#include "ui/interaction_plot.h"
#include "ui/results_window.h"

namespace calvix::ui::testing {
namespace {

class ResultsFromMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ConnectReportWindows(*window);
  }
  void OpenExample(const char* name) {
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name);
    window->FileOpen();
    platform.messages.clear();
  }
};

TEST_F(ResultsFromMainWindowTest, PrintBeforeADesignShowsThePrintError) {
  OpenExample("cmu-bearing-wall.cxl");
  window->FilePrint();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Print Error...");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ResultsFromMainWindowTest, SolveOpensTheResultsOfTheMainWallAndTheDiagram) {
  OpenExample("cmu-bearing-wall.cxl");
  window->SolveReinforced();
  auto* results = window->findChild<ResultsWindow*>("frmResults");
  ASSERT_NE(results, nullptr);
  EXPECT_TRUE(results->isVisible());
  EXPECT_EQ(results->SummaryCaption()->text().toStdString(), "MAIN WALL RESULTS:");
  results->Tabs()->setCurrentIndex(2);
  results->ClickButton(4);
  auto* plot = window->findChild<PMPlotWindow*>("frmPMPlot");
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->Data().combo, 2);
  EXPECT_EQ(plot->Data().curveCount, 2);

  // A second solve replaces the window.
  window->SolveReinforced();
  QApplication::processEvents();
  int open = 0;
  for (auto* child : window->findChildren<ResultsWindow*>("frmResults")) {
    open += child->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(open, 1);
}

TEST_F(ResultsFromMainWindowTest, PicturesForTheScreenshotTool) {
  OpenExample("cmu-bearing-wall.cxl");
  const QString dir = QString::fromStdString(folder.path().string());
  SaveReportWindowPictures(*window, dir, "cmu-");
  for (const char* name :
       {"cmu-results-summary.png", "cmu-results-load-case.png", "cmu-interaction-diagram.png"}) {
    QImage image(dir + "/" + name);
    EXPECT_FALSE(image.isNull()) << name;
    EXPECT_GT(image.width(), 500) << name;
  }
}

TEST_F(ResultsFromMainWindowTest, StrengthDesignHasNoInteractionDiagram) {
  OpenExample("ibc-strength-wall.cxl");
  window->SolveReinforced();
  auto* results = window->findChild<ResultsWindow*>("frmResults");
  ASSERT_NE(results, nullptr);
  results->ClickButton(4);
  EXPECT_EQ(window->findChild<PMPlotWindow*>("frmPMPlot"), nullptr);
}

TEST_F(ResultsFromMainWindowTest, ManualMissingFromTheProgramFolderIsReported) {
  window->HelpManual();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "File Error");
}

}  // namespace
}  // namespace calvix::ui::testing
