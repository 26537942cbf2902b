#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/design_criteria.h"
#include "analysis/validation.h"
#include "files/default_data.h"
#include "files/program_start.h"
#include "files/project_file.h"
#include "files/settings.h"
#include "files/window_place.h"
#include "model/convert_input.h"
#include "model/entry_editing.h"
#include "model/entry_fields.h"
#include "model/errors.h"
#include "model/field_display.h"
#include "reports/results_file.h"
#include "ui/design_criteria_dialog.h"
#include "ui/dialog_helpers.h"
#include "ui/load_combination_dialog.h"
#include "ui/small_dialogs.h"
#include "ui/sweep_dialog.h"

// The toolbar icons are compiled into the ui library.
static void InitResources() {
  Q_INIT_RESOURCE(calvix);
}

namespace calvix::ui {

namespace {

const QStringList kSiteClasses = {"Class A", "Class B", "Class C", "Class D", "Class E", "Class F"};
const QStringList kUseGroups = {"I", "II", "III", "IV"};
const QStringList kS1Classes = {"< 0.75 g", "= 0.75 g", "> 0.75 g"};
const QStringList kParapetIps = {"1.0", "1.5"};

void SelectText(QComboBox* list, const std::string& text) {
  QSignalBlocker block(list);
  int index = list->findText(QString::fromStdString(text));
  if (index >= 0) list->setCurrentIndex(index);
}

QComboBox* NewList(const QString& name, const QStringList& items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->addItems(items);
  return list;
}

}  // namespace

MainWindow::MainWindow(Platform& platform, ProgramFolder folder, QWidget* parent)
    : QMainWindow(parent), session_(platform, std::move(folder)) {
  InitResources();
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Calvix[*]"));
  history_ = new ProblemHistory(session_, this);
  BuildToolbar();
  BuildMenus();
  setCentralWidget(BuildPages());
  designBasis_->Follow({fields_.begin(), fields_.end()}, {cboSiteClass_, cboUseGroup_, cboS1_});

  auto* status = new QStatusBar(this);
  for (int i = 0; i < 2; ++i) {
    statusBar_[i] = new QLabel(status);
    statusBar_[i]->setObjectName(QStringLiteral("lblStatusBar"));
    statusBar_[i]->setProperty("index", i);
  }
  status->addWidget(statusBar_[0], 1);
  status->addPermanentWidget(statusBar_[1]);
  statusBar_[1]->setText(QString::fromUtf8(kPageKeyHint));
  setStatusBar(status);

  auto* pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
  auto* pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
  connect(pageUp, &QShortcut::activated, this, [this] { PageTabs(kPageUpKey); });
  connect(pageDown, &QShortcut::activated, this, [this] { PageTabs(kPageDownKey); });
}

MainWindow::~MainWindow() = default;

void MainWindow::Guard(const char* routine, const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    session_.platform.SetBusyPointer(false);
    ReportUnexpectedFailure(session_.platform, error, routine, "Main");
  }
}

// ---------------------------------------------------------------------------
// Building the window

void MainWindow::BuildToolbar() {
  toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolbar_->setObjectName(QStringLiteral("picToolbar"));
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(24, 24));
  struct Button {
    const char* hint;
    const char* icon;
    int group;
    void (MainWindow::*command)();
  };
  const Button buttons[] = {
      {"New", "new", 0, &MainWindow::FileNew},
      {"Open", "open", 0, &MainWindow::FileOpen},
      {"Save", "save", 0, &MainWindow::FileSave},
      {"Print", "print", 0, &MainWindow::FilePrint},
      {"Design Criteria", "design-criteria", 1, &MainWindow::EditDesignCriteria},
      {"Load Combinations", "load-combinations", 1, &MainWindow::EditLoadCombinations},
      {"Solve Reinf. Wall", "solve-reinforced", 2, &MainWindow::SolveReinforced},
      {"Solve Unreinf. Wall", "solve-unreinforced", 2, &MainWindow::SolveUnreinforced},
      {"Display Wall Graphic", "wall-graphic", 2, &MainWindow::SolveGraphicPlot},
  };
  int group = 0;
  int index = 0;
  for (const Button& button : buttons) {
    if (button.group != group) toolbar_->addSeparator();
    group = button.group;
    QAction* action = toolbar_->addAction(
        QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(button.icon))),
        QString::fromUtf8(button.hint));
    action->setToolTip(QString::fromUtf8(button.hint));
    action->setObjectName(QStringLiteral("tbButton%1").arg(index++));
    connect(action, &QAction::triggered, this,
            [this, command = button.command] { (this->*command)(); });
  }
  addToolBar(Qt::TopToolBarArea, toolbar_);
}

