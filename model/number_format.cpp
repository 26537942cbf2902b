#include "model/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace calvix {
namespace {

// Every number this file writes goes through one exact decimal form, so that
// all the formatters round the same way: the binary value is first expanded
// exactly, then rounded half away from zero to the significant digits the
// form keeps (15 for doubles, 7 for singles), and the patterns round that
// result once more, again half away from zero, at their last shown digit.
// This is why 2.675 (binary 2.67499999999999982...) shows as "2.68" with
// "0.00": its 15-digit form is 2.67500000000000.

// A non-negative decimal number 0.d1 d2 d3 ... x 10^point. The digits carry no
// leading or trailing zeros; no digits at all means zero.
struct Decimal {
  std::string digits;
  std::int64_t point = 0;

  bool IsZero() const { return digits.empty(); }

  // The digit `index` places after the first significant one (negative
  // indexes are the leading zeros before it); '0' outside the digits.
  char DigitAt(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(digits.size())) return '0';
    return digits[static_cast<std::size_t>(index)];
  }
};

void DropTrailingZeros(Decimal& number) {
  const std::size_t last = number.digits.find_last_not_of('0');
  if (last == std::string::npos) {
    number = Decimal{};
  } else {
    number.digits.resize(last + 1);
  }
}

// The exact decimal expansion of a finite, non-negative double. 767
// significant digits hold the complete expansion of every double.
Decimal ExactDecimal(double magnitude) {
  if (magnitude == 0.0) return {};
  constexpr int kExactPrecision = 766;
  std::array<char, 800> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::scientific, kExactPrecision);
  if (error != std::errc()) return {};  // unreachable: the buffer fits the widest form
  const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const std::size_t e = text.find('e');
  // The mantissa reads "d.ddd...": the digits that follow the last non-zero
  // one only pad the expansion to the precision asked for, so they are left
  // out before the digits are copied (a solve formats every calculated
  // masonry field, and copying 767 digits one by one showed in the profile).
  const std::string_view mantissa = text.substr(0, e);
  std::size_t last = mantissa.size() - 1;
  while (last > 0 && mantissa[last] == '0') --last;
  Decimal number;
  number.digits.reserve(last + 1);
  number.digits += mantissa[0];
  if (last >= 2) number.digits.append(mantissa.substr(2, last - 1));
  // The exponent reads "e+NN" or "e-NNN".
  int exponent = 0;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
  if (text[e + 1] == '-') exponent = -exponent;
  number.point = exponent + 1;
  DropTrailingZeros(number);
  return number;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit
// that follows. `keep` may be zero or negative (the value then rounds to zero
// or up to one unit of the kept place).
Decimal RoundToDigits(Decimal number, std::int64_t keep) {
  if (number.IsZero() || keep >= static_cast<std::int64_t>(number.digits.size())) return number;
  if (keep < 0) return {};
  const bool up = number.digits[static_cast<std::size_t>(keep)] >= '5';
  number.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    std::int64_t i = keep - 1;
    while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9') {
      number.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      // 0.999 -> 1.000: one more digit in front.
      number.digits.insert(number.digits.begin(), '1');
      ++number.point;
    } else {
      ++number.digits[static_cast<std::size_t>(i)];
    }
  }
  DropTrailingZeros(number);
  return number;
}

Decimal SignificantDecimal(double magnitude, int significant_digits) {
  return RoundToDigits(ExactDecimal(magnitude), significant_digits);
}

