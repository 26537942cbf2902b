#include "files/encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace calvix {
namespace {

std::string Byte(int value) {
  return std::string(1, static_cast<char>(value));
}

TEST(Cp1252Encoding, EveryByteRoundTrips) {
  for (int value = 0; value < 256; ++value) {
    const std::string original = Byte(value);
    const std::string utf8 = Cp1252ToUtf8(original);
    EXPECT_EQ(Utf8Length(utf8), 1u) << "byte " << value;
    EXPECT_EQ(Utf8ToCp1252(utf8), original) << "byte " << value;
  }
}

TEST(Cp1252Encoding, AllBytesInOneTextRoundTrip) {
  std::string all;
  for (int value = 0; value < 256; ++value) all += Byte(value);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8Length(utf8), 256u);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252Encoding, BytesGiveTheirCharacters) {
  struct Case {
    int byte;
    std::string utf8;
  };
  const Case cases[] = {
      {0x00, std::string(1, '\0')}, {0x41, "A"},        {0x7F, "\x7F"},
      {0x80, "\xE2\x82\xAC"},  // euro sign
      {0x81, "\xC2\x81"},      // undefined: kept as U+0081
      {0x83, "\xC6\x92"},      // f with hook
      {0x8D, "\xC2\x8D"},           {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"},
      {0x92, "\xE2\x80\x99"},                            // right single quotation mark
      {0x96, "\xE2\x80\x93"},                            // en dash
      {0x99, "\xE2\x84\xA2"},                            // trade mark sign
      {0x9D, "\xC2\x9D"},           {0x9F, "\xC5\xB8"},  // Y with diaeresis
      {0xA0, "\xC2\xA0"},           {0xB2, "\xC2\xB2"},  // superscript two
      {0xF8, "\xC3\xB8"},                                // o with stroke
      {0xFF, "\xC3\xBF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(Byte(c.byte)), c.utf8) << "byte " << c.byte;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), Byte(c.byte)) << "byte " << c.byte;
  }
}

TEST(Cp1252Encoding, UnitLabelsRoundTrip) {
  struct Case {
    std::string utf8;
    std::string cp1252;
  };
  const Case cases[] = {
      {"Kg/cm\xC2\xB2", "Kg/cm\xB2"},
      {"mm\xC2\xB2", "mm\xB2"},
      {"\xC3\xB8", "\xF8"},
      {"12 \xE2\x82\xAC", "12 \x80"},
      {"a \xE2\x80\x94 b", "a \x97 b"},
      {"plain text", "plain text"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
  }
}

TEST(Cp1252Encoding, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string cp1252;
  };
  const Case cases[] = {
      {"\xE4\xB8\xAD", "?"},          // CJK ideograph
      {"x\xF0\x9F\x98\x80y", "x?y"},  // emoji, four bytes
      {"\xC2\x80", "?"},              // U+0080: the euro sign's byte is not for it
      {"\xC2\x9E", "?"},              // U+009E: a C1 control the code page lacks
      {"\xC4\x80", "?"},              // A with macron
      {"\xE2\x88\x9A"
       "2",
       "?2"},  // square root sign
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

TEST(Cp1252Encoding, InvalidUtf8BytesBecomeQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string cp1252;
    std::size_t length;
  };
  const Case cases[] = {
      {"\xC3", "?", 1},    // truncated at the end
      {"\xC3(", "?(", 2},  // missing continuation
      {"\x80", "?", 1},    // lone continuation byte
      {"\xFF", "?", 1},    // never valid
      {"a\xC0\xAF"
       "b",
       "a??b", 4},                      // overlong "/"
      {"\xE0\x80\xAF", "???", 3},       // overlong, three bytes
      {"\xED\xA0\x80", "???", 3},       // surrogate
      {"\xF4\x90\x80\x80", "????", 4},  // past U+10FFFF
      {"\xE2\x82", "??", 2},            // truncated euro sign
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
    EXPECT_EQ(Utf8Length(c.utf8), c.length);
  }
}

TEST(Cp1252Encoding, Utf8LengthCountsCharacters) {
  struct Case {
    std::string utf8;
    std::size_t length;
  };
  const Case cases[] = {
      {"", 0},
      {"abc", 3},
      {"Kg/cm\xC2\xB2", 6},
      {"\xE2\x82\xAC"
       "5",
       2},
      {"\xF0\x9F\x98\x80", 1},
      {std::string(3, '\0'), 3},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8Length(c.utf8), c.length) << c.utf8;
}

}  // namespace
}  // namespace calvix
