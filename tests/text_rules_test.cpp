// Every text of ours the logic makes, read by the rules of how we write
// Bulgarian (tests/text_rules.h). The main window's own captions and its
// description box are the original program's and are not ours to mend.
#include "tests/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/companions/explore.h"
#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "logic/form/outcome.h"
#include "logic/money/amount_text.h"
#include "logic/money/change.h"
#include "logic/money/duration_text.h"
#include "logic/money/till.h"
#include "logic/money/values.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {
namespace {

TEST(TextRules, CatchWhatTheyAreFor) {
  const struct {
    const char* text;
    bool broken;
  } rows[] = {{"Банкноти - Упражнение", true},
              {"Банкноти – Упражнение", false},
              {"до 10000", true},
              {"до 10\u00a0000", false},
              {"до 1000", false},
              {"1 банкноти", true},
              {"21 банкноти", false},
              {"11 начина", false},
              {"1 начин", false},
              {"Cтойност", true},
              {"\"Изведи\"", true},
              {"„Изведи“", false},
              {"practice.html?seed=2026", false},
              {"11\u00a0001 начина", false},
              {"около 2,1 дни", false},  // a decimal takes the plural
              {"около 1 дни", true},
              {"„99999999999“ не е номер", false},
              {"Лицензи — Банкноти", true}};
  for (const auto& row : rows) EXPECT_EQ(!Broken(row.text).empty(), row.broken) << row.text;
}

// What the windows' tables say: captions, names and descriptions.
std::vector<std::string> TableTexts() {
  std::vector<std::string> texts;
  for (const FormLayout* layout :
       {&kMainForm, &kPracticeForm, &kExploreForm, &kWorksheetForm, &kStepsForm})
    for (const Control& control : layout->controls) {
      if (layout != &kMainForm) texts.emplace_back(control.text);
      texts.emplace_back(control.accessible_name);
      texts.emplace_back(control.description);
    }
  return texts;
}

// What the companions answer to a pupil's and a teacher's tries.
std::vector<std::string> AnsweredTexts() {
  std::vector<std::string> texts;
  const auto add = [&](const std::string& text) { texts.push_back(text); };
  // Practice: each exercise, each button, answers wrong, right and not fewest.
  for (const std::uint32_t seed : {1u, 2026u, 99u}) {
    Practice practice(seed, PaymentRange::UpTo10000, SplitRange::From11To20);
    PracticeState state;
    practice.Show(state);
    add(state.task);
    for (const char* count : {"", "1", "99", "100"}) {
      for (std::string& box : state.counts) box = count;
      practice.Click(state, kCheckButton);
      add(state.answer);
      add(state.tally);
      for (const int button : {kHintButton, kNextLevelButton}) {
        practice.Click(state, button);
        add(state.answer);
      }
    }
    state.exercise = Exercise::Split;
    for (const char* sum : {"1", "2", "11", "99"}) {
      state.sum = sum;
      practice.Click(state, kShowAllButton);
      add(state.answer);
      add(state.task);
      state.way = {"0", "0", "0", "0", sum};
      practice.Click(state, kCheckButton);
      add(state.answer);
    }
  }
  // Exploring: every ready set, amounts and sums to its edges, and wrong input;
  // with a till of one of each value too, and a count that is wrong.
  for (int set = 0; set < static_cast<int>(kReadySets); ++set)
    for (const char* amount : {"1", "6", "48", "9999", "10000", "10001", "0", "x"})
      for (const char* count : {"", "1", "1000"}) {
        ExploreState state;
        ChooseReadySet(state, set);
        for (std::size_t i = 0; i < kMaxValues; ++i)
          if (!state.values[i].empty()) state.till[i] = count;
        state.amount = amount;
        state.sum = amount;
        Explore(state);
        for (const std::string& text : {state.message, state.verdict, state.largest_first,
                                        state.fewest, state.always, state.ways})
          add(text);
      }
  // Worksheets: the most of every task, every choice wrong.
  for (int set = 0; set < static_cast<int>(kReadySets); ++set) {
    WorksheetForm form;
    form.payments = form.splits = form.explorations = form.counting = form.changes = "10";
    form.ready_set = set;
    form.payment_range = static_cast<int>(PaymentRange::UpTo10000);
    const Worksheet sheet = MakeWorksheet(form).sheet;
    add(sheet.title);
    add(sheet.key_title);
    add(sheet.on_screen);
    for (const WorksheetTask& task : sheet.tasks) {
      add(task.text);
      for (const std::string& box : task.boxes) add(box);
    }
    for (const WorksheetAnswer& answer : sheet.answers) {
      add(answer.heading);
      for (const std::string& line : answer.lines) add(line);
    }
  }
  for (std::size_t i = 0; i < kWorksheetChoices; ++i)
    add(WorksheetChoiceWrong(static_cast<WorksheetChoice>(i)));
  for (const char* query : {"seed=abc", "seed=99999999999", "paymentRange=9", "splitRange=x"})
    add(MakeWindow("PracticeForm", SettingsOf(query), 7).wrong);
  for (const double seconds : {0.0004, 1.0, 3576.0, 86399.0, 1e9, 1e20}) add(DurationText(seconds));
  // Money in cents, change and the till.
  for (const char* typed : {"", "12,345", "-3", "1e3", "1000000,01"}) add(ReadAmount(typed).wrong);
  for (const ChangeTask task :
       {ChangeTask{735, 2000}, ChangeTask{1, 50000}, ChangeTask{49999, 50000}}) {
    add(ChangeTaskText(task));
    for (const std::string& line : CountingUp(task)) add(line);
  }
  for (const TillCounts& till : {TillCounts{1, 3}, TillCounts{std::nullopt, 0}}) {
    const ValueSet values = {50, 20};
    if (const auto failure = SmallestTillFailure(values, till, 1000))
      add(TillFailureText(values, till, *failure));
    add(TillNamed(values, till));
  }
  // What a platform's print or save is answered with, done or not.
  auto sheet = MakeWindow("WorksheetForm", {}, 7).logic;
  WindowContent content = sheet->Fresh();
  for (const Asks asks : {Asks::Print, Asks::SavePdf})
    for (const bool done : {true, false}) add(sheet->Done(content, asks, done, "лист 7.pdf").said);
  for (const Outcome outcome : {Outcome::Overflow, Outcome::DivisionByZero})
    add(std::string(FailureText(outcome)));
  add(std::string(kUnexpectedFailureText));
  // Step by step: every button and view, the pupil's answers, wrong input.
  {
    MadeWindow steps = MakeWindow("StepsForm", {}, 1);
    WindowContent content = steps.logic->Fresh();
    steps.logic->Open(content);
    const auto act = [&](std::string_view id, Use use = Use::Press) {
      add(steps.logic->Act(content, id, use).said);
      for (const char* shown :
           {"Label1_0", "Text4", "Text5", "Label6", "Label7", "Label8", "Label1_1"})
        add(content[shown].text);
      for (const char* lines : {"List1_0", "List1_1", "List1_3"})
        for (const std::string& line : content[lines].lines) add(line);
    };
    for (int view = 0; view < 4; ++view) {
      content.Choose("Option1", view);
      act("Option1_" + std::to_string(view), Use::Choose);
      content.Choose("Option4", 1);
      act("Option4_1", Use::Choose);
      for (const char* button : {"Command1_0", "Command1_0", "Command1_0", "Command1_2",
                                 "Command1_3", "Command1_1", "Command1_4"})
        act(button);
      content["Text6"].text = "1";
      act("Command2");
      act("Command1_5");
    }
    for (const char* wrong : {"", "0", "5, 5", "x", "1000000"}) {
      content["Text3_3"].text = wrong;
      content["Text9"].text = wrong;
      act("Command3");
    }
  }
  return texts;
}

TEST(TextRules, HoldForEveryTextOfOurs) {
  std::vector<std::string> texts = TableTexts();
  const std::vector<std::string> answered = AnsweredTexts();
  texts.insert(texts.end(), answered.begin(), answered.end());
  std::size_t read = 0;
  for (const std::string& text : texts) {
    if (text.empty()) continue;
    ++read;
    const std::string broken = Broken(text);
    EXPECT_EQ(broken, "") << text;
  }
  EXPECT_GT(read, 500u);
}

}  // namespace
}  // namespace banknotes
