#pragma once

#include <cstdint>
#include <string_view>

#include "logic/windows/window_logic.h"

namespace banknotes {

// The companion windows' logic, each from its settings, and the list MakeWindow
// finds them in. A new window is a line here and in windows.cpp.
MadeWindow MakePracticeWindow(const Settings& settings, std::uint32_t random);
MadeWindow MakeExploreWindow(const Settings& settings, std::uint32_t random);
MadeWindow MakeWorksheetWindow(const Settings& settings, std::uint32_t random);

}  // namespace banknotes
