// Default masonry data: unit strength tables, allowable stresses, face shell
// and the entry rules that keep the calculated fields up to date. Expected
// values are worked by hand from the unit strength method tables; the longer
// tables are in tests/data/files/.
#include "model/material_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/errors.h"
#include "support/file_fixtures.h"
#include "support/recording_platform.h"

namespace calvix {
namespace {

using testing::CaseRow;
using testing::CaseTable;

// The values of the material function a table row names, for its arguments.
std::vector<double> Evaluate(const CaseRow& c) {
  auto arg = [&](size_t i) { return static_cast<float>(c.Number(i)); };
  const std::string& name = c[0];
  if (name == "Strength") {
    const MasonryStrengthResult r = MasonryStrength(c[1], c[2], c[3], arg(4));
    return {r.FmPrime, r.Em};
  }
  if (name == "Tension") {
    const AllowableTensionResult r = AllowableTension(c[1], c[2], c[3], c[4]);
    return {r.FtNoGrout, r.FtSolidGrout};
  }
  if (name == "Flexure") return {AllowableFlexure(c[1], arg(2))};
  if (name == "Shear") return {AllowableShear(arg(1))};
  if (name == "FaceShell") return {FaceShell(arg(1), c[2], arg(3))};
  if (name == "NominalMinusActual") return {NominalMinusActual(c[1])};
  if (name == "ModularRatio") return {ModularRatio(arg(1), arg(2))};
  const auto n = static_cast<int16_t>(c.Number(1)), m = static_cast<int16_t>(c.Number(2));
  if (name == "TensionForSpacing")
    return {TensionForSpacing(n, m, c[3] == "solid", arg(4), arg(5))};
  ADD_FAILURE() << "unknown function " << name;
  return {};
}

TEST(MaterialFunctions, ValuesAsTheTableSays) {
  for (const CaseRow& c : CaseTable("material_functions.txt")) {
    SCOPED_TRACE(c.where);
    const std::vector<double> values = Evaluate(c);
    for (size_t i = 0; i < values.size(); ++i) {
      const double expected = c.Number(c.fields.size() - values.size() + i);
      // Single precision: a few thousandths of a psi at strength magnitudes.
      EXPECT_NEAR(values[i], expected, c[0] == "Strength" ? 2e-3 : 1e-6 * std::max(1.0, expected));
    }
  }
}

// ---------------------------------------------------------------------------
// UpDateMasonry and the entry rules

class MasonryFieldsTest : public ::testing::Test {
 protected:
  MasonryFieldsTest() : session(platform, ProgramFolder{}) { UseUnits("US"); }

  std::string& Field(int i) { return session.problem.entry.Fields[static_cast<size_t>(i)]; }
  int& Decimals(int i) { return session.display.Decimals[static_cast<size_t>(i)]; }

  // An 8 in CMU wall, type S PCL mortar, 1900 psi units, Es 29000 ksi, ACI. S.I.
  // takes MPa per psi and ksi and mm per in, whole mm and MPa moduli; "HALF" a
  // made-up metric unit of half-inches.
  void UseUnits(const std::string& system) {
    Problem& p = session.problem;
    p.entry = EntryForm{};
    p.units.UnitsType = system == "US" ? 1 : system == "SI" ? 2 : 3;
    p.units.UnitFactors.fill(1.0f);
    p.MaxShellThickness = 2.0f;
    p.entry.DesignMethod = "ACI";
    p.entry.MasonryMaterial = "CMU";
    p.entry.MortarType = "S";
    p.entry.MortarMaterial = "PCL";
    session.display.Decimals.fill(2);
    for (int f :
         {kWallThicknessField, kParapetThicknessField, kUnitStrengthField, kEmField, kEsField}) {
      Decimals(f) = 0;
    }
    for (int f : {kWallSteelDepthField, kParapetSteelDepthField, kFaceShellField,
                  kNominalMinusActualField}) {
      Decimals(f) = system == "US" ? 3 : 0;
    }
    Field(kWallThicknessField) = "8";
    Field(kUnitStrengthField) = system == "US" ? "1900" : "13.10";
    Field(kEsField) = "29000";
    if (system == "US") return;
    Decimals(kUnitStrengthField) = 2;
    p.units.UnitFactors[kMasonryStress] = 0.00689475729f;
    p.units.UnitFactors[kModulus] = 6.89475729f;
    p.units.UnitFactors[kLengthShort] = system == "SI" ? 25.4f : 2.0f;
  }

