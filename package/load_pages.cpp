#include "analysis/load_combinations.h"
#include "drawing/station_diagram.h"
#include "model/number_format.h"
#include "package/package_sections.h"

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One quantity along the stations of a part and combination, in display
// units, with the texts the station table shows.
StationCurve Curve(const UnitSystem& units, const std::string& title, int quantity,
                   const std::array<float, kStationCount>& working) {
  StationCurve curve;
  curve.title = title;
  curve.unit = Trimmed(units.Label(quantity));
  for (float value : working) {
    const double shown = static_cast<double>(value) * static_cast<double>(units.Factor(quantity));
    curve.values.push_back(shown);
    curve.labels.push_back(Trimmed(FormatNumber(shown, units.Pattern(quantity))));
  }
  return curve;
}

std::vector<StationCurve> CurvesOf(const PackageInput& input, int part, int combo) {
  const AnalysisResults& a = *input.analysis;
  const UnitSystem& u = input.problem->units;
  const std::size_t p = PartIndex(part);
  const auto k = static_cast<std::size_t>(combo - 1);
  if (input.run == DesignRun::Strength) {
    return {Curve(u, "Moment Mu", kMoment, a.FactoredMoment[p][k]),
            Curve(u, "Shear Vu", kForce, a.FactoredShear[p][k]),
            Curve(u, "Axial Pu", kForce, a.FactoredAxial[p][k]),
            Curve(u, "Factored defl.", kDeflection, a.FactoredDeflection[p][k]),
            Curve(u, "Service defl.", kDeflection, a.ServiceDeflection[p][k])};
  }
  return {Curve(u, "Moment", kMoment, a.CombMoment[p][k]),
          Curve(u, "Shear", kForce, a.CombShear[p][k]),
          Curve(u, "Axial load", kForce, a.CombAxial[p][k])};
}

std::vector<Block> StationRows(const PageList& pages, const std::vector<StationCurve>& curves) {
  TableStyle style;
  std::vector<std::string> head{"Station"};
  style.widths.push_back(0.8);
  style.rightAligned.push_back(true);
  for (const StationCurve& curve : curves) {
    head.push_back(curve.title + " (" + curve.unit + ")");
    style.widths.push_back(2.0);
    style.rightAligned.push_back(true);
  }
  std::vector<Block> rows{RowBlock(pages.fonts(), style, head, false, true)};
  for (int j = 0; j < kStationCount; ++j) {
    std::vector<std::string> cells{j == 0                   ? "0 (top)"
                                   : j == kStationCount - 1 ? "10 (base)"
                                                            : std::to_string(j)};
    for (const StationCurve& curve : curves) {
      cells.push_back(curve.labels[static_cast<std::size_t>(j)]);
    }
    rows.push_back(RowBlock(pages.fonts(), style, cells));
  }
  return rows;
}

Block DiagramRow(const PageList& pages, std::vector<StationCurve> curves) {
  const QFont font = pages.fonts().small;
  return {pages.Body().height() * 0.52, [font, curves](QPainter& painter, const QRectF& rect) {
            painter.setFont(font);
            const double width = rect.width() / static_cast<double>(curves.size());
            for (std::size_t i = 0; i < curves.size(); ++i) {
              const QRectF cell(rect.left() + width * static_cast<double>(i), rect.top() + 4,
                                width - 6, rect.height() - 12);
              DrawStationDiagram(painter, cell, curves[i]);
            }
          }};
}

}  // namespace

void AddLoadSections(PageList& pages, const PackageInput& input) {
  if (input.analysis == nullptr) return;
  const Problem& problem = *input.problem;
  const bool strength = input.run == DesignRun::Strength;
  for (int part : DesignedParts(problem)) {
    for (int combo = 1; combo <= kLoadCombinationCount; ++combo) {
      if (problem.entry.LoadCombSelected[static_cast<std::size_t>(combo - 1)] == 0) continue;
      const std::vector<StationCurve> curves = CurvesOf(input, part, combo);
      std::vector<Block> blocks{DiagramRow(pages, curves)};
      for (Block& row : StationRows(pages, curves)) blocks.push_back(std::move(row));
      const std::string label = CombinationLabel(combo, problem.entry.StressIncreaseFactor,
                                                 strength, problem.entry.LoadFactors)
                                    .Label;
      pages.AddFlow(std::string(part == kParapet ? "Parapet" : "Main wall") +
                        ", load combination " + std::to_string(combo) + ": " + label,
                    blocks);
    }
  }
}

}  // namespace calvix
