#include "logic/form_state.h"

#include <utility>

namespace banknotes {

void ListBox::AddItem(std::string line) { lines_.push_back(std::move(line)); }

void ListBox::Clear() { lines_.clear(); }

void ListBox::Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }

const std::vector<std::string>& ListBox::lines() const { return lines_; }

}  // namespace banknotes
