// The files of the program folder as generated from data/, and LoadUnits,
// which reads the unit records and the bar table from them.
#include "files/units_file.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "files/encoding.h"
#include "model/errors.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = CALVIX_PROGRAM_DIR;

constexpr std::array<std::size_t, kUnitQuantityCount> kLabelWidths = {4, 4, 6, 6, 6, 6, 7, 7, 7,
                                                                      5, 6, 5, 4, 4, 3, 3, 5};
constexpr std::array<std::size_t, kUnitQuantityCount> kPatternWidths = {6, 6, 6, 6, 7, 7, 7, 7, 7,
                                                                        6, 8, 7, 6, 6, 8, 7, 6};

fs::path UnitsPath() {
  return kProgramDir / "Units.fil";
}
fs::path BarsPath() {
  return kProgramDir / "Bars.fil";
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

// Number of characters after the "." of a pattern or a field text (0 without one).
int DecimalsOf(std::string_view text) {
  const std::size_t point = text.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// ---------------------------------------------------------------------------
// The generated files.

TEST(ProgramFilesTest, UnitsFileHoldsThreeRecordsOf269Bytes) {
  ASSERT_TRUE(fs::exists(UnitsPath()));
  EXPECT_EQ(fs::file_size(UnitsPath()), 3u * 269u);
}

TEST(ProgramFilesTest, BarsFileHoldsFifteenRecordsOf11Bytes) {
  ASSERT_TRUE(fs::exists(BarsPath()));
  EXPECT_EQ(fs::file_size(BarsPath()), 15u * 11u);
}

TEST(ProgramFilesTest, MetricLabelsUseSingleByteSuperscripts) {
  const std::string bytes = ReadBytes(UnitsPath());
  ASSERT_EQ(bytes.size(), 807u);
  // Label 2 of the S.I. record sits after the 68 factor bytes and labels 0-1.
  EXPECT_EQ(bytes.substr(269 + 68 + 4 + 4, 6), "kN/m\xB3 ");
  // Label 6 of the MKS record.
  EXPECT_EQ(bytes.substr(2 * 269 + 68 + 4 + 4 + 6 + 6 + 6 + 6, 7), "Kg/cm\xB2 ");
}

// ---------------------------------------------------------------------------
// LoadUnits on the generated files.

TEST(LoadUnitsTest, UsStandardFactorsAreAllOne) {
  const UnitSystem units = LoadUnits(1, UnitsPath(), BarsPath());
  EXPECT_EQ(units.UnitsType, 1);
  for (int k = 0; k < kUnitQuantityCount; ++k) EXPECT_EQ(units.Factor(k), 1.0f) << "k = " << k;
  EXPECT_EQ(units.Label(kLengthShort), "in  ");
  EXPECT_EQ(units.Label(kLengthLong), "ft  ");
  EXPECT_EQ(units.Label(kForce), "lbs   ");
  EXPECT_EQ(units.Label(kMasonryStress), "psi    ");
  EXPECT_EQ(units.Label(kSteelStress), "ksi    ");
  EXPECT_EQ(units.Label(kLineLoad), "plf");
  EXPECT_EQ(units.Label(kArea), "in^2 ");
  EXPECT_EQ(units.Pattern(kLengthShort), "##0.00");
  EXPECT_EQ(units.Pattern(kReportMoment), "#,##0.00");
  EXPECT_EQ(units.Pattern(kDeflection), "#0.000");
}

TEST(LoadUnitsTest, SiMetricFactorsAndLabels) {
  const UnitSystem units = LoadUnits(2, UnitsPath(), BarsPath());
  EXPECT_EQ(units.UnitsType, 2);
  EXPECT_EQ(units.Factor(kLengthShort), 25.4f);
  EXPECT_EQ(units.Factor(kLengthLong), 0.3048f);
  EXPECT_EQ(units.Factor(kMasonryStress), 0.00689475729f);
  EXPECT_EQ(units.Factor(kSteelStress), 6.89475729f);
  EXPECT_EQ(units.Factor(kLineLoad), 14.5939029f);
  EXPECT_EQ(units.Factor(kArea), 645.16f);
  EXPECT_EQ(units.Label(kLengthShort), "mm  ");
  EXPECT_EQ(units.Label(kFluidDensity), "kN/m³ ");
  EXPECT_EQ(units.Label(kMasonryStress), "MPa    ");
  EXPECT_EQ(units.Label(kForce), "N     ");
  EXPECT_EQ(units.Pattern(kMasonryStress), "##0.000");
  EXPECT_EQ(units.Pattern(kLineLoad), "#####0.0");
}

TEST(LoadUnitsTest, MksMetricFactorsAndLabels) {
  const UnitSystem units = LoadUnits(3, UnitsPath(), BarsPath());
  EXPECT_EQ(units.UnitsType, 3);
  EXPECT_EQ(units.Factor(kLengthShort), 25.4f);
  EXPECT_EQ(units.Factor(kForce), 0.45359237f);
  EXPECT_EQ(units.Factor(kMasonryStress), 0.0703069580f);
  EXPECT_EQ(units.Factor(kModulus), 70.3069580f);
  EXPECT_EQ(units.Label(kMasonryStress), "Kg/cm² ");
  EXPECT_EQ(Utf8Length(units.Label(kMasonryStress)), 7u);
  EXPECT_EQ(units.Label(kSurfaceLoad), "Kg/m² ");
  EXPECT_EQ(units.Label(kLineLoad), "K/m");
  EXPECT_EQ(units.Pattern(kModulus), "######0");
}

TEST(LoadUnitsTest, EveryLabelAndPatternKeepsItsSlotWidth) {
  for (int16_t system = 1; system <= 3; ++system) {
    const UnitSystem units = LoadUnits(system, UnitsPath(), BarsPath());
    for (int k = 0; k < kUnitQuantityCount; ++k) {
      const auto ku = static_cast<std::size_t>(k);
      SCOPED_TRACE("system " + std::to_string(system) + ", k = " + std::to_string(k));
      const std::string& label = units.Label(k);
      const std::string& pattern = units.Pattern(k);
      EXPECT_EQ(Utf8Length(label), kLabelWidths[ku]);
      EXPECT_EQ(Utf8Length(pattern), kPatternWidths[ku]);
      // Labels are left-aligned (a reserved quantity has a blank label).
      const bool blankLabel = label.find_first_not_of(' ') == std::string::npos;
      if (!blankLabel) {
        EXPECT_NE(label.front(), ' ');
      }
      EXPECT_EQ(blankLabel, k == 12 || k == 13 || k == 15);
      // Patterns are right-aligned: padding only on the left.
      ASSERT_FALSE(pattern.empty());
      EXPECT_NE(pattern.back(), ' ');
      const std::size_t firstMark = pattern.find_first_not_of(' ');
      ASSERT_NE(firstMark, std::string::npos);
      EXPECT_EQ(pattern.find(' ', firstMark), std::string::npos);
      // Every factor is a number of display units per working unit.
      EXPECT_GT(units.Factor(k), 0.0f);
    }
  }
}

TEST(LoadUnitsTest, UsStandardBarTableHoldsRecordsOneToSeven) {
  const UnitSystem units = LoadUnits(1, UnitsPath(), BarsPath());
  const std::vector<std::string> names = {"#3 ", "#4 ", "#5 ", "#6 ", "#7 ", "#8 ", "#9 "};
  const std::vector<float> areas = {0.11f, 0.20f, 0.31f, 0.44f, 0.60f, 0.79f, 1.00f};
  const std::vector<float> diameters = {0.375f, 0.5f, 0.625f, 0.75f, 0.875f, 1.0f, 1.128f};
  ASSERT_EQ(units.BarTable.size(), 7u);
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(units.BarTable[i].Name, names[i]);
    EXPECT_EQ(units.BarTable[i].Area, areas[i]) << names[i];
    EXPECT_EQ(units.BarTable[i].Diameter, diameters[i]) << names[i];
  }
  EXPECT_EQ(units.BarTable[2].Area, 0.31f);
  EXPECT_EQ(BarLabel(units.BarTable[2]), "#5 ");
}

TEST(LoadUnitsTest, MetricBarTablesHoldRecordsTenToFifteen) {
  const std::vector<std::string> names = {"10M", "15M", "20M", "25M", "30M", "35M"};
  const std::vector<double> areasMm2 = {100, 200, 300, 500, 700, 1000};
  const std::vector<double> diametersMm = {11.3, 16.0, 19.5, 25.2, 29.9, 35.7};
  for (int16_t system = 2; system <= 3; ++system) {
    SCOPED_TRACE("system " + std::to_string(system));
    const UnitSystem units = LoadUnits(system, UnitsPath(), BarsPath());
    ASSERT_EQ(units.BarTable.size(), 6u);
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(units.BarTable[i].Name, names[i]);
      EXPECT_EQ(units.BarTable[i].Area, static_cast<float>(areasMm2[i] / 645.16)) << names[i];
      EXPECT_EQ(units.BarTable[i].Diameter, static_cast<float>(diametersMm[i] / 25.4)) << names[i];
    }
    EXPECT_EQ(units.BarTable[2].Area, static_cast<float>(300 / 645.16));
  }
}

