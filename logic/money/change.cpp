#include "logic/money/change.h"

#include "logic/money/number_text.h"
#include "logic/money/tasks.h"
#include "logic/money/values.h"

namespace banknotes {
namespace {

// The euro's notes a customer pays with, in cents.
constexpr Cents kNotes[] = {500, 1000, 2000, 5000, 10000, 20000, 50000};

// The same draws on every standard library, the page's too.
Cents Draw(PracticeRandom& random, Cents lo, Cents hi) {
  return Uniform(random, static_cast<std::int32_t>(lo), static_cast<std::int32_t>(hi));
}

}  // namespace

ChangeTask DrawChangeTask(PracticeRandom& random, Cents largest) {
  ChangeTask task;
  task.price = Draw(random, 1, std::max<Cents>(1, largest - 1));
  std::size_t note = 0;
  while (note + 1 < std::size(kNotes) && kNotes[note] <= task.price) ++note;
  // Now and then a customer pays with a larger note than needed.
  if (note + 1 < std::size(kNotes) && kNotes[note + 1] <= 2 * largest && Draw(random, 0, 3) == 0)
    ++note;
  task.paid = kNotes[note];
  return task;
}

std::string MoneyText(Cents cents) {
  return cents % 100 == 0 ? Quantity(cents / 100) + "\u00a0€" : CentsText(cents);
}

std::string ChangeTaskText(const ChangeTask& task) {
  return "Стоката струва " + CentsText(task.price) + ". Клиентът плаща с " + MoneyText(task.paid) +
         ". Върнете рестото с възможно най-малко банкноти и монети.";
}

Payment ChangeOf(const ChangeTask& task) {
  return LargestFirst(EuroCentValues(), task.paid - task.price);
}

std::vector<std::string> CountingUp(const ChangeTask& task) {
  const Payment change = ChangeOf(task);
  const ValueSet& values = EuroCentValues();
  std::vector<std::string> lines;
  Cents reached = task.price;
  for (std::size_t i = values.size(); i-- > 0;)
    for (std::int64_t n = 0; n < change.counts[i]; ++n) {
      lines.push_back(CentsNumber(reached) + " + " + CentsNumber(values[i]) + " = " +
                      CentsNumber(reached + values[i]));
      reached += values[i];
    }
  return lines;
}

}  // namespace banknotes
