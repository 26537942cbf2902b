// Renders the main window's pages, every dialog and the wall picture window
// of a project file into PNG files, so that the layout can be looked at
// without clicking through the program (scripts/screenshots.sh).
//   calvix_screenshots PROGRAM_DIR PROJECT.cxl OUT_DIR PREFIX
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <cstdio>
#include <functional>

#include "files/project_file.h"
#include "model/convert_input.h"
#include "ui/design_criteria_dialog.h"
#include "ui/load_combination_dialog.h"
#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/small_dialogs.h"
#include "ui/sweep_dialog.h"
#include "ui/wall_picture.h"

namespace {

// Answers every question with Yes and opens the one project file.
class ScriptedPlatform : public calvix::Platform {
 public:
  explicit ScriptedPlatform(std::filesystem::path file) : file_(std::move(file)) {}
  calvix::MessageAnswer ShowMessage(const calvix::Message& message) override {
    std::fprintf(stderr, "message: %s: %s\n", message.title.c_str(), message.text.c_str());
    if (message.buttons == calvix::MessageButtons::SaveDiscardCancel) {
      return calvix::MessageAnswer::Discard;
    }
    return message.buttons == calvix::MessageButtons::YesNo ? calvix::MessageAnswer::Yes
                                                            : calvix::MessageAnswer::Ok;
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const calvix::FileDialogRequest&) override {
    return file_;
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const calvix::FileDialogRequest&) override {
    return std::nullopt;
  }
  void SetBusyPointer(bool) override {}

 private:
  std::filesystem::path file_;
};

void Save(QWidget* widget, const QString& dir, const QString& name) {
  QApplication::processEvents();
  QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
  if (!widget->grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

template <typename Dialog>
void Shoot(Dialog& dialog, const QString& dir, const QString& name) {
  dialog.show();
  Save(&dialog, dir, name);
  dialog.hide();
}

// A few edits as the engineer makes them (each accepted value recorded in the
// history), the last one undone, then the main window with the history.
void SaveUndoHistory(calvix::ui::MainWindow& window, const QString& dir, const QString& name) {
  calvix::EntryForm& entry = window.session().problem.entry;
  auto change = [&window](const std::function<void()>& edit, const char* what) {
    edit();
    window.UpdateFieldsAndShow();
    window.history()->Record(QString::fromUtf8(what));
  };
  change([&] { entry.Fields[calvix::kWallHeightField] = "14.00"; }, "Wall Height");
  change([&] { entry.Fields[calvix::kFloorDeadField] = "450.00"; }, "Floor / Roof Load, Dead");
  change([&] { entry.GroutSpacingOption = 1; }, "Grout Spacing");
  change([&] { entry.Wind[1] = {"W", "30.00", "0.00", "14.00"}; }, "Wind Load");
  window.EditUndo();
  window.EditUndoHistory();
  auto* history = window.findChild<QDialog*>(QStringLiteral("frmUndoHistory"));
  history->move(window.geometry().topRight() - QPoint(history->width() + 20, -80));
  Save(history, dir, name);
  Save(&window, dir, name + QStringLiteral("-main"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(CALVIX_VERSION));
  if (argc != 5) {
    std::fprintf(stderr, "usage: calvix_screenshots PROGRAM_DIR PROJECT.cxl OUT_DIR PREFIX\n");
    return 2;
  }
  QString dir = QString::fromLocal8Bit(argv[3]);
  QString prefix = QString::fromLocal8Bit(argv[4]) + QLatin1Char('-');
  QDir().mkpath(dir);
  ScriptedPlatform platform(argv[2]);
  calvix::ui::MainWindow window(platform, calvix::ProgramFolder{argv[1]});
  if (!window.StartUp()) return 1;
  calvix::ConnectReportWindows(window);
  window.resize(1100, 720);
  window.show();
  window.FileOpen();

  // The pages of the main window.
  window.SelectTab(0);
  Save(&window, dir, prefix + "main-wall-data");
  window.SelectTab(1);
  window.loadTabs()->setCurrentIndex(0);
  Save(&window, dir, prefix + "main-dead-live");
  window.loadTabs()->setCurrentIndex(1);
  Save(&window, dir, prefix + "main-seismic-wind");
  window.SelectTab(2);
  Save(&window, dir, prefix + "main-masonry");
  window.SelectTab(3);
  Save(&window, dir, prefix + "main-materials");
  // The small wall picture with its load labels, beside the design basis box.
  window.SelectTab(1);
  window.wallGraphic()->SetView(calvix::ui::WallView::Loads);
  Save(&window, dir, prefix + "main-wall-loads");
  window.wallGraphic()->SetView(calvix::ui::WallView::Dimensions);

  // The dialogs, on a copy of the problem so that nothing changes.
  calvix::Session& session = window.session();
  calvix::Problem keep = session.problem;
  {
    calvix::ui::DesignCriteriaDialog dialog(session, &window);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabDesignCriteria"));
    const char* names[3] = {"design-criteria-general", "design-criteria-masonry",
                            "design-criteria-support"};
    for (int i = 0; i < 3; ++i) {
      tabs->setCurrentIndex(i);
      Shoot(dialog, dir, prefix + names[i]);
    }
  }
  {
    calvix::ui::LoadCombinationDialog dialog(session, &window);
    Shoot(dialog, dir, prefix + "load-combinations");
  }
  session.problem = keep;
  {
    calvix::ui::SiteCoefficientDialog dialog(platform, session.problem.entry, &window);
    Shoot(dialog, dir, prefix + "site-coefficient");
  }
  {
    calvix::ui::UnitsDialog dialog(session.problem.units.UnitsType, &window);
    Shoot(dialog, dir, prefix + "units");
  }
  {
    calvix::ui::MasonryDataDialog dialog(session.problem.entry.UserMasonryData, &window);
    Shoot(dialog, dir, prefix + "masonry-data");
  }
  {
    calvix::ui::AboutDialog dialog(&window);
    Shoot(dialog, dir, prefix + "about");
  }
  {
    calvix::ui::PrintingNotice dialog(&window);
    Shoot(dialog, dir, prefix + "printing");
  }
  {
    calvix::ui::SplashWindow splash;
    splash.show();
    Save(&splash, dir, prefix + "splash");
  }

  // The wall picture window.
  calvix::ConvertInput(session);
  calvix::ui::WallPictureWindow picture(session, &window);
  picture.resize(640, 660);
  picture.show();
  Save(&picture, dir, prefix + "wall-picture");

  // The wall picture as it goes onto a printed page (8.5 x 11 in at 96 dpi).
  QImage page(816, 1056, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    calvix::ui::PlotWall(painter, session, QRectF(0, 0, 816, 1056), true);
  }
  page.save(QDir(dir).filePath(prefix + QStringLiteral("wall-picture-page.png")));

  // The results window (summary and one load case) and the interaction diagram.
  calvix::SaveReportWindowPictures(window, dir, prefix);

  // Solve > Design Sweep... with the ranked walls of the default sweep.
  {
    calvix::ui::SweepDialog dialog(window, &window);
    dialog.show();
    dialog.Run();
    while (dialog.running()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    Save(&dialog, dir, prefix + "design-sweep");
  }

  // Edit > Undo History after a few edits, the last one undone.
  SaveUndoHistory(window, dir, prefix + "undo-history");
  return 0;
}
