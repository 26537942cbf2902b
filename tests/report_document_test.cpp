// The output layer of the reports: fill marks, tab stops, line ends, clipping,
// the lazy page header, the setters and both destinations (a text file and a
// printer surface).
#include "reports/report_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/settings.h"
#include "reports/report_destinations.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace calvix {
namespace {

using testing::ReadBytes;
using testing::RecordingPlatform;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kFill(kFillMark);
const std::string kBreak(kPageBreakMark);
const std::string kEnd(kLineEndMark);
const std::string kTab(kTabMark);

std::string Spaces(int n) {
  return std::string(static_cast<size_t>(n), ' ');
}

// The lines of a text destination (CR LF separated).
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

// A document on an in-memory text destination (nothing is written to disk
// unless the test ends the document).
struct Doc {
  explicit Doc(int marginMode = kMarginsNone, int pageFormat = kPage85x110, int tabWidth = 5,
               std::filesystem::path path = "unused.txt")
      : file(std::move(path)) {
    doc.StartDocument(tabWidth, marginMode, pageFormat, file);
  }
  std::vector<std::string> lines() const { return Lines(file.text()); }

  TextFileDestination file;
  ReportDocument doc;
};

// --- Fill marks -------------------------------------------------------------

struct FillCase {
  const char* name;
  int rightMargin;  // with line width 110, left margin 0
  std::string text;
  std::string expected;
};

class FillMarkTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillMarkTest, SpreadsTheFreeWidth) {
  const FillCase& c = GetParam();
  Doc d;
  d.doc.SetRightMargin(c.rightMargin);
  d.doc.PrintText(c.text);
  EXPECT_EQ(d.file.text(), c.expected);
}

// F = 110 - length - right margin - left margin + n; q = F / n, r = F % n; mark
// k becomes q - 1 spaces, one more when k > r.
INSTANTIATE_TEST_SUITE_P(
    Layer, FillMarkTest,
    ::testing::Values(
        // One mark, length 5: F = 106, the mark becomes F - 1 = 105 spaces.
        FillCase{"OneMark", 0, "AB" + kFill + "CD", "AB" + Spaces(105) + "CD"},
        // Two marks, length 89, right margin 2: F = 21, q = 10, r = 1: 9 and 9.
        FillCase{"TwoMarksF21", 2, "A" + kFill + std::string(85, 'x') + kFill + "Z",
                 "A" + Spaces(9) + std::string(85, 'x') + Spaces(9) + "Z"},
        // Three marks, F = 10: q = 3, r = 1: 2, 2 and 3 spaces.
        FillCase{"ThreeMarksF10", 0, kFill + std::string(100, 'y') + kFill + "" + kFill,
                 Spaces(2) + std::string(100, 'y') + Spaces(2) + Spaces(3)},
        // A line exactly as wide as the free width (F = 0) and a wider one
        // (F < 0): the marks become no space at all.
        FillCase{"NoFreeWidth", 0, std::string(55, 'a') + kFill + std::string(55, 'b'),
                 std::string(55, 'a') + std::string(55, 'b')},
        FillCase{"NegativeFreeWidth", 0,
                 std::string(60, 'a') + kFill + std::string(30, 'b') + kFill + std::string(25, 'c'),
                 std::string(60, 'a') + std::string(30, 'b') + std::string(20, 'c')},
        // Characters count, not bytes: "²" is one column.
        FillCase{"CountsCharacters", 0, "m²" + kFill + "x", "m²" + Spaces(106) + "x"}),
    [](const auto& info) { return info.param.name; });

TEST(ReportDocumentTest, FillMarksBesideATabAreNotSpread) {
  Doc d;
  d.doc.PrintText("a" + kFill + "b" + kTab + "c");
  EXPECT_EQ(d.file.text(), "ab   c");
}

// --- Tabs, TabTo, line ends -------------------------------------------------

