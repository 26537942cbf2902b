#include "files/unit_change.h"

#include <array>
#include <cmath>
#include <optional>

#include "files/project_file.h"
#include "model/entry_fields.h"
#include "model/field_display.h"
#include "model/field_states.h"
#include "model/material_data.h"
#include "model/number_format.h"

namespace calvix {
namespace {

constexpr std::array<int, 3> kNominalFields{kWallThicknessField, kParapetThicknessField,
                                            kUnitLengthField};

// A text read as a number; nothing for an empty text or one that is not a
// number (those are carried over unchanged).
std::optional<double> NumberIn(const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
  return ParseNumber(text);
}

// The quantity of a wind cell: pressure for "W" rows, line load for the
// others, heights for Start and End.
int WindQuantity(const std::string& type, int column) {
  if (column != kWindMagnitude) return kLengthLong;
  return type == "W" ? kWindPressure : kLineLoad;
}

std::string UnitLabel(const UnitSystem& units, int quantity) {
  std::string label = units.Label(quantity);
  label.erase(label.find_last_not_of(' ') + 1);
  return label;
}

void ConvertFields(Session& session, const UnitSystem& from) {
  auto& fields = session.problem.entry.Fields;
  const UnitSystem& to = session.problem.units;
  for (int field = 0; field < kEntryFieldCount; ++field) {
    int quantity = FieldQuantity(field);
    auto& text = fields[static_cast<size_t>(field)];
    auto value = NumberIn(text);
    if (quantity < 0 || !value) continue;
    double working = *value / static_cast<double>(from.Factor(quantity));
    text = FieldText(session, field, working * static_cast<double>(to.Factor(quantity)));
  }
}

void ConvertWind(EntryForm& entry, const UnitSystem& from, const UnitSystem& to) {
  for (auto& row : entry.Wind) {
    for (int column = kWindMagnitude; column <= kWindEnd; ++column) {
      auto& text = row[static_cast<size_t>(column)];
      auto value = NumberIn(text);
      if (!value) continue;
      int quantity = WindQuantity(row[kWindType], column);
      double working = *value / static_cast<double>(from.Factor(quantity));
      text = FormatNumber(working * static_cast<double>(to.Factor(quantity)), "#,##0.00");
    }
  }
}

std::vector<RoundedSize> RoundNominalSizes(Session& session) {
  std::vector<RoundedSize> rounded;
  std::string unit = UnitLabel(session.problem.units, kLengthShort);
  for (int field : kNominalFields) {
    auto& text = session.problem.entry.Fields[static_cast<size_t>(field)];
    auto value = NumberIn(text);
    if (!value || *value == 0.0) continue;
    std::string nominal =
        FieldText(session, field, NearestNominalSize(*value, session.problem.units.UnitsType));
    if (nominal == text) continue;
    rounded.push_back({field, text + " " + unit, nominal + " " + unit});
    text = nominal;
  }
  return rounded;
}

}  // namespace

double NearestNominalSize(double displayValue, int16_t unitsType) {
  double module = unitsType == 1 ? 1.0 : 25.0;
  return std::nearbyint(displayValue / module) * module;
}

std::vector<RoundedSize> ConvertUnitSystem(Session& session, int16_t unitsType) {
  Problem& problem = session.problem;
  if (unitsType == problem.units.UnitsType) return {};
  const UnitSystem from = problem.units;
  SwitchUnitSystem(session, unitsType);
  ConvertFields(session, from);
  ConvertWind(problem.entry, from, problem.units);
  std::vector<RoundedSize> rounded = RoundNominalSizes(session);
  if (!problem.entry.UserMasonryData) UpDateMasonry(session);
  UpdateFields(session);
  problem.DataChanged = true;
  problem.Designed = false;
  return rounded;
}

std::string RoundedSizesText(const std::vector<RoundedSize>& rounded) {
  if (rounded.empty()) return "";
  std::string text = "Nominal sizes rounded to the standard sizes of the new unit system:\r";
  for (const RoundedSize& size : rounded) {
    text += "\r" + EntryFieldName(size.field) + ":  " + size.converted + " -> " + size.rounded;
  }
  return text;
}

}  // namespace calvix
