#include "logic/companions/steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "logic/companions/steps_lesson.h"
#include "logic/form/dispatch.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/ways.h"
#include "logic/windows/window_logic.h"

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

// ---- The window, by its controls' ids, as either front end drives it.

struct StepsWindowDriver {
  std::unique_ptr<WindowLogic> logic = MakeWindow("StepsForm", {}, 1).logic;
  WindowContent content = logic->Fresh();
  StepsWindowDriver() { logic->Open(content); }
  Reply Use(std::string_view id, banknotes::Use use = Use::Press) {
    return logic->Act(content, id, use);
  }
  void Type(std::string_view id, const std::string& text) {
    content[id].text = text;
    Use(id, Use::Change);
  }
  std::string Said() const { return content["Label1_0"].text; }
  const std::vector<std::string>& Made() const { return content["List1_1"].lines; }
};

TEST(StepsWindow, Steps306AndGoesBackTwiceAndToTheEnd) {
  StepsWindowDriver window;
  EXPECT_EQ(window.content["Text3_0"].text, "306");
  EXPECT_EQ(window.Said(), "В началото.");
  EXPECT_FALSE(window.content["List1_0"].chosen_line);
  for (int step = 0; step < 5; ++step) window.Use("Command1_0");
  EXPECT_EQ(window.Said(), "ред 5: остават 206");
  EXPECT_EQ(window.content["List1_0"].chosen_line, 4u);
  EXPECT_EQ(window.Made(), std::vector<std::string>{"1 банкнота от 100\u00a0€"});
  // What the run shows after two steps back is what three steps show.
  const auto run_shown = [](const WindowContent& content) {
    std::vector<ControlContent> shown;
    for (const char* id : {"List1_0", "Text4", "Text5", "List1_1", "Label1_0"})
      shown.push_back(content[id]);
    return shown;
  };
  StepsWindowDriver three;
  for (int step = 0; step < 3; ++step) three.Use("Command1_0");
  window.Use("Command1_1");
  const Reply back = window.Use("Command1_1");
  EXPECT_EQ(back.said, "ред 3: 100 ≤ 306: да");
  EXPECT_EQ(run_shown(window.content), run_shown(three.content));
  window.Use("Command1_4");
  EXPECT_EQ(window.Said(), "ред 6: край: изплатено");
  EXPECT_EQ(window.Made(),
            (std::vector<std::string>{"3 банкноти по 100\u00a0€", "1 банкнота от 5\u00a0€",
                                      "1 монета от 1\u00a0€"}));
  window.Use("Command1_5");
  EXPECT_EQ(window.Said(), "В началото.");
  EXPECT_FALSE(window.content["List1_0"].chosen_line);
}

TEST(StepsWindow, TheOdometerFor10ListsItsElevenLinesAnd99EndsAtOnce) {
  StepsWindowDriver window;
  window.content.Choose("Option1", 1);
  window.Use("Option1_1", Use::Choose);
  EXPECT_EQ(window.content["Text3_1"].text, "10");
  window.Use("Command1_4");
  EXPECT_EQ(window.Made(), Listing(10));
  EXPECT_EQ(window.Made().size(), 11u);
  EXPECT_EQ(window.Said(), "ред 8: край: 11 начина");

  window.Type("Text3_1", "99");
  EXPECT_TRUE(window.Made().empty());
  const auto start = std::chrono::steady_clock::now();
  window.Use("Command1_4");
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(window.Made(), Listing(99));
  EXPECT_NE(window.content["Text5"].text.find("Опитани комбинации: 5\u00a0000\u00a0000"),
            std::string::npos)
      << window.content["Text5"].text;
  // A measure, not a check: timings vary with the machine.
  RecordProperty("seconds_99_to_the_end", std::to_string(took.count()));
  std::printf("99 to the end: %.3f s\n", took.count());
}

