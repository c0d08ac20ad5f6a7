// The menu bar: one shared instance, its tree, texts and key equivalents.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "app/MenuBar1.h"

namespace {

TEST(MenuBar1, OneInstanceWithFileThenEditInOrderWithTheirKeys) {
  MenuBar1* bar = MenuBar1::Instance();
  EXPECT_EQ(MenuBar1::Instance(), bar);
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(0)->Name, "FileMenu");
  EXPECT_EQ(bar->Item(1)->Name, "EditMenu");

  const struct {
    const char* menu;
    std::vector<std::string> items;
  } menus[] = {
      {"FileMenu", {"About", "FileQuit"}},
      {"EditMenu",
       {"EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste", "EditClear", "UntitledMenu0",
        "EditSelectAll"}},
  };
  for (const auto& m : menus) {
    MenuItem* menu = bar->Child(m.menu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Count(), int(m.items.size())) << m.menu;
    for (int i = 0; i < menu->Count(); ++i) EXPECT_EQ(menu->Item(i)->Name, m.items[std::size_t(i)]);
    // The drop-down shows the same items in the same order.
    ASSERT_EQ(menu->Menu()->actions().size(), qsizetype(m.items.size()));
    for (int i = 0; i < menu->Count(); ++i) EXPECT_EQ(menu->Menu()->actions()[i], menu->Item(i)->Action());
  }

  const struct {
    const char* name;
    QKeySequence key;
    bool separator;
  } keys[] = {
      {"FileQuit", QKeySequence(Qt::CTRL | Qt::Key_Q), false},
      {"EditUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), false},
      {"EditCut", QKeySequence(Qt::CTRL | Qt::Key_X), false},
      {"EditCopy", QKeySequence(Qt::CTRL | Qt::Key_C), false},
      {"EditPaste", QKeySequence(Qt::CTRL | Qt::Key_V), false},
      {"EditSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A), false},
      {"EditClear", QKeySequence(), false},
      {"About", QKeySequence(), false},
      {"UntitledMenu0", QKeySequence(), true},
      {"UntitledMenu1", QKeySequence(), true},
  };
  for (const auto& k : keys) {
    MenuItem* item = bar->Find(k.name);
    ASSERT_NE(item, nullptr) << k.name;
    EXPECT_EQ(item->Action()->shortcut(), k.key) << k.name;
    EXPECT_EQ(item->Action()->isSeparator(), k.separator) << k.name;
    EXPECT_EQ(item->ShortcutSet(), !k.separator) << k.name;  // separators leave it untouched
    if (k.separator) {
      EXPECT_EQ(item->Action()->text(), QString()) << k.name;  // a line, no "-" beside it
    }
  }
  EXPECT_NE(dynamic_cast<AppleMenuItem*>(bar->Find("About")), nullptr);
  EXPECT_NE(dynamic_cast<QuitMenuItem*>(bar->Find("FileQuit")), nullptr);
  EXPECT_EQ(bar->Find("About")->Value(), "About Shardwick...");
  EXPECT_EQ(bar->Item(0)->Menu()->title(), "&File");
}

}  // namespace
