#include "model/entry_fields.h"

#include <array>

#include "model/errors.h"
#include "model/number_format.h"

namespace calvix {
namespace {

// How the error report names each entry field.
constexpr std::array<const char*, kEntryFieldCount> kFieldNames{
    "Wall Height",
    "Nominal Wall Thickness",
    "Depth to c.g. Steel, Wall",
    "Parapet Height",
    "Nominal Parapet Thickness",
    "Depth to c.g. Steel, Parapet",
    "Design Strip Width",
    "Wall Weight",
    "Floor / Roof Load, Dead",
    "Floor / Roof Load, Live",
    "Floor / Roof Load, Eccentricity",
    "Additional Vertical Load, Dead",
    "Additional Vertical Load, Live",
    "Additional Vertical Load, Eccentricity",
    "Vertical Distance (y)",
    "Equivalent Fluid Pressure, EFP",
    "Vertical Distance (x)",
    "Short Period Spectral Accel.",
    "Masonry Veneer Weight",
    "Masonry Unit Strength",
    "Compressive Strength, f'm",
    "Allowable Flexural Stress, Fb",
    "Allowable Shear Stress, Fv",
    "Allowable Tension, No Grout, Ft",
    "Allowable Tension, Solid Grout, Ft",
    "Modulus of Elasticity, Em",
    "Modular Ratio, n",
    "Grouted Cell + Web Width",
    "Nominal Length of Masonry Unit",
    "Block Face Shell Thickness",
    "Nominal - Actual Thickness",
    "Steel Yield Strength, Fy",
    "Allowable Steel Stress, Fs",
    "Steel Modulus of Elasticity, Es",
    "Minimum Steel Ratio, As / bt",
    "Parapet / Roof Height Ratio",
};

}  // namespace

std::string EntryFieldName(int field) {
  if (field < 0 || field >= kEntryFieldCount) return "field " + std::to_string(field);
  return kFieldNames[static_cast<size_t>(field)];
}

double FieldNumber(const Session& session, int field) {
  const std::string& text = session.problem.entry.Fields.at(static_cast<size_t>(field));
  if (text.find_first_not_of(" \t") == std::string::npos) return 0.0;
  auto value = ParseNumber(text);
  if (!value) {
    throw CalvixError(kErrorTypeMismatch, "Type mismatch in field " + std::to_string(field) + " (" +
                                              EntryFieldName(field) + ": \"" + text + "\")");
  }
  return *value;
}

std::string FieldText(const Session& session, int field, double displayValue) {
  return FormatFieldText(displayValue, session.display.Decimals.at(static_cast<size_t>(field)));
}

void SetFieldValue(Session& session, int field, double displayValue) {
  session.problem.entry.Fields.at(static_cast<size_t>(field)) =
      FieldText(session, field, displayValue);
}

}  // namespace calvix
