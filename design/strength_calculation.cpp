// The calculation of a wall part designed by strength (IBC 2000 2108.9,
// "IBC-S") for one bar of the bar table at its accepted spacing: the
// governing factored forces, the section of the bar, the P-delta iteration
// pass by pass, flexure, shear, service deflection and the steel limits, all
// from StrengthResults and the design's own routines.
#include <cmath>

#include "analysis/wall_part.h"
#include "design/calculation_builder.h"
#include "design/design_calculation.h"
#include "design/section_properties.h"
#include "design/strength_design.h"
#include "design/strength_detail.h"

namespace calvix {
namespace {

constexpr std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

const char* const kWallRule = "IBC 2000 2108.9";
// Moments and deflections of a wall loaded out of plane, with the axial load
// acting through the deflection.
const char* const kOutOfPlaneRule = "IBC 2000 2108.9.4";
// Nominal shear strength of the wall section.
const char* const kShearRule = "IBC 2000 2108.9.3.5.2";

struct Context {
  const Problem& problem;
  const AnalysisResults& analysis;
  const StrengthResults& results;
  int bar;
  std::size_t b;  // bar row
  int part;
  std::size_t p;
  int k;  // combination of the governing moment
};

float BarValue(const Context& c, const StrengthResults::PerBar& values) {
  return values[c.p][c.b];
}

StepValue Length(const char* symbol, double value, int power = 1) {
  return Value(symbol, value, kLengthShort, power);
}

CalculationGroup LoadsGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const int station = r.GovStation[c.p];
  const float height = PartHeight(c.problem, c.part);
  CalculationGroup g{"Loads and combination", {}};
  g.steps.push_back(CombinationStep(c.problem, c.k));
  const std::string search =
      CalvixReference("station with the largest P-delta moment of a probe reinforcement");
  g.steps.push_back(MakeStep("Governing station", search, "j (0 top, 10 base of H)", "",
                             {Value("H", height, kLengthLong)}, Value("j", station)));
  g.steps.push_back(MakeStep("Factored moment (first order)", search, "Mu,1", "", {},
                             Value("Mu,1", r.GovMoment[c.p], kReportMoment)));
  g.steps.push_back(
      MakeStep("Factored axial load", search, "Pu", "", {}, Value("Pu", r.GovAxial[c.p], kForce)));
  const int kv = r.GovShearCombo[c.p];
  if (kv >= 1 && kv != c.k) g.steps.push_back(CombinationStep(c.problem, kv));
  g.steps.push_back(MakeStep("Factored shear", CalvixReference("largest shear of the combinations"),
                             "Vu = max |V(Uk)|", "", {}, Value("Vu", r.GovShear[c.p], kForce)));
  return g;
}

CalculationGroup SlendernessGroup(const Context& c) {
  const StrengthResults& r = c.results;
  CalculationGroup g{"Effective height and slenderness", {}};
  g.steps.push_back(EffectiveHeightStep(c.problem, r.EffectiveHeight[c.p], c.part,
                                        CalvixReference("effective height of the support")));
  g.steps.push_back(ActualThicknessStep(c.problem, r.Thickness[c.p], c.part));
  g.steps.push_back(MakeStep("Slenderness h'/t", "IBC 2000 2108.9.4.5", "h'/t", "{0} / {1}",
                             {Length("h'", r.EffectiveHeight[c.p]), Length("t", r.Thickness[c.p])},
                             Value("h'/t", r.SlendernessRatio[c.p])));
  return g;
}

CalculationGroup SectionGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  const StepValue t = Length("t", r.Thickness[c.p]);
  const StepValue ts = Length("ts", w.FaceShellThickness);
  const StepValue b = Length("b", w.StripWidth);
  const StepValue s = Length("s", BarValue(c, r.BarSpacing));
  const std::string ref = CalvixReference("design strip at the bar spacing");
  CalculationGroup g{"Section properties", {}};
  g.steps.push_back(MakeStep("Design strip width", CalvixReference("strip entered by the engineer"),
                             "b", "", {}, b));
  g.steps.push_back(
      MakeStep("Effective flange width", kWallRule,
               c.problem.entry.RunningBond ? "bf = min(s0, 6T)" : "bf = min(s0, 3T, unit length)",
               "", {Length("s0", r.StartSpacing[c.p]), Length("T", w.WallThickness)},
               Length("bf", r.FlangeWidth[c.p])));
  g.steps.push_back(MakeStep("Effective width", kWallRule, "bEff = b bf / s when s > bf, else b",
                             "", {b, s}, Length("bEff", BarValue(c, r.BarEffectiveWidth))));
  g.steps.push_back(MakeStep("Grouted core width", ref, "b' = min(wg b / s, bEff)", "",
                             {Length("wg", w.GroutedCellWidth), b, s},
                             Length("b'", BarValue(c, r.BarCoreWidth))));
  g.steps.push_back(MakeStep("Depth to the steel", CalvixReference("d by the sign of Mu"),
                             r.GovMoment[c.p] < 0.0f ? "d' = t - c" : "d", "", {},
                             Length("d", r.DesignDepth[c.p])));
  g.steps.push_back(MakeStep("Effective area", ref, "Ae = (t - 2 ts) b' + 2 bEff ts, or t bEff", "",
                             {t, ts}, Length("Ae", BarValue(c, r.BarEffectiveArea), 2)));
  g.steps.push_back(
      MakeStep("Moment of inertia", ref,
               "Ig = b' t^3/12 + 2[(bEff - b') ts^3/12 + (bEff - b') ts ((t - ts)/2)^2]", "",
               {t, ts}, Length("Ig", BarValue(c, r.BarGrossInertia), 4)));
  g.steps.push_back(MakeStep("Section modulus", ref, "S = 2 Ig / t", "2 x {0} / {1}",
                             {Length("Ig", BarValue(c, r.BarGrossInertia), 4), t},
                             Length("S", BarValue(c, r.BarSectionModulus), 3)));
  g.steps.push_back(MakeStep("Steel area", CalvixReference("bar area over the spacing"),
                             "As = b Ab / s", "{0} x {1} / {2}",
                             {b, Length("Ab", c.problem.units.BarTable[c.b].Area, 2), s},
                             Length("As", BarValue(c, r.BarAs), 2)));
  return g;
}

