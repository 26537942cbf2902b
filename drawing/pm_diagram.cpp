#include "drawing/pm_diagram.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Tick spacing of 1, 2 or 5 times a power of ten giving about `ticks` steps.
double NiceStep(double span, int ticks) {
  if (!(span > 0.0)) return 1.0;
  const double raw = span / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double unit = raw / power;
  const double nice = unit <= 1.0 ? 1.0 : unit <= 2.0 ? 2.0 : unit <= 5.0 ? 5.0 : 10.0;
  return nice * power;
}

QString TickText(double value, double step) {
  const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step)));
  return QLocale(QLocale::English).toString(value, 'f', decimals);
}

struct CurveStyle {
  QColor color;
  Qt::PenStyle style;
};

// Column 0 actual pairs, then the allowable curves.
CurveStyle StyleOf(int column) {
  switch (column) {
    case 0:
      return {QColor(0, 70, 170), Qt::SolidLine};
    case 1:
      return {QColor(190, 30, 30), Qt::DashLine};
    default:
      return {QColor(20, 130, 40), Qt::DashDotLine};
  }
}

std::string AxisMomentText(const UnitSystem& units) {
  if (units.UnitsType == 1) return "Moment (ft-lbs)";
  return "Moment (" + Trimmed(units.Label(kMoment)) + ")";
}

std::string AxisForceUnit(const UnitSystem& units) {
  if (units.UnitsType == 1) return "(lbs)";
  return "(" + Trimmed(units.Label(kForce)) + ")";
}

// The station marks of further combinations as small squares, the governing
// point ringed twice so that it stands out in print.
void DrawMarks(QPainter& painter, const PMStationMarks& marks, double lineW,
               const std::function<QPointF(double, double)>& at) {
  painter.setBrush(Qt::NoBrush);
  const double half = lineW * 2.0;
  for (const auto& series : marks.series) {
    painter.setPen(QPen(CombinationColor(series.combo), lineW));
    for (std::size_t j = 0; j < series.M.size() && j < series.P.size(); ++j) {
      const QPointF point = at(series.M[j], series.P[j]);
      painter.drawRect(QRectF(point.x() - half, point.y() - half, 2 * half, 2 * half));
    }
  }
  if (!marks.governingShown) return;
  const QPointF point = at(marks.governingM, marks.governingP);
  painter.setPen(QPen(Qt::black, lineW * 1.5));
  painter.drawEllipse(point, lineW * 5, lineW * 5);
  painter.drawEllipse(point, lineW * 8, lineW * 8);
}

}  // namespace

QColor CombinationColor(int combo) {
  static const QColor kColors[] = {QColor(0, 70, 170), QColor(190, 30, 30), QColor(20, 130, 40),
                                   QColor(200, 120, 0), QColor(120, 40, 160)};
  return kColors[std::clamp(combo, 1, 5) - 1];
}

std::vector<std::string> PMLegendTexts(int curveCount) {
  if (curveCount == 2) return {"Actual P vs. M Curve", "Allowable P vs. M Curve"};
  if (curveCount == 3) {
    return {"Actual P vs. M Curve", "Neg. Moment P vs. M", "Pos. Moment P vs. M"};
  }
  return {};
}

