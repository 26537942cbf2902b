// The File, Edit and Options > Units commands of the main window: the save
// question, Save without a dialog, recent files, undo and redo, and the unit
// change that converts the open problem.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoView>
#include <filesystem>

#include "files/recent_files.h"
#include "files/settings.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "support/started_session.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

void PressKeys(QWidget* window, Qt::Key key,
               Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
  QTest::keyClick(target, key, modifiers);
  QApplication::processEvents();
}

TEST_F(MainWindowTest, AnUnchangedProblemClosesWithoutAQuestion) {
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, EditThenExitAsksAndCancelKeepsTheProgramOpen) {
  EnterInto(kWallWeightField, "55");
  EXPECT_TRUE(window->isWindowModified());
  platform.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Save changes to Untitled?");
  EXPECT_EQ(platform.messages[0].title, "Calvix");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(entry().Fields[kWallWeightField], FieldText(session(), kWallWeightField, 55.0));
  platform.answers = {MessageAnswer::Discard};
  EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, SaveAtTheQuestionWritesTheFileBeforeClosing) {
  EnterInto(kWallWeightField, "55");
  auto file = folder / "closing.cxl";
  platform.answers = {MessageAnswer::Save};
  platform.files = {file};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(MainWindowTest, CtrlSSavesToTheCurrentFileWithoutADialog) {
  auto file = folder / "wall.cxl";
  platform.files = {file};
  EnterInto(kWallWeightField, "55");
  PressKeys(window.get(), Qt::Key_S);
  ASSERT_EQ(platform.dialogs.size(), 1u);  // never saved: asks for the file
  EXPECT_EQ(window->windowTitle().toStdString(), "Calvix - " + file.string() + "[*]");
  EXPECT_FALSE(window->isWindowModified());

  EnterInto(kWallWeightField, "61");
  EXPECT_TRUE(window->isWindowModified());
  PressKeys(window.get(), Qt::Key_S);
  EXPECT_EQ(platform.dialogs.size(), 1u);
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_NE(calvix::testing::ReadBytes(file).find(FieldText(session(), kWallWeightField, 61.0)),
            std::string::npos);
}

TEST_F(MainWindowTest, NewAndOpenAskOnlyAfterAChange) {
  auto file = folder / "kept.cxl";
  platform.files = {file};
  EnterInto(kWallWeightField, "55");
  window->FileSaveAs();
  ASSERT_TRUE(std::filesystem::exists(file));

  EnterInto(kWallWeightField, "60");
  platform.answers = {MessageAnswer::Cancel};
  PressKeys(window.get(), Qt::Key_N);
  EXPECT_EQ(platform.messages.back().text, "Save changes to kept.cxl?");
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(),
            FieldText(session(), kWallWeightField, 60.0));
  platform.answers = {MessageAnswer::Discard};
  window->FileNew();
  calvix::testing::StartedSession reference;
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(),
            reference.entry().Fields[kWallWeightField]);
  EXPECT_EQ(window->windowTitle(), "Calvix[*]");

  // Unchanged: Ctrl+O goes straight to the open dialog.
  size_t before = platform.messages.size();
  platform.files = {file};
  PressKeys(window.get(), Qt::Key_O);
  EXPECT_EQ(platform.messages.size(), before);
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(),
            FieldText(session(), kWallWeightField, 55.0));
  EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MainWindowTest, RecentFilesListTheLastFilesAndOpenThem) {
  // The copied program folder may carry the list of an earlier run.
  SettingsFile settings(session().folder.Settings());
  for (int i = 1; i <= kRecentFileCount; ++i) {
    settings.Write("Recent Files", "File" + std::to_string(i), "");
  }
  for (const char* name : {"a.cxl", "b.cxl"}) {
    platform.files = {folder / name};
    window->FileSaveAs();
  }
  window->FileNew();
  QMenu* recent = window->recentFilesMenu();
  emit recent->aboutToShow();
  QList<QAction*> actions = recent->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), "&1 b.cxl");
  EXPECT_EQ(actions[1]->text(), "&2 a.cxl");
  actions[1]->trigger();
  EXPECT_EQ(session().projectPath, std::filesystem::absolute(folder / "a.cxl"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, UndoAndRedoOfAFieldAnOptionAndAWindCell) {
  std::string weight = entry().Fields[kWallWeightField];
  EnterInto(kWallWeightField, "55");
  window->groutSpacing(1)->click();
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({1, 2});
  QTest::keyClicks(grid->editBox(), "25");
  QTest::keyClick(grid->editBox(), Qt::Key_Return);
  ASSERT_EQ(entry().Wind[0][kWindMagnitude], "25.00");
  EXPECT_EQ(window->history()->stack()->count(), 3);

  window->field(kWallWeightField)->setFocus();
  PressKeys(window.get(), Qt::Key_Z);
  EXPECT_EQ(entry().Wind[0][kWindMagnitude], "");
  EXPECT_EQ(grid->grid()->item(1, 2)->text(), "");
  PressKeys(window.get(), Qt::Key_Z);
  EXPECT_TRUE(window->groutSpacing(0)->isChecked());
  PressKeys(window.get(), Qt::Key_Z);
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(), weight);
  // Back at the state of the start: nothing to save.
  EXPECT_FALSE(window->isWindowModified());
  PressKeys(window.get(), Qt::Key_Y);
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(),
            FieldText(session(), kWallWeightField, 55.0));
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(window->groutSpacing(0)->isChecked());
}

