#pragma once

#include <QGroupBox>

// A titled frame; disabling it makes its children unusable while their own Enabled stays set.
class GroupBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit GroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};
