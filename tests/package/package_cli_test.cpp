// calvix-cli solve --pdf on the shipped examples: the package is written, its
// text carries every design value of the summary with the digits of the JSON
// document, and every page renders with content below its title block.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <regex>

#include "package/pdf_reading.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using testing::CommandRun;
using testing::Quoted;
using testing::RunCommand;
using testing::TempFolder;

const fs::path kExamples = fs::path(CALVIX_SOURCE_DIR) / "examples";

CommandRun Solve(const fs::path& example, const fs::path& pdf, const fs::path& jsonOut) {
  const bool unreinforced = example.stem().string().find("-unreinforced") != std::string::npos;
  return RunCommand(std::string(CALVIX_CLI) + " solve " + Quoted(example) +
                    (unreinforced ? " --unreinforced" : "") + " --pdf " + Quoted(pdf) + " --json " +
                    Quoted(jsonOut));
}

json ReadJson(const fs::path& file) {
  std::ifstream in(file);
  return json::parse(in);
}

std::string Digits(const json& value) {
  if (value.is_number_integer()) return std::to_string(value.get<long>());
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value.get<double>());
  return text;
}

// The keys of the summary per design method: per part, then per chosen bar
// (or grouting case).
struct SummaryKeys {
  std::vector<std::string> part;
  std::vector<std::string> choice;
};

SummaryKeys KeysOf(const std::string& method) {
  if (method == "strength") {
    return {{"SlendernessRatio", "AxialLimit", "AllowServiceDeflection", "GovMoment", "GovAxial",
             "GovShear", "GovCombo", "GovStation", "GovShearCombo"},
            {"BarSpacing", "BarPhiMn", "BarPhiVn", "BarMu", "BarDeltaUlt", "BarDeltaServ"}};
  }
  if (method == "unreinforced working stress") {
    return {{"GovMoment", "GovAxial", "GovCombo", "GovShear", "GovShearCombo", "UnreinfFb",
             "UnreinfFv"},
            {"CaseFa", "CaseFb", "CaseNetStress", "CaseShearStress", "CaseCSI"}};
  }
  return {{"GovMoment", "GovAxial", "GovCombo", "GovShear", "GovShearCombo", "SlendernessRatio",
           "Eccentricity", "AllowableShear"},
          {"BarFa", "BarShearStress", "BarAllowMoment", "BarSpacing"}};
}

// The bar the command line details: the first permitted bar with a spacing
// (the first grouting case of an unreinforced wall).
std::size_t ChosenBar(const json& design, std::size_t part) {
  if (!design.contains("BarSpacing")) return 0;
  const json& spacing = design["BarSpacing"][part];
  for (std::size_t i = 0; i < spacing.size(); ++i) {
    if (spacing[i].get<double>() > 0 && design["BarPermitted"][part][i].get<bool>()) return i;
  }
  return 0;
}

std::string MomentLabel(int unitsType) {
  return unitsType == 2 ? "N-m" : unitsType == 3 ? "Kg-m" : "ft-lb";
}

// Every page rendered, numbered "Page i of n", with content below the title
// block (the top eighth of the page).
void ExpectPagesDrawn(const fs::path& pdf, const std::string& text, const fs::path& folder) {
  const auto pages = testing::RenderPages(pdf, folder);
  ASSERT_FALSE(pages.empty());
  const std::string count = std::to_string(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_NE(text.find("Page " + std::to_string(i + 1) + " of " + count), std::string::npos)
        << pdf << " page " << i + 1;
    EXPECT_GT(pages[i].DarkPixelsBelow(0.125), 200) << pdf << " page " << i + 1 << " is blank";
  }
}