TEST_F(MainWindowTest, ARefusedValueMakesNoUndoStep) {
  EnterInto(kWallHeightField, "12");
  ASSERT_EQ(window->history()->stack()->count(), 1);
  EnterInto(kWallHeightField, "150");  // above the 99 ft limit
  ASSERT_EQ(platform.messages.back().title, "Out of Range");
  EXPECT_EQ(window->history()->stack()->count(), 1);
  window->EditUndo();
  EXPECT_EQ(window->field(kWallHeightField)->text(), "");
}

TEST_F(MainWindowTest, UndoHistoryListsTheEdits) {
  EnterInto(kWallWeightField, "55");
  window->EditUndoHistory();
  auto* view = window->findChild<QUndoView*>(QStringLiteral("lstUndoHistory"));
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->model()->rowCount(), 2);  // the empty state and the edit
  EXPECT_EQ(view->model()->index(1, 0).data().toString().toStdString(),
            EntryFieldName(kWallWeightField));
}

TEST_F(MainWindowTest, UnitChangeConvertsTheOpenProblem) {
  EnterInto(kWallHeightField, "12");
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmUnits");
    Indexed<QRadioButton>(dialog, "optUnits", 1)->click();
    Indexed<QPushButton>(dialog, "cmdUnits", 0)->click();
  });
  platform.answers = {MessageAnswer::Discard};
  window->OptionsUnits();
  EXPECT_EQ(platform.messages.front().text, "Save changes to Untitled?");
  EXPECT_EQ(session().problem.units.UnitsType, 2);
  EXPECT_EQ(window->field(kWallHeightField)->text(), "3.658");  // 12 ft x 0.3048
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_EQ(window->history()->stack()->count(), 0);
}

TEST_F(MainWindowTest, UnitChangeCanStillStartANewProblem) {
  EnterInto(kWallHeightField, "12");
  WhenDialogOpens([](QWidget* dialog) {
    Indexed<QRadioButton>(dialog, "optUnits", 2)->click();
    Indexed<QRadioButton>(dialog, "optUnitChange", 1)->click();
    Indexed<QPushButton>(dialog, "cmdUnits", 0)->click();
  });
  platform.answers = {MessageAnswer::Discard};
  window->OptionsUnits();
  calvix::testing::StartedSession mks(3);
  EXPECT_EQ(session().problem.units.UnitsType, 3);
  EXPECT_EQ(window->field(kWallHeightField)->text().toStdString(),
            mks.entry().Fields[kWallHeightField]);
  EXPECT_FALSE(window->isWindowModified());
}

}  // namespace
}  // namespace calvix::ui::testing