TEST(ReportDocumentTest, TabGoesOneSpaceThenToTheNextStop) {
  struct Case {
    int column;
    int expectedColumn;
  };
  for (const Case& c : {Case{7, 10}, Case{10, 15}, Case{0, 5}, Case{4, 5}, Case{9, 10}}) {
    Doc d;
    d.doc.PutText(std::string(static_cast<size_t>(c.column), '-'));
    d.doc.PrintText(kTab + "x");
    EXPECT_EQ(d.doc.Column(), c.expectedColumn + 1) << "tab at column " << c.column;
    EXPECT_EQ(d.file.text(), std::string(static_cast<size_t>(c.column), '-') +
                                 Spaces(c.expectedColumn - c.column) + "x");
  }
}

TEST(ReportDocumentTest, TabWithTabWidthZeroIsOneSpace) {
  Doc d(kMarginsNone, kPage85x110, 0);
  d.doc.PrintText("ab" + kTab + "c");
  EXPECT_EQ(d.file.text(), "ab c");
}

TEST(ReportDocumentTest, TabToWritesSpacesOnlyUpToALargerColumn) {
  Doc d;
  d.doc.PutText("abc");
  d.doc.TabTo(8);
  d.doc.PutText("d");
  d.doc.TabTo(4);
  d.doc.PutText("e");
  EXPECT_EQ(d.file.text(), "abc     de");
  EXPECT_EQ(d.doc.Column(), 10);
}

TEST(ReportDocumentTest, LineEndsEndTheLineOncePerCharacterFromTheFirstLineEnd) {
  Doc d;
  d.doc.PrintText("abc" + kEnd + kEnd);
  d.doc.PrintText("def" + kEnd + "gh");  // everything from the line end on ends lines
  d.doc.PrintText("z");
  EXPECT_EQ(d.file.text(), "abc\r\n\r\ndef\r\n\r\n\r\nz");
  EXPECT_EQ(d.doc.LineCount(), 5);
  EXPECT_EQ(d.doc.LineOnPage(), 5);
  EXPECT_EQ(d.doc.Column(), 1);
}

TEST(ReportDocumentTest, PageBreakMarkStartsANewPage) {
  Doc d;
  d.doc.PrintText("one" + kBreak + "two");
  EXPECT_EQ(d.file.text(), "one\r\n\r\ntwo");
  EXPECT_EQ(d.doc.PageNumber(), 2);
  EXPECT_EQ(d.doc.LineOnPage(), 0);
  EXPECT_EQ(d.doc.Column(), 3);
}

// --- Left margin and clipping ----------------------------------------------

TEST(ReportDocumentTest, LeftMarginIsFilledBeforeText) {
  Doc d(kMarginsReport);
  d.doc.PrintText("x" + kEnd);
  d.doc.PrintText(kEnd);
  EXPECT_EQ(d.lines(), (std::vector<std::string>{"      x", "      ", ""}));
}

TEST(ReportDocumentTest, OnlyTextProcessedCharacterByCharacterIsClippedAtTheRightMargin) {
  const std::string longText(120, 'w');
  {
    Doc d(kMarginsReport);  // line width 110, margins 6 and 6: the right margin is column 104
    d.doc.PrintText(longText + kEnd);
    EXPECT_EQ(d.lines()[0], Spaces(6) + longText);
  }
  {
    Doc d(kMarginsReport);
    d.doc.PrintText(longText);
    EXPECT_EQ(d.file.text(), Spaces(6) + longText);
    EXPECT_EQ(d.doc.Column(), 126);
  }
  {
    Doc d(kMarginsReport);
    d.doc.PrintText(kTab + longText + kEnd);
    EXPECT_EQ(d.lines()[0], Spaces(10) + std::string(94, 'w'));
  }
  {
    Doc d(kMarginsReport);
    d.doc.PrintText(kBreak + longText);
    EXPECT_EQ(d.doc.Column(), 104);
  }
}

// --- Control marks never reach a destination -------------------------------

