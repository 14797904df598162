#include "logic/money/till.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>

namespace banknotes {
namespace {

// The fewest pieces of a small till that pay `amount`, by trying every count of
// every value; -1 where none pays it.
std::int64_t FewestByHand(const ValueSet& values, const std::vector<int>& held,
                          std::int64_t amount) {
  std::int64_t best = -1;
  std::function<void(std::size_t, std::int64_t, std::int64_t)> pay =
      [&](std::size_t i, std::int64_t left, std::int64_t pieces) {
        if (i == values.size()) {
          if (left == 0 && (best < 0 || pieces < best)) best = pieces;
          return;
        }
        for (int n = 0; n <= held[i] && n * values[i] <= left; ++n)
          pay(i + 1, left - n * values[i], pieces + n);
      };
  pay(0, amount, 0);
  return best;
}

// What a payment from the till must be: no more of a value than it holds, and
// the amount exactly where it is paid.
void ExpectFromTheTill(const ValueSet& values, const TillCounts& till, const Payment& payment,
                       std::int64_t amount) {
  std::int64_t sum = 0, pieces = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_GE(payment.counts[i], 0);
    if (till[i]) {
      EXPECT_LE(payment.counts[i], *till[i]);
    }
    sum += payment.counts[i] * values[i];
    pieces += payment.counts[i];
  }
  EXPECT_EQ(pieces, payment.banknotes);
  EXPECT_EQ(sum + payment.left, amount);
  EXPECT_EQ(payment.paid, payment.left == 0);
}

TEST(Till, SixtyFromFiftyAndThreeTwenties) {
  const ValueSet values = {50, 20};
  const TillCounts till = {1, 3};
  const std::optional<TillFailure> failure = SmallestTillFailure(values, till, 200);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->amount, 60);
  EXPECT_FALSE(failure->largest_first.paid);
  EXPECT_EQ(failure->largest_first.left, 10);
  EXPECT_EQ(failure->fewest.counts, (std::vector<std::int64_t>{0, 3}));
  EXPECT_EQ(TillFailureText(values, till, *failure),
            "60 от 50, 20, 20 и 20: алчният алгоритъм взима 50 и остават 10, които не може да "
            "плати; 20 + 20 + 20 плаща.");
}

// Even the euro, whose every amount largest first pays with the fewest from a
// full till, fails from one short of coins: 6 cents from 5, 2, 2 and 2.
TEST(Till, TheEuroFailsWhereTheTillRunsShort) {
  const ValueSet& values = EuroCentValues();
  TillCounts till(values.size(), std::int64_t{0});
  till[values.size() - 3] = 1;  // 5 cents
  till[values.size() - 2] = 3;  // 2 cents
  const std::optional<TillFailure> failure = SmallestTillFailure(values, till, 100);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->amount, 6);
  EXPECT_EQ(failure->largest_first.left, 1);
  EXPECT_EQ(failure->fewest.banknotes, 3);
  // As many as needed of each: largest first is the fewest up to 700 €.
  const TillCounts full(values.size());
  EXPECT_FALSE(SmallestTillFailure(values, full, 2000));
  for (const std::int64_t amount : {388, 69999, 70000}) {
    EXPECT_EQ(FewestFrom(values, full, amount).banknotes, LargestFirst(values, amount).banknotes)
        << amount;
  }
}

// A till without limits pays as the unlimited fewest does; a limited one
// where it fails is said in numbers too.
TEST(Till, WithoutLimitsItIsTheFewestAndWithLimitsItIsCounted) {
  const ValueSet values = {4, 3, 1};
  const TillCounts full(3);
  for (std::int64_t amount = 0; amount <= 50; ++amount)
    EXPECT_EQ(FewestFrom(values, full, amount).banknotes, Fewest(values, amount).banknotes);
  const TillCounts till = {2, 2, std::nullopt};
  const std::optional<TillFailure> failure = SmallestTillFailure(values, till, 50);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->amount, 6);
  EXPECT_EQ(TillFailureText(values, till, *failure),
            "6 от 4, 4, 3, 3 и 1 (колкото трябва): алчният алгоритъм взима 3 (4 + 1 + 1), а "
            "стигат 2 (3 + 3).");
}

// Small tills of every kind against trying every count.
TEST(Till, TheFewestIsExactOnSmallTills) {
  std::mt19937 random(2026);
  const ValueSet sets[] = {{50, 20, 10}, {25, 10, 5, 1}, {4, 3, 1}, {7, 5, 2}, {30, 24, 12, 6, 3}};
  for (int round = 0; round < 300; ++round) {
    const ValueSet& values = sets[round % std::size(sets)];
    std::vector<int> held;
    TillCounts till;
    for (std::size_t i = 0; i < values.size(); ++i) {
      held.push_back(static_cast<int>(random() % 5));
      till.push_back(held.back());
    }
    for (std::int64_t amount = 0; amount <= 120; ++amount) {
      SCOPED_TRACE(testing::Message() << "round " << round << ", amount " << amount);
      const Payment fewest = FewestFrom(values, till, amount);
      const std::int64_t by_hand = FewestByHand(values, held, amount);
      EXPECT_EQ(fewest.paid, by_hand >= 0);
      if (fewest.paid) {
        EXPECT_EQ(fewest.banknotes, by_hand);
      }
      ExpectFromTheTill(values, till, fewest, fewest.paid ? amount : fewest.left);
      ExpectFromTheTill(values, till, LargestFirstFrom(values, till, amount), amount);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace banknotes
