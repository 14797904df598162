#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace banknotes {

// Amounts of money in euro and cents, held as whole cents so that no sum is
// ever off by a rounding: read from what a pupil types ("12,35", "12.35",
// "12,35 €", "12", "1 000,50") and written as our texts write money ("12,35 €",
// a decimal comma, two digits of cents, a no-break space before "€"). The main
// window's whole numbers are not amounts of this kind; its number rules are its
// own.

using Cents = std::int64_t;

// What the reader takes at most unless told: 1 000 000 €.
inline constexpr Cents kLargestCents = 100'000'000;

// An amount read, or none and a Bulgarian sentence that says what is wrong.
struct AmountRead {
  std::optional<Cents> cents;
  std::string wrong;
};
// Digits, thousands grouped by a space or not, a comma or a point and one or two
// digits of cents, and "€" after it all or not; spaces around are no part of
// it. 0 is an amount; one past `largest` is not.
AmountRead ReadAmount(std::string_view text, Cents largest = kLargestCents);

// "12,35 €", "0,05 €", "10 000,00 €"; a minus sign before a negative amount.
std::string CentsText(Cents cents);
// The same without the sign of the euro, as a sum's terms are written: "7,35".
std::string CentsNumber(Cents cents);

}  // namespace banknotes
