// Dispatch on a form whose every field, caption, mark and list line is
// arbitrary, with any 16-bit button: a click that fails, or a button that does
// not exist, leaves the form exactly as it was. The sum to split is held to its
// box's two characters, since the listing itself sets no bound on its work.
#include <cstdint>
#include <cstdlib>

#include "fuzz/input.h"
#include "logic/form/dispatch.h"

using namespace banknotes;

namespace {

// Two characters of UTF-8 at most, as the box holds.
std::string TwoCharacters(std::string text) {
  std::size_t characters = 0, end = 0;
  for (; end < text.size(); ++end)
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && ++characters > 2) break;
  text.resize(end);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  FormState form;
  form.Text3[kAmount] = input.Text(24);
  form.Text3[kTotal] = input.Text(24);
  form.Text3[kSum] = TwoCharacters(input.Text(8));
  for (std::size_t k = 0; k < kDenominations; ++k) {
    form.Text2[k] = input.Text(12);
    form.Check1[k].Caption = input.Text(8);
    form.Check1[k].Value = static_cast<std::int8_t>(input.Byte());
  }
  ListBox::Lines lines(input.Byte() % 4);
  for (std::string& line : lines) line = input.Text(40);
  form.List1[kSplits].Assign(lines);

  while (!input.Done()) {
    const auto button = static_cast<std::int16_t>(input.Uint16());
    const FormState before = form;
    const Outcome outcome = dispatch(form, button);
    const bool known = button == kClearButton || button == kEnterButton || button == kListButton;
    if ((outcome != Outcome::Success || !known) && !(form == before)) std::abort();
    if (!known && outcome != Outcome::Success) std::abort();
  }
  return 0;
}
