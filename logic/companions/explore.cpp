#include "logic/companions/explore.h"

#include <algorithm>
#include <optional>

#include "logic/form/number_rules.h"
#include "logic/money/amount_text.h"
#include "logic/money/duration_text.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"
#include "logic/money/till.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

// How the window writes its numbers: whole values as they are typed, or, where
// any box holds a comma or a point, amounts in euro and cents, held as cents.
struct Units {
  bool cents = false;

  // An amount: "388", or "3,88 €".
  std::string Amount(std::int64_t n) const { return cents ? CentsText(n) : Quantity(n); }
  // A number in a sum or a step: "388", or "3,88".
  std::string Term(std::int64_t n) const { return cents ? CentsNumber(n) : Quantity(n); }
  std::string Sum(const ValueSet& values, const Payment& payment) const {
    return AsSum(values, payment, cents ? &CentsNumber : nullptr);
  }
  std::string Pieces(const ValueSet& values, const Payment& payment) const {
    return cents ? PiecesInCents(values, payment) : PiecesWith(values, payment);
  }
  std::vector<std::string> Division(const ValueSet& values, std::int64_t amount) const {
    return cents ? DivisionLinesInCents(values, amount) : DivisionLinesWith(values, amount);
  }
  // "банкноти и монети" for the euro, "монети" for any other set.
  std::string PiecesNamed(const ValueSet& values) const {
    return cents || values == EuroValues() ? "банкноти и монети" : "монети";
  }
};

// How largest first pays, a line a value it uses.
std::string StepsText(const Units& units, const ValueSet& values, std::int64_t amount) {
  std::string text;
  for (const std::string& line : units.Division(values, amount)) text.append("\n").append(line);
  return text;
}

// The same from a till: a value the till has too few of takes what there is.
std::string TillStepsText(const Units& units, const ValueSet& values, const TillCounts& till,
                          std::int64_t amount) {
  std::string text;
  std::int64_t left = amount;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::int64_t fit = left / values[i];
    if (fit == 0) continue;
    const std::int64_t taken = till[i] ? std::min(fit, *till[i]) : fit;
    text.append("\n").append(units.Term(left)).append(" : ").append(units.Term(values[i]));
    text.append(" = ")
        .append(Quantity(fit))
        .append(", остатък ")
        .append(units.Term(left % values[i]));
    if (taken < fit)
      text.append(", но в касата ")
          .append(taken == 0 ? "няма" : "има само " + Quantity(taken))
          .append(" → остават ")
          .append(units.Term(left - taken * values[i]));
    left -= taken * values[i];
  }
  return text;
}

std::string LargestFirstText(const Units& units, const ValueSet& values, const TillCounts& till,
                             std::int64_t amount, const Payment& greedy) {
  const bool limited = std::any_of(till.begin(), till.end(), [](const auto& n) { return !!n; });
  std::string text = greedy.paid ? units.Pieces(values, greedy) + ": " + units.Sum(values, greedy)
                                 : "Не се изплаща: остава " + units.Amount(greedy.left) + ".";
  return text +
         (limited ? TillStepsText(units, values, till, amount) : StepsText(units, values, amount));
}

std::string FewestText(const Units& units, const ValueSet& values, const Payment& fewest) {
  return fewest.paid ? units.Pieces(values, fewest) + ": " + units.Sum(values, fewest)
                     : "Не може да се изплати.";
}

std::string Verdict(const Units& units, const ValueSet& values, std::int64_t amount,
                    const Payment& greedy, const Payment& fewest, bool limited) {
  if (!fewest.paid)
    return units.Amount(amount) + (limited ? " не може да се изплати от тази каса."
                                           : " не може да се изплати с тези стойности.");
  if (!greedy.paid)
    return "Алчният алгоритъм не изплаща " + units.Amount(amount) + ": остава " +
           units.Amount(greedy.left) + ". А може с " + units.Pieces(values, fewest) + ".";
  if (greedy.banknotes > fewest.banknotes)
    return "Алчният алгоритъм дава " + units.Pieces(values, greedy) + ", а може и с " +
           units.Pieces(values, fewest) + ".";
  return "Алчният алгоритъм дава най-малко: " + units.Pieces(values, greedy) + ".";
}

// With a till of limits, up to what it holds in all, or the window's largest amount.
std::string TillAlwaysText(const Units& units, const ValueSet& values, const TillCounts& till,
                           std::int64_t largest) {
  std::int64_t held = 0;
  bool limited = true;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (till[i])
      held += *till[i] * values[i];
    else
      limited = false;
  const std::int64_t most = limited ? std::min(held, largest) : largest;
  if (const auto failure = SmallestTillFailure(values, till, most))
    return "С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката сума, при която "
           "греши: " +
           TillFailureText(values, till, *failure, units.cents ? &CentsNumber : nullptr);
  return "С тази каса алчният алгоритъм дава най-малко за всяка сума, която касата може да "
         "изплати: проверени са всички суми до " +
         units.Amount(most) + ".";
}

