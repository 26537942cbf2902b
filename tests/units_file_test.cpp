// The files of the program folder as generated from data/, and LoadUnits,
// which reads the unit records and the bar table from them.
#include "files/units_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "files/text_items.h"
#include "model/errors.h"
#include "support/file_fixtures.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const fs::path kUnits = fs::path(CALVIX_PROGRAM_DIR) / "Units.fil";
const fs::path kBars = fs::path(CALVIX_PROGRAM_DIR) / "Bars.fil";

TEST(ProgramFilesTest, RecordSizesSuperscriptsAndSettingsDefaults) {
  EXPECT_EQ(fs::file_size(kBars), 15u * 11u);
  const std::string bytes = ReadBytes(kUnits);
  ASSERT_EQ(bytes.size(), 3u * 269u);
  // Label 2 of the S.I. record sits after the 68 factor bytes and labels 0-1;
  // label 6 of the MKS record after labels 0-5.
  EXPECT_EQ(bytes.substr(269 + 68 + 4 + 4, 6), "kN/m\xB3 ");
  EXPECT_EQ(bytes.substr(2 * 269 + 68 + 4 + 4 + 6 + 6 + 6 + 6, 7), "Kg/cm\xB2 ");
  const std::string ini = ReadBytes(fs::path(CALVIX_PROGRAM_DIR) / "Calvix.ini");
  for (const char* line :
       {"[Units System]\r\nUnitsType=1\r\n", "MaxShell=2.0\r\n", "ShowDesignCriteria=False\r\n",
        "FontName=Courier New\r\n", "FontSize=10\r\n"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  }
}

TEST(ProgramFilesTest, DefaultDataHoldsTheFieldTextsOfEachSystem) {
  const auto items = ReadTextItems(fs::path(CALVIX_PROGRAM_DIR) / "CXDeflt.fil", 200).items;
  ASSERT_EQ(items.size(), 125u);
  const auto texts = testing::CaseTable("default_texts.txt");
  for (size_t s = 0; s < 3; ++s) {
    EXPECT_EQ(items[42 * s + 8].AsInteger(),
              static_cast<long>(s + 1));  // item 9 names the unit system
    for (size_t i = 0; i < 18; ++i) EXPECT_EQ(items[42 * s + 18 + i].text, texts[s][i]) << s << i;
  }
  // The items between the sections are kept as they are; they ship empty.
  EXPECT_EQ(items[41].text + items[83].text, "");
}

TEST(LoadUnitsTest, FactorsLabelsAndPatternsAsTheTableSays) {
  for (const testing::CaseRow& c : testing::CaseTable("units.txt")) {
    SCOPED_TRACE(c.where);
    const UnitSystem units = LoadUnits(static_cast<int16_t>(c.Number(0)), kUnits, kBars);
    const int k = std::stoi(c[1]);
    EXPECT_EQ(units.UnitsType, c.Number(0));
    // "*": not checked
    EXPECT_EQ(units.Factor(k), c[2] == "*" ? units.Factor(k) : std::strtof(c[2].c_str(), nullptr));
    EXPECT_EQ(c[3] == "*" ? c[3] : units.Label(k), c[3]);
    EXPECT_EQ(c[4] == "*" ? c[4] : units.Pattern(k), c[4]);
  }
  // U.S. Standard is the working system: every factor is one.
  const UnitSystem us = LoadUnits(1, kUnits, kBars);
  for (int k = 0; k < kUnitQuantityCount; ++k) EXPECT_EQ(us.Factor(k), 1.0f) << k;
}

TEST(LoadUnitsTest, BarTablesAsTheTableSays) {
  std::map<int16_t, size_t> count;
  for (const testing::CaseRow& c : testing::CaseTable("bars.txt")) {
    SCOPED_TRACE(c.where);
    const auto system = static_cast<int16_t>(c.Number(0));
    const Bar bar = LoadUnits(system, kUnits, kBars).BarTable.at(count[system]++);
    // Metric bars are listed in mm and mm², kept in inches.
    EXPECT_EQ(bar.Name, c[1]);
    EXPECT_EQ(bar.Diameter, static_cast<float>(c.Number(2) / (system == 1 ? 1.0 : 25.4)));
    EXPECT_EQ(bar.Area, static_cast<float>(c.Number(3) / (system == 1 ? 1.0 : 645.16)));
  }
  for (auto [system, n] : count) EXPECT_EQ(LoadUnits(system, kUnits, kBars).BarTable.size(), n);
  EXPECT_EQ(BarLabel(Bar{" #4", 0.5f, 0.2f}), "#4");
  EXPECT_EQ(BarLabel(Bar{"#4 ", 0.5f, 0.2f}), "#4 ");
  EXPECT_EQ(BarLabel(Bar{"   ", 0, 0}), "");
}

// ---------------------------------------------------------------------------
// Damaged and missing files: the error number and the path in the message.

TEST(DamagedFilesTest, MissingFoldersAndShortFiles) {
  testing::TempFolder dir;
  // Copies keeping the first bytes: records 1-7 of the bars end at byte 77.
  WriteBytes(dir / "short.fil", ReadBytes(kUnits).substr(0, 500));
  WriteBytes(dir / "empty.fil", "");
  WriteBytes(dir / "bars.fil", ReadBytes(kBars).substr(0, 100));
  const fs::path none = dir / "none.fil", cut = dir / "short.fil", bars = dir / "bars.fil";
  struct Case {
    int16_t system;
    fs::path units, bars;
    int number;
    std::string says;
  };
  const Case cases[] = {{1, none, kBars, kErrorFileNotFound, "\"" + none.string() + "\""},
                        {1, none, kBars, kErrorFileNotFound, "missing units file"},
                        {2, kUnits, none, kErrorFileNotFound, none.string()},
                        {2, kUnits, none, kErrorFileNotFound, "bar file"},
                        {1, dir.path(), kBars, kErrorFileAccess, dir.path().string()},
                        {2, cut, kBars, kErrorInputPastEnd, cut.string()},
                        {3, cut, kBars, kErrorInputPastEnd, cut.string()},
                        {1, dir / "empty.fil", kBars, kErrorInputPastEnd, "empty.fil"},
                        {2, kUnits, bars, kErrorInputPastEnd, bars.string()},
                        {3, kUnits, bars, kErrorInputPastEnd, "bar file"},
                        // A unit system outside 1-3 has no record.
                        {0, kUnits, kBars, kErrorInputPastEnd, kUnits.string()},
                        {4, kUnits, kBars, kErrorInputPastEnd, kUnits.string()},
                        {-1, kUnits, kBars, kErrorInputPastEnd, kUnits.string()}};
  for (const Case& c : cases) {
    try {
      LoadUnits(c.system, c.units, c.bars);
      ADD_FAILURE() << c.says;
    } catch (const CalvixError& error) {
      EXPECT_EQ(error.number(), c.number) << c.says;
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
  }
  // The records that are there still load.
  EXPECT_EQ(LoadUnits(1, cut, kBars).Label(kLengthShort), "in  ");
  EXPECT_EQ(LoadUnits(1, kUnits, bars).BarTable.size(), 7u);
}

}  // namespace
}  // namespace calvix
