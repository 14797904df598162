#include "logic/companions/worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "logic/companions/practice.h"
#include "logic/money/amount_text.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"

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
                "1. Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.",
                "2. Изплатете 899\u00a0€ с възможно най-малко банкноти и монети.",
                "3. Изплатете 337\u00a0€ с възможно най-малко банкноти и монети.",
                "4. Изплатете 422\u00a0€ с възможно най-малко банкноти и монети.",
                "5. Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1.",
                "6. Намерете всички начини да разбиете 10 на 20, 10, 5, 2 и 1.",
                "7. Платете 34 със стойностите 4, 3 и 1. Алчният алгоритъм взима всеки път "
                "най-голямата стойност, която не е повече от остатъка. Колко на брой взима "
                "той и колко е най-малкият брой?",
                "8. Колко пари има тук? С колко най-малко банкноти и монети се плаща същата сума?",
                "9. Колко пари има тук? С колко най-малко банкноти и монети се плаща същата "
                "сума?",
                "10. Стоката струва 288,88\u00a0€. Клиентът плаща с 500\u00a0€. Върнете рестото с "
                "възможно най-малко банкноти и монети.",
                "11. Изплатете 751,41\u00a0€ с възможно най-малко банкноти и монети."}));
  EXPECT_EQ(sheet.tasks[0].boxes,
            (std::vector<std::string>{"100", "50", "20", "10", "5", "2", "1"}));
  EXPECT_EQ(sheet.tasks[4].boxes, std::vector<std::string>{"Брой начини"});
  EXPECT_EQ(sheet.tasks[4].lines, 11);  // as many as 10, the largest sum of the range, has ways
  EXPECT_EQ(sheet.key_title, "Отговори – работен лист № 2026");
  EXPECT_EQ(sheet.tasks[7].boxes, (std::vector<std::string>{"Сума", "Най-малко"}));
  EXPECT_EQ(sheet.tasks[7].money, (std::vector<Heap>{{5000, 1}, {2000, 2}, {1000, 1}}));
  EXPECT_EQ(sheet.tasks[10].boxes, (std::vector<std::string>{"Банкноти", "Монети"}));
  ASSERT_EQ(sheet.answers.size(), 11u);
  // A payment with cents, by division with the coins of cents.
  EXPECT_EQ(sheet.answers[10].heading,
            "11. 751,41\u00a0€ = 7 × 100,00 + 50,00 + 1,00 + 0,20 + 0,20 + 0,01: 8 банкноти и 4 "
            "монети");
  EXPECT_EQ(
      sheet.answers[10].lines,
      (std::vector<std::string>{"751,41 : 100,00 = 7, остатък 51,41 → 7 банкноти по 100\u00a0€",
                                "51,41 : 50,00 = 1, остатък 1,41 → 1 банкнота от 50\u00a0€",
                                "1,41 : 1,00 = 1, остатък 0,41 → 1 монета от 1\u00a0€",
                                "0,41 : 0,20 = 2, остатък 0,01 → 2 монети по 20 цента",
                                "0,01 : 0,01 = 1, остатък 0,00 → 1 монета от 1 цент"}));
  EXPECT_EQ(sheet.answers[0].heading,
            "1. 306\u00a0€ = 100 + 100 + 100 + 5 + 1: 4 банкноти и 1 монета");
  EXPECT_EQ(sheet.answers[0].lines,
            (std::vector<std::string>{"306 : 100 = 3, остатък 6 → 3 банкноти по 100\u00a0€",
                                      "6 : 5 = 1, остатък 1 → 1 банкнота от 5\u00a0€",
                                      "1 : 1 = 1, остатък 0 → 1 монета от 1\u00a0€"}));
  EXPECT_EQ(sheet.answers[1].heading,
            "2. 899\u00a0€ = 8 × 100 + 50 + 20 + 20 + 5 + 2 + 2: 12 банкноти и 2 монети");
  EXPECT_EQ(sheet.answers[4].heading, "5. 5: 4 начина");
  EXPECT_EQ(sheet.answers[4].lines,
            (std::vector<std::string>{
                "20*0 + 10*0 + 5*1 + 2*0 + 1*0 = 5", "20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5",
                "20*0 + 10*0 + 5*0 + 2*1 + 1*3 = 5", "20*0 + 10*0 + 5*0 + 2*0 + 1*5 = 5"}));
  EXPECT_EQ(sheet.answers[6].heading,
            "7. 34: алчният алгоритъм 10 (8 × 4 + 1 + 1), най-малко 9 (7 × 4 + 3 + 3).");
  EXPECT_TRUE(sheet.answers[0].money.empty());
  EXPECT_EQ(sheet.answers[7].heading, "8. 100\u00a0€ = 100: 1 банкнота");
  EXPECT_EQ(sheet.tasks[9].boxes, (std::vector<std::string>{"Ресто", "Най-малко"}));
  EXPECT_EQ(sheet.answers[9].heading,
            "10. 211,12\u00a0€ = 200,00 + 10,00 + 1,00 + 0,10 + 0,02: 2 банкноти и 3 монети");
  EXPECT_EQ(sheet.answers[9].lines,
            (std::vector<std::string>{"288,88 + 0,02 = 288,90", "288,90 + 0,10 = 289,00",
                                      "289,00 + 1,00 = 290,00", "290,00 + 10,00 = 300,00",
                                      "300,00 + 200,00 = 500,00"}));
  EXPECT_EQ(sheet.answers[7].lines,
            std::vector<std::string>{"Тук има 50 + 20 + 20 + 10 = 100\u00a0€ – 4 банкноти."});
  EXPECT_EQ(sheet.answers[7].money, (std::vector<Heap>{{10000, 1}}));
  EXPECT_EQ(sheet.answers[8].lines,
            std::vector<std::string>{"Тук има 100 + 50 + 50 + 4 × 10 + 1 = "
                                     "241\u00a0€ – 7 банкноти и 1 монета."});
  EXPECT_EQ(sheet.on_screen,
            "Същите първи задачи на екрана: страницата "
            "practice.html?seed=2026&paymentRange=1&splitRange=0 или програмата: banknotes "
            "--practice --seed 2026 --payment-range 1 --split-range 0.");
}

