#include "logic/money/values.h"

#include <algorithm>
#include <string>

#include "logic/form/form_state.h"
#include "logic/money/drawn_money.h"

namespace banknotes {

const ValueSet& EuroValues() {
  static const ValueSet values = [] {
    ValueSet denominations;
    for (const char* caption : kDenominationCaptions) denominations.push_back(std::stoi(caption));
    return denominations;
  }();
  return values;
}

const ValueSet& EuroCentValues() {
  static const ValueSet values = [] {
    ValueSet cents;
    for (const Piece& piece : kEuroPieces) cents.push_back(static_cast<int>(piece.cents));
    return cents;
  }();
  return values;
}

const ValueSet& WalletCents() {
  static const ValueSet values(EuroCentValues().end() - kWalletValues, EuroCentValues().end());
  return values;
}

const ValueSet& ReadySetValues(int ready_set) {
  static const ValueSet sets[kReadySets] = {
      EuroValues(), {25, 10, 5, 1}, {30, 24, 12, 6, 3, 1}, {4, 3, 1}};
  return sets[std::clamp(ready_set, 0, static_cast<int>(kReadySets) - 1)];
}

}  // namespace banknotes
