#include "logic/companions/practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "logic/money/amount_text.h"
#include "logic/money/number_text.h"

namespace banknotes {
namespace {

struct PaymentRow {
  const char* name;
  std::int32_t amount;
  BanknoteCounts counts;  // 100, 50, 20, 10, 5, 2, 1
  PaymentCheck::Verdict verdict;
  std::int64_t sum;
  std::int64_t banknotes, fewest;
  PaymentRange level = PaymentRange::UpTo1000;
};

// A row reads as its name in test listings.
void PrintTo(const PaymentRow& row, std::ostream* out) { *out << row.name; }

class CheckPaymentRows : public ::testing::TestWithParam<PaymentRow> {};

TEST_P(CheckPaymentRows, SumBanknotesAndFewest) {
  const PaymentRow& row = GetParam();
  const PaymentCheck check = CheckPayment(row.amount, row.counts, row.level);
  EXPECT_EQ(check.verdict, row.verdict);
  EXPECT_EQ(check.sum, row.sum);
  EXPECT_EQ(check.banknotes, row.banknotes);
  EXPECT_EQ(check.fewest, row.fewest);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckPaymentRows,
    ::testing::Values(
        PaymentRow{"WrongSum", 87, {0, 1, 1, 1, 1, 0, 0}, PaymentCheck::WrongSum, 85, 4, 5},
        PaymentRow{
            "RightSumNotFewest", 87, {0, 1, 1, 1, 0, 3, 1}, PaymentCheck::NotFewest, 87, 7, 5},
        PaymentRow{"Fewest", 87, {0, 1, 1, 1, 1, 1, 0}, PaymentCheck::Fewest, 87, 5, 5},
        PaymentRow{"OneBanknote", 100, {1, 0, 0, 0, 0, 0, 0}, PaymentCheck::Fewest, 100, 1, 1},
        PaymentRow{"NothingPaid", 10, {}, PaymentCheck::WrongSum, 0, 0, 1},
        PaymentRow{"TheLargestAmount",
                   10000,
                   {100, 0, 0, 0, 0, 0, 0},
                   PaymentCheck::Fewest,
                   10000,
                   100,
                   100},
        PaymentRow{"TooMuch",
                   1,
                   {999, 999, 999, 999, 999, 999, 999},
                   PaymentCheck::WrongSum,
                   999 * 188,
                   6993,
                   1},
        // Counts and amounts no window sends: no overflow, and the right verdict.
        PaymentRow{"CountsAtTheirLargest",
                   100,
                   {INT_MAX, INT_MAX, 0, 0, 0, 0, 0},
                   PaymentCheck::WrongSum,
                   150LL * INT_MAX,
                   2LL * INT_MAX,
                   1},
        PaymentRow{"MoreHundredsThanVvediCounts",
                   3276800,
                   {32768, 0, 0, 0, 0, 0, 0},
                   PaymentCheck::Fewest,
                   3276800,
                   32768,
                   32768},
        PaymentRow{"ANegativeCountIsNoPayment",
                   100,
                   {2, 0, 0, 0, 0, 0, -100},
                   PaymentCheck::WrongSum,
                   100,
                   -98,
                   1},
        PaymentRow{"TheLargestAmountOfAll",
                   INT_MAX,
                   {INT_MAX / 100, 0, 2, 0, 0, 3, 1},  // 47 as 20, 20, 2, 2, 2, 1
                   PaymentCheck::NotFewest,
                   INT_MAX,
                   INT_MAX / 100 + 6,
                   INT_MAX / 100 + 4},
        PaymentRow{"ANegativeAmount", -5, {}, PaymentCheck::WrongSum, 0, 0, 0},
        // The first level pays with 5, 2 and 1: 10 is 5 + 5, and the 10 € note,
        // which the wallet lacks, typed in a box is fewer still and right.
        PaymentRow{"TenAtTheFirstLevel",
                   10,
                   {0, 0, 0, 0, 2, 0, 0},
                   PaymentCheck::Fewest,
                   10,
                   2,
                   2,
                   PaymentRange::UpTo10},
        PaymentRow{"TheTenNoteAtTheFirstLevel",
                   10,
                   {0, 0, 0, 1, 0, 0, 0},
                   PaymentCheck::Fewest,
                   10,
                   1,
                   2,
                   PaymentRange::UpTo10},
        PaymentRow{"NineAtTheFirstLevel",
                   9,
                   {0, 0, 0, 0, 1, 1, 2},
                   PaymentCheck::NotFewest,
                   9,
                   4,
                   3,
                   PaymentRange::UpTo10}),
    [](const auto& info) { return info.param.name; });

TEST(GreedySteps, OneBanknoteAStepDownToZero) {
  EXPECT_EQ(GreedySteps(87), (std::vector<GreedyStep>{
                                 {87, 50, 37}, {37, 20, 17}, {17, 10, 7}, {7, 5, 2}, {2, 2, 0}}));
  EXPECT_EQ(GreedySteps(300).size(), 3u);
  EXPECT_EQ(GreedySteps(9999).size(), 99u + 1 + 2 + 1 + 2);
  // Beyond what anyone reads a step a banknote, and below 1, no steps.
  EXPECT_EQ(GreedySteps(kLargestExplainedAmount).size(), 10000u);
  EXPECT_TRUE(GreedySteps(kLargestExplainedAmount + 1).empty());
  EXPECT_TRUE(GreedySteps(0).empty());
  EXPECT_TRUE(GreedySteps(-7).empty());
}

// Ways "Изведи" does not list, or with negative counts, are wrong ways; no sum
// or way leaves the hunt undefined.
TEST(SplitHunt, WaysNotInTheListingAreWrong) {
  const struct {
    const char* name;
    std::int32_t sum;
    Way way;
  } rows[] = {
      {"a negative count that sums right", 5, {0, 0, 0, 3, -1}},
      {"a negative sum", -5, {0, 0, -1, 0, 0}},
      {"a sum past the listing", 150, {7, 1, 0, 0, 0}},
      {"the largest sum", INT_MAX, {0, 0, 0, 0, INT_MAX}},
      {"counts at their largest", 5, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SplitHunt hunt(row.sum);
    EXPECT_EQ(hunt.Try(row.way).verdict, SplitHunt::WrongSum);
    EXPECT_EQ(hunt.found(), 0u);
  }
  EXPECT_EQ(SplitHunt(-5).ways(), 0u);
  EXPECT_EQ(SplitHunt(150).ways(), 0u);
  EXPECT_EQ(SplitHunt(kLargestSplitSum).ways(), 3950u);
}

TEST(Draws, EveryRangeReachesBothEdgesAndNoFurther) {
  const struct {
    PaymentRange range;
    std::int32_t largest;
  } payments[] = {{PaymentRange::UpTo100, 100},
                  {PaymentRange::UpTo1000, 1000},
                  {PaymentRange::UpTo10000, 10000}};
  for (const auto& [range, largest] : payments) {
    PracticeRandom random(1);
    std::int32_t least = largest, most = 1;
    for (int i = 0; i < 40 * largest; ++i) {
      const std::int32_t amount = DrawAmount(random, range);
      least = std::min(least, amount);
      most = std::max(most, amount);
    }
    EXPECT_EQ(least, 1) << largest;
    EXPECT_EQ(most, largest) << largest;
  }
  const struct {
    SplitRange range;
    std::int32_t least, most;
  } splits[] = {{SplitRange::From5To10, 5, 10}, {SplitRange::From11To20, 11, 20}};
  for (const auto& [range, least, most] : splits) {
    PracticeRandom random(1);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 1000; ++i) seen.insert(DrawSum(random, range));
    EXPECT_EQ(*seen.begin(), least);
    EXPECT_EQ(*seen.rbegin(), most);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(most - least + 1));
  }
}

// The same seed gives the same tasks here, in the desktop's standard library and
// in the browser's alike: these run under both.
TEST(Draws, AFixedSeedGivesTheSameTasksEverywhere) {
  PracticeRandom amounts(2026), sums(2026);
  std::vector<std::int32_t> drawn_amounts, drawn_sums;
  for (int i = 0; i < 5; ++i) {
    drawn_amounts.push_back(DrawAmount(amounts, PaymentRange::UpTo1000));
    drawn_sums.push_back(DrawSum(sums, SplitRange::From5To10));
  }
  EXPECT_EQ(drawn_amounts, (std::vector<std::int32_t>{306, 775, 899, 337, 422}));
  EXPECT_EQ(drawn_sums, (std::vector<std::int32_t>{8, 5, 7, 5, 8}));

  PracticeState first, again;
  Practice one(7), other(7);
  for (int task = 0; task < 3; ++task) {
    one.Click(first, kNewTaskButton);
    other.Click(again, kNewTaskButton);
    EXPECT_EQ(first.task, again.task);
  }
}

TEST(SplitHunt, TenHasElevenWaysFoundOneByOne) {
  SplitHunt hunt(10);
  ASSERT_EQ(hunt.ways(), 11u);
  EXPECT_EQ(hunt.Try({0, 0, 1, 2, 0}).verdict, SplitHunt::WrongSum);
  EXPECT_EQ(hunt.Try({0, 0, 1, 2, 0}).sum, 9);

  // Every way of the listing, in an order of the pupil's own: the last one ends it.
  std::vector<Way> ways;
  for (int twenties = 0; twenties <= 0; ++twenties)
    for (int tens = 0; tens <= 1; ++tens)
      for (int fives = 0; fives <= 2; ++fives)
        for (int twos = 0; twos <= 5; ++twos)
          for (int ones = 0; ones <= 10; ++ones)
            if (20 * twenties + 10 * tens + 5 * fives + 2 * twos + ones == 10)
              ways.push_back({twenties, tens, fives, twos, ones});
  ASSERT_EQ(ways.size(), 11u);
  std::reverse(ways.begin(), ways.end());
  for (std::size_t i = 0; i < ways.size(); ++i) {
    const SplitHunt::Verdict verdict = hunt.Try(ways[i]).verdict;
    EXPECT_EQ(verdict, i + 1 < ways.size() ? SplitHunt::New : SplitHunt::AllFound) << i;
    EXPECT_EQ(hunt.Try(ways[i]).verdict, SplitHunt::Repeated) << i;
    EXPECT_EQ(hunt.found(), i + 1);
  }

  // In the listing's order and format, whatever order they were found in.
  FormState listed;
  listed.Text3[kSum] = "10";
  ASSERT_EQ(dispatch(listed, kListButton), Outcome::Success);
  EXPECT_EQ(hunt.Lines(), listed.List1[kSplits].lines());
}

TEST(SplitHunt, ShowAllMarksWhatWasNotFound) {
  SplitHunt hunt(5);
  ASSERT_EQ(hunt.ways(), 4u);
  ASSERT_EQ(hunt.Try({0, 0, 1, 0, 0}).verdict, SplitHunt::New);
  hunt.ShowAll();
  EXPECT_EQ(hunt.found(), 1u);
  EXPECT_EQ(hunt.Lines(),
            (std::vector<std::string>{"20*0 + 10*0 + 5*1 + 2*0 + 1*0 = 5",
                                      "20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5 (показан)",
                                      "20*0 + 10*0 + 5*0 + 2*1 + 1*3 = 5 (показан)",
                                      "20*0 + 10*0 + 5*0 + 2*0 + 1*5 = 5 (показан)"}));
  EXPECT_EQ(hunt.Try({0, 0, 0, 0, 5}).verdict, SplitHunt::Shown);
  EXPECT_EQ(hunt.Try({0, 0, 1, 0, 0}).verdict, SplitHunt::Repeated);
}

// ---- The session, as the window drives it.

std::int32_t AmountOf(const PracticeState& form) {
  std::int32_t amount = 0;
  for (const char c : form.task)
    if (c >= '0' && c <= '9') amount = amount * 10 + (c - '0');
  return amount;
}

// A session whose payment task is `amount`, found by asking for new tasks.
PracticeState StateAsking(Practice& practice, std::int32_t amount) {
  PracticeState form;
  form.payment_range = PaymentRange::UpTo100;
  practice.Show(form);
  while (AmountOf(form) != amount) practice.Click(form, kNewTaskButton);
  return form;
}

void Pay(PracticeState& form, const BanknoteCounts& counts) {
  for (std::size_t k = 0; k < kDenominations; ++k)
    form.counts[k] = counts[k] ? std::to_string(counts[k]) : "";
}

TEST(PracticeSession, PaymentAnswersAndTheTally) {
  Practice practice(3);
  PracticeState form = StateAsking(practice, 87);
  EXPECT_EQ(form.task, "Изплатете 87\u00a0€ с възможно най-малко банкноти и монети.");
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 0");

  Pay(form, {0, 1, 1, 1, 1, 0, 0});
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer, "Сумата е 85\u00a0€, а трябва да е 87\u00a0€.");
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 1");

