#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace banknotes {

// How our texts write a quantity and a count: whole numbers grouped by
// thousands from 10 000 up ("9999", "10 000", a no-break space between the
// groups), and a count with its noun in the form the number asks for ("1
// банкнота", "2 банкноти", "1 начин", "21 начина"). Identifiers (a sheet's
// number, a seed) are not quantities and are written as they are typed.

enum class Noun { Banknote, Coin, Cent, Way, Step, Combination, Day, Year };

// A whole number grouped from 10 000 up; a minus sign before a negative one.
std::string Quantity(std::int64_t number);
// The same for a number's decimal digits, however many ("12345678901234567890").
std::string QuantityOfDigits(const std::string& digits);

// The count and its noun: the singular after 1 alone, else the counted form.
std::string Counted(std::int64_t count, Noun noun);
std::string CountedOfDigits(const std::string& digits, Noun noun);
// The noun alone, as it stands after `one` (true for a count of 1) or another count.
const char* NounForm(Noun noun, bool one);

// Items as a sentence lists them: "4, 3 и 1", or with "или" for a choice; one
// alone, or none.
std::string Listed(const std::vector<std::string>& items, const char* last = " и ");

// A box's whole number from `least` to `most`, none for an empty box, or what
// is wrong with it, said of `what` ("Сумата за плащане трябва да е цяло число от
// 1 до 10 000.").
struct WholeRead {
  std::optional<std::int64_t> number;
  std::string wrong;
};
WholeRead ReadWhole(const std::string& text, std::int64_t most, const std::string& what,
                    std::int64_t least = 1);

}  // namespace banknotes
