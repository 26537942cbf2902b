#include "ui/results_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "analysis/load_combinations.h"
#include "analysis/wall_part.h"
#include "reports/method_reports.h"
#include "reports/strength_report.h"
#include "reports/working_stress_report.h"
#include "ui/interaction_plot.h"
#include "ui/main_window.h"
#include "ui/manual.h"
#include "ui/package_export.h"
#include "ui/print_dialog.h"
#include "ui/wall_picture.h"

namespace calvix {
namespace {

constexpr int kTabCount = kLoadCombinationCount + 1;

const char* const kTabCaptions[kTabCount] = {"Summary",           "DL + LL",   "DL + LL + Wind",
                                             "DL + LL + Seismic", "DL + Wind", "DL + Seismic"};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A two-part cell text on two lines.
QString CellText(const std::string& text) {
  const std::string right = RightStr(text);
  if (right.empty() && text.find('|') == std::string::npos) return Q(text);
  return Q(LeftStr(text)) + "\n" + Q(right);
}

QTableWidget* NewGrid(QWidget* parent, const char* name) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->setVisible(false);
  grid->setWordWrap(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The texts are columns of fixed width numbers: they line up in a
  // fixed-pitch font.
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  grid->setFont(font);
  return grid;
}

// SizeGrid: every column and row as large as its texts, and the grid exactly
// as large as its contents, so that every text shows whole (the page scrolls
// when the window is smaller).
void SizeGrid(QTableWidget* grid) {
  // Measured in the fonts the grid and its head will be shown in.
  grid->ensurePolished();
  grid->horizontalHeader()->ensurePolished();
  grid->resizeColumnsToContents();
  grid->resizeRowsToContents();
  const QHeaderView* head = grid->horizontalHeader();
  const int width = grid->frameWidth() * 2 + head->length();
  const int height = grid->frameWidth() * 2 + grid->verticalHeader()->length() +
                     (head->isVisible() ? head->sizeHint().height() : 0);
  grid->setFixedSize(width + 2, height + 2);
}

// Label / value / unit rows, the label split at its "|".
void FillRows(QTableWidget* grid, const std::vector<ResultRow>& rows) {
  grid->clear();
  grid->setColumnCount(3);
  grid->setRowCount(static_cast<int>(rows.size()));
  grid->horizontalHeader()->setVisible(false);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ResultRow& row = rows[static_cast<std::size_t>(r)];
    grid->setItem(r, 0, new QTableWidgetItem(CellText(row.label)));
    auto* value = new QTableWidgetItem(Q(row.value));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(r, 1, value);
    grid->setItem(r, 2, new QTableWidgetItem(Q(row.unit)));
  }
  SizeGrid(grid);
}

// A table with its column heads (a "\r" breaks a head into lines).
void FillGrid(QTableWidget* grid, const ResultGrid& table) {
  grid->clear();
  grid->setColumnCount(static_cast<int>(table.heads.size()));
  grid->setRowCount(static_cast<int>(table.rows.size()));
  grid->horizontalHeader()->setVisible(true);
  QStringList heads;
  for (const std::string& head : table.heads) {
    QString text = Q(head);
    text.replace('\r', '\n');
    heads << text;
  }
  grid->setHorizontalHeaderLabels(heads);
  grid->clearSpans();
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    const auto& cells = table.rows[static_cast<std::size_t>(r)];
    // A row with text in its second cell only is a note on the first cell's
    // bar ("not permitted, IBC 2000 2107.2.4", "N/A"): it runs across the row.
    const bool note =
        cells.size() > 2 && std::all_of(cells.begin() + 2, cells.end(),
                                        [](const std::string& cell) { return cell.empty(); });
    for (int c = 0; c < static_cast<int>(cells.size()) && c < grid->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(Q(cells[static_cast<std::size_t>(c)]));
      const bool left = c == 0 || (note && c == 1);
      item->setTextAlignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
      if (note && c == 1) item->setText(item->text().trimmed());
      grid->setItem(r, c, item);
    }
    if (note) grid->setSpan(r, 1, 1, grid->columnCount() - 1);
  }
  SizeGrid(grid);
}

QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setWidget(page);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  return area;
}

// The summary rows of a working-stress design start with the dimension rows.
void SplitRows(const std::vector<ResultRow>& rows, std::size_t dimensionCount,
               std::vector<ResultRow>& dimensions, std::vector<ResultRow>& analysis) {
  const std::size_t split = std::min(dimensionCount, rows.size());
  dimensions.assign(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(split));
  analysis.assign(rows.begin() + static_cast<std::ptrdiff_t>(split), rows.end());
}

}  // namespace

std::string RightStr(const std::string& text) {
  const auto bar = text.find('|');
  return bar == std::string::npos ? std::string() : text.substr(bar + 1);
}

std::string LeftStr(const std::string& text) {
  const auto bar = text.find('|');
  return bar == std::string::npos ? text : text.substr(0, bar);
}

ResultsWindow::ResultsWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
                             const DesignResults& design, DesignRun run,
                             ResultsWindowActions actions)
    : QDialog(parent),
      session_(session),
      analysis_(analysis),
      design_(design),
      run_(run),
      actions_(std::move(actions)) {
  setObjectName("frmResults");
  setWindowTitle("Calvix Results");

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  vseSummaryLbl_ = new QLabel("MAIN WALL RESULTS:", this);
  vseSummaryLbl_->setObjectName("vseSummaryLbl");
  QFont bold = vseSummaryLbl_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  vseSummaryLbl_->setFont(bold);
  top->addWidget(vseSummaryLbl_);
  top->addStretch(1);
  static const char* const kButtons[] = {"Return", "Print", "Main Wall", "Parapet",
                                         "Load Moment Diagram"};
  for (int i = 0; i < 5; ++i) {
    auto* button = new QPushButton(kButtons[i], this);
    button->setObjectName(QString("cmdResults_%1").arg(i));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, i] { ClickButton(i); });
    top->addWidget(button);
    cmdResults_.push_back(button);
  }
  // The interaction diagram belongs to working-stress reinforced designs.
  cmdResults_[4]->setEnabled(run_ == DesignRun::Reinforced);
  layout->addLayout(top);

  tabResults_ = new QTabBar(this);
  tabResults_->setObjectName("tabResults");
  for (const char* caption : kTabCaptions) tabResults_->addTab(caption);
  layout->addWidget(tabResults_);

  pages_ = new QStackedWidget(this);
  layout->addWidget(pages_, 1);

  // Summary page.
  auto* summary = new QWidget(pages_);
  auto* summaryLayout = new QGridLayout(summary);
  summaryTitle_ = new QLabel("Summary Results,  Max Load Case:", summary);
  summaryTitle_->setFont(bold);
  grdDimensions_ = NewGrid(summary, "grdDimensions");
  grdAnalysis_ = NewGrid(summary, "grdAnalysis");
  grdDesign_ = NewGrid(summary, "grdDesign");
  vsePDeltaLbl_ = new QLabel("P - Delta Results", summary);
  vsePDeltaLbl_->setObjectName("vsePDeltaLbl");
  vsePDeltaLbl_->setAlignment(Qt::AlignCenter);
  vsePDeltaLbl_->setVisible(run_ == DesignRun::Strength);
  summaryLayout->addWidget(summaryTitle_, 0, 0, 1, 2);
  summaryLayout->addWidget(grdDimensions_, 1, 0);
  summaryLayout->addWidget(grdAnalysis_, 2, 0);
  auto* designColumn = new QVBoxLayout;
  designColumn->addWidget(vsePDeltaLbl_);
  designColumn->addWidget(grdDesign_);
  designColumn->addStretch(1);
  summaryLayout->addLayout(designColumn, 1, 1, 2, 1);
  // Which combinations the part was designed for, and why others were not.
  lblCombinationsUsed_ = new QLabel(summary);
  lblCombinationsUsed_->setObjectName("lblCombinationsUsed");
  lblCombinationsUsed_->setWordWrap(true);
  summaryLayout->addWidget(lblCombinationsUsed_, 3, 0, 1, 2);
  summaryLayout->setRowStretch(4, 1);
  pages_->addWidget(Scrolled(summary));

  // Load combination page.
  auto* detail = new QWidget(pages_);
  auto* detailLayout = new QGridLayout(detail);
  auto* comboCntr = new QWidget(detail);
  comboCntr->setObjectName("vseComboCntr");
  auto* comboLayout = new QHBoxLayout(comboCntr);
  comboLayout->setContentsMargins(0, 0, 0, 0);
  comboLayout->addWidget(new QLabel("Rebar Design:", comboCntr));
  cboRebarDesign_ = new QComboBox(comboCntr);
  cboRebarDesign_->setObjectName("cboRebarDesign");
  cboRebarDesign_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  comboLayout->addWidget(cboRebarDesign_);
  comboLayout->addStretch(1);
  lblLoadComb_ = new QLabel("Load Combination:", detail);
  lblLoadComb_->setObjectName("lblLoadComb");
  auto* steel = new QHBoxLayout;
  // The steel area unit as every table of the window writes it.
  const QString areaUnit = Q(UnitText(session_.problem.units).Label(kArea));
  lblAsReqd_ = new QLabel(detail);
  lblAsReqd_->setObjectName("lblAsReqd");
  lblAsMin_ = new QLabel(detail);
  lblAsMin_->setObjectName("lblAsMin");
  for (QLabel* value : {lblAsReqd_, lblAsMin_}) {
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("000000.000"));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  lblAsReqdUnit_ = new QLabel(areaUnit, detail);
  lblAsMinUnit_ = new QLabel(areaUnit, detail);
  steel->addWidget(new QLabel("As =", detail));
  steel->addWidget(lblAsReqd_);
  steel->addWidget(lblAsReqdUnit_);
  steel->addSpacing(24);
  steel->addWidget(new QLabel("As min. =", detail));
  steel->addWidget(lblAsMin_);
  steel->addWidget(lblAsMinUnit_);
  steel->addStretch(1);
  grdForces_ = NewGrid(detail, "grdForces");
  grdDetails_ = NewGrid(detail, "grdDetails");
  detailLayout->addWidget(comboCntr, 0, 0);
  detailLayout->addWidget(lblLoadComb_, 1, 0);
  detailLayout->addLayout(steel, 2, 0);
  detailLayout->addWidget(grdForces_, 3, 0, Qt::AlignTop | Qt::AlignLeft);
  detailLayout->addWidget(grdDetails_, 0, 1, 4, 1, Qt::AlignTop);
  detailLayout->setRowStretch(4, 1);
  pages_->addWidget(Scrolled(detail));

  connect(tabResults_, &QTabBar::currentChanged, this, [this](int tab) { TabChanged(tab); });
  connect(cboRebarDesign_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (filling_ || !StillDesigned()) return;
    const int tab = tabResults_->currentIndex();
    if (tab >= 1) ShowDetailResults(tab, SelectedChoice(), GetInfo());
  });

  // The window's own key handler sees the keys before the grids and lists.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QTableWidget* ResultsWindow::Grid(const char* name) const {
  return findChild<QTableWidget*>(name);
}