TEST(LoadUnitsTest, BarLabelDropsLeadingBlanksOnly) {
  EXPECT_EQ(BarLabel(Bar{" #4", 0.5f, 0.2f}), "#4");
  EXPECT_EQ(BarLabel(Bar{"#4 ", 0.5f, 0.2f}), "#4 ");
  EXPECT_EQ(BarLabel(Bar{"   ", 0, 0}), "");
}

// ---------------------------------------------------------------------------
// The default data file.

enum class ItemKind { kString, kInteger, kBoolean, kNumber };

bool IsItemOfKind(const std::string& item, ItemKind kind) {
  auto digits = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  switch (kind) {
    case ItemKind::kString:
      return item.size() >= 2 && item.front() == '"' && item.back() == '"' &&
             item.find('"', 1) == item.size() - 1;
    case ItemKind::kBoolean:
      return item == "#TRUE#" || item == "#FALSE#";
    case ItemKind::kInteger:
      return digits(!item.empty() && item.front() == '-' ? std::string_view(item).substr(1)
                                                         : std::string_view(item));
    case ItemKind::kNumber: {
      std::string_view body(item);
      if (!body.empty() && body.front() == '-') body.remove_prefix(1);
      const std::size_t point = body.find('.');
      if (point == std::string_view::npos) return digits(body);
      const std::string_view whole = body.substr(0, point), decimals = body.substr(point + 1);
      return (whole.empty() || digits(whole)) && digits(decimals);
    }
  }
  return false;
}

