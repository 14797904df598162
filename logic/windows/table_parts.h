#pragma once

// What the windows' tables are made of, shared by the file of each window: the
// colours, the texts made at compile time from the captions, and the list a
// window's controls are gathered in. For those files only.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "logic/companions/practice.h"
#include "logic/form/form_state.h"
#include "logic/money/values.h"
#include "logic/windows/form_layout.h"

namespace banknotes::table {

inline constexpr Rgb kWindowColour{192, 192, 255};
inline constexpr Rgb kLabelColour{255, 192, 128};
inline constexpr Rgb kMarkColour{128, 128, 255};

// ---- Texts made from others at compile time, kept for the program's life.

// A short text of its own storage.
struct Text {
  char chars[96]{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {chars, size}; }
};
constexpr Text Joined(std::initializer_list<std::string_view> pieces) {
  Text joined;
  for (const std::string_view piece : pieces)
    for (const char c : piece) joined.chars[joined.size++] = c;
  return joined;
}
inline constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// One text for each of `captions`: prefix, caption, suffix.
template <std::size_t N>
constexpr std::array<Text, N> Each(std::string_view prefix,
                                   const std::array<const char*, N>& captions,
                                   std::string_view suffix = "") {
  std::array<Text, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = Joined({prefix, captions[i], suffix});
  return texts;
}
// "Text2_0" .. for a control array of N, up to 100.
template <std::size_t N>
constexpr std::array<Text, N> Ids(std::string_view name) {
  static_assert(N <= 100);
  std::array<Text, N> ids{};
  for (std::size_t i = 0; i < N; ++i)
    ids[i] = i < 10 ? Joined({name, "_", kDigits[i]})
                    : Joined({name, "_", kDigits[i / 10], kDigits[i % 10]});
  return ids;
}

// The denominations, 100 first, and the values a sum is split into, 20 first.
inline constexpr auto kSplitCaptions = [] {
  std::array<const char*, kSplitValues> captions{};
  for (std::size_t i = 0; i < kSplitValues; ++i)
    captions[i] = kDenominationCaptions[kDenominations - kSplitValues + i];
  return captions;
}();

// The names screen readers say: a value up to the largest coin is a coin, the
// rest are banknotes.
constexpr std::array<Text, kDenominations> PieceNames(std::string_view banknote,
                                                      std::string_view coin,
                                                      std::string_view unit = " евро") {
  std::array<Text, kDenominations> names{};
  for (std::size_t k = 0; k < kDenominations; ++k) {
    int value = 0;
    for (const char* c = kDenominationCaptions[k]; *c; ++c) value = value * 10 + (*c - '0');
    names[k] = Joined({value <= kLargestCoin ? coin : banknote, kDenominationCaptions[k], unit});
  }
  return names;
}
inline constexpr auto kMarkNames =
    PieceNames("В плащането: банкнота от ", "В плащането: монета от ");
inline constexpr auto kCountNames = PieceNames("Брой банкноти от ", "Брой монети от ");
inline constexpr auto kWalletNames = PieceNames("Банкнота от ", "Монета от ", "\u00a0€");
inline constexpr auto kCountCaptions = Each("", kDenominationCaptions, "* ");
inline constexpr auto kWayNames = Each("Брой по ", kSplitCaptions);
inline constexpr auto kWayCaptions = Each("", kSplitCaptions, "* ");
inline constexpr auto kText2Ids = Ids<kWalletValues>("Text2");
inline constexpr auto kText4Ids = Ids<kSplitValues>("Text4");
inline constexpr auto kCommand2Ids = Ids<kWalletValues>("Command2");

// A window's controls gathered in the order the window stacks them: where two
// overlap, the later one is on top.
template <std::size_t N>
struct Controls {
  std::array<Control, N> list{};
  std::size_t size = 0;
  constexpr void Add(const Control& control) { list[size++] = control; }
  template <std::size_t M>
  constexpr void Add(const Control (&controls)[M]) {
    for (const Control& control : controls) Add(control);
  }
};

// Whether `id` ("Check1_3", "Text1") names the control.
constexpr bool Names(std::string_view id, const Control& control) {
  if (control.index == kOwn) return id == control.name;
  const std::size_t at = control.name.size();
  if (id.size() <= at + 1 || id.substr(0, at) != control.name || id[at] != '_') return false;
  int index = 0;
  for (const char digit : id.substr(at + 1)) {
    if (digit < '0' || digit > '9') return false;
    index = index * 10 + (digit - '0');
  }
  return index == control.index;
}

// The controls with their tab indexes taken from `order`: a control's place in
// it. A control the order lacks or names twice, or a name the table lacks,
// stops the build here.
template <std::size_t N, std::size_t M>
constexpr std::array<Control, N> InFocusOrder(std::array<Control, N> controls,
                                              const std::string_view (&order)[M]) {
  static_assert(N == M, "the focus order names every control once");
  for (Control& control : controls) {
    int place = -1;
    for (std::size_t i = 0; i < M; ++i)
      if (Names(order[i], control)) {
        if (place >= 0) throw "a control named twice in the focus order";
        place = static_cast<int>(i);
      }
    if (place < 0) throw "a control missing from the focus order";
    control.tab_index = place;
  }
  return controls;
}

}  // namespace banknotes::table
