#pragma once

#include <string>

namespace banknotes {

// Measured and estimated quantities as a Bulgarian text writes them: digits
// grouped as number_text.h groups them, two significant figures, a decimal comma and powers of ten
// as 10⁷. Done in whole numbers, so that no locale can change a character.

// A positive quantity to two significant figures: "0,0072", "3,4", "1200", "42 000",
// "1,2 × 10⁷" from ten million on; a trailing ",0" is dropped.
std::string TwoFigures(double value);

// A time in the largest unit that it reaches, to two figures, carried over to
// the next unit when the figures round up to it: 59,99 s is "1 мин", 86 399 s
// "1 ден". Below a millisecond, "по-малко от 0,001 с".
std::string DurationText(double seconds);

// A power of ten as our texts write it: "1", "10", "10²", "10⁷".
std::string PowerOfTenText(int exponent);

}  // namespace banknotes
