// The design basis the main window shows beside the input: the design
// method, the seismic design category and the site coefficient Fa as the
// next Solve will use them, read from the entry form as it stands.
#pragma once

#include <string>

#include "model/session.h"

namespace calvix {

struct DesignBasisText {
  std::string method;    // "IBC 2000 Working Stress"
  std::string category;  // "Category D"
  std::string fa;        // "1.10", "1.25 (site-specific)"
};

// The name of a design method: "ACI" -> "ACI 530-99 Working Stress", "IBC-W"
// -> "IBC 2000 Working Stress", "IBC-S" -> "IBC 2000 Strength".
std::string DesignMethodName(const std::string& method);

// The basis of the open problem. The category follows IBC 2000 1616.3 from
// Ss (in % of g), the site class, the seismic use group and the S1 class, as
// ConvertInput derives it; a use group outside "I" ... "IV" keeps the category
// the problem had. Fa is that of IBC 2000 Table 1615.1.2(1) at |Ss|, or the
// site-specific value for Class F and for Class E above 1.0 g. While the Ss
// field holds no number the category and Fa read "-".
DesignBasisText DesignBasisOf(const Session& session);

}  // namespace calvix
