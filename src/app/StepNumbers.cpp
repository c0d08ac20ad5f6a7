#include "app/StepNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace StepNumbers {

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

double Val(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t mantissa = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  bool digits = i > mantissa;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    digits = digits || i > fraction;
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponent = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > exponent) i = j;
  }
  // from_chars takes no leading '+', so parse the unsigned part and apply the sign here.
  const bool negative = text[start] == '-';
  const std::size_t first = mantissa;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + first, text.data() + i, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large: infinity; too small: zero. Tell them apart by the exponent's sign.
    const std::string part = text.substr(first, i - first);
    const auto e = part.find_first_of("eE");
    const bool tiny = e != std::string::npos && e + 1 < part.size() && part[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (result.ec != std::errc()) {
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

std::int64_t ValToInt64(const std::string& text) {
  return TruncateToInt64(Val(text));
}

std::string StrDouble(double value) {
  char buffer[64];
  std::to_chars_result result;
  if (std::isfinite(value) && value == std::trunc(value)) {
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
  } else {
    result = std::to_chars(buffer, buffer + sizeof buffer, value);
  }
  return std::string(buffer, result.ptr);
}

std::int64_t HalfRoundedUp(std::int64_t count) {
  return TruncateToInt64(std::ceil(static_cast<double>(count) / 2.0));
}

}  // namespace StepNumbers