  Pay(form, {0, 1, 1, 1, 0, 3, 1});
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer,
            "Сумата е вярна, но с 3 банкноти и 4 монети. Може и с 4 банкноти и 1 монета:\n"
            "87 : 50 = 1, остатък 37 → 1 банкнота от 50\u00a0€\n"
            "37 : 20 = 1, остатък 17 → 1 банкнота от 20\u00a0€\n"
            "17 : 10 = 1, остатък 7 → 1 банкнота от 10\u00a0€\n"
            "7 : 5 = 1, остатък 2 → 1 банкнота от 5\u00a0€\n"
            "2 : 2 = 1, остатък 0 → 1 монета от 2\u00a0€");

  Pay(form, {0, 1, 1, 1, 1, 1, 0});
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer, "Вярно! 4 банкноти и 1 монета – по-малко не може.");
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 1");  // right, but not at the first check

  // A new task empties the boxes; right at once counts.
  practice.Click(form, kNewTaskButton);
  EXPECT_EQ(form.counts, (std::array<std::string, kWalletValues>{}));
  EXPECT_EQ(form.answer, "");
  const std::int32_t amount = AmountOf(form);
  for (const GreedyStep& step : GreedySteps(amount)) {
    std::size_t k = 0;
    while (std::to_string(step.banknote) != kDenominationCaptions[k]) ++k;
    form.counts[k] = std::to_string(std::stoi("0" + form.counts[k]) + 1);
  }
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer.rfind("Вярно! ", 0), 0u) << form.answer;
  EXPECT_EQ(form.tally, "Верни от първия път: 1 от 2");
}

