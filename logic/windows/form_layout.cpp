#include "logic/windows/form_layout.h"

namespace banknotes {

std::string ControlId(const Control& control) {
  std::string id(control.name);
  if (control.index != kOwn) id.append("_").append(std::to_string(control.index));
  return id;
}

const Control* FindControl(const FormLayout& layout, std::string_view id) {
  for (const Control& control : layout.controls)
    if (ControlId(control) == id) return &control;
  return nullptr;
}

std::vector<std::string_view> ShownWith(const Control& control) {
  std::vector<std::string_view> options;
  std::string_view rest = control.shown_with;
  while (!rest.empty()) {
    const std::size_t space = rest.find(' ');
    if (space != 0) options.push_back(rest.substr(0, space));
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
  }
  return options;
}

const Control& FirstFocus(const FormLayout& layout) {
  const Control* first = nullptr;
  for (const Control& control : layout.controls)
    if (TakesFocus(control.kind) && (!first || control.tab_index < first->tab_index))
      first = &control;
  return *first;
}

}  // namespace banknotes
