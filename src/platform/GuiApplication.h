#pragma once

#include <QApplication>

// The Qt application of the program. An error that escapes an event handler reaches the
// unhandled-error handler here: it is shown in a message box and the program goes on.
class GuiApplication : public QApplication {
  Q_OBJECT
 public:
  // Without a display to show windows on, writes one line saying so to standard error and ends
  // the program with status 1, instead of Qt's own messages and abort.
  GuiApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
