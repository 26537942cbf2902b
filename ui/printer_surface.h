// The printer of the desktop program as a surface for printed reports: a
// QPrinter (a real printer, or a PDF file when the print dialog is told so)
// painted with QPainter in a fixed-pitch font. The page is a grid of
// character cells: the report's lines per page and characters per line are
// spread over the printable area of the paper, and the font is made small
// enough for a full line to fit (never larger than the size asked for).
//
// Pictures (the wall picture, the interaction diagram) are drawn on the same
// pages through Painter(), in the area below the text already printed.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/session.h"
#include "reports/report_destinations.h"
#include "reports/report_driver.h"

class QPrinter;

namespace calvix {

class QtPrinterSurface : public PrinterSurface {
 public:
  // `printer` must outlive the surface and be set up (printer or PDF file)
  // before the document begins.
  explicit QtPrinterSurface(QPrinter& printer);
  ~QtPrinterSurface() override;

  // The fixed-pitch font families of the system, in the font database's
  // order: a report is a character grid, so only those can print it.
  std::vector<std::string> FontNames() const override;
  void BeginDocument(const PrinterPage& page) override;
  void DrawText(int line, int column, std::string_view text) override;
  void NewPage() override;
  void EndDocument() override;
  void AbortDocument() override;

  // While a document is open: the painter on the current page, the page's
  // printable area in painter coordinates, and the rectangle of a cell.
  bool IsOpen() const { return painter_ != nullptr; }
  QPainter* Painter() { return painter_.get(); }
  QRectF PageArea() const { return pageArea_; }
  QRectF CellRect(int line, int column) const;
  // The text font actually used (family and the size that fits the page).
  const QFont& TextFont() const { return font_; }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  QRectF pageArea_;
  double cellWidth_ = 0;
  double lineHeight_ = 0;
  double ascent_ = 0;
};

// For a picture printed on a report page: prints the page header when the
// page has none yet (with an empty line under it), and gives the area from
// the current line down to the bottom margin, between the side margins.
QRectF ReportPictureArea(ReportDocument& document, const QtPrinterSurface& surface);

// Draws a picture (the wall picture) into an area of a printed page.
using PagePicture = std::function<void(QPainter&, const QRectF&)>;

// Paper margins of a printed report (mm) where the printer asks for less.
inline constexpr double kReportPaperMarginMm = 12.7;

// Sets the paper margins of a printer to at least kReportPaperMarginMm.
void PrepareReportPrinter(QPrinter& printer);

// A new printer on the paper of the settings (Letter in U.S. units, A4 in the
// metric systems unless the settings name one); the print and page set-up
// dialogs then start from it.
void SetSettingsPaper(QPrinter& printer, const Session& session);

// The whole report of `request` on `printer` (a printer or a PDF file), with
// the printer font of the settings file; `wallPicture` draws the wall picture
// on its page when the report asks for it. Returns whether the job was
// delivered; a failure has been reported through the session's platform.
bool PrintReportOnPrinter(Session& session, QPrinter& printer, const ReportRequest& request,
                          ReportHooks hooks, const ReportStamp& stamp,
                          const PagePicture& wallPicture);

// After a picture: the page counts as full, so the text that follows starts
// on the next page instead of over the picture.
void ClosePictureArea(ReportDocument& document);

// The font a report is printed in: the family asked for when the system has
// it as a fixed-pitch font, otherwise the system's fixed-pitch font; the
// point size asked for (12 when not positive).
QFont ReportTextFont(const PrinterFont& font);

}  // namespace calvix
