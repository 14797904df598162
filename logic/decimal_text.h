#pragma once

#include <string>
#include <string_view>

namespace banknotes::decimal_text {

// Decimal text to doubles and back, through <charconv> where the standard
// library has it for floating point, and through the C library where it does
// not (libc++ 13, which emscripten brings): the results are the same either way.
// Neither depends on the process locale.

// The double nearest to +-0.DIGITS x 10^exponent, for significant digits with
// no leading zero: +-infinity past the double range, +-0 below its normal range.
double ScaledDecimal(bool negative, std::string_view digits, int exponent);

// The value with `precision` significant digits, as printf's "%.*g" writes it in
// the C locale: 1.5e+300, 0.0001, 12.3456789012346.
std::string GeneralText(double value, int precision);

// The C library's ways of doing the same, built everywhere so that tests can
// hold them against the standard calls.
double ScaledDecimalByStrtod(bool negative, std::string_view digits, int exponent);
std::string GeneralTextByPrintf(double value, int precision);

}  // namespace banknotes::decimal_text
