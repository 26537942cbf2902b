// Numbers as the program shows, stores and reads them: format patterns of the
// reports and result tables, the fixed-width formatter, the standard
// number-to-text forms and the reading of typed numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calvix {

// Formats a value with a number-format pattern made of "0" (digit), "#"
// (optional digit), "." (decimal point), "," (thousands grouping when it
// stands between digit placeholders), "E-" / "E+" / "e-" / "e+" (scientific
// notation) and literal characters (spaces and other text are copied), e.g.
// "#,##0.00", "##0.###", "0.0####", "0.00 E-00", "#0", "###0.00".
// Rounding is half away from zero on the value's 15-significant-digit decimal
// form. An empty pattern gives the general number form.
std::string FormatNumber(double value, std::string_view pattern);

// FormatNumber right-aligned in a text exactly as wide as the pattern (spaces on
// the left); a wider result keeps only its leftmost characters that fit.
std::string FormatFixed(double value, std::string_view pattern);

// Shortest text of a single-precision value, as the program labels numbers:
// at most 7 significant digits, no trailing zeros, e.g. 1 -> "1", 1.2 -> "1.2",
// 0.9 -> "0.9", 4/3 -> "1.333333", -0.5 -> "-0.5".
std::string SingleToText(float value);

// The same with a leading space before a value that is not negative and no
// leading zero before the decimal point: 1.2 -> " 1.2", 0.5 -> " .5", -0.5 -> "-.5".
std::string SingleToSignedText(float value);

// Shortest text of a double-precision value, at most 15 significant digits.
std::string DoubleToText(double value);

// The general number form (as SingleToText for the value's double form with
// 15 significant digits): 203.2 -> "203.2", 8 -> "8".
std::string FormatGeneralNumber(double value);

// A field value with exactly `decimals` decimals and no grouping, as the
// numeric entry fields show it.
std::string FormatFieldText(double value, int decimals);

// Reads a typed number: optional spaces, sign, digits with "," grouping
// separators, optional "." and decimals (a leading zero may be absent),
// optional exponent. Nothing when the text is empty or not a number.
std::optional<double> ParseNumber(std::string_view text);

// Reads a number as an engineer types it into an entry field: optional
// blanks around it, an optional leading "-", digits with at most one decimal
// point and at least one digit. Grouping commas, a "+", an exponent or any
// other character make the text no number at all, so that "1,5" or "1e2" is
// never read as a different value than the one meant.
std::optional<double> ParsePlainNumber(std::string_view text);

}  // namespace calvix
