// calvix-cli solve through to the design: the design object of the JSON
// document for each method, and every design failure code on a wall built
// from a shipped example to trigger it, with its message and exit status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace calvix {
namespace {

using nlohmann::json;
using testing::TempFolder;

struct CliRun {
  int status = -1;
  json document;
};

CliRun Solve(const std::string& file, bool unreinforced = false) {
  std::string command = std::string(CALVIX_CLI) + " solve " + file +
                        (unreinforced ? " --unreinforced" : "") + " --json - 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, json::parse(out)};
}

std::string Example(const std::string& name) {
  return std::string(CALVIX_SOURCE_DIR) + "/examples/" + name;
}

// A shipped example with some lines of its project file replaced (line
// numbers from 1, as the file holds them; the file keeps its CRLF endings).
std::string EditedExample(const TempFolder& folder, const std::string& name,
                          const std::map<int, std::string>& lines) {
  std::istringstream in(testing::ReadBytes(Example(name)));
  std::string out;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    auto edit = lines.find(number);
    out += (edit != lines.end() ? edit->second + "\r" : line) + "\n";
  }
  auto path = folder / ("edited-" + name);
  testing::WriteBytes(path, out);
  return path.string();
}

TEST(CliDesignTest, WorkingStressDesignOfTheBearingWall) {
  CliRun run = Solve(Example("cmu-bearing-wall.cxl"));
  ASSERT_EQ(run.status, 0);
  const json& design = run.document["design"];
  EXPECT_EQ(design["method"], "reinforced working stress");
  // Combination 2 (D + L + W) at the top of the main wall: the roof couple
  // (800 + 400 plf) x 4 in / 12 x 4 ft = 1600 ft-lb plus the parapet's
  // cantilever moment 20 psf x 3² / 2 x 4 ft = 360 ft-lb, both negative.
  EXPECT_EQ(design["GovMoment"], json::array({-1960.0, -360.0}));
  EXPECT_EQ(design["GovCombo"], json::array({2, 2}));
  ASSERT_EQ(design["BarSpacing"].size(), 2u);
  EXPECT_EQ(design["BarSpacing"][0].size(), run.document["bars"].size());
  EXPECT_EQ(design["ZoneNote"][0][0], "NOTE: Max. moment is located in Zone C, (e > 2d/3)");
  EXPECT_FALSE(design.contains("CaseVerdict"));

  CliRun plain = Solve(Example("cmu-bearing-wall.cxl"), true);
  ASSERT_EQ(plain.status, 0);
  const json& check = plain.document["design"];
  EXPECT_EQ(check["method"], "unreinforced working stress");
  EXPECT_EQ(check["GroutCaseCount"], 7);
  EXPECT_EQ(check["GroutCaseLabel"][1], "16 in  ");
  // Solid case of the main wall: fa = P/Ae = 5460 lb / (48 x 7.625 in²) = 14.918 psi.
  EXPECT_NEAR(check["CaseFa"][0][0].get<double>(), 14.918, 5e-4);
  EXPECT_EQ(check["CaseVerdict"][0].size(), 7u);
}

TEST(CliDesignTest, StrengthDesignOfTheGymnasiumWall) {
  CliRun run = Solve(Example("ibc-strength-wall.cxl"));
  ASSERT_EQ(run.status, 0);
  const json& design = run.document["design"];
  EXPECT_EQ(design["method"], "strength");
  // h'/t = 20 x 12 / 7.625 = 31.475 > 30, so the axial limit is 0.05 f'm = 75 psi;
  // the allowable service deflection is 0.007 x 240 in = 1.68 in.
  EXPECT_NEAR(design["SlendernessRatio"][0].get<double>(), 31.4754, 1e-4);
  EXPECT_EQ(design["AxialLimit"][0], 75.0);
  EXPECT_NEAR(design["AllowServiceDeflection"][0].get<double>(), 1.68, 1e-6);
  for (const char* key : {"BarSpacing", "BarPhiMn", "BarPhiVn", "BarMu", "BarDeltaUlt"}) {
    EXPECT_EQ(design[key][0].size(), run.document["bars"].size()) << key;
  }
  // The unreinforced command has no strength method: code 5, no design object.
  CliRun plain = Solve(Example("ibc-strength-wall.cxl"), true);
  EXPECT_EQ(plain.status, 1);
  EXPECT_EQ(plain.document["error_code"], 5);
  EXPECT_FALSE(plain.document.contains("design"));
}

