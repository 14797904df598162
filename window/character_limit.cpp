#include "window/character_limit.h"

#include <algorithm>

#include "logic/form/character_limit.h"

namespace banknotes {

CharacterLimit::CharacterLimit(int limit, bool digits, QObject* parent)
    : QValidator(parent), limit_(limit), digits_(digits) {}

QValidator::State CharacterLimit::validate(QString& input, int& pos) const {
  std::u16string text = input.toStdU16String();
  std::size_t cursor = static_cast<std::size_t>(std::clamp<qsizetype>(pos, 0, input.size()));
  (digits_ ? FitDigitsToLimit : FitToLimit)(text, cursor, static_cast<std::size_t>(limit_));
  input = QString::fromStdU16String(text);
  pos = static_cast<int>(cursor);
  return Acceptable;
}

}  // namespace banknotes
