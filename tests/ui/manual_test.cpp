// The user manual: built into the program folder, it documents every entry
// field with the program's own limits and every design failure code, and
// Help > Manual opens it or says why it cannot.
#include "ui/manual.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <sstream>

#include "analysis/solve.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "tests/ui/print_test_support.h"
#include "ui/manual_viewer.h"

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

TEST(ManualTest, OpensTheProgramFoldersManualOrSaysWhy) {
  testing::StartedSession started;
  std::vector<QUrl> opened;
  auto opener = [&opened](const QUrl& url) {
    opened.push_back(url);
    return true;
  };
  // The started session's program folder is a copy without the manual.
  EXPECT_FALSE(OpenManual(started.session, opener));
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "File Error");
  EXPECT_EQ(started.platform.messages[0].text,
            "The Calvix manual could not be found:\r" + started.session.folder.Manual().string());

  std::filesystem::copy_file(BuiltManual(), started.session.folder.Manual());
  EXPECT_TRUE(OpenManual(started.session, opener));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), started.session.folder.Manual().string());

  // No desktop viewer: the manual window of Calvix.
  std::vector<std::filesystem::path> inside;
  auto viewer = [&inside](const std::filesystem::path& path) {
    inside.push_back(path);
    return true;
  };
  EXPECT_TRUE(OpenManual(
      started.session, [](const QUrl&) { return false; }, viewer));
  EXPECT_EQ(inside, std::vector<std::filesystem::path>{started.session.folder.Manual()});
  EXPECT_EQ(started.platform.messages.size(), 1u);

  EXPECT_FALSE(OpenManual(
      started.session, [](const QUrl&) { return false; },
      [](const std::filesystem::path&) { return false; }));
  ASSERT_EQ(started.platform.messages.size(), 2u);
  EXPECT_EQ(started.platform.messages[1].text,
            "The Calvix manual could not be opened:\r" + started.session.folder.Manual().string());
}

TEST(ManualTest, TheManualWindowShowsEveryPage) {
  ui::ManualViewer viewer(BuiltManual());
  EXPECT_GT(viewer.pageCount(), 3);
  ui::ManualViewer missing(BuiltManual().parent_path() / "no-such-manual.pdf");
  EXPECT_EQ(missing.pageCount(), 0);
  EXPECT_FALSE(ui::ShowManualInside(BuiltManual().parent_path() / "no-such-manual.pdf", nullptr));
}

}  // namespace
}  // namespace calvix
