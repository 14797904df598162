#include "logic/form/number_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "logic/form/decimal_text.h"
#include "logic/form/outcome.h"
#include "tests/real_text.h"

namespace banknotes {
namespace {

struct ReadCase {
  const char* name;
  std::string text;
  double value;
};

TEST(ReadNumber, ReadsTheNumberAtTheStart) {
  const ReadCase cases[] = {
      {"empty", "", 0},
      {"letters", "abc", 0},
      {"digits then letters", "12abc", 12},
      {"blank between digits", "1 2", 12},
      {"tab and line feed ignored", "\t1\n2 3 ", 123},
      {"carriage return stops", "1\r2", 1},
      {"negative", "-5", -5},
      {"plus sign", "+7", 7},
      {"fraction", "2.5", 2.5},
      {"point first", ".5", 0.5},
      {"point last", "5.", 5},
      {"second point stops", "1.2.3", 1.2},
      {"comma is no decimal point", "2,5", 2},
      {"comma first reads nothing", ",5", 0},
      {"sign alone", "-", 0},
      {"point alone", ".", 0},
      {"double sign", "--5", 0},
      {"exponent", "1E9", 1e9},
      {"lower-case exponent", "1e3", 1000},
      {"D exponent", "2D2", 200},
      {"negative d exponent", "2d-1", 0.2},
      {"exponent without digits", "9E", 9},
      {"exponent sign without digits", "1E+", 1},
      {"blanks inside exponent", "1 E 2", 100},
      {"hexadecimal", "&HFF", 255},
      {"hexadecimal lower case", "&hff", 255},
      {"hexadecimal stops at non-digit", "&H1G", 1},
      {"octal", "&O17", 15},
      {"octal stops at 8", "&o78", 7},
      {"blanks before ampersand", "  &HFF", 255},
      {"sign before ampersand", "-&H1", 0},
      {"ampersand alone", "&", 0},
      {"ampersand and other letter", "&X1", 0},
      {"hexadecimal without digits", "&H", 0},
      {"octal without digits", "&O", 0},
      {"long hexadecimal", "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
      {"hexadecimal past 64 bits", "&H10000000000000000", 18446744073709551616.0},
      {"tiny underflows to zero", "1E-400", 0},
      {"many leading zeros", "0000000000000000000000000042", 42},
      {"leading zeros after point", "0.000056789", 0.000056789},
      {"largest double", "1.7976931348623157E308", 1.7976931348623157e308},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << c.name;
}

TEST(ReadNumber, TooLargeForADoubleOverflows) {
  const std::string cases[] = {"1E400", "-1E400", "1.8E308", "&H" + std::string(300, 'F'),
                               "1" + std::string(400, '0')};
  for (const std::string& text : cases) {
    try {
      ReadNumber(text);
      ADD_FAILURE() << text.substr(0, 20) << " read without overflow";
    } catch (const NumberError& error) {
      EXPECT_EQ(error.kind(), Outcome::Overflow) << text.substr(0, 20);
    }
  }
}

TEST(ReadNumber, NegativeZeroKeepsItsSign) { EXPECT_TRUE(std::signbit(ReadNumber("-0"))); }

struct NarrowCase {
  const char* name;
  double value;
  std::int64_t expected;  // ignored when overflows
  bool overflows;
};

template <typename Narrow>
void CheckNarrowing(const NarrowCase (&cases)[8], Narrow narrow) {
  for (const NarrowCase& c : cases) {
    if (c.overflows) {
      EXPECT_THROW(narrow(c.value), NumberError) << c.name;
    } else {
      EXPECT_EQ(narrow(c.value), c.expected) << c.name;
    }
  }
}

TEST(Narrowing, CountRoundsHalfToEvenWithin16Bits) {
  const NarrowCase cases[8] = {
      {"2.5 to even", 2.5, 2, false},
      {"3.5 to even", 3.5, 4, false},
      {"-0.5 to zero", -0.5, 0, false},
      {"below half", 1.4999999999999998, 1, false},
      {"32766.5", 32766.5, 32766, false},
      {"32767.5 rounds past the top", 32767.5, 0, true},
      {"-32768.5 rounds to the bottom", -32768.5, -32768, false},
      {"-32769", -32769, 0, true},
  };
  CheckNarrowing(cases, NarrowToCount);
}

TEST(Narrowing, TotalRoundsHalfToEvenWithin32Bits) {
  const NarrowCase cases[8] = {
      {"top", 2147483647, 2147483647, false},
      {"2147483646.5", 2147483646.5, 2147483646, false},
      {"2147483647.5 rounds past the top", 2147483647.5, 0, true},
      {"bottom", -2147483648.0, -2147483648LL, false},
      {"-2147483648.5 rounds to the bottom", -2147483648.5, -2147483648LL, false},
      {"below the bottom", -2147483649.0, 0, true},
      {"huge", 1e300, 0, true},
      {"-1.5 to even", -1.5, -2, false},
  };
  CheckNarrowing(cases, NarrowToTotal);
}

struct DivisionCase {
  const char* name;
  double a;
  double b;
  std::int32_t quotient;
  std::int32_t remainder;
};

TEST(IntegerDivision, RoundsOperandsFirstAndTruncates) {
  const DivisionCase cases[] = {
      {"2.5 rounds down to 2", 2.5, 2, 1, 0},
      {"3.5 rounds up to 4", 3.5, 2, 2, 0},
      {"negative dividend", -7, 2, -3, -1},
      {"negative divisor", 7, -2, -3, 1},
      {"both negative", -7, -2, 3, -1},
      {"smallest by one", -2147483648.0, 1, -2147483647 - 1, 0},
      {"remainder of smallest by -1", -2147483648.0, -1, 0, 0},
      {"9999 by 100", 9999, 100, 99, 99},
  };
  for (const DivisionCase& c : cases) {
    EXPECT_EQ(IntegerRemainder(c.a, c.b), c.remainder) << c.name;
    if (c.b == -1) continue;  // the quotient overflows, checked below
    EXPECT_EQ(IntegerQuotient(c.a, c.b), c.quotient) << c.name;
  }
}

TEST(IntegerDivision, FailuresNameTheirKind) {
  const struct {
    const char* name;
    double a;
    double b;
    Outcome kind;
  } cases[] = {
      {"zero divisor", 1, 0, Outcome::DivisionByZero},
      {"divisor rounds to zero", 5, 0.4, Outcome::DivisionByZero},
      {"dividend past 32 bits", 2147483648.0, 1, Outcome::Overflow},
      {"divisor past 32 bits", 1, -2147483649.0, Outcome::Overflow},
      {"quotient past 32 bits", -2147483648.0, -1, Outcome::Overflow},
  };
  for (const auto& c : cases) {
    try {
      IntegerQuotient(c.a, c.b);
      ADD_FAILURE() << c.name << ": no failure";
    } catch (const NumberError& error) {
      EXPECT_EQ(error.kind(), c.kind) << c.name;
    }
  }
}

TEST(Text, IntegersHaveDigitsAndAMinusOnly) {
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(IntegerText(-32768), "-32768");
  EXPECT_EQ(IntegerText(2147483647), "2147483647");
}

TEST(Text, RealsAsTheFieldShowsThem) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {10, "10"},
      {1e9, "1000000000"},
      {999999999999999.0, "999999999999999"},
      {-0.0, "0"},
      {-2.5, "-2.5"},
      {0.56789, "0.56789"},
      {0.0001, "0.0001"},
      {0.000056789, "0.000056789"},
      {-0.000056789, "-0.000056789"},
      {0.000000000000001, "0.000000000000001"},
      {5.6789e-12, "5.6789E-12"},
      {1e15, "1E+15"},
      {1.2e15, "1.2E+15"},
      {3.14159265358979323846, "3.14159265358979"},
      {12.34567890123456, "12.3456789012346"},
      {1.5e300, "1.5E+300"},
      {1.7976931348623157e308, "1.7976931348623157E+308"},
  };
  for (const auto& c : cases) EXPECT_EQ(RealText(c.value), c.text) << c.text;
}

TEST(Text, RealTextReadsBackAsTheValueItShows) {
  const double values[] = {
      0.1, 2.0 / 3.0, -1e-7, 123456.789, 1e15, 4.2e-200, 1.7976931348623157e308};
  for (const double value : values) {
    const double back = ReadNumber(RealText(value));
    EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << RealText(value);
  }
}

// The bits of a double and back (libc++ 13, in the web build, has no std::bit_cast).
std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Where the standard library lacks floating-point <charconv> (libc++ 13, in the
// web build), the C library does the work: here both give the same, bit for bit.
TEST(DecimalText, TheCLibraryWritesWhatTheStandardCallsWrite) {
  std::vector<double> values = {0.1,
                                2.0 / 3.0,
                                -2.5,
                                1e-5,
                                0.0001,
                                9.999999999999995e14,
                                1e15,
                                123456789012345678.0,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min()};
  std::mt19937_64 random(20261208);
  while (values.size() < 20000) {
    const double value = FromBits(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  for (const double value : values)
    for (const int precision : {15, 17})
      ASSERT_EQ(GeneralText(value, precision), GeneralTextByPrintf(value, precision))
          << precision << " digits of " << GeneralTextByPrintf(value, 17);
}

TEST(DecimalText, TheCLibraryReadsWhatTheStandardCallsRead) {
  struct Scaled {
    std::string digits;
    int exponent;
  };
  std::vector<Scaled> cases = {{"1", 1},
                               {"25", 1},
                               {"1", 309},                   // 1E308
                               {"18", 309},                  // past the largest double
                               {"17976931348623157", 309},   // the largest double
                               {"17976931348623159", 309},   // rounds past it
                               {"22250738585072014", -307},  // the smallest normal double
                               {"1", -320},                  // subnormal
                               {"5", -323},
                               {"1", -400}};
  std::mt19937_64 random(1);
  while (cases.size() < 20000) {
    // Every double's 17 digits, and as many again at random.
    const double value = std::fabs(FromBits(random()));
    if (!std::isfinite(value) || value == 0) continue;
    std::string text = GeneralTextByPrintf(value, 17);  // d.ddde+NN
    const std::size_t e = text.find('e');
    if (e == std::string::npos) continue;
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
      if (std::isdigit(static_cast<unsigned char>(text[i]))) digits += text[i];
    cases.push_back({digits, std::stoi(text.substr(e + 1)) + 1});
    for (char& digit : digits) digit = static_cast<char>('1' + random() % 9);
    cases.push_back({digits, static_cast<int>(random() % 640) - 320});
  }
  for (const Scaled& c : cases)
    for (const bool negative : {false, true}) {
      const double standard = decimal_text::ScaledDecimal(negative, c.digits, c.exponent);
      const double c_library = decimal_text::ScaledDecimalByStrtod(negative, c.digits, c.exponent);
      ASSERT_EQ(Bits(standard), Bits(c_library))
          << (negative ? "-0." : "0.") << c.digits << "E" << c.exponent;
    }
}

}  // namespace
}  // namespace banknotes
