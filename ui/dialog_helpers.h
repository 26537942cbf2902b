// Small helpers shared by the dialogs of the desktop program.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QString>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace calvix::ui {

inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A frame with a column of option buttons; the buttons are returned in order.
std::vector<QRadioButton*> AddOptionFrame(QGroupBox* frame, std::initializer_list<const char*> captions,
                                          const QString& objectName = {});

// Centres a dialog on the screen when it opens.
void CentreOnScreen(QWidget* window);

}  // namespace calvix::ui
