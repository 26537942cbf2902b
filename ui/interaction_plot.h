// The axial load - moment interaction diagram window (frmPMPlot) of a
// working-stress reinforced design (ACI 530-99 2.3, IBC 2000 2107): for one
// wall part, one load combination and one bar at its accepted spacing, the
// allowable P-M curves of the strip for positive moment (steel depth d) and,
// when the steel is off centre, for negative moment (d'), together with the
// actual axial load - moment pairs at the eleven stations along the part.
// The window changes no design result: every repaint recomputes the curves
// from the current results.
#pragma once

#include <QDialog>
#include <QPainter>
#include <QRectF>
#include <QWidget>
#include <array>
#include <string>

#include "analysis/load_analysis.h"
#include "design/interaction_diagram.h"
#include "drawing/pm_diagram.h"
#include "model/session.h"

class QComboBox;
class QLabel;
class QPrinter;

namespace calvix {

// The result labels beside the diagram: caption and value, in order.
std::vector<std::pair<std::string, std::string>> PMResultLabels(const Problem& problem,
                                                                const PMPlotData& data);

// The printed page: report page header, "MASONRY WALL DATA:" and "DESIGN
// LOADS:" blocks, then the diagram and its legend. Returns whether the job was
// delivered.
bool PrintPMPlot(Session& session, QPrinter& printer, const PMPlotData& data,
                 const std::string& rebarText);

// The window.
class PMPlotWindow : public QDialog {
  Q_OBJECT
 public:
  PMPlotWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
               const DesignResults& design, int part, int combo, int bar);

  const PMPlotData& Data() const { return data_; }
  QComboBox* RebarList() const { return cboRebarDesign_; }
  // The selected load combinations; the diagram follows the one chosen.
  QComboBox* CombinationList() const { return cboLoadComb_; }
  // Selects the list entry of a bar row (none when it is not listed).
  void SelectBar(int bar);
  // Prints on `printer` (the Print button asks for one first).
  bool PrintOn(QPrinter& printer);

 private:
  void Recompute();
  void ShowGraphResults();
  void PrintClicked();

  Session& session_;
  const AnalysisResults& analysis_;
  const DesignResults& design_;
  PMPlotData data_;
  QWidget* picPMPlot_ = nullptr;
  QWidget* picLegend_ = nullptr;
  QComboBox* cboRebarDesign_ = nullptr;
  QComboBox* cboLoadComb_ = nullptr;
  std::vector<QLabel*> captions_;
  std::vector<QLabel*> values_;
};

// Opens the diagram of a working-stress reinforced design for a part, a
// combination (0: the governing combination of the part) and a bar row; the
// window deletes itself when closed.
PMPlotWindow* ShowInteractionDiagram(QWidget* parent, Session& session,
                                     const AnalysisResults& analysis, const DesignResults& design,
                                     int part, int combo, int bar);

}  // namespace calvix
