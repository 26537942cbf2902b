// calvix-cli as a user runs it: version, the documents of `new`, open and
// save, hand-worked values of the solve documents, exit statuses and the exact
// messages of usage errors, validation and every design failure code; and
// solve on every shipped example: the text report against the checked-in
// examples/*.txt, the JSON document against tests/data/cli/*.json, a report
// longer than the old 63000-character buffer, and failed report writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "model/program_version.h"
#include "support/report_fixtures.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace testing;

json JsonOf(const std::string& arguments, int status = 0) {
  const CliRun run = RunCli(arguments + " --json -");
  EXPECT_EQ(run.status, status) << arguments;
  return json::parse(run.out);
}

TEST(CliTest, VersionShowsTheProjectVersionAndBuildDate) {
  const CliRun run = RunCli("--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "calvix-cli " + std::string(CALVIX_VERSION) + " (built " + BuildDate() + ")\n");
  EXPECT_EQ(IsoDateFromCompilerDate("Dec  7 2026"), "2026-12-07");
  EXPECT_EQ(IsoDateFromCompilerDate("Jan 31 2027"), "2027-01-31");
}

// The default problem of each unit system, byte for byte.
TEST(CliTest, NewPrintsTheDefaultProblemOfEachUnitSystem) {
  for (const char* units : {"1", "2", "3"}) {
    const CliRun run = RunCli(std::string("new --units ") + units + " --json -");
    EXPECT_EQ(run.status, 0);
    const fs::path expected =
        SourcePath(std::string("tests/data/cli/new-units-") + units + ".json");
    EXPECT_EQ(run.out, ExpectedText(expected, run.out)) << units;
  }
}

TEST(CliTest, OpenAndSaveGivesTheSameBytes) {
  for (const char* name :
       {"cmu-bearing-wall.cxl", "ibc-strength-wall.cxl", "metric-retaining-wall.cxl"}) {
    TempFolder folder;
    JsonOf("open " + Quoted(Example(name)) + " --save " + Quoted(folder / "s.cxl"));
    EXPECT_EQ(ReadBytes(folder / "s.cxl"), ReadBytes(Example(name))) << name;
  }
}

// Values of the documents worked by hand (tests/data/cli/hand-worked-values.json
// shows the arithmetic); "examples/" names the shipped examples.
TEST(CliTest, HandWorkedValuesOfTheDocuments) {
  const json cases = json::parse(ReadBytes(SourcePath("tests/data/cli/hand-worked-values.json")));
  std::map<std::string, json> documents;
  for (const json& c : cases) {
    std::string arguments = c["arguments"];
    if (const auto at = arguments.find("examples/"); at != std::string::npos) {
      arguments.replace(at, 9, SourcePath("examples").string() + "/");
    }
    if (!documents.count(arguments)) documents[arguments] = JsonOf(arguments);
    const json& actual = documents[arguments].at(json::json_pointer(c["pointer"]));
    SCOPED_TRACE(c["why"].get<std::string>());
    if (c["tolerance"] > 0) {
      EXPECT_NEAR(actual.get<double>(), c["expected"].get<double>(), c["tolerance"].get<double>());
    } else {
      EXPECT_EQ(actual, c["expected"]) << arguments << " " << c["pointer"];
    }
  }
}

// Usage errors, unreadable files and unwritable targets exit with 2.
TEST(CliTest, UsageErrorsExitWithTwo) {
  TempFolder folder;
  WriteBytes(folder / "junk.cxl", "not a project\r\n");
  const fs::path missing = folder / "missing" / "out";
  for (const char* arguments : {"frobnicate", "new --units 4", "solve"}) {
    EXPECT_EQ(RunCli(arguments).status, 2) << arguments;
  }
  EXPECT_EQ(RunCli("new --data-dir " + Quoted(folder.path())).status, 2);
  EXPECT_EQ(RunCli("new --json " + Quoted(missing)).status, 2);
  const std::string missingFile = (folder / "missing.cxl").string(),
                    junk = (folder / "junk.cxl").string();
  const std::string unreadable =
      "Error: The file, " + junk +
      ", is not a readable Calvix file.\rLine 1: the line is not a text, "
      "number or flag item.";
  const std::vector<std::pair<std::string, std::string>> cases{
      {"open " + Quoted(missingFile), "Error: The file, " + missingFile + ", could not be opened"},
      {"open " + Quoted(junk), unreadable},
      {"solve " + Quoted(junk), unreadable},
      {"open " + Quoted(Example("cmu-bearing-wall.cxl")) + " --save " + Quoted(missing),
       "Error: The file, " + missing.string() + ", could not be saved"},
  };
  for (const auto& [arguments, text] : cases) {
    const json doc = JsonOf(arguments, 2);
    ASSERT_EQ(doc["messages"].size(), 1u) << arguments;
    EXPECT_EQ(doc["messages"][0]["title"], "File Error") << arguments;
    EXPECT_EQ(doc["messages"][0]["text"], text) << arguments;
  }
}

// A shipped example with some lines of its project file replaced (numbered
// from 1; the file keeps its CRLF endings).
fs::path EditedExample(const TempFolder& folder, const std::string& name, const json& lines) {
  std::istringstream in(ReadBytes(Example(name)));
  std::string out;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string key = std::to_string(number);
    out += (lines.contains(key) ? lines[key].get<std::string>() + "\r" : line) + "\n";
  }
  WriteBytes(folder / name, out);
  return folder / name;
}

