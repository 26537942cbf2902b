// The printed report on the printer path, with a PDF file taken as the
// printer: its text (read back with pdftotext of poppler-utils) must carry the
// lines of the text report of the same problem, and pictures print on their
// own pages.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reports/method_reports.h"
#include "reports/report_destinations.h"
#include "reports/report_driver.h"
#include "tests/ui/print_test_support.h"
#include "ui/printer_surface.h"

namespace calvix {
namespace {

using testing::SolvedExample;
using testing::Squeezed;

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The non-empty lines of a text, squeezed; pages (form feeds) are split off.
std::vector<std::vector<std::string>> PagesOf(const std::string& text) {
  std::vector<std::vector<std::string>> pages(1);
  std::string line;
  auto flush = [&] {
    const std::string squeezed = Squeezed(line);
    if (!squeezed.empty()) pages.back().push_back(squeezed);
    line.clear();
  };
  for (char c : text) {
    if (c == '\n') {
      flush();
    } else if (c == '\f') {
      flush();
      pages.emplace_back();
    } else {
      line += c;
    }
  }
  flush();
  while (!pages.empty() && pages.back().empty()) pages.pop_back();
  return pages;
}

std::string PdfText(const std::filesystem::path& pdf) {
  QProcess process;
  process.start("pdftotext", QStringList{"-layout", QString::fromStdString(pdf.string()), "-"});
  EXPECT_TRUE(process.waitForFinished(60000)) << "pdftotext (poppler-utils) must be installed";
  EXPECT_EQ(process.exitCode(), 0);
  return process.readAllStandardOutput().toStdString();
}

// A results report that prints one line per part, so that the dispatch of
// the driver shows in both outputs.
ReportHooks PartLineHooks() {
  ReportHooks hooks;
  hooks.reinforced = [](ReportDocument& document, const MethodReportCall& call) {
    document.PrintLine("RESULTS OF PART " + std::to_string(call.part) + std::string(kLineEndMark));
  };
  return hooks;
}

ReportStamp FixedStamp() {
  return ReportStamp{"09:41 AM", "12/7/2026"};
}

struct PrintedReport {
  std::vector<std::vector<std::string>> pdfPages;
  std::vector<std::string> textLines;
};

// The same report once on the printer path into a PDF file and once into a
// text file.
PrintedReport PrintBoth(SolvedExample& example, const ReportRequest& request,
                        const ReportHooks& hooks, const PagePicture& picture) {
  PrintedReport result;
  const auto pdf = example.folder / "report.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  PrepareReportPrinter(printer);
  EXPECT_TRUE(
      PrintReportOnPrinter(example.session, printer, request, hooks, FixedStamp(), picture));
  result.pdfPages = PagesOf(PdfText(pdf));

  const auto txt = example.folder / "report.txt";
  ReportDocument document;
  TextFileDestination file(txt);
  EXPECT_TRUE(PrintResults(document, file, example.problem(), request, hooks, FixedStamp(),
                           example.platform));
  for (const auto& page : PagesOf(ReadWhole(txt))) {
    result.textLines.insert(result.textLines.end(), page.begin(), page.end());
  }
  EXPECT_TRUE(example.platform.messages.empty());
  return result;
}

TEST(PrintPdfTest, InputDataOnPaperReadsAsTheTextReport) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  ReportRequest request;
  request.options.Set(kInputDataOption, true);
  const PrintedReport report = PrintBoth(example, request, PartLineHooks(), PagePicture{});

