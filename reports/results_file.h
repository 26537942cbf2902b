// Printing a designed problem to a text report file: the check that the
// problem may be printed, the choice of the file and the writing of the report
// with the message that tells where it went.
#pragma once

#include <filesystem>

#include "model/platform.h"
#include "model/session.h"
#include "reports/report_driver.h"

namespace calvix {

// The Save As request of "Print to File".
FileDialogRequest ResultsFileDialogRequest();

// Whether the problem may be printed: it must be designed (Designed) with the
// input it has now. Otherwise shows the "Print Error..." message and returns
// false.
bool CheckPrintable(Session& session);

// Writes the report of `request` to `file` through a text-file destination,
// with the busy pointer shown meanwhile. When the file is written, shows
// "Report written to " and the file name (title "Print to File") and returns
// true. A failure has been reported by the
// report driver or the output layer; no message of success follows, an
// existing file is left as it was, and false is returned.
bool WriteResultsFile(Session& session, const ReportRequest& request, const ReportHooks& hooks,
                      const std::filesystem::path& file, const ReportStamp& stamp);

// "Print" with "Print to File" set: asks for the file (ResultsFileDialogRequest)
// and writes the report there with the time of now. Cancelling writes nothing,
// shows nothing and returns false.
bool PrintResultsToFile(Session& session, const ReportRequest& request, const ReportHooks& hooks);

}  // namespace calvix