TEST(PracticeSession, OneBanknoteAndOneRemainingReadAsOne) {
  Practice practice(5);
  PracticeState form = StateAsking(practice, 100);
  Pay(form, {1, 0, 0, 0, 0, 0, 0});
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer, "Вярно! 1 банкнота – по-малко не може.");

  form = StateAsking(practice, 3);
  Pay(form, {0, 0, 0, 0, 0, 0, 3});
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer,
            "Сумата е вярна, но с 3 монети. Може и с 2 монети:\n"
            "3 : 2 = 1, остатък 1 → 1 монета от 2\u00a0€\n"
            "1 : 1 = 1, остатък 0 → 1 монета от 1\u00a0€");
}

TEST(PracticeSession, SplitAnswersAndAllFound) {
  Practice practice(11);
  PracticeState form;
  form.exercise = Exercise::Split;
  form.sum = "10";
  const auto check = [&](const Way& way) {
    for (std::size_t i = 0; i < kSplitValues; ++i) form.way[i] = std::to_string(way[i]);
    practice.Click(form, kCheckButton);
    return form.answer;
  };
  EXPECT_EQ(check({0, 0, 1, 2, 0}), "Сумата е 9\u00a0€, а трябва да е 10\u00a0€.");
  EXPECT_EQ(form.task, "Намерете всички начини да разбиете 10 на 20, 10, 5, 2 и 1.");
  EXPECT_EQ(check({0, 1, 0, 0, 0}), "Нов начин! Намерен е 1 от 11 начина.");
  EXPECT_EQ(check({0, 1, 0, 0, 0}), "Този начин вече е намерен.");
  EXPECT_EQ(form.found, (std::vector<std::string>{"20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10"}));
  const Way rest[] = {{0, 0, 2, 0, 0}, {0, 0, 0, 5, 0}, {0, 0, 1, 2, 1},
                      {0, 0, 0, 4, 2}, {0, 0, 1, 1, 3}, {0, 0, 0, 3, 4},
                      {0, 0, 1, 0, 5}, {0, 0, 0, 2, 6}, {0, 0, 0, 1, 8}};
  EXPECT_EQ(check(rest[0]), "Нов начин! Намерени са 2 от 11 начина.");
  for (const Way& way : rest) check(way);
  EXPECT_EQ(check({0, 0, 0, 0, 10}), "Браво! Намерени са всички 11 начина.");
  EXPECT_EQ(form.found.size(), 11u);

  // A sum of the pupil's own starts a new hunt; "Покажи всички" shows the rest.
  form.sum = "5";
  EXPECT_EQ(check({0, 0, 1, 0, 0}), "Нов начин! Намерен е 1 от 4 начина.");
  practice.Click(form, kShowAllButton);
  EXPECT_EQ(form.answer, "Показани са всички 4 начина; намерени от вас: 1.");
  EXPECT_EQ(form.found.size(), 4u);
  EXPECT_EQ(check({0, 0, 0, 0, 5}), "Този начин вече е показан.");

  // A sum of one way has no "всички".
  form.sum = "1";
  practice.Click(form, kShowAllButton);
  EXPECT_EQ(form.answer, "Показан е единственият начин; намерени от вас: 0.");
}

