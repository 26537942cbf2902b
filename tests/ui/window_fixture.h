// A started main window on a private copy of the program folder, with the
// recording platform in place of the message boxes and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/recording_platform.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"

namespace calvix::ui::testing {

using calvix::testing::RecordingPlatform;
using calvix::testing::TempFolder;

// The widget of `parent` named `name` whose "index" property is `index`.
template <typename T>
T* Indexed(QObject* parent, const char* name, int index) {
  for (T* child : parent->findChildren<T*>(QString::fromUtf8(name))) {
    if (child->property("index").toInt() == index) return child;
  }
  return nullptr;
}

// Runs `drive` on the modal dialog that the next call opens.
inline void WhenDialogOpens(std::function<void(QWidget*)> drive) {
  QTimer::singleShot(0, [drive] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    drive(dialog);
  });
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calvix::testing::CopyProgramFiles(folder.path());
    window = std::make_unique<MainWindow>(platform, ProgramFolder{folder.path()});
    ASSERT_TRUE(window->StartUp());
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    window->hide();
    window.reset();
  }

  Session& session() { return window->session(); }
  EntryForm& entry() { return window->session().problem.entry; }

  // Puts the focus into field `index`, replaces its text by typing `text`.
  void TypeInto(int index, const char* text) {
    NumericEdit* edit = window->field(index);
    // As the engineer does: the field's page is shown before it is typed in
    // (Enter from the last field of a page moves on to the next page).
    for (int page = 0; page < 5; ++page) {
      if (window->PageWidget(page)->isAncestorOf(edit)) window->SelectPage(page);
    }
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
  }
  // Types into the field and leaves it with Enter.
  void EnterInto(int index, const char* text) {
    TypeInto(index, text);
    QTest::keyClick(window->field(index), Qt::Key_Return);
  }

  TempFolder folder;
  RecordingPlatform platform;
  std::unique_ptr<MainWindow> window;
};

}  // namespace calvix::ui::testing