TEST(StepsWindow, WhatIsWrongIsSaidAndTheRunStays) {
  const struct {
    const char* name;
    int algorithm;
    const char* box;
    const char* text;
    const char* said;
  } rows[] = {
      {"NoSum", 0, "Text3_0", "", "Напишете сума за плащане."},
      {"SumTooLarge", 2, "Text3_1", "10001",
       "Сумата за разбиване не може да е 10\u00a0001: въведете число от 1 до 10\u00a0000."},
      {"ValueTwice", 0, "Text3_2", "5, 5, 1", "Всяка стойност се пише веднъж."},
      {"NotAValue", 1, "Text3_3", "20, 1x",
       "Стойностите трябва да са цели числа от 1 до "
       "100\u00a0000, разделени със запетаи: 20, 10, 5."},
      {"TooManyCombinations", 1, "Text3_1", "9999",
       "Комбинациите за 9999 са около 5 × 10¹⁶, твърде много, за да се опитат една по една "
       "тук. Напишете по-малка сума."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    StepsWindowDriver window;
    window.content.Choose("Option1", row.algorithm);
    window.Use("Option1_" + std::to_string(row.algorithm), Use::Choose);
    window.Use("Command1_0");
    const std::vector<std::string> made = window.Made();
    const std::string variables = window.content["Text4"].text;
    window.Type(row.box, row.text);
    EXPECT_EQ(window.Said(), row.said);
    const Reply step = window.Use("Command1_0");
    EXPECT_EQ(step.said, row.said);
    EXPECT_EQ(window.content["Text4"].text, variables);
    EXPECT_EQ(window.Made(), made);
  }
}

TEST(StepsWindow, PlaysOnTicksUntilStoppedOrDone) {
  StepsWindowDriver window;
  window.content.Choose("Option3", 3);
  const Reply play = window.Use("Command1_2");
  EXPECT_EQ(play.tick_after_ms, 16);
  for (int tick = 0; tick < 3; ++tick)
    EXPECT_EQ(window.Use({}, Use::Tick).tick_after_ms, 16) << tick;
  EXPECT_EQ(window.Said(), "ред 3: 100 ≤ 306: да");
  const Reply stop = window.Use("Command1_3");
  EXPECT_EQ(stop.tick_after_ms, 0);
  EXPECT_EQ(stop.said, "Спряно. ред 3: 100 ≤ 306: да");
  // A tick that comes after the stop does nothing.
  EXPECT_EQ(window.Use({}, Use::Tick).tick_after_ms, 0);
  EXPECT_EQ(window.Said(), "ред 3: 100 ≤ 306: да");
  window.Use("Command1_2");
  Reply tick;
  int ticks = 0;
  do tick = window.Use({}, Use::Tick);
  while (tick.tick_after_ms > 0 && ++ticks < 100);
  EXPECT_EQ(tick.said, "ред 6: край: изплатено");
}

TEST(StepsWindow, ThePupilDecidesAndIsToldWhy) {
  StepsWindowDriver window;
  window.content.Choose("Option4", 1);
  window.Use("Option4_1", Use::Choose);
  EXPECT_EQ(window.content["Label6"].text, "Сега алгоритъмът не избира. Натиснете „Стъпка“.");
  for (int step = 0; step < 3; ++step) window.Use("Command1_0");
  EXPECT_EQ(window.content["Label6"].text,
            "Остатъкът е 306. Коя стойност дава алгоритъмът? (100, 50, 20, 10, 5, 2 или 1)");
  // It waits for the answer, on a step and on a run.
  EXPECT_EQ(window.Use("Command1_0").said.rfind("Първо отговорете: Остатъкът е 306.", 0), 0u);
  EXPECT_EQ(window.Use("Command1_2").tick_after_ms, 0);
  window.content["Text6"].text = "50";
  const Reply wrong = window.Use("Command2");
  EXPECT_EQ(window.content["Label7"].text,
            "Не. Алгоритъмът дава 100: най-голямата стойност, която не е повече от остатъка 306.");
  EXPECT_EQ(wrong.said.rfind("Не. ", 0), 0u);
  EXPECT_EQ(window.content["Text6"].text, "");
  for (int step = 0; step < 2; ++step) window.Use("Command1_0");
  window.content["Text6"].text = "100";
  window.Use("Text6", Use::Enter);
  EXPECT_EQ(window.content["Label7"].text.rfind("Вярно! ", 0), 0u);
  EXPECT_EQ(window.content["Label8"].text, "Верни отговори: 1 от 2");
}

TEST(StepsWindow, ShowsHowTheWorkGrowsAsAChartAndItsTable) {
  StepsWindowDriver window;
  window.content.Choose("Option1", kGrowthView);
  window.Use("Option1_3", Use::Choose);
  EXPECT_EQ(window.content["Text9"].text, "100");
  EXPECT_EQ(window.content["Label1_1"].text,
            "Показани са сумите до 100 със стойностите 20, 10, 5, 2 и 1.");
  const std::vector<GrowthRow> rows = WorkGrowth(kSplitSet, 100);
  // The times are measured anew, so the lines are compared up to them.
  const auto untimed = [](std::vector<std::string> lines) {
    for (std::string& line : lines) line = line.substr(0, line.find(" стъпки") + 13);
    return lines;
  };
  EXPECT_EQ(untimed(window.content["List1_3"].lines), untimed(WorkGrowthLines(rows)));
  EXPECT_EQ(window.content["Picture1"].picture, GrowthChart(rows));
  window.content["Text9"].text = "10000";
  window.Use("Text9", Use::Enter);
  EXPECT_EQ(window.content["List1_3"].lines.back().rfind("Сума 10\u00a0000: около ", 0), 0u);
  // Typing does not measure again; Enter or „Покажи“ does.
  window.content["Text3_3"].text = "4, 3, 1";
  EXPECT_EQ(window.Use("Text3_3", Use::Change).said, "");
  EXPECT_EQ(window.Use("Text3_3", Use::Enter).said,
            "Показани са сумите до 10\u00a0000 със стойностите 4, 3 и 1.");
  window.content["Text9"].text = "0";
  const WindowContent before = window.content;
  EXPECT_EQ(window.Use("Command3").said,
            "Най-голямата сума не може да е 0: въведете число от 1 до 10\u00a0000.");
  EXPECT_EQ(window.content["List1_3"], before["List1_3"]);
  EXPECT_EQ(window.content["Picture1"], before["Picture1"]);
}

// The chart: both series rise from left to right on logarithmic scales, each
// point where its count puts it, within the picture.
TEST(GrowthChart, PutsEachCountOnItsPowerOfTen) {
  const std::vector<GrowthRow> rows = WorkGrowth(kSplitSet, 1000);
  const Picture chart = GrowthChart(rows);
  std::vector<const Shape*> series;
  for (const Shape& shape : chart.shapes)
    if (shape.kind == Shape::Line && shape.points.size() == 2 * rows.size())
      series.push_back(&shape);
  ASSERT_EQ(series.size(), 2u);
  const Shape& tried = *series[0];
  const Shape& counted = *series[1];
  EXPECT_TRUE(counted.dashed);
  EXPECT_FALSE(tried.dashed);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_GT(tried.points[2 * i], tried.points[2 * i - 2]) << i;      // further right
    EXPECT_LE(tried.points[2 * i + 1], tried.points[2 * i - 1]) << i;  // higher or level
    EXPECT_LT(counted.points[2 * i + 1], counted.points[2 * i - 1]) << i;
  }
  // For 1 and 2 the counting takes more steps than there are combinations; by
  // 1000 trying every combination is far more work.
  EXPECT_GT(tried.points[3], counted.points[3]);
  EXPECT_LT(tried.points.back() + 100, counted.points.back());
  for (const Shape& shape : chart.shapes)
    for (std::size_t k = 0; k + 1 < shape.points.size(); k += 2) {
      EXPECT_GE(shape.points[k], 0);
      EXPECT_LE(shape.points[k], chart.width);
      EXPECT_GE(shape.points[k + 1], 0);
      EXPECT_LE(shape.points[k + 1], chart.height);
    }
  // The counts' axis is labelled at its powers of ten, the sums' at 1, 10, 100 and 1000.
  std::vector<std::string> words;
  for (const Shape& shape : chart.shapes)
    if (shape.kind == Shape::Words) words.push_back(shape.words);
  for (const char* label :
       {"1", "10", "10²", "10⁸", "100", "1000", "сума", "опитани комбинации", "стъпки на броенето"})
    EXPECT_NE(std::find(words.begin(), words.end(), label), words.end()) << label;
  EXPECT_TRUE(GrowthChart({}).shapes.empty());
  EXPECT_NE(PictureSvg(chart).find("stroke-dasharray"), std::string::npos);
  EXPECT_EQ(PictureSvg(Picture{}), "");
}

}  // namespace
}  // namespace banknotes