void DrawPMDiagram(QPainter& painter, const QRectF& area, const PMPlotData& data,
                   const UnitSystem& units, const PMStationMarks* marks) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  // The diagram is lettered in the proportional font of the program, also on
  // a report page printed in a fixed-pitch font.
  QFont font = QGuiApplication::font();
  const double em = std::clamp(std::min(area.height() / 36.0, area.width() / 48.0), 8.0, 400.0);
  font.setPixelSize(static_cast<int>(em));
  painter.setFont(font);
  const QFontMetricsF fm(font, painter.device());
  const double lineW = std::max(1.0, area.width() / 500.0);

  // Title.
  QFont titleFont = font;
  titleFont.setBold(true);
  titleFont.setPixelSize(static_cast<int>(em * 1.25));
  painter.setFont(titleFont);
  const QRectF titleRect(area.left(), area.top(), area.width(), em * 2.2);
  painter.drawText(titleRect, Qt::AlignCenter, "Axial Load - Moment Interaction Diagram");
  painter.setFont(font);

  // Scale: the largest P and M of every curve fit the plotting area.
  const double pFactor = units.Factor(kForce);
  const double mFactor = units.Factor(kMoment);
  double pMax = 0.0;
  double mMax = 0.0;
  for (int c = 0; c < data.curveCount; ++c) {
    for (int i = 0; i < kCurvePointCount; ++i) {
      pMax = std::max(pMax,
                      data.P[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] * pFactor);
      mMax = std::max(mMax,
                      data.M[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] * mFactor);
    }
  }
  if (marks != nullptr) {
    for (const auto& series : marks->series) {
      for (std::size_t j = 0; j < series.M.size() && j < series.P.size(); ++j) {
        mMax = std::max(mMax, std::fabs(series.M[j]) * mFactor);
        pMax = std::max(pMax, series.P[j] * pFactor);
      }
    }
  }
  const double pStep = NiceStep(pMax > 0 ? pMax : 1.0, 8);
  const double pTop = std::max(pStep, std::ceil(pMax / pStep) * pStep);

  const QString yTitle = "Axial Load";
  const QString yUnit = QString::fromStdString(AxisForceUnit(units));
  const double yTitleWidth = std::max(fm.horizontalAdvance(yTitle), fm.horizontalAdvance(yUnit));
  const double yLabelWidth = fm.horizontalAdvance(TickText(pTop, pStep)) + em * 0.6;
  const double left = area.left() + yTitleWidth + em * 0.8 + yLabelWidth;
  const double right = area.right() - em * 2.5;
  const double top = titleRect.bottom() + em * 0.8;
  const double bottom = area.bottom() - em * 3.4;
  const QRectF plot(QPointF(left, top), QPointF(right, bottom));
  if (plot.width() <= 0 || plot.height() <= 0) {
    painter.restore();
    return;
  }
  // As many moment ticks as their labels leave room for, eight at most.
  double mStep = NiceStep(mMax > 0 ? mMax : 1.0, 8);
  for (int ticks = 8; ticks >= 2; --ticks) {
    mStep = NiceStep(mMax > 0 ? mMax : 1.0, ticks);
    const double mEnd = std::max(mStep, std::ceil(mMax / mStep) * mStep);
    const double labelWidth = fm.horizontalAdvance(TickText(mEnd, mStep)) + em;
    if (plot.width() / (mEnd / mStep) >= labelWidth) break;
  }
  const double mRight = std::max(mStep, std::ceil(mMax / mStep) * mStep);
  auto toX = [&](double m) { return plot.left() + m / mRight * plot.width(); };
  auto toY = [&](double p) { return plot.bottom() - p / pTop * plot.height(); };

  if (data.curveCount == 0) {
    // A bar without an accepted spacing has no curves to scale the axes by.
    painter.setPen(QPen(Qt::black, lineW));
    painter.drawRect(plot);
    painter.drawText(plot, Qt::AlignCenter, "N/A");
    painter.restore();
    return;
  }

  // Grid and tick labels.
  QPen gridPen(QColor(205, 205, 205), lineW * 0.6);
  for (double m = 0; m <= mRight + mStep * 0.01; m += mStep) {
    painter.setPen(gridPen);
    painter.drawLine(QPointF(toX(m), plot.top()), QPointF(toX(m), plot.bottom()));
    painter.setPen(Qt::black);
    const QString text = TickText(m, mStep);
    const double w = fm.horizontalAdvance(text);
    painter.drawText(QPointF(toX(m) - w / 2, plot.bottom() + fm.ascent() + em * 0.3), text);
  }
  for (double pv = 0; pv <= pTop + pStep * 0.01; pv += pStep) {
    painter.setPen(gridPen);
    painter.drawLine(QPointF(plot.left(), toY(pv)), QPointF(plot.right(), toY(pv)));
    painter.setPen(Qt::black);
    const QString text = TickText(pv, pStep);
    const double w = fm.horizontalAdvance(text);
    painter.drawText(QPointF(plot.left() - w - em * 0.4, toY(pv) + fm.ascent() / 2.5), text);
  }
  painter.setPen(QPen(Qt::black, lineW));
  painter.drawRect(plot);

  // Axis titles.
  const QString xTitle = QString::fromStdString(AxisMomentText(units));
  painter.drawText(QRectF(plot.left(), plot.bottom() + em * 1.6, plot.width(), em * 1.6),
                   Qt::AlignCenter, xTitle);
  const QRectF yTitleRect(area.left(), plot.top() + plot.height() / 2 - em * 1.6,
                          yTitleWidth + em * 0.2, em * 1.5);
  painter.drawText(yTitleRect, Qt::AlignHCenter | Qt::AlignVCenter, yTitle);
  painter.drawText(yTitleRect.translated(0, em * 1.6), Qt::AlignHCenter | Qt::AlignVCenter, yUnit);

  // Curves, in the order of their columns, each through its 100 points.
  painter.setClipRect(plot.adjusted(-lineW * 4, -lineW * 4, lineW * 4, lineW * 4));
  for (int c = 0; c < data.curveCount; ++c) {
    const CurveStyle style = StyleOf(c);
    QPen pen(style.color, lineW * 2.0, style.style);
    painter.setPen(pen);
    QPainterPath path;
    for (int i = 0; i < kCurvePointCount; ++i) {
      const QPointF point(
          toX(data.M[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] * mFactor),
          toY(data.P[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] * pFactor));
      if (i == 0) {
        path.moveTo(point);
      } else {
        path.lineTo(point);
      }
    }
    painter.drawPath(path);
    if (c == 0) {
      // The stations of the actual pairs; with separate curves for the two
      // moment signs each point takes the colour of the curve it is checked
      // against (hollow for negative moment).
      for (int j = 0; j < kStationCount; ++j) {
        const auto station = static_cast<std::size_t>(j);
        QColor color = style.color;
        if (data.curveCount == 3) color = StyleOf(data.negativeMoment[station] ? 1 : 2).color;
        painter.setPen(QPen(color, lineW * 1.5));
        painter.setBrush(data.curveCount == 3 && data.negativeMoment[station] ? QBrush(Qt::white)
                                                                              : QBrush(color));
        const QPointF point(toX(data.M[0][station] * mFactor), toY(data.P[0][station] * pFactor));
        painter.drawEllipse(point, lineW * 2.5, lineW * 2.5);
      }
      painter.setBrush(Qt::NoBrush);
    }
  }
  if (marks != nullptr) {
    DrawMarks(painter, *marks, lineW, [&](double m, double p) {
      return QPointF(toX(std::fabs(m) * mFactor), toY(p * pFactor));
    });
  }
  painter.restore();
}

