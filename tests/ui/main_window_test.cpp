// The main window driven as the engineer drives it: typing into fields,
// refused input putting back the old value, options that lock fields, the
// wind grid, the design basis that follows the input, and the keyboard.
#include <QImage>

#include "model/entry_editing.h"
#include "model/errors.h"
#include "model/material_data.h"
#include "model/wind_grid.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

TEST_F(MainWindowTest, StartsWithTheDefaultProblemUnchanged) {
  EXPECT_EQ(window->windowTitle(), "Calvix[*]");
  EXPECT_FALSE(window->isWindowModified());
  StartedSession reference;
  for (int i = 0; i < kEntryFieldCount; ++i) {
    EXPECT_EQ(Shown(i), reference.entry().Fields[static_cast<size_t>(i)]) << "field " << i;
    EXPECT_EQ(window->field(i)->toolTip().toStdString(), FieldToolTip(session(), i)) << i;
  }
  EXPECT_EQ(window->windGrid()->grid()->item(1, 3)->toolTip().toStdString(),
            WindCellToolTip(session().problem.units, 3));
  EXPECT_EQ(window->statusText(1)->text().toStdString(), kPageKeyHint);
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
  EXPECT_EQ(Shown(kWallWeightField), Formatted(kWallWeightField, 55.0));
  EXPECT_FALSE(window->fieldChangeMark(kWallWeightField));
}

// Out of range, or not a plain number (a decimal comma, an exponent, a
// letter O for a zero): the message names the value and the old value stays.
TEST_F(MainWindowTest, RefusedFieldInputPutsBackTheOldValue) {
  // The message: "" for "Not a Number" naming the field.
  for (auto [field, typed, message] :
       {std::tuple{kWallHeightField, "150",
                   "Out of Range|Sorry, 150.00 is out of range.\r Acceptable values are between "
                   "0.00 and 99.00"},
        {kSsField, "-250",  // % of g
         "Out of Range|Sorry, -250.00 is out of range.\r Acceptable values are between 0.00 and "
         "5,000.00"},
        {kFloorDeadField, "1,5", ""},
        {kFloorDeadField, "12,5", ""},
        {kWallHeightField, "1e2", ""},
        {kWallWeightField, "4O", ""}}) {
    SCOPED_TRACE(typed);
    EnterInto(field, "7");
    platform.messages.clear();
    EnterInto(field, typed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(LastMessage(platform),
              *message != 0 ? message : "Not a Number|" + NotANumberText(session(), field, typed));
    EXPECT_EQ(entry().Fields[static_cast<size_t>(field)], Formatted(field, 7.0));
    EXPECT_EQ(Shown(field), Formatted(field, 7.0));
  }
  EnterInto(kSsField, "150");
  EXPECT_EQ(entry().Fields[kSsField], "150.0");
}

TEST_F(MainWindowTest, CantileverSpanClearsAndLocksTheParapetFields) {
  const int parapet[] = {kParapetHeightField, kParapetThicknessField, kParapetSteelDepthField};
  for (int field : parapet) SetFieldValue(session(), field, 3.0);
  window->ShowProblem();
  for (int span : {1, 0}) {  // cantilever, then supported top and bottom
    WhenDialogOpens([span](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "frmDesignCriteria");
      Indexed<QRadioButton>(dialog, "optSpanType", span)->click();
      Indexed<QPushButton>(dialog, "cmdDesign", 0)->click();
    });
    window->EditDesignCriteria();
    EXPECT_EQ(entry().Cantilever, span == 1);
    for (int field : parapet) {
      EXPECT_EQ(Shown(field), Formatted(field, 0.0));
      EXPECT_EQ(window->field(field)->isReadOnly(), span == 1) << "field " << field;
    }
  }
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
  EXPECT_EQ(entry().GroutSpacingOption, 1);
}