void MainWindow::BuildMenus() {
  auto add = [this](QMenu* menu, const char* text, const QString& name, auto command) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    return action;
  };
  BuildFileMenu();
  BuildEditMenu();

  QMenu* solve = menuBar()->addMenu(QStringLiteral("&Solve"));
  solve->setObjectName(QStringLiteral("mnuSolve"));
  add(solve, "&Reinforced Wall", "mnuSolveItem0", [this] {
    SolveReinforced();
  })->setShortcut(QKeySequence(Qt::Key_F5));
  add(solve, "&Unreinforced Wall", "mnuSolveItem1", [this] {
    SolveUnreinforced();
  })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
  solve->addSeparator();
  add(solve, "&Graphic Plot", "mnuSolveItem3", [this] { SolveGraphicPlot(); });
  add(solve, "Design &Sweep...", "mnuSolveItem4", [this] { OpenSweepDialog(*this); });

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("mnuOptions"));
  add(options, "&Default Data...", "mnuOptionsItem0", [this] { OptionsDefaultData(); });
  add(options, "&Masonry Data...", "mnuOptionsItem1", [this] { OptionsMasonryData(); });
  options->addSeparator();
  add(options, "&Units...", "mnuOptionsItem3", [this] { OptionsUnits(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  add(help, "&Manual", "mnuHelpItem0", [this] {
    HelpManual();
  })->setShortcut(QKeySequence::HelpContents);
  add(help, "&About Calvix...", "mnuHelpItem1", [this] { HelpAbout(); });

  popup_ = new QMenu(QStringLiteral("PopUp"), this);
  popup_->setObjectName(QStringLiteral("mnuPopUp"));
  add(popup_, "New Problem", "mnuPopUpItem0", [this] { FileNew(); });
  add(popup_, "Open...", "mnuPopUpItem1", [this] { FileOpen(); });
  add(popup_, "Save", "mnuPopUpItem2", [this] { FileSave(); });
  popup_->addSeparator();
  add(popup_, "Design Criteria...", "mnuPopUpItem4", [this] { EditDesignCriteria(); });
  add(popup_, "Load Combinations", "mnuPopUpItem5", [this] { EditLoadCombinations(); });
  popup_->addSeparator();
  add(popup_, "Solve Reinf. Wall", "mnuPopUpItem7", [this] { SolveReinforced(); });
  add(popup_, "Solve UnReinf. Wall", "mnuPopUpItem8", [this] { SolveUnreinforced(); });
}

void MainWindow::AddFieldRows(QWidget* page, QGridLayout* grid, int first, int last, int row) {
  for (int index = first; index <= last; ++index, ++row) {
    auto* label = new QLabel(page);
    auto* subLabel = new QLabel(page);
    auto* unit = new QLabel(page);
    subLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new NumericEdit(index, page);
    edit->setObjectName(QStringLiteral("dbData"));
    edit->setProperty("index", index);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-99,999.000")) + 14);
    fields_[static_cast<size_t>(index)] = edit;
    edit->installEventFilter(this);
    labels_[static_cast<size_t>(index)] = label;
    subLabels_[static_cast<size_t>(index)] = subLabel;
    unitLabels_[static_cast<size_t>(index)] = unit;
    grid->addWidget(label, row, 0);
    grid->addWidget(subLabel, row, 1);
    grid->addWidget(edit, row, 2);
    grid->addWidget(unit, row, 3);
    connect(edit, &NumericEdit::focusEntered, this, [this](int i) { FieldFocused(i); });
    connect(edit, &QLineEdit::textEdited, this,
            [this, index](const QString& text) { FieldEdited(index, text); });
    connect(edit, &NumericEdit::focusLeft, this, [this](int i) { FieldLeft(i); });
    connect(edit, &NumericEdit::enterPressed, this, [this, edit](int i) {
      FieldLeft(i);
      MoveOnFrom(edit);
    });
  }
}

QWidget* MainWindow::BuildPages() {
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);

  tabInput_ = new QTabWidget(central);
  tabInput_->setObjectName(QStringLiteral("tabInput"));
  auto newPage = [](const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromUtf8(name));
    return page;
  };

  // Wall Data: fields 0-6 and the two option groups.
  QWidget* wall = newPage("picWallTab");
  auto* wallGrid = new QGridLayout(wall);
  AddFieldRows(wall, wallGrid, kWallHeightField, kStripWidthField);
  // Alt+L and Alt+G put the focus on the selected option of their group.
  auto* layers = new QGroupBox(QStringLiteral("Main Wall Reinf. &Layers"), wall);
  auto layerButtons = AddOptionFrame(layers, {"One Layer", "Two Layers"}, "optReinfLayers");
  reinfLayers_ = {layerButtons[0], layerButtons[1]};
  auto* grout = new QGroupBox(QStringLiteral("&Grout Spacing"), wall);
  auto groutButtons =
      AddOptionFrame(grout, {"Partially Grouted", "Solid Grouted"}, "optGroutSpacing");
  groutSpacing_ = {groutButtons[0], groutButtons[1]};
  for (QRadioButton* option :
       {layerButtons[0], layerButtons[1], groutButtons[0], groutButtons[1]}) {
    option->installEventFilter(this);
  }
  auto* options = new QHBoxLayout;
  options->addWidget(layers);
  options->addWidget(grout);
  options->addStretch();
  wallGrid->addLayout(options, 8, 0, 1, 4);
  wallGrid->setRowStretch(9, 1);
  wallGrid->setColumnStretch(4, 1);
  tabInput_->addTab(wall, QStringLiteral("Wall Data"));

  // Loads: dead and live loads, seismic and wind loads.
  tabLoads_ = new QTabWidget;
  tabLoads_->setObjectName(QStringLiteral("tabLoads"));
  QWidget* gravity = newPage("picGravityTab");
  auto* gravityGrid = new QGridLayout(gravity);
  AddFieldRows(gravity, gravityGrid, kWallWeightField, kEfpXField);
  gravityGrid->setRowStretch(10, 1);
  gravityGrid->setColumnStretch(4, 1);
  tabLoads_->addTab(gravity, QStringLiteral("Dead && Live"));
  QWidget* wind = newPage("picWindLoadTab");
  auto* windGrid = new QGridLayout(wind);
  AddFieldRows(wind, windGrid, kSsField, kVeneerWeightField);
  cboSiteClass_ = NewList("cboSiteClass", kSiteClasses, wind);
  cboUseGroup_ = NewList("cboUseGroup", kUseGroups, wind);
  cboS1_ = NewList("cboS1", kS1Classes, wind);
  cboParapetIp_ = NewList("cboParapetIp", kParapetIps, wind);
  int row = 2;
  auto addList = [&](const char* caption, QComboBox* list) {
    auto* label = new QLabel(QString::fromUtf8(caption), wind);
    label->setBuddy(list);
    windGrid->addWidget(label, row, 0, 1, 2);
    windGrid->addWidget(list, row++, 2, 1, 2, Qt::AlignLeft);
    list->installEventFilter(this);
  };
  addList("Site Class", cboSiteClass_);
  addList("Seismic Use Group", cboUseGroup_);
  addList("One Second Spectral Accel., S1", cboS1_);
  addList("Parapet Comp. Importance Factor =", cboParapetIp_);
  AddFieldRows(wind, windGrid, kZOverHField, kZOverHField, row++);
  windGrid_ = new WindLoadGrid(session_, wind);
  auto* windCaption = new QLabel(QStringLiteral("Wind Loads"), wind);
  windGrid->addWidget(windCaption, row++, 0, 1, 4);
  windGrid->addWidget(windGrid_, row++, 0, 1, 5, Qt::AlignLeft);
  windGrid->setRowStretch(row, 1);
  windGrid->setColumnStretch(4, 1);
  tabLoads_->addTab(wind, QStringLiteral("Seismic && Wind"));
  tabInput_->addTab(tabLoads_, QStringLiteral("Loads"));

  // Masonry: fields 19-30.
  QWidget* masonry = newPage("picMasonryTab");
  auto* masonryGrid = new QGridLayout(masonry);
  AddFieldRows(masonry, masonryGrid, kUnitStrengthField, kNominalMinusActualField);
  masonryGrid->setRowStretch(12, 1);
  masonryGrid->setColumnStretch(4, 1);
  tabInput_->addTab(masonry, QStringLiteral("Masonry"));

  // Materials: fields 31-34 and the masonry and mortar button.
  QWidget* materials = newPage("picMaterialTab");
  auto* materialGrid = new QGridLayout(materials);
  AddFieldRows(materials, materialGrid, kFyField, kMinSteelRatioField);
  auto* mortar = new QPushButton(QStringLiteral("Masonry && Mortar"), materials);
  mortar->setObjectName(QStringLiteral("cmdMortar"));
  materialGrid->addWidget(mortar, 5, 0, Qt::AlignLeft);
  materialGrid->setRowStretch(6, 1);
  materialGrid->setColumnStretch(4, 1);
  tabInput_->addTab(materials, QStringLiteral("Materials"));
  layout->addWidget(tabInput_, 1);

  // The small wall picture with its two view buttons.
  auto* side = new QVBoxLayout;
  auto* views = new QHBoxLayout;
  const char* viewCaptions[2] = {"Wall Dimensions", "Wall Loads"};
  const char* viewHints[2] = {"Show Wall Dimensions", "Show Wall Loads"};
  for (int i = 0; i < 2; ++i) {
    viewButtons_[i] = new QPushButton(QString::fromUtf8(viewCaptions[i]), central);
    viewButtons_[i]->setObjectName(QStringLiteral("cmdToolBar"));
    viewButtons_[i]->setProperty("index", i);
    viewButtons_[i]->setToolTip(QString::fromUtf8(viewHints[i]));
    viewButtons_[i]->setCheckable(true);
    viewButtons_[i]->setAutoExclusive(true);
    views->addWidget(viewButtons_[i]);
  }
  viewButtons_[0]->setChecked(true);
  picWallGraphic_ = new WallGraphic(session_, central);
  side->addLayout(views);
  side->addWidget(picWallGraphic_, 1);
  designBasis_ = new DesignBasisPanel(session_, central);
  side->addWidget(designBasis_);
  // The picture takes its share of a wider or taller window.
  layout->addLayout(side, 1);

  // Interactions of the pages.
  connect(viewButtons_[0], &QPushButton::clicked, this,
          [this] { picWallGraphic_->SetView(WallView::Dimensions); });
  connect(viewButtons_[1], &QPushButton::clicked, this,
          [this] { picWallGraphic_->SetView(WallView::Loads); });
  connect(tabInput_, &QTabWidget::currentChanged, this, [this](int tab) {
    // The dimensions go with the wall page, the loads with the load pages.
    if (tab == 0 || tab == 1) {
      WallView view = tab == 0 ? WallView::Dimensions : WallView::Loads;
      viewButtons_[tab == 0 ? 0 : 1]->setChecked(true);
      picWallGraphic_->SetView(view);
    }
  });
  connect(mortar, &QPushButton::clicked, this, [this] { EditDesignCriteria(); });
  connect(groutSpacing_[0], &QRadioButton::toggled, this, [this](bool on) {
    if (!on || loading_) return;
    Guard("Grout Spacing Click", [this] {
      if (!ChooseGroutSpacing(session_, 0)) ShowProblem();
      RecordEdit(QStringLiteral("Grout Spacing"));
    });
  });
  connect(groutSpacing_[1], &QRadioButton::toggled, this, [this](bool on) {
    if (!on || loading_) return;
    Guard("Grout Spacing Click", [this] {
      ChooseGroutSpacing(session_, 1);
      RecordEdit(QStringLiteral("Grout Spacing"));
    });
  });
  for (int i = 0; i < 2; ++i) {
    connect(reinfLayers_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on || loading_) return;
      Guard("Reinf Layers Click", [this, i] {
        ChooseReinforcementLayers(session_, i);
        picWallGraphic_->update();
        RecordEdit(QStringLiteral("Reinf. Layers"));
      });
    });
  }
  connect(cboSiteClass_, &QComboBox::activated, this, [this](int) {
    Guard("Site Class Click", [this] {
      std::string choice = cboSiteClass_->currentText().toStdString();
      ChooseSiteClass(session_, choice);
      if (SiteClassNeedsUserFa(choice)) {
        SiteCoefficientDialog dialog(session_.platform, session_.problem.entry, this);
        if (dialog.exec() == QDialog::Accepted) MarkInputChanged(session_.problem);
      }
      RecordEdit(QStringLiteral("Site Class"));
    });
  });
  connect(cboUseGroup_, &QComboBox::activated, this, [this](int) {
    Guard("Use Group Click", [this] {
      ChooseUseGroup(session_, cboUseGroup_->currentText().toStdString());
      RecordEdit(QStringLiteral("Seismic Use Group"));
    });
  });
  connect(cboS1_, &QComboBox::activated, this, [this](int) {
    Guard("S1 Click", [this] {
      ChooseS1Class(session_, cboS1_->currentText().toStdString());
      RecordEdit(QStringLiteral("S1"));
    });
  });
  connect(cboParapetIp_, &QComboBox::activated, this, [this](int) {
    Guard("Parapet Ip Click", [this] {
      ChooseParapetIp(session_, cboParapetIp_->currentText().toStdString());
      RecordEdit(QStringLiteral("Parapet Importance Factor"));
    });
  });
  connect(windGrid_, &WindLoadGrid::leaveGrid, this, [this] { cboSiteClass_->setFocus(); });
  connect(windGrid_, &WindLoadGrid::cellCommitted, this, [this] {
    picWallGraphic_->update();
    RecordEdit(QStringLiteral("Wind Load"));
  });
  return central;
}

