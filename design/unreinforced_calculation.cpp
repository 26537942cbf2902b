// The calculation of an unreinforced wall part (working stress, "ACI":
// ACI 530-99 2.2; "IBC-W": IBC 2000 2107) for one grouting case: the
// section of the case, its allowables, and the stresses of the loads that
// govern it, from UnreinforcedResults and ComputeUnreinforcedDetail.
#include <cmath>

#include "analysis/wall_part.h"
#include "design/calculation_builder.h"
#include "design/design_calculation.h"
#include "design/section_properties.h"
#include "design/working_stress_detail.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

struct Context {
  const Problem& problem;
  const AnalysisResults& analysis;
  const UnreinforcedResults& results;
  const UnreinforcedDetail& detail;
  const GroutCaseSection& sec;
  std::size_t c;  // grouting case
  int part;
  std::size_t p;
  int k;   // combination of the loads that govern the case
  int kv;  // combination of the governing shear
};

std::string Ref(const Context& c, std::string_view aciSection) {
  return WorkingStressReference(c.problem, aciSection);
}

StepValue Stress(const char* symbol, double value) {
  return Value(symbol, value, kMasonryStress);
}

CalculationGroup LoadsGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  CalculationGroup g{"Loads and combination", {}};
  g.steps.push_back(CombinationStep(c.problem, c.k));
  const std::string search =
      CalvixReference("largest of fa/Fa + fb/Fb and (fb - fa)/Ft over the stations");
  g.steps.push_back(MakeStep("Design moment", search, "Ms", "", {},
                             Value("Ms", r.CaseMoment[c.p][c.c], kReportMoment)));
  g.steps.push_back(MakeStep("Axial load at the design moment", search, "Ps", "", {},
                             Value("Ps", r.CaseAxial[c.p][c.c], kForce)));
  if (c.kv != c.k) g.steps.push_back(CombinationStep(c.problem, c.kv));
  g.steps.push_back(MakeStep("Design shear",
                             CalvixReference("largest shear ratio of the selected combinations"),
                             "Vs of the combination with the largest |V|/Fv,k", "", {},
                             Value("Vs", r.GovShear[c.p], kForce)));
  return g;
}

CalculationGroup SlendernessGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  CalculationGroup g{"Effective height and slenderness", {}};
  g.steps.push_back(EffectiveHeightStep(c.problem, r.HPrime[c.p], c.part,
                                        CalvixReference("effective height of the support")));
  g.steps.push_back(ActualThicknessStep(c.problem, r.Thickness[c.p], c.part));
  g.steps.push_back(
      MakeStep("Slenderness h'/r", Ref(c, "2.2.3"), "h'/r", "{0} / {1}",
               {Value("h'", r.HPrime[c.p], kLengthShort), Value("r", c.sec.r, kLengthShort)},
               Value("h'/r", c.sec.hOverR)));
  return g;
}

CalculationGroup SectionGroup(const Context& c) {
  const WorkingForm& w = c.problem.working;
  const GroutCaseSection& sec = c.sec;
  const StepValue t = Value("t", c.results.Thickness[c.p], kLengthShort);
  const StepValue ts = Value("ts", w.FaceShellThickness, kLengthShort);
  const std::string ref =
      CalvixReference("strip of the grouting case, never below its face shells");
  CalculationGroup g{"Section properties", {}};
  g.steps.push_back(MakeStep("Grouting case " + c.results.GroutCaseLabel[c.c],
                             CalvixReference("grouted cells at whole spacing modules"), "s", "",
                             {Value("sm", w.SpacingModule, kLengthShort)},
                             Value("s", sec.s, kLengthShort)));
  g.steps.push_back(MakeStep("Design strip width", CalvixReference("strip entered by the engineer"),
                             "b", "", {}, Value("b", w.StripWidth, kLengthShort)));
  g.steps.push_back(MakeStep("Effective width", ref, "bEff = b bf / s when s > bf, else b", "", {},
                             Value("bEff", sec.bEff, kLengthShort)));
  g.steps.push_back(MakeStep("Grouted core width", ref, "b' = min(wg b / s, bEff)", "",
                             {Value("wg", w.GroutedCellWidth, kLengthShort)},
                             Value("b'", sec.bPrime, kLengthShort)));
  g.steps.push_back(MakeStep("Depth to the steel centroid", CalvixReference("for information"), "d",
                             "", {}, Value("d", c.detail.d, kLengthShort)));
  g.steps.push_back(MakeStep("Effective area", ref, "Ae = max((t - 2 ts) b' + 2 bEff ts, 2 ts b)",
                             "", {t, ts}, Value("Ae", sec.Ae, kLengthShort, 2)));
  g.steps.push_back(
      MakeStep("Moment of inertia", ref,
               "Ig = b' t^3/12 + 2[(bEff - b') ts^3/12 + (bEff - b') ts ((t - ts)/2)^2]", "",
               {t, ts}, Value("Ig", sec.Ig, kLengthShort, 4)));
  g.steps.push_back(MakeStep("Section modulus", ref, "S = 2 Ig / t", "2 x {0} / {1}",
                             {Value("Ig", sec.Ig, kLengthShort, 4), t},
                             Value("S", sec.S, kLengthShort, 3)));
  g.steps.push_back(
      MakeStep("Radius of gyration", ref, "r = sqrt(Ig / Ae)", "sqrt({0} / {1})",
               {Value("Ig", sec.Ig, kLengthShort, 4), Value("Ae", sec.Ae, kLengthShort, 2)},
               Value("r", sec.r, kLengthShort)));
  g.steps.push_back(MakeStep("First moment of area", ref,
                             "Q = max(b' (t - 2 ts)^2/8 + ts bEff (t - ts)/2, 6 ts (t - ts))", "",
                             {t, ts}, Value("Q", sec.Q, kLengthShort, 3)));
  g.steps.push_back(MakeStep("Shear width", ref, "bv = b' - 2 w1 + w2 (webs of the units)", "", {},
                             Value("bv", sec.bv, kLengthShort)));
  return g;
}