// The sheet's first tasks are the practice's first, for the same number and
// ranges: every range pair, and the address and command that give them.
TEST(Worksheet, ItsFirstTasksAreThePracticesOfTheSameNumberAndRanges) {
  for (const std::uint32_t number : {0u, 7u, 2026u, 4294967295u})
    for (int payment_range = 0; payment_range < kPaymentRanges; ++payment_range)
      for (int split_range = 0; split_range < kSplitRanges; ++split_range) {
        SCOPED_TRACE(testing::Message() << number << " " << payment_range << " " << split_range);
        const WorksheetForm form{.number = std::to_string(number),
                                 .payment_range = payment_range,
                                 .split_range = split_range};
        const Worksheet sheet = MakeWorksheet(form).sheet;
        const auto payments = static_cast<PaymentRange>(payment_range);
        const auto splits = static_cast<SplitRange>(split_range);
        Practice practice(number, payments, splits);
        PracticeState state;
        practice.Show(state);
        EXPECT_EQ(sheet.tasks[0].text, "1. " + state.task);
        state.exercise = Exercise::Split;
        practice.Show(state);
        EXPECT_EQ(sheet.tasks[4].text, "5. " + state.task);
        EXPECT_NE(sheet.on_screen.find(PracticeAddress(number, payments, splits)),
                  std::string::npos);
        EXPECT_NE(sheet.on_screen.find(PracticeCommand(number, payments, splits)),
                  std::string::npos);
      }
  EXPECT_EQ(PracticeAddress(2026, PaymentRange::UpTo100, SplitRange::From11To20),
            "practice.html?seed=2026&paymentRange=0&splitRange=1");
  EXPECT_EQ(PracticeCommand(2026, PaymentRange::UpTo100, SplitRange::From11To20),
            "banknotes --practice --seed 2026 --payment-range 0 --split-range 1");
}

// Amounts of a kind repeat on a sheet only once every one of the range is asked.
TEST(Worksheet, TasksRepeatOnlyOnceTheirRangeIsUsedUp) {
  const auto numbers = [](const Worksheet& sheet, WorksheetTask::Kind kind) {
    std::vector<std::string> amounts;
    for (const WorksheetTask& task : sheet.tasks)
      if (task.kind == kind) amounts.push_back(task.text.substr(task.text.find(' ')));
    return amounts;
  };
  for (const char* number : {"2026", "1", "99"}) {
    const WorksheetForm form{.number = number,
                             .payments = "10",
                             .payment_range = 0,
                             .splits = "10",
                             .split_range = 0,
                             .explorations = "10",
                             .ready_set = 3};
    const Worksheet sheet = MakeWorksheet(form).sheet;
    // Sums 5 to 10 are six, amounts for 4, 3 and 1 up to 6 are six.
    for (const auto kind :
         {WorksheetTask::Payment, WorksheetTask::Split, WorksheetTask::LargestFirst}) {
      const std::vector<std::string> drawn = numbers(sheet, kind);
      ASSERT_EQ(drawn.size(), 10u);
      const std::size_t distinct = kind == WorksheetTask::Payment ? 10 : 6;
      std::vector<std::string> first(drawn.begin(), drawn.begin() + static_cast<long>(distinct));
      std::sort(first.begin(), first.end());
      EXPECT_EQ(std::unique(first.begin(), first.end()), first.end()) << number << " " << kind;
    }
  }
}

