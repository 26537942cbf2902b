#include "reports/report_format.h"

#include <utility>

#include "analysis/wall_part.h"
#include "design/minimum_steel.h"
#include "model/number_format.h"

namespace calvix {

std::string FormatWide(double value, std::string_view pattern) {
  return AlignRight(FormatNumber(value, pattern), static_cast<int>(pattern.size()));
}

std::string AlignRight(std::string_view text, int width) {
  const int length = TextWidth(text);
  if (length >= width) return std::string(text);
  return std::string(static_cast<std::size_t>(width - length), ' ') + std::string(text);
}

std::string TrimRight(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimLeft(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

int TextWidth(std::string_view text) {
  int width = 0;
  for (const char c : text) {
    // Every byte but a UTF-8 continuation byte starts a character.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
  }
  return width;
}

void PlaceRight(std::string& line, int end, std::string_view text) {
  const int start = end - TextWidth(text) + 1;
  const int width = TextWidth(line);
  if (width < start) {
    line.append(static_cast<std::size_t>(start - width), ' ');
  } else if (!line.empty() && line.back() != ' ') {
    line += ' ';
  }
  line.append(text);
}

void PlaceLeft(std::string& line, int start, std::string_view text) {
  const int width = TextWidth(line);
  if (width < start) {
    line.append(static_cast<std::size_t>(start - width), ' ');
  } else if (!line.empty() && line.back() != ' ') {
    line += ' ';
  }
  line.append(text);
}

double UnitText::Display(double working, int quantity) const {
  return working * static_cast<double>(units_.Factor(quantity));
}

std::string UnitText::Number(double working, int quantity) const {
  return FormatWide(Display(working, quantity), units_.Pattern(quantity));
}

std::string UnitText::Number(double working, int quantity, std::string_view pattern) const {
  return FormatWide(Display(working, quantity), pattern);
}

std::string UnitText::Label(int quantity) const {
  return TrimRight(units_.Label(quantity));
}

std::string UnitText::Value(double working, int quantity) const {
  return Number(working, quantity) + " " + Label(quantity);
}

void ReportLines::Line(std::string_view text) {
  document_.PrintLine(std::string(text) + std::string(kLineEndMark));
}

void ReportLines::Empty() {
  document_.PrintLine(kLineEndMark);
}

void ReportLines::Heading(std::string_view text) {
  Line(text);
  Empty();
}

std::string BarSpacingText(const UnitText& units, const Bar& bar, float spacing) {
  return TrimRight(TrimLeft(bar.Name)) + " @ " + TrimLeft(units.Number(spacing, kLengthShort)) +
         " " + units.Label(kLengthShort) + " o.c.";
}

std::string AreaValue(const UnitText& units, double workingArea, std::string_view englishPattern) {
  return units.Number(workingArea, kArea, units.English() ? englishPattern : "#####0") + " " +
         units.Label(kArea);
}

std::vector<std::string> WorkingStressSpacingNote(const std::string& category, bool english) {
  if (category == "Category A" || category == "Category B") {
    return {english ? "Max. vertical bar spacing is 72 inch per ACI 99 2.3.3.3 (commentary)"
                    : "Max. vertical bar spacing is 1830 mm per ACI 99 2.3.3.3 (commentary)"};
  }
  if (category == "Category C") {
    return {english ? "Max. vertical bar spacing is 48 inch per ACI 99 1.13.5.2.3(b)"
                    : "Max. vertical bar spacing is 1220 mm per ACI 99 1.13.5.2.3(b)"};
  }
  if (category == "Category D" || category == "Category E" || category == "Category F") {
    return {english
                ? "Max. vertical bar spacing is 48 inch for running bond and 24 inch for stack bond"
                : "Max. vertical bar spacing is 1220 mm for running bond and 610 mm for stack bond",
            "per ACI 99 1.13.6.3"};
  }
  return {};
}

std::string SeismicForceLabel(int part) {
  return part == kParapet ? "Seismic Force, (IBC 2000 1621.1.4)       Fp ="
                          : "Seismic Force, (IBC 2000 1620.1.7)       Fp =";
}

void PrintMinimumSteel(ReportLines& out, const Problem& problem, int part) {
  const MinimumSteel steel = MinimumSteelTexts(problem, part);
  out.Line("Minimum Area of Steel, Vertical Reinf.      = " + steel.MinVerticalText);
  out.Line("Minimum Area of Steel, Horiz. Reinf.        = " + steel.MinHorizontalText);
  for (const std::string* remark : {&steel.ReferenceText, &steel.SpacingText, &steel.NoteText}) {
    if (!TrimRight(*remark).empty()) out.Line(*remark);
  }
}

CombinationUseText DescribeCombinationUse(
    const std::array<CombinationUse, kLoadCombinationCount>& use) {
  const auto numbers = [&](CombinationUse kind) {
    std::string list;
    for (std::size_t i = 0; i < use.size(); ++i) {
      if (use[i] != kind) continue;
      if (!list.empty()) list += ", ";
      list += std::to_string(i + 1);
    }
    return list;
  };
  CombinationUseText text;
  text.used = numbers(CombinationUse::kUsed);
  if (text.used.empty()) text.used = "None";
  const std::pair<CombinationUse, const char*> reasons[] = {
      {CombinationUse::kNotSelected, "not selected"},
      {CombinationUse::kNoWindLoad, "no wind load"},
      {CombinationUse::kNoSeismicLoad, "no seismic load"}};
  for (const auto& [kind, reason] : reasons) {
    const std::string list = numbers(kind);
    if (list.empty()) continue;
    if (!text.notUsed.empty()) text.notUsed += "; ";
    text.notUsed += list + " (" + reason + ")";
  }
  return text;
}

void PrintCombinationUse(ReportLines& out,
                         const std::array<CombinationUse, kLoadCombinationCount>& use,
                         int equalsColumn) {
  const CombinationUseText text = DescribeCombinationUse(use);
  const auto line = [&](std::string label, const std::string& value) {
    const int width = TextWidth(label);
    if (width < equalsColumn) label.append(static_cast<std::size_t>(equalsColumn - width), ' ');
    out.Line(label + "= " + value);
  };
  line("Combinations Used", text.used);
  if (!text.notUsed.empty()) line("Combinations Not Used", text.notUsed);
}

std::string BarColumnLabel(const Bar& bar) {
  return AlignRight(TrimRight(TrimLeft(bar.Name)), 3);
}

}  // namespace calvix
