#include "package/package_summary.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "model/design_basis.h"
#include "model/problem.h"
#include "reports/report_format.h"

namespace calvix {
namespace {

// The ratio of a check; a capacity of zero or less cannot carry any demand.
double Ratio(float demand, float capacity) {
  if (capacity > 0.0f) return static_cast<double>(demand) / static_cast<double>(capacity);
  return demand > 0.0f ? std::numeric_limits<double>::infinity() : 0.0;
}

float At(const std::vector<float>& values, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < values.size()
             ? values[static_cast<std::size_t>(index)]
             : 0.0f;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string PartName(int part) {
  return part == kParapet ? "Parapet" : "Main wall";
}

struct SummaryBuilder {
  PackageSummary& summary;
  int part;
  void Value(const std::string& key, float value, const std::string& unit) {
    summary.values.push_back({part, key, value, unit, false});
  }
  void Count(const std::string& key, int value) {
    summary.values.push_back({part, key, static_cast<float>(value), "", true});
  }
  void Check(const std::string& name, const std::string& demandKey, float demand,
             const std::string& capacityKey, float capacity, int quantity, bool ok, int power = 1) {
    summary.checks.push_back({part, name, demandKey, demand, capacityKey, capacity, quantity, power,
                              Ratio(demand, capacity), ok});
  }
};

std::string BarText(const Problem& problem, int bar, float spacing) {
  const auto& table = problem.units.BarTable;
  if (bar < 0 || static_cast<std::size_t>(bar) >= table.size() || !(spacing > 0.0f)) {
    return "no bar with an accepted spacing";
  }
  return BarSpacingText(UnitText(problem.units), table[static_cast<std::size_t>(bar)], spacing);
}

void AddReinforced(const PackageInput& in, int part, PackageSummary& summary) {
  const ReinforcedResults& r = in.design->reinforced;
  const std::size_t p = PartIndex(part);
  const int bar = in.choice[p];
  SummaryBuilder add{summary, part};
  summary.parts.push_back(PartName(part) + ": " +
                          BarText(*in.problem, bar, At(r.BarSpacing[p], bar)));
  add.Value("GovMoment", r.GovMoment[p], "ft-lb");
  add.Value("GovAxial", r.GovAxial[p], "lb");
  add.Count("GovCombo", r.GovCombo[p]);
  add.Value("GovShear", r.GovShear[p], "lb");
  add.Count("GovShearCombo", r.GovShearCombo[p]);
  add.Value("SlendernessRatio", r.SlendernessRatio[p], "");
  add.Value("Eccentricity", r.Eccentricity[p], "in");
  add.Value("AllowableShear", r.AllowableShear[p], "psi");
  add.Value("BarFa", At(r.BarFa[p], bar), "psi");
  add.Value("BarShearStress", At(r.BarShearStress[p], bar), "psi");
  add.Value("BarAllowMoment", At(r.BarAllowMoment[p], bar), "ft-lb");
  add.Value("BarSpacing", At(r.BarSpacing[p], bar), "in");
  const float moment = std::fabs(r.GovMoment[p]);
  const float allowMoment = At(r.BarAllowMoment[p], bar);
  add.Check("Moment with axial load (interaction)", "|GovMoment|", moment, "BarAllowMoment",
            allowMoment, kReportMoment, moment <= allowMoment);
  const float fv = At(r.BarShearStress[p], bar);
  add.Check("Shear stress", "BarShearStress", fv, "AllowableShear", r.AllowableShear[p],
            kMasonryStress, fv <= r.AllowableShear[p]);
}

void AddUnreinforced(const PackageInput& in, int part, PackageSummary& summary) {
  const UnreinforcedResults& r = in.design->unreinforced;
  const std::size_t p = PartIndex(part);
  const int c = in.choice[p];
  const auto ci = static_cast<std::size_t>(c);
  const bool known = c >= 0 && ci < r.CaseVerdict[p].size();
  const std::string label = c >= 0 && ci < r.GroutCaseLabel.size() ? r.GroutCaseLabel[ci] : "";
  const std::string verdict = known ? Trimmed(r.CaseVerdict[p][ci]) : "";
  summary.parts.push_back(PartName(part) + ": grouting " + Trimmed(label) + ", verdict " + verdict);
  SummaryBuilder add{summary, part};
  add.Value("GovMoment", r.GovMoment[p], "ft-lb");
  add.Value("GovAxial", r.GovAxial[p], "lb");
  add.Count("GovCombo", r.GovCombo[p]);
  add.Value("GovShear", r.GovShear[p], "lb");
  add.Count("GovShearCombo", r.GovShearCombo[p]);
  add.Value("UnreinfFb", r.UnreinfFb[p], "psi");
  add.Value("UnreinfFv", r.UnreinfFv[p], "psi");
  add.Value("CaseFa", At(r.CaseFa[p], c), "psi");
  add.Value("CaseFb", At(r.CaseFb[p], c), "psi");
  add.Value("CaseNetStress", At(r.CaseNetStress[p], c), "psi");
  add.Value("CaseShearStress", At(r.CaseShearStress[p], c), "psi");
  add.Value("CaseCSI", At(r.CaseCSI[p], c), "");
  const float csi = At(r.CaseCSI[p], c);
  add.Check("Combined stress index fa/Fa + fb/Fb", "CaseCSI", csi, "limit", 1.0f, -1, csi < 1.0f);
  const float fv = At(r.CaseShearStress[p], c);
  add.Check("Shear stress", "CaseShearStress", fv, "UnreinfFv", r.UnreinfFv[p], kMasonryStress,
            fv < r.UnreinfFv[p]);
  // Tension and buckling have no stored capacity: the design's verdict
  // stands for them.
  add.Check("Case verdict (tension, buckling): " + verdict, "", 0.0f, "", 0.0f, -1,
            verdict == kVerdictOk);
}

void AddStrength(const PackageInput& in, int part, PackageSummary& summary) {
  const StrengthResults& r = in.design->strength;
  const std::size_t p = PartIndex(part);
  const int bar = in.choice[p];
  SummaryBuilder add{summary, part};
  summary.parts.push_back(PartName(part) + ": " +
                          BarText(*in.problem, bar, At(r.BarSpacing[p], bar)));
  add.Value("SlendernessRatio", r.SlendernessRatio[p], "");
  add.Value("AxialLimit", r.AxialLimit[p], "psi");
  add.Value("AllowServiceDeflection", r.AllowServiceDeflection[p], "in");
  add.Value("GovMoment", r.GovMoment[p], "ft-lb");
  add.Value("GovAxial", r.GovAxial[p], "lb");
  add.Value("GovShear", r.GovShear[p], "lb");
  add.Count("GovCombo", r.GovCombo[p]);
  add.Count("GovStation", r.GovStation[p]);
  add.Count("GovShearCombo", r.GovShearCombo[p]);
  add.Value("BarSpacing", At(r.BarSpacing[p], bar), "in");
  add.Value("BarPhiMn", At(r.BarPhiMn[p], bar), "ft-lb");
  add.Value("BarPhiVn", At(r.BarPhiVn[p], bar), "lb");
  add.Value("BarMu", At(r.BarMu[p], bar), "ft-lb");
  add.Value("BarDeltaUlt", At(r.BarDeltaUlt[p], bar), "in");
  add.Value("BarDeltaServ", At(r.BarDeltaServ[p], bar), "in");
  const float mu = std::fabs(At(r.BarMu[p], bar));
  const float phiMn = At(r.BarPhiMn[p], bar);
  add.Check("Flexure with P-delta", "|BarMu|", mu, "BarPhiMn", phiMn, kReportMoment,
            FlexureAdequate(mu, phiMn));
  const float vu = std::fabs(r.GovShear[p]);
  const float phiVn = At(r.BarPhiVn[p], bar);
  add.Check("Shear", "|GovShear|", vu, "BarPhiVn", phiVn, kForce, ShearAdequate(phiVn, vu));
  const float delta = std::fabs(At(r.BarDeltaServ[p], bar));
  add.Check("Service deflection", "BarDeltaServ", delta, "AllowServiceDeflection",
            r.AllowServiceDeflection[p], kDeflection, delta <= r.AllowServiceDeflection[p]);
  add.Check("Axial stress", "fa", r.AxialStress[p], "AxialLimit", r.AxialLimit[p], kMasonryStress,
            r.AxialStress[p] <= r.AxialLimit[p]);
  const float as = At(r.BarAs[p], bar);
  const float asMax = At(r.BarAsMax[p], bar);
  add.Check("Maximum steel", "As", as, "As,max", asMax, kLengthShort, as <= asMax, 2);
}

std::string MethodText(const PackageInput& in) {
  std::string name = DesignMethodName(in.problem->entry.DesignMethod);
  switch (in.run) {
    case DesignRun::Unreinforced:
      return name + ", unreinforced wall";
    case DesignRun::None:
      return name;
    default:
      return name + ", reinforced wall";
  }
}

}  // namespace

std::string JsonDigits(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

std::string RatioText(double ratio) {
  if (!std::isfinite(ratio)) return "no capacity";
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", ratio);
  return text;
}

std::vector<int> DesignedParts(const Problem& problem) {
  if (problem.working.ParapetHeight > 0.0f) return {kMainWall, kParapet};
  return {kMainWall};
}

PackageSummary BuildSummary(const PackageInput& in) {
  PackageSummary summary;
  summary.method = MethodText(in);
  if (!in.designed || in.design == nullptr) return summary;
  for (int part : DesignedParts(*in.problem)) {
    if (in.run == DesignRun::Reinforced) AddReinforced(in, part, summary);
    if (in.run == DesignRun::Unreinforced) AddUnreinforced(in, part, summary);
    if (in.run == DesignRun::Strength) AddStrength(in, part, summary);
  }
  summary.ok = true;
  double largest = -1;
  for (std::size_t i = 0; i < summary.checks.size(); ++i) {
    const SummaryCheck& check = summary.checks[i];
    summary.ok = summary.ok && check.ok;
    if (!check.capacityKey.empty() && check.ratio > largest) {
      largest = check.ratio;
      summary.governing = static_cast<int>(i);
    }
  }
  return summary;
}

}  // namespace calvix
