#include "files/project_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/started_session.h"

namespace calvix {
namespace {

using testing::ReadBytes;
using testing::StartedSession;
using testing::TempFolder;
using testing::WriteBytes;

// Splits a file into its CR LF lines.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Fills a problem with something of every kind of item.
void FillProblem(EntryForm& e) {
  e.Project = "Warehouse east wall";
  e.Location = "Grid A/1-7";
  e.Designer = "R. Engineer";
  e.DesignMethod = "IBC-W";
  e.MasonryMaterial = "Clay";
  e.MortarType = "M";
  e.RunningBond = false;
  e.SupportType = "Partially Fixed";
  e.PercentFixed = 40;
  e.StressIncreaseFactor = 4.0f / 3.0f;
  e.LoadCombSelected = {1, 0, 1, 0, 1};
  e.BuildingCodeComb = "NO";
  e.UserLoadFactors = {1, 1.2, 0.9, 0.5, 1.6, 1, 0.75, 1, 0.6, 1, 0.9, 1};
  e.UserFa = 1.25f;
  e.SiteClass = "Class D";
  e.UseGroup = "III";
  e.S1Class = "> 0.75 g";
  e.ParapetIpText = "1.5";
  e.GroutSpacingOption = 1;
  e.ReinfLayersOption = 1;
  e.UseAxialMcr = true;
  e.Fields[kWallHeightField] = "16.00";
  e.Fields[kFloorDeadField] = "1,200.00";
  e.Wind[0] = {"W", "25.0", "0.00", "16.00"};
  e.Wind[3] = {"H", "150.00", "12.00", "12.00"};
}

struct Saved {
  std::filesystem::path path;
  std::string bytes;
};

Saved SaveTo(StartedSession& started, const std::string& name) {
  auto path = started.folder / name;
  started.platform.files.push_back(path);
  EXPECT_TRUE(SaveFileAs(started.session));
  return {path, ReadBytes(path)};
}

bool OpenFrom(StartedSession& started, const std::filesystem::path& path) {
  started.platform.files.push_back(path);
  return OpenFile(started.session);
}

class RoundTripTest : public ::testing::TestWithParam<int16_t> {};

TEST_P(RoundTripTest, SaveOpenSaveGivesTheSameBytes) {
  StartedSession writer(GetParam());
  FillProblem(writer.entry());
  Saved first = SaveTo(writer, "first.cxl");
  EXPECT_EQ(Lines(first.bytes).size(), 98u);
  EXPECT_EQ(Lines(first.bytes)[0], std::to_string(GetParam()));

  StartedSession reader(1);
  ASSERT_TRUE(OpenFrom(reader, first.path));
  EXPECT_EQ(reader.problem().units.UnitsType, GetParam());
  EXPECT_EQ(reader.entry().Fields, writer.entry().Fields);
  EXPECT_EQ(reader.entry().Wind, writer.entry().Wind);
  EXPECT_EQ(reader.entry().UseAxialMcr, true);
  EXPECT_EQ(reader.entry().S1Class, "> 0.75 g");
  Saved second = SaveTo(reader, "second.cxl");
  EXPECT_EQ(second.bytes, first.bytes);
}

INSTANTIATE_TEST_SUITE_P(AllUnitSystems, RoundTripTest, ::testing::Values(1, 2, 3));

TEST(ProjectFileTest, LayoutOfTheCurrentFormat) {
  StartedSession started;
  FillProblem(started.entry());
  auto lines = Lines(SaveTo(started, "layout.cxl").bytes);
  ASSERT_EQ(lines.size(), 98u);
  EXPECT_EQ(lines[1], "\"Warehouse east wall\"");
  EXPECT_EQ(lines[4], "\"IBC-W\"");
  EXPECT_EQ(lines[7], "#FALSE#");  // running bond
  EXPECT_EQ(lines[10], "\"Partially Fixed\"");
  EXPECT_EQ(lines[11], "40");
  EXPECT_EQ(lines[12], "1.333333");      // 4/3 to seven digits
  EXPECT_EQ(lines[15], "0");             // combination 2 not selected
  EXPECT_EQ(lines[20], "1.2");           // user factor 1
  EXPECT_EQ(lines[31], "1.25");          // UserFa
  EXPECT_EQ(lines[32], "\"16.00\"");     // field 0
  EXPECT_EQ(lines[40], "\"1,200.00\"");  // field 8 as displayed
  EXPECT_EQ(lines[68], "\"Class D\"");
  EXPECT_EQ(lines[70], "\"> 0.75 g\"");
  EXPECT_EQ(lines[71], "\"1.5\"");
  EXPECT_EQ(lines[72], "\"False\"");  // partially grouted
  EXPECT_EQ(lines[73], "\"False\"");  // one layer
  EXPECT_EQ(lines[74], "\"True\"");   // solid grouted
  EXPECT_EQ(lines[75], "\"True\"");   // two layers
  EXPECT_EQ(lines[76], "\"W\"");
  EXPECT_EQ(lines[88], "\"H\"");
  EXPECT_EQ(lines[96], "\"NO\"");
  EXPECT_EQ(lines[97], "\"True\"");
}

TEST(ProjectFileTest, EmptySelectionsAreWrittenAsTheFirstEntries) {
  StartedSession started;
  started.entry().S1Class.clear();
  started.entry().SiteClass.clear();
  started.entry().UseGroup.clear();
  started.entry().ParapetIpText.clear();
  Saved saved = SaveTo(started, "empty.cxl");
  auto lines = Lines(saved.bytes);
  EXPECT_EQ(lines[68], "\"Class A\"");
  EXPECT_EQ(lines[69], "\"I\"");
  EXPECT_EQ(lines[70], "\"< 0.75 g\"");
  EXPECT_EQ(lines[71], "\"1.0\"");
  StartedSession reader;
  reader.entry().S1Class = "= 0.75 g";
  ASSERT_TRUE(OpenFrom(reader, saved.path));
  EXPECT_EQ(reader.entry().S1Class, "< 0.75 g");
}

TEST(ProjectFileTest, EarlierFormatKeepsS1ClassAndMcrOptionOfTheOpenProblem) {
  StartedSession writer;
  FillProblem(writer.entry());
  auto lines = Lines(SaveTo(writer, "current.cxl").bytes);
  lines.erase(lines.begin() + 97);  // UseAxialMcr
  lines.erase(lines.begin() + 70);  // S1Class
  TempFolder folder;
  WriteBytes(folder / "earlier.cxl", Join(lines));

  StartedSession reader;
  reader.entry().S1Class = "= 0.75 g";
  reader.entry().UseAxialMcr = false;
  ASSERT_TRUE(OpenFrom(reader, folder / "earlier.cxl"));
  EXPECT_EQ(reader.entry().S1Class, "= 0.75 g");
  EXPECT_FALSE(reader.entry().UseAxialMcr);
  EXPECT_EQ(reader.entry().ParapetIpText, "1.5");
  EXPECT_EQ(reader.entry().Wind[3][0], "H");
  EXPECT_EQ(reader.entry().BuildingCodeComb, "NO");
  EXPECT_TRUE(reader.platform.messages.empty());
}

TEST(ProjectFileTest, AFileOfAnotherUnitSystemSwitchesWithoutConverting) {
  StartedSession writer(3);
  writer.entry().Fields[kWallHeightField] = "3.658";
  Saved saved = SaveTo(writer, "mks.cxl");
  StartedSession reader(1);
  ASSERT_TRUE(OpenFrom(reader, saved.path));
  EXPECT_EQ(reader.problem().units.UnitsType, 3);
  EXPECT_EQ(reader.entry().Fields[kWallHeightField], "3.658");
  EXPECT_EQ(reader.problem().units.BarTable.size(), 6u);
  EXPECT_EQ(reader.session.display.Decimals[kEsField], 0);  // MKS modulus decimals
}

TEST(ProjectFileTest, OpenSetsCaptionStatusFlagsAndUserFactors) {
  StartedSession writer;
  FillProblem(writer.entry());
  Saved saved = SaveTo(writer, "flags.cxl");
  StartedSession reader;
  reader.problem().Designed = true;
  ASSERT_TRUE(OpenFrom(reader, saved.path));
  EXPECT_EQ(reader.session.window.Caption, "Calvix - " + saved.path.string());
  EXPECT_EQ(reader.session.window.ProjectStatus, "Project:  Warehouse east wall");
  EXPECT_FALSE(reader.problem().DataChanged);
  EXPECT_FALSE(reader.problem().Designed);
  // User-defined combinations: the analysis factors are the kept user factors.
  EXPECT_FLOAT_EQ(reader.entry().LoadFactors[1], 1.2f);
  EXPECT_FLOAT_EQ(reader.entry().LoadFactors[6], 0.75f);
}

TEST(ProjectFileTest, TextsWithQuotesSurviveAndLineBreaksBecomeSpaces) {
  StartedSession writer;
  writer.entry().Project = "8\" wall \"A\", east";
  writer.entry().Location = "Line one\rLine two";
  Saved saved = SaveTo(writer, "quotes.cxl");
  StartedSession reader;
  ASSERT_TRUE(OpenFrom(reader, saved.path));
  EXPECT_EQ(reader.entry().Project, "8\" wall \"A\", east");
  EXPECT_EQ(reader.entry().Location, "Line one Line two");
}

TEST(ProjectFileTest, CancellingTheOpenDialogKeepsTheProblem) {
  StartedSession started;
  started.problem().DataChanged = true;
  started.entry().Project = "kept";
  started.platform.answers.push_back(MessageAnswer::Discard);
  started.platform.files.push_back(std::nullopt);
  EXPECT_FALSE(OpenFile(started.session));
  EXPECT_EQ(started.platform.messages.size(), 1u);  // only the save question
  EXPECT_EQ(started.entry().Project, "kept");
}

TEST(ProjectFileTest, AChangedProblemIsKeptWhenTheAnswerIsCancel) {
  StartedSession writer;
  Saved saved = SaveTo(writer, "other.cxl");
  StartedSession reader;
  reader.problem().DataChanged = true;
  reader.entry().Fields[kWallHeightField] = "33.00";
  reader.platform.answers.push_back(MessageAnswer::Cancel);
  EXPECT_FALSE(OpenFrom(reader, saved.path));
  ASSERT_EQ(reader.platform.messages.size(), 1u);
  EXPECT_EQ(reader.platform.messages[0].text, "Save changes to Untitled?");
  EXPECT_EQ(reader.platform.messages[0].title, "Calvix");
  EXPECT_EQ(reader.platform.messages[0].buttons, MessageButtons::SaveDiscardCancel);
  // Cancelled before the open dialog: no file was asked for.
  EXPECT_TRUE(reader.platform.dialogs.empty());
  EXPECT_EQ(reader.entry().Fields[kWallHeightField], "33.00");
}

// A damaged file is refused whole: the message names the path and the first
// bad line, and the open problem stays as it was.
struct DamagedCase {
  const char* name;
  int line;              // 1-based line to damage, 0 = cut the file
  const char* newText;   // replacement line; nullptr = drop the lines from `line` on
  const char* reported;  // "Line N" expected in the message, or nullptr
};

TEST(ProjectFileTest, DamagedFilesAreRefusedWhole) {
  StartedSession writer;
  FillProblem(writer.entry());
  auto good = Lines(SaveTo(writer, "good.cxl").bytes);
  const DamagedCase cases[] = {
      {"cut after 50 lines", 51, nullptr, "Line 51"},
      {"boolean spelt as text", 8, "\"True\"", "Line 8"},
      {"unknown design method", 5, "\"AISC\"", "Line 5"},
      {"unit system 4", 1, "4", "Line 1"},
      {"number where a text belongs", 33, "16.00", "Line 33"},
      {"selection flag 2", 16, "2", "Line 16"},
      {"option line not True or False", 73, "\"Yes\"", "Line 73"},
      {"unknown importance factor", 72, "\"2.0\"", "Line 72"},
      {"binary bytes", 40, "\x01\x02\xff\xfe", "Line 40"},
      {"extra line", 99, "\"more\"", "Line 99"},
      {"text in a number field", 33, "\"twelve\"",
       "Line 33: Wall Height holds \"twelve\", which is not a number."},
      {"decimal comma in a number field", 40, "\"1,5.0\"", "Line 40: Wall Weight holds \"1,5.0\""},
      {"unit after a wind magnitude", 78, "\"25 psf\"",
       "Line 78: the wind load Magnitude of row 1 holds \"25 psf\""},
  };
  for (const auto& c : cases) {
    auto lines = good;
    if (c.newText == nullptr) {
      lines.resize(static_cast<size_t>(c.line - 1));
    } else if (c.line > static_cast<int>(lines.size())) {
      lines.push_back(c.newText);
    } else {
      lines[static_cast<size_t>(c.line - 1)] = c.newText;
    }
    TempFolder folder;
    auto path = folder / "damaged.cxl";
    WriteBytes(path, Join(lines));

    StartedSession reader;
    reader.entry().Fields[kWallHeightField] = "21.00";
    EntryForm before = reader.entry();
    EXPECT_FALSE(OpenFrom(reader, path)) << c.name;
    ASSERT_EQ(reader.platform.messages.size(), 1u) << c.name;
    const Message& message = reader.platform.messages[0];
    EXPECT_EQ(message.title, "File Error") << c.name;
    EXPECT_NE(message.text.find(path.string()), std::string::npos) << c.name;
    EXPECT_NE(message.text.find(c.reported), std::string::npos) << c.name << ": " << message.text;
    EXPECT_EQ(reader.entry().Fields, before.Fields) << c.name;
    EXPECT_EQ(reader.entry().DesignMethod, before.DesignMethod) << c.name;
    EXPECT_EQ(reader.session.window.Caption, "Calvix") << c.name;
  }
}

TEST(ProjectFileTest, HugeLinesAndMissingFilesAreRefusedQuickly) {
  TempFolder folder;
  auto huge = folder / "huge.cxl";
  WriteBytes(huge, "1\r\n\"" + std::string(4 * 1024 * 1024, 'x') + "\"\r\n");
  StartedSession reader;
  EXPECT_FALSE(OpenFrom(reader, huge));
  ASSERT_EQ(reader.platform.messages.size(), 1u);
  EXPECT_NE(reader.platform.messages[0].text.find("Line 2"), std::string::npos);

  StartedSession missing;
  auto nowhere = folder / "missing.cxl";
  EXPECT_FALSE(OpenFrom(missing, nowhere));
  ASSERT_EQ(missing.platform.messages.size(), 1u);
  EXPECT_EQ(missing.platform.messages[0].text,
            "Error: The file, " + nowhere.string() + ", could not be opened");
  EXPECT_EQ(missing.platform.messages[0].title, "File Error");
}

TEST(ProjectFileTest, AFailedSaveKeepsTheOldFileAndTheFlags) {
  StartedSession started;
  Saved saved = SaveTo(started, "kept.cxl");
  started.problem().DataChanged = true;
  started.entry().Project = "changed";
  // A folder where the file should be: the replacement cannot take its place.
  auto blocked = started.folder / "blocked.cxl";
  std::filesystem::create_directory(blocked);
  std::filesystem::create_directory(blocked / "inside");
  started.platform.files.push_back(blocked);
  EXPECT_FALSE(SaveFileAs(started.session));
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].title, "File Error");
  EXPECT_NE(started.platform.messages[0].text.find(blocked.string()), std::string::npos);
  EXPECT_TRUE(started.problem().DataChanged);
  EXPECT_EQ(started.session.window.Caption, "Calvix - " + saved.path.string());
  EXPECT_EQ(ReadBytes(saved.path), saved.bytes);
}

