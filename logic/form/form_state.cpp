#include "logic/form/form_state.h"

#include <utility>

namespace banknotes {

void ListBox::AddItem(std::string line) {
  // Lines still shared with a copy are copied first, so the copy keeps its own.
  if (!lines_ || lines_.use_count() > 1) lines_ = std::make_shared<Lines>(lines());
  lines_->push_back(std::move(line));
}

void ListBox::Clear() { lines_.reset(); }

void ListBox::Assign(Lines lines) { lines_ = std::make_shared<Lines>(std::move(lines)); }

const ListBox::Lines& ListBox::lines() const {
  static const Lines kNoLines;
  return lines_ ? *lines_ : kNoLines;
}

}  // namespace banknotes
