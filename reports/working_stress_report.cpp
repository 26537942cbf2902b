#include "reports/working_stress_report.h"

#include <cmath>

#include "analysis/load_combinations.h"
#include "model/number_format.h"
#include "reports/working_stress_text.h"

namespace calvix {

std::string BarSizeLimitNote(const BarSizeLimit& limit) {
  if (!limit.Limits()) return "";
  return "Per " + limit.clause + ", bar size is limited to " + limit.largest;
}

std::string SectionPropertyText(const UnitText& u, double working, int power) {
  const double shown = working * std::pow(u.units().Factor(kLengthShort), power);
  if (!u.English()) return FormatNumber(shown, "0.00 E-00");
  const char* pattern = power == 2 ? "##0.00" : power == 3 ? "####0.00" : "#####0.0";
  return TrimLeft(FormatWide(shown, pattern));
}

std::string NotPermittedText(const BarSizeLimit& limit) {
  return "not permitted, " + limit.clause;
}

std::string StressFactorText(const Problem& problem, int combination) {
  return problem.entry.StressIncreaseFactor >= 1.01f && combination != 1 ? "4/3" : "1.0";
}

std::array<bool, kLoadCombinationCount> CombinationsOfPart(const Problem& problem,
                                                           const AnalysisResults& analysis,
                                                           int part) {
  const auto use = CombinationUseOfPart(problem, analysis.Seismic, part);
  std::array<bool, kLoadCombinationCount> on{};
  for (std::size_t i = 0; i < on.size(); ++i) on[i] = use[i] == CombinationUse::kUsed;
  return on;
}

std::vector<ResultRow> DimensionRows(const Problem& problem, bool unreinforcedMethod) {
  const WorkingForm& w = problem.working;
  const UnitText u(problem.units);
  const auto row = [&](const char* label, float value, int quantity) {
    return ResultRow{label, TrimLeft(u.Number(value, quantity)), u.Label(quantity)};
  };
  std::vector<ResultRow> rows{row("Wall Height", w.WallHeight, kLengthLong),
                              row("Wall Thickness", w.WallThickness, kLengthShort),
                              row("Wall c.g. Steel", w.WallSteelDepth, kLengthShort),
                              row("Parapet Height", w.ParapetHeight, kLengthLong),
                              row("Parapet Thickness", w.ParapetThickness, kLengthShort),
                              row("Parapet c.g. Steel", w.ParapetSteelDepth, kLengthShort),
                              row("Design Strip Width", w.StripWidth, kLengthShort)};
  rows.push_back({"Material Type", MaterialTypeText(problem.entry.MasonryMaterial), ""});
  const bool aci = problem.entry.DesignMethod == "ACI";
  std::string method;
  if (unreinforcedMethod) {
    method = std::string(aci ? "ACI 99 " : "IBC 2000 ") + "Working Stress ";
  } else {
    method = aci ? "ACI 530-99" : "IBC 2000 Working Stress";
  }
  rows.push_back({"Design Method", method, ""});
  return rows;
}

}  // namespace calvix