TEST(ProjectFileTest, ClearDataEmptiesTheFormButKeepsCriteria) {
  StartedSession started;
  FillProblem(started.entry());
  started.working().SeismicCategory = "Category D";
  ClearData(started.session);
  const EntryForm& e = started.entry();
  EXPECT_TRUE(e.Project.empty());
  for (const auto& field : e.Fields) EXPECT_TRUE(field.empty());
  for (const auto& row : e.Wind) {
    for (const auto& cell : row) EXPECT_TRUE(cell.empty());
  }
  EXPECT_EQ(e.SiteClass, "Class A");
  EXPECT_EQ(e.UseGroup, "I");
  EXPECT_EQ(e.S1Class, "< 0.75 g");
  EXPECT_EQ(e.ParapetIpText, "1.0");
  EXPECT_EQ(e.UserFa, 0.0f);
  EXPECT_EQ(e.UserLoadFactors[1], 0.0);
  EXPECT_EQ(e.LoadFactors[1], 0.0f);
  EXPECT_TRUE(started.working().SeismicCategory.empty());
  EXPECT_EQ(e.DesignMethod, "IBC-W");  // criteria are not cleared
  EXPECT_EQ(e.LoadCombSelected[1], 0);
  EXPECT_EQ(started.session.window.Caption, "Calvix");
  EXPECT_EQ(started.session.window.ProjectStatus, "Project:  ");
}

