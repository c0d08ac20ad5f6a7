#include "platform/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/MsgBox.h"
#include "platform/TerminationSignals.h"

void InstallModalMessageBox() {
  MsgBoxSeam::SetPresenter([](const std::string& text) {
    // After a termination request nobody is left to answer a box: its text goes to standard
    // error instead, also that of a box the request closed.
    if (!TerminationRequested()) {
      QMessageBox box(QApplication::activeWindow());
      box.setWindowTitle(QGuiApplication::applicationDisplayName());
      box.setTextFormat(Qt::PlainText);
      box.setText(QString::fromStdString(text));
      box.setStandardButtons(QMessageBox::Ok);
      box.exec();
      if (!TerminationRequested()) return;
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  });
}
