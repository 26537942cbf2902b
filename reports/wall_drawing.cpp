#include "reports/wall_drawing.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"

namespace calvix {

namespace {

// Drawn sizes of the outline, twips.
constexpr double kWallDrawnThickness = 750.0;
constexpr double kParapetDrawnThickness = 450.0;
constexpr double kWallFaceFromLeft = 1965.0;
// Room above the outline: the parapet's dimensions, or above a wall without
// parapet the floor / roof load with its labels.
constexpr double kRoomAboveParapet = 300.0;
constexpr double kRoomAboveWall = 800.0;
constexpr double kDimensionTick = 60.0;
constexpr double kArrowSpacing = 150.0;
// The load arrow's head: its two strokes spread 120 twips across and reach
// 75 twips back from the tip.
constexpr double kHeadSpread = 60.0;
constexpr double kHeadBack = 75.0;

std::string Trim(std::string text) {
  auto notSpace = [](unsigned char c) { return c != ' '; };
  text.erase(text.begin(), std::find_if(text.begin(), text.end(), notSpace));
  text.erase(std::find_if(text.rbegin(), text.rend(), notSpace).base(), text.end());
  return text;
}

enum class Direction { Down = 1, Up = 2, Right = 3, Left = 4 };

class Painter {
 public:
  Painter(WallDrawing& drawing, int lineWidth) : d_(drawing), width_(lineWidth) {}

  void Line(double x1, double y1, double x2, double y2, int width = 0) {
    d_.lines.push_back({x1, y1, x2, y2, width > 0 ? width : width_});
  }
  void Text(double x, double y, std::string text, WallTextAlign align = WallTextAlign::Left,
            bool vertical = false) {
    d_.texts.push_back({x, y, std::move(text), align, vertical});
  }
  // A short end mark across a dimension line.
  void Tick(double x, double y, bool acrossVertical) {
    if (acrossVertical) {
      Line(x - kDimensionTick, y, x + kDimensionTick, y);
    } else {
      Line(x, y - kDimensionTick, x, y + kDimensionTick);
    }
  }
  void VerticalDimension(double x, double yBottom, double yTop, const std::string& label) {
    Line(x, yBottom, x, yTop);
    Tick(x, yBottom, true);
    Tick(x, yTop, true);
    if (!label.empty()) Text(x - 30, (yBottom + yTop) / 2, label, WallTextAlign::Centre, true);
  }
  void HorizontalDimension(double y, double xLeft, double xRight, const std::string& label,
                           double labelX) {
    Line(xLeft, y, xRight, y);
    Tick(xLeft, y, false);
    Tick(xRight, y, false);
    if (!label.empty()) Text(labelX, y, label, WallTextAlign::Left);
  }
  void LoadArrow(double x1, double y1, double x2, double y2, Direction direction,
                 double back = kHeadBack, double spread = kHeadSpread) {
    Line(x1, y1, x2, y2);
    // The tip is the end the arrow points to.
    double tx = x2, ty = y2;
    switch (direction) {
      case Direction::Down:
        tx = x1;
        ty = std::max(y1, y2);
        break;
      case Direction::Up:
        tx = x1;
        ty = std::min(y1, y2);
        break;
      case Direction::Right:
        tx = std::max(x1, x2);
        ty = y1;
        break;
      case Direction::Left:
        tx = std::min(x1, x2);
        ty = y1;
        break;
    }
    switch (direction) {
      case Direction::Down:
        Line(tx, ty, tx - spread, ty - back);
        Line(tx, ty, tx + spread, ty - back);
        break;
      case Direction::Up:
        Line(tx, ty, tx - spread, ty + back);
        Line(tx, ty, tx + spread, ty + back);
        break;
      case Direction::Right:
        Line(tx, ty, tx - back, ty - spread);
        Line(tx, ty, tx - back, ty + spread);
        break;
      case Direction::Left:
        Line(tx, ty, tx + back, ty - spread);
        Line(tx, ty, tx + back, ty + spread);
        break;
    }
  }
  // A row of horizontal arrows between yBottom and yTop whose length runs from
  // widthBottom to widthTop, with its label standing upright to the left.
  void DistributedLoad(double x, double yBottom, double yTop, double widthBottom, double widthTop,
                       bool pointsRight, const std::string& label) {
    double span = yBottom - yTop;
    int count = std::max(2, static_cast<int>(std::floor(std::abs(span) / kArrowSpacing)) + 1);
    double wide = std::max(widthBottom, widthTop);
    // The tails stand on the back line, on the side the arrows come from.
    double back = pointsRight ? x : x + wide;
    Line(back, yBottom, back, yTop);
    for (int i = 0; i < count; ++i) {
      double f = count == 1 ? 0.0 : static_cast<double>(i) / (count - 1);
      double y = yBottom - f * span;
      double length = widthBottom + f * (widthTop - widthBottom);
      if (length < 1.0) continue;
      double tip = pointsRight ? back + length : back - length;
      LoadArrow(back, y, tip, y, pointsRight ? Direction::Right : Direction::Left, 50, 30);
    }
    if (!label.empty()) {
      Text(std::min(back, x) - 30, (yBottom + yTop) / 2, label, WallTextAlign::Centre, true);
    }
  }

