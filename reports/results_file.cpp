#include "reports/results_file.h"

#include <string>

#include "reports/report_destinations.h"
#include "reports/report_document.h"

namespace calvix {
namespace {

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

FileDialogRequest ResultsFileDialogRequest() {
  FileDialogRequest request;
  request.title = "Print Results To File";
  request.filter = "Calvix Results (*.txt)|*.txt";
  request.defaultExtension = "txt";
  request.mustExist = false;
  request.confirmOverwrite = true;
  return request;
}

bool CheckPrintable(Session& session) {
  if (session.problem.Designed) return true;
  session.platform.ShowInformation(
      "ERROR:  This problem cannot be printed.  The input data has\r"
      "changed or the wall has not been designed yet.\r"
      "\r"
      "Please select \"Design Wall\" from the Solve Menu.",
      "Print Error...");
  return false;
}

bool WriteResultsFile(Session& session, const ReportRequest& request, const ReportHooks& hooks,
                      const std::filesystem::path& file, const ReportStamp& stamp) {
  ReportDocument document;
  TextFileDestination destination(file);
  session.platform.SetBusyPointer(true);
  const bool written =
      PrintResults(document, destination, session.problem, request, hooks, stamp, session.platform);
  session.platform.SetBusyPointer(false);
  if (!written) return false;
  session.platform.ShowInformation("Report written to " + PathText(file), "Print to File");
  return true;
}

bool PrintResultsToFile(Session& session, const ReportRequest& request, const ReportHooks& hooks) {
  const auto file = session.platform.ChooseFileToSave(ResultsFileDialogRequest());
  if (!file) return false;
  return WriteResultsFile(session, request, hooks, *file, ReportStampNow());
}

}  // namespace calvix
