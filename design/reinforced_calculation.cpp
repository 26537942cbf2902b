// The calculation of a reinforced wall part designed by working stress
// ("ACI": ACI 530-99 chapter 2; "IBC-W": IBC 2000 2107) for one bar of the
// bar table at its accepted spacing. Every value is the design's own: the
// governing loads and the per-bar results of ReinforcedResults, the section
// and allowables of ComputeReinforcedDetail and the bar's interaction curve.
#include <cmath>

#include "analysis/wall_part.h"
#include "design/calculation_builder.h"
#include "design/design_calculation.h"
#include "design/interaction_curve.h"
#include "design/section_properties.h"
#include "design/working_stress_detail.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// What every group of one calculation reads.
struct Context {
  const Problem& problem;
  const AnalysisResults& analysis;
  const ReinforcedResults& results;
  const ReinforcedDetail& detail;
  const BarDesign& bar;
  int barIndex;
  int part;
  std::size_t p;
  int k;   // combination of the governing moment
  int kv;  // combination of the governing shear
};

std::string Ref(const Context& c, std::string_view aciSection) {
  return WorkingStressReference(c.problem, aciSection);
}

CalculationGroup LoadsGroup(const Context& c) {
  const ReinforcedResults& r = c.results;
  CalculationGroup g{"Loads and combination", {}};
  g.steps.push_back(CombinationStep(c.problem, c.k));
  const std::string analysed = CalvixReference("largest moment of the selected combinations");
  g.steps.push_back(MakeStep("Design moment", analysed,
                             "Ms of the combination with the largest Ms/Ma or P/Pa", "", {},
                             Value("Ms", r.GovMoment[c.p], kReportMoment)));
  g.steps.push_back(MakeStep("Axial load at the design moment", analysed, "Ps = P at Ms", "", {},
                             Value("Ps", r.GovAxial[c.p], kForce)));
  const bool noAxial = r.Eccentricity[c.p] >= 999.0f;
  g.steps.push_back(MakeStep("Eccentricity", CalvixReference("zone of the interaction curve"),
                             std::string("e = 12 |Ms| / Ps, zone ") +
                                 static_cast<char>(r.Zone[c.p]) +
                                 (noAxial ? " (no axial load)" : ""),
                             noAxial ? "" : "12 x {0} / {1}",
                             {Value("Ms", std::fabs(r.GovMoment[c.p]), kReportMoment),
                              Value("Ps", r.GovAxial[c.p], kForce)},
                             Value("e", r.Eccentricity[c.p], kLengthShort)));
  if (c.kv != c.k) g.steps.push_back(CombinationStep(c.problem, c.kv));
  g.steps.push_back(MakeStep("Design shear",
                             CalvixReference("largest shear ratio of the selected combinations"),
                             "Vs of the combination with the largest |V|/Fv,k", "", {},
                             Value("Vs", r.GovShear[c.p], kForce)));
  return g;
}

CalculationGroup SlendernessGroup(const Context& c) {
  const ReinforcedResults& r = c.results;
  const StripSection& sec = c.detail.section;
  CalculationGroup g{"Effective height and slenderness", {}};
  g.steps.push_back(EffectiveHeightStep(c.problem, r.HPrime[c.p], c.part,
                                        CalvixReference("effective height of the support")));
  g.steps.push_back(ActualThicknessStep(c.problem, r.Thickness[c.p], c.part));
  g.steps.push_back(MakeStep(
      "Slenderness h'/t", CalvixReference("for information"), "h'/t", "{0} / {1}",
      {Value("h'", r.HPrime[c.p], kLengthShort), Value("t", r.Thickness[c.p], kLengthShort)},
      Value("h'/t", r.SlendernessRatio[c.p])));
  g.steps.push_back(
      MakeStep("Slenderness h'/r", Ref(c, "2.3.3"), "h'/r", "{0} / {1}",
               {Value("h'", r.HPrime[c.p], kLengthShort), Value("r", sec.r, kLengthShort)},
               Value("h'/r", sec.hOverR)));
  return g;
}

