// The print command and its dialog: the reinforcement lists, parts without a
// parapet or without any spacing, the check boxes kept between openings, the
// file path with its messages, and the report on the printer path with a PDF
// file taken as the printer (read back with pdftotext of poppler-utils).
#include "ui/print_dialog.h"

#include <QCheckBox>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include "files/settings.h"
#include "reports/method_reports.h"
#include "reports/report_destinations.h"
#include "reports/report_driver.h"
#include "ui/printer_surface.h"
#include "window_fixture.h"

namespace calvix::ui::testing {
namespace {

// A results report that prints one line per part, so that the dispatch of
// the driver shows in the output.
ReportHooks PartLineHooks() {
  ReportHooks hooks;
  hooks.reinforced = hooks.strength =
      hooks.unreinforced = [](ReportDocument& document, const MethodReportCall& call) {
        document.PrintLine("RESULTS OF PART " + std::to_string(call.part) + " WITH " +
                           std::to_string(call.choice) + std::string(kLineEndMark));
      };
  return hooks;
}

struct PrintDialogTest : ::testing::Test {
  std::unique_ptr<PrintDialog> Dialog(SolvedExample& solved) {
    return std::make_unique<PrintDialog>(
        nullptr, solved.session, state,
        PrintJob{&solved.design, solved.outcome.design, PartLineHooks(), PagePicture{}});
  }
  SolvedExample example{"cmu-bearing-wall.cxl", true};
  PrintDialogState state;
};

TEST_F(PrintDialogTest, ListsOfferOnlyBarsWithASpacingFirstSelected) {
  auto& spacings = example.design.reinforced.BarSpacing;
  spacings[0][0] = 0.0f;  // no accepted spacing for the smallest bar
  auto dialog = Dialog(example);
  const QComboBox* main = dialog->MainRebar();
  EXPECT_EQ(main->count(), std::count_if(spacings[0].begin(), spacings[0].end(),
                                         [](float s) { return s > 0.0f; }));
  EXPECT_EQ(main->currentText().toStdString(),
            BarSpacingText(example.problem(), 1, spacings[0][1]));
  EXPECT_EQ(dialog->Request().mainChoice, 1);
  // A part without any spacing cannot ask for its load cases.
  for (float& s : spacings[1]) s = 0.0f;
  dialog = Dialog(example);
  EXPECT_EQ(dialog->ParapetRebar()->count(), 0);
  EXPECT_FALSE(dialog->Check(5)->isEnabled());
  ReportRequest request = dialog->Request();
  EXPECT_FALSE(request.options[kParapetLoadCasesOption]);
  EXPECT_TRUE(request.options[kParapetSummaryOption]);
  EXPECT_TRUE(request.options[kMainLoadCasesOption]);
  // Without a parapet nothing of it can be chosen.
  SolvedExample strength("ibc-strength-wall.cxl", true);
  ASSERT_EQ(strength.working().ParapetHeight, 0.0f);
  dialog = Dialog(strength);
  EXPECT_FALSE(dialog->Check(4)->isEnabled());
  EXPECT_FALSE(dialog->ParapetRebar()->isEnabled());
  EXPECT_GT(dialog->MainRebar()->count(), 0);
  request = dialog->Request();
  EXPECT_FALSE(request.options[kParapetSummaryOption] || request.options[kParapetLoadCasesOption]);
}

TEST_F(PrintDialogTest, CheckBoxesKeepTheirStatesBetweenOpenings) {
  auto dialog = Dialog(example);
  dialog->Check(0)->setChecked(false);
  dialog->Check(6)->setChecked(true);
  dialog->reject();
  dialog = Dialog(example);
  EXPECT_FALSE(dialog->Check(0)->isChecked());
  EXPECT_TRUE(dialog->Check(6)->isChecked());
  EXPECT_TRUE(dialog->Check(2)->isChecked());
}

TEST_F(PrintDialogTest, PrintToFileWritesTheReportAndSaysWhere) {
  auto dialog = Dialog(example);
  dialog->Check(6)->setChecked(true);
  example.platform.files = {std::nullopt, example.folder / "missing" / "results.txt",
                            example.folder / "results.txt"};
  EXPECT_FALSE(dialog->PrintClicked());  // Save As cancelled
  EXPECT_TRUE(example.platform.messages.empty());
  EXPECT_FALSE(dialog->PrintClicked());  // into a folder that does not exist
  EXPECT_EQ(LastMessage(example.platform).rfind("Error|", 0), 0u);
  EXPECT_TRUE(dialog->PrintClicked());
  EXPECT_EQ(example.platform.dialogs.back().title, "Print Results To File");
  EXPECT_EQ(LastMessage(example.platform),
            "Print to File|Report written to " + (example.folder / "results.txt").string());
  const std::string text = ReadBytes(example.folder / "results.txt");
  EXPECT_NE(text.find("RESULTS OF PART 1 WITH 0"), std::string::npos);
  EXPECT_NE(text.find("RESULTS OF PART 2 WITH 0"), std::string::npos);
}

// The non-empty lines of a text, squeezed; form feeds end pages.
std::vector<std::string> LinesOf(const QString& text) {
  std::vector<std::string> lines;
  for (const QString& line : text.split(QRegularExpression("[\n\f]"))) {
    if (!line.simplified().isEmpty()) lines.push_back(line.simplified().toStdString());
  }
  return lines;
}

const ReportStamp kStamp{"09:41 AM", "12/7/2026"};

// The report on the printer path into a PDF file: its text, page by page.
QStringList PrintPdf(SolvedExample& example, const ReportRequest& request, const ReportHooks& hooks,
                     const PagePicture& picture) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((example.folder / "report.pdf").string()));
  PrepareReportPrinter(printer);
  EXPECT_TRUE(PrintReportOnPrinter(example.session, printer, request, hooks, kStamp, picture));
  EXPECT_TRUE(example.platform.messages.empty());
  QStringList pages =
      QString::fromStdString(PdfText(example.folder / "report.pdf")).split(QLatin1Char('\f'));
  pages.removeLast();  // after the last form feed
  return pages;
}

