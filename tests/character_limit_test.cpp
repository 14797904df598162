#include "logic/character_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace banknotes {
namespace {

// A box holding `before`, with `inserted` typed or pasted at `at`, under `limit`.
struct LimitRow {
  const char* name;
  std::u16string before;
  std::size_t at;
  std::u16string inserted;
  std::size_t limit;
  std::u16string kept;
  std::size_t cursor;
};

const std::u16string kEmoji = u"\U0001F600";  // one character, two UTF-16 units

// A row reads as its name in test listings.
void PrintTo(const LimitRow& row, std::ostream* out) { *out << row.name; }

class FitToLimitRows : public ::testing::TestWithParam<LimitRow> {};

TEST_P(FitToLimitRows, KeepsOneLineWithinTheLimit) {
  const LimitRow& row = GetParam();
  std::u16string text = row.before;
  text.insert(row.at, row.inserted);
  std::size_t cursor = row.at + row.inserted.size();
  FitToLimit(text, cursor, row.limit);
  EXPECT_EQ(text, row.kept);
  EXPECT_EQ(cursor, row.cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FitToLimitRows,
    ::testing::Values(
        LimitRow{"WithinTheLimit", u"", 0, u"123", 4, u"123", 3},
        LimitRow{"TypedPastTheLimitIsRefused", u"1234", 4, u"5", 4, u"1234", 4},
        LimitRow{"APasteIsCutFromItsEnd", u"", 0, u"123456", 4, u"1234", 4},
        LimitRow{"WhatWasThereStays", u"19", 1, u"2345", 4, u"1239", 3},
        LimitRow{"EmojiCountOneEach", u"", 0, kEmoji + kEmoji + kEmoji, 2, kEmoji + kEmoji, 4},
        LimitRow{"AnEmojiIsNeverCutInHalf", u"1", 1, kEmoji + kEmoji, 2, u"1" + kEmoji, 3},
        LimitRow{"ALoneSurrogateCountsOne", u"", 0,
                 u"\xD800"
                 u"12",
                 2,
                 u"\xD800"
                 u"1",
                 2},
        LimitRow{"OnlyTheFirstLineOfAPaste", u"", 0, u"1\n2345", 4, u"1", 1},
        LimitRow{"CarriageReturnEndsTheLine", u"", 0, u"7\r8", 2, u"7", 1},
        LimitRow{"CrLfAtTheEnd", u"", 0, u"12\r\n", 2, u"12", 2},
        LimitRow{"ALineBreakFirstKeepsNothing", u"", 0, u"\n55", 4, u"", 0},
        LimitRow{"ALongFirstLineIsCut", u"", 0, u"123456\r\n7", 4, u"1234", 4},
        LimitRow{"ABreakPastedBeforeTextKeepsTheText", u"9", 0, u"1\n2", 4, u"19", 1},
        LimitRow{"ACursorAtTheStartCutsTheEnd", u"12345", 0, u"", 4, u"1234", 0}),
    [](const ::testing::TestParamInfo<LimitRow>& info) { return info.param.name; });

// A count box: digits only, typed or pasted, at most three of them.
TEST(FitDigitsToLimit, KeepsDigitsOnly) {
  const struct {
    std::u16string before;
    std::size_t at;
    std::u16string inserted;
    std::u16string kept;
    std::size_t cursor;
  } rows[] = {
      {u"", 0, u"12", u"12", 2},    {u"12", 2, u"a", u"12", 2},
      {u"12", 1, u"-", u"12", 1},   {u"", 0, u"1 2\n3456", u"123", 3},
      {u"9", 0, u"x1y", u"19", 1},  {u"", 0, u"\u0662", u"", 0},  // an Arabic two
      {u"123", 3, u"4", u"123", 3}, {u"", 0, kEmoji + u"7", u"7", 1},
  };
  for (const auto& row : rows) {
    std::u16string text = row.before;
    text.insert(row.at, row.inserted);
    std::size_t cursor = row.at + row.inserted.size();
    FitDigitsToLimit(text, cursor, 3);
    EXPECT_EQ(text, row.kept);
    EXPECT_EQ(cursor, row.cursor);
  }
}

}  // namespace
}  // namespace banknotes
