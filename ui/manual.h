// Help > Manual: opens the user manual "Calvix.pdf" of the program folder in
// the desktop's PDF viewer; on a desktop without one it shows the manual in a
// window of Calvix, and where even that cannot read it, it offers the path
// with a Copy button.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

#include "model/session.h"

class QPdfDocument;
class QWidget;

namespace calvix {

// Whether the desktop has an application for PDF files. On freedesktop
// systems this asks xdg-mime for the default application of
// application/pdf; elsewhere the desktop services are trusted to have one.
bool SystemPdfViewerInstalled();

// The ways Help > Manual can show the manual, replaceable in tests.
struct ManualViewers {
  std::function<bool()> systemViewerInstalled = SystemPdfViewerInstalled;
  // Opens the file in the desktop's viewer; false when it cannot.
  std::function<bool(const QUrl&)> openInSystemViewer;
};

// The manual inside Calvix: the pages of the PDF in a scrolled view.
class ManualWindow : public QDialog {
  Q_OBJECT
 public:
  ManualWindow(const QString& path, QWidget* parent);
  // Whether the document was read (false: nothing to show).
  bool Loaded() const;
  int PageCount() const;

 private:
  QPdfDocument* document_ = nullptr;
};

// The last resort: the manual's path, selectable, with a Copy button that
// puts it on the clipboard.
class ManualPathDialog : public QDialog {
  Q_OBJECT
 public:
  ManualPathDialog(const QString& path, QWidget* parent);
};

// Opens the manual. A manual that is missing is reported with a "File Error"
// message naming the file. With a PDF viewer on the desktop the manual opens
// there; without one (or when the viewer cannot be started) it opens in a
// ManualWindow, or, when that cannot read it, the ManualPathDialog offers its
// path. Returns whether the manual is shown in a viewer of either kind.
bool OpenManual(Session& session, QWidget* parent = nullptr, const ManualViewers& viewers = {});

}  // namespace calvix
