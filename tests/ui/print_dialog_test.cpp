// The print command and its dialog: refusal before a design, the
// reinforcement lists, parts without a parapet or without any spacing, the
// check boxes kept between openings, and the file path with its messages.
#include "ui/print_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <filesystem>

#include "files/settings.h"
#include "tests/ui/print_test_support.h"

namespace calvix {
namespace {

using testing::SolvedExample;

ReportHooks PartLineHooks() {
  ReportHooks hooks;
  auto line = [](ReportDocument& document, const MethodReportCall& call) {
    document.PrintLine("RESULTS OF PART " + std::to_string(call.part) + " WITH " +
                       std::to_string(call.choice) + std::string(kLineEndMark));
  };
  hooks.reinforced = line;
  hooks.strength = line;
  hooks.unreinforced = line;
  return hooks;
}

PrintJob JobOf(SolvedExample& example) {
  return PrintJob{&example.design, example.outcome.design, PartLineHooks(), PagePicture{}};
}

TEST(PrintDialogTest, PrintBeforeADesignIsRefusedWithoutADialog) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  example.problem().Designed = false;  // as after editing any input
  PrintDialogState state;
  EXPECT_FALSE(RunPrintDialog(nullptr, example.session, state, JobOf(example)));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Print Error...");
  EXPECT_EQ(example.platform.messages[0].text,
            "ERROR:  This problem cannot be printed.  The input data has\r"
            "changed or the wall has not been designed yet.\r\r"
            "Please select \"Design Wall\" from the Solve Menu.");
}

TEST(PrintDialogTest, ChosenPrinterFontGoesToTheSettingsCappedAt12Points) {
  testing::StartedSession started;
  const auto ini = started.session.folder.Settings();
  ASSERT_TRUE(SavePrinterFont(ini, "DejaVu Sans Mono", 14.0));
  SettingsFile settings(ini);
  EXPECT_EQ(settings.Read("Font Data", "FontName"), "DejaVu Sans Mono");
  EXPECT_EQ(settings.Read("Font Data", "FontSize"), "12");
  ASSERT_TRUE(SavePrinterFont(ini, "Noto Mono", 9.6));
  EXPECT_EQ(settings.Read("Font Data", "FontName"), "Noto Mono");
  EXPECT_EQ(settings.Read("Font Data", "FontSize"), "10");
  EXPECT_FLOAT_EQ(ReadFontSize(settings), 10.0f);
}

TEST(PrintDialogTest, BarSpacingTextsInEachUnitSystem) {
  testing::StartedSession us;
  // Bar row 2 is #5 in U.S. units; 48 in with the pattern "##0.00".
  EXPECT_EQ(BarSpacingText(us.problem(), 2, 48.0f), "#5 @ 48.00 in o.c.");
  EXPECT_EQ(BarSpacingText(us.problem(), 0, 8.0f), "#3 @ 8.00 in o.c.");
  testing::StartedSession si(2);
  // Row 0 of the metric table is 10M; 16 in = 406.4 mm with "###0.0".
  EXPECT_EQ(BarSpacingText(si.problem(), 0, 16.0f), "10M @ 406.4 mm o.c.");
  EXPECT_EQ(BarSpacingText(si.problem(), 0, 48.0f), "10M @ 1219.2 mm o.c.");
}

TEST(PrintDialogTest, ListsOfferOnlyBarsWithASpacingFirstSelected) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  auto& spacings = example.design.reinforced.BarSpacing[0];
  ASSERT_GE(spacings.size(), 3u);
  spacings[0] = 0.0f;  // no accepted spacing for the smallest bar
  PrintDialogState state;
  PrintDialog dialog(nullptr, example.session, state, JobOf(example));
  const QComboBox* main = dialog.MainRebar();
  ASSERT_GT(main->count(), 0);
  EXPECT_EQ(main->currentIndex(), 0);
  for (int i = 0; i < main->count(); ++i) {
    const int row = main->itemData(i).toInt();
    EXPECT_GT(spacings[static_cast<std::size_t>(row)], 0.0f);
    EXPECT_EQ(main->itemText(i).toStdString(),
              BarSpacingText(example.problem(), row, spacings[static_cast<std::size_t>(row)]));
  }
  EXPECT_EQ(main->itemData(0).toInt(), 1);
  EXPECT_EQ(dialog.Request().mainChoice, 1);
}

