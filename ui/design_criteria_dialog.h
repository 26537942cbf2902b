// The "Design Criteria" dialog (frmDesignCriteria): the controls of the
// design criteria model of the core, on three pages.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <array>

#include "analysis/design_criteria.h"

namespace calvix::ui {

class DesignCriteriaDialog : public QDialog {
  Q_OBJECT
 public:
  DesignCriteriaDialog(Session& session, QWidget* parent = nullptr);
  DesignCriteriaDialogModel& model() { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowModel();
  void Ok();

  Session& session_;
  DesignCriteriaDialogModel model_;
  QTabWidget* tabs_;
  std::array<QLineEdit*, 3> general_{};
  QRadioButton *aci_, *ibcWorking_, *ibcStrength_;
  QCheckBox *axialMcr_, *showAtStart_;
  std::array<QRadioButton*, 3> material_{};
  QRadioButton *mortarCement_, *masonryCement_;
  QRadioButton *typeN_, *typeS_, *typeM_;
  QRadioButton *stackBond_, *runningBond_;
  std::array<QRadioButton*, 2> spanType_{};
  QRadioButton *pinned_, *fixed_, *partiallyFixed_;
  QLineEdit* percentFixed_;
  QLabel* percentLabel_;
};

}  // namespace calvix::ui
