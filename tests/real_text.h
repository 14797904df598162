#pragma once

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "logic/form/decimal_text.h"
#include "logic/form/number_rules.h"

// The text of a real as the number rules write it (an integer when whole and of
// at most 15 digits; otherwise 15 significant digits, a period and an upper-case
// exponent, in fixed form below 0.0001 while at most 15 digits follow the point).
// The program writes only whole numbers; the tests and fuzzers use this to make
// texts of any value and to check that reading gives them back.
namespace banknotes {

// As printf's "%.*g" writes it in the C locale: 1.5e+300, 0.0001, 12.3456789012346.
inline std::string GeneralTextByPrintf(double value, int precision) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
  std::string text(buffer, static_cast<std::size_t>(length));
  // A locale may write another decimal point; the text always has a period.
  const char point = *std::localeconv()->decimal_point;
  for (char& c : text)
    if (c == point) c = '.';
  return text;
}

// The same through <charconv>, where the standard library has it for doubles.
inline std::string GeneralText(double value, int precision) {
#if defined(__cpp_lib_to_chars)
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  return std::string(buffer, result.ptr);
#else
  return GeneralTextByPrintf(value, precision);
#endif
}

struct Written {
  std::string text;
  bool reads_back;  // within the double range
};

inline Written WriteGeneral(double value, int precision) {
  std::string text = GeneralText(value, precision);
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return {text, true};

  const int exponent = std::stoi(text.substr(e + 1));
  std::string significant;
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] >= '0' && text[i] <= '9') significant.push_back(text[i]);
  const bool reads_back =
      !std::isinf(decimal_text::ScaledDecimal(false, significant, exponent + 1));
  const int after_point = -exponent - 1 + static_cast<int>(significant.size());
  if (exponent < 0 && after_point <= 15) {
    std::string fixed = value < 0 ? "-0." : "0.";
    fixed.append(static_cast<std::size_t>(-exponent - 1), '0');
    return {fixed + significant, reads_back};
  }
  text[e] = 'E';
  return {text, reads_back};
}

inline std::string RealText(double value) {
  if (value == 0.0) return "0";  // negative zero too
  if (std::trunc(value) == value && std::fabs(value) < 1e15)
    return IntegerText(static_cast<std::int64_t>(value));
  // Right at the top of the double range, 15 digits round past it and would not
  // read back; those few values get the 17 digits that do.
  Written written = WriteGeneral(value, 15);
  if (!written.reads_back) written = WriteGeneral(value, 17);
  return written.text;
}

}  // namespace banknotes
