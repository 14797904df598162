#include "logic/money/tasks.h"

#include "logic/money/amount_text.h"
#include "logic/money/change.h"
#include "logic/money/number_text.h"
#include "logic/money/values.h"

namespace banknotes {
std::int32_t Uniform(PracticeRandom& random, std::int32_t lo, std::int32_t hi) {
  const std::uint32_t span = static_cast<std::uint32_t>(hi - lo) + 1;
  const std::uint32_t fair = static_cast<std::uint32_t>(-span) % span;  // 2^32 mod span
  std::uint32_t drawn;
  do drawn = static_cast<std::uint32_t>(random());
  while (drawn < fair);
  return lo + static_cast<std::int32_t>(drawn % span);
}

std::string PaymentTask(std::int32_t amount) {
  return "Изплатете " + Quantity(amount) + "\u00a0€ с възможно най-малко банкноти и монети.";
}

std::string PaymentTaskInCents(Cents amount) {
  return "Изплатете " + MoneyText(amount) + " с възможно най-малко банкноти и монети.";
}

std::string SplitTask(std::int32_t sum) {
  return "Намерете всички начини да разбиете " + Quantity(sum) + " на 20, 10, 5, 2 и 1.";
}

std::string Pieces(std::int64_t banknotes, std::int64_t coins) {
  if (banknotes == 0 && coins == 0) return "0 банкноти и монети";
  if (coins == 0) return Counted(banknotes, Noun::Banknote);
  if (banknotes == 0) return Counted(coins, Noun::Coin);
  return Counted(banknotes, Noun::Banknote) + " и " + Counted(coins, Noun::Coin);
}

std::string PiecesOf(std::span<const std::int64_t> counts) {
  std::int64_t banknotes = 0, coins = 0;
  for (std::size_t k = 0; k < counts.size() && k < EuroValues().size(); ++k)
    (EuroValues()[k] <= kLargestCoin ? coins : banknotes) += counts[k];
  return Pieces(banknotes, coins);
}

std::string PiecesOfValue(std::int64_t count, std::int64_t value) {
  return Counted(count, value <= kLargestCoin ? Noun::Coin : Noun::Banknote) +
         (count == 1 ? " от " : " по ") + Quantity(value) + "\u00a0€";
}

std::string PiecesOfCents(std::int64_t count, std::int64_t cents) {
  const bool coin = cents < 500;
  std::string unit;
  if (cents % 100 == 0)
    unit = Quantity(cents / 100) + "\u00a0€";
  else if (cents < 100)
    unit = Counted(cents, Noun::Cent);
  else
    unit = CentsText(cents);
  return Counted(count, coin ? Noun::Coin : Noun::Banknote) + (count == 1 ? " от " : " по ") + unit;
}

std::vector<std::string> DivisionLinesInCents(const ValueSet& cents, std::int64_t amount) {
  std::vector<std::string> lines;
  std::int64_t left = amount;
  for (const int value : cents) {
    const std::int64_t count = left / value;
    if (count == 0) continue;
    lines.push_back(CentsNumber(left) + " : " + CentsNumber(value) + " = " + Quantity(count) +
                    ", остатък " + CentsNumber(left % value) + " → " + PiecesOfCents(count, value));
    left %= value;
  }
  return lines;
}

std::string PiecesInCents(const ValueSet& cents, const Payment& payment) {
  std::int64_t banknotes = 0, coins = 0;
  for (std::size_t i = 0; i < cents.size() && i < payment.counts.size(); ++i)
    (cents[i] < 500 ? coins : banknotes) += payment.counts[i];
  return Pieces(banknotes, coins);
}

std::string HeapsSaid(const std::vector<Heap>& heaps) {
  std::vector<std::string> said;
  for (const Heap& heap : heaps) said.push_back(PiecesOfValue(heap.count, heap.cents / 100));
  return Listed(said);
}

std::vector<Heap> EuroHeaps(std::span<const std::int64_t> counts) {
  std::vector<Heap> heaps;
  for (std::size_t k = 0; k < counts.size() && k < EuroValues().size(); ++k)
    if (counts[k] > 0) heaps.push_back({EuroValues()[k] * 100, counts[k]});
  return heaps;
}

namespace {

std::string CoinsOf(std::int64_t count, std::int64_t value) {
  return Counted(count, Noun::Coin) + (count == 1 ? " от " : " по ") + Quantity(value);
}

std::vector<std::string> Division(const ValueSet& values, std::int64_t amount, bool euro) {
  std::vector<std::string> lines;
  std::int64_t left = amount;
  for (const int value : values) {
    const std::int64_t count = left / value;
    if (count == 0) continue;
    lines.push_back(Quantity(left) + " : " + Quantity(value) + " = " + Quantity(count) +
                    ", остатък " + Quantity(left % value) + " → " +
                    (euro ? PiecesOfValue(count, value) : CoinsOf(count, value)));
    left %= value;
  }
  return lines;
}

}  // namespace

std::string PiecesOfValueIn(const ValueSet& values, std::int64_t count, std::int64_t value) {
  return values == EuroValues() ? PiecesOfValue(count, value) : CoinsOf(count, value);
}

std::vector<std::string> DivisionLinesWith(const ValueSet& values, std::int64_t amount) {
  return Division(values, amount, values == EuroValues());
}

std::vector<std::string> DivisionLines(std::int32_t amount, const ValueSet& euro_values) {
  return Division(euro_values, amount, true);
}

std::vector<std::int64_t> CountsIn(const ValueSet& all, const ValueSet& some,
                                   const Payment& payment) {
  std::vector<std::int64_t> counts(all.size(), 0);
  for (std::size_t i = 0; i < some.size() && i < payment.counts.size(); ++i)
    for (std::size_t k = 0; k < all.size(); ++k)
      if (all[k] == some[i]) counts[k] = payment.counts[i];
  return counts;
}

std::string PiecesWith(const ValueSet& values, const Payment& payment) {
  return values == EuroValues() ? PiecesOf(payment.counts) : Counted(payment.banknotes, Noun::Coin);
}

const ValueSet& LevelValues(PaymentRange level) {
  static const ValueSet kUpTo10 = {5, 2, 1};
  return level == PaymentRange::UpTo10 ? kUpTo10 : EuroValues();
}

bool LevelHasCents(PaymentRange level) {
  return level == PaymentRange::UpTo10Cents || level == PaymentRange::UpTo100Cents;
}

const ValueSet& LevelCents(PaymentRange level) {
  static const ValueSet kCoinsOfCents = {50, 20, 10, 5, 2, 1};
  static const auto kLevelCents = [] {
    std::array<ValueSet, kLevels> levels;
    for (int at = 0; at < kLevels; ++at) {
      const auto level = static_cast<PaymentRange>(at);
      const bool cents = LevelHasCents(level);
      const bool small = level == PaymentRange::UpTo10 || level == PaymentRange::UpTo10Cents;
      for (const int value : LevelValues(small ? PaymentRange::UpTo10 : PaymentRange::UpTo100))
        levels[at].push_back(value * 100);
      if (cents) levels[at].insert(levels[at].end(), kCoinsOfCents.begin(), kCoinsOfCents.end());
    }
    return levels;
  }();
  return kLevelCents[static_cast<std::size_t>(level)];
}

PaymentRange NextLevel(PaymentRange level) {
  switch (level) {
    case PaymentRange::UpTo10:
      return PaymentRange::UpTo100;
    case PaymentRange::UpTo100:
      return PaymentRange::UpTo1000;
    case PaymentRange::UpTo1000:
    case PaymentRange::UpTo10000:
      break;
    case PaymentRange::UpTo10Cents:
    case PaymentRange::UpTo100Cents:
      return PaymentRange::UpTo100Cents;
  }
  return PaymentRange::UpTo10000;
}

std::int32_t DrawAmount(PracticeRandom& random, PaymentRange range) {
  return Uniform(random, 1, kLargestAmounts[static_cast<int>(range)]);
}

Cents DrawWithCents(PracticeRandom& random, std::int32_t largest_euros) {
  const std::int32_t euros = Uniform(random, 0, largest_euros - 1);
  return Cents{100} * euros + Uniform(random, 1, 99);
}

Cents DrawAmountInCents(PracticeRandom& random, PaymentRange level) {
  if (!LevelHasCents(level)) return Cents{100} * DrawAmount(random, level);
  return DrawWithCents(random, kLargestAmounts[static_cast<int>(level)]);
}

std::int32_t DrawSum(PracticeRandom& random, SplitRange range) {
  const SumRange sums = kSumRanges[static_cast<int>(range)];
  return Uniform(random, sums.smallest, sums.largest);
}

}  // namespace banknotes