CalculationGroup SectionGroup(const Context& c) {
  const WorkingForm& w = c.problem.working;
  const StripSection& sec = c.detail.section;
  const StepValue b = Value("b", w.StripWidth, kLengthShort);
  const StepValue s = Value("s", sec.s, kLengthShort);
  const StepValue t = Value("t", c.results.Thickness[c.p], kLengthShort);
  const StepValue ts = Value("ts", w.FaceShellThickness, kLengthShort);
  const std::string ref = CalvixReference("design strip at the bar spacing");
  CalculationGroup g{"Section properties", {}};
  g.steps.push_back(MakeStep("Design strip width", CalvixReference("strip entered by the engineer"),
                             "b", "", {}, b));
  g.steps.push_back(MakeStep(
      "Effective flange width", ref,
      c.problem.entry.RunningBond ? "bf = min(s, 6T, 72 in)" : "bf = min(s, unit length)", "",
      {s, Value("T", w.WallThickness, kLengthShort)}, Value("bf", sec.bf, kLengthShort)));
  g.steps.push_back(MakeStep("Effective width", ref, "bEff = b bf / s when s > bf, else b", "",
                             {b, s}, Value("bEff", sec.bEff, kLengthShort)));
  g.steps.push_back(MakeStep("Grouted core width", ref, "b' = min(wg b / s, bEff)", "",
                             {Value("wg", w.GroutedCellWidth, kLengthShort), b, s},
                             Value("b'", sec.bPrime, kLengthShort)));
  g.steps.push_back(MakeStep("Depth to the steel", CalvixReference("d by the sign of Ms"),
                             c.results.GovMoment[c.p] > 0.0f ? "d" : "d' = t - c", "", {},
                             Value("d", c.results.DesignDepth[c.p], kLengthShort)));
  g.steps.push_back(MakeStep("Effective area", ref, "Ae = (t - 2 ts) b' + 2 bEff ts, or t bEff", "",
                             {t, ts}, Value("Ae", sec.Ae, kLengthShort, 2)));
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
  return g;
}

CalculationGroup AllowablesGroup(const Context& c) {
  const WorkingForm& w = c.problem.working;
  const StripSection& sec = c.detail.section;
  const WorkingStresses& a = c.detail.allow[U(c.k - 1)];
  const StepValue k = Value("k", StressFactorOf(c.problem, c.k));
  // One third more for combinations with wind or seismic load.
  const std::string increase = Ref(c, "2.1");
  const double R = SlendernessReductionOf(c.results.HPrime[c.p], sec.r);
  CalculationGroup g{"Allowable stresses", {}};
  g.steps.push_back(MakeStep("Slenderness reduction", Ref(c, "2.3.3"),
                             sec.hOverR < 99.0f ? "R = 1 - (h'/(140 r))^2" : "R = (70 r / h')^2",
                             sec.hOverR < 99.0f ? "1 - ({0}/140)^2" : "(70/{0})^2",
                             {Value("h'/r", sec.hOverR)}, Value("R", R)));
  g.steps.push_back(MakeStep("Allowable axial stress", Ref(c, "2.3.3"), "Fa = 0.25 f'm R",
                             "0.25 x {0} x {1}",
                             {Value("f'm", w.FmPrime, kMasonryStress), Value("R", R)},
                             Value("Fa", sec.Fa, kMasonryStress)));
  g.steps.push_back(MakeStep("Adjusted allowable axial stress", increase, "Fa,k = k Fa",
                             "{0} x {1}", {k, Value("Fa", sec.Fa, kMasonryStress)},
                             Value("Fa,k", a.Fa, kMasonryStress)));
  g.steps.push_back(MakeStep("Adjusted allowable flexural stress", increase, "Fb,k = k Fb",
                             "{0} x {1}", {k, Value("Fb", w.Fb, kMasonryStress)},
                             Value("Fb,k", a.Fb, kMasonryStress)));
  g.steps.push_back(MakeStep("Adjusted allowable steel stress", increase, "Fs,k = k Fs",
                             "{0} x {1}", {k, Value("Fs", w.Fs, kSteelStress)},
                             Value("Fs,k", a.Fs, kSteelStress)));
  g.steps.push_back(
      MakeStep("Adjusted allowable shear stress", increase, "Fv,k = k Fv", "{0} x {1}",
               {Value("k", StressFactorOf(c.problem, c.kv)), Value("Fv", w.Fv, kMasonryStress)},
               Value("Fv,k", c.results.AllowableShear[c.p], kMasonryStress)));
  return g;
}