TEST(ReportDocumentTest, UserTextsHaveTheirControlMarksReplaced) {
  EXPECT_EQ(ReportUserText("A" + kFill + "B" + kBreak + "C" + kEnd + "D" + kTab + "E"),
            "A?B?C?D?E");
  EXPECT_EQ(ReportUserText("Zürich ø² €"), "Zürich ø² €");
  EXPECT_EQ(ReportUserText("\xC2\x84"), "\xC2\x84");  // U+0084 is no mark
}

TEST(ReportDocumentTest, PutTextNeverWritesAMarkOrMalformedUtf8) {
  Doc d;
  d.doc.PutText("a" + kFill + kEnd + "b\xFF" + "c");
  EXPECT_EQ(d.file.text(), "a??b?c");
  EXPECT_EQ(d.doc.Column(), 6);
}

// --- Page header and page breaks --------------------------------------------

TEST(ReportDocumentTest, LazyPageHeaderWithTopMarginTen) {
  Doc d(kMarginsReport);  // top margin 10
  d.doc.SetHeaderLine(1, "H1" + kEnd);
  d.doc.SetHeaderLine(3, "H3" + kEnd);
  d.doc.SetHeaderLine(7, "H7" + kEnd);
  d.doc.SetHeaderLine(8, "ignored" + kEnd);
  d.doc.SetHeaderLine(0, "ignored" + kEnd);
  d.doc.PrintLine("first" + kEnd);
  d.doc.PrintLine("second" + kEnd);

  const std::string m = Spaces(6);
  EXPECT_EQ(d.lines(), (std::vector<std::string>{m + "H1", m, m + "H3", m, m, m, m + "H7", m, m, m,
                                                 m + "first", m + "second", ""}));
  EXPECT_EQ(d.doc.LineOnPage(), 12);
  EXPECT_EQ(d.doc.HeaderLine(8), "");
}

TEST(ReportDocumentTest, FullPageBreaksAndRepeatsTheHeader) {
  Doc d(kMarginsReport, kPage83x80);  // 83 lines, bottom margin 6: 77 lines per page
  d.doc.SetHeaderLine(1, "HEAD" + kEnd);
  for (int i = 0; i < 67; ++i) d.doc.PrintLine("body" + kEnd);
  EXPECT_EQ(d.doc.PageNumber(), 1);
  EXPECT_EQ(d.doc.LineOnPage(), 77);
  d.doc.PrintLine("next" + kEnd);
  EXPECT_EQ(d.doc.PageNumber(), 2);
  EXPECT_EQ(d.doc.LineOnPage(), 11);

  const std::vector<std::string> lines = d.lines();
  // 77 lines of page 1, the page boundary (CR LF twice after the ended
  // line), then page 2.
  EXPECT_EQ(lines[76], "      body");
  EXPECT_EQ(lines[77], "");
  EXPECT_EQ(lines[78], "");
  EXPECT_EQ(lines[79], "      HEAD");
  EXPECT_EQ(lines[89], "      next");
}

TEST(ReportDocumentTest, HeaderRefreshShowsThePageItHeads) {
  Doc d(kMarginsReport);
  d.doc.SetHeaderRefresh([](ReportDocument& doc) {
    doc.SetHeaderLine(1, "Page " + std::to_string(doc.PageNumber()) + kEnd);
  });
  d.doc.PrintLine("a" + kEnd);
  d.doc.NewPage();
  d.doc.PrintLine("b" + kEnd);
  const std::vector<std::string> lines = d.lines();
  EXPECT_EQ(lines[0], "      Page 1");
  EXPECT_EQ(lines[13], "      Page 2");
  EXPECT_EQ(lines[23], "      b");
}

// --- Geometry and setters ---------------------------------------------------