// ---------------------------------------------------------------------------
// Start-up and showing the problem

bool MainWindow::StartUp() {
  bool ok = false;
  Guard("Form Load", [this, &ok] {
    StartProgram(session_);
    PaintTabs();
    windGrid_->FormatWindGrid();
    // The lists start on their first entries; the site class shows SiteClass.
    EntryForm& entry = session_.problem.entry;
    entry.ParapetIpText = kParapetIps.first().toStdString();
    entry.UseGroup = kUseGroups.first().toStdString();
    entry.S1Class = kS1Classes.first().toStdString();
    UpdateFieldsAndShow();
    RestoreWindowPlace();
    session_.problem.DataChanged = false;
    session_.problem.Designed = false;
    history_->Reset(true);
    ShowCaption();
    ok = true;
  });
  started_ = ok;
  return ok;
}

void MainWindow::ShowDesignCriteriaAtStart() {
  if (started_ && session_.problem.ShowDesignCriteria) {
    EditDesignCriteria();
    session_.problem.DataChanged = false;
    history_->Reset(true);
    ShowCaption();
  }
}

void MainWindow::PaintTabs() {
  const auto& labels = session_.display.Labels;
  for (int i = 0; i < kEntryFieldCount; ++i) {
    const auto& row = labels[static_cast<size_t>(i)];
    labels_[static_cast<size_t>(i)]->setText(QString::fromStdString(row[0]));
    subLabels_[static_cast<size_t>(i)]->setText(QString::fromStdString(row[2]));
    unitLabels_[static_cast<size_t>(i)]->setText(QString::fromStdString(row[1]));
    fields_[static_cast<size_t>(i)]->setToolTip(QString::fromStdString(FieldToolTip(session_, i)));
  }
  windGrid_->LabelGridHeadings();
}