// A sum of the pupil's own is read by the main window's rules (blanks go, &H is
// hexadecimal); one that is no whole number from 1 to 99 says so.
TEST(PracticeSession, ASumOfThePupilsOwn) {
  const std::string not_a_sum = "Сумата трябва да е цяло число от 1 до 99.";
  const std::string short_of_10 = "Сумата е 0\u00a0€, а трябва да е 10\u00a0€.";
  const struct {
    const char* sum;
    const std::string& answer;
  } rows[] = {{"", not_a_sum},      {"abc", not_a_sum},  {"0", not_a_sum},   {"-5", not_a_sum},
              {"7.5", not_a_sum},   {"100", not_a_sum},  {"1E9", not_a_sum}, {"1 0", short_of_10},
              {"&HA", short_of_10}, {"10.", short_of_10}};
  for (const auto& [sum, answer] : rows) {
    Practice practice(1);
    PracticeState form;
    form.exercise = Exercise::Split;
    form.sum = sum;
    practice.Click(form, kCheckButton);
    EXPECT_EQ(form.answer, answer) << sum;
    if (answer == not_a_sum) {
      practice.Click(form, kShowAllButton);
      EXPECT_EQ(form.answer, not_a_sum) << sum;
    }
  }
}

}  // namespace
}  // namespace banknotes

