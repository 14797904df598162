#pragma once

#include <cstddef>
#include <string>

namespace banknotes {

// The rule of a box with a limit: one line of at most `limit` characters (code
// points, so an emoji counts one and is never cut in half), for text as UTF-16,
// which both the desktop and the browser hold. `text` is the box's text after an
// insertion and `cursor` where the insertion ended. A typed character past the
// limit is refused and a paste is cut to fit: what overflows is taken from the
// end of the inserted text, just before the cursor, so the text already there
// stays. A paste keeps only what comes before its first line break (CR or LF),
// and the limit cuts that. The cursor is moved to where the kept text ends.
void FitToLimit(std::u16string& text, std::size_t& cursor, std::size_t limit);

// The rule of a count box: digits 0 to 9 only, at most `limit` of them. Any other
// character typed is refused, and a paste keeps its digits, cut to the limit.
void FitDigitsToLimit(std::u16string& text, std::size_t& cursor, std::size_t limit);

}  // namespace banknotes
