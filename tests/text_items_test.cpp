// The item lines of data and project files, and whole files of them: written
// atomically, read with the first bad line reported. The tables of lines and
// files are in tests/data/files/.
#include "files/text_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "files/encoding.h"
#include "model/errors.h"
#include "support/file_fixtures.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using testing::CaseRow;
using testing::CaseTable;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::vector<std::string> kKinds = {"String", "Integer", "Boolean", "Number"};

TEST(TextItemLine, ClassifiesItemsReadsTheirValuesAndRejectsDamagedLines) {
  for (const CaseRow& c : CaseTable("text_item_lines.txt")) {
    SCOPED_TRACE(c.where);
    const std::optional<TextItem> item = ParseItemLine(c[0]);
    ASSERT_EQ(item.has_value(), c[1] != "bad");
    if (!item) continue;
    EXPECT_EQ(kKinds.at(static_cast<size_t>(item->kind)), c[1]);
    EXPECT_EQ(item->AsText(), c[2]);
    const std::optional<long> integer = item->AsInteger();
    EXPECT_EQ(integer ? std::optional<double>(*integer) : std::nullopt, c.Optional(3));
    EXPECT_EQ(item->AsNumber(), c.Optional(4));
    const std::optional<bool> boolean = item->AsBoolean();
    EXPECT_EQ(boolean ? std::to_string(*boolean) : "none", c[5]);
  }
}

TEST(TextItemLine, BuildsAndFormatsItems) {
  for (const char* bad : {"abc", "", "1,5", "inf", "1e999"}) {
    try {
      TextItem::FromNumberText(bad);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const CalvixError& error) {
      EXPECT_EQ(error.number(), kErrorTypeMismatch) << bad;
    }
  }
  // Line breaks become spaces; characters the code page lacks become "?";
  // an item whose text does not fit its kind is refused.
  for (const CaseRow& c : CaseTable("text_item_formats.txt")) {
    SCOPED_TRACE(c.where);
    const auto kind =
        static_cast<ItemKind>(std::find(kKinds.begin(), kKinds.end(), c[0]) - kKinds.begin());
    if (c[2] == "<refused>") {
      EXPECT_THROW(FormatItemLine(TextItem{kind, c[1]}), CalvixError);
      continue;
    }
    EXPECT_EQ(FormatItemLine(TextItem{kind, c[1]}), c[2]);
  }
}

std::vector<TextItem> EveryKind() {
  return {TextItem::FromInteger(1),      TextItem::FromString("Project \"North\" wall"),
          TextItem::FromString(""),      TextItem::FromString("Kg/cm\xC2\xB2"),
          TextItem::FromBoolean(true),   TextItem::FromBoolean(false),
          TextItem::FromInteger(-3),     TextItem::FromNumberText("1.333333"),
          TextItem::FromNumberText(".5")};
}