namespace banknotes {
namespace {

// The wallet and the counter: notes and coins put and taken back, and the
// boxes typed, always say the same payment.
TEST(PayingWithMoney, TheCounterAndTheBoxesSayTheSame) {
  const struct {
    const char* name;
    std::array<const char*, kDenominations> typed;  // the boxes before
    std::vector<int> put;                           // the wallet's values pressed, by index
    std::optional<std::size_t> take_back;           // a counter line pressed after
    std::array<const char*, kDenominations> counts;
    std::vector<std::string> counter;
    const char* paid;
  } rows[] = {
      {"nothing", {}, {}, {}, {}, {}, "Сума: 0\u00a0€"},
      {"130 by 100, 20 and 10",
       {},
       {0, 2, 3},
       {},
       {"1", "", "1", "1"},
       {"1 банкнота от 100\u00a0€", "1 банкнота от 20\u00a0€", "1 банкнота от 10\u00a0€"},
       "Сума: 130\u00a0€"},
      {"coins counted as coins",
       {},
       {5, 5, 6},
       {},
       {"", "", "", "", "", "2", "1"},
       {"2 монети по 2\u00a0€", "1 монета от 1\u00a0€"},
       "Сума: 5\u00a0€"},
      {"put on what was typed",
       {"2", "", "", "", "", "", "9"},
       {0},
       {},
       {"3", "", "", "", "", "", "9"},
       {"3 банкноти по 100\u00a0€", "9 монети по 1\u00a0€"},
       "Сума: 309\u00a0€"},
      {"the chosen line taken back",
       {"2", "", "", "", "", "", "9"},
       {},
       1,
       {"2", "", "", "", "", "", "8"},
       {"2 банкноти по 100\u00a0€", "8 монети по 1\u00a0€"},
       "Сума: 208\u00a0€"},
      {"the last of a value taken back empties its box",
       {"", "", "", "", "1"},
       {},
       0,
       {},
       {},
       "Сума: 0\u00a0€"},
      {"a line past the counter's takes nothing",
       {"1"},
       {},
       5,
       {"1"},
       {"1 банкнота от 100\u00a0€"},
       "Сума: 100\u00a0€"},
      {"no more than a box holds",
       {"999"},
       {0},
       {},
       {"999"},
       {"999 банкноти по 100\u00a0€"},
       "Сума: 99\u00a0900\u00a0€"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PracticeState form;
    for (std::size_t k = 0; k < kDenominations; ++k)
      form.counts[k] = row.typed[k] ? row.typed[k] : "";
    PayingWithMoney(form);
    for (const int k : row.put) PutOnCounter(form, static_cast<std::size_t>(k));
    if (row.take_back) {
      form.counter_line = row.take_back;
      TakeBack(form);
    }
    for (std::size_t k = 0; k < kDenominations; ++k)
      EXPECT_EQ(form.counts[k], row.counts[k] ? row.counts[k] : "") << k;
    EXPECT_EQ(form.counter, row.counter);
    EXPECT_EQ(form.paid, row.paid);
    ASSERT_EQ(form.counter_drawn.size(), form.counter.size());
    for (const Heap& heap : form.counter_drawn) EXPECT_NE(FindPiece(heap.cents), nullptr);
    EXPECT_EQ(form.wallet[0], (Heap{10000, 1}));
    EXPECT_EQ(form.wallet[6], (Heap{100, 1}));
  }
}

TEST(PayingWithMoney, AnnouncesTheNewSumInWords) {
  const struct {
    std::vector<std::size_t> put;  // the wallet's values pressed, by index
    const char* said;
  } rows[] = {
      {{0, 2, 3}, "Сума: 130 евро"},
      {{7}, "Сума: 50 цента"},
      {{12}, "Сума: 1 цент"},
      {{3, 5, 5, 7, 11, 11}, "Сума: 14 евро и 54 цента"},
      {{6, 12}, "Сума: 1 евро и 1 цент"},
  };
  for (const auto& row : rows) {
    PracticeState form;
    form.exercise = Exercise::Change;
    for (const std::size_t k : row.put) PutOnCounter(form, k);
    EXPECT_EQ(PaidAnnouncement(form), row.said);
  }
}

}  // namespace
}  // namespace banknotes

namespace banknotes {
namespace {

// "Подсказка" says how many are enough, before a check, and counts as none.
TEST(Practice, HintSaysHowManyAreEnoughAndIsNoCheck) {
  Practice practice(2026);
  PracticeState form;
  practice.Show(form);
  ASSERT_EQ(form.task, "Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.");
  practice.Click(form, kHintButton);
  EXPECT_EQ(form.answer, "Стигат най-малко 5 банкноти и монети.");
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 0");
  form.counts = {"3", "", "", "", "1", "", "1"};
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.tally, "Верни от първия път: 1 от 1");
  // The right sum checked, the fewest is drawn; a wrong sum gives nothing away.
  const std::vector<std::string> fewest = {"3 банкноти по 100\u00a0€", "1 банкнота от 5\u00a0€",
                                           "1 монета от 1\u00a0€"};
  EXPECT_EQ(form.fewest, fewest);
  EXPECT_EQ(form.fewest_drawn, (std::vector<Heap>{{10000, 3}, {500, 1}, {100, 1}}));
  form.counts = {"3", "", "", "", "", "", "1"};
  practice.Click(form, kCheckButton);
  EXPECT_TRUE(form.fewest.empty());
  form.counts = {"3", "", "", "", "", "2", "2"};
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.fewest, fewest);
  practice.Click(form, kNewTaskButton);
  EXPECT_TRUE(form.fewest_drawn.empty());
  // In the other exercise it does nothing.
  form.exercise = Exercise::Split;
  practice.Show(form);
  practice.Click(form, kHintButton);
  EXPECT_EQ(form.answer, "");
}

// At the first level the hint, the check, its steps and the fewest drawn all
// pay 10 with the level's 5 € notes.
TEST(Practice, TheFirstLevelExplainsWithItsOwnValues) {
  PracticeState form;
  form.payment_range = PaymentRange::UpTo10;
  std::uint32_t seed = 0;
  for (;; ++seed) {
    Practice probe(seed, PaymentRange::UpTo10);
    probe.Show(form);
    if (form.task.starts_with("Изплатете 10\u00a0€")) break;
  }
  Practice practice(seed, PaymentRange::UpTo10);
  practice.Show(form);
  practice.Click(form, kHintButton);
  EXPECT_EQ(form.answer, "Стигат най-малко 2 банкноти и монети.");
  form.counts = {"", "", "", "", "1", "2", "1"};
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer,
            "Сумата е вярна, но с 1 банкнота и 3 монети. Може и с 2 банкноти:\n"
            "10 : 5 = 2, остатък 0 → 2 банкноти по 5\u00a0€");
  EXPECT_EQ(form.fewest, std::vector<std::string>{"2 банкноти по 5\u00a0€"});
  EXPECT_EQ(form.fewest_drawn, (std::vector<Heap>{{500, 2}}));
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 1");
}

}  // namespace
}  // namespace banknotes

