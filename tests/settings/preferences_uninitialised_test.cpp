// The preferences store before (and without) a successful InitPrefFile. Module state lives for
// the whole program, so these cases have a test program of their own.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Date.h"
#include "platform/FolderItem.h"
#include "platform/MsgBox.h"
#include "settings/AppName.h"
#include "settings/XMLPreferences.h"

namespace {

const std::string kNotInitialised =
    "Error Creating Preferences File!!!\n\nYou must call InitPrefFile() to initialize the preferences first!";

TEST(PreferencesUninitialised, EveryCallShowsTheBoxOnceAndChangesNothing) {
  std::vector<std::string> boxes;
  MsgBoxSeam::SetPresenter([&](const std::string& text) { boxes.push_back(text); });

  // No display name: no folder can be formed, so the store stays uninitialised.
  quorvel::appname = "";
  XMLPreferences::InitPrefFile();
  EXPECT_EQ(boxes, std::vector<std::string>{
                       "Error Creating Preferences File!!!\n\nThe FolderItem was NIL! <InitPrefFile>"});
  boxes.clear();

  auto date = std::make_shared<Date>(2000, 1, 1);
  const std::vector<std::function<void()>> calls = {
      [] { XMLPreferences::SetPrefString("k", "v"); },
      [] { XMLPreferences::SetPrefInteger("k", 1); },
      [] { XMLPreferences::SetPrefBoolean("k", true); },
      [&] { XMLPreferences::SetPrefDate("k", date); },
      [] { XMLPreferences::SetPrefFolderItem("k", std::make_shared<FolderItem>("/tmp")); },
      [] { EXPECT_EQ(XMLPreferences::GetPrefString("k", "d"), "d"); },
      [] { EXPECT_EQ(XMLPreferences::GetPrefInteger("k", 3), 3); },
      [] { EXPECT_FALSE(XMLPreferences::GetPrefBoolean("k", false)); },
      [&] { EXPECT_EQ(XMLPreferences::GetPrefDate("k", date), date); },
      [] { XMLPreferences::WritePrefFile(); },
  };
  for (std::size_t i = 0; i < calls.size(); ++i) {
    calls[i]();
    EXPECT_EQ(boxes, std::vector<std::string>{kNotInitialised}) << "call " << i;
    boxes.clear();
  }
  EXPECT_TRUE(XMLPreferences::NotInitialized());
  MsgBoxSeam::SetPresenter({});
}

}  // namespace
