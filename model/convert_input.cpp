#include "model/convert_input.h"

#include <cmath>

#include "model/entry_fields.h"
#include "model/errors.h"
#include "model/field_display.h"
#include "model/number_format.h"
#include "model/seismic_site.h"

namespace calvix {
namespace {

// The working form holds single-precision values. A number beyond their
// range (a text such as "1E+39" in a project file) stops the conversion with
// an overflow error instead of carrying an infinity into the analysis.
// `where` names the field; it is asked for only when the value overflows.
template <typename Where>
float ToSingle(double value, const Where& where) {
  const float single = static_cast<float>(value);
  if (!std::isfinite(single)) throw CalvixError(kErrorOverflow, "Overflow in " + where());
  return single;
}

// A field in working units: its number divided by the factor of its quantity.
float WorkingValue(const Session& session, int field) {
  double value = FieldNumber(session, field);
  int quantity = FieldQuantity(field);
  if (quantity >= 0) value /= static_cast<double>(session.problem.units.Factor(quantity));
  return ToSingle(value, [&] {
    return "field " + std::to_string(field) + " (" + EntryFieldName(field) + ": \"" +
           session.problem.entry.Fields[static_cast<size_t>(field)] + "\")";
  });
}

std::string WindCellName(const std::string& text, int row, int column) {
  static constexpr const char* kColumns[] = {"Type", "Magnitude", "Start", "End"};
  return "the wind table, row " + std::to_string(row + 1) + " " + kColumns[column] + " (\"" + text +
         "\")";
}

double WindCellNumber(const std::string& text, int row, int column) {
  if (text.find_first_not_of(" \t") == std::string::npos) return 0.0;
  auto value = ParseNumber(text);
  if (!value) {
    throw CalvixError(kErrorTypeMismatch, "Type mismatch in " + WindCellName(text, row, column));
  }
  return *value;
}

void ConvertWindTable(const Session& session, WorkingForm& work) {
  const auto& wind = session.problem.entry.Wind;
  const UnitSystem& units = session.problem.units;
  int rows = 0;
  for (int r = 0; r < kWindRowCount; ++r) {
    if (!wind[static_cast<size_t>(r)][kWindType].empty()) rows = r + 1;
  }
  work.WindType.assign(static_cast<size_t>(rows), std::string());
  work.WindMagnitude.assign(static_cast<size_t>(rows), 0.0f);
  work.WindStart.assign(static_cast<size_t>(rows), 0.0f);
  work.WindEnd.assign(static_cast<size_t>(rows), 0.0f);
  double heightFactor = units.Factor(kLengthLong);
  for (int r = 0; r < rows; ++r) {
    const auto& cells = wind[static_cast<size_t>(r)];
    auto i = static_cast<size_t>(r);
    work.WindType[i] = cells[kWindType];
    const std::string& magnitude = cells[kWindMagnitude];
    // "W" rows are pressures over a height range; every other row is a line load.
    if (cells[kWindType] == "W") {
      work.WindMagnitude[i] =
          ToSingle(WindCellNumber(magnitude, r, kWindMagnitude) / units.Factor(kWindPressure),
                   [&] { return WindCellName(magnitude, r, kWindMagnitude); });
    } else if (!magnitude.empty()) {
      work.WindMagnitude[i] =
          ToSingle(WindCellNumber(magnitude, r, kWindMagnitude) / units.Factor(kLineLoad),
                   [&] { return WindCellName(magnitude, r, kWindMagnitude); });
    }
    work.WindStart[i] = ToSingle(WindCellNumber(cells[kWindStart], r, kWindStart) / heightFactor,
                                 [&] { return WindCellName(cells[kWindStart], r, kWindStart); });
    work.WindEnd[i] = ToSingle(WindCellNumber(cells[kWindEnd], r, kWindEnd) / heightFactor,
                               [&] { return WindCellName(cells[kWindEnd], r, kWindEnd); });
  }
}

// IBC 2000 1616.3: the category follows from |SDS| with Ss taken in g. Ss is
// divided by 100 and multiplied back in single precision, as it always was.
void DeriveSeismicCategory(const EntryForm& entry, WorkingForm& work) {
  SeismicSiteBasis basis =
      SeismicBasisOf(work.Ss, work.SiteClass, entry.UserFa, work.UseGroup, work.S1Class);
  work.Ss = static_cast<float>(static_cast<double>(basis.ssInG) * 100.0);
  if (!basis.category.empty()) work.SeismicCategory = basis.category;
}

}  // namespace

void ConvertInput(Session& session) {
  const EntryForm& entry = session.problem.entry;
  WorkingForm work = session.problem.working;

  work.WallHeight = WorkingValue(session, kWallHeightField);
  work.WallThickness = WorkingValue(session, kWallThicknessField);
  work.WallSteelDepth = WorkingValue(session, kWallSteelDepthField);
  work.ParapetHeight = WorkingValue(session, kParapetHeightField);
  work.ParapetThickness = WorkingValue(session, kParapetThicknessField);
  work.ParapetSteelDepth = WorkingValue(session, kParapetSteelDepthField);
  work.StripWidth = WorkingValue(session, kStripWidthField);
  work.MinSteelRatio = WorkingValue(session, kMinSteelRatioField);

  work.SolidGrouted = entry.SolidGroutedSelected();
  work.TwoLayers = entry.TwoLayersSelected();

  // Strength design places the additional vertical load at the top of the wall.
  std::string addYText = entry.Fields[kAddYField];
  if (entry.DesignMethod == "IBC-S") {
    addYText = FieldText(session, kAddYField,
                         static_cast<double>(work.WallHeight) *
                             static_cast<double>(session.problem.units.Factor(kLengthLong)));
  }

  work.WallWeight = WorkingValue(session, kWallWeightField);
  work.FloorDead = WorkingValue(session, kFloorDeadField);
  work.FloorLive = WorkingValue(session, kFloorLiveField);
  work.FloorEccentricity = WorkingValue(session, kFloorEccentricityField);
  work.AddDead = WorkingValue(session, kAddDeadField);
  work.AddLive = WorkingValue(session, kAddLiveField);
  work.AddEccentricity = WorkingValue(session, kAddEccentricityField);
  work.AddY = entry.DesignMethod == "IBC-S" ? work.WallHeight : WorkingValue(session, kAddYField);
  work.EFP = WorkingValue(session, kEfpField);
  work.EFPX = WorkingValue(session, kEfpXField);

  work.SiteClass = entry.SiteClass;
  work.Ss = WorkingValue(session, kSsField);
  work.UseGroup = entry.UseGroup;
  work.S1Class = entry.S1Class;
  work.VeneerWeight = WorkingValue(session, kVeneerWeightField);
  work.Ip = entry.ParapetIpText == "1.0" ? 1.0f : 1.5f;
  work.ZOverH = WorkingValue(session, kZOverHField);

  DeriveSeismicCategory(entry, work);
  ConvertWindTable(session, work);

  work.Fy = WorkingValue(session, kFyField);
  work.Fs = WorkingValue(session, kFsField);
  work.Es = WorkingValue(session, kEsField);
  work.UnitStrength = WorkingValue(session, kUnitStrengthField);
  work.FmPrime = WorkingValue(session, kFmPrimeField);
  work.Fb = WorkingValue(session, kFbField);
  work.Fv = WorkingValue(session, kFvField);
  work.Em = WorkingValue(session, kEmField);
  work.ModularRatio = WorkingValue(session, kModularRatioField);
  work.FtNoGrout = WorkingValue(session, kFtNoGroutField);
  work.FtSolidGrout = WorkingValue(session, kFtSolidGroutField);
  work.GroutedCellWidth = WorkingValue(session, kGroutedCellWidthField);
  work.UnitLength = WorkingValue(session, kUnitLengthField);
  // Bars step by half a unit in hollow masonry, by 2 in in two-wythe brick.
  work.SpacingModule = entry.MasonryMaterial == "Brick" ? 2.0f : work.UnitLength / 2.0f;
  work.FaceShellThickness = WorkingValue(session, kFaceShellField);
  work.NominalMinusActual = WorkingValue(session, kNominalMinusActualField);

  session.problem.working = std::move(work);
  session.problem.entry.Fields[kAddYField] = addYText;
}

}  // namespace calvix
