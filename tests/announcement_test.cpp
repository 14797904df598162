#include "logic/form/announcement.h"

#include <gtest/gtest.h>

#include "logic/companions/practice.h"
#include "logic/form/dispatch.h"

namespace banknotes {
namespace {

struct ClickRow {
  const char* name;
  std::int16_t button;
  const char* amount;
  const char* sum;
  const char* said;
};

void PrintTo(const ClickRow& row, std::ostream* out) { *out << row.name; }

class ClickAnnouncements : public ::testing::TestWithParam<ClickRow> {};

TEST_P(ClickAnnouncements, SayTheOutcome) {
  const ClickRow& row = GetParam();
  FormState form;
  form.Text3 = {row.amount, "70", row.sum};  // amount, total, sum
  ASSERT_EQ(dispatch(form, row.button), Outcome::Success);
  EXPECT_EQ(ClickAnnouncement(row.button, form), row.said);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClickAnnouncements,
    ::testing::Values(ClickRow{"Enter", kEnterButton, "130", "", "Обща сума: 200."},
                      ClickRow{"EnterNothing", kEnterButton, "", "", "Обща сума: 70."},
                      ClickRow{"List10", kListButton, "", "10", "Начини на разбиване: 11."},
                      ClickRow{"ListNegative", kListButton, "", "-5", "Начини на разбиване: 0."},
                      ClickRow{"Clear", kClearButton, "5", "5", "Всичко е изчистено."},
                      ClickRow{"NoSuchButton", 7, "5", "5", ""}),
    [](const auto& info) { return info.param.name; });

TEST(PracticeAnnouncements, TheAnswersFirstLineOrANewTask) {
  PracticeState before, after;
  before.task = after.task = "Изплатете 5\u00a0€ с възможно най-малко банкноти и монети.";
  EXPECT_EQ(PracticeAnnouncement(before, after), "");
  after.answer = "Сборът е верен, но с 3 банкноти. Може и с 1.\n5: най-голямата банкнота";
  EXPECT_EQ(PracticeAnnouncement(before, after), "Сборът е верен, но с 3 банкноти. Може и с 1.");
  after.answer.clear();
  after.task = "Изплатете 6\u00a0€ с възможно най-малко банкноти и монети.";
  EXPECT_EQ(PracticeAnnouncement(before, after), after.task);
}

}  // namespace
}  // namespace banknotes
