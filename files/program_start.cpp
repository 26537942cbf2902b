#include "files/program_start.h"

#include "files/default_data.h"
#include "files/project_file.h"
#include "files/settings.h"
#include "files/unit_change.h"
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

bool UnitsDialogOk(Session& session, int16_t selected, UnitChange how) {
  if (selected == session.problem.units.UnitsType) return false;
  if (!ResolveUnsavedChanges(session)) return false;
  if (how == UnitChange::NewProblem) {
    ChangeUnitSystem(session, selected);
    // A fresh problem of the default data: no file, nothing to save.
    session.projectPath.clear();
    session.problem.DataChanged = false;
    return true;
  }
  std::vector<RoundedSize> rounded = ConvertUnitSystem(session, selected);
  SettingsFile(session.folder.Settings())
      .Write("Units System", "UnitsType", std::to_string(selected));
  if (!rounded.empty()) session.platform.ShowInformation(RoundedSizesText(rounded), "Calvix Units");
  return true;
}

}  // namespace calvix
