#include "analysis/polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

Polynomial make(std::vector<double> c) {
  return Polynomial{std::move(c)};
}

struct TextCase {
  std::vector<double> coefficients;
  const char* display;
  const char* expression;
};

TEST(PolynomialText, DisplayAndExpressionForms) {
  const TextCase cases[] = {
      {{1, -2, 3}, " x^2 -2x +3", "1*x^2-2*x^1+3"},
      {{-1, 3, 0, -3.5}, " -1x^3 +3x^2 +0x -3.5", "-1*x^3+3*x^2+0*x^1-3.5"},
      {{2, 1}, " 2x +1", "2*x^1+1"},
      {{0, 1, -2}, " 0x^2 +x -2", "0*x^2+1*x^1-2"},
      {{1, 0}, " x +0", "1*x^1+0"},
      {{5}, " +5", "+5"},
      {{-5}, " -5", "-5"},
      {{0}, " +0", "+0"},
      {{-1, -1}, " -1x -1", "-1*x^1-1"},
      {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7},
       " x^11 +0x^10 +0x^9 +0x^8 +0x^7 +0x^6 +0x^5 +0x^4 +0x^3 +0x^2 +0x +7",
       "1*x^11+0*x^10+0*x^9+0*x^8+0*x^7+0*x^6+0*x^5+0*x^4+0*x^3+0*x^2+0*x^1+7"},
      {{0.5, -0.25}, " 0.5x -0.25", "0.5*x^1-0.25"},
      {{-0.0, 1}, " 0x +1", "-0*x^1+1"},
      {{1, -0.0, 1}, " x^2 +0x +1", "1*x^2+-0*x^1+1"},
      // The expression text never uses exponent form, the display text does.
      {{0.00001, 0, -1}, " 1e-05x^2 +0x -1", "0.00001*x^2+0*x^1-1"},
      {{-1e16, 2.5e-7}, " -1e+16x +2.5e-07", "-10000000000000000*x^1+0.00000025"},
  };
  for (const TextCase& c : cases) {
    Polynomial p = make(c.coefficients);
    EXPECT_EQ(polynomialText(p, 1), c.display) << c.display;
    EXPECT_EQ(polynomialText(p, 2), c.expression) << c.expression;
  }
}

TEST(DerivePolynomial, RepeatedDerivativesEndInZero) {
  Polynomial p = make({1, -6, 11, -6});
  Polynomial d1, d2, d3, d4;
  derivePolynomial(p, d1);
  derivePolynomial(d1, d2);
  derivePolynomial(d2, d3);
  derivePolynomial(d3, d4);
  EXPECT_EQ(d1.coefficients, (std::vector<double>{3, -12, 11}));
  EXPECT_EQ(d2.coefficients, (std::vector<double>{6, -12}));
  EXPECT_EQ(d3.coefficients, (std::vector<double>{6}));
  EXPECT_EQ(d4.coefficients, (std::vector<double>{0}));

  Polynomial q = make({3, 0, 0});
  derivePolynomial(q, q);
  EXPECT_EQ(q.coefficients, (std::vector<double>{6, 0}));
}

TEST(EvaluatePolynomial, HornerWithExtendedIntermediates) {
  EXPECT_EQ(evaluatePolynomial(123.0, make({-7.5})), -7.5);
  EXPECT_EQ(evaluatePolynomial(2.0, make({1, 0, -4})), 0.0);
  EXPECT_EQ(evaluatePolynomial(-2.0, make({-1, 3, 0, -3.5})), 16.5);
  // x*r + c with r = x: the product 1 + 2^-29 + 2^-60 fits in 64 bits, and
  // subtracting 1 leaves 2^-29 + 2^-60. Double arithmetic would round the
  // product first and lose the 2^-60.
  double x = 1.0 + std::ldexp(1.0, -30);
  EXPECT_EQ(evaluatePolynomial(x, make({1, 0, -1})), std::ldexp(1.0, -29) + std::ldexp(1.0, -60));
}

}  // namespace
