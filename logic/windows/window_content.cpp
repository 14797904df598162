#include "logic/windows/window_content.h"

#include <stdexcept>

namespace banknotes {

WindowContent::WindowContent(const FormLayout& layout) : layout_(&layout) {
  controls_.reserve(layout.controls.size());
  for (const Control& control : layout.controls) {
    ControlContent content;
    if (HoldsOf(control.kind) == Holds::Text) content.text = control.text;
    if (control.kind == ControlKind::Option && control.index == 0) content.mark = true;
    controls_.push_back(std::move(content));
  }
}

std::size_t WindowContent::IndexOf(std::string_view id) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (ControlId(layout_->controls[i]) == id) return i;
  throw std::out_of_range(std::string(layout_->name) + " has no control " + std::string(id));
}

ControlContent& WindowContent::operator[](std::string_view id) { return controls_[IndexOf(id)]; }

const ControlContent& WindowContent::operator[](std::string_view id) const {
  return controls_[IndexOf(id)];
}

int WindowContent::Chosen(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& control = layout_->controls[i];
    if (control.kind == ControlKind::Option && control.name == name && controls_[i].mark)
      return control.index;
  }
  return 0;
}

void WindowContent::Choose(std::string_view name, int index) {
  (*this)[std::string(name) + "_" + std::to_string(index)];  // stops on an option not there
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Control& control = layout_->controls[i];
    if (control.kind == ControlKind::Option && control.name == name)
      controls_[i].mark = control.index == index;
  }
}

}  // namespace banknotes
