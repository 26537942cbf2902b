#include "sweep/sweep_space.h"

#include <cmath>

#include "model/entry_editing.h"
#include "model/entry_fields.h"
#include "model/material_data.h"

namespace calvix {
namespace {

// A scratch session on a copy of the base problem.
struct ScratchSession {
  explicit ScratchSession(const SweepBase& base) : session(platform, base.folder) {
    session.problem = base.problem;
    session.display = base.display;
  }
  SilentPlatform platform;
  Session session;
};

// Types a value into an entry field and leaves it, as the engineer does;
// false when the field refuses it (out of its range).
bool EnterField(Session& session, int field, double displayValue) {
  const double atFocus = ValueAtFocus(session, field);
  EditFieldText(session, field, FieldText(session, field, displayValue));
  return LeaveChangedField(session, field, atFocus).accepted;
}

// The values (working units) of `field` that the entry form accepts.
std::vector<float> Accepted(const SweepBase& base, int field, int quantity,
                            const std::vector<float>& values) {
  std::vector<float> accepted;
  for (float value : values) {
    ScratchSession scratch(base);
    const double display = static_cast<double>(value) * base.problem.units.Factor(quantity);
    if (EnterField(scratch.session, field, display)) accepted.push_back(value);
  }
  return accepted;
}

std::vector<int> GroutOptions(const SweepBase& base, bool free) {
  if (!free) return {base.problem.entry.GroutSpacingOption};
  std::vector<int> options;
  for (int option : {0, 1}) {
    ScratchSession scratch(base);
    if (ChooseGroutSpacing(scratch.session, option)) options.push_back(option);
  }
  return options;
}

}  // namespace

SweepPoint EnteredPoint(const SweepBase& base) {
  ScratchSession scratch(base);
  const UnitSystem& units = base.problem.units;
  SweepPoint point;
  point.nominalThickness = static_cast<float>(FieldNumber(scratch.session, kWallThicknessField) /
                                              units.Factor(kLengthShort));
  point.unitStrength = static_cast<float>(FieldNumber(scratch.session, kUnitStrengthField) /
                                          units.Factor(kMasonryStress));
  point.groutOption = base.problem.entry.GroutSpacingOption;
  point.layersOption = base.problem.entry.ReinfLayersOption;
  return point;
}

std::vector<SweepPoint> SweepPoints(const SweepBase& base, const SweepFreedom& freedom,
                                    const CostModel& costs) {
  const EntryForm& entry = base.problem.entry;
  const SweepPoint entered = EnteredPoint(base);
  const std::vector<float> thicknesses =
      freedom.thickness
          ? Accepted(base, kWallThicknessField, kLengthShort,
                     costs.Thicknesses(entry.MasonryMaterial, base.problem.units.UnitsType != 1))
          : std::vector<float>{entered.nominalThickness};
  const std::vector<int> grouts = GroutOptions(base, freedom.grout);
  const std::vector<int> layers =
      freedom.layers ? std::vector<int>{0, 1} : std::vector<int>{entered.layersOption};
  const std::vector<float> strengths =
      freedom.strength ? Accepted(base, kUnitStrengthField, kMasonryStress,
                                  TabulatedUnitStrengths(entry.DesignMethod, entry.MasonryMaterial,
                                                         entry.MortarType))
                       : std::vector<float>{entered.unitStrength};

  std::vector<SweepPoint> points;
  for (float thickness : thicknesses) {
    for (int grout : grouts) {
      for (int layer : layers) {
        for (float strength : strengths) points.push_back({thickness, strength, grout, layer});
      }
    }
  }
  return points;
}

void ApplySweepPoint(Session& session, const SweepPoint& point, const SweepFreedom& freedom) {
  const UnitSystem& units = session.problem.units;
  // The layers first: the depth that a new thickness sets depends on them.
  if (freedom.layers) ChooseReinforcementLayers(session, point.layersOption);
  if (freedom.thickness) {
    EnterField(session, kWallThicknessField,
               static_cast<double>(point.nominalThickness) * units.Factor(kLengthShort));
  }
  if (freedom.strength) {
    EnterField(session, kUnitStrengthField,
               static_cast<double>(point.unitStrength) * units.Factor(kMasonryStress));
  }
  if (freedom.grout) ChooseGroutSpacing(session, point.groutOption);
  MarkInputChanged(session.problem);
}

}  // namespace calvix
