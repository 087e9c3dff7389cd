// Special-point search: the reference scan, the two refinements and the
// rules for usable steps. The fast scan lives in fast_scan.cpp.
#include "analysis/point_search.h"

#include <cmath>
#include <cstddef>

#include "analysis/extended_arithmetic.h"
#include "analysis/fast_scan.h"
#include "analysis/point_search_detail.h"
#include "platform/number_text.h"

#ifdef POLYVISTA_VERIFY_SKIPS
#include <cstdio>
#include <cstdlib>
#endif

Derivatives makeDerivatives(const Polynomial& p) {
  Derivatives q;
  q.f = p;
  derivePolynomial(q.f, q.d1);
  derivePolynomial(q.d1, q.d2);
  derivePolynomial(q.d2, q.d3);
  return q;
}

namespace {

bool decideSameNumberText(double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return sameNumberText(a, b);
  if (std::signbit(a) != std::signbit(b)) return false;  // only one text starts with "-"
  if (a == b) return true;                               // same sign, same value
  // Equal texts mean both round to the same 16-digit decimal r, so
  // |a - b| <= 10^(X-15) <= 1e-15 * |r| with X the decimal exponent of r, and
  // |r| exceeds max(|a|, |b|) by at most half a unit of the 16th digit. A
  // difference above 2^-48 (3.55e-15) of the larger magnitude therefore
  // means different texts. The long double difference and the scaling by a
  // power of two are accurate far beyond the factor 3.5 of room.
  long double difference = std::fabs(static_cast<long double>(a) - b);
  long double larger = std::fmax(std::fabs(static_cast<long double>(a)), std::fabs(b));
  if (difference > std::ldexp(larger, -48)) return false;
  return sameNumberText(a, b);
}

}  // namespace

bool sameNumberTextQuick(double a, double b) {
  bool same = decideSameNumberText(a, b);
#ifdef POLYVISTA_VERIFY_SKIPS
  if (same != sameNumberText(a, b)) {
    std::fprintf(stderr, "quick text comparison wrong for %.17g and %.17g\n", a, b);
    std::abort();
  }
#endif
  return same;
}

namespace {

// (b - a) / 2 rounded once to double: the difference keeps its extended
// precision through the exact halving.
double halfWidth(double a, double b) {
  return static_cast<double>((static_cast<long double>(b) - a) / 2.0L);
}

bool sameText(double a, double b, TextCompare compare) {
  return compare == TEXT_QUICK_TEST ? sameNumberTextQuick(a, b) : sameNumberText(a, b);
}

void applyChangeKind(SearchHit& hit, ChangeKind kind) {
  if (kind == CHANGE_VALUE) hit.f = 0.0;
  if (kind == CHANGE_SLOPE) hit.d1 = 0.0;
}

}  // namespace

SearchHit refineZeroOrExtremum(const Derivatives& q, LeftEnd left, SearchHit hit, ChangeKind kind,
                               TextCompare compare) {
  double a = left.a;
  double fa = left.fa;
  double f1a = left.f1a;
  for (;;) {
    double b = hit.x;
    double m = extendedAdd(a, halfWidth(a, b));
    // Once the bracket is two neighbouring doubles whose texts differ, the
    // rounded midpoint can land on b again and the bracket would never
    // change; that stand-still ends the refinement like the text rule.
    if (sameText(m, a, compare) || m == b) {
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

SearchHit refineInflection(const Derivatives& q, LeftEnd left, SearchHit hit, TextCompare compare) {
  double a = left.a;
  double f2a = left.f2a;
  double prevHalf = 0.0;
  for (;;) {
    double h = halfWidth(a, hit.x);
    double m = extendedAdd(a, h);
    // The half-width stops shrinking once the bracket cannot narrow in
    // double precision (at the latest when it is 0).
    if (sameText(h, prevHalf, compare)) {
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

bool scanPositionsWithinLimit(double lower, double upper, double step) {
  if (!(step > 0.0)) return false;
  if (!(upper > lower)) return true;
  long double positions = (static_cast<long double>(upper) - lower) / step;
  return positions <= MAX_SCAN_POSITIONS;
}

SearchHit findNextPoint(double start, double upper, double step, const Polynomial& p) {
  return fastScan(start, upper, step, makeDerivatives(p));
}

SearchHit findNextPointReference(double start, double upper, double step, const Polynomial& p) {
  Derivatives q = makeDerivatives(p);
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
        return refineZeroOrExtremum(q, left, hit, valueChanged ? CHANGE_VALUE : CHANGE_SLOPE,
                                    TEXT_ALWAYS_CONVERT);
      }
      if (signOf(hit.d2) != signF2) return refineInflection(q, left, hit, TEXT_ALWAYS_CONVERT);
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
