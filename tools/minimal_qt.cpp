// The yardstick for start-up: a minimal Qt Widgets program showing one window of the same size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "FirstPaint.h"

class MinimalWindow : public QMainWindow {
  Q_OBJECT
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  FirstPaint probe("MinimalWindow", [] { QCoreApplication::quit(); });
  application.installEventFilter(&probe);
  MinimalWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
  window.resize(560, 493);
  window.show();
  return application.exec();
}

#include "minimal_qt.moc"
