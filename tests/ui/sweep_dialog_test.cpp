// Solve > Design Sweep...: free a choice, run, cancel, sort and open a wall.
#include "ui/sweep_dialog.h"

#include <gtest/gtest.h>

#include <QMenuBar>

#include "tests/ui/window_fixture.h"

namespace calvix::ui::testing {
namespace {

class SweepDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    std::filesystem::copy_file(calvix::testing::GeneratedProgramFolder() / kSweepCostFileName,
                               folder.path() / kSweepCostFileName);
    platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/cmu-bearing-wall.cxl");
    window->FileOpen();
    platform.messages.clear();
    dialog = std::make_unique<SweepDialog>(*window, window.get());
    dialog->show();
  }
  void TearDown() override {
    dialog.reset();
    MainWindowTest::TearDown();
  }
  void FreeOnly(std::initializer_list<int> boxes) {
    for (int box = 0; box < kSweepFreeBoxCount; ++box) {
      dialog->freeBox(box)->setChecked(std::find(boxes.begin(), boxes.end(), box) != boxes.end());
    }
  }
  void RunToTheEnd() {
    QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->running());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 60000);
  }
  std::unique_ptr<SweepDialog> dialog;
};

TEST_F(SweepDialogTest, TheSolveMenuOpensTheDialog) {
  auto* action = window->menuBar()->findChild<QAction*>("mnuSolveItem4");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Design &Sweep...");
  WhenDialogOpens([](QWidget* opened) {
    EXPECT_EQ(opened->objectName(), "frmSweep");
    static_cast<QDialog*>(opened)->reject();
  });
  action->trigger();
}

TEST_F(SweepDialogTest, RunsTheFreedGroutingAndOpensAWallWithOneClick) {
  FreeOnly({kFreeGrout, kFreeBars});
  const EntryForm before = entry();
  RunToTheEnd();
  const SweepResult& result = dialog->result();
  EXPECT_EQ(result.walls, 2u);
  ASSERT_FALSE(result.passing.empty());
  EXPECT_EQ(dialog->table()->rowCount(), static_cast<int>(result.passing.size()));
  EXPECT_EQ(dialog->progressBar()->value(), 2);
  EXPECT_TRUE(dialog->summary()->text().startsWith(
      QStringLiteral("%1 passing candidates from 2 of 2 walls solved.")
          .arg(result.passing.size())));
  EXPECT_EQ(entry(), before);  // the sweep leaves the open problem alone

  // Sorted by cost, most expensive first: the last ranked wall heads the table.
  const int costColumn = 1 + kSweepCost;
  dialog->table()->sortByColumn(costColumn, Qt::DescendingOrder);
  const SweepCandidate& dearest = result.passing.back();
  EXPECT_EQ(dialog->table()->item(0, 0)->text(), QString::number(result.passing.size()));
  QTableWidgetItem* open = dialog->table()->item(0, SweepDialog::OpenColumn());
  EXPECT_EQ(open->text(), "Open");
  dialog->table()->scrollToItem(open);
  QTest::mouseClick(dialog->table()->viewport(), Qt::LeftButton, {},
                    dialog->table()->visualItemRect(open).center());
  EXPECT_EQ(dialog->result().passing.size(), result.passing.size());
  EXPECT_EQ(entry().GroutSpacingOption, dearest.point.groutOption);
  EXPECT_EQ(window->groutSpacing(dearest.point.groutOption)->isChecked(), true);
  EXPECT_TRUE(session().problem.DataChanged);
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SweepDialogTest, CancelStopsTheSweepAndKeepsTheDialogUsable) {
  FreeOnly({kFreeThickness, kFreeGrout, kFreeLayers, kFreeStrength, kFreeBars});
  QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->runButton()->isEnabled());
  EXPECT_TRUE(dialog->cancelButton()->isEnabled());
  QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 60000);
  EXPECT_TRUE(dialog->result().cancelled);
  EXPECT_LT(dialog->result().solved, dialog->result().walls);
  EXPECT_TRUE(dialog->summary()->text().contains(", cancelled."));
  EXPECT_TRUE(dialog->runButton()->isEnabled());
  EXPECT_FALSE(dialog->cancelButton()->isEnabled());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SweepDialogTest, AnInvalidProblemIsReportedAndNotSwept) {
  entry().Fields[kWallSteelDepthField] = "0.5";
  QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->running());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Depth To Center of Steel cannot\rbe less than Face Shell Thickness");
  EXPECT_EQ(dialog->table()->rowCount(), 0);
}

}  // namespace
}  // namespace calvix::ui::testing
