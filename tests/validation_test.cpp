// Input validation of the Solve command: every message text, which message
// wins when several checks fail, the order and form of the message boxes and
// the busy pointer.

#include "analysis/validation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/session.h"
#include "tests/support/recording_platform.h"

namespace calvix {
namespace {

using ::calvix::testing::RecordingPlatform;

// Message texts as the program shows them ("\r" is a line break).
const std::string kThicknessWallEnglish =
    "Wall Thickness should be a nominal block thickness for hollow\r"
    "core masonry design.  (4, 6, 8, 10, 12, and 16 inches)\r\r"
    "Please edit Wall Thickness from the \"Wall Data\" Tab";
const std::string kThicknessParapetEnglish =
    "Wall Thickness should be a nominal block thickness for hollow\r"
    "core masonry design.  (4, 6, 8, 10, 12, and 16 inches)\r\r"
    "Please edit Parapet Thickness from the \"Wall Data\" Tab";
const std::string kThicknessWallMetric =
    "Wall Thickness should be a nominal block thickness for hollow\r"
    "core masonry design.  (100, 150, 200, 250, 300, and 400 mm)\r\r"
    "Please edit Wall Thickness from the \"Wall Data\" Tab";
const std::string kMinThicknessEnglish =
    "Error:  Minimum Wall Thickness is 6 inches (4 for parapets) using \r"
    "IBC Ultimate Strength Design.";
const std::string kMinThicknessMetric =
    "Error:  Minimum Wall Thickness is 150 mm (100 for parapets) using \r"
    "IBC Ultimate Strength Design.";
const std::string kStripBelowCell =
    "Error:  The Wall Design Width cannot be less than a single\r"
    "masonry cell width.  Please edit data and solve again.";
const std::string kWindAboveTop =
    "Error:  Horizontal load END distance cannot be \rgreater than wall height.";
const std::string kTwoLayerDepth =
    "For walls with two layers of bars the depth to center of \r"
    "steel cannot exceed 1/2 actual wall thickness";
const std::string kOneLayerDepth =
    "Depth to Center of steel cannot exceed\r"
    "actual wall thickness minus face shell thickness";
const std::string kWallDepthBelowShell =
    "Depth To Center of Steel cannot\rbe less than Face Shell Thickness";
const std::string kParapetDepth =
    "Depth To Center of Steel cannot exceed\r"
    "Parapet Thickness minus Face Shell Thickness.";
const std::string kParapetDepthBelowShell =
    "Depth To Center of Steel cannot\rbe less than Face Shell Thickness.";
const std::string kParapetThicker = "Wall Thickness cannot be less than Parapet Thickness.";
const std::string kAddAboveFloor =
    "Additional Vertical Loads cannot be placed above\r"
    "the floor level (y <= Wall Height).";
const std::string kEfpAboveFloor =
    "Equivalent Fluid Pressure load cannot be placed above\r"
    "the floor level (x <= Wall Height).";
const std::string kWallMissing =
    "Wall Height and Thickness must be greater than zero.\r"
    "Please enter all data and solve again.";
const std::string kParapetMissing =
    "Parapet Thickness and rebar location must be greater than zero.\r"
    "Please enter all data and solve again.";
const std::string kWidthMissing =
    "Wall Width must be greater than zero.\rPlease enter a value and solve again.";
const std::string kMaterialIncomplete =
    "Error:  Material Data is incomplete.\rPlease enter all data and solve again.";
const std::string kFmMissing =
    "Error:  Masonry strength, f'm, must be greater than zero.\r"
    "Please enter masonry data and solve again.";
const std::string kFvMissing =
    "Error:  Masonry shear strength, fv, must be greater than zero.\r"
    "Please enter all data and solve again.";
const std::string kWindEndMissing =
    "Error:  END distance must be greater than zero for\r"
    "wind loads.  Please edit data and solve again.";
const std::string kConcentratedSpan =
    "Error:  START and END distances must be equal for\r"
    "concentrated loads.  Please edit data and solve again.";
const std::string kStackBondGrout =
    "For Categories D - F stack bond walls must be fully grouted per\r"
    "ACI 99 1.13.6.3/IBC 2000 2106.5.2";
const std::string kCategoryDWarning =
    "Warning, minimum gross area of steel ratio for\r"
    "Design Categories D, E and F cannot be less than 0.0007.";
const std::string kTypeNMortar =
    "Error: Type N mortar is not permitted\rin walls for Design Categories D, E and F.";
const std::string kNoLoad = "Error:  At Least One Load Must be Entered";
const std::string kMasonryIncomplete =
    "Error:  Masonry data is incomplete or out of range.\r"
    "Please check the Masonry Data tab and solve again.";
const std::string kActualThickness =
    "Error:  Actual wall thickness must be greater than zero.\rPlease edit data and solve again.";
const std::string kPercentFixed = "Error:  Percent Fixed must be between 0 and 100.";
const std::string kWindStart =
    "Error:  START distance cannot be greater than END distance\r"
    "for wind loads.  Please edit data and solve again.";
const std::string kNoCombination = "Sorry, at least one load combination must be selected.";
const std::string kZeroFactors =
    "Error:  The load factors of the selected load combinations\r"
    "are all zero.  Please edit the load combinations.";

void SetWind(Problem& p, std::vector<std::string> types, std::vector<float> magnitudes,
             std::vector<float> starts, std::vector<float> ends) {
  p.working.WindType = std::move(types);
  p.working.WindMagnitude = std::move(magnitudes);
  p.working.WindStart = std::move(starts);
  p.working.WindEnd = std::move(ends);
}

// A valid problem: an 8 in hollow concrete block wall (7.625 in actual,
// 1.25 in face shells), 12 ft high, pinned at the base, one layer of bars at
// the centre, partially grouted, running bond, ACI 530-99 working stress on a
// 12 in strip, type S mortar, Seismic Design Category A, self-weight 56 psf
// and a 20 psf wind load over the full height, in U.S. Standard units.
Problem Baseline() {
  Problem p;
  EntryForm& e = p.entry;
  e.DesignMethod = "ACI";
  e.MasonryMaterial = "CMU";
  e.MortarMaterial = "PCL";
  e.MortarType = "S";
  e.RunningBond = true;
  e.Cantilever = false;
  e.SupportType = "Pinned";
  e.PercentFixed = 0;
  e.LoadCombSelected = {1, 1, 1, 1, 1};
  e.LoadFactors = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};

