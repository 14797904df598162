#include "logic/companions/explore.h"

#include <algorithm>
#include <optional>

#include "logic/form/number_rules.h"
#include "logic/money/duration_text.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"
#include "logic/money/ways.h"

namespace banknotes {
namespace {

// How largest first pays, a line a value it uses.
std::string StepsText(const ValueSet& values, std::int64_t amount) {
  std::string text;
  for (const std::string& line : DivisionLinesWith(values, amount)) text.append("\n").append(line);
  return text;
}

std::string LargestFirstText(const ValueSet& values, std::int64_t amount, const Payment& greedy) {
  std::string text = greedy.paid ? PiecesWith(values, greedy) + ": " + AsSum(values, greedy)
                                 : "Не се изплаща: остава " + Quantity(greedy.left) + ".";
  return text + StepsText(values, amount);
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
                    const Payment& fewest) {
  if (!fewest.paid) return Quantity(amount) + " не може да се изплати с тези стойности.";
  if (!greedy.paid)
    return "Алчният алгоритъм не изплаща " + Quantity(amount) + ": остава " +
           Quantity(greedy.left) + ". А може с " + PiecesWith(values, fewest) + ".";
  if (greedy.banknotes > fewest.banknotes)
    return "Алчният алгоритъм дава " + PiecesWith(values, greedy) + ", а може и с " +
           PiecesWith(values, fewest) + ".";
  return "Алчният алгоритъм дава най-малко: " + PiecesWith(values, greedy) + ".";
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
Read ReadWhole(const std::string& text, std::int64_t most, const std::string& what) {
  if (text.empty()) return {};
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || text.size() > 6)
    return {{}, what + " трябва да е цяло число от 1 до " + Quantity(most) + "."};
  const std::int64_t number = std::stoll(text);
  if (number < 1 || number > most)
    return {{},
            what + " не може да е " + Quantity(number) + ": въведете число от 1 до " +
                Quantity(most) + "."};
  return {number, ""};
}

}  // namespace

void ChooseReadySet(ExploreState& state, int ready_set) {
  state.ready_set = std::clamp(ready_set, 0, static_cast<int>(kReadySets) - 1);
  const ValueSet& values = ReadySetValues(state.ready_set);
  for (std::size_t i = 0; i < kMaxValues; ++i)
    state.values[i] = i < values.size() ? Quantity(values[i]) : "";
  Explore(state);
}

void Explore(ExploreState& state) {
  ValueSet values;
  std::string wrong;
  for (std::size_t i = 0; i < kMaxValues && wrong.empty(); ++i) {
    const Read value = ReadWhole(state.values[i], kLargestValue,
                                 "Стойност " + Quantity(static_cast<std::int64_t>(i) + 1));
    wrong = value.wrong;
    if (!value.number) continue;
    if (std::find(values.begin(), values.end(), *value.number) != values.end())
      wrong = "Стойността " + Quantity(*value.number) + " е въведена два пъти.";
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
    state.verdict = Verdict(values, *amount.number, greedy, fewest);
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
