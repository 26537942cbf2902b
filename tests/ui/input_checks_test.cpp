// Nothing typed is lost or changed without a word: a refused wind value puts
// back the value it replaced, a text that is not a plain number is refused
// with a message and the old value stays, and quantities that cannot be
// negative refuse a negative value.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/design_basis.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "model/wind_grid.h"
#include "ui/load_combination_dialog.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

TEST_F(MainWindowTest, RefusedWindMagnitudePutsBackTheValueAndKeepsTheCell) {
  entry().Wind[0] = {"W", "25.00", "0.00", "12.00"};
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  WindLoadGrid* grid = window->windGrid();
  grid->ShowCells();
  grid->StartEdit({1, 2});
  QTest::keyClicks(grid->editBox(), "12000");
  QTest::keyClick(grid->editBox(), Qt::Key_Tab);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Out of Range");
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 2}));
  EXPECT_EQ(grid->editBox()->text(), "25.00");
  EXPECT_TRUE(grid->editBox()->hasFocus());
  // Leaving the cell now keeps the load that was there.
  QTest::keyClick(grid->editBox(), Qt::Key_Tab);
  EXPECT_EQ(entry().Wind[0][kWindMagnitude], "25.00");
  EXPECT_EQ(grid->grid()->item(1, 2)->text(), "25.00");
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 3}));
}

TEST_F(MainWindowTest, RefusedWindValueIsKeptWhenTheFocusGoesElsewhere) {
  entry().Wind[1] = {"H", "1,200.00", "3.00", "3.00"};
  window->SelectTab(1);
  window->loadTabs()->setCurrentIndex(1);
  WindLoadGrid* grid = window->windGrid();
  grid->ShowCells();
  grid->StartEdit({2, 2});
  EXPECT_EQ(grid->editBox()->text(), "1200.00");  // a plain number to edit
  QTest::keyClicks(grid->editBox(), "-12000");
  window->siteClassList()->setFocus(Qt::OtherFocusReason);
  QTest::qWait(20);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(entry().Wind[1][kWindMagnitude], "1,200.00");
  EXPECT_EQ(grid->editBox()->text(), "1200.00");
}

TEST_F(MainWindowTest, WindMagnitudeTypedWithAnExponentIsRefusedNotJoined) {
  entry().Wind[0] = {"W", "25.00", "0.00", "12.00"};
  WindLoadGrid* grid = window->windGrid();
  grid->ShowCells();
  grid->StartEdit({1, 2});
  QTest::keyClicks(grid->editBox(), "1e2");
  EXPECT_EQ(grid->editBox()->text(), "1e2");
  QTest::keyClick(grid->editBox(), Qt::Key_Return);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Not a Number");
  EXPECT_EQ(entry().Wind[0][kWindMagnitude], "25.00");
  EXPECT_EQ(grid->editBox()->text(), "25.00");
  EXPECT_EQ(grid->currentCell(), (WindCell{1, 2}));
}

TEST_F(MainWindowTest, DecimalCommaInALoadFieldIsRefusedAndTheOldValueStays) {
  struct Case {
    int field;
    const char* typed;
  };
  for (const Case& c : {Case{kFloorDeadField, "1,5"}, Case{kFloorDeadField, "12,5"},
                        Case{kWallHeightField, "1e2"}, Case{kWallWeightField, "4O"}}) {
    EnterInto(c.field, "7");
    platform.messages.clear();
    std::string before = entry().Fields[static_cast<size_t>(c.field)];
    ASSERT_EQ(before, FieldText(session(), c.field, 7.0));
    EnterInto(c.field, c.typed);
    ASSERT_EQ(platform.messages.size(), 1u) << c.typed;
    EXPECT_EQ(platform.messages[0].title, "Not a Number");
    EXPECT_EQ(platform.messages[0].text, NotANumberText(session(), c.field, c.typed));
    EXPECT_NE(platform.messages[0].text.find(EntryFieldName(c.field)), std::string::npos);
    EXPECT_EQ(entry().Fields[static_cast<size_t>(c.field)], before) << c.typed;
    EXPECT_EQ(window->field(c.field)->text().toStdString(), before) << c.typed;
  }
}

TEST_F(MainWindowTest, EveryCharacterTypedStaysInTheFieldUntilItIsLeft) {
  TypeInto(kWallHeightField, "1e2");
  EXPECT_EQ(window->field(kWallHeightField)->text(), "1e2");
}

TEST_F(MainWindowTest, NegativeSpectralAccelerationIsRefusedAndShownAsPercentOfG) {
  std::string before = entry().Fields[kSsField];
  EnterInto(kSsField, "-250");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Out of Range");
  EXPECT_EQ(platform.messages[0].text, OutOfRangeText(-250.0, 0.0, 5000.0));
  EXPECT_EQ(window->field(kSsField)->text().toStdString(), before);
  bool shown = false;
  for (QLabel* label : window->findChildren<QLabel*>()) shown |= label->text() == "% of g";
  EXPECT_TRUE(shown);
  EnterInto(kSsField, "150");
  EXPECT_EQ(entry().Fields[kSsField], "150.0");
}

TEST_F(MainWindowTest, LoadFactorBoxRefusesTextThatIsNotANumber) {
  LoadCombinationDialog dialog(session(), window.get());
  dialog.show();
  dialog.findChild<QRadioButton*>("OptUserComb")->click();
  auto* box = Indexed<QLineEdit>(&dialog, "LCLF", 7);
  ASSERT_FALSE(box->isReadOnly());
  QString before = box->text();
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, "0,7");
  QTest::keyClick(box, Qt::Key_Return);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().title, "Not a Number");
  EXPECT_EQ(box->text(), before);
  EXPECT_EQ(QString::fromStdString(dialog.model().FactorText(7)), before);
}

TEST_F(MainWindowTest, DesignBasisFollowsTheInputAsItIsTyped) {
  DesignBasisPanel* basis = window->designBasis();
  ASSERT_NE(basis, nullptr);
  EXPECT_EQ(basis->methodLabel()->text().toStdString(), DesignMethodName(entry().DesignMethod));
  entry().UseGroup = "I";
  entry().S1Class = "< 0.75 g";
  window->siteClassList()->setCurrentIndex(window->siteClassList()->findText("Class D"));
  emit window->siteClassList()->activated(window->siteClassList()->currentIndex());
  EXPECT_EQ(entry().SiteClass, "Class D");
  // Typed, not yet left: 150 % of g on site class D is SDS = 1.0, category D.
  TypeInto(kSsField, "150");
  EXPECT_EQ(basis->categoryLabel()->text(), "Category D");
  EXPECT_EQ(basis->faLabel()->text(), "1.00");
  TypeInto(kSsField, "20");
  EXPECT_EQ(basis->categoryLabel()->text(), "Category B");  // SDS = 2/3 x 1.6 x 0.2 = 0.213
  EXPECT_EQ(basis->faLabel()->text(), "1.60");
}

TEST_F(MainWindowTest, EveryEntryFieldAndWindCellHasAToolTipWithItsRange) {
  for (int i = 0; i < kEntryFieldCount; ++i) {
    EXPECT_EQ(window->field(i)->toolTip().toStdString(), FieldToolTip(session(), i)) << i;
  }
  EXPECT_EQ(window->windGrid()->grid()->item(1, 3)->toolTip().toStdString(),
            WindCellToolTip(session().problem.units, 3));
}

}  // namespace
}  // namespace calvix::ui::testing
