#include "platform/TextFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(TextFunctions, Val) {
  const std::pair<const char*, double> rows[] = {
      {"42", 42},   {"  -3.5abc", -3.5}, {"+7", 7},     {".5", 0.5},        {"1e3", 1000},
      {"1.1", 1.1}, {"abc", 0},          {"", 0},       {"inf", 0},         {"nan", 0},
      {"-", 0},     {"1e400", INFINITY}, {"1e-400", 0}, {"\t12 lines", 12}, {"4294967296", 4294967296.0}};
  for (const auto& [text, value] : rows) EXPECT_EQ(Val(text), value) << '"' << text << '"';
}

TEST(TextFunctions, ValStoredIntoAnIntegerTruncatesTowardZero) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  const std::pair<const char*, std::int64_t> rows[] = {
      {"300", 300},
      {"12.9", 12},
      {"-12.9", -12},
      {"abc", 0},
      {"9223372036854775807", kMax},
      {"99999999999999999999999", kMax},
      {"-99999999999999999999999", kMin},
      {"1e400", kMax},
      {"9007199254740993", 9007199254740992},  // read as a double first
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(TruncateToInt64(Val(text)), value) << text;
  EXPECT_EQ(TruncateToInt64(std::nan("")), 0);
}

TEST(TextFunctions, StrAndCeil) {
  EXPECT_EQ(Str(0), "0");
  EXPECT_EQ(Str(static_cast<std::int64_t>(-9000000000)), "-9000000000");
  EXPECT_EQ(Str(500.0), "500");
  EXPECT_EQ(Str(-2.0), "-2");
  EXPECT_EQ(Str(2.5), "2.5");
  EXPECT_EQ(Str(1000.0 / 1.0), "1000");
  EXPECT_EQ(Ceil(3.2), 4);
  EXPECT_EQ(Ceil(3.0), 3);
  EXPECT_EQ(Ceil(-3.5), -3);
}

TEST(TextFunctions, FormatRealPattern) {
  const std::pair<double, const char*> rows[] = {{1.0, "1.0"},
                                                 {-1.5, "-1.5"},
                                                 {0.1, "0.1"},
                                                 {100.0, "100.0"},
                                                 {-0.0, "-0.0"},
                                                 {1e-20, "0.00000000000000000001"},
                                                 {0.3333333333333333, "0.3333333333333333"}};
  for (const auto& [value, text] : rows) EXPECT_EQ(Format(value, "-#.0##############"), text);
  EXPECT_EQ(Format(1e300, "-#.0##############"), "1" + std::string(300, '0') + ".0");
  EXPECT_EQ(Format(3.14159, "#.00"), "3.14");
  EXPECT_EQ(Format(2.0, "#.00"), "2.00");
  EXPECT_EQ(Format(-2.5, "#.0"), "2.5");  // no sign in the pattern
}

TEST(TextFunctions, HexAndEndOfLine) {
  EXPECT_EQ(Hex(0), "0");
  EXPECT_EQ(Hex(255), "FF");
  EXPECT_EQ(Hex(0xFF00FF), "FF00FF");
  EXPECT_EQ(Hex(-1), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(EndOfLine(), "\n");
}

}  // namespace
