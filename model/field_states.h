// Which entry fields can be edited under the current criteria, and the field
// texts those criteria impose.
#pragma once

#include <array>

#include "model/session.h"

namespace calvix {

struct FieldStates {
  std::array<bool, kEntryFieldCount> editable{};
};

// Strength design: the additional load stands at the wall top (field 14 shows
// field 0) and the allowable stresses Fb, Fv and Ft are not used. Two-wythe
// brick is always solidly grouted. A cantilever has no parapet: fields 3-5
// are set to 0 and locked.
FieldStates UpdateFields(Session& session);

}  // namespace calvix
