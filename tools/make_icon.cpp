// Draws the 160 by 160 application icon and writes it as PNG to the path given.
// Run once by hand; the result is kept in resources/.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.png\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QImage image(160, 160, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // A rounded tile in green to teal, the colours of the main window's status texts.
  QLinearGradient tile(0, 0, 160, 160);
  tile.setColorAt(0, QColor(0x00, 0x80, 0x40));
  tile.setColorAt(1, QColor(0x00, 0x80, 0x80));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(6, 6, 148, 148), 30, 30);

  // One sheet of lines on the left...
  const QColor paper(0xfb, 0xfb, 0xf5);
  const QColor ink(0x00, 0x60, 0x50);
  p.setBrush(paper);
  p.drawRoundedRect(QRectF(22, 28, 52, 104), 6, 6);
  p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i)
    p.drawLine(QPointF(30, 40 + i * 11.5), QPointF(i % 3 == 2 ? 54 : 66, 40 + i * 11.5));

  // ...an arrow...
  p.setPen(Qt::NoPen);
  p.setBrush(paper);
  QPainterPath arrow;
  arrow.moveTo(80, 72);
  arrow.lineTo(94, 72);
  arrow.lineTo(94, 62);
  arrow.lineTo(108, 80);
  arrow.lineTo(94, 98);
  arrow.lineTo(94, 88);
  arrow.lineTo(80, 88);
  arrow.closeSubpath();
  p.drawPath(arrow);

  // ...and three short sheets on the right.
  for (int k = 0; k < 3; ++k) {
    const qreal top = 28 + k * 36;
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(112, top, 30, 30), 5, 5);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(118, top + 8 + i * 7), QPointF(i == 2 ? 128 : 136, top + 8 + i * 7));
  }
  p.end();
  return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
