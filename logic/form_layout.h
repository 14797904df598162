#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace banknotes {

// A window described as data: every control with its name, kind, place, texts and
// colours, for the desktop window and the web page to draw alike. It says what
// each control is and where it stands, never how a toolkit draws it or what a
// click does: behaviour stays keyed by the control's name.

// A place as the layout gives it: left, top, width and height in twips (15 make
// a pixel at 96 dpi), relative to the control's container.
struct Twips {
  int left, top, width, height;
};

// A place's edge in pixels at a zoom in per cent: 15 twips make one pixel at 100 %.
// Edges are rounded, not sizes, so controls that meet at 100 % meet at every zoom.
constexpr int ToPixels(int twips, int percent = 100) { return (twips * percent + 750) / 1500; }

struct Rgb {
  std::uint8_t red, green, blue;
};

enum class ControlKind {
  Label,        // a caption
  Frame,        // a captioned group that holds other controls
  TextBox,      // one line of text
  Description,  // several lines of text that wrap, with a vertical scroll bar
  CheckBox,     // a mark with its caption
  Option,       // one choice of a frame's group, with its caption
  Button,
  ListBox,  // lines, one of them selected at a time
};

enum class Align { Left, Centre, Right };

struct Control {
  std::string_view name;  // a kind word and a number: "Text3"
  int index;              // within its control array; -1 for a control of its own
  ControlKind kind;
  std::string_view container;  // the frame it stands in; empty for the window
  std::string_view text;       // caption, or what a box holds at start
  Twips place;
  std::optional<Rgb> colour;  // background, a button's face; none: the platform's
  Align align;
  int tab_index;  // the order the focus takes; -1 for none (labels and frames)
  std::string_view accessible_name;
  std::string_view description;  // what a button does, for screen readers
  int limit;                     // characters a user may type or paste; 0 for none
  bool digits;                   // only the digits 0 to 9 may be typed or pasted
  bool read_only;
  std::string_view labels;      // for a label: the control it names ("Text3_0")
  std::string_view shown_with;  // shown only while this option is chosen; empty: always
};

struct FormLayout {
  std::string_view name;
  Twips client_area;
  Rgb background;
  int font_points;
  std::span<const Control> controls;
};

// The main window, MainForm.
extern const FormLayout kMainForm;
// The practice window, PracticeForm.
extern const FormLayout kPracticeForm;

}  // namespace banknotes
