// A diagram of one quantity (moment, shear, axial load, deflection) along the
// height of a wall part, drawn with QPainter: the height runs down the page
// from station 0 (top of the part) to station 10 (its base), the value across
// it, and the largest positive and negative values are labelled.
#pragma once

#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

namespace calvix {

struct StationCurve {
  std::string title;                // "Moment"
  std::string unit;                 // "ft-lb"
  std::vector<double> values;       // display units, station 0 first
  std::vector<std::string> labels;  // the values as the station table writes them
};

// The stations whose values the diagram labels: the largest and the smallest
// value (the first of equal ones); -1 for no values, and `smallest` -1 when
// every value is the same.
struct CurveExtremes {
  int largest = -1;
  int smallest = -1;
};
CurveExtremes ExtremesOf(const std::vector<double>& values);

void DrawStationDiagram(QPainter& painter, const QRectF& area, const StationCurve& curve);

}  // namespace calvix
