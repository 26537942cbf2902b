// Strength design of a reinforced masonry wall to IBC 2000 2108.9 (design
// method "IBC-S"), for the main wall (pass 1) and the parapet (pass 2).
//
// For a wall part the design
//  1. computes the slenderness h'/t, the axial stress limit (0.20·f'm up to
//     h'/t = 30, 0.05·f'm beyond, 2108.9.4.5) and the allowable service
//     deflection 0.007·h' (2108.9.4.6);
//  2. finds the governing factored forces: the station and combination whose
//     second-order (P-delta) moment is largest for a probe reinforcement,
//     recorded with the first-order moment there, and the largest shear;
//  3. goes through the bar table, largest bar first, and for each bar finds
//     the largest spacing (a multiple of the spacing module, not above the
//     largest permitted spacing) for which minimum steel, the axial limit,
//     flexure with P-delta and the maximum-steel limit (2108.9.2.13), the
//     service deflection and shear all pass.
//
// Strength-reduction factors: flexure ø = 0.80, shear ø = 0.60. The Whitney
// stress block of the flexural routines has the intensity 0.85·f'm.
//
// Every width of the strength routines is the strip's effective width bEff
// (with the grouted core width b' below the face shells): the steel area and
// the axial load belong to the whole design strip, so the whole strip takes
// the compression.
//
// Working units: section lengths in inches, heights in feet, forces in lb,
// moments in ft-lb per design strip, stresses in psi (Fy and Es are held in
// ksi), deflections in inches. Routines report failure through the failure
// code and never throw; no result is NaN or infinite.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/wall_part.h"
#include "design/bar_size_limit.h"
#include "design/pdelta.h"
#include "model/problem.h"