  p.units.UnitsType = 1;
  p.units.UnitFactors.fill(1.0f);
  p.units.UnitLabels[kLengthShort] = "in  ";
  p.units.UnitLabels[kLengthLong] = "ft  ";
  p.ReinforcedWall = true;

  WorkingForm& w = p.working;
  w.WallHeight = 12.0f;
  w.WallThickness = 8.0f;
  w.WallSteelDepth = 3.8125f;
  w.ParapetHeight = 0.0f;
  w.ParapetThickness = 0.0f;
  w.ParapetSteelDepth = 0.0f;
  w.StripWidth = 12.0f;
  w.WallWeight = 56.0f;
  w.SeismicCategory = "Category A";
  w.UnitStrength = 1900.0f;
  w.FmPrime = 1500.0f;
  w.Fb = 500.0f;
  w.Fv = 38.7f;
  w.FtNoGrout = 25.0f;
  w.FtSolidGrout = 68.0f;
  w.Em = 1350.0f;
  w.ModularRatio = 21.48f;
  w.GroutedCellWidth = 8.0f;
  w.UnitLength = 16.0f;
  w.SpacingModule = 8.0f;
  w.FaceShellThickness = 1.25f;
  w.NominalMinusActual = 0.375f;
  w.Fy = 60.0f;
  w.Fs = 24.0f;
  w.Es = 29000.0f;
  w.MinSteelRatio = 0.0007f;
  SetWind(p, {"W"}, {20.0f}, {0.0f}, {12.0f});
  return p;
}

// Metric display units: 25.4 mm per inch, the wall 200 mm thick as
// ConvertInput stores it (200 / 25.4 in single precision).
void UseMetric(Problem& p, int16_t unitsType) {
  p.units.UnitsType = unitsType;
  p.units.UnitFactors[kLengthShort] = 25.4f;
  p.units.UnitLabels[kLengthShort] = "mm  ";
  p.working.WallThickness = static_cast<float>(200.0 / 25.4f);
}

TEST(ValidationTest, BaselineIsValid) {
  const ValidationOutcome outcome = CheckInput(Baseline());
  EXPECT_TRUE(outcome.ok);
  EXPECT_FALSE(outcome.warning.has_value());
  EXPECT_FALSE(outcome.error.has_value());
}

// --- One broken input, one error message ---

struct ErrorCase {
  const char* name;
  std::function<void(Problem&)> breakInput;
  std::string expected;
};

class SingleErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SingleErrorTest, ShowsExactlyItsMessage) {
  Problem p = Baseline();
  GetParam().breakInput(p);
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  EXPECT_FALSE(outcome.warning.has_value()) << *outcome.warning;
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(GetParam().expected, *outcome.error);
}