CalculationGroup AllowablesGroup(const Context& c) {
  const WorkingForm& w = c.problem.working;
  const GroutCaseSection& sec = c.sec;
  const std::size_t ks = U(c.k - 1);
  const StepValue k = Value("k", StressFactorOf(c.problem, c.k));
  const std::string increase = Ref(c, "2.1");
  const double R = SlendernessReductionOf(c.results.HPrime[c.p], sec.r);
  CalculationGroup g{"Allowable stresses", {}};
  g.steps.push_back(MakeStep("Slenderness reduction", Ref(c, "2.2.3"),
                             sec.hOverR < 99.0f ? "R = 1 - (h'/(140 r))^2" : "R = (70 r / h')^2",
                             sec.hOverR < 99.0f ? "1 - ({0}/140)^2" : "(70/{0})^2",
                             {Value("h'/r", sec.hOverR)}, Value("R", R)));
  g.steps.push_back(MakeStep("Allowable axial stress", Ref(c, "2.2.3"), "Fa = 0.25 f'm R",
                             "0.25 x {0} x {1}", {Stress("f'm", w.FmPrime), Value("R", R)},
                             Stress("Fa", sec.Fa)));
  g.steps.push_back(MakeStep("Adjusted allowable axial stress", increase, "Fa,k = k Fa",
                             "{0} x {1}", {k, Stress("Fa", sec.Fa)},
                             Stress("Fa,k", c.detail.Fa[ks])));
  g.steps.push_back(MakeStep("Adjusted allowable flexural stress", increase, "Fb,k = k Fb",
                             "{0} x {1}", {k, Stress("Fb", w.Fb)},
                             Stress("Fb,k", c.detail.Fb[ks])));
  g.steps.push_back(MakeStep("Allowable flexural tension", Ref(c, "2.2.3"),
                             "Ft = Ft,none + (Ft,solid - Ft,none) / n for grout at n modules", "",
                             {Stress("Ft,none", w.FtNoGrout), Stress("Ft,solid", w.FtSolidGrout)},
                             Stress("Ft", sec.Ft)));
  g.steps.push_back(MakeStep("Adjusted allowable flexural tension", increase, "Ft,k = k Ft",
                             "{0} x {1}", {k, Stress("Ft", sec.Ft)},
                             Stress("Ft,k", c.detail.Ft[ks])));
  g.steps.push_back(MakeStep("Adjusted allowable shear stress", increase, "Fv,k = k Fv",
                             "{0} x {1}",
                             {Value("k", StressFactorOf(c.problem, c.kv)), Stress("Fv", w.Fv)},
                             Stress("Fv,k", c.results.UnreinfFv[c.p])));
  return g;
}

CalculationGroup AxialGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  const GroutCaseSection& sec = c.sec;
  const float baseAxial = c.analysis.CombAxial[c.p][U(c.k - 1)][U(kStationCount - 1)];
  CalculationGroup g{"Axial load", {}};
  g.steps.push_back(
      MakeStep("Axial stress", Ref(c, "2.2.3"), "fa = Ps / Ae", "{0} / {1}",
               {Value("Ps", r.CaseAxial[c.p][c.c], kForce), Value("Ae", sec.Ae, kLengthShort, 2)},
               Stress("fa", r.CaseFa[c.p][c.c])));
  const double e = std::fmax(std::fabs(w.FloorEccentricity), std::fabs(w.AddEccentricity));
  g.steps.push_back(
      MakeStep("Buckling load", Ref(c, "2.2.3"),
               "Pe = pi^2 Em Ig (1 - 0.577 e/r)^3 / h'^2 (Em in ksi: Pe in lb with 1000 pi^2)", "",
               {Value("Em", w.Em, kModulus), Value("Ig", sec.Ig, kLengthShort, 4),
                Value("e", e, kLengthShort), Value("r", sec.r, kLengthShort),
                Value("h'", r.HPrime[c.p], kLengthShort)},
               Value("Pe", sec.Pe, kForce)));
  CalculationStep buckling = MakeStep("Axial load at the base against buckling", Ref(c, "2.2.3"),
                                      "P <= 0.25 Pe", "", {}, Value("P", baseAxial, kForce));
  g.steps.push_back(AsCheck(std::move(buckling), Value("0.25 Pe", 0.25f * sec.Pe, kForce),
                            !(baseAxial > 0.25f * sec.Pe)));
  return g;
}

