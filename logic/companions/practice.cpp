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

std::string Euro(std::int64_t amount) { return Quantity(amount) + "\u00a0€"; }

std::string WrongSum(std::int64_t sum, std::int64_t wanted) {
  return "Сумата е " + Euro(sum) + ", а трябва да е " + Euro(wanted) + ".";
}

// The fewest of a level's values for an amount, as counts of the euro's seven;
// largest first gives them, as it does with the euro's whole set.
std::array<std::int64_t, kDenominations> FewestOf(PaymentRange level, std::int32_t amount) {
  return AsEuroCounts(LevelValues(level), LargestFirst(LevelValues(level), amount));
}

// What was paid against the fewest, and how largest first pays it.
std::string NotFewest(const std::string& paid, PaymentRange level, std::int32_t amount) {
  std::string text =
      "Сумата е вярна, но с " + paid + ". Може и с " + PiecesOf(FewestOf(level, amount)) + ":";
  for (const std::string& line : DivisionLines(amount, LevelValues(level)))
    text.append("\n").append(line);
  return text;
}

std::string Fewest(const std::string& paid) { return "Вярно! " + paid + " – по-малко не може."; }

// How many are enough, and nothing of which.
std::string Hint(std::int64_t fewest) {
  if (fewest == 1) return "Стига една банкнота или монета.";
  return "Стигат най-малко " + Quantity(fewest) + " банкноти и монети.";
}

std::string Tally(int right, int all) {
  return "Верни от първия път: " + Quantity(right) + " от " + Quantity(all);
}

constexpr std::string_view kLastLevel = "Това е най-горното ниво: суми до 10\u00a0000.";

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

// So many of each euro value, 100 first, as a list's lines and its heaps drawn.
void ListPieces(std::span<const std::int64_t> counts, std::vector<std::string>& lines,
                std::vector<Heap>& drawn) {
  drawn = EuroHeaps(counts);
  lines.clear();
  for (const Heap& heap : drawn) lines.push_back(PiecesOfValue(heap.count, heap.cents / 100));
}

// What a count box's three digits hold at most.
constexpr int kMostOfOne = 999;

std::int64_t PaidSum(const PracticeState& form) {
  std::int64_t sum = 0;
  for (std::size_t k = 0; k < kDenominations; ++k)
    sum += static_cast<std::int64_t>(CountOf(form.counts[k])) * EuroValues()[k];
  return sum;
}

}  // namespace

