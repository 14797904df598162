// A practice session driven by long sequences of every public call, with any
// pupil input, seed, sum and counts: nothing breaks, and every answer keeps the
// rules the window's checks rest on.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/input.h"
#include "logic/companions/practice.h"
#include "tests/fewest_banknotes.h"

using namespace banknotes;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckAPayment(FuzzInput& input) {
  const std::int32_t amount = input.Int32();
  BanknoteCounts counts;
  for (int& count : counts) count = input.Int32();
  const PaymentCheck check = CheckPayment(amount, counts);
  std::int64_t sum = 0, banknotes = 0;
  bool negative = false;
  for (std::size_t k = 0; k < kDenominations; ++k) {
    sum += static_cast<std::int64_t>(counts[k]) * reference::kBanknoteValues[k];
    banknotes += counts[k];
    negative = negative || counts[k] < 0;
  }
  Check(check.sum == sum && check.banknotes == banknotes);
  Check((check.verdict == PaymentCheck::WrongSum) == (sum != amount || negative));
  // No payment takes fewer banknotes than the greedy rule's.
  if (check.verdict != PaymentCheck::WrongSum) Check(banknotes >= check.fewest);
  Check((check.verdict == PaymentCheck::Fewest) ==
        (check.verdict != PaymentCheck::WrongSum && banknotes == check.fewest));
}

// The same in cents, with a level's values or the till's every one.
void CheckAPaymentInCents(FuzzInput& input) {
  const Cents amount = input.Int32();
  WalletCounts counts;
  for (int& count : counts) count = input.Byte() % 4 == 0 ? input.Int32() : input.Byte() % 20;
  const ValueSet& values = input.Byte() % 2
                               ? WalletCents()
                               : LevelCents(static_cast<PaymentRange>(input.Byte() % kLevels));
  const PaymentCheck check = CheckPaymentInCents(amount, counts, values);
  std::int64_t sum = 0, pieces = 0;
  bool negative = false;
  for (std::size_t k = 0; k < kWalletValues; ++k) {
    sum += static_cast<std::int64_t>(counts[k]) * WalletCents()[k];
    pieces += counts[k];
    negative = negative || counts[k] < 0;
  }
  Check(check.sum == sum && check.banknotes == pieces);
  Check((check.verdict == PaymentCheck::WrongSum) == (sum != amount || negative));
  // Largest first gives the fewest with the euro's values, where they pay at
  // all (a whole level's do not pay cents), and none pays with fewer.
  if (amount >= 1 && amount <= 10000) {
    const Payment fewest = Fewest(values, amount);
    if (fewest.paid) Check(check.fewest == fewest.banknotes);
  }
  if (check.verdict != PaymentCheck::WrongSum) Check(pieces >= check.fewest);
}

void HuntAWay(FuzzInput& input) {
  // Sums near the listing's range; now and then past it.
  SplitHunt hunt(static_cast<std::int32_t>(input.Byte()) - 20);
  for (int tries = input.Byte() % 8; tries > 0; --tries) {
    Way way;
    for (int& count : way) count = input.Byte() % 3 == 0 ? input.Int32() : input.Byte() % 12;
    const std::size_t found = hunt.found();
    const SplitHunt::Check check = hunt.Try(way);
    Check(hunt.found() ==
          found + (check.verdict == SplitHunt::New || check.verdict == SplitHunt::AllFound));
    Check(hunt.found() <= hunt.ways());
  }
  if (input.Byte() & 1) hunt.ShowAll();
  Check(hunt.Lines().size() <= hunt.ways());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  Practice practice(input.Uint32());
  PracticeState form;
  practice.Show(form);
  while (!input.Done()) {
    switch (input.Byte() % 12) {
      case 0:
        form.exercise = static_cast<Exercise>(input.Byte() % 3);
        practice.Show(form);
        break;
      case 1:
        form.payment_range = static_cast<PaymentRange>(input.Byte() % kLevels);
        break;
      case 2:
        form.split_range = static_cast<SplitRange>(input.Byte() % 2);
        form.change_range = static_cast<ChangeRange>(input.Byte() % kChangeRanges);
        break;
      case 3:
        form.counts[input.Byte() % kWalletValues] = input.Text(4);
        break;
      case 4:
        form.sum = input.Text(3);
        break;
      case 5:
        form.way[input.Byte() % kSplitValues] = input.Text(3);
        break;
      case 6:
        form.task = input.Text(20);
        form.answer = input.Text(20);
        form.tally = input.Text(8);
        break;
      case 7:
        if (input.Byte() % 2)
          CheckAPayment(input);
        else
          CheckAPaymentInCents(input);
        break;
      case 8:
        HuntAWay(input);
        break;
      case 9: {
        // The steps pay the amount down to 0, as many as the fewest, or there are none.
        const std::int32_t amount = input.Int32();
        const std::vector<GreedyStep> steps = GreedySteps(amount);
        if (amount < 1 || amount > kLargestExplainedAmount) {
          Check(steps.empty());
          break;
        }
        Check(static_cast<std::int64_t>(steps.size()) == FewestBanknotes(amount));
        std::int32_t left = amount;
        for (const GreedyStep& step : steps) {
          Check(step.left == left && step.banknote <= left && step.remains == left - step.banknote);
          left = step.remains;
        }
        Check(left == 0);
        break;
      }
      default: {
        const int button = static_cast<std::int8_t>(input.Byte());
        practice.Click(form, button);
        // A check always answers; another button may leave the answer empty.
        if (button == kCheckButton) Check(!form.answer.empty());
      }
    }
  }
  return 0;
}
