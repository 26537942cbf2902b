// The desktop program calvix: the splash, then the main window on the problem
// of the program folder's default data.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/results_window.h"
#include "ui/small_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvix"));
  QApplication::setApplicationVersion(QStringLiteral(CALVIX_VERSION));

  // The splash with the busy pointer while the main window loads.
  calvix::ui::QtPlatform platform;
  calvix::ui::SplashWindow splash;
  splash.show();
  platform.SetBusyPointer(true);
  QApplication::processEvents();

  // The settings, units, bars and default data lie beside the program.
  calvix::ui::MainWindow window(
      platform, calvix::ProgramFolder{QApplication::applicationDirPath().toStdString()});
  platform.SetParent(&window);
  // The results window, printing, the interaction diagram and the manual.
  calvix::ConnectReportWindows(window);
  bool started = window.StartUp();
  platform.SetBusyPointer(false);
  splash.close();
  if (!started) return 1;
  window.show();
  // "calvix FILE.cxl" (and a file manager's Open) opens the project file.
  if (auto file = calvix::ui::ProjectFileArgument(QApplication::arguments())) {
    window.OpenPath(*file);
  } else {
    window.ShowDesignCriteriaAtStart();
  }
  return QApplication::exec();
}
