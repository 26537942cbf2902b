// Random valid problems and every shipped example, solved with the real design
// routines: whatever the design decides, no number in the analysis or design
// tables may be NaN or infinite. The generator is seeded, so a failure names
// a case that can be replayed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "analysis/solve.h"
#include "cli/json_document.h"
#include "design/design_results.h"
#include "files/project_file.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "support/started_session.h"

namespace calvix {
namespace {

using testing::StartedSession;

// The path to the first number in `value` that is not finite; empty when all are.
std::string FirstNonFinite(const nlohmann::ordered_json& value, const std::string& path) {
  if (value.is_number_float()) return std::isfinite(value.get<double>()) ? "" : path;
  if (value.is_array()) {
    for (size_t i = 0; i < value.size(); ++i) {
      std::string found = FirstNonFinite(value[i], path + "[" + std::to_string(i) + "]");
      if (!found.empty()) return found;
    }
  } else if (value.is_object()) {
    for (const auto& [key, item] : value.items()) {
      std::string found = FirstNonFinite(item, path + "." + key);
      if (!found.empty()) return found;
    }
  }
  return "";
}

struct Solved {
  SolveOutcome outcome;
  std::string nonFinite;  // where a non-finite number was found
};

Solved Solve(Session& session, bool reinforced) {
  AnalysisResults analysis;
  DesignResults results;
  Solved solved;
  solved.outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(results));
  if (solved.outcome.analysed) {
    bool strength = session.problem.entry.DesignMethod == "IBC-S";
    solved.nonFinite = FirstNonFinite(AnalysisJson(analysis, strength), "analysis");
  }
  if (solved.nonFinite.empty() && solved.outcome.design != DesignRun::None) {
    solved.nonFinite = FirstNonFinite(DesignJson(results, solved.outcome.design), "design");
  }
  return solved;
}

// Draws a wall in working units (ft, in, psf, plf, pcf, psi, ksi) and enters
// it into the fields of the session's unit system, as an engineer would type
// it. Thicknesses are nominal block sizes of that system.
class ProblemGenerator {
 public:
  explicit ProblemGenerator(unsigned seed) : random_(seed) {}

