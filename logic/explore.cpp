#include "logic/explore.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "logic/duration_text.h"
#include "logic/form_state.h"
#include "logic/number_rules.h"
#include "logic/practice.h"

namespace banknotes {

// ---- BigCount.

namespace {
constexpr std::uint32_t kLimb = 1'000'000'000;
}

BigCount::BigCount(std::uint64_t value) {
  for (; value > 0; value /= kLimb) limbs_.push_back(static_cast<std::uint32_t>(value % kLimb));
}

BigCount& BigCount::operator+=(const BigCount& other) {
  if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0);
  std::uint32_t carry = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::uint64_t digit =
        std::uint64_t{limbs_[i]} + carry + (i < other.limbs_.size() ? other.limbs_[i] : 0);
    carry = digit >= kLimb;
    limbs_[i] = static_cast<std::uint32_t>(digit % kLimb);
  }
  if (carry) limbs_.push_back(carry);
  return *this;
}

BigCount& BigCount::operator*=(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t digit = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(digit % kLimb);
    carry = digit / kLimb;
  }
  for (; carry > 0; carry /= kLimb) limbs_.push_back(static_cast<std::uint32_t>(carry % kLimb));
  if (factor == 0) limbs_.clear();
  return *this;
}

bool BigCount::AtMost(std::uint64_t limit) const {
  if (limbs_.size() > 2)
    return limit >= 1'000'000'000'000'000'000u && ToDouble() <= static_cast<double>(limit);
  const std::uint64_t value = (limbs_.size() > 0 ? limbs_[0] : 0) +
                              (limbs_.size() > 1 ? std::uint64_t{limbs_[1]} * kLimb : 0);
  return value <= limit;
}

double BigCount::ToDouble() const {
  double value = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) value = value * kLimb + limbs_[i];
  return value;
}

std::string BigCount::Digits() const {
  if (limbs_.empty()) return "0";
  std::string digits = std::to_string(limbs_.back());
  for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
    char limb[10];
    std::snprintf(limb, sizeof limb, "%09u", static_cast<unsigned>(limbs_[i]));
    digits += limb;
  }
  return digits;
}

// ---- Paying.

Payment LargestFirst(const ValueSet& values, std::int64_t amount) {
  Payment payment;
  payment.left = std::max<std::int64_t>(amount, 0);
  for (const int value : values) {
    const std::int64_t count = payment.left / value;
    payment.counts.push_back(count);
    payment.banknotes += count;
    payment.left -= count * value;
  }
  payment.paid = amount >= 0 && payment.left == 0;
  return payment;
}

namespace {

constexpr int kNone = INT_MAX;

// The fewest banknotes for every amount from 0 to `most`, and for each the
// index of the value such a payment starts with: the largest that can.
struct FewestTable {
  std::vector<int> banknotes;
  std::vector<int> first;
};

FewestTable FewestUpTo(const ValueSet& values, std::int64_t most) {
  FewestTable table{std::vector<int>(static_cast<std::size_t>(most) + 1, kNone),
                    std::vector<int>(static_cast<std::size_t>(most) + 1, -1)};
  table.banknotes[0] = 0;
  for (std::size_t amount = 1; amount < table.banknotes.size(); ++amount)
    for (std::size_t i = 0; i < values.size(); ++i) {
      const auto value = static_cast<std::size_t>(values[i]);
      if (value > amount || table.banknotes[amount - value] == kNone) continue;
      if (table.banknotes[amount - value] + 1 < table.banknotes[amount]) {
        table.banknotes[amount] = table.banknotes[amount - value] + 1;
        table.first[amount] = static_cast<int>(i);
      }
    }
  return table;
}

Payment FewestFrom(const FewestTable& table, const ValueSet& values, std::int64_t amount) {
  Payment payment;
  payment.counts.assign(values.size(), 0);
  if (amount < 0 || table.banknotes[static_cast<std::size_t>(amount)] == kNone) {
    payment.left = amount;
    return payment;
  }
  for (std::int64_t left = amount; left > 0;) {
    const int i = table.first[static_cast<std::size_t>(left)];
    ++payment.counts[static_cast<std::size_t>(i)];
    left -= values[static_cast<std::size_t>(i)];
  }
  payment.banknotes = table.banknotes[static_cast<std::size_t>(amount)];
  payment.paid = true;
  return payment;
}

}  // namespace