// Infinities and NaN carry no digits to format; every formatter shows them
// with these words, whatever the pattern.
std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// The short text of a rounded value: plain decimal form while the decimal
// exponent x of the first digit (value = d.ddd x 10^x) stays within
// -4 <= x < exponent_limit, otherwise "d.dddE+xx" / "dE-xx" with at least two
// exponent digits. No trailing zeros, no trailing point.
std::string ShortText(const Decimal& number, bool negative, int exponent_limit) {
  if (number.IsZero()) return "0";  // -0 shows as "0"
  std::string text = negative ? "-" : "";
  const std::int64_t length = static_cast<std::int64_t>(number.digits.size());
  const std::int64_t exponent = number.point - 1;
  if (exponent >= exponent_limit || exponent < -4) {
    text += number.digits[0];
    if (length > 1) {
      text += '.';
      text.append(number.digits, 1);
    }
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    const std::string exponent_digits = std::to_string(std::abs(exponent));
    if (exponent_digits.size() < 2) text += '0';
    text += exponent_digits;
  } else if (number.point <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-number.point), '0');
    text += number.digits;
  } else if (number.point >= length) {
    text += number.digits;
    text.append(static_cast<std::size_t>(number.point - length), '0');
  } else {
    text.append(number.digits, 0, static_cast<std::size_t>(number.point));
    text += '.';
    text.append(number.digits, static_cast<std::size_t>(number.point));
  }
  return text;
}

// ---- Number-format patterns ----------------------------------------------

bool IsPlaceholder(char c) {
  return c == '0' || c == '#';
}

enum class TokenKind { kLiteral, kDigit, kPoint, kGroup, kExponent };

struct Token {
  TokenKind kind;
  char ch;        // the placeholder, the literal or the exponent letter
  char sign = 0;  // for kExponent: '+' or '-' as written
};

// Placeholders of one part of the pattern (integer part, decimals, exponent).
struct PlaceholderRun {
  std::int64_t count = 0;
  std::int64_t first_zero = -1;  // index of the first '0', -1 when none
  std::int64_t last_zero = -1;   // index of the last '0', -1 when none

  void Add(char placeholder) {
    if (placeholder == '0') {
      if (first_zero < 0) first_zero = count;
      last_zero = count;
    }
    ++count;
  }
  // Digits always shown on the left of the point: from the first '0' on.
  std::int64_t MinimumLeadingDigits() const { return first_zero < 0 ? 0 : count - first_zero; }
  // Decimals always shown: up to the last '0'.
  std::int64_t MinimumDecimals() const { return last_zero + 1; }
};

struct Pattern {
  std::vector<Token> tokens;
  PlaceholderRun integer;
  PlaceholderRun decimals;
  PlaceholderRun exponent;
  bool grouping = false;
  bool scientific = false;
};

Pattern ParsePattern(std::string_view text) {
  enum class Part { kInteger, kDecimals, kExponent };
  Pattern pattern;
  Part part = Part::kInteger;
  bool placeholder_seen = false;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (IsPlaceholder(c)) {
      pattern.tokens.push_back({TokenKind::kDigit, c});
      placeholder_seen = true;
      if (part == Part::kInteger) pattern.integer.Add(c);
      if (part == Part::kDecimals) pattern.decimals.Add(c);
      if (part == Part::kExponent) pattern.exponent.Add(c);
    } else if (c == '.' && part == Part::kInteger) {
      // Only the first point is the decimal point; later ones are text.
      pattern.tokens.push_back({TokenKind::kPoint, c});
      part = Part::kDecimals;
    } else if (c == ',' && part == Part::kInteger && i > 0 && IsPlaceholder(text[i - 1]) &&
               i + 1 < n && IsPlaceholder(text[i + 1])) {
      // A comma between integer placeholders asks for grouping of the whole
      // integer part; it is not copied where it stands.
      pattern.tokens.push_back({TokenKind::kGroup, c});
      pattern.grouping = true;
    } else if ((c == 'E' || c == 'e') && part != Part::kExponent && placeholder_seen && i + 2 < n &&
               (text[i + 1] == '+' || text[i + 1] == '-') && IsPlaceholder(text[i + 2])) {
      // Scientific notation needs mantissa placeholders before the letter and
      // exponent placeholders right after its sign; otherwise it is text.
      pattern.tokens.push_back({TokenKind::kExponent, c, text[i + 1]});
      pattern.scientific = true;
      part = Part::kExponent;
      ++i;
    } else {
      pattern.tokens.push_back({TokenKind::kLiteral, c});
    }
  }
  return pattern;
}

