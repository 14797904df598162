// Any bytes as a field's text: reading never crashes and never yields NaN or an
// infinity, and the text of what it yields reads back as the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "logic/form/number_rules.h"
#include "logic/form/outcome.h"
#include "tests/real_text.h"

using namespace banknotes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  double value = 0;
  try {
    value = ReadNumber(text);
  } catch (const NumberError& error) {
    if (error.kind() != Outcome::Overflow) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();

  const std::string written = RealText(value);
  const double back = ReadNumber(written);  // must not throw either
  if (std::trunc(value) == value && std::fabs(value) < 1e15) {
    if (back != value) std::abort();
  } else if (RealText(back) != written || std::fabs(back - value) > std::fabs(value) * 1e-14) {
    std::abort();
  }
  return 0;
}
