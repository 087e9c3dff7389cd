#include "analysis/fast_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "analysis/extended_arithmetic.h"
#include "analysis/point_search_detail.h"
#include "platform/number_text.h"

namespace {

std::string text(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

double repeatedAddition(double x, double step, int64_t count) {
  for (int64_t i = 0; i < count; ++i)
    x = extendedAdd(x, step);
  return x;
}

TEST(AdvanceScanPositions, EqualsRepeatedRoundedAddition) {
  struct Case {
    double start;
    double step;
    int64_t count;
  };
  const Case cases[] = {
      {-10.0, 0.00001, 2000000},        // the default scan, across 0
      {-10.0, 0.0000001, 3000000},      // many positions per binade
      {1.0, 0.1, 1000},                 // crosses several binades
      {-1e-3, 3e-9, 700000},            // across 0 with tiny binades
      {1e15, 0.2, 100000},              // increments of 1 and 2 units
      {-1e15, 0.1875, 100000},          // tie: the increment alternates, then settles
      {4503599627370496.0, 1.0, 5000},  // spacing 1, step exactly one unit
      {4503599627370497.0, 1.5, 5000},  // tie at every position
      {0.0, 1e-300, 1000},              // starts at 0
      {-0x1p-1000, 0x1p-1060, 3000},    // near the smallest magnitudes
      {1e300, 1e290, 2000},             // huge positions
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text(advanceScanPositions(c.start, c.step, c.count)),
              text(repeatedAddition(c.start, c.step, c.count)))
        << "start " << text(c.start) << " step " << text(c.step) << " count " << c.count;
  }
  // The last position of the default scan, as the scan itself reaches it.
  EXPECT_EQ(text(advanceScanPositions(-10.0, 0.00001, 2000000)), "9.999999999581183");
}

TEST(AdvanceScanPositions, RandomStartsAndSteps) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 300; ++i) {
    double start = std::ldexp(std::uniform_real_distribution<double>(-1.0, 1.0)(random),
                              std::uniform_int_distribution<int>(-30, 30)(random));
    double step = std::fabs(start) *
                  std::ldexp(1.0, std::uniform_int_distribution<int>(-50, -3)(random)) *
                  std::uniform_real_distribution<double>(0.5, 1.5)(random);
    int64_t count = std::uniform_int_distribution<int64_t>(1, 200000)(random);
    ASSERT_EQ(text(advanceScanPositions(start, step, count)),
              text(repeatedAddition(start, step, count)))
        << "start " << text(start) << " step " << text(step) << " count " << count;
  }
}

TEST(SignProvedSteady, ProvesOnlyWhereTheMarginBeatsTheBound) {
  struct Case {
    std::vector<double> coefficients;
    double xa;
    double xb;
    int sign;
    bool proved;
  };
  std::vector<double> powerOf20(21);  // (x - 1)^20
  for (int k = 0; k <= 20; ++k) {
    powerOf20[k] = (k % 2 ? -1.0 : 1.0) *
                   std::round(std::tgamma(21.0) / (std::tgamma(k + 1.0) * std::tgamma(21.0 - k)));
  }
  const Case cases[] = {
      {{1, 0, -4}, -10.0, -6.0, +1, true},
      {{1, 0, -4}, -10.0, -3.0, +1, false},  // true, but beyond what the Taylor bound shows
      {{1, 0, -4}, -10.0, -3.0, -1, false},  // wrong sign
      {{1, 0, -4}, -10.0, -1.0, +1, false},  // a root inside
      {{1, 0, -4}, -1.9, -1.3, -1, true},
      {{1, 0, -4}, -2.0000001, -1.99999, -1, false},
      {{1, 0, -4}, -1.9999999, -1.99999, -1, true},
      {powerOf20, -1.0, -0.99, +1, true},
      {powerOf20, -1.0, 0.0, +1, false},  // true, but beyond what the Taylor bound shows
      {powerOf20, 0.9, 0.95, +1, false},  // the value drowns in rounding error
      {{1e300, 0, 0, 0}, 1.0, 1.1, +1, true},
      {{1e300, 0, 0, 0}, 10.0, 10.5, +1, false},     // partial sums near the double range
      {{1e-310, 0}, 1.0, 1.5, +1, true},             // subnormal values
      {{1, -(1.0 + 0x1p-52)}, 0.5, 1.0, -1, false},  // margin of one unit only
      {{5}, -1e300, 1e300, +1, true},
  };
  for (const Case& c : cases) {
    SignBound bound;
    prepareSignBound(Polynomial{c.coefficients}, 0, bound);
    ASSERT_TRUE(bound.usable);
    long double taylor[MAX_SKIP_DEGREE + 1];
    taylorCoefficients(bound, c.xa, taylor);
    EXPECT_EQ(signProvedSteady(bound, taylor, c.xa, c.xb, c.sign), c.proved)
        << "degree " << bound.degree << " on [" << text(c.xa) << ", " << text(c.xb) << "] sign "
        << c.sign;
  }
}