namespace calvix {

inline constexpr double kFlexurePhi = 0.80;
inline constexpr double kShearPhi = 0.60;
inline constexpr double kStressBlockFactor = 0.85;

// Failure codes the strength design sets.
inline constexpr int16_t kFlexureFailure = 2;         // flexure, or steel above As,max
inline constexpr int16_t kShearFailure = 3;           // øVn <= |Vu| at the smallest spacing
inline constexpr int16_t kDeflectionFailure = 4;      // service deflection above 0.007·h'
inline constexpr int16_t kSlenderAxialFailure = 6;    // fa >= 0.05·f'm with h'/t > 30
inline constexpr int16_t kAxialFailure = 7;           // fa >= 0.20·f'm with h'/t <= 30
inline constexpr int16_t kNoSpacingFailure = 8;       // no bar spacing can be tried
inline constexpr int16_t kNoCombinationFailure = 10;  // no selected combination applies

// Modulus of rupture fr (psi) for out-of-plane bending, from f'm (psi):
// "Brick" min(2.0·√f'm, 125); other materials solidly grouted
// min(4.0·√f'm, 235), partially grouted min(2.5·√f'm, 125).
float ModulusOfRupture(const Problem& problem);

// Own weight of a part of the given height (ft) over the design strip (lb):
// WallWeight·height·StripWidth/12.
float PartWeight(const Problem& problem, float height);

// The axial-limit rule of one attempt, for the axial stress fa = Pu/(b·t)
// (psi): fa < 0.05·f'm passes; otherwise fa >= 0.20·f'm fails with code 7
// when h'/t <= 30, and any fa >= 0.05·f'm fails with code 6 when h'/t > 30.
// Returns 0 when the axial load passes.
int16_t AxialLimitCode(double fa, double fm, double slenderness);

// Flexure passes when |Mu| <= |øMn| (equality passes).
bool FlexureAdequate(double Mu, double phiMn);

// Shear passes when øVn > |Vu|: the check is on the magnitude of the shear,
// whatever its sign (equality fails).
bool ShearAdequate(double phiVn, double Vu);

struct SteelLimits {
  float As0 = 0;    // starting area: the minimum steel MinSteelRatio·b·t (in^2)
  float AsMax = 0;  // maximum area (2108.9.2.13) (in^2)
  float AsReq = 0;  // area whose øMn reaches |Mu|, or 99 when none below As,max (in^2)
  int Iterations = 0;
};

inline constexpr float kNoSteelArea = 99.0f;  // As,req when no area below As,max suffices
inline constexpr int kRequiredSteelMaxIterations = 200;

// Depth to the tension steel for a moment of this sign: d' for a negative
// moment, d otherwise. A zero moment has no sign, and a part that carries no
// bending is designed with the positive-moment depth.
float TensionSteelDepth(double moment, float d, float dPrime);

// Maximum steel of 2108.9.2.13 for the strip (in^2). At the limit strain
// state the masonry reaches εmu (0.0025, 0.0035 for clay) while the steel is
// strained to 1.3·εy, so the neutral axis lies at
//   cb = depth·m·72500/(m·72500 + 1.3·fy),  block ab = 0.8·cb
// (72500 psi = 0.0025 × 29 000 ksi, the steel modulus of the rule whatever Es
// is entered). The masonry compression C = 0.8·f'm over the block, within the
// face shell (bEff wide) when ab <= ts, into the grouted core (b') below it,
// balances the steel at 1.25·fy together with the axial load:
//   As,max = (C − Pu)/(1.25·fy).
// The axial load uses part of the compression that the steel would otherwise
// balance, so the limit falls as Pu grows; when Pu >= C no tension steel can
// yield at the limit state and As,max is 0 (no steel permitted).
float MaximumSteelArea(const Problem& problem, float Pu, float bPrime, float bEff, float depth);

// Steel limits of a strip with grouted core b', effective width bEff and
// depth `depth` (in) under the factored moment Mu (ft-lb, by magnitude) and
// axial load Pu (lb), for wall part `part`:
//  - As,max from `MaximumSteelArea`;
//  - As,req by Newton steps on 12·øMn(As) from the minimum steel
//    MinSteelRatio·b·t (t the actual thickness), never past As,max, at most
//    200 steps.
SteelLimits RequiredSteel(const Problem& problem, float Mu, float Pu, float bPrime, float bEff,
                          float depth, int part);

struct NominalMomentResult {
  float PhiMn = 0;  // design flexural capacity øMn (ft-lb); 0 when the section fails
  float Mn = 0;     // nominal moment about the steel less the axial-load term (in-lb)
  float a = 0;      // depth of the compression block (in)
  NeutralAxisOutcome Outcome = NeutralAxisOutcome::kFound;
  bool Found() const { return Outcome == NeutralAxisOutcome::kFound; }
};

// Design flexural capacity of a strip with steel area As at depth `depth`,
// effective width bEff, grouted core b' and factored axial load Pu. Taking
// moments about the steel, with the face-shell force Cf at ts/2 (or a/2 when
// the block stays in the face shell) and the core force Cw at the middle of
// its depth, and the axial load at mid-thickness:
//   Mn = (d − ts/2)·Cf + (d − ts − (a − ts)/2)·Cw − (d − t/2)·Pu
// øMn = 0.8·Mn/12. A section that cannot balance the axial load at any depth
// has no capacity (øMn = 0, Found() false).
NominalMomentResult NominalMoment(const Problem& problem, float As, float depth, float bEff,
                                  float bPrime, float Pu, int part);

struct CrackedInertiaResult {
  float Icr = 0;  // cracked moment of inertia (in^4)
  float c = 0;    // compression depth a/0.85 (in)
};

// Moment of inertia of the cracked strip: the compression zone of depth
// c = a/0.85 (a from the stress-block search under Pu) with the steel
// transformed by n = ModularRatio (plus the bar's own inertia As²/(4π)),
// about their common centroid; the face shell and the core below it when c
// passes the face shell. A compression zone reaching the far face shell (or an
// axial load the section cannot balance) leaves the section uncracked: Ig.
// With much steel the transformed section of a hollow strip may exceed Ig;
// it is kept as it is.
CrackedInertiaResult CrackedInertia(const Problem& problem, float As, float depth, float bEff,
                                    float bPrime, float Pu, int part);

// Second-order moment and deflection of combination k of part `part` at
// `station` under the factored loads (`factored`) or the service loads: for
// a wall supported top and bottom the station's moment, axial load and
// deflection; for a cantilever or a parapet the base moment with the top
// axial load, the own weight and the deflections at the top and at
// mid-height. `steps`, when given, receives the passes of the iteration.
PDeltaResult PartPDelta(const Problem& problem, const AnalysisResults& analysis, int part,
                        bool factored, int k, int station, float Mcr, float Ig, float Icr,
                        std::vector<PDeltaStep>* steps = nullptr);

// The governing forces of a wall part.
struct GoverningForces {
  float Moment = 0;     // first-order factored moment at the governing station, signed (ft-lb)
  float Axial = 0;      // factored axial load there (lb)
  float Shear = 0;      // governing factored shear, signed (lb)
  float ProbeMu = 0;    // second-order moment of the probe there (ft-lb)
  int16_t Combo = 0;    // 1..5
  int16_t Station = 0;  // 0 top .. 10 base
  int16_t ShearCombo = 0;
  float d = 0;       // depth for positive moment (in)
  float dPrime = 0;  // depth for negative moment (in)
};

// Finds the governing factored forces of part `part` (kMainWall, kParapet)
// over the selected combinations (the caller applies the per-part filter).
// A parapet or cantilever main wall is evaluated at its base; a main wall
// supported top and bottom at the stations of each combination's largest
// positive moment, largest negative moment and largest deflection. At each
// station the P-delta moment of a probe reinforcement is formed; the probe
// starts as the largest bar at the starting spacing and is made heavier
// (smaller spacing) while it does not supply the required steel, lighter
// (next smaller bar) while it exceeds As,max; when the spacings run out a
// second time, or no smaller bar is left, the code is 2. A probe within its
// steel limits then meets the axial-limit rule: while it fails, a closer
// spacing, and at one module the code is 6 or 7. The station with the
// largest probe P-delta moment governs (ties keep the first); the search
// starts below zero, so that the first station evaluated governs when every
// moment is zero. The recorded
// moment is the first-order one: the design of each bar amplifies it once.
// The shear governs by magnitude over all five combinations, selected or
// not (ties keep the last).
GoverningForces FindGoverningForces(const Problem& problem, const AnalysisResults& analysis,
                                    int part, int16_t& errorCode);

// The results of the strength design: per part (index 0 main wall, 1 parapet)
// and per part and bar row (vectors sized to the bar table). An entry never
// written stays 0; BarSpacing 0 means no acceptable spacing with that bar.
struct StrengthResults {
  template <typename T>
  using PerPart = std::array<T, kWallPartCount>;
  using PerBar = PerPart<std::vector<float>>;

