#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "logic/money/drawn_money.h"
#include "logic/windows/form_layout.h"

namespace banknotes {

// What a window's controls hold, keyed as its table keys them: the text of a
// box, a label or a description, the mark of a check or an option, the lines of
// a list. The front ends copy every control in and out of it without knowing
// what any of them means; a window's logic alone gives the controls their sense.
// Frames hold nothing. What a button or a list shows drawn is money: a button's
// face, a list's line each; a list's chosen line is the user's too.

enum class Holds { Nothing, Text, Mark, Lines, Picture };

constexpr Holds HoldsOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::TextBox:
    case ControlKind::Description:
      return Holds::Text;
    case ControlKind::CheckBox:
    case ControlKind::Option:
      return Holds::Mark;
    case ControlKind::ListBox:
      return Holds::Lines;
    case ControlKind::Picture:
      return Holds::Picture;
    case ControlKind::Frame:
    case ControlKind::Button:
      break;
  }
  return Holds::Nothing;
}

struct ControlContent {
  std::string text;
  bool mark = false;
  std::vector<std::string> lines;
  std::optional<std::size_t> chosen_line;
  std::vector<Heap> money;
  Picture picture;  // what the logic draws; never read back from the window

  friend bool operator==(const ControlContent&, const ControlContent&) = default;
};

class WindowContent {
 public:
  // As the table starts it: each control's text, no marks, no lines; the first
  // option of each group chosen.
  explicit WindowContent(const FormLayout& layout);

  const FormLayout& layout() const { return *layout_; }
  // In the order of the table's controls.
  std::size_t size() const { return controls_.size(); }
  ControlContent& at(std::size_t i) { return controls_.at(i); }
  const ControlContent& at(std::size_t i) const { return controls_.at(i); }

  // The control `id` ("Text2_3"). One the table lacks is a fault of the code
  // that names it: std::out_of_range, naming it.
  ControlContent& operator[](std::string_view id);
  const ControlContent& operator[](std::string_view id) const;

  // The index of the chosen option of the group `name` ("Option2"); 0 where none
  // is chosen. Choosing one unmarks the others of its group.
  int Chosen(std::string_view name) const;
  void Choose(std::string_view name, int index);

  friend bool operator==(const WindowContent& a, const WindowContent& b) {
    return a.layout_ == b.layout_ && a.controls_ == b.controls_;
  }

 private:
  std::size_t IndexOf(std::string_view id) const;

  const FormLayout* layout_;
  std::vector<ControlContent> controls_;
};

// Copies a state's fields to and from a window's content: the window's logic
// names each field once with its control, in a function
//   template <typename Visit> void Fields(State& state, Visit&& visit)
// that calls visit(control, field) for each: a text with a control's id
// ("Label1_0"), an array of texts with the name of its controls ("Text2", for
// Text2_0, Text2_1, ...), a chosen option (an enum or an int) with its group's
// name ("Option2"), lines with a list's id ("List1_0"), and for a list its
// chosen line and what it shows drawn, or for buttons ("Command2") their faces.
class ContentCopier {
 public:
  ContentCopier(WindowContent& content, bool into_state) : content_(content), into_(into_state) {}

  void operator()(std::string_view id, std::string& text) { Copy(content_[id].text, text); }
  void operator()(std::string_view id, std::vector<std::string>& lines) {
    Copy(content_[id].lines, lines);
  }
  void operator()(std::string_view id, std::optional<std::size_t>& line) {
    Copy(content_[id].chosen_line, line);
  }
  void operator()(std::string_view id, std::vector<Heap>& money) {
    Copy(content_[id].money, money);
  }
  void operator()(std::string_view id, Picture& picture) { Copy(content_[id].picture, picture); }
  template <std::size_t N>
  void operator()(std::string_view name, std::array<Heap, N>& faces) {
    for (std::size_t i = 0; i < N; ++i) {
      std::vector<Heap>& face = content_[std::string(name) + "_" + std::to_string(i)].money;
      if (into_)
        faces[i] = face.empty() ? Heap{} : face.front();
      else
        face = {faces[i]};
    }
  }
  template <std::size_t N>
  void operator()(std::string_view name, std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
      Copy(content_[std::string(name) + "_" + std::to_string(i)].text, texts[i]);
  }
  template <typename Choice>
  requires std::is_enum_v<Choice> || std::is_same_v<Choice, int> || std::is_same_v<Choice, bool>
  void operator()(std::string_view group, Choice& choice) {
    if (into_)
      choice = static_cast<Choice>(content_.Chosen(group));
    else
      content_.Choose(group, static_cast<int>(choice));
  }

 private:
  template <typename T>
  void Copy(T& in_content, T& in_state) {
    if (into_)
      in_state = in_content;
    else
      in_content = in_state;
  }

  WindowContent& content_;
  bool into_;
};

template <typename State>
State StateOf(const WindowContent& content) {
  State state;
  // Copying into the state only reads the content.
  Fields(state, ContentCopier(const_cast<WindowContent&>(content), true));
  return state;
}

template <typename State>
void WriteState(State state, WindowContent& content) {
  Fields(state, ContentCopier(content, false));
}

}  // namespace banknotes
