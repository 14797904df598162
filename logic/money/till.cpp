#include "logic/money/till.h"

#include <algorithm>
#include <climits>
#include <deque>

#include "logic/money/number_text.h"

namespace banknotes {
namespace {

// As many as an amount can use at most: a value without limit.
std::int64_t Held(const TillCounts& till, std::size_t i, std::int64_t amount, int value) {
  const std::int64_t enough = amount / value;
  return i < till.size() && till[i] ? std::min(*till[i], enough) : enough;
}

constexpr int kNone = INT_MAX;

}  // namespace

Payment LargestFirstFrom(const ValueSet& values, const TillCounts& till, std::int64_t amount) {
  Payment payment;
  payment.left = std::max<std::int64_t>(amount, 0);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::int64_t count = Held(till, i, payment.left, values[i]);
    payment.counts.push_back(count);
    payment.banknotes += count;
    payment.left -= count * values[i];
  }
  payment.paid = amount >= 0 && payment.left == 0;
  return payment;
}

namespace {

// For every amount up to `most`, the fewest pieces of the till that make it,
// and how many of each value such a payment holds. For each value, the
// smallest of fewest[a - k v] + k for k up to what the till holds, by a sliding
// minimum along a - k v, each remainder of v apart.
struct TillTable {
  std::vector<int> fewest;
  std::vector<std::vector<std::int32_t>> taken;  // [value][amount]
};

TillTable FewestUpTo(const ValueSet& values, const TillCounts& till, std::int64_t most) {
  const auto size = static_cast<std::size_t>(most) + 1;
  TillTable table{
      std::vector<int>(size, kNone),
      std::vector<std::vector<std::int32_t>>(values.size(), std::vector<std::int32_t>(size, 0))};
  table.fewest[0] = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto value = static_cast<std::size_t>(values[i]);
    const std::int64_t held = Held(till, i, most, values[i]);
    std::vector<int> next(size, kNone);
    for (std::size_t rest = 0; rest < value && rest < size; ++rest) {
      // Steps j along rest + j v, kept with fewest - j increasing.
      std::deque<std::pair<std::int64_t, std::int64_t>> window;  // step, fewest - step
      for (std::int64_t j = 0; rest + static_cast<std::size_t>(j) * value < size; ++j) {
        const std::size_t at = rest + static_cast<std::size_t>(j) * value;
        if (table.fewest[at] != kNone) {
          const std::int64_t key = table.fewest[at] - j;
          while (!window.empty() && window.back().second >= key) window.pop_back();
          window.emplace_back(j, key);
        }
        while (!window.empty() && window.front().first < j - held) window.pop_front();
        if (window.empty()) continue;
        next[at] = static_cast<int>(window.front().second + j);
        table.taken[i][at] = static_cast<std::int32_t>(j - window.front().first);
      }
    }
    table.fewest = std::move(next);
  }
  return table;
}

Payment FewestOf(const TillTable& table, const ValueSet& values, std::int64_t amount) {
  Payment payment;
  payment.counts.assign(values.size(), 0);
  payment.left = amount;
  if (amount < 0 || table.fewest[static_cast<std::size_t>(amount)] == kNone) return payment;
  std::int64_t left = amount;
  for (std::size_t i = values.size(); i-- > 0;) {
    payment.counts[i] = table.taken[i][static_cast<std::size_t>(left)];
    left -= payment.counts[i] * values[i];
  }
  payment.banknotes = table.fewest[static_cast<std::size_t>(amount)];
  payment.left = 0;
  payment.paid = true;
  return payment;
}

}  // namespace

Payment FewestFrom(const ValueSet& values, const TillCounts& till, std::int64_t amount) {
  if (amount < 0) return FewestOf({}, values, amount);
  return FewestOf(FewestUpTo(values, till, amount), values, amount);
}

std::optional<TillFailure> SmallestTillFailure(const ValueSet& values, const TillCounts& till,
                                               std::int64_t most) {
  if (most < 1) return std::nullopt;
  const TillTable table = FewestUpTo(values, till, most);
  for (std::int64_t amount = 1; amount <= most; ++amount) {
    const int fewest = table.fewest[static_cast<std::size_t>(amount)];
    if (fewest == kNone) continue;
    const Payment greedy = LargestFirstFrom(values, till, amount);
    if (!greedy.paid || greedy.banknotes > fewest)
      return TillFailure{amount, greedy, FewestOf(table, values, amount)};
  }
  return std::nullopt;
}

std::string TillNamed(const ValueSet& values, const TillCounts& till,
                      std::string (*write)(std::int64_t)) {
  const auto N = [write](std::int64_t n) { return write ? write(n) : Quantity(n); };
  std::vector<std::string> pieces;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i < till.size() && till[i]) {
      for (std::int64_t n = 0; n < *till[i]; ++n) pieces.push_back(N(values[i]));
    } else {
      pieces.push_back(N(values[i]) + " (колкото трябва)");
    }
  }
  return pieces.empty() ? "празна каса" : Listed(pieces);
}

std::string TillFailureText(const ValueSet& values, const TillCounts& till,
                            const TillFailure& failure, std::string (*write)(std::int64_t)) {
  const auto N = [write](std::int64_t n) { return write ? write(n) : Quantity(n); };
  std::string text = N(failure.amount) + " от " + TillNamed(values, till, write) + ": ";
  const Payment& greedy = failure.largest_first;
  const std::string taken = greedy.banknotes == 0 ? "нищо" : AsSum(values, greedy, write);
  if (!greedy.paid)
    return text + "алчният алгоритъм взима " + taken + " и остават " + N(greedy.left) +
           ", които не може да плати; " + AsSum(values, failure.fewest, write) + " плаща.";
  return text + "алчният алгоритъм взима " + Quantity(greedy.banknotes) + " (" + taken +
         "), а стигат " + Quantity(failure.fewest.banknotes) + " (" +
         AsSum(values, failure.fewest, write) + ").";
}

}  // namespace banknotes