namespace banknotes {
namespace {

// The amount a payment task names: "Изплатете 7 € …" gives 7, and
// "Изплатете 10 000 € …" 10 000.
std::int32_t AmountOf(const std::string& task) {
  std::string digits;
  for (std::size_t i = std::string("Изплатете ").size(); i < task.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(task[i])))
      digits += task[i];
    else if (task.compare(i, 2, "\u00a0") != 0 || i + 2 >= task.size() ||
             !std::isdigit(static_cast<unsigned char>(task[i + 2])))
      break;
  }
  return std::stoi(digits);
}

// Pays the task with the fewest and checks it.
void PayWithTheFewest(Practice& practice, PracticeState& form) {
  const Payment fewest = LargestFirst(EuroValues(), AmountOf(form.task));
  for (std::size_t k = 0; k < kDenominations; ++k)
    form.counts[k] = fewest.counts[k] ? std::to_string(fewest.counts[k]) : "";
  practice.Click(form, kCheckButton);
}

TEST(Levels, EachPaysWithItsValuesAndLeadsToTheNext) {
  const std::vector<int> euro = {10000, 5000, 2000, 1000, 500, 200, 100};
  const std::vector<int> every = {10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
  const std::vector<int> up_to_10 = {500, 200, 100, 50, 20, 10, 5, 2, 1};
  const struct {
    PaymentRange level;
    Cents largest;
    std::vector<int> wallet;  // the values the wallet holds, in cents
    PaymentRange next;
  } rows[] = {
      {PaymentRange::UpTo10, 1000, {500, 200, 100}, PaymentRange::UpTo100},
      {PaymentRange::UpTo100, 10000, euro, PaymentRange::UpTo1000},
      {PaymentRange::UpTo1000, 100000, euro, PaymentRange::UpTo10000},
      {PaymentRange::UpTo10000, 1000000, euro, PaymentRange::UpTo10000},
      {PaymentRange::UpTo10Cents, 1000, up_to_10, PaymentRange::UpTo100Cents},
      {PaymentRange::UpTo100Cents, 10000, every, PaymentRange::UpTo100Cents},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.level));
    EXPECT_EQ(NextLevel(row.level), row.next);
    PracticeState form;
    form.payment_range = row.level;
    PayingWithMoney(form);
    std::vector<int> wallet;
    for (const Heap& face : form.wallet)
      if (face.cents) wallet.push_back(static_cast<int>(face.cents));
    EXPECT_EQ(wallet, row.wallet);
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
      Practice practice(seed, row.level);
      practice.Show(form);
      const std::size_t from = std::string("Изплатете ").size();
      const AmountRead amount = ReadAmount(form.task.substr(from, form.task.find(" с ") - from));
      ASSERT_TRUE(amount.cents) << form.task;
      ASSERT_GE(*amount.cents, 1);
      ASSERT_LE(*amount.cents, row.largest);
      // A level with cents always has some.
      EXPECT_EQ(*amount.cents % 100 != 0, LevelHasCents(row.level)) << form.task;
    }
  }
}

