#include "logic/companions/explore.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {

// The exploring window's state, each field with the control that holds it.
template <typename Visit>
void Fields(ExploreState& state, Visit&& visit) {
  visit("Text5", state.values);
  visit("Text8", state.till);
  visit("Option1", state.ready_set);
  visit("Text3_0", state.amount);
  visit("Text3_1", state.sum);
  visit("Label1_1", state.message);
  visit("Label1_0", state.verdict);
  visit("Text1", state.largest_first);
  visit("Text2", state.fewest);
  visit("Text6", state.always);
  visit("Text7", state.ways);
}

namespace {

// The exploring window: "Изчисли" or Enter in a box answers; a ready-made set
// chosen fills the value boxes and answers, and chosen again, after a value was
// changed, fills them again.
class ExploreWindow : public WindowLogic {
 public:
  const FormLayout& layout() const override { return kExploreForm; }

  WindowContent Fresh() const override {
    WindowContent content(kExploreForm);
    WriteState(ExploreState{}, content);
    return content;
  }

  // The main window's set, answered at once.
  Reply Open(WindowContent& content) override {
    ExploreState state = StateOf<ExploreState>(content);
    ChooseReadySet(state, 0);
    WriteState(state, content);
    return {};
  }

  Reply Act(WindowContent& content, std::string_view id, Use use) override {
    const Control* control = FindControl(kExploreForm, id);
    if (!control) return {};
    ExploreState state = StateOf<ExploreState>(content);
    if (control->kind == ControlKind::Option)
      ChooseReadySet(state, control->index);
    else if (control->kind == ControlKind::Button || use == Use::Enter)
      Explore(state);
    else
      return {};
    WriteState(state, content);
    return {.said = ExploreAnnouncement(state)};
  }
};

}  // namespace

MadeWindow MakeExploreWindow(const Settings&, std::uint32_t) {
  return {.logic = std::make_unique<ExploreWindow>(), .wrong = {}};
}

}  // namespace banknotes
