#include "window/character_limit.h"

#include <algorithm>

namespace banknotes {
namespace {

// Code points in text, counting a lone surrogate as one.
int CharacterCount(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    ++count;
  }
  return count;
}

// Where the character ending at index end (exclusive) starts.
qsizetype PreviousCharacter(const QString& text, qsizetype end) {
  if (end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate()) return end - 2;
  return end - 1;
}

qsizetype FirstLineBreak(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == u'\r' || text[i] == u'\n') return i;
  return -1;
}

}  // namespace

CharacterLimit::CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const {
  // The box holds one line: a pasted text keeps what stands before its first line
  // break. Only what was just inserted, before the cursor, can hold one.
  for (qsizetype line_break; (line_break = FirstLineBreak(input)) >= 0;) {
    const qsizetype end = std::max<qsizetype>(pos, line_break + 1);
    input.remove(line_break, end - line_break);
    pos = static_cast<int>(line_break);
  }
  int excess = CharacterCount(input) - limit_;
  if (excess <= 0) return Acceptable;
  qsizetype cut_end = std::clamp<qsizetype>(pos, 0, input.size());
  qsizetype cut_start = cut_end;
  while (excess > 0 && cut_start > 0) {
    cut_start = PreviousCharacter(input, cut_start);
    --excess;
  }
  input.remove(cut_start, cut_end - cut_start);
  pos = static_cast<int>(cut_start);
  // Only when the cursor sits too near the start to cut before it: cut the end.
  while (excess-- > 0 && !input.isEmpty()) input.truncate(PreviousCharacter(input, input.size()));
  return Acceptable;
}

}  // namespace banknotes
