#include "model/field_display.h"

#include <array>

#include "model/entry_fields.h"
#include "model/material_data.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr int kNoUnit = -1;

constexpr std::array<int, kEntryFieldCount> kFieldQuantity{
    kLengthLong,    kLengthShort,   kLengthShort,   kLengthLong,    kLengthShort,    // 0-4
    kLengthShort,   kLengthShort,   kSurfaceLoad,   kLineLoad,      kLineLoad,       // 5-9
    kLengthShort,   kLineLoad,      kLineLoad,      kLengthShort,   kLengthLong,     // 10-14
    kFluidDensity,  kLengthLong,    kNoUnit,        kSurfaceLoad,   kMasonryStress,  // 15-19
    kMasonryStress, kMasonryStress, kMasonryStress, kMasonryStress, kMasonryStress,  // 20-24
    kModulus,       kNoUnit,        kLengthShort,   kLengthShort,   kLengthShort,    // 25-29
    kLengthShort,   kSteelStress,   kSteelStress,   kModulus,       kNoUnit,         // 30-34
    kNoUnit,                                                                         // 35
};

struct FieldLimits {
  double min;
  double max;
};
// Permitted range of every field in working units.
constexpr std::array<FieldLimits, kEntryFieldCount> kFieldLimits{{
    {0, 99},    {0, 99},      {0, 99},     {0, 99},        {0, 99},   {0, 99},
    {1, 99},    {0, 9999},    {0, 99999},  {0, 99999},     {-99, 99}, {0, 99999},
    {0, 99999}, {-99, 99},    {0, 99},     {0, 999},       {0, 99},   {0, 5000},
    {0, 9999},  {500, 99999}, {500, 9999}, {100, 9999},    {1, 999},  {0, 999},
    {0, 999},   {100, 9999},  {1, 99},     {1, 99},        {1, 99},   {0.5, 99},
    {0, 1},     {20, 99},     {10, 99},    {10000, 99999}, {0, 1},    {0, 10000},
}};

struct FieldLabel {
  const char* label;
  const char* subLabel;
};
constexpr std::array<FieldLabel, kEntryFieldCount - 1> kFieldLabels{{
    {"Wall Height", ""},
    {"Nominal Wall Thickness", ""},
    {"Depth to c.g. Steel,  Wall", ""},
    {"Parapet Height", ""},
    {"Nominal Parapet Thickness", ""},
    {"Depth to c.g. Steel,  Parapet", ""},
    {"Design Strip Width", ""},
    {"Wall Weight", ""},
    {"Floor / Roof Load,", "Dead "},
    {"", "Live "},
    {"", "Eccentricity "},
    {"Additional Vertical Load,", "Dead "},
    {"", "Live "},
    {"", "Eccentricity "},
    {"", "Vertical Distance,  (y)"},
    {"Equivalent Fluid Pressure, EFP", ""},
    {"", "Vertical Distance,  (x)"},
    {"Short Period Spectral Accel.", ""},
    {"Masonry Veneer Weight", ""},
    {"Masonry Unit Strength", ""},
    {"Compressive Strength,", "f'm "},
    {"Allowable Flexural Stress,", "Fb "},
    {"Allowable Shear Stress,", "Fv "},
    {"Allowable Tension,", "No Grout,  Ft "},
    {"", "Solid Grout,  Ft "},
    {"Modulus of Elasticity,", "Em "},
    {"Modular Ratio,", "n "},
    {"Grouted Cell + Web Width", ""},
    {"Nominal Length of Masonry Unit", ""},
    {"Block Face Shell Thickness", ""},
    {"Nominal - Actual Thickness", ""},
    {"Steel Yield Strength,", "Fy "},
    {"Allowable Steel Stress,", "Fs "},
    {"Steel Modulus of Elasticity,", "Es "},
    {"Minimum Steel Ratio,", "As / bt "},
}};

constexpr const char* kZOverHLabel = "Parapet / Roof Height Ratio            =";

bool ShowsThreeDecimalsInUsUnits(int field) {
  return field == kWallSteelDepthField || field == kParapetSteelDepthField ||
         field == kNominalMinusActualField;
}

}  // namespace

int FieldQuantity(int field) {
  return kFieldQuantity.at(static_cast<size_t>(field));
}

int PatternDecimals(const std::string& pattern) {
  auto point = pattern.find('.');
  if (point == std::string::npos) return 0;
  return static_cast<int>(pattern.size() - point - 1);
}

