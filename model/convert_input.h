// The entry form turned into the working form: every numeric text divided by
// the factor of its quantity and stored in single precision, the wind rows,
// the spacing module and the seismic design category.
#pragma once

#include "model/session.h"

namespace calvix {

// Rebuilds session.problem.working from the entry form. Fails as a whole: a
// text that is not a number throws a CalvixError naming the field, and the
// working form is then left as it was. Under "IBC-S" the additional vertical
// load is placed at the top of the wall: field 14 shows the wall height and
// AddY equals WallHeight.
void ConvertInput(Session& session);

}  // namespace calvix
