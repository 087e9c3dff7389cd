#include "plot/plot_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/test_picture.h"

namespace {

// The renderer needs an open window for its images.
class PlotRendererTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(openWindow(64, 64, 24, 1)); }
  void TearDown() override { closeWindow(); }

  // The picture of expression rendered on a fresh width x height image.
  static std::string render(const char* expression, double xMin, double xMax, double yMin,
                            double yMax, int32_t width, int32_t height, int32_t noAxes,
                            double tickStep = 1.0) {
    PlotImage* image = createPlot(expression, xMin, xMax, yMin, yMax, width, height, tickStep,
                                  tickStep, COLOUR_WHITE, noAxes);
    if (image == nullptr) return "no image";
    std::string text = picture(*image);
    destroyImage(image);
    return text;
  }
};

TEST_F(PlotRendererTest, AxesWithArrowheadsAndTicksOnePixelBelowTheirValues) {
  // [-2, 2] on 16 pixels: 4 pixels per unit, origin at column 8, row 7.
  // Value 1 lies on row 3, its tick on row 4; the curve lies above the range.
  EXPECT_EQ(render("x+5", -2, 2, -2, 2, 16, 16, 0),
            "......aaaaa.....\n"
            ".......aaa......\n"
            "......a.a.a.....\n"
            ".....a..a..a....\n"
            "....a.aaaaa.a...\n"
            "a..aa...a...aa..\n"
            "a...a...a...a.a.\n"
            "aaaaaaaaaaaaaaaa\n"
            "a...a.aaaaa.a.a.\n"
            "a...a...a...aa..\n"
            "........a...a...\n"
            "........a..a....\n"
            "......aaaaa.....\n"
            "........a.......\n"
            "........a.......\n"
            "........a.......\n");
}

TEST_F(PlotRendererTest, CurveShapesOnTheImage) {
  struct Case {
    const char* what;
    const char* expression;
    const char* expected;  // rows 0 to 15, columns 0 to 15 of a 16 x 16 image
  };
  // Range [-2, 2], 4 pixels per unit, value v at row 7 - 4v, x = (c - 8) / 4.
  const Case cases[] = {
      {"a constant is one horizontal run", "0*x+1",
       "................\n"
       "................\n"
       "................\n"
       "WWWWWWWWWWWWWWWW\n"
       "................\n................\n................\n................\n"
       "................\n................\n................\n................\n"
       "................\n................\n................\n................\n"},
      // Inside only at x = -0.5 and 0.5 (value 0); above the range between:
      // the two points are joined straight across.
      {"leaving at the top and coming back", "3-12*x^2",
       "................\n................\n................\n................\n"
       "................\n................\n................\n"
       "......WWWWW.....\n"
       "................\n................\n................\n................\n"
       "................\n................\n................\n................\n"},
      // 4x^2 - 2: exactly yMax at x = -1 and 1 (row -1, off the image, so
      // only the segments from there show) and exactly yMin at x = 0, which
      // is left out: the bottom joins columns 7 and 9 on row 14, not 15.
      {"yMax is inside, yMin outside", "4*x^2-2",
       "....W.......W...\n"
       "....W.......W...\n"
       "....W.......W...\n"
       ".....W.....W....\n"
       ".....W.....W....\n"
       ".....W.....W....\n"
       ".....W.....W....\n"
       ".....W.....W....\n"
       ".....W.....W....\n"
       "......W...W.....\n"
       "......W...W.....\n"
       "......W...W.....\n"
       "......W...W.....\n"
       ".......W.W......\n"
       ".......WWW......\n"
       "................\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(render(c.expression, -2, 2, -2, 2, 16, 16, 1), c.expected) << c.what;
}

TEST_F(PlotRendererTest, ReversedSymmetricRangeHasBothAxesNoTicksAndNoCurve) {
  EXPECT_EQ(render("x", 2, -2, 2, -2, 16, 16, 0),
            "........a.......\n"
            ".......aaa......\n"
            "......a.a.a.....\n"
            ".....a..a..a....\n"
            "....a...a...a...\n"
            "...a....a....a..\n"
            "........a.....a.\n"
            "aaaaaaaaaaaaaaaa\n"
            "........a.....a.\n"
            "........a....a..\n"
            "........a...a...\n"
            "........a..a....\n"
            "........a.a.....\n"
            "........a.......\n"
            "........a.......\n"
            "........a.......\n");
}

TEST_F(PlotRendererTest, ErrorLabelForUndefinedNamesAndBadTickSteps) {
  const char* label =
      "..........................................\n"
      ".WWWWWWW.WWWWWW..WWWWWW...WWWWW..WWWWWW...\n"
      "..WW...W..WW..WW..WW..WW.WW...WW..WW..WW..\n"
      "..WW.W....WW..WW..WW..WW.WW...WW..WW..WW..\n"
      "..WWWW....WWWWW...WWWWW..WW...WW..WWWWW...\n"
      "..WW.W....WW.WW...WW.WW..WW...WW..WW.WW...\n"
      "..WW...W..WW..WW..WW..WW.WW...WW..WW..WW..\n"
      ".WWWWWWW.WWW..WW.WWW..WW..WWWWW..WWW..WW..\n"
      "..........................................\n"
      "..........................................\n";
  // An undefined name fails every column with a code other than 11.
  EXPECT_EQ(render("y*x", -2, 2, -2, 2, 42, 10, 1), label);
  // A tick step that is not positive (or not a number) gives the label
  // alone, axes or not.
  EXPECT_EQ(render("0*x", -2, 2, -2, 2, 42, 10, 0, 0.0), label);
  EXPECT_EQ(render("0*x", -2, 2, -2, 2, 42, 10, 0, NAN), label);
}

TEST_F(PlotRendererTest, ExponentFormInTheExpressionGivesNoCurveAndNoLabel) {
  // The scanner stops a number at "e": every column fails with code 11.
  const std::string empty = std::string(16, '.') + "\n";
  std::string expected;
  for (int i = 0; i < 16; ++i)
    expected += empty;
  EXPECT_EQ(render("1e-05*x^2", -2, 2, -2, 2, 16, 16, 1), expected);
}

TEST_F(PlotRendererTest, TinyRangesKeepTheCurveAroundZero) {
  // [-0.0002, 0.0002]: the columns next to 0 stand for x = -2.5e-05 and
  // 2.5e-05, whose texts are written positionally, so y = x is unbroken.
  EXPECT_EQ(render("x", -0.0002, 0.0002, -0.0002, 0.0002, 16, 16, 1),
            "...............W\n"
            "..............W.\n"
            ".............W..\n"
            "............W...\n"
            "...........W....\n"
            "..........W.....\n"
            ".........W......\n"
            "........W.......\n"
            ".......W........\n"
            "......W.........\n"
            ".....W..........\n"
            "....W...........\n"
            "...W............\n"
            "..W.............\n"
            ".W..............\n"
            "................\n");
}

TEST_F(PlotRendererTest, LargeGraphPlacesAxisTicksAndCurveAtLiteralPixels) {
  // [-2, 2] on 800 pixels: 200 pixels per unit, origin column 400, row 399.
  PlotImage* image = createPlot("x^2-1", -2, 2, -2, 2, 800, 800, 1.0, 1.0, COLOUR_WHITE, 0);
  ASSERT_NE(image, nullptr);
  const Surface& s = *image;
  EXPECT_EQ(pixelAt(s, 0, 399), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 799, 399), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 794, 394), COLOUR_AXIS_GREY);  // arrowhead ends
  EXPECT_EQ(pixelAt(s, 794, 404), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 395, 5), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 405, 5), COLOUR_AXIS_GREY);
  // y ticks one pixel below the rows of 1 (199) and -1 (599); the curve's
  // minimum, -1 at x = 0, runs along row 599.
  EXPECT_EQ(picture(s, 397, 198, 7, 4),
            "...a...\n"
            "...a...\n"
            ".aaaaa.\n"
            "...a...\n");
  EXPECT_EQ(picture(s, 397, 598, 7, 4),
            "...a...\n"
            "WWWWWWW\n"
            ".aaaaa.\n"
            "...a...\n");
  // x tick of 1 at column 600, rows 397 to 401; the curve's zero at x = 1
  // crosses the axis there: x^2 - 1 is -0.2775 at column 570.
  EXPECT_EQ(pixelAt(s, 600, 397), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 600, 401), COLOUR_AXIS_GREY);
  EXPECT_EQ(pixelAt(s, 570, 455), COLOUR_WHITE);
  destroyImage(image);
}

