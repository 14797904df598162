#include "logic/companions/practice.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>
#include <string_view>

#include "logic/form/actions.h"
#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"
#include "logic/money/values.h"

namespace banknotes {
namespace {

// ---- Every text the pupil reads.

// So many of each of the wallet's values, 100 € first.
using WalletTally = std::array<std::int64_t, kWalletValues>;

std::string WrongSum(Cents sum, Cents wanted) {
  return "Сумата е " + MoneyText(sum) + ", а трябва да е " + MoneyText(wanted) + ".";
}

std::string WrongChange(Cents sum, Cents wanted) {
  return "Рестото е " + MoneyText(sum) + ", а трябва да е " + MoneyText(wanted) + ".";
}

// The fewest of `values` (cents) for an amount; largest first gives them, as it
// does with the euro's every value.
std::vector<std::int64_t> FewestIn(const ValueSet& values, Cents amount) {
  return CountsIn(WalletCents(), values, LargestFirst(values, amount));
}

std::string PiecesOfWallet(std::span<const std::int64_t> counts) {
  std::int64_t banknotes = 0, coins = 0;
  for (std::size_t k = 0; k < counts.size() && k < kWalletValues; ++k)
    (WalletCents()[k] < 500 ? coins : banknotes) += counts[k];
  return Pieces(banknotes, coins);
}

// Largest first's lines: a whole amount's as they have always read, one with
// cents with its cents.
std::vector<std::string> LargestFirstLines(const ValueSet& values, Cents amount) {
  if (amount % 100 != 0 ||
      std::any_of(values.begin(), values.end(), [](int value) { return value % 100 != 0; })) {
    return DivisionLinesInCents(values, amount);
  }
  ValueSet euros;
  for (const int value : values) euros.push_back(value / 100);
  return DivisionLines(static_cast<std::int32_t>(amount / 100), euros);
}

// What was paid against the fewest, and how largest first pays it.
std::string NotFewest(std::string_view right, const std::string& paid, const ValueSet& values,
                      Cents amount) {
  std::string text = std::string(right) + ", но с " + paid + ". Може и с " +
                     PiecesOfWallet(FewestIn(values, amount)) + ":";
  for (const std::string& line : LargestFirstLines(values, amount)) text.append("\n").append(line);
  return text;
}

std::string Fewest(const std::string& paid) { return "Вярно! " + paid + " – по-малко не може."; }

// How a shop assistant counts the change up from the price, coin by coin.
std::string CountedUp(const ChangeTask& task) {
  std::string text = "\nПродавачът брои от цената нагоре, със същите банкноти и монети:";
  for (const std::string& line : CountingUp(task)) text.append("\n").append(line);
  return text;
}

// How many are enough, and nothing of which.
std::string Hint(std::int64_t fewest) {
  if (fewest == 1) return "Стига една банкнота или монета.";
  return "Стигат най-малко " + Quantity(fewest) + " банкноти и монети.";
}

std::string Tally(int right, int all) {
  return "Верни от първия път: " + Quantity(right) + " от " + Quantity(all);
}

constexpr std::string_view kLastLevel = "Това е най-горното ниво: суми до 10\u00a0000.";
constexpr std::string_view kLastLevelWithCents =
    "Това е най-горното ниво с центове: суми до 100\u00a0€.";

std::string NotYet(int right) {
  return "Следващото ниво идва след " + Quantity(kRightForNextLevel) +
         " задачи, решени вярно от първия път. Дотук: " + Quantity(right) + ".";
}

std::string NewWay(std::size_t found, std::size_t ways) {
  return (found == 1
              ? "Нов начин! Намерен е 1 от "
              : "Нов начин! Намерени са " + Quantity(static_cast<std::int64_t>(found)) + " от ") +
         Counted(static_cast<std::int64_t>(ways), Noun::Way) + ".";
}

std::string AllFound(std::size_t ways) {
  if (ways == 1) return "Браво! Намерен е единственият начин.";
  return "Браво! Намерени са всички " + Quantity(static_cast<std::int64_t>(ways)) + " начина.";
}

std::string AllShown(std::size_t ways, std::size_t found) {
  return (ways == 1 ? std::string("Показан е единственият начин")
                    : "Показани са всички " + Counted(static_cast<std::int64_t>(ways), Noun::Way)) +
         "; намерени от вас: " + Quantity(static_cast<std::int64_t>(found)) + ".";
}

constexpr std::string_view kRepeated = "Този начин вече е намерен.";
constexpr std::string_view kAlreadyShown = "Този начин вече е показан.";
constexpr std::string_view kNotASum = "Сумата трябва да е цяло число от 1 до 99.";
constexpr std::string_view kShownMark = " (показан)";

// ---- Numbers.

// What a count box holds: digits only, an empty box 0.
int CountOf(const std::string& text) {
  int count = 0;
  for (const char digit : text)
    if (digit >= '0' && digit <= '9') count = std::min(count * 10 + (digit - '0'), 1'000'000);
  return count;
}

// The sum a pupil typed, read by the main window's rules: a whole number from 1
// to 99, or 0 for anything else.
std::int32_t SumOf(const std::string& text) {
  double sum = 0;
  try {
    sum = ReadNumber(text);
  } catch (const NumberError&) {
    return 0;
  }
  return sum >= 1 && sum <= kLargestSplitSum && sum == std::floor(sum)
             ? static_cast<std::int32_t>(sum)
             : 0;
}

}  // namespace

namespace {

// So many of each of the wallet's values, 100 € first, as a list's lines and
// its heaps drawn.
void ListPieces(std::span<const std::int64_t> counts, std::vector<std::string>& lines,
                std::vector<Heap>& drawn) {
  drawn.clear();
  lines.clear();
  for (std::size_t k = 0; k < counts.size() && k < kWalletValues; ++k) {
    if (counts[k] <= 0) continue;
    drawn.push_back({WalletCents()[k], counts[k]});
    lines.push_back(PiecesOfCents(counts[k], WalletCents()[k]));
  }
}

WalletCounts CountsOf(const PracticeState& form) {
  WalletCounts counts{};
  for (std::size_t k = 0; k < kWalletValues; ++k) counts[k] = CountOf(form.counts[k]);
  return counts;
}

// What a count box's three digits hold at most.
constexpr int kMostOfOne = 999;

Cents PaidSum(const PracticeState& form) {
  const WalletCounts counts = CountsOf(form);
  Cents sum = 0;
  for (std::size_t k = 0; k < kWalletValues; ++k)
    sum += static_cast<Cents>(counts[k]) * WalletCents()[k];
  return sum;
}

}  // namespace

PaymentCheck CheckPaymentInCents(Cents amount, const WalletCounts& counts, const ValueSet& values) {
  const std::vector<std::int64_t> fewest = FewestIn(values, amount);
  PaymentCheck check{
      PaymentCheck::WrongSum, 0, 0,
      amount < 1 ? 0 : std::accumulate(fewest.begin(), fewest.end(), std::int64_t{0})};
  bool negative = false;
  for (std::size_t k = 0; k < kWalletValues; ++k) {
    check.sum += static_cast<std::int64_t>(counts[k]) * WalletCents()[k];
    check.banknotes += counts[k];
    negative = negative || counts[k] < 0;
  }
  if (check.sum == amount && !negative)
    check.verdict = check.banknotes > check.fewest ? PaymentCheck::NotFewest : PaymentCheck::Fewest;
  return check;
}

PaymentCheck CheckPayment(std::int32_t amount, const BanknoteCounts& counts, PaymentRange level) {
  WalletCounts wallet{};
  std::copy(counts.begin(), counts.end(), wallet.begin());
  PaymentCheck check = CheckPaymentInCents(Cents{100} * amount, wallet, LevelCents(level));
  check.sum /= 100;
  return check;
}

// "Изведи" itself lists the ways.
SplitHunt::SplitHunt(std::int32_t sum) : sum_(sum) {
  if (sum < 0 || sum > kLargestSplitSum) return;
  FormState form;
  form.Text3[kSum] = Quantity(sum);
  if (dispatch(form, kListButton) == Outcome::Success) lines_ = form.List1[kSplits].lines();
  marks_.assign(lines_.size(), kHidden);
}

std::size_t SplitHunt::found() const { return std::count(marks_.begin(), marks_.end(), kFound); }

SplitHunt::Check SplitHunt::Try(const Way& way) {
  std::int64_t total = 0;
  for (std::size_t i = 0; i < kSplitValues; ++i)
    total += static_cast<std::int64_t>(way[i]) * kSplitValueList[i];
  const bool negative = std::any_of(way.begin(), way.end(), [](int count) { return count < 0; });
  if (total != sum_ || negative) return {WrongSum, total};
  const std::string line = SplitLine(way[4], way[3], way[2], way[1], way[0], sum_);
  const auto at = std::find(lines_.begin(), lines_.end(), line);
  if (at == lines_.end()) return {WrongSum, total};  // a sum past what "Изведи" lists
  Mark& mark = marks_[static_cast<std::size_t>(at - lines_.begin())];
  if (mark != kHidden) return {mark == kFound ? Repeated : Shown, total};
  mark = kFound;
  return {found() == ways() ? AllFound : New, total};
}

void SplitHunt::ShowAll() {
  for (Mark& mark : marks_)
    if (mark == kHidden) mark = kShown;
}

std::vector<std::string> SplitHunt::Lines() const {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (marks_[i] == kFound) lines.push_back(lines_[i]);
    if (marks_[i] == kShown) lines.push_back(lines_[i] + std::string(kShownMark));
  }
  return lines;
}

