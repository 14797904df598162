#include "logic/money/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace banknotes {
namespace {

const std::string nbsp = "\u00a0";

TEST(Quantity, GroupsFromTenThousandOn) {
  const struct {
    std::int64_t number;
    std::string text;
  } rows[] = {
      {0, "0"},
      {1, "1"},
      {999, "999"},
      {1000, "1000"},
      {9999, "9999"},
      {10000, "10" + nbsp + "000"},
      {100000, "100" + nbsp + "000"},
      {4294967295, "4" + nbsp + "294" + nbsp + "967" + nbsp + "295"},
      {-12345, "-12" + nbsp + "345"},
      {std::numeric_limits<std::int64_t>::min(), "-9" + nbsp + "223" + nbsp + "372" + nbsp + "036" +
                                                     nbsp + "854" + nbsp + "775" + nbsp + "808"}};
  for (const auto& row : rows) EXPECT_EQ(Quantity(row.number), row.text) << row.number;
  EXPECT_EQ(QuantityOfDigits("12345678901234567890"), "12" + nbsp + "345" + nbsp + "678" + nbsp +
                                                          "901" + nbsp + "234" + nbsp + "567" +
                                                          nbsp + "890");
}

// The singular after 1 alone: 11, 21 and 101 take the counted form, as 0 does.
TEST(Counted, TheNounAgreesWithTheCount) {
  const struct {
    std::int64_t count;
    Noun noun;
    std::string text;
  } rows[] = {
      {0, Noun::Banknote, "0 банкноти"},
      {1, Noun::Banknote, "1 банкнота"},
      {2, Noun::Banknote, "2 банкноти"},
      {11, Noun::Way, "11 начина"},
      {21, Noun::Way, "21 начина"},
      {1, Noun::Way, "1 начин"},
      {101, Noun::Step, "101 стъпки"},
      {1, Noun::Step, "1 стъпка"},
      {1, Noun::Combination, "1 комбинация"},
      {2, Noun::Combination, "2 комбинации"},
      {1, Noun::Day, "1 ден"},
      {2, Noun::Day, "2 дни"},
      {1, Noun::Year, "1 година"},
      {10000, Noun::Year, "10" + nbsp + "000 години"},
  };
  for (const auto& row : rows) EXPECT_EQ(Counted(row.count, row.noun), row.text) << row.count;
  EXPECT_EQ(CountedOfDigits("1", Noun::Combination), "1 комбинация");
  EXPECT_EQ(CountedOfDigits("100000", Noun::Combination), "100" + nbsp + "000 комбинации");
}

// A list as a sentence says it: commas, and "и" before the last.
TEST(Listed, CommasAndTheLastWithI) {
  EXPECT_EQ(Listed({}), "");
  EXPECT_EQ(Listed({"1"}), "1");
  EXPECT_EQ(Listed({"4", "1"}), "4 и 1");
  EXPECT_EQ(Listed({"50", "20", "20", "20"}), "50, 20, 20 и 20");
  EXPECT_EQ(Counted(1, Noun::Cent), "1 цент");
  EXPECT_EQ(Counted(21, Noun::Cent), "21 цента");
}

}  // namespace
}  // namespace banknotes