TEST(ReportDocumentTest, PageFormatsAndMarginModes) {
  struct Case {
    int format, mode;
    int length, width, left, right, top, bottom;
  };
  for (const Case& c : {Case{kPage85x110, kMarginsReport, 85, 110, 6, 6, 10, 6},
                        Case{kPage83x80, kMarginsNone, 83, 80, 0, 0, 0, 0},
                        Case{kPage85x110Alt, kMarginsPlot, 85, 110, 0, 0, 5, 2},
                        Case{kPage60x132, kMarginsReport, 60, 132, 6, 6, 10, 6}}) {
    Doc d(c.mode, c.format);
    EXPECT_EQ(d.doc.PageLength(), c.length);
    EXPECT_EQ(d.doc.LineWidth(), c.width);
    EXPECT_EQ(d.doc.LeftMargin(), c.left);
    EXPECT_EQ(d.doc.RightMargin(), c.right);
    EXPECT_EQ(d.doc.TopMargin(), c.top);
    EXPECT_EQ(d.doc.BottomMargin(), c.bottom);
  }
}

TEST(ReportDocumentTest, UnknownFormatAndModeKeepTheGeometryOfTheLastDocument) {
  ReportDocument doc;
  TextFileDestination file("unused.txt");
  doc.StartDocument(5, kMarginsPlot, kPage60x132, file);
  doc.PutText("old");
  doc.SetHeaderLine(2, "old" + kEnd);
  doc.StartDocument(7, 9, 9, file);
  EXPECT_EQ(doc.PageLength(), 60);
  EXPECT_EQ(doc.LineWidth(), 132);
  EXPECT_EQ(doc.TopMargin(), 5);
  EXPECT_EQ(doc.BottomMargin(), 2);
  EXPECT_EQ(doc.TabWidth(), 7);
  EXPECT_EQ(doc.HeaderLine(2), "");
  EXPECT_EQ(doc.Column(), 0);
  EXPECT_EQ(doc.PageNumber(), 1);
  EXPECT_EQ(file.text(), "");
}

TEST(ReportDocumentTest, SettersTakeOnlyValidValues) {
  Doc d(kMarginsReport);  // 85 x 110, margins 6, 6, 10, 6
  d.doc.SetLeftMargin(104);
  EXPECT_EQ(d.doc.LeftMargin(), 6);
  d.doc.SetLeftMargin(103);
  EXPECT_EQ(d.doc.LeftMargin(), 103);
  d.doc.SetRightMargin(7);
  EXPECT_EQ(d.doc.RightMargin(), 6);
  d.doc.SetLeftMargin(-1);
  EXPECT_EQ(d.doc.LeftMargin(), 103);
  d.doc.SetTopMargin(79);
  EXPECT_EQ(d.doc.TopMargin(), 10);
  d.doc.SetTopMargin(78);
  EXPECT_EQ(d.doc.TopMargin(), 78);
  d.doc.SetBottomMargin(7);
  EXPECT_EQ(d.doc.BottomMargin(), 6);
  d.doc.SetBottomMargin(0);
  EXPECT_EQ(d.doc.BottomMargin(), 0);
  d.doc.SetTabWidth(26);
  EXPECT_EQ(d.doc.TabWidth(), 5);
  d.doc.SetTabWidth(25);
  EXPECT_EQ(d.doc.TabWidth(), 25);
  d.doc.SetTabWidth(-1);
  EXPECT_EQ(d.doc.TabWidth(), 25);
}

TEST(ReportDocumentTest, StartDocumentTakesAnyTabWidth) {
  Doc d(kMarginsNone, kPage85x110, 40);
  EXPECT_EQ(d.doc.TabWidth(), 40);
}

// --- The text file ----------------------------------------------------------

TEST(ReportDocumentTest, FileIsRightTrimmedUtf8WithCrLf) {
  TempFolder folder;
  const auto path = folder / "report.txt";
  RecordingPlatform platform;
  Doc d(kMarginsReport, kPage85x110, 5, path);
  d.doc.PrintText("Kg/cm²  " + kEnd);
  d.doc.PrintText("last" + kFill + kEnd);
  d.doc.PrintText(kEnd + kEnd);
  d.doc.NewPage();
  d.doc.PutText("   ");
  ASSERT_TRUE(d.doc.EndDocument(platform));
  EXPECT_EQ(ReadBytes(path), "      Kg/cm²  \r\n      last");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(d.file.text(), "");
  EXPECT_FALSE(d.doc.IsStarted());
}