// Every answer is what the practice window's own checks call right.
TEST(Worksheet, EveryAnswerPassesThePracticesChecks) {
  WorksheetForm form;
  form.number = "31337";
  form.payments = form.splits = form.explorations = "10";
  form.counting = form.changes = form.cents = "0";
  form.payment_range = static_cast<int>(PaymentRange::UpTo10000);
  form.split_range = static_cast<int>(SplitRange::From11To20);
  const WorksheetMade made = MakeWorksheet(form);
  ASSERT_EQ(made.wrong, "");
  ASSERT_EQ(made.sheet.tasks.size(), 30u);
  for (int i = 0; i < 10; ++i) {
    const std::string& text = made.sheet.tasks[i].text;
    const std::size_t from = text.find("Изплатете ") + std::string("Изплатете ").size();
    const std::string written = text.substr(from, text.find("\u00a0€") - from);
    // The key names the amount as the task does, 10 000 with its space too.
    const std::string named = std::to_string(i + 1) + ". " + written + "\u00a0€";
    EXPECT_EQ(made.sheet.answers[i].heading.substr(0, named.size()), named) << text;
    std::string digits;
    std::copy_if(written.begin(), written.end(), std::back_inserter(digits), ::isdigit);
    const std::int32_t amount = std::stoi(digits);
    const Payment fewest = LargestFirst(EuroValues(), amount);
    BanknoteCounts counts{};
    for (std::size_t k = 0; k < kDenominations; ++k) counts[k] = static_cast<int>(fewest.counts[k]);
    EXPECT_EQ(CheckPayment(amount, counts).verdict, PaymentCheck::Fewest) << text;
    // A line a value paid with.
    EXPECT_EQ(
        made.sheet.answers[i].lines.size(),
        static_cast<std::size_t>(std::count_if(fewest.counts.begin(), fewest.counts.end(),
                                               [](std::int64_t count) { return count > 0; })));
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

// The largest amount, as the task and its key both write it.
TEST(Worksheet, TheKeyWritesTenThousandAsTheTaskDoes) {
  WorksheetForm form;
  form.number = "789905408";
  form.payments = "6";
  form.splits = form.explorations = "0";
  form.payment_range = static_cast<int>(PaymentRange::UpTo10000);
  const WorksheetMade made = MakeWorksheet(form);
  ASSERT_EQ(made.wrong, "");
  EXPECT_EQ(made.sheet.tasks[3].text,
            "4. Изплатете 10\u00a0000\u00a0€ с възможно най-малко банкноти и монети.");
  EXPECT_EQ(made.sheet.answers[3].heading, "4. 10\u00a0000\u00a0€ = 100 × 100: 100 банкноти");
}

// Each handful: four to eight of the range's notes and coins, none more than
// half the range, more than the fewest, its total new on the sheet; the key
// counts it and pays its total with the fewest, drawn as written.
TEST(Worksheet, HandfulsToCount) {
  const struct {
    PaymentRange range;
    std::int64_t largest;
  } rows[] = {{PaymentRange::UpTo100, 100},
              {PaymentRange::UpTo1000, 1000},
              {PaymentRange::UpTo10000, 10000}};
  for (const auto& row : rows)
    for (int number = 0; number < 30; ++number) {
      SCOPED_TRACE(testing::Message() << "range " << row.largest << ", sheet " << number);
      WorksheetForm form{.number = std::to_string(number),
                         .payments = "0",
                         .payment_range = static_cast<int>(row.range),
                         .splits = "0",
                         .explorations = "0",
                         .counting = "10",
                         .changes = "0",
                         .cents = "0"};
      const WorksheetMade made = MakeWorksheet(form);
      ASSERT_EQ(made.sheet.tasks.size(), 10u);
      std::set<std::int64_t> totals;
      for (std::size_t i = 0; i < 10; ++i) {
        const WorksheetTask& task = made.sheet.tasks[i];
        const WorksheetAnswer& answer = made.sheet.answers[i];
        EXPECT_EQ(task.kind, WorksheetTask::Counting);
        std::int64_t total = 0, pieces = 0;
        for (const Heap& heap : task.money) {
          EXPECT_NE(FindPiece(heap.cents), nullptr);
          EXPECT_LE(2 * heap.cents, 100 * row.largest);
          total += heap.cents / 100 * heap.count;
          pieces += heap.count;
        }
        EXPECT_GE(pieces, 4);
        EXPECT_LE(pieces, 8);
        EXPECT_LE(total, row.largest);
        EXPECT_TRUE(totals.insert(total).second) << total;
        const Payment fewest = LargestFirst(EuroValues(), total);
        EXPECT_GT(pieces, fewest.banknotes);
        EXPECT_TRUE(answer.heading.starts_with(std::to_string(i + 1) + ". " + Quantity(total) +
                                               "\u00a0€ = " + AsSum(EuroValues(), fewest) + ": "))
            << answer.heading;
        ASSERT_EQ(answer.lines.size(), 1u);
        EXPECT_TRUE(answer.lines[0].find(" = " + Quantity(total) + "\u00a0€ – ") !=
                    std::string::npos)
            << answer.lines[0];
        std::int64_t drawn = 0;
        for (const Heap& heap : answer.money) drawn += heap.cents / 100 * heap.count;
        EXPECT_EQ(drawn, total);
        EXPECT_EQ(static_cast<std::int64_t>(answer.money.size()),
                  std::count_if(fewest.counts.begin(), fewest.counts.end(),
                                [](std::int64_t count) { return count > 0; }));
      }
    }
}

// Sheet `number` of a payment range, with no task of any kind yet.
WorksheetForm NoTasks(int number, int range) {
  return {.number = std::to_string(number),
          .payments = "0",
          .payment_range = range,
          .splits = "0",
          .explorations = "0",
          .counting = "0",
          .changes = "0",
          .cents = "0"};
}

// Change tasks: a price within the range and below 500 €, paid with the smallest
// note above it or the next; the key gives the change with the fewest, which
// the shop assistant's count up reaches the note with; no task twice.
TEST(Worksheet, ChangeTasksCountUpToTheNote) {
  for (const int range : {0, 1, 2})
    for (int number = 0; number < 20; ++number) {
      SCOPED_TRACE(testing::Message() << "range " << range << ", sheet " << number);
      WorksheetForm form = NoTasks(number, range);
      form.changes = "10";
      const WorksheetMade made = MakeWorksheet(form);
      ASSERT_EQ(made.sheet.tasks.size(), 10u);
      std::set<std::string> texts;
      for (std::size_t i = 0; i < 10; ++i) {
        const std::string& text = made.sheet.tasks[i].text;
        EXPECT_TRUE(texts.insert(text.substr(text.find(' '))).second) << text;
        const std::size_t at = text.find("струва ") + std::string("струва ").size();
        const AmountRead price = ReadAmount(text.substr(at, text.find("\u00a0€", at) - at));
        ASSERT_TRUE(price.cents) << text;
        EXPECT_LE(*price.cents, std::min<Cents>(100 * kLargestAmounts[range], 50000));
        const WorksheetAnswer& answer = made.sheet.answers[i];
        ASSERT_FALSE(answer.lines.empty());
        EXPECT_TRUE(answer.lines.front().starts_with(CentsNumber(*price.cents) + " + "))
            << answer.lines.front();
        // The heading's change takes the price to the note, a line a piece
        // given back, as few as there can be.
        const std::size_t from = answer.heading.find(". ") + 2;
        const AmountRead change =
            ReadAmount(answer.heading.substr(from, answer.heading.find(" = ") - from));
        ASSERT_TRUE(change.cents) << answer.heading;
        const std::string& last = answer.lines.back();
        const AmountRead paid = ReadAmount(last.substr(last.rfind(" = ") + 3));
        ASSERT_TRUE(paid.cents) << last;
        EXPECT_EQ(*price.cents + *change.cents, *paid.cents) << answer.heading;
        EXPECT_EQ(static_cast<std::int64_t>(answer.lines.size()),
                  LargestFirst(EuroCentValues(), *change.cents).banknotes);
      }
    }
}

// Largest first's tasks teach: where it and the fewest differ, at most one
// where they agree, no amount twice; with the euro, where they always agree,
// as with the cents of the USA, every task agrees and still none repeats.
TEST(Worksheet, LargestFirstTasksAreWhereItFails) {
  const struct {
    int ready_set;
    int most_agreeing;
  } rows[] = {{3, 1}, {2, 1}, {1, kMostTasks}, {0, kMostTasks}};
  for (const auto& row : rows)
    for (int number = 1; number <= 40; ++number) {
      WorksheetForm form;
      form.number = std::to_string(number);
      form.payments = form.splits = form.counting = form.changes = form.cents = "0";
      form.explorations = "10";
      form.ready_set = row.ready_set;
      const WorksheetMade made = MakeWorksheet(form);
      ASSERT_EQ(made.sheet.tasks.size(), 10u);
      const ValueSet& values = ReadySetValues(row.ready_set);
      std::set<std::int32_t> amounts;
      int agreeing = 0;
      for (const WorksheetTask& task : made.sheet.tasks) {
        const std::int32_t amount = std::stoi(task.text.substr(task.text.find("Платете ") + 14));
        EXPECT_TRUE(amounts.insert(amount).second) << task.text;
        agreeing += LargestFirst(values, amount).banknotes == Fewest(values, amount).banknotes;
      }
      EXPECT_LE(agreeing, row.most_agreeing) << "set " << row.ready_set << ", sheet " << number;
    }
}

// Payments with cents: an amount of the range with some cents, none twice; the
// key pays it down to 0,00 with the fewest of the wallet's values.
TEST(Worksheet, PaymentsWithCentsArePaidDownToNothing) {
  for (const int range : {0, 1, 2})
    for (int number = 0; number < 20; ++number) {
      SCOPED_TRACE(testing::Message() << "range " << range << ", sheet " << number);
      WorksheetForm form = NoTasks(number, range);
      form.cents = "10";
      const WorksheetMade made = MakeWorksheet(form);
      ASSERT_EQ(made.sheet.tasks.size(), 10u);
      std::set<Cents> amounts;
      for (std::size_t i = 0; i < 10; ++i) {
        const std::string& text = made.sheet.tasks[i].text;
        const std::size_t at = text.find("Изплатете ") + std::string("Изплатете ").size();
        const AmountRead amount = ReadAmount(text.substr(at, text.find("\u00a0€", at) - at));
        ASSERT_TRUE(amount.cents) << text;
        EXPECT_TRUE(amounts.insert(*amount.cents).second) << text;
        EXPECT_NE(*amount.cents % 100, 0) << text;
        EXPECT_LT(*amount.cents, 100 * kLargestAmounts[range]) << text;
        const WorksheetAnswer& answer = made.sheet.answers[i];
        EXPECT_TRUE(answer.heading.starts_with(std::to_string(i + 1) + ". " +
                                               CentsText(*amount.cents) + " = "))
            << answer.heading;
        ASSERT_FALSE(answer.lines.empty());
        EXPECT_NE(answer.lines.back().find(", остатък 0,00 → "), std::string::npos)
            << answer.lines.back();
        EXPECT_TRUE(answer.heading.ends_with(
            PiecesInCents(WalletCents(), LargestFirst(WalletCents(), *amount.cents))))
            << answer.heading;
      }
    }
}

TEST(Worksheet, NoTaskIsSaidAndTheMostOfEachMade) {
  WorksheetForm none;
  none.payments = none.splits = none.explorations = none.counting = none.changes = none.cents = "0";
  const WorksheetMade empty = MakeWorksheet(none);
  EXPECT_EQ(empty.wrong, "Листът няма нито една задача: изберете поне една.");
  EXPECT_TRUE(empty.sheet.tasks.empty());
  EXPECT_TRUE(empty.sheet.title.empty());
  WorksheetForm one = none;
  one.splits = "1";
  EXPECT_EQ(MakeWorksheet(one).sheet.tasks.size(), 1u);
  WorksheetForm most;
  most.payments = most.splits = most.explorations = most.counting = most.changes = most.cents =
      "10";
  EXPECT_EQ(MakeWorksheet(most).sheet.tasks.size(), 60u);
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
       "Броят на задачите за алчния алгоритъм трябва да е цяло число от 0 до 10."},
      {"a payment range past the options",
       {.payment_range = 7},
       "Сумите за плащане се избират така: 0 – до 100, 1 – до 1000, 2 – до 10\u00a0000."},
      {"a split range below the options",
       {.split_range = -1},
       "Сумите за разбиване се избират така: 0 – от 5 до 10, 1 – от 11 до 20."},
      {"eleven handfuls",
       {.counting = "11"},
       "Броят на задачите „Колко пари има тук?“ трябва да е цяло число от 0 до 10."},
      {"eleven change tasks",
       {.changes = "x"},
       "Броят на задачите за ресто трябва да е цяло число от 0 до 10."},
      {"a ready-made set past the options",
       {.ready_set = 4},
       "Стойностите за плащане се избират с число от 0 до 3."},
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