  testing::RecordingPlatform platform;
  Session session;
};

TEST_F(MasonryFieldsTest, FieldsAsTheTableSays) {
  const int shown[] = {kFmPrimeField,      kFbField,           kFvField,
                       kFtNoGroutField,    kFtSolidGroutField, kEmField,
                       kModularRatioField, kFaceShellField,    kNominalMinusActualField};
  for (const CaseRow& c : CaseTable("masonry_fields.txt")) {
    SCOPED_TRACE(c.where);
    UseUnits(c[0]);
    session.problem.entry.DesignMethod = c[1];
    session.problem.entry.MasonryMaterial = c[2];
    session.problem.entry.MortarType = c[3];
    Field(kUnitStrengthField) = c[4];
    Field(kWallThicknessField) = c[5];
    Field(kEsField) = c[6];
    session.problem.MaxShellThickness = static_cast<float>(c.Number(7));
    Decimals(kFaceShellField) = Decimals(kNominalMinusActualField) = std::stoi(c[8]);
    UpDateMasonry(session);
    for (size_t i = 0; i < std::size(shown); ++i) {
      // "*": not checked
      EXPECT_EQ(c[9 + i] == "*" ? c[9 + i] : Field(shown[i]), c[9 + i]) << "field " << shown[i];
    }
    // Inputs stay as they were.
    EXPECT_EQ(Field(kUnitStrengthField) + Field(kEsField), c[4] + c[6]);
  }
  EXPECT_TRUE(platform.messages.empty());
}

// Sets "field=text;field=text" pairs, or checks them.
void ForEachPair(const std::string& pairs, const std::function<void(int, const std::string&)>& f) {
  std::istringstream in(pairs);
  for (std::string pair; std::getline(in, pair, ';');) {
    f(std::stoi(pair.substr(0, pair.find('='))), pair.substr(pair.find('=') + 1));
  }
}

TEST_F(MasonryFieldsTest, EditRulesAsTheTableSays) {
  for (const CaseRow& c : CaseTable("masonry_edits.txt")) {
    SCOPED_TRACE(c.where);
    UseUnits(c[0]);
    UpDateMasonry(session);
    session.problem.entry.UserMasonryData = c[1] == "user";
    platform.messages.clear();
    ForEachPair(c[2], [&](int f, const std::string& text) { Field(f) = text; });
    if (c[5] == "throws") {
      EXPECT_THROW(
          c[3] == "all" ? UpDateMasonry(session) : AfterFieldEdited(session, std::stoi(c[3])),
          CalvixError);
      continue;
    }
    AfterFieldEdited(session, std::stoi(c[3]));
    ForEachPair(c[4], [&](int f, const std::string& text) { EXPECT_EQ(Field(f), text) << f; });
    ASSERT_EQ(platform.messages.size(), std::stoul(c[5]));
    for (const Message& m : platform.messages) {
      EXPECT_EQ(m.text,
                "Warning, the program is currently set to automatically calculate\r"
                "the DEFAULT MASONRY DATA.  If you wish to edit this data,\r"
                "then choose \"Masonry Data...\" from the Options Menu.");
      EXPECT_EQ(m.text, DefaultMasonryDataWarningText());
      EXPECT_EQ(m.title, "Default Masonry Data");
      EXPECT_EQ(m.icon, MessageIcon::Information);
      EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
  }
}

}  // namespace
}  // namespace calvix