CalculationGroup AxialGroup(const Context& c) {
  const StripSection& sec = c.detail.section;
  const WorkingStresses& a = c.detail.allow[U(c.k - 1)];
  const float capacity = c.bar.curve.AxialCapacity();
  const float factor = StressFactorOf(c.problem, c.k);
  const float P1 = c.analysis.CombAxial[c.p][0][U(kStationCount - 1)];
  CalculationGroup g{"Axial load", {}};
  g.steps.push_back(
      MakeStep("Axial capacity", Ref(c, "2.3.3"), "Pa = Fa,k Ae", "{0} x {1}",
               {Value("Fa,k", a.Fa, kMasonryStress), Value("Ae", sec.Ae, kLengthShort, 2)},
               Value("Pa", capacity, kForce)));
  CalculationStep base = MakeStep(
      "Axial load of dead and live load at the base",
      CalvixReference("gravity load checked against the unincreased capacity"), "P1 < Pa / k", "",
      {Value("Pa", capacity, kForce), Value("k", factor)}, Value("P1", P1, kForce));
  g.steps.push_back(
      AsCheck(std::move(base), Value("Pa/k", capacity / factor, kForce), P1 < capacity / factor));
  return g;
}

CalculationGroup FlexureGroup(const Context& c) {
  const ReinforcedResults& r = c.results;
  const WorkingStresses& a = c.detail.allow[U(c.k - 1)];
  const InteractionCurve& curve = c.bar.curve;
  const float Ps = r.GovAxial[c.p];
  const float Ma = r.BarAllowMoment[c.p][U(c.barIndex)];
  const std::string ref = Ref(c, "2.3.3");
  CalculationGroup g{"Flexure", {}};
  g.steps.push_back(
      MakeStep("Steel area", CalvixReference("bar area over the spacing"), "As = b Ab / s",
               "{0} x {1} / {2}",
               {Value("b", c.problem.working.StripWidth, kLengthShort),
                Value("Ab", c.problem.units.BarTable[U(c.barIndex)].Area, kLengthShort, 2),
                Value("s", c.detail.s, kLengthShort)},
               Value("As", c.detail.AsFurnished, kLengthShort, 2)));
  std::vector<StepValue> curveInputs{
      Value("Fb,k", a.Fb, kMasonryStress), Value("Fs,k", a.Fs, kSteelStress),
      Value("Fa,k", a.Fa, kMasonryStress), Value("n", c.problem.working.ModularRatio)};
  g.steps.push_back(MakeStep("Pure flexure on the interaction curve", ref,
                             "M0: cracked section, fb <= Fb,k and fs <= Fs,k", "", curveInputs,
                             Value("M0", curve.M[kCurvePointCount - 1], kReportMoment)));
  const int above = CurveSegmentAt(curve, Ps);
  if (above >= 0) {
    const std::size_t i = U(above);
    g.steps.push_back(MakeStep(
        "Allowable moment at the axial load (interaction curve)", ref,
        "Ma = M2 + (Ps - P2)(M1 - M2)/(P1 - P2)", "{3} + ({4} - {2}) x ({1} - {3}) / ({0} - {2})",
        {Value("P1", curve.P[i], kForce), Value("M1", curve.M[i], kReportMoment),
         Value("P2", curve.P[i + 1], kForce), Value("M2", curve.M[i + 1], kReportMoment),
         Value("Ps", Ps, kForce)},
        Value("Ma", Ma, kReportMoment)));
  } else {
    g.steps.push_back(MakeStep("Allowable moment at the axial load (interaction curve)", ref,
                               "Ma = 0: Ps outside the curve", "", {Value("Ps", Ps, kForce)},
                               Value("Ma", Ma, kReportMoment)));
  }
  CalculationStep check = MakeStep("Flexure", ref, "|Ms| < Ma", "", {},
                                   Value("Ms", std::fabs(r.GovMoment[c.p]), kReportMoment));
  g.steps.push_back(
      AsCheck(std::move(check), Value("Ma", Ma, kReportMoment), std::fabs(r.GovMoment[c.p]) < Ma));
  return g;
}

