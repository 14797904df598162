#pragma once

namespace banknotes {

// Makes Qt's own texts (message box buttons, text box context menus) Bulgarian,
// whatever the system's locale, from Qt's Bulgarian translation where it is
// installed. Without it Qt's English texts stay; nothing fails. Call it once,
// after the application object exists.
void UseBulgarianQtTexts();

}  // namespace banknotes
