#include "logic/money/duration_text.h"

#include <cmath>
#include <cstdint>
#include <iterator>

#include "logic/money/number_text.h"

namespace banknotes {
namespace {

// A value as two significant figures: figures × 10^(exponent - 1), figures
// from 10 to 99.
struct Figures {
  int figures;
  int exponent;
};

// 10^power for power >= 0, exact up to 10^22, whatever the C library's pow.
double PowerOfTen(int power) {
  double result = 1;
  for (int i = 0; i < power; ++i) result *= 10;
  return result;
}

// value / 10^power by exact powers of ten: 10^-3 has no exact double, and
// dividing by it rounds differently on different C libraries.
double Scaled(double value, int power) {
  return power < 0 ? value * PowerOfTen(-power) : value / PowerOfTen(power);
}

Figures ToFigures(double value) {
  int exponent = static_cast<int>(std::floor(std::log10(value)));
  double scaled = std::round(Scaled(value, exponent - 1));
  // log10 can land one off near a power of ten; rounding can reach 100.
  if (scaled >= 100) scaled = std::round(Scaled(value, exponent++));
  if (scaled < 10) scaled = std::round(Scaled(value, --exponent - 1));
  if (scaled >= 100) {
    scaled = 10;
    ++exponent;
  }
  return {static_cast<int>(scaled), exponent};
}

std::string Superscript(int number) {
  static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text;
  for (const char digit : std::to_string(number)) text += kDigits[digit - '0'];
  return text;
}

// "3,4" or "3" for figures 34 or 30 of one whole digit.
std::string OneWholeDigit(int figures) {
  std::string text(1, static_cast<char>('0' + figures / 10));
  if (figures % 10 != 0) text.append(1, ',').append(1, static_cast<char>('0' + figures % 10));
  return text;
}

}  // namespace

std::string PowerOfTenText(int exponent) {
  if (exponent <= 0) return "1";
  return exponent == 1 ? "10" : "10" + Superscript(exponent);
}

std::string TwoFigures(double value) {
  if (!(value > 0) || !std::isfinite(value)) return "0";
  const Figures f = ToFigures(value);
  if (f.exponent >= 7) return OneWholeDigit(f.figures) + " × 10" + Superscript(f.exponent);
  if (f.exponent >= 1)
    return QuantityOfDigits(
        std::to_string(f.figures).append(static_cast<std::size_t>(f.exponent - 1), '0'));
  if (f.exponent == 0) return OneWholeDigit(f.figures);
  std::string text = "0,";
  text.append(static_cast<std::size_t>(-f.exponent - 1), '0').append(std::to_string(f.figures));
  if (text.back() == '0') text.pop_back();
  return text;
}

std::string DurationText(double seconds) {
  if (!(seconds >= 0.001)) return "по-малко от 0,001 с";
  struct Unit {
    double seconds;
    const char* one;
    const char* many;
  };
  static constexpr Unit kUnits[] = {{1, "с", "с"},
                                    {60, "мин", "мин"},
                                    {3600, "ч", "ч"},
                                    {86400, "ден", "дни"},
                                    {86400 * 365.25, "година", "години"}};
  std::size_t u = 0;
  while (u + 1 < std::size(kUnits) && seconds >= kUnits[u + 1].seconds) ++u;
  std::string figures = TwoFigures(seconds / kUnits[u].seconds);
  // Rounded up to the next unit: said in that unit, as the rounded value is
  // (59,6 min is 60 min, and so 1 ч, not 0,99 ч).
  if (u + 1 < std::size(kUnits)) {
    const Figures f = ToFigures(seconds / kUnits[u].seconds);
    const double rounded = f.exponent >= 1 ? f.figures * PowerOfTen(f.exponent - 1)
                                           : f.figures / PowerOfTen(1 - f.exponent);
    const double next = kUnits[u + 1].seconds / kUnits[u].seconds;
    if (rounded >= next) {
      figures = TwoFigures(rounded / next);
      ++u;
    }
  }
  return figures + " " + (figures == "1" ? kUnits[u].one : kUnits[u].many);
}

}  // namespace banknotes
