#pragma once

#include <cstdint>

#include "logic/form/form_state.h"
#include "logic/form/outcome.h"

namespace banknotes {

// Button indexes of Command1.
inline constexpr std::int16_t kClearButton = 0;
inline constexpr std::int16_t kEnterButton = 1;
inline constexpr std::int16_t kListButton = 2;

// Runs the action of the pressed button on the form. An action either finishes
// or leaves the form exactly as it was; the Outcome says which. Any other index
// does nothing.
Outcome dispatch(FormState& form, std::int16_t index);

}  // namespace banknotes
