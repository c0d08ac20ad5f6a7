#pragma once

#include <QLabel>
#include <QPixmap>

// Shows one image, centred; a null image leaves it empty.
class ImageWell : public QLabel {
  Q_OBJECT
 public:
  explicit ImageWell(QWidget* parent = nullptr) : QLabel(parent) { setAlignment(Qt::AlignCenter); }
  void SetImage(const QPixmap& image) { setPixmap(image); }
};
