// The axial load - moment interaction diagram of a working-stress reinforced
// design drawn with QPainter on any paint device: the diagram window, its
// printed page and the calculation package share this drawing.
#pragma once

#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "design/interaction_diagram.h"
#include "model/problem.h"

namespace calvix {

// The legend texts of the curves in the order of their columns.
std::vector<std::string> PMLegendTexts(int curveCount);

// The (M, P) pairs of the stations of further load combinations, drawn over
// the diagram as small marks in the colour of their combination, and one
// point (the governing one) ringed. Working units (ft-lb, lb).
struct PMStationMarks {
  struct Series {
    int combo = 1;
    std::vector<float> M;
    std::vector<float> P;
  };
  std::vector<Series> series;
  bool governingShown = false;
  float governingM = 0;
  float governingP = 0;
};

// The colour of the marks of load combination 1-5.
QColor CombinationColor(int combo);

// Draws the diagram (title, axes with tick labels in display units, grid,
// curves, design point) into `area`, with the marks of `marks` when given.
void DrawPMDiagram(QPainter& painter, const QRectF& area, const PMPlotData& data,
                   const UnitSystem& units, const PMStationMarks* marks = nullptr);
void DrawPMLegend(QPainter& painter, const QRectF& area, const PMPlotData& data);

}  // namespace calvix