CalculationGroup AxialGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  const bool slender = r.SlendernessRatio[c.p] > 30.0f;
  CalculationGroup g{"Axial load", {}};
  CalculationStep step =
      MakeStep("Factored axial stress", "IBC 2000 2108.9.4.5",
               slender ? "fa = Pu / (b t) < 0.05 f'm (h'/t > 30)" : "fa = Pu / (b t) < 0.20 f'm",
               "{0} / ({1} x {2})",
               {Value("Pu", r.GovAxial[c.p], kForce), Length("b", w.StripWidth),
                Length("t", r.Thickness[c.p]), Value("f'm", w.FmPrime, kMasonryStress)},
               Value("fa", r.AxialStress[c.p], kMasonryStress));
  const bool ok = AxialLimitCode(r.AxialStress[c.p], w.FmPrime, r.SlendernessRatio[c.p]) == 0;
  g.steps.push_back(
      AsCheck(std::move(step), Value("fa,max", r.AxialLimit[c.p], kMasonryStress), ok));
  return g;
}

CalculationGroup CrackingGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  CalculationGroup g{"Cracking", {}};
  g.steps.push_back(MakeStep("Modulus of rupture", kWallRule,
                             "fr = 2.5 sqrt(f'm) <= 125 psi partially grouted, 4.0 sqrt(f'm) <= "
                             "235 psi solid, 2.0 sqrt(f'm) <= 125 psi brick (psi units)",
                             "", {Value("f'm", w.FmPrime, kMasonryStress)},
                             Value("fr", r.RuptureModulus[c.p], kMasonryStress)));
  const bool axial = c.problem.entry.UseAxialMcr;
  g.steps.push_back(MakeStep(
      "Cracking moment",
      axial ? CalvixReference("axial load added by the engineer's choice") : kWallRule,
      axial ? "Mcr = (fr + Pu/Ae) S / 12 <= 0.85 f'm S / 12" : "Mcr = fr S / 12",
      axial ? "({0} + {2}/{3}) x {1} / 12" : "{0} x {1} / 12",
      {Value("fr", r.RuptureModulus[c.p], kMasonryStress),
       Length("S", BarValue(c, r.BarSectionModulus), 3), Value("Pu", r.GovAxial[c.p], kForce),
       Length("Ae", BarValue(c, r.BarEffectiveArea), 2)},
      Value("Mcr", BarValue(c, r.BarCrackingMoment), kReportMoment)));
  g.steps.push_back(
      MakeStep("Cracked moment of inertia", kWallRule,
               "Icr: compression zone c = a/0.85 and n As (d - y)^2 about the centroid", "",
               {Value("n", w.ModularRatio), Length("As", BarValue(c, r.BarAs), 2)},
               Length("Icr", BarValue(c, r.BarCrackedInertia), 4)));
  return g;
}