Practice::Practice(std::uint32_t seed, PaymentRange payment_range, SplitRange split_range)
    : random_(seed), level_(payment_range), change_range_(ChangeRange::UpTo10) {
  amount_ = DrawAmountInCents(random_, payment_range);
  hunt_ = SplitHunt(DrawSum(random_, split_range));
  change_ = DrawChangeTask(random_, kLargestPrices[static_cast<std::size_t>(change_range_)]);
}

namespace {

// Where a level's or a range of the change's tally is kept.
std::size_t TallyAt(PaymentRange level) { return static_cast<std::size_t>(level); }
std::size_t TallyAt(ChangeRange range) { return kLevels + static_cast<std::size_t>(range); }

// The answer to a payment checked, or to change given with the task's, and the
// fewest drawn once the sum is right; a wrong sum gives nothing away.
void Explain(PracticeState& form, const PaymentCheck& check, const WalletCounts& counts,
             const ValueSet& values, Cents amount, const ChangeTask* change) {
  WalletTally paid{};
  std::copy(counts.begin(), counts.end(), paid.begin());
  const std::string counted_up = change ? CountedUp(*change) : "";
  switch (check.verdict) {
    case PaymentCheck::WrongSum:
      form.answer = change ? WrongChange(check.sum, amount) : WrongSum(check.sum, amount);
      break;
    case PaymentCheck::NotFewest:
      form.answer = NotFewest(change ? "Рестото е вярно" : "Сумата е вярна", PiecesOfWallet(paid),
                              values, amount) +
                    counted_up;
      break;
    case PaymentCheck::Fewest:
      form.answer = Fewest(PiecesOfWallet(paid)) + counted_up;
      break;
  }
  form.fewest.clear();
  form.fewest_drawn.clear();
  if (check.verdict == PaymentCheck::WrongSum) return;
  ListPieces(FewestIn(values, amount), form.fewest, form.fewest_drawn);
}

}  // namespace

