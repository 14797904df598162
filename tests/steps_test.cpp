#include "logic/companions/steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

const ValueSet kSplitSet = {20, 10, 5, 2, 1};

// What "Изведи" lists for a sum.
std::vector<std::string> Listing(std::int64_t sum) {
  FormState form;
  form.Text3[kSum] = std::to_string(sum);
  EXPECT_EQ(dispatch(form, kListButton), Outcome::Success);
  return form.List1[kSplits].lines();
}

// Everything a window shows of a run, to compare two runs by.
std::vector<std::string> Shown(const StepRun& run) {
  std::vector<std::string> shown = {run.Said(), std::to_string(run.line().value_or(99))};
  for (const auto& part : {run.Variables(CodeLanguage::Bulgarian), run.Made(), run.Counters()})
    shown.insert(shown.end(), part.begin(), part.end());
  return shown;
}

TEST(Steps, LargestFirstPays306LineByLineAndGoesBack) {
  StepRun run(StepAlgorithm::LargestFirst, EuroValues(), 306);
  EXPECT_EQ(run.Said(), "В началото.");
  std::vector<std::string> said;
  for (int step = 0; step < 5; ++step) {
    ASSERT_TRUE(run.Step());
    said.push_back(run.Said());
  }
  EXPECT_EQ(said, (std::vector<std::string>{"ред 1: остатък = 306", "ред 2: стойност = 100",
                                            "ред 3: 100 ≤ 306: да", "ред 4: дава 100",
                                            "ред 5: остават 206"}));
  EXPECT_EQ(run.Variables(CodeLanguage::Bulgarian),
            (std::vector<std::string>{"сума = 306", "остатък = 206", "стойност = 100"}));
  EXPECT_EQ(run.Variables(CodeLanguage::Cpp),
            (std::vector<std::string>{"amount = 306", "left = 206", "value = 100"}));
  run.Back();
  run.Back();
  EXPECT_EQ(run.Said(), "ред 3: 100 ≤ 306: да");
  EXPECT_EQ(run.steps(), 3);
  run.ToEnd();
  EXPECT_TRUE(run.done());
  EXPECT_EQ(run.Said(), "ред 6: край: изплатено");
  EXPECT_EQ(run.Made(),
            (std::vector<std::string>{"3 банкноти по 100\u00a0€", "1 банкнота от 5\u00a0€",
                                      "1 монета от 1\u00a0€"}));
  EXPECT_EQ(run.Counters().back(), "Дадени: 5");
  EXPECT_FALSE(run.Step());
}

// Each algorithm's end against the program's own answers, for sums of the
// main window's and of other sets.
TEST(Steps, EachRunEndsWithTheProgramsOwnAnswer) {
  const struct {
    ValueSet values;
    std::int64_t amount;
  } rows[] = {{EuroValues(), 0}, {EuroValues(), 1},    {EuroValues(), 9999},
              {{4, 3, 1}, 6},    {{25, 10, 5, 1}, 30}, {kSplitSet, 10},
              {kSplitSet, 0},    {{5, 3}, 7},          {{30, 24, 12, 6, 3, 1}, 48}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "amount " << row.amount << ", values " << row.values.size());
    StepRun greedy(StepAlgorithm::LargestFirst, row.values, row.amount);
    greedy.ToEnd();
    const Payment paid = LargestFirst(row.values, row.amount);
    EXPECT_EQ(greedy.Counters().back(), "Дадени: " + Quantity(paid.banknotes));
    EXPECT_EQ(greedy.Said(), paid.paid ? "ред 6: край: изплатено"
                                       : "ред 6: край: не се изплащат " + Quantity(paid.left));

    const BigCount ways = CountWays(row.values, row.amount);
    // Trying every combination of 9999 would take longer than a test may.
    if (Combinations(row.values, row.amount).AtMost(10'000'000)) {
      StepRun every(StepAlgorithm::EveryCombination, row.values, row.amount);
      every.ToEnd();
      EXPECT_EQ(every.Counters()[1],
                "Опитани комбинации: " + Quantity(static_cast<std::int64_t>(
                                             Combinations(row.values, row.amount).ToDouble())));
      EXPECT_EQ(every.Counters()[2], "Попадения: " + ways.Digits());
    }

    StepRun counted(StepAlgorithm::CountingWays, row.values, row.amount);
    counted.ToEnd();
    EXPECT_EQ(counted.Made().back(),
              "начини[" + std::to_string(row.amount) + "] = " + ways.Digits());
    std::int64_t cells = 0;  // a value's loop fills the sums from it up to the amount
    for (const int value : row.values) cells += std::max<std::int64_t>(0, row.amount + 1 - value);
    EXPECT_EQ(counted.Counters()[1], "Попълнени клетки: " + Quantity(cells));
  }
}

// Trying every combination lists what "Изведи" lists, in its order and format.
TEST(Steps, TheOdometerListsAsTheListingDoes) {
  for (const std::int64_t sum : {0, 5, 10, 17, 99}) {
    SCOPED_TRACE(sum);
    StepRun run(StepAlgorithm::EveryCombination, kSplitSet, sum);
    run.ToEnd();
    EXPECT_EQ(run.Made(), Listing(sum));
  }
  StepRun ten(StepAlgorithm::EveryCombination, kSplitSet, 10);
  ten.ToEnd();
  EXPECT_EQ(ten.Counters(), (std::vector<std::string>{"Стъпки: " + Quantity(ten.steps()),
                                                      "Опитани комбинации: 396", "Попадения: 11"}));
  StepRun many(StepAlgorithm::EveryCombination, kSplitSet, 99);
  many.ToEnd();
  EXPECT_EQ(many.Counters()[1], "Опитани комбинации: 5\u00a0000\u00a0000");
  EXPECT_EQ(many.Said(), "ред 8: край: 3950 начина");
}

