#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"
#include "tests/form_helpers.h"
#include "tests/literal_splits.h"
#include "tests/real_text.h"

namespace banknotes {
namespace {

std::vector<std::string> List(const std::string& sum) {
  FormState form;
  form.Text3[kSum] = sum;
  EXPECT_EQ(dispatch(form, kListButton), Outcome::Success) << sum;
  return form.List1[kSplits].lines();
}

TEST(ListSplits, TenGivesElevenLinesInLoopOrder) {
  const std::vector<std::string> expected = {
      "20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10",  "20*0 + 10*0 + 5*2 + 2*0 + 1*0 = 10",
      "20*0 + 10*0 + 5*0 + 2*5 + 1*0 = 10",  "20*0 + 10*0 + 5*1 + 2*2 + 1*1 = 10",
      "20*0 + 10*0 + 5*0 + 2*4 + 1*2 = 10",  "20*0 + 10*0 + 5*1 + 2*1 + 1*3 = 10",
      "20*0 + 10*0 + 5*0 + 2*3 + 1*4 = 10",  "20*0 + 10*0 + 5*1 + 2*0 + 1*5 = 10",
      "20*0 + 10*0 + 5*0 + 2*2 + 1*6 = 10",  "20*0 + 10*0 + 5*0 + 2*1 + 1*8 = 10",
      "20*0 + 10*0 + 5*0 + 2*0 + 1*10 = 10",
  };
  EXPECT_EQ(List("10"), expected);
}

TEST(ListSplits, LineCounts) {
  const struct {
    const char* sum;
    std::size_t lines;
  } cases[] = {{"1", 1},  {"2", 2},   {"5", 4},    {"20", 41}, {"99", 3950},
               {"-5", 0}, {"7.5", 0}, {"-0.4", 0}, {"0.4", 0}};
  for (const auto& c : cases) EXPECT_EQ(List(c.sum).size(), c.lines) << c.sum;
}

TEST(ListSplits, NothingToReadGivesTheZeroLine) {
  for (const char* sum : {"", "ab", " ", "0", "-0", "&H"})
    EXPECT_EQ(List(sum), std::vector<std::string>{"20*0 + 10*0 + 5*0 + 2*0 + 1*0 = 0"}) << sum;
}

TEST(ListSplits, SameLinesAsEveryCombinationTried) {
  std::vector<double> sums;
  for (int sum = -5; sum <= 120; ++sum) sums.push_back(sum);
  for (const double fraction : {0.25, 0.5, 2.5, 3.5, 7.5, 19.99, 20.5}) sums.push_back(fraction);
  for (const double sum : sums) {
    FormState form;
    form.Text3[kSum] = RealText(sum);
    ASSERT_EQ(dispatch(form, kListButton), Outcome::Success) << sum;
    EXPECT_EQ(form.List1[kSplits].lines(), reference::LiteralSplits(sum)) << sum;
  }
}

TEST(ListSplits, EmptiesThePaymentSideAndKeepsTheSum) {
  for (const char* sum : {"10", "-3", "x"}) {
    FormState form = test_support::BusyForm();
    form.Text3[kSum] = sum;
    ASSERT_EQ(dispatch(form, kListButton), Outcome::Success) << sum;
    EXPECT_EQ(form.Text2, test_support::Counts{}) << sum;
    EXPECT_EQ(test_support::Marks(form), "0000000") << sum;
    EXPECT_EQ(form.Text3[kAmount], "") << sum;
    EXPECT_EQ(form.Text3[kTotal], "") << sum;
    EXPECT_EQ(form.Text3[kSum], sum);
    for (const std::string& line : form.List1[kSplits].lines()) EXPECT_NE(line, "old line");
  }
}

TEST(ListSplits, ASumPastTheWholeRangeFailsAndChangesNothing) {
  for (const char* sum : {"3E9", "2147483647.5", "1E300"}) {
    FormState form = test_support::BusyForm();
    form.Text3[kSum] = sum;
    const FormState before = form;
    EXPECT_EQ(dispatch(form, kListButton), Outcome::Overflow) << sum;
    EXPECT_EQ(form, before) << sum;
  }
}

TEST(ListSplits, NegativeSumsPastTheRangeNeverReachTheBounds) {
  FormState form;
  form.Text3[kSum] = "-1E300";
  EXPECT_EQ(dispatch(form, kListButton), Outcome::Success);
  EXPECT_TRUE(form.List1[kSplits].lines().empty());
}

}  // namespace
}  // namespace banknotes
