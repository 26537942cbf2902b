// Project files (.cxl): save and open round trips in every unit system, the
// layout of the file, earlier formats, damaged files and the save questions.
#include "files/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/file_fixtures.h"
#include "support/started_session.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::StartedSession;

// Splits a file into its CR LF lines, and joins them again.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < bytes.size(); start = end + 2) {
    end = std::min(bytes.find("\r\n", start), bytes.size());
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A problem with something of every kind of item (IBC-W, clay, user load
// factors, partial fixity, two wind rows, importance 1.5 ...), saved in U.S.
// units; line 1 names the unit system.
std::vector<std::string> FilledLines(int16_t unitsType = 1) {
  auto lines = Lines(ReadBytes(fs::path(CALVIX_SOURCE_DIR) / "tests/data/files/filled.cxl"));
  lines.at(0) = std::to_string(unitsType);
  return lines;
}

fs::path WriteLines(StartedSession& started, const std::vector<std::string>& lines) {
  testing::WriteBytes(started.folder / "written.cxl", Join(lines));
  return started.folder / "written.cxl";
}

fs::path SaveTo(StartedSession& started, const std::string& name) {
  started.platform.files.push_back(started.folder / name);
  EXPECT_TRUE(SaveFileAs(started.session));
  return started.folder / name;
}

bool OpenFrom(StartedSession& started, const fs::path& path) {
  started.platform.files.push_back(path);
  return OpenFile(started.session);
}

class RoundTripTest : public ::testing::TestWithParam<int16_t> {};

// Open, save, open again: the same problem and the same bytes, in U.S., S.I.
// and MKS units.
TEST_P(RoundTripTest, OpenSaveGivesTheSameProblemAndBytes) {
  StartedSession reader(1);
  reader.problem().Designed = true;
  const fs::path path = WriteLines(reader, FilledLines(GetParam()));
  ASSERT_TRUE(OpenFrom(reader, path));
  const EntryForm& e = reader.entry();
  // Another unit system switches the program without converting the texts.
  EXPECT_EQ(reader.problem().units.UnitsType, GetParam());
  EXPECT_EQ(reader.problem().units.BarTable.size(), GetParam() == 1 ? 7u : 6u);
  EXPECT_EQ(e.Fields[kWallHeightField] + e.Fields[kFloorDeadField], "16.001,200.00");
  EXPECT_EQ(e.Wind[3], (std::array<std::string, 4>{"H", "150.00", "12.00", "12.00"}));
  EXPECT_EQ(e.S1Class + e.SiteClass + e.UseGroup + e.ParapetIpText, "> 0.75 gClass DIII1.5");
  EXPECT_TRUE(e.UseAxialMcr && !e.RunningBond);
  EXPECT_FLOAT_EQ(e.StressIncreaseFactor, 4.0f / 3.0f);
  // User-defined combinations: the analysis factors are the kept user factors.
  EXPECT_FLOAT_EQ(e.LoadFactors[6], 0.75f);
  EXPECT_EQ(reader.session.window.Caption, "Calvix - " + path.string());
  EXPECT_EQ(reader.session.window.ProjectStatus, "Project:  Warehouse east wall");
  EXPECT_FALSE(reader.problem().DataChanged || reader.problem().Designed);
  EXPECT_EQ(ReadBytes(SaveTo(reader, "saved.cxl")), Join(FilledLines(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(AllUnitSystems, RoundTripTest, ::testing::Values(1, 2, 3));

// Empty selections are written as the first entries; quotes survive and
// line breaks become spaces.
TEST(ProjectFileTest, EmptySelectionsQuotesAndLineBreaks) {
  StartedSession writer;
  writer.entry().S1Class = writer.entry().SiteClass = writer.entry().UseGroup = "";
  writer.entry().ParapetIpText = "";
  writer.entry().Project = "8\" wall \"A\", east";
  writer.entry().Location = "Line one\rLine two";
  const auto lines = Lines(ReadBytes(SaveTo(writer, "saved.cxl")));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 68, lines.begin() + 72),
            (std::vector<std::string>{"\"Class A\"", "\"I\"", "\"< 0.75 g\"", "\"1.0\""}));
  StartedSession reader;
  ASSERT_TRUE(OpenFrom(reader, writer.folder / "saved.cxl"));
  EXPECT_EQ(reader.entry().Project, "8\" wall \"A\", east");
  EXPECT_EQ(reader.entry().Location, "Line one Line two");
}

TEST(ProjectFileTest, EarlierFormatKeepsS1ClassAndMcrOptionOfTheOpenProblem) {
  StartedSession reader;
  auto lines = FilledLines();
  lines.erase(lines.begin() + 97);  // UseAxialMcr
  lines.erase(lines.begin() + 70);  // S1Class
  const fs::path earlier = WriteLines(reader, lines);
  // A missing file is named.
  EXPECT_FALSE(OpenFrom(reader, reader.folder / "missing.cxl"));
  EXPECT_EQ(
      reader.platform.messages.at(0).text,
      "Error: The file, " + (reader.folder / "missing.cxl").string() + ", could not be opened");
  EXPECT_EQ(reader.platform.messages.at(0).title, "File Error");
  reader.entry().S1Class = "= 0.75 g";
  ASSERT_TRUE(OpenFrom(reader, earlier));
  EXPECT_EQ(reader.entry().S1Class, "= 0.75 g");
  EXPECT_FALSE(reader.entry().UseAxialMcr);  // as the program started
  EXPECT_EQ(reader.entry().ParapetIpText + reader.entry().BuildingCodeComb, "1.5NO");
  EXPECT_EQ(reader.platform.messages.size(), 1u);  // nothing more
}

// The save question is answered Cancel, or the open dialog is cancelled: the
// changed problem stays (the question itself: file_commands_test.cpp).
TEST(ProjectFileTest, CancelKeepsTheProblem) {
  StartedSession reader;
  reader.problem().DataChanged = true;
  reader.entry().Fields[kWallHeightField] = "33.00";
  reader.platform.answers = {MessageAnswer::Cancel, MessageAnswer::Discard};
  EXPECT_FALSE(OpenFile(reader.session));
  EXPECT_TRUE(reader.platform.dialogs.empty());
  reader.platform.files.push_back(std::nullopt);
  EXPECT_FALSE(OpenFile(reader.session));
  EXPECT_EQ(reader.platform.messages.size(), 2u);
  EXPECT_EQ(reader.platform.dialogs.size(), 1u);
  EXPECT_EQ(reader.entry().Fields[kWallHeightField], "33.00");
}

TEST(ProjectFileTest, DamagedFilesAreRefusedWhole) {
  for (const testing::CaseRow& c : testing::CaseTable("damaged_project.txt")) {
    SCOPED_TRACE(c.where);
    auto lines = FilledLines();
    const auto line = static_cast<size_t>(c.Number(0));
    lines.resize(c[1] == "<cut>" ? line - 1 : std::max(lines.size(), line));
    if (c[1] != "<cut>") lines[line - 1] = c[1];
    StartedSession reader;
    const fs::path path = WriteLines(reader, lines);
    reader.entry().Fields[kWallHeightField] = "21.00";
    const EntryForm before = reader.entry();
    EXPECT_FALSE(OpenFrom(reader, path));
    ASSERT_EQ(reader.platform.messages.size(), 1u);
    const Message& message = reader.platform.messages[0];
    EXPECT_EQ(message.title, "File Error");
    EXPECT_NE(message.text.find(path.string()), std::string::npos);
    EXPECT_NE(message.text.find(c[2]), std::string::npos) << message.text;
    EXPECT_EQ(reader.entry().Fields, before.Fields);
    EXPECT_EQ(reader.entry().DesignMethod, before.DesignMethod);
    EXPECT_EQ(reader.session.window.Caption, "Calvix");
  }
}

TEST(ProjectFileTest, AFailedSaveKeepsTheOldFileAndTheFlags) {
  StartedSession started;
  const fs::path kept = SaveTo(started, "kept.cxl");
  const std::string before = ReadBytes(kept);
  started.problem().DataChanged = true;
  started.entry().Project = "changed";
  // A folder where the file should be: the replacement cannot take its place.
  const fs::path blocked = started.folder / "blocked.cxl";
  fs::create_directories(blocked / "inside");
  started.platform.files.push_back(blocked);
  EXPECT_FALSE(SaveFileAs(started.session));
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "File Error");
  EXPECT_NE(started.platform.messages[0].text.find(blocked.string()), std::string::npos);
  EXPECT_TRUE(started.problem().DataChanged);
  EXPECT_EQ(started.session.window.Caption, "Calvix - " + kept.string());
  // File > Save goes to the same file without a dialog; a read-only file is not replaced.
  fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(SaveFile(started.session));
  EXPECT_EQ(started.platform.messages.at(1).title, "File Error");
  EXPECT_EQ(ReadBytes(kept), before);
}

TEST(ProjectFileTest, ClearDataEmptiesTheFormButKeepsCriteria) {
  StartedSession started;
  ASSERT_TRUE(OpenFrom(started, WriteLines(started, FilledLines())));
  started.working().SeismicCategory = "Category D";
  ClearData(started.session);
  const EntryForm& e = started.entry();
  EXPECT_EQ(e.Fields, decltype(e.Fields){});
  EXPECT_EQ(e.Wind, decltype(e.Wind){});
  EXPECT_EQ(e.Project + e.SiteClass + e.UseGroup + e.S1Class + e.ParapetIpText,
            "Class AI< 0.75 g1.0");
  EXPECT_EQ(e.UserFa + e.UserLoadFactors[1] + e.LoadFactors[1], 0.0);  // factors are not negative
  EXPECT_TRUE(started.working().SeismicCategory.empty());
  EXPECT_EQ(e.DesignMethod, "IBC-W");  // criteria are not cleared
  EXPECT_EQ(started.session.window.Caption, "Calvix");
  EXPECT_EQ(started.session.window.ProjectStatus, "Project:  ");
  // A new problem has no results yet.
  started.problem().DataChanged = false;
  started.problem().Designed = true;
  ASSERT_TRUE(NewProblem(started.session));
  EXPECT_FALSE(started.problem().Designed);
}

}  // namespace
}  // namespace calvix