std::string AlwaysText(const Units& units, const ValueSet& values, const GreedyCheck& check) {
  switch (check.kind) {
    case GreedyCheck::Always:
      return "Алчният алгоритъм винаги дава най-малко " + units.PiecesNamed(values) +
             ": проверени са всички суми до " + units.Amount(check.checked) +
             ", а по-нататък не е нужно.";
    case GreedyCheck::FailsAt:
      return "Най-малката сума, за която алчният алгоритъм не дава най-малко: " +
             units.Amount(check.amount) + " (" +
             units.Sum(values, LargestFirst(values, check.amount)) + ", а може " +
             units.Sum(values, Fewest(values, check.amount)) + ").";
    case GreedyCheck::Unpayable:
      break;
  }
  return "С тези стойности не всяка сума може да се изплати: най-малката, която не може, е " +
         units.Amount(check.amount) + ".";
}

std::string WaysText(const Units& units, const ValueSet& values, std::int64_t sum) {
  const Trial trial = TryEveryCombination(values, sum);
  return "Начини да се получи " + units.Amount(sum) + ": " +
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
         (units.cents ? Counted(sum, Noun::Cent) : Quantity(sum)) + " × " +
         Quantity(static_cast<std::int64_t>(values.size())) + ").";
}

// A box's amount in cents, none for an empty box, or what is wrong; whole
// numbers are read by ReadWhole.
WholeRead ReadNumber(const Units& units, const std::string& text, std::int64_t most,
                     const std::string& what) {
  if (!units.cents) return ReadWhole(text, most, what);
  if (text.empty()) return {};
  const AmountRead read = ReadAmount(text, kLargestCents);
  if (!read.cents) return {{}, what + " трябва да е сума в евро, например 0,50."};
  if (*read.cents < 1 || *read.cents > most)
    return {{},
            what + " не може да е " + CentsText(*read.cents) +
                ": въведете сума от 0,01\u00a0€ до " + CentsText(most) + "."};
  return {*read.cents, ""};
}

// Whether any box the pupil types a number in holds a comma or a point.
bool InCents(const ExploreState& state) {
  const auto decimal = [](const std::string& text) {
    return text.find_first_of(",.") != std::string::npos;
  };
  return std::any_of(state.values.begin(), state.values.end(), decimal) || decimal(state.amount) ||
         decimal(state.sum);
}

}  // namespace

void ChooseReadySet(ExploreState& state, int ready_set) {
  state.ready_set = std::clamp(ready_set, 0, static_cast<int>(kExploreReadySets) - 1);
  // The euro with cents in its amounts' own writing, the others as numbers.
  const bool cents = state.ready_set == kEuroCentsSet;
  const ValueSet& values = cents ? EuroCentValues() : ReadySetValues(state.ready_set);
  for (std::size_t i = 0; i < kMaxValues; ++i) {
    state.values[i] = i >= values.size() ? ""
                      : cents            ? CentsNumber(values[i])
                                         : Quantity(values[i]);
    state.till[i].clear();
  }
  Explore(state);
}

void Explore(ExploreState& state) {
  const Units units{InCents(state)};
  // In cents, a value up to 1000 € (the euro's 500 € note and more), and
  // amounts up to 100 €, as many cents as whole numbers go up to.
  const std::int64_t largest_value = units.cents ? 1000 * 100 : kLargestValue;
  // Each value with what the till holds of it.
  std::vector<std::pair<int, std::optional<std::int64_t>>> held;
  std::string wrong;
  for (std::size_t i = 0; i < kMaxValues && wrong.empty(); ++i) {
    const std::string n = Quantity(static_cast<std::int64_t>(i) + 1);
    const WholeRead value = ReadNumber(units, state.values[i], largest_value, "Стойност " + n);
    const WholeRead count = ReadWhole(state.till[i], kMostInTill, "Броят в касата " + n, 0);
    wrong = value.wrong.empty() ? count.wrong : value.wrong;
    if (wrong.empty() && count.number && !value.number)
      wrong = "Броят в касата " + n + " стои до празна стойност: въведете стойност " + n +
              " или изтрийте броя.";
    if (!value.number) continue;
    if (std::any_of(held.begin(), held.end(),
                    [&](const auto& one) { return one.first == *value.number; }))
      wrong = "Стойността " + units.Term(*value.number) + " е въведена два пъти.";
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
  const WholeRead amount =
      ReadNumber(units, state.amount, kLargestExploredAmount, "Сумата за плащане");
  const WholeRead sum = ReadNumber(units, state.sum, kLargestExploredAmount, "Сумата за разбиване");
  if (wrong.empty()) wrong = amount.wrong.empty() ? sum.wrong : amount.wrong;
  if (!wrong.empty()) {
    state.message = wrong;
    return;
  }
  state.message.clear();
  if (amount.number) {
    const Payment greedy = LargestFirstFrom(values, till, *amount.number);
    const Payment fewest = FewestFrom(values, till, *amount.number);
    state.verdict = Verdict(units, values, *amount.number, greedy, fewest, limited);
    state.largest_first = LargestFirstText(units, values, till, *amount.number, greedy);
    state.fewest = FewestText(units, values, fewest);
  } else {
    state.verdict = "Въведете сума за плащане, за да сравните двата начина.";
    state.largest_first.clear();
    state.fewest.clear();
  }
  state.always = limited ? TillAlwaysText(units, values, till, kLargestExploredAmount)
                         : AlwaysText(units, values, CheckLargestFirst(values));
  state.ways = sum.number ? WaysText(units, values, *sum.number)
                          : "Въведете сума за разбиване, за да преброите начините.";
}

std::string ExploreAnnouncement(const ExploreState& state) {
  if (!state.message.empty()) return state.message;
  return state.verdict + " " + state.always + " " + state.ways.substr(0, state.ways.find('\n'));
}

}  // namespace banknotes
