#include "design/calculation_builder.h"

#include <cmath>
#include <limits>
#include <utility>

#include "analysis/seismic_loads.h"
#include "analysis/wall_part.h"
#include "design/section_properties.h"

namespace calvix {

StepValue Value(std::string symbol, double value, int quantity, int power) {
  StepValue v;
  v.symbol = std::move(symbol);
  v.value = value;
  v.quantity = quantity;
  v.power = power;
  return v;
}

CalculationStep MakeStep(std::string quantity, std::string reference, std::string formula,
                         std::string substitution, std::vector<StepValue> inputs,
                         StepValue result) {
  CalculationStep step;
  step.quantity = std::move(quantity);
  step.reference = std::move(reference);
  step.formula = std::move(formula);
  step.substitution = std::move(substitution);
  step.inputs = std::move(inputs);
  step.result = std::move(result);
  return step;
}

double DemandRatio(double demand, double capacity) {
  if (capacity > 0.0) return std::fabs(demand) / capacity;
  return demand != 0.0 ? std::numeric_limits<double>::infinity() : 0.0;
}

CalculationStep AsCheck(CalculationStep step, StepValue limit, bool ok) {
  step.check = true;
  step.ratio = DemandRatio(step.result.value, limit.value);
  step.limit = std::move(limit);
  step.ok = ok;
  return step;
}

std::string WorkingStressReference(const Problem& problem, std::string_view aciSection) {
  const std::string aci = "ACI 530-99 " + std::string(aciSection);
  if (problem.entry.DesignMethod == "IBC-W") return "IBC 2000 2107 (" + aci + ")";
  return aci;
}

std::string CalvixReference(std::string_view reason) {
  return "Calvix: " + std::string(reason);
}

namespace {

// The factors F(first) ... of combination k and the load each multiplies.
struct CombinationTerms {
  int first = 1;
  std::vector<std::string> loads;
};

CombinationTerms TermsOf(int k) {
  switch (k) {
    case 1:
      return {1, {"D", "L"}};
    case 2:
      return {3, {"D", "L", "W"}};
    case 3:
      return {6, {"D", "L", "E"}};
    case 4:
      return {9, {"D", "W"}};
    default:
      return {11, {"D", "E"}};
  }
}

std::string CombinationReference(const Problem& problem) {
  if (problem.entry.BuildingCodeComb != "YES") {
    return CalvixReference("load factors entered by the engineer");
  }
  if (problem.entry.DesignMethod == "ACI") {
    return CalvixReference("service load combinations of working-stress design");
  }
  return "IBC 2000 1605";
}

}  // namespace

CalculationStep CombinationStep(const Problem& problem, int k) {
  const CombinationTerms terms = TermsOf(k);
  std::string formula = "U" + std::to_string(k) + " =";
  std::string substitution;
  std::vector<StepValue> inputs;
  for (std::size_t i = 0; i < terms.loads.size(); ++i) {
    const int f = terms.first + static_cast<int>(i);
    const std::string plus = i == 0 ? " " : " + ";
    formula += plus + "F" + std::to_string(f) + " " + terms.loads[i];
    substitution += (i == 0 ? "" : " + ") + ("{" + std::to_string(i) + "} ") + terms.loads[i];
    inputs.push_back(
        Value("F" + std::to_string(f), problem.entry.LoadFactors[static_cast<std::size_t>(f - 1)]));
  }
  return MakeStep("Load combination " + std::to_string(k), CombinationReference(problem), formula,
                  substitution, std::move(inputs), Value("k", k));
}

CalculationStep SeismicStep(const Problem& problem, const AnalysisResults& analysis, int part) {
  const WorkingForm& w = problem.working;
  const float Fp = analysis.Seismic.SeismicLoad[PartIndex(part)];
  std::vector<StepValue> inputs{Value("Ss", w.Ss), Value("Ww", w.WallWeight, kSurfaceLoad),
                                Value("Wv", w.VeneerWeight, kSurfaceLoad),
                                Value("b", w.StripWidth, kLengthShort)};
  if (part == kParapet) {
    inputs.push_back(Value("Ip", w.Ip));
    inputs.push_back(Value("z/h", w.ZOverH));
    return MakeStep("Seismic force on the parapet", "IBC 2000 1621.1.4",
                    "Fp = (1 + 2 z/h) SDS (Ww + Wv) Ip / 2.5 x b/12, "
                    "0.3 SDS Ip w <= Fp <= 1.6 SDS Ip w",
                    "", std::move(inputs), Value("Fp", Fp, kLineLoad));
  }
  inputs.push_back(Value("IE", SeismicImportanceFactor(w.UseGroup)));
  const std::string formula = analysis.Seismic.SeismicMinGoverns
                                  ? "Fp = 0.1 (Ww + Wv) x b/12 (minimum governs)"
                                  : "Fp = IE 0.4 SDS (Ww + Wv) x b/12 >= 0.1 (Ww + Wv) x b/12";
  return MakeStep("Seismic force on the wall", "IBC 2000 1620.1.7", formula, "", std::move(inputs),
                  Value("Fp", Fp, kLineLoad));
}

void AddSeismicGroup(CalculationSteps& steps, const Problem& problem,
                     const AnalysisResults& analysis, int part) {
  if (analysis.Seismic.SeismicLoad[PartIndex(part)] == 0.0f) return;
  steps.groups.push_back({"Seismic force", {SeismicStep(problem, analysis, part)}});
}

CalculationStep EffectiveHeightStep(const Problem& problem, float hPrime, int part,
                                    std::string reference) {
  const EntryForm& e = problem.entry;
  const float H = PartHeight(problem, part);
  std::vector<StepValue> inputs{Value(part == kParapet ? "Hp" : "H", H, kLengthLong)};
  std::string formula;
  std::string substitution;
  if (part == kParapet) {
    formula = "h' = 2 Hp (cantilever on the wall top)";
    substitution = "2 x {0}";
  } else if (e.Cantilever) {
    formula = "h' = 2 H (cantilever wall)";
    substitution = "2 x {0}";
  } else if (e.SupportType == "Fixed") {
    formula = "h' = 0.8 H (fixed base)";
    substitution = "0.8 x {0}";
  } else if (e.SupportType == "Partially Fixed") {
    formula = "h' = (1 - 0.2 f/100) H (partially fixed base)";
    substitution = "(1 - 0.2 x {1}/100) x {0}";
    inputs.push_back(Value("f", e.PercentFixed));
  } else {
    formula = "h' = H (pinned base)";
    substitution = "{0}";
  }
  return MakeStep("Effective height", std::move(reference), formula, substitution,
                  std::move(inputs), Value("h'", hPrime, kLengthShort));
}

CalculationStep ActualThicknessStep(const Problem& problem, float t, int part) {
  const WorkingForm& w = problem.working;
  const float T = part == kParapet ? w.ParapetThickness : w.WallThickness;
  return MakeStep("Actual thickness", CalvixReference("nominal thickness less the unit allowance"),
                  "t = T - dt", "{0} - {1}",
                  {Value("T", T, kLengthShort), Value("dt", w.NominalMinusActual, kLengthShort)},
                  Value("t", t, kLengthShort));
}

CalculationGroup SpacingGroup(const Problem& problem, float s, std::string reference) {
  const WorkingForm& w = problem.working;
  CalculationGroup group{"Spacing", {}};
  const float sMax = MaxBarSpacing(problem, w.SeismicCategory);
  const StepValue module = Value("sm", w.SpacingModule, kLengthShort);
  group.steps.push_back(
      MakeStep("Bar spacing", CalvixReference("bars at whole spacing modules, half a unit length"),
               "s = n sm", "", {module}, Value("s", s, kLengthShort)));
  group.steps.push_back(AsCheck(
      MakeStep("Largest bar spacing", std::move(reference), "s <= smax (" + w.SeismicCategory + ")",
               "", {}, Value("s", s, kLengthShort)),
      Value("smax", sMax, kLengthShort), s <= sMax));
  return group;
}

void SetGoverningCheck(CalculationSteps& steps) {
  steps.ok = true;
  steps.governingGroup = -1;
  steps.governingStep = -1;
  double largest = -1.0;
  for (std::size_t g = 0; g < steps.groups.size(); ++g) {
    const auto& group = steps.groups[g];
    for (std::size_t i = 0; i < group.steps.size(); ++i) {
      const CalculationStep& step = group.steps[i];
      if (!step.check) continue;
      steps.ok = steps.ok && step.ok;
      if (step.ratio > largest) {
        largest = step.ratio;
        steps.governingGroup = static_cast<int>(g);
        steps.governingStep = static_cast<int>(i);
      }
    }
  }
}

}  // namespace calvix
