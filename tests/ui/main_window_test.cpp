// The main window driven as the engineer drives it: typing into fields,
// choosing options, the wind grid, the File commands and leaving.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "files/program_start.h"
#include "files/project_file.h"
#include "model/entry_editing.h"
#include "model/entry_fields.h"
#include "model/errors.h"
#include "model/field_display.h"
#include "model/material_data.h"
#include "support/started_session.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

TEST_F(MainWindowTest, StartsWithTheDefaultProblemUnchanged) {
  EXPECT_EQ(window->objectName(), "frmMain");
  EXPECT_EQ(window->windowTitle(), "Calvix[*]");
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_FALSE(session().problem.DataChanged);
  calvix::testing::StartedSession reference;
  for (int i = 0; i < kEntryFieldCount; ++i) {
    EXPECT_EQ(window->field(i)->text().toStdString(),
              reference.entry().Fields[static_cast<size_t>(i)])
        << "field " << i;
  }
  EXPECT_EQ(window->statusText(1)->text().toStdString(), kPageKeyHint);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, EditingAFieldMarksTheProblemChanged) {
  session().problem.Designed = true;
  TypeInto(kWallWeightField, "55");
  EXPECT_EQ(entry().Fields[kWallWeightField], "55");
  EXPECT_TRUE(window->fieldChangeMark(kWallWeightField));
  EXPECT_TRUE(session().problem.DataChanged);
  EXPECT_FALSE(session().problem.Designed);
  QTest::keyClick(window->field(kWallWeightField), Qt::Key_Return);
  // Leaving the field shows it with its decimals and clears the mark.
  EXPECT_EQ(window->field(kWallWeightField)->text().toStdString(),
            FieldText(session(), kWallWeightField, 55.0));
  EXPECT_FALSE(window->fieldChangeMark(kWallWeightField));
}

TEST_F(MainWindowTest, WallHeightOutOfRangeIsRefusedAndTheOldValueComesBack) {
  EnterInto(kWallHeightField, "12");
  std::string before = FieldText(session(), kWallHeightField, 12.0);
  ASSERT_EQ(entry().Fields[kWallHeightField], before);
  EnterInto(kWallHeightField, "150");
  ASSERT_FALSE(platform.messages.empty());
  const Message& message = platform.messages.back();
  EXPECT_EQ(message.title, "Out of Range");
  EXPECT_EQ(message.text, OutOfRangeText(150.0, session().display.DisplayMin[kWallHeightField],
                                         session().display.DisplayMax[kWallHeightField]));
  EXPECT_EQ(entry().Fields[kWallHeightField], before);
  EXPECT_EQ(window->field(kWallHeightField)->text().toStdString(), before);
}

TEST_F(MainWindowTest, UnderStrengthDesignTheWallHeightAppearsInField14AtOnce) {
  entry().DesignMethod = "IBC-S";
  window->UpdateFieldsAndShow();
  EXPECT_TRUE(window->field(kAddYField)->isReadOnly());
  TypeInto(kWallHeightField, "17.5");
  // Still typing: field 14 already shows the new height.
  EXPECT_EQ(window->field(kAddYField)->text(), "17.5");
  EXPECT_EQ(window->field(kWallHeightField)->text(), "17.5");
}

TEST_F(MainWindowTest, CantileverSpanClearsAndLocksTheParapetFields) {
  SetFieldValue(session(), kParapetHeightField, 3.0);
  SetFieldValue(session(), kParapetThicknessField, 8.0);
  SetFieldValue(session(), kParapetSteelDepthField, 4.0);
  window->ShowProblem();
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmDesignCriteria");
    Indexed<QRadioButton>(dialog, "optSpanType", 1)->click();
    Indexed<QPushButton>(dialog, "cmdDesign", 0)->click();
  });
  window->EditDesignCriteria();
  EXPECT_TRUE(entry().Cantilever);
  EXPECT_EQ(entry().SupportType, "Fixed");
  for (int field : {kParapetHeightField, kParapetThicknessField, kParapetSteelDepthField}) {
    EXPECT_EQ(window->field(field)->text().toStdString(), FieldText(session(), field, 0.0));
    EXPECT_TRUE(window->field(field)->isReadOnly()) << "field " << field;
  }
  // Back to supported top and bottom: still 0, editable again.
  WhenDialogOpens([](QWidget* dialog) {
    Indexed<QRadioButton>(dialog, "optSpanType", 0)->click();
    Indexed<QPushButton>(dialog, "cmdDesign", 0)->click();
  });
  window->EditDesignCriteria();
  EXPECT_FALSE(window->field(kParapetHeightField)->isReadOnly());
  EXPECT_EQ(window->field(kParapetHeightField)->text().toStdString(),
            FieldText(session(), kParapetHeightField, 0.0));
}

TEST_F(MainWindowTest, PartialGroutingIsRefusedForBrick) {
  entry().MasonryMaterial = "Brick";
  window->UpdateFieldsAndShow();
  ASSERT_TRUE(window->groutSpacing(1)->isChecked());
  platform.messages.clear();
  window->groutSpacing(0)->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, PartialGroutingRefusalText());
  EXPECT_TRUE(window->groutSpacing(1)->isChecked());
  EXPECT_FALSE(window->groutSpacing(0)->isChecked());
  EXPECT_EQ(entry().GroutSpacingOption, 1);
}

