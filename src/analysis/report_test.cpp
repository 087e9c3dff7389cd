#include "analysis/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "platform/text_output.h"

namespace {

Polynomial make(std::vector<double> c) {
  return Polynomial{std::move(c)};
}

std::vector<ReportRow> searchDefault(std::vector<double> c) {
  Options options;
  return runPointSearch(options, make(std::move(c)));
}

TEST(ClassifyHit, LabelsFollowTheForcedZeros) {
  struct Case {
    SearchHit hit;
    const char* label;
  };
  const Case cases[] = {
      {{1, 0, 3, 2, 0}, " Nullstelle "},
      {{1, 5, 0, -2, 0}, "    Maximum "},
      {{1, 5, 0, 2, 0}, "    Minimum "},
      {{1, 5, 0, 0, 6}, " Sattelpunkt "},
      {{1, 5, 1, 0, 6}, " Wendepunkt "},
      {{1, 0, 0, 2, 0}, " Nullstelle     Minimum "},
      {{1, 0, 0, 0, 0}, " Nullstelle "},
      {{1, 5, 1, 0, 0}, ""},
      {{1, 5, 1, 2, 0}, ""},
      {{1, 0, 0, 0, 6}, " Nullstelle  Sattelpunkt "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(classifyHit(c.hit), c.label) << c.label;
}

TEST(RunPointSearch, CubicWithSixPoints) {
  std::vector<ReportRow> rows = searchDefault({-1, 3, 0, -3.5});
  ASSERT_EQ(rows.size(), 6u);
  const char* labels[] = {" Nullstelle ", "    Minimum ", " Wendepunkt ",
                          " Nullstelle ", "    Maximum ", " Nullstelle "};
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].label, labels[i]) << i;
  EXPECT_NEAR(rows[0].x, -0.94, 0.01);
  EXPECT_LT(std::fabs(rows[1].x), 1e-8);
  EXPECT_EQ(rows[1].y, -3.5);
  EXPECT_EQ(rows[2].x, 1.0);
  EXPECT_EQ(rows[2].y, -1.5);
  EXPECT_NEAR(rows[3].x, 1.56, 0.01);
  EXPECT_NEAR(rows[4].x, 2.0, 1e-8);
  EXPECT_EQ(rows[4].y, 0.5);
  EXPECT_NEAR(rows[5].x, 2.38, 0.01);
  for (int i : {0, 3, 5})
    EXPECT_EQ(rows[i].y, 0.0) << i;
}

TEST(RunPointSearch, InflectionOnAZeroIsListedAsTheZero) {
  std::vector<ReportRow> rows = searchDefault({1, -6, 11, -6});
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].label, " Nullstelle ");
  EXPECT_NEAR(rows[0].x, 1.0, 1e-12);
  EXPECT_EQ(rows[1].label, "    Maximum ");
  EXPECT_EQ(rows[2].label, " Nullstelle ");
  EXPECT_EQ(rows[2].x, 2.0);
  EXPECT_EQ(rows[3].label, "    Minimum ");
  EXPECT_EQ(rows[4].label, " Nullstelle ");
  EXPECT_EQ(rows[4].x, 3.0);
}

TEST(RunPointSearch, EmptyAndReversedIntervals) {
  EXPECT_TRUE(searchDefault({1, 0, 4}).size() == 1u);  // only the minimum
  Options reversed;
  reversed.lower = 5.0;
  reversed.upper = -5.0;
  EXPECT_TRUE(runPointSearch(reversed, make({1, 0, -4})).empty());
  EXPECT_TRUE(searchDefault({3}).empty());
}

// When the right end of a bracket never moves, the point still carries the
// kind of change that the scan saw, so the minimum keeps its label.
TEST(RunPointSearch, UnmovedBracketKeepsTheScannedKindOfChange) {
  std::vector<ReportRow> rows = searchDefault({2, 15, -19.3088});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].label, "    Minimum ");
  EXPECT_EQ(formatNumber(rows[1].x), "-3.749999978298266");
  EXPECT_EQ(formatNumber(rows[1].y), "-47.4338");
}

TEST(RunPointSearch, FourfoldZeroGetsBothLabels) {
  std::vector<ReportRow> rows = searchDefault({1, 0, 0, 0, 0});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].label, " Nullstelle     Minimum ");
  EXPECT_EQ(rows[0].y, 0.0);
}

TEST(AutoPlotRange, LargestMagnitudeScaledAndRoundedDown) {
  EXPECT_EQ(autoPlotRange({}, 0.0), 2.0);
  EXPECT_EQ(autoPlotRange(searchDefault({1, 0, -4}), 0.0), 6.0);
  EXPECT_EQ(autoPlotRange(searchDefault({-1, 3, 0, -3.5}), 0.0), 5.0);
  EXPECT_EQ(autoPlotRange({{"", -9.0, 0.0}}, 0.0), 11.0);
  EXPECT_EQ(autoPlotRange({{"", 1.0, 0.0}}, -3.5), -3.5);
  // 1.1 * 10 in extended precision stays above 11 (the double 1.1 is a
  // little more than 1.1), so the floor is 11.
  EXPECT_EQ(autoPlotRange({{"", 10.0, 0.0}}, 0.0), 13.0);
}

TEST(PrintReport, LinesAndNumberForms) {
  std::vector<ReportRow> rows = {{" Nullstelle ", -2.0, 0.0}, {"    Minimum ", 1e-9, -4.0}};
  testing::internal::CaptureStdout();
  printReport(make({1, 0, -4}), rows);
  flushTextOutput();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\r\n    Polynom  x^2 +0x -4\r\n\r\n Nullstelle  -2\r\n"
            "    Minimum   1e-09 (y =-4)\r\n");
}

}  // namespace
