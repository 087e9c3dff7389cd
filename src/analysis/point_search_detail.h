// Pieces of the point search that the reference scan and the fast scan
// share: the derivative lists, the batch evaluation of scan positions and
// the two refinements.
#pragma once

#include <cstddef>
#include <vector>

#include "analysis/extended_arithmetic.h"
#include "analysis/point_search.h"
#include "analysis/polynomial.h"

struct Derivatives {
  Polynomial f;
  Polynomial d1;
  Polynomial d2;
  Polynomial d3;
};

Derivatives makeDerivatives(const Polynomial& p);

// The left end of the current bracket and the values there.
struct LeftEnd {
  double a;
  double fa;
  double f1a;
  double f2a;
};

// How the refinements compare number texts. The quick form first settles
// the comparisons that an exact magnitude test decides and converts to text
// only for the rest; both give the same answers.
enum TextCompare { TEXT_ALWAYS_CONVERT, TEXT_QUICK_TEST };

SearchHit refineZeroOrExtremum(const Derivatives& q, LeftEnd left, SearchHit hit, ChangeKind kind,
                               TextCompare compare);
SearchHit refineInflection(const Derivatives& q, LeftEnd left, SearchHit hit, TextCompare compare);

// formatNumber(a) == formatNumber(b), converting only when a cheap exact
// test cannot decide.
bool sameNumberTextQuick(double a, double b);

// Scan positions evaluated together. Each position needs three Horner
// chains whose steps wait on each other; interleaving several positions
// keeps the floating-point unit busy. The values are bit-identical to
// evaluating one position at a time.
constexpr int SCAN_BATCH = 3;

struct ScanBatch {
  double x[SCAN_BATCH];
  double f[SCAN_BATCH];
  double d1[SCAN_BATCH];
  double d2[SCAN_BATCH];
};

inline void evaluateScanBatch(const Derivatives& q, ScanBatch& batch) {
  const std::vector<double>& c0 = q.f.coefficients;
  const std::vector<double>& c1 = q.d1.coefficients;
  const std::vector<double>& c2 = q.d2.coefficients;
  for (int k = 0; k < SCAN_BATCH; ++k) {
    batch.f[k] = c0[0];
    batch.d1[k] = c1[0];
    batch.d2[k] = c2[0];
  }
  size_t n0 = c0.size();
  size_t n1 = c1.size();
  size_t n2 = c2.size();
  for (size_t i = 1; i < n0; ++i) {
    for (int k = 0; k < SCAN_BATCH; ++k) {
      batch.f[k] = extendedMulAdd(batch.x[k], batch.f[k], c0[i]);
    }
    if (i < n1) {
      for (int k = 0; k < SCAN_BATCH; ++k) {
        batch.d1[k] = extendedMulAdd(batch.x[k], batch.d1[k], c1[i]);
      }
    }
    if (i < n2) {
      for (int k = 0; k < SCAN_BATCH; ++k) {
        batch.d2[k] = extendedMulAdd(batch.x[k], batch.d2[k], c2[i]);
      }
    }
  }
}