CalculationGroup FlexureGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  CalculationGroup g{"Flexure", {}};
  g.steps.push_back(MakeStep("Flexural stress", Ref(c, "2.2.3"), "fb = 12 |Ms| / S",
                             "12 x {0} / {1}",
                             {Value("Ms", std::fabs(r.CaseMoment[c.p][c.c]), kReportMoment),
                              Value("S", c.sec.S, kLengthShort, 3)},
                             Stress("fb", r.CaseFb[c.p][c.c])));
  return g;
}

CalculationGroup CombinedGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  const std::size_t ks = U(c.k - 1);
  const float csi = r.CaseCSI[c.p][c.c];
  CalculationStep step = MakeStep(
      "Combined stress index", Ref(c, "2.2.3"), "fa/Fa,k + fb/Fb,k < 1", "{0}/{1} + {2}/{3}",
      {Stress("fa", r.CaseFa[c.p][c.c]), Stress("Fa,k", c.detail.Fa[ks]),
       Stress("fb", r.CaseFb[c.p][c.c]), Stress("Fb,k", c.detail.Fb[ks])},
      Value("CSI", csi));
  return {"Combined stress", {AsCheck(std::move(step), Value("1", 1.0), csi < 1.0f)}};
}

CalculationGroup TensionGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  const float net = r.CaseNetStress[c.p][c.c];
  const float Ft = c.detail.Ft[U(c.k - 1)];
  CalculationStep step =
      MakeStep("Net flexural stress", Ref(c, "2.2.3"), "ft = fa - fb > -Ft,k (negative: tension)",
               "{0} - {1}", {Stress("fa", r.CaseFa[c.p][c.c]), Stress("fb", r.CaseFb[c.p][c.c])},
               Stress("ft", net));
  step = AsCheck(std::move(step), Stress("Ft,k", Ft), net > -Ft);
  // Only a net tension uses the allowable tension.
  step.ratio = net < 0.0f ? DemandRatio(net, Ft) : 0.0;
  return {"Tension", {std::move(step)}};
}

CalculationGroup ShearGroup(const Context& c) {
  const UnreinforcedResults& r = c.results;
  const float fv = r.CaseShearStress[c.p][c.c];
  const float Fv = r.UnreinfFv[c.p];
  const bool hasShearWidth = c.sec.bv > 0.0f && c.sec.Ig > 0.0f;
  CalculationStep step = MakeStep(
      "Shear stress", Ref(c, "2.2.5"), "fv = |Vs| Q / (Ig bv)", "{0} x {1} / ({2} x {3})",
      {Value("Vs", std::fabs(r.GovShear[c.p]), kForce), Value("Q", c.sec.Q, kLengthShort, 3),
       Value("Ig", c.sec.Ig, kLengthShort, 4), Value("bv", c.sec.bv, kLengthShort)},
      Stress("fv", fv));
  return {"Shear", {AsCheck(std::move(step), Stress("Fv,k", Fv), hasShearWidth && fv < Fv)}};
}

}  // namespace

CalculationSteps UnreinforcedCalculation(const Problem& problem, const AnalysisResults& analysis,
                                         const UnreinforcedResults& results, int groutCase,
                                         int part) {
  CalculationSteps out;
  out.part = part;
  const std::size_t p = PartIndex(part);
  if (groutCase < 0 || U(groutCase) >= results.CaseSection[p].size() ||
      U(groutCase) >= results.CaseCombo[p].size() || results.CaseCombo[p][U(groutCase)] < 1) {
    out.ok = false;
    return out;
  }
  const std::size_t ci = U(groutCase);
  out.governingCombination = results.CaseCombo[p][ci];
  const UnreinforcedDetail detail =
      ComputeUnreinforcedDetail(problem, analysis, results, groutCase, part);
  const int kv = results.GovShearCombo[p] >= 1 ? results.GovShearCombo[p] : results.GovCombo[p];
  const Context c{problem,
                  analysis,
                  results,
                  detail,
                  results.CaseSection[p][ci],
                  ci,
                  part,
                  p,
                  out.governingCombination,
                  kv};
  out.groups.push_back(LoadsGroup(c));
  AddSeismicGroup(out, problem, analysis, part);
  out.groups.push_back(SlendernessGroup(c));
  out.groups.push_back(SectionGroup(c));
  out.groups.push_back(AllowablesGroup(c));
  out.groups.push_back(AxialGroup(c));
  out.groups.push_back(FlexureGroup(c));
  out.groups.push_back(CombinedGroup(c));
  out.groups.push_back(TensionGroup(c));
  out.groups.push_back(ShearGroup(c));
  SetGoverningCheck(out);
  return out;
}

}  // namespace calvix
