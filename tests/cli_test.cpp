// calvix-cli as a user runs it: the shipped examples, the JSON document and
// the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "model/program_version.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

using nlohmann::json;
using testing::ReadBytes;
using testing::TempFolder;

struct CliRun {
  int status = -1;
  std::string out;
};

CliRun RunCli(const std::string& arguments) {
  std::string command = std::string(CALVIX_CLI) + " " + arguments + " 2>/dev/null";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

std::string Example(const std::string& name) {
  return std::string(CALVIX_SOURCE_DIR) + "/examples/" + name;
}

json JsonOf(const CliRun& run) {
  return json::parse(run.out);
}

TEST(CliTest, VersionShowsTheProjectVersionAndBuildDate) {
  CliRun run = RunCli("--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "calvix-cli " + std::string(CALVIX_VERSION) + " (built " + BuildDate() + ")\n");
  EXPECT_EQ(BuildDate().size(), 10u);
}

TEST(CliTest, CompilerDatesBecomeIsoDates) {
  EXPECT_EQ(IsoDateFromCompilerDate("Dec  7 2026"), "2026-12-07");
  EXPECT_EQ(IsoDateFromCompilerDate("Jan 31 2027"), "2027-01-31");
  EXPECT_EQ(IsoDateFromCompilerDate("??? ?? ????"), "??? ?? ????");
}

TEST(CliTest, NewPrintsTheDefaultProblemOfEachUnitSystem) {
  CliRun us = RunCli("new --json -");
  ASSERT_EQ(us.status, 0);
  json doc = JsonOf(us);
  EXPECT_EQ(doc["units_type"], 1);
  EXPECT_EQ(doc["entry"]["fields"][20], "1500.00");
  EXPECT_EQ(doc["bars"].size(), 7u);
  EXPECT_EQ(doc["bars"][2]["name"], "#5");
  EXPECT_FALSE(doc.contains("working"));

  // S.I.: f'm 1500 psi = 10.342 MPa; MKS: 105.46 Kg/cm² (masonry data computed).
  json si = JsonOf(RunCli("new --units 2 --json -"));
  EXPECT_EQ(si["units_type"], 2);
  EXPECT_EQ(si["entry"]["fields"][20], "10.342");
  EXPECT_EQ(si["bars"][0]["name"], "10M");
  json mks = JsonOf(RunCli("new --units 3 --json -"));
  EXPECT_EQ(mks["units_type"], 3);
  EXPECT_EQ(mks["entry"]["fields"][20], "105.46");
  EXPECT_EQ(mks["entry"]["fields"][29], "19.0");  // 0.75 in face shell in whole millimetres
}

TEST(CliTest, OpenAndSaveGivesTheSameBytes) {
  for (const char* name :
       {"cmu-bearing-wall.cxl", "ibc-strength-wall.cxl", "metric-retaining-wall.cxl"}) {
    TempFolder folder;
    auto saved = folder / "saved.cxl";
    CliRun run = RunCli("open " + Example(name) + " --save " + saved.string() + " --json -");
    ASSERT_EQ(run.status, 0) << name;
    EXPECT_EQ(ReadBytes(saved), ReadBytes(Example(name))) << name;
    EXPECT_TRUE(JsonOf(run).contains("working")) << name;
  }
}

TEST(CliTest, WorkingFormOfTheBearingWall) {
  json doc = JsonOf(RunCli("open " + Example("cmu-bearing-wall.cxl") + " --json -"));
  const json& w = doc["working"];
  EXPECT_EQ(w["WallHeight"], 16.0);
  EXPECT_EQ(w["WallSteelDepth"], 3.81299996);  // 3.813 in single precision
  // Class C at Ss = 0.5 g: Fa = 1.2, SDS = 2/3 x 1.2 x 0.5 = 0.4 -> category C for group I.
  EXPECT_EQ(w["SeismicCategory"], "Category C");
  EXPECT_EQ(w["Ip"], 1.0);
  EXPECT_EQ(w["SpacingModule"], 8.0);  // half a 16 in unit
  EXPECT_EQ(w["WindType"], json::array({"W"}));
  EXPECT_EQ(w["WindEnd"][0], 19.0);
  EXPECT_EQ(w["FmPrime"], 1500.0);
  EXPECT_EQ(doc["entry"]["LoadFactors"][10], 0.899999976);  // ACI 0.9 D as a single
}

TEST(CliTest, EarlierFormatOpensWithTheDefaultS1ClassAndMcrOption) {
  json doc = JsonOf(RunCli("open " + Example("earlier-format-wall.cxl") + " --json -"));
  EXPECT_EQ(doc["entry"]["S1Class"], "< 0.75 g");
  EXPECT_EQ(doc["entry"]["UseAxialMcr"], false);
  // Rows 1 and 3 carry a type: three rows, the middle one with an empty type.
  EXPECT_EQ(doc["working"]["WindType"], json::array({"W", "", "H"}));
  EXPECT_EQ(doc["working"]["WindMagnitude"][2], 100.0);
  // Class B at 0.5 g: Fa = 1.0, SDS = 2/3 x 0.5 = 0.333, in the 0.33-0.5 band.
  EXPECT_EQ(doc["working"]["SeismicCategory"], "Category C");
}

TEST(CliTest, AMetricFileSwitchesTheUnitSystemWithoutConverting) {
  json doc = JsonOf(RunCli("open " + Example("metric-retaining-wall.cxl") + " --json -"));
  EXPECT_EQ(doc["units_type"], 2);
  EXPECT_EQ(doc["entry"]["fields"][1], "200.0");
  EXPECT_EQ(doc["working"]["WallThickness"], 7.87401581);  // 200 / 25.4 in single precision
  EXPECT_EQ(doc["bars"].size(), 6u);
}

TEST(CliTest, FailuresExitWithTwo) {
  TempFolder folder;
  EXPECT_EQ(RunCli("open " + (folder / "missing.cxl").string()).status, 2);
  testing::WriteBytes(folder / "junk.cxl", "not a project\r\n");
  CliRun junk = RunCli("open " + (folder / "junk.cxl").string() + " --json -");
  EXPECT_EQ(junk.status, 2);
  EXPECT_EQ(JsonOf(junk)["messages"][0]["title"], "File Error");
  EXPECT_EQ(RunCli("new --data-dir " + folder.path().string()).status, 2);
  EXPECT_EQ(RunCli("frobnicate").status, 2);
  EXPECT_EQ(RunCli("new --units 4").status, 2);
}

}  // namespace
}  // namespace calvix

