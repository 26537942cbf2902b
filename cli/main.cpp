// calvix-cli: the batch front end. It runs the same start-up, file and solve
// code as the desktop program, with the console in place of the windows.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "analysis/solve.h"
#include "cli/console_platform.h"
#include "cli/json_document.h"
#include "cli/pdf_output.h"
#include "cli/sweep_output.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "model/convert_input.h"
#include "model/errors.h"
#include "model/program_version.h"
#include "reports/method_reports.h"
#include "reports/results_file.h"
#include "sweep/sweep.h"
#include "sweep/sweep_text.h"

namespace {

namespace fs = std::filesystem;
using calvix::ConsolePlatform;
using calvix::Session;

constexpr int kExitSuccess = 0;
constexpr int kExitNotDone = 1;
constexpr int kExitUsage = 2;

struct Options {
  std::string dataDir;
  std::string jsonOut;
  std::optional<int> units;
  std::string file;
  std::string saveOut;
  bool unreinforced = false;
  std::string reportOut;
  std::string free;
  std::size_t top = 10;
  std::string csvOut;
  std::string saveBest;
  std::string costs;
  unsigned threads = 0;
  std::string pdfOut;
};

fs::path ProgramFolderOf(const char* argv0, const std::string& dataDir) {
  if (!dataDir.empty()) return fs::path(dataDir);
  std::error_code error;
  fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) self = fs::absolute(argv0);
  return self.parent_path();
}

