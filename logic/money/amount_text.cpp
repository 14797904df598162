#include "logic/money/amount_text.h"

#include "logic/money/number_text.h"

namespace banknotes {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00a0", kEuro = "€";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A space as a pupil types one, or as our texts write one.
std::size_t SpaceAt(std::string_view text, std::size_t at) {
  if (at < text.size() && (text[at] == ' ' || text[at] == '\t')) return 1;
  if (text.substr(at, kNoBreakSpace.size()) == kNoBreakSpace) return kNoBreakSpace.size();
  if (text.substr(at, 3) == "\u202f") return 3;
  return 0;
}

std::string_view Trimmed(std::string_view text) {
  for (std::size_t space; !text.empty() && (space = SpaceAt(text, 0)) > 0;)
    text.remove_prefix(space);
  while (!text.empty()) {
    std::size_t cut = 0;
    for (std::size_t width : {std::size_t{1}, kNoBreakSpace.size(), std::size_t{3}})
      if (text.size() >= width && SpaceAt(text, text.size() - width) == width) cut = width;
    if (cut == 0) break;
    text.remove_suffix(cut);
  }
  return text;
}

std::string Largest(Cents largest) {
  return "Сумата трябва да е най-много " + CentsText(largest) + ".";
}

}  // namespace

AmountRead ReadAmount(std::string_view typed, Cents largest) {
  const std::string_view kHow = "Сумата се пише с цифри и десетична запетая, например 12,35.";
  std::string_view text = Trimmed(typed);
  if (text.empty()) return {std::nullopt, "Въведете сума, например 12,35."};
  if (text.ends_with(kEuro)) text = Trimmed(text.substr(0, text.size() - kEuro.size()));
  if (text.starts_with("-") || text.starts_with("\u2212"))
    return {std::nullopt, "Сумата не може да е отрицателна."};
  // Whole euro: digits, in groups of three after the first where spaced.
  std::string euros;
  std::size_t at = 0, group = 0;
  bool grouped = false;
  while (at < text.size()) {
    if (IsDigit(text[at])) {
      euros += text[at++];
      ++group;
      continue;
    }
    const std::size_t space = SpaceAt(text, at);
    if (space == 0 || group == 0 || (grouped && group != 3) || group > 3 ||
        at + space >= text.size() || !IsDigit(text[at + space]))
      break;
    grouped = true;
    group = 0;
    at += space;
  }
  if (euros.empty() || (grouped && group != 3)) return {std::nullopt, std::string(kHow)};
  // Cents: one or two digits after a comma or a point.
  std::string cents = "00";
  if (at < text.size() && (text[at] == ',' || text[at] == '.')) {
    std::size_t digits = 0;
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      if (++digits > 2) return {std::nullopt, "Центовете са най-много две цифри, например 12,35."};
      cents[digits - 1] = text[at];
    }
    if (digits == 0) return {std::nullopt, std::string(kHow)};
  }
  if (at != text.size()) return {std::nullopt, std::string(kHow)};
  // Past the range long before a 64-bit number overflows.
  const std::size_t first = euros.find_first_not_of('0');
  if (first != std::string::npos && euros.size() - first > 15)
    return {std::nullopt, Largest(largest)};
  const Cents amount = std::stoll(euros) * 100 + std::stoll(cents);
  if (amount > largest) return {std::nullopt, Largest(largest)};
  return {amount, {}};
}

std::string CentsNumber(Cents cents) {
  const bool negative = cents < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
  const std::uint64_t rest = magnitude % 100;
  std::string text = negative ? "-" : "";
  text.append(QuantityOfDigits(std::to_string(magnitude / 100)));
  text.push_back(',');
  text.push_back(static_cast<char>('0' + rest / 10));
  text.push_back(static_cast<char>('0' + rest % 10));
  return text;
}

std::string CentsText(Cents cents) { return CentsNumber(cents) + std::string(kNoBreakSpace) + "€"; }

}  // namespace banknotes
