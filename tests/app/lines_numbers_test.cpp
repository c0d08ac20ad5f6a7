// Text-to-number and number-to-text conversions behind the lines-per-sub-file controls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/StepNumbers.h"

namespace {

using namespace StepNumbers;

TEST(StepNumbers, ValReadsTheLeadingNumber) {
  const struct {
    std::string text;
    double value;
  } cases[] = {
      {"300", 300},        {"12.9", 12.9}, {"-5", -5},    {"", 0},       {"abc", 0},       {"  42", 42},
      {"\t7x", 7},         {"+8", 8},      {".5", 0.5},   {"5.", 5},     {"1e3", 1000},    {"1e", 1},
      {"2E+2 lines", 200}, {"-", 0},       {".", 0},      {"12abc", 12}, {"1000\n", 1000}, {"0x10", 0},
      {"inf", 0},          {"nan", 0},     {"1e-400", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(Val("1e400")));
}

TEST(StepNumbers, TruncationTowardZeroWithinInt64) {
  const struct {
    std::string text;
    std::int64_t value;
  } cases[] = {
      {"300", 300},
      {"12.9", 12},
      {"-12.9", -12},
      {"abc", 0},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
      {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
      {"1e400", std::numeric_limits<std::int64_t>::max()},
      {"9007199254740993", 9007199254740992},  // parsed as a double first
  };
  for (const auto& c : cases) EXPECT_EQ(ValToInt64(c.text), c.value) << c.text;
  EXPECT_EQ(TruncateToInt64(std::nan("")), 0);
}

TEST(StepNumbers, StrAndHalf) {
  EXPECT_EQ(StrDouble(4.0), "4");
  EXPECT_EQ(StrDouble(1000.0), "1000");
  EXPECT_EQ(StrDouble(9223372036854775808.0), "9223372036854775808");
  EXPECT_EQ(StrDouble(1.5), "1.5");
  const struct {
    std::int64_t count, half;
  } cases[] = {{1000, 500},
               {999, 500},
               {1, 1},
               {2, 1},
               {3, 2},
               {0, 0},
               {(std::int64_t{1} << 53) - 1, std::int64_t{1} << 52}};
  for (const auto& c : cases) EXPECT_EQ(HalfRoundedUp(c.count), c.half) << c.count;
}

}  // namespace
