#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logic/money/paying.h"
#include "logic/money/values.h"

namespace banknotes {

// Paying from a till that holds only so many of each value: largest first,
// taking of each what the till has and the amount still allows; the fewest the
// till can pay, found exactly by dynamic programming over the limited counts;
// and the smallest amount where largest first pays with more than needed, or
// gets stuck though a payment exists. Numbers and their texts only; which till
// a pupil sets up is the exploring window's.

// How many of each value the till holds, in the set's order; none: as many as
// needed.
using TillCounts = std::vector<std::optional<std::int64_t>>;

// Largest first from the till: `left` is what it could not pay, stuck.
Payment LargestFirstFrom(const ValueSet& values, const TillCounts& till, std::int64_t amount);
// The fewest pieces of the till that pay `amount` exactly, or none paid.
Payment FewestFrom(const ValueSet& values, const TillCounts& till, std::int64_t amount);

// The smallest amount up to `most` where largest first takes more than the
// fewest, or is stuck though the till can pay it.
struct TillFailure {
  std::int64_t amount = 0;
  Payment largest_first, fewest;
};
std::optional<TillFailure> SmallestTillFailure(const ValueSet& values, const TillCounts& till,
                                               std::int64_t most);

// The till's pieces named one by one: "50, 20, 20 и 20"; a value it holds
// without limit is named once, "… и 1 (колкото трябва)".
std::string TillNamed(const ValueSet& values, const TillCounts& till,
                      std::string (*write)(std::int64_t) = nullptr);
// What a failure teaches: "60 от 50, 20, 20 и 20: алчният алгоритъм взима 50 и
// остават 10, които не може да плати; 20 + 20 + 20 плаща." or "…взима 3 (…), а
// стигат 2 (…)."
// Each number as `write` writes it (values in cents as "0,50"), else grouped.
std::string TillFailureText(const ValueSet& values, const TillCounts& till,
                            const TillFailure& failure,
                            std::string (*write)(std::int64_t) = nullptr);

}  // namespace banknotes
