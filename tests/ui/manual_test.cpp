// Help > Manual: the manual of the program folder opens in the desktop's
// viewer or inside Calvix, or Calvix says why it cannot.
#include "ui/manual.h"

#include <QClipboard>

#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

std::filesystem::path BuiltManual() {
  return std::filesystem::path(CALVIX_PROGRAM_DIR) / "Calvix.pdf";
}

// The top-level window of that object name that is shown, if any.
template <typename T>
T* ShownWindow(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return qobject_cast<T*>(widget);
  }
  return nullptr;
}

void CloseShownWindows() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) widget->close();
  }
  QApplication::processEvents();
}

TEST(ManualTest, OpensTheProgramFoldersManualInTheDesktopViewerOrInCalvix) {
  StartedSession started;
  const auto manual = started.session.folder.Manual();
  std::vector<QUrl> opened;
  ManualViewers desktop{[] { return true; },
                        [&opened](const QUrl& url) {
                          opened.push_back(url);
                          return true;
                        }};
  // The started session's program folder is a copy without the manual.
  EXPECT_FALSE(OpenManual(started.session, nullptr, desktop));
  EXPECT_EQ(LastMessage(started.platform),
            "File Error|The Calvix manual could not be found:\r" + manual.string());
  // An unreadable manual, no PDF viewer: its path is offered with a copy button.
  ManualViewers none = desktop;
  none.systemViewerInstalled = [] { return false; };
  calvix::testing::WriteBytes(manual, "not a PDF");
  EXPECT_FALSE(OpenManual(started.session, nullptr, none));
  EXPECT_EQ(ShownWindow<ManualWindow>("frmManual"), nullptr);
  auto* dialog = ShownWindow<ManualPathDialog>("frmManualPath");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("txtManualPath")->text().toStdString(), manual.string());
  QApplication::clipboard()->clear();
  dialog->findChild<QPushButton*>("cmdCopyPath")->click();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), manual.string());
  CloseShownWindows();

  std::filesystem::copy_file(BuiltManual(), manual,
                             std::filesystem::copy_options::overwrite_existing);
  EXPECT_TRUE(OpenManual(started.session, nullptr, desktop));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), manual.string());
  EXPECT_EQ(ShownWindow<ManualWindow>("frmManual"), nullptr);
  // No PDF viewer on the desktop, or one that cannot be started: the manual
  // opens inside Calvix, whole.
  ManualViewers failing = desktop;
  failing.openInSystemViewer = [](const QUrl&) { return false; };
  for (const ManualViewers& viewers : {none, failing}) {
    EXPECT_TRUE(OpenManual(started.session, nullptr, viewers));
    const ManualWindow* inside = ShownWindow<ManualWindow>("frmManual");
    ASSERT_NE(inside, nullptr);
    EXPECT_TRUE(inside->Loaded());
    EXPECT_GE(inside->PageCount(), 5);
    CloseShownWindows();
  }
  EXPECT_EQ(started.platform.messages.size(), 1u);
  // Without the desktop opener there is no system viewer.
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  EXPECT_FALSE(SystemPdfViewerInstalled());
  qputenv("PATH", path);
}

}  // namespace
}  // namespace calvix::ui::testing
