// Special-point search: the scan and its two refinements.
#include "analysis/point_search.h"

#include <cmath>
#include <cstddef>

#include "analysis/extended_arithmetic.h"
#include "platform/number_text.h"

namespace {

struct Derivatives {
  Polynomial f;
  Polynomial d1;
  Polynomial d2;
  Polynomial d3;
};

// The left end of the current bracket and the values there.
struct LeftEnd {
  double a;
  double fa;
  double f1a;
  double f2a;
};

// (b - a) / 2 rounded once to double: the difference keeps its extended
// precision through the exact halving.
double halfWidth(double a, double b) {
  return static_cast<double>((static_cast<long double>(b) - a) / 2.0L);
}

void applyChangeKind(SearchHit& hit, ChangeKind kind) {
  if (kind == CHANGE_VALUE) hit.f = 0.0;
  if (kind == CHANGE_SLOPE) hit.d1 = 0.0;
}

SearchHit refineZeroOrExtremum(const Derivatives& q, LeftEnd left, SearchHit hit, ChangeKind kind) {
  double a = left.a;
  double fa = left.fa;
  double f1a = left.f1a;
  for (;;) {
    double b = hit.x;
    double m = extendedAdd(a, halfWidth(a, b));
    // Once the bracket is two neighbouring doubles whose texts differ, the
    // rounded midpoint can land on b again and the bracket would never
    // change; that stand-still ends the refinement like the text rule.
    if (sameNumberText(m, a) || m == b) {
      hit.x = m;
      applyChangeKind(hit, kind);
      return hit;
    }
    hit.f = evaluatePolynomial(m, q.f);
    hit.d1 = evaluatePolynomial(m, q.d1);
    hit.d2 = evaluatePolynomial(m, q.d2);
    if (hit.f == 0.0 || hit.f == fa) {
      hit.x = m;
      applyChangeKind(hit, kind);
      return hit;
    }
    bool valueChanged = signOf(hit.f) != signOf(fa);
    if (valueChanged || signOf(hit.d1) != signOf(f1a)) {
      kind = valueChanged ? CHANGE_VALUE : CHANGE_SLOPE;
      hit.x = m;
    } else {
      a = m;
      fa = hit.f;
      f1a = hit.d1;
    }
  }
}

SearchHit refineInflection(const Derivatives& q, LeftEnd left, SearchHit hit) {
  double a = left.a;
  double f2a = left.f2a;
  double prevHalf = 0.0;
  for (;;) {
    double h = halfWidth(a, hit.x);
    double m = extendedAdd(a, h);
    // The half-width stops shrinking once the bracket cannot narrow in
    // double precision (at the latest when it is 0).
    if (sameNumberText(h, prevHalf)) {
      hit.x = m;
      hit.d2 = 0.0;
      return hit;
    }
    hit.f = evaluatePolynomial(m, q.f);
    hit.d1 = evaluatePolynomial(m, q.d1);
    hit.d2 = evaluatePolynomial(m, q.d2);
    hit.d3 = evaluatePolynomial(m, q.d3);
    if (signOf(hit.d2) != signOf(f2a)) {
      hit.x = m;
    } else {
      a = m;
      f2a = hit.d2;
    }
    prevHalf = h;
  }
}

// Scan positions evaluated together. Each position needs three Horner
// chains whose steps wait on each other; interleaving several positions
// keeps the floating-point unit busy. The values are bit-identical to
// evaluating one position at a time.
constexpr int SCAN_BATCH = 8;

struct ScanBatch {
  double x[SCAN_BATCH];
  double f[SCAN_BATCH];
  double d1[SCAN_BATCH];
  double d2[SCAN_BATCH];
};

void evaluateScanBatch(const Derivatives& q, ScanBatch& batch) {
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

}  // namespace

bool stepMovesEveryPosition(double step, double magnitude) {
  if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(magnitude)) return false;
  // The widest gap between doubles of magnitude up to `magnitude` is the one
  // above it. A step of at least that gap carries every position to a larger
  // double however the sum rounds; a smaller one can leave some position
  // where it is (ties to even) and the scan would stand still.
  double m = std::fabs(magnitude);
  double gap = std::nextafter(m, INFINITY) - m;
  return std::isfinite(gap) && step >= gap;
}

SearchHit findNextPoint(double start, double upper, double step, const Polynomial& p) {
  Derivatives q;
  q.f = p;
  derivePolynomial(q.f, q.d1);
  derivePolynomial(q.d1, q.d2);
  derivePolynomial(q.d2, q.d3);

  LeftEnd left{start, evaluatePolynomial(start, q.f), evaluatePolynomial(start, q.d1),
               evaluatePolynomial(start, q.d2)};
  SearchHit hit;
  hit.x = start;
  int signF = signOf(left.fa);
  int signF1 = signOf(left.f1a);
  int signF2 = signOf(left.f2a);

  ScanBatch batch;
  double next = start;
  for (;;) {
    for (int k = 0; k < SCAN_BATCH; ++k) {
      batch.x[k] = next;
      next = extendedAdd(next, step);
    }
    evaluateScanBatch(q, batch);
    for (int k = 0; k < SCAN_BATCH; ++k) {
      hit.x = batch.x[k];
      hit.f = batch.f[k];
      hit.d1 = batch.d1[k];
      hit.d2 = batch.d2[k];
      if (hit.f == 0.0) return hit;
      bool valueChanged = signOf(hit.f) != signF;
      if (valueChanged || signOf(hit.d1) != signF1) {
        return refineZeroOrExtremum(q, left, hit, valueChanged ? CHANGE_VALUE : CHANGE_SLOPE);
      }
      if (signOf(hit.d2) != signF2) return refineInflection(q, left, hit);
      left.a = hit.x;
      left.fa = hit.f;
      left.f1a = hit.d1;
      signF = signOf(hit.f);
      signF1 = signOf(hit.d1);
      double following = k + 1 < SCAN_BATCH ? batch.x[k + 1] : next;
      if (following > upper) {
        hit.x = following;
        return hit;
      }
    }
  }
}
