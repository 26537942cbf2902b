// The wall picture: PlotWall and the two schematic routines draw with
// QPainter on any paint device (the screen, an image, a printer page), from
// the drawing lists of the core (reports/wall_drawing.h).
#pragma once

#include <QDialog>
#include <QPainter>
#include <QWidget>

#include "drawing/wall_elevation.h"
#include "model/session.h"
#include "reports/wall_drawing.h"

namespace calvix::ui {

using calvix::RenderWallDrawing;

// Whether a seismic combination takes part in the design of the main wall
// with the current input: the combination filter run on a copy of the
// problem, so that the picture never depends on an earlier solve.
bool SeismicCombinationActive(const Problem& problem, const SeismicResult& seismic);

// The whole picture with its values. `problem.working` must have been
// converted from the entry form. On the screen the drawing starts 270 twips
// below the top of `target`; on paper (`printer`) `target` is the page (or
// the part of it the picture may use), scaled to span 8160 by 10560 units; it
// carries the heading "GRAPHIC SUMMARY OF MASONRY WALL DATA" and the drawing
// starts 3000 units down. An unexpected failure ends the drawing and is
// reported ("Plot Wall", "Wall Picture"); false then.
bool PlotWall(QPainter& painter, Session& session, const QRectF& target, bool printer);

// The main window's small picture (picWallGraphic): the schematic of the
// chosen view with the current texts of the entry fields beside it.
enum class WallView { Dimensions, Loads };

class WallGraphic : public QWidget {
  Q_OBJECT
 public:
  WallGraphic(Session& session, QWidget* parent = nullptr);
  void SetView(WallView view);
  WallView view() const { return view_; }
  // The texts DoRPanelLabels writes for the current view, in drawing order.
  QStringList PanelLabels() const;
  QSize sizeHint() const override { return {340, 420}; }
  QSize minimumSizeHint() const override { return {300, 360}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Session& session_;
  WallView view_ = WallView::Dimensions;
};

// The wall picture window opened by Solve > Graphic Plot: the picture above
// the buttons "Return" and "Print".
class WallPictureWindow : public QDialog {
  Q_OBJECT
 public:
  WallPictureWindow(Session& session, QWidget* parent = nullptr);
  QWidget* picture() const { return picture_; }
  void Print();

 private:
  Session& session_;
  QWidget* picture_;
};

}  // namespace calvix::ui