void MainWindow::ApplyStates(const FieldStates& states) {
  states_ = states;
  for (int i = 0; i < kEntryFieldCount; ++i) {
    bool editable = states.editable[static_cast<size_t>(i)];
    NumericEdit* edit = fields_[static_cast<size_t>(i)];
    edit->setReadOnly(!editable);
    edit->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, editable ? QApplication::palette().color(QPalette::Base)
                                              : QApplication::palette().color(QPalette::Window));
    edit->setPalette(palette);
  }
  ShowProblem();
}

void MainWindow::UpdateFieldsAndShow() {
  ApplyStates(UpdateFields(session_));
}

void MainWindow::ShowProblem() {
  loading_ = true;
  const EntryForm& entry = session_.problem.entry;
  for (int i = 0; i < kEntryFieldCount; ++i) {
    NumericEdit* edit = fields_[static_cast<size_t>(i)];
    QString text = QString::fromStdString(entry.Fields[static_cast<size_t>(i)]);
    if (edit->text() != text) {
      QSignalBlocker block(edit);
      int caret = edit->cursorPosition();
      edit->setText(text);
      if (edit->hasFocus()) edit->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    }
  }
  groutSpacing_[entry.SolidGroutedSelected() ? 1 : 0]->setChecked(true);
  reinfLayers_[entry.TwoLayersSelected() ? 1 : 0]->setChecked(true);
  SelectText(cboSiteClass_, entry.SiteClass);
  SelectText(cboUseGroup_, entry.UseGroup);
  SelectText(cboS1_, entry.S1Class);
  SelectText(cboParapetIp_, entry.ParapetIpText);
  windGrid_->ShowCells();
  ShowCaption();
  picWallGraphic_->update();
  if (designBasis_ != nullptr) designBasis_->Refresh();
  loading_ = false;
}

