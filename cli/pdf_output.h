// The calculation package of calvix-cli solve --pdf.
#pragma once

#include <string>

#include "analysis/solve.h"
#include "cli/console_platform.h"
#include "design/design_results.h"
#include "model/session.h"

namespace calvix {

// Writes the calculation package of the solved problem to `file`: the whole
// package for a designed problem, the input and the messages of the solve for
// one that did not design. Starts Qt's GUI layer for the PDF writer, on the
// offscreen platform when there is no display. A failed write is shown (and
// recorded) with the file's path; returns whether the file was written.
bool WriteCommandLinePdf(Session& session, ConsolePlatform& console,
                         const AnalysisResults& analysis, const DesignResults& design,
                         const SolveOutcome& outcome, const std::string& file);

}  // namespace calvix
