#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logic/money/big_count.h"
#include "logic/money/values.h"

namespace banknotes {

// Step by step: the program's algorithms run one line of their code at a time,
// for a class to watch or for a pupil to be: largest first paying an amount,
// trying every combination of counts as "Изведи" lists the splits (nested
// loops that turn like an odometer), and counting the ways by dynamic
// programming, a table filled cell by cell. Each run can step on, go back a
// step (by running again from the start, so that every state is one the
// algorithm reaches), run to its end, and start again; it shows its code in
// Bulgarian or in C++, the line just run, each variable, what it has made so
// far and its counters. Numbers and texts only; it knows nothing of windows.

enum class StepAlgorithm { LargestFirst, EveryCombination, CountingWays };
inline constexpr int kStepAlgorithms = 3;

enum class CodeLanguage { Bulgarian, Cpp };

// What a pupil decides in "Ти си алгоритъмът" before the next line runs: one
// of `choices`, or a number typed where there are none.
struct StepQuestion {
  std::string question;
  std::vector<std::string> choices;
};

// The answer's check: right or not, and why the algorithm does otherwise.
struct StepVerdict {
  bool right = false;
  std::string said;
};

class StepRun {
 public:
  // `values`: distinct, largest first, each at least 1; `amount` from 0 up.
  StepRun(StepAlgorithm algorithm, ValueSet values, std::int64_t amount);

  StepAlgorithm algorithm() const { return algorithm_; }
  // Runs the next line; false when the run is over.
  bool Step();
  // Back one step, as far as the start.
  void Back();
  // On to the end, however many steps it takes, or at most `most` more.
  void ToEnd(std::int64_t most = INT64_MAX);
  void Restart();
  bool done() const { return done_; }
  std::int64_t steps() const { return steps_; }

  // The code, a line each; the line run last (none before the first step).
  std::vector<std::string> Code(CodeLanguage language) const;
  std::optional<std::size_t> line() const { return last_line_; }
  // Each variable with its value: "остатък = 206"; in C++, as the code names it.
  std::vector<std::string> Variables(CodeLanguage language) const;
  // What the algorithm has made so far: the notes and coins given, the lines
  // listed, the table's cells.
  std::vector<std::string> Made() const;
  // The counters: "Стъпки: 12", "Опитани комбинации: 3", "Попадения: 1".
  std::vector<std::string> Counters() const;
  // What a screen reader says of the last step: "ред 5: остават 206".
  std::string Said() const;

  // "Ти си алгоритъмът": the decision the next line takes, where it takes one.
  std::optional<StepQuestion> Question() const;
  // The pupil's answer to Question(): checked, then the line runs as the
  // algorithm runs it, whatever was answered.
  StepVerdict Answer(const std::string& answer);
  int right_answers() const { return right_answers_; }
  int answers() const { return answers_; }

 private:
  void Run();  // one line, the program counter's
  // Every combination: what the counters' combination sums to.
  std::int64_t Total() const;

  StepAlgorithm algorithm_;
  ValueSet values_;
  std::int64_t amount_;

  // Where the run is: the next line, the line run last, and what it has done.
  std::size_t next_ = 0;
  std::optional<std::size_t> last_line_;
  bool done_ = false;
  std::int64_t steps_ = 0;
  std::int64_t tried_ = 0;
  std::int64_t hits_ = 0;

  // Largest first: what is left, the value's index, how many given of each.
  std::int64_t left_ = 0;
  std::size_t value_ = 0;
  std::vector<std::int64_t> given_;
  // Every combination: each loop's counter, the outermost (the smallest
  // value) first, and the lines listed; each loop's value and last count,
  // worked out once, as a step is run millions of times.
  std::vector<std::int64_t> counters_;
  std::vector<std::int64_t> weights_;
  std::vector<std::int64_t> bounds_;
  std::vector<std::string> listed_;
  // Counting the ways: the table, and the sum the inner loop is at.
  std::vector<BigCount> ways_;
  std::int64_t sum_ = 0;

  int right_answers_ = 0;
  int answers_ = 0;
};

// How the work grows with the sum: what trying every combination tries, and
// the steps counting the ways takes, for sums from 1 to a limit, the sums in
// steps of 1, 2, 5 (1, 2, 5, 10, 20, 50 …) and the limit itself; the time of
// trying every combination measured where it is quick, and none where it is not.
struct GrowthRow {
  std::int64_t sum = 0;
  BigCount combinations;
  std::uint64_t steps = 0;
  std::optional<double> seconds;  // measured
};
inline constexpr std::int64_t kLargestGrowthSum = 10'000;
std::vector<GrowthRow> WorkGrowth(const ValueSet& values, std::int64_t limit);
// The same as a table's lines, for screen readers and for copying:
// "Сума 99: 5 000 000 комбинации, 495 стъпки, 0,05 с".
std::vector<std::string> WorkGrowthLines(const std::vector<GrowthRow>& rows);

}  // namespace banknotes