TEST(PackageCliTest, EveryExampleWritesAPackageWithTheDesignValues) {
  for (const auto& entry : fs::directory_iterator(kExamples)) {
    if (entry.path().extension() != ".cxl") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TempFolder folder;
    const CommandRun run = Solve(entry.path(), folder / "package.pdf", folder / "out.json");
    const json document = ReadJson(folder / "out.json");
    const bool designed = document.value("validation_ok", false) &&
                          document.value("error_code", -1) == 0 && document.contains("design");
    EXPECT_EQ(run.status, designed ? 0 : 1) << run.out;
    ASSERT_TRUE(fs::exists(folder / "package.pdf"));
    const std::string text = testing::PdfText(folder / "package.pdf");
    ExpectPagesDrawn(folder / "package.pdf", text, folder.path());
    if (!designed) {
      EXPECT_NE(text.find("NOT DESIGNED"), std::string::npos);
      continue;
    }
    const json& design = document["design"];
    const SummaryKeys keys = KeysOf(design["method"]);
    const std::size_t parts = document["working"]["ParapetHeight"].get<double>() > 0 ? 2 : 1;
    for (std::size_t p = 0; p < parts; ++p) {
      for (const std::string& key : keys.part) {
        EXPECT_NE(text.find(Digits(design[key][p])), std::string::npos) << key << " part " << p;
      }
      const std::size_t choice = ChosenBar(design, p);
      for (const std::string& key : keys.choice) {
        EXPECT_NE(text.find(Digits(design[key][p][choice])), std::string::npos)
            << key << " part " << p;
      }
    }
    // The station tables are in the unit system of the problem.
    EXPECT_NE(text.find("(" + MomentLabel(document["units_type"]) + ")"), std::string::npos);
  }
}

TEST(PackageCliTest, AProblemThatDoesNotDesignShowsItsInputAndWhy) {
  TempFolder folder;
  // An 8 in wall cannot retain 8 ft of soil at 36 pcf: failure code 8.
  const CommandRun run =
      Solve(kExamples / "metric-retaining-wall.cxl", folder / "p.pdf", folder / "o.json");
  EXPECT_EQ(run.status, 1);
  const json document = ReadJson(folder / "o.json");
  const std::string text = testing::PdfText(folder / "p.pdf");
  EXPECT_NE(text.find("NOT DESIGNED"), std::string::npos);
  EXPECT_NE(text.find("Input data"), std::string::npos);
  EXPECT_EQ(text.find("load combination 1:"), std::string::npos);
  // The first line of the design's failure message (the message before the
  // one that tells the package was written).
  ASSERT_GE(document["messages"].size(), 2u);
  const json& messages = document["messages"];
  EXPECT_EQ(messages.back()["title"], "Calculation PDF");
  const std::string message = messages[messages.size() - 2]["text"];
  const std::string firstLine = message.substr(0, message.find('\r'));
  EXPECT_NE(text.find(firstLine.substr(0, 40)), std::string::npos) << firstLine;
}

TEST(PackageCliTest, AnUnwritableTargetIsNamedAndLeavesTheOldFileWhole) {
  TempFolder folder;
  const fs::path missing = folder / "no-such-folder" / "p.pdf";
  CommandRun run = Solve(kExamples / "garden-wall-unreinforced.cxl", missing, folder / "o.json");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find(missing.string()), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(missing));

  const fs::path old = folder / "old.pdf";
  std::ofstream(old) << "an earlier package";
  fs::permissions(old, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  run = Solve(kExamples / "garden-wall-unreinforced.cxl", old, folder / "o.json");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find(old.string()), std::string::npos) << run.out;
  std::ifstream in(old);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "an earlier package");
}

TEST(PackageCliTest, UserTextsOfAnyCharacterKeepTheLayout) {
  TempFolder folder;
  std::ifstream in(kExamples / "garden-wall-unreinforced.cxl", std::ios::binary);
  std::string file(std::istreambuf_iterator<char>(in), {});
  // Lines 2-4 are the project, location and designer (Windows-1252 text).
  const std::string longName(300, 'W');
  const std::string project = "\"Caf\xE9 \x93Nord\x94 \x01tab\there\"";
  file = std::regex_replace(file, std::regex("\"Community garden wall\""), project);
  file = std::regex_replace(file, std::regex("\"South boundary\""), "\"" + longName + "\"");
  std::ofstream(folder / "texts.cxl", std::ios::binary) << file;
  const CommandRun run = Solve(folder / "texts.cxl", folder / "p.pdf", folder / "o.json");
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string text = testing::PdfText(folder / "p.pdf");
  EXPECT_NE(text.find("Caf\u00E9 \u201CNord\u201D ?tab?here"), std::string::npos);
  // The long location is cut with an ellipsis inside the title block.
  EXPECT_EQ(text.find(longName), std::string::npos);
  EXPECT_NE(text.find("WWWW\u2026"), std::string::npos);
  ExpectPagesDrawn(folder / "p.pdf", text, folder.path());
}

}  // namespace
}  // namespace calvix
