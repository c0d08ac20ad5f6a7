#include "platform/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <climits>

#include "platform/BinaryStream.h"
#include "platform/TextInputStream.h"

namespace {

std::string currentFolder() {
  std::string buffer(PATH_MAX, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return "/";
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return buffer;
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
  std::string word = "'";
  for (const char c : m_path) {
    if (c == '\'')
      word += "'\\''";
    else
      word += c;
  }
  word += '\'';
  return word;
}

bool FolderItem::Exists() const {
  struct stat info {};
  return ::stat(m_path.c_str(), &info) == 0;
}

bool FolderItem::IsReadable() const {
  return Exists() && ::access(m_path.c_str(), R_OK) == 0;
}

bool FolderItem::IsFolder() const {
  struct stat info {};
  return ::stat(m_path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
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

bool FolderItem::CreateAsFolder() const {
  return ::mkdir(m_path.c_str(), 0777) == 0;
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const std::string& /*type*/) const {
  if (IsFolder()) return nullptr;
  auto file = std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(m_path)));
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return std::make_unique<BinaryStream>(std::move(file));
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

BinaryStream::BinaryStream(std::unique_ptr<QSaveFile> file) : m_file(std::move(file)) {}

BinaryStream::~BinaryStream() {
  if (m_file && m_file->isOpen()) m_file->cancelWriting();
}

bool BinaryStream::Write(const std::string& text) {
  if (!m_file || !m_file->isOpen()) return false;
  const qint64 written = m_file->write(text.data(), static_cast<qint64>(text.size()));
  if (written != static_cast<qint64>(text.size())) {
    m_file->cancelWriting();
    return false;
  }
  return true;
}

bool BinaryStream::Close() {
  if (!m_file || !m_file->isOpen()) {
    m_file.reset();
    return false;
  }
  const bool committed = m_file->commit();
  m_file.reset();
  return committed;
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
