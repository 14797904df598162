// The exploring window's answers for small sets of any values, held against
// trying every combination by hand; its actions with any texts; and the time
// rule with any time. Nothing breaks and no answer differs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/input.h"
#include "logic/companions/explore.h"
#include "logic/money/duration_text.h"
#include "logic/money/paying.h"
#include "logic/money/ways.h"

using namespace banknotes;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Tally {
  std::uint64_t ways = 0;
  std::int64_t fewest = -1;  // none
};

// Every combination of the values from `from` on, one count a value.
void TryAll(const ValueSet& values, std::size_t from, std::int64_t left, std::int64_t notes,
            Tally& tally) {
  if (from == values.size()) {
    if (left != 0) return;
    ++tally.ways;
    if (tally.fewest < 0 || notes < tally.fewest) tally.fewest = notes;
    return;
  }
  for (std::int64_t count = 0; count * values[from] <= left; ++count)
    TryAll(values, from + 1, left - count * values[from], notes + count, tally);
}

Tally ByHand(const ValueSet& values, std::int64_t sum) {
  Tally tally;
  TryAll(values, 0, sum, 0, tally);
  return tally;
}

void CheckASet(FuzzInput& input) {
  ValueSet values;
  for (int n = 1 + input.Byte() % 4; n > 0; --n) {
    const int value = 1 + input.Byte() % 30;
    if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
  }
  std::sort(values.rbegin(), values.rend());
  const std::int64_t sum = input.Byte() % 61;
  const Tally tally = ByHand(values, sum);
  Check(CountWays(values, sum).Digits() == std::to_string(tally.ways));
  std::uint64_t combinations = 1;
  for (const int value : values) combinations *= static_cast<std::uint64_t>(sum / value + 1);
  Check(Combinations(values, sum).Digits() == std::to_string(combinations));
  const Payment fewest = Fewest(values, sum);
  Check(fewest.paid == (tally.fewest >= 0));
  if (fewest.paid) Check(fewest.banknotes == tally.fewest);
  // Largest first, by hand.
  std::int64_t left = sum, notes = 0;
  for (const int value : values) {
    notes += left / value;
    left %= value;
  }
  const Payment greedy = LargestFirst(values, sum);
  Check(greedy.left == left && greedy.paid == (left == 0));
  if (greedy.paid) Check(greedy.banknotes == notes && notes >= tally.fewest);
  // Where largest first fails first, if anywhere: up to the sum by hand.
  const GreedyCheck check = CheckLargestFirst(values);
  if (check.kind == GreedyCheck::Unpayable) {
    Check(values.back() != 1 && ByHand(values, check.amount).fewest < 0);
  } else {
    for (std::int64_t amount = 1; amount <= std::min<std::int64_t>(sum, 60); ++amount) {
      const bool fails = LargestFirst(values, amount).banknotes > ByHand(values, amount).fewest;
      if (check.kind == GreedyCheck::Always || amount < check.amount) Check(!fails);
      if (check.kind == GreedyCheck::FailsAt && amount == check.amount) Check(fails);
    }
  }
}

void ExploreTexts(FuzzInput& input) {
  ExploreState state;
  ChooseReadySet(state, static_cast<std::int8_t>(input.Byte()));
  for (std::string& value : state.values)
    if (input.Byte() % 3 == 0) value = input.Text(6);
  // Now and then a till: a count beside a value, mostly a small one.
  for (std::string& count : state.till)
    if (input.Byte() % 4 == 0)
      count = input.Byte() % 2 ? std::to_string(input.Byte() % 5) : input.Text(4);
  state.amount = input.Text(6);
  state.sum = input.Byte() % 4 == 0 ? input.Text(6) : std::to_string(input.Byte() % 40);
  const ExploreState before = state;
  Explore(state);
  // Input that is wrong changes nothing but the message.
  if (!state.message.empty()) {
    ExploreState kept = state;
    kept.message = before.message;
    Check(kept == before);
  }
  Check(!ExploreAnnouncement(state).empty());
}

void CheckATime(FuzzInput& input) {
  double seconds;
  const std::uint64_t bits = input.Uint32() | static_cast<std::uint64_t>(input.Uint32()) << 32;
  static_assert(sizeof seconds == sizeof bits);
  std::memcpy(&seconds, &bits, sizeof seconds);
  const std::string text = DurationText(seconds);
  Check(!text.empty() && text.find('.') == std::string::npos &&
        text.find('e') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  while (!input.Done()) {
    switch (input.Byte() % 3) {
      case 0:
        CheckASet(input);
        break;
      case 1:
        ExploreTexts(input);
        break;
      default:
        CheckATime(input);
    }
  }
  return 0;
}
