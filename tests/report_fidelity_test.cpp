// What an engineer reads in the example reports, in all three unit systems:
// the wind table's units, the factor of each allowable stress, bar and spacing
// texts, whole square millimetres, the combinations each part was designed
// for and the texts that were once misspelt. The reports themselves are
// regenerated and compared byte for byte by CliReportTest; these tests say
// what must hold in them, so that a renewed report cannot bring a fault back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ReportLines(const std::string& example) {
  const std::string text =
      testing::ReadBytes(fs::path(CALVIX_SOURCE_DIR) / "examples" / (example + ".txt"));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// One example of each unit system with wind rows, and every example.
struct SystemExample {
  const char* example;
  const char* windHead;  // the head of the magnitude column
};
const SystemExample kWindExamples[] = {
    {"warehouse-parapet-all-cases", "(psf, plf)"},
    {"retail-parapet-wall-si", "(kPa, N/m)"},
    {"school-gym-parapet-mks", "(Kg/m\xC2\xB2, K/m)"},
};
const char* const kAllExamples[] = {
    "brick-fire-station-wall",
    "brick-screen-unreinforced-mks",
    "clay-clinic-wall",
    "clay-library-wall-fixed",
    "clay-partition-unreinforced-si",
    "emergency-centre-category-f",
    "garden-wall-unreinforced",
    "hospital-stack-bond-category-e",
    "loading-dock-retaining-mks",
    "retail-parapet-wall-si",
    "retaining-cantilever-si",
    "school-gym-parapet-mks",
    "warehouse-parapet-all-cases",
    "cmu-thin-parapet",
};

// The display column of a byte of a UTF-8 line ("²" is two bytes, one column).
std::size_t Column(const std::string& line, std::size_t byte) {
  std::size_t column = 0;
  for (std::size_t i = 0; i < byte && i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
  }
  return column;
}

TEST(ReportFidelityTest, WindTableHeadNamesTheEntryGridUnitsAndMagnitudesEndTogether) {
  for (const SystemExample& s : kWindExamples) {
    SCOPED_TRACE(s.example);
    const auto lines = ReportLines(s.example);
    std::size_t head = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].find("W or H") != std::string::npos) head = i;
    }
    ASSERT_LT(head, lines.size());
    // The head ends one column after the magnitudes' last digit.
    const std::size_t unitsEnd = lines[head].find(s.windHead);
    ASSERT_NE(unitsEnd, std::string::npos) << lines[head];
    const std::size_t headEnd = lines[head].find(')', unitsEnd);
    int rows = 0;
    for (std::size_t i = head + 2; i < head + 7; ++i) {
      const std::string& row = lines[i];
      if (row.find(" W ") == std::string::npos && row.find(" H ") == std::string::npos) continue;
      // The magnitude is the first number after the type letter.
      const std::size_t type = row.find_first_of("WH");
      const std::size_t gap = row.find_first_not_of(' ', type + 1);
      const std::size_t end = row.find(' ', gap);
      EXPECT_EQ(Column(row, row.find_last_of("0123456789", end)) + 1, Column(lines[head], headEnd))
          << row;
      ++rows;
    }
    EXPECT_GE(rows, 1);
  }
}

TEST(ReportFidelityTest, UnreinforcedAllowablesNameTheirFactorWithAlignedEquals) {
  // Every example increases the allowables by 4/3 for wind and seismic load.
  for (const char* example : {"garden-wall-unreinforced", "clay-partition-unreinforced-si",
                              "brick-screen-unreinforced-mks"}) {
    SCOPED_TRACE(example);
    const auto lines = ReportLines(example);
    int pairs = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      const std::size_t gravity = lines[i].find("1.0 * DL + LL Only   = ");
      if (gravity == std::string::npos) continue;
      EXPECT_EQ(lines[i + 1].find("4/3 * Wind / Seismic = "), gravity) << lines[i + 1];
      EXPECT_EQ(lines[i].find('='), lines[i + 1].find('='));
      ++pairs;
    }
    EXPECT_EQ(pairs % 3, 0);
    EXPECT_GE(pairs, 3);  // Fb, Ft and Fv of every part
  }
}

TEST(ReportFidelityTest, EveryReportWritesBarsAreasAndTextsAsAnEngineerReadsThem) {
  const std::regex badSpacing(R"(@( {2,}|[0-9]))");
  const std::regex fractionalMetricArea(R"([0-9]\.[0-9]+ mm\^2|E[0-9]{2} mm\^2)");
  for (const char* example : kAllExamples) {
    SCOPED_TRACE(example);
    int combinationLines = 0;
    for (const std::string& line : ReportLines(example)) {
      EXPECT_FALSE(std::regex_search(line, badSpacing)) << line;
      EXPECT_FALSE(std::regex_search(line, fractionalMetricArea)) << line;
      EXPECT_EQ(line.find("Coeficient"), std::string::npos) << line;
      EXPECT_EQ(line.find("t/6 > e"), std::string::npos) << line;
      if (line.find("Combinations Used") != std::string::npos) ++combinationLines;
    }
    EXPECT_GE(combinationLines, 1);
  }
}

TEST(ReportFidelityTest, CombinationsUsedAreListedWithTheReasonForEachLeftOut) {
  // The SI retaining cantilever has no wind rows: 2 and 4 are left out.
  const auto lines = ReportLines("retaining-cantilever-si");
  const std::string used = "      Combinations Used            = 1, 3, 5";
  const std::string notUsed = "      Combinations Not Used        = 2, 4 (no wind load)";
  const auto at = std::find(lines.begin(), lines.end(), used);
  ASSERT_NE(at, lines.end());
  ASSERT_NE(at + 1, lines.end());
  EXPECT_EQ(*(at + 1), notUsed);
}

TEST(ReportFidelityTest, ThinParapetPrintsItsOwnMinimumSteel) {
  // An 8 in wall with a 6 in parapet, 48 in strip, ratio 0.0007:
  // wall 48 x 0.0007 x 7.625 = 0.256 in^2, parapet 48 x 0.0007 x 5.625
  // = 0.189 in^2; both in the analysis results and on the detail pages.
  const auto lines = ReportLines("cmu-thin-parapet");
  std::vector<std::string> minimum;
  for (const std::string& line : lines) {
    if (line.find("Minimum Area of Steel, Vertical Reinf.") != std::string::npos ||
        line.find("MINIMUM AREA OF STEEL") != std::string::npos) {
      const std::string value = line.substr(line.find_last_of("=:") + 1);
      minimum.push_back(value.substr(value.find_first_not_of(' ')));
    }
  }
  ASSERT_GE(minimum.size(), 2u);
  EXPECT_NE(std::find(minimum.begin(), minimum.end(), "0.256 in^2"), minimum.end());
  EXPECT_NE(std::find(minimum.begin(), minimum.end(), "0.189 in^2"), minimum.end());
}

}  // namespace
}  // namespace calvix
