#include "ui/dialog_helpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "model/errors.h"
#include "model/platform.h"

namespace calvix::ui {

std::vector<QRadioButton*> AddOptionFrame(QGroupBox* frame,
                                          std::initializer_list<const char*> captions,
                                          const QString& objectName) {
  auto* layout = new QVBoxLayout(frame);
  std::vector<QRadioButton*> buttons;
  int index = 0;
  for (const char* caption : captions) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), frame);
    if (!objectName.isEmpty()) {
      button->setObjectName(objectName);
      button->setProperty("index", index);
    }
    layout->addWidget(button);
    buttons.push_back(button);
    ++index;
  }
  return buttons;
}

bool Guarded(Platform& platform, const char* routine, const char* form,
             const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    platform.SetBusyPointer(false);
    ReportUnexpectedFailure(platform, error, routine, form);
    return false;
  }
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  window->adjustSize();
  QRect area = screen->availableGeometry();
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
}

}  // namespace calvix::ui
