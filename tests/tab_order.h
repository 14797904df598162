#pragma once

// The main window's tab order, by the ids of the controls the focus stops at:
// what its description must give, and what Tab takes on the desktop and on the
// page. The browser test reads this list from here too.
inline constexpr const char* kMainFormTabOrder[] = {
    "Check1_0", "Check1_1",   "Check1_2", "Check1_3", "Check1_4",   "Check1_5",
    "Check1_6", "Text1",      "Text2_0",  "Text2_1",  "Text2_2",    "Text2_3",
    "Text2_4",  "Text2_5",    "Text2_6",  "Text3_0",  "Command1_0", "Command1_1",
    "Text3_1",  "Command1_2", "Text3_2",  "List1_0"};
