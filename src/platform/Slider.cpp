#include "platform/Slider.h"

#include <QHBoxLayout>
#include <QSlider>
#include <algorithm>
#include <climits>

namespace {
// Ranges wider than this many steps are mapped onto it, so the inner int slider can show them.
constexpr std::int64_t kMaxInnerSteps = 1'000'000'000;

std::int64_t span(std::int64_t minimum, std::int64_t maximum) {
  // Computed unsigned so that a full 64-bit range does not overflow.
  const auto width = static_cast<std::uint64_t>(maximum) - static_cast<std::uint64_t>(minimum);
  return width > std::uint64_t(INT64_MAX) ? INT64_MAX : std::int64_t(width);
}
}  // namespace

Slider::Slider(QWidget* parent) : QWidget(parent), m_inner(new QSlider(Qt::Horizontal, this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_inner);
  setFocusProxy(m_inner);
  setFocusPolicy(m_inner->focusPolicy());
  m_inner->setTickPosition(QSlider::NoTicks);
  connect(m_inner, &QSlider::valueChanged, this, &Slider::innerMoved);
  syncInner();
}

void Slider::SetMinimum(std::int64_t minimum) {
  m_minimum = minimum;
  if (m_maximum < m_minimum) m_maximum = m_minimum;
  rangeChanged();
}

void Slider::SetMaximum(std::int64_t maximum) {
  m_maximum = maximum;
  if (m_minimum > m_maximum) m_minimum = m_maximum;
  rangeChanged();
}

void Slider::SetValue(std::int64_t value) {
  value = std::clamp(value, m_minimum, m_maximum);
  if (value == m_value) return;
  m_value = value;
  syncInner();
  emit ValueChanged();
}

void Slider::SetLineStep(int step) {
  m_lineStep = step;
  syncInner();
}

void Slider::SetPageStep(int step) {
  m_pageStep = step;
  syncInner();
}

void Slider::SetLiveScrolling(bool live) {
  m_inner->setTracking(live);
}

void Slider::rangeChanged() {
  const std::int64_t old = m_value;
  m_value = std::clamp(m_value, m_minimum, m_maximum);
  syncInner();
  if (m_value != old) emit ValueChanged();
}

void Slider::syncInner() {
  const std::int64_t width = span(m_minimum, m_maximum);
  const bool exact = width <= kMaxInnerSteps;
  const int steps = exact ? int(width) : int(kMaxInnerSteps);
  const std::int64_t offset = span(m_minimum, m_value);
  const int position =
      exact ? int(offset) : int(static_cast<long double>(offset) / static_cast<long double>(width) * steps);
  const QSignalBlocker block(m_inner);
  m_inner->setRange(0, steps);
  m_inner->setSingleStep(exact ? m_lineStep : 1);
  m_inner->setPageStep(exact ? m_pageStep : steps / 50);
  m_inner->setValue(position);
}

void Slider::innerMoved(int position) {
  const std::int64_t width = span(m_minimum, m_maximum);
  std::int64_t offset = position;
  if (width > kMaxInnerSteps) {
    offset =
        std::int64_t(static_cast<long double>(position) / kMaxInnerSteps * static_cast<long double>(width));
  }
  const auto value = static_cast<std::uint64_t>(m_minimum) + static_cast<std::uint64_t>(offset);
  SetValue(static_cast<std::int64_t>(value));
}
