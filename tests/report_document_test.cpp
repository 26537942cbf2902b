// The output layer of the reports: fill marks, tab stops, line ends, clipping,
// the lazy page header, the setters and both destinations (a text file and a
// printer surface). What every example report shows is left to the example
// report comparison.
#include "reports/report_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "files/settings.h"
#include "reports/report_destinations.h"
#include "support/recording_platform.h"
#include "support/report_fixtures.h"

namespace calvix {
namespace {

using namespace testing;

const std::string kFill(kFillMark), kBreak(kPageBreakMark), kEnd(kLineEndMark), kTab(kTabMark);

// A document on an in-memory text destination (nothing reaches the disk
// unless the test ends the document).
struct Doc {
  explicit Doc(int marginMode = kMarginsNone, int pageFormat = kPage85x110, int tabWidth = 5,
               std::filesystem::path path = "unused.txt")
      : file(std::move(path)) {
    doc.StartDocument(tabWidth, marginMode, pageFormat, file);
  }
  std::string Print(const std::string& text) {
    doc.PrintText(text);
    return file.text();
  }
  TextFileDestination file;
  ReportDocument doc;
};

// The text layer on one 85 x 110 report page (margins 6, 6, 10, 6) against
// tests/data/reports/document-layer.txt, line by line.
TEST(ReportDocumentTest, TheTextLayerMatchesItsCheckedInCopy) {
  TempFolder folder;
  Doc d(kMarginsReport, kPage85x110, 5, folder / "layer.txt");
  // F = 110 - length - right margin - left margin + n; q = F / n, r = F % n;
  // mark k (from 1) becomes q - 1 spaces, one more when k > r. Two marks,
  // length 89, right margin 2: F = 15, q = 7, r = 1: 6 and 7 spaces.
  d.doc.SetRightMargin(2);
  d.doc.PrintText("A" + kFill + std::string(85, 'x') + kFill + "Z" + kEnd);
  d.doc.SetRightMargin(6);
  // Three marks, length 91: F = 10, q = 3, r = 1: 2, 3 and 3 spaces.
  d.doc.PrintText(kFill + std::string(88, 'y') + kFill + kFill + kEnd);
  // Characters count, not bytes: "²" is one column. Marks beside a tab are
  // not spread.
  d.doc.PrintText("m²" + kFill + "x" + kEnd);
  d.doc.PrintText("a" + kFill + "b" + kTab + "c" + kEnd);
  // A tab goes one space, then to the next stop of 5: from 7 to 10, from 10
  // to 15 and from 4 to 5 (margin included).
  d.doc.PrintText("-" + kTab + "x" + kTab + "y" + kTab + "z" + kEnd);
  // TabTo writes spaces only up to a larger column.
  d.doc.PrintText("abc");
  d.doc.TabTo(14);
  d.doc.PutText("d");
  d.doc.TabTo(4);
  d.doc.PrintText("e" + kEnd);
  // Everything from a line end on ends lines.
  d.doc.PrintText("def" + kEnd + "gh");
  // Only text processed character by character (here: with a tab) is
  // clipped at column 104.
  d.doc.PrintText(std::string(120, 'w') + kEnd);
  d.doc.PrintText(kTab + std::string(120, 'w') + kEnd);
  d.doc.PrintText(std::string(120, 'w'));  // not clipped
  d.doc.PrintText(kEnd);
  // Control marks and malformed UTF-8 never reach a destination.
  d.doc.PutText("a" + kFill + kEnd + "b\xFF" + "c");
  d.doc.PrintText(kBreak + "on page two");
  EXPECT_EQ(std::pair(d.doc.PageNumber(), d.doc.LineOnPage()), std::pair(2, 0));
  const std::string text = d.file.text();
  EXPECT_EQ(text, ExpectedText(SourcePath("tests/data/reports/document-layer.txt"), text));
  EXPECT_EQ(ReportUserText("A" + kFill + "B" + kBreak + "C" + kEnd + "D" + kTab + "E"),
            "A?B?C?D?E");
  EXPECT_EQ(ReportUserText("Zürich ø² € \xC2\x84"), "Zürich ø² € \xC2\x84");  // U+0084 is no mark
  EXPECT_EQ(Doc(kMarginsNone, kPage85x110, 0).Print("ab" + kTab + "c"), "ab c");  // tab width 0
  // The file is that text, UTF-8 with CR LF, less its trailing blank lines.
  d.doc.PrintText(kEnd + kEnd);
  RecordingPlatform platform;
  EXPECT_TRUE(d.doc.EndDocument(platform));
  EXPECT_EQ(ReadBytes(folder / "layer.txt"), text);
  EXPECT_FALSE(d.doc.EndDocument(platform));  // no document: nothing to end
}

TEST(ReportDocumentTest, PageFormatsMarginModesAndSetters) {
  struct Case {
    int format, mode, length, width, left, right, top, bottom;
  };
  for (const Case& c : {Case{kPage85x110, kMarginsReport, 85, 110, 6, 6, 10, 6},
                        Case{kPage83x80, kMarginsNone, 83, 80, 0, 0, 0, 0},
                        Case{kPage85x110Alt, kMarginsPlot, 85, 110, 0, 0, 5, 2},
                        Case{kPage60x132, kMarginsReport, 60, 132, 6, 6, 10, 6}}) {
    Doc d(c.mode, c.format, 40);
    EXPECT_EQ(
        std::vector({d.doc.PageLength(), d.doc.LineWidth(), d.doc.LeftMargin(), d.doc.RightMargin(),
                     d.doc.TopMargin(), d.doc.BottomMargin(), d.doc.TabWidth()}),
        std::vector({c.length, c.width, c.left, c.right, c.top, c.bottom, 40}));
  }
  // An unknown format and mode keep the geometry of the last document.
  Doc d(kMarginsPlot, kPage60x132);
  d.doc.SetHeaderLine(2, "old" + kEnd);
  d.doc.SetHeaderLine(8, "beyond the header" + kEnd);
  EXPECT_EQ(d.doc.HeaderLine(8), "");
  d.doc.StartDocument(7, 9, 9, d.file);
  EXPECT_EQ(std::vector({d.doc.PageLength(), d.doc.LineWidth(), d.doc.TopMargin(),
                         d.doc.BottomMargin(), d.doc.TabWidth(), d.doc.Column()}),
            std::vector({60, 132, 5, 2, 7, 0}));
  EXPECT_EQ(d.doc.HeaderLine(2), "");
  // Setters take only valid values, one on each side of each limit (margins
  // 0, 0, 5, 2 on 60 x 132).
  d.doc.SetLeftMargin(132);
  d.doc.SetLeftMargin(-1);
  d.doc.SetLeftMargin(131);
  d.doc.SetRightMargin(1);
  d.doc.SetTopMargin(58);
  d.doc.SetTopMargin(57);
  d.doc.SetBottomMargin(3);
  d.doc.SetBottomMargin(0);
  d.doc.SetTabWidth(26);
  d.doc.SetTabWidth(-1);
  d.doc.SetTabWidth(25);
  EXPECT_EQ(std::vector({d.doc.LeftMargin(), d.doc.RightMargin(), d.doc.TopMargin(),
                         d.doc.BottomMargin(), d.doc.TabWidth()}),
            std::vector({131, 0, 57, 0, 25}));
}

// --- The text file ----------------------------------------------------------

// --- The printer ------------------------------------------------------------

// A printer surface that records what it is asked to do.
class RecordingPrinter : public PrinterSurface {
 public:
  std::vector<std::string> FontNames() const override {
    return {"Arial", "Courier New", "Courier"};
  }
  void BeginDocument(const PrinterPage& p) override { page = p; }
  void DrawText(int line, int column, std::string_view text) override {
    drawn += std::to_string(pages) + ":" + std::to_string(line) + ":" + std::to_string(column) +
             " " + std::string(text) + "\n";
  }
  void NewPage() override { ++pages; }
  void EndDocument() override { ++ended; }
  void AbortDocument() override { ++aborted; }

