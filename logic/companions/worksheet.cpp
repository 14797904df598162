#include "logic/companions/worksheet.h"

#include <algorithm>
#include <optional>
#include <set>

#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"
#include "logic/money/amount_text.h"
#include "logic/money/change.h"
#include "logic/money/number_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"
#include "logic/money/values.h"

namespace banknotes {
namespace {

// The largest amount a "largest first" task asks to pay.
constexpr std::int32_t kMostExploredAmount = 1000;

std::string N(std::int64_t number) { return IntegerText(number); }

std::string Numbered(std::size_t task, const std::string& text) {
  return N(static_cast<std::int64_t>(task)) + ". " + text;
}

// A count from 0 to kMostTasks, or none.
std::optional<int> Count(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int count = std::stoi(text);
  return count <= kMostTasks ? std::optional<int>(count) : std::nullopt;
}

std::optional<std::uint32_t> Number(const std::string& text) {
  if (text.empty() || text.size() > 10 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const unsigned long long number = std::stoull(text);
  return number <= 0xFFFFFFFFull ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(number))
                                 : std::nullopt;
}

// The lines "Изведи" lists for a sum, in its order.
std::vector<std::string> Listing(std::int32_t sum) {
  FormState form;
  form.Text3[kSum] = N(sum);
  dispatch(form, kListButton);
  return form.List1[kSplits].lines();
}

// The values of a set as a sentence names them: "4, 3 и 1".
std::string Named(const ValueSet& values) {
  std::vector<std::string> named;
  for (const int value : values) named.push_back(N(value));
  return Listed(named);
}

std::string Ways(std::size_t ways) { return Counted(static_cast<std::int64_t>(ways), Noun::Way); }

// Draws of one kind for a sheet, none repeated while the range, `kinds` amounts
// in all, has some not yet drawn.
class Distinct {
 public:
  explicit Distinct(std::int32_t kinds) : kinds_(static_cast<std::size_t>(kinds)) {}
  int size() const { return static_cast<int>(drawn_.size()); }
  void resize(int size) { drawn_.resize(static_cast<std::size_t>(size)); }
  const std::vector<std::int32_t>& drawn() const { return drawn_; }
  void Add(std::int32_t amount) {
    if (seen_.size() >= kinds_) seen_.clear();
    seen_.insert(amount);
    drawn_.push_back(amount);
  }
  // Draws until an amount not yet drawn comes, or, once every one has been, any.
  template <typename Draw>
  void Add(Draw draw) {
    if (seen_.size() >= kinds_) seen_.clear();
    std::int32_t amount = draw();
    while (seen_.contains(amount)) amount = draw();
    Add(amount);
  }

