// Number formatting by pattern and by significant digits, and the reading of
// typed numbers: the case tables are in tests/data/files/.
#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/file_fixtures.h"

namespace calvix {
namespace {

using testing::CaseRow;
using testing::CaseTable;

std::string Formatted(const CaseRow& c) {
  const double value = c.Number(1);
  const auto single = std::strtof(c[1].c_str(), nullptr);
  if (c[0] == "FormatNumber") return FormatNumber(value, c[2]);
  if (c[0] == "FormatFixed") return FormatFixed(value, c[2]);
  if (c[0] == "SingleToText") return SingleToText(single);
  if (c[0] == "SingleToSignedText") return SingleToSignedText(single);
  if (c[0] == "DoubleToText") return DoubleToText(value);
  if (c[0] == "FormatGeneralNumber") return FormatGeneralNumber(value);
  if (c[0] == "FormatFieldText") return FormatFieldText(value, std::stoi(c[2]));
  ADD_FAILURE() << "unknown function " << c[0];
  return {};
}

TEST(NumberFormatTest, FormatsAsTheTableSays) {
  for (const CaseRow& c : CaseTable("number_format.txt")) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(Formatted(c), c.fields.back());
  }
}

TEST(NumberFormatTest, ReadsTypedNumbersAsTheTableSays) {
  for (const CaseRow& c : CaseTable("parse_number.txt")) {
    SCOPED_TRACE(c.where);
    const auto value = c[0] == "ParseNumber" ? ParseNumber(c[1]) : ParsePlainNumber(c[1]);
    EXPECT_EQ(value, c.Optional(2));
    EXPECT_FALSE(value && std::signbit(*value) && *value == 0);  // no negative zero
  }
}

}  // namespace
}  // namespace calvix
