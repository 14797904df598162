// Worksheets of any choices: a sheet is made exactly when every choice is in
// range and a task is asked for; its first tasks are the practice's of the same
// number and ranges; no amount of a kind repeats while its range has others;
// and every answer is the one found by trying every payment and every way by
// hand.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "fuzz/input.h"
#include "logic/companions/practice.h"
#include "logic/companions/worksheet.h"
#include "logic/money/paying.h"
#include "tests/fewest_banknotes.h"

using namespace banknotes;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A count's text: mostly 0 to 10, now and then anything.
std::string CountText(FuzzInput& input) {
  const std::uint8_t byte = input.Byte();
  return byte % 8 == 0 ? input.Text(3) : std::to_string(byte % 11);
}

// The number after `word` in a task's text; from 10 000 up its thousands stand
// apart by a no-break space.
std::int32_t After(const std::string& text, const std::string& word) {
  const std::size_t at = text.find(word);
  Check(at != std::string::npos);
  std::string digits;
  for (std::size_t i = at + word.size(); i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9')
      digits += text[i];
    else if (text.compare(i, 2, "\u00A0") == 0)
      ++i;
    else
      break;
  }
  return std::stoi(digits);
}

// The ways of a sum in 20, 10, 5, 2 and 1, by trying every count.
std::size_t WaysByHand(std::int32_t sum) {
  std::size_t ways = 0;
  for (int a = 0; 20 * a <= sum; ++a)
    for (int b = 0; 20 * a + 10 * b <= sum; ++b)
      for (int c = 0; 20 * a + 10 * b + 5 * c <= sum; ++c)
        for (int d = 0; 20 * a + 10 * b + 5 * c + 2 * d <= sum; ++d) ++ways;
  return ways;
}

// Each amount of a kind is new until all `kinds` of its range have come.
void CheckNoRepeat(const std::vector<std::int32_t>& amounts, std::size_t kinds) {
  std::set<std::int32_t> seen;
  for (const std::int32_t amount : amounts) {
    if (seen.size() == kinds) seen.clear();
    Check(seen.insert(amount).second);
  }
}

// The sum of the whole numbers after a text's last ": ".
int NumbersAfterLastColon(const std::string& text) {
  int sum = 0, number = 0;
  for (std::size_t i = text.rfind(": ") + 2; i <= text.size(); ++i) {
    if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      number = number * 10 + (text[i] - '0');
    } else {
      sum += number;
      number = 0;
    }
  }
  return sum;
}