  // Per part.
  PerPart<float> SlendernessRatio{};        // h'/t
  PerPart<float> AxialLimit{};              // 0.20·f'm or 0.05·f'm (psi)
  PerPart<float> AllowServiceDeflection{};  // 0.007·h' (in)
  PerPart<float> GovMoment{};               // first-order factored Mu, signed (ft-lb)
  PerPart<float> GovAxial{};                // factored Pu with GovMoment (lb)
  PerPart<float> GovShear{};                // factored Vu, signed (lb)
  PerPart<int16_t> GovCombo{};
  PerPart<int16_t> GovStation{};
  PerPart<int16_t> GovShearCombo{};

  PerPart<float> EffectiveHeight{};  // h' (in)
  PerPart<float> Thickness{};        // actual thickness t (in)
  PerPart<float> DepthPositive{};    // d (in)
  PerPart<float> DepthNegative{};    // d' (in)
  PerPart<float> DesignDepth{};      // d' when GovMoment <= 0, else d (in)
  PerPart<float> RuptureModulus{};   // fr (psi)
  PerPart<float> FlangeWidth{};      // bf at the starting spacing (in)
  PerPart<float> StartSpacing{};     // starting spacing s0 (in)
  PerPart<float> MinSteelArea{};     // MinSteelRatio·b·t (in^2)
  PerPart<float> AxialStress{};      // fa = Pu/(b·t) at the governing station (psi)
  PerPart<float> GovProbeMu{};       // probe P-delta moment at the governing station (ft-lb)

  // Per part and bar row.
  PerBar BarSpacing;  // accepted spacing (in), 0 = none
  // The bar size limit of each part's nominal thickness (2108.9.2.1) and per
  // bar whether it may be used; a bar that is not permitted is never offered.
  PerPart<BarSizeLimit> BarLimit;
  PerPart<std::vector<bool>> BarPermitted;
  // A permitted bar with an accepted spacing: the bars the engineer is offered.
  bool BarOffered(std::size_t partIndex, std::size_t bar) const {
    return bar < BarSpacing[partIndex].size() && BarSpacing[partIndex][bar] > 0.0f &&
           bar < BarPermitted[partIndex].size() && BarPermitted[partIndex][bar];
  }
  PerBar BarPhiMn;      // øMn at the last spacing tried (ft-lb)
  PerBar BarPhiVn;      // øVn (lb)
  PerBar BarMu;         // factored moment with P-delta (ft-lb)
  PerBar BarDeltaUlt;   // converged deflection under factored loads (in)
  PerBar BarDeltaServ;  // deflection under service loads of GovCombo (in)
  // Section values of the last spacing tried (for the detail reports).
  PerBar BarAs;              // furnished steel area b·As,bar/s (in^2)
  PerBar BarAsReq;           // required area (in^2)
  PerBar BarAsMax;           // maximum area (in^2)
  PerBar BarBlockDepth;      // a (in)
  PerBar BarEffectiveWidth;  // bEff (in)
  PerBar BarCoreWidth;       // b' (in)
  PerBar BarGrossInertia;    // Ig (in^4)
  PerBar BarSectionModulus;  // S = 2·Ig/t (in^3)
  PerBar BarEffectiveArea;   // Ae (in^2)
  PerBar BarCrackingMoment;  // Mcr (ft-lb)
  PerBar BarCrackedInertia;  // Icr (in^4)

  // Clears the values of one part (0 or 1) and sizes its bar vectors.
  void ClearPart(std::size_t partIndex, std::size_t barCount);
};

// Strength design of part `pass` (1 main wall, 2 parapet) of a reinforced
// wall, after AnalyseLoads with DesignMethod "IBC-S". Pass 1 clears the whole
// result record, each pass clears its own part. errorCode is set to 0 on
// entry and, when the part cannot be designed, to:
//   2  flexure: no probe reinforcement supplies the required steel below
//      As,max, or every bar of the table is given up in flexure
//   3  a bar passed flexure at the smallest spacing but failed shear
//   4  a bar passed flexure and shear at the smallest spacing but a service
//      deflection exceeds 0.007·h' (or runs away)
//   6  fa >= 0.05·f'm with h'/t > 30
//   7  fa >= 0.20·f'm with h'/t <= 30
//   8  no spacing can be tried: the largest permitted spacing is below one
//      spacing module (or the section has no thickness, strip or material)
//   10 no selected load combination applies to the part
// The per-part filter of the load combinations is applied for the duration
// of the call; the engineer's selection is restored on every exit.
void StrengthDesign(Problem& problem, const AnalysisResults& analysis, StrengthResults& results,
                    int16_t& errorCode, int pass);

}  // namespace calvix
