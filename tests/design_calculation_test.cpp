// The calculation steps of the three design methods: a wall worked by hand
// per method (substituted values and results of the axial, flexure and shear
// steps, and the P-delta passes of strength design), and for every shipped
// example that each step carries the very value of the design's results.
#include "design/design_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/load_combinations.h"
#include "analysis/solve.h"
#include "analysis/wall_part.h"
#include "design/design_results.h"
#include "design/interaction_diagram.h"
#include "design/section_properties.h"
#include "design/strength_detail.h"
#include "files/project_file.h"
#include "support/started_session.h"

namespace calvix {
namespace {

const CalculationStep* FindStep(const CalculationSteps& steps, const std::string& group,
                                const std::string& quantity) {
  for (const CalculationGroup& g : steps.groups) {
    if (g.title != group) continue;
    for (const CalculationStep& s : g.steps) {
      if (s.quantity == quantity) return &s;
    }
  }
  return nullptr;
}

const CalculationStep& Step(const CalculationSteps& steps, const std::string& group,
                            const std::string& quantity) {
  const CalculationStep* s = FindStep(steps, group, quantity);
  if (s == nullptr) {
    ADD_FAILURE() << "no step " << group << " / " << quantity;
    static const CalculationStep none;
    return none;
  }
  return *s;
}

double Input(const CalculationStep& step, const std::string& symbol) {
  for (const StepValue& v : step.inputs) {
    if (v.symbol == symbol) return v.value;
  }
  ADD_FAILURE() << "no input " << symbol << " in " << step.quantity;
  return NAN;
}

void ExpectClose(double expected, double actual, double relative = 2e-4) {
  EXPECT_NEAR(expected, actual, std::fabs(expected) * relative + 1e-6);
}

// A 12 ft wall of 8 in concrete block (t = 7.625 in), solidly grouted, one
// bar layer at mid-thickness (d = 3.8125 in), pinned top and bottom, under
// 20 psf of wind over its height and no other load. U.S. units, 12 in strip,
// bars #3-#9, Category A (72 in), 8 in module.
Problem HandWall(const char* method, bool reinforced) {
  Problem p;
  p.ReinforcedWall = reinforced;
  UnitSystem& u = p.units;
  u.UnitsType = 1;
  u.UnitFactors.fill(1.0f);
  const char* names[] = {"#3", "#4", "#5", "#6", "#7", "#8", "#9"};
  const float diameters[] = {0.375f, 0.5f, 0.625f, 0.75f, 0.875f, 1.0f, 1.128f};
  const float areas[] = {0.11f, 0.20f, 0.31f, 0.44f, 0.60f, 0.79f, 1.00f};
  for (int i = 0; i < 7; ++i) u.BarTable.push_back(Bar{names[i], diameters[i], areas[i]});
  EntryForm& e = p.entry;
  e.DesignMethod = method;
  e.BuildingCodeComb = "YES";
  SetBuildingCodeFactors(e);
  e.StressIncreaseFactor = std::string(method) == "IBC-S" ? 1.0f : 4.0f / 3.0f;
  e.SupportType = "Pinned";
  WorkingForm& w = p.working;
  w.SiteClass = "Class A";
  w.UseGroup = "I";
  w.Ip = 1.0f;
  w.SeismicCategory = "Category A";
  w.WallHeight = 12.0f;
  w.WallThickness = 8.0f;
  w.NominalMinusActual = 0.375f;
  w.WallSteelDepth = 3.8125f;
  w.StripWidth = 12.0f;
  w.FaceShellThickness = 1.25f;
  w.GroutedCellWidth = 8.0f;
  w.UnitLength = 16.0f;
  w.SpacingModule = 8.0f;
  w.SolidGrouted = true;
  w.FmPrime = 1500.0f;
  w.Fb = 500.0f;
  w.Fv = 38.73f;
  w.FtNoGrout = 25.0f;
  w.FtSolidGrout = 68.0f;
  w.Em = 1350.0f;
  w.ModularRatio = 21.48f;
  w.Fy = 60.0f;
  w.Fs = 24.0f;
  w.Es = 29000.0f;
  w.MinSteelRatio = 0.0007f;
  w.WindType = {"W"};
  w.WindMagnitude = {20.0f};
  w.WindStart = {0.0f};
  w.WindEnd = {12.0f};
  return p;
}

TEST(ReinforcedCalculationTest, HandWorkedWall) {
  Problem p = HandWall("ACI", true);
  const AnalysisResults a = AnalyseLoads(p);
  ReinforcedResults r;
  int16_t code = -1;
  DesignReinforcedWall(p, a, r, code, 1);
  ASSERT_EQ(0, code);
  // #5: 72 and 64 in give As = 12 x 0.31 / s = 0.0517, 0.0581 in2, not above
  // As,min = 0.0007 x 12 x 7.625 = 0.06405 in2; 56 in gives 0.06643 in2.
  ASSERT_EQ(56.0f, r.BarSpacing[0][2]);
  const CalculationSteps c = ReinforcedCalculation(p, a, r, 2, 1);
  // Wind alone: combinations 2 and 4 tie; the earlier one governs.
  EXPECT_EQ(2, c.governingCombination);

  // bf = min(56, 6 x 8, 72) = 48; bEff = 12 x 48 / 56 = 10.2857 = b'.
  // Ae = 7.625 x 10.2857 = 78.429; r = t / sqrt(12) = 2.2012; h'/r = 144 /
  // 2.2012 = 65.419; R = 1 - (65.419/140)^2 = 0.78165; Fa = 0.25 x 1500 x
  // 0.78165 = 293.12; Fa,k = 4/3 x 293.12 = 390.82; Pa = 390.82 x 78.429 = 30652 lb.
  const CalculationStep& pa = Step(c, "Axial load", "Axial capacity");
  ExpectClose(390.82, Input(pa, "Fa,k"));
  ExpectClose(78.429, Input(pa, "Ae"));
  ExpectClose(30652.0, pa.result.value);
  const CalculationStep& p1 = Step(c, "Axial load", "Axial load of dead and live load at the base");
  EXPECT_TRUE(p1.check);
  EXPECT_EQ(0.0, p1.ratio);

  // Pure flexure (Ps = 0): rho = 0.066429 / (10.2857 x 3.8125) = 0.0016940,
  // n rho = 0.036387, k = sqrt(0.036387^2 + 2 x 0.036387) - 0.036387 = 0.23582,
  // j = 0.92139; steel governs: 32000 x 0.0016940 x 0.92139 x 10.2857 x
  // 3.8125^2 / 12 = 622.3 ft-lb. Ms = 20 x 12^2 / 8 = 360 ft-lb.
  const CalculationStep& flexure = Step(c, "Flexure", "Flexure");
  ExpectClose(360.0, flexure.result.value, 1e-3);
  ExpectClose(622.3, flexure.limit.value, 1e-3);
  ExpectClose(360.0 / 622.3, flexure.ratio, 1e-3);
  EXPECT_TRUE(flexure.ok);
  const CalculationStep& curve =
      Step(c, "Flexure", "Allowable moment at the axial load (interaction curve)");
  EXPECT_EQ(0.0, Input(curve, "Ps"));
  ExpectClose(622.3, curve.result.value, 1e-3);

  // Vs = 20 x 12 / 2 = 120 lb; fv = 120 / (10.2857 x 3.8125) = 3.0601 psi
  // against Fv,k = 4/3 x 38.73 = 51.64 psi.
  const CalculationStep& shear = Step(c, "Shear", "Shear stress");
  ExpectClose(120.0, Input(shear, "Vs"), 1e-3);
  ExpectClose(10.2857, Input(shear, "b'"));
  ExpectClose(3.8125, Input(shear, "d"));
  ExpectClose(3.0601, shear.result.value, 1e-3);
  ExpectClose(51.64, shear.limit.value);

  // The minimum steel is the closest check: 0.06405 / 0.06643 = 0.9642.
  const CalculationStep& governing = c.groups[c.governingGroup].steps[c.governingStep];
  EXPECT_EQ("Minimum vertical steel", governing.quantity);
  ExpectClose(0.9642, governing.ratio, 1e-3);
  EXPECT_TRUE(c.ok);
}

TEST(UnreinforcedCalculationTest, HandWorkedWall) {
  Problem p = HandWall("ACI", false);
  const AnalysisResults a = AnalyseLoads(p);
  UnreinforcedResults r;
  int16_t code = -1;
  DesignUnreinforcedWall(p, a, r, code, 1);
  ASSERT_EQ(0, code);
  ASSERT_EQ(1, r.GroutCaseCount);
  const CalculationSteps c = UnreinforcedCalculation(p, a, r, 0, 1);
  // Solid strip: Ae = 7.625 x 12 = 91.5 in2, Ig = 12 x 7.625^3 / 12 = 443.32
  // in4, S = 116.28 in3. fa = 0; fb = 12 x 360 / 116.28 = 37.151 psi.
  const CalculationStep& fa = Step(c, "Axial load", "Axial stress");
  EXPECT_EQ(0.0, fa.result.value);
  ExpectClose(91.5, Input(fa, "Ae"));
  // Pe = 1000 pi^2 x 1350 x 443.32 / 144^2 = 284 860 lb; no axial load.
  const CalculationStep& buckling =
      Step(c, "Axial load", "Axial load at the base against buckling");
  ExpectClose(0.25 * 284860.0, buckling.limit.value, 1e-3);
  EXPECT_EQ(0.0, buckling.ratio);
  const CalculationStep& fb = Step(c, "Flexure", "Flexural stress");
  ExpectClose(360.0, Input(fb, "Ms"), 1e-3);
  ExpectClose(116.28, Input(fb, "S"));
  ExpectClose(37.151, fb.result.value, 1e-3);
  // CSI = 37.151 / (4/3 x 500) = 0.05573.
  const CalculationStep& csi = Step(c, "Combined stress", "Combined stress index");
  ExpectClose(0.05573, csi.result.value, 1e-3);
  EXPECT_TRUE(csi.ok);
  // ft = -37.151 psi against Ft,k = 4/3 x 68 = 90.667: ratio 0.40976.
  const CalculationStep& ft = Step(c, "Tension", "Net flexural stress");
  ExpectClose(-37.151, ft.result.value, 1e-3);
  ExpectClose(90.667, ft.limit.value);
  ExpectClose(0.40976, ft.ratio, 1e-3);
  // fv = 120 x (12 x 7.625^2 / 8) / (443.32 x 12) = 120 x 87.211 / 5319.8 = 1.9672 psi.
  const CalculationStep& fv = Step(c, "Shear", "Shear stress");
  ExpectClose(87.211, Input(fv, "Q"));
  ExpectClose(12.0, Input(fv, "bv"));
  ExpectClose(1.9672, fv.result.value, 1e-3);
  EXPECT_EQ("Net flexural stress", c.groups[c.governingGroup].steps[c.governingStep].quantity);
  EXPECT_TRUE(c.ok);
}

TEST(StrengthCalculationTest, HandWorkedWall) {
  Problem p = HandWall("IBC-S", true);
  p.working.FloorDead = 6000.0f;  // plf at the top, no eccentricity
  const AnalysisResults a = AnalyseLoads(p);
  StrengthResults r;
  int16_t code = -1;
  StrengthDesign(p, a, r, code, 1);
  ASSERT_EQ(0, code);
  ASSERT_GT(r.BarSpacing[0][2], 0.0f);
  const CalculationSteps c = StrengthCalculation(p, a, r, 2, 1);

  // 1.2 D + 0.5 L + 1.6 W has the larger axial load and so the larger P-delta
  // moment: fa = Pu / (b t) = 1.2 x 6000 / (12 x 7.625) = 78.689 psi.
  const CalculationStep& fa = Step(c, "Axial load", "Factored axial stress");
  EXPECT_EQ(2, c.governingCombination);
  ExpectClose(7200.0, Input(fa, "Pu"), 1e-3);
  ExpectClose(78.689, fa.result.value, 1e-3);
  ExpectClose(300.0, fa.limit.value);  // 0.20 x 1500 with h'/t = 18.9

  // As at 64 in, 12 x 0.31 / 64 = 0.0581 in2, is not above As,min = 0.06405
  // in2: s = 56 in, bEff = 12 x 48 / 56 = 10.2857 in, Ae = 7.625 x 10.2857 =
  // 78.429 in2, As = 0.066429 in2.
  EXPECT_EQ(56.0f, r.BarSpacing[0][2]);
  ExpectClose(0.066429, Step(c, "Section properties", "Steel area").result.value);
  // phi Vn = 0.6 x 4.0 x sqrt(1500) x 78.429 = 7290.1 lb; Vu = 1.6 x 120 = 192 lb.
  const CalculationStep& vn = Step(c, "Shear", "Design shear strength");
  ExpectClose(1500.0, Input(vn, "f'm"));
  ExpectClose(78.429, Input(vn, "Ae"));
  ExpectClose(7290.1, vn.result.value);
  const CalculationStep& vu = Step(c, "Shear", "Shear");
  ExpectClose(192.0, vu.result.value, 1e-3);
  ExpectClose(192.0 / 7290.1, vu.ratio, 1e-3);

  // P-delta: every pass is Mu = Mu,1 + Pu delta(previous) / 12 with Mu,1 =
  // 1.6 x 360 = 576 ft-lb; the last pass is the design's moment.
  ASSERT_GE(c.pdelta.size(), 2u);
  ExpectClose(576.0, std::fabs(r.GovMoment[0]), 1e-3);
  EXPECT_EQ(1, c.pdelta.front().pass);
  for (std::size_t i = 1; i < c.pdelta.size(); ++i) {
    EXPECT_EQ(static_cast<int>(i) + 1, c.pdelta[i].pass);
    ExpectClose(576.0 + 7200.0 * c.pdelta[i - 1].deflection / 12.0, c.pdelta[i].moment, 1e-3);
    ExpectClose(c.pdelta[i].moment - c.pdelta[i - 1].moment, c.pdelta[i].change, 1e-3);
    EXPECT_EQ(i + 1 == c.pdelta.size(), c.pdelta[i].converged);
  }
  EXPECT_EQ(r.BarMu[0][2], static_cast<float>(c.pdelta.back().moment));

  // Flexure: the block stays in the face shell; the steel yields. C = As fy +
  // Pu = 0.066429 x 60000 + 7200 = 11185.7 lb, a = 11185.7 / (0.85 x 1500 x
  // 10.2857) = 0.85294 in, and with d = t/2 the axial term vanishes: phi Mn =
  // 0.8 x (3.8125 - 0.42647) x 11185.7 / 12 = 2525.0 ft-lb.
  const CalculationStep& flexure = Step(c, "Flexure", "Design flexural strength");
  ExpectClose(0.85294, Step(c, "Flexure", "Depth of the compression block").result.value, 1e-3);
  ExpectClose(7200.0, Input(flexure, "Pu"), 1e-3);
  ExpectClose(2525.0, flexure.limit.value, 1e-3);
  EXPECT_EQ(r.BarMu[0][2], flexure.result.value);
  EXPECT_TRUE(flexure.ok);
  EXPECT_TRUE(c.ok);
}

// --- every shipped example ------------------------------------------------

struct SolvedExample : testing::StartedSession {
  SolvedExample(const std::string& file, bool reinforced) {
    platform.files.push_back(file);
    EXPECT_TRUE(OpenFile(session));
    outcome = SolveWall(session, reinforced, analysis, DesignRoutinesFor(design));
  }
  AnalysisResults analysis;
  DesignResults design;
  SolveOutcome outcome;
};

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(CALVIX_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".cxl") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<int> Parts(const Problem& problem) {
  if (problem.working.ParapetHeight > 0.0f) return {1, 2};
  return {1};
}

// Every check of an accepted design passes, and the governing one is the
// largest.
void ExpectVerdict(const CalculationSteps& c) {
  ASSERT_GE(c.governingGroup, 0);
  const double largest = c.groups[c.governingGroup].steps[c.governingStep].ratio;
  for (const CalculationGroup& g : c.groups) {
    for (const CalculationStep& s : g.steps) {
      if (s.check) {
        EXPECT_LE(s.ratio, largest) << s.quantity;
      }
    }
  }
}

// The seismic force group is there exactly when the part carries a seismic load.
void ExpectSeismic(const CalculationSteps& c, const AnalysisResults& a) {
  const float Fp = a.Seismic.SeismicLoad[c.part - 1];
  const CalculationStep* step = nullptr;
  for (const CalculationGroup& g : c.groups) {
    if (g.title == "Seismic force") step = &g.steps.at(0);
  }
  ASSERT_EQ(Fp != 0.0f, step != nullptr);
  if (step != nullptr) {
    EXPECT_EQ(Fp, step->result.value);
  }
}

void CheckReinforced(const Problem& problem, const AnalysisResults& a, const ReinforcedResults& r,
                     int part) {
  const std::size_t p = part - 1;
  for (std::size_t b = 0; b < problem.units.BarTable.size(); ++b) {
    if (!r.BarOffered(p, b)) continue;
    SCOPED_TRACE("bar " + std::to_string(b));
    const CalculationSteps c = ReinforcedCalculation(problem, a, r, static_cast<int>(b), part);
    const BarDesign& bar = r.Bars[p][b];
    EXPECT_EQ(r.GovCombo[p], c.governingCombination);
    const CalculationStep& flexure = Step(c, "Flexure", "Flexure");
    EXPECT_EQ(std::fabs(r.GovMoment[p]), flexure.result.value);
    EXPECT_EQ(r.BarAllowMoment[p][b], flexure.limit.value);
    EXPECT_EQ(AllowableMomentOnCurve(bar.curve, r.GovAxial[p]), flexure.limit.value);
    EXPECT_EQ(r.BarShearStress[p][b], Step(c, "Shear", "Shear stress").result.value);
    // The substituted inputs give the result.
    const CalculationStep& fv = Step(c, "Shear", "Shear stress");
    ExpectClose(Input(fv, "Vs") / (Input(fv, "b'") * Input(fv, "d")), fv.result.value, 1e-5);
    const CalculationStep& ma =
        Step(c, "Flexure", "Allowable moment at the axial load (interaction curve)");
    if (ma.inputs.size() == 5) {
      ExpectClose(Input(ma, "M2") + (Input(ma, "Ps") - Input(ma, "P2")) *
                                        (Input(ma, "M1") - Input(ma, "M2")) /
                                        (Input(ma, "P1") - Input(ma, "P2")),
                  ma.result.value, 1e-4);
    }
    EXPECT_EQ(r.AllowableShear[p], Step(c, "Shear", "Shear stress").limit.value);
    EXPECT_EQ(bar.curve.AxialCapacity(), Step(c, "Axial load", "Axial capacity").result.value);
    EXPECT_EQ(r.BarFa[p][b], Step(c, "Allowable stresses", "Allowable axial stress").result.value);
    EXPECT_EQ(bar.section.Ae, Step(c, "Section properties", "Effective area").result.value);
    EXPECT_EQ(bar.section.r, Step(c, "Section properties", "Radius of gyration").result.value);
    EXPECT_EQ(r.HPrime[p],
              Step(c, "Effective height and slenderness", "Effective height").result.value);
    EXPECT_TRUE(c.ok);
    ExpectVerdict(c);
    ExpectSeismic(c, a);
  }
}

void CheckUnreinforced(const Problem& problem, const AnalysisResults& a,
                       const UnreinforcedResults& r, int part) {
  const std::size_t p = part - 1;
  for (int g = 0; g < r.GroutCaseCount; ++g) {
    SCOPED_TRACE("case " + std::to_string(g));
    const std::size_t ci = g;
    const CalculationSteps c = UnreinforcedCalculation(problem, a, r, g, part);
    EXPECT_EQ(r.CaseFa[p][ci], Step(c, "Axial load", "Axial stress").result.value);
    EXPECT_EQ(r.CaseFb[p][ci], Step(c, "Flexure", "Flexural stress").result.value);
    EXPECT_EQ(r.CaseCSI[p][ci], Step(c, "Combined stress", "Combined stress index").result.value);
    // The substituted inputs give the result.
    const CalculationStep& fa = Step(c, "Axial load", "Axial stress");
    ExpectClose(Input(fa, "Ps") / Input(fa, "Ae"), fa.result.value, 1e-5);
    const CalculationStep& fb = Step(c, "Flexure", "Flexural stress");
    ExpectClose(12.0 * Input(fb, "Ms") / Input(fb, "S"), fb.result.value, 1e-5);
    EXPECT_EQ(r.CaseNetStress[p][ci], Step(c, "Tension", "Net flexural stress").result.value);
    EXPECT_EQ(r.CaseShearStress[p][ci], Step(c, "Shear", "Shear stress").result.value);
    EXPECT_EQ(r.CaseSection[p][ci].S,
              Step(c, "Section properties", "Section modulus").result.value);
    EXPECT_EQ(r.CaseVerdict[p][ci] == kVerdictOk, c.ok) << r.CaseVerdict[p][ci];
    ExpectVerdict(c);
    ExpectSeismic(c, a);
  }
}

void CheckStrength(const Problem& problem, const AnalysisResults& a, const StrengthResults& r,
                   int part) {
  const std::size_t p = part - 1;
  for (std::size_t b = 0; b < problem.units.BarTable.size(); ++b) {
    if (!r.BarOffered(p, b)) continue;
    SCOPED_TRACE("bar " + std::to_string(b));
    const CalculationSteps c = StrengthCalculation(problem, a, r, static_cast<int>(b), part);
    const CalculationStep& flexure = Step(c, "Flexure", "Design flexural strength");
    EXPECT_EQ(r.BarMu[p][b], flexure.result.value);
    EXPECT_EQ(r.BarPhiMn[p][b], flexure.limit.value);
    EXPECT_EQ(r.BarPhiVn[p][b], Step(c, "Shear", "Shear").limit.value);
    const CalculationStep& vn = Step(c, "Shear", "Design shear strength");
    ExpectClose(2.4 * std::sqrt(Input(vn, "f'm")) * Input(vn, "Ae"), vn.result.value, 1e-5);
    EXPECT_EQ(r.AxialStress[p], Step(c, "Axial load", "Factored axial stress").result.value);
    const CalculationStep& deflection = Step(c, "Deflection", "Service deflection with P-delta");
    EXPECT_EQ(r.BarDeltaServ[p][b], deflection.result.value);
    EXPECT_EQ(r.AllowServiceDeflection[p], deflection.limit.value);
    EXPECT_EQ(r.BarAsMax[p][b], Step(c, "Minimum and maximum steel", "Maximum steel").limit.value);
    const CalculationStep& mu = Step(c, "P-delta", "Factored moment with P-delta");
    EXPECT_EQ(r.BarMu[p][b], mu.result.value);
    if (!mu.substitution.empty()) {
      ExpectClose(Input(mu, "Mu,1") + Input(mu, "Pu") * Input(mu, "delta") / 12.0, mu.result.value,
                  1e-5);
    }
    if (!c.pdelta.empty()) {
      EXPECT_EQ(r.BarMu[p][b], static_cast<float>(c.pdelta.back().moment));
      EXPECT_EQ(r.BarDeltaUlt[p][b], static_cast<float>(c.pdelta.back().deflection));
      EXPECT_TRUE(c.pdelta.back().converged);
    }
    EXPECT_TRUE(c.ok);
    ExpectVerdict(c);
    ExpectSeismic(c, a);
  }
}

TEST(DesignCalculationExamplesTest, StepsCarryTheDesignValues) {
  int checked = 0;
  for (const std::string& file : ExampleFiles()) {
    for (bool reinforced : {true, false}) {
      SCOPED_TRACE(file + (reinforced ? "" : " unreinforced"));
      SolvedExample ex(file, reinforced);
      if (!ex.outcome.designed) continue;
      const Problem& problem = ex.session.problem;
      for (int part : Parts(problem)) {
        SCOPED_TRACE("part " + std::to_string(part));
        if (!reinforced) {
          CheckUnreinforced(problem, ex.analysis, ex.design.unreinforced, part);
        } else if (problem.entry.DesignMethod == "IBC-S") {
          CheckStrength(problem, ex.analysis, ex.design.strength, part);
        } else {
          CheckReinforced(problem, ex.analysis, ex.design.reinforced, part);
        }
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 20);
}

TEST(DesignCalculationExamplesTest, ABarWithoutSpacingHasNoCalculation) {
  Problem p = HandWall("ACI", true);
  const AnalysisResults a = AnalyseLoads(p);
  ReinforcedResults r;
  int16_t code = -1;
  DesignReinforcedWall(p, a, r, code, 1);
  const CalculationSteps c = ReinforcedCalculation(p, a, r, 99, 1);
  EXPECT_TRUE(c.groups.empty());
  EXPECT_FALSE(c.ok);
}

// The interaction diagram window draws the design's own check: at the
// governing combination, the larger of its two moment ratios for the
// reference bar (the third row, which picks the governing combination) is
// |Ms| / Mallow of the design, and off-centre steel (d' != d) adds the
// negative-moment curve.
TEST(InteractionDiagramData, TheDesignPointIsTheDesignsCheck) {
  int checked = 0;
  for (const std::string& file : ExampleFiles()) {
    SolvedExample ex(file, true);
    if (ex.outcome.design != DesignRun::Reinforced || !ex.outcome.designed) continue;
    for (int part : Parts(ex.problem())) {
      SCOPED_TRACE(file + " part " + std::to_string(part));
      const std::size_t p = PartIndex(part);
      const ReinforcedResults& r = ex.design.reinforced;
      if (!r.BarOffered(p, 2)) continue;
      const PMPlotData data = ComputePMPlot(ex.problem(), ex.analysis, r, part, r.GovCombo[p], 2);
      EXPECT_NEAR(std::max(data.ratioPositive, data.ratioNegative),
                  std::fabs(r.GovMoment[p]) / r.BarAllowMoment[p][2], 1e-5);
      const WallDepthsResult depths = WallDepths(ex.problem(), part);
      EXPECT_EQ(data.curveCount, std::fabs(depths.d - depths.dPrime) < kSameDepthTolerance ? 2 : 3);
      ++checked;
    }
  }
  EXPECT_GE(checked, 5);
}

}  // namespace
}  // namespace calvix