TEST(PrintDialogTest, PartWithoutAnySpacingCannotAskForItsLoadCases) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  for (float& s : example.design.reinforced.BarSpacing[1]) s = 0.0f;
  PrintDialogState state;
  PrintDialog dialog(nullptr, example.session, state, JobOf(example));
  EXPECT_EQ(dialog.ParapetRebar()->count(), 0);
  EXPECT_FALSE(dialog.Check(5)->isEnabled());
  const ReportRequest request = dialog.Request();
  EXPECT_FALSE(request.options[kParapetLoadCasesOption]);
  EXPECT_TRUE(request.options[kParapetSummaryOption]);
  EXPECT_TRUE(request.options[kMainLoadCasesOption]);
}

TEST(PrintDialogTest, WithoutAParapetNothingOfItCanBeChosen) {
  SolvedExample example("ibc-strength-wall.cxl", true);
  ASSERT_EQ(example.working().ParapetHeight, 0.0f);
  PrintDialogState state;
  PrintDialog dialog(nullptr, example.session, state, JobOf(example));
  EXPECT_FALSE(dialog.Check(4)->isEnabled());
  EXPECT_FALSE(dialog.Check(5)->isEnabled());
  EXPECT_FALSE(dialog.ParapetRebar()->isEnabled());
  EXPECT_GT(dialog.MainRebar()->count(), 0);
  const ReportRequest request = dialog.Request();
  EXPECT_FALSE(request.options[kParapetSummaryOption]);
  EXPECT_FALSE(request.options[kParapetLoadCasesOption]);
}

TEST(PrintDialogTest, CheckBoxesKeepTheirStatesBetweenOpenings) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  PrintDialogState state;
  {
    PrintDialog dialog(nullptr, example.session, state, JobOf(example));
    dialog.Check(0)->setChecked(false);
    dialog.Check(6)->setChecked(true);
    dialog.reject();
  }
  PrintDialog again(nullptr, example.session, state, JobOf(example));
  EXPECT_FALSE(again.Check(0)->isChecked());
  EXPECT_TRUE(again.Check(6)->isChecked());
  EXPECT_TRUE(again.Check(2)->isChecked());
}

TEST(PrintDialogTest, PrintToFileWritesTheReportAndSaysWhere) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  PrintDialogState state;
  PrintDialog dialog(nullptr, example.session, state, JobOf(example));
  dialog.Check(6)->setChecked(true);
  const auto file = example.folder / "results.txt";
  example.platform.files.push_back(file);
  EXPECT_TRUE(dialog.PrintClicked());
  ASSERT_EQ(example.platform.dialogs.size(), 1u);
  EXPECT_EQ(example.platform.dialogs[0].title, "Print Results To File");
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Print to File");
  EXPECT_EQ(example.platform.messages[0].text, "Report written to " + file.string());
  const std::string text = testing::ReadBytes(file);
  EXPECT_NE(text.find("RESULTS OF PART 1 WITH 0"), std::string::npos);
  EXPECT_NE(text.find("RESULTS OF PART 2 WITH 0"), std::string::npos);
}

TEST(PrintDialogTest, CancelledOrFailedFileShowsNoSuccess) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  PrintDialogState state;
  PrintDialog dialog(nullptr, example.session, state, JobOf(example));
  dialog.Check(6)->setChecked(true);
  example.platform.files.push_back(std::nullopt);  // Save As cancelled
  EXPECT_FALSE(dialog.PrintClicked());
  EXPECT_TRUE(example.platform.messages.empty());

  example.platform.files.push_back(example.folder / "missing" / "results.txt");
  EXPECT_FALSE(dialog.PrintClicked());
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error");
  EXPECT_FALSE(std::filesystem::exists(example.folder / "missing" / "results.txt"));
}

}  // namespace
}  // namespace calvix
