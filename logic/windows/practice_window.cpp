#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "logic/money/number_text.h"
#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {

// The practice window's state, each field with the control that holds it.
template <typename Visit>
void Fields(PracticeState& state, Visit&& visit) {
  visit("Option1", state.exercise);
  visit("Option2", state.payment_range);
  visit("Option3", state.split_range);
  visit("Option4", state.change_range);
  visit("Label1_0", state.task);
  visit("Text2", state.counts);
  visit("Text3_0", state.sum);
  visit("Text4", state.way);
  visit("Text1", state.answer);
  visit("Label1_1", state.tally);
  visit("List1_0", state.found);
  visit("Command2", state.wallet);
  visit("List2_0", state.counter);
  visit("List2_0", state.counter_drawn);
  visit("List2_0", state.counter_line);
  visit("Label5_0", state.paid);
  visit("List3_0", state.fewest);
  visit("List3_0", state.fewest_drawn);
}

namespace {

// The practice window: a button does its work; Enter in a box checks; another
// exercise shows its task, another level or range sets a new one. A note or coin of the
// wallet pressed goes on the counter, Enter on the counter's line takes one
// back, and a count typed changes the counter.
class PracticeWindow : public WindowLogic {
 public:
  PracticeWindow(std::uint32_t seed, PaymentRange payment_range, SplitRange split_range)
      : seed_(seed),
        payment_range_(payment_range),
        split_range_(split_range),
        practice_(seed, payment_range, split_range) {}

  const FormLayout& layout() const override { return kPracticeForm; }

  WindowContent Fresh() const override {
    WindowContent content(kPracticeForm);
    WriteState(PracticeState{}, content);
    return content;
  }

  // The first tasks, from the ranges given, which stand chosen.
  Reply Open(WindowContent& content) override {
    PracticeState state = StateOf<PracticeState>(content);
    state.payment_range = payment_range_;
    state.split_range = split_range_;
    practice_.Show(state);
    PayingWithMoney(state);
    WriteState(state, content);
    return {};
  }

  Reply Act(WindowContent& content, std::string_view id, Use use) override {
    const Control* control = FindControl(kPracticeForm, id);
    if (!control) return {};
    int button = -1;
    if (control->name == "Command1") button = control->index;
    if (use == Use::Enter) button = kCheckButton;
    if (button == kWorksheetButton) return {.said = {}, .asks = Asks::Worksheet, .number = seed_};
    const PracticeState before = StateOf<PracticeState>(content);
    PracticeState state = before;
    if (control->name == "Command2" || control->name == "List2") {
      if (control->name == "Command2")
        PutOnCounter(state, static_cast<std::size_t>(control->index));
      else
        TakeBack(state);
      WriteState(state, content);
      return {.said = PaidAnnouncement(state)};
    }
    if (use == Use::Change) {
      PayingWithMoney(state);
      WriteState(state, content);
      return {};
    }
    if (button >= 0)
      practice_.Click(state, button);
    else if (use == Use::Choose && control->name == "Option1")
      practice_.Show(state);
    else if (use == Use::Choose)
      practice_.Click(state, kNewTaskButton);
    else
      return {};
    PayingWithMoney(state);
    WriteState(state, content);
    return {.said = PracticeAnnouncement(before, state)};
  }

  std::string Heading(const WindowContent& content) const override {
    return content["Label1_0"].text;
  }

 private:
  std::uint32_t seed_;
  PaymentRange payment_range_;
  SplitRange split_range_;
  Practice practice_;
};

}  // namespace

// seed: any whole number a session takes, 0 too; without one, or with another,
// the tasks are random. paymentRange, splitRange: the options' indexes of the
// first tasks' ranges, as a worksheet's address names them.
MadeWindow MakePracticeWindow(const Settings& settings, std::uint32_t random) {
  MadeWindow made;
  std::uint32_t seed = random;
  int ranges[] = {static_cast<int>(PaymentRange::UpTo1000),
                  static_cast<int>(SplitRange::From5To10)};
  constexpr WorksheetChoice kRangeChoices[] = {WorksheetChoice::PaymentRange,
                                               WorksheetChoice::SplitRange};
  constexpr int kOptions[] = {kPaymentRanges, kSplitRanges};
  for (const auto& [name, value] : settings) {
    if (name == "seed") {
      if (!value.empty() && value.size() <= 10 &&
          value.find_first_not_of("0123456789") == std::string::npos &&
          std::stoull(value) <= UINT32_MAX)
        seed = static_cast<std::uint32_t>(std::stoull(value));
      else
        made.wrong = "„" + value + "“ не е номер на задачи: той е цяло число от 0 до " +
                     Quantity(UINT32_MAX) + ". Задачите са случайни.";
    }
    for (std::size_t r = 0; r < std::size(kRangeChoices); ++r) {
      if (name != kWorksheetChoiceNames[static_cast<std::size_t>(kRangeChoices[r])]) continue;
      if (value.size() == 1 && value[0] >= '0' && value[0] < '0' + kOptions[r])
        ranges[r] = value[0] - '0';
      else
        made.wrong = WorksheetChoiceWrong(kRangeChoices[r]);
    }
  }
  made.logic = std::make_unique<PracticeWindow>(seed, static_cast<PaymentRange>(ranges[0]),
                                                static_cast<SplitRange>(ranges[1]));
  return made;
}

}  // namespace banknotes