void DrawPMLegend(QPainter& painter, const QRectF& area, const PMPlotData& data) {
  const std::vector<std::string> texts = PMLegendTexts(data.curveCount);
  if (texts.empty() || area.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double rowHeight = area.height() / static_cast<double>(texts.size());
  const double sample = std::min(area.width() * 0.25, rowHeight * 3.0);
  QFont font = QGuiApplication::font();
  font.setPixelSize(static_cast<int>(std::max(8.0, rowHeight * 0.6)));
  // Shrunk until the longest text fits beside its sample line.
  const double room = area.width() - sample - rowHeight * 0.8;
  for (const std::string& text : texts) {
    const double width =
        QFontMetricsF(font, painter.device()).horizontalAdvance(QString::fromStdString(text));
    if (width > room && room > 0) {
      font.setPixelSize(std::max(6, static_cast<int>(font.pixelSize() * room / width)));
    }
  }
  painter.setFont(font);
  const double lineW = std::max(1.0, rowHeight / 12.0);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const double y = area.top() + rowHeight * (static_cast<double>(i) + 0.5);
    const CurveStyle style = StyleOf(static_cast<int>(i));
    painter.setPen(QPen(style.color, lineW, style.style));
    painter.drawLine(QPointF(area.left() + rowHeight * 0.3, y),
                     QPointF(area.left() + rowHeight * 0.3 + sample, y));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left() + rowHeight * 0.6 + sample, y - rowHeight / 2,
                            area.width() - sample - rowHeight * 0.6, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(texts[i]));
  }
  painter.restore();
}

}  // namespace calvix
