#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "logic/form/form_state.h"
#include "logic/money/change.h"
#include "logic/money/drawn_money.h"
#include "logic/money/tasks.h"

namespace banknotes {

// Practice: the pupil answers first, the program checks and explains. Three
// exercises: paying an amount with the fewest banknotes and coins ("Плащане"),
// finding every way to split a sum into 20, 10, 5, 2 and 1 ("Разбиване"), and
// giving change at the till with the fewest ("Ресто"). Tasks come from
// a random source the caller seeds; answers are checked by the same rules as the
// main window's "Въведи" and "Изведи"; every text the pupil reads is made here.
// It knows nothing of windows.

enum class Exercise { Payment, Split, Change };

// The change's prices: up to 10 € or up to 100 €.
enum class ChangeRange { UpTo10, UpTo100 };
inline constexpr int kChangeRanges = 2;
inline constexpr Cents kLargestPrices[kChangeRanges] = {1000, 10000};

// A pupil's payment: how many of each banknote, 100 first.
using BanknoteCounts = std::array<int, kDenominations>;
// The same with the coins of cents after them.
using WalletCounts = std::array<int, kWalletValues>;
struct PaymentCheck {
  enum Verdict { WrongSum, NotFewest, Fewest } verdict;
  std::int64_t sum;
  std::int64_t banknotes;  // the pupil's, notes and coins
  std::int64_t fewest;     // the greedy rule's, with the level's values
};
// A payment with a negative count is a wrong one, whatever it sums to. Any of
// the seven values pays; the fewest are counted with the level's, so that 10
// at the first level is 5 + 5.
PaymentCheck CheckPayment(std::int32_t amount, const BanknoteCounts& counts,
                          PaymentRange level = PaymentRange::UpTo1000);
// The same in cents, the sum too, with every value of the wallet, the fewest
// counted with `values` (cents, largest first; the euro's, so largest first
// gives the fewest).
PaymentCheck CheckPaymentInCents(Cents amount, const WalletCounts& counts, const ValueSet& values);

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
  Exercise exercise = Exercise::Payment;  // Option1: "Плащане", "Разбиване" or "Ресто"
  PaymentRange payment_range = PaymentRange::UpTo1000;  // Option2: the level
  SplitRange split_range = SplitRange::From5To10;       // Option3
  ChangeRange change_range = ChangeRange::UpTo10;       // Option4
  std::string task;                                     // Label1_0
  std::array<std::string, kWalletValues> counts;        // Text2: paid or given, 100 € first
  std::string sum;                                      // Text3_0: the sum to split
  std::array<std::string, kSplitValues> way;            // Text4: a way, 20 first
  std::string answer;                                   // Text1: the answer, then the steps
  std::string tally;                                    // Label1_1
  std::vector<std::string> found;                       // List1_0: "Намерени начини"
  std::array<Heap, kWalletValues> wallet;   // Command2: one of each, drawn, 100 € first
  std::vector<std::string> counter;         // List2_0: what is paid, a line a value
  std::vector<Heap> counter_drawn;          // List2_0: the same drawn
  std::optional<std::size_t> counter_line;  // List2_0: the line chosen
  std::string paid;                         // Label5_0: "Сума: 130 €"
  std::vector<std::string> fewest;          // List3_0: the fewest, once the right sum is checked
  std::vector<Heap> fewest_drawn;           // List3_0: the same drawn

  friend bool operator==(const PracticeState&, const PracticeState&) = default;
};

// The practice window's buttons, by index.
inline constexpr int kCheckButton = 0;      // "Провери"
inline constexpr int kNewTaskButton = 1;    // "Нова задача"
inline constexpr int kShowAllButton = 2;    // "Покажи всички"
inline constexpr int kWorksheetButton = 3;  // "Работен лист…", on the desktop
inline constexpr int kHintButton = 4;       // "Подсказка", before a payment is checked
inline constexpr int kNextLevelButton = 5;  // "Следващо ниво", after three right
// Tasks right at the first check that open the next level.
inline constexpr int kRightForNextLevel = 3;

// One practice session: the random source, the amount to pay and the hunt, and
// the tally of tasks right at the first check. Nothing of it outlives the window.
class Practice {
 public:
  // Its first task of each exercise drawn from the ranges given, as a
  // worksheet of the same number and ranges draws its first tasks.
  explicit Practice(std::uint32_t seed, PaymentRange payment_range = PaymentRange::UpTo1000,
                    SplitRange split_range = SplitRange::From5To10);

  // Sets the chosen exercise's task, answer, tally and list on the form: at
  // start and whenever the pupil chooses another exercise. The payment and the
  // change share the count boxes; each keeps its own counts while the other is
  // shown.
  void Show(PracticeState& form);
  // A button of the window on the chosen exercise. A range chosen asks for a new
  // task (kNewTaskButton).
  void Click(PracticeState& form, int button);

 private:
  void CheckPaymentOf(PracticeState& form);
  void CheckChangeOf(PracticeState& form);
  // Counts a task's first check in its tally.
  void CountFirstCheck(std::size_t tally, bool fewest);
  std::string TallyOf(std::size_t tally, bool next_level) const;
  void CheckWayOf(PracticeState& form);

  PracticeRandom random_;
  Cents amount_;
  PaymentRange level_;    // the amount's
  bool checked_ = false;  // the amount has been checked once
  ChangeTask change_;
  ChangeRange change_range_;  // the change's
  bool change_checked_ = false;
  // A tally a level, by PaymentRange, then one a range of the change.
  std::array<int, kLevels + kChangeRanges> right_first_time_{};
  std::array<int, kLevels + kChangeRanges> checked_tasks_{};
  SplitHunt hunt_;
  // Whose counts the form's boxes hold, and the other's.
  Exercise counts_of_ = Exercise::Payment;
  std::array<std::string, kWalletValues> other_counts_;
};

// Paying with the drawn money: the wallet's value `k` (100 € first) put on the
// counter, or one of the counter's chosen line taken back; the count boxes and
// the counter always say the same. PayingWithMoney writes the counter and its
// sum from the boxes, after a box was typed in too.
void PutOnCounter(PracticeState& form, std::size_t k);
void TakeBack(PracticeState& form);
void PayingWithMoney(PracticeState& form);
// What a screen reader is told after a note or coin was put or taken back.
std::string PaidAnnouncement(const PracticeState& form);

// What a screen reader is told after an action: the answer's first line, or the
// task when a new one is set; empty when nothing is to be said.
std::string PracticeAnnouncement(const PracticeState& before, const PracticeState& after);

}  // namespace banknotes
