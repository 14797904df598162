#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logic/money/amount_text.h"
#include "logic/money/paying.h"
#include "logic/money/tasks.h"

namespace banknotes {

// Change at the till, in euro and cents: a price and the note paid with, drawn
// from a seeded source; the task as a class reads it aloud; the change with the
// fewest of the euro's notes and coins; and the steps a shop assistant counts up
// by from the price to the note, coin by coin, smallest first, which give the
// same coins as largest first does. Numbers and their texts only.

struct ChangeTask {
  Cents price = 0;
  Cents paid = 0;  // a note, whole euros
  friend auto operator<=>(const ChangeTask&, const ChangeTask&) = default;
};

// A price of 0,01 € up to `largest` less a cent (at most 500 €), and the
// smallest note of 5 € and up that pays it, or now and then the next one up.
ChangeTask DrawChangeTask(PracticeRandom& random, Cents largest);

// "Стоката струва 7,35 €. Клиентът плаща с 20 €. Върнете рестото с възможно
// най-малко банкноти и монети."
std::string ChangeTaskText(const ChangeTask& task);
// An amount as our texts name money: whole euros without cents ("20 €"),
// others with them ("7,35 €").
std::string MoneyText(Cents cents);

// The change with the euro's fifteen values, largest first, in their order.
Payment ChangeOf(const ChangeTask& task);
// Counting up from the price: "7,35 + 0,05 = 7,40", "7,40 + 0,10 = 7,50", …,
// "10,00 + 10,00 = 20,00".
std::vector<std::string> CountingUp(const ChangeTask& task);

}  // namespace banknotes
