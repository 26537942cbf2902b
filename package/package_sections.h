// The sections of a calculation package, each adding its pages to the list.
#pragma once

#include "package/package_input.h"
#include "package/package_summary.h"
#include "package/page_layout.h"

namespace calvix {

// Page 1: wall, method, reinforcement, the checks with the governing one
// highlighted, the verdict (or why the problem did not design) and the
// design values.
void AddSummarySection(PageList& pages, const PackageInput& input, const PackageSummary& summary);

// The wall elevation drawing and the input data as the text report echoes it.
void AddInputSection(PageList& pages, const PackageInput& input);

// For each wall part and each selected load combination: the diagrams of
// moment, shear and axial load (and deflection in strength design) along the
// height, and the station table.
void AddLoadSections(PageList& pages, const PackageInput& input);

// The bar and spacing (or grouting case) table, the interaction diagram of a
// working-stress reinforced design, the P-delta passes of strength design and
// the calculation steps.
void AddDesignSections(PageList& pages, const PackageInput& input);

// The calculation steps of one part, grouped by check (also used alone).
void AddStepSection(PageList& pages, const CalculationSteps& steps, const UnitSystem& units);

// A value in display units with the pattern and label of its quantity.
std::string DisplayText(const UnitSystem& units, double working, int quantity);

}  // namespace calvix
