// calvix-cli solve --report: the text reports of the shipped examples against
// their checked-in copies, what the examples cover, a report longer than the
// old 63000-character buffer, and failed writes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct CliRun {
  int status = -1;
  std::string out;
};

CliRun RunCli(const std::string& arguments) {
  const std::string command = std::string(CALVIX_CLI) + " " + arguments + " 2>/dev/null";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

fs::path ExamplesFolder() {
  return fs::path(CALVIX_SOURCE_DIR) / "examples";
}

// An example whose name ends in "-unreinforced" is designed as an
// unreinforced wall; every other one as a reinforced wall.
bool UnreinforcedExample(const fs::path& cxl) {
  const std::string stem = cxl.stem().string();
  const std::string tag = "-unreinforced";
  return stem.find(tag) != std::string::npos;
}

// The examples that have a checked-in report next to them.
std::vector<fs::path> ExamplesWithReports() {
  std::vector<fs::path> examples;
  for (const auto& entry : fs::directory_iterator(ExamplesFolder())) {
    const fs::path& path = entry.path();
    if (path.extension() == ".cxl" && fs::exists(fs::path(path).replace_extension(".txt"))) {
      examples.push_back(path);
    }
  }
  std::sort(examples.begin(), examples.end());
  return examples;
}

// The report without the time and date of its page headers: "TIME: hh:mm AM"
// keeps its width (the header fill depends on it), the date line loses its
// date.
std::string WithoutStamp(const std::string& report) {
  std::string out;
  std::size_t start = 0;
  while (start < report.size()) {
    std::size_t end = report.find('\n', start);
    if (end == std::string::npos) end = report.size();
    std::string line = report.substr(start, end - start);
    const std::size_t time = line.find("TIME: ");
    if (time == 6 && line.size() >= time + 14) line.replace(time + 6, 8, "hh:mm XM");
    const std::size_t date = line.find("DATE: ");
    if (date == 6) line = line.substr(0, date + 6) + "<date>\r";
    out += line;
    if (end < report.size()) out += '\n';
    start = end + 1;
  }
  return out;
}

std::string SolveArguments(const fs::path& cxl) {
  return "solve " + Quoted(cxl) + (UnreinforcedExample(cxl) ? " --unreinforced" : "");
}

TEST(CliReportTest, EveryExampleReportMatchesItsCheckedInReport) {
  const auto examples = ExamplesWithReports();
  ASSERT_GE(examples.size(), 12u);
  TempFolder folder;
  for (const fs::path& cxl : examples) {
    SCOPED_TRACE(cxl.filename().string());
    const fs::path out = folder / (cxl.stem().string() + ".txt");
    const CliRun run = RunCli(SolveArguments(cxl) + " --report " + Quoted(out) + " --json -");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(json::parse(run.out)["report"], out.string());
    const fs::path checkedIn = fs::path(cxl).replace_extension(".txt");
    const std::string actual = ReadBytes(out);
    // After a deliberate change of the design or report code the checked-in
    // reports are renewed by running this test with
    // CALVIX_UPDATE_EXAMPLE_REPORTS=1 (then read them before committing).
    if (std::getenv("CALVIX_UPDATE_EXAMPLE_REPORTS") != nullptr) WriteBytes(checkedIn, actual);
    const std::string expected = ReadBytes(checkedIn);
    EXPECT_EQ(WithoutStamp(actual), WithoutStamp(expected));
    // UTF-8 text with CR LF line ends, without the control marks.
    EXPECT_EQ(actual.find("\xC2\x80"), std::string::npos);
    EXPECT_EQ(actual.find("\xC2\x82"), std::string::npos);
    EXPECT_EQ(actual.find("\r\n"), actual.find('\n') - 1);
  }
}

TEST(CliReportTest, TheExamplesCoverEveryMethodMaterialSupportAndUnitSystem) {
  std::set<std::string> seen;
  for (const fs::path& cxl : ExamplesWithReports()) {
    const CliRun run = RunCli(SolveArguments(cxl) + " --json -");
    ASSERT_EQ(run.status, 0) << cxl;
    const json doc = json::parse(run.out);
    const json& e = doc["entry"];
    const json& w = doc["working"];
    const std::string method = e["DesignMethod"];
    seen.insert(method + (method != "IBC-S" && UnreinforcedExample(cxl) ? " unreinforced" : ""));
    seen.insert(e["MasonryMaterial"].get<std::string>());
    seen.insert("units " + std::to_string(doc["units_type"].get<int>()));
    seen.insert(e["Cantilever"].get<bool>() ? "cantilever" : e["SupportType"].get<std::string>());
    seen.insert(w["SeismicCategory"].get<std::string>());
    if (w["ParapetHeight"].get<double>() > 0) seen.insert("parapet");
    if (w["TwoLayers"].get<bool>()) seen.insert("two layers");
    if (!w["SolidGrouted"].get<bool>()) seen.insert("partial grout");
    if (w["EFP"].get<double>() > 0) seen.insert("EFP");
    if (w["FloorEccentricity"].get<double>() != 0) seen.insert("eccentric floor load");
    if (w["AddDead"].get<double>() > 0 && w["AddEccentricity"].get<double>() != 0) {
      seen.insert("eccentric additional load");
    }
    for (const auto& type : w["WindType"]) seen.insert("wind " + type.get<std::string>());
  }
  for (const char* wanted : {"ACI",
                             "ACI unreinforced",
                             "IBC-W",
                             "IBC-W unreinforced",
                             "IBC-S",
                             "CMU",
                             "Clay",
                             "Brick",
                             "units 1",
                             "units 2",
                             "units 3",
                             "Pinned",
                             "Fixed",
                             "Partially Fixed",
                             "cantilever",
                             "Category A",
                             "Category B",
                             "Category C",
                             "Category D",
                             "Category E",
                             "Category F",
                             "parapet",
                             "two layers",
                             "partial grout",
                             "EFP",
                             "eccentric floor load",
                             "eccentric additional load",
                             "wind W",
                             "wind H"}) {
    EXPECT_TRUE(seen.count(wanted)) << wanted;
  }
}

// The warehouse with a parapet and all five load combinations for both parts,
// with a long project description: its report is longer than the old
// 63000-character file buffer and must be written whole.
TEST(CliReportTest, AReportLongerThanTheOldBufferIsWrittenWhole) {
  TempFolder folder;
  std::string project = ReadBytes(ExamplesFolder() / "warehouse-parapet-all-cases.cxl");
  const std::string name = "\"Distribution warehouse\"";
  const std::size_t at = project.find(name);
  ASSERT_NE(at, std::string::npos);
  std::string longName = "Distribution warehouse";
  while (longName.size() < 600) longName += ", dock side walls with parapets, grids 1 to 12";
  project.replace(at, name.size(), "\"" + longName + "\"");
  const fs::path cxl = folder / "long.cxl";
  WriteBytes(cxl, project);
  const fs::path out = folder / "long.txt";

  const CliRun run = RunCli("solve " + Quoted(cxl) + " --report " + Quoted(out));
  ASSERT_EQ(run.status, 0);
  const std::string report = ReadBytes(out);
  EXPECT_GT(report.size(), 63000u);
  std::size_t parapetPages = 0;
  for (std::size_t p = 0;
       (p = report.find("DETAILED RESULTS FOR PARAPET:", p)) != std::string::npos; ++p) {
    ++parapetPages;
  }
  EXPECT_EQ(parapetPages, 5u);
  // The last line of the report is that of the parapet's fifth combination.
  const std::size_t lastCombination = report.rfind("LOAD COMBINATION :  0.9*DL+1*E");
  ASSERT_NE(lastCombination, std::string::npos);
  EXPECT_GT(lastCombination, report.rfind("DETAILED RESULTS FOR PARAPET:"));
  const std::string tail = report.substr(report.rfind('\n') + 1);
  EXPECT_EQ(tail.rfind("      Allowable Steel Stress,               Fs = ", 0), 0u) << tail;
  EXPECT_EQ(tail.back(), 'i');  // "... ksi": the file ends at its last character
}

TEST(CliReportTest, AReportIntoAMissingFolderFailsAndWritesNothing) {
  TempFolder folder;
  const fs::path out = folder / "missing" / "report.txt";
  const CliRun run = RunCli("solve " + Quoted(ExamplesFolder() / "cmu-bearing-wall.cxl") +
                            " --report " + Quoted(out) + " --json -");
  EXPECT_NE(run.status, 0);
  EXPECT_FALSE(fs::exists(out));
  const json doc = json::parse(run.out);
  EXPECT_FALSE(doc.contains("report"));
  ASSERT_FALSE(doc["messages"].empty());
  EXPECT_EQ(doc["messages"].back()["title"], "Error");
  const std::string text = doc["messages"].back()["text"];
  EXPECT_NE(text.find("\"End Document\""), std::string::npos) << text;
}

TEST(CliReportTest, AReadOnlyReportIsLeftAsItWas) {
  TempFolder folder;
  const fs::path out = folder / "report.txt";
  WriteBytes(out, "an earlier report\r\n");
  ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
  const CliRun run = RunCli("solve " + Quoted(ExamplesFolder() / "cmu-bearing-wall.cxl") +
                            " --report " + Quoted(out) + " --json -");
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(ReadBytes(out), "an earlier report\r\n");
  EXPECT_FALSE(json::parse(run.out).contains("report"));
}

TEST(CliReportTest, AProblemThatDoesNotDesignWritesNoReport) {
  TempFolder folder;
  const fs::path out = folder / "report.txt";
  // An 8 in wall cannot retain 8 ft of soil at 36 pcf: failure code 8.
  const CliRun run = RunCli("solve " + Quoted(ExamplesFolder() / "metric-retaining-wall.cxl") +
                            " --report " + Quoted(out) + " --json -");
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_FALSE(json::parse(run.out).contains("report"));
}

}  // namespace
}  // namespace calvix
