#pragma once

#include <cstdint>
#include <string>

#include "logic/form/form_state.h"

namespace banknotes {

// The three button actions. Each reads what it needs from the form and writes
// its results back only once every step has succeeded; a failing step throws
// NumberError with the form untouched.

// "Въведи": pays the amount with the fewest banknotes, largest first, adds them
// to the counts and the amount to the running total, and empties the amount.
void EnterPayment(FormState& form);

// "Изведи": lists every way to make the sum from 20, 10, 5, 2 and 1, ordered by
// the number of 1s, then 2s, 5s, 10s and 20s, and empties the payment side.
void ListSplits(FormState& form);

// "Чисти": empties every field, mark and line. Captions stay.
void ClearAll(FormState& form);

// One line of the listing: "20*e + 10*d + 5*c + 2*b + 1*a = sum", with a ones,
// b twos, c fives, d tens and e twenties.
std::string SplitLine(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                      std::int64_t e, std::int64_t sum);

}  // namespace banknotes
