#include "logic/companions/explore.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"
#include "logic/money/paying.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

// Wrong input says what is wrong and changes nothing else: from 4, 3, 1 with
// 6 to pay and 10 to split answered, `typed` changes boxes, and after "Изчисли"
// only the message differs from what was typed.
void ExpectOnlyTheMessage(const std::function<void(ExploreState&)>& typed,
                          const std::string& message) {
  ExploreState state;
  state.amount = std::string("6");
  state.sum = std::string("10");
  ChooseReadySet(state, 3);
  typed(state);
  ExploreState before = state;
  Explore(state);
  before.message = message;
  EXPECT_EQ(state, before);
}

struct CheckRow {
  const char* name;
  ValueSet values;
  GreedyCheck::Kind kind;
  std::int64_t checked, amount;
};
void PrintTo(const CheckRow& row, std::ostream* out) { *out << row.name; }

class LargestFirstAlways : public ::testing::TestWithParam<CheckRow> {};

TEST_P(LargestFirstAlways, FailsFirstWhereTheFewestAreFewer) {
  const CheckRow& row = GetParam();
  const GreedyCheck check = CheckLargestFirst(row.values);
  EXPECT_EQ(check.kind, row.kind);
  EXPECT_EQ(check.checked, row.checked);
  EXPECT_EQ(check.amount, row.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LargestFirstAlways,
    ::testing::Values(CheckRow{"FourThreeOne", {4, 3, 1}, GreedyCheck::FailsAt, 6, 6},
                      CheckRow{"OldPennies", {30, 24, 12, 6, 3, 1}, GreedyCheck::FailsAt, 53, 48},
                      CheckRow{"TenSevenOne", {10, 7, 1}, GreedyCheck::FailsAt, 16, 14},
                      CheckRow{"Euro", {100, 50, 20, 10, 5, 2, 1}, GreedyCheck::Always, 149, 0},
                      CheckRow{"Cents", {25, 10, 5, 1}, GreedyCheck::Always, 34, 0},
                      CheckRow{"OneAlone", {1}, GreedyCheck::Always, 1, 0},
                      CheckRow{"NoOne", {5, 2}, GreedyCheck::Unpayable, 0, 1}),
    [](const auto& info) { return info.param.name; });

// Each answer of the window for one set, one amount and one sum, as it reads.
struct AnswerRow {
  const char* name;
  int ready_set;
  const char* amount;
  const char* verdict;
  const char* largest_first;  // its first line
  const char* fewest;
  const char* always;
};
void PrintTo(const AnswerRow& row, std::ostream* out) { *out << row.name; }

class ExploreAnswers : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(ExploreAnswers, SayWhatLargestFirstGivesAgainstTheFewest) {
  const AnswerRow& row = GetParam();
  ExploreState state;
  state.amount = row.amount;
  ChooseReadySet(state, row.ready_set);
  EXPECT_EQ(state.message, "");
  EXPECT_EQ(state.verdict, row.verdict);
  EXPECT_EQ(state.largest_first.substr(0, state.largest_first.find('\n')), row.largest_first);
  EXPECT_EQ(state.fewest, row.fewest);
  EXPECT_EQ(state.always, row.always);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExploreAnswers,
    ::testing::Values(
        AnswerRow{"FourThreeOnePaySix", 3, "6",
                  "Алчният алгоритъм дава 3 монети, а може и с 2 монети.", "3 монети: 4 + 1 + 1",
                  "2 монети: 3 + 3",
                  "Най-малката сума, за която алчният алгоритъм не дава най-малко: 6 (4 + 1 + 1, а "
                  "може 3 + 3)."},
        AnswerRow{"EuroPay306", 0, "306",
                  "Алчният алгоритъм дава най-малко: 4 банкноти и 1 монета.",
                  "4 банкноти и 1 монета: 100 + 100 + 100 + 5 + 1",
                  "4 банкноти и 1 монета: 100 + 100 + 100 + 5 + 1",
                  "Алчният алгоритъм винаги дава най-малко банкноти и монети: проверени са всички "
                  "суми до "
                  "149, а по-нататък не е нужно."},
        AnswerRow{"PenniesPay48", 2, "48", "Алчният алгоритъм дава 3 монети, а може и с 2 монети.",
                  "3 монети: 30 + 12 + 6", "2 монети: 24 + 24",
                  "Най-малката сума, за която алчният алгоритъм не дава най-малко: 48 (30 + 12 + "
                  "6, а може 24 + 24)."},
        AnswerRow{"ManyOfOneValue", 1, "9999", "Алчният алгоритъм дава най-малко: 405 монети.",
                  "405 монети: 399 × 25 + 10 + 10 + 4 × 1",
                  "405 монети: 399 × 25 + 10 + 10 + 4 × 1",
                  "Алчният алгоритъм винаги дава най-малко монети: проверени са всички суми до "
                  "34, а по-нататък не е нужно."}),
    [](const auto& info) { return info.param.name; });

// A set without 1: what cannot be paid, by either way.
TEST(ExploreAnswers, WhatCannotBePaid) {
  ExploreState state;
  state.values = {"5", "2"};
  state.amount = "3";
  Explore(state);
  EXPECT_EQ(state.verdict, "3 не може да се изплати с тези стойности.");
  EXPECT_EQ(state.fewest, "Не може да се изплати.");
  EXPECT_EQ(state.always,
            "С тези стойности не всяка сума може да се изплати: най-малката, която не може, е 1.");
  state.amount = "6";
  Explore(state);
  EXPECT_EQ(state.verdict, "Алчният алгоритъм не изплаща 6: остава 1. А може с 3 монети.");
  EXPECT_EQ(state.fewest, "3 монети: 2 + 2 + 2");
}

// The count of ways equals the lines "Изведи" lists, for every sum it takes.
TEST(CountWays, EqualsTheListingForEverySumUpTo99) {
  const ValueSet values = {20, 10, 5, 2, 1};
  for (int sum = 0; sum <= 99; ++sum) {
    FormState form;
    form.Text3[kSum] = IntegerText(sum);
    ASSERT_EQ(dispatch(form, kListButton), Outcome::Success);
    EXPECT_EQ(CountWays(values, sum).Digits(), std::to_string(form.List1[kSplits].lines().size()))
        << sum;
  }
}

// Past 64 bits, exactly: counted apart from this code, with Python's integers.
TEST(CountWays, LargeSumsExactly) {
  EXPECT_EQ(CountWays(EuroValues(), 10000).Digits(), "146885286371151");
  EXPECT_EQ(CountWays({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 10000).Digits(), "778400276435728381405745");
  EXPECT_EQ(Combinations({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 10000).Digits(),
            "2768156634152702736981581947747344");
  EXPECT_EQ(CountWays({3}, 7).Digits(), "0");
}

TEST(Combinations, TriedByNestedLoops) {
  const ValueSet five = {20, 10, 5, 2, 1};
  EXPECT_EQ(Combinations(five, 99).Digits(), "5000000");
  EXPECT_EQ(CountSteps(five, 99), 495u);
  const Trial trial = TryEveryCombination(five, 99);
  EXPECT_FALSE(trial.estimated);
  EXPECT_EQ(trial.combinations.Digits(), "5000000");
  EXPECT_EQ(trial.ways, 3950u);
  // Past what is tried, the time is an estimate, and no ways are claimed.
  const Trial estimate = TryEveryCombination(EuroValues(), 10000);
  EXPECT_TRUE(estimate.estimated);
  EXPECT_GT(estimate.seconds, 0);
  EXPECT_EQ(estimate.ways, 0u);
}

TEST(BigCount, CarriesAcrossLimbs) {
  BigCount count(999'999'999);
  count += 1;
  EXPECT_EQ(count.Digits(), "1000000000");
  count *= 1'000'000'000;
  EXPECT_EQ(count.Digits(), "1000000000000000000");
  EXPECT_FALSE(count.AtMost(kTimedCombinations));
  EXPECT_TRUE(BigCount(kTimedCombinations).AtMost(kTimedCombinations));
  count *= 0;
  EXPECT_EQ(count.Digits(), "0");
}

// Wrong input says what is wrong and changes nothing else.
TEST(ExploreInput, WrongInputChangesNothing) {
  const struct {
    const char* name;
    std::array<std::string, kMaxValues> values;
    const char* amount;
    const char* sum;
    const char* message;
  } rows[] = {
      {"a value twice", {"5", "2", "5"}, "", "", "Стойността 5 е въведена два пъти."},
      {"a zero",
       {"5", "0"},
       "",
       "",
       "Стойност 2 не може да е 0: въведете число от 1 до 10\u00a0000."},
      {"a value past its limit",
       {"12000"},
       "",
       "",
       "Стойност 1 не може да е 12\u00a0000: въведете число от 1 до 10\u00a0000."},
      {"no value", {}, "", "", "Въведете поне една стойност."},
      {"an amount past its limit",
       {"1"},
       "10001",
       "",
       "Сумата за плащане не може да е 10\u00a0001: въведете число от 1 до 10\u00a0000."},
      {"a sum past its limit",
       {"1"},
       "",
       "0",
       "Сумата за разбиване не може да е 0: въведете число от 1 до 10\u00a0000."},
      {"no number", {"1a"}, "", "", "Стойност 1 трябва да е цяло число от 1 до 10\u00a0000."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ExpectOnlyTheMessage(
        [&](ExploreState& state) {
          state.values = row.values;
          state.amount = row.amount;
          state.sum = row.sum;
        },
        row.message);
  }
}

TEST(ExploreWays, TheCountAndTheWork) {
  ExploreState state;
  state.values = {"20", "10", "5", "2", "1"};
  state.sum = "99";
  Explore(state);
  const std::string nbsp = "\u00a0";
  EXPECT_EQ(state.ways.substr(0, state.ways.find('\n')), "Начини да се получи 99: 3950.");
  EXPECT_NE(state.ways.find("5" + nbsp + "000" + nbsp + "000 комбинации"), std::string::npos)
      << state.ways;
  EXPECT_NE(state.ways.find("(измерено)"), std::string::npos) << state.ways;
  EXPECT_NE(state.ways.find("495 стъпки"), std::string::npos) << state.ways;
  state.values = {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"};
  state.sum = "10000";
  Explore(state);
  EXPECT_NE(state.ways.find("(оценка по измерената скорост)"), std::string::npos) << state.ways;
}

}  // namespace
}  // namespace banknotes

namespace banknotes {
namespace {

// A till that holds only so many: what largest first takes from it, the fewest
// it can pay, and where largest first first goes wrong with it.
TEST(ExploreTill, AnswersWithWhatTheTillHolds) {
  ExploreState state;
  state.values = {"20", "50"};
  state.till = {"3", "1"};
  state.amount = "60";
  Explore(state);
  EXPECT_EQ(state.message, "");
  EXPECT_EQ(state.verdict, "Алчният алгоритъм не изплаща 60: остава 10. А може с 3 монети.");
  EXPECT_EQ(state.largest_first, "Не се изплаща: остава 10.\n60 : 50 = 1, остатък 10");
  EXPECT_EQ(state.fewest, "3 монети: 20 + 20 + 20");
  EXPECT_EQ(state.always,
            "С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката сума, при която "
            "греши: 60 от 50, 20, 20 и 20: алчният алгоритъм взима 50 и остават 10, които не може "
            "да плати; 20 + 20 + 20 плаща.");
  // More than the till holds.
  state.amount = "200";
  Explore(state);
  EXPECT_EQ(state.verdict, "200 не може да се изплати от тази каса.");
  // The euro's seven, short of tens: 80 from one 50, and as many 20 as needed.
  state.values = {"100", "50", "20", "10", "5", "2", "1"};
  state.till = {"", "1", "", "0", "", "", ""};
  state.amount = "180";
  Explore(state);
  EXPECT_EQ(
      state.largest_first,
      "5 банкноти: 100 + 50 + 20 + 5 + 5\n180 : 100 = 1, остатък 80\n80 : 50 = 1, остатък 30\n"
      "30 : 20 = 1, остатък 10\n10 : 10 = 1, остатък 0, но в касата няма → остават 10\n"
      "10 : 5 = 2, остатък 0");
  EXPECT_EQ(state.fewest, "5 банкноти: 100 + 4 × 20");
  EXPECT_EQ(state.always,
            "С тази каса алчният алгоритъм дава най-малко за всяка сума, която касата може да "
            "изплати: проверени са всички суми до 10\u00a0000.");
  // Emptied, the till holds as many as needed again.
  state.till = {};
  Explore(state);
  EXPECT_EQ(state.largest_first.substr(0, state.largest_first.find('\n')),
            "4 банкноти: 100 + 50 + 20 + 10");
}

TEST(ExploreTill, WrongCountsChangeNothing) {
  const struct {
    const char* name;
    std::array<std::string, kMaxValues> till;
    const char* message;
  } rows[] = {
      {"not a number", {"x"}, "Броят в касата 1 трябва да е цяло число от 0 до 999."},
      {"too many", {"", "1000"}, "Броят в касата 2 не може да е 1000: въведете число от 0 до 999."},
      {"beside no value",
       {"", "", "", "2"},
       "Броят в касата 4 стои до празна стойност: въведете стойност 4 или изтрийте броя."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ExpectOnlyTheMessage([&](ExploreState& state) { state.till = row.till; }, row.message);
  }
}

}  // namespace
}  // namespace banknotes

namespace banknotes {
namespace {

// The ways of an amount with values, by a plain table over the amounts.
std::uint64_t WaysByTable(const ValueSet& values, std::int64_t amount) {
  std::vector<std::uint64_t> ways(static_cast<std::size_t>(amount) + 1, 0);
  ways[0] = 1;
  for (const int value : values)
    for (std::int64_t a = value; a <= amount; ++a)
      ways[static_cast<std::size_t>(a)] += ways[static_cast<std::size_t>(a - value)];
  return ways.back();
}

// "Евро с центове": the fifteen values written as amounts, and 3,88 € answered
// in euro and cents.
TEST(ExploreCents, TheEuroWithCentsPaysThreeEightyEight) {
  ExploreState state;
  state.amount = "3,88";
  state.sum = "3,88 €";
  ChooseReadySet(state, kEuroCentsSet);
  EXPECT_EQ(state.values[0], "500,00");
  EXPECT_EQ(state.values[14], "0,01");
  EXPECT_EQ(state.message, "");
  EXPECT_EQ(state.verdict, "Алчният алгоритъм дава най-малко: 8 монети.");
  EXPECT_EQ(state.fewest, "8 монети: 2,00 + 1,00 + 0,50 + 0,20 + 0,10 + 0,05 + 0,02 + 0,01");
  EXPECT_EQ(state.largest_first.substr(state.largest_first.rfind('\n') + 1),
            "0,01 : 0,01 = 1, остатък 0,00 → 1 монета от 1 цент");
  EXPECT_EQ(state.always,
            "Алчният алгоритъм винаги дава най-малко банкноти и монети: проверени са всички суми "
            "до 699,99\u00a0€, а по-нататък не е нужно.");
  const std::uint64_t ways = WaysByTable(EuroCentValues(), 388);
  EXPECT_EQ(ways, 1677713u);
  EXPECT_EQ(state.ways.substr(0, state.ways.find('\n')),
            "Начини да се получи 3,88\u00a0€: 1\u00a0677\u00a0713.");
  EXPECT_NE(state.ways.find("5820 стъпки (388 цента × 15)"), std::string::npos) << state.ways;
  // One cent to split is one cent, and its ways one.
  state.sum = "0,01";
  Explore(state);
  EXPECT_NE(state.ways.find("(1 цент × 15)"), std::string::npos) << state.ways;
  // A whole number typed beside cents is euro: 5 and 0,5 pay 5,50 € with 2 pieces.
  state.values = {"5", "0,5"};
  state.amount = "5,50";
  Explore(state);
  EXPECT_EQ(state.fewest, "1 банкнота и 1 монета: 5,00 + 0,50");
}

TEST(ExploreCents, WrongAmountsSayWhy) {
  const struct {
    const char* name;
    const char* value;
    const char* amount;
    const char* message;
  } rows[] = {
      {"no cent", "0,00", "",
       "Стойност 1 не може да е 0,00\u00a0€: въведете сума от 0,01\u00a0€ до 1000,00\u00a0€."},
      {"three digits of cents", "1,234", "", "Стойност 1 трябва да е сума в евро, например 0,50."},
      {"past 100 € to pay", "1", "100,01",
       "Сумата за плащане не може да е 100,01\u00a0€: въведете сума от 0,01\u00a0€ до "
       "100,00\u00a0€."},
      {"a lone comma", ",", "", "Стойност 1 трябва да е сума в евро, например 0,50."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ExpectOnlyTheMessage(
        [&](ExploreState& state) {
          state.values = {row.value};
          state.amount = row.amount;
        },
        row.message);
  }
}

// A till in cents: one 50 and three 20 cents, 0,60 € as with whole numbers.
TEST(ExploreCents, ATillInCents) {
  ExploreState state;
  state.values = {"0,50", "0,20"};
  state.till = {"1", "3"};
  state.amount = "0,60";
  Explore(state);
  EXPECT_EQ(state.verdict,
            "Алчният алгоритъм не изплаща 0,60\u00a0€: остава 0,10\u00a0€. А може с 3 монети.");
  EXPECT_EQ(state.always,
            "С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката сума, при която "
            "греши: 0,60 от 0,50, 0,20, 0,20 и 0,20: алчният алгоритъм взима 0,50 и остават 0,10, "
            "които не може да плати; 0,20 + 0,20 + 0,20 плаща.");
}

}  // namespace
}  // namespace banknotes
