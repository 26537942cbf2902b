#include "drawing/station_diagram.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace calvix {

CurveExtremes ExtremesOf(const std::vector<double>& values) {
  CurveExtremes extremes;
  if (values.empty()) return extremes;
  extremes.largest = 0;
  extremes.smallest = 0;
  for (std::size_t j = 1; j < values.size(); ++j) {
    if (values[j] > values[static_cast<std::size_t>(extremes.largest)]) {
      extremes.largest = static_cast<int>(j);
    }
    if (values[j] < values[static_cast<std::size_t>(extremes.smallest)]) {
      extremes.smallest = static_cast<int>(j);
    }
  }
  if (values[static_cast<std::size_t>(extremes.largest)] ==
      values[static_cast<std::size_t>(extremes.smallest)]) {
    extremes.smallest = -1;
  }
  return extremes;
}

namespace {

// The label of an extreme beside its point, kept inside the frame.
void LabelPoint(QPainter& painter, const QRectF& plot, QPointF point, const QString& text,
                bool rightOfPoint) {
  const QFontMetricsF fm(painter.font());
  const double width = fm.horizontalAdvance(text);
  double x = rightOfPoint ? point.x() + 4 : point.x() - 4 - width;
  x = std::clamp(x, plot.left() + 1, std::max(plot.left() + 1, plot.right() - width - 1));
  const double y = std::clamp(point.y() + fm.ascent() / 2, plot.top() + fm.ascent(), plot.bottom());
  painter.drawText(QPointF(x, y), text);
}

}  // namespace

void DrawStationDiagram(QPainter& painter, const QRectF& area, const StationCurve& curve) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QFont font = painter.font();
  const double line = QFontMetricsF(font).height();
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  const QString title = QString::fromStdString(curve.title + " (" + curve.unit + ")");
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignCenter,
                   QFontMetricsF(bold).elidedText(title, Qt::ElideRight, area.width()));
  painter.setFont(font);
  const QRectF plot = area.adjusted(2, line * 1.4, -2, -2);
  painter.setPen(QPen(QColor(150, 150, 150), 0.5));
  painter.drawRect(plot);
  const std::size_t count = curve.values.size();
  if (count < 2 || plot.height() <= 0) {
    painter.restore();
    return;
  }
  double span = 0;
  for (double value : curve.values) span = std::max(span, std::fabs(value));
  if (!(span > 0)) span = 1;
  // Zero in the middle: the value axis is symmetric about the wall line.
  const double half = plot.width() / 2 - 4;
  auto at = [&](std::size_t j) {
    const double y =
        plot.top() + plot.height() * static_cast<double>(j) / static_cast<double>(count - 1);
    return QPointF(plot.center().x() + curve.values[j] / span * half, y);
  };
  painter.setPen(QPen(Qt::black, 1.2));
  painter.drawLine(QPointF(plot.center().x(), plot.top()),
                   QPointF(plot.center().x(), plot.bottom()));
  QPainterPath path(QPointF(plot.center().x(), plot.top()));
  for (std::size_t j = 0; j < count; ++j) path.lineTo(at(j));
  path.lineTo(QPointF(plot.center().x(), plot.bottom()));
  painter.setPen(QPen(QColor(0, 70, 170), 1.0));
  painter.setBrush(QColor(0, 70, 170, 40));
  painter.drawPath(path);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(Qt::black);
  const CurveExtremes extremes = ExtremesOf(curve.values);
  for (int station : {extremes.largest, extremes.smallest}) {
    if (station < 0) continue;
    const auto j = static_cast<std::size_t>(station);
    const QString text = QString::fromStdString(j < curve.labels.size() ? curve.labels[j] : "");
    painter.drawEllipse(at(j), 1.8, 1.8);
    LabelPoint(painter, plot, at(j), text, curve.values[j] < 0);
  }
  painter.restore();
}

}  // namespace calvix