int ResultsWindow::GetInfo() const {
  return vseSummaryLbl_->text().contains("MAIN") ? kMainWall : kParapet;
}

int ResultsWindow::SelectedChoice() const {
  const int index = cboRebarDesign_->currentIndex();
  return index >= 0 ? cboRebarDesign_->itemData(index).toInt() : -1;
}

void ResultsWindow::FillRebarList(int part) {
  filling_ = true;
  cboRebarDesign_->clear();
  for (const RebarEntry& entry : RebarEntries(session_.problem, design_, run_, part)) {
    cboRebarDesign_->addItem(Q(entry.text), entry.row);
  }
  if (cboRebarDesign_->count() > 0) cboRebarDesign_->setCurrentIndex(0);
  filling_ = false;
}

void ResultsWindow::ShowSummaryResults(int part, int16_t& errorCode) {
  errorCode = 0;
  const Problem& problem = session_.problem;
  std::vector<ResultRow> dimensions;
  std::vector<ResultRow> analysis;
  ResultGrid table;
  switch (run_) {
    case DesignRun::Strength: {
      const StrengthSummaryTables s = StrengthSummary(problem, analysis_, design_.strength, part);
      dimensions = s.dimensions;
      analysis = s.analysis;
      table = s.bars;
      break;
    }
    case DesignRun::Reinforced: {
      const ReinforcedSummary s =
          BuildReinforcedSummary(problem, analysis_, design_.reinforced, part);
      SplitRows(s.rows, DimensionRows(problem, false).size(), dimensions, analysis);
      table = s.bars;
      break;
    }
    case DesignRun::Unreinforced: {
      const UnreinforcedSummary s =
          BuildUnreinforcedSummary(problem, analysis_, design_.unreinforced, part);
      SplitRows(s.rows, DimensionRows(problem, true).size(), dimensions, analysis);
      table = s.cases;
      break;
    }
    case DesignRun::None:
      break;
  }
  FillRows(grdDimensions_, dimensions);
  FillRows(grdAnalysis_, analysis);
  FillGrid(grdDesign_, table);
  ShowPart(part);
  show();
}

