#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logic/windows/window_content.h"

namespace banknotes {

// A companion window's behaviour as its front ends see it: the content of its
// controls in, the same changed and what to say out. Each front end reports what
// the user did with a control and copies the content both ways; it knows no
// control's meaning. What outlives one use (a practice's session) is kept here;
// everything else is in the content. What only a platform can do (a print
// dialog, a file dialog, another window) is asked for, and its end reported back.

enum class Use {
  Press,        // a button pressed: a click, a tap, Space or Enter on it
  Enter,        // Enter in a box
  Choose,       // an option chosen that was not
  ChooseAgain,  // an option clicked that was chosen already
  Change,       // a box's text changed as the user typed, pasted or cut
  Tick,         // the time a reply asked for has passed; no control
};

// What a window asks of its front end.
enum class Asks { Nothing, Worksheet, Print, SavePdf };

struct Reply {
  std::string said;  // what screen readers are told; empty: nothing
  Asks asks = Asks::Nothing;
  std::uint32_t number = 0;  // the worksheet's number, for Asks::Worksheet
  // More than 0: tick the window after so many milliseconds (a run that plays);
  // a new tick asked for replaces one not yet come, and a tick the window no
  // longer wants does nothing.
  int tick_after_ms = 0;
};

class WindowLogic {
 public:
  virtual ~WindowLogic() = default;
  virtual const FormLayout& layout() const = 0;
  // The window as it is written, before it opens: its table and the state's
  // defaults.
  virtual WindowContent Fresh() const = 0;
  // What the window does as it opens, on the content as it is then (the page
  // may hold what was typed while it loaded): its settings, its first task.
  virtual Reply Open(WindowContent& content) = 0;
  virtual Reply Act(WindowContent& content, std::string_view id, Use use) = 0;
  // How what was asked went: done, and where ("sheet.pdf"); said in the content.
  virtual Reply Done(WindowContent&, Asks, bool, std::string_view) { return {}; }
  // What a screen reader reads after the window's title as it opens; empty: the
  // title alone.
  virtual std::string Heading(const WindowContent&) const { return {}; }
  // The settings that open the window as it is now, as an address's query
  // ("number=2026&payments=4"), for a link to share; empty: none.
  virtual std::string Address(const WindowContent&) const { return {}; }
};

// `text` as an address's query holds it: "+" for a space, "%XX" for a byte that
// is not a letter, a digit or one of "*-._".
std::string AddressText(std::string_view text);

// Settings by the page address's names ("seed", "paymentRange"), in order: the
// page's address, or the command line's options.
using Settings = std::vector<std::pair<std::string, std::string>>;
// The settings in an address's query: "?seed=2026&paymentRange=0", decoded.
Settings SettingsOf(std::string_view query);

// A companion window's logic by its table's name ("PracticeForm"), from its
// settings; a setting it cannot take is said in `wrong` and the default stands.
// `random` seeds what no setting seeds. No logic for a name that has none.
struct MadeWindow {
  std::unique_ptr<WindowLogic> logic;
  std::string wrong;
};
MadeWindow MakeWindow(std::string_view name, const Settings& settings, std::uint32_t random);

}  // namespace banknotes
