#include "analysis/deflection.h"

#include <algorithm>
#include <cstddef>

#include "analysis/wall_part.h"

namespace calvix {

std::vector<double> MomentAreaDeflection(std::span<const double> moments, double step,
                                         double flexuralStiffness, double baseRotation) {
  std::vector<double> deflection(moments.size(), 0.0);
  if (moments.size() < 2 || flexuralStiffness <= 0.0) return deflection;

  const std::size_t n = moments.size() - 1;
  // Curvature area from the base up (ft²/in² with moments in ft-lb, heights in
  // ft and EI in lb-in²) and its first moment about the base.
  double area = 0.0;
  double firstMoment = 0.0;
  for (std::size_t i = n; i >= 1; --i) {
    const double piece = step * (moments[i] + moments[i - 1]) / 2.0 / flexuralStiffness;
    area += piece;
    firstMoment += piece * (static_cast<double>(n - i) * step + step / 2.0);
    // Point i - 1 lies x ft above the base; the curvature below it bends the
    // member back by x·A − S (×1728 in³/ft³), the base rotation moves it by
    // θ0·x (×12 in/ft).
    const double x = static_cast<double>(n - i + 1) * step;
    deflection[i - 1] = baseRotation * 12.0 * x - 1728.0 * (area * x - firstMoment);
  }
  return deflection;
}

double GrossFlexuralStiffness(const Problem& problem, int part) {
  const double t = ActualThickness(problem, part);
  const double t3 = t * t * t;
  // The whole strip acts as a solid section: Ig = b·t³/12.
  const auto inertia =
      static_cast<float>(static_cast<double>(problem.working.StripWidth) * t3 / 12.0);
  return static_cast<double>(problem.working.Em) * 1000.0 * inertia;
}

std::array<double, kDeflectionCurveCount> SimpleSpanBaseRotations(const StripLoads& loads,
                                                                  double wallSeismicLoad,
                                                                  double parapetSeismicMoment,
                                                                  double parapetWindMoment,
                                                                  double flexuralStiffness) {
  std::array<double, kDeflectionCurveCount> rotation{};
  const double h = loads.WallHeight;
  const double ei = flexuralStiffness;
  if (h <= 0.0 || ei <= 0.0) return rotation;

  // Base rotation of a simple span under a couple C (ft-lb) at height a: the
  // floor / roof load acts at the top, the additional load at AddY (at most H).
  const double addY = std::min(loads.AddY, h);
  auto coupleRotation = [&](double couple, double a) {
    return 144.0 * couple * (2.0 * h * h - 6.0 * a * h + 3.0 * a * a) / (6.0 * ei * h);
  };

  rotation[kDeadDeflection] =
      coupleRotation(loads.FloorDeadCouple(), h) + coupleRotation(loads.AddDeadCouple(), addY);

  // Fluid pressure triangle from the base up to EFPX: the moment it causes at
  // a fixed base of the propped span, M5 = R·H·(3r³ − 15r² + 20r)/60, turns a
  // pinned base through M5·H/(3·EI).
  const double r = loads.EFPX / h;
  const double fixedEndEfp =
      loads.FluidResultant() * h * (3.0 * r * r * r - 15.0 * r * r + 20.0 * r) / 60.0;
  rotation[kLiveDeflection] = coupleRotation(loads.FloorLiveCouple(), h) +
                              coupleRotation(loads.AddLiveCouple(), addY) +
                              144.0 * h * fixedEndEfp / (3.0 * ei);

  // Uniform seismic load over the span and the parapet's moment at the top.
  rotation[kSeismicDeflection] = 144.0 * wallSeismicLoad * h * h * h / (24.0 * ei) +
                                 144.0 * parapetSeismicMoment * h / (6.0 * ei);

  // Wind rows that start below the top, uniform rows clipped at the top; the
  // loads above the top reach the wall through the parapet's moment.
  double wind = 144.0 * parapetWindMoment * h / (6.0 * ei);
  for (const StripWindRow& row : loads.Wind) {
    if (!(row.start < h)) continue;
    const double s = row.start;
    if (row.kind == StripWindRow::Kind::Uniform) {
      const double e = std::min(row.end, h);
      if (e <= s) continue;
      const double upper = e * e * (2.0 * h - e) * (2.0 * h - e);
      const double lower = s * s * (2.0 * h - s) * (2.0 * h - s);
      wind += 144.0 * row.magnitude * (upper - lower) / (24.0 * ei * h);
    } else if (row.kind == StripWindRow::Kind::Concentrated) {
      wind += 144.0 * row.magnitude * s * (h - s) * (2.0 * h - s) / (6.0 * ei * h);
    }
  }
  rotation[kWindDeflection] = wind;
  return rotation;
}

}  // namespace calvix