TEST(ReportDocumentTest, ReportLongerThan63000CharactersIsWrittenWhole) {
  TempFolder folder;
  const auto path = folder / "long.txt";
  RecordingPlatform platform;
  Doc d(kMarginsReport, kPage85x110, 5, path);
  std::string expected;
  bool pageStarts = true;
  for (int i = 1; i <= 1500; ++i) {
    const std::string text = "line " + std::to_string(i) + " " + std::string(80, '.');
    if (d.doc.LineOnPage() >= 85 - 6) {  // the page is full: the page boundary
      expected += "\r\n\r\n";
      pageStarts = true;
    }
    if (pageStarts) {
      for (int h = 0; h < 10; ++h) expected += "      \r\n";  // the empty page header
      pageStarts = false;
    }
    expected += "      " + text + "\r\n";
    d.doc.PrintLine(text + kEnd);
  }
  ASSERT_TRUE(d.doc.EndDocument(platform));
  expected.resize(expected.size() - 2);
  const std::string written = ReadBytes(path);
  EXPECT_GT(written.size(), 63000u * 2);
  EXPECT_EQ(written, expected);
}

TEST(ReportDocumentTest, FailedWritesAreReportedAndLeaveTheOldFile) {
  TempFolder folder;
  const auto readOnly = folder / "old.txt";
  WriteBytes(readOnly, "old report");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  for (const std::filesystem::path& path : {folder / "missing" / "report.txt", readOnly}) {
    RecordingPlatform platform;
    Doc d(kMarginsReport, kPage85x110, 5, path);
    d.doc.PrintLine("new report" + kEnd);
    EXPECT_FALSE(d.doc.EndDocument(platform));
    ASSERT_EQ(platform.messages.size(), 1u) << path;
    EXPECT_EQ(platform.messages[0].title, "Error");
    const std::u8string u8 = path.u8string();
    EXPECT_EQ(platform.messages[0].text,
              "A Path/File access (" + std::string(u8.begin(), u8.end()) +
                  ") error (Error # 75) has occurred.\rThe error occurred in routine  \"End "
                  "Document\" of form  \"Print Routines Module\".\r\rPlease Report this error to "
                  "Orvane Corporation.");
    EXPECT_FALSE(d.doc.IsStarted());
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  EXPECT_EQ(ReadBytes(readOnly), "old report");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1u);  // no temporary file left behind
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST(ReportDocumentTest, EndDocumentWithoutADocumentDoesNothing) {
  RecordingPlatform platform;
  ReportDocument doc;
  EXPECT_FALSE(doc.EndDocument(platform));
  EXPECT_TRUE(platform.messages.empty());
}

// --- The printer ------------------------------------------------------------

// A printer surface that records what it is asked to do.
class RecordingPrinter : public PrinterSurface {
 public:
  struct Text {
    int page, line, column;
    std::string text;
    bool operator==(const Text&) const = default;
  };

  std::vector<std::string> FontNames() const override { return fonts; }
  void BeginDocument(const PrinterPage& p) override {
    ++begun;
    page = p;
    pageIndex = 1;
    drawn.clear();
  }
  void DrawText(int line, int column, std::string_view text) override {
    drawn.push_back({pageIndex, line, column, std::string(text)});
  }
  void NewPage() override { ++pageIndex; }
  void EndDocument() override {
    if (failOnEnd) throw std::runtime_error("Printer not ready");
    ++ended;
  }
  void AbortDocument() override { ++aborted; }

  std::vector<std::string> fonts{"Arial", "Courier New", "Courier"};
  bool failOnEnd = false;
  PrinterPage page;
  int pageIndex = 0;
  int begun = 0, ended = 0, aborted = 0;
  std::vector<Text> drawn;
};

TEST(ReportDocumentTest, DefaultFontNameIsTheFirstCourierElseTheLastFont) {
  EXPECT_EQ(DefaultFontName({"Arial", "Courier New", "Courier"}), "Courier New");
  EXPECT_EQ(DefaultFontName({"Arial", "Times"}), "Times");
  EXPECT_EQ(DefaultFontName({}), "");
}

TEST(ReportDocumentTest, PrinterGetsTheTextAtItsCellsPageByPage) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  ASSERT_TRUE(settings.Write("Font Data", "FontName", "Lucida Console"));
  ASSERT_TRUE(settings.Write("Font Data", "FontSize", "9"));
  RecordingPrinter printer;
  RecordingPlatform platform;
  PrinterDestination destination(printer, settings);
  ReportDocument doc;
  doc.StartDocument(5, kMarginsReport, kPage85x110, destination);
  EXPECT_FALSE(doc.ToFile());
  doc.SetHeaderLine(1, "HEAD" + kEnd);
  doc.PrintLine("a" + kTab + "b" + kFill + kEnd);
  doc.NewPage();
  doc.PrintLine("ü" + kEnd);
  ASSERT_TRUE(doc.EndDocument(platform));

  EXPECT_EQ(printer.page.geometry.pageLength, 85);
  EXPECT_EQ(printer.page.geometry.lineWidth, 110);
  EXPECT_EQ(printer.page.font.name, "Lucida Console");
  EXPECT_EQ(printer.page.font.size, 9.0f);
  EXPECT_EQ(printer.ended, 1);
  EXPECT_EQ(printer.aborted, 0);
  using T = RecordingPrinter::Text;
  const std::vector<T> expected{{1, 0, 0, "      "}, {1, 0, 6, "HEAD"},    {1, 1, 0, "      "},
                                {1, 9, 0, "      "}, {1, 10, 0, "      "}, {1, 10, 6, "a"},
                                {1, 10, 7, "   "},   {1, 10, 10, "b"},     {2, 0, 0, "      "},
                                {2, 0, 6, "HEAD"},   {2, 10, 0, "      "}, {2, 10, 6, "ü"}};
  for (const T& text : expected) {
    EXPECT_NE(std::find(printer.drawn.begin(), printer.drawn.end(), text), printer.drawn.end())
        << "page " << text.page << " line " << text.line << " column " << text.column << " \""
        << text.text << "\"";
  }
  for (const T& text : printer.drawn) {
    EXPECT_EQ(text.text.find("\xC2\x80"), std::string::npos);
    EXPECT_EQ(text.text.find("\xC2\x82"), std::string::npos);
  }
}