TEST(SignProvedSteady, DerivativesFromTheExpansionOfF) {
  struct Case {
    std::vector<double> coefficients;  // of f
    int derivations;
    double xa;
    double xb;
    int sign;
    bool proved;
  };
  const Case cases[] = {
      {{1, 0, -3, 0}, 1, -3.0, -2.0, +1, true},   // f' = 3x^2 - 3
      {{1, 0, -3, 0}, 1, -3.0, -0.5, +1, false},  // f' has a zero at -1
      {{1, 0, -3, 0}, 2, 0.1, 5.0, +1, true},     // f'' = 6x
      {{1, 0, -3, 0}, 2, -0.1, 5.0, +1, false},
      {{1, 0, -3, 0}, 2, -5.0, 0.0, -1, false},  // f''(0) = 0
      {{1, 0, -3, 0}, 2, -5.0, -0.2, -1, true},
  };
  for (const Case& c : cases) {
    Polynomial list{c.coefficients};
    SignBound fBound;
    prepareSignBound(list, 0, fBound);
    Polynomial derived = list;
    for (int j = 0; j < c.derivations; ++j) {
      Polynomial next;
      derivePolynomial(derived, next);
      derived = next;
    }
    SignBound bound;
    prepareSignBound(derived, c.derivations, bound);
    long double taylor[MAX_SKIP_DEGREE + 1];
    long double derivedTaylor[MAX_SKIP_DEGREE + 1];
    taylorCoefficients(fBound, c.xa, taylor);
    derivedTaylorCoefficients(taylor, fBound.degree, c.derivations, derivedTaylor);
    EXPECT_EQ(signProvedSteady(bound, derivedTaylor, c.xa, c.xb, c.sign), c.proved)
        << "derivative " << c.derivations << " on [" << text(c.xa) << ", " << text(c.xb) << "]";
  }
}

