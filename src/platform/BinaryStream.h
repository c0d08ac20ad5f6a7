#pragma once

#include <string>

// A byte stream that replaces a file atomically: the bytes go to a temporary file beside it,
// and only Close moves it into place. Destroyed without Close, it leaves the old file as it was.
class BinaryStream {
 public:
  // Takes over fd, open for writing on the temporary file tempPath, which Close renames to
  // targetPath.
  BinaryStream(int fd, std::string tempPath, std::string targetPath);
  BinaryStream(const BinaryStream&) = delete;
  BinaryStream& operator=(const BinaryStream&) = delete;
  ~BinaryStream();

  // Writes the bytes of text; false when they could not all be written (Close then fails too).
  bool Write(const std::string& text);
  // Flushes and moves the file into place; false when the text did not fully reach the disk
  // (the old file is then intact). A second Close returns false.
  bool Close();

 private:
  // Closes and removes the temporary file.
  void discard();

  int m_fd;
  std::string m_tempPath;
  std::string m_targetPath;
  bool m_failed = false;
};
