// Shared by the window tests: a started main window on a private copy of the
// program folder with the recording platform in place of the message boxes
// and file dialogs, a shipped example wall solved by the real design routines,
// and the text of a printed PDF.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "files/project_file.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "support/started_session.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

namespace calvix::ui::testing {

using calvix::testing::ReadBytes;
using calvix::testing::RecordingPlatform;
using calvix::testing::StartedSession;
using calvix::testing::TempFolder;

inline std::string Example(const std::string& name) {
  return std::string(CALVIX_SOURCE_DIR) + "/examples/" + name;
}

// The last message shown, as "title|text".
inline std::string LastMessage(const RecordingPlatform& platform) {
  if (platform.messages.empty()) return "(no message)";
  return platform.messages.back().title + "|" + platform.messages.back().text;
}

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

// Replaces the text of a line edit by typing `text` and, with `key`, leaves it.
inline void TypeText(QLineEdit* edit, const char* text, Qt::Key key = Qt::Key_unknown) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
  if (key != Qt::Key_unknown) QTest::keyClick(edit, key);
}

// A text with its runs of blanks made one space and its lines trimmed: the
// text read back from a PDF places words by their position, not by spaces.
inline std::string Squeezed(const std::string& text) {
  QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
  for (QString& line : lines) line = line.simplified();
  return lines.join(QLatin1Char('\n')).toStdString();
}

// The text of a PDF file as pdftotext (poppler-utils) reads it.
inline std::string PdfText(const std::filesystem::path& pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
  EXPECT_TRUE(process.waitForFinished(60000)) << "pdftotext (poppler-utils) must be installed";
  EXPECT_EQ(process.exitCode(), 0);
  return process.readAllStandardOutput().toStdString();
}

// The text of a table cell, "" for none.
inline std::string Cell(QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item == nullptr ? "" : item->text().toStdString();
}

// An example of examples/ opened and solved as the Solve menu does it.
struct SolvedExample : StartedSession {
  SolvedExample(const std::string& name, bool reinforced) {
    platform.files.push_back(Example(name));
    EXPECT_TRUE(OpenFile(session));
    outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(design));
    EXPECT_TRUE(outcome.designed) << name;
    platform.messages.clear();
    platform.dialogs.clear();
  }

  AnalysisResults analysis;
  DesignResults design;
  SolveOutcome outcome;
};

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

  Session& session() { return window->session(); }
  EntryForm& entry() { return window->session().problem.entry; }
  std::string Shown(int index) { return window->field(index)->text().toStdString(); }
  std::string Formatted(int index, double value) { return FieldText(session(), index, value); }

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
  // Opens an example through File > Open with the results windows connected.
  void OpenExample(const char* name) {
    ConnectReportWindows(*window);
    platform.files.push_back(Example(name));
    window->FileOpen();
    platform.messages.clear();
  }
  // Presses a key (Ctrl+key by default) in whatever has the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window.get(), key, modifiers);
    QApplication::processEvents();
  }
  // The child window of that name that is shown, if any.
  template <typename T>
  T* Visible(const char* name) {
    for (T* open : window->findChildren<T*>(name)) {
      if (open->isVisible()) return open;
    }
    return nullptr;
  }

  TempFolder folder;
  RecordingPlatform platform;
  std::unique_ptr<MainWindow> window;
};

}  // namespace calvix::ui::testing