TEST(TextItemFile, WriteThenReadRoundTrip) {
  TempFolder folder;
  const fs::path file = folder / "round.cxl";
  WriteBytes(file, "old content that is longer than the new one\r\n");
  WriteTextItemsAtomically(file, EveryKind());
  EXPECT_EQ(ReadBytes(file),
            "1\r\n\"Project \"North\" wall\"\r\n\"\"\r\n\"Kg/cm\xB2\"\r\n#TRUE#\r\n#FALSE#\r\n"
            "-3\r\n1.333333\r\n.5\r\n");
  const ReadItemsResult result = ReadTextItems(file, 100);
  EXPECT_TRUE(result.error.empty() && !result.badLine.has_value()) << result.error;
  EXPECT_EQ(result.items, EveryKind());
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

TEST(TextItemFile, ReadsLinesAndReportsTheFirstBadOne) {
  TempFolder folder;
  for (const CaseRow& c : CaseTable("text_item_files.txt")) {
    SCOPED_TRACE(c.where);
    WriteBytes(folder / "lines.fil", c[0]);
    const ReadItemsResult result = ReadTextItems(folder / "lines.fil", 100);
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(result.items.size(), c.Number(1));
    EXPECT_EQ(result.badLine ? std::optional<double>(*result.badLine) : std::nullopt,
              c.Optional(2));
  }
}

TEST(TextItemFile, LineLengthAndItemCountLimits) {
  TempFolder folder;
  const fs::path file = folder / "limit.fil";
  // Ten characters fit a limit of ten, with either line ending.
  WriteBytes(file, "\"12345678\"\r\n\"12345678\"\n\"12345678\"");
  EXPECT_EQ(ReadTextItems(file, 100, 10).items.size(), 3u);
  WriteBytes(file, "\"12345678\"\r\n\"123456789\"\r\n");
  EXPECT_EQ(ReadTextItems(file, 100, 10).badLine, 2u);
  WriteBytes(file, "\"123456789\"");  // last line, no ending
  EXPECT_EQ(ReadTextItems(file, 100, 10).badLine, 1u);
  // Reading stops after the items asked for.
  WriteBytes(file, "1\r\n2\r\n3\r\nnot an item\r\n" + std::string("\0\0", 2));
  for (size_t max : {0, 2, 3}) {
    EXPECT_EQ(ReadTextItems(file, max).items.size(), max);
    EXPECT_FALSE(ReadTextItems(file, max).badLine.has_value()) << max;
  }
  EXPECT_EQ(ReadTextItems(file, 4).badLine, 4u);
}

TEST(TextItemFile, MissingFilesAndFailedWrites) {
  TempFolder folder;
  const ReadItemsResult result = ReadTextItems(folder / "missing.cxl", 10);
  EXPECT_TRUE(result.items.empty() && !result.badLine.has_value());
  EXPECT_NE(result.error.find("missing.cxl"), std::string::npos) << result.error;
  EXPECT_FALSE(ReadTextItems(folder.path(), 10).error.empty());  // a folder is no file
  WriteBytes(folder / "plain.txt", "I am a file");
  fs::create_directory(folder / "project.cxl");
  WriteBytes(folder / "project.cxl" / "inside.txt", "keep");
  WriteBytes(folder / "data.fil", "\"old\"\r\n");
  for (const fs::path& target : {folder / "plain.txt" / "project.cxl", folder / "project.cxl"}) {
    try {
      WriteTextItemsAtomically(target, EveryKind());
      ADD_FAILURE() << "wrote " << target;
    } catch (const CalvixError& error) {
      EXPECT_EQ(error.number(), kErrorFileAccess);
      EXPECT_NE(std::string(error.what()).find("project.cxl"), std::string::npos) << error.what();
    }
  }
  // A malformed item is found before the old file is touched.
  EXPECT_THROW(WriteTextItemsAtomically(folder / "data.fil",
                                        {TextItem::FromInteger(1), {ItemKind::Number, "oops"}}),
               CalvixError);
  EXPECT_EQ(ReadBytes(folder / "plain.txt") + ReadBytes(folder / "project.cxl" / "inside.txt") +
                ReadBytes(folder / "data.fil"),
            "I am a filekeep\"old\"\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 3);
}

// The Windows-1252 code page of the files and UTF-8 inside.

TEST(Cp1252Encoding, EveryByteRoundTripsAsOneCharacter) {
  std::string all;
  for (int value = 0; value < 256; ++value) {
    const std::string byte(1, static_cast<char>(value));
    EXPECT_EQ(Utf8Length(Cp1252ToUtf8(byte)), 1u) << "byte " << value;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << "byte " << value;
    all += byte;
  }
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Encoding, CharactersAsTheTableSays) {
  for (const testing::CaseRow& c : testing::CaseTable("encoding.txt")) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(Utf8ToCp1252(c[1]), c[2]);
    EXPECT_EQ(Utf8Length(c[1]), std::stoul(c[3]));
    EXPECT_EQ(c[0] == "both" ? Cp1252ToUtf8(c[2]) : c[1], c[1]);
  }
}

// A whole number held as a Number item reads as a long down to the smallest
// long (-2^63, exact as a double) and not at +2^63, one above the largest.
TEST(TextItemLine, WholeNumbersReadAsLongsWithinTheirRange) {
  EXPECT_EQ(TextItem::FromNumberText("-9223372036854775808").AsInteger(),
            std::numeric_limits<long>::min());
  EXPECT_EQ(TextItem::FromNumberText("9223372036854775808").AsInteger(), std::nullopt);
  EXPECT_EQ(TextItem::FromNumberText("2.5").AsInteger(), std::nullopt);
}

}  // namespace
}  // namespace calvix
