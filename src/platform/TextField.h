#pragma once

#include <QLineEdit>

// A one-line text field; TextChange is textChanged(), which Qt does not raise when setText gets
// the text already there. Raises LostFocus when the keyboard focus leaves it.
class TextField : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextField(QWidget* parent = nullptr);

 signals:
  void LostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};
