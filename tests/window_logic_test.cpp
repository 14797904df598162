#include "logic/windows/window_logic.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "logic/windows/worksheet_window.h"

namespace banknotes {
namespace {

constexpr const char* kCompanions[] = {"PracticeForm", "ExploreForm", "WorksheetForm", "StepsForm"};

TEST(SettingsOf, DecodesAnAddressAsABrowserDoes) {
  const struct {
    const char* query;
    Settings settings;
  } rows[] = {
      {"?seed=2026&paymentRange=0", {{"seed", "2026"}, {"paymentRange", "0"}}},
      {"number=%D0%BB%D0%B8%D1%81%D1%82+1", {{"number", "лист 1"}}},
      {"&&flag&=x", {{"flag", ""}, {"", "x"}}},
      {"seed=%ZZ%4", {{"seed", "%ZZ%4"}}},
      {"", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(SettingsOf(row.query), row.settings) << row.query;
}

TEST(AddressText, ComesBackFromTheAddressAsItWas) {
  for (const std::string text : {"2026", "лист № 1", "a&b=c+d", "<script>", "%41", " * - . _ "}) {
    const Settings back = SettingsOf("x=" + AddressText(text));
    ASSERT_EQ(back.size(), 1u) << text;
    EXPECT_EQ(back[0].second, text);
  }
}

// Every window opens on its table: each field its logic names has its control.
TEST(CompanionWindows, OpenOnTheirTables) {
  for (const char* name : kCompanions) {
    SCOPED_TRACE(name);
    const MadeWindow made = MakeWindow(name, {}, 7);
    ASSERT_TRUE(made.logic);
    EXPECT_EQ(made.logic->layout().name, name);
    WindowContent content = made.logic->Fresh();
    EXPECT_NO_THROW(made.logic->Open(content));
  }
  EXPECT_FALSE(MakeWindow("MainForm", {}, 7).logic);
}

TEST(WindowContent, NamesAControlItHasNot) {
  WindowContent content(kPracticeForm);
  try {
    content["Text9_0"];
    FAIL() << "no control Text9_0 was found";
  } catch (const std::out_of_range& missing) {
    EXPECT_EQ(std::string(missing.what()), "PracticeForm has no control Text9_0");
  }
  EXPECT_THROW(content.Choose("Option2", 6), std::out_of_range);
  content.Choose("Option2", 2);
  EXPECT_EQ(content.Chosen("Option2"), 2);
  EXPECT_FALSE(content["Option2_0"].mark);
  EXPECT_FALSE(content["Option2_1"].mark);
}

TEST(PracticeWindow, SettingsItCannotTakeAreSaidAndTheDefaultsStand) {
  const std::string range = WorksheetChoiceWrong(WorksheetChoice::PaymentRange);
  const std::string split = WorksheetChoiceWrong(WorksheetChoice::SplitRange);
  const struct {
    const char* name;
    const char* query;
    std::string wrong;
    int payment_range;
  } rows[] = {
      {"AllTaken", "seed=2026&paymentRange=0&splitRange=1", "", 0},
      {"NoSeed", "seed=abc",
       "„abc“ не е номер на задачи: той е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295. "
       "Задачите са случайни.",
       1},
      {"SeedPastItsRange", "seed=4294967296",
       "„4294967296“ не е номер на задачи: той е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295. "
       "Задачите са "
       "случайни.",
       1},
      {"RangeNotThere", "paymentRange=3", range, 1},
      {"RangeOfTwoDigits", "paymentRange=01", range, 1},
      {"SplitRangeNegative", "splitRange=-1", split, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const MadeWindow made = MakeWindow("PracticeForm", SettingsOf(row.query), 7);
    EXPECT_EQ(made.wrong, row.wrong);
    WindowContent content = made.logic->Fresh();
    made.logic->Open(content);
    EXPECT_EQ(content.Chosen("Option2"), row.payment_range);
  }
}

// The window's logic and the practice's own give the same tasks and answers.
TEST(PracticeWindow, WorksAsThePracticeItself) {
  const MadeWindow made = MakeWindow("PracticeForm", {{"seed", "2026"}}, 7);
  WindowContent content = made.logic->Fresh();
  made.logic->Open(content);
  Practice practice(2026);
  PracticeState state;
  practice.Show(state);
  EXPECT_EQ(content["Label1_0"].text, state.task);
  EXPECT_EQ(made.logic->Heading(content), state.task);

  content["Text2_0"].text = state.counts[0] = "3";
  const Reply reply = made.logic->Act(content, "Text2_0", Use::Enter);
  const PracticeState before = state;
  practice.Click(state, kCheckButton);
  EXPECT_EQ(content["Text1"].text, state.answer);
  EXPECT_EQ(content["Label1_1"].text, state.tally);
  EXPECT_EQ(reply.said, PracticeAnnouncement(before, state));

  // A range chosen again sets no new task; another one does.
  const std::string task = content["Label1_0"].text;
  EXPECT_EQ(made.logic->Act(content, "Option2_1", Use::ChooseAgain).said, "");
  EXPECT_EQ(content["Label1_0"].text, task);
  content.Choose("Option2", 0);
  made.logic->Act(content, "Option2_0", Use::Choose);
  EXPECT_NE(content["Label1_0"].text, task);

  const Reply asked = made.logic->Act(content, "Command1_3", Use::Press);
  EXPECT_EQ(asked.asks, Asks::Worksheet);
  EXPECT_EQ(asked.number, 2026u);
}

TEST(WorksheetWindow, TakesItsAddressAndGivesItBack) {
  const struct {
    const char* name;
    const char* query;
    std::string wrong;
  } rows[] = {
      {"AllTaken",
       "number=7&payments=2&paymentRange=2&splits=0&splitRange=1&explorations=3&readySet=0&"
       "counting=5&change=0&cents=3",
       ""},
      {"CountPastItsBox", "payments=99999999", WorksheetChoiceWrong(WorksheetChoice::Payments)},
      {"HandfulsPastTheirBox", "counting=100", WorksheetChoiceWrong(WorksheetChoice::Counting)},
      {"NumberPastItsBox", "number=12345678901", WorksheetChoiceWrong(WorksheetChoice::Number)},
      {"OptionNotThere", "paymentRange=7&readySet=-1",
       WorksheetChoiceWrong(WorksheetChoice::PaymentRange)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const MadeWindow made = MakeWindow("WorksheetForm", SettingsOf(row.query), 7);
    WindowContent content = made.logic->Fresh();
    EXPECT_EQ(made.logic->Open(content).said, row.wrong);
    EXPECT_EQ(content["Label1_4"].text, row.wrong);
    if (!row.wrong.empty()) continue;
    EXPECT_EQ(made.logic->Address(content), row.query);
  }
}

TEST(WorksheetWindow, AsksToPrintOnlyASheetItCanMake) {
  const MadeWindow made = MakeWindow("WorksheetForm", {}, 7);
  WindowContent content = made.logic->Fresh();
  made.logic->Open(content);
  EXPECT_EQ(made.logic->Act(content, "Command1_2", Use::Press).asks, Asks::Print);
  EXPECT_EQ(made.logic->Act(content, "Command1_1", Use::Press).asks, Asks::SavePdf);
  content["Text1_1"].text = "11";
  const Reply refused = made.logic->Act(content, "Command1_0", Use::Press);
  EXPECT_EQ(refused.asks, Asks::Nothing);
  EXPECT_EQ(refused.said, WorksheetChoiceWrong(WorksheetChoice::Payments));
  EXPECT_EQ(SheetOf(content).wrong, refused.said);
  made.logic->Done(content, Asks::SavePdf, false, "лист.pdf");
  EXPECT_EQ(content["Label1_4"].text, "Файлът „лист.pdf“ не можа да се запише.");
}

}  // namespace
}  // namespace banknotes
