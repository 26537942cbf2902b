// The numeric entry field of the input pages: a line edit that shows the
// field's text with its decimals, refuses characters that cannot belong to a
// number, and tells its owner when it receives the focus, when Enter is
// pressed and when it loses the focus.
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

  // True when `text` can still become a number as it is typed: optional
  // sign, digits with "," grouping, one decimal point and its digits.
  static bool IsNumberInProgress(const QString& text);

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