namespace calvix {
namespace {

// The solve command on the examples of the three methods: validation, the
// seismic loads and the analysis tables in working units.
TEST(CliSolveTest, ReportsValidationSeismicAndAnalysis) {
  json aci = JsonOf(RunCli("solve " + Example("cmu-bearing-wall.cxl") + " --json -"));
  EXPECT_EQ(aci["validation_ok"], true);
  // Class C, Ss 50 %: SDS = 0.4; w = 55 psf; wall 1620.1.7: 0.4 x 0.4 x 55 = 8.8 psf, x 48/12
  // = 35.2 lb/ft. Parapet 1621.1.4 with z/h = 0.5: (2 x 0.5 + 1) x 0.4 x 55 / 2.5 = 17.6 psf,
  // x 4 = 70.4 lb/ft.
  EXPECT_EQ(aci["seismic"]["SeismicLoad"], json::array({35.2000008, 70.4000015}));
  EXPECT_EQ(aci["seismic"]["SeismicMinGoverns"], false);
  const json& moment = aci["analysis"]["CombMoment"];
  ASSERT_EQ(moment.size(), 2u);
  ASSERT_EQ(moment[0].size(), 5u);
  ASSERT_EQ(moment[0][0].size(), 11u);
  // Combination 1 at the top: -(800 + 400 plf) x 4 in / 12 x 48/12 = -1600 ft-lb, falling
  // linearly to 0 at the pinned base.
  EXPECT_EQ(moment[0][0][0], -1600.0);
  EXPECT_EQ(moment[0][0][5], -800.0);
  EXPECT_EQ(moment[0][0][10], 0.0);
  EXPECT_FALSE(aci["analysis"].contains("FactoredMoment"));

  json strength = JsonOf(RunCli("solve " + Example("ibc-strength-wall.cxl") + " --json -"));
  EXPECT_EQ(strength["validation_ok"], true);
  EXPECT_TRUE(strength["analysis"].contains("FactoredMoment"));
  EXPECT_TRUE(strength["analysis"].contains("ServiceDeflection"));

  json metric = JsonOf(RunCli("solve " + Example("metric-retaining-wall.cxl") + " --json -"));
  EXPECT_EQ(metric["validation_ok"], true);
  EXPECT_EQ(metric["units_type"], 2);
}

TEST(CliSolveTest, ValidationFailureExitsWithOneAndShowsTheMessage) {
  TempFolder folder;
  std::string bytes = ReadBytes(Example("cmu-bearing-wall.cxl"));
  // Field 6 (design strip width) is line 39: a zero strip width.
  bytes.replace(bytes.find("\"48.00\""), 7, "\"0.00\"");
  testing::WriteBytes(folder / "zero-strip.cxl", bytes);
  CliRun run = RunCli("solve " + (folder / "zero-strip.cxl").string() + " --json -");
  EXPECT_EQ(run.status, 1);
  json doc = JsonOf(run);
  EXPECT_EQ(doc["validation_ok"], false);
  EXPECT_FALSE(doc.contains("analysis"));
  ASSERT_FALSE(doc["messages"].empty());
  EXPECT_EQ(doc["messages"].back()["title"], "Error Message");
  EXPECT_EQ(doc["messages"].back()["text"],
            "Wall Width must be greater than zero.\rPlease enter a value and solve again.");
}

}  // namespace
}  // namespace calvix
