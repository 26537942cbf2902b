// The governing check of a designed (or refused) wall part for one bar: the
// largest demand / capacity ratio of the checks its design made at the last
// spacing it tried for the bar (the accepted spacing when the bar was
// accepted).
#pragma once

#include <cstddef>

#include "design/design_results.h"
#include "sweep/sweep.h"

namespace calvix {

// Working stress ("ACI", "IBC-W"): flexure |Ms| / allowable moment at Ps on
// the bar's interaction curve; shear fv = |Vs| / (b'·d) against Fv; axial
// the base load of combination 1 against the axial capacity Fa·Ae (divided
// by the stress increase when a wind or seismic combination governs).
// Strength ("IBC-S"): flexure |Mu| / øMn; required steel As,req / As; maximum
// steel As / As,max (2108.9.2.13); service deflection / 0.007 h'
// (2108.9.4.6); shear |Vu| / øVn; axial fa / axial limit (2108.9.4.5). A
// check whose capacity the design did not reach for this bar does not take
// part. A bar the design never tried has an infinite ratio.
GoverningCheck BarGoverningCheck(const Problem& problem, const AnalysisResults& analysis,
                                 const DesignResults& design, DesignRun run, int part,
                                 std::size_t bar);

}  // namespace calvix
