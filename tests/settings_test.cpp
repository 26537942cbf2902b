// The settings file (Calvix.ini): reading and rewriting keys in place, the
// typed readers with their defaults, the recent files and window places kept there.
#include "files/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/encoding.h"
#include "files/recent_files.h"
#include "files/window_place.h"
#include "model/number_format.h"
#include "support/file_fixtures.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kSample =
    "; Calvix settings\r\n[Units System]\r\nUnitsType=2\r\n\r\n[ max shell thickness ]\r\n"
    "  MaxShell = 1.25  \r\n[Font Data]\r\nFontName=\"Arial Narrow\"\r\nFontSize=10\r\n"
    "Label=Kg/cm\xB2\r\nEmpty=\r\nNoValue\r\n[Units System]\r\nUnitsType=3\r\n";

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(file_, kSample); }
  TempFolder folder_;
  fs::path file_ = folder_ / "Calvix.ini";
  SettingsFile settings_{file_};
};

TEST_F(SettingsFileTest, ReadsWritesAndRefusesAsTheTableSays) {
  for (const testing::CaseRow& c : testing::CaseTable("settings_cases.txt")) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(c[0] == "read" ? settings_.Read(c[1], c[2]) : c.fields.back(), c.fields.back());
    EXPECT_TRUE(c[0] != "refuse" || !settings_.Write(c[1], c[2], "v"));
    if (c[0] != "write") continue;
    WriteBytes(folder_ / "other.ini", c[1]);
    ASSERT_TRUE(SettingsFile(folder_ / "other.ini").Write(c[2], "y", "2"));
    EXPECT_EQ(ReadBytes(folder_ / "other.ini"), c[3]);
  }
  EXPECT_EQ(ReadBytes(file_), kSample);
  // A missing file, or a folder, reads empty.
  EXPECT_EQ(SettingsFile(folder_ / "none.ini").Read("Units System", "UnitsType"), "");
  EXPECT_EQ(SettingsFile(folder_.path()).Read("Units System", "UnitsType"), "");
}

TEST(SettingsFile, ValuesAreCutAt127Characters) {
  TempFolder folder;
  WriteBytes(folder / "Calvix.ini", "[A]\r\nplain=" + std::string(200, 'x') + "\r\nsuper=\"" +
                                        std::string(130, '\xB2') + "\"\r\nnul=ab" +
                                        std::string(1, '\0') +
                                        "cd\r\nquote=\"one\"two\"\r\nlone=\"x\r\n");
  const SettingsFile settings(folder / "Calvix.ini");
  EXPECT_EQ(settings.Read("A", "plain"), std::string(127, 'x'));
  EXPECT_EQ(settings.Read("A", "super"), Cp1252ToUtf8(std::string(127, '\xB2')));
  EXPECT_EQ(settings.Read("A", "nul"), "ab");
  EXPECT_EQ(settings.Read("A", "quote"), "one\"two");
  EXPECT_EQ(settings.Read("A", "lone"), "\"x");
}

TEST_F(SettingsFileTest, WriteReplacesInPlaceAddsAtSectionEndAndAppendsSections) {
  ASSERT_TRUE(settings_.Write("UNITS SYSTEM", "unitstype", "1"));
  ASSERT_TRUE(settings_.Write("Max Shell Thickness", "MaxShell", "3"));
  ASSERT_TRUE(settings_.Write("Units System", "Extra", "yes"));
  ASSERT_TRUE(settings_.Write("Design Criteria", "ShowDesignCriteria", "False"));
  std::string expected = kSample;
  expected.replace(expected.find("UnitsType=2"), 11, "UnitsType=1\r\nExtra=yes");
  expected.replace(expected.find("  MaxShell = 1.25  "), 19, "  MaxShell = 3");
  EXPECT_EQ(ReadBytes(file_), expected + "[Design Criteria]\r\nShowDesignCriteria=False\r\n");
  EXPECT_EQ(settings_.Read("Units System", "UnitsType"), "1");
  EXPECT_EQ(settings_.Read("units system", "extra"), "yes");
  EXPECT_EQ(settings_.Read("Max Shell Thickness", "MaxShell"), "3");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1);
  for (bool show : {true, false}) {
    WriteShowDesignCriteria(settings_, show);
    EXPECT_EQ(settings_.Read("Design Criteria", "ShowDesignCriteria"), show ? "True" : "False");
    EXPECT_EQ(ReadShowDesignCriteria(settings_), show);
  }
}

TEST_F(SettingsFileTest, WriteConvertsTextToTheCodePage) {
  SettingsFile settings(folder_ / "new.ini");
  ASSERT_TRUE(settings.Write("Units", "Label", "mm\xC2\xB2"));
  ASSERT_TRUE(settings.Write("Units", "Multi", "one\r\ntwo\nthree"));
  EXPECT_EQ(ReadBytes(folder_ / "new.ini"), "[Units]\r\nLabel=mm\xB2\r\nMulti=one two three\r\n");
  EXPECT_EQ(settings.Read("Units", "Label"), "mm\xC2\xB2");
}

