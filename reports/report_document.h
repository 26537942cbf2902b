// The output layer under every text report: a document of character lines
// written to a destination (a text file or a printer), with its page geometry,
// margins, tab stops, page header and page breaks.
//
// Report strings carry four control marks, the characters U+0080-U+0083 (the
// code points 128-131), which the layer interprets and never passes on:
//   kFillMark       spreads the free width of the line over the fill marks
//   kPageBreakMark  starts a new page
//   kLineEndMark    ends the line
//   kTabMark        one space, then spaces up to the next tab stop
// Texts are UTF-8; widths, columns and lengths count characters (code points).
// Texts typed by the engineer go through ReportUserText first, so that they
// can never act as a mark.
//
// One ReportDocument holds the state of one document at a time; its owner
// starts it on a destination, writes, and ends it:
//
//   ReportDocument doc;
//   TextFileDestination file(path);
//   doc.StartDocument(5, kMarginsReport, kPage85x110, file);
//   doc.PrintLine("WALL LOADS:" + std::string(kLineEndMark));
//   doc.EndDocument(platform);
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace calvix {

class Platform;

// The control marks, as UTF-8.
inline constexpr std::string_view kFillMark = "\xC2\x80";       // U+0080
inline constexpr std::string_view kPageBreakMark = "\xC2\x81";  // U+0081
inline constexpr std::string_view kLineEndMark = "\xC2\x82";    // U+0082
inline constexpr std::string_view kTabMark = "\xC2\x83";        // U+0083

// Page formats of StartDocument: lines per page and characters per line.
inline constexpr int kPage85x110 = 1;
inline constexpr int kPage83x80 = 2;
inline constexpr int kPage85x110Alt = 3;  // the same page as kPage85x110
inline constexpr int kPage60x132 = 4;

// Margin modes of StartDocument (left, right, top, bottom).
inline constexpr int kMarginsReport = 1;  // 6, 6, 10, 6
inline constexpr int kMarginsNone = 2;    // 0, 0, 0, 0
inline constexpr int kMarginsPlot = 3;    // 0, 0, 5, 2

inline constexpr int kHeaderLineCount = 7;
inline constexpr int kMaxTabWidth = 25;

// A text typed by the engineer (project, location, designer, a wind type),
// made safe for a report: every control mark becomes "?".
std::string ReportUserText(std::string_view text);

// The page geometry a destination is started with.
struct PageGeometry {
  int pageLength = 0;  // lines per page
  int lineWidth = 0;   // characters per line
};

// Where a document goes. The document hands it text without control marks
// (well-formed UTF-8) and tells it where lines and pages end.
class ReportDestination {
 public:
  virtual ~ReportDestination() = default;

  // A new document with this page geometry; anything left from an earlier
  // document is dropped.
  virtual void Begin(const PageGeometry& page) = 0;
  // Text at the current position of the current line.
  virtual void Put(std::string_view text) = 0;
  virtual void EndLine() = 0;
  virtual void EndPage() = 0;
  // Delivers the document (writes the file, sends the print job). Throws
  // CalvixError or another std::exception when that fails.
  virtual void Finish() = 0;
  // Drops the document without delivering it.
  virtual void Abandon() = 0;
  // True for a text file, false for a printer.
  virtual bool IsFile() const = 0;
};

class ReportDocument {
 public:
  // Called before the page header is printed on a page, so that the header
  // can show the number of the page it heads.
  using HeaderRefresh = std::function<void(ReportDocument&)>;

  // A new document on `destination`, which must outlive it: the tab width is
  // taken as given (0 when negative), the page format (kPage...) sets the
  // page length and line width (another code keeps the current ones; a fresh
  // document has the 85 x 110 page), the margin mode (kMargins...) sets the
  // margins through the setters in the order left, right, top, bottom
  // (another mode keeps them). The header lines are cleared, the header
  // refresh dropped, page 1 begins with line 0 and column 0.
  void StartDocument(int tabWidth, int marginMode, int pageFormat, ReportDestination& destination);

  // The normal way to write: starts a new page when the page is full (line
  // on page >= page length - bottom margin); on a page whose top margin is
  // not yet printed, prints the page header (header lines 1..7, an empty or
  // missing line as an empty line, up to the top margin) and sets the line
  // on page to the top margin; then PrintText.
  void PrintLine(std::string_view text);

  // Writes text with control marks, without page handling: first spaces up
  // to the left margin; then
  //  - a text with a fill mark or a page break or a tab goes character by
  //    character: the marks act, other characters are written only while
  //    the column is left of the right margin;
  //  - otherwise a text with a line end has its part before the first line
  //    end written whole, then one line end for each character from that
  //    line end on;
  //  - otherwise the text is written whole, past the right margin if need be.
  // Fill: with n fill marks (and no tab) in a text of length L, the free
  // width F = line width - L - right margin - left margin + n gives
  // q = F / n and r = F % n; the k-th fill mark (from 0) becomes q - 1
  // spaces, one more when k > r, and no space when that count is negative.
  void PrintText(std::string_view text);

  // Raw write at the current position; the column advances by the number of
  // characters. A control mark or a byte that is not UTF-8 is written as "?".
  void PutText(std::string_view text);

  void NewLine();
  void NewPage();
  // Spaces up to `column` when the current column is smaller.
  void TabTo(int column);

  // Line 1..7 of the page header; other numbers are ignored. Each line
  // carries its own line end.
  void SetHeaderLine(int line, std::string_view text);
  void ClearHeaderLines();
  const std::string& HeaderLine(int line) const;  // "" for other numbers
  void SetHeaderRefresh(HeaderRefresh refresh) { headerRefresh_ = std::move(refresh); }

  // Each value is taken only when valid, else the old one stays:
  //   left   0 <= v < line width - right margin
  //   right  0 <= v < line width - left margin
  //   top    0 <= v < page length - bottom margin
  //   bottom 0 <= v < page length - top margin
  //   tab    0 <= v <= 25
  void SetLeftMargin(int value);
  void SetRightMargin(int value);
  void SetTopMargin(int value);
  void SetBottomMargin(int value);
  void SetTabWidth(int value);

  // Delivers the document to its destination. A failure is shown with the
  // error report (routine "End Document", form "Print Routines Module") and
  // the document is abandoned; the program goes on. Returns whether the
  // document was delivered. Without a started document nothing happens and
  // false is returned.
  bool EndDocument(Platform& platform);
  // Drops the document without delivering it.
  void Abandon();

  bool IsStarted() const { return destination_ != nullptr; }
  bool ToFile() const { return destination_ != nullptr && destination_->IsFile(); }

  int PageNumber() const { return pageNumber_; }
  int Column() const { return column_; }
  int LineOnPage() const { return lineOnPage_; }
  int LineCount() const { return lineCount_; }
  int PageLength() const { return pageLength_; }
  int LineWidth() const { return lineWidth_; }
  int LeftMargin() const { return leftMargin_; }
  int RightMargin() const { return rightMargin_; }
  int TopMargin() const { return topMargin_; }
  int BottomMargin() const { return bottomMargin_; }
  int TabWidth() const { return tabWidth_; }

 private:
  void PrintPageHeader();
  void WriteSpaces(int count);

  ReportDestination* destination_ = nullptr;
  int pageLength_ = 85;
  int lineWidth_ = 110;
  int leftMargin_ = 0;
  int rightMargin_ = 0;
  int topMargin_ = 0;
  int bottomMargin_ = 0;
  int tabWidth_ = 0;
  int column_ = 0;
  int lineOnPage_ = 0;
  int pageNumber_ = 1;
  int lineCount_ = 0;
  std::array<std::string, kHeaderLineCount> headerLines_;
  HeaderRefresh headerRefresh_;
};

}  // namespace calvix
