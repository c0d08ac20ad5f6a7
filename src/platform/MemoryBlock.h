#pragma once

#include <cstddef>
#include <string>

#include "platform/Object.h"

// A block of bytes.
class MemoryBlock : public Object {
 public:
  MemoryBlock() = default;
  explicit MemoryBlock(std::string bytes) : m_bytes(std::move(bytes)) {}

  std::size_t Size() const { return m_bytes.size(); }
  // The whole content as a byte string.
  const std::string& StringValue() const { return m_bytes; }
  void SetStringValue(std::string bytes) { m_bytes = std::move(bytes); }

 private:
  std::string m_bytes;
};
