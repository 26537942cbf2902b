// Keyboard reach of the main window, focus in dialogs, the windows that
// belong to a solve, the window size on small screens, the command-line file,
// the status notes, the paper and the version.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include "files/settings.h"
#include "files/window_place.h"
#include "model/entry_editing.h"
#include "model/program_version.h"
#include "tests/ui/window_fixture.h"
#include "ui/interaction_plot.h"
#include "ui/printer_surface.h"
#include "ui/results_window.h"
#include "ui/small_dialogs.h"

namespace calvix::ui::testing {
namespace {

// Presses Enter in whatever has the focus.
void PressEnter() {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();
}

TEST_F(MainWindowTest, EnterFromTheFirstFieldWalksThroughThePagesToSeismicAndWind) {
  window->field(kWallHeightField)->setFocus();
  QApplication::processEvents();
  std::vector<int> pages{window->CurrentPage()};
  for (int presses = 0; presses < 60 && window->CurrentPage() < 2; ++presses) {
    PressEnter();
    if (pages.back() != window->CurrentPage()) pages.push_back(window->CurrentPage());
  }
  EXPECT_EQ(pages, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(window->loadTabs()->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), window->field(kSsField));
  // Page Down goes on to Masonry and Materials and wraps to Wall Data.
  for (int expected : {3, 4, 0, 1}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(window->CurrentPage(), expected);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
  EXPECT_EQ(window->CurrentPage(), 0);
  // F5 solves from the keyboard (the default problem has no wall height yet).
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
  ASSERT_FALSE(platform.messages.empty());
}

TEST_F(MainWindowTest, TabReachesTheOptionGroupsAndEachGroupHasAMnemonic) {
  window->field(kStripWidthField)->setFocus();
  QTest::keyClick(window->field(kStripWidthField), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->reinfLayers(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->groutSpacing(0));
  window->field(kWallHeightField)->setFocus();
  QTest::keyClick(window->field(kWallHeightField), Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->groutSpacing(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), window->reinfLayers(0));
}

TEST_F(MainWindowTest, TheEditMenuReachesSeismicAndWind) {
  auto* action = window->findChild<QAction*>(QStringLiteral("mnuEditSeismic"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Loads: &Seismic && Wind");
  action->trigger();
  EXPECT_EQ(window->CurrentPage(), 2);
  EXPECT_EQ(window->inputTabs()->currentIndex(), 1);
  EXPECT_EQ(window->loadTabs()->currentIndex(), 1);
}

TEST_F(MainWindowTest, DialogsOpenWithTheFocusInTheirFirstField) {
  struct Case {
    const char* name;
    std::function<void()> open;
  };
  for (const Case& c : {Case{"frmDesignCriteria", [this] { window->EditDesignCriteria(); }},
                        Case{"frmLoadComb", [this] { window->EditLoadCombinations(); }},
                        Case{"frmUnits", [this] { window->OptionsUnits(); }}}) {
    QString focusName;
    QWidget* first = nullptr;
    WhenDialogOpens([&](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), c.name);
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
      QApplication::processEvents();
      first = dialog->nextInFocusChain();
      // The first field: an entry, option, check box or list (tabs and their
      // scroll buttons are not fields).
      auto isField = [](QWidget* w) {
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QRadioButton*>(w) ||
               qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w);
      };
      while (
          !(first->focusPolicy() & Qt::TabFocus) || !first->isEnabled() || !isField(first) ||
          (qobject_cast<QRadioButton*>(first) && !static_cast<QRadioButton*>(first)->isChecked())) {
        first = first->nextInFocusChain();
      }
      QWidget* focus = QApplication::focusWidget();
      EXPECT_EQ(focus, first) << c.name << " " << (focus ? focus->objectName().toStdString() : "")
                              << " / " << first->objectName().toStdString() << " "
                              << first->metaObject()->className();
      static_cast<QDialog*>(dialog)->reject();
    });
    c.open();
  }
}

TEST_F(MainWindowTest, AKeptSizeLargerThanTheScreenIsClampedToIt) {
  SettingsFile settings(session().folder.Settings());
  ASSERT_TRUE(WriteWindowPlace(settings, kMainWindowSection, {100, 50, 5000, 4000, false}));
  MainWindow again(platform, ProgramFolder{folder.path()});
  ASSERT_TRUE(again.StartUp());
  QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(free.contains(again.geometry())) << again.geometry().width();
  EXPECT_EQ(again.geometry().size(), free.size());
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

TEST_F(MainWindowTest, ACommandLineFileIsOpened) {
  EXPECT_FALSE(ProjectFileArgument({"calvix"}).has_value());
  EXPECT_FALSE(ProjectFileArgument({
                                       "calvix",
                                       "-style",
                                   })
                   .has_value());
  std::string example = std::string(CALVIX_SOURCE_DIR) + "/examples/cmu-bearing-wall.cxl";
  auto file = ProjectFileArgument({"calvix", QString::fromStdString(example)});
  ASSERT_TRUE(file.has_value());
  ASSERT_TRUE(window->OpenPath(*file));
  EXPECT_EQ(session().projectPath, std::filesystem::path(example));
  EXPECT_EQ(window->statusNote(), "Opened cmu-bearing-wall.cxl");
}

TEST_F(MainWindowTest, TheStatusBarReportsSaving) {
  platform.files = {folder / "noted.cxl"};
  window->FileSave();
  EXPECT_EQ(window->statusNote(), "Saved noted.cxl");
}

TEST_F(MainWindowTest, PrintersStartOnThePaperOfTheSettings) {
  QPrinter printer;
  SetSettingsPaper(printer, session());
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
  SettingsFile(session().folder.Settings()).Write("Printer", "PaperSize", "A4");
  SetSettingsPaper(printer, session());
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
}

TEST_F(MainWindowTest, TheAboutBoxShowsTheVersionAndBuildDate) {
  AboutDialog about(window.get());
  QStringList texts;
  for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Calvix  Version ") + CALVIX_VERSION));
  EXPECT_TRUE(texts.contains(QStringLiteral("Built ") + QString::fromStdString(BuildDate())));
}

class SolvedWindowsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ConnectReportWindows(*window);
    ASSERT_TRUE(
        window->OpenPath(std::string(CALVIX_SOURCE_DIR) + "/examples/cmu-bearing-wall.cxl"));
    window->SolveReinforced();
    platform.messages.clear();
  }
};

TEST_F(SolvedWindowsTest, ResultsAndDiagramCloseWhenTheProblemIsReplacedOrUndone) {
  EXPECT_EQ(window->statusNote(), "Solved");
  ASSERT_NE(window->findChild<ResultsWindow*>("frmResults"), nullptr);
  ASSERT_TRUE(window->findChild<ResultsWindow*>("frmResults")->isVisible());
  window->openInteractionDiagram(*window, 1, 1, 0);
  auto* diagram = window->findChild<PMPlotWindow*>("frmPMPlot");
  ASSERT_NE(diagram, nullptr);
  // Enter in the diagram closes it and prints nothing.
  QTest::keyClick(diagram, Qt::Key_Return);
  EXPECT_FALSE(diagram->isVisible());
  window->openInteractionDiagram(*window, 1, 1, 0);

  EnterInto(kWallWeightField, "60");
  window->EditUndo();
  for (const char* name : {"frmResults", "frmPMPlot"}) {
    for (QWidget* open : window->findChildren<QWidget*>(name)) {
      EXPECT_FALSE(open->isVisible()) << name;
    }
  }
}

TEST_F(SolvedWindowsTest, TheDiagramOpensOnTheGoverningCombinationAndOffersTheOthers) {
  window->openInteractionDiagram(*window, 1, 0, 0);
  auto* diagram = window->findChild<PMPlotWindow*>("frmPMPlot");
  ASSERT_NE(diagram, nullptr);
  const int governing = window->design().reinforced.GovCombo[0];
  ASSERT_GE(governing, 1);
  EXPECT_EQ(diagram->Data().combo, governing);
  QComboBox* list = diagram->CombinationList();
  int selected = 0;
  for (int16_t on : entry().LoadCombSelected) selected += on != 0 ? 1 : 0;
  ASSERT_EQ(list->count(), selected);
  EXPECT_EQ(list->currentData().toInt(), governing);
  int other = list->currentIndex() == 0 ? 1 : 0;
  list->setCurrentIndex(other);
  EXPECT_EQ(diagram->Data().combo, list->itemData(other).toInt());
  // Every station is marked with the sign of its moment.
  const auto& moments = window->analysis().CombMoment[0][diagram->Data().combo - 1];
  for (int j = 0; j < kStationCount; ++j) {
    EXPECT_EQ(diagram->Data().negativeMoment[static_cast<size_t>(j)], moments[j] < 0.0f) << j;
  }
  diagram->close();
}

TEST_F(SolvedWindowsTest, ThePrintAndSiteCoefficientDialogsOpenInTheirFirstField) {
  QString focus;
  auto record = [&focus](QWidget* dialog) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    QApplication::processEvents();
    QWidget* now = QApplication::focusWidget();
    focus = now != nullptr
                ? now->objectName() + QLatin1Char('/') + now->property("index").toString()
                : QString();
    static_cast<QDialog*>(dialog)->reject();
  };
  WhenDialogOpens(record);
  window->FilePrint();
  EXPECT_EQ(focus, "chkReport_0/");
  SiteCoefficientDialog fa(platform, entry(), window.get());
  QTimer::singleShot(0, [&] { record(&fa); });
  fa.exec();
  EXPECT_EQ(focus, "sidbUserFa/");
}

TEST_F(SolvedWindowsTest, OpeningAnotherProblemClosesTheResults) {
  window->FileNew();
  for (QWidget* open : window->findChildren<QWidget*>("frmResults")) {
    EXPECT_FALSE(open->isVisible());
  }
}

}  // namespace
}  // namespace calvix::ui::testing
