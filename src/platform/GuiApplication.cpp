#include "platform/GuiApplication.h"

#include <exception>
#include <string>

#include "platform/MsgBox.h"

bool GuiApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    MsgBox(std::string("An unexpected error occurred: ") + error.what());
  } catch (...) {
    MsgBox("An unexpected error occurred.");
  }
  return false;
}