// A failed validation and every design failure code, on a wall built from a
// shipped example to trigger it (tests/data/cli/design-failures.json says
// why): exit status 1, the one message, the problem not designed and no
// report written.
// Lines of the project file: 8 running bond, 15-19 the selected
// combinations, 33 wall height, 34 thickness, 35 steel depth, 39 strip
// width, 40 wall weight, 41-43 roof dead, live and eccentricity, 50 Ss, 61
// unit length, 62 face shell, 64 Fy, 73/75 partial / solid grout, 74/76 one /
// two layers, 77-80 first wind row, 98 axial load in Mcr.
TEST(CliTest, EachDesignFailureCodeExitsWithOneAndShowsItsMessage) {
  const json cases = json::parse(ReadBytes(SourcePath("tests/data/cli/design-failures.json")));
  ASSERT_EQ(cases.size(), 13u);
  for (const json& c : cases) {
    SCOPED_TRACE(c["name"].get<std::string>());
    TempFolder folder;
    const fs::path file = EditedExample(folder, c["example"], c["lines"]);
    const json doc = JsonOf("solve " + Quoted(file) + " --report " + Quoted(folder / "r.txt") +
                                (c["unreinforced"] ? " --unreinforced" : ""),
                            1);
    EXPECT_EQ(doc["validation_ok"], c["validation_ok"]);
    EXPECT_EQ(doc.contains("analysis"), c["validation_ok"]);
    EXPECT_FALSE(doc.contains("report") || fs::exists(folder / "r.txt"));  // no report written
    EXPECT_EQ(doc["error_code"], c["code"]);
    ASSERT_EQ(doc["messages"].size(), 1u);
    EXPECT_EQ(doc["messages"][0]["title"], "Error Message");
    EXPECT_EQ(doc["messages"][0]["text"], c["message"]);
    EXPECT_EQ(doc["entry"]["Designed"], false);
  }
}

std::vector<fs::path> Examples() {
  std::vector<fs::path> examples;
  for (const auto& entry : fs::directory_iterator(SourcePath("examples"))) {
    if (entry.path().extension() == ".cxl") examples.push_back(entry.path());
  }
  std::sort(examples.begin(), examples.end());
  return examples;
}

fs::path ReportOf(const fs::path& cxl) {
  return fs::path(cxl).replace_extension(".txt");
}

// An example whose name holds "-unreinforced" is designed as an unreinforced
// wall; every other one as a reinforced wall.
std::string SolveArguments(const fs::path& cxl) {
  const bool unreinforced = cxl.stem().string().find("-unreinforced") != std::string::npos;
  return "solve " + Quoted(cxl) + (unreinforced ? " --unreinforced" : "");
}

// The report without the time and date of its page headers: "TIME: hh:mm AM"
// keeps its width (the header fill depends on it), the date line loses its
// date.
std::string WithoutStamp(std::string report) {
  for (std::size_t at = 0; (at = report.find("      TIME: ", at)) != std::string::npos; ++at) {
    report.replace(at + 12, 8, "hh:mm XM");
  }
  for (std::size_t at = 0; (at = report.find("      DATE: ", at)) != std::string::npos; ++at) {
    report.erase(at + 12, report.find('\r', at) - at - 12);
  }
  return report;
}