Payment Fewest(const ValueSet& values, std::int64_t amount) {
  return FewestFrom(FewestUpTo(values, std::max<std::int64_t>(amount, 0)), values, amount);
}

GreedyCheck CheckLargestFirst(const ValueSet& values) {
  GreedyCheck check;
  if (values.empty() || values.back() != 1) {
    // No payment makes 1.
    check.kind = GreedyCheck::Unpayable;
    check.amount = 1;
    return check;
  }
  check.checked = values.size() < 2 ? 1 : values[0] + values[1] - 1;
  const FewestTable table = FewestUpTo(values, check.checked);
  for (std::int64_t amount = 1; amount <= check.checked; ++amount)
    if (LargestFirst(values, amount).banknotes >
        table.banknotes[static_cast<std::size_t>(amount)]) {
      check.kind = GreedyCheck::FailsAt;
      check.amount = amount;
      return check;
    }
  return check;
}

std::vector<GreedyStep> LargestFirstSteps(const ValueSet& values, std::int64_t amount,
                                          std::int64_t most) {
  std::vector<GreedyStep> steps;
  std::int64_t left = amount;
  for (const int value : values)
    for (; left >= value && static_cast<std::int64_t>(steps.size()) < most; left -= value)
      steps.push_back(
          {static_cast<std::int32_t>(left), value, static_cast<std::int32_t>(left - value)});
  return steps;
}

// ---- Counting.

BigCount CountWays(const ValueSet& values, std::int64_t sum) {
  if (sum < 0) return 0;
  std::vector<BigCount> ways(static_cast<std::size_t>(sum) + 1);
  ways[0] = 1;
  for (const int value : values)
    for (std::size_t amount = static_cast<std::size_t>(value); amount < ways.size(); ++amount)
      ways[amount] += ways[amount - static_cast<std::size_t>(value)];
  return ways.back();
}

BigCount Combinations(const ValueSet& values, std::int64_t sum) {
  BigCount combinations = sum < 0 ? 0 : 1;
  for (const int value : values) combinations *= static_cast<std::uint32_t>(sum / value + 1);
  return combinations;
}

std::uint64_t CountSteps(const ValueSet& values, std::int64_t sum) {
  return static_cast<std::uint64_t>(std::max<std::int64_t>(sum, 0)) * values.size();
}

namespace {

// Every combination, one count a value from 0 to sum / value, as nested loops
// run: at most `limit` of them. Says how many were tried and how many met the sum.
struct Tried {
  std::uint64_t combinations = 0, ways = 0;
};
Tried TryUpTo(const ValueSet& values, std::int64_t sum, std::uint64_t limit) {
  Tried tried;
  if (sum < 0) return tried;
  std::vector<std::int64_t> counts(values.size(), 0), bounds;
  for (const int value : values) bounds.push_back(sum / value);
  std::int64_t total = 0;
  while (tried.combinations < limit) {
    ++tried.combinations;
    if (total == sum) ++tried.ways;
    std::size_t i = 0;
    for (; i < values.size(); ++i) {
      if (counts[i] < bounds[i]) {
        ++counts[i];
        total += values[i];
        break;
      }
      total -= counts[i] * values[i];
      counts[i] = 0;
    }
    if (i == values.size()) break;
  }
  return tried;
}

double SecondsOf(const ValueSet& values, std::int64_t sum, std::uint64_t limit, Tried* tried) {
  const auto start = std::chrono::steady_clock::now();
  *tried = TryUpTo(values, sum, limit);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The loop's time once it runs at full speed. Its first run can be many times
// slower (WebAssembly is compiled better only after it has run), and another
// program can take the processor for a moment: so it runs once untimed, then
// the best of a few timed runs counts.
double WarmSecondsOf(const ValueSet& values, std::int64_t sum, std::uint64_t limit, Tried* tried) {
  SecondsOf(values, sum, limit, tried);
  double best = SecondsOf(values, sum, limit, tried), spent = best;
  for (int run = 0; run < 3 && spent < 0.05; ++run) {
    const double seconds = SecondsOf(values, sum, limit, tried);
    best = std::min(best, seconds);
    spent += seconds;
  }
  return best;
}

}  // namespace

Trial TryEveryCombination(const ValueSet& values, std::int64_t sum) {
  Trial trial;
  trial.combinations = Combinations(values, sum);
  Tried tried;
  if (trial.combinations.AtMost(kTimedCombinations)) {
    trial.seconds = WarmSecondsOf(values, sum, kTimedCombinations, &tried);
    trial.ways = tried.ways;
    return trial;
  }
  // A first part at the same rate as the whole.
  constexpr std::uint64_t kSample = 1'000'000;
  const double seconds = WarmSecondsOf(values, sum, kSample, &tried);
  trial.seconds = trial.combinations.ToDouble() * seconds / static_cast<double>(tried.combinations);
  trial.estimated = true;
  return trial;
}

// ---- Every text the window shows.

namespace {

std::string N(std::int64_t number) { return IntegerText(number); }

std::string Banknotes(std::int64_t count) {
  return N(count) + (count == 1 ? " банкнота" : " банкноти");
}

}  // namespace

std::string AsSum(const ValueSet& values, const Payment& payment) {
  std::string sum;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::int64_t count = payment.counts[i];
    if (count == 0) continue;
    const auto term = [&](const std::string& text) { sum += (sum.empty() ? "" : " + ") + text; };
    if (count <= 3)
      for (std::int64_t n = 0; n < count; ++n) term(N(values[i]));
    else
      term(N(count) + " × " + N(values[i]));
  }
  return sum.empty() ? "0" : sum;
}

