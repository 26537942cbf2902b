// Small helpers shared by the dialogs of the desktop program.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace calvix {
class Platform;
}

namespace calvix::ui {

inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A frame with a column of option buttons; the buttons are returned in order.
std::vector<QRadioButton*> AddOptionFrame(QGroupBox* frame,
                                          std::initializer_list<const char*> captions,
                                          const QString& objectName = {});

// Runs `action`; an unexpected failure is reported with the error report
// naming `routine` and `form`, and the handler returns (no exception leaves an
// event handler). False when it failed.
bool Guarded(Platform& platform, const char* routine, const char* form,
             const std::function<void()>& action);

// Centres a dialog on the screen when it opens.
void CentreOnScreen(QWidget* window);

}  // namespace calvix::ui