const ErrorCase kErrorCases[] = {
    // 2: strength design minimum thickness.
    {"StrengthDesignWallBelowSixInches",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.WallThickness = 4.0f;
       p.working.WallSteelDepth = 1.8125f;
     },
     kMinThicknessEnglish},
    {"StrengthDesignParapetBelowFourInches",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.entry.MasonryMaterial = "Brick";  // no nominal-size check for brick
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 3.5f;
       p.working.ParapetSteelDepth = 1.75f;
     },
     kMinThicknessEnglish},
    {"StrengthDesignWallBelowSixInchesMetric",
     [](Problem& p) {
       UseMetric(p, 2);
       p.entry.DesignMethod = "IBC-S";
       p.working.WallThickness = static_cast<float>(100.0 / 25.4f);
       p.working.WallSteelDepth = 1.5f;
     },
     kMinThicknessMetric},
    // 3: f'm range for strength design, by material and unit system.
    {"StrengthDesignConcreteFmAboveRange",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.FmPrime = 4000.5f;
     },
     "Error:  Concrete Masonry Compressive Strength, (f'm), must be between:\r"
     "1500 and 4000 psi for IBC ultimate strength design."},
    {"StrengthDesignConcreteFmBelowRange",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.FmPrime = 1499.8f;
     },
     "Error:  Concrete Masonry Compressive Strength, (f'm), must be between:\r"
     "1500 and 4000 psi for IBC ultimate strength design."},
    {"StrengthDesignClayFmAboveRange",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.entry.MasonryMaterial = "Clay";
       p.working.FmPrime = 6001.0f;
     },
     "Error:  Clay Masonry Compressive Strength, (f'm), must be between:\r"
     "1500 and 6000 psi for IBC ultimate strength design."},
    {"StrengthDesignConcreteFmSI",
     [](Problem& p) {
       UseMetric(p, 2);
       p.entry.DesignMethod = "IBC-S";
       p.working.FmPrime = 5000.0f;
     },
     "Error:  Concrete Masonry Compressive Strength, (f'm), must be between:\r"
     "10.34 and 27.58 MPa for IBC ultimate strength design."},
    {"StrengthDesignClayFmSI",
     [](Problem& p) {
       UseMetric(p, 2);
       p.entry.DesignMethod = "IBC-S";
       p.entry.MasonryMaterial = "Clay";
       p.working.FmPrime = 1000.0f;
     },
     "Error:  Clay Masonry Compressive Strength, (f'm), must be between:\r"
     "10.34 and 41.38 MPa for IBC ultimate strength design."},
    {"StrengthDesignConcreteFmMKS",
     [](Problem& p) {
       UseMetric(p, 3);
       p.entry.DesignMethod = "IBC-S";
       p.working.FmPrime = 5000.0f;
     },
     "Error:  Concrete Masonry Compressive Strength, (f'm), must be between:\r"
     "105.45 and 281.3 Kg/cm^2 for IBC ultimate strength design."},
    {"StrengthDesignBrickFmMKS",
     [](Problem& p) {
       UseMetric(p, 3);
       p.entry.DesignMethod = "IBC-S";
       p.entry.MasonryMaterial = "Brick";
       p.working.FmPrime = 7000.0f;
     },
     "Error:  Clay Masonry Compressive Strength, (f'm), must be between:\r"
     "105.45 and 421.8 Kg/cm^2 for IBC ultimate strength design."},
    // 4 to 9.
    {"StripNarrowerThanOneCell", [](Problem& p) { p.working.GroutedCellWidth = 16.0f; },
     kStripBelowCell},
    {"WindEndAboveWall", [](Problem& p) { p.working.WindEnd[0] = 12.5f; }, kWindAboveTop},
    {"WindEndAboveParapet",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 2.8125f;
       p.working.WindEnd[0] = 15.5f;
     },
     kWindAboveTop},
    {"TwoLayersDeeperThanHalfTheWall",
     [](Problem& p) {
       p.working.TwoLayers = true;
       p.working.WallSteelDepth = 3.9f;  // > 7.625 / 2
     },
     kTwoLayerDepth},
    {"OneLayerDeeperThanTheFarFaceShell",
     [](Problem& p) { p.working.WallSteelDepth = 6.5f; },  // > 7.625 - 1.25
     kOneLayerDepth},
    {"WallSteelInsideTheFaceShell", [](Problem& p) { p.working.WallSteelDepth = 1.0f; },
     kWallDepthBelowShell},
    {"ParapetSteelBeyondTheFaceShell",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 4.8f;  // > 6 - 1.25 (nominal thickness)
     },
     kParapetDepth},
    {"ParapetSteelInsideTheFaceShell",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 1.0f;
     },
     kParapetDepthBelowShell},
    {"ParapetThickerThanWall",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 10.0f;
       p.working.ParapetSteelDepth = 4.8125f;
     },
     kParapetThicker},
    {"AdditionalLoadAboveFloor", [](Problem& p) { p.working.AddY = 12.01f; }, kAddAboveFloor},
    {"FluidPressureAboveFloor", [](Problem& p) { p.working.EFPX = 12.01f; }, kEfpAboveFloor},
    // 10 to 16.
    {"NoWallHeight",
     [](Problem& p) {
       p.working.WallHeight = 0.0f;
       SetWind(p, {}, {}, {}, {});
     },
     kWallMissing},
    {"UnreinforcedWallWithoutSteelDepth",
     [](Problem& p) {
       p.ReinforcedWall = false;
       p.working.WallSteelDepth = 0.0f;
     },
     kWallMissing},
    {"ParapetWithoutSteelDepth",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 0.0f;
     },
     kParapetMissing},
    {"NoStripWidthAlsoFailsTheCellCheck", [](Problem& p) { p.working.StripWidth = 0.0f; },
     kWidthMissing},
    {"NoYieldStrength", [](Problem& p) { p.working.Fy = 0.0f; }, kMaterialIncomplete},
    {"NoSteelModulus", [](Problem& p) { p.working.Es = 0.0005f; }, kMaterialIncomplete},
    {"NoFm", [](Problem& p) { p.working.FmPrime = 0.0f; }, kFmMissing},
    {"NoFv", [](Problem& p) { p.working.Fv = 0.0f; }, kFvMissing},
    {"NoFbForWorkingStress", [](Problem& p) { p.working.Fb = 0.0f; }, kMaterialIncomplete},
    {"NoSolidGroutTensionForWorkingStress", [](Problem& p) { p.working.FtSolidGrout = 0.0f; },
     kMaterialIncomplete},
    // 17.
    {"WindLoadWithoutEnd",
     [](Problem& p) {
       SetWind(p, {"W", "W"}, {20.0f, 5.0f}, {0.0f, 0.0f}, {12.0f, 0.0f});
     },
     kWindEndMissing},
    {"ConcentratedLoadWithZeroMagnitudeAndSpan",
     [](Problem& p) {
       SetWind(p, {"W", "H"}, {20.0f, 0.0f}, {0.0f, 2.0f}, {12.0f, 6.0f});
     },
     kConcentratedSpan},
    // 18 and 19.
    {"UngroutedStackBondInCategoryD",
     [](Problem& p) {
       p.working.SeismicCategory = "Category D";
       p.entry.RunningBond = false;
     },
     kStackBondGrout},
    {"TypeNMortarInCategoryE",
     [](Problem& p) {
       p.working.SeismicCategory = "Category E";
       p.entry.MortarType = "N";
     },
     kTypeNMortar},
    // Checks that protect the design.
    {"NoGroutedCellWidth", [](Problem& p) { p.working.GroutedCellWidth = 0.0f; },
     kMasonryIncomplete},
    {"NoUnitLength", [](Problem& p) { p.working.UnitLength = 0.0f; }, kMasonryIncomplete},
    {"NegativeFaceShell", [](Problem& p) { p.working.FaceShellThickness = -0.5f; },
     kMasonryIncomplete},
    {"NoEmForStrengthDesign",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.Em = 0.0f;
     },
     kMasonryIncomplete},
    {"NoModularRatioAfterTheMaterialMessage", [](Problem& p) { p.working.ModularRatio = 0.0f; },
     kMasonryIncomplete},
    {"NoActualWallThickness", [](Problem& p) { p.working.NominalMinusActual = 8.0f; },
     kActualThickness},
    {"NoActualParapetThickness",
     [](Problem& p) {
       p.entry.MasonryMaterial = "Brick";
       p.ReinforcedWall = false;
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 0.25f;  // less than nominal - actual (0.375)
       p.working.ParapetSteelDepth = 0.125f;
     },
     kActualThickness},
    {"VeryLowParapetWithoutSteelDepth",
     [](Problem& p) {
       p.ReinforcedWall = false;
       p.working.ParapetHeight = 0.0005f;  // a parapet, though below 0.001 ft
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 0.0f;
     },
     kParapetMissing},
    {"VeryLowReinforcedParapetWithoutSteelDepth",
     [](Problem& p) {
       p.working.ParapetHeight = 0.0005f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 0.0f;  // also inside the face shell (check 7)
     },
     kParapetMissing},
    {"PercentFixedAbove100",
     [](Problem& p) {
       p.entry.SupportType = "Partially Fixed";
       p.entry.PercentFixed = 101;
     },
     kPercentFixed},
    {"PercentFixedNegative",
     [](Problem& p) {
       p.entry.SupportType = "Partially Fixed";
       p.entry.PercentFixed = -1;
     },
     kPercentFixed},
    {"WindStartNegative", [](Problem& p) { p.working.WindStart[0] = -1.0f; }, kWindStart},
    {"WindStartAboveEnd",
     [](Problem& p) {
       SetWind(p, {"W", "W"}, {20.0f, 10.0f}, {0.0f, 8.0f}, {12.0f, 6.0f});
     },
     kWindStart},
    {"NoCombinationSelected",
     [](Problem& p) {
       p.entry.LoadCombSelected = {0, 0, 0, 0, 0};
     },
     kNoCombination},
    {"SelectedCombinationWithZeroFactors",
     [](Problem& p) {
       p.entry.LoadCombSelected = {1, 0, 0, 0, 0};
       p.entry.LoadFactors[0] = 0.0f;  // F1
       p.entry.LoadFactors[1] = 0.0f;  // F2; F3-F12 stay 1 but are not selected
     },
     kZeroFactors},
    {"WindCombinationsWithZeroFactors",
     [](Problem& p) {
       p.entry.LoadCombSelected = {0, 1, 0, 1, 0};
       for (int i : {2, 3, 4, 8, 9}) p.entry.LoadFactors[static_cast<size_t>(i)] = 0.0f;
     },
     kZeroFactors},
    // 21: the load check.
    {"NoLoad",
     [](Problem& p) {
       p.working.WallWeight = 0.0f;
       SetWind(p, {}, {}, {}, {});
     },
     kNoLoad},
    {"WindRowOfUnknownTypeIsNoLoad",
     [](Problem& p) {
       p.working.WallWeight = 0.0f;
       SetWind(p, {"X", ""}, {20.0f, 30.0f}, {0.0f, 0.0f}, {12.0f, 12.0f});
     },
     kNoLoad},
    {"WindRowWithoutMagnitudeIsNoLoad",
     [](Problem& p) {
       p.working.WallWeight = 0.0f;
       SetWind(p, {"W"}, {0.0f}, {0.0f}, {12.0f});
     },
     kNoLoad},
};

