// Renders the main window and the about window offscreen to PNG files for the README.
// Usage: window_pictures [OUTPUT_FOLDER]   (default: docs/pictures)
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/App.h"
#include "app/HelpAbout.h"
#include "app/Startup.h"
#include "app/Window1.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Never touch the user's settings: the program's folders go to a temporary home.
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  setenv("HOME", QFile::encodeName(home.path()).constData(), 1);
  setenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config").constData(), 1);

  QApplication application(argc, argv);
  const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/pictures");
  if (!QDir().mkpath(outDir)) {
    std::fprintf(stderr, "window_pictures: cannot create %s\n", qPrintable(outDir));
    return 1;
  }
  // The program's own start-up, up to the shown main window, without the event loop.
  Startup::_EarlyStartup();
  Startup::_LateStartup();
  App::Instance()->Event_Open();
  Window1* main = Window1::Instance();
  HelpAbout* about = HelpAbout::Instance();
  about->Show();
  QApplication::processEvents();

  const struct {
    QWidget* window;
    const char* file;
  } pictures[] = {{main, "main-window.png"}, {about, "about-window.png"}};
  for (const auto& picture : pictures) {
    const QString path = outDir + QLatin1Char('/') + QLatin1String(picture.file);
    if (!picture.window->grab().save(path)) {
      std::fprintf(stderr, "window_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
