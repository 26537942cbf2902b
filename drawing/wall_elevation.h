// The schematic elevation of the wall (reports/wall_drawing.h) drawn with
// QPainter on any paint device: the main window, the wall picture window, its
// printed page and the calculation package share this drawing.
#pragma once

#include <QPainter>
#include <QRectF>

#include "reports/wall_drawing.h"

namespace calvix {

// Twips per device pixel on the screen at 100 % display scaling.
inline constexpr double kTwipsPerPixel = 15.0;

// Draws a wall drawing in `target` (device coordinates), scaled to fit and
// never enlarged beyond `maxScale` device pixels per twip.
void RenderWallDrawing(QPainter& painter, const WallDrawing& drawing, const QRectF& target,
                       double maxScale);

}  // namespace calvix
