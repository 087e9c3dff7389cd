// The fast scan. Where no sign of f, f' or f'' can change, a whole block of
// positions is left out once it is proved that the computed values at every
// position of the block keep the signs of the block's start; everywhere else
// positions are evaluated exactly as the reference scan evaluates them.
#include "analysis/fast_scan.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "analysis/extended_arithmetic.h"

#ifdef POLYVISTA_VERIFY_SKIPS
#include <cstdio>
#include <cstdlib>
#endif

namespace {

// ---------------------------------------------------------------------------
// Scan positions.
//
// The scan's next position is round53(round64(x + step)). Take a stretch
// [L, H] of doubles with one spacing u: [2^E, 2^(E+1)] for positive x,
// [-2^(E+1), -2^E] for negative x, u = 2^(E-52). Both the 64-bit grid
// (spacing u/2^11) and the double grid are uniform on it and contain L and
// H. For x on the double grid with x + step in [L, H], x is a multiple of
// 2^11 units of the 64-bit grid, so round64(x + step) = x + t with t
// independent of x (ties go the same way since x adds an even count of
// units). Rounding x + t to doubles then depends on x only through the
// parity of x/u, and only when t is an odd multiple of u/2. So the increment
// inc(x) is a function of that parity: if inc(x) is an even multiple of u
// the parity never changes and the increment is constant; if it is odd,
// the increment is constant when the other parity gives the same one.

struct UniformRun {
  double delta = 0.0;  // the fixed increment
  int64_t count = 0;   // positions that can be jumped with it
};

constexpr double SMALLEST_UNIFORM_MAGNITUDE = 0x1p-1000;
constexpr double LARGEST_UNIFORM_MAGNITUDE = 0x1p1000;

UniformRun uniformRunFrom(double x, double step) {
  UniformRun none;
  double magnitude = std::fabs(x);
  if (!(magnitude >= SMALLEST_UNIFORM_MAGNITUDE && magnitude <= LARGEST_UNIFORM_MAGNITUDE)) {
    return none;
  }
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  int e = exponent - 1;  // magnitude in [2^e, 2^(e+1))
  // Moving up from a negative power of two enters the finer stretch above.
  if (x < 0.0 && magnitude == std::ldexp(1.0, e)) e -= 1;
  double high = x > 0.0 ? std::ldexp(1.0, e + 1) : -std::ldexp(1.0, e);
  double room = high - x;  // exact: x and high are within a factor 2
  if (!(step <= room)) return none;
  double y1 = extendedAdd(x, step);
  double delta = y1 - x;  // exact for the same reason
  if (!(delta > 0.0)) return none;
  int64_t units = static_cast<int64_t>(delta / std::ldexp(1.0, e - 52));
  if (units % 2 != 0) {
    if (!(step <= high - y1)) return none;
    if (extendedAdd(y1, step) - y1 != delta) return none;
  }
  // Jump j lands on x + j*delta as long as every sum before it stays in the
  // stretch: (j - 1) * delta + step <= room. The quotient below is within a
  // relative 2^-63 of the true one (below 2^53), so its floor can exceed the
  // true floor by at most 1; taking it as the count keeps one in hand.
  long double spare = static_cast<long double>(room) - step;
  long double jumps = std::floor(spare / delta);
  if (!(jumps >= 1.0L)) return none;
  none.delta = delta;
  none.count = static_cast<int64_t>(std::min(jumps, 0x1p52L));
  return none;
}

// ---------------------------------------------------------------------------
// The skip test.
//
// Rounding error of the computed value. evaluatePolynomial forms each Horner
// step as round53(round64(round64(x * r) + c)). With u = 2^-53 each rounding
// to double is a factor (1 + e), |e| <= u, or, for a subnormal result, an
// absolute error of at most 2^-1075; each 64-bit rounding is a factor with
// |e| <= 2^-64. Unrolling the d steps, every term c_i x^(d-i) carries at
// most d factors of the first kind and 2d of the second, and the absolute
// errors are carried by powers of x, so
//   |computed - p(x)| <= 1.01 d u S(|x|) + 2^-1074 T(|x|)   (d <= 64)
// with S(y) = sum |c_i| y^(d-i) and T(y) = sum y^j (j < d). The test
// allows 4(d+1) u S + 4(d+1) 2^-1074 T, four times that.
//
// Lower bound over a block [xa, xb]. With t = x - xa in [0, w] and the
// Taylor coefficients q_k at xa, p(x) = sum q_k t^k, and as t >= 0,
//   sign * p(x) >= sign * q_0 - sum_{k>=1} max(0, -sign * q_k) w^k.
// The q_k of f come from repeated synthetic division in 64-bit precision:
// each contribution c_i C(.,k) xa^j passes at most 3d roundings, so the
// error of q_k is at most 3.01 d 2^-64 A_k, where A_k are the coefficients
// of the same expansion of the polynomial with |c_i| at |xa|; and
// sum A_k w^k = S(|xa| + w). The test allows 8(d+1) 2^-64 S.
//
// f' and f'' take their expansions from that of f (k q_k and k(k-1) q_k),
// which belong to the exact derivatives. The lists the scan evaluates have
// each coefficient rounded once more per derivation (the integer products
// themselves are exact in 64 bits), which moves their values by at most
// 1.01 u S', 2.01 u S'' (plus subnormal terms); the test allows 2u S' and
// 4u S'' for that. The errors of k q_k sum to at most the same multiple of
// the derivative's S as those of q_k do for f.
//
// Everything is bounded at y = |xa| + w, at least |x| over the block; S and
// T grow with y. A block is skipped only when the lower bound exceeds all
// allowances together, with 2^-56 of the magnitudes in hand for the few
// extended-precision operations of the test itself. Where a partial Horner
// sum of S could come near the double range, nothing is skipped.

constexpr long double HORNER_ROUNDING = 0x1p-53L;
constexpr long double TAYLOR_ROUNDING = 0x1p-64L;
constexpr long double SUBNORMAL_ROUNDING = 0x1p-1074L;
constexpr long double LARGEST_PARTIAL_SUM = 0x1p1000L;
constexpr long double ROUND_UP = 1.0L + 0x1p-62L;

}  // namespace

