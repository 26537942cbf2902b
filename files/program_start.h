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

// OK in the units dialog with `selected` chosen: asks "Verify New Unit
// System..." whether or not the problem has changed; Yes changes the unit
// system when it differs. Returns true when the unit system changed.
bool UnitsDialogOk(Session& session, int16_t selected);

}  // namespace calvix
