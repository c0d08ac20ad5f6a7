// The dialog and URL seams, the file-type registry behind the open dialog, and menu items.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <csignal>

#include "platform/FileType.h"
#include "platform/Menu.h"
#include "platform/OpenFileDialog.h"
#include "platform/SelectFolderDialog.h"
#include "platform/ShowURL.h"
#include "platform/TerminationSignals.h"
#include "platform/Window.h"

namespace {

class Seams : public ::testing::Test {
 protected:
  void TearDown() override {
    OpenFileDialogSeam::clear();
    SelectFolderDialogSeam::clear();
    ShowURLSeam::clear();
    ShowURLSeam::intercept(false);
  }
};

TEST_F(Seams, OpenFileDialogTakesQueuedAnswersInOrderAndRecordsTheFilter) {
  auto file = std::make_shared<FolderItem>("/tmp/a.csv");
  OpenFileDialogSeam::setNextAnswer(file);
  OpenFileDialogSeam::setNextAnswer(nullptr);
  EXPECT_EQ(GetOpenFolderItem("text/csv"), file);
  EXPECT_EQ(GetOpenFolderItem("text/plain;text/csv"), nullptr);
  EXPECT_EQ(OpenFileDialogSeam::lastFilter(), "text/plain;text/csv");
  EXPECT_EQ(OpenFileDialogSeam::timesShown(), 2);
  OpenFileDialogSeam::clear();
  EXPECT_EQ(OpenFileDialogSeam::timesShown(), 0);
}

TEST_F(Seams, FolderDialogRecordsWhatItWasGiven) {
  EXPECT_FALSE(SelectFolderDialogSeam::lastShown().has_value());
  auto out = std::make_shared<FolderItem>("/tmp/Out");
  SelectFolderDialogSeam::setNextAnswer(out);
  SelectFolderDialog dialog;
  dialog.ActionButtonCaption = "Select";
  dialog.Title = "Pick";
  dialog.PromptText = "Pick one";
  dialog.InitialDirectory = std::make_shared<FolderItem>("/tmp/Docs");
  EXPECT_EQ(dialog.ShowModal(), out);
  const auto shown = SelectFolderDialogSeam::lastShown();
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->actionButtonCaption, "Select");
  EXPECT_EQ(shown->title, "Pick");
  EXPECT_EQ(shown->promptText, "Pick one");
  EXPECT_EQ(shown->initialDirectory, "/tmp/Docs");
  EXPECT_EQ(SelectFolderDialogSeam::timesShown(), 1);
}

TEST_F(Seams, AfterATerminationRequestTheDialogsAnswerCancelWithoutShowing) {
  // A dialog that showed itself would wait for an answer nobody is left to give.
  struct ShowSpy : QObject {
    bool shown = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) {
        shown = true;
        QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
      }
      return false;
    }
  } spy;
  qApp->installEventFilter(&spy);
  QuitOnTerminationSignals();
  ASSERT_EQ(::raise(SIGTERM), 0);
  QCoreApplication::processEvents();  // the request is seen before any dialog opens
  EXPECT_EQ(GetOpenFolderItem("text/csv"), nullptr);
  EXPECT_EQ(SelectFolderDialog().ShowModal(), nullptr);
  EXPECT_FALSE(spy.shown);
  qApp->removeEventFilter(&spy);
  TerminationSignalsSeam::clear();
}

TEST_F(Seams, InterceptedUrlsAreRecordedNotOpened) {
  ShowURLSeam::intercept(true);
  ShowURL("mailto:someone@example.org");
  ShowURL("mailto:other@example.org");
  EXPECT_EQ(ShowURLSeam::urls(),
            (std::vector<std::string>{"mailto:someone@example.org", "mailto:other@example.org"}));
}