TEST_F(MainWindowTest, CalculatedFmPrimeIsPutBackWithTheWarningInAutomaticMode) {
  ASSERT_FALSE(entry().UserMasonryData);
  std::string calculated = entry().Fields[kFmPrimeField];
  EnterInto(kFmPrimeField, "2500");
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().title, "Default Masonry Data");
  EXPECT_EQ(platform.messages.back().text, DefaultMasonryDataWarningText());
  EXPECT_EQ(window->field(kFmPrimeField)->text().toStdString(), calculated);
}

TEST_F(MainWindowTest, EnterInAFieldOrAListMovesOn) {
  TypeInto(kWallHeightField, "12");
  QTest::keyClick(window->field(kWallHeightField), Qt::Key_Return);
  EXPECT_TRUE(window->field(kWallThicknessField)->hasFocus());
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  window->siteClassList()->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(window->siteClassList()->hasFocus());
  QTest::keyClick(window->siteClassList(), Qt::Key_Return);
  EXPECT_FALSE(window->siteClassList()->hasFocus());
}

TEST_F(MainWindowTest, PageKeysStepThroughTheFourTabsAndWrap) {
  ASSERT_EQ(window->inputTabs()->currentIndex(), 0);
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(window->inputTabs()->currentIndex(), 1);
  QTest::keyClick(window.get(), Qt::Key_PageUp);
  QTest::keyClick(window.get(), Qt::Key_PageUp);
  EXPECT_EQ(window->inputTabs()->currentIndex(), 3);
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(window->inputTabs()->currentIndex(), 0);
}

TEST_F(MainWindowTest, WindTypeLetterIsStoredInUpperCaseAndTheEditMovesOn) {
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({2, 1});
  QTest::keyClicks(grid->editBox(), "w");
  EXPECT_EQ(entry().Wind[1][kWindType], "W");
  EXPECT_EQ(grid->grid()->item(2, 1)->text(), "W");
  EXPECT_EQ(grid->currentCell(), (WindCell{2, 2}));
  EXPECT_TRUE(session().problem.DataChanged);
}

TEST_F(MainWindowTest, WindStartOf120IsRefusedAndTheBoxHoldsTheOldValue) {
  WindLoadGrid* grid = window->windGrid();
  std::string before = entry().Wind[0][kWindStart];
  grid->StartEdit({1, 3});
  QTest::keyClicks(grid->editBox(), "120");
  QTest::keyClick(grid->editBox(), Qt::Key_Return);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().title, "Out of Range");
  EXPECT_EQ(platform.messages.back().text,
            "Sorry, 120.00 is out of range.\n Acceptable values are between 0.00 and 99.00");
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(grid->editing());
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 3}));
  EXPECT_EQ(grid->editBox()->text().toStdString(), WindEditText(entry(), {1, 3}));
  EXPECT_EQ(entry().Wind[0][kWindStart], before);
}

TEST_F(MainWindowTest, WindMagnitudeIsStoredWithGroupingAndTwoDecimals) {
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({1, 2});
  QTest::keyClicks(grid->editBox(), "1234.5");
  QTest::keyClick(grid->editBox(), Qt::Key_Tab);
  EXPECT_EQ(entry().Wind[0][kWindMagnitude], "1,234.50");
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 3}));
}

TEST_F(MainWindowTest, WindGridKeysMoveBetweenCellsAndOnToTheSiteClass) {
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({5, 2});
  QTest::keyClick(grid->editBox(), Qt::Key_Down);
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 3}));
  QTest::keyClick(grid->editBox(), Qt::Key_Up);
  EXPECT_EQ(grid->currentCell(), (WindCell{5, 2}));
  QTest::keyClicks(grid->editBox(), "12");
  QTest::keyClick(grid->editBox(), Qt::Key_Escape);
  EXPECT_TRUE(grid->editBox()->text().isEmpty());
  grid->StartEdit({5, 4});
  QTest::keyClick(grid->editBox(), Qt::Key_Tab);
  EXPECT_FALSE(grid->editing());
  EXPECT_TRUE(window->siteClassList()->hasFocus());
}

TEST_F(MainWindowTest, WindowPlaceIsKeptBetweenRuns) {
  // Within the 800 x 600 offscreen screen: a larger size would be clamped.
  window->setGeometry(40, 50, 700, 500);
  const QSize kept = window->geometry().size();
  platform.answers = {MessageAnswer::Yes};
  ASSERT_TRUE(window->close());
  MainWindow again(platform, ProgramFolder{folder.path()});
  ASSERT_TRUE(again.StartUp());
  EXPECT_EQ(again.geometry().size(), kept);
}

TEST_F(MainWindowTest, UnexpectedFailureIsReportedWithRoutineAndForm) {
  entry().Fields[kWallWeightField] = "abc";
  window->SolveGraphicPlot();
  ASSERT_FALSE(platform.messages.empty());
  const Message& report = platform.messages.back();
  EXPECT_EQ(report.title, "Error");
  EXPECT_NE(report.text.find("(Error # 13) has occurred.\rThe error occurred in routine  "
                             "\"Menu Solve Item\" of form  \"Main\"."),
            std::string::npos)
      << report.text;
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace calvix::ui::testing
