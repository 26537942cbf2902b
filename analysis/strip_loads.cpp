#include "analysis/strip_loads.h"

#include <cstddef>

namespace calvix {

StripLoads LoadsOnStrip(const WorkingForm& w) {
  StripLoads loads;
  const double strip = static_cast<double>(w.StripWidth) / 12.0;
  loads.WallHeight = w.WallHeight;
  loads.ParapetHeight = w.ParapetHeight;
  loads.StripWidth = w.StripWidth;
  loads.SelfWeight = static_cast<double>(w.WallWeight) * strip;
  loads.FloorDead = static_cast<double>(w.FloorDead) * strip;
  loads.FloorLive = static_cast<double>(w.FloorLive) * strip;
  loads.FloorEccentricity = w.FloorEccentricity;
  loads.AddDead = static_cast<double>(w.AddDead) * strip;
  loads.AddLive = static_cast<double>(w.AddLive) * strip;
  loads.AddEccentricity = w.AddEccentricity;
  loads.AddY = w.AddY;
  loads.FluidDensity = static_cast<double>(w.EFP) * strip;
  loads.EFPX = w.EFPX;

  const std::size_t rows = static_cast<std::size_t>(w.WindRowCount());
  loads.Wind.reserve(rows);
  for (std::size_t i = 0; i < rows; ++i) {
    StripWindRow row;
    if (w.WindType[i] == "W") {
      row.kind = StripWindRow::Kind::Uniform;
    } else if (w.WindType[i] == "H") {
      row.kind = StripWindRow::Kind::Concentrated;
    }
    row.magnitude =
        i < w.WindMagnitude.size() ? static_cast<double>(w.WindMagnitude[i]) * strip : 0.0;
    row.start = i < w.WindStart.size() ? static_cast<double>(w.WindStart[i]) : 0.0;
    row.end = i < w.WindEnd.size() ? static_cast<double>(w.WindEnd[i]) : 0.0;
    loads.Wind.push_back(row);
  }
  return loads;
}

}  // namespace calvix