namespace {

// The steps, as the practice window words them; past a screenful, how many more.
std::string StepsText(const ValueSet& values, std::int64_t amount, const Payment& greedy) {
  constexpr std::int64_t kShownSteps = 120;
  std::string text;
  for (const GreedyStep& step : LargestFirstSteps(values, amount, kShownSteps))
    text.append("\n").append(StepText(step));
  const std::int64_t steps = greedy.banknotes;
  if (steps > kShownSteps)
    text += "\n… и още " + N(steps - kShownSteps) + " стъпки по същото правило.";
  return text;
}

std::string LargestFirstText(const ValueSet& values, std::int64_t amount, const Payment& greedy) {
  std::string text = greedy.paid ? Banknotes(greedy.banknotes) + ": " + AsSum(values, greedy)
                                 : "Не се изплаща: остава " + N(greedy.left) + ".";
  return text + StepsText(values, amount, greedy);
}

std::string FewestText(const ValueSet& values, const Payment& fewest) {
  return fewest.paid ? Banknotes(fewest.banknotes) + ": " + AsSum(values, fewest)
                     : "Не може да се изплати.";
}

std::string Verdict(std::int64_t amount, const Payment& greedy, const Payment& fewest) {
  if (!fewest.paid) return N(amount) + " не може да се изплати с тези стойности.";
  if (!greedy.paid)
    return "Най-големите първо не изплащат " + N(amount) + ": остава " + N(greedy.left) +
           ". А може с " + Banknotes(fewest.banknotes) + ".";
  if (greedy.banknotes > fewest.banknotes)
    return "Най-големите първо дават " + Banknotes(greedy.banknotes) + ", а може и с " +
           N(fewest.banknotes) + ".";
  return "Най-големите първо дават най-малко банкноти: " + N(greedy.banknotes) + ".";
}

std::string AlwaysText(const ValueSet& values, const GreedyCheck& check) {
  switch (check.kind) {
    case GreedyCheck::Always:
      return "Най-големите първо винаги дават най-малко банкноти: проверени са всички суми до " +
             N(check.checked) + ", а по-нататък не е нужно.";
    case GreedyCheck::FailsAt:
      return "Най-малката сума, за която не дават най-малко: " + N(check.amount) + " (" +
             AsSum(values, LargestFirst(values, check.amount)) + ", а може " +
             AsSum(values, Fewest(values, check.amount)) + ").";
    case GreedyCheck::Unpayable:
      break;
  }
  return "С тези стойности не всяка сума може да се изплати: най-малката, която не може, е " +
         N(check.amount) + ".";
}

std::string WaysText(const ValueSet& values, std::int64_t sum) {
  const Trial trial = TryEveryCombination(values, sum);
  return "Начини да се получи " + N(sum) + ": " + GroupedDigits(CountWays(values, sum).Digits()) +
         ".\nОпитване на всички комбинации, по един вложен цикъл за стойност: " +
         GroupedDigits(trial.combinations.Digits()) + " комбинации, " +
         (trial.estimated
              ? "около " + DurationText(trial.seconds) + " (оценка по измерената скорост)"
              : DurationText(trial.seconds) + " (измерено)") +
         ".\nБроене с динамично програмиране: " +
         GroupedDigits(N(static_cast<std::int64_t>(CountSteps(values, sum)))) + " стъпки (" +
         N(sum) + " × " + N(static_cast<std::int64_t>(values.size())) + ").";
}

// A box's whole number from 1 to `most`, none for an empty box, or what is wrong.
struct Read {
  std::optional<std::int64_t> number;
  std::string wrong;
};
Read ReadWhole(const std::string& text, std::int64_t most, const std::string& what) {
  if (text.empty()) return {};
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || text.size() > 6)
    return {{}, what + " трябва да е цяло число от 1 до " + GroupedDigits(N(most)) + "."};
  const std::int64_t number = std::stoll(text);
  if (number < 1 || number > most)
    return {{},
            what + " е " + N(number) + ", а трябва да е от 1 до " + GroupedDigits(N(most)) + "."};
  return {number, ""};
}

}  // namespace