CalculationGroup PDeltaGroup(const Context& c, const PDeltaResult& pd,
                             const std::vector<PDeltaStep>& passes) {
  const StrengthResults& r = c.results;
  const bool cantilever = c.part == kParapet || c.problem.entry.Cantilever;
  const StepValue Mu = Value("Mu", BarValue(c, r.BarMu), kReportMoment);
  const StepValue Mu1 = Value("Mu,1", std::fabs(r.GovMoment[c.p]), kReportMoment);
  CalculationGroup g{"P-delta", {}};
  if (passes.empty()) {
    g.steps.push_back(MakeStep("Factored moment with P-delta",
                               CalvixReference("a support does not deflect: no P-delta"),
                               "Mu = |Mu,1|", "", {Mu1}, Mu));
    return g;
  }
  const StepValue Pu = Value("Pu", r.GovAxial[c.p], kForce);
  // The last pass: the axial load acts through the deflection of the pass before.
  const StepValue acting = Value("delta", passes.back().acting, kDeflection);
  if (cantilever) {
    const float weight = PartWeight(c.problem, PartHeight(c.problem, c.part));
    g.steps.push_back(MakeStep("Factored moment with P-delta", kOutOfPlaneRule,
                               "Mu = Mu,1 + Pu delta / 12 + W delta,m / 12 (last pass)", "",
                               {Mu1, Pu, acting, Value("W", weight, kForce)}, Mu));
  } else {
    g.steps.push_back(MakeStep("Factored moment with P-delta", kOutOfPlaneRule,
                               "Mu = Mu,1 + Pu delta / 12 (last pass)", "{0} + {1} x {2} / 12",
                               {Mu1, Pu, acting}, Mu));
  }
  g.steps.push_back(MakeStep(
      "Factored deflection", kOutOfPlaneRule,
      "delta = delta,cr + (delta,lin - delta,cr) Ig/Icr beyond Mcr, passes until the change < 1 %",
      "",
      {Value("passes", pd.Iterations),
       Value("Mcr", BarValue(c, r.BarCrackingMoment), kReportMoment),
       Length("Ig", BarValue(c, r.BarGrossInertia), 4),
       Length("Icr", BarValue(c, r.BarCrackedInertia), 4)},
      Value("delta,u", BarValue(c, r.BarDeltaUlt), kDeflection)));
  return g;
}

