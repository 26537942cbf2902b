#include "ui/load_combination_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/field_display.h"
#include "model/number_format.h"
#include "ui/dialog_helpers.h"
#include "ui/numeric_edit.h"

namespace calvix::ui {

namespace {

// The terms of each combination after its factor box: F1 "DL +" F2 "LL", ...
struct Term {
  int factor;  // 0-11
  const char* label;
};
const std::array<std::vector<Term>, kLoadCombinationCount> kCombinationTerms{{
    {{0, "DL +"}, {1, "LL"}},
    {{2, "DL +"}, {3, "LL +"}, {4, "WL"}},
    {{5, "DL +"}, {6, "LL +"}, {7, "E"}},
    {{8, "DL +"}, {9, "WL"}},
    {{10, "DL +"}, {11, "E"}},
}};

}  // namespace

LoadCombinationDialog::LoadCombinationDialog(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), model_(session.problem.entry) {
  setObjectName(QStringLiteral("frmLoadComb"));
  setWindowTitle(Text(LoadCombinationDialogModel::kCaption));
  auto* layout = new QVBoxLayout(this);

  auto* frame = new QGroupBox(Text(LoadCombinationDialogModel::kFrameCaption), this);
  auto* frameLayout = new QVBoxLayout(frame);
  auto* options = new QHBoxLayout;
  buildingCode_ = new QRadioButton(Text(LoadCombinationDialogModel::kBuildingCodeCaption), frame);
  buildingCode_->setObjectName(QStringLiteral("OptBuildingCodeComb"));
  userDefined_ = new QRadioButton(Text(LoadCombinationDialogModel::kUserDefinedCaption), frame);
  userDefined_->setObjectName(QStringLiteral("OptUserComb"));
  options->addWidget(buildingCode_);
  options->addWidget(userDefined_);
  options->addStretch();
  frameLayout->addLayout(options);

  auto* grid = new QGridLayout;
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    selected_[k] = new QCheckBox(QStringLiteral("Comb. %1").arg(k + 1), frame);
    selected_[k]->setObjectName(QStringLiteral("chkLoadComb"));
    selected_[k]->setProperty("index", k);
    grid->addWidget(selected_[k], k, 0);
    int column = 1;
    for (const Term& term : kCombinationTerms[static_cast<size_t>(k)]) {
      auto* box = new NumericEdit(term.factor, frame);
      box->setObjectName(QStringLiteral("LCLF"));
      box->setProperty("index", term.factor);
      box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral(" 00.000")) + 12);
      factors_[static_cast<size_t>(term.factor)] = box;
      grid->addWidget(box, k, column++);
      grid->addWidget(new QLabel(QString::fromUtf8(term.label), frame), k, column++);
      connect(box, &NumericEdit::focusLeft, this, [this](int i) { FactorEdited(i); });
      connect(box, &NumericEdit::enterPressed, this, [this, box](int i) {
        FactorEdited(i);
        box->MoveOn();
      });
    }
  }
  grid->setColumnStretch(8, 1);
  frameLayout->addLayout(grid);
  layout->addWidget(frame);

  stressIncrease_ = new QCheckBox(Text(LoadCombinationDialogModel::kStressIncreaseCaption), this);
  stressIncrease_->setObjectName(QStringLiteral("chkStressIncr"));
  layout->addWidget(stressIncrease_);

  auto* useNote = new QLabel(Text(LoadCombinationDialogModel::kUseNote), this);
  useNote->setObjectName(QStringLiteral("lblCombinationUse"));
  useNote->setWordWrap(true);
  layout->addWidget(useNote);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdLoadComb"));
  ok->setProperty("index", 0);
  ok->setAutoDefault(false);
  auto* cancel = new QPushButton(Text(LoadCombinationDialogModel::kCancelCaption), this);
  cancel->setObjectName(QStringLiteral("cmdLoadComb"));
  cancel->setProperty("index", 1);
  cancel->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(buildingCode_, &QRadioButton::clicked, this, [this] {
    model_.ChooseBuildingCode();
    ShowModel();
  });
  connect(userDefined_, &QRadioButton::clicked, this, [this] {
    model_.ChooseUserDefined();
    ShowModel();
  });
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    connect(selected_[k], &QCheckBox::toggled, this,
            [this, k](bool on) { model_.SetSelected(k + 1, on); });
  }
  connect(stressIncrease_, &QCheckBox::toggled, this,
          [this](bool on) { model_.SetStressIncrease(on); });
  connect(ok, &QPushButton::clicked, this, [this] {
    bool done = false;
    Guarded(session_.platform, "cmdLoadComb Click", "Load Combinations", [this, &done] {
      for (int i = 0; i < kLoadFactorCount; ++i) FactorEdited(i);
      done = model_.Ok(session_.platform);
    });
    if (done) {
      accept();
    } else {
      ShowModel();
    }
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    model_.Cancel();
    reject();
  });
  ShowModel();
  CentreOnScreen(this);
}

void LoadCombinationDialog::FactorEdited(int i) {
  QLineEdit* box = factors_[static_cast<size_t>(i)];
  if (box->isReadOnly()) return;
  QString shown = QString::fromStdString(model_.FactorText(i));
  if (box->text() == shown) return;
  Guarded(session_.platform, "LCLF LostFocus", "Load Combinations", [this, box, i, &shown] {
    std::string text = box->text().toStdString();
    // A box left empty holds 0 as the numeric entry controls do; a text that
    // is not a plain number is refused and the factor shown before is back.
    bool blank = text.find_first_not_of(" \t") == std::string::npos;
    auto value = blank ? std::optional<double>(0.0) : ParsePlainNumber(text);
    if (!value) {
      session_.platform.Beep();
      session_.platform.ShowInformation(NotANumberText("the load factor", false, text),
                                        "Not a Number");
      box->setText(shown);
      box->setFocus(Qt::OtherFocusReason);
      return;
    }
    model_.EditFactor(i, *value);
    box->setText(QString::fromStdString(model_.FactorText(i)));
  });
}

void LoadCombinationDialog::ShowModel() {
  {
    QSignalBlocker a(buildingCode_);
    QSignalBlocker b(userDefined_);
    buildingCode_->setAutoExclusive(false);
    userDefined_->setAutoExclusive(false);
    buildingCode_->setChecked(model_.BuildingCodeChosen());
    userDefined_->setChecked(model_.UserDefinedChosen());
    buildingCode_->setAutoExclusive(true);
    userDefined_->setAutoExclusive(true);
  }
  for (int i = 0; i < kLoadFactorCount; ++i) {
    factors_[static_cast<size_t>(i)]->setText(QString::fromStdString(model_.FactorText(i)));
    factors_[static_cast<size_t>(i)]->setReadOnly(model_.FactorsReadOnly());
  }
  for (int k = 0; k < kLoadCombinationCount; ++k) {
    QSignalBlocker block(selected_[k]);
    selected_[k]->setChecked(model_.Selected(k + 1));
  }
  QSignalBlocker block(stressIncrease_);
  stressIncrease_->setChecked(model_.StressIncreaseTicked());
  stressIncrease_->setEnabled(model_.StressIncreaseEnabled());
}

}  // namespace calvix::ui
