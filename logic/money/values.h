#pragma once

#include <cstddef>
#include <vector>

namespace banknotes {

// Sets of values to pay with: the main window's, the euro's 100 to 1, and the
// ready-made sets the companions offer, with the captions their options show.
// Values only; what is paid with them is paying.h's.

// A set of distinct whole values, largest first.
using ValueSet = std::vector<int>;

// The main window's: the euro's 100, 50, 20, 10, 5, 2 and 1.
const ValueSet& EuroValues();
// The euro's 2 and 1 are coins; from 5 up, banknotes.
inline constexpr int kLargestCoin = 2;
// The euro's every note and coin, in cents: 50000 (500 €) down to 1 (1 cent).
const ValueSet& EuroCentValues();

// What the practice's wallet holds, in cents: the notes from 100 € down, the
// coins of 2 € and 1 €, and the six coins of cents.
inline constexpr std::size_t kWalletValues = 13;
const ValueSet& WalletCents();

// The ready-made sets, as their options name them, and their values.
inline constexpr std::size_t kReadySets = 4;
inline constexpr const char* kReadySetCaptions[kReadySets] = {
    "Евро: 100, 50, 20, 10, 5, 2, 1", "Монети на САЩ в центове: 25, 10, 5, 1",
    "Стари британски монети в пенса: 30, 24, 12, 6, 3, 1", "4, 3, 1"};
const ValueSet& ReadySetValues(int ready_set);

}  // namespace banknotes