// The whole report of each design method with every text option on: the
// method reports, their tables and character diagrams read on paper as in the
// text report, every page under the header with its own page number.
TEST(PrintPdfTest, WholeReportsOfEachMethodReadAsTheTextReports) {
  for (const char* name : {"cmu-bearing-wall.cxl", "ibc-strength-wall.cxl"}) {
    SCOPED_TRACE(name);
    SolvedExample example(name, true);
    const ReportRequest request =
        CommandLineReportRequest(example.problem(), example.design, example.outcome.design);
    const ReportHooks hooks =
        MethodReportHooks(example.problem(), example.analysis, example.design);
    const QStringList pages = PrintPdf(example, request, hooks, {});
    ASSERT_GT(pages.size(), 3);
    for (int p = 0; p < pages.size(); ++p) {
      EXPECT_EQ(LinesOf(pages[p])[0], "Calvix: MASONRY WALL ANALYSIS AND DESIGN");
      EXPECT_EQ(LinesOf(pages[p])[5], "TIME: 09:41 AM Page: " + std::to_string(p + 1));
    }
    ReportDocument document;
    TextFileDestination file(example.folder / "report.txt");
    EXPECT_TRUE(
        PrintResults(document, file, example.problem(), request, hooks, kStamp, example.platform));
    EXPECT_EQ(LinesOf(pages.join(QLatin1Char('\n'))),
              LinesOf(QString::fromStdString(ReadBytes(example.folder / "report.txt"))));
  }
}

TEST(PrintPdfTest, WallPicturePrintsOnItsOwnPageUnderTheHeader) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  ReportRequest request;
  request.options.Set(kInputDataOption, true);
  request.options.Set(kWallPictureOption, true);
  QRectF drawnIn;
  const QStringList pages = PrintPdf(example, request, PartLineHooks(),
                                     [&drawnIn](QPainter& painter, const QRectF& area) {
                                       drawnIn = area;
                                       painter.drawText(area.center(), "PICTUREMARK");
                                     });
  // The input data take two pages, the wind table starting the second; page 3
  // holds the header (seven lines) and the picture alone; the results of the
  // parts follow on page 4.
  ASSERT_EQ(pages.size(), 4);
  EXPECT_EQ(LinesOf(pages[1])[7], "WIND LOADS:");
  ASSERT_EQ(LinesOf(pages[2]).size(), 8u);
  EXPECT_EQ(LinesOf(pages[2])[5], "TIME: 09:41 AM Page: 3");
  EXPECT_EQ(LinesOf(pages[2])[7], "PICTUREMARK");
  EXPECT_EQ(LinesOf(pages[3])[7], "RESULTS OF PART 1 WITH 0");
  // The area lies under the header (line 11 of 85 on a page at least 9 in
  // high: more than 1 in down at 1200 dpi) and leaves the bottom margin free.
  EXPECT_GT(drawnIn.top(), 1.0 * 1200);
  EXPECT_GT(drawnIn.height(), 5.0 * 1200);
}

TEST(PrintPdfTest, FailedPrinterJobIsReportedAndNothingClaimsSuccess) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  ReportRequest request;
  request.options.Set(kInputDataOption, true);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/report.pdf");
  EXPECT_FALSE(PrintReportOnPrinter(example.session, printer, request, {}, kStamp, {}));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error");
}

}  // namespace
}  // namespace calvix::ui::testing
