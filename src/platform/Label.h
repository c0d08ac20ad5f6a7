#pragma once

#include <QLabel>

// A text label; raises MouseDown on a press of the left mouse button.
class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr);

 signals:
  // x and y are the press position in the label's coordinates.
  void MouseDown(int x, int y);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
