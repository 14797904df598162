#pragma once

namespace banknotes {

// What the program sets for the whole application before it opens a window: its
// name on the desktop, Qt's own texts in Bulgarian, and the program's style and
// font, whatever the desktop prefers, so that the coloured faces and backgrounds
// really show and message boxes and menus take them too.
void SetUpApplication();

// From BeginOpening until EndOpening, while QApplication is made: where there is
// no graphical desktop to open on, the program says so in Bulgarian on standard
// error and ends with status 1, instead of Qt's English words and an abort. What
// else Qt says meanwhile is said once the application is open.
void BeginOpening();
void EndOpening();

}  // namespace banknotes