CalculationGroup FlexureGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  const float Mu = BarValue(c, r.BarMu);
  const float phiMn = BarValue(c, r.BarPhiMn);
  CalculationGroup g{"Flexure", {}};
  g.steps.push_back(
      MakeStep("Depth of the compression block", kWallRule,
               "Cf + Cw = Pu + As fs, stress block 0.85 f'm", "",
               {Value("f'm", w.FmPrime, kMasonryStress), Value("fy", w.Fy, kSteelStress),
                Length("As", BarValue(c, r.BarAs), 2), Value("Pu", r.GovAxial[c.p], kForce)},
               Length("a", BarValue(c, r.BarBlockDepth))));
  CalculationStep step =
      MakeStep("Design flexural strength", kWallRule,
               "phi Mn = 0.8 [(d - ts/2) Cf + (d - ts - (a - ts)/2) Cw - (d - t/2) Pu] / 12", "",
               {Value("phi", kFlexurePhi), Length("d", r.DesignDepth[c.p]),
                Length("a", BarValue(c, r.BarBlockDepth)),
                Length("ts", c.problem.working.FaceShellThickness), Length("t", r.Thickness[c.p]),
                Value("Pu", r.GovAxial[c.p], kForce)},
               Value("Mu", Mu, kReportMoment));
  step.formula = "Mu <= phi Mn, " + step.formula;
  g.steps.push_back(
      AsCheck(std::move(step), Value("phi Mn", phiMn, kReportMoment), FlexureAdequate(Mu, phiMn)));
  return g;
}

CalculationGroup ShearGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const float phiVn = BarValue(c, r.BarPhiVn);
  CalculationGroup g{"Shear", {}};
  g.steps.push_back(MakeStep("Design shear strength", kShearRule,
                             "phi Vn = 0.6 x 4.0 sqrt(f'm) Ae (f'm in psi, Vn in lb)",
                             "0.6 x 4.0 x sqrt({0}) x {1}",
                             {Value("f'm", c.problem.working.FmPrime, kMasonryStress),
                              Length("Ae", BarValue(c, r.BarEffectiveArea), 2)},
                             Value("phi Vn", phiVn, kForce)));
  CalculationStep step = MakeStep("Shear", kShearRule, "|Vu| < phi Vn", "", {},
                                  Value("Vu", std::fabs(r.GovShear[c.p]), kForce));
  g.steps.push_back(AsCheck(std::move(step), Value("phi Vn", phiVn, kForce),
                            ShearAdequate(phiVn, r.GovShear[c.p])));
  return g;
}

CalculationGroup DeflectionGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const float delta = BarValue(c, r.BarDeltaServ);
  const float allowed = r.AllowServiceDeflection[c.p];
  CalculationGroup g{"Deflection", {}};
  g.steps.push_back(MakeStep("Allowable service deflection", "IBC 2000 2108.9.4.6",
                             "delta,s,max = 0.007 h'", "0.007 x {0}",
                             {Length("h'", r.EffectiveHeight[c.p])},
                             Value("delta,s,max", allowed, kDeflection)));
  CalculationStep step =
      MakeStep("Service deflection with P-delta", "IBC 2000 2108.9.4.6",
               "delta,s <= 0.007 h' (service loads of the governing combination)", "", {},
               Value("delta,s", delta, kDeflection));
  g.steps.push_back(
      AsCheck(std::move(step), Value("delta,s,max", allowed, kDeflection), !(delta > allowed)));
  return g;
}

