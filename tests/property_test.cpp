#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "logic/form/dispatch.h"
#include "tests/fewest_banknotes.h"
#include "tests/form_helpers.h"
#include "tests/literal_splits.h"

namespace banknotes {
namespace {

using reference::kBanknoteValues;

long CountOrZero(const std::string& text) { return text.empty() ? 0 : std::stol(text); }

TEST(PaymentProperty, EveryAmountUpTo10000GetsTheFewestBanknotesWorthIt) {
  const std::vector<int> fewest = reference::FewestBanknotes(10000);
  for (int amount = 0; amount <= 10000; ++amount) {
    FormState form;
    form.Text3[kAmount] = std::to_string(amount);
    ASSERT_EQ(dispatch(form, kEnterButton), Outcome::Success) << amount;
    long worth = 0, banknotes = 0;
    for (std::size_t k = 0; k < kDenominations; ++k) {
      worth += CountOrZero(form.Text2[k]) * kBanknoteValues[k];
      banknotes += CountOrZero(form.Text2[k]);
    }
    ASSERT_EQ(worth, amount);
    ASSERT_EQ(banknotes, fewest[amount]) << amount;
  }
}

// What the form should hold, worked out the plain way, with known values for
// the texts the session types instead of reading them.
struct Model {
  std::array<std::optional<long>, kDenominations> counts;
  std::array<int, kDenominations> marks{};
  std::optional<long> total;
  std::string amount, sum;
  std::vector<std::string> lines;

  static double Round(double x) { return std::nearbyint(x); }  // to even, the default mode

  bool Pay(double value) {
    const double new_total = Round(static_cast<double>(total.value_or(0)) + value);
    if (std::fabs(new_total) > 2147483647.0) return false;
    auto new_counts = counts;
    std::array<int, kDenominations> new_marks{};
    double left = value;
    for (std::size_t k = 0; k < kDenominations; ++k) {
      if (left < kBanknoteValues[k]) continue;
      const long whole = static_cast<long>(Round(left));
      const long count = counts[k].value_or(0) + whole / kBanknoteValues[k];
      if (count > 32767) return false;
      new_counts[k] = count;
      new_marks[k] = 1;
      left = static_cast<double>(whole % kBanknoteValues[k]);
    }
    counts = new_counts;
    marks = new_marks;
    total = static_cast<long>(new_total);
    amount.clear();
    return true;
  }

  void List(double value) {
    lines = reference::LiteralSplits(value);
    counts = {};
    marks = {};
    amount.clear();
    total.reset();
  }

  void Clear() { *this = Model{}; }

  FormState Expected() const {
    FormState form;
    form.Text3 = {amount, total ? std::to_string(*total) : "", sum};
    for (std::size_t k = 0; k < kDenominations; ++k) {
      form.Text2[k] = counts[k] ? std::to_string(*counts[k]) : "";
      form.Check1[k].Value = marks[k];
    }
    for (const std::string& line : lines) form.List1[kSplits].AddItem(line);
    return form;
  }
};

struct KnownText {
  const char* text;
  double value;
};

TEST(SessionProperty, ALongRandomSessionMatchesTheModel) {
  const KnownText amounts[] = {{"", 0},      {"130", 130},   {"75", 75},   {"9999", 9999},
                               {"-5", -5},   {"1.5", 1.5},   {"2.5", 2.5}, {"abc", 0},
                               {"1E9", 1e9}, {"&HFF", 255},  {"7", 7},     {" 4 2", 42},
                               {"3.5", 3.5}, {"-0.5", -0.5}, {"88", 88},   {"-9E3", -9000}};
  const KnownText sums[] = {{"", 0},     {"10", 10}, {"5", 5}, {"-3", -3}, {"x", 0},
                            {".5", 0.5}, {"20", 20}, {"1", 1}, {"9E", 9},  {"33", 33}};

  std::mt19937 random(20261208);
  FormState form;
  Model model;
  int count_limits_hit = 0;
  for (int step = 0; step < 20000; ++step) {
    switch (random() % 8) {
      case 0:
      case 1: {
        const KnownText& amount = amounts[random() % std::size(amounts)];
        form.Text3[kAmount] = model.amount = amount.text;
        const bool paid = model.Pay(amount.value);
        ASSERT_EQ(dispatch(form, kEnterButton), paid ? Outcome::Success : Outcome::Overflow)
            << "step " << step << " amount " << amount.text;
        break;
      }
      case 2: {
        if (random() % 100 != 0) break;  // rare, so counts can grow to their limit between resets
        const KnownText& sum = sums[random() % std::size(sums)];
        form.Text3[kSum] = model.sum = sum.text;
        model.List(sum.value);
        ASSERT_EQ(dispatch(form, kListButton), Outcome::Success) << "step " << step;
        break;
      }
      case 3:
        if (random() % 400 == 0) {
          model.Clear();
          ASSERT_EQ(dispatch(form, kClearButton), Outcome::Success);
        }
        break;
      case 4: {
        const std::size_t k = random() % kDenominations;
        model.marks[k] = form.Check1[k].Value = 1 - form.Check1[k].Value;
        break;
      }
      case 5:
        ASSERT_EQ(dispatch(form, static_cast<std::int16_t>(3 + random() % 100)), Outcome::Success);
        break;
      default:  // several payments in a row build the counts up
        form.Text3[kAmount] = model.amount = "9999";
        const bool paid = model.Pay(9999);
        count_limits_hit += !paid;
        ASSERT_EQ(dispatch(form, kEnterButton), paid ? Outcome::Success : Outcome::Overflow);
    }
    ASSERT_EQ(form, model.Expected()) << "step " << step;
  }
  EXPECT_GT(count_limits_hit, 0) << "the session never took a count to its limit";
}

}  // namespace
}  // namespace banknotes
