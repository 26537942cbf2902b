// The platform services of the desktop program: message boxes, Yes / No
// questions, the standard file dialogs and the busy pointer, with Qt's own
// widgets.
#pragma once

#include <QString>
#include <QWidget>

#include "model/platform.h"

namespace calvix::ui {

// Line breaks inside the program's messages are single carriage returns; a
// message box wants line feeds.
QString MessageTextForDisplay(const std::string& text);

// "Calvix Files (*.cxl)|*.cxl|All Files (*.*)|*.*" as a Qt name filter list:
// "Calvix Files (*.cxl);;All Files (*.*)".
QString QtFileFilter(const std::string& filter);

class QtPlatform : public Platform {
 public:
  // Boxes and dialogs are shown over `parent` (may be null).
  explicit QtPlatform(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer ShowMessage(const Message& message) override;
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& request) override;
  void SetBusyPointer(bool busy) override;
  void Beep() override;

 private:
  QWidget* parent_;
  bool busy_ = false;
};

}  // namespace calvix::ui
