#include "ui/design_basis_panel.h"

#include <QFormLayout>

#include "model/design_basis.h"

namespace calvix::ui {

DesignBasisPanel::DesignBasisPanel(const Session& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Design Basis"), parent), session_(session) {
  setObjectName(QStringLiteral("fraDesignBasis"));
  auto* form = new QFormLayout(this);
  // On a narrow screen a value goes under its label rather than widening the
  // window past the screen.
  form->setRowWrapPolicy(QFormLayout::WrapLongRows);
  method_ = new QLabel(this);
  method_->setObjectName(QStringLiteral("lblDesignMethod"));
  method_->setWordWrap(true);
  category_ = new QLabel(this);
  category_->setObjectName(QStringLiteral("lblSeismicCategory"));
  fa_ = new QLabel(this);
  fa_->setObjectName(QStringLiteral("lblSiteCoefficientFa"));
  form->addRow(QStringLiteral("Design method:"), method_);
  form->addRow(QStringLiteral("Seismic design category:"), category_);
  form->addRow(QStringLiteral("Site coefficient Fa:"), fa_);
  setToolTip(
      QStringLiteral("The design method, seismic design category (IBC 2000 1616.3) and site\n"
                     "coefficient Fa (IBC 2000 Table 1615.1.2(1)) the next Solve will use"));
  Refresh();
}

void DesignBasisPanel::Refresh() {
  const DesignBasisText basis = DesignBasisOf(session_);
  method_->setText(QString::fromStdString(basis.method));
  category_->setText(QString::fromStdString(basis.category));
  fa_->setText(QString::fromStdString(basis.fa));
}

void DesignBasisPanel::Follow(const std::vector<QLineEdit*>& fields,
                              const std::vector<QComboBox*>& lists) {
  for (QLineEdit* field : fields) {
    connect(field, &QLineEdit::textEdited, this, &DesignBasisPanel::Refresh);
  }
  for (QComboBox* list : lists) {
    connect(list, &QComboBox::activated, this, &DesignBasisPanel::Refresh);
  }
}

}  // namespace calvix::ui
