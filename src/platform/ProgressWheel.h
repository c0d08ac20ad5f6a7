#pragma once

#include <QWidget>

class QTimer;

// An indeterminate progress indicator that spins while it is visible.
class ProgressWheel : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressWheel(QWidget* parent = nullptr);

  // True while the wheel turns (it is shown on screen).
  bool IsSpinning() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTimer* m_timer;
  int m_step = 0;
};
