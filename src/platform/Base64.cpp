#include "platform/Base64.h"

#include <array>
#include <cstdint>

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> decodeTable() {
  std::array<std::int8_t, 256> table{};
  for (auto& entry : table) entry = -1;
  for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
  return table;
}
constexpr auto kDecode = decodeTable();
}  // namespace

std::string EncodeBase64(const std::string& data, int lineWrap) {
  std::string plain;
  plain.reserve((data.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < data.size(); i += 3) {
    const std::uint32_t n = (static_cast<unsigned char>(data[i]) << 16) |
                            (static_cast<unsigned char>(data[i + 1]) << 8) |
                            static_cast<unsigned char>(data[i + 2]);
    plain += kAlphabet[(n >> 18) & 63];
    plain += kAlphabet[(n >> 12) & 63];
    plain += kAlphabet[(n >> 6) & 63];
    plain += kAlphabet[n & 63];
  }
  if (const std::size_t rest = data.size() - i; rest > 0) {
    std::uint32_t n = static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << 16;
    if (rest == 2) n |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i + 1])) << 8;
    plain += kAlphabet[(n >> 18) & 63];
    plain += kAlphabet[(n >> 12) & 63];
    plain += rest == 2 ? kAlphabet[(n >> 6) & 63] : '=';
    plain += '=';
  }
  if (lineWrap <= 0 || plain.size() <= static_cast<std::size_t>(lineWrap)) return plain;
  const auto wrap = static_cast<std::size_t>(lineWrap);
  std::string wrapped;
  wrapped.reserve(plain.size() + plain.size() / wrap * 2);
  for (std::size_t at = 0; at < plain.size(); at += wrap) {
    if (at > 0) wrapped += "\r\n";
    wrapped.append(plain, at, wrap);
  }
  return wrapped;
}

std::string DecodeBase64(const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size() / 4 * 3);
  std::uint32_t buffer = 0;
  int bits = 0;
  for (const char c : text) {
    if (c == '=') break;
    const int value = kDecode[static_cast<unsigned char>(c)];
    if (value < 0) continue;
    buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes += static_cast<char>((buffer >> bits) & 0xFF);
    }
  }
  return bytes;
}
