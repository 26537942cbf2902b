// Inputs that validation lets through at its limits: each solve must end, give
// finite numbers only and either complete the design or refuse it with a
// failure code, never a wrong number.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "analysis/solve.h"
#include "cli/json_document.h"
#include "design/design_results.h"
#include "files/project_file.h"
#include "model/errors.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

bool AllFinite(const nlohmann::ordered_json& value) {
  if (value.is_number_float()) return std::isfinite(value.get<double>());
  for (const auto& item : value) {
    if (item.is_structured() || item.is_number_float()) {
      if (!AllFinite(item)) return false;
    }
  }
  return true;
}

struct LimitCase {
  const char* name;
  const char* example;
  bool reinforced;
  std::vector<std::pair<int, const char*>> fields;    // field texts typed over the example
  std::vector<std::pair<int, int16_t>> combinations;  // LoadCombSelected changes
  bool validationOk;                                  // whether validation lets the input through
  int16_t errorCode;          // the design's verdict: 0 designed, else the failure code
  bool clearWind = false;     // empties the wind table
  bool solidGrouted = false;  // selects solid grouting
};

class DesignLimitsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(DesignLimitsTest, EndsWithAFiniteDesignOrAFailureCode) {
  const LimitCase& c = GetParam();
  StartedSession s;
  s.platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + c.example);
  ASSERT_TRUE(OpenFile(s.session));
  s.entry().UserMasonryData = true;  // the typed masonry data is used as it is
  for (const auto& [field, text] : c.fields) s.entry().Fields[static_cast<size_t>(field)] = text;
  if (c.solidGrouted) s.entry().GroutSpacingOption = 1;
  if (c.clearWind) {
    for (auto& row : s.entry().Wind) row = {"", "", "", ""};
  }
  for (const auto& [k, on] : c.combinations)
    s.entry().LoadCombSelected[static_cast<size_t>(k)] = on;

  AnalysisResults analysis;
  DesignResults results;
  const auto start = std::chrono::steady_clock::now();
  const SolveOutcome outcome =
      SolveWall(s.session, c.reinforced, analysis, DesignRoutinesFor(results));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(2));
  ASSERT_EQ(outcome.validationOk, c.validationOk);
  if (!c.validationOk) return;
  EXPECT_EQ(outcome.errorCode, c.errorCode);
  EXPECT_EQ(outcome.designed, c.errorCode == 0);
  const bool strength = s.entry().DesignMethod == "IBC-S";
  EXPECT_TRUE(AllFinite(AnalysisJson(analysis, strength)));
  if (outcome.design != DesignRun::None) {
    EXPECT_TRUE(AllFinite(DesignJson(results, outcome.design)));
  }
}

constexpr const char* kAci = "cmu-bearing-wall.cxl";    // ACI, 16 ft wall, 3 ft parapet
constexpr const char* kIbcS = "ibc-strength-wall.cxl";  // IBC-S, 20 ft wall