TEST(FileTypeRegistry, RegistersOnceAndBuildsDialogFiltersFromNames) {
  auto csv = std::make_shared<FileType>();
  csv->Name = "test/csv-like";
  csv->Extensions = ".csv;.tab";
  auto none = std::make_shared<FileType>();
  none->Name = "test/no-extension";
  EXPECT_EQ(csv->ToText(), "test/csv-like");
  EXPECT_EQ(csv->ToText(), "test/csv-like");
  none->ToText();
  int times = 0;
  for (const auto& type : FileTypeRegistry::All()) times += type == csv;
  EXPECT_EQ(times, 1);
  EXPECT_EQ(FileTypeRegistry::Find("test/csv-like"), csv);
  EXPECT_EQ(FileTypeRegistry::DialogFilters("test/csv-like;unknown/type;test/no-extension"),
            (std::vector<std::string>{"Text files (*.csv *.tab)", "test/csv-like (*.csv *.tab)"}));
  EXPECT_EQ(FileTypeRegistry::DialogFilters("unknown/type"), (std::vector<std::string>{"All files (*)"}));
}

class RecordingItem : public MenuItem {
 public:
  int activated = 0;
  void Activated() override { ++activated; }
};

TEST(Menu, ShortcutsTextsSeparatorsAndHandlersByName) {
  MenuBar bar;
  auto file = std::make_unique<MenuItem>();
  file->Name = "FileMenu";
  file->SetValue("&File");
  bar.AddMenu(std::move(file));
  auto quit = std::make_unique<RecordingItem>();
  RecordingItem* quitItem = quit.get();
  quit->Name = "Quit";
  quit->SetValue("&Quit");
  quit->SetShortcut("Cmd+Q");
  bar.Child("FileMenu")->AddMenu(std::move(quit));
  auto separator = std::make_unique<MenuItem>();
  separator->Name = "Sep";
  separator->SetValue("-");
  bar.Child("FileMenu")->AddMenu(std::move(separator));

  EXPECT_EQ(quitItem->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(quitItem->Action()->text(), "&Quit");
  EXPECT_TRUE(bar.Find("Sep")->Action()->isSeparator());
  EXPECT_FALSE(bar.Find("Sep")->ShortcutSet());
  EXPECT_EQ(bar.Item(0)->Menu()->title(), "&File");
  EXPECT_EQ(bar.Item(1), nullptr);
  EXPECT_EQ(bar.Child("Nope"), nullptr);

  Window window;
  window.SetMenuBar(&bar);
  quitItem->Action()->trigger();  // no handler: the item's own action
  EXPECT_EQ(quitItem->activated, 1);
  int handled = 0;
  window.AddMenuHandler("Quit", [&] {
    ++handled;
    return true;
  });
  quitItem->Action()->trigger();
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(quitItem->activated, 1);
  window.SetMenuBar(nullptr);
}

}  // namespace

namespace {

TEST(Menu, StandardEditItemsActOnTheFocusedFieldAndAreEnabledOnlyWhenTheyCan) {
  MenuBar bar;
  auto edit = std::make_unique<MenuItem>();
  edit->Name = "EditMenu";
  bar.AddMenu(std::move(edit));
  for (const char* name : {"EditSelectAll", "EditClear", "EditCopy"}) {
    auto item = std::make_unique<MenuItem>();
    item->Name = name;
    bar.Child("EditMenu")->AddMenu(std::move(item));
  }
  Window window;
  window.SetMenuBar(&bar);
  window.Content()->setFixedSize(200, 100);
  auto* field = new QLineEdit(window.Content());
  field->setText("300");
  window.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  field->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), field);

  bar.UpdateEnabled();
  EXPECT_TRUE(bar.Find("EditSelectAll")->Action()->isEnabled());
  EXPECT_FALSE(bar.Find("EditClear")->Action()->isEnabled());  // nothing selected yet
  bar.Find("EditSelectAll")->Action()->trigger();
  bar.UpdateEnabled();
  EXPECT_TRUE(bar.Find("EditClear")->Action()->isEnabled());
  bar.Find("EditClear")->Action()->trigger();
  EXPECT_TRUE(field->text().isEmpty());
  window.SetMenuBar(nullptr);
}

}  // namespace
