// Step 3 through the real window: the folder dialog, the label, "Split File", and the
// "outputFolder" preference reaching settings.xml when the preferences are saved.
#include <QByteArray>

#include "app/workflow_fixture.h"
#include "platform/UserFolders.h"

namespace {

using namespace splittest;
namespace fs = std::filesystem;

class OutputFolderTest : public WorkflowTest {
 protected:
  static std::string SettingsText() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return ReadWhole(fs::path(config ? config : "") / "Shardwick SE" / "settings.xml");
  }

  // The folder's path as the settings file may hold it: as text, or as Base64 of its bytes.
  static bool SettingsHold(const fs::path& folder) {
    const std::string text = SettingsText();
    const std::string base64 = QByteArray::fromStdString(folder.string()).toBase64().toStdString();
    return text.find("outputFolder") != std::string::npos &&
           (text.find(folder.string()) != std::string::npos || text.find(base64) != std::string::npos);
  }
};

TEST_F(OutputFolderTest, ChooseCancelAndChooseAgain) {
  SelectNewFile("data.csv", NumberedLines(10));
  ASSERT_TRUE(w->ChooseOutputBtn()->isEnabled());
  fs::create_directory(root() / "Out");
  fs::create_directory(root() / "second one");
  const struct {
    std::string folder;  // empty: the dialog is cancelled
    std::string label;
    bool splitEnabled;
  } steps[] = {
      {"Out", "The output folder is *Out*.", true},
      {"", "Please select a folder for output!", false},
      {"second one", "The output folder is *second one*.", true},
      {"second one", "The output folder is *second one*.", true},
      {"", "Please select a folder for output!", false},
      {"Out", "The output folder is *Out*.", true},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.folder);
    ChooseFolder(s.folder.empty() ? fs::path() : root() / s.folder);
    EXPECT_EQ(w->steptext1()->text().toStdString(), s.label);
    EXPECT_EQ(w->PushButton3()->isEnabled(), s.splitEnabled);
    if (s.folder.empty()) {
      EXPECT_EQ(w->outputFolder, nullptr);
    } else {
      ASSERT_NE(w->outputFolder, nullptr);
      EXPECT_EQ(w->outputFolder->NativePath(), (root() / s.folder).string());
    }
    const auto shown = SelectFolderDialogSeam::lastShown();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->actionButtonCaption, "Select");
    EXPECT_EQ(shown->title, "Select a folder for your sub-files");
    EXPECT_EQ(shown->promptText, "Select a folder for your sub-files");
    // Always the documents folder, never the last choice.
    EXPECT_EQ(shown->initialDirectory, SpecialFolder::Documents()->NativePath());
  }
  EXPECT_EQ(SelectFolderDialogSeam::timesShown(), static_cast<int>(std::size(steps)));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(OutputFolderTest, PreferenceReachesSettingsFile) {
  SelectNewFile("data.csv", NumberedLines(10));
  const fs::path first = root() / "first";
  const fs::path second = root() / "second";
  fs::create_directory(first);
  fs::create_directory(second);

  ChooseFolder(first);
  quorvel::save_prefs();
  EXPECT_TRUE(SettingsHold(first));

  // A cancel leaves the preference at the last folder chosen; a new choice replaces it.
  ChooseFolder({});
  quorvel::save_prefs();
  EXPECT_TRUE(SettingsHold(first));
  ChooseFolder(second);
  quorvel::save_prefs();
  EXPECT_TRUE(SettingsHold(second));
  EXPECT_FALSE(SettingsHold(first));
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
