// The rule of a box's limit on any UTF-16 text, lone surrogates included, any
// cursor and any limit: at most the limit in characters, one line, digits only
// for a count, the cursor within the text and never inside a pair, and no pair
// of the text cut in half.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/input.h"
#include "logic/form/character_limit.h"

using namespace banknotes;

namespace {

bool High(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool Low(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

struct Counted {
  std::size_t characters = 0, lone = 0;
};
Counted Count(const std::u16string& text) {
  Counted counted;
  for (std::size_t i = 0; i < text.size(); ++i, ++counted.characters) {
    if (High(text[i]) && i + 1 < text.size() && Low(text[i + 1]))
      ++i;
    else if (High(text[i]) || Low(text[i]))
      ++counted.lone;
  }
  return counted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::size_t limit = input.Byte() % 8;
  const bool digits = input.Byte() & 1;
  std::size_t cursor = input.Byte();
  std::u16string text;
  while (!input.Done()) {
    // Units near the surrogates and line breaks come often.
    const std::uint8_t kind = input.Byte();
    const std::uint16_t unit = input.Uint16();
    if (kind % 4 == 0)
      text += static_cast<char16_t>(0xD800 + unit % 0x800);
    else if (kind % 4 == 1)
      text += static_cast<char16_t>(u"\r\n5a"[unit % 4]);
    else
      text += static_cast<char16_t>(unit);
  }
  std::u16string kept = text;
  (digits ? FitDigitsToLimit : FitToLimit)(kept, cursor, limit);

  const Counted counted = Count(kept);
  if (counted.characters > limit) std::abort();
  if (cursor > kept.size()) std::abort();
  if (cursor > 0 && cursor < kept.size() && High(kept[cursor - 1]) && Low(kept[cursor]))
    std::abort();
  if (kept.find_first_of(u"\r\n") != std::u16string::npos) std::abort();
  if (counted.lone > Count(text).lone) std::abort();
  if (digits)
    for (const char16_t unit : kept)
      if (unit < u'0' || unit > u'9') std::abort();
  return 0;
}
