#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace banknotes {

// The whole of the program's data: what the window's boxes, marks and list hold.
// It knows nothing of widgets; the window copies its controls in and out of it.

// Text3 holds three boxes told apart by these indexes.
inline constexpr std::size_t kAmount = 0;  // amount to pay, typed by the user
inline constexpr std::size_t kTotal = 1;   // running total of every amount paid
inline constexpr std::size_t kSum = 2;     // sum to split

// Text2, Check1 and the count labels share one index per denomination, largest first.
inline constexpr std::size_t kDenominations = 7;
inline constexpr std::array<const char*, kDenominations> kDenominationCaptions = {
    "100", "50", "20", "10", "5", "2", "1"};

// List1 has a single list box.
inline constexpr std::size_t kSplits = 0;

// A denomination mark: the caption names the banknote, the value (0 or 1) says
// whether the last payment used it.
struct CheckBox {
  std::string Caption;
  int Value = 0;

  friend bool operator==(const CheckBox&, const CheckBox&) = default;
};

// One list box's lines, in the order they were added. Never sorted. Copies share
// their lines until one of them changes, so handing a long listing between the
// form and the window costs a pointer; a change gives the box lines of its own,
// which is how a holder of the old ones can tell that the list was rewritten.
class ListBox {
 public:
  using Lines = std::vector<std::string>;

  void AddItem(std::string line);
  void Clear();
  // Replaces every line at once, so a long listing is handed over without copies.
  void Assign(Lines lines);
  const Lines& lines() const;
  // True while neither box has changed since one was copied from the other.
  bool SharesLinesWith(const ListBox& other) const { return lines_ == other.lines_; }

  friend bool operator==(const ListBox& a, const ListBox& b) { return a.lines() == b.lines(); }

 private:
  std::shared_ptr<Lines> lines_;  // null for no lines
};

struct FormState {
  std::array<std::string, 3> Text3;               // amount, total, sum
  std::array<std::string, kDenominations> Text2;  // banknote counts, 100 .. 1
  std::array<CheckBox, kDenominations> Check1 = {
      CheckBox{kDenominationCaptions[0]}, CheckBox{kDenominationCaptions[1]},
      CheckBox{kDenominationCaptions[2]}, CheckBox{kDenominationCaptions[3]},
      CheckBox{kDenominationCaptions[4]}, CheckBox{kDenominationCaptions[5]},
      CheckBox{kDenominationCaptions[6]}};  // denomination marks
  std::array<ListBox, 1> List1;             // split lines

  friend bool operator==(const FormState&, const FormState&) = default;
};

}  // namespace banknotes