// Writes the digits of `digits` into a run of placeholders aligned on the
// right: each placeholder takes one digit, the leftmost one also takes every
// digit that has no placeholder of its own.
class RightAlignedDigits {
 public:
  RightAlignedDigits(std::string digits, std::int64_t placeholder_count)
      : digits_(std::move(digits)), count_(placeholder_count) {}

  // Calls emit(digit, position) for the digits of placeholder `index`
  // (0 = leftmost); position counts from the right, 0 = units.
  template <typename Emit>
  void EmitPlaceholder(std::int64_t index, Emit emit) const {
    const std::int64_t length = static_cast<std::int64_t>(digits_.size());
    const std::int64_t own = count_ - 1 - index;
    const std::int64_t highest = index == 0 ? length - 1 : own;
    for (std::int64_t position = highest; position >= own; --position) {
      if (position < length)
        emit(digits_[static_cast<std::size_t>(length - 1 - position)], position);
    }
  }
  // All digits at once (used when the pattern has no integer placeholder).
  const std::string& digits() const { return digits_; }

 private:
  std::string digits_;
  std::int64_t count_;
};

std::string PadLeftWithZeros(std::string digits, std::int64_t minimum) {
  const std::int64_t length = static_cast<std::int64_t>(digits.size());
  if (length < minimum) digits.insert(0, static_cast<std::size_t>(minimum - length), '0');
  return digits;
}

std::string IntegerDigits(const Decimal& number) {
  std::string digits;
  for (std::int64_t i = 0; i < number.point; ++i) digits += number.DigitAt(i);
  return digits;
}

std::string FormatWithPattern(double value, const Pattern& pattern) {
  const Decimal rounded15 = SignificantDecimal(std::fabs(value), 15);

  // The mantissa to show (the whole value without an exponent part).
  Decimal mantissa;
  std::int64_t exponent = 0;
  if (pattern.scientific) {
    if (!rounded15.IsZero()) {
      // The mantissa keeps as many integer digits as there are integer
      // placeholders (none: 0.ddd), rounded to the placeholders it has.
      mantissa = RoundToDigits(rounded15, pattern.integer.count + pattern.decimals.count);
      exponent = mantissa.point - pattern.integer.count;
      mantissa.point = pattern.integer.count;
    }
  } else {
    mantissa = RoundToDigits(rounded15, rounded15.point + pattern.decimals.count);
  }

  const RightAlignedDigits integer_digits(
      PadLeftWithZeros(IntegerDigits(mantissa), pattern.integer.MinimumLeadingDigits()),
      pattern.integer.count);

  std::string decimal_digits;
  for (std::int64_t j = 0; j < pattern.decimals.count; ++j) {
    decimal_digits += mantissa.DigitAt(mantissa.point + j);
  }
  // Trailing '#' decimals that would show a zero are left out.
  const std::size_t last_nonzero = decimal_digits.find_last_not_of('0');
  const std::int64_t shown_decimals =
      std::max(pattern.decimals.MinimumDecimals(),
               last_nonzero == std::string::npos ? std::int64_t{0}
                                                 : static_cast<std::int64_t>(last_nonzero) + 1);

  const RightAlignedDigits exponent_digits(
      PadLeftWithZeros(exponent == 0 ? std::string() : std::to_string(std::abs(exponent)),
                       pattern.exponent.MinimumLeadingDigits()),
      pattern.exponent.count);

  // A negative value that rounds to zero for this pattern shows without its
  // minus sign ("0.00", never "-0.00"): the text stands for zero.
  bool sign_pending = value < 0 && !mantissa.IsZero();

  std::string text;
  auto put_number_char = [&](char c) {
    if (sign_pending) {
      text += '-';
      sign_pending = false;
    }
    text += c;
  };
  auto put_integer_digit = [&](char digit, std::int64_t position) {
    put_number_char(digit);
    if (pattern.grouping && position > 0 && position % 3 == 0) text += ',';
  };

  std::int64_t integer_index = 0;
  std::int64_t decimal_index = 0;
  std::int64_t exponent_index = 0;
  enum class Part { kInteger, kDecimals, kExponent } part = Part::kInteger;
  for (const Token& token : pattern.tokens) {
    switch (token.kind) {
      case TokenKind::kLiteral:
        text += token.ch;
        break;
      case TokenKind::kGroup:
        break;
      case TokenKind::kPoint:
        // Without integer placeholders the integer digits go before the point.
        if (pattern.integer.count == 0) {
          for (char digit : integer_digits.digits()) put_number_char(digit);
        }
        // The point stays even when no decimal follows it ("2.").
        put_number_char('.');
        part = Part::kDecimals;
        break;
      case TokenKind::kExponent:
        part = Part::kExponent;
        text += token.ch;
        if (exponent < 0) {
          text += '-';
        } else if (token.sign == '+') {
          text += '+';
        }
        break;
      case TokenKind::kDigit:
        if (part == Part::kExponent) {
          exponent_digits.EmitPlaceholder(exponent_index++,
                                          [&](char digit, std::int64_t) { text += digit; });
        } else if (part == Part::kDecimals) {
          if (decimal_index < shown_decimals) {
            put_number_char(decimal_digits[static_cast<std::size_t>(decimal_index)]);
          }
          ++decimal_index;
        } else {
          integer_digits.EmitPlaceholder(integer_index++, put_integer_digit);
        }
        break;
    }
  }
  return text;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  if (pattern.empty()) return FormatGeneralNumber(value);
  if (!std::isfinite(value)) return NonFiniteText(value);
  // A pattern without any placeholder or point shows only its own text.
  return FormatWithPattern(value, ParsePattern(pattern));
}

