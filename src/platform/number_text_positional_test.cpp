#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/number_text.h"

namespace {

TEST(FormatNumberPositional, WritesTheSixteenDigitsWithoutExponent) {
  struct Case {
    double value;
    std::string text;
  };
  const Case cases[] = {
      {0.00001, "0.00001"},
      {-0.00001, "-0.00001"},
      {0.0001, "0.0001"},  // the last positional %g value stays as it is
      {0.00009999999999999999, "0.00009999999999999999"},
      {0.000099999999999999, "0.000099999999999999"},
      {1.234567890123456e-7, "0.0000001234567890123456"},
      {9999999999999998.0, "9999999999999998"},
      {1e16, "10000000000000000"},
      {-1.25e17, "-125000000000000000"},
      {12345678901234567890.0, "12345678901234570000"},
      {1e-300, "0." + std::string(299, '0') + "1"},
      {1e300, "1" + std::string(300, '0')},
      {0.0, "0"},
      {-0.0, "-0"},
      {3.5, "3.5"},
      {-1.0 / 3.0, "-0.3333333333333333"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatNumberPositional(c.value), c.text) << c.value;
}

TEST(FormatNumberPositional, ReadsBackAsTheExponentFormDoes) {
  // Values across the whole range, including the ends of the two forms and
  // subnormals: the positional text stands for the same double.
  const double values[] = {
      0.1,      1e-5,    -2.5e-5,   9.87654321e-5, 1.0000000000000002e-5, 4.9e-324,
      2.2e-308, 1.7e308, 1e16,      -3.3e16,       12345678901234567.0,   9.99999e22,
      6.02e23,  1.6e-19, -8.25e-12, 0.3e-4,        7.777777777777777e-9,  123456789e20,
  };
  for (double v : values) {
    const std::string positional = formatNumberPositional(v);
    EXPECT_EQ(positional.find('e'), std::string::npos) << positional;
    EXPECT_EQ(parseNumber(positional), parseNumber(formatNumber(v))) << positional;
  }
}

}  // namespace
