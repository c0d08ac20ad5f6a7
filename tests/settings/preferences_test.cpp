// The preferences store's life cycle against the private XDG_CONFIG_HOME of this test program,
// with every message box captured through the seam.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string>
#include <vector>

#include "platform/Date.h"
#include "platform/FolderItem.h"
#include "platform/MsgBox.h"
#include "settings/AppName.h"
#include "settings/XMLDictionary.h"
#include "settings/XMLPreferences.h"

namespace {

const std::string kParseBox =
    "Error Parsing the Preference File!!\n\nThe FolderItem used may not be the correct type of file!";
const std::string kWriteBox =
    "Error Creating Preferences File!!!\n\nYou must call InitPrefFile to initialize the preferences first!";

std::string typeBox(const std::string& key) {
  return "Preferences Error!\n\nThis Key does not match the assigned Type!\nKey: " + key;
}

class Preferences : public ::testing::Test {
 protected:
  void SetUp() override {
    quorvel::appname = "Shardwick SE";
    m_folder = QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")) + "/Shardwick SE";
    QDir(m_folder).removeRecursively();
    QFile::remove(m_folder);
    MsgBoxSeam::SetPresenter([this](const std::string& text) { m_boxes.push_back(text); });
  }
  void TearDown() override { MsgBoxSeam::SetPresenter({}); }

  QString path(const char* name) const { return m_folder + "/" + name; }
  std::string read(const char* name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
  }
  void write(const char* name, const std::string& content) const {
    QDir().mkpath(m_folder);
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content.data(), static_cast<qint64>(content.size()));
  }
  std::vector<std::string> takeBoxes() { return std::exchange(m_boxes, {}); }

  QString m_folder;
  std::vector<std::string> m_boxes;
};

TEST_F(Preferences, FirstStartCreatesFolderThenFileOnWrite) {
  QDir(QString::fromUtf8(qgetenv("XDG_CONFIG_HOME"))).removeRecursively();
  XMLPreferences::InitPrefFile();
  EXPECT_TRUE(QDir(m_folder).exists());
  EXPECT_FALSE(QFile::exists(path("settings.xml")));
  EXPECT_EQ(XMLPreferences::GetPrefString("absent", "fallback"), "fallback");
  EXPECT_TRUE(takeBoxes().empty());

  XMLPreferences::WritePrefFile();
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(read("settings.xml"), XMLDictionary::ExportXMLString(std::make_shared<Dictionary>(), false));
}

TEST_F(Preferences, ValuesSurviveAWriteAndAReload) {
  XMLPreferences::InitPrefFile();
  auto when = std::make_shared<Date>(2020, 1, 2, 3, 4, 5);
  auto folder = std::make_shared<FolderItem>("/tmp/out folder");
  XMLPreferences::SetPrefString("name", "value");
  XMLPreferences::SetPrefInteger("count", 5000000000LL);
  XMLPreferences::SetPrefInteger("small", -12);
  XMLPreferences::SetPrefBoolean("flag", true);
  XMLPreferences::SetPrefDate("when", when);
  XMLPreferences::SetPrefFolderItem("outputFolder", folder);
  EXPECT_EQ(XMLPreferences::GetPrefInteger("count", 0), 5000000000LL);
  EXPECT_EQ(XMLPreferences::GetPrefDate("when", std::make_shared<Date>()), when);  // the same object
  XMLPreferences::WritePrefFile();
  XMLPreferences::SetPrefString("late", "not written");
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_NE(read("settings.xml").find("<key>outputFolder</key>\n\t<file>"), std::string::npos);

  XMLPreferences::InitPrefFile();
  EXPECT_EQ(XMLPreferences::GetPrefString("name", ""), "value");
  EXPECT_EQ(XMLPreferences::GetPrefInteger("small", 0), -12);
  EXPECT_EQ(XMLPreferences::GetPrefInteger("count", 0), 5000000000LL);
  EXPECT_TRUE(XMLPreferences::GetPrefBoolean("flag", false));
  EXPECT_EQ(XMLPreferences::GetPrefDate("when", std::make_shared<Date>())->SQLDateTime(),
            "2020-01-02 03:04:05");
  EXPECT_EQ(XMLPreferences::GetPrefString("late", "absent"), "absent");
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(Preferences, TypeMismatchKeepsTheOldValue) {
  XMLPreferences::InitPrefFile();
  XMLPreferences::SetPrefBoolean("flag", true);
  XMLPreferences::SetPrefString("flag", "text");
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{typeBox("flag")});
  EXPECT_TRUE(XMLPreferences::GetPrefBoolean("flag", false));

  EXPECT_EQ(XMLPreferences::GetPrefString("flag", "default"), "default");
  EXPECT_EQ(XMLPreferences::GetPrefInteger("flag", 9), 9);
  EXPECT_EQ(takeBoxes(), (std::vector<std::string>{typeBox("flag"), typeBox("flag")}));

  // Every object shares one type code: a file reference may replace a loaded dictionary.
  auto loaded = std::make_shared<Dictionary>();
  loaded->SetValue("nested", Variant(std::make_shared<Dictionary>()));
  write("settings.xml", XMLDictionary::ExportXMLString(loaded, false));
  XMLPreferences::InitPrefFile();
  XMLPreferences::SetPrefFolderItem("nested", std::make_shared<FolderItem>("/tmp"));
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(Preferences, CorruptFileIsKeptAsBackupBeforeItIsReplaced) {
  write("settings.xml", "<xmldict><key>half");
  XMLPreferences::InitPrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kParseBox});
  XMLPreferences::SetPrefString("fresh", "value");  // initialised despite the failure
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(read("settings.xml"), "<xmldict><key>half");  // nothing written before the write

  XMLPreferences::WritePrefFile();
  EXPECT_TRUE(takeBoxes().empty());
  EXPECT_EQ(read("settings.xml.bak"), "<xmldict><key>half");
  EXPECT_NE(read("settings.xml").find("<key>fresh</key>"), std::string::npos);

  // A second refused file replaces the older backup; a good load makes no backup at all.
  write("settings.xml", "<xmldict version=\"9\"/>");
  XMLPreferences::InitPrefFile();
  XMLPreferences::WritePrefFile();
  EXPECT_EQ(read("settings.xml.bak"), "<xmldict version=\"9\"/>");
  QFile::remove(path("settings.xml.bak"));
  XMLPreferences::InitPrefFile();
  XMLPreferences::WritePrefFile();
  EXPECT_FALSE(QFile::exists(path("settings.xml.bak")));
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kParseBox});
}

