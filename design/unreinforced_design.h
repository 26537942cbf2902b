// Working-stress check of an unreinforced wall or parapet ("ACI": ACI 530-99
// 2.2; "IBC-W": IBC 2000 2107, which adopts it). Instead of choosing
// reinforcement it checks a fixed list of grouting cases (solid grout, grouted
// cells at 2 to 6 spacing modules, no grout) and gives each case a verdict:
//   "P>.25Pe"  the base axial load exceeds a quarter of the buckling load
//              (ACI 530-99 2.2.3.1), whatever else the case shows;
//   "ft > Ft"  the net flexural tension fa − fb reaches the allowable tension;
//   "CSI > 1"  the combined stress index fa/Fa + fb/Fb is 1 or more
//              (ACI 530-99 2.2.3.1);
//   "fv > Fv"  the shear stress reaches the allowable shear, or the case has
//              no shear width at all;
//   "O.K."     otherwise.
//
// Failure codes: 0 on success; 10 when no selected load combination applies
// to the part (the per-part filter switched off every one the engineer
// selected). Every grouting case otherwise gets a verdict, whether it passes
// or not.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/load_analysis.h"
#include "analysis/wall_part.h"
#include "model/problem.h"

namespace calvix {

inline constexpr int16_t kSolidGroutCaseCount = 1;
inline constexpr int16_t kPartialGroutCaseCount = 7;

// Verdict texts of a grouting case.
inline constexpr const char* kVerdictOk = "O.K.";
inline constexpr const char* kVerdictTension = "ft > Ft";
inline constexpr const char* kVerdictCombined = "CSI > 1";
inline constexpr const char* kVerdictShear = "fv > Fv";
inline constexpr const char* kVerdictBuckling = "P>.25Pe";

// The section of one grouting case.
struct GroutCaseSection {
  float s = 0;       // grout spacing (in)
  float bEff = 0;    // effective strip width (in)
  float bPrime = 0;  // grouted core width b' (in); 0 for the "None" case
  float Ae = 0;      // effective area, never below the face shells of the strip (in^2)
  float Ig = 0;      // moment of inertia, never below that of the face shells (in^4)
  float S = 0;       // section modulus 2·Ig/t (in^3)
  float r = 0;       // radius of gyration (in)
  float hOverR = 0;  // slenderness h'/r
  float Fa = 0;      // allowable axial stress, before any increase (psi)
  float Ft = 0;      // allowable flexural tension, before any increase (psi)
  float Q = 0;       // first moment of area for the shear stress (in^3)
  float bv = 0;      // shear width (in)
  float Pe = 0;      // buckling load (lb); the largest float when h' is 0
};

// Results of the unreinforced design. Arrays [part] are indexed by PartIndex;
// per-case vectors are sized to GroutCaseCount.
struct UnreinforcedResults {
  std::array<float, kWallPartCount> GovMoment{};  // ft-lb, signed
  std::array<float, kWallPartCount> GovAxial{};   // lb
  std::array<int16_t, kWallPartCount> GovCombo{};
  std::array<float, kWallPartCount> GovShear{};  // lb
  std::array<int16_t, kWallPartCount> GovShearCombo{};
  std::array<float, kWallPartCount> UnreinfFb{};  // Fb of the governing moment combination (psi)
  std::array<float, kWallPartCount> UnreinfFv{};  // Fv of the governing shear combination (psi)

  int16_t GroutCaseCount = 0;
  std::vector<std::string> GroutCaseLabel;  // [case]

