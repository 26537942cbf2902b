#include "ui/manual_viewer.h"

#include <QDialogButtonBox>
#include <QPdfDocument>
#include <QPdfView>
#include <QVBoxLayout>

namespace calvix::ui {

ManualViewer::ManualViewer(const std::filesystem::path& manual, QWidget* parent)
    : QDialog(parent), document_(new QPdfDocument(this)), view_(new QPdfView(this)) {
  setObjectName(QStringLiteral("frmManual"));
  setWindowTitle(QStringLiteral("Calvix Manual"));
  setAttribute(Qt::WA_DeleteOnClose);
  document_->load(QString::fromStdString(manual.string()));
  view_->setObjectName(QStringLiteral("pdfManual"));
  view_->setDocument(document_);
  view_->setPageMode(QPdfView::PageMode::MultiPage);
  view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  layout->addWidget(buttons);
  resize(760, 900);
  view_->setFocus();
}

int ManualViewer::pageCount() const {
  return document_->pageCount();
}

bool ShowManualInside(const std::filesystem::path& manual, QWidget* parent) {
  auto* viewer = new ManualViewer(manual, parent);
  if (viewer->pageCount() == 0) {
    delete viewer;
    return false;
  }
  viewer->show();
  return true;
}

}  // namespace calvix::ui
