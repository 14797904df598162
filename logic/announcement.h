#pragma once

#include <cstdint>
#include <string>

#include "logic/form_state.h"
#include "logic/practice.h"

namespace banknotes {

// What a screen reader is told once a click has been carried out, in the words
// of every window and page alike: the main window's new total, the number of
// ways listed or that all is cleared; the practice's answer (its first line),
// or its task when a new one is set. Empty when nothing is to be said.
std::string ClickAnnouncement(std::int16_t button, const FormState& after);
std::string PracticeAnnouncement(const PracticeState& before, const PracticeState& after);

}  // namespace banknotes
