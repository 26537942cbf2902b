#include "ui/small_dialogs.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/seismic_loads.h"
#include "model/field_display.h"
#include "model/number_format.h"
#include "model/program_version.h"
#include "ui/dialog_helpers.h"
#include "ui/numeric_edit.h"

namespace calvix::ui {

namespace {

// An OK / Cancel pair, both carrying the control array's object name.
std::pair<QPushButton*, QPushButton*> AddOkCancel(QDialog* dialog, QBoxLayout* layout,
                                                  const QString& objectName) {
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
  ok->setObjectName(objectName);
  ok->setProperty("index", 0);
  ok->setDefault(true);
  cancel->setObjectName(objectName);
  cancel->setProperty("index", 1);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

}  // namespace

QString ProgramNameAndVersion() {
  return QStringLiteral("Calvix  Version ") + QString::fromStdString(ProgramVersion());
}

SiteCoefficientDialog::SiteCoefficientDialog(Platform& platform, EntryForm& entry, QWidget* parent)
    : QDialog(parent), platform_(platform), entry_(entry) {
  setObjectName(QStringLiteral("frmFA"));
  setWindowTitle(Text(SiteCoefficientDialogModel::kCaption));
  SiteCoefficientDialogModel model(entry);
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(Text(SiteCoefficientDialogModel::kNote), this);
  note->setWordWrap(true);
  note->setMinimumWidth(380);
  layout->addWidget(note);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(Text(SiteCoefficientDialogModel::kFieldLabel), this);
  field_ = new NumericEdit(0, this);
  field_->setObjectName(QStringLiteral("sidbUserFa"));
  field_->setText(QString::fromStdString(model.FieldText()));
  field_->setMaximumWidth(90);
  row->addStretch();
  row->addWidget(label);
  row->addWidget(field_);
  row->addStretch();
  layout->addLayout(row);
  auto [ok, cancel] = AddOkCancel(this, layout, QStringLiteral("cmdFa"));
  Q_UNUSED(cancel);
  // OK takes the field's value before the dialog closes.
  disconnect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(ok, &QPushButton::clicked, this, [this] {
    std::string text = field_->text().toStdString();
    // A text that is not a plain number is refused; the dialog stays open.
    if (text.find_first_not_of(" \t") != std::string::npos && !ParsePlainNumber(text)) {
      platform_.Beep();
      platform_.ShowInformation(NotANumberText("the site coefficient Fa", false, text),
                                "Not a Number");
      field_->setFocus(Qt::OtherFocusReason);
      field_->selectAll();
      return;
    }
    bool done = Guarded(platform_, "cmdFa Click", "Site Coefficient", [this, &text] {
      SiteCoefficientDialogModel model(entry_);
      model.SetFieldText(text);
      model.Ok(entry_);
    });
    if (done) accept();
  });
  CentreOnScreen(this);
}

UnitsDialog::UnitsDialog(int16_t currentUnitsType, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmUnits"));
  setWindowTitle(QStringLiteral("Calvix Units"));
  auto* layout = new QVBoxLayout(this);
  auto* frame = new QGroupBox(QStringLiteral("Select a System of Units:"), this);
  auto options =
      AddOptionFrame(frame,
                     {"&U.S. Standard    (pounds and feet)", "&S.I. Metric    (newtons and meters)",
                      "&MKS Metric    (kilograms and meters)"},
                     QStringLiteral("optUnits"));
  for (size_t i = 0; i < 3; ++i) options_[i] = options[i];
  int element = currentUnitsType >= 1 && currentUnitsType <= 3 ? currentUnitsType - 1 : 0;
  options_[static_cast<size_t>(element)]->setChecked(true);
  layout->addWidget(frame);
  auto* problem = new QGroupBox(QStringLiteral("The Open Problem:"), this);
  auto changes = AddOptionFrame(
      problem, {"&Convert it to the new units", "Start a &new problem from the default data"},
      QStringLiteral("optUnitChange"));
  changeOptions_ = {changes[0], changes[1]};
  changeOptions_[0]->setChecked(true);
  layout->addWidget(problem);
  AddOkCancel(this, layout, QStringLiteral("cmdUnits"));
  options_[static_cast<size_t>(element)]->setFocus();
  CentreOnScreen(this);
}

UnitChange UnitsDialog::change() const {
  return changeOptions_[1]->isChecked() ? UnitChange::NewProblem : UnitChange::ConvertProblem;
}

int16_t UnitsDialog::selected() const {
  for (size_t i = 0; i < options_.size(); ++i) {
    if (options_[i]->isChecked()) return static_cast<int16_t>(i + 1);
  }
  return 1;
}

MasonryDataDialog::MasonryDataDialog(bool userMasonryData, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmUpdateMasonry"));
  setWindowTitle(QStringLiteral("Edit Masonry Data"));
  auto* layout = new QVBoxLayout(this);
  auto* frame = new QGroupBox(QStringLiteral("Select Masonry Update Method:"), this);
  auto options = AddOptionFrame(
      frame,
      {"Set Program to automatically calculate the DEFAULT MASONRY DATA fields",
       "Set Program to allow user to change or edit the DEFAULT MASONRY DATA fields"},
      QStringLiteral("optUpdate"));
  options_ = {options[0], options[1]};
  options_[userMasonryData ? 1 : 0]->setChecked(true);
  layout->addWidget(frame);
  auto* note = new QLabel(QStringLiteral("NOTE:   DEFAULT MASONRY DATA fields are located on the\n"
                                         "\"Masonry\" Tab   (i.e. f'm, Fb, Fv, Ft, Em, n, etc.)"),
                          this);
  layout->addWidget(note);
  AddOkCancel(this, layout, QStringLiteral("cmdUpdate"));
  CentreOnScreen(this);
}

bool MasonryDataDialog::userMasonryData() const {
  return options_[1]->isChecked();
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Calvix"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(ProgramNameAndVersion(), this);
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  name->setFont(bold);
  layout->addWidget(name);
  layout->addWidget(
      new QLabel(QStringLiteral("Analysis and design of reinforced and unreinforced masonry walls\n"
                                "under out-of-plane loads, by ACI 530-99 and IBC 2000."),
                 this));
  auto* built = new QLabel(QStringLiteral("Built ") + QString::fromStdString(BuildDate()), this);
  built->setObjectName(QStringLiteral("lblBuildDate"));
  layout->addWidget(built);
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  row->addStretch();
  row->addWidget(ok);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("frmSplash"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(36, 28, 36, 28);
  auto* name = new QLabel(ProgramNameAndVersion(), this);
  QFont big = name->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.8);
  name->setFont(big);
  layout->addWidget(name);
  layout->addWidget(
      new QLabel(QStringLiteral("Reinforced and Unreinforced Masonry Wall Design"), this));
  layout->addWidget(
      new QLabel(QStringLiteral("Featuring IBC 2000 and ACI 99 Design Codes."), this));
  setAutoFillBackground(true);
  CentreOnScreen(this);
}

PrintingNotice::PrintingNotice(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPrinting"));
  setWindowTitle(QStringLiteral("Calvix"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Printing, please wait..."), this));
  CentreOnScreen(this);
}

}  // namespace calvix::ui
