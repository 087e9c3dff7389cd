#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "platform/text_output.h"

namespace {

struct FormatCase {
  double value;
  const char* text;
};

TEST(FormatNumber, WorkedExamples) {
  const FormatCase cases[] = {
      {0.1, "0.1"},
      {1.0 / 3.0, "0.3333333333333333"},
      {2.0 / 3.0, "0.6666666666666666"},
      {0.1 + 0.2, "0.3"},
      {1.0 + std::ldexp(1.0, -52), "1"},
      {-2.5, "-2.5"},
      {0.0, "0"},
      {-0.0, "-0"},
      {100.0, "100"},
      {1e-4, "0.0001"},
      {std::nextafter(1e-4, 0.0), "9.999999999999999e-05"},
      {1e-5, "1e-05"},
      {-1.5e-7, "-1.5e-07"},
      {1e15, "1000000000000000"},
      {1e16, "1e+16"},
      {9999999999999999.0, "1e+16"},
      {2.718281828459045, "2.718281828459045"},
      {3.141592653589793, "3.141592653589793"},
      {1e300, "1e+300"},
      {4.9406564584124654e-324, "4.940656458412465e-324"},
      {123456789012345678.0, "1.234567890123457e+17"},
      {0.00012345678901234567, "0.0001234567890123457"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(formatNumber(c.value), c.text) << c.text;
}

// The conversion must agree with C's "%.16g" for every double; sweep random
// bit patterns and the decimal boundaries where the notation switches.
TEST(FormatNumber, MatchesPrintfG16) {
  std::mt19937_64 random(12345);
  char expected[64];
  auto check = [&](double v) {
    std::snprintf(expected, sizeof expected, "%.16g", v);
    ASSERT_EQ(formatNumber(v), expected) << expected;
  };
  for (int i = 0; i < 200000; ++i) {
    uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) check(v);
  }
  for (int e = -310; e <= 308; ++e) {
    double p = std::pow(10.0, e);
    check(p);
    check(std::nextafter(p, 0.0));
    check(std::nextafter(p, INFINITY));
    check(-p);
  }
}

TEST(FormatNumber, SameTextMeansSixteenDigits) {
  EXPECT_TRUE(sameNumberText(1.0, 1.0 + std::ldexp(1.0, -52)));
  EXPECT_FALSE(sameNumberText(0.0, -0.0));
  EXPECT_FALSE(sameNumberText(9.0, std::nextafter(9.0, 10.0)));
  EXPECT_TRUE(sameNumberText(0.1 + 0.2, 0.3));
}

TEST(PrintNumber, BlankOnlyBeforeNonNegative) {
  const FormatCase cases[] = {
      {0.1, " 0.1"}, {-2.5, "-2.5"},   {0.0, " 0"},
      {-0.0, "-0"},  {1e-5, " 1e-05"}, {-1.5e-7, "-1.5e-07"},
  };
  for (const FormatCase& c : cases) {
    testing::internal::CaptureStdout();
    printNumber(c.value);
    flushTextOutput();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.text) << c.text;
  }
}

struct ParseCase {
  const char* text;
  double value;
};

TEST(ParseNumber, WorkedExamples) {
  const double inf = std::numeric_limits<double>::infinity();
  const ParseCase cases[] = {
      {"3.5", 3.5},
      {"   -2", -2.0},
      {"+7", 7.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"1e3", 1000.0},
      {"1D3", 1000.0},
      {"2.5d-1", 0.25},
      {"1e-005", 1e-5},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"3,5", 3.0},
      {"12abc", 12.0},
      {"abc", 0.0},
      {"", 0.0},
      {"- 5", 0.0},
      {"-", 0.0},
      {".", 0.0},
      {"&H1F", 31.0},
      {"&hff", 255.0},
      {"&O17", 15.0},
      {"&17", 15.0},
      {"&B101", 5.0},
      {"&B2", 0.0},
      {"&HFFFFFFFFFFFFFFFF", -1.0},
      {"&H10000000000000001", 1.0},
      {"&H8000000000000000", -9223372036854775808.0},
      {"&", 0.0},
      {"&H", 0.0},
      {"&H-1", 0.0},
      {"\t&H10", 0.0},
      {"  &H10", 16.0},
      {"0x10", 16.0},
      {"0x1p4", 16.0},
      {"\t 42", 42.0},
      {"inf", inf},
      {"-Infinity", -inf},
      {"1e999", inf},
      {"-1e999", -inf},
      {"1e-999", 0.0},
      {"4e-320", 4e-320},
      {"0.1", 0.1},
      {"-0", -0.0},
      {"1.2.3", 1.2},
      {"--5", 0.0},
  };
  for (const ParseCase& c : cases) {
    double v = parseNumber(c.text);
    EXPECT_EQ(v, c.value) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << '"' << c.text << '"';
  }
  EXPECT_TRUE(std::isnan(parseNumber("nan")));
  EXPECT_TRUE(std::isnan(parseNumber("NaN(123)")));
}

TEST(ParseNumber, ReadsBackEveryFormattedText) {
  std::mt19937_64 random(777);
  for (int i = 0; i < 100000; ++i) {
    uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    std::string text = formatNumber(v);
    char* end = nullptr;
    double expected = std::strtod(text.c_str(), &end);
    ASSERT_EQ(parseNumber(text), expected) << text;
    // Sixteen digits keep the value to within one part in 10^15.
    ASSERT_LE(std::fabs(expected - v), std::fabs(v) * 1e-15) << text;
  }
  EXPECT_NE(parseNumber(formatNumber(0.1 + 0.2)), 0.1 + 0.2);
  EXPECT_EQ(parseNumber(formatNumber(0.1 + 0.2)), 0.3);
}

}  // namespace
