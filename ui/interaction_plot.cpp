#include "ui/interaction_plot.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPaintEvent>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/load_combinations.h"
#include "files/settings.h"
#include "model/errors.h"
#include "model/number_format.h"
#include "reports/report_destinations.h"
#include "reports/report_driver.h"
#include "ui/print_dialog.h"
#include "ui/printer_surface.h"

namespace calvix {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A working value in display units with the pattern and label of its quantity.
std::string DisplayValue(const UnitSystem& units, float working, int quantity) {
  const double value = static_cast<double>(working) * static_cast<double>(units.Factor(quantity));
  return Trimmed(FormatFixed(value, units.Pattern(quantity))) + " " +
         Trimmed(units.Label(quantity));
}

}  // namespace

std::vector<std::pair<std::string, std::string>> PMResultLabels(const Problem& problem,
                                                                const PMPlotData& data) {
  const UnitSystem& u = problem.units;
  const WorkingForm& w = problem.working;
  const bool parapet = data.part == kParapet;
  std::vector<std::pair<std::string, std::string>> labels;
  labels.emplace_back(parapet ? "Parapet Height" : "Wall Height",
                      DisplayValue(u, parapet ? w.ParapetHeight : w.WallHeight, kLengthLong));
  labels.emplace_back(
      parapet ? "Parapet Thick." : "Wall Thickness",
      DisplayValue(u, parapet ? w.ParapetThickness : w.WallThickness, kLengthShort));
  labels.emplace_back(
      "Depth to c.g.s.",
      DisplayValue(u, parapet ? w.ParapetSteelDepth : w.WallSteelDepth, kLengthShort));
  labels.emplace_back("Design Width", DisplayValue(u, w.StripWidth, kLengthShort));
  labels.emplace_back("Moment", DisplayValue(u, data.designMoment, kMoment));
  labels.emplace_back("Axial Load", DisplayValue(u, data.designAxial, kForce));
  labels.emplace_back("Load Comb.", CombinationLabel(data.combo, problem.entry.StressIncreaseFactor,
                                                     false, problem.entry.LoadFactors)
                                        .Label);
  // The values carry their unit; the captions name none, so that no unit
  // shows twice.
  if (data.spacing > 0.0f) {
    labels.emplace_back("Rebar", BarSpacingText(problem, data.bar, data.spacing));
    labels.emplace_back("Furnished As", DisplayValue(u, data.AsFurnished, kArea));
  } else {
    labels.emplace_back("Rebar", "N/A   ");
    labels.emplace_back("Furnished As", "N/A   ");
  }
  labels.emplace_back("Minimum As", DisplayValue(u, data.AsMinimum, kArea));
  return labels;
}