// A level with cents explains with them, by division, and its last says so.
TEST(Levels, CentsArePaidAndExplainedWithTheCoinsOfCents) {
  Practice practice(11, PaymentRange::UpTo10Cents);
  PracticeState form;
  form.payment_range = PaymentRange::UpTo10Cents;
  practice.Show(form);
  const std::size_t from = std::string("Изплатете ").size();
  const Cents amount =
      ReadAmount(form.task.substr(from, form.task.find(" с ") - from)).cents.value_or(0);
  ASSERT_GT(amount, 0) << form.task;
  form.counts[12] = std::to_string(amount);  // all in coins of 1 cent
  practice.Click(form, kCheckButton);
  const Payment fewest = LargestFirst(LevelCents(PaymentRange::UpTo10Cents), amount);
  EXPECT_EQ(form.answer.substr(0, form.answer.find(':')),
            "Сумата е вярна, но с " + Counted(amount, Noun::Coin) + ". Може и с " +
                PiecesInCents(LevelCents(PaymentRange::UpTo10Cents), fewest));
  const auto steps = DivisionLinesInCents(LevelCents(PaymentRange::UpTo10Cents), amount);
  std::string lines;
  for (const std::string& line : steps) lines += "\n" + line;
  EXPECT_EQ(form.answer.substr(form.answer.find('\n')), lines);
  EXPECT_NE(lines.find(" цент"), std::string::npos) << lines;
  // Paid with the fewest, it is right.
  form.counts = {};
  for (std::size_t i = 0; i < fewest.counts.size(); ++i)
    form.counts[i + 4] = fewest.counts[i] ? std::to_string(fewest.counts[i]) : "";
  practice.Click(form, kCheckButton);
  EXPECT_EQ(form.answer.rfind("Вярно! ", 0), 0u) << form.answer;
  form.payment_range = PaymentRange::UpTo100Cents;
  practice.Click(form, kNewTaskButton);
  practice.Click(form, kNextLevelButton);
  EXPECT_EQ(form.answer, "Това е най-горното ниво с центове: суми до 100\u00a0€.");
}

