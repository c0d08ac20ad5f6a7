#pragma once

// Shared by the start-up probes: when the watched window is first painted, prints the wall
// clock in nanoseconds and the peak resident memory in KiB, then calls done.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>

class FirstPaint : public QObject {
 public:
  FirstPaint(const char* windowClass, std::function<void()> done)
      : m_windowClass(windowClass), m_done(std::move(done)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!m_seen && event->type() == QEvent::Paint && watched->inherits(m_windowClass)) {
      m_seen = true;
      timespec now{};
      clock_gettime(CLOCK_REALTIME, &now);
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      std::printf("shown_ns %lld\npeak_kib %ld\n",
                  static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, usage.ru_maxrss);
      std::fflush(stdout);
      QMetaObject::invokeMethod(qApp, m_done, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  const char* m_windowClass;
  std::function<void()> m_done;
  bool m_seen = false;
};
