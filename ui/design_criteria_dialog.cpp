#include "ui/design_criteria_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "files/settings.h"
#include "ui/dialog_helpers.h"

namespace calvix::ui {

namespace {

void SetChecked(QRadioButton* button, bool checked) {
  QSignalBlocker block(button);
  // Exclusive groups cannot clear their last checked button otherwise.
  button->setAutoExclusive(false);
  button->setChecked(checked);
  button->setAutoExclusive(true);
}

}  // namespace

DesignCriteriaDialog::DesignCriteriaDialog(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), model_(session.problem) {
  setObjectName(QStringLiteral("frmDesignCriteria"));
  setWindowTitle(Text(DesignCriteriaDialogModel::kCaption));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabDesignCriteria"));
  layout->addWidget(tabs_);

  // General Settings.
  auto* general = new QWidget;
  auto* generalLayout = new QVBoxLayout(general);
  auto* texts = new QGridLayout;
  const char* captions[3] = {"&Project:", "&Location:", "&By:"};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(QString::fromUtf8(captions[i]), general);
    label->setObjectName(QStringLiteral("lblGeneral"));
    general_[i] = new QLineEdit(general);
    general_[i]->setObjectName(QStringLiteral("txtGeneral"));
    general_[i]->setProperty("index", i);
    general_[i]->setMinimumWidth(320);
    general_[i]->installEventFilter(this);
    label->setBuddy(general_[i]);
    texts->addWidget(label, i, 0);
    texts->addWidget(general_[i], i, 1);
  }
  generalLayout->addLayout(texts);
  auto* methodFrame = new QGroupBox(QStringLiteral("Design Method"), general);
  auto methods = AddOptionFrame(
      methodFrame,
      {"&ACI 530-99, Working Stress", "IBC 2000, &Working Stress", "IBC 2000, &Ultimate Strength"});
  aci_ = methods[0];
  ibcWorking_ = methods[1];
  ibcStrength_ = methods[2];
  aci_->setObjectName(QStringLiteral("optACI"));
  ibcWorking_->setObjectName(QStringLiteral("optIBCWorking"));
  ibcStrength_->setObjectName(QStringLiteral("optIBCStrength"));
  generalLayout->addWidget(methodFrame);
  axialMcr_ = new QCheckBox(QStringLiteral("Use Mcr = S(fr + P/A)"), general);
  axialMcr_->setObjectName(QStringLiteral("AxialMcr"));
  showAtStart_ = new QCheckBox(QStringLiteral("S&how this box at start of new problems"), general);
  showAtStart_->setObjectName(QStringLiteral("chkShowAtStart"));
  generalLayout->addWidget(axialMcr_);
  generalLayout->addWidget(showAtStart_);
  generalLayout->addStretch();
  tabs_->addTab(general, QStringLiteral("General Settings"));