INSTANTIATE_TEST_SUITE_P(Checks, SingleErrorTest, ::testing::ValuesIn(kErrorCases),
                         [](const ::testing::TestParamInfo<ErrorCase>& info) {
                           return std::string(info.param.name);
                         });

// --- Inputs that must pass ---

struct PassCase {
  const char* name;
  std::function<void(Problem&)> change;
};

class PassingInputTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(PassingInputTest, IsAccepted) {
  Problem p = Baseline();
  GetParam().change(p);
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_TRUE(outcome.ok) << (outcome.error ? *outcome.error : std::string());
  EXPECT_FALSE(outcome.warning.has_value()) << *outcome.warning;
  EXPECT_FALSE(outcome.error.has_value());
}

const PassCase kPassCases[] = {
    {"BrickNeedNotBeNominal",
     [](Problem& p) {
       p.entry.MasonryMaterial = "Brick";
       p.working.WallThickness = 7.625f;
     }},
    {"ParapetNominalThicknessIgnoredWithoutParapet",
     [](Problem& p) { p.working.ParapetThickness = 7.0f; }},
    {"WindEndUpToParapetTop",
     [](Problem& p) {
       p.working.ParapetHeight = 3.0f;
       p.working.ParapetThickness = 6.0f;
       p.working.ParapetSteelDepth = 2.8125f;
       p.working.WindEnd[0] = 15.0f;
     }},
    {"UnreinforcedWallSkipsSteelDepthChecks",
     [](Problem& p) {
       p.ReinforcedWall = false;
       p.working.WallSteelDepth = 6.9f;
     }},
    {"StrengthDesignSkipsWorkingStressData",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.Fb = 0.0f;
       p.working.FtNoGrout = 0.0f;
       p.working.FtSolidGrout = 0.0f;
     }},
    {"StrengthDesignFmAtTheLimits",
     [](Problem& p) {
       p.entry.DesignMethod = "IBC-S";
       p.working.FmPrime = 4000.0f;
     }},
    {"ConcentratedLoadAtOneHeight",
     [](Problem& p) {
       p.working.WallWeight = 0.0f;
       SetWind(p, {"H"}, {500.0f}, {6.0f}, {6.0f});
     }},
    {"GroutedStackBondInCategoryD",
     [](Problem& p) {
       p.working.SeismicCategory = "Category D";
       p.entry.RunningBond = false;
       p.working.SolidGrouted = true;
     }},
    {"CategoryDAtTheMinimumRatioAsEntered",
     [](Problem& p) {
       p.working.SeismicCategory = "Category F";
       p.working.MinSteelRatio = 0.0007f;
     }},
    {"CategoryCAboveTheMinimumRatio",
     [](Problem& p) {
       // 0.2 / 48 / 7.625 = 0.000546448 <= 0.00055.
       p.working.SeismicCategory = "Category C";
       p.working.MinSteelRatio = 0.00055f;
     }},
    {"UnknownCategoryHasNoSteelCheck",
     [](Problem& p) {
       p.working.SeismicCategory = "";
       p.working.MinSteelRatio = 0.0f;
       p.entry.MortarType = "N";
     }},
    {"PartiallyFixedWithinRange",
     [](Problem& p) {
       p.entry.SupportType = "Partially Fixed";
       p.entry.PercentFixed = 100;
     }},
    {"PercentFixedIgnoredForOtherSupports",
     [](Problem& p) {
       p.entry.SupportType = "Fixed";
       p.entry.PercentFixed = 150;
     }},
    {"UniformAndConcentratedRows",
     [](Problem& p) {
       SetWind(p, {"W", "H"}, {20.0f, 100.0f}, {0.0f, 6.0f}, {12.0f, 6.0f});
     }},
    {"LoadFromFluidPressureOnly",
     [](Problem& p) {
       p.working.WallWeight = 0.0f;
       SetWind(p, {}, {}, {}, {});
       p.working.EFP = 30.0f;
       p.working.EFPX = 4.0f;
     }},
    {"OneSelectedCombinationWithAFactor",
     [](Problem& p) {
       p.entry.LoadCombSelected = {0, 0, 0, 0, 1};
       p.entry.LoadFactors.fill(0.0f);
       p.entry.LoadFactors[10] = 0.9f;  // F11
     }},
    {"MetricNominalThickness200mm", [](Problem& p) { UseMetric(p, 2); }},
};

