#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "logic/form_state.h"

namespace banknotes {

// Practice: the pupil answers first, the program checks and explains. Two
// exercises: paying an amount with the fewest banknotes ("Плащане"), and finding
// every way to split a sum into 20, 10, 5, 2 and 1 ("Разбиване"). Tasks come from
// a random source the caller seeds; answers are checked by the same rules as the
// main window's "Въведи" and "Изведи"; every text the pupil reads is made here.
// It knows nothing of windows.

// The same numbers for the same seed on every platform.
using PracticeRandom = std::mt19937;

enum class Exercise { Payment, Split };
// Amounts from 1 up to 100, 1000 (the default) or 10000.
enum class PaymentRange { UpTo100, UpTo1000, UpTo10000 };
// Sums from 5 to 10 (the default) or from 11 to 20.
enum class SplitRange { From5To10, From11To20 };
inline constexpr int kPaymentRanges = 3, kSplitRanges = 2;
inline constexpr std::int32_t kLargestAmounts[kPaymentRanges] = {100, 1000, 10000};
struct SumRange {
  std::int32_t smallest, largest;
};
inline constexpr SumRange kSumRanges[kSplitRanges] = {{5, 10}, {11, 20}};

// A uniform draw from lo to hi, the same on every standard library.
std::int32_t Uniform(PracticeRandom& random, std::int32_t lo, std::int32_t hi);
std::int32_t DrawAmount(PracticeRandom& random, PaymentRange range);
std::int32_t DrawSum(PracticeRandom& random, SplitRange range);

// One step of the greedy rule: from what is `left`, the largest banknote that
// fits, and what `remains`.
struct GreedyStep {
  std::int32_t left, banknote, remains;
  friend bool operator==(const GreedyStep&, const GreedyStep&) = default;
};
// The tasks as the pupil reads them: "Изплатете 306 с възможно най-малко
// банкноти.", "Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1."
std::string PaymentTask(std::int32_t amount);
std::string SplitTask(std::int32_t sum);

// One step as the pupil reads it: "87: най-голямата банкнота, която се побира, е
// 50; остават 37."
std::string StepText(const GreedyStep& step);

// The steps "Въведи" takes for an amount, one banknote a step, down to 0; none
// for an amount below 1 or above kLargestExplainedAmount, where a step a
// banknote would be more than anyone reads.
inline constexpr std::int32_t kLargestExplainedAmount = 1'000'000;
std::vector<GreedyStep> GreedySteps(std::int32_t amount);
// How many banknotes the greedy rule pays an amount with; 0 for an amount below 1.
std::int64_t FewestBanknotes(std::int32_t amount);

// A pupil's payment: how many of each banknote, 100 first.
using BanknoteCounts = std::array<int, kDenominations>;
struct PaymentCheck {
  enum Verdict { WrongSum, NotFewest, Fewest } verdict;
  std::int64_t sum;
  std::int64_t banknotes;         // the pupil's
  std::int64_t fewest;            // the greedy rule's
  std::vector<GreedyStep> steps;  // how the greedy rule pays it
};
// A payment with a negative count is a wrong one, whatever it sums to.
PaymentCheck CheckPayment(std::int32_t amount, const BanknoteCounts& counts);

// A way to split a sum: how many of 20, 10, 5, 2 and 1.
inline constexpr std::size_t kSplitValues = 5;
inline constexpr std::array<int, kSplitValues> kSplitValueList = {20, 10, 5, 2, 1};
using Way = std::array<int, kSplitValues>;

// The largest sum the two characters of "Сума за разбиване" hold.
inline constexpr std::int32_t kLargestSplitSum = 99;

// The hunt for every way of one sum: the ways as "Изведи" lists them, in its
// order, and which of them the pupil found or had shown.
class SplitHunt {
 public:
  enum Verdict { WrongSum, Repeated, Shown, New, AllFound };
  struct Check {
    Verdict verdict;
    std::int64_t sum;  // the way's
  };

  // The ways of sums from 0 to kLargestSplitSum, as "Изведи" lists them; any
  // other sum has none. A way with a negative count is a wrong way.
  explicit SplitHunt(std::int32_t sum = 0);
  std::int32_t sum() const { return sum_; }
  std::size_t ways() const { return lines_.size(); }
  std::size_t found() const;
  Check Try(const Way& way);
  void ShowAll();
  // The ways found and shown, in the listing's order, in its line format; a
  // shown one marked as such.
  std::vector<std::string> Lines() const;

 private:
  enum Mark : char { kHidden, kFound, kShown };
  std::int32_t sum_;
  std::vector<std::string> lines_;
  std::vector<Mark> marks_;
};

// What the practice window's controls hold, as FormState is the main window's.
// The window reads its controls into it, Practice works on it, and the window
// writes it back.
struct PracticeState {
  Exercise exercise = Exercise::Payment;  // Option1: "Плащане" or "Разбиване"
  PaymentRange payment_range = PaymentRange::UpTo1000;  // Option2
  SplitRange split_range = SplitRange::From5To10;       // Option3
  std::string task;                                     // Label1_0
  std::array<std::string, kDenominations> counts;       // Text2: banknotes paid, 100 first
  std::string sum;                                      // Text3_0: the sum to split
  std::array<std::string, kSplitValues> way;            // Text4: a way, 20 first
  std::string answer;                                   // Text1: the answer, then the steps
  std::string tally;                                    // Label1_1
  std::vector<std::string> found;                       // List1_0: "Намерени начини"

  friend bool operator==(const PracticeState&, const PracticeState&) = default;
};

// The practice window's buttons, by index.
inline constexpr int kCheckButton = 0;      // "Провери"
inline constexpr int kNewTaskButton = 1;    // "Нова задача"
inline constexpr int kShowAllButton = 2;    // "Покажи всички"
inline constexpr int kWorksheetButton = 3;  // "Работен лист…", on the desktop

// One practice session: the random source, the amount to pay and the hunt, and
// the tally of tasks right at the first check. Nothing of it outlives the window.
class Practice {
 public:
  // Its first task of each exercise drawn from the ranges given, as a
  // worksheet of the same number and ranges draws its first tasks.
  explicit Practice(std::uint32_t seed, PaymentRange payment_range = PaymentRange::UpTo1000,
                    SplitRange split_range = SplitRange::From5To10);

  // Sets the chosen exercise's task, answer, tally and list on the form: at
  // start and whenever the pupil chooses the other exercise.
  void Show(PracticeState& form) const;
  // A button of the window on the chosen exercise. A range chosen asks for a new
  // task (kNewTaskButton).
  void Click(PracticeState& form, int button);

 private:
  void CheckPaymentOf(PracticeState& form);
  void CheckWayOf(PracticeState& form);

  PracticeRandom random_;
  std::int32_t amount_;
  bool checked_ = false;  // the amount has been checked once
  int right_first_time_ = 0;
  int checked_tasks_ = 0;
  SplitHunt hunt_;
};

}  // namespace banknotes
