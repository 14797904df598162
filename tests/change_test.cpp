#include "logic/money/change.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "logic/money/values.h"

namespace banknotes {
namespace {

// The fewest of the euro's coins of 2 € and less that make `cents`, by trying
// every count.
std::int64_t FewestCoinsByHand(Cents cents) {
  const int coins[] = {200, 100, 50, 20, 10, 5, 2, 1};
  std::int64_t best = -1;
  std::function<void(std::size_t, Cents, std::int64_t)> pay = [&](std::size_t i, Cents left,
                                                                  std::int64_t pieces) {
    if (best >= 0 && pieces >= best) return;
    if (i == std::size(coins)) {
      if (left == 0) best = pieces;
      return;
    }
    for (Cents n = left / coins[i]; n >= 0; --n) pay(i + 1, left - n * coins[i], pieces + n);
  };
  pay(0, cents, 0);
  return best;
}

TEST(Change, TheTaskCountsUpToTheNote) {
  const ChangeTask task{735, 2000};
  EXPECT_EQ(ChangeTaskText(task),
            "Стоката струва 7,35\u00a0€. Клиентът плаща с 20\u00a0€. Върнете рестото с възможно "
            "най-малко банкноти и монети.");
  EXPECT_EQ(CountingUp(task), (std::vector<std::string>{"7,35 + 0,05 = 7,40", "7,40 + 0,10 = 7,50",
                                                        "7,50 + 0,50 = 8,00", "8,00 + 2,00 = 10,00",
                                                        "10,00 + 10,00 = 20,00"}));
  const Payment change = ChangeOf(task);
  EXPECT_EQ(change.banknotes, 5);
  EXPECT_TRUE(change.paid);
}

// Every price up to 5 € from a 5 € note: largest first's change is the fewest,
// and counting up gives the same coins and ends at the note.
TEST(Change, EveryPriceUpToFiveEuroGivesTheFewest) {
  for (Cents price = 1; price < 500; ++price) {
    const ChangeTask task{price, 500};
    const Payment change = ChangeOf(task);
    ASSERT_EQ(change.banknotes, FewestCoinsByHand(500 - price)) << price;
    const std::vector<std::string> lines = CountingUp(task);
    ASSERT_EQ(static_cast<std::int64_t>(lines.size()), change.banknotes) << price;
    EXPECT_TRUE(lines.back().ends_with(" = 5,00")) << lines.back();
  }
}

TEST(Change, DrawnTasksPayWithTheSmallestNoteOrTheNext) {
  PracticeRandom random(2026);
  for (const Cents largest : {1000, 10000}) {
    for (int round = 0; round < 500; ++round) {
      const ChangeTask task = DrawChangeTask(random, largest);
      ASSERT_GE(task.price, 1);
      ASSERT_LT(task.price, largest);
      ASSERT_GT(task.paid, task.price);
      // The smallest note above the price, or the one after it.
      const Cents notes[] = {500, 1000, 2000, 5000, 10000, 20000, 50000};
      const auto smallest = std::find_if(std::begin(notes), std::end(notes),
                                         [&](Cents note) { return note > task.price; });
      ASSERT_NE(smallest, std::end(notes));
      EXPECT_TRUE(task.paid == *smallest ||
                  (smallest + 1 != std::end(notes) && task.paid == *(smallest + 1)))
          << task.price << " paid with " << task.paid;
    }
  }
  EXPECT_EQ(MoneyText(2000), "20\u00a0€");
  EXPECT_EQ(MoneyText(735), "7,35\u00a0€");
}

}  // namespace
}  // namespace banknotes