  void Fill(Session& session) {
    EntryForm& e = session.problem.entry;
    const bool metric = session.problem.units.UnitsType != 1;
    e.DesignMethod = Pick<std::string>({"ACI", "IBC-W", "IBC-S"});
    e.MasonryMaterial = Pick<std::string>({"CMU", "Clay", "Brick"});
    e.MortarMaterial = Pick<std::string>({"PCL", "Masonry"});
    e.MortarType = Pick<std::string>({"N", "S", "M"});
    e.RunningBond = Chance(0.8);
    e.Cantilever = Chance(0.2);
    e.SupportType = Pick<std::string>({"Pinned", "Fixed", "Partially Fixed"});
    e.PercentFixed = static_cast<int16_t>(Uniform(0, 100));
    e.StressIncreaseFactor = Chance(0.5) ? 1.0f : 4.0f / 3.0f;
    e.UserMasonryData = Chance(0.3);
    e.GroutSpacingOption = Chance(0.5) ? 1 : 0;
    e.ReinfLayersOption = Chance(0.25) ? 1 : 0;
    e.SiteClass = Pick<std::string>({"Class A", "Class B", "Class C", "Class D", "Class E"});
    e.UseGroup = Pick<std::string>({"I", "II", "III"});
    e.UserFa = 1.2f;
    for (auto& selected : e.LoadCombSelected) selected = Chance(0.8) ? 1 : 0;
    e.LoadCombSelected[static_cast<size_t>(Uniform(0, 4))] = 1;
    e.BuildingCodeComb = Chance(0.8) ? "YES" : "NO";
    for (auto& factor : e.UserLoadFactors) factor = Chance(0.2) ? 0.0 : Uniform(0.5, 1.7);

    // Geometry. Hollow units come in nominal thicknesses; brick may be any.
    const std::array<double, 5> inches{6, 8, 10, 12, 16};
    const std::array<double, 5> millimetres{150, 200, 250, 300, 400};
    const size_t wallSize = static_cast<size_t>(Uniform(0, 4));
    const double wall = metric ? millimetres[wallSize] / 25.4 : inches[wallSize];
    const double nominalMinusActual = Uniform(0.25, 0.5);
    const double faceShell = Uniform(0.75, 1.5);
    const double actual = wall - nominalMinusActual;
    const double steelLimit = e.ReinfLayersOption == 1 ? actual / 2 : actual - faceShell;
    const double height = Uniform(6, 32);
    Set(session, kWallHeightField, height);
    SetExact(session, kWallThicknessField, metric ? millimetres[wallSize] : wall);
    Set(session, kWallSteelDepthField, Uniform(faceShell, steelLimit));
    if (Chance(0.5)) {
      const size_t parapetSize = static_cast<size_t>(Uniform(0, static_cast<double>(wallSize)));
      const double parapet = metric ? millimetres[parapetSize] / 25.4 : inches[parapetSize];
      Set(session, kParapetHeightField, Uniform(1, 6));
      SetExact(session, kParapetThicknessField, metric ? millimetres[parapetSize] : parapet);
      Set(session, kParapetSteelDepthField, Uniform(faceShell, parapet - faceShell));
    } else {
      Set(session, kParapetHeightField, 0);
      Set(session, kParapetThicknessField, 0);
      Set(session, kParapetSteelDepthField, 0);
    }
    Set(session, kStripWidthField, Uniform(8, 96));
    Set(session, kGroutedCellWidthField, 8);
    Set(session, kUnitLengthField, 16);
    Set(session, kFaceShellField, faceShell);
    Set(session, kNominalMinusActualField, nominalMinusActual);

    // Loads.
    Set(session, kWallWeightField, Uniform(0, 110));
    Set(session, kFloorDeadField, Chance(0.7) ? Uniform(0, 3000) : 0);
    Set(session, kFloorLiveField, Chance(0.7) ? Uniform(0, 2000) : 0);
    Set(session, kFloorEccentricityField, Uniform(0, wall / 2));
    Set(session, kAddDeadField, Chance(0.3) ? Uniform(0, 1500) : 0);
    Set(session, kAddLiveField, Chance(0.3) ? Uniform(0, 1000) : 0);
    Set(session, kAddEccentricityField, Uniform(0, wall / 2));
    Set(session, kAddYField, Uniform(0, height));
    Set(session, kEfpField, Chance(0.3) ? Uniform(0, 60) : 0);
    Set(session, kEfpXField, Uniform(0, height));
    Set(session, kSsField, Chance(0.6) ? Uniform(0, 250) : 0);
    Set(session, kVeneerWeightField, Chance(0.2) ? Uniform(0, 40) : 0);
    Set(session, kZOverHField, Uniform(0, 1));

    // Masonry and steel; with calculated masonry data the solve recomputes
    // f'm, Fb, Fv, Ft, Em and n from the unit strength.
    const double fm = Uniform(1500, 4000);
    const double es = Uniform(28000, 30000);
    const double em = 900 * fm / 1000;  // ACI 530-99 1.8.2.2.1, ksi
    Set(session, kUnitStrengthField, Uniform(1250, 6000));
    Set(session, kFmPrimeField, fm);
    Set(session, kFbField, fm / 3);
    Set(session, kFvField, std::sqrt(fm));
    Set(session, kFtNoGroutField, Uniform(10, 40));
    Set(session, kFtSolidGroutField, Uniform(40, 90));
    Set(session, kEmField, em);
    Set(session, kModularRatioField, es / em);
    Set(session, kFyField, Pick<double>({40, 60}));
    Set(session, kFsField, Pick<double>({20, 24, 32}));
    Set(session, kEsField, es);
    Set(session, kMinSteelRatioField, Uniform(0.0007, 0.002));

    // Up to three wind rows inside the wall and parapet.
    for (auto& row : e.Wind) row = {"", "", "", ""};
    const int rows = static_cast<int>(Uniform(0, 3.99));
    const double lengthFactor = session.problem.units.Factor(kLengthLong);
    for (int r = 0; r < rows; ++r) {
      auto& row = e.Wind[static_cast<size_t>(r)];
      if (Chance(0.75)) {
        const double end = Uniform(1, height);
        row = {"W", Text(Uniform(5, 50) * session.problem.units.Factor(kWindPressure)),
               Text(Uniform(0, end) * lengthFactor), Text(end * lengthFactor)};
      } else {
        const std::string at = Text(Uniform(0.5, height) * lengthFactor);
        row = {"H", Text(Uniform(10, 400) * session.problem.units.Factor(kLineLoad)), at, at};
      }
    }
  }

