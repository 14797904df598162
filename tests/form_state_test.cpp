#include "logic/form/form_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/form_helpers.h"

namespace banknotes {
namespace {

using Lines = std::vector<std::string>;

// Copies share their lines until one changes; the window relies on the change
// being seen as a rewrite and on the copy keeping what it had.
TEST(ListBoxTest, AChangeLeavesCopiesAsTheyWereAndStopsSharing) {
  struct Case {
    const char* name;
    std::function<void(ListBox&)> change;
    Lines after;
  };
  const Case cases[] = {
      {"AddItem", [](ListBox& box) { box.AddItem("c"); }, {"a", "b", "c"}},
      {"Clear", [](ListBox& box) { box.Clear(); }, {}},
      {"Assign other lines", [](ListBox& box) { box.Assign({"x"}); }, {"x"}},
      {"Assign the same lines",
       [](ListBox& box) {
         box.Assign({"a", "b"});
       },
       {"a", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListBox original;
    original.AddItem("a");
    original.AddItem("b");
    const ListBox copy = original;
    EXPECT_TRUE(copy.SharesLinesWith(original));

    c.change(original);
    EXPECT_EQ(original.lines(), c.after);
    EXPECT_EQ(copy.lines(), (Lines{"a", "b"}));
    EXPECT_FALSE(copy.SharesLinesWith(original));
  }
}

TEST(ListBoxTest, EqualByLinesNotBySharing) {
  ListBox a, b;
  a.Assign({"1", "2"});
  b.AddItem("1");
  b.AddItem("2");
  EXPECT_EQ(a, b);
  EXPECT_FALSE(a.SharesLinesWith(b));
  b.AddItem("3");
  EXPECT_NE(a, b);
  EXPECT_EQ(ListBox{}, ListBox{});
  EXPECT_TRUE(ListBox{}.lines().empty());
}

// A form copied before a click and changed by it: the copy is the form as it was.
TEST(FormStateTest, CopyIsIndependentOfTheOriginal) {
  const FormState before = test_support::BusyForm();
  FormState after = before;
  after.List1[kSplits].AddItem("new");
  after.Text3[kSum].clear();
  EXPECT_EQ(before, test_support::BusyForm());
  EXPECT_EQ(before.List1[kSplits].lines(), Lines{"old line"});
  EXPECT_NE(before, after);
}

}  // namespace
}  // namespace banknotes
