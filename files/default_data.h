// The default data file "CXDeflt.fil": the criteria, combinations and the
// material fields that fill each new problem, one 41-item section per unit
// system (items 1, 43 and 85) in the text item convention of project files.
// Items 42 and 84 belong to no section and are kept as they are.
#pragma once

#include "model/session.h"

namespace calvix {

inline constexpr int kDefaultDataItems = 125;
inline constexpr int kDefaultSectionItems = 41;

// Fills the problem from the section of the current unit system. The field
// texts, option buttons and UseAxialMcr are taken only when the section's unit
// code equals the current unit system. Throws CalvixError naming the file when
// it is missing, short or damaged.
void LoadDefaultValues(Session& session);

// Options > Default Data...: after the confirmation, rewrites the section of
// the current unit system from the problem and keeps every other item as it
// was, kind included. A file that cannot be read or written is reported as a
// "File Error" and left untouched. Returns true when the file was rewritten.
bool SaveDefaultValues(Session& session);

}  // namespace calvix
