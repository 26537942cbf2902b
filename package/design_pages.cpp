#include <QFontMetricsF>

#include "drawing/pm_diagram.h"
#include "package/package_sections.h"
#include "package/step_text.h"
#include "reports/report_format.h"

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string PartName(int part) {
  return part == kParapet ? "Parapet" : "Main wall";
}

float At(const std::vector<float>& values, std::size_t i) {
  return i < values.size() ? values[i] : 0.0f;
}

// One row per bar of the table: its spacing and the values the design found
// for it, the chosen bar highlighted.
std::vector<Block> BarRows(const PageList& pages, const PackageInput& input, int part) {
  const Problem& problem = *input.problem;
  const UnitSystem& u = problem.units;
  const std::size_t p = PartIndex(part);
  const bool strength = input.run == DesignRun::Strength;
  std::vector<std::string> head =
      strength
          ? std::vector<std::string>{"Bar",      "Spacing",         "\u00F8Mn",      "Mu (P-delta)",
                                     "\u00F8Vn", "\u0394 factored", "\u0394 service"}
          : std::vector<std::string>{"Bar", "Spacing", "Fa", "fv", "Allowable moment"};
  TableStyle style;
  for (std::size_t i = 0; i < head.size(); ++i) {
    style.widths.push_back(1.0);
    style.rightAligned.push_back(i > 0);
  }
  std::vector<Block> rows{RowBlock(pages.fonts(), style, head, false, true)};
  for (std::size_t bar = 0; bar < u.BarTable.size(); ++bar) {
    std::vector<std::string> cells{Trimmed(u.BarTable[bar].Name)};
    if (strength) {
      const StrengthResults& r = input.design->strength;
      const bool offered = r.BarOffered(p, bar);
      cells.push_back(offered ? DisplayText(u, At(r.BarSpacing[p], bar), kLengthShort) : "none");
      cells.push_back(DisplayText(u, At(r.BarPhiMn[p], bar), kMoment));
      cells.push_back(DisplayText(u, At(r.BarMu[p], bar), kMoment));
      cells.push_back(DisplayText(u, At(r.BarPhiVn[p], bar), kForce));
      cells.push_back(DisplayText(u, At(r.BarDeltaUlt[p], bar), kDeflection));
      cells.push_back(DisplayText(u, At(r.BarDeltaServ[p], bar), kDeflection));
    } else {
      const ReinforcedResults& r = input.design->reinforced;
      const bool offered = r.BarOffered(p, bar);
      cells.push_back(offered ? DisplayText(u, At(r.BarSpacing[p], bar), kLengthShort) : "none");
      cells.push_back(DisplayText(u, At(r.BarFa[p], bar), kMasonryStress));
      cells.push_back(DisplayText(u, At(r.BarShearStress[p], bar), kMasonryStress));
      cells.push_back(DisplayText(u, At(r.BarAllowMoment[p], bar), kMoment));
    }
    rows.push_back(RowBlock(pages.fonts(), style, cells, static_cast<int>(bar) == input.choice[p]));
  }
  return rows;
}

void AddGroutTable(PageList& pages, const PackageInput& input, int part) {
  const UnreinforcedResults& r = input.design->unreinforced;
  const UnitSystem& u = input.problem->units;
  const std::size_t p = PartIndex(part);
  const TableStyle style{{1.2, 1, 1, 1, 1, 0.8, 1}, {false, true, true, true, true, true, false}};
  std::vector<Block> rows{RowBlock(pages.fonts(), style,
                                   {"Grouting", "fa", "fb", "fa - fb", "fv", "CSI", "Verdict"},
                                   false, true)};
  for (std::size_t c = 0; c < r.CaseVerdict[p].size(); ++c) {
    rows.push_back(RowBlock(pages.fonts(), style,
                            {c < r.GroutCaseLabel.size() ? Trimmed(r.GroutCaseLabel[c]) : "",
                             DisplayText(u, At(r.CaseFa[p], c), kMasonryStress),
                             DisplayText(u, At(r.CaseFb[p], c), kMasonryStress),
                             DisplayText(u, At(r.CaseNetStress[p], c), kMasonryStress),
                             DisplayText(u, At(r.CaseShearStress[p], c), kMasonryStress),
                             RatioText(At(r.CaseCSI[p], c)), Trimmed(r.CaseVerdict[p][c])},
                            static_cast<int>(c) == input.choice[p]));
  }
  pages.AddFlow(PartName(part) + ": grouting cases (the chosen case highlighted)", rows);
}

