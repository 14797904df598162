#pragma once

#include <algorithm>
#include <array>
#include <vector>

namespace banknotes::reference {

inline constexpr std::array<long, 7> kBanknoteValues = {100, 50, 20, 10, 5, 2, 1};

// Fewest banknotes for every amount up to max, by dynamic programming: the
// yardstick the greedy payment is held to.
inline std::vector<int> FewestBanknotes(int max) {
  std::vector<int> fewest(max + 1, 0);
  for (int amount = 1; amount <= max; ++amount) {
    fewest[amount] = amount;  // all ones
    for (const long value : kBanknoteValues)
      if (value <= amount) fewest[amount] = std::min(fewest[amount], fewest[amount - value] + 1);
  }
  return fewest;
}

}  // namespace banknotes::reference
