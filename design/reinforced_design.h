// Working-stress design of the vertical reinforcement of a reinforced wall or
// parapet, for the design methods "ACI" (ACI 530-99 chapter 2) and "IBC-W"
// (IBC 2000 2107, which adopts it); both follow the same rules here. For one
// wall part at a time it
//   1. finds the governing load combination for moment (the largest ratio of
//      applied to allowable moment or axial load) and the one for shear,
//   2. classifies the governing eccentricity e = M/P into zone A (e < t/6,
//      uncracked), B (cracked, steel in compression) or C (e >= 2d/3, steel in
//      tension),
//   3. and for every bar size of the bar table, from the largest down, finds
//      the largest bar spacing, a whole number of spacing modules not above the
//      seismic maximum (ACI 530-99 1.13, IBC 2000 2106), at which the strip
//      carries the axial load, the moment (from the interaction curve) and the
//      shear.
//
// Failure codes (the solve command shows their messages, DesignFailureText of
// analysis/solve.h):
//   1   the axial load cannot be carried at any spacing (fa > Fa);
//   8   no bar can be placed: the largest permitted spacing is smaller than one
//       spacing module, or no bar of the table works at any spacing;
//   10  no selected load combination applies to the part (the per-part filter
//       switched off every one the engineer selected).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/wall_part.h"
#include "design/bar_size_limit.h"
#include "design/interaction_curve.h"
#include "model/problem.h"

namespace calvix {

// Failure codes of the working-stress design routines (0 = success).
inline constexpr int16_t kFailAxialStress = 1;     // fa > Fa
inline constexpr int16_t kFailNoSpacing = 8;       // no bar and spacing works
inline constexpr int16_t kFailNoCombination = 10;  // no selected combination applies

// Eccentricity zone of the governing moment.
enum class EccentricityZone : char { A = 'A', B = 'B', C = 'C' };

// Zone of eccentricity e (in) for actual thickness t and design depth dUse, in
// single precision: A when e < t/6, B when t/6 <= e < 2·dUse/3, else C.
EccentricityZone ClassifyEccentricity(float e, float t, float dUse);

// The two note lines the reports print for a zone.
std::array<std::string, 2> ZoneNoteLines(EccentricityZone zone);

// Allowable stresses of one load combination.
struct WorkingStresses {
  float Fa = 0;  // axial (psi)
  float Fb = 0;  // flexural compression (psi)
  float Fs = 0;  // steel (ksi)
  float Fv = 0;  // shear (psi)
};

// The allowables of combination k: Fa as given, Fb, Fs and Fv of the problem,
// each multiplied by StressIncreaseFactor when k >= 2 (combinations with wind
// or seismic load).
WorkingStresses StressesForCombination(const Problem& problem, float Fa, int k);

// The design strip at bar spacing s.
struct StripSection {
  float s = 0;       // bar spacing (in)
  float bf = 0;      // effective flange width (in)
  float bEff = 0;    // effective strip width (in)
  float bPrime = 0;  // grouted core width b' (in)
  float Ae = 0;      // effective area (in^2)
  float Ig = 0;      // gross moment of inertia (in^4)
  float S = 0;       // section modulus 2·Ig/t (in^3)
  float r = 0;       // radius of gyration (in)
  float Fa = 0;      // allowable axial stress, before any increase (psi)
  float hOverR = 0;  // slenderness h'/r (0 when r = 0)
};

// The section of a part of actual thickness t and effective height h' at
// spacing s with flange width bf (EffectiveFlangeWidth(s), or that of a larger
// spacing, which gives the same widths).
StripSection SectionAtSpacing(const Problem& problem, float t, float hPrime, float bf, float s);

// What the design found for one bar size.
struct BarDesign {
  StripSection section;              // at the final spacing (or the last one tried)
  float AsFurnished = 0;             // StripWidth · bar area / s (in^2)
  InteractionCurve curve;            // at the design depth, governing allowables
  std::vector<float> SpacingsTried;  // in the order the search tried them (in)
};

// Results of the working-stress reinforced design. Arrays [part] are indexed
// by PartIndex (0 main wall, 1 parapet); per-bar vectors are sized to the bar
// table, element i belonging to BarTable[i].
struct ReinforcedResults {
  std::array<float, kWallPartCount> GovMoment{};   // governing moment Ms (ft-lb, signed)
  std::array<float, kWallPartCount> GovAxial{};    // axial load Ps at that moment (lb)
  std::array<int16_t, kWallPartCount> GovCombo{};  // its combination (1-5)
  std::array<float, kWallPartCount> GovShear{};    // governing shear Vs (lb)
  std::array<int16_t, kWallPartCount> GovShearCombo{};
  std::array<float, kWallPartCount> SlendernessRatio{};  // h'/t
  std::array<float, kWallPartCount> Eccentricity{};      // |M/P|·12 (in), 999 without axial load
  std::array<float, kWallPartCount> AllowableShear{};    // Fv of the shear check (psi)
  std::array<std::array<std::string, 2>, kWallPartCount> ZoneNote;

