// The design basis box of the main window: the design method, the seismic
// design category and the site coefficient Fa as the next Solve will use
// them. The window calls Refresh whenever the input may have changed.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "model/session.h"

namespace calvix::ui {

class DesignBasisPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit DesignBasisPanel(const Session& session, QWidget* parent = nullptr);

  // Shows the basis of the problem as it stands.
  void Refresh();
  // Refreshes after every edit of `fields` and every choice in `lists`.
  // Connected after the window's own handlers, it shows their outcome.
  void Follow(const std::vector<QLineEdit*>& fields, const std::vector<QComboBox*>& lists);

  QLabel* methodLabel() const { return method_; }
  QLabel* categoryLabel() const { return category_; }
  QLabel* faLabel() const { return fa_; }

 private:
  const Session& session_;
  QLabel* method_;
  QLabel* category_;
  QLabel* fa_;
};

}  // namespace calvix::ui