  // [part][case]
  std::array<std::vector<float>, kWallPartCount> CaseFa;         // fa = Ps/Ae (psi)
  std::array<std::vector<float>, kWallPartCount> CaseFb;         // fb = |Ms|·12/S (psi)
  std::array<std::vector<float>, kWallPartCount> CaseNetStress;  // fa − fb (psi)
  std::array<std::vector<float>, kWallPartCount>
      CaseShearStress;  // fv = Vs·Q/(Ig·bv), 0 without shear width
  std::array<std::vector<float>, kWallPartCount> CaseCSI;  // fa/Fa + fb/Fb
  std::array<std::vector<std::string>, kWallPartCount> CaseVerdict;
  // The loads that govern each case: the search of the worst station carries
  // on from case to case, so a case may be governed by other loads than
  // GovMoment / GovAxial / GovCombo, which hold those of the last case.
  std::array<std::vector<float>, kWallPartCount> CaseMoment;  // ft-lb, signed
  std::array<std::vector<float>, kWallPartCount> CaseAxial;   // lb
  std::array<std::vector<int16_t>, kWallPartCount> CaseCombo;

  // For the reports.
  std::array<float, kWallPartCount> HPrime{};     // effective height (in)
  std::array<float, kWallPartCount> Thickness{};  // actual thickness (in)
  std::array<std::vector<GroutCaseSection>, kWallPartCount> CaseSection;
};

// The grouting case labels of the problem's grouting and unit system: a
// solidly grouted wall has the one case "Solid  "; a partially grouted wall
// has "Solid  ", the grout spacings of 2 to 6 modules in display length units
// (format "#0") followed by the length unit label (after a blank in U.S.
// Standard units, attached in the metric systems), and "None   ".
std::vector<std::string> GroutCaseLabels(const Problem& problem);

struct ShearSectionResult {
  float Q = 0;   // first moment of area about the neutral axis (in^3)
  float bv = 0;  // shear width (in)
};

// First moment of area and shear width of a grouting case with core width b',
// effective width bEff, actual thickness t and grout spacing s. A solidly
// grouted strip, or grout in every cell (s = SpacingModule), acts as a solid
// rectangle: Q = b·t²/8, bv = b. Otherwise the webs of the units count by the
// main wall's nominal thickness T: w1 = 0.75·b/s and w2 = 1.625·b/12 up to
// 4 in, b/s and 2.25·b/12 up to 8 in, 1.125·b/s and 2.5·b/12 up to 16 in,
// none above; bv = b' − 2·w1 + w2 (only w2 without a grouted core, b' <
// 0.01); Q = b'·(t − 2·ts)²/8 + ts·bEff·(t − ts)/2, but not less than
// 6·ts·(t − ts).
ShearSectionResult ShearSection(const Problem& problem, float bPrime, float bEff, float t, float s);

// The verdict of a grouting case from its net stress fa − fb, allowable
// tension Ft, combined stress index, shear check, base axial load and buckling
// load, compared in single precision. In order of precedence: "P>.25Pe" when
// baseAxial > 0.25·Pe; "ft > Ft" when fa − fb <= −Ft; "CSI > 1" when CSI >= 1;
// "fv > Fv" when the shear check fails; "O.K.".
std::string GroutCaseVerdict(float netStress, float Ft, float csi, bool shearOk, float baseAxial,
                             float Pe);

// The governing combinations of part `part` on the gross solid strip of actual
// thickness t and effective height h', over the combinations selected in
// problem.entry.LoadCombSelected: the largest of the combined stress index and
// the net tension ratio at the extreme moments and at the base, the largest
// net tension ratio at every station, and the largest shear ratio. Equal moment
// ratios keep the earlier combination, equal shear ratios take the later one.
// Writes GovMoment, GovAxial, GovCombo, GovShear and GovShearCombo; errorCode
// is 0, or 10 when no combination is selected.
void FindGoverningCombinationUnreinforced(const Problem& problem, const AnalysisResults& analysis,
                                          UnreinforcedResults& results, float hPrime, float t,
                                          int16_t& errorCode, int part);

// The check of one wall part: pass 1 the main wall (which clears all results
// and builds the grouting cases first), pass 2 the parapet. Applies the
// per-part combination filter for its duration and restores the engineer's
// selection on return. Combinations that are not selected, by the engineer or
// by the filter, take no part.
void DesignUnreinforcedWall(Problem& problem, const AnalysisResults& analysis,
                            UnreinforcedResults& results, int16_t& errorCode, int pass);

}  // namespace calvix
