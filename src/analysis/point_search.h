// Special-point search: walks the x axis in fixed steps from a start
// position and refines the first step at which the sign of f, f' or f''
// changes into one point.
#pragma once

#include "analysis/polynomial.h"

// The kind of point is not a code: the search forces the deciding field to
// exactly 0.0 (f for a zero, d1 for an extremum, d2 for an inflection).
struct SearchHit {
  double x = 0.0;
  double f = 0.0;
  double d1 = 0.0;
  double d2 = 0.0;
  double d3 = 0.0;
};

// Which sign change last moved the right end of a zero-or-extremum bracket.
enum ChangeKind { CHANGE_NONE = 0, CHANGE_VALUE = 1, CHANGE_SLOPE = 2 };

// The next zero, extremum or inflection point at or after start. A found
// point has x <= upper; when nothing is found, x is the first scan position
// beyond upper.
// This is the fast scan: it leaves out blocks of positions at which it has
// proved that no comparison of the scan can come out differently, and gives
// exactly the result of findNextPointReference.
// REQUIRES: step moves every position of [start, upper] (see
// stepMovesEveryPosition); otherwise the scan never ends.
SearchHit findNextPoint(double start, double upper, double step, const Polynomial& p);

// The same search evaluating every scan position one after the other: the
// yardstick for findNextPoint.
SearchHit findNextPointReference(double start, double upper, double step, const Polynomial& p);

// True when adding step to any double of magnitude at most `magnitude`
// (rounded as the search rounds) gives a larger double.
bool stepMovesEveryPosition(double step, double magnitude);

// The most scan positions a run may have across its interval. Skipping makes
// the number of positions nearly free where the signs are provably steady,
// but near clustered roots or where values could overflow every position is
// still evaluated, so the count must stay bounded.
constexpr double MAX_SCAN_POSITIONS = 4294967296.0;  // 2^32

// True when [lower, upper] holds at most MAX_SCAN_POSITIONS positions of the
// given step (an empty interval holds none).
bool scanPositionsWithinLimit(double lower, double upper, double step);
