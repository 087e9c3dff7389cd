#include "analysis/point_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/number_text.h"

namespace {

constexpr double DEFAULT_STEP = 0.00001;

Polynomial make(std::vector<double> c) {
  return Polynomial{std::move(c)};
}

TEST(FindNextPoint, ExactZeroAtStartReturnsAtOnce) {
  SearchHit hit = findNextPoint(2.0, 10.0, DEFAULT_STEP, make({1, 0, -4}));
  EXPECT_EQ(hit.x, 2.0);
  EXPECT_EQ(hit.f, 0.0);
  EXPECT_EQ(hit.d1, 4.0);
  EXPECT_EQ(hit.d2, 2.0);
  EXPECT_EQ(hit.d3, 0.0);
}

TEST(FindNextPoint, StartBeyondUpperIsEvaluatedOnce) {
  SearchHit zero = findNextPoint(2.0, 1.0, 0.5, make({1, 0, -4}));
  EXPECT_EQ(zero.x, 2.0);
  EXPECT_EQ(zero.f, 0.0);
  SearchHit none = findNextPoint(3.0, 1.0, 0.5, make({1, 0, -4}));
  EXPECT_EQ(none.x, 3.5);
  EXPECT_EQ(none.f, 5.0);
}

TEST(FindNextPoint, NothingFoundReturnsFirstPositionBeyondUpper) {
  SearchHit hit = findNextPoint(-1.0, 1.0, 0.25, make({3}));
  EXPECT_EQ(hit.x, 1.25);
  EXPECT_EQ(hit.f, 3.0);
  EXPECT_EQ(hit.d1, 0.0);
  EXPECT_EQ(hit.d3, 0.0);
  // Positions equal to upper are examined: x^2 - 1 has its zero on it.
  SearchHit onUpper = findNextPoint(0.5, 1.0, 0.25, make({1, 0, -1}));
  EXPECT_EQ(onUpper.x, 1.0);
  EXPECT_EQ(onUpper.f, 0.0);
}

TEST(FindNextPoint, ZeroPolynomialReturnsItsStart) {
  SearchHit hit = findNextPoint(-3.25, 10.0, DEFAULT_STEP, make({0}));
  EXPECT_EQ(hit.x, -3.25);
  EXPECT_EQ(hit.f, 0.0);
}

TEST(FindNextPoint, ZerosAreLocatedExactly) {
  SearchHit hit = findNextPoint(-10.0, 10.0, DEFAULT_STEP, make({1, 0, -4}));
  EXPECT_EQ(hit.x, -2.0);
  EXPECT_EQ(hit.f, 0.0);
  EXPECT_EQ(hit.d3, 0.0);
}

TEST(FindNextPoint, ExtremumStopsWhereFIsFlat) {
  SearchHit hit = findNextPoint(-1.9, 10.0, DEFAULT_STEP, make({1, 0, -4}));
  EXPECT_LT(std::fabs(hit.x), 1e-8);
  EXPECT_NE(hit.x, 0.0);
  EXPECT_EQ(hit.f, -4.0);
  EXPECT_EQ(hit.d1, 0.0);
  EXPECT_EQ(hit.d2, 2.0);
}

TEST(FindNextPoint, DoubleZeroCarriesBothForcedValues) {
  SearchHit hit = findNextPoint(-10.0, 10.0, DEFAULT_STEP, make({1, -2, 1}));
  EXPECT_LT(std::fabs(hit.x - 1.0), 1e-9);
  EXPECT_EQ(hit.f, 0.0);
  EXPECT_EQ(hit.d1, 0.0);
  EXPECT_EQ(hit.d2, 2.0);
}

TEST(FindNextPoint, InflectionRefinementRunsUntilTheBracketStops) {
  // Near 0 the bracket narrows through the subnormal range.
  SearchHit saddle = findNextPoint(-0.5, 10.0, DEFAULT_STEP, make({1, 0, 0, 1}));
  EXPECT_LT(std::fabs(saddle.x), 1e-300);
  EXPECT_EQ(saddle.f, 1.0);
  EXPECT_EQ(saddle.d2, 0.0);
  EXPECT_EQ(saddle.d3, 6.0);

  SearchHit inflection = findNextPoint(0.5, 10.0, DEFAULT_STEP, make({-1, 3, 0, -3.5}));
  EXPECT_EQ(inflection.x, 1.0);
  EXPECT_EQ(inflection.f, -1.5);
  EXPECT_EQ(inflection.d2, 0.0);
  EXPECT_EQ(inflection.d3, -6.0);
}

// The bracket around sqrt(90) shrinks to two neighbouring doubles whose
// texts differ; the midpoint then rounds onto the right end for good.
TEST(FindNextPoint, StandStillOnNeighbouringDoublesEnds) {
  SearchHit hit = findNextPoint(0.5, 10.0, DEFAULT_STEP, make({1, 0, -90}));
  EXPECT_EQ(formatNumber(hit.x), "9.486832980505138");
  EXPECT_EQ(hit.f, 0.0);
}

TEST(FindNextPoint, ZeroWinsOverInflectionInTheSameStep) {
  // 1 -6 11 -6 has a zero and its inflection point at 2.
  SearchHit hit = findNextPoint(1.5, 10.0, DEFAULT_STEP, make({1, -6, 11, -6}));
  EXPECT_EQ(hit.x, 2.0);
  EXPECT_EQ(hit.f, 0.0);
  EXPECT_EQ(hit.d3, 0.0);
}

TEST(FindNextPoint, OverflowingValuesStillEnd) {
  SearchHit hit = findNextPoint(-10.0, 10.0, 0.5, make({1e307, 1e307, 1e307, 1e307}));
  EXPECT_EQ(formatNumber(hit.x), "-1");
  EXPECT_EQ(hit.f, 0.0);
}

TEST(StepMovesEveryPosition, RefusesStepsThatCanStandStill) {
  EXPECT_TRUE(stepMovesEveryPosition(0.00001, 10.0));
  EXPECT_FALSE(stepMovesEveryPosition(0.0, 10.0));
  EXPECT_FALSE(stepMovesEveryPosition(-1.0, 10.0));
  EXPECT_FALSE(stepMovesEveryPosition(NAN, 10.0));
  EXPECT_FALSE(stepMovesEveryPosition(INFINITY, 10.0));
  EXPECT_FALSE(stepMovesEveryPosition(1e-16, 10.0));
  // Half the gap at 2^53 moves odd values but not even ones.
  EXPECT_FALSE(stepMovesEveryPosition(1.0, 9007199254740992.0));
  EXPECT_TRUE(stepMovesEveryPosition(2.0, 9007199254740992.0));
  EXPECT_TRUE(stepMovesEveryPosition(4.9406564584124654e-324, 0.0));
}

}  // namespace