// Kind of item i (1-41) of a section of the default data file.
ItemKind SectionItemKind(int item) {
  if (item == 4 || item == 6 || item == 11 || item >= 37) return ItemKind::kBoolean;
  if (item == 8 || item == 9 || (item >= 12 && item <= 16)) return ItemKind::kInteger;
  if (item == 10) return ItemKind::kNumber;
  return ItemKind::kString;
}

std::vector<std::string> DefaultItems() {
  const std::string bytes = ReadBytes(kProgramDir / "CXDeflt.fil");
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    items.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return items;
}

TEST(DefaultDataFileTest, HoldsThreeSectionsOfValidItems) {
  const std::vector<std::string> items = DefaultItems();
  ASSERT_EQ(items.size(), 125u);
  const std::array<int, 3> sectionStarts = {1, 43, 85};
  for (int s = 0; s < 3; ++s) {
    for (int i = 1; i <= 41; ++i) {
      const std::string& item = items[static_cast<std::size_t>(sectionStarts[s] + i - 2)];
      EXPECT_TRUE(IsItemOfKind(item, SectionItemKind(i)))
          << "section " << s + 1 << ", item " << i << ": " << item;
      EXPECT_EQ(item.find('\n'), std::string::npos);
    }
    // Item 9 names the unit system of the section.
    EXPECT_EQ(items[static_cast<std::size_t>(sectionStarts[s] + 7)], std::to_string(s + 1));
  }
  // The items between the sections are kept as they are; they ship empty.
  EXPECT_EQ(items[41], "\"\"");
  EXPECT_EQ(items[83], "\"\"");
}

