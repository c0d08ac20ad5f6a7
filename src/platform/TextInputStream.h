#pragma once

#include <string>

// Reads a file's text. The file is opened by FolderItem::OpenAsTextFile and closed by Close or
// on destruction.
class TextInputStream {
 public:
  explicit TextInputStream(int fd) : m_fd(fd) {}
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;
  ~TextInputStream();

  // Everything from the current position to the end; "" once the stream is closed or at its end.
  // A read error ends the text early (ReadError tells).
  std::string ReadAll();
  // True once the end of the file has been reached.
  bool EndOfFile() const { return m_eof; }
  // True when a read failed.
  bool ReadError() const { return m_error; }
  void Close();

 private:
  int m_fd = -1;
  bool m_eof = false;
  bool m_error = false;
};
