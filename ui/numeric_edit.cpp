#include "ui/numeric_edit.h"

#include <QKeyEvent>

namespace calvix::ui {

NumericEdit::NumericEdit(int index, QWidget* parent) : QLineEdit(parent), index_(index) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumericEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  emit focusEntered(index_);
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Opening a menu or a list's pop-up does not leave the field; the commands
  // of the menus take a pending edit themselves.
  if (event->reason() == Qt::PopupFocusReason) return;
  emit focusLeft(index_);
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter moves on to the next control, as Tab does.
    emit enterPressed(index_);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace calvix::ui
