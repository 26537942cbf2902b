#include "model/material_data.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "model/entry_fields.h"
#include "model/interpolation.h"

namespace calvix {
namespace {

// One row of a unit strength table: net area compressive strength of the
// units (psi) and the f'm it qualifies (psi).
struct StrengthRow {
  double unitStrength;
  double fmPrime;
};

// A column of a unit strength table; `count` rows are tabulated.
struct StrengthColumn {
  std::array<StrengthRow, 7> rows;
  std::size_t count;
};

// Concrete masonry units (IBC 2000 Table 2105.2.2.1.2; the same values serve ACI 530-99).
constexpr StrengthColumn kConcreteTypeN{
    {{{1300, 1000}, {2150, 1500}, {3050, 2000}, {4050, 2500}, {5250, 3000}}}, 5};
constexpr StrengthColumn kConcreteTypeMS{
    {{{1250, 1000}, {1900, 1500}, {2800, 2000}, {3750, 2500}, {4800, 3000}}}, 5};
// Clay masonry units under ACI 530-99 (unit strength method).
constexpr StrengthColumn kClayAciTypeN{
    {{{2100, 1000}, {4150, 1500}, {6200, 2000}, {8250, 2500}, {10300, 3000}}}, 5};
constexpr StrengthColumn kClayAciTypeMS{{{{1700, 1000},
                                          {3350, 1500},
                                          {4950, 2000},
                                          {6600, 2500},
                                          {8250, 3000},
                                          {9900, 3500},
                                          {13200, 4000}}},
                                        7};
// Clay masonry units, IBC 2000 Table 2105.2.2.1.1.
constexpr StrengthColumn kClayIbcTypeN{
    {{{3000, 1000}, {5500, 1500}, {8000, 2000}, {10500, 2500}, {13000, 3000}}}, 5};
constexpr StrengthColumn kClayIbcTypeMS{{{{2400, 1000},
                                          {4400, 1500},
                                          {6400, 2000},
                                          {8400, 2500},
                                          {10400, 3000},
                                          {12400, 3500},
                                          {14400, 4000}}},
                                        7};

const StrengthColumn& StrengthColumnFor(const std::string& designMethod,
                                        const std::string& material,
                                        const std::string& mortarType) {
  bool typeN = mortarType == "N";
  if (material == "CMU") return typeN ? kConcreteTypeN : kConcreteTypeMS;
  if (designMethod == "ACI") return typeN ? kClayAciTypeN : kClayAciTypeMS;
  return typeN ? kClayIbcTypeN : kClayIbcTypeMS;
}

double FmPrimeFromColumn(const StrengthColumn& column, double u) {
  std::size_t upper = 0;
  while (upper < column.count && !(u <= column.rows[upper].unitStrength)) ++upper;
  // Stronger units than the table lists earn no more than its last f'm.
  if (upper == column.count) return column.rows[column.count - 1].fmPrime;
  // Weaker units than the second row follow the line through rows 1 and 2.
  if (upper == 0) upper = 1;
  const StrengthRow& a = column.rows[upper - 1];
  const StrengthRow& b = column.rows[upper];
  return InterpolateLinear(a.unitStrength, a.fmPrime, b.unitStrength, b.fmPrime, u);
}

// Es / Em for values in any common unit; 0 when Em is 0.
double RatioOrZero(double es, double em) {
  return em == 0.0 ? 0.0 : es / em;
}

bool WorkingStressMethod(const std::string& designMethod) {
  return designMethod == "ACI" || designMethod == "IBC-W";
}

}  // namespace

MasonryStrengthResult MasonryStrength(const std::string& designMethod, const std::string& material,
                                      const std::string& mortarType, float unitStrength) {
  if (unitStrength == 0.0f) return {0.0001f, 0.0001f};
  double fm = FmPrimeFromColumn(StrengthColumnFor(designMethod, material, mortarType),
                                static_cast<double>(unitStrength));
  float fmPrime = static_cast<float>(fm);
  // Em = 900 f'm (concrete) or 700 f'm (clay, brick) psi, kept in ksi.
  double modulusFactor = material == "CMU" ? 0.9 : 0.7;
  float em = static_cast<float>(modulusFactor * static_cast<double>(fmPrime));
  return {fmPrime, em};
}

std::vector<float> TabulatedUnitStrengths(const std::string& designMethod,
                                          const std::string& material,
                                          const std::string& mortarType) {
  const StrengthColumn& column = StrengthColumnFor(designMethod, material, mortarType);
  std::vector<float> strengths;
  for (std::size_t i = 0; i < column.count; ++i) {
    strengths.push_back(static_cast<float>(column.rows[i].unitStrength));
  }
  return strengths;
}

float AllowableFlexure(const std::string& designMethod, float fmPrime) {
  if (!WorkingStressMethod(designMethod)) return 0.0f;
  return static_cast<float>(static_cast<double>(fmPrime) / 3.0);
}

float AllowableShear(float fmPrime) {
  if (!(fmPrime > 0.0f)) return 0.0f;
  double fv = std::sqrt(static_cast<double>(fmPrime));
  return static_cast<float>(fv < 50.0 ? fv : 50.0);
}

AllowableTensionResult AllowableTension(const std::string& designMethod,
                                        const std::string& material, const std::string& mortarType,
                                        const std::string& mortarMaterial) {
  if (!WorkingStressMethod(designMethod)) return {0.0f, 0.0f};
  bool typeN = mortarType == "N";
  bool typeMS = mortarType == "M" || mortarType == "S";
  bool portlandLime = mortarMaterial == "PCL";
  bool masonryCement = mortarMaterial == "Masonry";
  if (!(typeN || typeMS) || !(portlandLime || masonryCement)) return {0.0f, 0.0f};
  if (material == "Brick") {
    // Solid units: the same value whether or not grouted.
    if (portlandLime)
      return typeN ? AllowableTensionResult{30, 30} : AllowableTensionResult{40, 40};
    return typeN ? AllowableTensionResult{15, 15} : AllowableTensionResult{24, 24};
  }
  if (material == "CMU" || material == "Clay") {
    // Hollow units: ungrouted and fully grouted values.
    if (portlandLime)
      return typeN ? AllowableTensionResult{19, 58} : AllowableTensionResult{25, 68};
    return typeN ? AllowableTensionResult{9, 29} : AllowableTensionResult{15, 41};
  }
  return {0.0f, 0.0f};
}

float FaceShell(float nominalThickness, const std::string& material, float maxShellThickness) {
  if (material == "Brick") return 3.625f;
  double t = static_cast<double>(nominalThickness);
  double shell;
  if (t <= 4.0) {
    shell = 0.75;
  } else if (t <= 6.0) {
    shell = 1.0;
  } else if (t <= 8.0) {
    shell = 1.25;
  } else if (t <= 10.0) {
    shell = 1.375;
  } else if (t <= 12.0) {
    shell = 1.5;
  } else {
    shell = (t / 8.0 + 1.5) / 2.0;
  }
  float result = static_cast<float>(shell);
  return result < maxShellThickness ? result : maxShellThickness;
}

float NominalMinusActual(const std::string& material) {
  if (material == "CMU") return 0.375f;
  if (material == "Clay") return 0.5f;
  return 0.0f;
}

float ModularRatio(float es, float em) {
  return static_cast<float>(RatioOrZero(static_cast<double>(es), static_cast<double>(em)));
}

float TensionForSpacing(int16_t n, int16_t m, bool solidGrouted, float ftNoGrout,
                        float ftSolidGrout) {
  if (solidGrouted) return ftSolidGrout;
  if (n == m) return ftNoGrout;
  if (n == 0) return 0.0f;
  return ftNoGrout + (ftSolidGrout - ftNoGrout) / static_cast<float>(n);
}

void UpDateMasonry(Session& session) {
  const EntryForm& entry = session.problem.entry;
  if (entry.UserMasonryData) return;
  const UnitSystem& units = session.problem.units;
  double stressFactor = static_cast<double>(units.Factor(kMasonryStress));
  double modulusFactor = static_cast<double>(units.Factor(kModulus));
  double lengthFactor = static_cast<double>(units.Factor(kLengthShort));

  // 1-2. Unit strength in psi, f'm and Em.
  float unitStrength = static_cast<float>(FieldNumber(session, kUnitStrengthField) / stressFactor);
  MasonryStrengthResult strength =
      MasonryStrength(entry.DesignMethod, entry.MasonryMaterial, entry.MortarType, unitStrength);
  SetFieldValue(session, kFmPrimeField, static_cast<double>(strength.FmPrime) * stressFactor);
  SetFieldValue(session, kEmField, static_cast<double>(strength.Em) * modulusFactor);

  // 3-5. Allowable stresses.
  float fb = AllowableFlexure(entry.DesignMethod, strength.FmPrime);
  SetFieldValue(session, kFbField, static_cast<double>(fb) * stressFactor);
  float fv = AllowableShear(strength.FmPrime);
  SetFieldValue(session, kFvField, static_cast<double>(fv) * stressFactor);
  AllowableTensionResult ft = AllowableTension(entry.DesignMethod, entry.MasonryMaterial,
                                               entry.MortarType, entry.MortarMaterial);
  SetFieldValue(session, kFtNoGroutField, static_cast<double>(ft.FtNoGrout) * stressFactor);
  SetFieldValue(session, kFtSolidGroutField, static_cast<double>(ft.FtSolidGrout) * stressFactor);

  // 6. n from Es and Em as displayed: both carry the modulus factor.
  SetFieldValue(session, kModularRatioField,
                RatioOrZero(FieldNumber(session, kEsField), FieldNumber(session, kEmField)));

  // 7. Face shell from the nominal thickness in whole inches (ties to even).
  double nominalInches = std::nearbyint(FieldNumber(session, kWallThicknessField) / lengthFactor);
  float shell = FaceShell(static_cast<float>(nominalInches), entry.MasonryMaterial,
                          session.problem.MaxShellThickness);
  SetFieldValue(session, kFaceShellField, static_cast<double>(shell) * lengthFactor);

  // 8. Nominal minus actual thickness.
  SetFieldValue(session, kNominalMinusActualField,
                static_cast<double>(NominalMinusActual(entry.MasonryMaterial)) * lengthFactor);

  // 9. Metric systems show whole millimetres for these two thicknesses.
  if (units.UnitsType != 1) {
    SetFieldValue(session, kFaceShellField, std::nearbyint(FieldNumber(session, kFaceShellField)));
    SetFieldValue(session, kNominalMinusActualField,
                  std::nearbyint(FieldNumber(session, kNominalMinusActualField)));
  }
}

std::string DefaultMasonryDataWarningText() {
  return std::string("Warning, the program is currently set to automatically calculate") + "\r" +
         "the DEFAULT MASONRY DATA.  If you wish to edit this data," + "\r" + "then choose " + '"' +
         "Masonry Data..." + '"' + " from the Options Menu.";
}

namespace {

double MidThickness(const Session& session) {
  return (FieldNumber(session, kWallThicknessField) -
          FieldNumber(session, kNominalMinusActualField)) /
         2.0;
}

// A new wall thickness puts the steel at the middle of the actual thickness.
// With two layers the depth is the cover of each layer and may not exceed
// half the actual thickness: it is taken from the thickness allowance that
// the masonry data has just recalculated (shown in whole millimetres in the
// metric systems) and rounded down to the digits the field shows (7.625 / 2
// = 3.8125 is shown as 3.812; 3.813 would be refused).
void SteelDepthForNewThickness(Session& session) {
  if (!session.problem.entry.TwoLayersSelected()) {
    SetFieldValue(session, kWallSteelDepthField, MidThickness(session));
    UpDateMasonry(session);
    return;
  }
  UpDateMasonry(session);
  const double scale = std::pow(10.0, session.display.Decimals.at(kWallSteelDepthField));
  SetFieldValue(session, kWallSteelDepthField,
                std::floor(MidThickness(session) * scale + 1e-9) / scale);
}

}  // namespace

void AfterFieldEdited(Session& session, int field) {
  switch (field) {
    case kWallThicknessField:
      SteelDepthForNewThickness(session);
      return;
    case kParapetThicknessField:
      SetFieldValue(session, kParapetSteelDepthField,
                    (FieldNumber(session, kParapetThicknessField) -
                     FieldNumber(session, kNominalMinusActualField)) /
                        2.0);
      return;
    case kUnitStrengthField:
    case kEsField:
      UpDateMasonry(session);
      return;
    case kFmPrimeField:
    case kFbField:
    case kFvField:
    case kFtNoGroutField:
    case kFtSolidGroutField:
    case kEmField:
    case kModularRatioField:
    case kFaceShellField:
      if (session.problem.entry.UserMasonryData) return;
      session.platform.ShowInformation(DefaultMasonryDataWarningText(), kDefaultMasonryDataTitle);
      UpDateMasonry(session);
      return;
    default:
      return;
  }
}

}  // namespace calvix