void ResultsWindow::ShowPart(int part) {
  vseSummaryLbl_->setText(part == kParapet ? "PARAPET WALL RESULTS:" : "MAIN WALL RESULTS:");
  FillRebarList(part);
  // A combination the part was not designed for, or a part without any
  // reinforcement to detail, has no page.
  const auto combinations = CombinationsOfPart(session_.problem, analysis_, part);
  const CombinationUseText use =
      DescribeCombinationUse(CombinationUseOfPart(session_.problem, analysis_.Seismic, part));
  lblCombinationsUsed_->setText(
      Q("Combinations used: " + use.used +
        (use.notUsed.empty() ? std::string() : ".   Not used: " + use.notUsed)));
  const bool detail = cboRebarDesign_->count() > 0;
  for (int k = 1; k <= kLoadCombinationCount; ++k) {
    tabResults_->setTabEnabled(k, detail && combinations[static_cast<std::size_t>(k - 1)]);
  }
  const int tab = tabResults_->currentIndex();
  if (tab >= 1 && !tabResults_->isTabEnabled(tab)) {
    tabResults_->setCurrentIndex(0);
  } else {
    TabChanged(tab);
  }
}

void ResultsWindow::ShowDetailResults(int tab, int choice, int part) {
  const Problem& problem = session_.problem;
  const int k = std::clamp(tab, 1, kLoadCombinationCount);
  const UnitText units(problem.units);
  const std::string none = "N/A   ";
  std::string asFurnished = none;
  std::string asMinimum = none;
  const auto area = [&](float working) { return TrimLeft(units.Number(working, kArea)); };
  switch (run_) {
    case DesignRun::Strength: {
      const StrengthDetailValues d =
          StrengthDetail(problem, analysis_, design_.strength, k, choice, part);
      const StrengthDetailGrids grids = StrengthDetailTables(problem, d);
      FillGrid(grdForces_, grids.stations);
      FillRows(grdDetails_, grids.properties);
      if (d.s > 0) {
        asFurnished = area(d.AsFurnished);
        asMinimum = area(d.AsMin);
      }
      break;
    }
    case DesignRun::Reinforced: {
      const ReinforcedDetail d = ComputeReinforcedDetail(problem, design_.reinforced, choice, part);
      const WorkingStressDetailTables t = BuildReinforcedDetail(problem, analysis_, d, part, k);
      FillGrid(grdForces_, t.stations);
      FillRows(grdDetails_, t.properties);
      if (d.s > 0) {
        asFurnished = area(d.AsFurnished);
        asMinimum = area(d.AsMin);
      }
      break;
    }
    case DesignRun::Unreinforced: {
      const UnreinforcedDetail d =
          ComputeUnreinforcedDetail(problem, analysis_, design_.unreinforced, choice, part);
      const WorkingStressDetailTables t = BuildUnreinforcedDetail(problem, d, k);
      FillGrid(grdForces_, t.stations);
      FillRows(grdDetails_, t.properties);
      break;
    }
    case DesignRun::None:
      break;
  }
  const std::string label = CombinationLabel(k, problem.entry.StressIncreaseFactor,
                                             run_ == DesignRun::Strength, problem.entry.LoadFactors)
                                .Label;
  lblLoadComb_->setText(Q("Load Combination:  " + label));
  lblAsReqd_->setText(Q(asFurnished));
  lblAsMin_->setText(Q(asMinimum));
}

