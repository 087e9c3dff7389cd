// The fast scan of the point search: the scan of findNextPointReference
// with blocks of positions left out where it is proved that every
// comparison the scan makes there comes out as at the block's start.
#pragma once

#include <cstdint>

#include "analysis/point_search.h"
#include "analysis/point_search_detail.h"

SearchHit fastScan(double start, double upper, double step, const Derivatives& q);

// The scan position `count` steps after x: exactly the value that `count`
// repeated additions of step (each rounded as the scan rounds) give, found
// with few real additions.
double advanceScanPositions(double x, double step, int64_t count);

// Polynomials up to this degree take part in skipping; beyond it the scan
// evaluates every position.
constexpr int MAX_SKIP_DEGREE = 64;

// What the skip test needs to know about one polynomial.
struct SignBound {
  bool alwaysZero = false;  // every coefficient is 0, so every value is a zero
  bool usable = false;      // finite coefficients, degree at most MAX_SKIP_DEGREE
  int degree = 0;
  long double coefficient[MAX_SKIP_DEGREE + 1];  // highest power first
  long double magnitude[MAX_SKIP_DEGREE + 1];    // |coefficient|
  long double errorWeight[MAX_SKIP_DEGREE + 1];  // per-term rounding error, see prepareSignBound
};

// derivations: how often p was made with derivePolynomial from the list
// whose Taylor coefficients the test gets (0 for that list itself).
void prepareSignBound(const Polynomial& p, int derivations, SignBound& bound);

// taylor[k] = p^(k)(xa) / k!, computed in extended precision.
void taylorCoefficients(const SignBound& bound, double xa, long double* taylor);

// The Taylor coefficients of the exact `derivations`-th derivative, from
// those of a polynomial of the given degree.
void derivedTaylorCoefficients(const long double* taylor, int degree, int derivations,
                               long double* derived);

// True only when, at every double x with xa <= x <= xb, the value that
// evaluatePolynomial computes for the bound's list is non-zero and has the
// sign `sign` (+1 or -1). taylor holds the Taylor coefficients at xa of the
// list the bound's list was derived from, derived as often as prepared
// (derivedTaylorCoefficients). False says nothing.
bool signProvedSteady(const SignBound& bound, const long double* taylor, double xa, double xb,
                      int sign);

// What the leading-term test needs to know about one list: far enough from
// 0 every partial Horner value has the sign of the leading term, also where
// it overflows to infinity.
struct DominantBound {
  bool usable = false;  // a non-zero coefficient, no NaN, only the leading one infinite
  int degree = 0;       // counted from the first non-zero coefficient
  int leadSign = 0;     // sign of that coefficient
  long double ratio[MAX_SKIP_DEGREE + 1];  // |c_k| / |c_0|, c_0 the first non-zero one
  int alignedSign[MAX_SKIP_DEGREE + 1];    // sign(c_k) * sign(c_0)
  long double subnormalRatio = 0.0L;       // 2^-1075 / |c_0|
  // A guess of the |x| from which the test succeeds, for x < 0 and x > 0;
  // only the test decides.
  long double zoneStart[2] = {0.0L, 0.0L};
};

void prepareDominantBound(const Polynomial& p, DominantBound& bound);

// True only when, at every double x with xa <= x <= xb, the value that
// evaluatePolynomial computes for the bound's list is neither zero nor NaN
// and has the sign `sign` (+1 or -1), because every partial Horner value
// has the sign of the leading term there. False says nothing.
bool dominantSignProved(const DominantBound& bound, double xa, double xb, int sign);
