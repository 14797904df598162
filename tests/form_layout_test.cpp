#include "logic/windows/form_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "logic/form/form_state.h"
#include "tests/tab_order.h"

namespace banknotes {
namespace {

class FormLayouts : public ::testing::TestWithParam<const FormLayout*> {};

}  // namespace

// A window by its name, not its address, which changes from run to run.
void PrintTo(const FormLayout* layout, std::ostream* out) { *out << layout->name; }

namespace {

// Every control is named once, stands inside its container, and what takes the
// focus has a name for screen readers and a tab index of its own.
TEST_P(FormLayouts, ControlsAreWhole) {
  const FormLayout& layout = *GetParam();
  std::set<std::string> ids;
  std::set<int> tab_indexes;
  for (const Control& control : layout.controls) {
    const std::string id = ControlId(control);
    SCOPED_TRACE(id);
    EXPECT_TRUE(ids.insert(id).second) << "named twice";
    EXPECT_TRUE(tab_indexes.insert(control.tab_index).second) << "tab index " << control.tab_index;
    EXPECT_TRUE(!TakesFocus(control.kind) || !control.accessible_name.empty()) << "has no name";
    EXPECT_TRUE(control.kind != ControlKind::Button || !control.description.empty());

    Twips area = layout.client_area;
    if (!control.container.empty()) {
      const Control* container = FindControl(layout, control.container);
      ASSERT_NE(container, nullptr);
      EXPECT_EQ(container->kind, ControlKind::Frame);
      area = {0, 0, container->place.width, container->place.height};
    }
    EXPECT_GE(control.place.left, area.left);
    EXPECT_GE(control.place.top, area.top);
    EXPECT_LE(control.place.left + control.place.width, area.left + area.width);
    EXPECT_LE(control.place.top + control.place.height, area.top + area.height);

    EXPECT_EQ(ShownWith(control).empty(), control.shown_with.empty()) << control.shown_with;
    for (const std::string_view shown_with : ShownWith(control)) {
      const Control* option = FindControl(layout, shown_with);
      ASSERT_NE(option, nullptr) << shown_with;
      EXPECT_EQ(option->kind, ControlKind::Option);
    }
    EXPECT_TRUE(!control.digits || control.limit > 0);

    if (!control.labels.empty()) {
      EXPECT_EQ(control.kind, ControlKind::Label);
      const Control* box = FindControl(layout, control.labels);
      ASSERT_NE(box, nullptr) << control.labels;
      EXPECT_TRUE(TakesFocus(box->kind));
    }

    // Only money is dragged, onto a control of the window.
    if (!control.drops_on.empty()) {
      EXPECT_TRUE(control.drawn) << ControlId(control);
      EXPECT_NE(FindControl(layout, control.drops_on), nullptr) << control.drops_on;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormLayouts,
                         ::testing::Values(&kMainForm, &kPracticeForm, &kExploreForm,
                                           &kWorksheetForm, &kStepsForm),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(MainFormLayout, FocusTakesTheWindowsTabOrder) {
  std::vector<const Control*> focusable;
  for (const Control& control : kMainForm.controls)
    if (TakesFocus(control.kind)) focusable.push_back(&control);
  std::sort(focusable.begin(), focusable.end(),
            [](const Control* a, const Control* b) { return a->tab_index < b->tab_index; });
  std::vector<std::string> order;
  for (const Control* control : focusable) order.push_back(ControlId(*control));
  EXPECT_EQ(order,
            std::vector<std::string>(std::begin(kMainFormTabOrder), std::end(kMainFormTabOrder)));
}

// The marks' captions are the denominations a payment reads.
TEST(MainFormLayout, MarksCarryTheFormsDenominations) {
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const Control* mark = FindControl(kMainForm, "Check1_" + std::to_string(k));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->text, kDenominationCaptions[k]);
  }
}

}  // namespace
}  // namespace banknotes
