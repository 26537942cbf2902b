#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace calvix {
namespace {

struct PatternCase {
  double value;
  std::string pattern;
  std::string expected;
};

TEST(NumberFormatTest, FormatNumberFollowsThePattern) {
  const std::vector<PatternCase> cases = {
      // The point stays even when '#' decimals have nothing to show.
      {2, "##0.###", "2."},
      {12, "###.###", "12."},
      {0, "#.##", "."},
      // '#' before the point gives no leading zero, '0' does.
      {0.5, "###.###", ".5"},
      {0.5, "#0.00", "0.50"},
      {5, "00", "05"},
      {5, "0#", "05"},  // every place from the first '0' on is filled
      {0, "###", ""},
      // Integer digits beyond the placeholders all show.
      {12345, "#0", "12345"},
      {12345, "0", "12345"},
      // '#' decimals show up to the last non-zero digit, '0' decimals always.
      {0.00417, "0.0####", "0.00417"},
      {0.5, "0.0####", "0.5"},
      {1.25, "0.0#0#", "1.250"},
      // Literal text is copied where it stands; '#' does not pad.
      {12.5, "  ##0.00", "  12.50"},
      {-12.5, "  ##0.00", "  -12.50"},
      {5, "0 E", "5 E"},    // an E without a sign is text
      {5, "0E+x", "5E+x"},  // and so is an E whose sign is not followed by a placeholder
      {5, "abc", "abc"},    // no placeholder: only the text
      {25, "0 %", "25 %"},
      // A second point is text: "0.0" then "." then the second decimal.
      {1.25, "0.0.0", "1.2.5"},
      // No integer placeholder: the integer digits go before the point.
      {12.5, ".00", "12.50"},
      {0.5, ".00", ".50"},
      // Grouping every three integer digits.
      {1234.5, "#,##0.00", "1,234.50"},
      {-1234567.891, "#,##0.00", "-1,234,567.89"},
      {999, "#,##0", "999"},
      {1000, "#,##0", "1,000"},
      {999.5, "#,##0", "1,000"},  // the carry makes a new group
      {5, "0,", "5,"},            // a comma not between placeholders is text
      // Rounding half away from zero on the 15-digit form: 2.675 is stored
      // as 2.67499999999999982..., whose 15-digit form is 2.67500000000000.
      {2.675, "0.00", "2.68"},
      {-2.675, "0.00", "-2.68"},
      {0.125, "0.00", "0.13"},
      {1.005, "0.00", "1.01"},  // 1.00499999999999989... -> 1.00500000000000
      // 0.12499999999999999 is stored as 0.1249999999999999861: 15 digits
      // give 0.125000000000000, which rounds up; 13 nines stay below half.
      {0.12499999999999999, "0.00", "0.13"},
      {0.1249999999999, "0.00", "0.12"},
      {9.995, "0.00", "10.00"},  // carry into a new integer digit
      // Negatives: the minus sign goes before the first digit or point, and
      // disappears when everything shown is zero.
      {-0.005, "0.00", "-0.01"},
      {-0.004, "0.00", "0.00"},
      {-0.001, "0.00", "0.00"},
      {-0.004, "#,##0.00", "0.00"},
      {-0.5, "###.###", "-.5"},
      {-0.0, "0.0", "0.0"},
      // Scientific notation: "E-" shows only a negative exponent sign.
      {12345, "0.00 E-00", "1.23 E04"},
      {0.00012, "0.00 E-00", "1.20 E-04"},
      {0, "0.00 E-00", "0.00 E00"},
      {-12345, "0.00 E-00", "-1.23 E04"},
      {-0.0001, "0.00 E-00", "-1.00 E-04"},
      // "E+" always shows the sign.
      {12345, "0.00E+00", "1.23E+04"},
      {0.00012, "0.00E+00", "1.20E-04"},
      {0, "0.00E+00", "0.00E+00"},
      {5, "0.0e-0", "5.0e0"},
      {1e100, "0.0E+00", "1.0E+100"},
      // Two mantissa digits: 99.5 rounds to 10.0 and moves the exponent,
      // just below it stays 9.9.
      {99.96, "0.0E+00", "1.0E+02"},
      {99.5, "0.0E+00", "1.0E+02"},
      {99.4999, "0.0E+00", "9.9E+01"},
      // As many mantissa integer digits as integer placeholders.
      {12345, "00.0E+00", "12.3E+03"},
      {12345, ".00E+00", ".12E+05"},
      {2.5, "0.0E+00 m", "2.5E+00 m"},
      // '#' exponent placeholders show no zero exponent.
      {5, "0.0E+#", "5.0E+"},
      // Empty pattern: the general number form.
      {203.2, "", "203.2"},
      {-8, "", "-8"},
      // Values without digits.
      {std::numeric_limits<double>::quiet_NaN(), "0.00", "NaN"},
      {std::numeric_limits<double>::infinity(), "0.00", "Infinity"},
      {-std::numeric_limits<double>::infinity(), "#,##0", "-Infinity"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
        << "value " << c.value << " pattern \"" << c.pattern << "\"";
  }
}

TEST(NumberFormatTest, FormatFixedHasThePatternWidth) {
  const std::vector<PatternCase> cases = {
      {12.5, "###0.00", "  12.50"},
      {123456.7, "##0.00", "123456"},  // "123456.70" cut to 6 characters
      {1.5, "##0.00", "  1.50"},
      {0.5, " 0.00", " 0.50"},  // already as wide as the pattern
      {12.5, "0.00", "12.5"},   // "12.50" cut to 4
      {-1234567.891, "#,##0.00", "-1,234,5"},
      {2, "##0.###", "     2."},
      {12345, "0.00 E-00", " 1.23 E04"},
      {-0.001, "##0.00", "  0.00"},
      {7, "#0", " 7"},
      {203.2, "", ""},  // an empty pattern leaves no room at all
  };
  for (const auto& c : cases) {
    const std::string text = FormatFixed(c.value, c.pattern);
    EXPECT_EQ(text, c.expected) << "value " << c.value << " pattern \"" << c.pattern << "\"";
    EXPECT_EQ(text.size(), c.pattern.size()) << c.pattern;
  }
}

struct SingleCase {
  float value;
  std::string expected;
};

TEST(NumberFormatTest, SingleToTextKeepsSevenDigits) {
  const std::vector<SingleCase> cases = {
      {1.0f, "1"},
      {1.2f, "1.2"},
      {0.9f, "0.9"},
      {4.0f / 3.0f, "1.333333"},
      {2.0f / 3.0f, "0.6666667"},
      {-0.5f, "-0.5"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {150.0f, "150"},
      // Half away from zero on the exact value: 12345665 is exact in single
      // precision, so its 8th digit is a true half and rounds up.
      {12345665.0f, "1.234567E+07"},
      // 999999.96875 is exact; 7 digits carry it to 1000000.
      {999999.96875f, "1000000"},
      {999999.9375f, "999999.9"},
      // Upper threshold: decimal exponent 6 is plain, 7 takes the E form.
      {9999999.0f, "9999999"},
      {1234567.0f, "1234567"},
      {10000000.0f, "1E+07"},
      {12345678.0f, "1.234568E+07"},
      {-12345678.0f, "-1.234568E+07"},
      // Lower threshold: exponent -4 is plain, -5 takes the E form. 1e-4f is
      // stored as 9.99999974...e-05 and rounds to 1.000000e-04 first.
      {1e-4f, "0.0001"},
      {0.00012345f, "0.00012345"},
      {1e-5f, "1E-05"},
      {0.000012345f, "1.2345E-05"},
      {-1e-5f, "-1E-05"},
      {FLT_MAX, "3.402823E+38"},
      {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
      {std::numeric_limits<float>::quiet_NaN(), "NaN"},
      {-std::numeric_limits<float>::infinity(), "-Infinity"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SingleToText(c.value), c.expected) << "value " << c.value;
  }
}

TEST(NumberFormatTest, SingleToSignedTextHasSignPlaceAndNoLeadingZero) {
  const std::vector<SingleCase> cases = {
      {1.2f, " 1.2"},    {0.5f, " .5"},
      {-0.5f, "-.5"},    {0.0f, " 0"},
      {-0.0f, " 0"},     {150.0f, " 150"},
      {-1.5f, "-1.5"},   {1e-4f, " .0001"},
      {1e-5f, " 1E-05"}, {-12345678.0f, "-1.234568E+07"},
      {10.5f, " 10.5"},  {std::numeric_limits<float>::infinity(), "Infinity"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SingleToSignedText(c.value), c.expected) << "value " << c.value;
  }
}

struct DoubleCase {
  double value;
  std::string expected;
};

TEST(NumberFormatTest, DoubleToTextKeepsFifteenDigits) {
  const std::vector<DoubleCase> cases = {
      {0.9, "0.9"},
      {1.333333, "1.333333"},
      {1.2, "1.2"},
      {0.1 + 0.2, "0.3"},  // 0.30000000000000004 has 15 digits 0.300000000000000
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {-2.5, "-2.5"},
      {0.0, "0"},
      {-0.0, "0"},
      {static_cast<double>(0.1f), "0.100000001490116"},
      // Upper threshold: exponent 14 plain, 15 in E form.
      {999999999999999.0, "999999999999999"},
      {123456789012345.6, "123456789012346"},
      {1e15, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"},
      // 999999999999999.875 rounds to 16 digits and so crosses the threshold.
      {999999999999999.875, "1E+15"},
      // Lower threshold: exponent -4 plain, -5 in E form.
      {1e-4, "0.0001"},
      {0.00012345, "0.00012345"},
      {1e-5, "1E-05"},
      {1.5e-5, "1.5E-05"},
      {-1.5e-5, "-1.5E-05"},
      {1e100, "1E+100"},
      {DBL_MAX, "1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DoubleToText(c.value), c.expected) << "value " << c.value;
  }
}

TEST(NumberFormatTest, FormatGeneralNumberIsTheShortFifteenDigitForm) {
  const std::vector<DoubleCase> cases = {
      {203.2, "203.2"},
      {8, "8"},
      // A single widened to double shows its binary tail to 15 digits:
      // 203.1999969482421875 -> 203.199996948242.
      {static_cast<double>(203.2f), "203.199996948242"},
      {static_cast<double>(200.1f), "200.100006103516"},
      {-0.25, "-0.25"},
      {1e15, "1E+15"},
      {1e-5, "1E-05"},
      {0.0001, "0.0001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatGeneralNumber(c.value), c.expected) << "value " << c.value;
  }
}

TEST(NumberFormatTest, FormatFieldTextShowsExactlyTheDecimals) {
  struct Case {
    double value;
    int decimals;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {1500, 2, "1500.00"},
      {38.7298, 2, "38.73"},
      {7.5, 0, "8"},
      {8.5, 0, "9"},  // half away from zero, not to even
      {-7.5, 0, "-8"},
      {-0.001, 2, "0.00"},
      {-0.005, 2, "-0.01"},
      {2.675, 2, "2.68"},
      {0.125, 2, "0.13"},
      {1234567.5, 0, "1234568"},  // no grouping
      {0.5, 3, "0.500"},
      {1e-7, 4, "0.0000"},
      {1e20, 0, "100000000000000000000"},
      {-1, -3, "-1"},                       // a negative count means no decimals
      {0.1, 20, "0.10000000000000000000"},  // 15 digits, then zeros
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFieldText(c.value, c.decimals), c.expected)
        << "value " << c.value << " decimals " << c.decimals;
  }
}

TEST(NumberFormatTest, ParseNumberReadsTypedNumbers) {
  struct Case {
    std::string text;
    std::optional<double> expected;
  };
  const std::vector<Case> cases = {
      {"1,234.5", 1234.5},
      {"12,34", 1234.0},
      {"1,234,567.25", 1234567.25},
      {"1,", 1.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5", -0.5},
      {"+.5", 0.5},
      {"1.5E3", 1500.0},
      {"2e-4", 2e-4},
      {"  +1.5e+2\t", 150.0},
      {" -3 ", -3.0},
      {"007", 7.0},
      {"0.1", 0.1},
      {"1e-320", 1e-320},  // subnormal, still a double
      {"1e-400", 0.0},     // too small for a double: zero
      {"0e99999", 0.0},
      {"1e99999999999999999999999", std::nullopt},  // beyond the double range
      {"1e309", std::nullopt},
      {"1.7976931348623157e308", 1.7976931348623157e308},
      // Not numbers.
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"\t", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"-.", std::nullopt},
      {",5", std::nullopt},
      {"12abc", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1.2,3", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"abc", std::nullopt},
      {"1 2", std::nullopt},
      {"- 1", std::nullopt},
      {"1e", std::nullopt},
      {"1e+", std::nullopt},
      {"e5", std::nullopt},
      {"1e5.5", std::nullopt},
      {"1e,5", std::nullopt},
      {"0x10", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1d5", std::nullopt},
      {std::string("1\0", 2), std::nullopt},
      {std::string("\0", 1), std::nullopt},
      {"\xff\xfe", std::nullopt},
      {"\xef\xbc\x91", std::nullopt},  // a full-width digit one in UTF-8
      {"1\n", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseNumber(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(NumberFormatTest, ParsePlainNumberTakesOnlyDigitsPointAndLeadingMinus) {
  struct Case {
    std::string text;
    std::optional<double> expected;
  };
  const std::vector<Case> cases = {
      {"12.5", 12.5},
      {" -3 ", -3.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-0", 0.0},
      {"1,5", std::nullopt},
      {"12,5", std::nullopt},
      {"1e2", std::nullopt},
      {"+1", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1-2", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"", std::nullopt},
      {"12 5", std::nullopt},
      {"1O", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParsePlainNumber(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(NumberFormatTest, ParseNumberGivesNoNegativeZero) {
  for (const std::string text : {"-0", "-0.000", "-1e-400"}) {
    const std::optional<double> value = ParseNumber(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, 0.0) << text;
    EXPECT_FALSE(std::signbit(*value)) << text;
  }
}

TEST(NumberFormatTest, ParseNumberHandlesHugeInputs) {
  constexpr std::size_t kMegabyte = 1 << 20;
  struct Case {
    std::string label;
    std::string text;
    std::optional<double> expected;
  };
  const std::vector<Case> cases = {
      {"a megabyte of nines", std::string(kMegabyte, '9'), std::nullopt},
      {"one then a megabyte of zeros", "1" + std::string(kMegabyte, '0'), std::nullopt},
      // The long zero run and the exponent cancel out.
      {"scaled back to one", "1" + std::string(kMegabyte, '0') + "e-1048576", 1.0},
      {"a long fraction", "0." + std::string(kMegabyte, '5'), 0.5555555555555556},
      {"zeros then a digit far behind the point", "0." + std::string(kMegabyte, '0') + "1", 0.0},
      {"a long run of commas", "1" + std::string(kMegabyte, ',') + "5", 15.0},
      {"a long exponent", "1e" + std::string(kMegabyte, '0') + "5", 1e5},
      {"an endless exponent", "1e" + std::string(kMegabyte, '9'), std::nullopt},
      {"an endless negative exponent", "1e-" + std::string(kMegabyte, '9'), 0.0},
      {"a megabyte of blanks", std::string(kMegabyte, ' '), std::nullopt},
      {"a megabyte of garbage", std::string(kMegabyte, '\x80'), std::nullopt},
      {"digits with garbage at the end", std::string(kMegabyte, '1') + "x", std::nullopt},
      // The digits after the first 800 still decide the rounding: exactly
      // half of the last place of 1 is 1 + 2^-53; anything above it rounds up.
      {"a tie broken far behind",
       "1.00000000000000011102230246251565404236316680908203125" + std::string(kMegabyte, '0') +
           "1",
       1.0000000000000002},
      {"an exact tie", "1.00000000000000011102230246251565404236316680908203125", 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseNumber(c.text), c.expected) << c.label;
  }
}

TEST(NumberFormatTest, GeneralFormReadsBackWithinFifteenDigits) {
  for (double value : {203.2, -0.000123456789012345, 1.0 / 3.0, 6.02214076e23, 1e-300, 1e15}) {
    const std::optional<double> back = ParseNumber(FormatGeneralNumber(value));
    ASSERT_TRUE(back.has_value()) << value;
    EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << value;
  }
}

}  // namespace
}  // namespace calvix