 private:
  std::size_t kinds_;
  std::set<std::int32_t> seen_;
  std::vector<std::int32_t> drawn_;
};

std::int64_t Total(const Payment& payment) {
  std::int64_t total = 0;
  for (std::size_t k = 0; k < payment.counts.size(); ++k)
    total += payment.counts[k] * EuroValues()[k];
  return total;
}

// A handful to count: four to eight of the euro's notes and coins, none more
// than half the range and all together within it, so that up to 100 it holds
// no 100 € note. A handful that is already the fewest teaches nothing of the
// key's second answer, and one of a total already counted is drawn again, a
// few times at most.
Payment DrawHandful(PracticeRandom& random, std::int32_t largest, std::set<std::int64_t>& counted) {
  Payment handful;
  for (int attempt = 0; attempt < 20; ++attempt) {
    handful = {std::vector<std::int64_t>(EuroValues().size()), 0, true, 0};
    std::int64_t room = largest;
    for (int piece = Uniform(random, 4, 8); piece > 0; --piece) {
      // Room for 1 € at least for each piece still to come.
      std::vector<std::size_t> fitting;
      for (std::size_t k = 0; k < EuroValues().size(); ++k)
        if (EuroValues()[k] <= room - (piece - 1) && 2 * EuroValues()[k] <= largest)
          fitting.push_back(k);
      const std::size_t k = fitting[static_cast<std::size_t>(
          Uniform(random, 0, static_cast<std::int32_t>(fitting.size()) - 1))];
      ++handful.counts[k];
      ++handful.banknotes;
      room -= EuroValues()[k];
    }
    const std::int64_t total = Total(handful);
    if (handful.banknotes > LargestFirst(EuroValues(), total).banknotes && !counted.contains(total))
      break;
  }
  counted.insert(Total(handful));
  return handful;
}

}  // namespace

std::string WorksheetChoiceWrong(WorksheetChoice choice) {
  const std::string counts = " трябва да е цяло число от 0 до " + N(kMostTasks) + ".";
  switch (choice) {
    case WorksheetChoice::Number:
      return "Номерът на листа трябва да е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295.";
    case WorksheetChoice::Payments:
      return "Броят на задачите за плащане" + counts;
    case WorksheetChoice::Splits:
      return "Броят на задачите за разбиване" + counts;
    case WorksheetChoice::Explorations:
      return "Броят на задачите за алчния алгоритъм" + counts;
    case WorksheetChoice::PaymentRange:
      return "Сумите за плащане се избират така: 0 – до 100, 1 – до 1000, 2 – до 10\u00a0000.";
    case WorksheetChoice::SplitRange:
      return "Сумите за разбиване се избират така: 0 – от 5 до 10, 1 – от 11 до 20.";
    case WorksheetChoice::ReadySet:
      return "Стойностите за плащане се избират с число от 0 до " + N(kReadySets - 1) + ".";
    case WorksheetChoice::Changes:
      return "Броят на задачите за ресто" + counts;
    case WorksheetChoice::Cents:
      return "Броят на задачите за плащане с центове" + counts;
    case WorksheetChoice::Counting:
      return "Броят на задачите „Колко пари има тук?“" + counts;
  }
  return {};
}

std::string PracticeAddress(std::uint32_t number, PaymentRange payment_range,
                            SplitRange split_range) {
  return "practice.html?seed=" + N(number) + "&paymentRange=" + N(static_cast<int>(payment_range)) +
         "&splitRange=" + N(static_cast<int>(split_range));
}

std::string PracticeCommand(std::uint32_t number, PaymentRange payment_range,
                            SplitRange split_range) {
  return "banknotes --practice --seed " + N(number) + " --payment-range " +
         N(static_cast<int>(payment_range)) + " --split-range " + N(static_cast<int>(split_range));
}

WorksheetMade MakeWorksheet(const WorksheetForm& form) {
  WorksheetMade made;
  const std::optional<std::uint32_t> number = Number(form.number);
  const std::optional<int> payments = Count(form.payments), splits = Count(form.splits),
                           explorations = Count(form.explorations), counting = Count(form.counting),
                           changes = Count(form.changes), cents = Count(form.cents);
  const auto in = [](int option, int options) { return option >= 0 && option < options; };
  std::optional<WorksheetChoice> wrong;
  if (!number)
    wrong = WorksheetChoice::Number;
  else if (!payments)
    wrong = WorksheetChoice::Payments;
  else if (!in(form.payment_range, kPaymentRanges))
    wrong = WorksheetChoice::PaymentRange;
  else if (!splits)
    wrong = WorksheetChoice::Splits;
  else if (!in(form.split_range, kSplitRanges))
    wrong = WorksheetChoice::SplitRange;
  else if (!explorations)
    wrong = WorksheetChoice::Explorations;
  else if (!in(form.ready_set, static_cast<int>(kReadySets)))
    wrong = WorksheetChoice::ReadySet;
  else if (!counting)
    wrong = WorksheetChoice::Counting;
  else if (!changes)
    wrong = WorksheetChoice::Changes;
  else if (!cents)
    wrong = WorksheetChoice::Cents;
  if (wrong) {
    made.wrong = WorksheetChoiceWrong(*wrong);
    return made;
  }
  if (*payments + *splits + *explorations + *counting + *changes + *cents == 0) {
    made.wrong = "Листът няма нито една задача: изберете поне една.";
    return made;
  }

  const auto payment_range = static_cast<PaymentRange>(form.payment_range);
  const auto split_range = static_cast<SplitRange>(form.split_range);
  const ValueSet& values = ReadySetValues(form.ready_set);

  // Drawn as the practice draws: its first amount, its first sum, then the rest.
  PracticeRandom random(*number);
  const SumRange sum_range = kSumRanges[form.split_range];
  Distinct amounts(kLargestAmounts[form.payment_range]),
      sums(sum_range.largest - sum_range.smallest + 1);
  amounts.Add(DrawAmount(random, payment_range));
  sums.Add(DrawSum(random, split_range));
  while (amounts.size() < *payments) amounts.Add([&] { return DrawAmount(random, payment_range); });
  while (sums.size() < *splits) sums.Add([&] { return DrawSum(random, split_range); });
  amounts.resize(*payments);
  sums.resize(*splits);
  // Tasks that teach: amounts where largest first and the fewest differ, with
  // at most one where they agree; never one twice. A set where they always
  // agree has only such amounts to ask.
  const std::int32_t explored_most =
      std::min<std::int32_t>(kMostExploredAmount, std::max(10, 10 * values.front()));
  GreedyAmounts pools = SortedByGreedy(values, explored_most);
  int agreeing = pools.differ.empty() ? *explorations : std::min(*explorations / 2, 1);
  agreeing = std::max(agreeing, *explorations - static_cast<int>(pools.differ.size()));
  Distinct explored(explored_most);
  const auto take = [&](std::vector<std::int32_t>& pool) {
    // A set that pays none of these amounts: any, said unpaid in the key.
    if (pool.empty()) return explored.Add([&] { return Uniform(random, 1, explored_most); });
    const auto at =
        static_cast<std::size_t>(Uniform(random, 0, static_cast<std::int32_t>(pool.size()) - 1));
    explored.Add(pool[at]);
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
  };
  // The agreeing one stands where the draw puts it among the others.
  const int agreeing_at = *explorations > 0 ? Uniform(random, 0, *explorations - 1) : 0;
  for (int task = 0; task < *explorations; ++task) {
    const bool agree =
        agreeing >= *explorations || (agreeing > 0 && task == agreeing_at) || pools.differ.empty();
    take(agree ? pools.agree : pools.differ);
  }

  Worksheet& sheet = made.sheet;
  sheet.title = "Работен лист № " + N(*number);
  sheet.blanks = {"Име:", "Клас:", "Дата:"};
  sheet.key_title = "Отговори – работен лист № " + N(*number);
  std::size_t task = 0;
  for (const std::int32_t amount : amounts.drawn()) {
    WorksheetTask paying{WorksheetTask::Payment, Numbered(++task, PaymentTask(amount)), {}, 0};
    for (const char* caption : kDenominationCaptions) paying.boxes.push_back(caption);
    sheet.tasks.push_back(paying);
    const Payment fewest = LargestFirst(EuroValues(), amount);
    WorksheetAnswer answer{
        Numbered(task, Quantity(amount) + "\u00a0€ = " + AsSum(EuroValues(), fewest) + ": " +
                           PiecesOf(fewest.counts)),
        DivisionLines(amount)};
    sheet.answers.push_back(answer);
  }
  // As many lines as the largest sum of the range has ways.
  const int lines = static_cast<int>(Listing(sum_range.largest).size());
  for (const std::int32_t sum : sums.drawn()) {
    sheet.tasks.push_back(
        {WorksheetTask::Split, Numbered(++task, SplitTask(sum)), {"Брой начини"}, lines});
    const std::vector<std::string> ways = Listing(sum);
    sheet.answers.push_back({Numbered(task, N(sum) + ": " + Ways(ways.size())), ways});
  }
  for (const std::int32_t amount : explored.drawn()) {
    sheet.tasks.push_back(
        {WorksheetTask::LargestFirst,
         Numbered(++task,
                  "Платете " + N(amount) + " със стойностите " + Named(values) +
                      ". Алчният алгоритъм взима всеки път най-голямата стойност, която не е "
                      "повече от остатъка. Колко на брой взима той и колко е най-малкият брой?"),
         {"Алчен алгоритъм", "Най-малко"},
         0});
    const Payment greedy = LargestFirst(values, amount), fewest = Fewest(values, amount);
    const auto paid = [&](const Payment& payment, const char* unpaid) {
      return payment.paid ? N(payment.banknotes) + " (" + AsSum(values, payment) + ")" : unpaid;
    };
    sheet.answers.push_back(
        {Numbered(task, N(amount) + ": алчният алгоритъм " + paid(greedy, "не изплаща сумата") +
                            ", най-малко " + paid(fewest, "– не може да се изплати") + "."),
         {}});
  }
  // Handfuls come last in the draw, so that every other task stays as it was.
  std::set<std::int64_t> counted;
  for (int handful = 0; handful < *counting; ++handful) {
    const Payment drawn = DrawHandful(random, kLargestAmounts[form.payment_range], counted);
    const std::int64_t total = Total(drawn);
    const Payment fewest = LargestFirst(EuroValues(), total);
    sheet.tasks.push_back({WorksheetTask::Counting,
                           Numbered(++task,
                                    "Колко пари има тук? С колко най-малко банкноти и монети се "
                                    "плаща същата сума?"),
                           {"Сума", "Най-малко"},
                           0,
                           EuroHeaps(drawn.counts)});
    sheet.answers.push_back(
        {Numbered(task, Quantity(total) + "\u00a0€ = " + AsSum(EuroValues(), fewest) + ": " +
                            PiecesOf(fewest.counts)),
         {"Тук има " + AsSum(EuroValues(), drawn) + " = " + Quantity(total) + "\u00a0€ – " +
          PiecesOf(drawn.counts) + "."},
         EuroHeaps(fewest.counts)});
  }
  // Change last of all: a price in euro and cents, within the range and below
  // the 500 € note, none twice.
  std::set<ChangeTask> given;
  const Cents most_price = std::min<Cents>(100 * kLargestAmounts[form.payment_range], 50000);
  for (int change = 0; change < *changes; ++change) {
    ChangeTask drawn = DrawChangeTask(random, most_price);
    for (int again = 0; again < 20 && given.contains(drawn); ++again)
      drawn = DrawChangeTask(random, most_price);
    given.insert(drawn);
    const Payment back = ChangeOf(drawn);
    sheet.tasks.push_back({WorksheetTask::Change,
                           Numbered(++task, ChangeTaskText(drawn)),
                           {"Ресто", "Най-малко"},
                           0});
    sheet.answers.push_back({Numbered(task, CentsText(drawn.paid - drawn.price) + " = " +
                                                AsSum(EuroCentValues(), back, &CentsNumber) + ": " +
                                                PiecesInCents(EuroCentValues(), back)),
                             CountingUp(drawn)});
  }
  // Payments with cents after them: an amount of the range with some cents,
  // paid with the wallet's notes and coins, none twice.
  std::set<Cents> paid_in_cents;
  const std::int32_t most_euros = kLargestAmounts[form.payment_range];
  for (int payment = 0; payment < *cents; ++payment) {
    Cents amount = 0;
    for (int again = 0; again < 20 && (amount == 0 || paid_in_cents.contains(amount)); ++again)
      amount = DrawWithCents(random, most_euros);
    paid_in_cents.insert(amount);
    const Payment fewest = LargestFirst(WalletCents(), amount);
    sheet.tasks.push_back({WorksheetTask::Cents,
                           Numbered(++task, PaymentTaskInCents(amount)),
                           {"Банкноти", "Монети"},
                           0});
    sheet.answers.push_back(
        {Numbered(task, CentsText(amount) + " = " + AsSum(WalletCents(), fewest, &CentsNumber) +
                            ": " + PiecesInCents(WalletCents(), fewest)),
         DivisionLinesInCents(WalletCents(), amount)});
  }
  sheet.on_screen = "Същите първи задачи на екрана: страницата " +
                    PracticeAddress(*number, payment_range, split_range) +
                    " или програмата: " + PracticeCommand(*number, payment_range, split_range) +
                    ".";
  return made;
}

}  // namespace banknotes
