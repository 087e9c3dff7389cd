// The evaluator's arithmetic. Each sum, difference, product and quotient is
// formed with a 64-bit significand (x87 extended precision) and rounded
// once to double, the same places of rounding as the rest of the program;
// they are spelled out here rather than left to compiler flags.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the evaluator needs long double with a 64-bit significand (x86 extended)");

inline double roundedSum(double l, double r) {
  return static_cast<double>(static_cast<long double>(l) + r);
}

inline double roundedDifference(double l, double r) {
  return static_cast<double>(static_cast<long double>(l) - r);
}

inline double roundedProduct(double l, double r) {
  return static_cast<double>(static_cast<long double>(l) * r);
}

inline double roundedQuotient(double l, double r) {
  return static_cast<double>(static_cast<long double>(l) / r);
}

// 1 - x*x for the arc sine and arc cosine.
inline double roundedOneMinusSquare(double x) {
  long double square = static_cast<long double>(x) * x;
  return static_cast<double>(1.0L - square);
}

// The nearest integer, ties to the even neighbour, as a 32-bit integer; NaN
// and everything outside the 32-bit range give INT32_MIN. Rounded by hand so
// that the result does not depend on the floating-point environment.
inline int32_t toInt32(double v) {
  double whole = std::floor(v);
  double fraction = v - whole;  // exact for every finite v
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return INT32_MIN;
  return static_cast<int32_t>(whole);
}
