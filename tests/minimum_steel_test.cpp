// The minimum reinforcement texts of the design reports, for every seismic
// design category, bond and design method, in U.S. and metric units.
#include "design/minimum_steel.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/wall_part.h"
#include "files/units_file.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

const std::string kSpacing48 = "Maximum spacing                             = 48 inches";
const std::string kSpacing24 = "Maximum spacing                             = 24 inches";
const std::string kSpacing48Metric = "Maximum spacing                             = 1220 mm";
const std::string kSpacing24Metric = "Maximum spacing                             = 610 mm";
const std::string kVerticalBased = "* Min horiz. steel based on min. vertical steel (conservative)";

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

struct SteelCase {
  const char* name;
  int16_t unitsType;
  const char* category;
  bool running;
  const char* method;
  float nominal;
  float ratio;
  std::string horizontal, spacing, reference, note;
};

class MinimumSteelTest : public ::testing::TestWithParam<SteelCase> {};

TEST_P(MinimumSteelTest, HorizontalSteelSpacingReferenceAndNote) {
  const SteelCase& c = GetParam();
  const MinimumSteel texts = MinimumSteelTexts(
      SteelProblem(c.unitsType, c.category, c.running, c.method, c.nominal, c.ratio), kMainWall);
  EXPECT_EQ(texts.MinHorizontalText, c.horizontal);
  EXPECT_EQ(texts.SpacingText, c.spacing);
  EXPECT_EQ(texts.ReferenceText, c.reference);
  EXPECT_EQ(texts.NoteText, c.note);
}