TEST_F(MainWindowTest, CalculatedFmPrimeIsPutBackWithTheWarningInAutomaticMode) {
  std::string calculated = entry().Fields[kFmPrimeField];
  EnterInto(kFmPrimeField, "2500");
  EXPECT_EQ(LastMessage(platform), "Default Masonry Data|" + DefaultMasonryDataWarningText());
  EXPECT_EQ(Shown(kFmPrimeField), calculated);
}

// Each step starts an edit of a cell of the first wind row, types and leaves
// with a key; then the edit is in cell `after` and the row holds `magnitude`.
// A refused value shows a message titled `title` and the box holds the old
// value again.
TEST_F(MainWindowTest, WindCellsStoreTheirValuesRefuseWrongOnesAndMoveOn) {
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  WindLoadGrid* grid = window->windGrid();
  for (auto [start, typed, key, after, magnitude, title] :
       {std::tuple{WindCell{1, 1}, "w", Qt::Key_unknown, WindCell{1, 2}, "", ""},  // type letter
        {WindCell{1, 2}, "1234.5", Qt::Key_Tab, WindCell{1, 3}, "1,234.50", ""},
        {WindCell{1, 2}, "12000", Qt::Key_Tab, WindCell{1, 2}, "1,234.50", "Out of Range"},
        {WindCell{1, 2}, "1e2", Qt::Key_Return, WindCell{1, 2}, "1,234.50", "Not a Number"},
        {WindCell{1, 2}, "", Qt::Key_Tab, WindCell{1, 3}, "1,234.50", ""},
        {WindCell{5, 2}, "", Qt::Key_Down, WindCell{1, 3}, "1,234.50", ""},
        {WindCell{1, 3}, "", Qt::Key_Up, WindCell{5, 2}, "1,234.50", ""},
        {WindCell{1, 3}, "120", Qt::Key_Return, WindCell{1, 3}, "1,234.50", "Out of Range"}}) {
    SCOPED_TRACE(typed);
    platform.messages.clear();
    grid->StartEdit(start);
    const QString before = grid->editBox()->text();
    QTest::keyClicks(grid->editBox(), typed);
    if (key != Qt::Key_unknown) {
      if (*typed != 0) EXPECT_EQ(grid->editBox()->text(), typed);  // kept until it is left
      QTest::keyClick(grid->editBox(), key);
    }
    EXPECT_EQ(grid->currentCell(), after);
    EXPECT_EQ(entry().Wind[0][kWindMagnitude], magnitude);
    EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].title, title);
    if (*title != 0) EXPECT_EQ(grid->editBox()->text(), before);
  }
  EXPECT_EQ(entry().Wind[0][kWindType], "W");  // upper case
  EXPECT_EQ(grid->grid()->item(1, 2)->text(), "1,234.50");
  EXPECT_EQ(grid->editBox()->text().toStdString(), WindEditText(entry(), {1, 3}));
  EXPECT_EQ(LastMessage(platform),
            "Out of Range|Sorry, 120.00 is out of range.\n Acceptable values are between 0.00 "
            "and 99.00");
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_TRUE(grid->editing());
  EXPECT_TRUE(session().problem.DataChanged);
}

TEST_F(MainWindowTest, WindEditEndsByEscapeByTabFromTheLastCellOrByAClickElsewhere) {
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  WindLoadGrid* grid = window->windGrid();
  grid->StartEdit({5, 2});
  QTest::keyClicks(grid->editBox(), "12");
  QTest::keyClick(grid->editBox(), Qt::Key_Escape);
  EXPECT_TRUE(grid->editBox()->text().isEmpty());
  grid->StartEdit({5, 4});
  QTest::keyClick(grid->editBox(), Qt::Key_Tab);
  EXPECT_FALSE(grid->editing());
  EXPECT_TRUE(window->siteClassList()->hasFocus());
  QTest::keyClick(window->siteClassList(), Qt::Key_Return);  // Enter moves on
  EXPECT_FALSE(window->siteClassList()->hasFocus());
  // A refused value left by a click elsewhere puts back the load.
  entry().Wind[1] = {"H", "1,200.00", "3.00", "3.00"};
  grid->ShowCells();
  grid->StartEdit({2, 2});
  EXPECT_EQ(grid->editBox()->text(), "1200.00");  // a plain number to edit
  QTest::keyClicks(grid->editBox(), "-12000");
  window->siteClassList()->setFocus(Qt::OtherFocusReason);
  QTest::qWait(20);
  EXPECT_EQ(LastMessage(platform).rfind("Out of Range|", 0), 0u);
  EXPECT_EQ(entry().Wind[1][kWindMagnitude], "1,200.00");
  EXPECT_EQ(grid->editBox()->text(), "1200.00");
}

