// Helpers shared by the result tables and the method reports: values in the
// unit system of the problem, text placed in columns, the lines of a report
// and the plain tables the results window reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/load_combinations.h"
#include "model/problem.h"
#include "reports/report_document.h"

namespace calvix {

// A label/value row of a result table. A "|" in the label separates the
// description from its symbol (the results window shows them on two lines).
struct ResultRow {
  std::string label;
  std::string value;
  std::string unit;
};

// A grid of a result table: column heads (a "\r" breaks a head into lines)
// and rows of cells.
struct ResultGrid {
  std::vector<std::string> heads;
  std::vector<std::vector<std::string>> rows;
};

// A number formatted with a pattern and right-aligned to the pattern's width.
// Unlike FormatFixed it never cuts a wider number: a report must not show a
// wrong value to keep a column straight.
std::string FormatWide(double value, std::string_view pattern);

// The number of characters of a UTF-8 text.
int TextWidth(std::string_view text);

// Right-aligns text in a field of the given width (wider text stays whole).
std::string AlignRight(std::string_view text, int width);

// Right-trimmed text.
std::string TrimRight(std::string_view text);

// Text without leading blanks.
std::string TrimLeft(std::string_view text);

// Appends text to a line so that it ends at column `end` (0-based); text that
// cannot end there starts one blank after what the line holds.
void PlaceRight(std::string& line, int end, std::string_view text);

// Appends text to a line from column `start` (0-based), or one blank after
// what the line holds when it already reaches there.
void PlaceLeft(std::string& line, int start, std::string_view text);

// Values of the problem's unit system: display value = working value × factor
// of the quantity, formatted with the quantity's pattern.
class UnitText {
 public:
  explicit UnitText(const UnitSystem& units) : units_(units) {}

  double Display(double working, int quantity) const;
  // The display value with the quantity's own pattern.
  std::string Number(double working, int quantity) const;
  // The display value with another pattern.
  std::string Number(double working, int quantity, std::string_view pattern) const;
  // The unit label, right-trimmed.
  std::string Label(int quantity) const;
  // Number, a blank and the label.
  std::string Value(double working, int quantity) const;
  bool English() const { return units_.UnitsType == 1; }
  int System() const { return units_.UnitsType; }
  const UnitSystem& units() const { return units_; }

 private:
  const UnitSystem& units_;
};

// Writes report lines through the output layer; each ends with a line end.
class ReportLines {
 public:
  explicit ReportLines(ReportDocument& document) : document_(document) {}

  void Line(std::string_view text);
  void Empty();
  // A heading followed by an empty line.
  void Heading(std::string_view text);
  ReportDocument& document() { return document_; }

 private:
  ReportDocument& document_;
};

// The bar-and-spacing text of the reports: the bar's name without leading
// blanks, " @ ", the spacing in the short-length unit and " o.c.", e.g.
// "#3 @ 8.00 in o.c." or "10M @ 1219.2 mm o.c.".
std::string BarSpacingText(const UnitText& units, const Bar& bar, float spacing);

// The maximum vertical bar spacing note lines by seismic design category for
// the working-stress reports ("ACI" / "IBC-W"), in inches in U.S. units and in
// mm otherwise.
std::vector<std::string> WorkingStressSpacingNote(const std::string& category, bool english);

// The seismic force label of the analysis results: IBC 2000 1620.1.7 for the
// main wall, 1621.1.4 for the parapet.
std::string SeismicForceLabel(int part);

// An area of the strip (in^2 working) with its unit: in U.S. units with the
// given pattern, in mm^2 as a whole number (a tenth of a square millimetre
// means nothing on a drawing, and every area of a metric report reads alike).
std::string AreaValue(const UnitText& units, double workingArea,
                      std::string_view englishPattern = "##0.000");

// The minimum-steel lines of the analysis results of a wall part (its own
// thickness), with the remark lines that are not blank.
void PrintMinimumSteel(ReportLines& out, const Problem& problem, int part);

// The combinations a part was designed for ("1, 2, 4") and, when some were
// left out, which and why ("1 (not selected); 3, 5 (no seismic load)").
struct CombinationUseText {
  std::string used;
  std::string notUsed;  // empty when every combination was used
};
CombinationUseText DescribeCombinationUse(
    const std::array<CombinationUse, kLoadCombinationCount>& use);

// Prints "Combinations Used" and, when some were left out, "Combinations Not
// Used", each label padded so that its "=" stands at column `equalsColumn`.
void PrintCombinationUse(ReportLines& out,
                         const std::array<CombinationUse, kLoadCombinationCount>& use,
                         int equalsColumn);

// A bar designation right-aligned in three characters (" #4", "M10").
std::string BarColumnLabel(const Bar& bar);

}  // namespace calvix
