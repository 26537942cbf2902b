#include "files/text_items.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/errors.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system temporary folder, removed with its content.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("calvix_text_items_" + std::to_string(random()) + "_" + std::to_string(random()));
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

// ---- Line classification -------------------------------------------------

struct GoodLine {
  std::string line;
  ItemKind kind;
  std::string text;
};

TEST(TextItemLine, ClassifiesItems) {
  const GoodLine cases[] = {
      {"\"ACI\"", ItemKind::String, "ACI"},
      {"\"ACI\"\r\n", ItemKind::String, "ACI"},
      {"\"ACI\"\n", ItemKind::String, "ACI"},
      {"\"ACI\"   ", ItemKind::String, "ACI"},
      {"\"\"", ItemKind::String, ""},
      {"\" spaced \"", ItemKind::String, " spaced "},
      {"\"say \"hi\" now\"", ItemKind::String, "say \"hi\" now"},
      {"\"\"\"\"", ItemKind::String, "\"\""},
      {"\"a,b\"", ItemKind::String, "a,b"},
      {"\"Kg/cm\xB2\"", ItemKind::String, "Kg/cm\xC2\xB2"},
      {"\"< 0.75 g\"", ItemKind::String, "< 0.75 g"},
      {"-3", ItemKind::Integer, "-3"},
      {"0", ItemKind::Integer, "0"},
      {"12\r\n", ItemKind::Integer, "12"},
      {"+7", ItemKind::Integer, "+7"},
      {"#TRUE#", ItemKind::Boolean, "True"},
      {"#FALSE#\r\n", ItemKind::Boolean, "False"},
      {".5", ItemKind::Number, ".5"},
      {"-.5", ItemKind::Number, "-.5"},
      {"1.333333", ItemKind::Number, "1.333333"},
      {"5.", ItemKind::Number, "5."},
      {"-2.5E-05", ItemKind::Number, "-2.5E-05"},
      {"1e3", ItemKind::Number, "1e3"},
      {"99999999999999999999", ItemKind::Number, "99999999999999999999"},
  };
  for (const GoodLine& c : cases) {
    const std::optional<TextItem> item = ParseItemLine(c.line);
    ASSERT_TRUE(item.has_value()) << c.line;
    EXPECT_EQ(item->kind, c.kind) << c.line;
    EXPECT_EQ(item->text, c.text) << c.line;
  }
}

TEST(TextItemLine, RejectsDamagedLines) {
  const std::string cases[] = {
      "abc",
      "\"unterminated",
      "unterminated\"",
      "",
      "   ",
      "\r\n",
      "\"",
      "#TRUE",
      "#true#",
      "TRUE",
      "1,5",
      "1.2.3",
      ".",
      "-",
      "E5",
      "1e",
      "1e+",
      "1 000",
      "\"a\" x",
      "1e999",
      "0x10",
      "nan",
      "inf",
  };
  for (const std::string& line : cases) {
    EXPECT_FALSE(ParseItemLine(line).has_value()) << "[" << line << "]";
  }
}

TEST(TextItemLine, TypedAccessors) {
  EXPECT_EQ(ParseItemLine("-3")->AsInteger(), -3L);
  EXPECT_EQ(ParseItemLine("+7")->AsInteger(), 7L);
  EXPECT_EQ(ParseItemLine("-3")->AsNumber(), -3.0);
  EXPECT_EQ(ParseItemLine(".5")->AsNumber(), 0.5);
  EXPECT_EQ(ParseItemLine("1e3")->AsNumber(), 1000.0);
  EXPECT_EQ(ParseItemLine("2.0")->AsInteger(), 2L);
  EXPECT_FALSE(ParseItemLine("2.5")->AsInteger().has_value());
  EXPECT_FALSE(ParseItemLine("1e300")->AsInteger().has_value());
  EXPECT_EQ(ParseItemLine("#TRUE#")->AsBoolean(), true);
  EXPECT_EQ(ParseItemLine("#FALSE#")->AsBoolean(), false);
  EXPECT_FALSE(ParseItemLine("\"True\"")->AsBoolean().has_value());
  EXPECT_FALSE(ParseItemLine("\"12\"")->AsNumber().has_value());
  EXPECT_FALSE(ParseItemLine("#TRUE#")->AsInteger().has_value());
  EXPECT_EQ(ParseItemLine("\"12\"")->AsText(), "12");
  EXPECT_EQ(ParseItemLine("#FALSE#")->AsText(), "False");
}