  PrinterPage page;
  int pages = 1, ended = 0, aborted = 0;
  std::string drawn;
};

struct PrinterDoc {
  TempFolder folder;
  SettingsFile settings{folder / "Calvix.ini"};
  RecordingPrinter printer;
  RecordingPlatform platform;
  PrinterDestination destination{printer, settings};
  ReportDocument doc;
  void Start() { doc.StartDocument(5, kMarginsReport, kPage85x110, destination); }
};

TEST(ReportDocumentTest, PrinterGetsTheTextAtItsCellsPageByPage) {
  PrinterDoc p;
  ASSERT_TRUE(p.settings.Write("Font Data", "FontName", "Lucida Console"));
  ASSERT_TRUE(p.settings.Write("Font Data", "FontSize", "9"));
  p.Start();
  p.doc.SetHeaderLine(1, "HEAD" + kEnd);
  p.doc.PrintLine("a" + kTab + "b" + kFill + kEnd);
  p.doc.NewPage();
  p.doc.PrintLine("ü" + kEnd);
  ASSERT_TRUE(p.doc.EndDocument(p.platform));
  EXPECT_EQ(p.printer.page.geometry.pageLength, 85);
  EXPECT_EQ(p.printer.page.font.name, "Lucida Console");
  EXPECT_EQ(p.printer.page.font.size, 9.0f);
  EXPECT_EQ(p.printer.ended, 1);
  for (const char* cell : {"1:0:6 HEAD\n", "1:10:0       \n", "1:10:6 a\n", "1:10:7    \n",
                           "1:10:10 b\n", "2:0:6 HEAD\n", "2:10:6 ü\n"}) {
    EXPECT_NE(p.printer.drawn.find(cell), std::string::npos) << cell;
  }
  EXPECT_EQ(p.printer.drawn.find("\xC2\x80"), std::string::npos);
  p.Start();
  p.doc.Abandon();  // an abandoned document drops the print job
  EXPECT_EQ(p.printer.aborted, 1);
  EXPECT_EQ(p.printer.ended, 1);
}

TEST(ReportDocumentTest, PrinterFontFallsBackToTheFirstCourierInSizeTwelve) {
  EXPECT_EQ(DefaultFontName({"Arial", "Courier New", "Courier"}), "Courier New");
  EXPECT_EQ(DefaultFontName({"Arial", "Times"}), "Times");
  EXPECT_EQ(DefaultFontName({}), "");
  PrinterDoc p;  // no settings file: no font name
  EXPECT_EQ(ReportPrinterFont(p.settings, p.printer).name, "Courier New");
  EXPECT_EQ(ReportPrinterFont(p.settings, p.printer).size, 12.0f);
}

// A character outside the basic plane (four UTF-8 bytes, lead 0xF0) takes one
// column like any other, so the fill mark spreads as many spaces after it as
// after "é" (two bytes) or "a".
TEST(ReportDocumentTest, AFourByteCharacterTakesOneColumn) {
  const auto spaces = [](const std::string& character) {
    Doc d;
    const std::string out = d.Print(character + kFill + "x" + kEnd);
    return std::count(out.begin(), out.end(), ' ');
  };
  EXPECT_GT(spaces("a"), 0);
  EXPECT_EQ(spaces("\xF0\x9F\x98\x80"), spaces("a"));
  EXPECT_EQ(spaces("\xC3\xA9"), spaces("a"));
}

}  // namespace
}  // namespace calvix
