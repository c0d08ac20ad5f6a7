#pragma once

#include <QApplication>

// The Qt application of the program. An error that escapes an event handler reaches the
// unhandled-error handler here: it is shown in a message box and the program goes on.
class GuiApplication : public QApplication {
  Q_OBJECT
 public:
  // When no windows can be shown, writes one line with the cause to standard error (no display,
  // or Qt's own reason, such as a platform plugin that is missing) and ends the program with
  // status 1, instead of Qt's messages and abort.
  GuiApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
