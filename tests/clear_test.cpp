#include <gtest/gtest.h>

#include "logic/form/dispatch.h"
#include "tests/form_helpers.h"

namespace banknotes {
namespace {

TEST(ClearAll, EmptyFormStaysEmpty) {
  FormState form;
  EXPECT_EQ(dispatch(form, kClearButton), Outcome::Success);
  EXPECT_EQ(form, FormState{});
}

TEST(ClearAll, AfterPaymentsAndAListingEverythingStartsAgain) {
  FormState form;
  form.Text3[kAmount] = "130";
  ASSERT_EQ(dispatch(form, kEnterButton), Outcome::Success);
  form.Text3[kSum] = "20";
  ASSERT_EQ(dispatch(form, kListButton), Outcome::Success);
  form.Text3[kAmount] = "75";
  ASSERT_EQ(dispatch(form, kEnterButton), Outcome::Success);
  form.Check1[6].Value = 1;  // toggled by the user
  ASSERT_FALSE(form.List1[kSplits].lines().empty());

  EXPECT_EQ(dispatch(form, kClearButton), Outcome::Success);
  EXPECT_EQ(form, FormState{});

  form.Text3[kAmount] = "75";
  ASSERT_EQ(dispatch(form, kEnterButton), Outcome::Success);
  EXPECT_EQ(form.Text3[kTotal], "75");
  EXPECT_EQ(form.Text2, (test_support::Counts{"", "1", "1", "", "1", "", ""}));
}

TEST(ClearAll, KeepsCaptions) {
  FormState form = test_support::BusyForm();
  form.Check1[0].Caption = "200";
  ASSERT_EQ(dispatch(form, kClearButton), Outcome::Success);
  EXPECT_EQ(form.Check1[0].Caption, "200");
  EXPECT_EQ(form.Check1[0].Value, 0);
  EXPECT_EQ(form.Text3[kSum], "");
}

}  // namespace
}  // namespace banknotes
