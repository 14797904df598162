#pragma once

#include <array>
#include <string>

#include "logic/form/form_state.h"

namespace banknotes::test_support {

// The marks as a string of 0s and 1s, 100 first, so a table row reads at a glance.
inline std::string Marks(const FormState& form) {
  std::string marks;
  for (const CheckBox& box : form.Check1) marks += static_cast<char>('0' + box.Value);
  return marks;
}

using Counts = std::array<std::string, kDenominations>;

// A form with something in every field, list and mark, to see what an action keeps.
inline FormState BusyForm() {
  FormState form;
  form.Text3 = {"42", "1000", "10"};
  form.Text2 = {"1", "2", "3", "4", "5", "6", "7"};
  for (CheckBox& box : form.Check1) box.Value = 1;
  form.List1[kSplits].AddItem("old line");
  return form;
}

}  // namespace banknotes::test_support
