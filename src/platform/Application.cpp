#include "platform/Application.h"

#include <QApplication>

namespace {
Application* g_current = nullptr;
}

Application::Application() = default;

Application::~Application() {
  if (g_current == this) g_current = nullptr;
}

Application* Application::Current() {
  return g_current;
}

void Application::Register() {
  g_current = this;
}

int Application::Run(const std::function<void()>& lateStartup) {
  if (lateStartup) lateStartup();
  Event_Open();
  if (m_quitRequested) {
    Event_Close();
    return 0;
  }
  m_running = true;
  const int status = QApplication::exec();
  m_running = false;
  Event_Close();
  return status;
}

void Application::Quit() {
  if (m_quitRequested) return;
  m_quitRequested = true;
  if (!m_running) return;
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}
