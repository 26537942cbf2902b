#include "files/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace calvix {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system temporary folder, removed with its content.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("calvix_settings_" + std::to_string(random()) + "_" + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

const std::string kSample =
    "; Calvix settings\r\n"
    "[Units System]\r\n"
    "UnitsType=2\r\n"
    "\r\n"
    "[ max shell thickness ]\r\n"
    "  MaxShell = 1.25  \r\n"
    "[Font Data]\r\n"
    "FontName=\"Arial Narrow\"\r\n"
    "FontSize=10\r\n"
    "Label=Kg/cm\xB2\r\n"
    "Empty=\r\n"
    "NoValue\r\n"
    "[Units System]\r\n"
    "UnitsType=3\r\n";

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(file_, kSample); }

  TempFolder folder_;
  fs::path file_ = folder_ / "Calvix.ini";
};

TEST_F(SettingsFileTest, ReadsWithoutRegardToCaseAndSpaces) {
  struct Case {
    std::string section;
    std::string key;
    std::string value;
  };
  const Case cases[] = {
      {"Units System", "UnitsType", "2"},  // the first of two sections counts
      {"units system", "UNITSTYPE", "2"},
      {"  Units System ", " UnitsType  ", "2"},
      {"Max Shell Thickness", "MaxShell", "1.25"},
      {"MAX SHELL THICKNESS", "maxshell", "1.25"},
      {"Font Data", "FontName", "Arial Narrow"},
      {"Font Data", "FontSize", "10"},
      {"Font Data", "Label", "Kg/cm\xC2\xB2"},
      {"Font Data", "Empty", ""},
      {"Font Data", "NoValue", ""},
      {"Font Data", "Missing", ""},
      {"Units System", "FontSize", ""},  // key of another section
      {"Design Criteria", "ShowDesignCriteria", ""},
      {"", "UnitsType", ""},
  };
  const SettingsFile settings(file_);
  for (const Case& c : cases) {
    EXPECT_EQ(settings.Read(c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST(SettingsFile, MissingFileReadsEmpty) {
  TempFolder folder;
  const SettingsFile settings(folder / "Calvix.ini");
  EXPECT_EQ(settings.Read("Units System", "UnitsType"), "");
  const SettingsFile folderAsFile(folder.path());
  EXPECT_EQ(folderAsFile.Read("Units System", "UnitsType"), "");
}

TEST(SettingsFile, ValuesAreCutAt127Characters) {
  TempFolder folder;
  const fs::path file = folder / "Calvix.ini";
  WriteBytes(file, "[A]\r\nplain=" + std::string(200, 'x') + "\r\nsuper=\"" +
                       std::string(130, '\xB2') + "\"\r\nnul=ab" + std::string(1, '\0') +
                       "cd\r\nquote=\"one\"two\"\r\nlone=\"x\r\n");
  const SettingsFile settings(file);
  EXPECT_EQ(settings.Read("A", "plain"), std::string(127, 'x'));
  std::string superscripts;
  for (int i = 0; i < 127; ++i) superscripts += "\xC2\xB2";
  EXPECT_EQ(settings.Read("A", "super"), superscripts);
  EXPECT_EQ(settings.Read("A", "nul"), "ab");
  EXPECT_EQ(settings.Read("A", "quote"), "one\"two");
  EXPECT_EQ(settings.Read("A", "lone"), "\"x");
}

TEST_F(SettingsFileTest, WriteReplacesValueInPlace) {
  SettingsFile settings(file_);
  ASSERT_TRUE(settings.Write("UNITS SYSTEM", "unitstype", "1"));
  ASSERT_TRUE(settings.Write("Max Shell Thickness", "MaxShell", "3"));
  std::string expected = kSample;
  expected.replace(expected.find("UnitsType=2"), 11, "UnitsType=1");
  expected.replace(expected.find("  MaxShell = 1.25  "), 19, "  MaxShell = 3");
  EXPECT_EQ(ReadBytes(file_), expected);
  EXPECT_EQ(settings.Read("Units System", "UnitsType"), "1");
  EXPECT_EQ(settings.Read("Max Shell Thickness", "MaxShell"), "3");
  EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{"Calvix.ini"});
}

TEST_F(SettingsFileTest, WriteAddsKeyAtEndOfItsSection) {
  SettingsFile settings(file_);
  ASSERT_TRUE(settings.Write("Units System", "Extra", "yes"));
  std::string expected = kSample;
  expected.insert(expected.find("UnitsType=2\r\n") + 13, "Extra=yes\r\n");
  EXPECT_EQ(ReadBytes(file_), expected);
  EXPECT_EQ(settings.Read("units system", "extra"), "yes");
}

TEST_F(SettingsFileTest, WriteAppendsNewSection) {
  SettingsFile settings(file_);
  ASSERT_TRUE(settings.Write("Design Criteria", "ShowDesignCriteria", "False"));
  EXPECT_EQ(ReadBytes(file_), kSample + "[Design Criteria]\r\nShowDesignCriteria=False\r\n");
  EXPECT_EQ(settings.Read("Design Criteria", "ShowDesignCriteria"), "False");
  EXPECT_EQ(settings.Read("Units System", "UnitsType"), "2");
}

TEST_F(SettingsFileTest, ShowDesignCriteriaIsWrittenAsItIsRead) {
  SettingsFile settings(file_);
  WriteShowDesignCriteria(settings, true);
  EXPECT_EQ(settings.Read("Design Criteria", "ShowDesignCriteria"), "True");
  EXPECT_TRUE(ReadShowDesignCriteria(settings));
  WriteShowDesignCriteria(settings, false);
  EXPECT_EQ(settings.Read("Design Criteria", "ShowDesignCriteria"), "False");
  EXPECT_FALSE(ReadShowDesignCriteria(settings));
}

TEST(SettingsFile, WriteCreatesMissingFile) {
  TempFolder folder;
  const fs::path file = folder / "Calvix.ini";
  SettingsFile settings(file);
  ASSERT_TRUE(settings.Write("Design Criteria", "ShowDesignCriteria", "True"));
  ASSERT_TRUE(settings.Write("Font Data", "FontName", "Courier New"));
  ASSERT_TRUE(settings.Write("Font Data", "FontSize", "10"));
  EXPECT_EQ(ReadBytes(file),
            "[Design Criteria]\r\nShowDesignCriteria=True\r\n"
            "[Font Data]\r\nFontName=Courier New\r\nFontSize=10\r\n");
}

TEST(SettingsFile, WriteKeepsLfLineEndings) {
  TempFolder folder;
  const fs::path file = folder / "Calvix.ini";
  WriteBytes(file, "[A]\nx=1\n\n[B]\ny=2\n");
  SettingsFile settings(file);
  ASSERT_TRUE(settings.Write("A", "z", "3"));
  ASSERT_TRUE(settings.Write("C", "w", "4"));
  EXPECT_EQ(ReadBytes(file), "[A]\nx=1\nz=3\n\n[B]\ny=2\n[C]\nw=4\n");
}

TEST(SettingsFile, WriteAfterLastLineWithoutEnding) {
  struct Case {
    std::string before;
    std::string section;
    std::string after;
  };
  const Case cases[] = {
      {"[A]\r\nx=1", "A", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1", "B", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]", "A", "[A]\r\ny=2\r\n"},
      {"", "A", "[A]\r\ny=2\r\n"},
  };
  TempFolder folder;
  const fs::path file = folder / "Calvix.ini";
  for (const Case& c : cases) {
    WriteBytes(file, c.before);
    SettingsFile settings(file);
    ASSERT_TRUE(settings.Write(c.section, "y", "2")) << c.before;
    EXPECT_EQ(ReadBytes(file), c.after) << c.before;
  }
}

TEST(SettingsFile, WriteConvertsTextToTheCodePage) {
  TempFolder folder;
  const fs::path file = folder / "Calvix.ini";
  SettingsFile settings(file);
  ASSERT_TRUE(settings.Write("Units", "Label", "mm\xC2\xB2"));
  ASSERT_TRUE(settings.Write("Units", "Multi", "one\r\ntwo\nthree"));
  EXPECT_EQ(ReadBytes(file), "[Units]\r\nLabel=mm\xB2\r\nMulti=one two three\r\n");
  EXPECT_EQ(settings.Read("Units", "Label"), "mm\xC2\xB2");
  EXPECT_EQ(settings.Read("Units", "Multi"), "one two three");
}

TEST_F(SettingsFileTest, WriteRefusesUnusableNames) {
  struct Case {
    std::string section;
    std::string key;
  };
  const Case cases[] = {
      {"", "Key"},         {"  ", "Key"},        {"Section", ""},      {"Sec]tion", "Key"},
      {"Section", "K=ey"}, {"Sec\ntion", "Key"}, {"Section", "Ke\ry"}, {"Section", "[Key"},
  };
  SettingsFile settings(file_);
  for (const Case& c : cases) {
    EXPECT_FALSE(settings.Write(c.section, c.key, "v")) << c.section << "/" << c.key;
  }
  EXPECT_EQ(ReadBytes(file_), kSample);
}

TEST(SettingsFile, WriteFailsWithoutTouchingAnything) {
  TempFolder folder;
  const fs::path plain = folder / "plain.txt";
  WriteBytes(plain, "a file");
  SettingsFile underAFile(plain / "Calvix.ini");
  EXPECT_FALSE(underAFile.Write("Units System", "UnitsType", "2"));
  EXPECT_EQ(ReadBytes(plain), "a file");

  const fs::path folderTarget = folder / "Calvix.ini";
  fs::create_directory(folderTarget);
  SettingsFile folderAsFile(folderTarget);
  EXPECT_FALSE(folderAsFile.Write("Units System", "UnitsType", "2"));
  EXPECT_TRUE(fs::is_directory(folderTarget));

  std::vector<std::string> entries = FolderEntries(folder.path());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"Calvix.ini", "plain.txt"}));
}

