#include "model/field_states.h"

#include "model/entry_fields.h"

namespace calvix {

FieldStates UpdateFields(Session& session) {
  EntryForm& entry = session.problem.entry;
  FieldStates states;
  states.editable.fill(true);

  if (entry.DesignMethod == "IBC-S") {
    states.editable[kAddYField] = false;
    entry.Fields[kAddYField] = entry.Fields[kWallHeightField];
    for (int field = kFbField; field <= kFtSolidGroutField; ++field) {
      states.editable[static_cast<size_t>(field)] = false;
    }
  }
  if (entry.MasonryMaterial == "Brick") entry.GroutSpacingOption = 1;
  if (entry.Cantilever) {
    for (int field : {kParapetHeightField, kParapetThicknessField, kParapetSteelDepthField}) {
      states.editable[static_cast<size_t>(field)] = false;
      SetFieldValue(session, field, 0.0);
    }
  }
  return states;
}

}  // namespace calvix
