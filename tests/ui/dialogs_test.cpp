// The dialogs of the main window and the wall picture, driven through their
// controls.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/load_combinations.h"
#include "files/settings.h"
#include "model/entry_fields.h"
#include "model/material_data.h"
#include "ui/load_combination_dialog.h"
#include "ui/wall_picture.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

std::filesystem::path Example(const char* name) {
  return std::filesystem::path(CALVIX_SOURCE_DIR) / "examples" / name;
}

TEST_F(MainWindowTest, PartiallyFixedBaseStoresThePercentTyped) {
  WhenDialogOpens([](QWidget* dialog) {
    auto* partially = dialog->findChild<QRadioButton*>("optPartiallyFixed");
    auto* percent = dialog->findChild<QLineEdit*>("dbPercentFixed");
    partially->setFocus();
    partially->click();
    EXPECT_TRUE(percent->isEnabled());
    percent->setFocus();
    percent->selectAll();
    QTest::keyClicks(percent, "37");
    Indexed<QPushButton>(dialog, "cmdDesign", 0)->click();
  });
  window->EditDesignCriteria();
  EXPECT_EQ(entry().SupportType, "Partially Fixed");
  EXPECT_EQ(entry().PercentFixed, 37);
  EXPECT_TRUE(session().problem.DataChanged);
  // OK keeps the start-up option in the settings file.
  const SettingsFile settings(session().folder.Settings());
  EXPECT_EQ(ReadShowDesignCriteria(settings), session().problem.ShowDesignCriteria);
  EXPECT_FALSE(settings.Read("Design Criteria", "ShowDesignCriteria").empty());
}

TEST_F(MainWindowTest, LoadCombinationOkWithNothingTickedTicksAllAndStaysOpen) {
  LoadCombinationDialog dialog(session(), window.get());
  dialog.show();
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    auto* box = Indexed<QCheckBox>(&dialog, "chkLoadComb", k);
    if (box->isChecked()) box->click();
  }
  Indexed<QPushButton>(&dialog, "cmdLoadComb", 0)->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Sorry, at least one load combination must be selected.");
  EXPECT_EQ(platform.messages[0].title, "Load Combination Error");
  EXPECT_TRUE(dialog.isVisible());
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    EXPECT_TRUE(Indexed<QCheckBox>(&dialog, "chkLoadComb", k)->isChecked()) << k;
    EXPECT_EQ(entry().LoadCombSelected[static_cast<size_t>(k)], 1);
  }
}

TEST_F(MainWindowTest, LoadCombinationDialogSaysHowTheSelectionReachesTheDesign) {
  LoadCombinationDialog dialog(session(), window.get());
  dialog.show();
  const auto* note = dialog.findChild<QLabel*>("lblCombinationUse");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text().toStdString(),
            "Each wall part is designed for the selected combinations that carry its loads: 2 "
            "and 4 are left out when there is no wind load, 3 and 5 when the part has no seismic "
            "load. Enter a gravity-only case (for example 0.5 DL + 1.6 LL) as combination 1, "
            "which is always designed for when selected.");
}

TEST_F(MainWindowTest, UserDefinedFactorsAreEditedInTheirBoxes) {
  LoadCombinationDialog dialog(session(), window.get());
  dialog.show();
  dialog.findChild<QRadioButton*>("OptUserComb")->click();
  auto* f8 = Indexed<QLineEdit>(&dialog, "LCLF", 7);
  ASSERT_FALSE(f8->isReadOnly());
  f8->setFocus();
  f8->selectAll();
  QTest::keyClicks(f8, "0.7");
  QTest::keyClick(f8, Qt::Key_Return);
  EXPECT_EQ(f8->text().toStdString(), dialog.model().FactorText(7));
  EXPECT_DOUBLE_EQ(entry().UserLoadFactors[7], 0.7);
  Indexed<QPushButton>(&dialog, "cmdLoadComb", 0)->click();
  EXPECT_FLOAT_EQ(entry().LoadFactors[7], 0.7f);
  EXPECT_EQ(entry().BuildingCodeComb, "NO");
}

TEST_F(MainWindowTest, MasonryDataCancelStillRecalculatesInAutomaticMode) {
  ASSERT_FALSE(entry().UserMasonryData);
  std::string calculated = entry().Fields[kFmPrimeField];
  entry().Fields[kFmPrimeField] = "9999";
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmUpdateMasonry");
    Indexed<QPushButton>(dialog, "cmdUpdate", 1)->click();
  });
  window->OptionsMasonryData();
  EXPECT_FALSE(entry().UserMasonryData);
  EXPECT_EQ(entry().Fields[kFmPrimeField], calculated);
  EXPECT_EQ(window->field(kFmPrimeField)->text().toStdString(), calculated);
}

TEST_F(MainWindowTest, SiteClassEOpensTheSiteCoefficientDialog) {
  QComboBox* list = window->siteClassList();
  WhenDialogOpens([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmFA");
    auto* field = dialog->findChild<QLineEdit*>("sidbUserFa");
    field->selectAll();
    QTest::keyClicks(field, "1.1");
    Indexed<QPushButton>(dialog, "cmdFa", 0)->click();
  });
  list->setCurrentIndex(list->findText("Class E"));
  emit list->activated(list->currentIndex());
  EXPECT_EQ(entry().SiteClass, "Class E");
  EXPECT_FLOAT_EQ(entry().UserFa, 1.1f);
}

TEST_F(MainWindowTest, ExampleWallIsSolvedAndItsPictureDrawn) {
  platform.files = {Example("cmu-bearing-wall.cxl")};
  window->FileOpen();
  ASSERT_FALSE(session().problem.DataChanged);
  window->SolveReinforced();
  EXPECT_TRUE(session().problem.Designed);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text, "The reinforced wall has been designed (ACI).");

  // The small picture's value labels: the field texts, each after a space.
  window->wallGraphic()->SetView(WallView::Dimensions);
  QStringList labels = window->wallGraphic()->PanelLabels();
  ASSERT_FALSE(labels.isEmpty());
  EXPECT_EQ(labels[0].toStdString(), " " + entry().Fields[kWallHeightField] + " ft");
  window->wallGraphic()->SetView(WallView::Loads);
  labels = window->wallGraphic()->PanelLabels();
  ASSERT_GE(labels.size(), 4);
  EXPECT_EQ(labels[0].toStdString(), " D.L. " + entry().Fields[kFloorDeadField] + " plf");
  EXPECT_TRUE(labels[3].startsWith(" W  ")) << labels[3].toStdString();

  window->SolveGraphicPlot();
  auto* picture = window->findChild<WallPictureWindow*>("frmWallPicture");
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->isVisible());

  QImage image(600, 600, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  EXPECT_TRUE(PlotWall(painter, session(), QRectF(0, 0, 600, 600), false));
  painter.end();
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(dark, 1000);
}

}  // namespace
}  // namespace calvix::ui::testing