void MainWindow::ShowCaption() {
  // "[*]" is where the title shows the mark of a problem with unsaved changes.
  setWindowTitle(QString::fromStdString(session_.window.Caption) + QStringLiteral("[*]"));
  setWindowModified(session_.problem.DataChanged);
  statusBar_[0]->setText(QString::fromStdString(session_.window.ProjectStatus));
}

void MainWindow::DoRPanelLabels() {
  picWallGraphic_->update();
}

// ---------------------------------------------------------------------------
// Entry fields

void MainWindow::FieldFocused(int index) {
  Guard("Data GotFocus", [this, index] {
    // Coming back to a field with a pending edit keeps the value it held
    // before the edit.
    if (!changed_[static_cast<size_t>(index)]) {
      valueAtFocus_[static_cast<size_t>(index)] = ValueAtFocus(session_, index);
    }
    DoRPanelLabels();
  });
}

void MainWindow::FieldEdited(int index, const QString& text) {
  if (loading_) return;
  Guard("Data Change", [this, index, &text] {
    changed_[static_cast<size_t>(index)] = true;
    auto states = EditFieldText(session_, index, text.toStdString());
    if (states) ApplyStates(*states);
    setWindowModified(session_.problem.DataChanged);
  });
}

void MainWindow::FieldLeft(int index) {
  if (!changed_[static_cast<size_t>(index)]) return;
  // The mark is cleared first: a message box shown below takes the focus away
  // from the field again.
  changed_[static_cast<size_t>(index)] = false;
  Guard("Data LostFocus", [this, index] {
    FieldLeaveOutcome outcome =
        LeaveChangedField(session_, index, valueAtFocus_[static_cast<size_t>(index)]);
    if (outcome.states) {
      ApplyStates(*outcome.states);
    } else {
      ShowProblem();
    }
    RecordEdit(QString::fromStdString(EntryFieldName(index)));
  });
}

