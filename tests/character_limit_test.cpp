#include "logic/form/character_limit.h"

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

// Whatever the text and wherever the cursor stands, even inside a pair or
// among lone surrogates, as a caller other than a box may hand them.
TEST(FitToLimit, AnyTextAndAnyCursor) {
  const struct {
    const char* name;
    std::u16string text;
    std::size_t cursor, limit;
    std::u16string kept;
    std::size_t kept_cursor;
  } rows[] = {
      {"a cursor inside a pair", u"a" + kEmoji + u"b", 2, 1, u"b", 0},
      {"a pair made by a break's removal", {u'a', 0xD83D, u'\n', 0xDE00, u'b', u'c'}, 3, 0, u"", 0},
      {"a cursor past the end", u"12345", 99, 4, u"1234", 4},
      {"lone surrogates count one each", {0xDE00, u'1', 0xD83D}, 3, 2, {0xDE00, u'1'}, 2},
      {"lone halves made a pair by the cut", {0xD83D, u'a', 0xDE00}, 2, 2, kEmoji, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::u16string text = row.text;
    std::size_t cursor = row.cursor;
    FitToLimit(text, cursor, row.limit);
    EXPECT_EQ(text, row.kept);
    EXPECT_EQ(cursor, row.kept_cursor);
  }

  // Every text of up to five units from a line break, a letter and both halves
  // of a pair, with every cursor and limit: at most the limit in characters, the
  // cursor in the text and never inside a pair, and no pair of the text cut in
  // half.
  const char16_t units[] = {u'a', u'\n', 0xD83D, 0xDE00};
  const auto lone = [](const std::u16string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
      const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
      if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        ++i;
      else
        count += high || low;
    }
    return count;
  };
  for (int length = 0; length <= 5; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i) combinations *= 4;
    for (int code = 0; code < combinations; ++code) {
      std::u16string text;
      for (int i = 0, rest = code; i < length; ++i, rest /= 4) text += units[rest % 4];
      for (std::size_t cursor = 0; cursor <= text.size() + 1; ++cursor)
        for (std::size_t limit = 0; limit <= 3; ++limit) {
          std::u16string kept = text;
          std::size_t at = cursor;
          FitToLimit(kept, at, limit);
          SCOPED_TRACE(::testing::Message() << "text " << code << " of length " << length
                                            << ", cursor " << cursor << ", limit " << limit);
          std::size_t characters = 0;
          for (std::size_t i = 0; i < kept.size(); ++i, ++characters)
            if (kept[i] >= 0xD800 && kept[i] <= 0xDBFF && i + 1 < kept.size() &&
                kept[i + 1] >= 0xDC00 && kept[i + 1] <= 0xDFFF)
              ++i;
          ASSERT_LE(characters, limit);
          ASSERT_LE(at, kept.size());
          ASSERT_FALSE(at > 0 && at < kept.size() && kept[at - 1] >= 0xD800 &&
                       kept[at - 1] <= 0xDBFF && kept[at] >= 0xDC00 && kept[at] <= 0xDFFF);
          ASSERT_LE(lone(kept), lone(text));
        }
    }
  }
}

}  // namespace
}  // namespace banknotes
