#include "logic/windows/worksheet_window.h"

#include "logic/windows/form_layout.h"
#include "logic/windows/window_logic.h"

namespace banknotes {

// The worksheet's choices, each with the control that holds it.
template <typename Visit>
void Fields(WorksheetForm& form, Visit&& visit) {
  visit("Text1_0", form.number);
  visit("Text1_1", form.payments);
  visit("Option1", form.payment_range);
  visit("Text1_2", form.splits);
  visit("Option2", form.split_range);
  visit("Text1_3", form.explorations);
  visit("Option3", form.ready_set);
  visit("Text1_4", form.counting);
  visit("Text1_5", form.changes);
  visit("Text1_6", form.cents);
}

namespace {

constexpr const char* kMessage = "Label1_4";

}  // namespace

WorksheetMade SheetOf(WindowContent& content) {
  WorksheetMade made = MakeWorksheet(StateOf<WorksheetForm>(content));
  content[kMessage].text = made.wrong;
  return made;
}

namespace {

// The choices as an address names them, in the order Fields names them.
class AddressWriter {
 public:
  const std::string& address() const { return address_; }
  void operator()(std::string_view, const std::string& text) { Add(text); }
  void operator()(std::string_view, int choice) { Add(std::to_string(choice)); }

 private:
  void Add(const std::string& value) {
    if (!address_.empty()) address_ += '&';
    address_.append(kWorksheetChoiceNames[at_++]).append(1, '=').append(AddressText(value));
  }
  std::string address_;
  std::size_t at_ = 0;
};

// One setting taken into the field of its choice, the choices being in the
// order Fields names them: a text that its box holds, an option that is there.
class TakeSetting {
 public:
  TakeSetting(std::size_t choice, const std::string& value) : choice_(choice), value_(value) {}
  bool taken() const { return taken_; }

  void operator()(std::string_view id, std::string& text) {
    if (at_++ != choice_) return;
    std::size_t characters = 0;
    for (const char byte : value_) characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    taken_ = characters <= static_cast<std::size_t>(FindControl(kWorksheetForm, id)->limit);
    if (taken_) text = value_;
  }
  void operator()(std::string_view group, int& choice) {
    if (at_++ != choice_) return;
    int options = 0;
    for (const Control& control : kWorksheetForm.controls)
      options += control.kind == ControlKind::Option && control.name == group;
    taken_ = !value_.empty() && value_.size() <= 2 &&
             value_.find_first_not_of("0123456789") == std::string::npos &&
             std::stoi(value_) < options;
    if (taken_) choice = std::stoi(value_);
  }

 private:
  std::size_t choice_;
  const std::string& value_;
  std::size_t at_ = 0;
  bool taken_ = false;
};

// The choices by their names in the address (number, payments, paymentRange,
// ...); one its control could not hold (a text past the box's limit, an option
// that is not there) is not taken, and the first such is said.
std::string Take(const Settings& settings, WorksheetForm& form) {
  std::string wrong;
  for (const auto& [name, value] : settings)
    for (std::size_t i = 0; i < kWorksheetChoices; ++i) {
      if (name != kWorksheetChoiceNames[i]) continue;
      TakeSetting take(i, value);
      Fields(form, take);
      if (!take.taken() && wrong.empty())
        wrong = WorksheetChoiceWrong(static_cast<WorksheetChoice>(i));
    }
  return wrong;
}

// The worksheet's choices: printing or saving a sheet asks the platform for it,
// once the choices make one; what is wrong, or how it went, is said.
class WorksheetWindow : public WindowLogic {
 public:
  explicit WorksheetWindow(Settings settings) : settings_(std::move(settings)) {}

  const FormLayout& layout() const override { return kWorksheetForm; }

  WindowContent Fresh() const override {
    WindowContent content(kWorksheetForm);
    WriteState(WorksheetForm{}, content);
    return content;
  }

  // The choices its settings name stand in their controls; the others stay as
  // they are. A setting not taken is said in the message.
  Reply Open(WindowContent& content) override {
    WorksheetForm form = StateOf<WorksheetForm>(content);
    const std::string wrong = Take(settings_, form);
    WriteState(form, content);
    content[kMessage].text = wrong;
    return {.said = wrong, .asks = Asks::Nothing, .number = 0};
  }

  // "Печат…" and "Запис като PDF…" on the desktop, "Печат" on the page.
  Reply Act(WindowContent& content, std::string_view id, Use) override {
    const Control* control = FindControl(kWorksheetForm, id);
    if (!control || control->kind != ControlKind::Button) return {};
    const WorksheetMade made = SheetOf(content);
    if (!made.wrong.empty()) return {.said = made.wrong};
    return {.said = {}, .asks = control->index == 1 ? Asks::SavePdf : Asks::Print};
  }

  Reply Done(WindowContent& content, Asks asked, bool done, std::string_view where) override {
    std::string said;
    if (asked == Asks::Print)
      said = done ? "Листът е изпратен за печат." : "Листът не можа да се отпечата.";
    else if (asked == Asks::SavePdf)
      said = done ? "Листът е записан в „" + std::string(where) + "“."
                  : "Файлът „" + std::string(where) + "“ не можа да се запише.";
    content[kMessage].text = said;
    return {.said = said};
  }

  std::string Address(const WindowContent& content) const override {
    WorksheetForm form = StateOf<WorksheetForm>(content);
    AddressWriter writer;
    Fields(form, writer);
    return writer.address();
  }

 private:
  Settings settings_;
};

}  // namespace

MadeWindow MakeWorksheetWindow(const Settings& settings, std::uint32_t) {
  return {.logic = std::make_unique<WorksheetWindow>(settings), .wrong = {}};
}

}  // namespace banknotes