void LoadDecimalFormats(Session& session) {
  const UnitSystem& units = session.problem.units;
  auto& decimals = session.display.Decimals;
  for (int field = 0; field <= kEsField; ++field) {
    int d = 0;
    if (units.UnitsType == 1 && ShowsThreeDecimalsInUsUnits(field)) {
      d = 3;
    } else if (field == kSsField) {
      d = 1;
    } else if (field == kModularRatioField) {
      d = 2;
    } else {
      d = PatternDecimals(units.Pattern(FieldQuantity(field)));
    }
    decimals[static_cast<size_t>(field)] = d;
  }
  decimals[kMinSteelRatioField] = 5;
  decimals[kZOverHField] = 2;
}

void LoadFieldLabels(Session& session) {
  const UnitSystem& units = session.problem.units;
  auto& labels = session.display.Labels;
  for (int field = 0; field <= kMinSteelRatioField; ++field) {
    auto& row = labels[static_cast<size_t>(field)];
    row[0] = kFieldLabels[static_cast<size_t>(field)].label;
    row[2] = kFieldLabels[static_cast<size_t>(field)].subLabel;
    int quantity = FieldQuantity(field);
    row[1] = field == kSsField ? kSsUnitLabel : quantity == kNoUnit ? "" : units.Label(quantity);
  }
  labels[kZOverHField] = {kZOverHLabel, "", ""};
}

double DefinedFieldMinimum(int field) {
  return kFieldLimits.at(static_cast<size_t>(field)).min;
}
double DefinedFieldMaximum(int field) {
  return kFieldLimits.at(static_cast<size_t>(field)).max;
}

void LoadMaxMinValues(Session& session) {
  const UnitSystem& units = session.problem.units;
  for (int field = 0; field < kEntryFieldCount; ++field) {
    int quantity = FieldQuantity(field);
    bool scaled = field <= kEsField && quantity != kNoUnit;
    double scale = scaled ? static_cast<double>(units.Factor(quantity)) : 1.0;
    session.display.DisplayMin[static_cast<size_t>(field)] = scale * DefinedFieldMinimum(field);
    session.display.DisplayMax[static_cast<size_t>(field)] = scale * DefinedFieldMaximum(field);
  }
}

std::string OutOfRangeText(double value, double displayMin, double displayMax) {
  return "Sorry, " + FormatNumber(value, "#,##0.00") + " is out of range.\r" +
         " Acceptable values are between " + FormatNumber(displayMin, "#,##0.00") + " and " +
         FormatNumber(displayMax, "#,##0.00");
}

std::string NotANumberText(const std::string& named, bool allowsMinus, const std::string& text) {
  return "Sorry, \"" + text + "\" is not a number for " + named + ".\r" +
         " Type digits with at most one decimal point" +
         (allowsMinus ? " and a leading minus" : "") +
         ", without grouping commas or exponent, e.g. 12.5.";
}

std::string NotANumberText(const Session& session, int field, const std::string& text) {
  std::string unit = session.display.Labels.at(static_cast<size_t>(field))[1];
  unit.erase(unit.find_last_not_of(' ') + 1);
  std::string named = EntryFieldName(field) + (unit.empty() ? "" : " (" + unit + ")");
  return NotANumberText(named, session.display.DisplayMin.at(static_cast<size_t>(field)) < 0, text);
}

std::string FieldToolTip(const Session& session, int field) {
  std::string quantity;
  switch (FieldQuantity(field)) {
    case kLengthShort:
    case kLengthLong:
      quantity = "length";
      break;
    case kFluidDensity:
      quantity = "equivalent fluid density";
      break;
    case kSurfaceLoad:
      quantity = "weight per unit wall area";
      break;
    case kLineLoad:
      quantity = "line load along the wall";
      break;
    case kMasonryStress:
    case kSteelStress:
      quantity = "stress";
      break;
    case kModulus:
      quantity = "modulus of elasticity";
      break;
    default:
      quantity = field == kSsField ? "spectral acceleration" : "ratio, no unit";
      break;
  }
  std::string unit = session.display.Labels.at(static_cast<size_t>(field))[1];
  unit.erase(unit.find_last_not_of(' ') + 1);
  if (!unit.empty()) quantity += " in " + unit;
  const auto limit = [&](const auto& values) {
    return FormatNumber(values.at(static_cast<size_t>(field)), "#,##0.00");
  };
  return EntryFieldName(field) + ": " + quantity + ", from " + limit(session.display.DisplayMin) +
         " to " + limit(session.display.DisplayMax);
}

bool CheckFieldRange(Session& session, int field, double typedValue, double valueAtFocus) {
  double low = session.display.DisplayMin.at(static_cast<size_t>(field));
  double high = session.display.DisplayMax.at(static_cast<size_t>(field));
  if (typedValue >= low && typedValue <= high) return true;
  session.platform.Beep();
  session.platform.ShowInformation(OutOfRangeText(typedValue, low, high), "Out of Range");
  SetFieldValue(session, field, valueAtFocus);
  UpDateMasonry(session);
  return false;
}

}  // namespace calvix