void Practice::Show(PracticeState& form) {
  form.answer.clear();
  form.fewest.clear();
  form.fewest_drawn.clear();
  if (form.exercise != Exercise::Split && form.exercise != counts_of_) {
    std::swap(form.counts, other_counts_);
    counts_of_ = form.exercise;
  }
  switch (form.exercise) {
    case Exercise::Payment:
      form.task = PaymentTaskInCents(amount_);
      form.tally = TallyOf(TallyAt(level_), NextLevel(level_) != level_);
      form.found.clear();
      break;
    case Exercise::Split:
      form.task = SplitTask(hunt_.sum());
      form.sum = Quantity(hunt_.sum());
      form.tally.clear();
      form.found = hunt_.Lines();
      break;
    case Exercise::Change:
      form.task = ChangeTaskText(change_);
      form.tally = TallyOf(TallyAt(change_range_), false);
      form.found.clear();
      break;
  }
}

void Practice::Click(PracticeState& form, int button) {
  const Exercise exercise = form.exercise;
  const bool payment = exercise == Exercise::Payment;
  const bool split = exercise == Exercise::Split;
  if (button == kCheckButton) {
    if (split) return CheckWayOf(form);
    return payment ? CheckPaymentOf(form) : CheckChangeOf(form);
  }
  if (button == kNewTaskButton) {
    if (payment) {
      amount_ = DrawAmountInCents(random_, form.payment_range);
      level_ = form.payment_range;
      checked_ = false;
    } else if (split) {
      hunt_ = SplitHunt(DrawSum(random_, form.split_range));
      for (std::string& count : form.way) count.clear();
    } else {
      change_range_ = form.change_range;
      change_ = DrawChangeTask(random_, kLargestPrices[static_cast<std::size_t>(change_range_)]);
      change_checked_ = false;
    }
    if (!split && counts_of_ == exercise)
      for (std::string& count : form.counts) count.clear();
    return Show(form);
  }
  if (button == kNextLevelButton && payment) {
    const auto level = TallyAt(level_);
    if (NextLevel(level_) == level_) {
      form.answer = LevelHasCents(level_) ? kLastLevelWithCents : kLastLevel;
    } else if (right_first_time_[level] < kRightForNextLevel) {
      form.answer = NotYet(right_first_time_[level]);
    } else {
      form.payment_range = NextLevel(level_);
      Click(form, kNewTaskButton);
    }
    return;
  }
  if (button == kHintButton && payment) {
    form.answer = Hint(CheckPaymentInCents(amount_, {}, LevelCents(level_)).fewest);
    return;
  }
  if (button == kHintButton && exercise == Exercise::Change) {
    form.answer = Hint(ChangeOf(change_).banknotes);
    return;
  }
  if (button == kShowAllButton && split) {
    // A sum of the pupil's own starts its hunt first.
    const std::int32_t sum = SumOf(form.sum);
    if (sum == 0) {
      form.answer = kNotASum;
      return;
    }
    if (sum != hunt_.sum()) hunt_ = SplitHunt(sum);
    hunt_.ShowAll();
    form.task = SplitTask(sum);
    form.found = hunt_.Lines();
    form.answer = AllShown(hunt_.ways(), hunt_.found());
  }
}