 private:
  WallDrawing& d_;
  int width_;
};

// The outline of wall and parapet, the base and, for a wall supported at its
// top, the floor / roof line.
void FloorLines(Painter& p, const WallOutline& o, bool cantilever) {
  p.Line(o.wallLeft, o.wallTop, o.wallLeft, o.base);
  p.Line(o.wallRight, o.wallTop, o.wallRight, o.base);
  p.Line(o.wallLeft, o.wallTop, o.wallRight, o.wallTop);
  if (o.parapet) {
    p.Line(o.wallLeft, o.parapetTop, o.wallLeft, o.wallTop);
    p.Line(o.parapetRight, o.parapetTop, o.parapetRight, o.wallTop);
    p.Line(o.wallLeft, o.parapetTop, o.parapetRight, o.parapetTop);
  }
  // Ground at the base with its hatching.
  double groundLeft = o.wallLeft - 450, groundRight = o.wallRight + 450;
  p.Line(groundLeft, o.base, groundRight, o.base);
  for (double x = groundLeft + 90; x <= groundRight; x += 150) {
    p.Line(x, o.base, x - 90, o.base + 90);
  }
  if (!cantilever) {
    p.Line(o.wallRight, o.wallTop, o.wallRight + 900, o.wallTop);
    p.Text(o.wallRight + 100, o.wallTop + 130, "Floor / Roof");
  }
}

// Height z (ft) on the drawing: on the wall by z / WallHeight, above the wall
// top on the parapet by (z - WallHeight) / ParapetHeight.
double HeightOnDrawing(const WallOutline& o, float z, float wallHeight, float parapetHeight) {
  if (z <= wallHeight || !o.parapet || parapetHeight <= 0.0f) {
    double f = wallHeight > 0.0f ? std::clamp(z / wallHeight, 0.0f, 1.0f) : 0.0;
    return o.base - f * (o.base - o.wallTop);
  }
  double f = std::clamp((z - wallHeight) / parapetHeight, 0.0f, 1.0f);
  return o.wallTop - f * (o.wallTop - o.parapetTop);
}

// Steel position drawn at the depth d of a section drawn `drawn` wide for a
// nominal thickness t.
double DrawnDepth(float d, float t, double drawn) {
  if (t <= 0.0f) return drawn / 2;
  return std::clamp(static_cast<double>(d) / t, 0.0, 1.0) * drawn;
}

// Approximate width of a text in the 8 point drawing font.
constexpr double kCharacterWidth = 100.0;
constexpr double kTextHeight = 190.0;

void Finish(WallDrawing& drawing) {
  double left = drawing.outline.wallLeft, right = drawing.outline.wallRight;
  double bottom = drawing.outline.base;
  for (const WallLine& line : drawing.lines) {
    left = std::min({left, line.x1, line.x2});
    right = std::max({right, line.x1, line.x2});
    bottom = std::max({bottom, line.y1, line.y2});
  }
  for (const WallText& text : drawing.texts) {
    double width = kCharacterWidth * static_cast<double>(text.text.size());
    if (text.vertical) {
      left = std::min(left, text.x - kTextHeight);
      bottom = std::max(bottom, text.y + width / 2);
      continue;
    }
    double start = text.x;
    if (text.align == WallTextAlign::Centre) start -= width / 2;
    if (text.align == WallTextAlign::Right) start -= width;
    left = std::min(left, start);
    right = std::max(right, start + width);
    bottom = std::max(bottom, text.y + kTextHeight / 2);
  }
  drawing.left = left - 100;
  drawing.right = right + 100;
  drawing.bottom = bottom + 100;
}

}  // namespace

bool DrawsParapet(float parapetHeight, bool cantilever) {
  return parapetHeight >= 0.01f && !cantilever;
}

bool SeismicLoadPresent(float seismicLoad) {
  return seismicLoad < -0.01f || seismicLoad > 0.01f;
}

int LateralLoadCount(const WorkingForm& working, float mainWallSeismicLoad) {
  int count = SeismicLoadPresent(mainWallSeismicLoad) ? 1 : 0;
  for (const std::string& type : working.WindType) {
    if (type == "W" || type == "H") ++count;
  }
  return count;
}

double LeftOffsetForCount(int count) {
  if (count <= 1) return 1005;
  if (count <= 3) return 1305;
  return 1815;
}

WallOutline OutlineLayout(bool hasParapet, double left, double top) {
  WallOutline o;
  o.parapet = hasParapet;
  o.left = left;
  o.size = hasParapet ? 6 : 9;
  o.parapetTop = top + (hasParapet ? kRoomAboveParapet : kRoomAboveWall);
  o.wallTop = o.parapetTop + (hasParapet ? (9 - o.size) * kOutlineStep : 0.0);
  o.base = o.wallTop + o.size * kOutlineStep;
  o.wallLeft = left + kWallFaceFromLeft;
  o.wallRight = o.wallLeft + kWallDrawnThickness;
  o.parapetRight = o.wallLeft + (hasParapet ? kParapetDrawnThickness : kWallDrawnThickness);
  if (!hasParapet) o.parapetTop = o.wallTop;
  return o;
}

std::string LoadUnitLabel(const UnitSystem& units, int quantity) {
  std::string label = Trim(units.Label(quantity));
  // The unit file's three-character slot shortens kilograms per metre.
  if (quantity == kLineLoad && label == "K/m") return "Kg/m";
  return label;
}

std::string WallValueLabel(float workingValue, const UnitSystem& units, int quantity) {
  double display = static_cast<double>(workingValue) * units.Factor(quantity);
  return Trim(FormatNumber(display, units.Pattern(quantity))) + " " +
         LoadUnitLabel(units, quantity);
}

std::string WindRowLabel(const std::array<std::string, kWindColumnCount>& row,
                         const UnitSystem& units) {
  const bool pressure = row[kWindType] == "W";
  const std::string load = LoadUnitLabel(units, pressure ? kWindPressure : kLineLoad);
  const std::string length = LoadUnitLabel(units, kLengthLong);
  if (pressure) {
    return "W  " + row[kWindMagnitude] + " " + load + "  " + row[kWindStart] + " - " +
           row[kWindEnd] + " " + length;
  }
  return "H  " + row[kWindMagnitude] + " " + load + "  at " + row[kWindStart] + " " + length;
}

WallDrawing PlotWallDrawing(const Problem& problem, const SeismicResult& seismic,
                            const PlotWallOptions& options) {
  const WorkingForm& w = problem.working;
  const UnitSystem& u = problem.units;
  WallDrawing drawing;
  Painter p(drawing, options.lineWidth);
  bool cantilever = problem.entry.Cantilever;
  bool parapet = DrawsParapet(w.ParapetHeight, cantilever);
  drawing.lateralCount = LateralLoadCount(w, seismic.SeismicLoad[0]);
  double left = LeftOffsetForCount(drawing.lateralCount);
  WallOutline o = OutlineLayout(parapet, left, options.top);
  drawing.outline = o;
  FloorLines(p, o, cantilever);
  auto y = [&](float z) { return HeightOnDrawing(o, z, w.WallHeight, w.ParapetHeight); };

  // Dimensions: heights on the right, thicknesses and steel depths below the
  // base (main wall) and above the parapet.
  double heightX = o.wallRight + 2200;
  p.VerticalDimension(heightX, o.base, o.wallTop, WallValueLabel(w.WallHeight, u, kLengthLong));
  if (parapet) {
    p.VerticalDimension(heightX, o.wallTop, o.parapetTop,
                        WallValueLabel(w.ParapetHeight, u, kLengthLong));
  }
  p.HorizontalDimension(o.base + 250, o.wallLeft, o.wallRight,
                        "t = " + WallValueLabel(w.WallThickness, u, kLengthShort),
                        o.wallRight + 120);
  double depth = DrawnDepth(w.WallSteelDepth, w.WallThickness, kWallDrawnThickness);
  std::string depthLabel = "d = " + WallValueLabel(w.WallSteelDepth, u, kLengthShort);
  p.Line(o.wallLeft + depth, o.wallTop + 60, o.wallLeft + depth, o.base - 60);
  p.HorizontalDimension(o.base + 500, o.wallLeft, o.wallLeft + depth, depthLabel,
                        o.wallRight + 120);
  if (w.TwoLayers) {
    p.Line(o.wallRight - depth, o.wallTop + 60, o.wallRight - depth, o.base - 60);
    p.HorizontalDimension(o.base + 750, o.wallRight - depth, o.wallRight, depthLabel,
                          o.wallRight + 120);
  }
  if (parapet) {
    p.HorizontalDimension(o.parapetTop - 150, o.wallLeft, o.parapetRight,
                          "t = " + WallValueLabel(w.ParapetThickness, u, kLengthShort),
                          o.parapetRight + 120);
    double parapetDepth =
        DrawnDepth(w.ParapetSteelDepth, w.ParapetThickness, kParapetDrawnThickness);
    p.Line(o.wallLeft + parapetDepth, o.parapetTop + 60, o.wallLeft + parapetDepth, o.wallTop - 60);
    p.HorizontalDimension(o.parapetTop + 250, o.wallLeft, o.wallLeft + parapetDepth,
                          "d = " + WallValueLabel(w.ParapetSteelDepth, u, kLengthShort),
                          o.parapetRight + 120);
  }

  // Gravity loads: arrows down onto the wall on the side of their eccentricity.
  double centre = (o.wallLeft + o.wallRight) / 2;
  auto gravity = [&](float dead, float live, float eccentricity, double at) {
    double side = eccentricity >= 0.0f ? 1.0 : -1.0;
    double x = centre + side * 250;
    p.LoadArrow(x, at - 700, x, at, Direction::Down);
    WallTextAlign align = side > 0 ? WallTextAlign::Left : WallTextAlign::Right;
    double tx = x + side * 100;
    p.Text(tx, at - 620, "D.L. " + WallValueLabel(dead, u, kLineLoad), align);
    p.Text(tx, at - 430, "L.L.  " + WallValueLabel(live, u, kLineLoad), align);
    p.HorizontalDimension(at - 240, std::min(centre, x), std::max(centre, x), "", 0);
    p.Text(tx, at - 240, "e = " + WallValueLabel(eccentricity, u, kLengthShort), align);
  };
  if (w.FloorDead != 0.0f || w.FloorLive != 0.0f) {
    gravity(w.FloorDead, w.FloorLive, w.FloorEccentricity, o.wallTop);
  }
  if (w.AddDead != 0.0f || w.AddLive != 0.0f) {
    double at = y(w.AddY);
    gravity(w.AddDead, w.AddLive, w.AddEccentricity, at);
    p.VerticalDimension(o.wallRight + 1800, o.base, at, WallValueLabel(w.AddY, u, kLengthLong));
  }

  // Lateral loads, in columns to the left of the wall.
  bool seismicPresent = SeismicLoadPresent(seismic.SeismicLoad[0]);
  if (options.seismicActive && seismicPresent) {
    drawing.seismicDrawn = true;
    bool right = w.Ss >= 0.0f;
    // The seismic load is the force on the design strip per unit height: a
    // line load along the wall, as the reports print it.
    auto label = [&](float load) { return WallValueLabel(load, u, kLineLoad); };
    p.DistributedLoad(left + 900, o.base, o.wallTop, 240, 240, right,
                      "E = " + label(seismic.SeismicLoad[0]));
    if (parapet) {
      p.DistributedLoad(left + 900, o.wallTop, o.parapetTop, 240, 240, right,
                        "E = " + label(seismic.SeismicLoad[1]));
    }
  }
  double position = seismicPresent ? left + 360 : left + 900;
  std::vector<std::pair<float, float>> column;  // ranges placed in the current column
  for (int i = 0; i < w.WindRowCount(); ++i) {
    if (w.WindType[static_cast<size_t>(i)] != "W") continue;
    float start = w.WindStart[static_cast<size_t>(i)];
    float end = w.WindEnd[static_cast<size_t>(i)];
    bool overlaps = std::any_of(column.begin(), column.end(), [&](const auto& other) {
      return end > other.first && start < other.second;
    });
    if (overlaps) {
      position -= 495;
      column.clear();
    }
    column.emplace_back(start, end);
    float magnitude = w.WindMagnitude[static_cast<size_t>(i)];
    p.DistributedLoad(position, y(start), y(end), 240, 240, magnitude > 0.0f,
                      WallValueLabel(magnitude, u, kWindPressure));
  }
  for (int i = 0; i < w.WindRowCount(); ++i) {
    if (w.WindType[static_cast<size_t>(i)] != "H") continue;
    double previous = position;
    position -= 150;
    float magnitude = w.WindMagnitude[static_cast<size_t>(i)];
    double at = y(w.WindStart[static_cast<size_t>(i)]);
    bool right = magnitude > 0.0f;
    p.LoadArrow(right ? previous - 480 : previous - 150, at,
                right ? previous - 150 : previous - 480, at,
                right ? Direction::Right : Direction::Left);
    p.Text(previous - 315, at - 150, WallValueLabel(magnitude, u, kLineLoad),
           WallTextAlign::Centre);
  }
  if (w.EFP > 0.0f && w.EFPX > 0.0f) {
    double display = static_cast<double>(w.EFP) * u.Factor(kFluidDensity);
    std::string label =
        Trim(FormatNumber(display, u.Pattern(kFluidDensity))) + " " + Trim(u.Label(kFluidDensity));
    p.DistributedLoad(position - 630, o.base, y(w.EFPX), 480, 0, true, label);
  }
  Finish(drawing);
  return drawing;
}

WallDrawing WallDimensionsSchematic(bool cantilever, double top) {
  WallDrawing drawing;
  Painter p(drawing, 1);
  WallOutline o = OutlineLayout(!cantilever, 1005, top);
  drawing.outline = o;
  FloorLines(p, o, cantilever);
  double heightX = o.wallRight + 450;
  p.VerticalDimension(heightX, o.base, o.wallTop, "");
  if (o.parapet) {
    p.VerticalDimension(heightX, o.wallTop, o.parapetTop, "");
    p.HorizontalDimension(o.parapetTop - 150, o.wallLeft, o.parapetRight, "", 0);
    p.Line(o.wallLeft + 225, o.parapetTop + 60, o.wallLeft + 225, o.wallTop - 60);
    p.HorizontalDimension(o.parapetTop + 250, o.wallLeft, o.wallLeft + 225, "", 0);
  }
  p.HorizontalDimension(o.base + 250, o.wallLeft, o.wallRight, "", 0);
  p.Line(o.wallLeft + 375, o.wallTop + 60, o.wallLeft + 375, o.base - 60);
  p.HorizontalDimension(o.base + 500, o.wallLeft, o.wallLeft + 375, "", 0);
  Finish(drawing);
  return drawing;
}

WallDrawing WallLoadsSchematic(bool cantilever, double top) {
  WallDrawing drawing;
  Painter p(drawing, 1);
  WallOutline o = OutlineLayout(!cantilever, 1005, top);
  drawing.outline = o;
  FloorLines(p, o, cantilever);
  double x = (o.wallLeft + o.wallRight) / 2 + 250;
  p.LoadArrow(x, o.wallTop - 700, x, o.wallTop, Direction::Down);
  p.Text(x + 100, o.wallTop - 620, "D.L.");
  p.Text(x + 100, o.wallTop - 430, "L.L.");
  double start = o.base - 2 * kOutlineStep;
  double end = o.wallTop + kOutlineStep;
  p.DistributedLoad(o.left + 900, start, end, 240, 240, true, "");
  p.Text(o.left + 840, start, "Start", WallTextAlign::Right);
  p.Text(o.left + 840, end, "End", WallTextAlign::Right);
  Finish(drawing);
  return drawing;
}

}  // namespace calvix