// A48 = 0.05 and A24 = 0.1 in^2/ft; t = 7.625 in for an 8 in wall, 3.625 in for
// a 4 in wall, 17.625 in for an 18 in wall.
INSTANTIATE_TEST_SUITE_P(
    English, MinimumSteelTest,
    ::testing::Values(
        SteelCase{"ARunning", 1, "Category A", true, "ACI", 8, 0.0007f, "Not Required", " ",
                  "Ref. ACI 99 1.11/IBC 2000 2109.6.5", " "},
        SteelCase{"BRunningStrength", 1, "Category B", true, "IBC-S", 8, 0.0007f, "Not Required",
                  " ", "Ref. ACI 99 1.11/IBC 2000 2109.6.5", " "},
        // 0.0036 x 7.625 = 0.02745
        SteelCase{"AStackStrength", 1, "Category A", false, "IBC-S", 8, 0.0007f, "0.027 in^2 /ft",
                  kSpacing48, "Ref. IBC 2000 2109.6.5.2", " "},
        // 0.00336 x 7.625 = 0.02562
        SteelCase{"BStackAci", 1, "Category B", false, "ACI", 8, 0.0007f, "0.026 in^2 /ft",
                  kSpacing48, "Ref. ACI 99 1.11", " "},
        SteelCase{"BStackIbcW", 1, "Category B", false, "IBC-W", 8, 0.0007f, "0.026 in^2 /ft",
                  kSpacing48, "Ref. ACI 99 1.11", " "},
        SteelCase{"CRunning", 1, "Category C", true, "ACI", 8, 0.0007f, "0.050 in^2 /ft",
                  kSpacing48, "Ref. ACI 99 1.13.5.2.3(a)/IBC 2000 2106.4.1.3(1)", " "},
        SteelCase{"CStackStrengthBarGoverns", 1, "Category C", false, "IBC-S", 8, 0.0007f,
                  "0.050 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.4.1.3(1)", " "},
        // 0.0036 x 17.625 = 0.06345 > 0.05
        SteelCase{"CStackStrengthThickWall", 1, "Category C", false, "IBC-S", 18, 0.0007f,
                  "0.063 in^2 /ft", kSpacing48, "Ref. IBC 2000 2109.6.5.2", " "},
        SteelCase{"CStackAciBarGoverns", 1, "Category C", false, "ACI", 8, 0.0007f,
                  "0.050 in^2 /ft", kSpacing48, "Ref. ACI 99 1.13.5.2.3(a)", " "},
        // 0.00336 x 17.625 = 0.05922 > 0.05
        SteelCase{"CStackIbcWThickWall", 1, "Category C", false, "IBC-W", 18, 0.0007f,
                  "0.059 in^2 /ft", kSpacing48, "Ref. ACI 99 1.11", " "},
        // rho_h = 0.0013: 0.0013 x 12 x 7.625 = 0.11895 > 0.05
        SteelCase{"DRunningRatioGoverns", 1, "Category D", true, "ACI", 8, 0.0007f,
                  "0.119 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3",
                  kVerticalBased},
        // rho_h = 0.001, t = 7.5: 0.09 > 0.05
        SteelCase{"DRunningRatioOneThousandth", 1, "Category D", true, "ACI", 7.875f, 0.001f,
                  "0.090 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3",
                  kVerticalBased},
        // rho_h raised to 0.0007: 0.0007 x 12 x 3.625 = 0.03045 < 0.05
        SteelCase{"DRunningBarGoverns", 1, "Category D", true, "IBC-S", 4, 0.0015f,
                  "0.050 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.4.1.3(1)/ACI 99 1.13.5.2.3(a)",
                  " "},
        SteelCase{"DStackRatioGoverns", 1, "Category D", false, "ACI", 8, 0.0007f, "0.119 in^2 /ft",
                  kSpacing24, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3)", kVerticalBased},
        // 0.0013 x 12 x 3.625 = 0.05655 < 0.1
        SteelCase{"DStackBarGoverns", 1, "Category D", false, "ACI", 4, 0.0007f, "0.100 in^2 /ft",
                  kSpacing24, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3", " "},
        SteelCase{"ERunningRatioGoverns", 1, "Category E", true, "ACI", 8, 0.0007f,
                  "0.119 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3",
                  kVerticalBased},
        // rho_h = 0.0005 raised to 0.0007: 0.06405 > 0.05
        SteelCase{"ERunningRatioFloor", 1, "Category E", true, "ACI", 8, 0.0015f, "0.064 in^2 /ft",
                  kSpacing48, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3",
                  "* Minimum horizontal steel reinforcement ratio = 0.0007"},
        SteelCase{"FRunningBarGoverns", 1, "Category F", true, "IBC-S", 4, 0.0015f,
                  "0.050 in^2 /ft", kSpacing48, "Ref. IBC 2000 2106.4.1.3(1)/ACI 99 1.13.5.2.3(a)",
                  "* Use at least one #4 bar @ 48 inches "},
        // rho_h = 0.0013 raised to 0.0015, t = 5.625: 0.10125 > 0.1
        SteelCase{"EStackRatioFloor", 1, "Category E", false, "ACI", 6, 0.0007f, "0.101 in^2 /ft",
                  kSpacing24, "Ref. IBC 2000 2106.6.1/ACI 99 1.13.7.2",
                  "* Minimum horizontal steel reinforcement ratio = 0.0015"},
        // rho_h = 0.0018: 0.0018 x 12 x 7.625 = 0.1647
        SteelCase{"FStackRatioGoverns", 1, "Category F", false, "IBC-W", 8, 0.0002f,
                  "0.165 in^2 /ft", kSpacing24, "Ref. IBC 2000 2106.6.1/ACI 99 1.13.7.2",
                  kVerticalBased},
        // 0.0015 x 12 x 3.625 = 0.06525 < 0.1
        SteelCase{"FStackBarGoverns", 1, "Category F", false, "ACI", 4, 0.0007f, "0.100 in^2 /ft",
                  kSpacing24, "Ref. IBC 2000 2106.6.1/ACI 99 1.13.7.2",
                  "* Use at least one #4 bar @ 24 inches "}),
    [](const auto& info) { return info.param.name; });

// in^2/ft x 645.16 / 0.3048 = mm^2/m, whole: 0.05 -> 105.833 = 106, 0.1 -> 211.667 = 212.
INSTANTIATE_TEST_SUITE_P(
    Metric, MinimumSteelTest,
    ::testing::Values(
        SteelCase{"ARunning", 2, "Category A", true, "ACI", 8, 0.0007f, "Not Required", " ",
                  "Ref. ACI 99 1.11/IBC 2000 2109.6.5", " "},
        SteelCase{"AStackStrength", 2, "Category A", false, "IBC-S", 8, 0.0007f, "58 mm^2 /m",
                  kSpacing48Metric, "Ref. IBC 2000 2109.6.5.2", " "},
        SteelCase{"CRunning", 2, "Category C", true, "ACI", 8, 0.0007f, "106 mm^2 /m",
                  kSpacing48Metric, "Ref. ACI 99 1.13.5.2.3(a)/IBC 2000 2106.4.1.3(1)", " "},
        SteelCase{"CStackAciMks", 3, "Category C", false, "ACI", 8, 0.0007f, "106 mm^2 /m",
                  kSpacing48Metric, "Ref. ACI 99 1.13.5.2.3(a)", " "},
        SteelCase{"DStackBarGoverns", 2, "Category D", false, "ACI", 4, 0.0007f, "212 mm^2 /m",
                  kSpacing24Metric, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3", " "},
        SteelCase{"ERunningRatioGoverns", 2, "Category E", true, "ACI", 8, 0.0007f, "252 mm^2 /m",
                  kSpacing48Metric, "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3", kVerticalBased},
        SteelCase{"FRunningBarGovernsMks", 3, "Category F", true, "IBC-S", 4, 0.0015f,
                  "106 mm^2 /m", kSpacing48Metric,
                  "Ref. IBC 2000 2106.4.1.3(1)/ACI 99 1.13.5.2.3(a)",
                  "* Use at least one 15 M bar @ 1220 mm"},
        SteelCase{"FStackBarGoverns", 2, "Category F", false, "ACI", 4, 0.0007f, "212 mm^2 /m",
                  kSpacing24Metric, "Ref. IBC 2000 2106.6.1/ACI 99 1.13.7.2",
                  "* Use at least one 15 M bar @ 610 mm"}),
    [](const auto& info) { return info.param.name; });

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
}

TEST(MinimumSteelTexts, TheParapetUsesItsOwnThickness) {
  // A 6 in parapet on an 8 in wall: 48 x 0.0007 x 5.625 = 0.189 in^2 for the
  // parapet, 0.256 in^2 for the wall. Category D running bond, horizontal:
  // rho_h = 0.002 - 0.0007 = 0.0013, 0.0013 x 12 x 5.625 = 0.08775 in^2/ft
  // (the wall's 7.625 in would give 0.119 in^2/ft).
  Problem p = SteelProblem(1, "Category D", true, "ACI", 8, 0.0007f);
  p.working.ParapetThickness = 6.0f;
  EXPECT_EQ(MinimumSteelTexts(p, kParapet).MinVerticalText, "0.189 in^2");
  EXPECT_EQ(MinimumSteelTexts(p, kParapet).MinHorizontalText, "0.088 in^2 /ft");
  EXPECT_EQ(MinimumSteelTexts(p, kMainWall).MinVerticalText, "0.256 in^2");
  EXPECT_EQ(MinimumSteelTexts(p, kMainWall).MinHorizontalText, "0.119 in^2 /ft");
}

TEST(MinimumSteelTexts, AnotherCategorySetsOnlyTheVerticalSteelAndTheNote) {
  MinimumSteel previous{"v", "h", "r", "s", "n"};
  for (const char* category : {"", "Category G", "category a"}) {
    const MinimumSteel texts =
        MinimumSteelTexts(SteelProblem(1, category, true, "ACI", 8, 0.0007f), kMainWall, previous);
    EXPECT_EQ(texts.MinVerticalText, "0.256 in^2") << category;
    EXPECT_EQ(texts.NoteText, " ");
    EXPECT_EQ(texts.MinHorizontalText, "h");
    EXPECT_EQ(texts.ReferenceText, "r");
    EXPECT_EQ(texts.SpacingText, "s");
  }
}

}  // namespace
}  // namespace calvix
