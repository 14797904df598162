#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "logic/money/paying.h"

namespace banknotes {

// The tasks the practice sets and a worksheet prints: amounts to pay and sums to
// split, drawn from a seeded source in ranges, and their texts, with the text
// of a step of largest first. The same draws for the same seed everywhere.

// The same numbers for the same seed on every platform.
using PracticeRandom = std::mt19937;

// Amounts from 1 up to 100, 1000 (the default) or 10000.
enum class PaymentRange { UpTo100, UpTo1000, UpTo10000 };
// Sums from 5 to 10 (the default) or from 11 to 20.
enum class SplitRange { From5To10, From11To20 };
inline constexpr int kPaymentRanges = 3, kSplitRanges = 2;
inline constexpr std::int32_t kLargestAmounts[kPaymentRanges] = {100, 1000, 10000};
struct SumRange {
  std::int32_t smallest, largest;
};
inline constexpr SumRange kSumRanges[kSplitRanges] = {{5, 10}, {11, 20}};

// A uniform draw from lo to hi, the same on every standard library.
std::int32_t Uniform(PracticeRandom& random, std::int32_t lo, std::int32_t hi);
std::int32_t DrawAmount(PracticeRandom& random, PaymentRange range);
std::int32_t DrawSum(PracticeRandom& random, SplitRange range);

// The tasks as the pupil reads them: "Изплатете 306 € с възможно най-малко
// банкноти и монети.", "Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1."
std::string PaymentTask(std::int32_t amount);
std::string SplitTask(std::int32_t sum);

// The euro's banknotes and coins counted: "3 банкноти и 1 монета", "2 монети",
// "1 банкнота"; none is "0 банкноти и монети".
std::string Pieces(std::int64_t banknotes, std::int64_t coins);
// The same for a count of each euro value, largest first.
std::string PiecesOf(std::span<const std::int64_t> counts);

// Largest first with the euro's values as a pupil works it, by division with a
// remainder: one line a value used, "306 : 100 = 3, остатък 6 → 3 банкноти по
// 100 €", "1 : 1 = 1, остатък 0 → 1 монета от 1 €".
std::vector<std::string> DivisionLines(std::int32_t amount);

// One step as the pupil reads it: "87: най-голямата банкнота, която се побира, е
// 50; остават 37."
std::string StepText(const GreedyStep& step);

}  // namespace banknotes
