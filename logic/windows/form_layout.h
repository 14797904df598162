#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace banknotes {

// A window described as data: every control with its name, kind, place, texts and
// colours, for the desktop window and the web page to draw alike, and the rules
// both read it by (a control's id, what takes the focus, where the focus
// starts). It says what each control is and where it stands, never how a toolkit
// draws it or what a click does: behaviour stays keyed by the control's name.

// A place as the layout gives it: left, top, width and height in twips (15 make
// a pixel at 96 dpi), relative to the control's container.
struct Twips {
  int left = 0, top = 0, width = 0, height = 0;
};

// A place's edge in pixels at a zoom in per cent: 15 twips make one pixel at 100 %.
// Edges are rounded, not sizes, so controls that meet at 100 % meet at every zoom.
constexpr int ToPixels(int twips, int percent = 100) { return (twips * percent + 750) / 1500; }

struct Rgb {
  std::uint8_t red, green, blue;
};

// Every window's font: Times New Roman, regular, 12 points; where it is missing, a
// serif with its metrics (Liberation Serif). At 96 dpi, 16 pixels.
inline constexpr std::string_view kFontFamily = "Times New Roman";
inline constexpr std::string_view kFontFallback = "Liberation Serif";
inline constexpr int kFontPoints = 12;
constexpr int FontPixels() { return kFontPoints * 96 / 72; }

// The captions of a list's copy menu: the selected line, or every line.
inline constexpr std::string_view kCopyLineCaption = "Копиране";
inline constexpr std::string_view kCopyAllCaption = "Копиране на всички редове";

enum class ControlKind {
  Label,        // a caption
  Frame,        // a captioned group that holds other controls
  TextBox,      // one line of text
  Description,  // several lines of text that wrap, with a vertical scroll bar
  CheckBox,     // a mark with its caption
  Option,       // one choice of a frame's group, with its caption
  Button,
  ListBox,  // lines, one of them selected at a time
  Picture,  // a drawing of the logic's own (a chart), scaled to fit; its name says what it shows
};

enum class Align { Left, Centre, Right };

// Where a control stands: in every renderer, or only on the desktop or the page
// (a button that only the one can do what it says).
enum class Where { Everywhere, Desktop, Page };

// The index of a control that is not one of an array.
inline constexpr int kOwn = -1;

// One control. A row names only what differs from these defaults.
struct Control {
  std::string_view name = {};  // a kind word and a number: "Text3"
  int index = kOwn;            // within its control array
  ControlKind kind = ControlKind::Label;
  std::string_view container = {};  // the frame it stands in; empty for the window
  std::string_view text = {};       // caption, or what a box holds at start
  Twips place = {};
  std::optional<Rgb> colour = {};  // background, a button's face; none: the platform's
  Align align = Align::Left;
  int tab_index = 0;  // its place in the window's focus order, a label's too; set from that list
  std::string_view accessible_name = {};
  std::string_view description = {};  // what a button does, for screen readers
  int limit = 0;                      // characters a user may type or paste; 0 for none
  bool digits = false;                // only the digits 0 to 9 may be typed or pasted
  bool read_only = false;
  std::string_view labels = {};  // for a label: the id of the control it names ("Text3_0")
  // Shown only while one of these options is chosen ("Option1_0 Option1_2"); empty: always.
  std::string_view shown_with = {};
  bool drawn =
      false;  // shows money drawn, as its content says: a button its face, a list each line
  // For a drawn control: the control it may be dragged onto, by mouse or finger;
  // let go there, it is pressed, a list's line dragged chosen first.
  std::string_view drops_on = {};
  Where where = Where::Everywhere;
};

struct FormLayout {
  std::string_view name = {};
  Twips client_area;
  Rgb background;
  std::span<const Control> controls;
  // The order its page reads in, where the page's flow differs from the window's
  // places: frames and controls of the window, each frame read with what is in it.
  std::span<const std::string_view> reading_order = {};
};

// A control's id, by which the window, the page, their tests and a screen
// reader's tools find it: "Text3_0", or "Frame1" for a control of its own.
std::string ControlId(const Control& control);

// Labels and frames take no focus; every other control does.
constexpr bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::Label && kind != ControlKind::Frame;
}

// The control with `id`, or none.
const Control* FindControl(const FormLayout& layout, std::string_view id);
// The options a control is shown with, its shown_with read word by word.
std::vector<std::string_view> ShownWith(const Control& control);

// Where the focus starts: the first control of the tab order.
const Control& FirstFocus(const FormLayout& layout);

// The main window, MainForm.
extern const FormLayout kMainForm;
// The practice window, PracticeForm.
extern const FormLayout kPracticeForm;
// The exploring window, ExploreForm.
extern const FormLayout kExploreForm;
// The worksheet's choices, WorksheetForm: the desktop's dialog and the page's form.
extern const FormLayout kWorksheetForm;
// The window "Стъпка по стъпка", StepsForm.
extern const FormLayout kStepsForm;

}  // namespace banknotes
