#include "logic/money/paying.h"

#include <algorithm>
#include <climits>

#include "logic/form/number_rules.h"

namespace banknotes {

Payment LargestFirst(const ValueSet& values, std::int64_t amount) {
  Payment payment;
  payment.left = std::max<std::int64_t>(amount, 0);
  for (const int value : values) {
    const std::int64_t count = payment.left / value;
    payment.counts.push_back(count);
    payment.banknotes += count;
    payment.left -= count * value;
  }
  payment.paid = amount >= 0 && payment.left == 0;
  return payment;
}

namespace {

constexpr int kNone = INT_MAX;

// The fewest banknotes for every amount from 0 to `most`, and for each the
// index of the value such a payment starts with: the largest that can.
struct FewestTable {
  std::vector<int> banknotes;
  std::vector<int> first;
};

FewestTable FewestUpTo(const ValueSet& values, std::int64_t most) {
  FewestTable table{std::vector<int>(static_cast<std::size_t>(most) + 1, kNone),
                    std::vector<int>(static_cast<std::size_t>(most) + 1, -1)};
  table.banknotes[0] = 0;
  for (std::size_t amount = 1; amount < table.banknotes.size(); ++amount)
    for (std::size_t i = 0; i < values.size(); ++i) {
      const auto value = static_cast<std::size_t>(values[i]);
      if (value > amount || table.banknotes[amount - value] == kNone) continue;
      if (table.banknotes[amount - value] + 1 < table.banknotes[amount]) {
        table.banknotes[amount] = table.banknotes[amount - value] + 1;
        table.first[amount] = static_cast<int>(i);
      }
    }
  return table;
}

Payment FewestFrom(const FewestTable& table, const ValueSet& values, std::int64_t amount) {
  Payment payment;
  payment.counts.assign(values.size(), 0);
  if (amount < 0 || table.banknotes[static_cast<std::size_t>(amount)] == kNone) {
    payment.left = amount;
    return payment;
  }
  for (std::int64_t left = amount; left > 0;) {
    const int i = table.first[static_cast<std::size_t>(left)];
    ++payment.counts[static_cast<std::size_t>(i)];
    left -= values[static_cast<std::size_t>(i)];
  }
  payment.banknotes = table.banknotes[static_cast<std::size_t>(amount)];
  payment.paid = true;
  return payment;
}

}  // namespace

Payment Fewest(const ValueSet& values, std::int64_t amount) {
  return FewestFrom(FewestUpTo(values, std::max<std::int64_t>(amount, 0)), values, amount);
}

GreedyAmounts SortedByGreedy(const ValueSet& values, std::int32_t most) {
  GreedyAmounts sorted;
  const FewestTable table = FewestUpTo(values, std::max(most, 0));
  for (std::int32_t amount = 1; amount <= most; ++amount) {
    const int fewest = table.banknotes[static_cast<std::size_t>(amount)];
    if (fewest == kNone) continue;
    const Payment greedy = LargestFirst(values, amount);
    (greedy.paid && greedy.banknotes == fewest ? sorted.agree : sorted.differ).push_back(amount);
  }
  return sorted;
}

GreedyCheck CheckLargestFirst(const ValueSet& values) {
  GreedyCheck check;
  if (values.empty() || values.back() != 1) {
    // No payment makes 1.
    check.kind = GreedyCheck::Unpayable;
    check.amount = 1;
    return check;
  }
  check.checked = values.size() < 2 ? 1 : values[0] + values[1] - 1;
  const FewestTable table = FewestUpTo(values, check.checked);
  for (std::int64_t amount = 1; amount <= check.checked; ++amount)
    if (LargestFirst(values, amount).banknotes >
        table.banknotes[static_cast<std::size_t>(amount)]) {
      check.kind = GreedyCheck::FailsAt;
      check.amount = amount;
      return check;
    }
  return check;
}

std::vector<GreedyStep> LargestFirstSteps(const ValueSet& values, std::int64_t amount,
                                          std::int64_t most) {
  std::vector<GreedyStep> steps;
  std::int64_t left = amount;
  for (const int value : values)
    for (; left >= value && static_cast<std::int64_t>(steps.size()) < most; left -= value)
      steps.push_back(
          {static_cast<std::int32_t>(left), value, static_cast<std::int32_t>(left - value)});
  return steps;
}

std::string AsSum(const ValueSet& values, const Payment& payment,
                  std::string (*write)(std::int64_t)) {
  const auto N = [write](std::int64_t number) {
    return write ? write(number) : IntegerText(number);
  };
  std::string sum;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::int64_t count = payment.counts[i];
    if (count == 0) continue;
    const auto term = [&](const std::string& text) { sum += (sum.empty() ? "" : " + ") + text; };
    if (count <= 3)
      for (std::int64_t n = 0; n < count; ++n) term(N(values[i]));
    else
      term(IntegerText(count) + " × " + N(values[i]));
  }
  return sum.empty() ? "0" : sum;
}

// Largest first, as "Въведи" pays.
std::vector<GreedyStep> GreedySteps(std::int32_t amount) {
  if (amount < 1 || amount > kLargestExplainedAmount) return {};
  return LargestFirstSteps(EuroValues(), amount, amount);
}

std::int64_t FewestBanknotes(std::int32_t amount) {
  return amount < 1 ? 0 : LargestFirst(EuroValues(), amount).banknotes;
}

}  // namespace banknotes
