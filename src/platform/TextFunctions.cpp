#include "platform/TextFunctions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

double Val(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Only a digit, or a point followed by a digit, starts a number ("inf" and "nan" do not).
  const bool startsNumber =
      at < text.size() &&
      ((text[at] >= '0' && text[at] <= '9') ||
       (text[at] == '.' && at + 1 < text.size() && text[at + 1] >= '0' && text[at + 1] <= '9'));
  if (!startsNumber) return 0.0;
  double value = 0.0;
  const char* first = text.data() + at;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Tell an overflow from an underflow by the exponent's sign.
    const std::string number(first, end);
    const auto e = number.find_first_of("eE");
    const bool tiny = e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (error != std::errc()) {
    return 0.0;
  }
  return negative ? -value : value;
}

std::int64_t TruncateToInt64(double value) {
  if (std::isnan(value)) return 0;
  const double truncated = std::trunc(value);
  // 2^63 is exactly representable; every double below it converts without overflow.
  if (truncated >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
  if (truncated < -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(truncated);
}

std::string Str(std::int64_t value) {
  return std::to_string(value);
}
std::string Str(int value) {
  return std::to_string(value);
}

std::string Str(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double Ceil(double value) {
  return std::ceil(value);
}

namespace {

// The shortest digits that read back to value (finite, not negative), in plain decimal notation.
std::string plainShortest(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string scientific(buffer, result.ptr);  // d[.ddd]e±XX
  const auto e = scientific.find('e');
  std::string digits = scientific.substr(0, e);
  digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
  const long exponent = std::strtol(scientific.c_str() + e + 1, nullptr, 10);
  const long point = exponent + 1;  // digits before the decimal point
  const auto count = static_cast<long>(digits.size());
  if (point <= 0) return "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
  if (point >= count) return digits + std::string(static_cast<std::size_t>(point - count), '0');
  return digits.substr(0, static_cast<std::size_t>(point)) + "." +
         digits.substr(static_cast<std::size_t>(point));
}

}  // namespace

std::string Format(double value, const std::string& pattern) {
  const bool showSign = !pattern.empty() && pattern.front() == '-';
  std::size_t minDecimals = 0, maxDecimals = 0;
  bool hasPoint = false;
  if (const auto point = pattern.find('.'); point != std::string::npos) {
    hasPoint = true;
    for (std::size_t i = point + 1; i < pattern.size(); ++i) {
      if (pattern[i] == '0')
        ++minDecimals, ++maxDecimals;
      else if (pattern[i] == '#')
        ++maxDecimals;
      else
        break;
    }
  }
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  std::string text = plainShortest(magnitude);
  const auto point = text.find('.');
  const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
  if (decimals > maxDecimals && maxDecimals < 15) {
    // A short pattern rounds; one of fifteen decimals or more keeps every digit that matters.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                                      static_cast<int>(maxDecimals));
    text.assign(buffer, result.ptr);
    if (const auto rounded = text.find('.'); rounded != std::string::npos) {
      std::size_t keep = text.size();
      while (keep > rounded + 1 + minDecimals && text[keep - 1] == '0') --keep;
      text.resize(keep);
      if (text.back() == '.') text.pop_back();
    }
  }
  if (hasPoint && minDecimals > 0) {
    auto at = text.find('.');
    if (at == std::string::npos) {
      text += '.';
      at = text.size() - 1;
    }
    const std::size_t have = text.size() - at - 1;
    if (have < minDecimals) text.append(minDecimals - have, '0');
  }
  if (negative && showSign) text.insert(text.begin(), '-');
  return text;
}

std::string Hex(std::int64_t value) {
  auto bits = static_cast<std::uint64_t>(value);
  if (bits == 0) return "0";
  std::string digits;
  while (bits != 0) {
    digits.insert(digits.begin(), "0123456789ABCDEF"[bits & 0xF]);
    bits >>= 4;
  }
  return digits;
}
