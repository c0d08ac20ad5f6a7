#pragma once

#include <QWidget>
#include <cstdint>

class QSlider;

// A horizontal slider over a 64-bit range. The value always lies within the range: SetValue
// clamps, and a range change re-clamps. ValueChanged is emitted only when the value really
// changes, by code or by the user (live while dragging).
class Slider : public QWidget {
  Q_OBJECT
 public:
  explicit Slider(QWidget* parent = nullptr);

  std::int64_t Minimum() const { return m_minimum; }
  // Raises the maximum to minimum when it lies below.
  void SetMinimum(std::int64_t minimum);
  std::int64_t Maximum() const { return m_maximum; }
  // Lowers the minimum to maximum when it lies above.
  void SetMaximum(std::int64_t maximum);
  std::int64_t Value() const { return m_value; }
  // Clamps value into the range.
  void SetValue(std::int64_t value);
  void SetLineStep(int step);
  void SetPageStep(int step);
  void SetLiveScrolling(bool live);

 signals:
  void ValueChanged();

 private:
  void rangeChanged();
  void syncInner();
  void innerMoved(int position);

  QSlider* m_inner;
  std::int64_t m_minimum = 0;
  std::int64_t m_maximum = 100;
  std::int64_t m_value = 0;
  int m_lineStep = 1;
  int m_pageStep = 20;
};