// Going back a step from anywhere gives the state one step fewer from the start
// gives; every line run is a line of the code.
TEST(Steps, BackIsTheStateOfOneStepFewer) {
  for (const auto algorithm : {StepAlgorithm::LargestFirst, StepAlgorithm::EveryCombination,
                               StepAlgorithm::CountingWays}) {
    SCOPED_TRACE(static_cast<int>(algorithm));
    StepRun run(algorithm, {5, 2, 1}, 8);
    std::vector<std::vector<std::string>> states = {Shown(run)};
    while (run.Step()) {
      ASSERT_LT(*run.line(), run.Code(CodeLanguage::Bulgarian).size());
      EXPECT_EQ(run.Code(CodeLanguage::Bulgarian).size(), run.Code(CodeLanguage::Cpp).size());
      states.push_back(Shown(run));
    }
    for (std::size_t back = states.size() - 1; back > 0; --back) {
      run.Back();
      EXPECT_EQ(Shown(run), states[back - 1]) << back;
    }
    run.Back();
    EXPECT_EQ(Shown(run), states.front());
    EXPECT_EQ(run.steps(), 0);
  }
}

// "Ти си алгоритъмът": each algorithm's decision, answered right and wrong.
TEST(Steps, BeTheAlgorithmChecksEachDecision) {
  const struct {
    const char* name;
    StepAlgorithm algorithm;
    ValueSet values;
    std::int64_t amount;
    const char* question;
    const char* wrong;
    const char* wrong_said;
    const char* right;
  } rows[] = {
      {"largest first", StepAlgorithm::LargestFirst, EuroValues(), 306,
       "Остатъкът е 306. Коя стойност дава алгоритъмът?", "50",
       "Не. Алгоритъмът дава 100: най-голямата стойност, която не е повече от остатъка 306.",
       "100"},
      {"every combination", StepAlgorithm::EveryCombination, kSplitSet, 10,
       "Дава ли тази комбинация сумата 10?", "да",
       "Не. 20 × 0 + 10 × 0 + 5 × 0 + 2 × 0 + 1 × 0 = 0, а не 10.", "не"},
      {"counting the ways",
       StepAlgorithm::CountingWays,
       {4, 3, 1},
       8,
       "Какво ще има в начини[4]?",
       "0",
       "Не. начини[4] + начини[0] = 0 + 1 = 1.",
       "1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    StepRun run(row.algorithm, row.values, row.amount);
    while (!run.Question()) ASSERT_TRUE(run.Step());
    EXPECT_EQ(run.Question()->question, row.question);
    const std::int64_t steps = run.steps();
    const StepVerdict wrong = run.Answer(row.wrong);
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.said, row.wrong_said);
    EXPECT_EQ(run.steps(), steps + 1);  // the algorithm goes on its own way
    run.Restart();
    while (!run.Question()) ASSERT_TRUE(run.Step());
    const StepVerdict right = run.Answer(row.right);
    EXPECT_TRUE(right.right) << right.said;
    EXPECT_EQ(right.said.rfind("Вярно! ", 0), 0u) << right.said;
    EXPECT_EQ(run.answers(), 2);
    EXPECT_EQ(run.right_answers(), 1);
  }
}

// The work grows: sums in steps of 1, 2 and 5 up to the limit, the figures the
// exploring window gives for each, times measured only where the trial is quick.
TEST(Steps, TheWorkGrowsAsTheExploringWindowCountsIt) {
  const struct {
    ValueSet values;
    std::int64_t limit;
    std::vector<std::int64_t> sums;
  } rows[] = {
      {kSplitSet, 99, {1, 2, 5, 10, 20, 50, 99}},
      {EuroValues(), 10'000, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10'000}},
      {{4, 3, 1}, 1, {1}},
      {{4, 3, 1}, 100'000, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10'000}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.limit);
    const std::vector<GrowthRow> growth = WorkGrowth(row.values, row.limit);
    std::vector<std::int64_t> sums;
    for (const GrowthRow& one : growth) {
      sums.push_back(one.sum);
      EXPECT_EQ(one.combinations, Combinations(row.values, one.sum));
      EXPECT_EQ(one.steps, CountSteps(row.values, one.sum));
      EXPECT_EQ(one.seconds.has_value(), one.combinations.AtMost(kTimedCombinations)) << one.sum;
    }
    EXPECT_EQ(sums, row.sums);
    EXPECT_EQ(WorkGrowthLines(growth).size(), growth.size());
  }
  const std::vector<std::string> lines = WorkGrowthLines(WorkGrowth(kSplitSet, 99));
  EXPECT_EQ(lines.front().rfind("Сума 1: 2 комбинации, 5 стъпки, ", 0), 0u) << lines.front();
  EXPECT_EQ(lines.back().rfind("Сума 99: 5\u00a0000\u00a0000 комбинации, 495 стъпки, ", 0), 0u)
      << lines.back();
  const std::vector<std::string> euro = WorkGrowthLines(WorkGrowth(EuroValues(), 10'000));
  EXPECT_EQ(euro.back().rfind("Сума 10\u00a0000: около ", 0), 0u) << euro.back();
  EXPECT_NE(euro.back().find(" × 10"), std::string::npos) << euro.back();
}

}  // namespace
}  // namespace banknotes
