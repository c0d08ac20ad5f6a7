#pragma once

#include <QPushButton>

// A small square button with a centred caption; it never takes keyboard focus. Action is clicked().
class BevelButton : public QPushButton {
  Q_OBJECT
 public:
  explicit BevelButton(QWidget* parent = nullptr) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
  }
};