INSTANTIATE_TEST_SUITE_P(Inputs, PassingInputTest, ::testing::ValuesIn(kPassCases),
                         [](const ::testing::TestParamInfo<PassCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ValidationTest, EveryMetricNominalThicknessRoundTrips) {
  for (int mm : {100, 150, 200, 250, 300, 400}) {
    Problem p = Baseline();
    UseMetric(p, 3);
    p.working.WallThickness = static_cast<float>(mm / static_cast<double>(25.4f));
    p.working.WallSteelDepth = p.working.WallThickness / 2 - 0.1875f;
    p.working.FaceShellThickness = 0.75f;
    const ValidationOutcome outcome = CheckInput(p);
    EXPECT_TRUE(outcome.ok) << mm << " mm";
    EXPECT_FALSE(outcome.warning.has_value()) << mm << " mm";
  }
}

TEST(ValidationTest, EveryEnglishNominalThicknessPasses) {
  for (float nominal : {4.0f, 6.0f, 8.0f, 10.0f, 12.0f, 16.0f}) {
    Problem p = Baseline();
    p.working.WallThickness = nominal;
    p.working.WallSteelDepth = (nominal - 0.375f) / 2;  // bars at the centre
    const ValidationOutcome outcome = CheckInput(p);
    EXPECT_TRUE(outcome.ok) << nominal << " in";
    EXPECT_FALSE(outcome.warning.has_value()) << nominal << " in";
  }
  for (float other : {3.625f, 5.0f, 7.99f, 14.0f, 24.0f}) {
    Problem p = Baseline();
    p.working.WallThickness = other;
    p.working.WallSteelDepth = (other - 0.375f) / 2;
    EXPECT_EQ(kThicknessWallEnglish, CheckInput(p).warning.value_or("")) << other << " in";
  }
}

// --- Nominal thickness (check 1) ---

TEST(ValidationTest, ActualThicknessEnteredAsNominalGivesOnlyTheWarning) {
  Problem p = Baseline();
  p.working.WallThickness = 7.625f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(kThicknessWallEnglish, *outcome.warning);
  EXPECT_FALSE(outcome.error.has_value());
}

TEST(ValidationTest, ParapetThicknessWarningIsTheLastOfItsKind) {
  Problem p = Baseline();
  p.working.WallThickness = 7.625f;
  p.working.ParapetHeight = 3.0f;
  p.working.ParapetThickness = 7.0f;
  p.working.ParapetSteelDepth = 3.5f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(kThicknessParapetEnglish, *outcome.warning);
  EXPECT_FALSE(outcome.error.has_value());
}

TEST(ValidationTest, LowParapetThicknessIsCheckedToo) {
  Problem p = Baseline();
  p.working.ParapetHeight = 0.5f;
  p.working.ParapetThickness = 7.0f;
  p.working.ParapetSteelDepth = 3.5f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(kThicknessParapetEnglish, outcome.warning.value_or(""));
  EXPECT_FALSE(outcome.error.has_value());
}

TEST(ValidationTest, Metric200mmPassesOnlyWhenItConvertsBackExactly) {
  Problem p = Baseline();
  UseMetric(p, 2);
  // 200 / 25.4 stored in single precision times 25.4 gives exactly 200.
  ASSERT_EQ(200.0f, p.working.WallThickness * 25.4f);
  EXPECT_TRUE(CheckInput(p).ok);

  // 7.874 in is 199.9996 mm: not a nominal metric size.
  p.working.WallThickness = 7.874f;
  ASSERT_NE(200.0f, p.working.WallThickness * 25.4f);
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(kThicknessWallMetric, *outcome.warning);
  EXPECT_FALSE(outcome.error.has_value());
}

// --- Only the last message of each kind ---

TEST(ValidationTest, CellWidthAndStripWidthShowOnlyTheStripWidthMessage) {
  Problem p = Baseline();
  p.working.StripWidth = 0.0f;  // below the 8 in cell (check 4) and zero (check 12)
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(kWidthMissing, *outcome.error);
}

TEST(ValidationTest, LaterWarningReplacesTheThicknessWarning) {
  Problem p = Baseline();
  p.working.WallThickness = 7.625f;
  p.working.SeismicCategory = "Category D";
  p.working.MinSteelRatio = 0.0005f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);  // the thickness warning still stops the solve
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(kCategoryDWarning, *outcome.warning);
  EXPECT_FALSE(outcome.error.has_value());
}