std::string Practice::TallyOf(std::size_t tally, bool next_level) const {
  const bool open = next_level && right_first_time_[tally] >= kRightForNextLevel;
  return Tally(right_first_time_[tally], checked_tasks_[tally]) +
         (open ? " – може и „Следващо ниво“" : "");
}

void Practice::CountFirstCheck(std::size_t tally, bool fewest) {
  ++checked_tasks_[tally];
  if (fewest) ++right_first_time_[tally];
}

void Practice::CheckPaymentOf(PracticeState& form) {
  const WalletCounts counts = CountsOf(form);
  const ValueSet& values = LevelCents(level_);
  const PaymentCheck check = CheckPaymentInCents(amount_, counts, values);
  if (!checked_) {
    checked_ = true;
    CountFirstCheck(TallyAt(level_), check.verdict == PaymentCheck::Fewest);
  }
  form.tally = TallyOf(TallyAt(level_), NextLevel(level_) != level_);
  Explain(form, check, counts, values, amount_, nullptr);
}

void Practice::CheckChangeOf(PracticeState& form) {
  const WalletCounts counts = CountsOf(form);
  const Cents change = change_.paid - change_.price;
  const PaymentCheck check = CheckPaymentInCents(change, counts, WalletCents());
  if (!change_checked_) {
    change_checked_ = true;
    CountFirstCheck(TallyAt(change_range_), check.verdict == PaymentCheck::Fewest);
  }
  form.tally = TallyOf(TallyAt(change_range_), false);
  Explain(form, check, counts, WalletCents(), change, &change_);
}

