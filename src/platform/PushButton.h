#pragma once

#include <QPushButton>

// A standard push button; its Action is clicked().
class PushButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PushButton(QWidget* parent = nullptr) : QPushButton(parent) { setAutoDefault(false); }
};