bool ResultsWindow::StillDesigned() {
  // The tables belong to the input they were designed with: after any change
  // of the input (or another problem) nothing more is computed from them.
  if (session_.problem.Designed) return true;
  close();
  return false;
}

void ResultsWindow::TabChanged(int tab) {
  if (tab <= 0) {
    pages_->setCurrentIndex(0);
    return;
  }
  if (!filling_ && !StillDesigned()) return;
  pages_->setCurrentIndex(1);
  if (cboRebarDesign_->count() > 0) ShowDetailResults(tab, SelectedChoice(), GetInfo());
}

void ResultsWindow::ClickButton(int index) {
  if (index >= 2 && !StillDesigned()) return;
  switch (index) {
    case 0:
      close();
      break;
    case 1:
      if (actions_.print) actions_.print();
      break;
    case 2: {
      // Both buttons switch the part for every design; only the list of
      // reinforcement depends on the design table.
      int16_t code = 0;
      ShowSummaryResults(kMainWall, code);
      break;
    }
    case 3: {
      if (!(session_.problem.working.ParapetHeight > 0.0f)) {
        session_.platform.ShowInformation(
            "Parapet results cannot be displayed.  No parapet\rwas defined in the input data.",
            "Message");
        break;
      }
      int16_t code = 0;
      ShowSummaryResults(kParapet, code);
      break;
    }
    case 4:
      // The interaction diagram belongs to working-stress reinforced designs.
      if (run_ == DesignRun::Reinforced && actions_.openDiagram) {
        // From the summary (tab 0) the diagram opens on the governing combination.
        actions_.openDiagram(GetInfo(), tabResults_->currentIndex(), SelectedChoice());
      }
      break;
    default:
      break;
  }
}

void ResultsWindow::StepTab(int direction) {
  const int count = tabResults_->count();
  int tab = tabResults_->currentIndex();
  for (int i = 0; i < count; ++i) {
    tab = (tab + direction + count) % count;
    if (tabResults_->isTabEnabled(tab)) break;
  }
  tabResults_->setCurrentIndex(tab);
}

void ResultsWindow::StepRow(int direction) {
  QTableWidget* grid = tabResults_->currentIndex() == 0 ? grdDesign_ : grdForces_;
  const int rows = grid->rowCount();
  if (rows == 0) return;
  const int row = grid->currentRow();
  const int next = row < 0 ? (direction > 0 ? 0 : rows - 1) : (row + direction + rows) % rows;
  grid->setCurrentCell(next, 0);
  grid->selectRow(next);
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown:
      StepTab(1);
      break;
    case Qt::Key_PageUp:
      StepTab(-1);
      break;
    case Qt::Key_Down:
      StepRow(1);
      break;
    case Qt::Key_Up:
      StepRow(-1);
      break;
    case Qt::Key_Escape:
      ClickButton(0);
      break;
    default:
      QDialog::keyPressEvent(event);
      return;
  }
  event->accept();
}

void ResultsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The heads and rows take their final fonts when the window is shown.
  for (QTableWidget* grid : {grdDimensions_, grdAnalysis_, grdDesign_, grdForces_, grdDetails_}) {
    SizeGrid(grid);
  }
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_PageDown:
      case Qt::Key_PageUp:
      case Qt::Key_Down:
      case Qt::Key_Up:
      case Qt::Key_Escape:
        keyPressEvent(key);
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

ResultsWindow* ShowResultsWindow(QWidget* parent, Session& session, const AnalysisResults& analysis,
                                 const DesignResults& design, DesignRun run,
                                 ResultsWindowActions actions) {
  auto* window = new ResultsWindow(parent, session, analysis, design, run, std::move(actions));
  window->setAttribute(Qt::WA_DeleteOnClose);
  int16_t code = 0;
  window->ShowSummaryResults(kMainWall, code);
  window->resize(1100, 720);
  return window;
}

void ConnectReportWindows(ui::MainWindow& window) {
  struct Shared {
    PrintDialogState print;
    QPointer<ResultsWindow> results;
  };
  auto shared = std::make_shared<Shared>();

  window.printResults = [shared](ui::MainWindow& main) {
    Session& session = main.session();
    PrintJob job;
    job.design = &main.design();
    job.analysis = &main.analysis();
    job.run = DesignRunOf(session.problem);
    job.hooks = MethodReportHooks(session.problem, main.analysis(), main.design());
    job.wallPicture = [&session](QPainter& painter, const QRectF& area) {
      ui::PlotWall(painter, session, area, true);
    };
    bool printed = false;
    RunPrintDialog(&main, session, shared->print, std::move(job), &printed);
    if (printed) main.ShowStatus(QStringLiteral("Printed"));
  };

  window.openInteractionDiagram = [](ui::MainWindow& main, int part, int combination, int bar) {
    ShowInteractionDiagram(&main, main.session(), main.analysis(), main.design(), part, combination,
                           bar);
  };

  window.showResults = [shared](ui::MainWindow& main, const SolveOutcome& outcome) {
    // A new solve replaces the window of the last one.
    if (shared->results) shared->results->close();
    ResultsWindowActions actions;
    // After printing or its messages the results window has the focus again.
    actions.print = [&main, shared] {
      main.FilePrint();
      if (shared->results) shared->results->activateWindow();
    };
    actions.openDiagram = [&main](int part, int combination, int bar) {
      if (main.openInteractionDiagram) main.openInteractionDiagram(main, part, combination, bar);
    };
    shared->results = ShowResultsWindow(&main, main.session(), main.analysis(), main.design(),
                                        outcome.design, std::move(actions));
  };

  window.openManual = [](ui::MainWindow& main) { OpenManual(main.session(), &main); };
}

void SaveReportWindowPictures(ui::MainWindow& window, const QString& directory,
                              const QString& prefix) {
  const auto save = [&](QWidget* widget, const char* name) {
    QApplication::processEvents();
    widget->grab().save(directory + "/" + prefix + name + ".png");
  };
  window.SolveReinforced();
  auto* results = window.findChild<ResultsWindow*>("frmResults");
  if (results == nullptr) return;
  results->resize(1100, 720);
  save(results, "results-summary");
  results->Tabs()->setCurrentIndex(2);
  save(results, "results-load-case");
  results->ClickButton(4);
  if (auto* plot = window.findChild<PMPlotWindow*>("frmPMPlot")) {
    save(plot, "interaction-diagram");
    plot->close();
  }
  results->close();
}

}  // namespace calvix
