#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

namespace calvix::ui {

QString MessageTextForDisplay(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QString QtFileFilter(const std::string& filter) {
  // The filter alternates descriptions and patterns; Qt reads the pattern
  // from the description's parentheses.
  QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList names;
  for (int i = 0; i < parts.size(); i += 2) {
    QString name = parts[i];
    if (!name.contains(QLatin1Char('(')) && i + 1 < parts.size()) {
      name += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    names << name;
  }
  return names.join(QStringLiteral(";;"));
}

// Save / Don't Save / Cancel; Esc and closing the box cancel.
static MessageAnswer AskSaveDiscardCancelBox(QMessageBox& box) {
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  box.button(QMessageBox::Discard)->setText(QStringLiteral("Do&n't Save"));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == box.button(QMessageBox::Save)) return MessageAnswer::Save;
  if (clicked == box.button(QMessageBox::Discard)) return MessageAnswer::Discard;
  return MessageAnswer::Cancel;
}

MessageAnswer QtPlatform::ShowMessage(const Message& message) {
  QMessageBox box(parent_);
  switch (message.icon) {
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setText(MessageTextForDisplay(message.text));
  box.setTextFormat(Qt::PlainText);
  // A message during a solve must not show the hourglass over its buttons.
  bool wasBusy = busy_;
  if (wasBusy) QApplication::restoreOverrideCursor();
  // The window the message was started from (the results window, say) has
  // the focus again once the box is closed.
  QPointer<QWidget> owner = QApplication::activeWindow();
  MessageAnswer answer = MessageAnswer::Ok;
  if (message.buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    answer = box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  } else if (message.buttons == MessageButtons::SaveDiscardCancel) {
    answer = AskSaveDiscardCancelBox(box);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
  }
  if (wasBusy) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (owner != nullptr && owner->isVisible()) owner->activateWindow();
  return answer;
}

std::optional<std::filesystem::path> QtPlatform::ChooseFileToOpen(
    const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

std::optional<std::filesystem::path> QtPlatform::ChooseFileToSave(
    const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

void QtPlatform::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::Beep() {
  QApplication::beep();
}

}  // namespace calvix::ui