TEST_F(MainWindowTest, UnexpectedFailureIsReportedWithRoutineAndForm) {
  entry().Fields[kWallWeightField] = "abc";
  window->SolveGraphicPlot();
  EXPECT_EQ(LastMessage(platform).rfind("Error|", 0), 0u);
  EXPECT_NE(LastMessage(platform).find("(Error # 13) has occurred.\rThe error occurred in routine "
                                       " \"Menu Solve Item\" of form  \"Main\"."),
            std::string::npos)
      << LastMessage(platform);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, EnterWalksThroughThePagesAndPageKeysWrap) {
  window->field(kWallHeightField)->setFocus();
  Press(Qt::Key_Return, Qt::NoModifier);
  EXPECT_TRUE(window->field(kWallThicknessField)->hasFocus());
  std::vector<int> pages{window->CurrentPage()};
  for (int presses = 0; presses < 60 && window->CurrentPage() < 2; ++presses) {
    Press(Qt::Key_Return, Qt::NoModifier);
    if (pages.back() != window->CurrentPage()) pages.push_back(window->CurrentPage());
  }
  EXPECT_EQ(pages, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(window->loadTabs()->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), window->field(kSsField));
  // Page Down goes on to Masonry and Materials and wraps to Wall Data.
  for (auto [key, page] : {std::pair{Qt::Key_PageDown, 3},
                           {Qt::Key_PageDown, 4},
                           {Qt::Key_PageDown, 0},
                           {Qt::Key_PageUp, 4}}) {
    Press(key, Qt::NoModifier);
    EXPECT_EQ(window->CurrentPage(), page);
  }
  EXPECT_EQ(window->inputTabs()->currentIndex(), 3);
  // F5 solves from the keyboard (the default problem has no wall height yet).
  Press(Qt::Key_F5, Qt::NoModifier);
  ASSERT_FALSE(platform.messages.empty());
}

TEST_F(MainWindowTest, TabReachesTheOptionGroupsAndEachGroupHasAMnemonic) {
  window->field(kStripWidthField)->setFocus();
  Press(Qt::Key_Tab, Qt::NoModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->reinfLayers(0));
  Press(Qt::Key_Tab, Qt::NoModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->groutSpacing(0));
  window->field(kWallHeightField)->setFocus();
  Press(Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->groutSpacing(0));
  Press(Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->reinfLayers(0));
}

// The height of what is drawn in the sketch part (left 55 %) of the picture.
int DrawnHeight(QWidget* picture) {
  QImage image = picture->grab().toImage();
  int top = image.height();
  int bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width() * 55 / 100; ++x) {
      if (image.pixelColor(x, y).lightness() < 128) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  return bottom - top;
}

TEST_F(MainWindowTest, TheWallPictureGrowsWithTheWindow) {
  window->resize(900, 560);
  QApplication::processEvents();
  int narrow = window->wallGraphic()->width();
  int drawn = DrawnHeight(window->wallGraphic());
  window->resize(1600, 1000);
  QApplication::processEvents();
  EXPECT_GT(window->wallGraphic()->width(), narrow + 100);
  EXPECT_GT(DrawnHeight(window->wallGraphic()), drawn * 5 / 4);
}

}  // namespace
}  // namespace calvix::ui::testing
