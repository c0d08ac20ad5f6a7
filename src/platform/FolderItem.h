#pragma once

#include <memory>
#include <string>

#include "platform/Object.h"

class BinaryStream;
class TextInputStream;

// A file or folder named by its absolute path. The path is kept as the file system's raw bytes,
// so every name, UTF-8 or not, survives unchanged.
class FolderItem : public Object {
 public:
  // path must be absolute; a relative path is made absolute against the current folder.
  explicit FolderItem(std::string path);

  // The absolute path, as raw bytes.
  const std::string& NativePath() const { return m_path; }
  // The last path component ("" for the root folder).
  std::string Name() const;
  // The absolute path as one POSIX-shell word in single quotes, every character literal.
  std::string ShellPath() const;

  // True when an item is there, a symbolic link counting as what it leads to: a link that leads
  // nowhere does not exist. False when there is none or it cannot be examined.
  bool Exists() const;
  // True when the name is taken in its folder, by any item: a symbolic link counts even when it
  // leads nowhere, for no new item can be made under its name. False when it cannot be examined.
  bool NameInUse() const;
  // True only for an existing item that this process may read.
  bool IsReadable() const;
  // True only for an existing folder.
  bool IsFolder() const;
  // True only for an existing regular file, or a link to one; false for a folder, a named pipe,
  // a device or a socket.
  bool IsRegularFile() const;

  // The child of this folder called name, whether or not it exists; nullptr when name cannot
  // be a single path component (empty, ".", "..", or holding a '/' or a NUL byte).
  std::shared_ptr<FolderItem> Child(const std::string& name) const;
  // The folder that holds this item; nullptr for the root.
  std::shared_ptr<FolderItem> Parent() const;

  // Creates this item as a folder; false when it could not be created (it may exist already),
  // and LastErrorCode then tells why.
  bool CreateAsFolder();
  // The system's error number (errno) of the last CreateAsFolder that failed; 0 after success.
  int LastErrorCode() const { return m_lastErrorCode; }
  // A stream that replaces the file's content when it is closed; nullptr when the file cannot
  // be created. A symbolic link is written through: what it leads to is replaced or created, and
  // the link stays. The type is accepted for compatibility and ignored.
  std::unique_ptr<BinaryStream> CreateBinaryFile(const std::string& type) const;
  // A stream over the file's text; nullptr when it cannot be opened for reading or is not a
  // regular file (a folder, a named pipe, a device).
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;

  // The persistent reference to this item: on this platform the absolute path's bytes.
  std::string GetSaveInfo(const std::shared_ptr<FolderItem>& relativeTo, int type) const;
  // Resolves a persistent reference; nullptr when the bytes are not an absolute path.
  static std::shared_ptr<FolderItem> GetFolderItem(const std::string& saveInfo, int pathMode);

 private:
  std::string m_path;
  int m_lastErrorCode = 0;
};
