#include "ui/printer_surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <algorithm>
#include <stdexcept>

#include "files/settings.h"

namespace calvix {
namespace {

// The character whose advance sets the cell width. In a fixed-pitch font
// every character has it.
const QChar kCellChar = QLatin1Char('0');

}  // namespace

// A fixed-pitch family of the system: its own fixed font when that resolves
// to one, else the first fixed-pitch family, those named "Mono" or "Courier"
// first.
QFont SystemFixedFont() {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(fixed).fixedPitch()) return fixed;
  QString chosen;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isFixedPitch(family)) continue;
    if (family.contains("Mono") || family.contains("Courier")) return QFont(family);
    if (chosen.isEmpty()) chosen = family;
  }
  return chosen.isEmpty() ? fixed : QFont(chosen);
}

QFont ReportTextFont(const PrinterFont& font) {
  const QString family = QString::fromStdString(font.name);
  QFont result;
  if (!family.isEmpty() && QFontDatabase::families().contains(family) &&
      QFontDatabase::isFixedPitch(family)) {
    result = QFont(family);
  } else {
    result = SystemFixedFont();
  }
  result.setStyleHint(QFont::Monospace);
  result.setFixedPitch(true);
  result.setKerning(false);
  result.setPointSizeF(font.size > 0 ? static_cast<double>(font.size) : 12.0);
  return result;
}

QtPrinterSurface::QtPrinterSurface(QPrinter& printer) : printer_(printer) {}

QtPrinterSurface::~QtPrinterSurface() {
  if (painter_) AbortDocument();
}

std::vector<std::string> QtPrinterSurface::FontNames() const {
  std::vector<std::string> names;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isFixedPitch(family)) names.push_back(family.toStdString());
  }
  return names;
}

void QtPrinterSurface::BeginDocument(const PrinterPage& page) {
  if (painter_) AbortDocument();
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&printer_)) {
    const QString target =
        printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
    throw std::runtime_error("cannot start printing on " + target.toStdString());
  }
  // The painter's origin is the top left corner of the printable area.
  const QRectF printable = printer_.pageRect(QPrinter::DevicePixel);
  pageArea_ = QRectF(0, 0, printable.width(), printable.height());

  const int columns = std::max(1, page.geometry.lineWidth);
  const int lines = std::max(1, page.geometry.pageLength);
  lineHeight_ = pageArea_.height() / lines;

  // The font as asked for, shrunk until a full line and a full page fit the
  // printable area; lines are then spread over the page height.
  font_ = ReportTextFont(page.font);
  QFontMetricsF metrics(font_, &printer_);
  const double wanted = pageArea_.width() / columns;
  double scale = 1.0;
  if (metrics.horizontalAdvance(kCellChar) > wanted) {
    scale = wanted / metrics.horizontalAdvance(kCellChar);
  }
  if (metrics.height() * scale > lineHeight_) scale = lineHeight_ / metrics.height();
  if (scale < 1.0) {
    // A little under the exact fit, so that rounding of the glyph advances
    // can never push the last column off the paper.
    font_.setPointSizeF(font_.pointSizeF() * scale * 0.995);
    metrics = QFontMetricsF(font_, &printer_);
  }
  cellWidth_ = metrics.horizontalAdvance(kCellChar);
  ascent_ = metrics.ascent();
  painter->setFont(font_);
  painter->setPen(Qt::black);
  painter_ = std::move(painter);
}

QRectF QtPrinterSurface::CellRect(int line, int column) const {
  return QRectF(column * cellWidth_, line * lineHeight_, cellWidth_, lineHeight_);
}

void QtPrinterSurface::DrawText(int line, int column, std::string_view text) {
  if (!painter_ || text.empty()) return;
  const QString run = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (run.trimmed().isEmpty()) return;  // spaces leave the paper as it is
  // The cell width is the advance of the fixed-pitch font, so a run drawn
  // whole keeps every character in its column.
  const QPointF origin = CellRect(line, column).topLeft() + QPointF(0, ascent_);
  painter_->drawText(origin, run);
}

void QtPrinterSurface::NewPage() {
  if (!painter_) return;
  if (!printer_.newPage()) throw std::runtime_error("the printer cannot start a new page");
  painter_->setFont(font_);
  painter_->setPen(Qt::black);
}

void QtPrinterSurface::EndDocument() {
  if (!painter_) return;
  const bool ended = painter_->end();
  painter_.reset();
  if (!ended || printer_.printerState() == QPrinter::Error) {
    throw std::runtime_error("the print job could not be finished");
  }
}

void QtPrinterSurface::AbortDocument() {
  if (!painter_) return;
  printer_.abort();
  painter_->end();
  painter_.reset();
}

QRectF ReportPictureArea(ReportDocument& document, const QtPrinterSurface& surface) {
  if (document.LineOnPage() < document.TopMargin()) {
    document.PrintLine(std::string(kLineEndMark));
  } else if (document.Column() > 0) {
    document.NewLine();
  }
  const int bottomLine = document.PageLength() - document.BottomMargin();
  const QRectF top = surface.CellRect(document.LineOnPage(), document.LeftMargin());
  const QRectF bottom = surface.CellRect(bottomLine, document.LineWidth() - document.RightMargin());
  return QRectF(top.topLeft(), bottom.topLeft());
}

void SetSettingsPaper(QPrinter& printer, const Session& session) {
  PaperSize paper =
      ReadPaperSize(SettingsFile(session.folder.Settings()), session.problem.units.UnitsType);
  printer.setPageSize(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
}

void PrepareReportPrinter(QPrinter& printer) {
  const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
  const QMarginsF wanted(std::max(margins.left(), kReportPaperMarginMm),
                         std::max(margins.top(), kReportPaperMarginMm),
                         std::max(margins.right(), kReportPaperMarginMm),
                         std::max(margins.bottom(), kReportPaperMarginMm));
  printer.setPageMargins(wanted, QPageLayout::Millimeter);
}

void ClosePictureArea(ReportDocument& document) {
  while (document.LineOnPage() < document.PageLength() - document.BottomMargin()) {
    document.NewLine();
  }
}

bool PrintReportOnPrinter(Session& session, QPrinter& printer, const ReportRequest& request,
                          ReportHooks hooks, const ReportStamp& stamp,
                          const PagePicture& wallPicture) {
  QtPrinterSurface surface(printer);
  const SettingsFile settings(session.folder.Settings());
  PrinterDestination destination(surface, settings);
  ReportDocument document;
  if (wallPicture) {
    hooks.wallPicture = [&surface, &wallPicture](ReportDocument& doc) {
      const QRectF area = ReportPictureArea(doc, surface);
      QPainter* painter = surface.Painter();
      if (painter == nullptr) return;
      painter->save();
      wallPicture(*painter, area);
      painter->restore();
      ClosePictureArea(doc);
    };
  }
  return PrintResults(document, destination, session.problem, request, hooks, stamp,
                      session.platform);
}

}  // namespace calvix