TEST(ValidationTest, SeveralWindRowsShowTheLastFailure) {
  Problem p = Baseline();
  // Row 1: concentrated load spread over a height; row 2: a load without END.
  SetWind(p, {"H", "W"}, {100.0f, 10.0f}, {2.0f, 0.0f}, {4.0f, 0.0f});
  EXPECT_EQ(kWindEndMissing, CheckInput(p).error.value_or(""));
  // Reversed: the concentrated-load message comes last.
  SetWind(p, {"W", "H"}, {10.0f, 100.0f}, {0.0f, 2.0f}, {0.0f, 4.0f});
  EXPECT_EQ(kConcentratedSpan, CheckInput(p).error.value_or(""));
}

TEST(ValidationTest, LoadCheckRunsOnlyWhenEverythingElsePassed) {
  Problem p = Baseline();
  p.working.WallWeight = 0.0f;
  SetWind(p, {}, {}, {}, {});
  p.working.Fv = 0.0f;
  EXPECT_EQ(kFvMissing, CheckInput(p).error.value_or(""));
}

// --- Seismic minimum steel (check 19) ---

TEST(ValidationTest, CategoryCWarningEnglish) {
  Problem p = Baseline();
  p.working.SeismicCategory = "Category C";
  p.working.MinSteelRatio = 0.0005f;
  // 0.2 / 48 / 7.625 = 0.000546448 -> "0.00055"; thickness 8 x 1 -> "8";
  // the 4-character label "in  ".
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_TRUE(outcome.ok);
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(
      "Warning, minimum area of steel for Design Category C\r"
      "cannot be less than 0.20 in^2 at 4 ft. o.c.\r"
      "(Min. steel ratio = 0.00055 for a 8 in   wall)",
      *outcome.warning);
  EXPECT_FALSE(outcome.error.has_value());
}