void prepareSignBound(const Polynomial& p, int derivations, SignBound& bound) {
  const std::vector<double>& c = p.coefficients;
  bound.alwaysZero = std::all_of(c.begin(), c.end(), [](double v) { return v == 0.0; });
  bound.degree = static_cast<int>(c.size()) - 1;
  bound.usable = bound.degree <= MAX_SKIP_DEGREE &&
                 std::all_of(c.begin(), c.end(), [](double v) { return std::isfinite(v); });
  if (!bound.usable) return;
  long double factor = 4.0L * (bound.degree + 1);
  long double relative = factor * HORNER_ROUNDING + 2.0L * factor * TAYLOR_ROUNDING +
                         2.0L * derivations * HORNER_ROUNDING;
  long double absolute = (factor + derivations) * SUBNORMAL_ROUNDING;
  for (int i = 0; i <= bound.degree; ++i) {
    bound.coefficient[i] = c[i];
    bound.magnitude[i] = std::fabs(static_cast<long double>(c[i]));
    bound.errorWeight[i] = relative * bound.magnitude[i] + absolute;
  }
}

void derivedTaylorCoefficients(const long double* taylor, int degree, int derivations,
                               long double* derived) {
  for (int k = 0; k + derivations <= degree; ++k) {
    long double factor = 1.0L;
    for (int j = 1; j <= derivations; ++j)
      factor *= k + j;
    derived[k] = factor * taylor[k + derivations];
  }
}

void taylorCoefficients(const SignBound& bound, double xa, long double* taylor) {
  int d = bound.degree;
  long double work[MAX_SKIP_DEGREE + 1];
  for (int i = 0; i <= d; ++i)
    work[i] = bound.coefficient[i];
  long double at = xa;
  for (int k = 0; k < d; ++k) {
    for (int i = 1; i <= d - k; ++i)
      work[i] += at * work[i - 1];
  }
  for (int k = 0; k <= d; ++k)
    taylor[k] = work[d - k];
}

bool signProvedSteady(const SignBound& bound, const long double* taylor, double xa, double xb,
                      int sign) {
  int d = bound.degree;
  long double width = (static_cast<long double>(xb) - xa) * ROUND_UP;
  long double reach = (std::fabs(static_cast<long double>(xa)) + width) * ROUND_UP;
  long double sum = 0.0L;
  long double allowance = 0.0L;
  long double peak = 0.0L;
  for (int i = 0; i <= d; ++i) {
    sum = sum * reach + bound.magnitude[i];
    allowance = allowance * reach + bound.errorWeight[i];
    peak = std::max(peak, sum);
  }
  if (!(peak <= LARGEST_PARTIAL_SUM)) return false;
  // Terms of the block's sign only add to the margin (t >= 0).
  long double tail = 0.0L;
  for (int k = d; k >= 1; --k)
    tail = (tail + std::max(0.0L, -sign * taylor[k])) * width;
  long double lead = sign * taylor[0];
  // NaN anywhere makes the comparison false.
  return lead - tail > allowance + (std::fabs(lead) + tail) * 0x1p-56L;
}