  // Masonry Properties.
  auto* masonry = new QWidget;
  auto* masonryLayout = new QGridLayout(masonry);
  auto* materialFrame = new QGroupBox(QStringLiteral("Masonry Material"), masonry);
  auto materials = AddOptionFrame(
      materialFrame,
      {"&Hollow Core Concrete Masonry", "H&ollow Core Clay Masonry", "&Two Wythe Brick"},
      QStringLiteral("optMasonryMaterial"));
  for (int i = 0; i < 3; ++i) material_[i] = materials[static_cast<size_t>(i)];
  auto* mortarFrame = new QGroupBox(QStringLiteral("Mortar Material"), masonry);
  auto mortars = AddOptionFrame(mortarFrame, {"&PCL or Mortar Cement", "M&asonry Cement"});
  mortarCement_ = mortars[0];
  masonryCement_ = mortars[1];
  mortarCement_->setObjectName(QStringLiteral("optMortarCement"));
  masonryCement_->setObjectName(QStringLiteral("optMasonryCement"));
  auto* typeFrame = new QGroupBox(QStringLiteral("Mortar Type"), masonry);
  auto types = AddOptionFrame(typeFrame, {"Type &N", "Type &S", "Type &M"});
  typeN_ = types[0];
  typeS_ = types[1];
  typeM_ = types[2];
  typeN_->setObjectName(QStringLiteral("optTypeN"));
  typeS_->setObjectName(QStringLiteral("optTypeS"));
  typeM_->setObjectName(QStringLiteral("optTypeM"));
  auto* bondFrame = new QGroupBox(QStringLiteral("Block Placement"), masonry);
  auto bonds = AddOptionFrame(bondFrame, {"Stack &Bond", "&Running Bond"});
  stackBond_ = bonds[0];
  runningBond_ = bonds[1];
  stackBond_->setObjectName(QStringLiteral("optStackBond"));
  runningBond_->setObjectName(QStringLiteral("optRunningBond"));
  masonryLayout->addWidget(materialFrame, 0, 0);
  masonryLayout->addWidget(mortarFrame, 0, 1);
  masonryLayout->addWidget(typeFrame, 1, 0);
  masonryLayout->addWidget(bondFrame, 1, 1);
  masonryLayout->setRowStretch(2, 1);
  tabs_->addTab(masonry, QStringLiteral("Masonry Properties"));

