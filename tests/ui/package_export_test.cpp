// The calculation package from the desktop program: File > Export
// Calculation PDF... and the print dialog's "Calculation PDF..." button.
#include "ui/package_export.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <fstream>

#include "tests/ui/window_fixture.h"
#include "ui/print_dialog.h"

namespace calvix {
namespace {

using ui::testing::SolvedExample;

std::string Head(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  return head;
}

TEST(PackageExportTest, AProblemThatIsNotDesignedIsRefused) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  example.problem().Designed = false;
  const auto file = example.folder / "package.pdf";
  EXPECT_FALSE(
      ExportCalculationPdf(example.session, example.analysis, example.design, {0, 0}, file));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Print Error...");
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(PackageExportTest, TheExportAsksForTheFileAndWritesThePdf) {
  SolvedExample example("ibc-strength-wall.cxl", true);
  const auto file = example.folder / "package.pdf";
  example.platform.files.push_back(file);
  EXPECT_TRUE(ExportCalculationPdf(example.session, example.analysis, example.design,
                                   FirstChoices(example.session, example.design)));
  ASSERT_EQ(example.platform.dialogs.size(), 1u);
  EXPECT_EQ(example.platform.dialogs[0].title, "Export Calculation PDF");
  EXPECT_EQ(Head(file), "%PDF-");
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].text, "Calculation package written to " + file.string());
}

TEST(PackageExportTest, ThePrintDialogWritesThePackageOfTheChosenBar) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  const auto file = example.folder / "chosen.pdf";
  example.platform.files.push_back(file);
  PrintDialogState state;
  PrintJob job{&example.design, example.outcome.design, {}, {}, &example.analysis};
  PrintDialog dialog(nullptr, example.session, state, std::move(job));
  auto* button = dialog.findChild<QPushButton*>("cmdPrintPdf");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isEnabled());
  ASSERT_GT(dialog.MainRebar()->count(), 1);
  dialog.MainRebar()->setCurrentIndex(1);
  EXPECT_TRUE(dialog.ExportPdfClicked());
  EXPECT_EQ(Head(file), "%PDF-");
  const int row = dialog.MainRebar()->itemData(1).toInt();
  const std::string chosen =
      BarSpacingText(example.problem(), row,
                     example.design.reinforced.BarSpacing[0][static_cast<std::size_t>(row)]);
  EXPECT_NE(ui::testing::PdfText(file).find("Main wall: " + chosen), std::string::npos) << chosen;
}

}  // namespace
}  // namespace calvix
