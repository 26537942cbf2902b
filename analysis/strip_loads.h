// The loads of the working form as they act on one design strip. Surface
// loads (psf) and line loads (plf) are entered per foot of wall; a strip of
// StripWidth inches carries StripWidth / 12 of them. Self-weight, the
// equivalent fluid pressure, the floor / roof and additional vertical loads
// and the wind table loads are all scaled here, so the statics and the
// deflection curves work on one consistent set of strip loads. (The seismic
// loads come already per strip from ComputeSeismicLoads.)
#pragma once

#include <vector>

#include "model/problem.h"

namespace calvix {

// One row of the wind table on the strip.
struct StripWindRow {
  enum class Kind { Uniform, Concentrated, Other };
  Kind kind = Kind::Other;  // "W", "H", anything else (adds no load)
  double magnitude = 0;     // "W": lb per ft of height; "H": lb
  double start = 0;         // ft above the wall base
  double end = 0;           // ft above the wall base
};

struct StripLoads {
  double WallHeight = 0;                // ft
  double ParapetHeight = 0;             // ft
  double StripWidth = 0;                // in
  double SelfWeight = 0;                // wall weight, lb per ft of height
  double FloorDead = 0, FloorLive = 0;  // lb, at the wall top
  double FloorEccentricity = 0;         // in
  double AddDead = 0, AddLive = 0;      // lb, at AddY
  double AddEccentricity = 0;           // in
  double AddY = 0;                      // ft
  double FluidDensity = 0;              // EFP on the strip: lb per ft of height per ft of depth
  double EFPX = 0;                      // ft, top of the fluid pressure
  std::vector<StripWindRow> Wind;

  // Eccentric couples of the vertical loads (ft-lb).
  double FloorDeadCouple() const { return FloorDead * FloorEccentricity / 12.0; }
  double FloorLiveCouple() const { return FloorLive * FloorEccentricity / 12.0; }
  double AddDeadCouple() const { return AddDead * AddEccentricity / 12.0; }
  double AddLiveCouple() const { return AddLive * AddEccentricity / 12.0; }
  // Resultant of the fluid pressure on the wall (lb): γ·x²/2.
  double FluidResultant() const { return FluidDensity * EFPX * EFPX / 2.0; }
};

// The working form's loads on its design strip.
StripLoads LoadsOnStrip(const WorkingForm& working);

}  // namespace calvix