  // Per bar: Fa at the final spacing before any increase (psi), fv = Vs/(b'·d)
  // (psi), the allowable moment at Ps (ft-lb) and the spacing (in; 0 when no
  // spacing of at least one module works for the bar).
  std::array<std::vector<float>, kWallPartCount> BarFa;
  std::array<std::vector<float>, kWallPartCount> BarShearStress;
  std::array<std::vector<float>, kWallPartCount> BarAllowMoment;
  std::array<std::vector<float>, kWallPartCount> BarSpacing;
  // The bar size limit of each part's nominal thickness ("IBC-W") and per
  // bar whether it may be used. A bar that is not permitted is never offered,
  // whatever spacing the search found for it.
  std::array<BarSizeLimit, kWallPartCount> BarLimit;
  std::array<std::vector<bool>, kWallPartCount> BarPermitted;
  // A permitted bar with an accepted spacing: the bars the engineer is offered.
  bool BarOffered(std::size_t partIndex, std::size_t bar) const {
    return bar < BarSpacing[partIndex].size() && BarSpacing[partIndex][bar] > 0.0f &&
           bar < BarPermitted[partIndex].size() && BarPermitted[partIndex][bar];
  }

  // For the reports and the interaction diagram.
  std::array<float, kWallPartCount> HPrime{};         // effective height h' (in)
  std::array<float, kWallPartCount> Thickness{};      // actual thickness t (in)
  std::array<float, kWallPartCount> DepthPositive{};  // d (in)
  std::array<float, kWallPartCount> DepthNegative{};  // d', equal to d when within 0.01 in
  std::array<float, kWallPartCount> DesignDepth{};    // d for positive Ms, else d' (in)
  std::array<EccentricityZone, kWallPartCount> Zone{EccentricityZone::C, EccentricityZone::C};
  std::array<float, kWallPartCount> MinSteelArea{};  // MinSteelRatio · StripWidth · t (in^2)
  std::array<std::vector<BarDesign>, kWallPartCount> Bars;
};

// Finds the governing combinations of part `part` (kMainWall or kParapet) of
// actual thickness t, effective height h' and steel depths d (positive moment)
// and d' (negative moment), over the combinations selected in
// problem.entry.LoadCombSelected, and writes GovMoment, GovAxial, GovCombo,
// GovShear and GovShearCombo. The reference reinforcement is the third bar of
// the table starting at 48 in; while the strip cannot carry a combination's
// base axial load, or has no allowable moment at its axial load, the spacing
// is reduced by one module for good. Equal moment ratios keep the earlier
// combination, equal shear ratios take the later one. Sets errorCode to 0, to
// 1 when the spacing falls below one module, or to 10 when no combination is
// selected.
void FindGoverningCombination(const Problem& problem, const AnalysisResults& analysis,
                              ReinforcedResults& results, float hPrime, float t, float d,
                              float dPrime, int16_t& errorCode, int part);

// The design of one wall part: pass 1 the main wall (which clears all results
// first), pass 2 the parapet. Applies the per-part combination filter for its
// duration and restores the engineer's selection on return. errorCode is 0 on
// success or one of the failure codes above; a failed design leaves the
// results partly filled.
void DesignReinforcedWall(Problem& problem, const AnalysisResults& analysis,
                          ReinforcedResults& results, int16_t& errorCode, int pass);

}  // namespace calvix
