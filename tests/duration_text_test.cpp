#include "logic/money/duration_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace banknotes {
namespace {

const std::string nbsp = "\u00a0";

struct DurationRow {
  const char* name;
  double seconds;
  std::string text;
};
// The row's name, not its bytes: a parameter printed as bytes gave the test a
// name that changed from run to run.
void PrintTo(const DurationRow& row, std::ostream* out) { *out << row.name; }

class Duration : public ::testing::TestWithParam<DurationRow> {};

TEST_P(Duration, IsWrittenToTwoFiguresInTheUnitItReaches) {
  EXPECT_EQ(DurationText(GetParam().seconds), GetParam().text);
}

constexpr double kYear = 86400 * 365.25;

INSTANTIATE_TEST_SUITE_P(
    Rows, Duration,
    ::testing::Values(
        DurationRow{"BelowAMillisecond", 0.0004, "по-малко от 0,001 с"},
        DurationRow{"AMillisecond", 0.001, "0,001 с"},
        DurationRow{"SevenMilliseconds", 0.00724, "0,0072 с"},
        DurationRow{"TwoFiguresOfASecond", 0.01749, "0,017 с"},
        DurationRow{"NoTrailingZero", 0.3, "0,3 с"},
        DurationRow{"SecondsWithAFraction", 3.44, "3,4 с"},
        DurationRow{"AWholeSecond", 1.02, "1 с"}, DurationRow{"AlmostAMinute", 59.99, "1 мин"},
        DurationRow{"FiftyNineSeconds", 59.4, "59 с"}, DurationRow{"AlmostAnHour", 3599.9, "1 ч"},
        DurationRow{"MinutesRoundedToAnHour", 3576, "1 ч"},
        DurationRow{"AlmostADay", 86399, "1 ден"}, DurationRow{"TwoDays", 2 * 86400, "2 дни"},
        DurationRow{"AYear", kYear, "1 година"},
        DurationRow{"YearsGrouped", 41978 * kYear, "42" + nbsp + "000 години"},
        DurationRow{"AMillionYears", 999999.6 * kYear, "1" + nbsp + "000" + nbsp + "000 години"},
        DurationRow{"PowersFromTenMillion", 9.96e6 * kYear, "1 × 10⁷ години"},
        DurationRow{"APowerWithAFraction", 2.8e18 * kYear, "2,8 × 10¹⁸ години"}),
    [](const auto& info) { return info.param.name; });

TEST(TwoFigures, RoundsAtEveryPowerOfTen) {
  const struct {
    double value;
    std::string text;
  } rows[] = {{0.000999, "0,001"}, {0.0995, "0,1"}, {9.96, "10"},     {99.5, "100"},
              {995, "1000"},       {1234, "1200"},  {1e7, "1 × 10⁷"}, {1.05e36, "1,1 × 10³⁶"}};
  for (const auto& row : rows) EXPECT_EQ(TwoFigures(row.value), row.text) << row.value;
}

// The process's locale changes no character: Pashto's, whose decimal point is
// '٫', made for the test where glibc's locale sources are (Debian's "locales").
TEST(Duration, IsTheSameUnderEveryLocale) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
  const std::string made = testing::TempDir() + "banknotes-locales";
  if (std::system(("mkdir -p '" + made + "' && localedef -i ps_AF -f UTF-8 '" + made +
                   "/ps_AF.UTF-8' 2>/dev/null")
                      .c_str()) == 0)
    setenv("LOCPATH", made.c_str(), 1);
#endif
  const std::string before = std::setlocale(LC_ALL, nullptr);
  int tried = 0;
  for (const char* locale : {"ps_AF.UTF-8", "de_DE.UTF-8"}) {
    // A C library without the locale may still take its name (musl, under Node).
    if (!std::setlocale(LC_ALL, locale) || std::string(std::localeconv()->decimal_point) == ".")
      continue;
    ++tried;
    EXPECT_EQ(DurationText(0.00724), "0,0072 с") << locale;
    EXPECT_EQ(DurationText(2.8e18 * kYear), "2,8 × 10¹⁸ години") << locale;
  }
  std::setlocale(LC_ALL, before.c_str());
  if (tried == 0) GTEST_SKIP() << "no locale besides C is installed";
}

}  // namespace
}  // namespace banknotes