// ---------------------------------------------------------------------------
// The leading-term test.
//
// Where values are huge the error bound above cannot be used (the partial
// sums leave the double range), so far from 0 the signs come from the
// leading term instead. Strip leading zero coefficients (x * 0 + c is c
// exactly, so the computed value is that of the shorter list) and let c_0
// be the first non-zero one, a_k = |c_k| / |c_0|, s_k = sign(c_0 x^k),
// y = |x| > 0, u = 2^-53, v = 2^-64, tau = 2^-1075. Rounding to nearest is
// monotone and odd, round64(z) >= (1 - v) z and round53(z) >= (1 - u) z -
// tau for z >= 0; the last covers subnormal results, and an overflow to
// +inf only helps. So if s_(k-1) r_(k-1) >= L_(k-1) > 0 (+inf included),
//   s_k r_k = round53(round64(round64(y s_(k-1) r_(k-1)) + s_k c_k))
//          >= (1 - u)(1 - v)^2 (y L_(k-1) - |c_k|) - tau =: L_k
// whenever y L_(k-1) > |c_k|; where s_k c_k >= 0 the term only pushes away
// from 0 and |c_k| may be dropped. With L_k = |c_0| y^k G_k, G_0 = 1,
// b_k = a_k where s_k c_k < 0 and 0 elsewhere:
//   G_k = (1 - u)(1 - v)^2 (G_(k-1) - b_k y^-k) - (tau / |c_0|) y^-k.
// Every G_k > 0 means every partial value, the last one included, is
// non-zero with sign s_k; it may be +-inf but never NaN (c_k is finite and
// x is not 0). G_k only grows with y, so checking at the smallest |x| of a
// block that lies on one side of 0 covers the whole block. An infinite c_0
// (a derivative list of coefficients near the double range) makes every
// later partial value +-inf of sign s_k directly; its a_k are 0 and the
// same check passes. The derivative lists are used as they are stored, with
// their rounded coefficients, so nothing about derivation enters. The test
// computes the G_k in extended precision with (1 - 2^-51) for the factor
// and asks for G_k >= 2^-30: while it holds every term stays below 1, and
// the test's own rounding (a few 2^-64 per step) cannot close that gap.
// From the guess y >= 4 max_k (b_k + tau / |c_0|)^(1/k) (b_k depends on the
// side of 0) the terms sum to at most 1/3 and the test passes; for
// 1e300 (x^3 + x^2 + x + 1) that is 4 for x < 0 and nearly 0 for x > 0.

constexpr long double DOMINANT_KEEP = 1.0L - 0x1p-51L;
constexpr long double DOMINANT_MARGIN = 0x1p-30L;
constexpr long double SUBNORMAL_HALF_UNIT = 0x1p-1075L;

namespace {

// Bounds on log2 v for a finite v > 0, from v = m 2^e, m in [1/2, 1):
// 2m - 1 <= log2(2m) <= (2m - 1) / ln 2.
double log2Above(double v) {
  int e = 0;
  double m = std::frexp(v, &e);
  return e - 1 + (2.0 * m - 1.0) * 1.4426950408889634 * (1.0 + 0x1p-40);
}

double log2Below(double v) {
  int e = 0;
  double m = std::frexp(v, &e);
  return e - 1 + (2.0 * m - 1.0) * (1.0 - 0x1p-40);
}

}  // namespace

