// The bar size limits of IBC 2000 2107.2.4 (working stress) and 2108.9.2.1
// (strength): the design decides once which bars a part may take, and no bar
// above the limit is offered by calvix-cli's document or report, in any unit
// system and under both methods that set a limit.
#include "design/bar_size_limit.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/temp_folder.h"

namespace calvix {
namespace {

using nlohmann::json;
using testing::TempFolder;

std::string Clause(const std::string& method) {
  return method == "IBC-W" ? "IBC 2000 2107.2.4" : "IBC 2000 2108.9.2.1";
}

TEST(BarSizeLimitTest, LargestBarByNominalThicknessUnitSystemAndMethod) {
  const struct {
    const char* method;
    float thickness;
    int units;
    const char* largest;  // "" = no limit
  } cases[] = {{"IBC-W", 4.0f, 1, "#4"},   {"IBC-W", 4.01f, 1, "#6"}, {"IBC-S", 6.0f, 1, "#6"},
               {"IBC-S", 8.0f, 1, "#8"},   {"IBC-W", 8.01f, 1, ""},   {"IBC-S", 10.0f, 1, ""},
               {"IBC-W", 4.0f, 2, "10M"},  {"IBC-S", 6.0f, 3, "15M"}, {"IBC-W", 7.874f, 2, "25M"},
               {"IBC-S", 10.0f, 3, "30M"}, {"IBC-W", 10.01f, 2, ""},  {"IBC-S", 11.811f, 2, ""},
               {"ACI", 4.0f, 1, ""}};
  for (const auto& c : cases) {
    const BarSizeLimit limit = BarSizeLimitFor(c.method, c.thickness, c.units);
    EXPECT_EQ(limit.Limits() ? limit.largest : "", c.largest) << c.method << " " << c.thickness;
    if (limit.Limits()) {
      EXPECT_EQ(limit.clause, Clause(c.method));
    }
  }
  // Rows after the largest permitted bar are not permitted.
  const std::vector<Bar> bars{{"10M", 0, 0}, {"15M", 0, 0}, {"20M", 0, 0},
                              {"25M", 0, 0}, {"30M", 0, 0}, {"35M", 0, 0}};
  EXPECT_EQ(PermittedBars(bars, {"IBC 2000 2107.2.4", "25M"}),
            (std::vector<bool>{true, true, true, true, false, false}));
  EXPECT_EQ(PermittedBars(bars, {"IBC 2000 2107.2.4", "10M"}),
            (std::vector<bool>{true, false, false, false, false, false}));
  EXPECT_EQ(PermittedBars(bars, {}), std::vector<bool>(6, true));
}

struct CliRun {
  int status = -1;
  json document;
  std::string report;
};

CliRun SolveWithReport(const std::string& file, const TempFolder& folder) {
  const auto report = folder / "report.txt";
  std::string command = std::string(CALVIX_CLI) + " solve " + file + " --report " +
                        report.string() + " --json - 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  int raw = pclose(pipe);
  CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, json::parse(out), ""};
  if (run.status == 0) run.report = testing::ReadBytes(report);
  return run;
}

// A shipped example with its design method (line 5) replaced.
std::string WithMethod(const TempFolder& folder, const std::string& name,
                       const std::string& method) {
  std::istringstream in(testing::ReadBytes(std::string(CALVIX_SOURCE_DIR) + "/examples/" + name));
  std::string out;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    out += (number == 5 ? "\"" + method + "\"\r" : line) + "\n";
  }
  auto path = folder / (method + "-" + name);
  testing::WriteBytes(path, out);
  return path.string();
}

TEST(BarSizeLimitTest, NoBarAboveTheLimitIsOfferedInAnyUnitSystemOrMethod) {
  struct Case {
    const char* example;  // 8 in or 200 mm nominal main wall
    const char* largest;
  };
  const Case cases[] = {{"cmu-bearing-wall.cxl", "#8"},
                        {"retail-parapet-wall-si.cxl", "25M"},
                        {"school-gym-parapet-mks.cxl", "25M"}};
  for (const Case& c : cases) {
    for (const char* method : {"IBC-W", "IBC-S"}) {
      SCOPED_TRACE(std::string(c.example) + " " + method);
      TempFolder folder;
      CliRun run = SolveWithReport(WithMethod(folder, c.example, method), folder);
      ASSERT_EQ(run.status, 0);
      const json& design = run.document["design"];
      EXPECT_EQ(design["BarSizeLimit"][0], c.largest);
      const json& bars = run.document["bars"];
      const std::string clause = Clause(method);
      bool above = false;
      int notPermitted = 0;
      for (std::size_t i = 0; i < bars.size(); ++i) {
        const std::string name = bars[i]["name"];
        EXPECT_EQ(design["BarPermitted"][0][i], !above) << name;
        // Neither a bar spacing nor a detail page names a bar above it.
        if (above) {
          EXPECT_EQ(run.report.find(name + " @"), std::string::npos) << name;
        }
        notPermitted += above ? 1 : 0;
        above = above || name == c.largest;
      }
      EXPECT_GT(notPermitted, 0);
      EXPECT_NE(run.report.find("not permitted, " + clause), std::string::npos);
      EXPECT_NE(run.report.find("Per " + clause + ", bar size is limited to " + c.largest),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace calvix