void Practice::CheckWayOf(PracticeState& form) {
  const std::int32_t sum = SumOf(form.sum);
  if (sum == 0) {
    form.answer = kNotASum;
    return;
  }
  // A changed sum starts a new hunt.
  if (sum != hunt_.sum()) {
    hunt_ = SplitHunt(sum);
    form.task = SplitTask(sum);
  }
  Way way{};
  for (std::size_t i = 0; i < kSplitValues; ++i) way[i] = CountOf(form.way[i]);
  const SplitHunt::Check check = hunt_.Try(way);
  switch (check.verdict) {
    case SplitHunt::WrongSum:
      form.answer = WrongSum(Cents{100} * check.sum, Cents{100} * sum);
      break;
    case SplitHunt::Repeated:
      form.answer = kRepeated;
      break;
    case SplitHunt::Shown:
      form.answer = kAlreadyShown;
      break;
    case SplitHunt::New:
      form.answer = NewWay(hunt_.found(), hunt_.ways());
      break;
    case SplitHunt::AllFound:
      form.answer = AllFound(hunt_.ways());
      break;
  }
  form.found = hunt_.Lines();
}

void PayingWithMoney(PracticeState& form) {
  // The wallet holds the level's values only; at the till, every one.
  const ValueSet& level =
      form.exercise == Exercise::Change ? WalletCents() : LevelCents(form.payment_range);
  WalletTally counts{};
  for (std::size_t k = 0; k < kWalletValues; ++k) {
    const std::int64_t value = WalletCents()[k];
    const bool used = std::find(level.begin(), level.end(), value) != level.end();
    form.wallet[k] = used ? Heap{value, 1} : Heap{};
    counts[k] = CountOf(form.counts[k]);
  }
  ListPieces(counts, form.counter, form.counter_drawn);
  // The chosen line stays where it was, or the last where that is gone.
  if (form.counter.empty())
    form.counter_line.reset();
  else if (form.counter_line && *form.counter_line >= form.counter.size())
    form.counter_line = form.counter.size() - 1;
  form.paid = "Сума: " + MoneyText(PaidSum(form));
}

void PutOnCounter(PracticeState& form, std::size_t k) {
  if (k >= kWalletValues) return;
  const int count = CountOf(form.counts[k]);
  if (count < kMostOfOne) form.counts[k] = Quantity(count + 1);
  PayingWithMoney(form);
}

void TakeBack(PracticeState& form) {
  // With no line chosen yet, the first.
  const std::size_t chosen = form.counter_line.value_or(0);
  std::size_t line = 0;
  for (std::size_t k = 0; k < kWalletValues; ++k) {
    const int count = CountOf(form.counts[k]);
    if (count == 0 || line++ != chosen) continue;
    form.counts[k] = count == 1 ? "" : Quantity(count - 1);
    break;
  }
  PayingWithMoney(form);
}

std::string PaidAnnouncement(const PracticeState& form) {
  // Said as words, "7 евро и 35 цента", not as a number a reader may spell out.
  const Cents sum = PaidSum(form);
  std::string said = "Сума: ";
  if (sum % 100 == 0 || sum >= 100) said.append(Quantity(sum / 100)).append(" евро");
  if (sum % 100 != 0 && sum >= 100) said.append(" и ");
  if (sum % 100 != 0) said.append(Counted(sum % 100, Noun::Cent));
  return said;
}

std::string PracticeAnnouncement(const PracticeState& before, const PracticeState& after) {
  if (!after.answer.empty()) return after.answer.substr(0, after.answer.find('\n'));
  if (after.task != before.task) return after.task;
  return "";
}

}  // namespace banknotes
