#include "platform/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <random>
#include <utility>

#include "platform/BinaryStream.h"
#include "platform/ShellWord.h"
#include "platform/TextInputStream.h"

namespace {

std::string currentFolder() {
  std::string buffer(PATH_MAX, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return "/";
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return buffer;
}

// The path that a write to path replaces: path itself, or, when it names a symbolic link, the
// item at the end of the links, which need not exist yet. A relative link is read against the
// folder that holds it. Nothing when a link cannot be read or the links go round in a loop.
std::optional<std::string> finalLinkTarget(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {  // the kernel's own limit on links in one lookup
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    path = target.front() == '/' ? target : path.substr(0, path.rfind('/') + 1) + target;
  }
  return std::nullopt;
}

// Drops trailing slashes (but keeps the root "/").
std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

FolderItem::FolderItem(std::string path) {
  if (path.empty() || path.front() != '/') {
    const std::string base = currentFolder();
    path = (base == "/" ? base : base + "/") + path;
  }
  m_path = withoutTrailingSlashes(std::move(path));
}

std::string FolderItem::Name() const {
  const auto slash = m_path.rfind('/');
  return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

std::string FolderItem::ShellPath() const {
  return ShellWord(m_path);
}

bool FolderItem::Exists() const {
  struct stat info {};
  return ::stat(m_path.c_str(), &info) == 0;
}

bool FolderItem::NameInUse() const {
  struct stat info {};
  return ::lstat(m_path.c_str(), &info) == 0;
}

bool FolderItem::IsReadable() const {
  return ::access(m_path.c_str(), R_OK) == 0;
}

bool FolderItem::IsFolder() const {
  struct stat info {};
  return ::stat(m_path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FolderItem::IsRegularFile() const {
  struct stat info {};
  return ::stat(m_path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
      name.find('\0') != std::string::npos)
    return nullptr;
  return std::make_shared<FolderItem>(m_path == "/" ? "/" + name : m_path + "/" + name);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
  if (m_path == "/") return nullptr;
  const auto slash = m_path.rfind('/');
  return std::make_shared<FolderItem>(slash == 0 ? std::string("/") : m_path.substr(0, slash));
}

bool FolderItem::CreateAsFolder() {
  m_lastErrorCode = ::mkdir(m_path.c_str(), 0777) == 0 ? 0 : errno;
  return m_lastErrorCode == 0;
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const std::string& /*type*/) const {
  if (IsFolder()) return nullptr;
  // The new file takes the place of the link's target, never of the link: a link that leads
  // nowhere yet (a dotfiles link whose file is missing) gets its file made.
  const std::optional<std::string> resolved = finalLinkTarget(m_path);
  if (!resolved) return nullptr;
  const std::string& target = *resolved;
  struct stat info {};
  const bool replacing = ::stat(target.c_str(), &info) == 0;
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = target + ".tmp" + std::to_string(random());
    // Made with the usual permissions (the umask applies); a replaced file keeps its own.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    if (replacing) ::fchmod(fd, info.st_mode & 07777);
    return std::make_unique<BinaryStream>(fd, temp, target);
  }
  return nullptr;
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  // Opened without blocking and kept only when it is a regular file: a named pipe or a device
  // in its place would otherwise hang the caller or feed it without end.
  const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat info {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<TextInputStream>(fd);
}

std::string FolderItem::GetSaveInfo(const std::shared_ptr<FolderItem>& /*relativeTo*/, int /*type*/) const {
  return m_path;
}

std::shared_ptr<FolderItem> FolderItem::GetFolderItem(const std::string& saveInfo, int /*pathMode*/) {
  if (saveInfo.empty() || saveInfo.front() != '/' || saveInfo.find('\0') != std::string::npos) return nullptr;
  return std::make_shared<FolderItem>(saveInfo);
}

// ---- BinaryStream

BinaryStream::BinaryStream(int fd, std::string tempPath, std::string targetPath)
    : m_fd(fd), m_tempPath(std::move(tempPath)), m_targetPath(std::move(targetPath)) {}

BinaryStream::~BinaryStream() {
  discard();
}

void BinaryStream::discard() {
  if (m_fd < 0) return;
  ::close(m_fd);
  ::unlink(m_tempPath.c_str());
  m_fd = -1;
}

bool BinaryStream::Write(const std::string& text) {
  if (m_fd < 0 || m_failed) return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(m_fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      m_failed = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool BinaryStream::Close() {
  if (m_fd < 0) return false;
  // Only bytes that have reached the disk may take the old file's place.
  if (m_failed || ::fsync(m_fd) != 0) {
    discard();
    return false;
  }
  const int fd = std::exchange(m_fd, -1);
  if (::close(fd) != 0 || ::rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) {
    ::unlink(m_tempPath.c_str());
    return false;
  }
  return true;
}

// ---- TextInputStream

TextInputStream::~TextInputStream() {
  Close();
}

std::string TextInputStream::ReadAll() {
  std::string text;
  if (m_fd < 0) return text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0) {
      m_eof = true;
      break;
    } else if (errno != EINTR) {
      m_error = true;
      break;
    }
  }
  return text;
}

void TextInputStream::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}
