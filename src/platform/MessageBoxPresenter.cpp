#include "platform/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/MsgBox.h"

void InstallModalMessageBox() {
  MsgBoxSeam::SetPresenter([](const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
  });
}