// The largest amount a sheet asks to pay with a set: ten of its largest value,
// from 10 to 1000.
std::int32_t ExploredMost(const ValueSet& values) {
  return std::min<std::int32_t>(1000, std::max(10, 10 * values.front()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  WorksheetForm form;
  const std::uint32_t number = input.Uint32();
  form.number = input.Byte() % 16 == 0 ? input.Text(11) : std::to_string(number);
  form.payments = CountText(input);
  form.splits = CountText(input);
  form.explorations = CountText(input);
  form.payment_range = static_cast<int>(input.Byte() % 5) - 1;
  form.split_range = static_cast<int>(input.Byte() % 4) - 1;
  form.ready_set = static_cast<int>(input.Byte() % 6) - 1;
  form.counting = CountText(input);
  form.changes = CountText(input);
  form.cents = CountText(input);
  const WorksheetMade made = MakeWorksheet(form);

  const auto count = [](const std::string& text) {
    return !text.empty() && text.size() <= 2 && std::all_of(text.begin(), text.end(), ::isdigit) &&
                   std::stoi(text) <= kMostTasks
               ? std::stoi(text)
               : -1;
  };
  const int payments = count(form.payments), splits = count(form.splits),
            explorations = count(form.explorations), counting = count(form.counting),
            changes = count(form.changes), cents = count(form.cents);
  const bool number_right = form.number == std::to_string(number) ||
                            (!form.number.empty() && form.number.size() <= 10 &&
                             std::all_of(form.number.begin(), form.number.end(), ::isdigit) &&
                             std::stoull(form.number) <= 0xFFFFFFFFull);
  const bool right = number_right && payments >= 0 && splits >= 0 && explorations >= 0 &&
                     form.payment_range >= 0 && form.payment_range < kPaymentRanges &&
                     form.split_range >= 0 && form.split_range < kSplitRanges &&
                     form.ready_set >= 0 && form.ready_set < static_cast<int>(kReadySets) &&
                     counting >= 0 && changes >= 0 && cents >= 0 &&
                     payments + splits + explorations + counting + changes + cents > 0;
  Check(made.wrong.empty() == right);
  if (!right) return Check(made.sheet.tasks.empty()), 0;

  const Worksheet& sheet = made.sheet;
  Check(sheet.tasks.size() ==
        static_cast<std::size_t>(payments + splits + explorations + counting + changes + cents));
  Check(sheet.answers.size() == sheet.tasks.size());
  const auto payment_range = static_cast<PaymentRange>(form.payment_range);
  const auto split_range = static_cast<SplitRange>(form.split_range);
  const std::uint32_t sheet_number = static_cast<std::uint32_t>(std::stoull(form.number));
  Practice practice(sheet_number, payment_range, split_range);
  PracticeState state;
  practice.Show(state);
  if (payments > 0) Check(sheet.tasks[0].text == "1. " + state.task);
  state.exercise = Exercise::Split;
  practice.Show(state);
  if (splits > 0 && payments > 0)
    Check(sheet.tasks[static_cast<std::size_t>(payments)].text ==
          std::to_string(payments + 1) + ". " + state.task);

  const std::vector<int> fewest = reference::FewestBanknotes(10000);
  const ValueSet& values = ReadySetValues(form.ready_set);
  std::vector<std::int32_t> amounts, sums, explored;
  for (std::size_t i = 0; i < sheet.tasks.size(); ++i) {
    const WorksheetTask& task = sheet.tasks[i];
    const std::string& heading = sheet.answers[i].heading;
    if (task.kind == WorksheetTask::Payment) {
      const std::int32_t amount = After(task.text, "Изплатете ");
      Check(amount >= 1 && amount <= kLargestAmounts[form.payment_range]);
      amounts.push_back(amount);
      // "…: 4 банкноти и 1 монета": the pieces after the last colon make the fewest.
      Check(NumbersAfterLastColon(heading) == fewest[static_cast<std::size_t>(amount)]);
    } else if (task.kind == WorksheetTask::Split) {
      const std::int32_t sum = After(task.text, "разбиете ");
      const SumRange range = kSumRanges[form.split_range];
      Check(sum >= range.smallest && sum <= range.largest);
      sums.push_back(sum);
      Check(sheet.answers[i].lines.size() == WaysByHand(sum));
    } else if (task.kind == WorksheetTask::Change) {
      // The shop assistant counts up from the price to a note, a line a piece.
      const std::vector<std::string>& lines = sheet.answers[i].lines;
      Check(!lines.empty() && lines.back().ends_with(",00"));
    } else if (task.kind == WorksheetTask::Cents) {
      // Paid down to nothing, the amount of the task in the key's heading.
      const std::vector<std::string>& lines = sheet.answers[i].lines;
      Check(!lines.empty() && lines.back().find(", остатък 0,00 → ") != std::string::npos);
      const std::size_t at = task.text.find("Изплатете ") + std::string("Изплатете ").size();
      const std::string amount = task.text.substr(at, task.text.find(" с ", at) - at);
      Check(heading.find(". " + amount + " = ") != std::string::npos);
    } else if (task.kind == WorksheetTask::Counting) {
      // The key counts the handful drawn, within the range, and pays it with the fewest.
      std::int64_t total = 0;
      for (const Heap& heap : task.money) total += heap.cents / 100 * heap.count;
      Check(total >= 1 && total <= kLargestAmounts[form.payment_range]);
      Check(After(heading, ". ") == total);
      Check(NumbersAfterLastColon(heading) == fewest[static_cast<std::size_t>(total)]);
    } else {
      const std::int32_t amount = After(task.text, "Платете ");
      Check(amount >= 1 && amount <= ExploredMost(values));
      explored.push_back(amount);
      // The fewest, by trying every payment: a dynamic table over the set.
      std::vector<int> least(static_cast<std::size_t>(amount) + 1, 1 << 20);
      least[0] = 0;
      for (std::int32_t a = 1; a <= amount; ++a)
        for (const int value : values)
          if (value <= a)
            least[static_cast<std::size_t>(a)] = std::min(
                least[static_cast<std::size_t>(a)], least[static_cast<std::size_t>(a - value)] + 1);
      Check(heading.find("най-малко " + std::to_string(least.back()) + " ") != std::string::npos);
    }
  }
  CheckNoRepeat(amounts, static_cast<std::size_t>(kLargestAmounts[form.payment_range]));
  const SumRange range = kSumRanges[form.split_range];
  CheckNoRepeat(sums, static_cast<std::size_t>(range.largest - range.smallest + 1));
  CheckNoRepeat(explored, static_cast<std::size_t>(ExploredMost(values)));
  return 0;
}
