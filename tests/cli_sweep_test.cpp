// calvix-cli sweep: the ranked walls in JSON and CSV, the best wall saved as a
// project file that designs alone, and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "files/file_commands.h"
#include "support/started_session.h"

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

std::string Example(const std::string& name) {
  return std::string(CALVIX_SOURCE_DIR) + "/examples/" + name;
}

TEST(CliSweepTest, TheDefaultSweepRanksTheCheapestWallsFirst) {
  const CliRun run = RunCli("sweep " + Example("cmu-bearing-wall.cxl") + " --json -");
  ASSERT_EQ(run.status, 0);
  const json document = json::parse(run.out);
  const json& sweep = document["sweep"];
  EXPECT_EQ(document["validation_ok"], true);
  EXPECT_EQ(sweep["free"], json({"thickness", "grout", "layers", "bars"}));
  EXPECT_EQ(sweep["walls"], 24);  // 6 CMU sizes, 2 groutings, 2 layers
  EXPECT_EQ(sweep["solved"], 24);
  ASSERT_EQ(sweep["candidates"].size(), 10u);
  EXPECT_GE(sweep["passing"].get<int>(), 10);
  EXPECT_TRUE(sweep["closest"].is_null());
  for (std::size_t i = 1; i < sweep["candidates"].size(); ++i) {
    EXPECT_LE(sweep["candidates"][i - 1]["cost"].get<double>(),
              sweep["candidates"][i]["cost"].get<double>());
    EXPECT_LT(sweep["candidates"][i]["ratio"].get<double>(), 1.0);
  }
}

TEST(CliSweepTest, TheBestWallSavedAloneDesignsWithTheSameBar) {
  TempFolder folder;
  const std::string best = (folder / "best.cxl").string();
  const std::string csv = (folder / "best.csv").string();
  const CliRun run =
      RunCli("sweep " + Example("retail-parapet-wall-si.cxl") +
             " --free thickness,grout,bars --top 1 --json - --csv " + csv + " --save-best " + best);
  ASSERT_EQ(run.status, 0);
  const json top = json::parse(run.out)["sweep"]["candidates"][0];
  std::istringstream lines(ReadBytes(csv));
  std::string header, row, extra;
  std::getline(lines, header);
  std::getline(lines, row);
  EXPECT_FALSE(std::getline(lines, extra));
  EXPECT_EQ(header,
            "rank,WallThickness,UnitStrength,SolidGrouted,TwoLayers,bar,BarSpacing,parapet_bar,"
            "ParapetBarSpacing,cost,weight,check,check_part,ratio");
  EXPECT_EQ(row.rfind("1," + top["WallThickness"].dump() + ",", 0), 0u) << row;

  const CliRun solved = RunCli("solve " + best + " --json -");
  ASSERT_EQ(solved.status, 0);
  const json alone = json::parse(solved.out);
  EXPECT_EQ(alone["working"]["SolidGrouted"], top["SolidGrouted"]);
  const json& bars = alone["bars"];
  std::size_t bar = 0;
  while (bar < bars.size() && bars[bar]["name"] != top["bar"]) ++bar;
  ASSERT_LT(bar, bars.size());
  EXPECT_EQ(alone["design"]["BarSpacing"][0][bar], top["BarSpacing"]);
}

TEST(CliSweepTest, NothingPassingExitsOneWithTheClosestWall) {
  TempFolder folder;
  testing::StartedSession started;
  ASSERT_TRUE(OpenFileAt(started.session, Example("cmu-bearing-wall.cxl")));
  started.entry().Fields[kEfpField] = "100";
  started.entry().Fields[kEfpXField] = "16";
  started.platform.files.push_back(folder / "hopeless.cxl");
  ASSERT_TRUE(SaveFileAs(started.session));
  const CliRun run =
      RunCli("sweep " + (folder / "hopeless.cxl").string() + " --free grout --json -");
  ASSERT_EQ(run.status, 1);
  const json document = json::parse(run.out);
  EXPECT_EQ(document["sweep"]["passing"], 0);
  EXPECT_FALSE(document["sweep"]["closest"].is_null());
  ASSERT_EQ(document["messages"].size(), 1u);
  EXPECT_EQ(document["messages"][0]["title"], "Design Sweep");
  EXPECT_EQ(document["messages"][0]["text"].get<std::string>().rfind(
                "No wall of the sweep passes (2 of 2 walls solved).\r\r", 0),
            0u);
}

TEST(CliSweepTest, UsageAndFileErrorsExitTwo) {
  EXPECT_EQ(RunCli("sweep " + Example("cmu-bearing-wall.cxl") + " --free thickness,colour").status,
            2);
  EXPECT_EQ(RunCli("sweep /no/such/wall.cxl").status, 2);
  EXPECT_EQ(RunCli("sweep " + Example("cmu-bearing-wall.cxl") + " --costs /no/such.tsv").status, 2);
}

}  // namespace
}  // namespace calvix
