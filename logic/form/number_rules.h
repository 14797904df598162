#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace banknotes {

// How the program turns field texts into numbers and back. Every field holds
// text; these rules alone decide what a text is worth. They never depend on the
// process locale. Failures throw NumberError.

// Reads the number at the start of a text; blanks, tabs and line feeds anywhere
// are ignored, and a text with no number reads 0. Accepts a sign, digits with
// one period, an exponent with E or D, and &H / &O for hexadecimal and octal.
// A value too large for a double is an overflow.
double ReadNumber(std::string_view text);

// Rounds half to even, then checks the range: a count is 16-bit, a total and a
// whole number 32-bit. Out of range is an overflow.
std::int16_t NarrowToCount(double value);
std::int32_t NarrowToTotal(double value);
std::int32_t NarrowToWhole(double value);

// a \ b and a Mod b: both operands are narrowed to whole numbers first; the
// quotient truncates toward zero and the remainder keeps the dividend's sign.
std::int32_t IntegerQuotient(double a, double b);
std::int32_t IntegerRemainder(double a, double b);

// Decimal digits with a leading "-" when negative.
std::string IntegerText(std::int64_t value);

}  // namespace banknotes