TEST(ReportDocumentTest, PrinterFontFallsBackToTheFirstCourierInSizeTwelve) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");  // no file: no font name
  RecordingPrinter printer;
  EXPECT_EQ(ReportPrinterFont(settings, printer).name, "Courier New");
  EXPECT_EQ(ReportPrinterFont(settings, printer).size, 12.0f);
}

TEST(ReportDocumentTest, FailedPrintJobIsReported) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  RecordingPrinter printer;
  printer.failOnEnd = true;
  RecordingPlatform platform;
  PrinterDestination destination(printer, settings);
  ReportDocument doc;
  doc.StartDocument(5, kMarginsReport, kPage85x110, destination);
  doc.PrintLine("x" + kEnd);
  EXPECT_FALSE(doc.EndDocument(platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "A Printer not ready error (Error # 0) has occurred.\rThe error occurred in routine  "
            "\"End Document\" of form  \"Print Routines Module\".\r\rPlease Report this error to "
            "Orvane Corporation.");
}

TEST(ReportDocumentTest, AbandonDropsThePrintJob) {
  TempFolder folder;
  SettingsFile settings(folder / "Calvix.ini");
  RecordingPrinter printer;
  PrinterDestination destination(printer, settings);
  ReportDocument doc;
  doc.StartDocument(5, kMarginsReport, kPage85x110, destination);
  doc.Abandon();
  EXPECT_EQ(printer.aborted, 1);
  EXPECT_EQ(printer.ended, 0);
  EXPECT_FALSE(doc.IsStarted());
}

}  // namespace
}  // namespace calvix
