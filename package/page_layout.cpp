#include "package/page_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <utility>

namespace calvix {
namespace {

// Page margins and the title block, in points.
constexpr double kMargin = 36.0;
constexpr double kTitleHeight = 46.0;
constexpr double kTitleGap = 12.0;

QFont Font(const char* family, int pixels, bool bold = false) {
  QFont font(QString::fromLatin1(family));
  // Pixel sizes keep the layout independent of the device's resolution: the
  // PDF is written at 72 dots per inch, so a pixel is a point.
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

PackageFonts MakePackageFonts() {
  PackageFonts fonts;
  fonts.text = Font("DejaVu Sans", 9);
  fonts.bold = Font("DejaVu Sans", 9, true);
  fonts.small = Font("DejaVu Sans", 8);
  fonts.mono = Font("DejaVu Sans Mono", 7);
  fonts.mono.setStyleHint(QFont::TypeWriter);
  fonts.heading = Font("DejaVu Sans", 13, true);
  fonts.title = Font("DejaVu Sans", 11, true);
  return fonts;
}

QString SafeText(const std::string& text) {
  QString safe = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (auto& c : safe) {
    if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter ||
        c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      c = QLatin1Char('?');
    }
  }
  return safe;
}

QString Elided(const QFont& font, const QString& text, double width) {
  return QFontMetricsF(font).elidedText(text, Qt::ElideRight, std::max(width, 1.0));
}

double WrappedHeight(const QFont& font, const QString& text, double width) {
  const QRectF bound = QFontMetricsF(font).boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e6),
                                                        Qt::TextWordWrap, text);
  return bound.height();
}

PageList::PageList(QSizeF pageSize, PackageFonts fonts)
    : size_(pageSize), fonts_(std::move(fonts)) {}

QRectF PageList::Body() const {
  return QRectF(kMargin, kMargin + kTitleHeight + kTitleGap, size_.width() - 2 * kMargin,
                size_.height() - 2 * kMargin - kTitleHeight - kTitleGap);
}

void PageList::AddPage(std::function<void(QPainter&, const QRectF&)> paint) {
  pages_.push_back(std::move(paint));
}

void PageList::AddFlow(const std::string& heading, const std::vector<Block>& blocks,
                       const Block* head) {
  const QRectF body = Body();
  std::size_t next = 0;
  bool first = true;
  do {
    // The blocks of this page: the heading (marked as continued after the
    // first page), the table head, then as many blocks as fit; at least one,
    // so that a block taller than a page cannot stop the flow.
    std::vector<Block> page;
    page.push_back(HeadingBlock(fonts_, first ? heading : heading + " (continued)"));
    if (head != nullptr) page.push_back(*head);
    double used = 0;
    for (const Block& block : page) used += block.height;
    const std::size_t start = next;
    while (next < blocks.size() && (next == start || used + blocks[next].height <= body.height())) {
      used += blocks[next].height;
      page.push_back(blocks[next++]);
    }
    pages_.push_back([page](QPainter& painter, const QRectF& area) {
      double y = area.top();
      for (const Block& block : page) {
        const QRectF rect(area.left(), y, area.width(), block.height);
        painter.save();
        painter.setClipRect(rect.intersected(area));
        block.paint(painter, rect);
        painter.restore();
        y += block.height;
      }
    });
    first = false;
  } while (next < blocks.size());
}

void PageList::Paint(QPainter& painter, int index, const TitleTexts& title) const {
  painter.save();
  PaintTitleBlock(painter, QRectF(kMargin, kMargin, size_.width() - 2 * kMargin, kTitleHeight),
                  fonts_, title, index + 1, Count());
  painter.restore();
  painter.save();
  pages_[static_cast<std::size_t>(index)](painter, Body());
  painter.restore();
}