bool PrintPMPlot(Session& session, QPrinter& printer, const PMPlotData& data,
                 const std::string& rebarText) {
  const Problem& problem = session.problem;
  const UnitSystem& u = problem.units;
  const WorkingForm& w = problem.working;
  QtPrinterSurface surface(printer);
  const SettingsFile settings(session.folder.Settings());
  PrinterDestination destination(surface, settings);
  ReportDocument document;
  const ReportStamp stamp = ReportStampNow();
  const std::string end(kLineEndMark);
  auto line = [&](const std::string& text) { document.PrintLine(text + end); };
  auto value = [&](const std::string& label, float working, int quantity) {
    line(label +
         FormatFixed(static_cast<double>(working) * static_cast<double>(u.Factor(quantity)),
                     u.Pattern(quantity)) +
         " " + Trimmed(u.Label(quantity)));
  };
  // Depths to the steel show three decimals in U.S. units, as entered.
  auto depth = [&](const std::string& label, float working) {
    if (u.UnitsType == 1) {
      line(label + FormatFixed(static_cast<double>(working), "#0.000") + " " +
           Trimmed(u.Label(kLengthShort)));
    } else {
      value(label, working, kLengthShort);
    }
  };
  try {
    document.StartDocument(5, kMarginsReport, kPage85x110, destination);
    SetPageHeader(document, problem.entry, stamp);
    line("MASONRY WALL DATA:");
    line("");
    if (data.part == kParapet) {
      value("Parapet Height                 =  ", w.ParapetHeight, kLengthLong);
      value("Nominal Parapet Thickness      =  ", w.ParapetThickness, kLengthShort);
      // The parapet's own steel depth: its curves are drawn with it.
      depth("Depth to c.g. Steel, Parapet   =  ", w.ParapetSteelDepth);
    } else {
      value("Wall Height                    =  ", w.WallHeight, kLengthLong);
      value("Nominal Wall Thickness         =  ", w.WallThickness, kLengthShort);
      depth("Depth to c.g. Steel, Wall      =  ", w.WallSteelDepth);
    }
    value("Design Strip Width             =  ", w.StripWidth, kLengthShort);
    line("");
    line("DESIGN LOADS:");
    line("");
    value("Moment,                        Ms = ", data.designMoment, kMoment);
    value("Axial Load,                    Ps = ", data.designAxial, kForce);
    line("Load Combination                  = " +
         CombinationLabel(data.combo, problem.entry.StressIncreaseFactor, false,
                          problem.entry.LoadFactors)
             .Label);
    line("Rebar Design                      = " + (data.spacing > 0 ? rebarText : "N/A   "));
    const std::string area = " " + Trimmed(u.Label(kArea));
    // Steel areas: three decimals of in^2, whole mm^2.
    const char* areaPattern = u.UnitsType == 1 ? "##0.000" : "#####0";
    line("Furnished Area of Steel           = " +
         (data.spacing > 0
              ? FormatFixed(static_cast<double>(data.AsFurnished) * u.Factor(kArea), areaPattern) +
                    area
              : std::string("N/A   ")));
    line("Minimum Area of Steel             = " +
         FormatFixed(static_cast<double>(data.AsMinimum) * u.Factor(kArea), areaPattern) + area);
    const QRectF region = ReportPictureArea(document, surface);
    if (QPainter* painter = surface.Painter()) {
      const double legendHeight = region.height() * 0.12;
      const QRectF plot(region.left(), region.top(), region.width(),
                        region.height() - legendHeight);
      const QRectF legend(region.left() + region.width() * 0.2, plot.bottom(), region.width() * 0.6,
                          legendHeight);
      DrawPMDiagram(*painter, plot, data, u);
      DrawPMLegend(*painter, legend, data);
    }
  } catch (const std::exception& error) {
    document.Abandon();
    ReportUnexpectedFailure(session.platform, error, "Print Graph", "PM Plot");
    return false;
  }
  return document.EndDocument(session.platform);
}

namespace {

// A picture box that paints with a function.
class PaintBox : public QWidget {
 public:
  PaintBox(QWidget* parent, std::function<void(QPainter&, const QRectF&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter, QRectF(rect()).adjusted(4, 4, -4, -4));
  }

 private:
  std::function<void(QPainter&, const QRectF&)> paint_;
};

}  // namespace

