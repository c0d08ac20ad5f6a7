#pragma once

#include <cstdint>
#include <string>

// The platform's line end: LF.
inline const std::string& EndOfLine() {
  static const std::string kEol = "\n";
  return kEol;
}

// The leading decimal number of text (after blanks and tabs; sign, digits, point, exponent);
// 0 when the text does not begin with a number.
double Val(const std::string& text);

// value truncated toward zero to a signed 64-bit integer, as storing a Val result into an
// integer does; NaN gives 0 and values beyond the range give the nearer bound.
std::int64_t TruncateToInt64(double value);

// The decimal text of an integer.
std::string Str(std::int64_t value);
std::string Str(int value);
// A whole value as its digits without a fraction; any other value as the shortest text that
// reads back to it.
std::string Str(double value);

// The smallest whole number not below value.
double Ceil(double value);

// value formatted by a number pattern such as "-#.0##" (a leading "-" shows the sign of negative
// values, the zeros after the point are decimals always written, the "#" ones optional). When
// the pattern allows fifteen decimals or more, the value is written as the shortest plain decimal
// text that reads back to the identical double (digits beyond the fifteenth decimal included);
// a pattern with fewer decimals rounds to them.
std::string Format(double value, const std::string& pattern);

// The upper-case hexadecimal digits of value, without leading zeros (a negative value shows its
// 64-bit two's complement).
std::string Hex(std::int64_t value);
