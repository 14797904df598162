#pragma once

#include <string>
#include <string_view>

namespace banknotes::decimal_text {

// Decimal text to doubles, through <charconv> where the standard
// library has it for floating point, and through the C library where it does
// not (libc++ 13, which emscripten brings): the results are the same either way.
// Neither depends on the process locale.

// The double nearest to +-0.DIGITS x 10^exponent, for significant digits with
// no leading zero: +-infinity past the double range, +-0 below its normal range.
double ScaledDecimal(bool negative, std::string_view digits, int exponent);

// The C library's way of doing the same, built everywhere so that tests can hold
// it against the standard call.
double ScaledDecimalByStrtod(bool negative, std::string_view digits, int exponent);

}  // namespace banknotes::decimal_text