TEST(TextItemLine, BuildersCheckNumbers) {
  EXPECT_EQ(TextItem::FromInteger(-42).text, "-42");
  EXPECT_EQ(TextItem::FromInteger(-42).AsInteger(), -42L);
  EXPECT_EQ(TextItem::FromNumberText(".25").AsNumber(), 0.25);
  for (const char* bad : {"abc", "", "1,5", "inf", "1e999"}) {
    try {
      TextItem::FromNumberText(bad);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const CalvixError& error) {
      EXPECT_EQ(error.number(), kErrorTypeMismatch) << bad;
    }
  }
}

TEST(TextItemLine, FormatsItems) {
  struct Case {
    TextItem item;
    std::string line;
  };
  const Case cases[] = {
      {TextItem::FromString("ACI"), "\"ACI\""},
      {TextItem::FromString(""), "\"\""},
      {TextItem::FromString("say \"hi\""), "\"say \"hi\"\""},
      {TextItem::FromString("a\r\nb\rc\nd"), "\"a b c d\""},
      {TextItem::FromString("a\r\n\r\nb"), "\"a  b\""},
      {TextItem::FromString("mm\xC2\xB2"), "\"mm\xB2\""},
      {TextItem::FromString("\xE4\xB8\xAD"), "\"?\""},
      {TextItem::FromInteger(-3), "-3"},
      {TextItem::FromInteger(0), "0"},
      {TextItem::FromBoolean(true), "#TRUE#"},
      {TextItem::FromBoolean(false), "#FALSE#"},
      {TextItem::FromNumberText(".5"), ".5"},
      {TextItem::FromNumberText("1.333333"), "1.333333"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatItemLine(c.item), c.line) << c.item.text;
    const std::optional<TextItem> back = ParseItemLine(c.line);
    ASSERT_TRUE(back.has_value()) << c.line;
    EXPECT_EQ(back->kind, c.item.kind) << c.line;
  }
}

TEST(TextItemLine, FormatRefusesMalformedItems) {
  const TextItem cases[] = {
      {ItemKind::Integer, "x"},
      {ItemKind::Integer, "1.5"},
      {ItemKind::Number, "1,5"},
      {ItemKind::Boolean, "yes"},
  };
  for (const TextItem& item : cases) {
    EXPECT_THROW(FormatItemLine(item), CalvixError) << item.text;
  }
}

// ---- Files -----------------------------------------------------------------

std::vector<TextItem> EveryKind() {
  return {
      TextItem::FromInteger(1),       TextItem::FromString("Project \"North\" wall"),
      TextItem::FromString(""),       TextItem::FromString("Kg/cm\xC2\xB2"),
      TextItem::FromBoolean(true),    TextItem::FromBoolean(false),
      TextItem::FromInteger(-3),      TextItem::FromNumberText("1.333333"),
      TextItem::FromNumberText(".5"),
  };
}

TEST(TextItemFile, WriteThenReadRoundTrip) {
  TempFolder folder;
  const fs::path file = folder / "round.cxl";
  const std::vector<TextItem> items = EveryKind();
  WriteTextItemsAtomically(file, items);

  EXPECT_EQ(ReadBytes(file),
            "1\r\n\"Project \"North\" wall\"\r\n\"\"\r\n\"Kg/cm\xB2\"\r\n#TRUE#\r\n#FALSE#\r\n"
            "-3\r\n1.333333\r\n.5\r\n");
  const ReadItemsResult result = ReadTextItems(file, 100);
  EXPECT_TRUE(result.error.empty()) << result.error;
  EXPECT_FALSE(result.badLine.has_value());
  EXPECT_EQ(result.items, items);
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"round.cxl"});
}

