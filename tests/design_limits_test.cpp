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
    if ((item.is_structured() || item.is_number_float()) && !AllFinite(item)) return false;
  }
  return true;
}

constexpr const char* kAci = "cmu-bearing-wall.cxl";    // ACI, 16 ft wall, 3 ft parapet
constexpr const char* kIbcS = "ibc-strength-wall.cxl";  // IBC-S, 20 ft wall

struct LimitCase {
  const char* name;
  const char* example;
  bool reinforced;
  std::vector<std::pair<int, const char*>> fields;  // field texts typed over the example
  int16_t errorCode;          // 0 designed, else the failure code; -1: validation refuses it
  bool filter = false;        // wind rows emptied, only combinations 2 and 4 left
  bool solidGrouted = false;  // selects solid grouting
};

TEST(DesignLimitsTest, EndsWithAFiniteDesignOrAFailureCode) {
  const char* tiny = "0.0001";
  const std::pair<int, const char*> tinyModule{kUnitLengthField, tiny};  // module 0.00005 in
  const std::pair<int, const char*> tinyShell{kFaceShellField, tiny};
  const std::pair<int, const char*> tinyCell{kGroutedCellWidthField,
                                             tiny};  // almost no shear width
  // clang-format off
  const LimitCase cases[] = {
      {"TinyModuleAci", kAci, true, {tinyModule}, 8},
      {"TinyModuleStrength", kIbcS, true, {tinyModule}, 8},
      {"TinyModuleUnreinforced", kAci, false, {tinyModule}, 8},
      // Solid grouting does not depend on the module: still designed.
      {"TinyModuleUnreinforcedSolid", kAci, false, {tinyModule}, 0, false, true},
      // Modular ratio and Em at the smallest value validation takes.
      // n = 0.001 leaves the steel almost no transformed area: no bar works.
      {"TinyModularRatio", kAci, true, {{kModularRatioField, "0.001"}}, 8},
      {"TinyEm", kAci, true, {{kEmField, "0.001"}}, 0},
      // Em = 0.001 ksi: the P-delta deflection runs away, a flexure failure.
      {"TinyEmStrength", kIbcS, true, {{kEmField, "0.001"}}, 2},
      {"TinyEmUnreinforced", kAci, false, {{kEmField, "0.001"}}, 0},
      {"ZeroModularRatio", kAci, true, {{kModularRatioField, "0"}}, -1},
      {"ZeroEm", kAci, true, {{kEmField, "0"}}, -1},
      {"TinyFaceShell", kAci, true, {tinyShell}, 0},
      {"TinyFaceShellUnreinforced", kAci, false, {tinyShell}, 0},
      {"TinyFaceShellStrength", kIbcS, true, {tinyShell}, 0},
      {"ZeroFaceShell", kAci, true, {{kFaceShellField, "0"}}, -1},
      // Only the wind combinations 2 and 4 selected in a wall without wind
      // rows: the per-part filter removes both (code 10).
      {"FilterEmptiesTheCombinations", kAci, true, {}, 10, true},
      {"FilterEmptiesTheCombinationsStrength", kIbcS, true, {}, 10, true},
      {"FilterEmptiesTheCombinationsUnreinforced", kAci, false, {}, 10, true},
      // Allowable tension at its smallest (strength design does not use it).
      {"TinyTensionUnreinforced", kAci, false, {{kFtNoGroutField, "0.001"}, {kFtSolidGroutField, "0.001"}}, 0},
      {"ZeroTensionStrength", kIbcS, true, {{kFtNoGroutField, "0"}, {kFtSolidGroutField, "0"}}, 0},
      {"TinyShearWidth", kAci, true, {tinyCell}, 0},
      {"TinyShearWidthStrength", kIbcS, true, {tinyCell}, 0},
      {"TinyShearWidthUnreinforced", kAci, false, {tinyCell}, 0}};
  // clang-format on
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartedSession s;
    s.platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + c.example);
    ASSERT_TRUE(OpenFile(s.session));
    s.entry().UserMasonryData = true;  // the typed masonry data is used as it is
    for (const auto& [field, text] : c.fields) s.entry().Fields[static_cast<size_t>(field)] = text;
    if (c.solidGrouted) s.entry().GroutSpacingOption = 1;
    if (c.filter) {
      for (auto& row : s.entry().Wind) row = {"", "", "", ""};
      s.entry().LoadCombSelected = {0, 1, 0, 1, 0};
    }
    AnalysisResults analysis;
    DesignResults results;
    const auto start = std::chrono::steady_clock::now();
    const SolveOutcome outcome =
        SolveWall(s.session, c.reinforced, analysis, DesignRoutinesFor(results));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(outcome.validationOk, c.errorCode >= 0);
    if (c.errorCode < 0) continue;
    EXPECT_EQ(outcome.errorCode, c.errorCode);
    EXPECT_EQ(outcome.designed, c.errorCode == 0);
    EXPECT_TRUE(AllFinite(AnalysisJson(analysis, s.entry().DesignMethod == "IBC-S")));
    if (outcome.design != DesignRun::None) {
      EXPECT_TRUE(AllFinite(DesignJson(results, outcome.design)));
    }
  }
}

// A number beyond single precision in a field (found by fuzzing: a wall height
// of 2.4E+128 ft became an infinite working height and NaN moment/shear
// ratios) stops the conversion with an overflow error, as a text that is not a
// number stops it with a type mismatch; nothing is analysed.
TEST(ConversionLimitsTest, AValueBeyondSinglePrecisionStopsTheSolveWithAnOverflow) {
  StartedSession s;
  s.platform.files.push_back(std::string(CALVIX_SOURCE_DIR) + "/examples/" + kAci);
  ASSERT_TRUE(OpenFile(s.session));
  const auto overflow = [&s](const char* message) {
    AnalysisResults analysis;
    DesignResults results;
    try {
      SolveWall(s.session, true, analysis, DesignRoutinesFor(results));
      ADD_FAILURE() << "the solve went on with " << message;
    } catch (const CalvixError& error) {
      EXPECT_EQ(error.number(), kErrorOverflow);
      EXPECT_STREQ(error.what(), message);
    }
  };
  s.entry().Fields[kWallHeightField] = "1E+39";  // above 3.4E+38, the largest single
  overflow("Overflow in field 0 (Wall Height: \"1E+39\")");
  s.entry().Fields[kWallHeightField] = "16.00";
  s.entry().Wind[0][kWindMagnitude] = "-1E+40";
  overflow("Overflow in the wind table, row 1 Magnitude (\"-1E+40\")");
}

}  // namespace
}  // namespace calvix