// ---- Typed readers ---------------------------------------------------------

// Settings whose one section / key holds `value`, or is absent.
class OneSetting {
 public:
  OneSetting(const std::string& section, const std::string& key,
             const std::optional<std::string>& value)
      : file_(folder_ / "Calvix.ini") {
    std::string content = "[Other]\r\nUnitsType=2\r\nMaxShell=9\r\n";
    if (value) content += "[" + section + "]\r\n" + key + "=" + *value + "\r\n";
    WriteBytes(file_, content);
  }
  SettingsFile settings() const { return SettingsFile(file_); }

 private:
  TempFolder folder_;
  fs::path file_;
};

TEST(SettingsReaders, UnitsType) {
  struct Case {
    std::optional<std::string> value;
    std::int16_t expected;
  };
  const Case cases[] = {
      {std::nullopt, 1}, {"1", 1}, {"2", 2},  {"3", 3},           {" 3 ", 3},
      {"\"2\"", 2},      {"0", 1}, {"4", 1},  {"-1", 1},          {"abc", 1},
      {"2.5", 1},        {"", 1},  {"2x", 1}, {"99999999999", 1},
  };
  for (const Case& c : cases) {
    const OneSetting one("Units System", "UnitsType", c.value);
    EXPECT_EQ(ReadUnitsType(one.settings()), c.expected) << c.value.value_or("(absent)");
  }
}

