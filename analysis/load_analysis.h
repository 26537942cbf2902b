// Statics of the main wall and the parapet under the seven load groups, the
// five load combinations of them, and their extremes. For strength design
// ("IBC-S") also the factored combinations and the lateral deflection curves.
//
// Members. The main wall has height H = WallHeight. It is either a cantilever
// fixed at its base or a span pinned at its top with a pinned, fixed or
// partially fixed base (the base moment of a fixed base times PercentFixed /
// 100). The parapet, of height ParapetHeight, is a cantilever fixed at the
// wall top; its base moments load the top of a supported wall.
//
// Stations. A member of length L with N intervals has stations j = 0..N at
// x_j = (N − j)·(L/N − 1e-13) above its base: station N is the base and station
// 0 lies a hair below the top, so that a load placed exactly at the top (the
// additional vertical load under strength design) counts as acting above
// every station.
//
// Load groups (per design strip; see strip_loads.h for the strip scaling):
//   1, 2  eccentric floor / roof dead and live load (couple P·e/12 at the top)
//   3, 4  eccentric additional dead and live load (couple at AddY)
//   5     equivalent fluid pressure, triangular from EFPX down to the base
//   6     seismic load, uniform over the member
//   7     wind table: "W" uniform rows and "H" concentrated loads
// Groups 1-4 act on the main wall only.
//
// Signs: a positive lateral load acts in the positive direction; a positive
// eccentricity gives negative moments in groups 1-4. Shear is the rate of
// change of the moment up the height, V = dM/dy.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "analysis/deflection.h"
#include "analysis/seismic_loads.h"
#include "analysis/strip_loads.h"
#include "analysis/wall_part.h"
#include "model/problem.h"

namespace calvix {

inline constexpr int kStationCount = 11;      // stations 0..10, 10 = base of the part
inline constexpr int kMomentPointCount = 41;  // main wall moment points 0..40
inline constexpr int kLoadGroupCount = 7;

enum LoadGroup : int {
  kFloorDeadGroup = 0,
  kFloorLiveGroup = 1,
  kAddDeadGroup = 2,
  kAddLiveGroup = 3,
  kFluidPressureGroup = 4,
  kSeismicGroup = 5,
  kWindGroup = 6,
};

// The statics of one member, per load group.
struct MemberTables {
  int16_t MomentIntervals = 0;  // 40 for the main wall, 10 for the parapet
  // Axial load (lb) at stations 0..10: [j][0] dead, [j][1] live.
  std::array<std::array<float, 2>, kStationCount> Axial{};
  // Shear (lb) at stations 0..10.
  std::array<std::array<float, kLoadGroupCount>, kStationCount> Shear{};
  // Moment (ft-lb) at points 0..MomentIntervals (the parapet fills 0..10).
  std::array<std::array<float, kLoadGroupCount>, kMomentPointCount> Moment{};
};

// Terms of the main wall as a supported span (zero for a cantilever wall).
struct SupportedSpanTerms {
  float WindBaseReaction = 0;     // lb, simple span, parapet wind moment included
  float SeismicBaseReaction = 0;  // lb, simple span, parapet seismic moment included
  // Moment at the base per load group for the base's fixity (ft-lb), already
  // multiplied by PercentFixed / 100; zero for a pinned base.
  std::array<float, kLoadGroupCount> BaseFixedEndMoment{};
};

// [part][combination][station]: part 0 main wall, 1 parapet; combination
// k = 1..5 at index k − 1; station 10 is the base of the part.
template <typename T>
using StationTable =
    std::array<std::array<std::array<T, kStationCount>, kLoadCombinationCount>, kWallPartCount>;
// [part][combination].
template <typename T>
using CombinationTable = std::array<std::array<T, kLoadCombinationCount>, kWallPartCount>;

struct AnalysisResults {
  SeismicResult Seismic;
  std::array<MemberTables, kWallPartCount> Members{};
  SupportedSpanTerms Span;
  // Strength design only: deflection curves of each part.
  std::array<MemberDeflections, kWallPartCount> Deflections{};

  // Combinations as the working-stress methods use them (factored sums) or,
  // under "IBC-S", at service level (every factor 1).
  StationTable<float> CombAxial{};
  StationTable<float> CombMoment{};
  StationTable<float> CombShear{};
  CombinationTable<float> CombMaxPosMoment{};
  CombinationTable<float> CombAxialAtPosMoment{};
  CombinationTable<float> CombMaxNegMoment{};
  CombinationTable<float> CombAxialAtNegMoment{};
  CombinationTable<float> CombMaxShear{};

  // Strength design ("IBC-S") only; zero otherwise.
  StationTable<float> FactoredAxial{};
  StationTable<float> FactoredMoment{};
  StationTable<float> FactoredShear{};
  StationTable<float> ServiceDeflection{};   // in
  StationTable<float> FactoredDeflection{};  // in
  CombinationTable<float> FactoredMaxPosMoment{};
  CombinationTable<float> FactoredAxialAtPosMoment{};
  CombinationTable<int16_t> PosMomentStation{};
  CombinationTable<float> FactoredMaxNegMoment{};
  CombinationTable<float> FactoredAxialAtNegMoment{};
  CombinationTable<int16_t> NegMomentStation{};
  CombinationTable<float> FactoredMaxShear{};
  CombinationTable<double> MomentShearRatio{};  // 12·M/(V + 0.0001), in
  CombinationTable<int16_t> MaxDeflectionStation{};
};

// The whole analysis, from the working form and the entry criteria
// (DesignMethod, Cantilever, SupportType, PercentFixed, LoadFactors,
// LoadCombSelected, UserFa). A combination that is not selected is zero
// throughout, extremes included. Validation must have passed (WallHeight > 0,
// positive thickness and Em for strength design).
AnalysisResults AnalyseLoads(const Problem& problem);

// The statics of a cantilever member: the parapet (`part` kParapet) fixed at
// the wall top, or a cantilever main wall fixed at its base. `seismicLoad` is
// the member's seismic load (lb per ft of height).
MemberTables CantileverMemberTables(const StripLoads& loads, double seismicLoad, int part);

// The statics of a main wall supported top and bottom, with the parapet's base
// moments (seismic and wind, ft-lb) acting at its top and the base fixity
// `fixedFraction` (0 pinned, 1 fixed, PercentFixed / 100 partially fixed).
// Fills `span` with the span terms.
MemberTables SupportedWallTables(const StripLoads& loads, double seismicLoad,
                                 double parapetSeismicMoment, double parapetWindMoment,
                                 double fixedFraction, SupportedSpanTerms& span);

// The extremes of the combination tables of a part (kMainWall or kParapet),
// scanning the stations from the base (10) to the top (0). Moments start from
// the top station's value ∓ 0.01 and take a station only when strictly beyond
// the extreme so far, so that ties keep the station nearer the base; the shear
// starts from the top station's value and takes every station of at least the
// same magnitude, so that ties move to the top.
void FindCombinationExtremes(AnalysisResults& results, int part);

// The extremes of the factored tables of a part, by the same rules, with the
// stations of the extreme moments, the moment-to-shear ratio of the service
// combination at the station of the largest factored shear and the station of
// the largest factored deflection (ties move to the top).
void FindFactoredExtremes(AnalysisResults& results, int part);

}  // namespace calvix