  // Support Types.
  auto* support = new QWidget;
  auto* supportLayout = new QVBoxLayout(support);
  auto* spanFrame = new QGroupBox(QStringLiteral("Span Type"), support);
  auto spans =
      AddOptionFrame(spanFrame, {"&Cantilever Wall (Fixed Base)", "&Supported Top and Bottom"});
  spanType_[1] = spans[0];
  spanType_[0] = spans[1];
  for (int i = 0; i < 2; ++i) {
    spanType_[i]->setObjectName(QStringLiteral("optSpanType"));
    spanType_[i]->setProperty("index", i);
    spanType_[i]->installEventFilter(this);
  }
  auto* supportFrame = new QGroupBox(QStringLiteral("Support Type"), support);
  auto supports = AddOptionFrame(supportFrame,
                                 {"&Pinned at Base", "&Fixed at Base", "P&artially Fixed at Base"});
  pinned_ = supports[0];
  fixed_ = supports[1];
  partiallyFixed_ = supports[2];
  pinned_->setObjectName(QStringLiteral("optPinned"));
  fixed_->setObjectName(QStringLiteral("optFixed"));
  partiallyFixed_->setObjectName(QStringLiteral("optPartiallyFixed"));
  for (QRadioButton* button : {pinned_, fixed_, partiallyFixed_}) button->installEventFilter(this);
  // The percent field sits in the gap of its caption, before the "%".
  auto* percentRow = new QHBoxLayout;
  const QString caption = QStringLiteral("P&ercent Fixed  =              %");
  percentLabel_ = new QLabel(caption, supportFrame);
  percentLabel_->setObjectName(QStringLiteral("lblPercentFix"));
  percentFixed_ = new QLineEdit(percentLabel_);
  percentFixed_->setObjectName(QStringLiteral("dbPercentFixed"));
  percentFixed_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  percentLabel_->setBuddy(percentFixed_);
  QFontMetrics metrics(percentLabel_->font());
  QString shown = QString(caption).remove(QLatin1Char('&'));
  int gapStart = static_cast<int>(shown.indexOf(QLatin1Char('=')) + 2);
  int gapEnd = static_cast<int>(shown.indexOf(QLatin1Char('%')));
  int left = metrics.horizontalAdvance(shown.left(gapStart));
  int gap = metrics.horizontalAdvance(shown.mid(gapStart, gapEnd - gapStart));
  // The field takes the gap of the caption, which keeps its exact text.
  int fieldWidth = std::max(gap - 4, metrics.horizontalAdvance(QStringLiteral("100")) + 8);
  int height = metrics.height() + 8;
  percentLabel_->setMinimumHeight(height);
  percentFixed_->setGeometry(left, 0, fieldWidth, height);
  percentRow->addWidget(percentLabel_);
  percentRow->addStretch();
  static_cast<QVBoxLayout*>(supportFrame->layout())->addLayout(percentRow);
  supportLayout->addWidget(spanFrame);
  supportLayout->addWidget(supportFrame);
  supportLayout->addStretch();
  tabs_->addTab(support, QStringLiteral("Support Types"));

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdDesign"));
  ok->setProperty("index", 0);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdDesign"));
  cancel->setProperty("index", 1);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  // Interactions.
  auto method = [this](const char* code) {
    model_.ClickDesignMethod(session_.problem.entry, code);
    ShowModel();
  };
  connect(aci_, &QRadioButton::clicked, this, [method] { method("ACI"); });
  connect(ibcWorking_, &QRadioButton::clicked, this, [method] { method("IBC-W"); });
  connect(ibcStrength_, &QRadioButton::clicked, this, [method] { method("IBC-S"); });
  const char* materialCodes[3] = {"CMU", "Clay", "Brick"};
  for (int i = 0; i < 3; ++i) {
    connect(material_[i], &QRadioButton::clicked, this,
            [this, code = materialCodes[i]] { model_.ChooseMasonryMaterial(code); });
  }
  connect(mortarCement_, &QRadioButton::clicked, this,
          [this] { model_.ChooseMortarMaterial("PCL"); });
  connect(masonryCement_, &QRadioButton::clicked, this,
          [this] { model_.ChooseMortarMaterial("Masonry"); });
  connect(typeN_, &QRadioButton::clicked, this, [this] { model_.ChooseMortarType("N"); });
  connect(typeS_, &QRadioButton::clicked, this, [this] { model_.ChooseMortarType("S"); });
  connect(typeM_, &QRadioButton::clicked, this, [this] { model_.ChooseMortarType("M"); });
  connect(stackBond_, &QRadioButton::clicked, this, [this] { model_.ChooseRunningBond(false); });
  connect(runningBond_, &QRadioButton::clicked, this, [this] { model_.ChooseRunningBond(true); });
  connect(spanType_[1], &QRadioButton::clicked, this, [this] {
    model_.ChooseSpanType(true);
    ShowModel();
  });
  connect(spanType_[0], &QRadioButton::clicked, this, [this] {
    model_.ChooseSpanType(false);
    ShowModel();
  });
  auto supportClick = [this](BaseSupport choice) {
    model_.ChooseSupport(choice);
    ShowModel();
  };
  connect(pinned_, &QRadioButton::clicked, this,
          [supportClick] { supportClick(BaseSupport::Pinned); });
  connect(fixed_, &QRadioButton::clicked, this,
          [supportClick] { supportClick(BaseSupport::Fixed); });
  connect(partiallyFixed_, &QRadioButton::clicked, this,
          [supportClick] { supportClick(BaseSupport::PartiallyFixed); });
  connect(axialMcr_, &QCheckBox::toggled, this, [this](bool on) { model_.SetUseAxialMcr(on); });
  connect(showAtStart_, &QCheckBox::toggled, this, [this](bool on) { model_.SetShowAtStart(on); });
  connect(percentFixed_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetPercentFixedText(text.toStdString()); });
  connect(ok, &QPushButton::clicked, this, &DesignCriteriaDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  for (int i = 0; i < 3; ++i) general_[i]->setText(QString::fromStdString(model_.GeneralText(i)));
  ShowModel();
  // The dialog opens with the focus in its first field, not on the page tabs
  // (set once the dialog is shown: showing it gives the tabs the focus).
  QTimer::singleShot(0, general_[0], [field = general_[0]] { field->setFocus(); });
  CentreOnScreen(this);
}