TEST(ProjectFileTest, NewProblemAsksOnlyWhenChanged) {
  StartedSession started;
  started.problem().Designed = true;
  EXPECT_TRUE(NewProblem(started.session));
  EXPECT_TRUE(started.platform.messages.empty());
  EXPECT_FALSE(started.problem().Designed);
  EXPECT_EQ(started.entry().Fields[kStripWidthField], "48.00");  // from the default data

  started.problem().DataChanged = true;
  started.entry().Fields[kWallHeightField] = "10.00";
  started.platform.answers.push_back(MessageAnswer::Cancel);
  EXPECT_FALSE(NewProblem(started.session));
  ASSERT_EQ(started.platform.messages.size(), 1u);
  EXPECT_EQ(started.platform.messages[0].text, "Save changes to Untitled?");
  EXPECT_EQ(started.entry().Fields[kWallHeightField], "10.00");
}

}  // namespace
}  // namespace calvix

namespace calvix {
namespace {

TEST(ProjectFileTest, AReadOnlyProjectIsNotReplaced) {
  testing::StartedSession started;
  auto path = started.folder / "protected.cxl";
  started.platform.files.push_back(path);
  ASSERT_TRUE(SaveFile(started.session));
  std::string before = testing::ReadBytes(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  started.entry().Project = "overwritten";
  // File > Save goes to the same file without a dialog.
  EXPECT_FALSE(SaveFile(started.session));
  EXPECT_EQ(started.platform.messages.back().title, "File Error");
  EXPECT_EQ(testing::ReadBytes(path), before);
}

}  // namespace
}  // namespace calvix
