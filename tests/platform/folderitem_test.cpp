// FolderItem paths, shell words, file creation and reading, persistent references, the special
// folders and the message-box seam.
#include "platform/FolderItem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/BinaryStream.h"
#include "platform/MsgBox.h"
#include "platform/TextInputStream.h"
#include "platform/UserFolders.h"

namespace {

TEST(FolderItem, NamesAndShellWords) {
  struct Row {
    std::string path, name, shell;
  };
  const Row rows[] = {
      {"/tmp/plain.csv", "plain.csv", "'/tmp/plain.csv'"},
      {"/tmp/it's here", "it's here", "'/tmp/it'\\''s here'"},
      {"/tmp/-rf ~user $HOME `x` \"q\"", "-rf ~user $HOME `x` \"q\"", "'/tmp/-rf ~user $HOME `x` \"q\"'"},
      {"/tmp/dir/", "dir", "'/tmp/dir'"},
      {"/", "", "'/'"},
  };
  for (const Row& row : rows) {
    const FolderItem item(row.path);
    EXPECT_EQ(item.Name(), row.name) << row.path;
    EXPECT_EQ(item.ShellPath(), row.shell) << row.path;
  }
}

TEST(FolderItem, ShellPathIsOneLiteralWordForTheShell) {
  const std::string nasty = "/tmp/a'b\"c $(echo no) `x` \\ *?\n-~";
  QProcess shell;
  shell.start("/bin/sh", {"-c", QString::fromStdString("printf %s " + FolderItem(nasty).ShellPath())});
  ASSERT_TRUE(shell.waitForFinished());
  EXPECT_EQ(shell.readAllStandardOutput().toStdString(), nasty);
}

TEST(FolderItem, ChildAndParent) {
  const FolderItem folder("/tmp");
  EXPECT_EQ(folder.Child("x.txt")->NativePath(), "/tmp/x.txt");
  EXPECT_EQ(FolderItem("/").Child("etc")->NativePath(), "/etc");
  for (const char* bad : {"", ".", "..", "a/b"}) EXPECT_EQ(folder.Child(bad), nullptr) << bad;
  EXPECT_EQ(folder.Child(std::string("a\0b", 3)), nullptr);
  EXPECT_EQ(folder.Parent()->NativePath(), "/");
  EXPECT_EQ(FolderItem("/").Parent(), nullptr);
  EXPECT_EQ(FolderItem("relative").NativePath().front(), '/');
}

TEST(FolderItem, CreateWriteAndRead) {
  QTemporaryDir dir;
  const FolderItem base(dir.path().toStdString());
  const auto sub = base.Child("sub folder");
  EXPECT_FALSE(sub->Exists());
  EXPECT_TRUE(sub->CreateAsFolder());
  EXPECT_FALSE(sub->CreateAsFolder());  // exists already
  EXPECT_TRUE(sub->IsFolder());

  const auto file = sub->Child("data.bin");
  const std::string content("bytes\0and\r\nmore", 15);
  auto out = file->CreateBinaryFile("");
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->Write(content));
  EXPECT_FALSE(file->Exists());  // nothing in place until Close
  EXPECT_TRUE(out->Close());
  EXPECT_FALSE(out->Close());
  EXPECT_TRUE(file->Exists());
  EXPECT_TRUE(file->IsReadable());

  auto in = file->OpenAsTextFile();
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadAll(), content);
  EXPECT_TRUE(in->EndOfFile());
  in->Close();
  EXPECT_EQ(in->ReadAll(), "");

  // A stream dropped without Close leaves the old content.
  auto abandoned = file->CreateBinaryFile("");
  ASSERT_TRUE(abandoned);
  abandoned->Write("new");
  abandoned.reset();
  EXPECT_EQ(file->OpenAsTextFile()->ReadAll(), content);

  EXPECT_EQ(sub->Child("missing")->OpenAsTextFile(), nullptr);
  EXPECT_EQ(sub->OpenAsTextFile(), nullptr);
  // A name that is not UTF-8 is written under exactly its bytes; a link keeps pointing at the
  // file it names, which takes the new content.
  const auto latin = sub->Child("caf\xE9.xml");
  const auto link = sub->Child("link.xml");
  ASSERT_EQ(::symlink(latin->NativePath().c_str(), link->NativePath().c_str()), 0);
  for (const auto& [target, text] : {std::pair{latin, "first"}, std::pair{link, "second"}}) {
    auto stream = target->CreateBinaryFile("");
    ASSERT_TRUE(stream && stream->Write(text) && stream->Close());
  }
  EXPECT_EQ(latin->OpenAsTextFile()->ReadAll(), "second");
  struct stat linkInfo {};
  ASSERT_EQ(::lstat(link->NativePath().c_str(), &linkInfo), 0);
  EXPECT_TRUE(S_ISLNK(linkInfo.st_mode));
  // A named pipe would block the reader until someone writes to it; a device may never end.
  const auto pipe = sub->Child("pipe");
  ASSERT_EQ(::mkfifo(pipe->NativePath().c_str(), 0600), 0);
  EXPECT_EQ(pipe->OpenAsTextFile(), nullptr);
  EXPECT_EQ(FolderItem("/dev/zero").OpenAsTextFile(), nullptr);
  EXPECT_EQ(sub->CreateBinaryFile(""), nullptr);
  EXPECT_EQ(sub->Child("missing")->Child("x")->CreateBinaryFile(""), nullptr);
}

TEST(FolderItem, PersistentReference) {
  const FolderItem item("/tmp/some file");
  EXPECT_EQ(item.GetSaveInfo(nullptr, 0), "/tmp/some file");
  EXPECT_EQ(FolderItem::GetFolderItem("/tmp/some file", 0)->NativePath(), "/tmp/some file");
  for (const std::string& bad :
       {std::string(), std::string("relative/path"), std::string("\x01\x02"), std::string("/a\0b", 4)})
    EXPECT_EQ(FolderItem::GetFolderItem(bad, 0), nullptr);
}

TEST(SpecialFolder, ApplicationDataFollowsXdgConfigHome) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  setenv("XDG_CONFIG_HOME", "/custom/config", 1);
  EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), "/custom/config");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // invalid: ignored
  EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), std::string(std::getenv("HOME")) + "/.config");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SpecialFolder::ApplicationData()->NativePath(), std::string(std::getenv("HOME")) + "/.config");
  setenv("XDG_CONFIG_HOME", saved.constData(), 1);
  ASSERT_TRUE(SpecialFolder::Documents());
  EXPECT_EQ(SpecialFolder::Documents()->NativePath().front(), '/');
}

TEST(MsgBoxSeam, RecorderReceivesTextsUntilRemoved) {
  std::vector<std::string> seen;
  MsgBoxSeam::SetPresenter([&](const std::string& text) { seen.push_back(text); });
  MsgBox("one\ntwo");
  MsgBox("");
  MsgBoxSeam::SetPresenter({});
  MsgBox("to stderr");
  EXPECT_EQ(seen, (std::vector<std::string>{"one\ntwo", ""}));
}

}  // namespace