void prepareDominantBound(const Polynomial& p, DominantBound& bound) {
  const std::vector<double>& c = p.coefficients;
  bound.usable = false;
  size_t first = 0;
  while (first < c.size() && c[first] == 0.0)
    ++first;
  if (first == c.size()) return;  // all zero: the caller knows the sign is 0
  if (std::any_of(c.begin(), c.end(), [](double v) { return std::isnan(v); })) return;
  int degree = static_cast<int>(c.size() - 1 - first);
  if (degree > MAX_SKIP_DEGREE) return;
  long double lead = std::fabs(static_cast<long double>(c[first]));
  bound.degree = degree;
  bound.leadSign = signOf(c[first]);
  bound.subnormalRatio = SUBNORMAL_HALF_UNIT / lead;
  // The guess, 4 max_k max(b_k, tau / |c_0|)^(1/k) (the two terms then sum
  // to at most 2/3), in logarithms from the bits of the doubles; libm's
  // extended-precision roots would cost more than a short search.
  bool infiniteLead = std::isinf(c[first]);
  double logLead = infiniteLead ? INFINITY : log2Below(std::fabs(c[first]));
  double logSubnormal = -1075.0 - logLead;
  double logZone[2] = {-INFINITY, -INFINITY};
  bound.ratio[0] = 1.0L;
  bound.alignedSign[0] = bound.leadSign;
  for (int k = 1; k <= degree; ++k) {
    double v = c[first + k];
    if (!std::isfinite(v)) return;
    bound.ratio[k] = std::fabs(static_cast<long double>(v)) / lead;
    bound.alignedSign[k] = signOf(v) * bound.leadSign;
    double logRatio = v == 0.0 ? -INFINITY : log2Above(std::fabs(v)) - logLead;
    for (int side = 0; side < 2; ++side) {
      bool against = bound.alignedSign[k] * (side == 0 && k % 2 != 0 ? -1 : 1) < 0;
      double logWeight = std::max(against ? logRatio : -INFINITY, logSubnormal);
      logZone[side] = std::max(logZone[side], logWeight / k);
    }
  }
  for (int side = 0; side < 2; ++side) {
    bound.zoneStart[side] =
        infiniteLead ? 0.0L : 4.0L * std::exp2(static_cast<long double>(logZone[side]));
  }
  bound.usable = true;
}

bool dominantSignProved(const DominantBound& bound, double xa, double xb, int sign) {
  if (!bound.usable) return false;
  if (bound.degree == 0) return sign == bound.leadSign;
  if (!(xa <= xb)) return false;
  long double y = 0.0L;
  int side = 0;
  if (xa > 0.0) {
    y = xa;
    side = 1;
  } else if (xb < 0.0) {
    y = -static_cast<long double>(xb);
    side = -1;
  } else {
    return false;  // 0 inside: the sign of x^k changes
  }
  int expected = side < 0 && bound.degree % 2 != 0 ? -bound.leadSign : bound.leadSign;
  if (sign != expected) return false;
  long double inverse = 1.0L / y;
  long double power = 1.0L;
  long double g = 1.0L;
  for (int k = 1; k <= bound.degree; ++k) {
    power *= inverse;
    bool against = bound.alignedSign[k] * (side < 0 && k % 2 != 0 ? -1 : 1) < 0;
    g = DOMINANT_KEEP * (g - (against ? bound.ratio[k] * power : 0.0L)) -
        bound.subnormalRatio * power;
    if (!(g >= DOMINANT_MARGIN)) return false;
  }
  return true;
}

double advanceScanPositions(double x, double step, int64_t count) {
  while (count > 0) {
    UniformRun run = uniformRunFrom(x, step);
    if (run.count > 0) {
      int64_t jumps = std::min(count, run.count);
      // jumps * delta is a multiple of u no larger than the stretch, and the
      // sum a double of the stretch: both exact.
      x += static_cast<double>(jumps) * run.delta;
      count -= jumps;
    } else {
      x = extendedAdd(x, step);
      --count;
    }
  }
  return x;
}

