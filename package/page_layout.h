// The page layout of a calculation package: pages in points with a title
// block at the top of each, and flows of blocks (table rows, steps, drawings)
// that run over as many pages as they need. The pages are laid out first and
// painted afterwards, so that every title block knows the page count.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace calvix {

// The fonts of a package.
struct PackageFonts {
  QFont text;     // body text
  QFont bold;     // body text, bold
  QFont small;    // table cells, diagram labels
  QFont mono;     // the input echo
  QFont heading;  // section headings
  QFont title;    // the title block's project name
};
PackageFonts MakePackageFonts();

// A text typed by the engineer (or any text) made safe to draw: invalid
// UTF-8 and control characters become "?", so that no character can move the
// pen or break a line.
QString SafeText(const std::string& text);

// Elided to `width` with "..." at the end when it does not fit.
QString Elided(const QFont& font, const QString& text, double width);

// Height of `text` wrapped (at words; a word wider than the line is clipped) into `width`.
double WrappedHeight(const QFont& font, const QString& text, double width);

// A block of a flow: its height and how it paints itself into a rectangle of
// that height and the body's width.
struct Block {
  double height = 0;
  std::function<void(QPainter&, const QRectF&)> paint;
};

// The texts of the title block on every page.
struct TitleTexts {
  std::string project;
  std::string location;
  std::string designer;
  std::string date;
  std::string version;
};

class PageList {
 public:
  PageList(QSizeF pageSize, PackageFonts fonts);

  // The area below the title block, inside the margins.
  QRectF Body() const;
  const PackageFonts& fonts() const { return fonts_; }
  int Count() const { return static_cast<int>(pages_.size()); }

  // A page of its own, painted into the body.
  void AddPage(std::function<void(QPainter&, const QRectF&)> paint);
  // A section: its heading, then the blocks one under another, on as many
  // pages as they need; `head` (a table head) is repeated at the top of each
  // continuation page. A block taller than a page is painted clipped.
  void AddFlow(const std::string& heading, const std::vector<Block>& blocks,
               const Block* head = nullptr);

  // Paints page `index` (0-based) with its title block.
  void Paint(QPainter& painter, int index, const TitleTexts& title) const;

 private:
  using PagePaint = std::function<void(QPainter&, const QRectF&)>;
  QSizeF size_;
  PackageFonts fonts_;
  std::vector<PagePaint> pages_;
};

// The title block in `area`: project, location and designer on the left,
// the date, "Page i of n" and the version on the right.
void PaintTitleBlock(QPainter& painter, const QRectF& area, const PackageFonts& fonts,
                     const TitleTexts& title, int page, int pageCount);

// Common blocks.
Block HeadingBlock(const PackageFonts& fonts, const std::string& text);
Block TextBlock(const QFont& font, const std::string& text, double width);
Block SpaceBlock(double height);

// A table row: cells in columns of the given relative widths; `highlight`
// shades the row and sets it bold, `head` draws it as a column head.
struct TableStyle {
  std::vector<double> widths;  // relative, one per column
  std::vector<bool> rightAligned;
};
Block RowBlock(const PackageFonts& fonts, const TableStyle& style,
               const std::vector<std::string>& cells, bool highlight = false, bool head = false);

}  // namespace calvix
