#include "platform/GuiApplication.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "platform/MsgBox.h"

namespace {

// Qt's messages while the application is being made are held back: they are passed on once it
// stands, and dropped when it cannot be made.
struct HeldMessage {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};
std::vector<HeldMessage> g_held;
QtMessageHandler g_previousHandler = nullptr;
std::string g_programName;

const char* orNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // The one fatal error while the application is being made: no platform to show windows on.
    // Qt aborts once this handler returns, so the program ends here.
    std::fprintf(stderr, "%s: no display found: the program needs a graphical session (X11 or Wayland).\n",
                 g_programName.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  g_held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                    context.category ? context.category : "", context.line, text});
}

// Starts holding Qt's messages back; returns argc, so that it can run before QApplication's own
// constructor.
int& holdingQtMessages(int& argc, char** argv) {
  const std::string path = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  g_programName = path.substr(path.rfind('/') + 1);
  if (g_programName.empty()) g_programName = "shardwick";
  g_previousHandler = qInstallMessageHandler(holdMessage);
  return argc;
}

}  // namespace

GuiApplication::GuiApplication(int& argc, char** argv) : QApplication(holdingQtMessages(argc, argv), argv) {
  qInstallMessageHandler(g_previousHandler);
  for (const HeldMessage& message : g_held) {
    const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                     orNull(message.category));
    qt_message_output(message.type, context, message.text);
  }
  g_held.clear();
}

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