namespace {

// Fewer positions than this are not worth a skip test.
constexpr int64_t MIN_SKIP_POSITIONS = 32;
// After failed tests, whole batches are evaluated before the next one; the
// wait doubles up to this many batches.
constexpr int MAX_SKIP_WAIT = 32;
// Block widths tried per test, each half the one before.
constexpr int SKIP_TRIES = 6;

struct SkipPlan {
  bool enabled = false;        // some test can work
  bool taylorEnabled = false;  // the error-bound test works for all three lists
  SignBound bound[3];          // f, f', f''
  DominantBound dominant[3];
};

void prepareSkipPlan(const Derivatives& q, SkipPlan& plan) {
  const Polynomial* lists[3] = {&q.f, &q.d1, &q.d2};
  bool dominantEnabled = true;
  for (int i = 0; i < 3; ++i) {
    prepareSignBound(*lists[i], i, plan.bound[i]);
    prepareDominantBound(*lists[i], plan.dominant[i]);
    dominantEnabled = dominantEnabled && (plan.bound[i].alwaysZero || plan.dominant[i].usable);
  }
  plan.taylorEnabled = plan.bound[0].usable && plan.bound[1].usable && plan.bound[2].usable;
  plan.enabled = plan.taylorEnabled || dominantEnabled;
}

#ifdef POLYVISTA_VERIFY_SKIPS
[[noreturn]] void skipClaimViolated(const char* what, double xa, double xb, double x) {
  std::fprintf(stderr, "skip claim violated (%s): block [%.17g, %.17g], position %.17g\n", what, xa,
               xb, x);
  std::abort();
}

// The leading-term claim is stronger than the sign of the result: every
// partial Horner value has the sign of c_0 x^k.
bool partialSignsDominant(const Polynomial& list, double x) {
  const std::vector<double>& c = list.coefficients;
  size_t first = 0;
  while (first < c.size() && c[first] == 0.0)
    ++first;
  if (first == c.size()) return false;
  double r = c[first];
  int expected = signOf(r);
  for (size_t i = first + 1; i < c.size(); ++i) {
    r = extendedMulAdd(x, r, c[i]);
    if (x < 0.0) expected = -expected;
    if (signOf(r) != expected) return false;
  }
  return true;
}

// Walks the skipped block the slow way: every position by real addition,
// every value by evaluatePolynomial.
void verifySkip(const Derivatives& q, double xa, double xb, int64_t positions, double step,
                const int* signs, const bool* byLeadingTerm) {
  const Polynomial* lists[3] = {&q.f, &q.d1, &q.d2};
  double x = xa;
  for (int64_t j = 1; j <= positions; ++j) {
    x = extendedAdd(x, step);
    double f = evaluatePolynomial(x, q.f);
    if (f == 0.0 || signOf(f) != signs[0]) skipClaimViolated("sign of f", xa, xb, x);
    if (signOf(evaluatePolynomial(x, q.d1)) != signs[1]) skipClaimViolated("sign of f'", xa, xb, x);
    if (signOf(evaluatePolynomial(x, q.d2)) != signs[2]) {
      skipClaimViolated("sign of f''", xa, xb, x);
    }
    for (int i = 0; i < 3; ++i) {
      if (byLeadingTerm[i] && !partialSignsDominant(*lists[i], x)) {
        skipClaimViolated("partial values of the leading term", xa, xb, x);
      }
    }
  }
  if (x != xb) skipClaimViolated("block end position", xa, xb, x);
}
#endif

// The width at which the Taylor terms that pull towards zero, each taken
// alone, would eat up nine tenths of the value: a guess only, the test
// decides. Double precision is plenty for it.
double guessWidth(const long double* taylor, int degree, int sign) {
  double value = static_cast<double>(sign * taylor[0]);
  if (!(value > 0.0)) return 0.0;
  double width = INFINITY;
  for (int k = 1; k <= std::min(degree, 3); ++k) {
    double pull = static_cast<double>(-sign * taylor[k]);
    if (!(pull > 0.0)) continue;
    double ratio = 0.9 * value / pull;
    width = std::min(width, k == 1 ? ratio : k == 2 ? std::sqrt(ratio) : std::cbrt(ratio));
  }
  return width;
}

// How far from xa the leading term of a list can be expected to settle its
// sign (a guess, as guessWidth): unbounded to the right of a positive xa,
// up to -zoneStart from a negative one; negative when xa is not in the zone.
long double dominantWidth(const DominantBound& bound, double xa) {
  if (!bound.usable) return -1.0L;
  if (bound.degree == 0) return INFINITY;
  if (xa > 0.0) return xa >= bound.zoneStart[1] ? INFINITY : -1.0L;
  return -bound.zoneStart[0] - xa;
}

// Tries to prove a block [xa, xb] of at least MIN_SKIP_POSITIONS steps, with
// xb <= upper, on which every computed f, f', f'' keeps the sign in signs
// and f is never zero. On success xb is the block's last position. Each list
// is settled by its leading term where that is expected to work (far from
// 0, also where values overflow), otherwise by the error bound.
bool trySkip(const SkipPlan& plan, const Derivatives& q, double xa, double upper, double step,
             const int* signs, double& xb) {
  for (int i = 1; i < 3; ++i) {
    if (!plan.bound[i].alwaysZero && signs[i] == 0) return false;
  }
  long double width = static_cast<long double>(upper) - xa;
  bool checked[3];
  bool byLeadingTerm[3];
  bool needTaylor = false;
  for (int i = 0; i < 3; ++i) {
    // A list whose every value is a zero keeps the sign 0 of xa.
    checked[i] = !plan.bound[i].alwaysZero;
    byLeadingTerm[i] = false;
    if (!checked[i]) continue;
    long double reach = dominantWidth(plan.dominant[i], xa);
    byLeadingTerm[i] = reach > 0.0L;
    if (byLeadingTerm[i]) {
      width = std::min(width, reach);
    } else {
      needTaylor = true;
    }
  }
  long double taylor[3][MAX_SKIP_DEGREE + 1];
  if (needTaylor) {
    if (!plan.taylorEnabled) return false;
    taylorCoefficients(plan.bound[0], xa, taylor[0]);
    for (int i = 0; i < 3; ++i) {
      if (!checked[i] || byLeadingTerm[i]) continue;
      if (i > 0) derivedTaylorCoefficients(taylor[0], plan.bound[0].degree, i, taylor[i]);
      width = std::min(
          width, static_cast<long double>(guessWidth(taylor[i], plan.bound[i].degree, signs[i])));
    }
  }
  for (int attempt = 0; attempt < SKIP_TRIES; ++attempt, width *= 0.5L) {
    long double steps = std::floor(width / step);
    if (!(steps >= MIN_SKIP_POSITIONS)) return false;
    int64_t positions = static_cast<int64_t>(std::min(steps, 0x1p52L));
    double end = advanceScanPositions(xa, step, positions);
    if (end > upper) {
      // The increments exceed step where it is not a whole number of ulps.
      width = (static_cast<long double>(upper) - xa) *
              ((static_cast<long double>(positions) - 1) / (static_cast<long double>(end) - xa)) *
              step * 2.0L;
      continue;
    }
    bool proved = true;
    for (int i = 0; i < 3 && proved; ++i) {
      if (!checked[i]) continue;
      proved = byLeadingTerm[i] ? dominantSignProved(plan.dominant[i], xa, end, signs[i])
                                : signProvedSteady(plan.bound[i], taylor[i], xa, end, signs[i]);
    }
    if (!proved) continue;
#ifdef POLYVISTA_VERIFY_SKIPS
    verifySkip(q, xa, end, positions, step, signs, byLeadingTerm);
#else
    (void)q;
#endif
    xb = end;
    return true;
  }
  return false;
}

}  // namespace