const ValueSet& EuroValues() {
  static const ValueSet values = [] {
    ValueSet denominations;
    for (const char* caption : kDenominationCaptions) denominations.push_back(std::stoi(caption));
    return denominations;
  }();
  return values;
}

const ValueSet& ReadySetValues(int ready_set) {
  static const ValueSet sets[kReadySets] = {
      EuroValues(), {25, 10, 5, 1}, {30, 24, 12, 6, 3, 1}, {4, 3, 1}};
  return sets[std::clamp(ready_set, 0, static_cast<int>(kReadySets) - 1)];
}

void ChooseReadySet(ExploreState& state, int ready_set) {
  state.ready_set = std::clamp(ready_set, 0, static_cast<int>(kReadySets) - 1);
  const ValueSet& values = ReadySetValues(state.ready_set);
  for (std::size_t i = 0; i < kMaxValues; ++i)
    state.values[i] = i < values.size() ? N(values[i]) : "";
  Explore(state);
}

void Explore(ExploreState& state) {
  ValueSet values;
  std::string wrong;
  for (std::size_t i = 0; i < kMaxValues && wrong.empty(); ++i) {
    const Read value = ReadWhole(state.values[i], kLargestValue,
                                 "Стойност " + N(static_cast<std::int64_t>(i) + 1));
    wrong = value.wrong;
    if (!value.number) continue;
    if (std::find(values.begin(), values.end(), *value.number) != values.end())
      wrong = "Стойността " + N(*value.number) + " е въведена два пъти.";
    values.push_back(static_cast<int>(*value.number));
  }
  if (wrong.empty() && values.empty()) wrong = "Въведете поне една стойност.";
  const Read amount = ReadWhole(state.amount, kLargestExploredAmount, "Сумата за плащане");
  const Read sum = ReadWhole(state.sum, kLargestExploredAmount, "Сумата за разбиване");
  if (wrong.empty()) wrong = amount.wrong.empty() ? sum.wrong : amount.wrong;
  if (!wrong.empty()) {
    state.message = wrong;
    return;
  }
  state.message.clear();
  std::sort(values.rbegin(), values.rend());
  if (amount.number) {
    const Payment greedy = LargestFirst(values, *amount.number);
    const Payment fewest = Fewest(values, *amount.number);
    state.verdict = Verdict(*amount.number, greedy, fewest);
    state.largest_first = LargestFirstText(values, *amount.number, greedy);
    state.fewest = FewestText(values, fewest);
  } else {
    state.verdict = "Въведете сума за плащане, за да сравните двата начина.";
    state.largest_first.clear();
    state.fewest.clear();
  }
  state.always = AlwaysText(values, CheckLargestFirst(values));
  state.ways = sum.number ? WaysText(values, *sum.number)
                          : "Въведете сума за разбиване, за да преброите начините.";
}

std::string ExploreAnnouncement(const ExploreState& state) {
  if (!state.message.empty()) return state.message;
  return state.verdict + " " + state.always + " " + state.ways.substr(0, state.ways.find('\n'));
}

}  // namespace banknotes
