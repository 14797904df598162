#include "logic/form/character_limit.h"

#include <algorithm>
#include <utility>

namespace banknotes {
namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Code points in text, counting a lone surrogate as one.
std::size_t CharacterCount(const std::u16string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    ++count;
  }
  return count;
}

// Where the character ending at index end (exclusive) starts.
std::size_t PreviousCharacter(const std::u16string& text, std::size_t end) {
  if (end >= 2 && IsLowSurrogate(text[end - 1]) && IsHighSurrogate(text[end - 2])) return end - 2;
  return end - 1;
}

// A cursor inside the text, and never between the halves of a pair: there it
// goes after the pair, with the character it stood in.
std::size_t Whole(const std::u16string& text, std::size_t cursor) {
  cursor = std::min(cursor, text.size());
  if (cursor > 0 && cursor < text.size() && IsHighSurrogate(text[cursor - 1]) &&
      IsLowSurrogate(text[cursor]))
    ++cursor;
  return cursor;
}

}  // namespace

void FitToLimit(std::u16string& text, std::size_t& cursor, std::size_t limit) {
  cursor = Whole(text, cursor);
  // Only what was just inserted, before the cursor, can hold a line break.
  for (std::size_t line_break;
       (line_break = text.find_first_of(u"\r\n")) != std::u16string::npos;) {
    const std::size_t end = std::max(cursor, line_break + 1);
    text.erase(line_break, end - line_break);
    // What stood on either side of the break may now be a pair.
    cursor = Whole(text, line_break);
  }
  const std::size_t count = CharacterCount(text);
  if (count <= limit) return;
  std::size_t excess = count - limit;
  const std::size_t cut_end = std::min(cursor, text.size());
  std::size_t cut_start = cut_end;
  while (excess > 0 && cut_start > 0) {
    cut_start = PreviousCharacter(text, cut_start);
    --excess;
  }
  text.erase(cut_start, cut_end - cut_start);
  // Lone halves on either side of the cut may now be a pair.
  cursor = Whole(text, cut_start);
  // Only when the cursor sits too near the start to cut before it: cut the end.
  for (; excess > 0 && !text.empty(); --excess) text.resize(PreviousCharacter(text, text.size()));
}

void FitDigitsToLimit(std::u16string& text, std::size_t& cursor, std::size_t limit) {
  std::u16string digits;
  std::size_t kept_before_cursor = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') continue;
    digits += text[i];
    if (i < cursor) ++kept_before_cursor;
  }
  text = std::move(digits);
  cursor = kept_before_cursor;
  FitToLimit(text, cursor, limit);
}

}  // namespace banknotes
