#include "platform/GuiApplication.h"

#include <QStringList>
#include <algorithm>
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

// The platform plugin's own messages: the ones that tell why no platform could be started.
bool fromPlatform(const HeldMessage& message) {
  return message.type != QtDebugMsg && message.category.rfind("qt.qpa", 0) == 0;
}

// What the X11 and Wayland platforms say when there is no display to connect to.
bool saysNoDisplay(const HeldMessage& message) {
  return fromPlatform(message) && (message.text.contains(QLatin1String("could not connect to display")) ||
                                   message.text.contains(QLatin1String("Failed to create wl_display")));
}

// Qt's reason on one line: the platform's messages, then the fatal one, which on its own only
// says that no platform could be started.
std::string qtReason(const QString& fatalText) {
  QStringList parts;
  for (const HeldMessage& message : g_held) {
    if (fromPlatform(message)) parts << message.text.simplified();
  }
  parts << fatalText.simplified();
  return parts.join(QLatin1String("; ")).toStdString();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // The application cannot be made, and Qt aborts once this handler returns: the program ends
    // here, with one line that names the cause.
    const bool noDisplay = std::any_of(g_held.begin(), g_held.end(), saysNoDisplay);
    const std::string line = noDisplay
                                 ? "no display found: the program needs a graphical session (X11 or Wayland)."
                                 : "the graphical session could not start: " + qtReason(text);
    std::fprintf(stderr, "%s: %s\n", g_programName.c_str(), line.c_str());
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
