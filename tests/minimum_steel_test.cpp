// The minimum reinforcement texts of the design reports, for every seismic
// design category, bond and design method, in U.S. and metric units.
#include "design/minimum_steel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/wall_part.h"
#include "files/units_file.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

// A 48 in strip of a wall of nominal thickness `nominal` (actual thickness
// nominal - 0.375 in), in working units, shown in unit system `unitsType`.
Problem SteelProblem(int16_t unitsType, const std::string& category, bool runningBond,
                     const std::string& method, float nominal, float minSteelRatio) {
  const auto folder = testing::GeneratedProgramFolder();
  Problem p;
  p.units = LoadUnits(unitsType, folder / "Units.fil", folder / "Bars.fil");
  p.entry.RunningBond = runningBond;
  p.entry.DesignMethod = method;
  p.working.SeismicCategory = category;
  p.working.StripWidth = 48.0f;
  p.working.WallThickness = nominal;
  p.working.NominalMinusActual = 0.375f;
  p.working.MinSteelRatio = minSteelRatio;
  return p;
}

TEST(MinimumSteelTexts, HorizontalSteelSpacingReferenceAndNote) {
  // The cases, with their arithmetic: tests/data/design/minimum_steel.txt.
  std::ifstream in(std::string(CALVIX_SOURCE_DIR) + "/tests/data/design/minimum_steel.txt");
  int cases = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '|');) f.push_back(field);
    if (line.back() == '|') f.push_back("");
    ASSERT_EQ(11u, f.size()) << line;
    SCOPED_TRACE(f[0]);
    const MinimumSteel texts =
        MinimumSteelTexts(SteelProblem(static_cast<int16_t>(std::stoi(f[1])), f[2], f[3] == "1",
                                       f[4], std::stof(f[5]), std::stof(f[6])),
                          kMainWall);
    EXPECT_EQ(texts.MinHorizontalText, f[7]);
    EXPECT_EQ(texts.SpacingText, f[8]);
    EXPECT_EQ(texts.ReferenceText, f[9]);
    EXPECT_EQ(texts.NoteText, f[10]);
    ++cases;
  }
  EXPECT_EQ(29, cases);
}

TEST(MinimumSteelTexts, VerticalSteelOfTheStrip) {
  const auto vertical = [](int16_t units, const char* category, float nominal, float ratio) {
    return MinimumSteelTexts(SteelProblem(units, category, true, "ACI", nominal, ratio), kMainWall)
        .MinVerticalText;
  };
  // 48 x 0.0007 x 7.625 = 0.2562 in^2 = 165.29 mm^2, whole in metric units.
  EXPECT_EQ(vertical(1, "Category A", 8, 0.0007f), "0.256 in^2");
  EXPECT_EQ(vertical(2, "Category D", 8, 0.0007f), "165 mm^2");
  EXPECT_EQ(vertical(3, "Category D", 8, 0.0007f), "165 mm^2");
  // 48 x 0.001 x 7.5 = 0.36 in^2.
  EXPECT_EQ(vertical(1, "Category D", 7.875f, 0.001f), "0.36 in^2");
  // A 6 in parapet on an 8 in wall: 48 x 0.0007 x 5.625 = 0.189 in^2 for the
  // parapet. Category D running bond, horizontal: rho_h = 0.002 - 0.0007 =
  // 0.0013, 0.0013 x 12 x 5.625 = 0.08775 in^2/ft (the wall's 7.625 in would
  // give 0.119 in^2/ft).
  Problem p = SteelProblem(1, "Category D", true, "ACI", 8, 0.0007f);
  p.working.ParapetThickness = 6.0f;
  EXPECT_EQ(MinimumSteelTexts(p, kParapet).MinVerticalText, "0.189 in^2");
  EXPECT_EQ(MinimumSteelTexts(p, kParapet).MinHorizontalText, "0.088 in^2 /ft");
}

TEST(MinimumSteelTexts, AnotherCategorySetsOnlyTheVerticalSteelAndTheNote) {
  const MinimumSteel previous{"v", "h", "r", "s", "n"};
  for (const char* category : {"", "category a"}) {
    const MinimumSteel texts =
        MinimumSteelTexts(SteelProblem(1, category, true, "ACI", 8, 0.0007f), kMainWall, previous);
    EXPECT_EQ(texts.MinVerticalText, "0.256 in^2") << category;
    EXPECT_EQ(texts.NoteText, " ");
    EXPECT_EQ(texts.MinHorizontalText + texts.ReferenceText + texts.SpacingText, "hrs");
  }
}

}  // namespace
}  // namespace calvix