PMPlotWindow::PMPlotWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
                           const DesignResults& design, int part, int combo, int bar)
    : QDialog(parent), session_(session), analysis_(analysis), design_(design) {
  setObjectName("frmPMPlot");
  setWindowTitle("Load - Moment Interaction Diagram");
  data_.part = part == kParapet ? kParapet : kMainWall;
  // Without a chosen combination the diagram opens on the one that governs the
  // part's moment design.
  if (combo <= 0) combo = design_.reinforced.GovCombo[PartIndex(data_.part)];
  data_.combo = std::clamp(combo, 1, kLoadCombinationCount);
  data_.bar = bar;

  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  picPMPlot_ = new PaintBox(this, [this](QPainter& painter, const QRectF& area) {
    DrawPMDiagram(painter, area, data_, session_.problem.units);
  });
  picPMPlot_->setObjectName("picPMPlot");
  picPMPlot_->setMinimumSize(560, 420);
  picLegend_ = new PaintBox(
      this, [this](QPainter& painter, const QRectF& area) { DrawPMLegend(painter, area, data_); });
  picLegend_->setObjectName("picLegend");
  picLegend_->setFixedHeight(72);
  left->addWidget(picPMPlot_, 1);
  left->addWidget(picLegend_);
  layout->addLayout(left, 1);

  auto* side = new QVBoxLayout;
  auto* rebarCaption = new QLabel("Rebar Design:", this);
  cboRebarDesign_ = new QComboBox(this);
  cboRebarDesign_->setObjectName("cboRebarDesign");
  for (const RebarEntry& entry :
       RebarEntries(session_.problem, design_, DesignRun::Reinforced, data_.part)) {
    cboRebarDesign_->addItem(QString::fromStdString(entry.text), entry.row);
  }
  side->addWidget(rebarCaption);
  side->addWidget(cboRebarDesign_);
  auto* combCaption = new QLabel("Load &Combination:", this);
  cboLoadComb_ = new QComboBox(this);
  cboLoadComb_->setObjectName("cboLoadComb");
  combCaption->setBuddy(cboLoadComb_);
  const EntryForm& entry = session_.problem.entry;
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    if (entry.LoadCombSelected[static_cast<std::size_t>(k - 1)] == 0) continue;
    const std::string label =
        CombinationLabel(k, entry.StressIncreaseFactor, false, entry.LoadFactors).Label;
    cboLoadComb_->addItem(QString::fromStdString(std::to_string(k) + ":  " + label), k);
  }
  cboLoadComb_->setCurrentIndex(cboLoadComb_->findData(data_.combo));
  side->addWidget(combCaption);
  side->addWidget(cboLoadComb_);
  auto* grid = new QGridLayout;
  const auto labels = PMResultLabels(session_.problem, data_);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto* caption = new QLabel(this);
    auto* valueLabel = new QLabel(this);
    valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, static_cast<int>(i), 0);
    grid->addWidget(valueLabel, static_cast<int>(i), 1);
    captions_.push_back(caption);
    values_.push_back(valueLabel);
  }
  side->addLayout(grid);
  side->addStretch(1);
  auto* print = new QPushButton("&Print", this);
  print->setObjectName("PrintButton");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  // Enter closes the window; printing takes a click or Alt+P.
  print->setAutoDefault(false);
  ok->setDefault(true);
  side->addWidget(print);
  side->addWidget(ok);
  layout->addLayout(side);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(print, &QPushButton::clicked, this, [this] { PrintClicked(); });
  SelectBar(bar);
  connect(cboRebarDesign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    if (!session_.problem.Designed) {
      close();
      return;
    }
    data_.bar = cboRebarDesign_->itemData(index).toInt();
    Recompute();
  });
  connect(cboLoadComb_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    data_.combo = cboLoadComb_->itemData(index).toInt();
    Recompute();
  });
  Recompute();
  resize(980, 600);
}

void PMPlotWindow::SelectBar(int bar) {
  // A bar that is not listed (no accepted spacing) leaves no entry selected.
  cboRebarDesign_->setCurrentIndex(cboRebarDesign_->findData(bar));
}

void PMPlotWindow::Recompute() {
  // The curves come from the design tables of the input as it was designed:
  // after any change nothing more is drawn from them.
  if (!session_.problem.Designed) {
    close();
    return;
  }
  data_ = ComputePMPlot(session_.problem, analysis_, design_.reinforced, data_.part, data_.combo,
                        data_.bar);
  ShowGraphResults();
  picPMPlot_->update();
  picLegend_->update();
}

void PMPlotWindow::ShowGraphResults() {
  const auto labels = PMResultLabels(session_.problem, data_);
  for (std::size_t i = 0; i < labels.size() && i < captions_.size(); ++i) {
    captions_[i]->setText(QString::fromStdString(labels[i].first));
    values_[i]->setText(QString::fromStdString(labels[i].second));
  }
}

bool PMPlotWindow::PrintOn(QPrinter& printer) {
  if (!session_.problem.Designed) {
    close();
    return false;
  }
  PrepareReportPrinter(printer);
  const std::string rebar =
      data_.spacing > 0 ? BarSpacingText(session_.problem, data_.bar, data_.spacing) : "";
  return PrintPMPlot(session_, printer, data_, rebar);
}

void PMPlotWindow::PrintClicked() {
  QPrinter printer(QPrinter::HighResolution);
  SetSettingsPaper(printer, session_);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print Interaction Diagram");
  if (dialog.exec() != QDialog::Accepted) return;
  PrintOn(printer);
}

PMPlotWindow* ShowInteractionDiagram(QWidget* parent, Session& session,
                                     const AnalysisResults& analysis, const DesignResults& design,
                                     int part, int combo, int bar) {
  auto* window = new PMPlotWindow(parent, session, analysis, design, part, combo, bar);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace calvix
