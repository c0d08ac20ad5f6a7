#pragma once

#include <cstdint>
#include <string>

// Number conversions of the main window's step handlers.
namespace StepNumbers {

// The number that text begins with (blanks before it are skipped); 0 when it begins with none.
double Val(const std::string& text);
// value truncated toward zero; NaN gives 0 and values beyond the range give its nearer bound.
std::int64_t TruncateToInt64(double value);
// Val truncated toward zero to a signed 64-bit integer.
std::int64_t ValToInt64(const std::string& text);
// A whole value as its digits without a fraction; other values in the shortest exact form.
std::string StrDouble(double value);
// Ceil(count / 2.0) as an integer: the largest lines-per-file value the slider offers.
std::int64_t HalfRoundedUp(std::int64_t count);

}  // namespace StepNumbers