std::string FormatFixed(double value, std::string_view pattern) {
  std::string text = FormatNumber(value, pattern);
  const std::size_t width = pattern.size();
  if (text.size() < width) {
    text.insert(0, width - text.size(), ' ');
  } else if (text.size() > width) {
    text.resize(width);  // the leftmost characters that fit
  }
  return text;
}

// Singles keep 7 significant digits; the plain form holds decimal exponents
// -4 to 6 (0.0001 .. 9999999), beyond that the E form: 12345678 ->
// "1.234568E+07", 0.00001 -> "1E-05".
std::string SingleToText(float value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const double exact = static_cast<double>(value);
  return ShortText(SignificantDecimal(std::fabs(exact), 7), exact < 0, 7);
}

std::string SingleToSignedText(float value) {
  std::string text = SingleToText(value);
  if (!std::isfinite(value)) return text;
  if (text[0] != '-') text.insert(0, 1, ' ');
  // " 0.5" -> " .5", "-0.5" -> "-.5"; a lone zero stays " 0".
  if (text.compare(1, 2, "0.") == 0) text.erase(1, 1);
  return text;
}

// Doubles keep 15 significant digits; the plain form holds decimal exponents
// -4 to 14, beyond that the E form: 1E+15, 1E-05.
std::string DoubleToText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  return ShortText(SignificantDecimal(std::fabs(value), 15), value < 0, 15);
}

// The general number form is the short 15-digit text of the value.
std::string FormatGeneralNumber(double value) {
  return DoubleToText(value);
}

// Same as the pattern "0.00..." with `decimals` zeros. Negative counts give
// no decimals; counts beyond 400 are held at 400, which already reaches past
// the smallest double.
std::string FormatFieldText(double value, int decimals) {
  constexpr int kMaxDecimals = 400;
  const int count = std::clamp(decimals, 0, kMaxDecimals);
  std::string pattern = "0";
  if (count > 0) {
    pattern += '.';
    pattern.append(static_cast<std::size_t>(count), '0');
  }
  return FormatNumber(value, pattern);
}

