#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/font_cp437.h"
#include "platform/test_picture.h"

namespace {

Surface blank(int32_t width, int32_t height) {
  Surface s;
  initSurface(s, width, height, COLOUR_BLACK);
  return s;
}

TEST(PixelCoordinate, RoundsHalvesAwayFromZeroAndBoundsFarValues) {
  struct Case {
    float value;
    int32_t pixel;
  };
  const Case cases[] = {
      {0.0f, 0},
      {0.49f, 0},
      {0.5f, 1},
      {1.5f, 2},
      {2.5f, 3},
      {-0.5f, -1},
      {-2.5f, -3},
      {-1.49f, -1},
      {399.5f, 400},
      {1e20f, 268435456},
      {-1e20f, -268435456},
      {INFINITY, 268435456},
      {NAN, -268435456},
  };
  for (const Case& c : cases)
    EXPECT_EQ(pixelCoordinate(c.value), c.pixel) << c.value;
}

TEST(SurfaceDrawLine, IncludesBothEndPointsInEveryDirection) {
  struct Case {
    float x1, y1, x2, y2;
    const char* expected;
  };
  const Case cases[] = {
      {0, 0, 4, 2,
       "W....\n"
       ".WW..\n"
       "...WW\n"},
      {4, 2, 0, 0,
       "WW...\n"
       "..WW.\n"
       "....W\n"},
      {1, 2, 1, 0,
       ".W...\n"
       ".W...\n"
       ".W...\n"},
      {3.5f, 0.5f, 4.4f, 1.4f,  // (4, 1) twice: a single pixel
       ".....\n"
       "....W\n"
       ".....\n"},
  };
  for (const Case& c : cases) {
    Surface s = blank(5, 3);
    surfaceDrawLine(s, c.x1, c.y1, c.x2, c.y2, COLOUR_WHITE);
    EXPECT_EQ(picture(s), c.expected) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

TEST(SurfaceDrawLine, ClipsFarEndPointsToTheSurface) {
  Surface s = blank(5, 3);
  surfaceDrawLine(s, -1e9f, 1, 1e9f, 1, COLOUR_WHITE);
  surfaceDrawLine(s, 2, -5, 2, 1e30f, COLOUR_RED);
  surfaceDrawLine(s, -10, -10, -1, 5, COLOUR_GREEN);  // entirely outside
  EXPECT_EQ(picture(s),
            "..R..\n"
            "WWRWW\n"
            "..R..\n");
}

TEST(SurfaceFillBox, FillsEveryPixelBetweenCornersInAnyOrderClipped) {
  Surface s = blank(6, 4);
  surfaceFillBox(s, 3.5f, 2.4f, 1, 1, COLOUR_YELLOW);  // (4, 2) to (1, 1)
  surfaceFillBox(s, 5, 3, 60, 60, COLOUR_RED);
  surfaceFillBox(s, -9, -9, -1, 2, COLOUR_GREEN);  // left of the surface
  EXPECT_EQ(picture(s),
            "......\n"
            ".YYYY.\n"
            ".YYYY.\n"
            ".....R\n");
}

TEST(SurfaceSetPixel, RoundsAndIgnoresPixelsOutside) {
  Surface s = blank(3, 2);
  surfaceSetPixel(s, 1.5f, 0.49f, COLOUR_WHITE);
  surfaceSetPixel(s, -0.6f, 0, COLOUR_RED);
  surfaceSetPixel(s, 0, 2.5f, COLOUR_RED);
  EXPECT_EQ(picture(s),
            "..W\n"
            "...\n");
}

TEST(Font, UmlautsAndSharpSAreTheVgaGlyphs) {
  Surface s = blank(32, 8);
  surfaceDrawText(s, 0, 0, "\x81\x84\x94\xE1", COLOUR_WHITE);
  EXPECT_EQ(picture(s),
            "WW..WW..WW...WW.WW...WW..WWWW...\n"
            "........................WW..WW..\n"
            "WW..WW...WWWW....WWWWW..WW..WW..\n"
            "WW..WW......WW..WW...WW.WW.WW...\n"
            "WW..WW...WWWWW..WW...WW.WW..WW..\n"
            "WW..WW..WW..WW..WW...WW.WW...WW.\n"
            ".WWW.WW..WWW.WW..WWWWW..WW..WW..\n"
            "................................\n");
}

TEST(SurfaceDrawText, PaintsOnlyGlyphPixelsAndClips) {
  Surface s;
  initSurface(s, 10, 3, COLOUR_RED);
  // The bar of "-" is glyph row 3, pixels 1 to 6. Drawn 2 rows up and 3
  // columns left, it lands on row 1 and loses its first two pixels.
  surfaceDrawText(s, -3, -2, "--", COLOUR_WHITE);
  EXPECT_EQ(picture(s),
            "RRRRRRRRRR\n"
            "WWWWRRWWWW\n"
            "RRRRRRRRRR\n");
}

TEST(SurfacePaintCell, PaintsTheWholeCellWithABlackBackground) {
  Surface s;
  initSurface(s, 9, 8, COLOUR_RED);
  surfacePaintCell(s, 1, 0, '-', COLOUR_YELLOW);
  EXPECT_EQ(picture(s),
            "R........\n"
            "R........\n"
            "R........\n"
            "R.YYYYYY.\n"
            "R........\n"
            "R........\n"
            "R........\n"
            "R........\n");
}

TEST(SurfaceBlit, XorCombinesAllBitsAndCopyReplacesClipped) {
  Surface image;
  initSurface(image, 2, 2, COLOUR_WHITE);
  image.pixels[3] = COLOUR_BLACK;
  Surface target = blank(4, 3);
  target.pixels[0] = COLOUR_WHITE;
  surfaceBlit(target, image, 2.5f, 1, BLIT_XOR);    // column 3: half off the right
  surfaceBlit(target, image, -1, -0.5f, BLIT_XOR);  // (-1, -1): only its lower right
  EXPECT_EQ(pixelAt(target, 0, 0), 0x00FFFFFFu);    // white ^ black: alpha 0
  EXPECT_EQ(pixelAt(target, 3, 1), 0x00FFFFFFu);
  EXPECT_EQ(pixelAt(target, 3, 2), 0x00FFFFFFu);
  EXPECT_EQ(pixelAt(target, 2, 1), COLOUR_BLACK);
  EXPECT_EQ(pixelAt(target, 1, 0), COLOUR_BLACK);
  surfaceBlit(target, image, 2, 1, BLIT_COPY);
  EXPECT_EQ(picture(target),
            "W...\n"
            "..WW\n"
            "..W.\n");
}

TEST(SurfaceScrollUp, MovesRowsUpAndBlackensTheFreedBand) {
  Surface s = blank(2, 5);
  for (int32_t y = 0; y < 5; ++y)
    s.pixels[static_cast<size_t>(y) * 2] = COLOUR_WHITE;
  s.pixels[2 * 2 + 1] = COLOUR_RED;
  s.pixels[4 * 2 + 1] = COLOUR_GREEN;
  surfaceScrollUp(s, 2, 4);  // row 4 lies below the text grid and stays
  EXPECT_EQ(picture(s),
            "WR\n"
            "W.\n"
            "..\n"
            "..\n"
            "WG\n");
}

TEST(InitSurface, SizesBelowOneGiveAnEmptySurface) {
  Surface s = blank(0, 5);
  EXPECT_EQ(s.width, 0);
  EXPECT_TRUE(s.pixels.empty());
  surfaceDrawLine(s, 0, 0, 3, 3, COLOUR_WHITE);
  surfaceFillBox(s, 0, 0, 3, 3, COLOUR_WHITE);
  EXPECT_EQ(pixelAt(s, 0, 0), 0u);
}

}  // namespace