TEST(TextItemFile, OverwritesAnExistingFile) {
  TempFolder folder;
  const fs::path file = folder / "data.fil";
  WriteBytes(file, "old content that is longer than the new one\r\n");
  WriteTextItemsAtomically(file, {TextItem::FromInteger(7)});
  EXPECT_EQ(ReadBytes(file), "7\r\n");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"data.fil"});
}

TEST(TextItemFile, ReadsLfAndCrLfLines) {
  struct Case {
    std::string bytes;
    std::size_t items;
  };
  const Case cases[] = {
      {"\"A\"\n3\n#TRUE#\n.5\n", 4},
      {"\"A\"\r\n3\r\n#TRUE#\r\n.5\r\n", 4},
      {"\"A\"\r\n3\n#TRUE#\r\n.5", 4},  // mixed, last line without ending
      {"\"A\"\r\n\r\n", 1},             // trailing empty line
      {"\"A\"\r\n\r\n  \r\n\n", 1},     // several trailing blank lines
      {"", 0},
  };
  TempFolder folder;
  const fs::path file = folder / "lines.fil";
  for (const Case& c : cases) {
    WriteBytes(file, c.bytes);
    const ReadItemsResult result = ReadTextItems(file, 100);
    EXPECT_FALSE(result.badLine.has_value()) << c.bytes;
    EXPECT_TRUE(result.error.empty()) << c.bytes;
    ASSERT_EQ(result.items.size(), c.items) << c.bytes;
    if (c.items == 4) {
      EXPECT_EQ(result.items[0], TextItem::FromString("A"));
      EXPECT_EQ(result.items[1], TextItem::FromInteger(3));
      EXPECT_EQ(result.items[2], TextItem::FromBoolean(true));
      EXPECT_EQ(result.items[3], TextItem::FromNumberText(".5"));
    }
  }
}

TEST(TextItemFile, ReportsTheFirstBadLine) {
  struct Case {
    std::string bytes;
    std::size_t items;
    std::size_t badLine;
  };
  const Case cases[] = {
      {"1\r\n2\r\nabc\r\n4\r\n", 2, 3},
      {"\"unterminated\r\n2\r\n", 0, 1},
      {"1\r\n\r\n3\r\n", 1, 2},  // a blank line followed by items is damage
      {"1\n2\n3\n#BAD#", 3, 4},
      {std::string("\"A\"\r\n\"x\0y\"\r\n", 12), 1, 2},  // NUL inside a string
  };
  TempFolder folder;
  const fs::path file = folder / "bad.fil";
  for (const Case& c : cases) {
    WriteBytes(file, c.bytes);
    const ReadItemsResult result = ReadTextItems(file, 100);
    EXPECT_EQ(result.items.size(), c.items) << c.bytes;
    EXPECT_EQ(result.badLine, c.badLine) << c.bytes;
  }
}

TEST(TextItemFile, LineLengthLimit) {
  TempFolder folder;
  const fs::path file = folder / "limit.fil";
  // Ten characters fit a limit of ten, with either line ending.
  WriteBytes(file, "\"12345678\"\r\n\"12345678\"\n\"12345678\"");
  ReadItemsResult result = ReadTextItems(file, 100, 10);
  EXPECT_EQ(result.items.size(), 3u);
  EXPECT_FALSE(result.badLine.has_value());

  WriteBytes(file, "\"12345678\"\r\n\"123456789\"\r\n");
  result = ReadTextItems(file, 100, 10);
  EXPECT_EQ(result.items.size(), 1u);
  EXPECT_EQ(result.badLine, 2u);

  WriteBytes(file, "\"123456789\"");  // last line, no ending
  result = ReadTextItems(file, 100, 10);
  EXPECT_TRUE(result.items.empty());
  EXPECT_EQ(result.badLine, 1u);
}

