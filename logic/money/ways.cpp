#include "logic/money/ways.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace banknotes {

BigCount CountWays(const ValueSet& values, std::int64_t sum) {
  if (sum < 0) return 0;
  std::vector<BigCount> ways(static_cast<std::size_t>(sum) + 1);
  ways[0] = 1;
  for (const int value : values)
    for (std::size_t amount = static_cast<std::size_t>(value); amount < ways.size(); ++amount)
      ways[amount] += ways[amount - static_cast<std::size_t>(value)];
  return ways.back();
}

BigCount Combinations(const ValueSet& values, std::int64_t sum) {
  BigCount combinations = sum < 0 ? 0 : 1;
  for (const int value : values) combinations *= static_cast<std::uint32_t>(sum / value + 1);
  return combinations;
}

std::uint64_t CountSteps(const ValueSet& values, std::int64_t sum) {
  return static_cast<std::uint64_t>(std::max<std::int64_t>(sum, 0)) * values.size();
}

namespace {

// Every combination, one count a value from 0 to sum / value, as nested loops
// run: at most `limit` of them. Says how many were tried and how many met the sum.
struct Tried {
  std::uint64_t combinations = 0, ways = 0;
};
Tried TryUpTo(const ValueSet& values, std::int64_t sum, std::uint64_t limit) {
  Tried tried;
  if (sum < 0) return tried;
  std::vector<std::int64_t> counts(values.size(), 0), bounds;
  for (const int value : values) bounds.push_back(sum / value);
  std::int64_t total = 0;
  while (tried.combinations < limit) {
    ++tried.combinations;
    if (total == sum) ++tried.ways;
    std::size_t i = 0;
    for (; i < values.size(); ++i) {
      if (counts[i] < bounds[i]) {
        ++counts[i];
        total += values[i];
        break;
      }
      total -= counts[i] * values[i];
      counts[i] = 0;
    }
    if (i == values.size()) break;
  }
  return tried;
}

double SecondsOf(const ValueSet& values, std::int64_t sum, std::uint64_t limit, Tried* tried) {
  const auto start = std::chrono::steady_clock::now();
  *tried = TryUpTo(values, sum, limit);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The loop's time once it runs at full speed. Its first run can be many times
// slower (WebAssembly is compiled better only after it has run), and another
// program can take the processor for a moment: so it runs once untimed, then
// the best of a few timed runs counts.
double WarmSecondsOf(const ValueSet& values, std::int64_t sum, std::uint64_t limit, Tried* tried) {
  SecondsOf(values, sum, limit, tried);
  double best = SecondsOf(values, sum, limit, tried), spent = best;
  for (int run = 0; run < 3 && spent < 0.05; ++run) {
    const double seconds = SecondsOf(values, sum, limit, tried);
    best = std::min(best, seconds);
    spent += seconds;
  }
  return best;
}

}  // namespace

Trial TryEveryCombination(const ValueSet& values, std::int64_t sum) {
  Trial trial;
  trial.combinations = Combinations(values, sum);
  Tried tried;
  if (trial.combinations.AtMost(kTimedCombinations)) {
    trial.seconds = WarmSecondsOf(values, sum, kTimedCombinations, &tried);
    trial.ways = tried.ways;
    return trial;
  }
  // A first part at the same rate as the whole.
  constexpr std::uint64_t kSample = 1'000'000;
  const double seconds = WarmSecondsOf(values, sum, kSample, &tried);
  trial.seconds = trial.combinations.ToDouble() * seconds / static_cast<double>(tried.combinations);
  trial.estimated = true;
  return trial;
}

}  // namespace banknotes
