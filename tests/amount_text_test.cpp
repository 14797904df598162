#include "logic/money/amount_text.h"

#include <gtest/gtest.h>

#include <string>

#include "logic/money/paying.h"
#include "logic/money/values.h"

namespace banknotes {
namespace {

constexpr const char* kHow = "Сумата се пише с цифри и десетична запетая, например 12,35.";

TEST(AmountText, ReadsWhatPupilsType) {
  const struct {
    const char* name;
    const char* typed;
    Cents cents;
  } rows[] = {
      {"comma", "12,35", 1235},
      {"point", "12.35", 1235},
      {"with the sign", "12,35 €", 1235},
      {"the sign close up", "12,35€", 1235},
      {"as we write it", "12,35\u00a0€", 1235},
      {"whole euro", "12", 1200},
      {"one digit of cents", "12,5", 1250},
      {"a cent", "0,01", 1},
      {"nothing", "0", 0},
      {"spaces around", "  7,35 ", 735},
      {"grouped", "10 000,50", 1000050},
      {"grouped as we write it", "10\u00a0000,00\u00a0€", 1000000},
      {"four digits together", "1000", 100000},
      {"the largest", "1 000 000", kLargestCents},
      {"leading zeros", "007", 700},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const AmountRead read = ReadAmount(row.typed);
    EXPECT_EQ(read.wrong, "");
    EXPECT_EQ(read.cents, row.cents);
  }
}

TEST(AmountText, RefusesWhatIsNoAmountAndSaysWhy) {
  const struct {
    const char* name;
    const char* typed;
    std::string wrong;
  } rows[] = {
      {"three digits of cents", "12,345", "Центовете са най-много две цифри, например 12,35."},
      {"negative", "-3", "Сумата не може да е отрицателна."},
      {"an exponent", "1e3", kHow},
      {"a letter", "12a", kHow},
      {"a word", "дванадесет", kHow},
      {"a lone comma", ",", kHow},
      {"no euro before the comma", ",50", kHow},
      {"a comma and nothing", "12,", kHow},
      {"two commas", "1,2,3", kHow},
      {"groups of two", "10 00", kHow},
      {"a group too long", "1 0000", kHow},
      {"empty", "", "Въведете сума, например 12,35."},
      {"spaces only", "   ", "Въведете сума, например 12,35."},
      {"the sign alone", "€", kHow},
      {"past the largest", "1000000,01",
       "Сумата трябва да е най-много 1\u00a0000\u00a0000,00\u00a0€."},
      {"past 64 bits", "99999999999999999999999",
       "Сумата трябва да е най-много 1\u00a0000\u00a0000,00\u00a0€."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const AmountRead read = ReadAmount(row.typed);
    EXPECT_EQ(read.wrong, row.wrong);
    EXPECT_FALSE(read.cents.has_value());
  }
  // A range of the caller's own.
  EXPECT_EQ(ReadAmount("20,01", 2000).wrong, "Сумата трябва да е най-много 20,00\u00a0€.");
  EXPECT_EQ(ReadAmount("20", 2000).cents, 2000);
}

TEST(AmountText, WritesAsOurTextsDoAndReadsBack) {
  const struct {
    Cents cents;
    const char* text;
  } rows[] = {{1235, "12,35\u00a0€"},
              {5, "0,05\u00a0€"},
              {0, "0,00\u00a0€"},
              {100, "1,00\u00a0€"},
              {999999, "9999,99\u00a0€"},
              {1000000, "10\u00a0000,00\u00a0€"},
              {kLargestCents, "1\u00a0000\u00a0000,00\u00a0€"},
              {-735, "-7,35\u00a0€"}};
  for (const auto& row : rows) {
    EXPECT_EQ(CentsText(row.cents), row.text);
    if (row.cents >= 0) {
      EXPECT_EQ(ReadAmount(row.text).cents, row.cents) << row.text;
    }
  }
  EXPECT_EQ(CentsNumber(735), "7,35");
}

// The euro's fifteen values, and largest first the fewest for every amount up
// to 700 €, past the sum of the two largest, which settles it for all.
TEST(EuroCentValues, AreTheFifteenAndLargestFirstIsTheFewest) {
  const ValueSet& values = EuroCentValues();
  EXPECT_EQ(values,
            (ValueSet{50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1}));
  const GreedyCheck check = CheckLargestFirst(values);
  EXPECT_EQ(check.kind, GreedyCheck::Always);
  EXPECT_GE(check.checked, 70000 - 1);
}

}  // namespace
}  // namespace banknotes