struct FailureCase {
  const char* name;
  const char* example;
  std::map<int, std::string> lines;
  bool unreinforced;
  int code;
  std::string message;
};

// Lines of the project file: 8 running bond, 15-19 the selected combinations,
// 33 wall height, 34 thickness, 35 steel depth, 39 strip width, 40 wall weight,
// 41-43 roof dead, live and eccentricity, 50 Ss, 61 unit length, 62 face
// shell, 73/75 partial / solid grout, 74/76 one / two layers, 77-80 first wind
// row (type, magnitude, start, end), 98 axial load in Mcr.
const std::map<int, std::string> kOnlyWindCombinationsWithoutWind = {
    {15, "0"},       {16, "1"},    {17, "0"},    {18, "1"},    {19, "0"},
    {50, "\"0.0\""}, {77, "\"\""}, {78, "\"\""}, {79, "\"\""}, {80, "\"\""}};

const std::string kNoCombination =
    "Design cannot be completed.  None of the selected load combinations\r"
    "applies to this wall.  Please review the load combinations.";

std::vector<FailureCase> FailureCases() {
  return {
      // 20 ft, 20 kip/ft roof load without a parapet: fa > Fa at every spacing.
      {"working stress, crushed",
       "cmu-bearing-wall.cxl",
       {{33, "\"20.00\""},
        {36, "\"0.00\""},
        {37, "\"0.00\""},
        {38, "\"0.000\""},
        {41, "\"20000.00\""}},
       false,
       1,
       "Design cannot be completed.  Actual wall compressive stess\r"
       "exceeds allowable compressive stress (fa > Fa)."},
      // 200 mm wall retaining 2.44 m of soil at 36 pcf: the cantilever moment
      // 36 x 8³ / 6 = 3072 ft-lb/ft needs more than the masonry's
      // Fb k j b d² / 2 at any steel ratio, so no bar gets a spacing.
      {"working stress, no bar works",
       "metric-retaining-wall.cxl",
       {},
       false,
       8,
       "Design cannot be completed. Try increasing block size or using solid grout."},
      {"working stress, no combination applies", "cmu-bearing-wall.cxl",
       kOnlyWindCombinationsWithoutWind, false, 10, kNoCombination},
      {"unreinforced, no combination applies", "cmu-bearing-wall.cxl",
       kOnlyWindCombinationsWithoutWind, true, 10, kNoCombination},
      // 80 psf wind on the 20 ft, 8 in wall: Mu = 1.6 x 80 x 20² / 8 x 4 ft beyond
      // any steel below As,max.
      {"strength, flexure",
       "ibc-strength-wall.cxl",
       {{78, "\"80.0\""}},
       false,
       2,
       "Design cannot be completed.  Wall failed in flexure or required area of steel\r"
       "exceeds max. allowable area of steel.\r\r"
       "Refer to IBC Section 2108.9.2.13 for Maximum Reinforcement."},
      // 12 in, two layers (d = 11.625 - 1.5 = 10.125 in), 10 ft pinned, a
      // 10 kip/ft line load 1.5 ft above the base: Vu = 1.6 x 10000 x 8.5 / 10 =
      // 13600 lb > øVn = 0.6 x 4 x √1500 x 139.5 = 12967 lb.
      {"strength, shear",
       "ibc-strength-wall.cxl",
       {{33, "\"10.00\""},
        {34, "\"12.00\""},
        {35, "\"1.50\""},
        {39, "\"12.00\""},
        {40, "\"120.0\""},
        {41, "\"0.00\""},
        {42, "\"0.00\""},
        {43, "\"0.00\""},
        {50, "\"0.0\""},
        {62, "\"1.50\""},
        {74, "\"False\""},
        {76, "\"True\""},
        {77, "\"H\""},
        {78, "\"10000.0\""},
        {79, "\"1.50\""},
        {80, "\"1.50\""}},
       false,
       3,
       "Design cannot be completed.  Wall failed in shear."},
      // 6 in partially grouted, 20 ft, 18 psf, cracking moment without the
      // axial load: flexure passes with #3 at 8 in, but the cracked service
      // deflection passes 0.007 x 240 = 1.68 in.
      {"strength, service deflection",
       "ibc-strength-wall.cxl",
       {{34, "\"6.00\""},
        {35, "\"2.813\""},
        {39, "\"12.00\""},
        {40, "\"60.0\""},
        {41, "\"0.00\""},
        {42, "\"0.00\""},
        {43, "\"0.00\""},
        {50, "\"0.0\""},
        {62, "\"1.00\""},
        {73, "\"True\""},
        {75, "\"False\""},
        {78, "\"18.0\""},
        {98, "\"False\""}},
       false,
       4,
       "Design cannot be completed.  Wall deflection under service loads\r"
       "exceeds maximum allowable deflection (Delta Service > .007h).\r\r"
       "Refer to IBC Section 2108.9.4.6"},
      // 12 in, 32 ft: h'/t = 384 / 11.625 = 33.0 > 30 and fa = (1.2 x 8000 + 1.6 x
      // 1000) x 4 / (48 x 11.625) = 80 psi at the top, above 0.05 f'm = 75 psi.
      {"strength, slender and loaded",
       "ibc-strength-wall.cxl",
       {{33, "\"32.00\""},
        {34, "\"12.00\""},
        {35, "\"5.813\""},
        {40, "\"120.0\""},
        {41, "\"8000.00\""},
        {42, "\"1000.00\""},
        {43, "\"2.00\""},
        {80, "\"32.00\""}},
       false,
       6,
       "Design cannot be completed.  Actual wall compressive stess\r"
       "exceeds axial limit stress (fa > 0.05 f'm)  AND  wall slenderness, h' / t > 30.\r\r"
       "Refer to UBC Section 2108.9.4.5"},
      // 12 in with two layers 1.5 in from the faces and Grade 40 steel, 12 ft:
      // h'/t = 12.4 and fa = (1.2 x 30000 + 1.6 x 4000) x 4 / (48 x 11.625)
      // = 304 psi, above 0.20 f'm = 300 psi, while the deep steel still has a
      // maximum area.
      {"strength, crushed",
       "ibc-strength-wall.cxl",
       {{33, "\"12.00\""},
        {34, "\"12.00\""},
        {35, "\"1.500\""},
        {40, "\"120.0\""},
        {41, "\"30000.00\""},
        {42, "\"4000.00\""},
        {43, "\"0.00\""},
        {64, "\"40.00\""},
        {74, "\"False\""},
        {76, "\"True\""},
        {80, "\"12.00\""}},
       false,
       7,
       "Design cannot be completed.  Actual wall compressive stess\r"
       "exceeds axial limit stress (fa > 0.2f'm)\r\r"
       "Refer to UBC Section 2108.9.4.5"},
      // Stack bond in category D allows 24 in; a 60 in unit steps by 30 in.
      {"strength, no spacing",
       "ibc-strength-wall.cxl",
       {{8, "#FALSE#"}, {61, "\"60.00\""}},
       false,
       8,
       "Design cannot be completed. Try increasing block size or using solid grout."},
      {"strength, no combination applies", "ibc-strength-wall.cxl",
       kOnlyWindCombinationsWithoutWind, false, 10, kNoCombination},
  };
}

TEST(CliDesignTest, EachFailureCodeExitsWithOneAndShowsItsMessage) {
  for (const FailureCase& c : FailureCases()) {
    TempFolder folder;
    CliRun run = Solve(EditedExample(folder, c.example, c.lines), c.unreinforced);
    EXPECT_EQ(run.status, 1) << c.name;
    const json& doc = run.document;
    EXPECT_EQ(doc["validation_ok"], true) << c.name;
    EXPECT_EQ(doc["error_code"], c.code) << c.name;
    ASSERT_EQ(doc["messages"].size(), 1u) << c.name;
    EXPECT_EQ(doc["messages"][0]["title"], "Error Message") << c.name;
    EXPECT_EQ(doc["messages"][0]["text"], c.message) << c.name;
    EXPECT_EQ(doc["entry"]["Designed"], false) << c.name;
  }
}

}  // namespace
}  // namespace calvix
