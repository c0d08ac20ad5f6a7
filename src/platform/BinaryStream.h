#pragma once

#include <memory>
#include <string>

class QSaveFile;

// A byte stream that replaces a file atomically: the bytes go to a temporary file beside it,
// and only Close moves it into place. Destroyed without Close, it leaves the old file as it was.
class BinaryStream {
 public:
  explicit BinaryStream(std::unique_ptr<QSaveFile> file);
  BinaryStream(const BinaryStream&) = delete;
  BinaryStream& operator=(const BinaryStream&) = delete;
  ~BinaryStream();

  // Writes the bytes of text; false when they could not all be written (Close then fails too).
  bool Write(const std::string& text);
  // Flushes and moves the file into place; false when the text did not fully reach the disk
  // (the old file is then intact). A second Close returns false.
  bool Close();

 private:
  std::unique_ptr<QSaveFile> m_file;
};