CalculationGroup ShearGroup(const Context& c) {
  const ReinforcedResults& r = c.results;
  const float fv = r.BarShearStress[c.p][U(c.barIndex)];
  const float Fv = r.AllowableShear[c.p];
  CalculationGroup g{"Shear", {}};
  CalculationStep step =
      MakeStep("Shear stress", Ref(c, "2.3.5"), "fv = |Vs| / (b' d)", "{0} / ({1} x {2})",
               {Value("Vs", std::fabs(r.GovShear[c.p]), kForce),
                Value("b'", c.detail.section.bPrime, kLengthShort),
                Value("d", r.DesignDepth[c.p], kLengthShort)},
               Value("fv", fv, kMasonryStress));
  g.steps.push_back(AsCheck(std::move(step), Value("Fv,k", Fv, kMasonryStress), fv < Fv));
  return g;
}

CalculationGroup SteelGroup(const Context& c) {
  const WorkingForm& w = c.problem.working;
  const float As = c.detail.AsFurnished;
  const float AsMin = c.results.MinSteelArea[c.p];
  CalculationGroup g{"Minimum steel", {}};
  CalculationStep minimum =
      MakeStep("Minimum vertical steel", CalvixReference("steel ratio entered by the engineer"),
               "As,min = rho b t", "{0} x {1} x {2}",
               {Value("rho", w.MinSteelRatio), Value("b", w.StripWidth, kLengthShort),
                Value("t", c.results.Thickness[c.p], kLengthShort)},
               Value("As,min", AsMin, kLengthShort, 2));
  if (As > AsMin) {
    g.steps.push_back(AsCheck(std::move(minimum), Value("As", As, kLengthShort, 2), true));
  } else {
    // The search stops at one module: the closest spacing is accepted.
    minimum.reference = CalvixReference("the closest spacing is accepted below the minimum");
    g.steps.push_back(std::move(minimum));
  }
  const BarSizeLimit& limit = c.results.BarLimit[c.p];
  if (limit.Limits()) {
    g.steps.push_back(MakeStep(
        "Largest bar size", limit.clause, "db <= T/8: largest bar " + limit.largest, "",
        {Value("T", c.part == kParapet ? w.ParapetThickness : w.WallThickness, kLengthShort)},
        Value("db", c.problem.units.BarTable[U(c.barIndex)].Diameter, kLengthShort)));
  }
  return g;
}

}  // namespace

CalculationSteps ReinforcedCalculation(const Problem& problem, const AnalysisResults& analysis,
                                       const ReinforcedResults& results, int bar, int part) {
  CalculationSteps out;
  out.part = part;
  const std::size_t p = PartIndex(part);
  out.governingCombination = results.GovCombo[p];
  // A bar without an accepted spacing has no design to show.
  if (bar < 0 || !results.BarOffered(p, U(bar)) || U(bar) >= results.Bars[p].size() ||
      out.governingCombination < 1) {
    out.ok = false;
    return out;
  }
  const ReinforcedDetail detail = ComputeReinforcedDetail(problem, results, bar, part);
  const Context c{problem,
                  analysis,
                  results,
                  detail,
                  results.Bars[p][U(bar)],
                  bar,
                  part,
                  p,
                  results.GovCombo[p],
                  results.GovShearCombo[p] >= 1 ? results.GovShearCombo[p] : results.GovCombo[p]};
  out.groups.push_back(LoadsGroup(c));
  AddSeismicGroup(out, problem, analysis, part);
  out.groups.push_back(SlendernessGroup(c));
  out.groups.push_back(SectionGroup(c));
  out.groups.push_back(AllowablesGroup(c));
  out.groups.push_back(AxialGroup(c));
  out.groups.push_back(FlexureGroup(c));
  out.groups.push_back(ShearGroup(c));
  out.groups.push_back(SteelGroup(c));
  out.groups.push_back(SpacingGroup(problem, detail.s, WorkingStressReference(problem, "1.13")));
  SetGoverningCheck(out);
  return out;
}

}  // namespace calvix