SearchHit fastScan(double start, double upper, double step, const Derivatives& q) {
  // Most calls near a cluster of points end within the first batch, so the
  // plan is made only when a skip is first tried.
  SkipPlan plan;
  bool planned = false;

  LeftEnd left{start, evaluatePolynomial(start, q.f), evaluatePolynomial(start, q.d1),
               evaluatePolynomial(start, q.d2)};
  SearchHit hit;
  hit.x = start;
  int signs[3] = {signOf(left.fa), signOf(left.f1a), signOf(left.f2a)};

  ScanBatch batch;
  double next = start;
  int wait = 0;
  int nextWait = 1;
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
      bool valueChanged = signOf(hit.f) != signs[0];
      if (valueChanged || signOf(hit.d1) != signs[1]) {
        return refineZeroOrExtremum(q, left, hit, valueChanged ? CHANGE_VALUE : CHANGE_SLOPE,
                                    TEXT_QUICK_TEST);
      }
      if (signOf(hit.d2) != signs[2]) return refineInflection(q, left, hit, TEXT_QUICK_TEST);
      left.a = hit.x;
      left.fa = hit.f;
      left.f1a = hit.d1;
      signs[0] = signOf(hit.f);
      signs[1] = signOf(hit.d1);
      double following = k + 1 < SCAN_BATCH ? batch.x[k + 1] : next;
      if (following > upper) {
        hit.x = following;
        return hit;
      }
    }
    if (!planned) {
      prepareSkipPlan(q, plan);
      planned = true;
    }
    if (!plan.enabled) continue;
    if (wait > 0) {
      --wait;
      continue;
    }
    // The block starts at the last evaluated position; the batch after it
    // starts at the block's last position, which is evaluated for real, so
    // any bracket handed to a refinement has exactly the reference's left
    // end and values.
    double blockEnd = 0.0;
    if (trySkip(plan, q, left.a, upper, step, signs, blockEnd)) {
      next = blockEnd;
      nextWait = 1;
    } else {
      wait = nextWait;
      nextWait = std::min(2 * nextWait, MAX_SKIP_WAIT);
    }
  }
}
