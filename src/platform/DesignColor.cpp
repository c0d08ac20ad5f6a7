#include "platform/DesignColor.h"

QColor ColorFromStored(const StoredColor& bytes) {
  const std::uint32_t value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                              std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
  const int alpha = 255 - int(value >> 24);  // stored 0 is opaque
  return QColor(int(value >> 16 & 0xff), int(value >> 8 & 0xff), int(value & 0xff), alpha);
}
