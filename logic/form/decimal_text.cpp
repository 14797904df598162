#include "logic/form/decimal_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace banknotes::decimal_text {
namespace {

// "DIGITSe<n>": an integer mantissa, so no decimal point is ever involved.
std::string Scientific(std::string_view digits, int exponent) {
  std::string text(digits);
  text += 'e';
  text += std::to_string(exponent - static_cast<int>(digits.size()));
  return text;
}

// What either way of reading gives, made the same: too large is infinity, too
// small or subnormal is zero. A value whose leading digit stands above the
// point cannot underflow, nor one below it overflow.
double Settled(bool negative, double magnitude, bool out_of_range, int exponent) {
  if (out_of_range) magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  if (std::fpclassify(magnitude) == FP_SUBNORMAL) magnitude = 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

double ScaledDecimalByStrtod(bool negative, std::string_view digits, int exponent) {
  const std::string text = Scientific(digits, exponent);
  errno = 0;
  const double magnitude = std::strtod(text.c_str(), nullptr);
  return Settled(negative, magnitude, errno == ERANGE, exponent);
}

#if defined(__cpp_lib_to_chars)

double ScaledDecimal(bool negative, std::string_view digits, int exponent) {
  const std::string text = Scientific(digits, exponent);
  double magnitude = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  return Settled(negative, magnitude, result.ec == std::errc::result_out_of_range, exponent);
}

#else

double ScaledDecimal(bool negative, std::string_view digits, int exponent) {
  return ScaledDecimalByStrtod(negative, digits, exponent);
}

#endif

}  // namespace banknotes::decimal_text