TEST(DefaultDataFileTest, FieldTextsShowTheDecimalsOfTheirFields) {
  const std::vector<std::string> items = DefaultItems();
  ASSERT_EQ(items.size(), 125u);
  // Section items 19-36 hold entry fields 6, 17 and 19-34.
  std::array<int, 18> fields{};
  fields[0] = kStripWidthField;
  fields[1] = kSsField;
  for (int i = 2; i < 18; ++i) fields[static_cast<std::size_t>(i)] = kUnitStrengthField + i - 2;

  auto quantityOf = [](int field) {
    switch (field) {
      case kStripWidthField:
      case kGroutedCellWidthField:
      case kUnitLengthField:
      case kFaceShellField:
      case kNominalMinusActualField:
        return static_cast<int>(kLengthShort);
      case kFyField:
      case kFsField:
        return static_cast<int>(kSteelStress);
      case kEmField:
      case kEsField:
        return static_cast<int>(kModulus);
      default:
        return static_cast<int>(kMasonryStress);  // fields 19-24
    }
  };
  const std::array<int, 3> sectionStarts = {1, 43, 85};
  for (int16_t system = 1; system <= 3; ++system) {
    const UnitSystem units = LoadUnits(system, UnitsPath(), BarsPath());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const int field = fields[i];
      int decimals = 0;
      if (field == kSsField) {
        decimals = 1;
      } else if (field == kModularRatioField) {
        decimals = 2;
      } else if (field == kMinSteelRatioField) {
        decimals = 5;
      } else if (field == kNominalMinusActualField && system == 1) {
        decimals = 3;
      } else {
        decimals = DecimalsOf(units.Pattern(quantityOf(field)));
      }
      const std::string& item =
          items[static_cast<std::size_t>(sectionStarts[static_cast<std::size_t>(system - 1)]) + 18 +
                i - 1];
      ASSERT_TRUE(IsItemOfKind(item, ItemKind::kString)) << item;
      const std::string text = item.substr(1, item.size() - 2);
      EXPECT_TRUE(IsItemOfKind(text, ItemKind::kNumber)) << "field " << field << ": " << text;
      EXPECT_EQ(DecimalsOf(text), decimals)
          << "system " << system << ", field " << field << ": " << text;
    }
  }
}

TEST(DefaultDataFileTest, SettingsFileHasCrLfLinesAndItsKeys) {
  const std::string bytes = ReadBytes(kProgramDir / "Calvix.ini");
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
    EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "line feed without carriage return at " << at;
  }
  for (const char* line :
       {"[Units System]\r\nUnitsType=1\r\n", "MaxShell=2.0\r\n", "ShowDesignCriteria=False\r\n",
        "FontName=Courier New\r\n", "FontSize=10\r\n"}) {
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  }
}

// ---------------------------------------------------------------------------
// Damaged and missing files.

class DamagedFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    dir_ = fs::temp_directory_path() /
           ("calvix_units_test_" + std::to_string(random()) + "_" + std::to_string(random()));
    ASSERT_TRUE(fs::create_directories(dir_));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // A copy of a generated file keeping only its first `size` bytes.
  fs::path CutCopy(const fs::path& source, std::size_t size) {
    const fs::path copy = dir_ / source.filename();
    std::string bytes = ReadBytes(source);
    bytes.resize(size);
    WriteBytes(copy, bytes);
    return copy;
  }

  fs::path dir_;
};

// Runs LoadUnits and returns the error it throws (number -1 when it throws none).
CalvixError LoadError(int16_t unitsType, const fs::path& units, const fs::path& bars) {
  try {
    LoadUnits(unitsType, units, bars);
  } catch (const CalvixError& error) {
    return error;
  }
  return CalvixError(-1, "no error");
}

TEST_F(DamagedFilesTest, MissingUnitsFileIsNamed) {
  const fs::path missing = dir_ / "Units.fil";
  const CalvixError error = LoadError(1, missing, BarsPath());
  EXPECT_EQ(error.number(), kErrorFileNotFound);
  EXPECT_NE(std::string(error.what()).find("\"" + missing.string() + "\""), std::string::npos)
      << error.what();
  EXPECT_NE(std::string(error.what()).find("missing units file"), std::string::npos)
      << error.what();
}

