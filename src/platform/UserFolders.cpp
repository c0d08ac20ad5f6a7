#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <cstdlib>

namespace {

// $HOME, or the password database's home folder; "" when neither is an absolute path.
std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = ::getpwuid(::getuid());
      entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/')
    return entry->pw_dir;
  return {};
}

}  // namespace

std::shared_ptr<FolderItem> SpecialFolder::ApplicationData() {
  // A relative $XDG_CONFIG_HOME is invalid and must be ignored.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
    return std::make_shared<FolderItem>(config);
  const std::string home = homeFolder();
  if (home.empty()) return nullptr;
  return std::make_shared<FolderItem>(home + "/.config");
}

std::shared_ptr<FolderItem> SpecialFolder::Documents() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && documents.startsWith('/'))
    return std::make_shared<FolderItem>(QFile::encodeName(documents).toStdString());
  const std::string home = homeFolder();
  if (home.empty()) return nullptr;
  return std::make_shared<FolderItem>(home + "/Documents");
}