void DesignCriteriaDialog::ShowModel() {
  const std::string& method = model_.DesignMethod();
  SetChecked(aci_, method == "ACI");
  SetChecked(ibcWorking_, method == "IBC-W");
  SetChecked(ibcStrength_, method == "IBC-S");
  {
    QSignalBlocker block(axialMcr_);
    axialMcr_->setChecked(model_.UseAxialMcr());
  }
  axialMcr_->setEnabled(model_.UseAxialMcrEnabled());
  {
    QSignalBlocker block(showAtStart_);
    showAtStart_->setChecked(model_.ShowAtStart());
  }
  const char* materialCodes[3] = {"CMU", "Clay", "Brick"};
  for (int i = 0; i < 3; ++i)
    SetChecked(material_[i], model_.MasonryMaterial() == materialCodes[i]);
  SetChecked(mortarCement_, model_.MortarMaterial() == "PCL");
  SetChecked(masonryCement_, model_.MortarMaterial() == "Masonry");
  SetChecked(typeN_, model_.MortarType() == "N");
  SetChecked(typeS_, model_.MortarType() == "S");
  SetChecked(typeM_, model_.MortarType() == "M");
  SetChecked(stackBond_, !model_.RunningBond());
  SetChecked(runningBond_, model_.RunningBond());
  SetChecked(spanType_[1], model_.Cantilever());
  SetChecked(spanType_[0], !model_.Cantilever());
  SetChecked(pinned_, model_.Support() == BaseSupport::Pinned);
  SetChecked(fixed_, model_.Support() == BaseSupport::Fixed);
  SetChecked(partiallyFixed_, model_.Support() == BaseSupport::PartiallyFixed);
  pinned_->setEnabled(model_.SupportEnabled(BaseSupport::Pinned));
  fixed_->setEnabled(model_.SupportEnabled(BaseSupport::Fixed));
  partiallyFixed_->setEnabled(model_.SupportEnabled(BaseSupport::PartiallyFixed));
  percentFixed_->setText(QString::fromStdString(model_.PercentFixedText()));
  percentFixed_->setEnabled(model_.PercentFixedEnabled());
  percentLabel_->setEnabled(model_.PercentFixedEnabled());
}

bool DesignCriteriaDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (QLineEdit* box : general_) {
      if (watched != box) continue;
      for (int i = 0; i < 3; ++i) model_.SetGeneralText(i, general_[i]->text().toStdString());
      bool removed = false;
      Guarded(session_.platform, "txtGeneral LostFocus", "Design Criteria",
              [this, &removed] { removed = model_.GeneralTextLeft(session_.platform); });
      if (removed) {
        for (int i = 0; i < 3; ++i) {
          general_[i]->setText(QString::fromStdString(model_.GeneralText(i)));
        }
      }
    }
  }
  if (event->type() == QEvent::FocusIn) {
    if (watched == spanType_[1] && spanType_[1]->isChecked()) {
      model_.ChooseSpanType(true);
      ShowModel();
    } else if (watched == spanType_[0] && spanType_[0]->isChecked()) {
      model_.ChooseSpanType(false);
      ShowModel();
    } else if (watched == pinned_) {
      model_.FocusSupport(BaseSupport::Pinned);
      ShowModel();
    } else if (watched == fixed_) {
      model_.FocusSupport(BaseSupport::Fixed);
      ShowModel();
    } else if (watched == partiallyFixed_) {
      model_.FocusSupport(BaseSupport::PartiallyFixed);
      ShowModel();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DesignCriteriaDialog::Ok() {
  bool done = false;
  Guarded(session_.platform, "cmdDesign Click", "Design Criteria", [this, &done] {
    for (int i = 0; i < 3; ++i) model_.SetGeneralText(i, general_[i]->text().toStdString());
    model_.SetPercentFixedText(percentFixed_->text().toStdString());
    done = model_.Ok(session_);
    if (done) {
      SettingsFile settings(session_.folder.Settings());
      WriteShowDesignCriteria(settings, model_.ShowAtStart());
    }
  });
  if (done) accept();
}

}  // namespace calvix::ui