TEST(DominantSignProved, LeadingTermSettlesTheSignFarFromZero) {
  struct Case {
    std::vector<double> coefficients;
    double xa;
    double xb;
    int sign;
    bool proved;
  };
  const double huge = 1e300;
  const Case cases[] = {
      {{huge, huge, huge, huge}, 4.0, 1e7, +1, true},   // values overflow to +inf
      {{huge, huge, huge, huge}, 1e-3, 1e7, +1, true},  // no term pulls back for x > 0
      {{huge, huge, huge, huge}, -1e7, -4.0, -1, true},
      {{huge, huge, huge, huge}, -1e7, -4.0, +1, false},  // wrong sign
      {{huge, huge, huge, huge}, -1e7, -1.5, -1, true},
      {{huge, huge, huge, huge}, -1e7, -1.2, -1, false},  // x + 1 and x^3 + 1 pull back
      {{huge, huge, huge, huge}, -1.0, 1.0, -1, false},   // 0 inside
      {{1, 0, -4}, 2.5, 3.0, +1, true},
      {{1, 0, -4}, -3.0, -2.5, +1, true},
      {{1, 0, -4}, 1.9, 3.0, +1, false},    // a root inside
      {{0, 0, 1, -4}, 5.0, 6.0, +1, true},  // leading zeros drop out
      {{0, 0, 1, -4}, -6.0, -5.0, -1, true},
      {{INFINITY, 2, 1}, 1e-300, 1e300, +1, true},  // a derivative list past the double range
      {{INFINITY, 2, 1}, -1e300, -1e-300, +1, true},
      {{1, INFINITY, 1}, 2.0, 3.0, +1, false},  // inf - inf can be NaN
      {{1e-320, 0, 0}, 2.0, 3.0, +1, true},     // subnormal values
      {{1e-320, -1e-320}, 1.01, 2.0, +1, true},
      {{1e-320, -1e-320}, 1.0, 2.0, +1, false},  // exactly 0 at 1
      {{5}, -1.0, 1.0, +1, true},
      {{5}, -1.0, 1.0, -1, false},
      {{0, 0}, 1.0, 2.0, +1, false},
  };
  for (const Case& c : cases) {
    DominantBound bound;
    prepareDominantBound(Polynomial{c.coefficients}, bound);
    EXPECT_EQ(dominantSignProved(bound, c.xa, c.xb, c.sign), c.proved)
        << "list of " << c.coefficients.size() << " starting " << text(c.coefficients[0]) << " on ["
        << text(c.xa) << ", " << text(c.xb) << "] sign " << c.sign;
  }
}

TEST(DominantSignProved, DerivativeListsWithOverflowedCoefficients) {
  // f = 1e308 x^3 + x^2 + x + 1: f' = (inf, 2, 1) and f'' = (inf, 2) as
  // derivePolynomial stores them.
  Polynomial f{{1e308, 1, 1, 1}};
  Polynomial d1;
  Polynomial d2;
  derivePolynomial(f, d1);
  derivePolynomial(d1, d2);
  struct Case {
    const Polynomial* list;
    double xa;
    double xb;
    int sign;
    bool proved;
  };
  const Case cases[] = {
      {&f, 1e-90, 1e7, +1, true},  {&f, -1e7, -1e-90, -1, true}, {&f, -1e7, -1e-110, -1, false},
      {&d1, -1e7, -0.5, +1, true}, {&d1, 0.5, 1e7, +1, true},    {&d2, -1e7, -0.5, -1, true},
      {&d2, 0.5, 1e7, +1, true},   {&d2, -0.5, 0.5, +1, false},
  };
  for (const Case& c : cases) {
    DominantBound bound;
    prepareDominantBound(*c.list, bound);
    EXPECT_EQ(dominantSignProved(bound, c.xa, c.xb, c.sign), c.proved)
        << "list of " << c.list->coefficients.size() << " on [" << text(c.xa) << ", " << text(c.xb)
        << "] sign " << c.sign;
  }
}

TEST(SameNumberTextQuick, AgreesWithTheTexts) {
  struct Case {
    double a;
    double b;
    bool same;
  };
  const Case cases[] = {
      {1.0, 1.0, true},
      {0.0, -0.0, false},
      {1.0, std::nextafter(1.0, 2.0), true},
      {1.0, 1.000000000000001, false},
      {9.486832980505138, std::nextafter(9.486832980505138, 10.0), false},
      {1e-320, 1.5e-320, false},
      {-2.0, 2.0, false},
      {1e300, 1.0000000000000001e300, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sameNumberTextQuick(c.a, c.b), c.same) << text(c.a) << " " << text(c.b);
  }
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    double a = std::ldexp(std::uniform_real_distribution<double>(-1.0, 1.0)(random),
                          std::uniform_int_distribution<int>(-1070, 1020)(random));
    double b = a;
    int ulps = std::uniform_int_distribution<int>(0, 40)(random);
    for (int k = 0; k < ulps; ++k)
      b = std::nextafter(b, INFINITY);
    ASSERT_EQ(sameNumberTextQuick(a, b), sameNumberText(a, b)) << text(a) << " " << text(b);
  }
}

}  // namespace
