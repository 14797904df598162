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

const Control& FirstFocus(const FormLayout& layout) {
  const Control* first = nullptr;
  for (const Control& control : layout.controls)
    if (TakesFocus(control.kind) && (!first || control.tab_index < first->tab_index))
      first = &control;
  return *first;
}

}  // namespace banknotes
