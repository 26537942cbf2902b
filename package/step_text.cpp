#include "package/step_text.h"

#include <cmath>
#include <cstdio>

#include "model/number_format.h"

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string PowerMark(int power) {
  if (power == 2) return "\u00B2";
  if (power == 3) return "\u00B3";
  if (power == 4) return "\u2074";
  return "";
}

std::string Significant(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

}  // namespace

std::string DisplayNumber(double working, int quantity, int power, const UnitSystem& units) {
  if (quantity < 0 || quantity >= kUnitQuantityCount) return Significant(working);
  power = power < 1 ? 1 : power;
  const double shown = working * std::pow(static_cast<double>(units.Factor(quantity)), power);
  // A pattern meant for lengths gives areas and inertias too few digits in
  // the metric systems; those are written with four significant digits.
  return power == 1 ? Trimmed(FormatNumber(shown, units.Pattern(quantity))) : Significant(shown);
}

std::string DisplayUnit(int quantity, int power, const UnitSystem& units) {
  if (quantity < 0 || quantity >= kUnitQuantityCount) return "";
  return Trimmed(units.Label(quantity)) + PowerMark(power < 1 ? 1 : power);
}

std::string StepValueText(const StepValue& value, const UnitSystem& units) {
  const std::string number = DisplayNumber(value.value, value.quantity, value.power, units);
  const std::string unit = DisplayUnit(value.quantity, value.power, units);
  return unit.empty() ? number : number + " " + unit;
}

std::string SubstitutedText(const CalculationStep& step, const UnitSystem& units) {
  std::string out;
  const std::string& text = step.substitution;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string::npos;
    if (close != std::string::npos && close > i + 1 && close - i <= 4) {
      const std::string digits = text.substr(i + 1, close - i - 1);
      if (digits.find_first_not_of("0123456789") == std::string::npos) {
        const std::size_t index = std::stoul(digits);
        if (index < step.inputs.size()) {
          out += StepValueText(step.inputs[index], units);
          i = close;
          continue;
        }
      }
    }
    out += text[i];
  }
  return out;
}

std::string ResultText(const CalculationStep& step, const UnitSystem& units) {
  const std::string value = StepValueText(step.result, units);
  return step.result.symbol.empty() ? value : step.result.symbol + " = " + value;
}

std::string CheckText(const CalculationStep& step, const UnitSystem& units) {
  if (!step.check) return "";
  std::string limit = StepValueText(step.limit, units);
  if (!step.limit.symbol.empty()) limit = step.limit.symbol + " = " + limit;
  char ratio[32];
  std::snprintf(ratio, sizeof ratio, "%.3f", step.ratio);
  return "Limit: " + limit + "   Ratio: " + ratio + "   " + (step.ok ? "OK" : "NG");
}

}  // namespace calvix