TEST_F(PlotRendererTest, HugeRangesDrawTheirTicksAsOneBandWithoutHanging) {
  // A trillion ticks across 16 pixels: every pixel along each axis carries
  // one, between the arrowheads; the curve 0 runs along the axis.
  EXPECT_EQ(render("0*x", -1e12, 1e12, -1e12, 1e12, 16, 16, 0),
            "......aaaaa.....\n"
            "......aaaaa.....\n"
            "......aaaaa.....\n"
            ".....aaaaaaa....\n"
            "....a.aaaaa.a...\n"
            "aaaaaaaaaaaaaaaa\n"
            "aaaaaaaaaaaaaaaa\n"
            "WWWWWWWWWWWWWWWW\n"
            "aaaaaaaaaaaaaaaa\n"
            "aaaaaaaaaaaaaaaa\n"
            "......aaaaa.a...\n"
            "......aaaaaa....\n"
            "......aaaaa.....\n"
            "......aaaaa.....\n"
            "......aaaaa.....\n"
            "......aaaaa.....\n");
}

TEST_F(PlotRendererTest, RenderingOntoTheWindowAndWithoutAnImage) {
  // No image: the window is the target, 64 x 64 here.
  renderPlot(nullptr, "0*x", -2, 2, -2, 2, 1.0, 1.0, COLOUR_WHITE, 1);
  EXPECT_EQ(pixelAt(windowSurface(), 10, 31), COLOUR_WHITE);  // row 32 - 0 - 1
  // An image that cannot be made leaves the window untouched.
  EXPECT_EQ(createPlot("0*x-1", -2, 2, -2, 2, 0, 10, 1.0, 1.0, COLOUR_RED, 1), nullptr);
  EXPECT_EQ(pixelAt(windowSurface(), 10, 47), COLOUR_BLACK);
}

}  // namespace
