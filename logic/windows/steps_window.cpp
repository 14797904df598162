#include "logic/companions/steps_lesson.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {

// The window "Стъпка по стъпка"'s state, each field with the control that holds it.
template <typename Visit>
void Fields(StepsState& state, Visit&& visit) {
  visit("Option1", state.view);
  visit("Text3_0", state.amount);
  visit("Text3_1", state.sum);
  visit("Text3_2", state.payment_values);
  visit("Text3_3", state.split_values);
  visit("Option2", state.language);
  visit("Option3", state.speed);
  visit("Option4", state.pupil_decides);
  visit("List1_0", state.code);
  visit("List1_0", state.line);
  visit("Text4", state.variables);
  visit("Text5", state.counters);
  visit("List1_1", state.made);
  visit("Label1_0", state.message);
  visit("Label6", state.question);
  visit("Text6", state.answer);
  visit("Label7", state.verdict);
  visit("Label8", state.tally);
  visit("Text9", state.limit);
  visit("Picture1", state.chart);
  visit("List1_3", state.figures);
  visit("Label1_1", state.growth_message);
}

namespace {

// What each control does: a button by its index, a box by what it feeds.
StepsAction ActionOf(const Control& control) {
  static constexpr StepsAction kButtons[] = {StepsAction::Step,  StepsAction::Back,
                                             StepsAction::Play,  StepsAction::Stop,
                                             StepsAction::ToEnd, StepsAction::Restart};
  const std::string_view name = control.name;
  if (name == "Command1") return kButtons[control.index];
  if (name == "Command2" || name == "Text6") return StepsAction::Answer;
  if (name == "Command3" || name == "Text9") return StepsAction::Growth;
  if (name == "Option4") return StepsAction::Decide;
  if (name == "Option2" || name == "Option3") return StepsAction::Redraw;
  return StepsAction::Input;
}

// The window "Стъпка по стъпка": a button runs, a box or an option of the
// algorithm starts its run again, Enter in the answer answers, and "Пусни"
// asks for a tick at the chosen speed until the run ends or is stopped.
class StepsWindow : public WindowLogic {
 public:
  const FormLayout& layout() const override { return kStepsForm; }

  // The table's boxes as they are, and "4 стъпки в секунда".
  WindowContent Fresh() const override {
    WindowContent content(kStepsForm);
    content.Choose("Option3", 1);
    return content;
  }

  Reply Open(WindowContent& content) override {
    StepsState state = StateOf<StepsState>(content);
    lesson_.Open(state);
    WriteState(state, content);
    return {};
  }

  Reply Act(WindowContent& content, std::string_view id, Use use) override {
    StepsAction action = StepsAction::Tick;
    if (use != Use::Tick) {
      const Control* control = FindControl(kStepsForm, id);
      if (!control || use == Use::ChooseAgain) return {};
      // Typing an answer, a limit or the values of the growth waits for Enter
      // or its button: the growth takes a while to measure.
      if (use == Use::Change &&
          (control->name == "Text6" || control->name == "Text9" ||
           (content.Chosen("Option1") == kGrowthView && control->name == "Text3")))
        return {};
      action = ActionOf(*control);
      // Enter in the growth's values shows the growth; in a run's boxes it waits
      // for a button, as what was typed has started the run again already.
      if (use == Use::Enter && control->name == "Text3") {
        if (content.Chosen("Option1") != kGrowthView) return {};
        action = StepsAction::Growth;
      }
    }
    StepsState state = StateOf<StepsState>(content);
    const StepsReply reply = lesson_.Act(state, action);
    WriteState(state, content);
    return {.said = reply.said, .tick_after_ms = reply.tick_after_ms};
  }

 private:
  StepsLesson lesson_;
};

}  // namespace

MadeWindow MakeStepsWindow(const Settings&, std::uint32_t) {
  return {.logic = std::make_unique<StepsWindow>(), .wrong = {}};
}

}  // namespace banknotes