CalculationGroup SteelGroup(const Context& c) {
  const StrengthResults& r = c.results;
  const WorkingForm& w = c.problem.working;
  const float As = BarValue(c, r.BarAs);
  const float AsMin = r.MinSteelArea[c.p];
  const float AsReq = BarValue(c, r.BarAsReq);
  const float AsMax = BarValue(c, r.BarAsMax);
  const StepValue asValue = Length("As", As, 2);
  CalculationGroup g{"Minimum and maximum steel", {}};
  CalculationStep minimum = MakeStep(
      "Minimum vertical steel", CalvixReference("steel ratio entered by the engineer"),
      "As,min = rho b t", "{0} x {1} x {2}",
      {Value("rho", w.MinSteelRatio), Length("b", w.StripWidth), Length("t", r.Thickness[c.p])},
      Length("As,min", AsMin, 2));
  if (As > AsMin) {
    g.steps.push_back(AsCheck(std::move(minimum), asValue, true));
  } else {
    minimum.reference = CalvixReference("the closest spacing is accepted below the minimum");
    g.steps.push_back(std::move(minimum));
  }
  g.steps.push_back(AsCheck(
      MakeStep("Required steel", kWallRule,
               "As,req: phi Mn(As,req) = Mu (Newton steps from As,min)", "",
               {Value("Mu", BarValue(c, r.BarMu), kReportMoment)}, Length("As,req", AsReq, 2)),
      asValue, As > AsReq));
  CalculationStep maximum =
      MakeStep("Maximum steel", "IBC 2000 2108.9.2.13",
               "As,max = (0.8 f'm (ts bEff + (ab - ts) b') - Pu) / (1.25 fy), ab = 0.8 d m 72500 / "
               "(m 72500 + 1.3 fy) (psi units)",
               "",
               {Value("f'm", w.FmPrime, kMasonryStress), Value("fy", w.Fy, kSteelStress),
                Value("Pu", r.GovAxial[c.p], kForce), Length("d", r.DesignDepth[c.p])},
               asValue);
  g.steps.push_back(AsCheck(std::move(maximum), Length("As,max", AsMax, 2), As < AsMax));
  const BarSizeLimit& limit = r.BarLimit[c.p];
  if (limit.Limits()) {
    g.steps.push_back(
        MakeStep("Largest bar size", limit.clause, "db <= T/8: largest bar " + limit.largest, "",
                 {Length("T", c.part == kParapet ? w.ParapetThickness : w.WallThickness)},
                 Length("db", c.problem.units.BarTable[c.b].Diameter)));
  }
  return g;
}

}  // namespace

CalculationSteps StrengthCalculation(const Problem& problem, const AnalysisResults& analysis,
                                     const StrengthResults& results, int bar, int part) {
  CalculationSteps out;
  out.part = part;
  const std::size_t p = PartIndex(part);
  out.governingCombination = results.GovCombo[p];
  if (bar < 0 || !results.BarOffered(p, U(bar)) || U(bar) >= problem.units.BarTable.size() ||
      out.governingCombination < 1) {
    out.ok = false;
    return out;
  }
  const Context c{problem, analysis, results, bar, U(bar), part, p, results.GovCombo[p]};

  std::vector<PDeltaStep> passes;
  const PDeltaResult pd = GoverningPDelta(problem, analysis, results, bar, part, &passes);
  for (std::size_t i = 0; i < passes.size(); ++i) {
    const PDeltaStep& step = passes[i];
    PDeltaPass pass;
    pass.pass = static_cast<int>(i) + 1;
    pass.deflection = step.deflection;
    pass.moment = step.moment;
    pass.change = step.momentChange;
    pass.converged = step.converged;
    pass.changePercent = step.changePercent;
    out.pdelta.push_back(pass);
  }

  out.groups.push_back(LoadsGroup(c));
  AddSeismicGroup(out, problem, analysis, part);
  out.groups.push_back(SlendernessGroup(c));
  out.groups.push_back(SectionGroup(c));
  out.groups.push_back(AxialGroup(c));
  out.groups.push_back(CrackingGroup(c));
  out.groups.push_back(PDeltaGroup(c, pd, passes));
  out.groups.push_back(FlexureGroup(c));
  out.groups.push_back(ShearGroup(c));
  out.groups.push_back(DeflectionGroup(c));
  out.groups.push_back(SteelGroup(c));
  out.groups.push_back(SpacingGroup(problem, results.BarSpacing[p][U(bar)], "IBC 2000 2106"));
  SetGoverningCheck(out);
  return out;
}

}  // namespace calvix
