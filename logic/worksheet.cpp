#include "logic/worksheet.h"

#include <algorithm>
#include <optional>

#include "logic/dispatch.h"
#include "logic/explore.h"
#include "logic/number_rules.h"

namespace banknotes {
namespace {

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
  std::string named;
  for (std::size_t i = 0; i < values.size(); ++i)
    named += (i == 0 ? "" : i + 1 == values.size() ? " и " : ", ") + N(values[i]);
  return named;
}

std::string Ways(std::size_t ways) {
  return N(static_cast<std::int64_t>(ways)) + (ways == 1 ? " начин" : " начина");
}

}  // namespace

WorksheetMade MakeWorksheet(const WorksheetForm& form) {
  WorksheetMade made;
  const std::optional<std::uint32_t> number = Number(form.number);
  const std::optional<int> payments = Count(form.payments), splits = Count(form.splits),
                           explorations = Count(form.explorations);
  const std::string counts = " трябва да е цяло число от 0 до " + N(kMostTasks) + ".";
  if (!number)
    made.wrong = "Номерът на листа трябва да е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295.";
  else if (!payments)
    made.wrong = "Броят на задачите за плащане" + counts;
  else if (!splits)
    made.wrong = "Броят на задачите за разбиване" + counts;
  else if (!explorations)
    made.wrong = "Броят на задачите за най-големите първо" + counts;
  if (!made.wrong.empty()) return made;

  const auto payment_range = static_cast<PaymentRange>(std::clamp(form.payment_range, 0, 2));
  const auto split_range = static_cast<SplitRange>(std::clamp(form.split_range, 0, 1));
  const ValueSet& values = ReadySetValues(form.ready_set);

  // Drawn as the practice draws: its first amount, its first sum, then the rest.
  PracticeRandom random(*number);
  std::vector<std::int32_t> amounts = {DrawAmount(random, payment_range)};
  std::vector<std::int32_t> sums = {DrawSum(random, split_range)};
  while (static_cast<int>(amounts.size()) < *payments)
    amounts.push_back(DrawAmount(random, payment_range));
  while (static_cast<int>(sums.size()) < *splits) sums.push_back(DrawSum(random, split_range));
  amounts.resize(static_cast<std::size_t>(*payments));
  sums.resize(static_cast<std::size_t>(*splits));
  // Amounts up to where largest first can first fail with the set.
  const std::int32_t explored_most = values.size() < 2 ? 10 : values[0] + values[1] - 1;
  std::vector<std::int32_t> explored;
  for (int i = 0; i < *explorations; ++i) explored.push_back(Uniform(random, 1, explored_most));

  Worksheet& sheet = made.sheet;
  sheet.title = "Работен лист № " + N(*number);
  sheet.blanks = {"Име:", "Клас:", "Дата:"};
  sheet.key_title = "Отговори — работен лист № " + N(*number);
  std::size_t task = 0;
  for (const std::int32_t amount : amounts) {
    WorksheetTask paying{WorksheetTask::Payment, Numbered(++task, PaymentTask(amount)), {}, 0};
    for (const char* caption : kDenominationCaptions) paying.boxes.push_back(caption);
    sheet.tasks.push_back(paying);
    const Payment fewest = LargestFirst(EuroValues(), amount);
    WorksheetAnswer answer{Numbered(task, N(amount) + " = " + AsSum(EuroValues(), fewest) + ": " +
                                              N(fewest.banknotes) +
                                              (fewest.banknotes == 1 ? " банкнота" : " банкноти")),
                           {}};
    for (const GreedyStep& step : GreedySteps(amount)) answer.lines.push_back(StepText(step));
    sheet.answers.push_back(answer);
  }
  // As many lines as the largest sum of the range has ways.
  const std::int32_t largest_sum = split_range == SplitRange::From5To10 ? 10 : 20;
  const int lines = static_cast<int>(Listing(largest_sum).size());
  for (const std::int32_t sum : sums) {
    sheet.tasks.push_back(
        {WorksheetTask::Split, Numbered(++task, SplitTask(sum)), {"Брой начини"}, lines});
    const std::vector<std::string> ways = Listing(sum);
    sheet.answers.push_back({Numbered(task, N(sum) + ": " + Ways(ways.size())), ways});
  }
  for (const std::int32_t amount : explored) {
    sheet.tasks.push_back(
        {WorksheetTask::LargestFirst,
         Numbered(++task,
                  "Платете " + N(amount) + " със стойностите " + Named(values) +
                      ". Колко банкноти дават най-големите първо и колко е най-малкият брой?"),
         {"Най-големите първо", "Най-малко"},
         0});
    const Payment greedy = LargestFirst(values, amount), fewest = Fewest(values, amount);
    const auto paid = [&](const Payment& payment) {
      return payment.paid ? N(payment.banknotes) + " (" + AsSum(values, payment) + ")"
                          : "не изплащат";
    };
    sheet.answers.push_back({Numbered(task, N(amount) + ": най-големите първо " + paid(greedy) +
                                                ", най-малко " + paid(fewest) + "."),
                             {}});
  }
  return made;
}

}  // namespace banknotes