TEST(SettingsFile, WriteFailsWithoutTouchingAnything) {
  TempFolder folder;
  WriteBytes(folder / "plain.txt", "a file");
  EXPECT_FALSE(
      SettingsFile(folder / "plain.txt" / "Calvix.ini").Write("Units System", "UnitsType", "2"));
  EXPECT_EQ(ReadBytes(folder / "plain.txt"), "a file");
  fs::create_directory(folder / "Calvix.ini");
  EXPECT_FALSE(SettingsFile(folder / "Calvix.ini").Write("Units System", "UnitsType", "2"));
  EXPECT_TRUE(fs::is_directory(folder / "Calvix.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

// The value a typed reader gives, as the table writes it.
std::string ReadSetting(const std::string& key, const SettingsFile& settings) {
  if (key == "UnitsType") return std::to_string(ReadUnitsType(settings));
  if (key == "MaxShell") return FormatGeneralNumber(ReadMaxShell(settings));
  if (key == "ShowDesignCriteria") return ReadShowDesignCriteria(settings) ? "1" : "0";
  if (key == "FontName") return ReadFontName(settings);
  if (key == "FontSize") return FormatGeneralNumber(ReadFontSize(settings));
  std::string paper;  // L letter or A A4, for U.S., S.I. and MKS units
  for (int16_t units : {1, 2, 3})
    paper += ReadPaperSize(settings, units) == PaperSize::A4 ? "A" : "L";
  return paper;
}

TEST(SettingsReaders, DefaultsAndAcceptedValues) {
  for (const testing::CaseRow& c : testing::CaseTable("settings_readers.txt")) {
    SCOPED_TRACE(c.where);
    TempFolder folder;
    // Other keys of the same names in another section must not count.
    std::string content = "[Other]\r\nUnitsType=2\r\nMaxShell=9\r\n";
    if (c[2] != "<absent>") content += "[" + c[1] + "]\r\n" + c[0] + "=" + c[2] + "\r\n";
    WriteBytes(folder / "Calvix.ini", content);
    const SettingsFile settings(folder / "Calvix.ini");
    EXPECT_EQ(ReadSetting(c[0], settings), c[3]);
  }
}

// The recent-files list of the File menu.

TEST_F(SettingsFileTest, RecentFilesNewestFirstWithoutDuplicatesAndAtMostFive) {
  using Paths = std::vector<fs::path>;
  EXPECT_TRUE(ReadRecentFiles(settings_).empty());
  // Opening a listed file again moves it to the top.
  for (const char* name : {"/w/a.cxl", "/w/b.cxl", "/w/c.cxl", "/w/a.cxl"}) {
    ASSERT_TRUE(AddRecentFile(settings_, name));
  }
  EXPECT_EQ(ReadRecentFiles(settings_), (Paths{"/w/a.cxl", "/w/c.cxl", "/w/b.cxl"}));
  for (const char* name : {"/w/d.cxl", "/w/e.cxl", "/w/f.cxl"}) {
    ASSERT_TRUE(AddRecentFile(settings_, name));
  }
  EXPECT_EQ(ReadRecentFiles(settings_),
            (Paths{"/w/f.cxl", "/w/e.cxl", "/w/d.cxl", "/w/a.cxl", "/w/c.cxl"}));
  EXPECT_EQ(settings_.Read("Recent Files", "File1"), "/w/f.cxl");
  // A path the settings cannot hold is not kept.
  const std::string longest = "/" + std::string(kSettingsValueMaxLength - 5, 'x') + ".cxl";
  EXPECT_TRUE(AddRecentFile(settings_, longest));
  EXPECT_FALSE(AddRecentFile(settings_, "/x" + longest));         // one character too long
  EXPECT_FALSE(AddRecentFile(settings_, "/w/\xE5\xA2\x99.cxl"));  // not in the code page
  EXPECT_EQ(ReadRecentFiles(settings_)[0], longest);
}

// The place of a window.

TEST_F(SettingsFileTest, WindowPlaceKeptAndReadBack) {
  EXPECT_FALSE(ReadWindowPlace(settings_, kMainWindowSection).has_value());
  // Negative positions (a screen left of the main one) are kept.
  for (const WindowPlace& place :
       {WindowPlace{120, 80, 1100, 760, true}, WindowPlace{-1200, -5, 900, 600, false}}) {
    ASSERT_TRUE(WriteWindowPlace(settings_, kMainWindowSection, place));
    EXPECT_EQ(ReadWindowPlace(settings_, kMainWindowSection), place);
  }
  EXPECT_EQ(settings_.Read("Main Window", "Width") + settings_.Read("Main Window", "Maximized"),
            "900False");
  // Unusable values give nothing.
  for (const auto& [key, value] :
       {std::pair{"Width", "wide"}, {"Width", "0"}, {"Height", "12.5"}}) {
    settings_.Write("Main Window", key, value);
    EXPECT_FALSE(ReadWindowPlace(settings_, kMainWindowSection).has_value()) << key << value;
    settings_.Write("Main Window", key, key == std::string("Width") ? "900" : "600");
  }
  EXPECT_TRUE(ReadWindowPlace(settings_, kMainWindowSection).has_value());
}

}  // namespace
}  // namespace calvix
