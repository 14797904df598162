#include "logic/companions/explore.h"

#include <algorithm>
#include <optional>

#include "logic/form/number_rules.h"
#include "logic/money/duration_text.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"
#include "logic/money/till.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

// How largest first pays, a line a value it uses.
std::string StepsText(const ValueSet& values, std::int64_t amount) {
  std::string text;
  for (const std::string& line : DivisionLinesWith(values, amount)) text.append("\n").append(line);
  return text;
}

// The same from a till: a value the till has too few of takes what there is.
std::string TillStepsText(const ValueSet& values, const TillCounts& till, std::int64_t amount) {
  std::string text;
  std::int64_t left = amount;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::int64_t fit = left / values[i];
    if (fit == 0) continue;
    const std::int64_t taken = till[i] ? std::min(fit, *till[i]) : fit;
    text.append("\n").append(Quantity(left)).append(" : ").append(Quantity(values[i]));
    text.append(" = ")
        .append(Quantity(fit))
        .append(", остатък ")
        .append(Quantity(left % values[i]));
    if (taken < fit)
      text.append(", но в касата ")
          .append(taken == 0 ? "няма" : "има само " + Quantity(taken))
          .append(" → остават ")
          .append(Quantity(left - taken * values[i]));
    left -= taken * values[i];
  }
  return text;
}

std::string LargestFirstText(const ValueSet& values, const TillCounts& till, std::int64_t amount,
                             const Payment& greedy) {
  const bool limited = std::any_of(till.begin(), till.end(), [](const auto& n) { return !!n; });
  std::string text = greedy.paid ? PiecesWith(values, greedy) + ": " + AsSum(values, greedy)
                                 : "Не се изплаща: остава " + Quantity(greedy.left) + ".";
  return text + (limited ? TillStepsText(values, till, amount) : StepsText(values, amount));
}

std::string FewestText(const ValueSet& values, const Payment& fewest) {
  return fewest.paid ? PiecesWith(values, fewest) + ": " + AsSum(values, fewest)
                     : "Не може да се изплати.";
}

// "банкноти и монети" for the euro, "монети" for any other set.
std::string PiecesNamed(const ValueSet& values) {
  return values == EuroValues() ? "банкноти и монети" : "монети";
}

std::string Verdict(const ValueSet& values, std::int64_t amount, const Payment& greedy,
                    const Payment& fewest, bool limited) {
  if (!fewest.paid)
    return Quantity(amount) + (limited ? " не може да се изплати от тази каса."
                                       : " не може да се изплати с тези стойности.");
  if (!greedy.paid)
    return "Алчният алгоритъм не изплаща " + Quantity(amount) + ": остава " +
           Quantity(greedy.left) + ". А може с " + PiecesWith(values, fewest) + ".";
  if (greedy.banknotes > fewest.banknotes)
    return "Алчният алгоритъм дава " + PiecesWith(values, greedy) + ", а може и с " +
           PiecesWith(values, fewest) + ".";
  return "Алчният алгоритъм дава най-малко: " + PiecesWith(values, greedy) + ".";
}

// With a till of limits, up to what it holds in all, or the window's largest amount.
std::string TillAlwaysText(const ValueSet& values, const TillCounts& till) {
  std::int64_t held = 0;
  bool limited = true;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (till[i])
      held += *till[i] * values[i];
    else
      limited = false;
  const std::int64_t most =
      limited ? std::min<std::int64_t>(held, kLargestExploredAmount) : kLargestExploredAmount;
  if (const auto failure = SmallestTillFailure(values, till, most))
    return "С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката сума, при която "
           "греши: " +
           TillFailureText(values, till, *failure);
  return "С тази каса алчният алгоритъм дава най-малко за всяка сума, която касата може да "
         "изплати: проверени са всички суми до " +
         Quantity(most) + ".";
}

std::string AlwaysText(const ValueSet& values, const GreedyCheck& check) {
  switch (check.kind) {
    case GreedyCheck::Always:
      return "Алчният алгоритъм винаги дава най-малко " + PiecesNamed(values) +
             ": проверени са всички суми до " + Quantity(check.checked) +
             ", а по-нататък не е нужно.";
    case GreedyCheck::FailsAt:
      return "Най-малката сума, за която алчният алгоритъм не дава най-малко: " +
             Quantity(check.amount) + " (" + AsSum(values, LargestFirst(values, check.amount)) +
             ", а може " + AsSum(values, Fewest(values, check.amount)) + ").";
    case GreedyCheck::Unpayable:
      break;
  }
  return "С тези стойности не всяка сума може да се изплати: най-малката, която не може, е " +
         Quantity(check.amount) + ".";
}

