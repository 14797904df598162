#pragma once

#include <cstdint>

#include "logic/money/big_count.h"
#include "logic/money/values.h"

namespace banknotes {

// The ways to make a sum from a set of values: counted exactly by dynamic
// programming, and the work of trying every combination, timed or estimated.

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

}  // namespace banknotes
