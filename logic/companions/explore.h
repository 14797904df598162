#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/money/values.h"

namespace banknotes {

// Exploring: paying with a set of values of the pupil's own, largest first
// against the fewest there are, from a till without limits or one that holds
// only so many of each value; whether largest first always gives the fewest;
// and how many ways make a sum, with the work that trying every combination
// takes beside a smarter count. Every text the window shows is made here. It
// knows nothing of windows.

inline constexpr std::size_t kMaxValues = 16;
inline constexpr int kLargestValue = 10000;
inline constexpr int kLargestExploredAmount = 10000;
// The ready-made sets the window offers: the worksheets' and the euro with
// cents, its values written as amounts ("0,50").
inline constexpr std::size_t kExploreReadySets = kReadySets + 1;
inline constexpr int kEuroCentsSet = static_cast<int>(kReadySets);
inline constexpr const char* kEuroCentsCaption = "Евро с центове: от 500 € до 1 цент";
// What a till holds of one value at most.
inline constexpr int kMostInTill = 999;

// What the exploring window's controls hold, as FormState is the main window's.
struct ExploreState {
  std::array<std::string, kMaxValues> values;  // Text5: "Стойност 1" .. "Стойност 16"
  // Text8: "Брой в касата 1" ..: how many of the value beside it the till
  // holds; empty: as many as needed.
  std::array<std::string, kMaxValues> till;
  int ready_set = 0;          // Option1: the ready-made set chosen
  std::string amount;         // Text3_0: "Сума за плащане"
  std::string sum;            // Text3_1: "Сума за разбиване"
  std::string message;        // Label1_1: what is wrong with the input
  std::string verdict;        // Label1_0: largest first against the fewest
  std::string largest_first;  // Text1: its counts and steps
  std::string fewest;         // Text2: the fewest's counts
  std::string always;         // Text6: does largest first always do?
  std::string ways;           // Text7: the ways, and the work

  friend bool operator==(const ExploreState&, const ExploreState&) = default;
};

// The window's actions. Choosing a ready-made set fills the value boxes with it,
// empties the till's and answers; "Изчисли" (or Enter in a box) answers all three questions. Input
// that is wrong says what is wrong in `message` and changes nothing else.
void ChooseReadySet(ExploreState& state, int ready_set);
void Explore(ExploreState& state);
// What a screen reader is told of the answers.
std::string ExploreAnnouncement(const ExploreState& state);

}  // namespace banknotes
