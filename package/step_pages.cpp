#include <QFontMetricsF>

#include "package/package_sections.h"
#include "package/step_text.h"

namespace calvix {
namespace {

// The lines of a step: what it is and where it comes from, the formula, the
// formula with the numbers in it, the result and, for a check, the limit,
// ratio and verdict.
struct StepLines {
  QString quantity;
  QString reference;
  std::vector<QString> body;
  QString check;
  bool ok = true;
};

StepLines LinesOf(const CalculationStep& step, const UnitSystem& units) {
  StepLines lines;
  lines.quantity = SafeText(step.quantity);
  lines.reference = SafeText(step.reference);
  lines.body.push_back(SafeText(step.formula));
  if (!step.substitution.empty()) {
    lines.body.push_back("= " + SafeText(SubstitutedText(step, units)));
  }
  lines.body.push_back("\u21D2 " + SafeText(ResultText(step, units)));
  lines.check = SafeText(CheckText(step, units));
  lines.ok = step.ok;
  return lines;
}

Block StepBlock(const PackageFonts& fonts, const StepLines& lines, double width, bool governing) {
  const double indent = 14;
  const double lineHeight = QFontMetricsF(fonts.text).height();
  double height = lineHeight + 2;
  std::vector<double> heights;
  for (const QString& line : lines.body) {
    heights.push_back(WrappedHeight(fonts.text, line, width - indent));
    height += heights.back();
  }
  if (!lines.check.isEmpty()) height += lineHeight;
  height += 6;
  return {height, [fonts, lines, heights, indent, lineHeight, governing](QPainter& painter,
                                                                         const QRectF& rect) {
            if (governing) painter.fillRect(rect.adjusted(0, 0, 0, -3), QColor(255, 236, 150));
            painter.setPen(Qt::black);
            painter.setFont(fonts.bold);
            const double half = rect.width() * 0.55;
            painter.drawText(QRectF(rect.left(), rect.top(), half, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             Elided(fonts.bold, lines.quantity, half));
            painter.setFont(fonts.small);
            painter.setPen(QColor(70, 70, 70));
            const double rest = rect.width() - half - 4;
            painter.drawText(QRectF(rect.left() + half + 4, rect.top(), rest, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter,
                             Elided(fonts.small, lines.reference, rest));
            painter.setPen(Qt::black);
            painter.setFont(fonts.text);
            double y = rect.top() + lineHeight + 2;
            for (std::size_t i = 0; i < lines.body.size(); ++i) {
              painter.drawText(QRectF(rect.left() + indent, y, rect.width() - indent, heights[i]),
                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines.body[i]);
              y += heights[i];
            }
            if (lines.check.isEmpty()) return;
            painter.setFont(fonts.bold);
            painter.setPen(lines.ok ? QColor(0, 120, 40) : QColor(180, 20, 20));
            painter.drawText(QRectF(rect.left() + indent, y, rect.width() - indent, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             Elided(fonts.bold, lines.check, rect.width() - indent));
          }};
}

}  // namespace

void AddStepSection(PageList& pages, const CalculationSteps& steps, const UnitSystem& units) {
  const PackageFonts& fonts = pages.fonts();
  const double width = pages.Body().width();
  std::vector<Block> blocks;
  blocks.push_back(TextBlock(
      fonts.text,
      "Load combination " + std::to_string(steps.governingCombination) +
          " governs. Every step gives the quantity, the code section it comes from, the formula, "
          "the formula with the numbers in the units of this problem and the result; a check "
          "also gives its limit, the ratio demand / capacity and OK or NG. The governing check "
          "is highlighted.",
      width));
  for (std::size_t g = 0; g < steps.groups.size(); ++g) {
    const CalculationGroup& group = steps.groups[g];
    blocks.push_back(SpaceBlock(4));
    blocks.push_back(TextBlock(fonts.title, group.title, width));
    for (std::size_t s = 0; s < group.steps.size(); ++s) {
      const bool governing =
          static_cast<int>(g) == steps.governingGroup && static_cast<int>(s) == steps.governingStep;
      blocks.push_back(StepBlock(fonts, LinesOf(group.steps[s], units), width, governing));
    }
  }
  blocks.push_back(TextBlock(
      fonts.heading, steps.ok ? "Every check of this part: OK" : "A check fails: NG", width));
  pages.AddFlow(std::string(steps.part == 2 ? "Parapet" : "Main wall") + ": design calculation",
                blocks);
}

}  // namespace calvix