void MainWindow::MoveOnFrom(QWidget* control) {
  int page = CurrentPage();
  if (!PageWidget(page)->isAncestorOf(control)) return;
  focusNextPrevChild(true);
  QWidget* now = QApplication::focusWidget();
  if (now == nullptr || !PageWidget(page)->isAncestorOf(now)) PageTabs(kPageDownKey);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Undo and redo keys in an entry field undo the problem's edits, not the
  // field's typing: the field does not claim them, so the Edit menu gets them.
  if (event->type() == QEvent::ShortcutOverride && qobject_cast<NumericEdit*>(watched)) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
      event->ignore();
      return true;
    }
  }
  // Enter in a list moves on to the next control, as Tab does.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (qobject_cast<QComboBox*>(watched) != nullptr ||
         qobject_cast<QRadioButton*>(watched) != nullptr)) {
      MoveOnFrom(static_cast<QWidget*>(watched));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PageTabs(int keyCode) {
  int next = calvix::PageTabs(CurrentPage(), keyCode, kInputPageCount);
  SelectPage(next);
  // The focus goes to the first control of the page, so that typing goes on there.
  QWidget* page = PageWidget(next);
  QWidget* first = page->nextInFocusChain();
  while (first != page && !(first->isVisibleTo(page) && first->isEnabled() &&
                            (first->focusPolicy() & Qt::TabFocus))) {
    first = first->nextInFocusChain();
  }
  if (first != page) first->setFocus(Qt::TabFocusReason);
}

int MainWindow::CurrentPage() const {
  int tab = tabInput_->currentIndex();
  if (tab == 0) return 0;
  if (tab == 1) return 1 + tabLoads_->currentIndex();
  return tab + 1;
}

QWidget* MainWindow::PageWidget(int page) const {
  if (page == 1 || page == 2) return tabLoads_->widget(page - 1);
  return tabInput_->widget(page == 0 ? 0 : page - 1);
}

void MainWindow::SelectPage(int page) {
  if (page == 1 || page == 2) tabLoads_->setCurrentIndex(page - 1);
  tabInput_->setCurrentIndex(page <= 2 ? std::min(page, 1) : page - 1);
}

void MainWindow::SelectTab(int tab) {
  tabInput_->setCurrentIndex(tab);
}

// ---------------------------------------------------------------------------
// Commands

void MainWindow::FilePrint() {
  Guard("Menu File Item", [this] {
    if (printResults) {
      printResults(*this);
      return;
    }
    // Without the print dialog only the check that the problem is designed
    // remains.
    CheckPrintable(session_);
  });
}

void MainWindow::EditDesignCriteria() {
  Guard("Menu Edit Item", [this] {
    DesignCriteriaDialog dialog(session_, this);
    dialog.exec();
    ApplyStates(AfterDesignCriteria(session_));
    DoRPanelLabels();
    RecordEdit(QStringLiteral("Design Criteria"));
  });
}

void MainWindow::EditLoadCombinations() {
  Guard("Menu Edit Item", [this] {
    LoadCombinationDialog dialog(session_, this);
    dialog.exec();
    RecordEdit(QStringLiteral("Load Combinations"));
  });
}

void MainWindow::Solve(bool reinforced) {
  Guard("Menu Solve Item", [this, reinforced] {
    if (auto* edit = qobject_cast<NumericEdit*>(QApplication::focusWidget()))
      FieldLeft(edit->index());
    if (windGrid_->editing() && !windGrid_->CommitEdit()) return;
    CloseResultWindows();
    SolveOutcome outcome = SolveWall(session_, reinforced, analysis_, DesignRoutinesFor(design_));
    ShowProblem();
    if (!outcome.designed) return;
    ShowStatus(QStringLiteral("Solved"));
    if (showResults) {
      showResults(*this, outcome);
      return;
    }
    const std::string& method = session_.problem.entry.DesignMethod;
    session_.platform.ShowInformation(
        std::string(reinforced ? "The reinforced wall" : "The unreinforced wall") +
            " has been designed (" + method + ").",
        kProgramTitle);
  });
}

void MainWindow::SolveGraphicPlot() {
  Guard("Menu Solve Item", [this] {
    if (auto* edit = qobject_cast<NumericEdit*>(QApplication::focusWidget()))
      FieldLeft(edit->index());
    ConvertInput(session_);
    if (!ValidateInput(session_)) return;
    // One wall picture window: created on first use, unloaded when closed.
    auto* window = findChild<WallPictureWindow*>(QStringLiteral("frmWallPicture"));
    if (window == nullptr) window = new WallPictureWindow(session_, this);
    window->show();
    window->raise();
    window->picture()->update();
  });
}

void MainWindow::OptionsDefaultData() {
  Guard("Menu Options Item", [this] { SaveDefaultValues(session_); });
}

void MainWindow::OptionsMasonryData() {
  Guard("Menu Options Item", [this] {
    MasonryDataDialog dialog(session_.problem.entry.UserMasonryData, this);
    std::optional<bool> chosen;
    if (dialog.exec() == QDialog::Accepted) chosen = dialog.userMasonryData();
    AfterMasonryDataDialog(session_, chosen);
    ShowProblem();
    RecordEdit(QStringLiteral("Masonry Data"));
  });
}

void MainWindow::HelpManual() {
  Guard("Menu Help Item", [this] {
    if (openManual) {
      openManual(*this);
      return;
    }
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(session_.folder.Manual().string())));
  });
}

