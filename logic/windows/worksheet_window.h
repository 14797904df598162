#pragma once

#include "logic/companions/worksheet.h"
#include "logic/windows/window_content.h"

namespace banknotes {

// The sheet the worksheet window's choices make, for the platform that prints,
// saves or draws it; the window's message says what is wrong, or nothing.
WorksheetMade SheetOf(WindowContent& content);

}  // namespace banknotes
