#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "tests/form_helpers.h"

namespace banknotes {
namespace {

using test_support::Counts;
using test_support::Marks;

Outcome Pay(FormState& form, const std::string& amount) {
  form.Text3[kAmount] = amount;
  return dispatch(form, kEnterButton);
}

struct PaymentCase {
  const char* name;
  std::vector<std::string> amounts;
  const char* marks;
  Counts counts;
  const char* total;
};

TEST(EnterPayment, PaysWithTheFewestBanknotesAndAccumulates) {
  const PaymentCase cases[] = {
      {"130", {"130"}, "1011000", {"1", "", "1", "1", "", "", ""}, "130"},
      {"130 then 75", {"130", "75"}, "0110100", {"1", "1", "2", "1", "1", "", ""}, "205"},
      {"9999", {"9999"}, "1110110", {"99", "1", "2", "", "1", "2", ""}, "9999"},
      {"empty from the start", {""}, "0000000", {}, "0"},
      {"empty after 130", {"130", ""}, "0000000", {"1", "", "1", "1", "", "", ""}, "130"},
      {"negative", {"-5"}, "0000000", {}, "-5"},
      {"1.5 rounds to 2 before dividing", {"1.5"}, "0000001", {"", "", "", "", "", "", "2"}, "2"},
      {"2.5 rounds to 2", {"2.5"}, "0000010", {"", "", "", "", "", "1", ""}, "2"},
      {"hexadecimal", {"&HFF"}, "1100100", {"2", "1", "", "", "1", "", ""}, "255"},
      {"blank between digits", {"1 2"}, "0001010", {"", "", "", "1", "", "1", ""}, "12"},
      {"not a number", {"abc"}, "0000000", {}, "0"},
      {"all seven", {"188"}, "1111111", {"1", "1", "1", "1", "1", "1", "1"}, "188"},
  };
  for (const PaymentCase& c : cases) {
    FormState form;
    for (const std::string& amount : c.amounts)
      ASSERT_EQ(Pay(form, amount), Outcome::Success) << c.name;
    EXPECT_EQ(Marks(form), c.marks) << c.name;
    EXPECT_EQ(form.Text2, c.counts) << c.name;
    EXPECT_EQ(form.Text3[kTotal], c.total) << c.name;
    EXPECT_EQ(form.Text3[kAmount], "") << c.name;
  }
}

TEST(EnterPayment, OverwritesMarksTheUserToggled) {
  FormState form;
  for (CheckBox& box : form.Check1) box.Value = 1;
  ASSERT_EQ(Pay(form, "130"), Outcome::Success);
  EXPECT_EQ(Marks(form), "1011000");
}

TEST(EnterPayment, KeepsTheSumAndTheList) {
  FormState form = test_support::BusyForm();
  ASSERT_EQ(Pay(form, "5"), Outcome::Success);
  EXPECT_EQ(form.Text3[kSum], "10");
  EXPECT_EQ(form.List1[kSplits].lines(), std::vector<std::string>{"old line"});
  EXPECT_EQ(form.Text3[kTotal], "1005");
}

struct FailureCase {
  const char* name;
  std::function<void(FormState&)> prepare;
  const char* amount;
  Outcome outcome;
};

TEST(EnterPayment, AFailureChangesNothing) {
  const FailureCase cases[] = {
      {"count of 50 at its limit", [](FormState& f) { f.Text2[1] = "32767"; }, "150",
       Outcome::Overflow},
      {"total at its limit", [](FormState& f) { f.Text3[kTotal] = "2147483647"; }, "1",
       Outcome::Overflow},
      {"total below its limit", [](FormState& f) { f.Text3[kTotal] = "-2147483648"; }, "-1",
       Outcome::Overflow},
      {"stored total unreadable as 32 bits", [](FormState& f) { f.Text3[kTotal] = "3E9"; }, "1",
       Outcome::Overflow},
      {"1E9 fits the total, not the count", [](FormState&) {}, "1E9", Outcome::Overflow},
      {"amount too large for a double", [](FormState&) {}, "1E400", Outcome::Overflow},
      {"unused count past 16 bits", [](FormState& f) { f.Text2[6] = "99999"; }, "100",
       Outcome::Overflow},
      {"caption reads as zero", [](FormState& f) { f.Check1[3].Caption = "zero"; }, "15",
       Outcome::DivisionByZero},
  };
  for (const FailureCase& c : cases) {
    FormState form = test_support::BusyForm();
    form.Check1[2].Value = 0;  // a mix of marks, so a reset would show
    c.prepare(form);
    form.Text3[kAmount] = c.amount;
    const FormState before = form;
    EXPECT_EQ(dispatch(form, kEnterButton), c.outcome) << c.name;
    EXPECT_EQ(form, before) << c.name;
  }
}

TEST(EnterPayment, The331stEntryOf9999Overflows) {
  FormState form;
  for (int entry = 1; entry <= 330; ++entry)
    ASSERT_EQ(Pay(form, "9999"), Outcome::Success) << entry;
  EXPECT_EQ(form.Text2[0], "32670");
  EXPECT_EQ(form.Text3[kTotal], "3299670");

  form.Text3[kAmount] = "9999";
  const FormState before = form;
  EXPECT_EQ(dispatch(form, kEnterButton), Outcome::Overflow);
  EXPECT_EQ(form, before);
  EXPECT_EQ(form.Text3[kAmount], "9999");
}

TEST(Dispatch, UnknownIndexesChangeNothing) {
  for (const std::int16_t index : {-32768, -1, 3, 4, 32767}) {
    FormState form = test_support::BusyForm();
    const FormState before = form;
    EXPECT_EQ(dispatch(form, index), Outcome::Success) << index;
    EXPECT_EQ(form, before) << index;
  }
}

}  // namespace
}  // namespace banknotes
