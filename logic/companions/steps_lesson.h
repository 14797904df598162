#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logic/companions/steps.h"
#include "logic/money/drawn_money.h"

namespace banknotes {

// The window "Стъпка по стъпка" as a lesson: an algorithm chosen, its input
// typed, its run stepped, played on a timer, undone and restarted, the pupil
// answering for the algorithm where it decides, and how the work grows. It
// keeps the run and whether it plays; what is typed and shown is the state's.
// It knows nothing of controls or timers: a tick asked for is a number.

// How fast "Пусни" steps: one step a second up to one a frame of the screen.
inline constexpr int kStepSpeeds = 4;
inline constexpr int kStepMilliseconds[kStepSpeeds] = {1000, 250, 50, 16};

// What the window shows: one of the algorithms, or how their work grows.
inline constexpr int kGrowthView = kStepAlgorithms;

struct StepsState {
  int view = 0;  // a StepAlgorithm, or kGrowthView
  // What the boxes hold at start is the window's table's.
  std::string amount;  // paid largest first
  std::string sum;     // split, or its ways counted
  std::string payment_values;
  std::string split_values;
  CodeLanguage language = CodeLanguage::Bulgarian;
  int speed = 1;               // of kStepMilliseconds
  bool pupil_decides = false;  // "Ти си алгоритъмът"
  std::vector<std::string> code;
  std::optional<std::size_t> line;  // the line run last
  std::string variables;
  std::vector<std::string> made;
  std::string counters;
  std::string message;  // the last step, or what is wrong
  std::string question;
  std::string answer;
  std::string verdict;
  std::string tally;
  std::string limit;  // how the work grows, for sums up to it
  Picture chart;
  std::vector<std::string> figures;
  std::string growth_message;
};

enum class StepsAction {
  Input,   // the view, a sum or the values changed
  Redraw,  // the code's language or the speed chosen
  Step,
  Back,
  Play,
  Stop,
  Tick,  // the time a tick asked for has passed
  ToEnd,
  Restart,
  Decide,  // who decides chosen
  Answer,  // the pupil's answer given
  Growth,  // how the work grows, shown for the limit typed
};

struct StepsReply {
  std::string said;
  int tick_after_ms = 0;  // more than 0: tick again after so long
};

// The largest sum each algorithm takes: a payment's, a table of ways', and the
// combinations tried one by one.
inline constexpr std::int64_t kLargestStepPayment = 1'000'000;
inline constexpr std::int64_t kLargestStepSum = 10'000;
inline constexpr std::uint64_t kMostStepCombinations = 10'000'000;

class StepsLesson {
 public:
  // The run of what the state holds, or where it holds something wrong, the
  // state's message says so.
  void Open(StepsState& state);
  StepsReply Act(StepsState& state, StepsAction action);

 private:
  // A new run where the input differs from the run's; false where the input
  // is wrong, said in the state's message.
  bool Follow(StepsState& state);
  void Show(StepsState& state) const;

  StepsReply Do(StepsState& state, StepsAction action);
  StepsReply Grow(StepsState& state);

  struct Input {
    StepAlgorithm algorithm;
    ValueSet values;
    std::int64_t amount;
    friend bool operator==(const Input&, const Input&) = default;
  };
  std::optional<Input> input_;
  std::optional<StepRun> run_;
  bool playing_ = false;
  // How the work grows, as last shown: drawn and written once, as every use
  // (a tick of a run too) writes them to the window again.
  Picture growth_chart_;
  std::vector<std::string> growth_lines_;
};

// The values a pupil types, "100, 50, 20": whole numbers, largest first once
// read; or what is wrong.
struct ValuesRead {
  std::optional<ValueSet> values;
  std::string wrong;
};
ValuesRead ReadValues(const std::string& text);

// How the work grows as a chart on logarithmic scales: the combinations tried
// (a whole line, round marks) and the counting's steps (a dashed line, square
// marks) against the sum, with a line of each power of ten.
Picture GrowthChart(const std::vector<GrowthRow>& rows);

}  // namespace banknotes