// The till: change given wrong, right but not with the fewest, and with the
// fewest; the shop assistant's count up from the price with the same coins.
TEST(Change, IsCheckedAndCountedUpFromThePrice) {
  Practice practice(2026);
  PracticeState form;
  form.exercise = Exercise::Change;
  practice.Show(form);
  PayingWithMoney(form);
  EXPECT_EQ(form.task,
            "Стоката струва 5,46\u00a0€. Клиентът плаща с 20\u00a0€. Върнете рестото с "
            "възможно най-малко банкноти и монети.");
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 0");
  for (const Heap& face : form.wallet) EXPECT_NE(face.cents, 0);  // every value at the till
  const std::string counted_up =
      "\nПродавачът брои от цената нагоре, със същите банкноти и монети:\n"
      "5,46 + 0,02 = 5,48\n5,48 + 0,02 = 5,50\n5,50 + 0,50 = 6,00\n6,00 + 2,00 = 8,00\n"
      "8,00 + 2,00 = 10,00\n10,00 + 10,00 = 20,00";
  const struct {
    const char* name;
    std::array<std::string, kWalletValues> counts;  // 100 € first, 1 cent last
    std::string answer;
    std::vector<std::string> fewest;
  } rows[] = {
      {"short by four cents",
       {"", "", "", "1", "", "2", "", "1"},
       "Рестото е 14,50\u00a0€, а трябва да е 14,54\u00a0€.",
       {}},
      {"right, in too many coins",
       {"", "", "", "1", "", "", "4", "1", "", "", "", "", "4"},
       "Рестото е вярно, но с 1 банкнота и 9 монети. Може и с 1 банкнота и 5 монети:\n"
       "14,54 : 10,00 = 1, остатък 4,54 → 1 банкнота от 10\u00a0€\n"
       "4,54 : 2,00 = 2, остатък 0,54 → 2 монети по 2\u00a0€\n"
       "0,54 : 0,50 = 1, остатък 0,04 → 1 монета от 50 цента\n"
       "0,04 : 0,02 = 2, остатък 0,00 → 2 монети по 2 цента" +
           counted_up,
       {"1 банкнота от 10\u00a0€", "2 монети по 2\u00a0€", "1 монета от 50 цента",
        "2 монети по 2 цента"}},
      {"the fewest",
       {"", "", "", "1", "", "2", "", "1", "", "", "", "2"},
       "Вярно! 1 банкнота и 5 монети – по-малко не може." + counted_up,
       {"1 банкнота от 10\u00a0€", "2 монети по 2\u00a0€", "1 монета от 50 цента",
        "2 монети по 2 цента"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    form.counts = row.counts;
    practice.Click(form, kCheckButton);
    EXPECT_EQ(form.answer, row.answer);
    EXPECT_EQ(form.fewest, row.fewest);
    EXPECT_EQ(form.fewest_drawn.size(), row.fewest.size());
  }
  // Wrong at the first check: none right yet.
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 1");
  practice.Click(form, kHintButton);
  EXPECT_EQ(form.answer, "Стигат най-малко 6 банкноти и монети.");
  // A new task empties the boxes and may be right at once.
  form.change_range = ChangeRange::UpTo100;
  practice.Click(form, kNewTaskButton);
  EXPECT_EQ(form.counts, (std::array<std::string, kWalletValues>{}));
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 0");  // each range has its own
}

// The payment and the change share the count boxes; each keeps its own.
TEST(Change, AndThePaymentKeepEachTheirCounts) {
  Practice practice(2026);
  PracticeState form;
  practice.Show(form);
  form.counts[0] = "3";
  form.exercise = Exercise::Change;
  practice.Show(form);
  EXPECT_EQ(form.counts, (std::array<std::string, kWalletValues>{}));
  form.counts[3] = "1";
  form.exercise = Exercise::Split;
  practice.Show(form);
  form.exercise = Exercise::Payment;
  practice.Show(form);
  EXPECT_EQ(form.counts[0], "3");
  EXPECT_EQ(form.counts[3], "");
  form.exercise = Exercise::Change;
  practice.Show(form);
  EXPECT_EQ(form.counts[0], "");
  EXPECT_EQ(form.counts[3], "1");
}

TEST(Levels, ThreeRightAtTheFirstCheckOpenTheNextWithATallyOfItsOwn) {
  Practice practice(7, PaymentRange::UpTo10);
  PracticeState form;
  form.payment_range = PaymentRange::UpTo10;
  practice.Show(form);
  practice.Click(form, kNextLevelButton);
  EXPECT_EQ(form.answer,
            "Следващото ниво идва след 3 задачи, решени вярно от първия път. Дотук: 0.");
  EXPECT_EQ(form.payment_range, PaymentRange::UpTo10);
  // One wrong at its first check, then three right.
  form.counts = {"1"};
  practice.Click(form, kCheckButton);
  PayWithTheFewest(practice, form);
  for (int task = 0; task < 3; ++task) {
    practice.Click(form, kNewTaskButton);
    PayWithTheFewest(practice, form);
  }
  EXPECT_EQ(form.tally, "Верни от първия път: 3 от 4 – може и „Следващо ниво“");
  practice.Click(form, kNextLevelButton);
  EXPECT_EQ(form.payment_range, PaymentRange::UpTo100);
  EXPECT_EQ(form.tally, "Верни от първия път: 0 от 0");
  EXPECT_EQ(form.answer, "");
  // Back at the first level, its tally stands.
  form.payment_range = PaymentRange::UpTo10;
  practice.Click(form, kNewTaskButton);
  EXPECT_EQ(form.tally, "Верни от първия път: 3 от 4 – може и „Следващо ниво“");
  // The last level has none after it.
  form.payment_range = PaymentRange::UpTo10000;
  practice.Click(form, kNewTaskButton);
  practice.Click(form, kNextLevelButton);
  EXPECT_EQ(form.answer, "Това е най-горното ниво: суми до 10\u00a0000.");
}

}  // namespace
}  // namespace banknotes
