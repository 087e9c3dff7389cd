// Extended-precision arithmetic at the places where the program stores a
// result. Each product, sum or quotient is formed with a 64-bit significand
// (the x87 extended format) and then rounded once to double. The point
// search compares such results exactly and the evaluator hands them on, so
// the places of rounding are part of the program's behaviour and are spelled
// out here instead of being left to compiler flags.
#pragma once

#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the program needs long double with a 64-bit significand (x86 extended)");

// x*r + c with both operations in extended precision, rounded to double.
inline double extendedMulAdd(double x, double r, double c) {
  return static_cast<double>(static_cast<long double>(x) * r + c);
}

inline double extendedAdd(double a, double b) {
  return static_cast<double>(static_cast<long double>(a) + b);
}

inline double extendedSub(double a, double b) {
  return static_cast<double>(static_cast<long double>(a) - b);
}

inline double extendedMul(double a, double b) {
  return static_cast<double>(static_cast<long double>(a) * b);
}

inline double extendedDiv(double a, double b) {
  return static_cast<double>(static_cast<long double>(a) / b);
}
