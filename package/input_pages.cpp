#include <QFontMetricsF>
#include <exception>

#include "analysis/load_combinations.h"
#include "analysis/seismic_loads.h"
#include "drawing/wall_elevation.h"
#include "package/package_sections.h"
#include "reports/report_driver.h"
#include "reports/wall_drawing.h"

namespace calvix {
namespace {

// Collects the lines of a report document; a page end is an empty line.
class LineCollector : public ReportDestination {
 public:
  void Begin(const PageGeometry&) override { lines_.assign(1, std::string()); }
  void Put(std::string_view text) override { lines_.back().append(text); }
  void EndLine() override { lines_.emplace_back(); }
  void EndPage() override { lines_.emplace_back(); }
  void Finish() override {}
  void Abandon() override { lines_.clear(); }
  bool IsFile() const override { return true; }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

// The input echo of the text report, without its page headers (the title
// block carries the project) and without runs of empty lines.
std::vector<std::string> InputEchoLines(const PackageInput& input) {
  LineCollector collector;
  ReportDocument document;
  document.StartDocument(5, kMarginsNone, kPage85x110, collector);
  PrintInputData(document, *input.problem, input.run != DesignRun::Unreinforced, ReportStamp{});
  std::vector<std::string> lines;
  for (const std::string& line : collector.lines()) {
    const bool empty = line.find_first_not_of(' ') == std::string::npos;
    if (empty && (lines.empty() || lines.back().empty())) continue;
    lines.push_back(empty ? std::string() : line);
  }
  return lines;
}

// The drawing of the wall picture; an input that cannot be drawn (a problem
// stopped before its conversion) leaves the page with a note instead.
void PaintElevation(QPainter& painter, const QRectF& area, const PackageInput& input,
                    const PackageFonts& fonts) {
  try {
    const SeismicResult seismic =
        input.analysis != nullptr ? input.analysis->Seismic : ComputeSeismicLoads(*input.problem);
    Problem copy = *input.problem;
    PlotWallOptions options;
    options.seismicActive = FilterCombinations(copy, seismic, kMainWall).SeismicCombActive;
    options.lineWidth = 1;
    const WallDrawing drawing = PlotWallDrawing(*input.problem, seismic, options);
    RenderWallDrawing(painter, drawing, area, 1.0 / 8.0);
  } catch (const std::exception& error) {
    painter.setFont(fonts.text);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                     SafeText(std::string("The wall cannot be drawn: ") + error.what()));
  }
}

}  // namespace

void AddInputSection(PageList& pages, const PackageInput& input) {
  const PackageFonts& fonts = pages.fonts();
  const QRectF body = pages.Body();
  Block drawing{body.height() * 0.75, [&input, fonts](QPainter& painter, const QRectF& rect) {
                  PaintElevation(painter, rect.adjusted(0, 6, 0, 0), input, fonts);
                }};
  pages.AddFlow("Input: wall elevation with its dimensions and loads", {drawing});
  std::vector<Block> lines;
  const double lineHeight = QFontMetricsF(fonts.mono).height();
  for (const std::string& line : InputEchoLines(input)) {
    const QFont font = fonts.mono;
    lines.push_back({lineHeight, [font, line](QPainter& painter, const QRectF& rect) {
                       painter.setFont(font);
                       painter.setPen(Qt::black);
                       painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                                        Elided(font, SafeText(line), rect.width()));
                     }});
  }
  pages.AddFlow("Input data", lines);
}

}  // namespace calvix