void PaintTitleBlock(QPainter& painter, const QRectF& area, const PackageFonts& fonts,
                     const TitleTexts& title, int page, int pageCount) {
  painter.setPen(QPen(Qt::black, 0.8));
  painter.setBrush(QColor(240, 243, 248));
  painter.drawRect(area);
  painter.setBrush(Qt::NoBrush);
  const double split = area.width() * 0.68;
  painter.drawLine(QPointF(area.left() + split, area.top()),
                   QPointF(area.left() + split, area.bottom()));
  const double pad = 5;
  const double leftWidth = split - 2 * pad;
  const double rightWidth = area.width() - split - 2 * pad;
  const double line = (area.height() - 2 * pad) / 3;
  auto row = [&](int i, double x, double width, const QFont& font, const QString& text,
                 Qt::Alignment align) {
    painter.setFont(font);
    painter.drawText(QRectF(x, area.top() + pad + i * line, width, line), align | Qt::AlignVCenter,
                     Elided(font, text, width));
  };
  const double left = area.left() + pad;
  row(0, left, leftWidth, fonts.title, "Project: " + SafeText(title.project), Qt::AlignLeft);
  row(1, left, leftWidth, fonts.text, "Location: " + SafeText(title.location), Qt::AlignLeft);
  row(2, left, leftWidth, fonts.text, "Designer: " + SafeText(title.designer), Qt::AlignLeft);
  const double right = area.left() + split + pad;
  row(0, right, rightWidth, fonts.bold, QStringLiteral("Page %1 of %2").arg(page).arg(pageCount),
      Qt::AlignRight);
  row(1, right, rightWidth, fonts.text, "Date: " + SafeText(title.date), Qt::AlignRight);
  row(2, right, rightWidth, fonts.text, "Calvix " + SafeText(title.version), Qt::AlignRight);
}

Block HeadingBlock(const PackageFonts& fonts, const std::string& text) {
  const double height = QFontMetricsF(fonts.heading).height() * 1.6;
  const QFont font = fonts.heading;
  return {height, [font, text](QPainter& painter, const QRectF& rect) {
            painter.setFont(font);
            painter.setPen(QColor(20, 40, 90));
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop,
                             Elided(font, SafeText(text), rect.width()));
            painter.setPen(QPen(QColor(20, 40, 90), 0.8));
            const double y = rect.top() + QFontMetricsF(font).height() + 2;
            painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
          }};
}

Block TextBlock(const QFont& font, const std::string& text, double width) {
  const QString shown = SafeText(text);
  const double height = WrappedHeight(font, shown, width) + 3;
  return {height, [font, shown](QPainter& painter, const QRectF& rect) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
          }};
}

Block SpaceBlock(double height) {
  return {height, [](QPainter&, const QRectF&) {}};
}

Block RowBlock(const PackageFonts& fonts, const TableStyle& style,
               const std::vector<std::string>& cells, bool highlight, bool head) {
  QFont font = fonts.small;
  font.setBold(head || highlight);
  const double height = QFontMetricsF(font).height() + 4;
  return {height, [font, style, cells, highlight, head](QPainter& painter, const QRectF& rect) {
            double total = 0;
            for (double w : style.widths) total += w;
            if (head) painter.fillRect(rect, QColor(225, 230, 240));
            if (highlight) painter.fillRect(rect, QColor(255, 236, 150));
            painter.setFont(font);
            painter.setPen(Qt::black);
            double x = rect.left();
            for (std::size_t i = 0; i < style.widths.size() && i < cells.size(); ++i) {
              const double width = rect.width() * style.widths[i] / total;
              const QRectF cell(x + 3, rect.top(), width - 6, rect.height());
              const bool right = i < style.rightAligned.size() && style.rightAligned[i];
              painter.drawText(cell, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                               Elided(font, SafeText(cells[i]), cell.width()));
              x += width;
            }
            painter.setPen(QPen(QColor(200, 200, 200), 0.5));
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
          }};
}

}  // namespace calvix
