#pragma once

namespace banknotes {

// What the program sets for the whole application before it opens a window: its
// name on the desktop, Qt's own texts in Bulgarian, and the program's style and
// font, whatever the desktop prefers, so that the coloured faces and backgrounds
// really show and message boxes and menus take them too.
void SetUpApplication();

}  // namespace banknotes
