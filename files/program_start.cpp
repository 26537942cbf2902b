#include "files/program_start.h"

#include "files/default_data.h"
#include "files/project_file.h"
#include "files/settings.h"
#include "model/field_states.h"
#include "model/material_data.h"

namespace calvix {

void StartProgram(Session& session, std::optional<int16_t> unitsType) {
  SettingsFile settings(session.folder.Settings());
  Problem& problem = session.problem;
  int16_t system = unitsType.value_or(ReadUnitsType(settings));
  problem.MaxShellThickness = ReadMaxShell(settings);
  SwitchUnitSystem(session, system);
  LoadDefaultValues(session);
  UpDateMasonry(session);
  problem.ShowDesignCriteria = ReadShowDesignCriteria(settings);
  problem.DataChanged = false;
  problem.Designed = false;
}

void ChangeUnitSystem(Session& session, int16_t unitsType) {
  Problem& problem = session.problem;
  if (unitsType == problem.units.UnitsType) return;
  problem.units.UnitsType = unitsType;
  problem.DataChanged = true;
  problem.Designed = false;
  SettingsFile(session.folder.Settings())
      .Write("Units System", "UnitsType", std::to_string(unitsType));
  ClearData(session);
  LoadDefaultValues(session);
  SwitchUnitSystem(session, unitsType);
  // Field states after the switch, so that imposed texts take the new decimals.
  UpdateFields(session);
}

}  // namespace calvix

namespace calvix {

bool UnitsDialogOk(Session& session, int16_t selected) {
  if (!session.platform.AskYesNo("Current data will be lost if not saved. Continue?",
                                 "Verify New Unit System...")) {
    return false;
  }
  if (selected == session.problem.units.UnitsType) return false;
  ChangeUnitSystem(session, selected);
  return true;
}

}  // namespace calvix
