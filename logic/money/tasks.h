#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "logic/form/form_state.h"
#include "logic/money/amount_text.h"
#include "logic/money/drawn_money.h"
#include "logic/money/paying.h"
#include "logic/money/values.h"

namespace banknotes {

// The tasks the practice sets and a worksheet prints: amounts to pay and sums to
// split, drawn from a seeded source in ranges, and their texts, with the text
// of a step of largest first. The same draws for the same seed everywhere.

// The same numbers for the same seed on every platform.
using PracticeRandom = std::mt19937;

// Amounts from 1 up to 100, 1000 (the default) or 10000, as worksheets and
// addresses name them; the practice's first level, up to 10, comes after them,
// and its two levels in euro and cents after that.
enum class PaymentRange { UpTo100, UpTo1000, UpTo10000, UpTo10, UpTo10Cents, UpTo100Cents };
// Sums from 5 to 10 (the default) or from 11 to 20.
enum class SplitRange { From5To10, From11To20 };
inline constexpr int kPaymentRanges = 3, kSplitRanges = 2;
inline constexpr int kLevels = 6;  // the practice's: up to 10, the three ranges, two with cents
inline constexpr std::int32_t kLargestAmounts[kLevels] = {100, 1000, 10000, 10, 10, 100};
// The values a whole level pays with: up to 10, the 5 € note and the 2 € and
// 1 € coins; the euro's seven for the rest.
const ValueSet& LevelValues(PaymentRange level);
// Whether a level's amounts have cents; its values in cents, 100 € first: the
// whole level's, and the six coins of cents where it has them.
bool LevelHasCents(PaymentRange level);
const ValueSet& LevelCents(PaymentRange level);
// The level after `level`, or itself for the last: up to 10 000, or with cents
// up to 100 €.
PaymentRange NextLevel(PaymentRange level);
struct SumRange {
  std::int32_t smallest, largest;
};
inline constexpr SumRange kSumRanges[kSplitRanges] = {{5, 10}, {11, 20}};

// A uniform draw from lo to hi, the same on every standard library.
std::int32_t Uniform(PracticeRandom& random, std::int32_t lo, std::int32_t hi);
std::int32_t DrawAmount(PracticeRandom& random, PaymentRange range);
// An amount with cents below `largest_euros`: 0,01 € to that less a cent, never whole.
Cents DrawWithCents(PracticeRandom& random, std::int32_t largest_euros);
// An amount of a level in cents: a whole level's as DrawAmount draws it, a
// level with cents always with some, from 0,01 € to its largest less a cent.
Cents DrawAmountInCents(PracticeRandom& random, PaymentRange level);
std::int32_t DrawSum(PracticeRandom& random, SplitRange range);

// The tasks as the pupil reads them: "Изплатете 306 € с възможно най-малко
// банкноти и монети.", "Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1."
std::string PaymentTask(std::int32_t amount);
std::string SplitTask(std::int32_t sum);
// The same for an amount in cents: "Изплатете 7,35 € с възможно най-малко …".
std::string PaymentTaskInCents(Cents amount);

// The euro's banknotes and coins counted: "3 банкноти и 1 монета", "2 монети",
// "1 банкнота"; none is "0 банкноти и монети".
std::string Pieces(std::int64_t banknotes, std::int64_t coins);
// The same for a count of each euro value, largest first.
std::string PiecesOf(std::span<const std::int64_t> counts);

// So many of one euro value: "3 банкноти по 100 €", "1 монета от 2 €".
std::string PiecesOfValue(std::int64_t count, std::int64_t value);
// So many of one of the euro's fifteen values, in cents: "3 монети по 50 цента",
// "1 монета от 1 цент", "2 монети по 2 €", "1 банкнота от 500 €".
std::string PiecesOfCents(std::int64_t count, std::int64_t cents);
// Largest first with values in cents, by division: "3,88 : 2,00 = 1, остатък
// 1,88 → 1 монета от 2 €". A value below 5 € is a coin, from 5 € up a note,
// the euro's or a pupil's own ("1 монета от 3,88 €").
std::vector<std::string> DivisionLinesInCents(const ValueSet& cents, std::int64_t amount);
// What a payment with values in cents pays with: notes from 5 € up, coins below.
std::string PiecesInCents(const ValueSet& cents, const Payment& payment);
// Heaps of the euro's notes and coins as a sentence says what is drawn:
// "1 банкнота от 50 €, 2 банкноти по 20 € и 1 монета от 1 €".
std::string HeapsSaid(const std::vector<Heap>& heaps);
// So many of each euro value, 100 first, as heaps to draw; none of what is 0.
std::vector<Heap> EuroHeaps(std::span<const std::int64_t> counts);

// Largest first with the euro's values, or some of them, as a pupil works it, by
// division with a remainder: one line a value used, "306 : 100 = 3, остатък 6 →
// 3 банкноти по 100 €", "1 : 1 = 1, остатък 0 → 1 монета от 1 €".
std::vector<std::string> DivisionLines(std::int32_t amount,
                                       const ValueSet& euro_values = EuroValues());

// Largest first with any set of values, as the exploring window shows it: "87 :
// 4 = 21, остатък 3 → 21 монети по 4"; the euro's as DivisionLines writes them.
// Values that are not the euro's are coins. What is left unpaid has no line.
std::vector<std::string> DivisionLinesWith(const ValueSet& values, std::int64_t amount);
// What a payment with `values` pays with: the euro's banknotes and coins, any
// other set's coins ("3 монети").
std::string PiecesWith(const ValueSet& values, const Payment& payment);
// A payment with `some` of the values of `all` as counts of all of them, in
// their order: the wallet's thirteen, say, for a level that pays with nine.
std::vector<std::int64_t> CountsIn(const ValueSet& all, const ValueSet& some,
                                   const Payment& payment);
// So many of one value of `values`: the euro's as PiecesOfValue words them,
// another set's as coins ("21 монети по 4").
std::string PiecesOfValueIn(const ValueSet& values, std::int64_t count, std::int64_t value);

}  // namespace banknotes
