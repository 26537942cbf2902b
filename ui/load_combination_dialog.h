// The "Load Combination Options" dialog (frmLoadComb) over the core's load
// combination model.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "analysis/load_combinations.h"
#include "model/session.h"

namespace calvix::ui {

class LoadCombinationDialog : public QDialog {
  Q_OBJECT
 public:
  LoadCombinationDialog(Session& session, QWidget* parent = nullptr);
  LoadCombinationDialogModel& model() { return model_; }

 private:
  void ShowModel();
  void FactorEdited(int i);

  Session& session_;
  LoadCombinationDialogModel model_;
  QRadioButton *buildingCode_, *userDefined_;
  std::array<QLineEdit*, kLoadFactorCount> factors_{};
  std::array<QCheckBox*, kLoadCombinationCount> selected_{};
  QCheckBox* stressIncrease_;
};

}  // namespace calvix::ui
