#pragma once

#include <QApplication>

// The Qt application of the program. An error that escapes an event handler reaches the
// unhandled-error handler here: it is shown in a message box and the program goes on.
class GuiApplication : public QApplication {
  Q_OBJECT
 public:
  GuiApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;
};
