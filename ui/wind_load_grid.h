// The wind load table of the seismic and wind page (grdWindLoad) with the edit
// box laid over the cell being edited (dbWindData). The keys, moves and
// commits follow the core's wind grid rules; this widget only places the box
// and shows the entry form's cells.
#pragma once

#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>

#include "model/session.h"
#include "model/wind_grid.h"

namespace calvix::ui {

class WindLoadGrid : public QWidget {
  Q_OBJECT
 public:
  WindLoadGrid(Session& session, QWidget* parent = nullptr);

  QTableWidget* grid() const { return grid_; }
  QLineEdit* editBox() const { return box_; }
  WindCell currentCell() const { return cell_; }
  bool editing() const { return editing_; }

  // Set up rows, columns, widths, headings and row numbers, and show the
  // cells of the entry form.
  void FormatWindGrid();
  void LabelGridHeadings();
  void ShowCells();
  // Places the edit box over `cell` with the cell's text selected.
  void StartEdit(WindCell cell);
  // Commits the box; true when accepted (or when no edit was open).
  bool CommitEdit();

 signals:
  // The last cell was left with Enter or Tab: the focus goes on to the site
  // class list.
  void leaveGrid();
  // A cell of the entry form changed.
  void cellCommitted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleBoxKey(QKeyEvent* event);
  void Navigate(WindKey key);
  void PlaceBox();

  Session& session_;
  QTableWidget* grid_;
  QLineEdit* box_;
  WindCell cell_;
  bool committing_ = false;
  bool editing_ = false;  // the box lies over a cell
};

}  // namespace calvix::ui