// The interaction diagram of the chosen bar with the curves of the governing
// combination and the stations of every selected combination.
std::vector<Block> InteractionBlocks(const PageList& pages, const PackageInput& input, int part) {
  const Problem& problem = *input.problem;
  const ReinforcedResults& r = input.design->reinforced;
  const std::size_t p = PartIndex(part);
  const PMPlotData data =
      ComputePMPlot(problem, *input.analysis, r, part, r.GovCombo[p], input.choice[p]);
  PMStationMarks marks;
  for (int combo = 1; combo <= kLoadCombinationCount; ++combo) {
    const auto k = static_cast<std::size_t>(combo - 1);
    if (problem.entry.LoadCombSelected[k] == 0) continue;
    PMStationMarks::Series series{combo, {}, {}};
    for (int j = 0; j < kStationCount; ++j) {
      series.M.push_back(input.analysis->CombMoment[p][k][static_cast<std::size_t>(j)]);
      series.P.push_back(input.analysis->CombAxial[p][k][static_cast<std::size_t>(j)]);
    }
    marks.series.push_back(series);
  }
  marks.governingShown = true;
  marks.governingM = r.GovMoment[p];
  marks.governingP = r.GovAxial[p];
  const UnitSystem units = problem.units;
  const PackageFonts fonts = pages.fonts();
  const double height = pages.Body().height() * 0.62;
  Block diagram{height, [data, marks, units, fonts](QPainter& painter, const QRectF& rect) {
                  const QRectF legend(rect.left(), rect.bottom() - 56, rect.width() * 0.45, 30);
                  DrawPMDiagram(painter, rect.adjusted(0, 0, 0, -60), data, units, &marks);
                  DrawPMLegend(painter, legend, data);
                  painter.setFont(fonts.small);
                  double x = rect.left() + rect.width() * 0.55;
                  for (const auto& series : marks.series) {
                    painter.setPen(CombinationColor(series.combo));
                    painter.drawRect(QRectF(x, rect.bottom() - 48, 6, 6));
                    painter.drawText(QPointF(x + 9, rect.bottom() - 42),
                                     QStringLiteral("comb. %1").arg(series.combo));
                    x += 46;
                  }
                  painter.setPen(Qt::black);
                  painter.drawText(QPointF(rect.left() + rect.width() * 0.55, rect.bottom() - 24),
                                   QStringLiteral("Ringed: the governing point (Ms, Ps)"));
                }};
  Block note = TextBlock(pages.fonts().text,
                         "Curves of load combination " + std::to_string(r.GovCombo[p]) +
                             " (governing) at the chosen bar; squares: the (M, P) of every "
                             "station of every selected combination.",
                         pages.Body().width());
  return {SpaceBlock(6), HeadingBlock(pages.fonts(), "Axial load - moment interaction"), note,
          diagram};
}

void AddPDeltaTable(PageList& pages, const CalculationSteps& steps, const UnitSystem& u) {
  if (steps.pdelta.empty()) return;
  const TableStyle style{{0.6, 1, 1.2, 1.2, 0.8}, {true, true, true, true, false}};
  std::vector<Block> rows{RowBlock(
      pages.fonts(), style, {"Pass", "Deflection", "Moment", "Change", "Converged"}, false, true)};
  for (const PDeltaPass& pass : steps.pdelta) {
    rows.push_back(
        RowBlock(pages.fonts(), style,
                 {std::to_string(pass.pass), DisplayText(u, pass.deflection, kDeflection),
                  DisplayText(u, pass.moment, kMoment), DisplayText(u, pass.change, kMoment),
                  pass.converged ? "yes" : "no"},
                 pass.converged));
  }
  pages.AddFlow(PartName(steps.part) + ": P-delta iteration (IBC 2000 2108.9.4)", rows);
}

}  // namespace

void AddDesignSections(PageList& pages, const PackageInput& input) {
  if (!input.designed || input.design == nullptr || input.analysis == nullptr) return;
  for (int part : DesignedParts(*input.problem)) {
    if (input.run == DesignRun::Unreinforced) {
      AddGroutTable(pages, input, part);
      continue;
    }
    std::vector<Block> blocks = BarRows(pages, input, part);
    if (input.run == DesignRun::Reinforced) {
      for (Block& block : InteractionBlocks(pages, input, part)) blocks.push_back(std::move(block));
    }
    pages.AddFlow(PartName(part) + ": bar sizes and spacings (the chosen bar highlighted)", blocks);
  }
  for (const CalculationSteps& steps : input.steps) {
    if (input.run == DesignRun::Strength) AddPDeltaTable(pages, steps, input.problem->units);
    AddStepSection(pages, steps, input.problem->units);
  }
}

}  // namespace calvix
