// Drives the real main window headless through one count and one split of a file, answering the
// dialogs through their seams, and prints the timings as key=value lines for split_benchmark.sh:
//   split_driver FILE OUTPUT-FOLDER LINES-PER-FILE
// While the split and the rename run, a 10 ms timer measures how long the event loop is kept
// from turning (the longest gap between two ticks, less the 10 ms period).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "platform/FolderItem.h"
#include "platform/MsgBox.h"
#include "platform/OpenFileDialog.h"
#include "platform/SelectFolderDialog.h"
#include "settings/AppName.h"
#include "settings/XMLPreferences.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s FILE OUTPUT-FOLDER LINES-PER-FILE\n", argv[0]);
    return 2;
  }
  const std::string file = argv[1];
  const std::string output = argv[2];
  const std::int64_t linesPerFile = std::strtoll(argv[3], nullptr, 10);

  QApplication application(argc, argv);
  int messageBoxes = 0;
  MsgBoxSeam::SetPresenter([&](const std::string& text) {
    ++messageBoxes;
    std::fprintf(stderr, "message box: %s\n", text.c_str());
  });
  FileTypes1::_Initialize();
  quorvel::appname = "Shardwick SE";
  XMLPreferences::InitPrefFile();
  Window1* w = Window1::Instance();
  // As in the program, the window is on screen (fonts loaded, laid out) before the first click.
  w->Show();
  QApplication::processEvents();

  // Step 1: the synchronous count, twice: the first click also pays for the process's first
  // child process (Qt's process machinery starts up), the second is what every later click costs.
  QElapsedTimer clock;
  double countMs[2] = {0, 0};
  for (double& ms : countMs) {
    OpenFileDialogSeam::setNextAnswer(std::make_shared<FolderItem>(file));
    clock.start();
    w->PushButton1()->click();
    ms = clock.nsecsElapsed() / 1e6;
  }

  // Steps 2 and 3.
  w->lines_slider()->SetValue(linesPerFile);
  SelectFolderDialogSeam::setNextAnswer(std::make_shared<FolderItem>(output));
  w->ChooseOutputBtn()->click();

  // Step 4, inside the event loop so that the press itself counts toward the longest stall.
  QEventLoop loop;
  QElapsedTimer tick;
  qint64 longestGapNs = 0;
  double splitEndMs = -1, renameEndMs = -1;
  int completions = 0;
  w->mshell->AddCompletedHandler("bench", [&](Shell&) {
    const double now = clock.nsecsElapsed() / 1e6;
    if (++completions == 1) {
      splitEndMs = now;
    } else {
      renameEndMs = now;
    }
  });
  QTimer ticker;
  ticker.setInterval(10);
  ticker.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestGapNs = std::max(longestGapNs, tick.nsecsElapsed());
    tick.restart();
    if (w->result_text()->text() != QStringLiteral("Working...")) loop.quit();
  });
  QTimer::singleShot(0, [&] {
    tick.start();
    ticker.start();
    clock.restart();
    w->PushButton3()->click();
  });
  loop.exec();
  const double totalMs = clock.nsecsElapsed() / 1e6;
  ticker.stop();
  w->mshell->RemoveCompletedHandler("bench");

  const std::string result = w->result_text()->text().toStdString();
  std::printf("count_lines=%lld\n", static_cast<long long>(w->sourceFileLineCount));
  std::printf("first_count_ms=%.1f\n", countMs[0]);
  std::printf("count_ms=%.1f\n", countMs[1]);
  std::printf("split_ms=%.1f\n", splitEndMs);
  std::printf("rename_ms=%.1f\n", renameEndMs < 0 ? 0.0 : renameEndMs - splitEndMs);
  std::printf("total_ms=%.1f\n", totalMs);
  std::printf("longest_stall_ms=%.1f\n", std::max<qint64>(0, longestGapNs - 10'000'000) / 1e6);
  std::printf("message_boxes=%d\n", messageBoxes);
  std::printf("result=%s\n", result.c_str());
  const bool ok = result.rfind("File successfully split.", 0) == 0;
  delete w;
  return ok ? 0 : 1;
}