// Reads: [blanks] [+|-] digits-and-commas [. digits] [(E|e) [+|-] digits] [blanks].
// Blanks are spaces and tabs. At least one mantissa digit is needed; commas
// are accepted anywhere in the integer part after its first digit ("1,234",
// "12,34") and nowhere else. Values beyond the double range are refused;
// values too small for it read as 0. A negative zero reads as 0.
std::optional<double> ParseNumber(std::string_view text) {
  auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  auto is_digit = [](char c) { return c >= '0' && c <= '9'; };

  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  const std::string_view body = text.substr(begin, end - begin);

  std::size_t i = 0;
  const std::size_t n = body.size();
  bool negative = false;
  if (i < n && (body[i] == '+' || body[i] == '-')) {
    negative = body[i] == '-';
    ++i;
  }

  // The cleaned mantissa: digits without commas and the point position.
  std::string mantissa;
  std::int64_t integer_digit_count = 0;
  while (i < n && (is_digit(body[i]) || (body[i] == ',' && integer_digit_count > 0))) {
    if (body[i] != ',') {
      mantissa += body[i];
      ++integer_digit_count;
    }
    ++i;
  }
  std::string decimals;
  if (i < n && body[i] == '.') {
    ++i;
    while (i < n && is_digit(body[i])) decimals += body[i++];
  }
  if (mantissa.empty() && decimals.empty()) return std::nullopt;

  // The exponent, saturated far beyond any double so that absurdly long
  // exponents cannot overflow.
  constexpr std::int64_t kExponentCap = 1'000'000'000;
  std::int64_t exponent = 0;
  if (i < n && (body[i] == 'E' || body[i] == 'e')) {
    ++i;
    bool exponent_negative = false;
    if (i < n && (body[i] == '+' || body[i] == '-')) {
      exponent_negative = body[i] == '-';
      ++i;
    }
    if (i >= n || !is_digit(body[i])) return std::nullopt;
    while (i < n && is_digit(body[i])) {
      exponent = std::min(kExponentCap, exponent * 10 + (body[i] - '0'));
      ++i;
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != n) return std::nullopt;  // trailing text

  // The decimal exponent of the first significant digit decides the range
  // before any conversion.
  const std::string all_digits = mantissa + decimals;
  const std::size_t first = all_digits.find_first_not_of('0');
  if (first == std::string::npos) return 0.0;
  const std::int64_t magnitude =
      integer_digit_count - 1 - static_cast<std::int64_t>(first) + exponent;
  if (magnitude > 308) return std::nullopt;
  if (magnitude < -330) return 0.0;

  // Digits after the first significant one beyond what a double can tell
  // apart only matter through whether any of them is non-zero; keep a
  // bounded number of them so that conversion stays quick on huge inputs.
  constexpr std::size_t kKeptDigits = 800;
  std::string significant = all_digits.substr(first, kKeptDigits);
  if (all_digits.size() - first > kKeptDigits &&
      all_digits.find_first_not_of('0', first + kKeptDigits) != std::string::npos) {
    significant += '1';
  }
  // significant = d1 d2 d3 ... with value 0.d1d2d3... x 10^(magnitude + 1).
  std::string cleaned = "0." + significant + "e" + std::to_string(magnitude + 1);
  double result = 0.0;
  const auto [ptr, error] =
      std::from_chars(cleaned.data(), cleaned.data() + cleaned.size(), result);
  if (ptr != cleaned.data() + cleaned.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) return std::nullopt;
    return 0.0;
  }
  if (error != std::errc()) return std::nullopt;
  if (result == 0.0) return 0.0;
  return negative ? -result : result;
}

std::optional<double> ParsePlainNumber(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return std::nullopt;
  const std::string_view body = text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
  std::size_t digits = 0;
  std::size_t points = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else if (!(c == '-' && i == 0)) {
      return std::nullopt;
    }
  }
  if (digits == 0 || points > 1) return std::nullopt;
  return ParseNumber(body);
}

}  // namespace calvix
