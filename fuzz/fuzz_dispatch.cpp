// The input types into the fields and clicks; after every click the form must
// still make sense, and a failed click must have changed nothing.
//
// Input: a sequence of commands, each a byte then its operands:
//   'A' n bytes...  amount text of n % 17 bytes      'S' n bytes...  sum text of n % 3 bytes
//   'M' k           toggle mark k % 7                 'C' i           click index (signed byte)
// Any other byte is a click on (byte % 3).
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"
#include "tests/fewest_banknotes.h"

using namespace banknotes;

namespace {

using reference::kBanknoteValues;
constexpr int kFewestKnownUpTo = 10000;

const std::vector<int>& Fewest() {
  static const std::vector<int> fewest = reference::FewestBanknotes(kFewestKnownUpTo);
  return fewest;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

// Empty, or the canonical digits of a whole number within [low, high].
bool WholeOrEmpty(const std::string& text, long low, long high, long* value) {
  *value = 0;
  if (text.empty()) return true;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value >= low &&
         *value <= high && IntegerText(*value) == text;
}

void CheckAfterClick(const FormState& before, const FormState& after, std::int16_t index,
                     Outcome outcome) {
  if (outcome != Outcome::Success) {
    Check(after == before);
    return;
  }
  std::array<long, kDenominations> counts_before{}, counts_after{};
  for (std::size_t k = 0; k < kDenominations; ++k) {
    Check(after.Check1[k].Value == 0 || after.Check1[k].Value == 1);
    Check(WholeOrEmpty(after.Text2[k], -32768, 32767, &counts_after[k]));
    Check(WholeOrEmpty(before.Text2[k], -32768, 32767, &counts_before[k]));
  }
  long total_before = 0, total_after = 0;
  Check(WholeOrEmpty(after.Text3[kTotal], -2147483648L, 2147483647L, &total_after));
  Check(WholeOrEmpty(before.Text3[kTotal], -2147483648L, 2147483647L, &total_before));

  if (index != kEnterButton) return;
  const double amount = ReadNumber(before.Text3[kAmount]);
  if (amount != std::trunc(amount)) return;  // fractions round as the rules say
  Check(total_after == total_before + static_cast<long>(amount));
  if (amount < 0) return;
  long worth = 0, banknotes = 0;
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const long added = counts_after[k] - counts_before[k];
    Check(added >= 0);
    Check(after.Check1[k].Value == (added > 0 ? 1 : 0));
    worth += added * kBanknoteValues[k];
    banknotes += added;
  }
  Check(worth == static_cast<long>(amount));
  if (amount <= kFewestKnownUpTo) Check(banknotes == Fewest()[static_cast<std::size_t>(amount)]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FormState form;
  std::size_t i = 0;
  const auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
  const auto text = [&](std::size_t length) {
    length = std::min(length, size - i);
    std::string result(reinterpret_cast<const char*>(data + i), length);
    i += length;
    return result;
  };
  while (i < size) {
    const std::uint8_t command = next();
    std::int16_t index;
    switch (command) {
      case 'A':
        form.Text3[kAmount] = text(next() % 17);
        continue;
      case 'S':
        form.Text3[kSum] = text(next() % 3);
        continue;
      case 'M': {
        CheckBox& mark = form.Check1[next() % kDenominations];
        mark.Value = 1 - mark.Value;
        continue;
      }
      case 'C':
        index = static_cast<std::int8_t>(next());
        break;
      default:
        index = static_cast<std::int16_t>(command % 3);
    }
    const FormState before = form;
    const Outcome outcome = dispatch(form, index);
    CheckAfterClick(before, form, index, outcome);
  }
  return 0;
}
