#include "drawing/wall_elevation.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

namespace calvix {
namespace {

QFont DrawingFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  // 8 point = 160 twips; the painter's scale turns it into device pixels.
  font.setPixelSize(160);
  return font;
}

void DrawText(QPainter& painter, const WallText& text) {
  QString shown = QString::fromStdString(text.text);
  QFontMetricsF metrics(painter.font(), painter.device());
  double width = metrics.horizontalAdvance(shown);
  double ascent = metrics.ascent();
  double height = metrics.height();
  painter.save();
  painter.translate(text.x, text.y);
  if (text.vertical) {
    // Upright along the line, centred on the anchor, to its left.
    painter.rotate(-90);
    painter.drawText(QPointF(-width / 2, -metrics.descent() - 10), shown);
  } else {
    double x = 0;
    if (text.align == WallTextAlign::Centre) x = -width / 2;
    if (text.align == WallTextAlign::Right) x = -width;
    painter.drawText(QPointF(x, ascent - height / 2), shown);
  }
  painter.restore();
}

}  // namespace

void RenderWallDrawing(QPainter& painter, const WallDrawing& drawing, const QRectF& target,
                       double maxScale) {
  double left = drawing.left;
  double width = drawing.right - left;
  double height = drawing.bottom;
  double scale = std::min({target.width() / width, target.height() / height, maxScale});
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(target.left() + (target.width() - width * scale) / 2, target.top());
  painter.scale(scale, scale);
  painter.translate(-left, 0);
  painter.setFont(DrawingFont());
  for (const WallLine& line : drawing.lines) {
    QPen pen(Qt::black);
    pen.setWidthF(line.width * kTwipsPerPixel);
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  painter.setPen(Qt::black);
  for (const WallText& text : drawing.texts) DrawText(painter, text);
  painter.restore();
}

}  // namespace calvix
