// The calculation package from the desktop program: File > Export Calculation
// PDF... and the print dialog's "Calculation PDF..." button.
#pragma once

#include <array>
#include <filesystem>
#include <optional>

#include "analysis/solve.h"
#include "design/design_results.h"
#include "model/session.h"

namespace calvix {

// The design the result tables of a designed problem belong to.
DesignRun DesignRunOf(const Problem& problem);

// Asks for the file (through the platform) unless `file` is given, then writes
// the package of the designed problem with the bar rows (or grouting cases)
// `choice` of the main wall and the parapet. A problem that is not designed
// is refused with the "Print Error..." message. Returns whether it was written.
bool ExportCalculationPdf(Session& session, const AnalysisResults& analysis,
                          const DesignResults& design, const std::array<int, 2>& choice,
                          std::optional<std::filesystem::path> file = std::nullopt);

// The first bar row (or grouting case) of each part that the print dialog
// lists: the choice of File > Export Calculation PDF...
std::array<int, 2> FirstChoices(const Session& session, const DesignResults& design);

}  // namespace calvix