TEST_F(Preferences, LinkThatLeadsNowhereIsAFirstStartAndIsWrittenThrough) {
  // A dotfiles link whose file is missing: nothing to load or keep; the write goes to the link's
  // target (a relative one read from the link's folder) and the link stays.
  const struct {
    const char* what;
    std::string target;  // of the link, relative to the application's folder
    bool written;
  } rows[] = {
      {"into an existing folder", "../dotfiles/settings.xml", true},
      {"into a missing folder", "../missing/settings.xml", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
    QDir().mkpath(m_folder + "/../dotfiles");
    ASSERT_TRUE(QFile::link(QString::fromStdString(row.target), path("settings.xml")));
    XMLPreferences::InitPrefFile();
    EXPECT_TRUE(takeBoxes().empty());
    XMLPreferences::SetPrefString("name", "value");
    XMLPreferences::WritePrefFile();
    EXPECT_EQ(takeBoxes(), row.written ? std::vector<std::string>{} : std::vector<std::string>{kWriteBox});
    EXPECT_EQ(QFile::symLinkTarget(path("settings.xml")),
              QFileInfo(m_folder + "/" + QString::fromStdString(row.target)).absoluteFilePath());
    EXPECT_FALSE(QFile::exists(path("settings.xml.bak")));
    XMLPreferences::InitPrefFile();
    EXPECT_EQ(XMLPreferences::GetPrefString("name", "absent"), row.written ? "value" : "absent");
    EXPECT_TRUE(takeBoxes().empty());
  }
  QDir(m_folder + "/../dotfiles").removeRecursively();
}

TEST_F(Preferences, PropertyListIsLoadedAndRewrittenAsXmlDict) {
  auto dict = std::make_shared<Dictionary>();
  dict->SetValue("name", Variant("from plist"));
  write("settings.xml", XMLDictionary::ExportXMLString(dict, true));
  XMLPreferences::InitPrefFile();
  EXPECT_EQ(XMLPreferences::GetPrefString("name", ""), "from plist");
  XMLPreferences::WritePrefFile();
  EXPECT_EQ(read("settings.xml"), XMLDictionary::ExportXMLString(dict, false));
  EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(Preferences, FolderThatCannotBeCreatedMakesEveryWriteFail) {
  // A plain file where the application's folder should be.
  QDir().mkpath(QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")));
  QFile blocker(m_folder);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  XMLPreferences::InitPrefFile();
  EXPECT_TRUE(takeBoxes().empty());
  XMLPreferences::SetPrefString("k", "v");
  EXPECT_EQ(XMLPreferences::GetPrefString("k", ""), "v");
  XMLPreferences::WritePrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kWriteBox});
  QFile::remove(m_folder);
}

TEST_F(Preferences, UnreadableSettingsFileIsNeverOverwritten) {
  // settings.xml is a folder or a named pipe: it cannot be read (and the pipe must not block the
  // start), so no backup can be kept and it is not replaced.
  QDir().mkpath(path("settings.xml"));
  XMLPreferences::InitPrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kParseBox});
  XMLPreferences::WritePrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kWriteBox});
  EXPECT_TRUE(QDir(path("settings.xml")).exists());

  QDir(path("settings.xml")).removeRecursively();
  ASSERT_EQ(::mkfifo(path("settings.xml").toStdString().c_str(), 0600), 0);
  XMLPreferences::InitPrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kParseBox});
  XMLPreferences::WritePrefFile();
  EXPECT_EQ(takeBoxes(), std::vector<std::string>{kWriteBox});
  struct stat info {};
  ASSERT_EQ(::stat(path("settings.xml").toStdString().c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