TEST(ValidationTest, CategoryCWarningMetric) {
  Problem p = Baseline();
  UseMetric(p, 2);
  p.working.SeismicCategory = "Category C";
  p.working.MinSteelRatio = 0.0005f;
  // Actual thickness 7.8740158 - 0.375 = 7.4990158 in;
  // 0.2 / 48 / 7.4990158 = 0.000555628 -> "0.00056"; 7.8740158 x 25.4 = 200.
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_TRUE(outcome.ok);
  ASSERT_TRUE(outcome.warning.has_value());
  EXPECT_EQ(
      "Warning, minimum area of steel for Design Category C\r"
      "cannot be less than 129 mm^2 at 1.22 m. o.c.\r"
      "(Min. steel ratio = 0.00056 for a 200 mm   wall)",
      *outcome.warning);
}

TEST(ValidationTest, CategoryCWithoutActualThicknessIsRejectedWithoutARatio) {
  Problem p = Baseline();
  p.working.SeismicCategory = "Category C";
  p.working.NominalMinusActual = 8.0f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  EXPECT_FALSE(outcome.warning.has_value());
  EXPECT_EQ(kActualThickness, outcome.error.value_or(""));
}

TEST(ValidationTest, CategoryDRatioJustBelowTheMinimumWarns) {
  Problem p = Baseline();
  p.working.SeismicCategory = "Category D";
  p.working.MinSteelRatio = 0.00069f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(kCategoryDWarning, outcome.warning.value_or(""));
}

TEST(ValidationTest, CategoryDTypeNMortarAndLowRatioGiveWarningAndError) {
  Problem p = Baseline();
  p.working.SeismicCategory = "Category D";
  p.entry.MortarType = "N";
  p.working.MinSteelRatio = 0.0005f;
  const ValidationOutcome outcome = CheckInput(p);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(kCategoryDWarning, outcome.warning.value_or(""));
  EXPECT_EQ(kTypeNMortar, outcome.error.value_or(""));
}

