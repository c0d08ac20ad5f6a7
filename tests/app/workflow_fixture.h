#pragma once
// The main window driven headless through its real widgets: the dialogs answered through their
// seams, message boxes recorded, commands run for real by /bin/sh on files in a temporary folder.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/Window1.h"
#include "app/quorvel.h"
#include "app/split_test_support.h"
#include "platform/FolderItem.h"
#include "platform/MsgBox.h"
#include "platform/OpenFileDialog.h"
#include "platform/SelectFolderDialog.h"
#include "settings/XMLPreferences.h"

namespace splittest {

class WorkflowTest : public ::testing::Test {
 protected:
  // The preferences store must be up, as after start-up: choosing a folder records it there.
  static void SetUpTestSuite() {
    quorvel::appname = "Shardwick SE";
    XMLPreferences::InitPrefFile();
  }

  void SetUp() override {
    ASSERT_TRUE(m_dir.valid());
    w = Window1::Instance();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->mshell, nullptr);
    MsgBoxSeam::SetPresenter([this](const std::string& text) { boxes.push_back(text); });
    OpenFileDialogSeam::clear();
    SelectFolderDialogSeam::clear();
  }

  void TearDown() override {
    // A run left behind would swallow the next test's press of "Split File".
    WaitForRun();
    MsgBoxSeam::SetPresenter({});
    OpenFileDialogSeam::clear();
    SelectFolderDialogSeam::clear();
  }

  const std::filesystem::path& root() const { return m_dir.path(); }

  static std::shared_ptr<FolderItem> Item(const std::filesystem::path& path) {
    return std::make_shared<FolderItem>(path.string());
  }

  // Presses "Select File to Split" with path (or Cancel, when empty) as the dialog's answer.
  void SelectFile(const std::filesystem::path& path) {
    OpenFileDialogSeam::setNextAnswer(path.empty() ? nullptr : Item(path));
    w->PushButton1()->click();
  }

  // Writes bytes to root()/name and selects it.
  std::filesystem::path SelectNewFile(const std::string& name, const std::string& bytes) {
    const auto path = root() / name;
    WriteWhole(path, bytes);
    SelectFile(path);
    return path;
  }

  // Presses "Select Output Folder" with folder (or Cancel, when empty) as the answer.
  void ChooseFolder(const std::filesystem::path& folder) {
    SelectFolderDialogSeam::setNextAnswer(folder.empty() ? nullptr : Item(folder));
    w->ChooseOutputBtn()->click();
  }

  // Types text into the lines field as a user would, replacing what it holds.
  void TypeLines(const std::string& text) {
    w->lines_field()->selectAll();
    QTest::keyClicks(w->lines_field(), QString::fromStdString(text));
  }

  void ClickArrow(const char* which) {
    auto* button = w->UpDownArrows1()->findChild<QToolButton*>(which);
    ASSERT_NE(button, nullptr) << which;
    button->click();
  }

  bool Running() const { return w->result_text()->text() == "Working..."; }

  // Waits for the end of the run in progress; false when it does not end within the time.
  bool WaitForRun(int milliseconds = 60000) {
    return QTest::qWaitFor([this] { return !Running(); }, milliseconds);
  }

  // Presses "Split File" and waits for the run to end; returns result_text.
  std::string SplitAndWait() {
    w->PushButton3()->click();
    EXPECT_TRUE(WaitForRun());
    return w->result_text()->text().toStdString();
  }

  static std::string Success(const std::string& folderName) {
    return "File successfully split. check the " + folderName + " folder in the folder you selected.";
  }

  bool WheelShown() const { return !w->splitprwheel()->isHidden(); }

  Window1* w = nullptr;
  std::vector<std::string> boxes;

 private:
  TempFolder m_dir;
};

}  // namespace splittest