bool WriteJson(const nlohmann::ordered_json& document, const std::string& out) {
  if (out.empty()) return true;
  std::string text = document.dump(2) + "\n";
  if (out == "-") {
    std::cout << text;
    return static_cast<bool>(std::cout);
  }
  std::ofstream file(out, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

// Start-up failures (a missing program-folder file) end the program.
bool StartUp(Session& session, ConsolePlatform& console, std::optional<int16_t> units) {
  try {
    calvix::StartProgram(session, units);
    return true;
  } catch (const std::exception& error) {
    calvix::ReportUnexpectedFailure(console, error, "Form Load", "Main");
    return false;
  }
}

int RunNew(const Options& options, const fs::path& folder) {
  ConsolePlatform console(std::cerr);
  Session session(console, calvix::ProgramFolder{folder});
  std::optional<int16_t> units;
  if (options.units) units = static_cast<int16_t>(*options.units);
  if (!StartUp(session, console, units)) return kExitUsage;
  auto document = calvix::ProblemDocument(session, console.messages(), false);
  return WriteJson(document, options.jsonOut) ? kExitSuccess : kExitUsage;
}

int RunOpen(const Options& options, const fs::path& folder) {
  ConsolePlatform console(std::cerr);
  Session session(console, calvix::ProgramFolder{folder});
  if (!StartUp(session, console, std::nullopt)) return kExitUsage;
  console.SetFileToOpen(options.file);
  bool opened = false;
  bool converted = false;
  int status = kExitSuccess;
  try {
    opened = calvix::OpenFile(session);
    if (opened) {
      calvix::ConvertInput(session);
      converted = true;
    }
  } catch (const std::exception& error) {
    calvix::ReportUnexpectedFailure(console, error, "Menu File Item", "Main");
  }
  if (!opened) status = kExitUsage;
  if (opened && !options.saveOut.empty()) {
    console.SetFileToSave(options.saveOut);
    // Always to the file named by --save, never over the file just opened.
    if (!calvix::SaveFileAs(session)) status = kExitUsage;
  }
  auto document = calvix::ProblemDocument(session, console.messages(), converted);
  if (!WriteJson(document, options.jsonOut)) status = kExitUsage;
  return status;
}

// Start-up and open, as the open command does them; false when the file could
// not be opened (the messages are already recorded).
bool OpenProject(Session& session, ConsolePlatform& console, const std::string& file) {
  console.SetFileToOpen(file);
  try {
    return calvix::OpenFile(session);
  } catch (const std::exception& error) {
    calvix::ReportUnexpectedFailure(console, error, "Menu File Item", "Main");
    return false;
  }
}

enum class ReportWrite { None, Written, Failed };

int RunSolve(const Options& options, const fs::path& folder) {
  ConsolePlatform console(std::cerr);
  Session session(console, calvix::ProgramFolder{folder});
  if (!StartUp(session, console, std::nullopt)) return kExitUsage;
  if (!OpenProject(session, console, options.file)) {
    WriteJson(calvix::ProblemDocument(session, console.messages(), false), options.jsonOut);
    return kExitUsage;
  }
  calvix::AnalysisResults analysis;
  calvix::DesignResults design;
  calvix::SolveOutcome outcome;
  bool converted = false;
  try {
    outcome = calvix::SolveWall(session, !options.unreinforced, analysis,
                                calvix::DesignRoutinesFor(design));
    converted = true;
  } catch (const std::exception& error) {
    calvix::ReportUnexpectedFailure(console, error, "Menu Solve Item", "Main");
  }
  // The text report of a designed problem, as "Print to File" writes it. A
  // failed write has been reported (and recorded); any existing file is left
  // as it was.
  ReportWrite reportStatus = ReportWrite::None;
  if (outcome.designed && !options.reportOut.empty()) {
    const calvix::ReportHooks hooks = calvix::MethodReportHooks(session.problem, analysis, design);
    const calvix::ReportRequest request =
        calvix::CommandLineReportRequest(session.problem, design, outcome.design);
    reportStatus = calvix::WriteResultsFile(session, request, hooks, fs::path(options.reportOut),
                                            calvix::ReportStampNow())
                       ? ReportWrite::Written
                       : ReportWrite::Failed;
  }
  // The calculation package, also of a problem that did not design (its
  // input and the messages of the solve), unless the input could not even be
  // converted.
  bool pdfFailed = false;
  if (converted && !options.pdfOut.empty()) {
    pdfFailed =
        !calvix::WriteCommandLinePdf(session, console, analysis, design, outcome, options.pdfOut);
  }
  auto document = calvix::ProblemDocument(session, console.messages(), converted);
  document["validation_ok"] = outcome.validationOk;
  document["error_code"] = outcome.errorCode;
  if (outcome.analysed) {
    bool strength = session.problem.entry.DesignMethod == "IBC-S";
    document["seismic"] = calvix::SeismicJson(analysis.Seismic);
    document["analysis"] = calvix::AnalysisJson(analysis, strength);
  }
  if (outcome.design != calvix::DesignRun::None) {
    document["design"] = calvix::DesignJson(design, outcome.design);
  }
  int status = outcome.designed ? kExitSuccess : kExitNotDone;
  if (reportStatus == ReportWrite::Written) document["report"] = options.reportOut;
  if (reportStatus == ReportWrite::Failed || pdfFailed) status = kExitUsage;
  if (!WriteJson(document, options.jsonOut)) status = kExitUsage;
  return status;
}

bool WriteText(const std::string& text, const std::string& out) {
  if (out.empty()) return true;
  std::ofstream file(out, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

// The cost table of --costs, or the program folder's; a table that cannot be
// read is reported and ends the command.
std::optional<calvix::CostModel> SweepCosts(const Options& options, const fs::path& folder,
                                            ConsolePlatform& console) {
  const fs::path path =
      options.costs.empty() ? folder / calvix::kSweepCostFileName : fs::path(options.costs);
  try {
    return calvix::ReadCostModel(path);
  } catch (const std::exception& error) {
    console.ShowInformation(error.what(), calvix::kSweepTitle);
    return std::nullopt;
  }
}

// Writes the best wall into OUT.cxl as a project file, from a copy of the
// problem: the problem the document reports stays as it was opened.
bool SaveBest(const Session& session, ConsolePlatform& console, const calvix::SweepCandidate& best,
              const calvix::SweepFreedom& freedom, const std::string& out) {
  Session copy(console, session.folder);
  copy.problem = session.problem;
  copy.display = session.display;
  calvix::ApplySweepPoint(copy, best.point, freedom);
  console.SetFileToSave(out);
  return calvix::SaveFileAs(copy);
}

int RunSweepCommand(const Options& options, const fs::path& folder) {
  ConsolePlatform console(std::cerr);
  Session session(console, calvix::ProgramFolder{folder});
  const std::optional<calvix::SweepFreedom> freedom =
      options.free.empty() ? calvix::SweepFreedom{} : calvix::ParseSweepFreedom(options.free);
  if (!freedom) {
    std::cerr << "--free takes a list of thickness, grout, layers, strength, bars\n";
    return kExitUsage;
  }
  if (!StartUp(session, console, std::nullopt)) return kExitUsage;
  std::optional<calvix::CostModel> costs;
  if (!OpenProject(session, console, options.file) ||
      !(costs = SweepCosts(options, folder, console))) {
    WriteJson(calvix::ProblemDocument(session, console.messages(), false), options.jsonOut);
    return kExitUsage;
  }
  const bool valid = calvix::ValidateSweepProblem(session);
  calvix::SweepResult result;
  int status = kExitNotDone;
  if (valid) {
    try {
      result =
          calvix::RunSweep(calvix::SweepBase::Of(session), {*freedom, *costs, options.threads});
    } catch (const std::exception& error) {
      console.ShowInformation(error.what(), calvix::kSweepTitle);
      WriteJson(calvix::ProblemDocument(session, console.messages(), false), options.jsonOut);
      return kExitUsage;
    }
    if (result.passing.empty()) {
      console.ShowInformation(calvix::NothingPassesText(session.problem, result),
                              calvix::kSweepTitle);
    } else {
      status = kExitSuccess;
    }
  }
  if (options.jsonOut != "-") std::cout << calvix::SweepText(session.problem, result, options.top);
  if (!WriteText(calvix::SweepCsv(session.problem, result, options.top), options.csvOut)) {
    status = kExitUsage;
  }
  if (!result.passing.empty() && !options.saveBest.empty() &&
      !SaveBest(session, console, result.passing.front(), *freedom, options.saveBest)) {
    status = kExitUsage;
  }
  auto document = calvix::ProblemDocument(session, console.messages(), false);
  document["validation_ok"] = valid;
  if (valid) document["sweep"] = calvix::SweepJson(session.problem, *freedom, result, options.top);
  if (!WriteJson(document, options.jsonOut)) status = kExitUsage;
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Calvix: analysis and design of a masonry wall under out-of-plane loads"};
  app.set_version_flag(
      "--version",
      "calvix-cli " + calvix::ProgramVersion() + " (built " + calvix::BuildDate() + ")",
      "Show the version and build date, then exit");
  app.require_subcommand(1);
  Options options;

  auto* newCommand = app.add_subcommand("new", "Start a new problem from the default data");
  auto* openCommand = app.add_subcommand("open", "Open a project file");
  auto* solveCommand = app.add_subcommand("solve", "Open a project file and solve it");
  auto* sweepCommand = app.add_subcommand(
      "sweep", "Search the open problem's choices for the cheapest passing walls");
  for (auto* command : {newCommand, openCommand, solveCommand, sweepCommand}) {
    command->add_option("--data-dir", options.dataDir,
                        "Program folder (settings, units, bars, defaults)");
    command->add_option("--json", options.jsonOut,
                        "Write the JSON document here ('-' = standard output)");
  }
  newCommand->add_option("--units", options.units, "Unit system: 1 U.S., 2 S.I., 3 MKS")
      ->check(CLI::Range(1, 3));
  openCommand->add_option("file", options.file, "Project file (.cxl)")->required();
  openCommand->add_option("--save", options.saveOut, "Save the problem to this file");
  solveCommand->add_option("file", options.file, "Project file (.cxl)")->required();
  solveCommand->add_flag("--unreinforced", options.unreinforced, "Design an unreinforced wall");
  solveCommand->add_option("--report", options.reportOut, "Write the text report to this file");
  solveCommand->add_option("--pdf", options.pdfOut, "Write the calculation package (PDF) here");

  sweepCommand->add_option("file", options.file, "Project file (.cxl)")->required();
  sweepCommand->add_option("--free", options.free,
                           "Free choices: thickness,grout,layers,strength,bars "
                           "(default thickness,grout,layers,bars)");
  sweepCommand->add_option("--top", options.top, "Ranked walls to list (0 = all)");
  sweepCommand->add_option("--csv", options.csvOut, "Write the ranked walls as CSV here");
  sweepCommand->add_option("--save-best", options.saveBest, "Save the best wall to this file");
  sweepCommand->add_option("--costs", options.costs, "Cost table (default SweepCosts.tsv)");
  sweepCommand->add_option("--threads", options.threads, "Threads (0 = every core)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    int code = app.exit(error);
    return code == 0 ? kExitSuccess : kExitUsage;
  }
  fs::path folder = ProgramFolderOf(argv[0], options.dataDir);
  if (*newCommand) return RunNew(options, folder);
  if (*solveCommand) return RunSolve(options, folder);
  if (*sweepCommand) return RunSweepCommand(options, folder);
  return RunOpen(options, folder);
}
