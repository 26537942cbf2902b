#include "analysis/validation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "model/number_format.h"

namespace calvix {
namespace {

constexpr const char* kWarningTitle = "Warning Message";
constexpr const char* kErrorTitle = "Error Message";

// Repeated message texts.
constexpr const char* kMaterialIncomplete =
    "Error:  Material Data is incomplete.\rPlease enter all data and solve again.";
constexpr const char* kParapetMissing =
    "Parapet Thickness and rebar location must be greater than zero.\r"
    "Please enter all data and solve again.";

// Factor positions (0-based into LoadFactors) of load combinations 1 to 5:
// 1 D+L, 2 D+L+W, 3 D+L+E, 4 D+W, 5 D+E.
constexpr std::array<std::array<int, 3>, kLoadCombinationCount> kCombinationFactors{{
    {0, 1, -1},
    {2, 3, 4},
    {5, 6, 7},
    {8, 9, -1},
    {10, 11, -1},
}};

// The state of one validation run: every failed check replaces the text of
// its kind.
class Run {
 public:
  void Error(std::string text) {
    ok_ = false;
    error_ = std::move(text);
  }
  void Warning(std::string text) { warning_ = std::move(text); }
  // The nominal-thickness warning also stops the solve.
  void StoppingWarning(std::string text) {
    ok_ = false;
    warning_ = std::move(text);
  }
  bool ok() const { return ok_; }

  ValidationOutcome Outcome() && { return {ok_, std::move(warning_), std::move(error_)}; }