TEST(TextItemFile, MegabyteLineIsABadLine) {
  TempFolder folder;
  const fs::path file = folder / "long.fil";
  WriteBytes(file, "1\r\n\"two\"\r\n\"" + std::string(1 << 20, 'x') + "\"\r\n4\r\n");
  const auto start = std::chrono::steady_clock::now();
  const ReadItemsResult result = ReadTextItems(file, 100);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(result.items.size(), 2u);
  EXPECT_EQ(result.badLine, 3u);
  EXPECT_TRUE(result.error.empty());
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(TextItemFile, BinaryGarbageStopsReading) {
  TempFolder folder;
  const fs::path file = folder / "garbage.fil";
  std::string bytes = "\"A\"\r\n7\r\n";
  bytes += std::string("\x01\x02\x00\xFF\xFE\n\"B\"\r\n", 11);
  WriteBytes(file, bytes);
  ReadItemsResult result = ReadTextItems(file, 100);
  EXPECT_EQ(result.items.size(), 2u);
  EXPECT_EQ(result.badLine, 3u);

  // Random bytes without any line ending: the first line is too long.
  std::mt19937 generator(12345);
  std::string noise(200000, '\0');
  for (char& c : noise) c = static_cast<char>(1 + generator() % 255);
  for (char& c : noise) {
    if (c == '\n') c = 'n';
  }
  WriteBytes(file, noise);
  result = ReadTextItems(file, 100);
  EXPECT_TRUE(result.items.empty());
  EXPECT_EQ(result.badLine, 1u);
}

TEST(TextItemFile, StopsAfterMaxItems) {
  TempFolder folder;
  const fs::path file = folder / "many.fil";
  WriteBytes(file, "1\r\n2\r\n3\r\nnot an item\r\n" + std::string("\0\0", 2));
  ReadItemsResult result = ReadTextItems(file, 3);
  ASSERT_EQ(result.items.size(), 3u);
  EXPECT_EQ(result.items[2].AsInteger(), 3L);
  EXPECT_FALSE(result.badLine.has_value());

  result = ReadTextItems(file, 2);
  EXPECT_EQ(result.items.size(), 2u);
  EXPECT_FALSE(result.badLine.has_value());

  result = ReadTextItems(file, 0);
  EXPECT_TRUE(result.items.empty());
  EXPECT_TRUE(result.error.empty());

  result = ReadTextItems(file, 4);
  EXPECT_EQ(result.items.size(), 3u);
  EXPECT_EQ(result.badLine, 4u);
}

TEST(TextItemFile, MissingFileIsAnError) {
  TempFolder folder;
  const fs::path missing = folder / "missing.cxl";
  ReadItemsResult result = ReadTextItems(missing, 10);
  EXPECT_TRUE(result.items.empty());
  EXPECT_FALSE(result.badLine.has_value());
  EXPECT_NE(result.error.find("missing.cxl"), std::string::npos) << result.error;

  result = ReadTextItems(folder.path(), 10);  // a folder is no file
  EXPECT_TRUE(result.items.empty());
  EXPECT_FALSE(result.error.empty());
}

TEST(TextItemFile, FailedWriteThrowsAndLeavesNoTrace) {
  TempFolder folder;
  const fs::path notAFolder = folder / "plain.txt";
  WriteBytes(notAFolder, "I am a file");
  const fs::path target = notAFolder / "project.cxl";
  try {
    WriteTextItemsAtomically(target, EveryKind());
    FAIL() << "writing under a file succeeded";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorFileAccess);
    EXPECT_NE(std::string(error.what()).find("project.cxl"), std::string::npos) << error.what();
  }
  EXPECT_EQ(ReadBytes(notAFolder), "I am a file");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"plain.txt"});
}

TEST(TextItemFile, TargetThatIsAFolderStaysIntact) {
  TempFolder folder;
  const fs::path target = folder / "project.cxl";
  fs::create_directory(target);
  WriteBytes(target / "inside.txt", "keep");
  try {
    WriteTextItemsAtomically(target, EveryKind());
    FAIL() << "replaced a folder";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorFileAccess);
  }
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "inside.txt"), "keep");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"project.cxl"});
}

TEST(TextItemFile, MalformedItemLeavesOldFileIntact) {
  TempFolder folder;
  const fs::path file = folder / "data.fil";
  WriteBytes(file, "\"old\"\r\n");
  const std::vector<TextItem> items = {TextItem::FromInteger(1), {ItemKind::Number, "oops"}};
  EXPECT_THROW(WriteTextItemsAtomically(file, items), CalvixError);
  EXPECT_EQ(ReadBytes(file), "\"old\"\r\n");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"data.fil"});
}

}  // namespace
}  // namespace calvix
