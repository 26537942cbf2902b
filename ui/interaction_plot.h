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
#include "design/design_results.h"
#include "model/session.h"

class QComboBox;
class QLabel;
class QPrinter;

namespace calvix {

inline constexpr int kPMCurveColumns = 3;

// What the diagram shows; computed without any window.
struct PMPlotData {
  int part = 1;        // 1 main wall, 2 parapet
  int combo = 1;       // load combination 1-5
  int bar = 0;         // bar row of the bar table
  float spacing = 0;   // accepted spacing (in); 0: nothing is drawn
  int curveCount = 0;  // 0 (no spacing), 2 (d' = d) or 3 (d' != d)
  // Curve columns: 0 the actual pairs, 1 the allowable curve for positive
  // moment (two curves) or for negative moment with d' (three curves), 2 the
  // positive moment curve with d (three curves). Element i is point i + 1.
  std::array<std::array<float, kCurvePointCount>, kPMCurveColumns> P{};
  std::array<std::array<float, kCurvePointCount>, kPMCurveColumns> M{};
  // Stations whose moment is negative: with three curves their points are
  // drawn in the colour of the negative-moment curve they are checked against,
  // the others in the colour of the positive-moment curve.
  std::array<bool, kStationCount> negativeMoment{};
  float ratioPositive = 0;  // |M+| / Mallow at P+
  float ratioNegative = 0;  // |M-| / Mallow at P-
  float designMoment = 0;   // ft-lb, the sign with the larger ratio (negative on a tie)
  float designAxial = 0;    // lb
  float AsFurnished = 0;    // in^2 of the strip
  float AsMinimum = 0;      // in^2 of the strip
};

// The curves and the design point of part `part`, combination `combo` (0 or
// less is taken as 1, above 5 as 5) and bar row `bar`.
PMPlotData ComputePMPlot(const Problem& problem, const AnalysisResults& analysis,
                         const ReinforcedResults& results, int part, int combo, int bar);

// The legend texts of the curves in the order of their columns.
std::vector<std::string> PMLegendTexts(int curveCount);

// Draws the diagram (title, axes with tick labels in display units, grid,
// curves, design point) into `area`, and the legend into `legendArea` when it
// is not empty.
void DrawPMDiagram(QPainter& painter, const QRectF& area, const PMPlotData& data,
                   const UnitSystem& units);
void DrawPMLegend(QPainter& painter, const QRectF& area, const PMPlotData& data);

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
