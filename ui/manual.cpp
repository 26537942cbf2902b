#include "ui/manual.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfView>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <filesystem>

namespace calvix {

bool SystemPdfViewerInstalled() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return false;
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("application/pdf")});
  if (!query.waitForFinished(5000) || query.exitCode() != 0) return false;
  return !query.readAllStandardOutput().trimmed().isEmpty();
#else
  return true;
#endif
}

ManualWindow::ManualWindow(const QString& path, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmManual"));
  setWindowTitle(QStringLiteral("Calvix Manual"));
  document_ = new QPdfDocument(this);
  document_->load(path);
  auto* view = new QPdfView(this);
  view->setObjectName(QStringLiteral("pdfManual"));
  view->setDocument(document_);
  view->setPageMode(QPdfView::PageMode::MultiPage);
  view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(820, 900);
}

bool ManualWindow::Loaded() const {
  return document_->status() == QPdfDocument::Status::Ready && document_->pageCount() > 0;
}

int ManualWindow::PageCount() const {
  return document_->pageCount();
}

ManualPathDialog::ManualPathDialog(const QString& path, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmManualPath"));
  setWindowTitle(QStringLiteral("Calvix Manual"));
  auto* text = new QLabel(
      QStringLiteral("No PDF viewer could show the manual. Open this file with a PDF viewer:"),
      this);
  text->setWordWrap(true);
  auto* field = new QLineEdit(path, this);
  field->setObjectName(QStringLiteral("txtManualPath"));
  field->setReadOnly(true);
  auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
  copy->setObjectName(QStringLiteral("cmdCopyPath"));
  connect(copy, &QPushButton::clicked, this, [path] { QApplication::clipboard()->setText(path); });
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(copy);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(field);
  layout->addLayout(buttons);
  field->setFocus();
  field->selectAll();
}

namespace {

// The manual inside Calvix, or its path when Calvix cannot read it either.
bool ShowInCalvix(const QString& path, QWidget* parent) {
  auto* window = new ManualWindow(path, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (window->Loaded()) {
    window->show();
    return true;
  }
  delete window;
  auto* dialog = new ManualPathDialog(path, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return false;
}

}  // namespace

bool OpenManual(Session& session, QWidget* parent, const ManualViewers& viewers) {
  const std::filesystem::path manual = session.folder.Manual();
  const QString path = QString::fromStdString(manual.string());
  std::error_code error;
  if (!std::filesystem::is_regular_file(manual, error)) {
    session.platform.ShowInformation("The Calvix manual could not be found:\r" + manual.string(),
                                     "File Error");
    return false;
  }
  const auto openInSystem = viewers.openInSystemViewer
                                ? viewers.openInSystemViewer
                                : [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  const bool systemViewer = viewers.systemViewerInstalled && viewers.systemViewerInstalled();
  if (systemViewer && openInSystem(QUrl::fromLocalFile(path))) return true;
  return ShowInCalvix(path, parent);
}

}  // namespace calvix
