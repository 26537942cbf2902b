#include "design/minimum_steel.h"

#include <string_view>

#include "design/section_properties.h"
#include "model/number_format.h"

namespace calvix {
namespace {

struct SpacingTexts {
  std::string_view spacing48, spacing24, bar48, bar24;
};

constexpr SpacingTexts kEnglish{
    "Maximum spacing                             = 48 inches",
    "Maximum spacing                             = 24 inches",
    "* Use at least one #4 bar @ 48 inches ",
    "* Use at least one #4 bar @ 24 inches ",
};
constexpr SpacingTexts kMetric{
    "Maximum spacing                             = 1220 mm",
    "Maximum spacing                             = 610 mm",
    "* Use at least one 15 M bar @ 1220 mm",
    "* Use at least one 15 M bar @ 610 mm",
};
constexpr std::string_view kVerticalBased =
    "* Min horiz. steel based on min. vertical steel (conservative)";

// Horizontal steel of one bar of 0.20 in^2 every 48 in and every 24 in, in
// in^2 per ft of height.
constexpr float kA48 = (0.2f / 48.0f) * 12.0f;
constexpr float kA24 = (0.2f / 24.0f) * 12.0f;
// Coefficients of t: 12 x 0.0003 (strength design) and 12 x 0.00028.
constexpr float kStrengthCoefficient = 0.0036f;
constexpr float kWorkingCoefficient = 0.00336f;

std::string RightTrimmed(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

}  // namespace

MinimumSteel MinimumSteelTexts(const Problem& problem, int part, const MinimumSteel& previous) {
  const WorkingForm& w = problem.working;
  const UnitSystem& units = problem.units;
  const SpacingTexts& texts = units.UnitsType == 1 ? kEnglish : kMetric;
  const double f0 = units.Factor(kLengthShort);
  const double f1 = units.Factor(kLengthLong);
  const float t = WallDepths(problem, part).t;
  const bool english = units.UnitsType == 1;

  MinimumSteel out = previous;
  out.NoteText = " ";
  out.MinVerticalText =
      FormatNumber(static_cast<double>(w.StripWidth) * w.MinSteelRatio * t * f0 * f0,
                   english ? "##0.###" : "#####0") +
      " " + RightTrimmed(units.Label(kLengthShort)) + "^2";

  const std::string& category = w.SeismicCategory;
  const bool running = problem.entry.RunningBond;
  const bool strength = problem.entry.DesignMethod == "IBC-S";
  const float coefficientTerm = (strength ? kStrengthCoefficient : kWorkingCoefficient) * t;
  // rho_h = 0.002 - MinSteelRatio, raised to its floor; A_rho = rho_h x 12 x t.
  const auto rhoH = [&](float floor) {
    const float rho = 0.002f - w.MinSteelRatio;
    return rho < floor ? floor : rho;
  };
  float ash = 0.0f;

  if (category == "Category A" || category == "Category B") {
    if (running) {
      out.MinHorizontalText = "Not Required";
      out.SpacingText = " ";
      out.ReferenceText = "Ref. ACI 99 1.11/IBC 2000 2109.6.5";
      return out;
    }
    ash = coefficientTerm;
    out.SpacingText = texts.spacing48;
    out.ReferenceText = strength ? "Ref. IBC 2000 2109.6.5.2" : "Ref. ACI 99 1.11";
  } else if (category == "Category C") {
    out.SpacingText = texts.spacing48;
    if (running) {
      ash = kA48;
      out.ReferenceText = "Ref. ACI 99 1.13.5.2.3(a)/IBC 2000 2106.4.1.3(1)";
    } else {
      const bool barGoverns = kA48 >= coefficientTerm;
      ash = barGoverns ? kA48 : coefficientTerm;
      if (strength) {
        out.ReferenceText = barGoverns ? "Ref. IBC 2000 2106.4.1.3(1)" : "Ref. IBC 2000 2109.6.5.2";
      } else {
        out.ReferenceText = barGoverns ? "Ref. ACI 99 1.13.5.2.3(a)" : "Ref. ACI 99 1.11";
      }
    }
  } else if (category == "Category D") {
    const float rho = rhoH(0.0007f);
    const float aRho = rho * 12.0f * t;
    const float bar = running ? kA48 : kA24;
    const bool barGoverns = bar >= aRho;
    ash = barGoverns ? bar : aRho;
    out.SpacingText = running ? texts.spacing48 : texts.spacing24;
    if (running) {
      out.ReferenceText = barGoverns ? "Ref. IBC 2000 2106.4.1.3(1)/ACI 99 1.13.5.2.3(a)"
                                     : "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3";
    } else {
      out.ReferenceText = barGoverns ? "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3"
                                     : "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3)";
    }
    out.NoteText = barGoverns ? std::string(" ") : std::string(kVerticalBased);
  } else if (category == "Category E" || category == "Category F") {
    const float floor = running ? 0.0007f : 0.0015f;
    const float rho = rhoH(floor);
    const float aRho = rho * 12.0f * t;
    const float bar = running ? kA48 : kA24;
    const bool barGoverns = bar >= aRho;
    ash = barGoverns ? bar : aRho;
    out.SpacingText = running ? texts.spacing48 : texts.spacing24;
    if (running) {
      out.ReferenceText = barGoverns ? "Ref. IBC 2000 2106.4.1.3(1)/ACI 99 1.13.5.2.3(a)"
                                     : "Ref. IBC 2000 2106.5.2/ACI 99 1.13.6.3";
    } else {
      out.ReferenceText = "Ref. IBC 2000 2106.6.1/ACI 99 1.13.7.2";
    }
    if (barGoverns) {
      out.NoteText = running ? texts.bar48 : texts.bar24;
    } else if (rho == floor) {
      out.NoteText = running ? "* Minimum horizontal steel reinforcement ratio = 0.0007"
                             : "* Minimum horizontal steel reinforcement ratio = 0.0015";
    } else {
      out.NoteText = kVerticalBased;
    }
  } else {
    return out;
  }

  out.MinHorizontalText =
      FormatNumber(static_cast<double>(ash) * f0 * f0 / f1, english ? "##0.000" : "#####0") + " " +
      RightTrimmed(units.Label(kArea)) + " /" + RightTrimmed(units.Label(kLengthLong));
  return out;
}

}  // namespace calvix
