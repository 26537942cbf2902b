// The manual inside Calvix, for a desktop without a PDF viewer: a window
// with the pages of Calvix.pdf, drawn by Qt's PDF module.
#pragma once

#include <QDialog>
#include <filesystem>

class QPdfDocument;
class QPdfView;

namespace calvix::ui {

class ManualViewer : public QDialog {
  Q_OBJECT
 public:
  ManualViewer(const std::filesystem::path& manual, QWidget* parent = nullptr);
  // The pages read from the file; 0 when it could not be read.
  int pageCount() const;

 private:
  QPdfDocument* document_;
  QPdfView* view_;
};

// Shows the manual in a ManualViewer; false (and no window) when the file
// cannot be read as a PDF document.
bool ShowManualInside(const std::filesystem::path& manual, QWidget* parent);

}  // namespace calvix::ui
