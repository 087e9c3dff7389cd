// The evaluator's arithmetic: each sum, difference, product and quotient is
// formed with a 64-bit significand and rounded once to double, as in the rest
// of the program; plus the conversion to 32-bit integers.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/extended_arithmetic.h"

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
