// Program start-up without the window, and the change of unit system from the
// units dialog.
#pragma once

#include <cstdint>
#include <optional>

#include "model/session.h"

namespace calvix {

// Reads the settings (unit system, maximum face shell thickness, whether to
// show the design criteria dialog), loads the unit record and bar table, the
// field limits, decimals and labels, fills the problem from the default data
// and calculates the masonry data. `unitsType` replaces the settings' unit
// system without writing the settings file. A missing or damaged program-folder
// file throws a CalvixError naming it: the program cannot run without it.
void StartProgram(Session& session, std::optional<int16_t> unitsType = std::nullopt);

// Options > Units...: a new unit system clears the problem and refills it from
// the default data of that system; values already entered are not converted.
// The choice is kept in the settings file.
void ChangeUnitSystem(Session& session, int16_t unitsType);

}  // namespace calvix

namespace calvix {

// What the units dialog does with the open problem.
enum class UnitChange { ConvertProblem, NewProblem };

// OK in the units dialog with `selected` chosen. Choosing the current system
// does nothing. Otherwise unsaved changes are resolved first (the save
// question); then the open problem is converted (ConvertUnitSystem, with the
// message listing the rounded nominal sizes) or replaced by a new problem of
// the new system's default data. The choice is kept in the settings file.
// Returns true when the unit system changed.
bool UnitsDialogOk(Session& session, int16_t selected, UnitChange how);

}  // namespace calvix
