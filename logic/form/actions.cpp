#include "logic/form/actions.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logic/form/number_rules.h"

namespace banknotes {
namespace {

// The payment side is emptied the same way by listing and by clearing.
void EmptyCountsAndMarks(FormState& form) {
  for (std::size_t k = 0; k < kDenominations; ++k) {
    form.Text2[k].clear();
    form.Check1[k].Value = 0;
  }
}

// Writes one split line, "20*e + 10*d + 5*c + 2*b + 1*a = S", into a buffer
// big enough for any 64-bit fields.
class SplitLineWriter {
 public:
  std::string Line(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d, std::int64_t e,
                   std::int64_t sum) {
    end_ = buffer_;
    Piece("20*");
    Number(e);
    Piece(" + 10*");
    Number(d);
    Piece(" + 5*");
    Number(c);
    Piece(" + 2*");
    Number(b);
    Piece(" + 1*");
    Number(a);
    Piece(" = ");
    Number(sum);
    return std::string(buffer_, end_);
  }

 private:
  template <std::size_t N>
  void Piece(const char (&text)[N]) {
    std::memcpy(end_, text, N - 1);
    end_ += N - 1;
  }
  void Number(std::int64_t value) {
    end_ = std::to_chars(end_, buffer_ + sizeof buffer_, value).ptr;
  }

  char buffer_[6 * 20 + 32];
  char* end_ = buffer_;
};

// Only the combinations that can meet the sum are visited, in the listing's
// order: 1s outermost, then 2s, 5s and 10s; the 20s are what is left.
std::vector<std::string> Splits(std::int64_t sum) {
  std::vector<std::string> lines;
  SplitLineWriter writer;
  for (std::int64_t ones = 0; ones <= sum; ++ones) {
    for (std::int64_t twos = 0; ones + 2 * twos <= sum; ++twos) {
      const std::int64_t after_twos = sum - ones - 2 * twos;
      if (after_twos % 5 != 0) continue;
      // Fives must leave a multiple of 10, so they share the parity of after_twos / 5.
      for (std::int64_t fives = (after_twos / 5) % 2; 5 * fives <= after_twos; fives += 2) {
        const std::int64_t after_fives = after_twos - 5 * fives;
        // Likewise tens must leave a multiple of 20.
        for (std::int64_t tens = (after_fives / 10) % 2; 10 * tens <= after_fives; tens += 2)
          lines.push_back(
              writer.Line(ones, twos, fives, tens, (after_fives - 10 * tens) / 20, sum));
      }
    }
  }
  return lines;
}

}  // namespace

void EnterPayment(FormState& form) {
  double left = ReadNumber(form.Text3[kAmount]);
  std::int32_t total = NarrowToTotal(ReadNumber(form.Text3[kTotal]));
  total = NarrowToTotal(static_cast<double>(total) + left);

  // Worked out in full before anything is written, so a failure changes nothing.
  std::array<int, kDenominations> marks{};
  std::array<std::optional<std::string>, kDenominations> counts;
  for (std::size_t k = 0; k < kDenominations; ++k) {
    const std::int16_t count = NarrowToCount(ReadNumber(form.Text2[k]));
    const double denomination = ReadNumber(form.Check1[k].Caption);
    if (left >= denomination) {
      marks[k] = 1;
      counts[k] = IntegerText(
          NarrowToCount(static_cast<double>(count) + IntegerQuotient(left, denomination)));
      left = IntegerRemainder(left, denomination);
    }
  }

  for (std::size_t k = 0; k < kDenominations; ++k) {
    form.Check1[k].Value = marks[k];
    if (counts[k]) form.Text2[k] = std::move(*counts[k]);
  }
  form.Text3[kTotal] = IntegerText(total);
  form.Text3[kAmount].clear();
}

void ListSplits(FormState& form) {
  const double sum = ReadNumber(form.Text3[kSum]);
  std::vector<std::string> lines;
  // A negative sum meets nothing. Otherwise the sum must round into 32 bits, and
  // only a whole sum can be met exactly.
  if (sum >= 0) {
    const std::int32_t whole = NarrowToWhole(sum);
    if (whole == sum) lines = Splits(whole);
  }

  form.List1[kSplits].Assign(std::move(lines));
  EmptyCountsAndMarks(form);
  form.Text3[kAmount].clear();
  form.Text3[kTotal].clear();
}

std::string SplitLine(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                      std::int64_t e, std::int64_t sum) {
  return SplitLineWriter().Line(a, b, c, d, e, sum);
}

void ClearAll(FormState& form) {
  EmptyCountsAndMarks(form);
  for (std::string& text : form.Text3) text.clear();
  form.List1[kSplits].Clear();
}

}  // namespace banknotes