 private:
  bool ok_ = true;
  std::optional<std::string> warning_;
  std::optional<std::string> error_;
};

bool IsOneOf(float value, std::initializer_list<float> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool IsCategoryDToF(std::string_view category) {
  return category == "Category D" || category == "Category E" || category == "Category F";
}

// The number of usable wind rows (all four working arrays hold them).
std::size_t WindRows(const WorkingForm& w) {
  return std::min(
      {w.WindType.size(), w.WindMagnitude.size(), w.WindStart.size(), w.WindEnd.size()});
}

// Check 1 for one part: hollow-core units come in a few nominal thicknesses.
// In a metric system the thickness, converted back to millimetres in single
// precision, must be one of the metric nominal sizes exactly.
bool IsNominalThickness(const Problem& problem, float thickness) {
  if (problem.units.UnitsType == 1) {
    return IsOneOf(thickness, {4.0f, 6.0f, 8.0f, 10.0f, 12.0f, 16.0f});
  }
  const float millimetres = thickness * problem.units.Factor(kLengthShort);
  return IsOneOf(millimetres, {100.0f, 150.0f, 200.0f, 250.0f, 300.0f, 400.0f});
}

std::string NominalThicknessMessage(const Problem& problem, const char* fieldName) {
  const char* sizes = problem.units.UnitsType == 1
                          ? "core masonry design.  (4, 6, 8, 10, 12, and 16 inches)"
                          : "core masonry design.  (100, 150, 200, 250, 300, and 400 mm)";
  return std::string("Wall Thickness should be a nominal block thickness for hollow\r") + sizes +
         "\r\rPlease edit " + fieldName + " from the \"Wall Data\" Tab";
}

void CheckNominalThickness(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  if (problem.entry.MasonryMaterial == "Brick") return;
  if (!IsNominalThickness(problem, w.WallThickness)) {
    run.StoppingWarning(NominalThicknessMessage(problem, "Wall Thickness"));
  }
  if (w.ParapetHeight > 0 && !IsNominalThickness(problem, w.ParapetThickness)) {
    run.StoppingWarning(NominalThicknessMessage(problem, "Parapet Thickness"));
  }
}

// Checks 2 and 3: IBC 2000 strength design limits.
void CheckStrengthDesignLimits(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  if (problem.entry.DesignMethod != "IBC-S") return;
  const bool english = problem.units.UnitsType == 1;

  if (w.WallThickness < 5.9 || (w.ParapetThickness > 0 && w.ParapetThickness < 4)) {
    run.Error(std::string(
                  english ? "Error:  Minimum Wall Thickness is 6 inches (4 for parapets) using "
                          : "Error:  Minimum Wall Thickness is 150 mm (100 for parapets) using ") +
              "\rIBC Ultimate Strength Design.");
  }

  const bool concrete = problem.entry.MasonryMaterial == "CMU";
  const double upper = concrete ? 4000.0 : 6000.0;
  if (w.FmPrime < 1499.9 || w.FmPrime > upper) {
    std::string text =
        concrete ? "Error:  Concrete Masonry Compressive Strength, (f'm), must be between:\r"
                 : "Error:  Clay Masonry Compressive Strength, (f'm), must be between:\r";
    switch (problem.units.UnitsType) {
      case 1:
        text += concrete ? "1500 and 4000 psi" : "1500 and 6000 psi";
        break;
      case 2:
        text += concrete ? "10.34 and 27.58 MPa" : "10.34 and 41.38 MPa";
        break;
      default:
        text += concrete ? "105.45 and 281.3 Kg/cm^2" : "105.45 and 421.8 Kg/cm^2";
        break;
    }
    run.Error(text + " for IBC ultimate strength design.");
  }
}

// Checks 4 to 9: geometry of the strip, the loads and the steel.
void CheckGeometry(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  const std::size_t rows = WindRows(w);

  if (w.StripWidth < w.GroutedCellWidth) {
    run.Error(
        "Error:  The Wall Design Width cannot be less than a single\r"
        "masonry cell width.  Please edit data and solve again.");
  }

  const float top = w.WallHeight + w.ParapetHeight;
  for (std::size_t i = 0; i < rows; ++i) {
    if (w.WindEnd[i] > top) {
      run.Error("Error:  Horizontal load END distance cannot be \rgreater than wall height.");
    }
  }

  const float actual = w.WallThickness - w.NominalMinusActual;
  if (problem.ReinforcedWall) {
    if (w.TwoLayers) {
      if (actual / 2 < w.WallSteelDepth) {
        run.Error(
            "For walls with two layers of bars the depth to center of \r"
            "steel cannot exceed 1/2 actual wall thickness");
      }
    } else if (actual - w.FaceShellThickness < w.WallSteelDepth) {
      run.Error(
          "Depth to Center of steel cannot exceed\r"
          "actual wall thickness minus face shell thickness");
    }
    if (w.WallSteelDepth < w.FaceShellThickness) {
      run.Error("Depth To Center of Steel cannot\rbe less than Face Shell Thickness");
    }
  }

  if (w.ParapetHeight > 0) {
    if (problem.ReinforcedWall) {
      // The nominal parapet thickness is used here, as the program always has.
      if (w.ParapetThickness - w.FaceShellThickness < w.ParapetSteelDepth) {
        run.Error(
            "Depth To Center of Steel cannot exceed\r"
            "Parapet Thickness minus Face Shell Thickness.");
      }
      if (w.ParapetSteelDepth < w.FaceShellThickness) {
        run.Error("Depth To Center of Steel cannot\rbe less than Face Shell Thickness.");
      }
    }
    if (w.WallThickness < w.ParapetThickness) {
      run.Error("Wall Thickness cannot be less than Parapet Thickness.");
    }
  }

  if (w.AddY > w.WallHeight) {
    run.Error(
        "Additional Vertical Loads cannot be placed above\r"
        "the floor level (y <= Wall Height).");
  }
  if (w.EFPX > w.WallHeight) {
    run.Error(
        "Equivalent Fluid Pressure load cannot be placed above\r"
        "the floor level (x <= Wall Height).");
  }
}

// Checks 10 to 16: data that must be present.
void CheckDataPresent(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  if (w.WallHeight < 0.001 || w.WallThickness < 0.001 || w.WallSteelDepth < 0.001) {
    run.Error(
        "Wall Height and Thickness must be greater than zero.\r"
        "Please enter all data and solve again.");
  }
  if (w.ParapetHeight > 0.001 && (w.ParapetThickness < 0.001 || w.ParapetSteelDepth < 0.001)) {
    run.Error(kParapetMissing);
  }
  if (w.StripWidth < 0.001) {
    run.Error("Wall Width must be greater than zero.\rPlease enter a value and solve again.");
  }
  if (w.Fy < 0.001 || w.Fs < 0.001 || w.Es < 0.001) run.Error(kMaterialIncomplete);
  if (w.FmPrime < 0.001) {
    run.Error(
        "Error:  Masonry strength, f'm, must be greater than zero.\r"
        "Please enter masonry data and solve again.");
  }
  if (w.Fv < 0.001) {
    run.Error(
        "Error:  Masonry shear strength, fv, must be greater than zero.\r"
        "Please enter all data and solve again.");
  }
  if (problem.entry.DesignMethod != "IBC-S" &&
      (w.Fb < 0.001 || w.FtNoGrout < 0.001 || w.FtSolidGrout < 0.001 || w.Em < 0.001 ||
       w.ModularRatio < 0.001)) {
    run.Error(kMaterialIncomplete);
  }
}

// Check 17: wind rows.
void CheckWindRows(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  const std::size_t rows = WindRows(w);
  for (std::size_t i = 0; i < rows; ++i) {
    if (w.WindMagnitude[i] != 0 && w.WindEnd[i] == 0) {
      run.Error(
          "Error:  END distance must be greater than zero for\r"
          "wind loads.  Please edit data and solve again.");
    }
    if (w.WindType[i] == "H" && w.WindStart[i] != w.WindEnd[i]) {
      run.Error(
          "Error:  START and END distances must be equal for\r"
          "concentrated loads.  Please edit data and solve again.");
    }
  }
}

// Checks 18 and 19: seismic detailing (ACI 530-99 1.13, IBC 2000 2106).
void CheckSeismicDetailing(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  const std::string& category = w.SeismicCategory;

  if (IsCategoryDToF(category) && !problem.entry.RunningBond && !w.SolidGrouted) {
    run.Error(
        "For Categories D - F stack bond walls must be fully grouted per\r"
        "ACI 99 1.13.6.3/IBC 2000 2106.5.2");
  }

  if (category == "Category C") {
    // 0.20 in^2 of vertical steel per 48 in of wall. A wall without actual
    // thickness has no ratio; the actual-thickness check below rejects it.
    const float actual = w.WallThickness - w.NominalMinusActual;
    if (actual > 0) {
      const float minRatio = static_cast<float>(0.2 / 48.0 / actual);
      if (w.MinSteelRatio < minRatio) {
        const float shown = w.WallThickness * problem.units.Factor(kLengthShort);
        run.Warning(
            std::string("Warning, minimum area of steel for Design Category C\r") +
            (problem.units.UnitsType == 1 ? "cannot be less than 0.20 in^2 at 4 ft. o.c."
                                          : "cannot be less than 129 mm^2 at 1.22 m. o.c.") +
            "\r(Min. steel ratio = " + FormatNumber(minRatio, "0.0####") + " for a " +
            FormatGeneralNumber(shown) + " " + problem.units.Label(kLengthShort) + " wall)");
      }
    }
  } else if (IsCategoryDToF(category)) {
    // The limit is compared as the single-precision value the ratio field
    // holds, so a ratio entered as 0.0007 meets it.
    if (w.MinSteelRatio < 0.0007f) {
      run.Warning(
          "Warning, minimum gross area of steel ratio for\r"
          "Design Categories D, E and F cannot be less than 0.0007.");
    }
    if (problem.entry.MortarType == "N") {
      run.Error(
          "Error: Type N mortar is not permitted\rin walls for Design Categories D, E and F.");
    }
  }
}

// Input the design would divide by zero with or loop on.
void CheckDesignSafety(const Problem& problem, Run& run) {
  const WorkingForm& w = problem.working;
  const EntryForm& e = problem.entry;

  if (!(w.GroutedCellWidth > 0) || !(w.UnitLength > 0) || !(w.FaceShellThickness > 0) ||
      !(w.Em > 0) || !(w.ModularRatio > 0)) {
    run.Error(
        "Error:  Masonry data is incomplete or out of range.\r"
        "Please check the Masonry Data tab and solve again.");
  }

  const bool hasParapet = w.ParapetHeight > 0;
  const float wallActual = w.WallThickness - w.NominalMinusActual;
  const float parapetActual = w.ParapetThickness - w.NominalMinusActual;
  if (!(wallActual > 0) || (hasParapet && !(parapetActual > 0))) {
    run.Error(
        "Error:  Actual wall thickness must be greater than zero.\rPlease edit data and solve "
        "again.");
  }

  // Check 11 already covers parapets above 0.001 ft; a lower parapet is still
  // designed, so it needs its thickness and steel depth as well.
  if (hasParapet && !(w.ParapetHeight > 0.001) &&
      (w.ParapetThickness < 0.001 || w.ParapetSteelDepth < 0.001)) {
    run.Error(kParapetMissing);
  }

  if (e.SupportType == "Partially Fixed" && (e.PercentFixed < 0 || e.PercentFixed > 100)) {
    run.Error("Error:  Percent Fixed must be between 0 and 100.");
  }

  const std::size_t rows = WindRows(w);
  for (std::size_t i = 0; i < rows; ++i) {
    if (w.WindType[i] == "W" && (w.WindStart[i] < 0 || w.WindStart[i] > w.WindEnd[i])) {
      run.Error(
          "Error:  START distance cannot be greater than END distance\r"
          "for wind loads.  Please edit data and solve again.");
    }
  }

  bool anySelected = false;
  bool anyFactor = false;
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    if (e.LoadCombSelected[static_cast<std::size_t>(k)] == 0) continue;
    anySelected = true;
    for (int position : kCombinationFactors[static_cast<std::size_t>(k)]) {
      if (position >= 0 && e.LoadFactors[static_cast<std::size_t>(position)] != 0) {
        anyFactor = true;
      }
    }
  }
  if (!anySelected) {
    run.Error("Sorry, at least one load combination must be selected.");
  } else if (!anyFactor) {
    run.Error(
        "Error:  The load factors of the selected load combinations\r"
        "are all zero.  Please edit the load combinations.");
  }
}

// Check 21: the problem must carry at least one load. A wind row counts only
// when it is a uniform ("W") or concentrated ("H") load that acts somewhere.
bool HasLoad(const WorkingForm& w) {
  if (w.WallWeight != 0 || w.FloorDead != 0 || w.FloorLive != 0 || w.AddDead != 0 ||
      w.AddLive != 0 || w.EFP != 0) {
    return true;
  }
  const std::size_t rows = WindRows(w);
  for (std::size_t i = 0; i < rows; ++i) {
    const bool knownType = w.WindType[i] == "W" || w.WindType[i] == "H";
    if (knownType && w.WindMagnitude[i] != 0 && w.WindEnd[i] != 0) return true;
  }
  return false;
}

}  // namespace

ValidationOutcome CheckInput(const Problem& problem) {
  Run run;
  CheckNominalThickness(problem, run);
  CheckStrengthDesignLimits(problem, run);
  CheckGeometry(problem, run);
  CheckDataPresent(problem, run);
  CheckWindRows(problem, run);
  CheckSeismicDetailing(problem, run);
  CheckDesignSafety(problem, run);
  if (run.ok() && !HasLoad(problem.working)) {
    run.Error("Error:  At Least One Load Must be Entered");
  }
  return std::move(run).Outcome();
}

bool ValidateInput(Session& session) {
  const ValidationOutcome outcome = CheckInput(session.problem);
  Platform& platform = session.platform;
  if (outcome.warning) {
    platform.SetBusyPointer(false);
    platform.ShowInformation(*outcome.warning, kWarningTitle);
  }
  if (!outcome.ok) {
    platform.SetBusyPointer(false);
    if (outcome.error) platform.ShowInformation(*outcome.error, kErrorTitle);
  }
  return outcome.ok;
}

}  // namespace calvix