PaymentCheck CheckPayment(std::int32_t amount, const BanknoteCounts& counts, PaymentRange level) {
  const auto fewest = FewestOf(level, amount);
  PaymentCheck check{
      PaymentCheck::WrongSum, 0, 0,
      amount < 1 ? 0 : std::accumulate(fewest.begin(), fewest.end(), std::int64_t{0})};
  bool negative = false;
  for (std::size_t k = 0; k < kDenominations; ++k) {
    check.sum += static_cast<std::int64_t>(counts[k]) * EuroValues()[k];
    check.banknotes += counts[k];
    negative = negative || counts[k] < 0;
  }
  if (check.sum == amount && !negative)
    check.verdict = check.banknotes > check.fewest ? PaymentCheck::NotFewest : PaymentCheck::Fewest;
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
    : random_(seed), level_(payment_range) {
  amount_ = DrawAmount(random_, payment_range);
  hunt_ = SplitHunt(DrawSum(random_, split_range));
}

void Practice::Show(PracticeState& form) const {
  form.answer.clear();
  form.fewest.clear();
  form.fewest_drawn.clear();
  if (form.exercise == Exercise::Payment) {
    form.task = PaymentTask(amount_);
    form.tally = TallyOf(level_);
    form.found.clear();
  } else {
    form.task = SplitTask(hunt_.sum());
    form.sum = Quantity(hunt_.sum());
    form.tally.clear();
    form.found = hunt_.Lines();
  }
}

void Practice::Click(PracticeState& form, int button) {
  const bool payment = form.exercise == Exercise::Payment;
  if (button == kCheckButton) return payment ? CheckPaymentOf(form) : CheckWayOf(form);
  if (button == kNewTaskButton) {
    if (payment) {
      amount_ = DrawAmount(random_, form.payment_range);
      level_ = form.payment_range;
      checked_ = false;
      for (std::string& count : form.counts) count.clear();
    } else {
      hunt_ = SplitHunt(DrawSum(random_, form.split_range));
      for (std::string& count : form.way) count.clear();
    }
    return Show(form);
  }
  if (button == kNextLevelButton && payment) {
    const auto level = static_cast<std::size_t>(level_);
    if (NextLevel(level_) == level_) {
      form.answer = kLastLevel;
    } else if (right_first_time_[level] < kRightForNextLevel) {
      form.answer = NotYet(right_first_time_[level]);
    } else {
      form.payment_range = NextLevel(level_);
      Click(form, kNewTaskButton);
    }
    return;
  }
  if (button == kHintButton && payment) {
    form.answer = Hint(CheckPayment(amount_, {}, level_).fewest);
    return;
  }
  if (button == kShowAllButton && !payment) {
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

std::string Practice::TallyOf(PaymentRange level) const {
  const auto at = static_cast<std::size_t>(level);
  const bool open = right_first_time_[at] >= kRightForNextLevel && NextLevel(level) != level;
  return Tally(right_first_time_[at], checked_tasks_[at]) +
         (open ? " – може и „Следващо ниво“" : "");
}

void Practice::CheckPaymentOf(PracticeState& form) {
  BanknoteCounts counts{};
  for (std::size_t k = 0; k < kDenominations; ++k) counts[k] = CountOf(form.counts[k]);
  const PaymentCheck check = CheckPayment(amount_, counts, level_);
  if (!checked_) {
    checked_ = true;
    ++checked_tasks_[static_cast<std::size_t>(level_)];
    if (check.verdict == PaymentCheck::Fewest)
      ++right_first_time_[static_cast<std::size_t>(level_)];
  }
  form.tally = TallyOf(level_);
  std::array<std::int64_t, kDenominations> paid{};
  std::copy(counts.begin(), counts.end(), paid.begin());
  switch (check.verdict) {
    case PaymentCheck::WrongSum:
      form.answer = WrongSum(check.sum, amount_);
      break;
    case PaymentCheck::NotFewest:
      form.answer = NotFewest(PiecesOf(paid), level_, amount_);
      break;
    case PaymentCheck::Fewest:
      form.answer = Fewest(PiecesOf(paid));
      break;
  }
  // The fewest drawn once the sum is right; a wrong sum gives nothing away.
  form.fewest.clear();
  form.fewest_drawn.clear();
  if (check.verdict == PaymentCheck::WrongSum) return;
  ListPieces(FewestOf(level_, amount_), form.fewest, form.fewest_drawn);
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
      form.answer = WrongSum(check.sum, sum);
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
  const ValueSet& level = LevelValues(form.payment_range);
  std::array<std::int64_t, kDenominations> counts{};
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const std::int64_t value = EuroValues()[k];
    // The wallet holds the level's values only.
    const bool used = std::find(level.begin(), level.end(), value) != level.end();
    form.wallet[k] = used ? Heap{value * 100, 1} : Heap{};
    counts[k] = CountOf(form.counts[k]);
  }
  ListPieces(counts, form.counter, form.counter_drawn);
  // The chosen line stays where it was, or the last where that is gone.
  if (form.counter.empty())
    form.counter_line.reset();
  else if (form.counter_line && *form.counter_line >= form.counter.size())
    form.counter_line = form.counter.size() - 1;
  form.paid = "Сума: " + Euro(PaidSum(form));
}

void PutOnCounter(PracticeState& form, std::size_t k) {
  if (k >= kDenominations) return;
  const int count = CountOf(form.counts[k]);
  if (count < kMostOfOne) form.counts[k] = Quantity(count + 1);
  PayingWithMoney(form);
}

void TakeBack(PracticeState& form) {
  // With no line chosen yet, the first.
  const std::size_t chosen = form.counter_line.value_or(0);
  std::size_t line = 0;
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const int count = CountOf(form.counts[k]);
    if (count == 0 || line++ != chosen) continue;
    form.counts[k] = count == 1 ? "" : Quantity(count - 1);
    break;
  }
  PayingWithMoney(form);
}

std::string PaidAnnouncement(const PracticeState& form) {
  return "Сума: " + Quantity(PaidSum(form)) + " евро";
}

std::string PracticeAnnouncement(const PracticeState& before, const PracticeState& after) {
  if (!after.answer.empty()) return after.answer.substr(0, after.answer.find('\n'));
  if (after.task != before.task) return after.task;
  return "";
}

}  // namespace banknotes
