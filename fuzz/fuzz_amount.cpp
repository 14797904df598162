// Amounts in euro and cents from any text: never a crash; an amount read is
// within the range and written back reads as itself; one refused has a reason
// and no amount.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/input.h"
#include "logic/money/amount_text.h"

using namespace banknotes;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  // Now and then a range of the caller's own.
  const Cents largest = input.Byte() % 4 == 0 ? input.Uint32() % 100000 : kLargestCents;
  const std::string text = input.Text(40);
  const AmountRead read = ReadAmount(text, largest);
  Check(read.cents.has_value() == read.wrong.empty());
  if (!read.cents) return 0;
  Check(*read.cents >= 0 && *read.cents <= largest);
  Check(ReadAmount(CentsText(*read.cents), largest).cents == read.cents);
  Check(ReadAmount(CentsNumber(*read.cents), largest).cents == read.cents);
  return 0;
}
