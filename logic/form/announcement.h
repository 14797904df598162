#pragma once

#include <cstdint>
#include <string>

#include "logic/form/form_state.h"

namespace banknotes {

// What a screen reader is told once a click has been carried out, in the words
// of the main window and page alike: its new total, the number of
// ways listed or that all is cleared. Empty when nothing is to be said.
std::string ClickAnnouncement(std::int16_t button, const FormState& after);

}  // namespace banknotes
