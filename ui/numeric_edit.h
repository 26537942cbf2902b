// The numeric entry field of the input pages and dialogs: a line edit that
// shows the field's text with its decimals and tells its owner when it
// receives the focus, when Enter is pressed and when it loses the focus. It
// takes every character as typed; the owner refuses a text that is not a
// plain number with a message when the field is left, so that nothing typed
// is dropped or joined without a word.
#pragma once

#include <QLineEdit>

namespace calvix::ui {

class NumericEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumericEdit(int index, QWidget* parent = nullptr);
  int index() const { return index_; }
  // Moves the focus on to the next control, as Tab does.
  void MoveOn() { focusNextPrevChild(true); }

 signals:
  void focusEntered(int index);
  void focusLeft(int index);
  void enterPressed(int index);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int index_;
};

}  // namespace calvix::ui
