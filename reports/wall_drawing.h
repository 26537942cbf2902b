// The schematic elevation of the wall with its dimensions and loads, as a list
// of lines and texts in twips (or printer units), so that the same drawing
// goes to the screen, into an image and onto a printed page. The drawing is
// not to scale: the outline has fixed proportions and every height, thickness
// and load is written as a value in display units.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/seismic_loads.h"
#include "model/problem.h"

namespace calvix {

struct WallLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int width = 1;
};

enum class WallTextAlign { Left, Centre, Right };

// A text whose anchor point is the middle of its left edge, centre or right
// edge; a vertical text runs upwards, centred on its anchor, and stands to the
// left of it.
struct WallText {
  double x = 0, y = 0;
  std::string text;
  WallTextAlign align = WallTextAlign::Left;
  bool vertical = false;
};

// The fixed frame of the outline.
struct WallOutline {
  bool parapet = false;
  double left = 0;      // left offset of the drawing
  double wallLeft = 0;  // faces of the main wall
  double wallRight = 0;
  double parapetRight = 0;
  double parapetTop = 0;  // equal to wallTop without a parapet
  double wallTop = 0;
  double base = 0;
  int size = 9;  // wall height in steps of 405
};

struct WallDrawing {
  WallOutline outline;
  int lateralCount = 0;
  bool seismicDrawn = false;
  std::vector<WallLine> lines;
  std::vector<WallText> texts;
  // Extent of the drawing, texts taken at about 100 units a character.
  double left = 0;
  double right = 0;
  double bottom = 0;
};

// Horizontal step of the outline, twips.
inline constexpr double kOutlineStep = 405.0;

// The parapet is drawn when it is at least 0.01 ft high on a wall supported
// top and bottom; a cantilever is drawn without one.
bool DrawsParapet(float parapetHeight, bool cantilever);

// A seismic load counts as present outside -0.01 ... 0.01 lb/ft.
bool SeismicLoadPresent(float seismicLoad);

// Number of lateral load columns: 1 for a present main-wall seismic load,
// plus 1 for every wind row of type "W" or "H".
int LateralLoadCount(const WorkingForm& working, float mainWallSeismicLoad);

// Left offset of the drawing by that count: 0-1 1005, 2-3 1305, 4 or more 1815.
double LeftOffsetForCount(int count);

// The outline frame for a drawing starting `top` below the top edge.
WallOutline OutlineLayout(bool hasParapet, double left, double top);

// The whole picture of the wall with its values (the wall picture window and
// its printed page). `working` must have been converted from the entry form;
// `seismicActive` tells whether a seismic combination takes part in the
// design, and `lineWidth` is 1 on the screen and 2 on paper.
struct PlotWallOptions {
  double top = 270;
  int lineWidth = 1;
  bool seismicActive = false;
};
WallDrawing PlotWallDrawing(const Problem& problem, const SeismicResult& seismic,
                            const PlotWallOptions& options);

// The two schematic pictures of the main window: the outline with its
// dimension lines, and the outline with load arrows and the captions "Start",
// "End", "D.L." and "L.L.". They show no values and read only the span type.
WallDrawing WallDimensionsSchematic(bool cantilever, double top = 270);
WallDrawing WallLoadsSchematic(bool cantilever, double top = 270);

// The unit label of a quantity as the picture writes it: the unit file's
// label without surrounding spaces, "Kg/m" for the MKS line load.
std::string LoadUnitLabel(const UnitSystem& units, int quantity);

// The text of a value label: the value in display units with the number
// pattern of its quantity, then the unit label. Every load carries its true
// unit: wind rows "W" and the equivalent fluid pressure are pressures (psf,
// kPa, Kg/m²), wind rows "H", the seismic load and the gravity loads are
// line loads along the wall (plf, N/m, Kg/m).
std::string WallValueLabel(float workingValue, const UnitSystem& units, int quantity);

// The line of the main window's load panel for a wind row of type "W" or
// "H", with its cell texts and units: "W  25.00 psf  0.00 - 12.00 ft",
// "H  150.00 plf  at 12.00 ft".
std::string WindRowLabel(const std::array<std::string, kWindColumnCount>& row,
                         const UnitSystem& units);

}  // namespace calvix