  // The input data take two pages: the wind table starts the second; the
  // results of both parts follow on it.
  ASSERT_EQ(report.pdfPages.size(), 2u);
  std::vector<std::string> printed;
  for (const auto& page : report.pdfPages) printed.insert(printed.end(), page.begin(), page.end());
  EXPECT_EQ(printed, report.textLines);
  // Every page carries the header with its own page number.
  EXPECT_EQ(report.pdfPages[0][0], "Calvix: MASONRY WALL ANALYSIS AND DESIGN");
  EXPECT_EQ(report.pdfPages[1][0], "Calvix: MASONRY WALL ANALYSIS AND DESIGN");
  EXPECT_EQ(report.pdfPages[0][5], "TIME: 09:41 AM Page: 1");
  EXPECT_EQ(report.pdfPages[1][5], "TIME: 09:41 AM Page: 2");
  EXPECT_EQ(report.pdfPages[1][7], "WIND LOADS:");
  EXPECT_EQ(report.pdfPages[1].back(), "RESULTS OF PART 2");
}

// The whole report of each design method with every text option on: the
// method reports, their tables and character diagrams read the same on paper.
TEST(PrintPdfTest, WholeReportsOfEachMethodReadAsTheTextReports) {
  for (const char* name : {"cmu-bearing-wall.cxl", "ibc-strength-wall.cxl"}) {
    SolvedExample example(name, true);
    const ReportRequest request =
        CommandLineReportRequest(example.problem(), example.design, example.outcome.design);
    const ReportHooks hooks =
        MethodReportHooks(example.problem(), example.analysis, example.design);
    const PrintedReport report = PrintBoth(example, request, hooks, PagePicture{});
    std::vector<std::string> printed;
    for (const auto& page : report.pdfPages) {
      EXPECT_EQ(page.front(), "Calvix: MASONRY WALL ANALYSIS AND DESIGN") << name;
      printed.insert(printed.end(), page.begin(), page.end());
    }
    EXPECT_GT(report.pdfPages.size(), 3u) << name;
    EXPECT_EQ(printed, report.textLines) << name;
  }
}

TEST(PrintPdfTest, WallPicturePrintsOnItsOwnPageUnderTheHeader) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  ReportRequest request;
  request.options.Set(kInputDataOption, true);
  request.options.Set(kWallPictureOption, true);
  QRectF drawnIn;
  const PagePicture picture = [&drawnIn](QPainter& painter, const QRectF& area) {
    drawnIn = area;
    painter.drawRect(area.adjusted(10, 10, -10, -10));
    painter.drawText(area.center(), "PICTUREMARK");
  };
  const PrintedReport report = PrintBoth(example, request, PartLineHooks(), picture);

  // Page 3 holds the header (seven lines) and the picture alone; the results
  // of the parts follow on page 4, never over the picture. The text report
  // has no picture.
  ASSERT_EQ(report.pdfPages.size(), 4u);
  const auto& page = report.pdfPages[2];
  ASSERT_EQ(page.size(), 8u);
  EXPECT_EQ(page[5], "TIME: 09:41 AM Page: 3");
  EXPECT_EQ(page[7], "PICTUREMARK");
  // The area lies under the header (line 11 of 85 on a page at least 9 in
  // high: more than 1 in down) and leaves the bottom margin free.
  EXPECT_GT(drawnIn.top(), 1.0 * 1200);
  EXPECT_GT(drawnIn.height(), 5.0 * 1200);
  EXPECT_EQ(report.pdfPages[3][5], "TIME: 09:41 AM Page: 4");
  EXPECT_EQ(report.pdfPages[3][7], "RESULTS OF PART 1");
  std::vector<std::string> printed;
  for (size_t p = 0; p < 2; ++p) {
    printed.insert(printed.end(), report.pdfPages[p].begin(), report.pdfPages[p].end());
  }
  printed.insert(printed.end(), report.pdfPages[3].begin() + 7, report.pdfPages[3].end());
  EXPECT_EQ(printed, report.textLines);
}

TEST(PrintPdfTest, CharacterGridFitsThePrintableArea) {
  testing::EnsureApplication();
  testing::TempFolder folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((folder / "grid.pdf").string()));
  PrepareReportPrinter(printer);
  QtPrinterSurface surface(printer);
  // A font the system lacks falls back to its fixed-pitch font.
  surface.BeginDocument(PrinterPage{{85, 110}, PrinterFont{"No Such Font", 12.0f}});
  EXPECT_TRUE(QFontInfo(surface.TextFont()).fixedPitch());
  EXPECT_LE(surface.TextFont().pointSizeF(), 12.0);
  const QRectF last = surface.CellRect(84, 109);
  EXPECT_LE(last.right(), surface.PageArea().right());
  EXPECT_LE(last.bottom(), surface.PageArea().bottom() + 1e-6);
  // 110 columns of a 12 point font would need 110 x 7.2 pt = 11 in: the font
  // is made smaller until 85 lines and 110 columns fit, and the line still
  // fills most of the paper width.
  EXPECT_GT(last.right(), surface.PageArea().width() * 0.75);
  surface.EndDocument();
}

TEST(PrintPdfTest, FailedPrinterJobIsReportedAndNothingClaimsSuccess) {
  SolvedExample example("cmu-bearing-wall.cxl", true);
  ReportRequest request;
  request.options.Set(kInputDataOption, true);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/report.pdf");
  EXPECT_FALSE(PrintReportOnPrinter(example.session, printer, request, ReportHooks{}, FixedStamp(),
                                    PagePicture{}));
  ASSERT_EQ(example.platform.messages.size(), 1u);
  EXPECT_EQ(example.platform.messages[0].title, "Error");
}

}  // namespace
}  // namespace calvix