INSTANTIATE_TEST_SUITE_P(
    Limits, DesignLimitsTest,
    ::testing::Values(
        // A unit length of 0.0001 in: spacing module 0.00005 in.
        LimitCase{"TinyModuleAci", kAci, true, {{kUnitLengthField, "0.0001"}}, {}, true, 8},
        LimitCase{"TinyModuleStrength", kIbcS, true, {{kUnitLengthField, "0.0001"}}, {}, true, 8},
        LimitCase{
            "TinyModuleUnreinforced", kAci, false, {{kUnitLengthField, "0.0001"}}, {}, true, 8},
        // Solid grouting does not depend on the module: still designed.
        LimitCase{"TinyModuleUnreinforcedSolid",
                  kAci,
                  false,
                  {{kUnitLengthField, "0.0001"}},
                  {},
                  true,
                  0,
                  false,
                  true},
        // Modular ratio and Em at the smallest value validation takes.
        // n = 0.001 leaves the steel almost no transformed area: no bar works.
        LimitCase{"TinyModularRatio", kAci, true, {{kModularRatioField, "0.001"}}, {}, true, 8},
        LimitCase{"TinyEm", kAci, true, {{kEmField, "0.001"}}, {}, true, 0},
        // Em = 0.001 ksi: the P-delta deflection runs away, a flexure failure.
        LimitCase{"TinyEmStrength", kIbcS, true, {{kEmField, "0.001"}}, {}, true, 2},
        LimitCase{"TinyEmUnreinforced", kAci, false, {{kEmField, "0.001"}}, {}, true, 0},
        LimitCase{"ZeroModularRatio", kAci, true, {{kModularRatioField, "0"}}, {}, false, 0},
        LimitCase{"ZeroEm", kAci, true, {{kEmField, "0"}}, {}, false, 0},
        // Face shells.
        LimitCase{"TinyFaceShell", kAci, true, {{kFaceShellField, "0.0001"}}, {}, true, 0},
        LimitCase{
            "TinyFaceShellUnreinforced", kAci, false, {{kFaceShellField, "0.0001"}}, {}, true, 0},
        LimitCase{"TinyFaceShellStrength", kIbcS, true, {{kFaceShellField, "0.0001"}}, {}, true, 0},
        LimitCase{"ZeroFaceShell", kAci, true, {{kFaceShellField, "0"}}, {}, false, 0},
        // Only the wind combinations 2 and 4 selected in a wall without wind
        // rows: the per-part filter removes both (code 10).
        LimitCase{"FilterEmptiesTheCombinations",
                  kAci,
                  true,
                  {},
                  {{0, 0}, {2, 0}, {4, 0}},
                  true,
                  10,
                  true},
        LimitCase{"FilterEmptiesTheCombinationsStrength",
                  kIbcS,
                  true,
                  {},
                  {{0, 0}, {2, 0}, {4, 0}},
                  true,
                  10,
                  true},
        LimitCase{"FilterEmptiesTheCombinationsUnreinforced",
                  kAci,
                  false,
                  {},
                  {{0, 0}, {2, 0}, {4, 0}},
                  true,
                  10,
                  true},
        // Allowable tension at its smallest (strength design does not use it).
        LimitCase{"TinyTensionUnreinforced",
                  kAci,
                  false,
                  {{kFtNoGroutField, "0.001"}, {kFtSolidGroutField, "0.001"}},
                  {},
                  true,
                  0},
        LimitCase{"ZeroTensionStrength",
                  kIbcS,
                  true,
                  {{kFtNoGroutField, "0"}, {kFtSolidGroutField, "0"}},
                  {},
                  true,
                  0},
        // A grouted cell of 0.0001 in: almost no width for shear.
        LimitCase{"TinyShearWidth", kAci, true, {{kGroutedCellWidthField, "0.0001"}}, {}, true, 0},
        LimitCase{"TinyShearWidthStrength",
                  kIbcS,
                  true,
                  {{kGroutedCellWidthField, "0.0001"}},
                  {},
                  true,
                  0},
        LimitCase{"TinyShearWidthUnreinforced",
                  kAci,
                  false,
                  {{kGroutedCellWidthField, "0.0001"}},
                  {},
                  true,
                  0}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

// A number beyond single precision in a field (found by fuzzing: a wall height
// of 2.4E+128 ft became an infinite working height and NaN moment/shear
// ratios) stops the conversion with an overflow error, as a text that is not a
// number stops it with a type mismatch; nothing is analysed.
TEST(ConversionLimitsTest, AValueBeyondSinglePrecisionStopsTheSolveWithAnOverflow) {
  StartedSession s;
  s.platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + kAci);
  ASSERT_TRUE(OpenFile(s.session));
  s.entry().Fields[kWallHeightField] = "1E+39";  // above 3.4E+38, the largest single
  AnalysisResults analysis;
  DesignResults results;
  try {
    SolveWall(s.session, true, analysis, DesignRoutinesFor(results));
    FAIL() << "the solve went on with an infinite wall height";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorOverflow);
    EXPECT_STREQ(error.what(), "Overflow in field 0 (Wall Height: \"1E+39\")");
  }
  s.entry().Fields[kWallHeightField] = "16.00";
  s.entry().Wind[0][kWindMagnitude] = "-1E+40";
  try {
    SolveWall(s.session, true, analysis, DesignRoutinesFor(results));
    FAIL() << "the solve went on with an infinite wind pressure";
  } catch (const CalvixError& error) {
    EXPECT_EQ(error.number(), kErrorOverflow);
    EXPECT_STREQ(error.what(), "Overflow in the wind table, row 1 Magnitude (\"-1E+40\")");
  }
}

}  // namespace
}  // namespace calvix
