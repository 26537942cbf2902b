// The File, Edit and Options > Units commands of the main window: the save
// question, Save without a dialog, undo and redo, the unit
// change that converts the open problem.
#include "files/settings.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

TEST_F(MainWindowTest, EditThenExitAsksAndCancelKeepsTheProgramOpen) {
  EXPECT_TRUE(window->close());  // unchanged: no question
  EXPECT_TRUE(platform.messages.empty());
  window->show();
  EnterInto(kWallWeightField, "55");
  EXPECT_TRUE(window->isWindowModified());
  platform.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage(platform), "Calvix|Save changes to Untitled?");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(entry().Fields[kWallWeightField], Formatted(kWallWeightField, 55.0));
  // Save at the question writes the file before closing.
  platform.answers = {MessageAnswer::Save};
  platform.files = {folder / "closing.cxl"};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(std::filesystem::exists(folder / "closing.cxl"));
}

// Ctrl+S saves to the current file without a dialog; New and Open ask only
// after a change.
TEST_F(MainWindowTest, SaveNewAndOpenCommands) {
  auto file = folder / "kept.cxl";
  platform.files = {file};
  EnterInto(kWallWeightField, "55");
  Press(Qt::Key_S);
  ASSERT_EQ(platform.dialogs.size(), 1u);  // never saved: asks for the file
  EXPECT_EQ(window->windowTitle().toStdString(), "Calvix - " + file.string() + "[*]");
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->statusNote(), "Saved kept.cxl");
  EnterInto(kWallWeightField, "61");
  EXPECT_TRUE(window->isWindowModified());
  Press(Qt::Key_S);
  EXPECT_EQ(platform.dialogs.size(), 1u);
  EXPECT_FALSE(window->isWindowModified());

  EnterInto(kWallWeightField, "60");
  platform.answers = {MessageAnswer::Cancel};
  Press(Qt::Key_N);
  EXPECT_EQ(platform.messages.back().text, "Save changes to kept.cxl?");
  EXPECT_EQ(Shown(kWallWeightField), Formatted(kWallWeightField, 60.0));
  platform.answers = {MessageAnswer::Discard};
  window->FileNew();
  EXPECT_EQ(Shown(kWallWeightField), StartedSession().entry().Fields[kWallWeightField]);
  EXPECT_EQ(window->windowTitle(), "Calvix[*]");
  // Unchanged: Ctrl+O goes straight to the open dialog.
  size_t before = platform.messages.size();
  platform.files = {file};
  Press(Qt::Key_O);
  EXPECT_EQ(platform.messages.size(), before);
  EXPECT_EQ(Shown(kWallWeightField), Formatted(kWallWeightField, 61.0));
  EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MainWindowTest, UndoAndRedoOfAFieldAnOptionAndAWindCell) {
  std::string weight = entry().Fields[kWallWeightField];
  EnterInto(kWallWeightField, "55");
  EnterInto(kWallWeightField, "12000");  // refused, above 9999: no undo step
  ASSERT_EQ(platform.messages.back().title, "Out of Range");
  EXPECT_EQ(window->history()->stack()->count(), 1);
  window->groutSpacing(1)->click();
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({1, 2});
  QTest::keyClicks(grid->editBox(), "25");
  QTest::keyClick(grid->editBox(), Qt::Key_Return);
  ASSERT_EQ(entry().Wind[0][kWindMagnitude], "25.00");
  EXPECT_EQ(window->history()->stack()->count(), 3);
  window->field(kWallWeightField)->setFocus();
  Press(Qt::Key_Z);
  EXPECT_EQ(entry().Wind[0][kWindMagnitude], "");
  EXPECT_EQ(grid->grid()->item(1, 2)->text(), "");
  Press(Qt::Key_Z);
  EXPECT_TRUE(window->groutSpacing(0)->isChecked());
  Press(Qt::Key_Z);
  EXPECT_EQ(Shown(kWallWeightField), weight);
  // Back at the state of the start: nothing to save.
  EXPECT_FALSE(window->isWindowModified());
  Press(Qt::Key_Y);
  EXPECT_EQ(Shown(kWallWeightField), Formatted(kWallWeightField, 55.0));
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(window->groutSpacing(0)->isChecked());
}

// Options > Units: converting the open problem, or starting a new one in the
// chosen units.
TEST_F(MainWindowTest, UnitChangeConvertsTheOpenProblemOrStartsANewOne) {
  for (int change : {0, 1}) {
    SCOPED_TRACE(change);
    EnterInto(kWallHeightField, "12");
    const int units = change == 0 ? 1 : 2;  // SI, or MKS
    WhenDialogOpens([units, change](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "frmUnits");
      Indexed<QRadioButton>(dialog, "optUnits", units)->click();
      Indexed<QRadioButton>(dialog, "optUnitChange", change)->click();
      Indexed<QPushButton>(dialog, "cmdUnits", 0)->click();
    });
    platform.answers = {MessageAnswer::Discard};
    platform.messages.clear();
    window->OptionsUnits();
    EXPECT_EQ(platform.messages.front().text, "Save changes to Untitled?");
    EXPECT_EQ(session().problem.units.UnitsType, units + 1);
    EXPECT_EQ(window->history()->stack()->count(), 0);
    EXPECT_EQ(window->isWindowModified(), change == 0);
    if (change == 0) EXPECT_EQ(window->field(kWallHeightField)->text(), "3.658");  // 12 x 0.3048
  }
  EXPECT_EQ(Shown(kWallHeightField), StartedSession(3).entry().Fields[kWallHeightField]);
}

}  // namespace
}  // namespace calvix::ui::testing
