#include <QFontMetricsF>

#include "analysis/wall_part.h"
#include "model/number_format.h"
#include "package/package_sections.h"
#include "package/step_text.h"

namespace calvix {
namespace {

std::string WallText(const Problem& problem) {
  const UnitSystem& u = problem.units;
  const WorkingForm& w = problem.working;
  std::string text = "Main wall " + DisplayText(u, w.WallHeight, kLengthLong) + " high, " +
                     DisplayText(u, w.WallThickness, kLengthShort) + " thick, steel at " +
                     DisplayText(u, w.WallSteelDepth, kLengthShort) + "; design strip " +
                     DisplayText(u, w.StripWidth, kLengthShort);
  if (w.ParapetHeight > 0.0f) {
    text += "; parapet " + DisplayText(u, w.ParapetHeight, kLengthLong) + " high, " +
            DisplayText(u, w.ParapetThickness, kLengthShort) + " thick";
  }
  text += problem.entry.Cantilever ? "; cantilever." : "; supported top and bottom.";
  return text;
}

std::string PartName(int part) {
  return part == kParapet ? "Parapet" : "Main wall";
}

std::string ValueText(const SummaryValue& value) {
  const std::string number =
      value.integer ? std::to_string(static_cast<int>(value.value)) : JsonDigits(value.value);
  return value.unit.empty() ? number : number + " " + value.unit;
}

Block VerdictBlock(const PackageFonts& fonts, const PackageInput& input,
                   const PackageSummary& summary) {
  std::string text;
  QColor color(0, 120, 40);
  if (!input.designed) {
    text = "NOT DESIGNED: the problem does not design with this input.";
    color = QColor(180, 20, 20);
  } else if (summary.ok) {
    text = "DESIGN ADEQUATE: every check passes.";
  } else {
    text = "NOT ADEQUATE: a check fails (NG) for the chosen case.";
    color = QColor(180, 20, 20);
  }
  const QFont font = fonts.heading;
  return {QFontMetricsF(font).height() * 2.0, [font, text, color](QPainter& p, const QRectF& r) {
            const QRectF box = r.adjusted(0, 4, 0, -4);
            p.setPen(QPen(color, 1.5));
            p.drawRect(box);
            p.setFont(font);
            p.drawText(box, Qt::AlignCenter, Elided(font, SafeText(text), box.width() - 8));
          }};
}

// The checks in the display units of the project; the ratio is that of the
// unrounded working values.
std::vector<Block> CheckRows(const PackageFonts& fonts, const PackageSummary& summary,
                             const UnitSystem& units) {
  const TableStyle style{{1.7, 4.6, 2.1, 2.1, 1.5, 1.0, 0.6},
                         {false, false, true, true, false, true, false}};
  std::vector<Block> rows;
  rows.push_back(RowBlock(fonts, style,
                          {"Part", "Check", "Demand", "Capacity / limit", "Unit", "Ratio", ""},
                          false, true));
  for (std::size_t i = 0; i < summary.checks.size(); ++i) {
    const SummaryCheck& c = summary.checks[i];
    const bool measured = !c.capacityKey.empty();
    const auto shown = [&](float value) {
      return measured ? DisplayNumber(value, c.quantity, c.power, units) : "";
    };
    rows.push_back(RowBlock(fonts, style,
                            {PartName(c.part), c.name, shown(c.demand), shown(c.capacity),
                             DisplayUnit(c.quantity, c.power, units),
                             measured ? RatioText(c.ratio) : "", c.ok ? "OK" : "NG"},
                            static_cast<int>(i) == summary.governing));
  }
  return rows;
}

// The design values two to a row: key, value with unit.
std::vector<Block> ValueRows(const PackageFonts& fonts, const PackageSummary& summary) {
  const TableStyle style{{1.0, 2.0, 2.2, 0.3, 1.0, 2.0, 2.2},
                         {false, false, true, false, false, false, true}};
  std::vector<Block> rows;
  rows.push_back(
      RowBlock(fonts, style, {"Part", "Value", "", "", "Part", "Value", ""}, false, true));
  for (std::size_t i = 0; i < summary.values.size(); i += 2) {
    const SummaryValue& a = summary.values[i];
    std::vector<std::string> cells{PartName(a.part), a.key, ValueText(a), ""};
    if (i + 1 < summary.values.size()) {
      const SummaryValue& b = summary.values[i + 1];
      cells.insert(cells.end(), {PartName(b.part), b.key, ValueText(b)});
    }
    rows.push_back(RowBlock(fonts, style, cells));
  }
  return rows;
}

}  // namespace

std::string DisplayText(const UnitSystem& units, double working, int quantity) {
  return DisplayNumber(working, quantity, 1, units) + " " + DisplayUnit(quantity, 1, units);
}

void AddSummarySection(PageList& pages, const PackageInput& input, const PackageSummary& summary) {
  const PackageFonts& fonts = pages.fonts();
  const double width = pages.Body().width();
  std::vector<Block> blocks;
  blocks.push_back(TextBlock(fonts.text, "Wall: " + WallText(*input.problem), width));
  blocks.push_back(TextBlock(fonts.text, "Method: " + summary.method, width));
  for (const std::string& part : summary.parts) {
    blocks.push_back(TextBlock(fonts.bold, part, width));
  }
  blocks.push_back(VerdictBlock(fonts, input, summary));
  for (const std::string& message : input.failure) {
    blocks.push_back(TextBlock(fonts.text, message, width));
  }
  if (!summary.checks.empty()) {
    blocks.push_back(TextBlock(fonts.bold, "Checks (the governing one highlighted)", width));
    for (Block& row : CheckRows(fonts, summary, input.problem->units))
      blocks.push_back(std::move(row));
    blocks.push_back(SpaceBlock(8));
    blocks.push_back(TextBlock(
        fonts.bold, "Design values in working units (in, ft-lb, lb, psi), as calvix-cli --json",
        width));
    for (Block& row : ValueRows(fonts, summary)) blocks.push_back(std::move(row));
  }
  pages.AddFlow("Summary", blocks);
}

}  // namespace calvix
