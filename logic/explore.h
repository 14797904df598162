#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/practice.h"

namespace banknotes {

// Exploring: paying with a set of values of the pupil's own, largest first
// against the fewest there are; whether largest first always gives the fewest;
// and how many ways make a sum, with the work that trying every combination
// takes beside a smarter count. Every text the window shows is made here. It
// knows nothing of windows.

inline constexpr std::size_t kMaxValues = 10;
inline constexpr int kLargestValue = 10000;
inline constexpr int kLargestExploredAmount = 10000;

// A set of distinct values from 1 to kLargestValue, largest first.
using ValueSet = std::vector<int>;

// The main window's: the euro's 100, 50, 20, 10, 5, 2 and 1.
const ValueSet& EuroValues();

// A whole number of any size, as counts of ways and of combinations grow:
// 10 values and a sum of 10 000 give about 10^36 combinations. Kept in base 10^9.
class BigCount {
 public:
  BigCount(std::uint64_t value = 0);
  BigCount& operator+=(const BigCount& other);
  BigCount& operator*=(std::uint32_t factor);
  friend bool operator==(const BigCount&, const BigCount&) = default;
  // At most `limit`? Without going through the digits.
  bool AtMost(std::uint64_t limit) const;
  double ToDouble() const;
  std::string Digits() const;  // "5000000"

 private:
  std::vector<std::uint32_t> limbs_;  // least significant first; empty for 0
};

// A payment: how many of each value, in the set's order, and how many in all;
// `paid` is false where the amount cannot be paid so.
struct Payment {
  std::vector<std::int64_t> counts;
  std::int64_t banknotes = 0;
  bool paid = false;
  // What is left unpaid, largest first having taken what it could.
  std::int64_t left = 0;
};

// Largest first, as "Въведи" pays with the euro's values.
Payment LargestFirst(const ValueSet& values, std::int64_t amount);
// Its steps, one banknote a step, at most `most` of them.
std::vector<GreedyStep> LargestFirstSteps(const ValueSet& values, std::int64_t amount,
                                          std::int64_t most);
// The fewest there are, by dynamic programming over the amounts up to `amount`;
// among payments as few, the one with the most of the largest values.
Payment Fewest(const ValueSet& values, std::int64_t amount);

// A payment as a sum, largest first, with many of one value as a product:
// "4 + 1 + 1", "10000 + 9998 × 1".
std::string AsSum(const ValueSet& values, const Payment& payment);

// Whether largest first always gives the fewest. With the value 1 in the set, a
// failure, where there is one, shows below the sum of the two largest values, so
// every amount up to `checked` (that sum less 1) settles it. Without 1, some
// amount cannot be paid at all, the smallest of them `amount`.
struct GreedyCheck {
  enum Kind { Always, FailsAt, Unpayable } kind = Always;
  std::int64_t checked = 0;
  std::int64_t amount = 0;  // the smallest that fails or cannot be paid
};
GreedyCheck CheckLargestFirst(const ValueSet& values);

// How many ways make `sum` from the values, exactly, by dynamic programming.
BigCount CountWays(const ValueSet& values, std::int64_t sum);
// What trying every combination tests, one nested loop a value, each from 0 to
// sum / value: 5 000 000 for 99 with 20, 10, 5, 2 and 1.
BigCount Combinations(const ValueSet& values, std::int64_t sum);
// The steps of the count: sum times values, 495 for 99 with five values.
std::uint64_t CountSteps(const ValueSet& values, std::int64_t sum);

// Trying every combination, timed, where it is quick: up to kTimedCombinations;
// past that, a first part is timed and the whole estimated from its rate.
inline constexpr std::uint64_t kTimedCombinations = 10'000'000;
struct Trial {
  BigCount combinations;
  std::uint64_t ways = 0;  // found by trying, where they were all tried
  double seconds = 0;      // measured, or estimated
  bool estimated = false;
};
Trial TryEveryCombination(const ValueSet& values, std::int64_t sum);

// What the exploring window's controls hold, as FormState is the main window's.
inline constexpr std::size_t kReadySets = 4;
struct ExploreState {
  std::array<std::string, kMaxValues> values;  // Text5: "Стойност 1" .. "Стойност 10"
  int ready_set = 0;                           // Option1: the ready-made set chosen
  std::string amount;                          // Text3_0: "Сума за плащане"
  std::string sum;                             // Text3_1: "Сума за разбиване"
  std::string message;                         // Label1_1: what is wrong with the input
  std::string verdict;                         // Label1_0: largest first against the fewest
  std::string largest_first;                   // Text1: its counts and steps
  std::string fewest;                          // Text2: the fewest's counts
  std::string always;                          // Text6: does largest first always do?
  std::string ways;                            // Text7: the ways, and the work

  friend bool operator==(const ExploreState&, const ExploreState&) = default;
};

// The ready-made sets, as their options name them, and their values.
inline constexpr const char* kReadySetCaptions[kReadySets] = {
    "Евро: 100, 50, 20, 10, 5, 2, 1", "Центове на САЩ: 25, 10, 5, 1",
    "Стари британски пенита: 30, 24, 12, 6, 3, 1", "4, 3, 1"};
const ValueSet& ReadySetValues(int ready_set);

// The window's actions. Choosing a ready-made set fills the value boxes with it
// and answers; "Изчисли" (or Enter in a box) answers all three questions. Input
// that is wrong says what is wrong in `message` and changes nothing else.
void ChooseReadySet(ExploreState& state, int ready_set);
void Explore(ExploreState& state);
// What a screen reader is told of the answers.
std::string ExploreAnnouncement(const ExploreState& state);

}  // namespace banknotes