  bool Chance(double probability) { return Uniform(0, 1) < probability; }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    const size_t i = static_cast<size_t>(Uniform(0, static_cast<double>(choices.size()) - 1e-9));
    return *(choices.begin() + i);
  }
  static std::string Text(double value) { return std::to_string(value); }
  // A working value entered in the field's display units.
  void Set(Session& session, int field, double working) {
    const int quantity = FieldQuantity(field);
    const double factor = quantity < 0 ? 1.0 : session.problem.units.Factor(quantity);
    SetFieldValue(session, field, working * factor);
  }
  // A value typed as it is shown (nominal thicknesses in the system's own sizes).
  void SetExact(Session& session, int field, double display) {
    session.problem.entry.Fields[static_cast<size_t>(field)] = Text(display);
  }

  std::mt19937 random_;
};

TEST(RandomSolveTest, ThousandsOfValidProblemsGiveFiniteResults) {
  std::array<StartedSession, 3> started{StartedSession(1), StartedSession(2), StartedSession(3)};
  std::array<Problem, 3> fresh{started[0].problem(), started[1].problem(), started[2].problem()};
  ProblemGenerator generator(20261207);
  constexpr int kWanted = 1200;
  int validated = 0;
  int designed = 0;
  std::array<int, 3> validatedByMethod{};
  int unreinforcedValidated = 0;
  for (int attempt = 0; attempt < 20 * kWanted && validated < kWanted; ++attempt) {
    const size_t system = static_cast<size_t>(attempt % 3);
    StartedSession& s = started[system];
    s.session.problem = fresh[system];
    generator.Fill(s.session);
    const bool strength = s.problem().entry.DesignMethod == "IBC-S";
    // Unreinforced walls are designed by the working-stress methods only.
    const bool reinforced = strength || generator.Chance(0.6);
    const Solved solved = Solve(s.session, reinforced);
    s.platform.messages.clear();
    s.platform.pointer.clear();
    ASSERT_EQ(solved.nonFinite, "") << "attempt " << attempt;
    if (!solved.outcome.validationOk) continue;
    ++validated;
    designed += solved.outcome.designed ? 1 : 0;
    const std::string& method = s.problem().entry.DesignMethod;
    ++validatedByMethod[method == "ACI" ? 0 : method == "IBC-W" ? 1 : 2];
    unreinforcedValidated += reinforced ? 0 : 1;
  }
  EXPECT_EQ(validated, kWanted);
  for (int count : validatedByMethod) EXPECT_GT(count, kWanted / 10);
  EXPECT_GT(unreinforcedValidated, kWanted / 10);
  // Most random walls are designable; a generator that only produced failures
  // would test little.
  EXPECT_GT(designed, kWanted / 4);
}

TEST(RandomSolveTest, EveryExampleSolvesToFiniteResults) {
  int solved = 0;
  for (const auto& file :
       std::filesystem::directory_iterator(std::string(CALVIX_SOURCE_DIR) + "/examples")) {
    if (file.path().extension() != ".cxl") continue;
    for (bool reinforced : {true, false}) {
      StartedSession s;
      s.platform.files.push_back(file.path());
      ASSERT_TRUE(OpenFile(s.session)) << file.path();
      if (!reinforced && s.problem().entry.DesignMethod == "IBC-S") continue;
      const Solved result = Solve(s.session, reinforced);
      EXPECT_TRUE(result.outcome.analysed) << file.path();
      EXPECT_EQ(result.nonFinite, "") << file.path() << (reinforced ? "" : " unreinforced");
      ++solved;
    }
  }
  EXPECT_GE(solved, 7);  // four examples, three of them by a working-stress method
}

}  // namespace
}  // namespace calvix