std::string WaysText(const ValueSet& values, std::int64_t sum) {
  const Trial trial = TryEveryCombination(values, sum);
  return "Начини да се получи " + Quantity(sum) + ": " +
         QuantityOfDigits(CountWays(values, sum).Digits()) +
         ".\nОпитване на всички комбинации (за всяка стойност по един цикъл, вложен в цикъла на "
         "предишната): " +
         CountedOfDigits(trial.combinations.Digits(), Noun::Combination) + ", " +
         (trial.estimated
              ? "около " + DurationText(trial.seconds) + " (оценка по измерената скорост)"
              : DurationText(trial.seconds) + " (измерено)") +
         ".\nБроене с динамично програмиране (начините за всяка сума се получават от вече "
         "преброените за по-малките суми): " +
         Counted(static_cast<std::int64_t>(CountSteps(values, sum)), Noun::Step) + " (" +
         Quantity(sum) + " × " + Quantity(static_cast<std::int64_t>(values.size())) + ").";
}

// A box's whole number from 1 to `most`, none for an empty box, or what is wrong.
struct Read {
  std::optional<std::int64_t> number;
  std::string wrong;
};
Read ReadWhole(const std::string& text, std::int64_t most, const std::string& what,
               std::int64_t least = 1) {
  if (text.empty()) return {};
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::string range = Quantity(least) + " до " + Quantity(most);
  if (!digits || text.size() > 6) return {{}, what + " трябва да е цяло число от " + range + "."};
  const std::int64_t number = std::stoll(text);
  if (number < least || number > most)
    return {{}, what + " не може да е " + Quantity(number) + ": въведете число от " + range + "."};
  return {number, ""};
}

}  // namespace

void ChooseReadySet(ExploreState& state, int ready_set) {
  state.ready_set = std::clamp(ready_set, 0, static_cast<int>(kReadySets) - 1);
  const ValueSet& values = ReadySetValues(state.ready_set);
  for (std::size_t i = 0; i < kMaxValues; ++i) {
    state.values[i] = i < values.size() ? Quantity(values[i]) : "";
    state.till[i].clear();
  }
  Explore(state);
}

void Explore(ExploreState& state) {
  // Each value with what the till holds of it.
  std::vector<std::pair<int, std::optional<std::int64_t>>> held;
  std::string wrong;
  for (std::size_t i = 0; i < kMaxValues && wrong.empty(); ++i) {
    const std::string n = Quantity(static_cast<std::int64_t>(i) + 1);
    const Read value = ReadWhole(state.values[i], kLargestValue, "Стойност " + n);
    const Read count = ReadWhole(state.till[i], kMostInTill, "Броят в касата " + n, 0);
    wrong = value.wrong.empty() ? count.wrong : value.wrong;
    if (wrong.empty() && count.number && !value.number)
      wrong = "Броят в касата " + n + " стои до празна стойност: въведете стойност " + n +
              " или изтрийте броя.";
    if (!value.number) continue;
    if (std::any_of(held.begin(), held.end(),
                    [&](const auto& one) { return one.first == *value.number; }))
      wrong = "Стойността " + Quantity(*value.number) + " е въведена два пъти.";
    held.emplace_back(static_cast<int>(*value.number), count.number);
  }
  std::sort(held.begin(), held.end(),
            [](const auto& a, const auto& b) { return a.first > b.first; });
  ValueSet values;
  TillCounts till;
  for (const auto& [value, count] : held) {
    values.push_back(value);
    till.push_back(count);
  }
  const bool limited = std::any_of(till.begin(), till.end(), [](const auto& n) { return !!n; });
  if (wrong.empty() && values.empty()) wrong = "Въведете поне една стойност.";
  const Read amount = ReadWhole(state.amount, kLargestExploredAmount, "Сумата за плащане");
  const Read sum = ReadWhole(state.sum, kLargestExploredAmount, "Сумата за разбиване");
  if (wrong.empty()) wrong = amount.wrong.empty() ? sum.wrong : amount.wrong;
  if (!wrong.empty()) {
    state.message = wrong;
    return;
  }
  state.message.clear();
  if (amount.number) {
    const Payment greedy = LargestFirstFrom(values, till, *amount.number);
    const Payment fewest = FewestFrom(values, till, *amount.number);
    state.verdict = Verdict(values, *amount.number, greedy, fewest, limited);
    state.largest_first = LargestFirstText(values, till, *amount.number, greedy);
    state.fewest = FewestText(values, fewest);
  } else {
    state.verdict = "Въведете сума за плащане, за да сравните двата начина.";
    state.largest_first.clear();
    state.fewest.clear();
  }
  state.always =
      limited ? TillAlwaysText(values, till) : AlwaysText(values, CheckLargestFirst(values));
  state.ways = sum.number ? WaysText(values, *sum.number)
                          : "Въведете сума за разбиване, за да преброите начините.";
}

std::string ExploreAnnouncement(const ExploreState& state) {
  if (!state.message.empty()) return state.message;
  return state.verdict + " " + state.always + " " + state.ways.substr(0, state.ways.find('\n'));
}

}  // namespace banknotes
