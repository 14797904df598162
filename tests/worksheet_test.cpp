#include "logic/worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/explore.h"

namespace banknotes {
namespace {

std::vector<std::string> Texts(const Worksheet& sheet) {
  std::vector<std::string> texts;
  for (const WorksheetTask& task : sheet.tasks) texts.push_back(task.text);
  return texts;
}

// Sheet № 2026 with the default choices, the same on libstdc++ and libc++ (this
// test runs under both).
TEST(Worksheet, TheDefaultSheetOf2026) {
  const WorksheetMade made = MakeWorksheet({});
  ASSERT_EQ(made.wrong, "");
  const Worksheet& sheet = made.sheet;
  EXPECT_EQ(sheet.title, "Работен лист № 2026");
  EXPECT_EQ(sheet.blanks, (std::vector<std::string>{"Име:", "Клас:", "Дата:"}));
  EXPECT_EQ(Texts(sheet),
            (std::vector<std::string>{
                "1. Изплатете 306 с възможно най-малко банкноти.",
                "2. Изплатете 899 с възможно най-малко банкноти.",
                "3. Изплатете 337 с възможно най-малко банкноти.",
                "4. Изплатете 422 с възможно най-малко банкноти.",
                "5. Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1.",
                "6. Намерете всички начини да разбиете 10 на 20, 10, 5, 2 и 1.",
                "7. Платете 4 със стойностите 4, 3 и 1. Колко банкноти дават най-големите първо и "
                "колко е най-малкият брой?"}));
  EXPECT_EQ(sheet.tasks[0].boxes,
            (std::vector<std::string>{"100", "50", "20", "10", "5", "2", "1"}));
  EXPECT_EQ(sheet.tasks[4].boxes, std::vector<std::string>{"Брой начини"});
  EXPECT_EQ(sheet.tasks[4].lines, 11);  // as many as 10, the largest sum of the range, has ways
  EXPECT_EQ(sheet.key_title, "Отговори — работен лист № 2026");
  ASSERT_EQ(sheet.answers.size(), 7u);
  EXPECT_EQ(sheet.answers[0].heading, "1. 306 = 100 + 100 + 100 + 5 + 1: 5 банкноти");
  EXPECT_EQ(sheet.answers[0].lines.front(),
            "306: най-голямата банкнота, която се побира, е 100; остават 206.");
  EXPECT_EQ(sheet.answers[1].heading, "2. 899 = 8 × 100 + 50 + 20 + 20 + 5 + 2 + 2: 14 банкноти");
  EXPECT_EQ(sheet.answers[4].heading, "5. 5: 4 начина");
  EXPECT_EQ(sheet.answers[4].lines,
            (std::vector<std::string>{
                "20*0 + 10*0 + 5*1 + 2*0 + 1*0 = 5", "20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5",
                "20*0 + 10*0 + 5*0 + 2*1 + 1*3 = 5", "20*0 + 10*0 + 5*0 + 2*0 + 1*5 = 5"}));
  EXPECT_EQ(sheet.answers[6].heading, "7. 4: най-големите първо 1 (4), най-малко 1 (4).");
}

// The sheet's first tasks are the practice's first, for the same number.
TEST(Worksheet, ItsFirstTasksAreThePracticesOfTheSameNumber) {
  for (const std::uint32_t number : {0u, 7u, 2026u, 4294967295u}) {
    WorksheetForm form;
    form.number = std::to_string(number);
    const Worksheet sheet = MakeWorksheet(form).sheet;
    Practice practice(number);
    PracticeState state;
    practice.Show(state);
    EXPECT_EQ(sheet.tasks[0].text, "1. " + state.task) << number;
    state.exercise = Exercise::Split;
    practice.Show(state);
    EXPECT_EQ(sheet.tasks[4].text, "5. " + state.task) << number;
  }
}

// Every answer is what the practice window's own checks call right.
TEST(Worksheet, EveryAnswerPassesThePracticesChecks) {
  WorksheetForm form;
  form.number = "31337";
  form.payments = form.splits = form.explorations = "10";
  form.payment_range = static_cast<int>(PaymentRange::UpTo10000);
  form.split_range = static_cast<int>(SplitRange::From11To20);
  const WorksheetMade made = MakeWorksheet(form);
  ASSERT_EQ(made.wrong, "");
  ASSERT_EQ(made.sheet.tasks.size(), 30u);
  for (int i = 0; i < 10; ++i) {
    const std::string& text = made.sheet.tasks[i].text;
    const std::int32_t amount =
        std::stoi(text.substr(text.find("Изплатете ") + std::string("Изплатете ").size()));
    const Payment fewest = LargestFirst(EuroValues(), amount);
    BanknoteCounts counts{};
    for (std::size_t k = 0; k < kDenominations; ++k) counts[k] = static_cast<int>(fewest.counts[k]);
    EXPECT_EQ(CheckPayment(amount, counts).verdict, PaymentCheck::Fewest) << text;
    EXPECT_EQ(made.sheet.answers[i].lines.size(), static_cast<std::size_t>(fewest.banknotes));
  }
  for (int i = 10; i < 20; ++i) {
    const std::string& text = made.sheet.tasks[i].text;
    const std::int32_t sum =
        std::stoi(text.substr(text.find("разбиете ") + std::string("разбиете ").size()));
    EXPECT_GE(sum, 11);
    EXPECT_LE(sum, 20);
    EXPECT_EQ(made.sheet.tasks[i].lines, 41);  // the ways of 20
    EXPECT_EQ(made.sheet.answers[i].lines.size(), SplitHunt(sum).ways()) << text;
  }
}

TEST(Worksheet, NoTasksOfAKindAndTheMostOfEach) {
  WorksheetForm none;
  none.payments = none.splits = none.explorations = "0";
  const WorksheetMade empty = MakeWorksheet(none);
  EXPECT_EQ(empty.wrong, "");
  EXPECT_TRUE(empty.sheet.tasks.empty());
  EXPECT_TRUE(empty.sheet.answers.empty());
  EXPECT_EQ(empty.sheet.title, "Работен лист № 2026");
  WorksheetForm most;
  most.payments = most.splits = most.explorations = "10";
  EXPECT_EQ(MakeWorksheet(most).sheet.tasks.size(), 30u);
}

TEST(Worksheet, ChoicesOutOfRangeMakeNoSheet) {
  const struct {
    const char* name;
    WorksheetForm form;
    const char* wrong;
  } rows[] = {
      {"no number",
       {.number = ""},
       "Номерът на листа трябва да е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295."},
      {"a number past 32 bits",
       {.number = "4294967296"},
       "Номерът на листа трябва да е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295."},
      {"eleven payments",
       {.payments = "11"},
       "Броят на задачите за плащане трябва да е цяло число от 0 до 10."},
      {"splits not a number",
       {.splits = "x"},
       "Броят на задачите за разбиване трябва да е цяло число от 0 до 10."},
      {"no count of largest first",
       {.explorations = ""},
       "Броят на задачите за най-големите първо трябва да е цяло число от 0 до 10."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const WorksheetMade made = MakeWorksheet(row.form);
    EXPECT_EQ(made.wrong, row.wrong);
    EXPECT_TRUE(made.sheet.tasks.empty());
    EXPECT_TRUE(made.sheet.title.empty());
  }
}

}  // namespace
}  // namespace banknotes
