#include "logic/form/number_rules.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "logic/form/decimal_text.h"
#include "logic/form/outcome.h"

namespace banknotes {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void Overflow() { throw NumberError(Outcome::Overflow); }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// &H and &O texts: the plain unsigned value of every digit, exact while it
// fits 64 bits.
double ReadRadix(std::string_view digits, int base) {
  std::uint64_t exact = 0;
  std::size_t i = 0;
  for (; i < digits.size(); ++i) {
    const int d = DigitValue(digits[i]);
    if (d < 0 || d >= base) return static_cast<double>(exact);
    if (exact > (std::numeric_limits<std::uint64_t>::max() - d) / base) break;
    exact = exact * base + d;
  }
  double value = static_cast<double>(exact);
  for (; i < digits.size(); ++i) {
    const int d = DigitValue(digits[i]);
    if (d < 0 || d >= base) break;
    value = value * base + d;
    if (std::isinf(value)) Overflow();
  }
  return value;
}

double ReadDecimal(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string digits;  // mantissa digits, without the point
  while (i < s.size() && IsDigit(s[i])) digits.push_back(s[i++]);
  const auto point = static_cast<std::int64_t>(digits.size());
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) digits.push_back(s[i++]);
  }
  if (digits.empty()) return 0.0;

  // An exponent letter with no digits after it counts as exponent 0. Huge
  // exponents are clamped: far past the double range either way.
  std::int64_t exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    bool exponent_negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponent_negative = s[i++] == '-';
    while (i < s.size() && IsDigit(s[i])) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
      ++i;
    }
    if (exponent_negative) exponent = -exponent;
  }

  const double zero = negative ? -0.0 : 0.0;
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return zero;

  // The value is 0.<significant digits> times 10^magnitude.
  const std::int64_t magnitude = point - static_cast<std::int64_t>(first) + exponent;
  if (magnitude > 310) Overflow();
  if (magnitude < -330) return zero;
  const double value = decimal_text::ScaledDecimal(negative, std::string_view(digits).substr(first),
                                                   static_cast<int>(magnitude));
  if (std::isinf(value)) Overflow();
  return value;
}

// Half-way values go to the even neighbour, independent of the FPU's mode.
double RoundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

template <typename Int>
Int Narrow(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    Overflow();
  return static_cast<Int>(rounded);
}

struct WholeOperands {
  std::int32_t a;
  std::int32_t b;
};

WholeOperands WholeDivisionOperands(double a, double b) {
  const WholeOperands operands{NarrowToWhole(a), NarrowToWhole(b)};
  if (operands.b == 0) throw NumberError(Outcome::DivisionByZero);
  return operands;
}

}  // namespace

double ReadNumber(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text)
    if (!IsIgnored(c)) kept.push_back(c);

  if (!kept.empty() && kept[0] == '&') {
    if (kept.size() < 2) return 0.0;
    const std::string_view digits = std::string_view(kept).substr(2);
    if (kept[1] == 'H' || kept[1] == 'h') return ReadRadix(digits, 16);
    if (kept[1] == 'O' || kept[1] == 'o') return ReadRadix(digits, 8);
    return 0.0;
  }
  return ReadDecimal(kept);
}

std::int16_t NarrowToCount(double value) { return Narrow<std::int16_t>(value); }
std::int32_t NarrowToTotal(double value) { return Narrow<std::int32_t>(value); }
std::int32_t NarrowToWhole(double value) { return Narrow<std::int32_t>(value); }

std::int32_t IntegerQuotient(double a, double b) {
  const auto [whole_a, whole_b] = WholeDivisionOperands(a, b);
  // The one quotient that leaves the 32-bit range.
  if (whole_a == std::numeric_limits<std::int32_t>::min() && whole_b == -1) Overflow();
  return whole_a / whole_b;
}

std::int32_t IntegerRemainder(double a, double b) {
  const auto [whole_a, whole_b] = WholeDivisionOperands(a, b);
  if (whole_b == -1) return 0;  // INT32_MIN % -1 would trap
  return whole_a % whole_b;
}

std::string IntegerText(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace banknotes
