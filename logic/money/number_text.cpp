#include "logic/money/number_text.h"

#include <algorithm>

namespace banknotes {

std::string QuantityOfDigits(const std::string& digits) {
  // Four digits stand together, as textbooks write them: 1000, 9999.
  if (digits.size() < 5) return digits;
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += "\u00a0";
    grouped += digits[i];
  }
  return grouped;
}

std::string Quantity(std::int64_t number) {
  const std::uint64_t magnitude =
      number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  std::string text = number < 0 ? "-" : "";
  text += QuantityOfDigits(std::to_string(magnitude));
  return text;
}

const char* NounForm(Noun noun, bool one) {
  switch (noun) {
    case Noun::Banknote:
      return one ? "банкнота" : "банкноти";
    case Noun::Coin:
      return one ? "монета" : "монети";
    case Noun::Cent:
      return one ? "цент" : "цента";
    case Noun::Way:
      return one ? "начин" : "начина";
    case Noun::Step:
      return one ? "стъпка" : "стъпки";
    case Noun::Combination:
      return one ? "комбинация" : "комбинации";
    case Noun::Day:
      return one ? "ден" : "дни";
    case Noun::Year:
      return one ? "година" : "години";
  }
  return "";
}

std::string Counted(std::int64_t count, Noun noun) {
  return Quantity(count) + " " + NounForm(noun, count == 1);
}

std::string Listed(const std::vector<std::string>& items, const char* last) {
  std::string listed;
  for (std::size_t i = 0; i < items.size(); ++i)
    listed.append(i == 0 ? "" : i + 1 == items.size() ? last : ", ").append(items[i]);
  return listed;
}

std::string CountedOfDigits(const std::string& digits, Noun noun) {
  return QuantityOfDigits(digits) + " " + NounForm(noun, digits == "1");
}

WholeRead ReadWhole(const std::string& text, std::int64_t most, const std::string& what,
                    std::int64_t least) {
  if (text.empty()) return {};
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::string range = Quantity(least) + " до " + Quantity(most);
  if (!digits || text.size() > 6) return {{}, what + " трябва да е цяло число от " + range + "."};
  const std::int64_t number = std::stoll(text);
  if (number < least || number > most)
    return {{}, what + " не може да е " + Quantity(number) + ": въведете число от " + range + "."};
  return {number, ""};
}

}  // namespace banknotes