TEST(SettingsReaders, MaxShell) {
  struct Case {
    std::optional<std::string> value;
    float expected;
  };
  const Case cases[] = {
      {std::nullopt, 2.0f}, {"1.25", 1.25f}, {".75", 0.75f}, {" 1.5 ", 1.5f}, {"1e0", 1.0f},
      {"abc", 2.0f},        {"0", 2.0f},     {"-1", 2.0f},   {"inf", 2.0f},   {"nan", 2.0f},
      {"1.5in", 2.0f},      {"", 2.0f},      {"1,5", 2.0f},  {"1e99", 2.0f},
  };
  for (const Case& c : cases) {
    const OneSetting one("Max Shell Thickness", "MaxShell", c.value);
    EXPECT_EQ(ReadMaxShell(one.settings()), c.expected) << c.value.value_or("(absent)");
  }
}

TEST(SettingsReaders, ShowDesignCriteria) {
  struct Case {
    std::optional<std::string> value;
    bool expected;
  };
  const Case cases[] = {
      {std::nullopt, false}, {"True", true}, {"TRUE", true}, {"true", true}, {" True ", true},
      {"False", false},      {"yes", false}, {"1", false},   {"", false},    {"Truely", false},
  };
  for (const Case& c : cases) {
    const OneSetting one("Design Criteria", "ShowDesignCriteria", c.value);
    EXPECT_EQ(ReadShowDesignCriteria(one.settings()), c.expected) << c.value.value_or("(absent)");
  }
}

TEST(SettingsReaders, FontNameAndSize) {
  struct NameCase {
    std::optional<std::string> value;
    std::string expected;
  };
  const NameCase names[] = {
      {std::nullopt, "Courier New"},
      {"", "Courier New"},
      {"Arial", "Arial"},
      {" Times New Roman ", "Times New Roman"},
  };
  for (const NameCase& c : names) {
    const OneSetting one("Font Data", "FontName", c.value);
    EXPECT_EQ(ReadFontName(one.settings()), c.expected) << c.value.value_or("(absent)");
  }

  struct SizeCase {
    std::optional<std::string> value;
    float expected;
  };
  const SizeCase sizes[] = {
      {std::nullopt, 12.0f}, {"10", 10.0f}, {"9.5", 9.5f}, {"x", 12.0f},
      {"0", 12.0f},          {"-8", 12.0f}, {"", 12.0f},
  };
  for (const SizeCase& c : sizes) {
    const OneSetting one("Font Data", "FontSize", c.value);
    EXPECT_EQ(ReadFontSize(one.settings()), c.expected) << c.value.value_or("(absent)");
  }
}

TEST(SettingsFile, PaperFollowsTheSettingsOrTheUnitSystem) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  EXPECT_EQ(ReadPaperSize(settings, 1), PaperSize::Letter);
  EXPECT_EQ(ReadPaperSize(settings, 2), PaperSize::A4);
  EXPECT_EQ(ReadPaperSize(settings, 3), PaperSize::A4);
  ASSERT_TRUE(settings.Write("Printer", "PaperSize", "a4"));
  EXPECT_EQ(ReadPaperSize(settings, 1), PaperSize::A4);
  ASSERT_TRUE(settings.Write("Printer", "PaperSize", "Letter"));
  EXPECT_EQ(ReadPaperSize(settings, 2), PaperSize::Letter);
  ASSERT_TRUE(settings.Write("Printer", "PaperSize", "Legal"));  // not offered: the default
  EXPECT_EQ(ReadPaperSize(settings, 2), PaperSize::A4);
}

}  // namespace
}  // namespace calvix
