// The small controls: label, text field, arrows and progress wheel.
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include "platform/Label.h"
#include "platform/ProgressWheel.h"
#include "platform/TextField.h"
#include "platform/UpDownArrows.h"

Label::Label(QWidget* parent) : QLabel(parent) {}

void Label::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
  }
}

TextField::TextField(QWidget* parent) : QLineEdit(parent) {}

void TextField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit LostFocus();
}

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  const struct {
    const char* name;
    Qt::ArrowType arrow;
    void (UpDownArrows::*signal)();
  } buttons[] = {{"up", Qt::UpArrow, &UpDownArrows::Up}, {"down", Qt::DownArrow, &UpDownArrows::Down}};
  for (const auto& b : buttons) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setArrowType(b.arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    connect(button, &QToolButton::clicked, this, b.signal);
  }
}

void UpDownArrows::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int half = height() / 2;
  findChild<QToolButton*>(QStringLiteral("up"))->setGeometry(0, 0, width(), half);
  findChild<QToolButton*>(QStringLiteral("down"))->setGeometry(0, half, width(), height() - half);
}

namespace {
constexpr int kSpokes = 12;
constexpr int kTickMs = 80;
}  // namespace

ProgressWheel::ProgressWheel(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
  setFocusPolicy(Qt::NoFocus);
  m_timer->setInterval(kTickMs);
  connect(m_timer, &QTimer::timeout, this, [this] {
    m_step = (m_step + 1) % kSpokes;
    update();
  });
}

bool ProgressWheel::IsSpinning() const {
  return m_timer->isActive();
}

void ProgressWheel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = qMin(width(), height());
  painter.translate(width() / 2.0, height() / 2.0);
  QPen pen(palette().color(QPalette::WindowText));
  pen.setWidthF(side / 10.0);
  pen.setCapStyle(Qt::RoundCap);
  for (int i = 0; i < kSpokes; ++i) {
    QColor color = pen.color();
    color.setAlphaF(0.15f + 0.85f * float((i + kSpokes - m_step) % kSpokes) / float(kSpokes));
    pen.setColor(color);
    painter.setPen(pen);
    painter.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.42));
    painter.rotate(360.0 / kSpokes);
  }
}

void ProgressWheel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  m_timer->start();
}

void ProgressWheel::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  m_timer->stop();
}