void MainWindow::HelpAbout() {
  Guard("Menu Help Item", [this] {
    AboutDialog dialog(this);
    dialog.exec();
  });
}

// ---------------------------------------------------------------------------
// Window events

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->exec(event->globalPos());
}

// A kept place on the screen it opens on: no larger than the screen's free
// area and moved inside it (a size kept at another scaling can exceed it).
static QRect ClampedToScreen(const QRect& kept) {
  QScreen* screen = QGuiApplication::screenAt(kept.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return kept;
  const QRect free = screen->availableGeometry();
  const QSize size = kept.size().boundedTo(free.size());
  const int left = std::clamp(kept.left(), free.left(), free.right() + 1 - size.width());
  const int top = std::clamp(kept.top(), free.top(), free.bottom() + 1 - size.height());
  return QRect(QPoint(left, top), size);
}

void MainWindow::RestoreWindowPlace() {
  SettingsFile settings(session_.folder.Settings());
  auto place = ReadWindowPlace(settings, kMainWindowSection);
  if (!place) {
    resize(sizeHint().expandedTo(QSize(980, 640)));
    setGeometry(ClampedToScreen(geometry()));
    return;
  }
  // A place kept on a screen that is no longer there is not used.
  QRect kept(place->left, place->top, place->width, place->height);
  bool visible = false;
  for (QScreen* screen : QGuiApplication::screens()) {
    visible = visible || screen->availableGeometry().intersects(kept);
  }
  if (!visible) {
    resize(place->width, place->height);
    return;
  }
  setGeometry(ClampedToScreen(kept));
  if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::KeepWindowPlace() {
  SettingsFile settings(session_.folder.Settings());
  QRect normal = isMaximized() ? normalGeometry() : geometry();
  WriteWindowPlace(settings, kMainWindowSection,
                   {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
}

}  // namespace calvix::ui
