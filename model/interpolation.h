#pragma once

namespace calvix {

// Straight-line interpolation through (x0, y0) and (x1, y1) at x; y0 when the
// two abscissas coincide.
inline double InterpolateLinear(double x1, double y1, double x0, double y0, double x) {
  if (x1 == x0) return y0;
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

}  // namespace calvix