TEST_F(DamagedFilesTest, MissingBarFileIsNamed) {
  const fs::path missing = dir_ / "Bars.fil";
  const CalvixError error = LoadError(2, UnitsPath(), missing);
  EXPECT_EQ(error.number(), kErrorFileNotFound);
  EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos) << error.what();
  EXPECT_NE(std::string(error.what()).find("bar file"), std::string::npos) << error.what();
}

TEST_F(DamagedFilesTest, FolderInPlaceOfUnitsFileCannotBeRead) {
  const CalvixError error = LoadError(1, dir_, BarsPath());
  EXPECT_EQ(error.number(), kErrorFileAccess);
  EXPECT_NE(std::string(error.what()).find(dir_.string()), std::string::npos) << error.what();
}

TEST_F(DamagedFilesTest, ShortUnitsFileStillGivesItsFirstRecord) {
  const fs::path cut = CutCopy(UnitsPath(), 500);
  const UnitSystem units = LoadUnits(1, cut, BarsPath());
  EXPECT_EQ(units.Label(kLengthShort), "in  ");
  for (int16_t system : {2, 3}) {
    const CalvixError error = LoadError(system, cut, BarsPath());
    EXPECT_EQ(error.number(), kErrorInputPastEnd) << "record " << system;
    EXPECT_NE(std::string(error.what()).find(cut.string()), std::string::npos) << error.what();
  }
}

TEST_F(DamagedFilesTest, EmptyUnitsFileIsIncomplete) {
  const fs::path empty = CutCopy(UnitsPath(), 0);
  const CalvixError error = LoadError(1, empty, BarsPath());
  EXPECT_EQ(error.number(), kErrorInputPastEnd);
  EXPECT_NE(std::string(error.what()).find(empty.string()), std::string::npos) << error.what();
}

TEST_F(DamagedFilesTest, ShortBarFileLacksTheMetricBars) {
  const fs::path cut = CutCopy(BarsPath(), 100);
  // Records 1-7 end at byte 77: the U.S. Standard bars are all there.
  EXPECT_EQ(LoadUnits(1, UnitsPath(), cut).BarTable.size(), 7u);
  for (int16_t system : {2, 3}) {
    const CalvixError error = LoadError(system, UnitsPath(), cut);
    EXPECT_EQ(error.number(), kErrorInputPastEnd) << "system " << system;
    EXPECT_NE(std::string(error.what()).find(cut.string()), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("bar file"), std::string::npos) << error.what();
  }
}

TEST_F(DamagedFilesTest, UnitSystemOutsideOneToThreeHasNoRecord) {
  for (int16_t system : {0, 4, -1}) {
    const CalvixError error = LoadError(system, UnitsPath(), BarsPath());
    EXPECT_EQ(error.number(), kErrorInputPastEnd) << "system " << system;
    EXPECT_NE(std::string(error.what()).find(UnitsPath().string()), std::string::npos)
        << error.what();
  }
}

TEST_F(DamagedFilesTest, ReadsLittleEndianFloatsAndTextsOfTheRecordAsked) {
  // Rewrite factor 3 and label 0 of record 2 in a copy, byte by byte.
  std::string bytes = ReadBytes(UnitsPath());
  ASSERT_EQ(bytes.size(), 807u);
  const float value = -123.5f;  // bits 0xC2F70000
  const auto bits = std::bit_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[269 + 3 * 4 + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
  bytes.replace(269 + 68, 4, "\xB5m\xB2 ");  // "µm² "
  const fs::path copy = dir_ / "Units.fil";
  WriteBytes(copy, bytes);

  const UnitSystem si = LoadUnits(2, copy, BarsPath());
  EXPECT_EQ(si.Factor(kForce), -123.5f);
  EXPECT_EQ(si.Label(kLengthShort), "µm² ");
  EXPECT_EQ(si.Factor(kLengthShort), 25.4f);
  const UnitSystem us = LoadUnits(1, copy, BarsPath());
  EXPECT_EQ(us.Factor(kForce), 1.0f);
  EXPECT_EQ(us.Label(kLengthShort), "in  ");
}

}  // namespace
}  // namespace calvix