// --- Message boxes and the busy pointer ---

class ValidateInputTest : public ::testing::Test {
 protected:
  ValidateInputTest() : session(platform, ProgramFolder{}) { session.problem = Baseline(); }

  void ExpectBox(size_t index, const std::string& text, const std::string& title) {
    ASSERT_LT(index, platform.messages.size());
    const Message& m = platform.messages[index];
    EXPECT_EQ(text, m.text);
    EXPECT_EQ(title, m.title);
    EXPECT_EQ(MessageIcon::Information, m.icon);
    EXPECT_EQ(MessageButtons::Ok, m.buttons);
  }

  RecordingPlatform platform;
  Session session;
};

TEST_F(ValidateInputTest, ValidInputShowsNothingAndLeavesThePointerBusy) {
  EXPECT_TRUE(ValidateInput(session));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.pointer.empty());
}

TEST_F(ValidateInputTest, ErrorBoxAfterResettingThePointer) {
  session.problem.working.StripWidth = 0.0f;
  EXPECT_FALSE(ValidateInput(session));
  ASSERT_EQ(1u, platform.messages.size());
  ExpectBox(0, kWidthMissing, "Error Message");
  EXPECT_EQ(std::vector<bool>{false}, platform.pointer);
}

TEST_F(ValidateInputTest, ThicknessWarningAloneStopsWithoutAnErrorBox) {
  session.problem.working.WallThickness = 7.625f;
  EXPECT_FALSE(ValidateInput(session));
  ASSERT_EQ(1u, platform.messages.size());
  ExpectBox(0, kThicknessWallEnglish, "Warning Message");
  // Reset before the warning box, and again as the failed run ends.
  EXPECT_EQ((std::vector<bool>{false, false}), platform.pointer);
}

TEST_F(ValidateInputTest, WarningBoxComesBeforeTheErrorBox) {
  session.problem.working.SeismicCategory = "Category D";
  session.problem.entry.MortarType = "N";
  session.problem.working.MinSteelRatio = 0.0005f;
  EXPECT_FALSE(ValidateInput(session));
  ASSERT_EQ(2u, platform.messages.size());
  ExpectBox(0, kCategoryDWarning, "Warning Message");
  ExpectBox(1, kTypeNMortar, "Error Message");
  EXPECT_EQ((std::vector<bool>{false, false}), platform.pointer);
}

TEST_F(ValidateInputTest, WarningOnlyValidationSucceeds) {
  session.problem.working.SeismicCategory = "Category C";
  session.problem.working.MinSteelRatio = 0.0005f;
  EXPECT_TRUE(ValidateInput(session));
  ASSERT_EQ(1u, platform.messages.size());
  EXPECT_EQ("Warning Message", platform.messages[0].title);
  EXPECT_EQ(std::vector<bool>{false}, platform.pointer);
}

TEST_F(ValidateInputTest, WarningThenMissingLoad) {
  session.problem.working.SeismicCategory = "Category E";
  session.problem.working.MinSteelRatio = 0.0f;
  session.problem.working.WallWeight = 0.0f;
  SetWind(session.problem, {}, {}, {}, {});
  EXPECT_FALSE(ValidateInput(session));
  ASSERT_EQ(2u, platform.messages.size());
  ExpectBox(0, kCategoryDWarning, "Warning Message");
  ExpectBox(1, kNoLoad, "Error Message");
  EXPECT_EQ((std::vector<bool>{false, false}), platform.pointer);
}

TEST_F(ValidateInputTest, MissingLoadAloneShowsOneErrorBox) {
  session.problem.working.WallWeight = 0.0f;
  SetWind(session.problem, {}, {}, {}, {});
  EXPECT_FALSE(ValidateInput(session));
  ASSERT_EQ(1u, platform.messages.size());
  ExpectBox(0, kNoLoad, "Error Message");
  EXPECT_EQ(std::vector<bool>{false}, platform.pointer);
}

TEST_F(ValidateInputTest, ValidationDoesNotChangeTheProblem) {
  session.problem.working.StripWidth = 0.0f;
  const Problem before = session.problem;
  ValidateInput(session);
  EXPECT_EQ(before.working.StripWidth, session.problem.working.StripWidth);
  EXPECT_EQ(before.entry.LoadCombSelected, session.problem.entry.LoadCombSelected);
  EXPECT_EQ(before.ReinforcedWall, session.problem.ReinforcedWall);
  EXPECT_EQ(before.Designed, session.problem.Designed);
  EXPECT_EQ(before.DataChanged, session.problem.DataChanged);
}

}  // namespace
}  // namespace calvix