TEST(CliReportTest, EveryExampleReportMatchesItsCheckedInReport) {
  TempFolder folder;
  int compared = 0;
  for (const fs::path& cxl : Examples()) {
    if (!fs::exists(ReportOf(cxl))) continue;
    SCOPED_TRACE(cxl.filename().string());
    const fs::path out = folder / (cxl.stem().string() + ".txt");
    const CliRun run = RunCli(SolveArguments(cxl) + " --report " + Quoted(out) + " --json -");
    ASSERT_EQ(run.status, 0);
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["report"], out.string());
    EXPECT_EQ(doc["messages"].back()["title"], "Print to File");
    EXPECT_EQ(doc["messages"].back()["text"], "Report written to " + out.string());
    const std::string actual = ReadBytes(out);
    EXPECT_EQ(WithoutStamp(actual), WithoutStamp(ExpectedText(ReportOf(cxl), actual)));
    // UTF-8 text with CR LF line ends.
    EXPECT_EQ(actual.find("\r\n"), actual.find('\n') - 1);
    ++compared;
  }
  EXPECT_GE(compared, 14);
}

// The whole JSON document of every example, byte for byte.
TEST(CliReportTest, EveryExampleSolveDocumentMatchesItsCheckedInCopy) {
  for (const fs::path& cxl : Examples()) {
    SCOPED_TRACE(cxl.filename().string());
    const CliRun run = RunCli(SolveArguments(cxl) + " --json -");
    const fs::path expected = SourcePath("tests/data/cli/" + cxl.stem().string() + ".json");
    EXPECT_EQ(run.out, ExpectedText(expected, run.out));
    const json doc = json::parse(run.out);
    EXPECT_EQ(run.status, doc["entry"]["Designed"].get<bool>() ? 0 : 1);
  }
}

// The warehouse with a parapet and all five load combinations for both parts,
// with a long project description: its report is longer than the old
// 63000-character file buffer and must be written whole.
TEST(CliReportTest, AReportLongerThanTheOldBufferIsWrittenWhole) {
  TempFolder folder;
  std::string project = ReadBytes(Example("warehouse-parapet-all-cases.cxl"));
  const std::string name = "\"Distribution warehouse\"";
  const std::size_t at = project.find(name);
  ASSERT_NE(at, std::string::npos);
  project.replace(at, name.size(), "\"" + std::string(600, 'D') + "\"");
  WriteBytes(folder / "long.cxl", project);
  const fs::path out = folder / "long.txt";
  ASSERT_EQ(RunCli("solve " + Quoted(folder / "long.cxl") + " --report " + Quoted(out)).status, 0);
  const std::string report = ReadBytes(out);
  EXPECT_GT(report.size(), 63000u);
  // It ends with the last line of the parapet's fifth combination.
  EXPECT_GT(report.rfind("LOAD COMBINATION :  0.9*DL+1*E"),
            report.rfind("DETAILED RESULTS FOR PARAPET:"));
  const std::string tail = report.substr(report.rfind('\n') + 1);
  EXPECT_EQ(tail.rfind("      Allowable Steel Stress,               Fs = ", 0), 0u) << tail;
  EXPECT_EQ(tail.back(), 'i');  // "... ksi": the file ends at its last character
}

// A report that cannot be written exits with 2 naming the path; an existing
// file stays as it was and no report is announced.
TEST(CliReportTest, AnUnwritableReportIsReportedWithItsPath) {
  TempFolder folder;
  const fs::path readOnly = folder / "report.txt";
  WriteBytes(readOnly, "an earlier report\r\n");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  for (const fs::path& out : {folder / "missing" / "report.txt", readOnly}) {
    const CliRun run = RunCli("solve " + Quoted(Example("cmu-bearing-wall.cxl")) + " --report " +
                              Quoted(out) + " --json -");
    EXPECT_EQ(run.status, 2);
    const json doc = json::parse(run.out);
    EXPECT_FALSE(doc.contains("report"));
    ASSERT_EQ(doc["messages"].size(), 1u);
    EXPECT_EQ(doc["messages"][0]["title"], "Error");
    EXPECT_EQ(doc["messages"][0]["text"],
              "A Path/File access (" + out.string() +
                  ") error (Error # 75) has occurred.\rThe error occurred in routine  \"End "
                  "Document\" of form  \"Print Routines Module\".\r\rPlease Report this error to "
                  "Orvane Corporation.");
  }
  EXPECT_EQ(ReadBytes(readOnly), "an earlier report\r\n");
  // Nothing else is left behind: no folder, no temporary file.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace calvix
