#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logic/money/values.h"

namespace banknotes {

// Paying an amount with a set of values: largest first, step by step, and the
// fewest there are; whether largest first always gives the fewest; a payment
// written as a sum. Numbers and the sum's text only.

// One step of the greedy rule: from what is `left`, the largest banknote that
// fits, and what `remains`.
struct GreedyStep {
  std::int32_t left, banknote, remains;
  friend bool operator==(const GreedyStep&, const GreedyStep&) = default;
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
// The amounts from 1 to `most` where largest first pays with more than the
// fewest, or cannot pay what can be paid; and those where the two agree.
struct GreedyAmounts {
  std::vector<std::int32_t> differ, agree;
};
GreedyAmounts SortedByGreedy(const ValueSet& values, std::int32_t most);

// A payment as a sum, largest first, with many of one value as a product:
// "4 + 1 + 1", "10000 + 9998 × 1"; each number as `write` writes it (values in
// cents as "0,50").
std::string AsSum(const ValueSet& values, const Payment& payment,
                  std::string (*write)(std::int64_t) = nullptr);

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

// The steps "Въведи" takes for an amount, one banknote a step, down to 0; none
// for an amount below 1 or above kLargestExplainedAmount, where a step a
// banknote would be more than anyone reads.
inline constexpr std::int32_t kLargestExplainedAmount = 1'000'000;
std::vector<GreedyStep> GreedySteps(std::int32_t amount);
// How many banknotes the greedy rule pays an amount with; 0 for an amount below 1.
std::int64_t FewestBanknotes(std::int32_t amount);

}  // namespace banknotes
