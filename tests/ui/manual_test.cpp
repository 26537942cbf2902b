// The user manual: built into the program folder, it documents every entry
// field with the program's own limits and every design failure code, and
// Help > Manual opens it or says why it cannot.
#include "ui/manual.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <filesystem>
#include <sstream>

#include "analysis/solve.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "tests/ui/print_test_support.h"

namespace calvix {
namespace {

std::filesystem::path BuiltManual() {
  return std::filesystem::path(CALVIX_PROGRAM_DIR) / "Calvix.pdf";
}

std::string ManualText() {
  QProcess process;
  process.start("pdftotext",
                QStringList{"-layout", QString::fromStdString(BuiltManual().string()), "-"});
  EXPECT_TRUE(process.waitForFinished(60000)) << "pdftotext (poppler-utils) must be installed";
  return process.readAllStandardOutput().toStdString();
}

// "12.5" for 12.5, "99" for 99, "-5000" for -5000.
std::string Plain(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

TEST(ManualTest, IsBuiltAndCoversTheProgram) {
  ASSERT_TRUE(std::filesystem::is_regular_file(BuiltManual()));
  const std::string text = testing::Squeezed(ManualText());
  for (const char* heading :
       {"What Calvix does", "Files", "Input data", "Load combinations", "Design methods",
        "Results window", "Interaction diagram", "Reports and printing", "Worked example",
        "ACI 530-99", "IBC 2000", "examples/cmu-bearing-wall.cxl"}) {
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  }
}

TEST(ManualTest, FieldTableStatesTheProgramsLimits) {
  const std::string text = testing::Squeezed(ManualText());
  std::istringstream lines(text);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  // Each field's row: its name (as the error report names it), its unit and
  // the defined minimum and maximum in U.S. working units.
  for (int field = 0; field < kEntryFieldCount; ++field) {
    const std::string name = EntryFieldName(field);
    const std::string limits =
        " " + Plain(DefinedFieldMinimum(field)) + " " + Plain(DefinedFieldMaximum(field));
    bool found = false;
    for (const std::string& row : rows) {
      if (row.rfind(name, 0) == 0 && row.size() > limits.size() &&
          row.compare(row.size() - limits.size(), limits.size(), limits) == 0) {
        found = true;
      }
    }
    EXPECT_TRUE(found) << "field " << field << " " << name << limits;
  }
}

TEST(ManualTest, ListsEveryDesignFailureCode) {
  const std::string text = testing::Squeezed(ManualText());
  const auto table = text.find("Code Reason");
  ASSERT_NE(table, std::string::npos);
  for (int code = 1; code <= kLastDesignFailureCode; ++code) {
    EXPECT_NE(text.find("\n" + std::to_string(code) + " ", table), std::string::npos) << code;
  }
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
  testing::StartedSession started;
  std::vector<QUrl> opened;
  ManualViewers desktop;
  desktop.systemViewerInstalled = [] { return true; };
  desktop.openInSystemViewer = [&opened](const QUrl& url) {
    opened.push_back(url);
    return true;
  };
  // The started session's program folder is a copy without the manual.
  EXPECT_FALSE(OpenManual(started.session, nullptr, desktop));
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "File Error");
  EXPECT_EQ(started.platform.messages[0].text,
            "The Calvix manual could not be found:\r" + started.session.folder.Manual().string());

  std::filesystem::copy_file(BuiltManual(), started.session.folder.Manual());
  EXPECT_TRUE(OpenManual(started.session, nullptr, desktop));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), started.session.folder.Manual().string());
  EXPECT_EQ(ShownWindow<ManualWindow>("frmManual"), nullptr);

  // No PDF viewer on the desktop: the manual opens inside Calvix, whole.
  ManualViewers none = desktop;
  none.systemViewerInstalled = [] { return false; };
  EXPECT_TRUE(OpenManual(started.session, nullptr, none));
  EXPECT_EQ(opened.size(), 1u);
  const ManualWindow* inside = ShownWindow<ManualWindow>("frmManual");
  ASSERT_NE(inside, nullptr);
  EXPECT_TRUE(inside->Loaded());
  EXPECT_GE(inside->PageCount(), 5);
  CloseShownWindows();

  // A viewer that cannot be started is no viewer.
  ManualViewers failing = desktop;
  failing.openInSystemViewer = [](const QUrl&) { return false; };
  EXPECT_TRUE(OpenManual(started.session, nullptr, failing));
  EXPECT_NE(ShownWindow<ManualWindow>("frmManual"), nullptr);
  CloseShownWindows();
  EXPECT_EQ(started.platform.messages.size(), 1u);
}

TEST(ManualTest, WithoutTheDesktopOpenerThereIsNoSystemViewer) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  EXPECT_FALSE(SystemPdfViewerInstalled());
  qputenv("PATH", path);
}

TEST(ManualTest, AnUnreadableManualOffersItsPathWithACopyButton) {
  testing::StartedSession started;
  testing::WriteBytes(started.session.folder.Manual(), "not a PDF");
  ManualViewers none;
  none.systemViewerInstalled = [] { return false; };
  EXPECT_FALSE(OpenManual(started.session, nullptr, none));
  EXPECT_EQ(ShownWindow<ManualWindow>("frmManual"), nullptr);
  auto* dialog = ShownWindow<ManualPathDialog>("frmManualPath");
  ASSERT_NE(dialog, nullptr);
  const QString path = QString::fromStdString(started.session.folder.Manual().string());
  EXPECT_EQ(dialog->findChild<QLineEdit*>("txtManualPath")->text(), path);
  QApplication::clipboard()->clear();
  dialog->findChild<QPushButton*>("cmdCopyPath")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), path);
  CloseShownWindows();
}

}  // namespace
}  // namespace calvix
