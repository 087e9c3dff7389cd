#include "platform/screen.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/test_picture.h"
#include "platform/text_output.h"
#include "platform/window_backend_memory.h"

namespace {

// Each test starts without a window and without a key source.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    closeWindow();
    setMemoryKeySource(nullptr);
  }
  void TearDown() override {
    closeWindow();
    setMemoryKeySource(nullptr);
  }
};

// Which byte each cell of the text grid shows, "." for a blank cell; a cell
// that matches no glyph of the printable ASCII range gives "?".
std::string cellText(int32_t row, int32_t column) {
  const Surface& w = windowSurface();
  Surface glyph;
  for (int c = 32; c < 127; ++c) {
    initSurface(glyph, 8, 8, COLOUR_BLACK);
    surfacePaintCell(glyph, 0, 0, static_cast<unsigned char>(c), COLOUR_WHITE);
    if (picture(w, (column - 1) * 8, (row - 1) * 8, 8, 8) == picture(glyph)) {
      return c == ' ' ? "." : std::string(1, static_cast<char>(c));
    }
  }
  return "?";
}

std::string grid(int32_t rows, int32_t columns) {
  std::string text;
  for (int32_t r = 1; r <= rows; ++r) {
    for (int32_t c = 1; c <= columns; ++c)
      text += cellText(r, c);
    text += '\n';
  }
  return text;
}

TEST_F(ScreenTest, OpensOnlyUsableSizesAllBlackWithTheCursorHome) {
  EXPECT_FALSE(openWindow(0, 100, 24, 1));
  EXPECT_FALSE(openWindow(100, -1, 24, 1));
  EXPECT_FALSE(openWindow(8193, 100, 24, 1));
  EXPECT_FALSE(windowIsOpen());
  ASSERT_TRUE(openWindow(20, 17, 24, 1));
  EXPECT_EQ(windowSize().width, 20);
  EXPECT_EQ(windowSize().height, 17);
  EXPECT_EQ(picture(windowSurface(), 19, 16, 1, 1), ".\n");
  EXPECT_EQ(cursorRow(), 1);
  EXPECT_EQ(cursorColumn(), 1);
}

TEST_F(ScreenTest, WithoutAWindowThereAreNoImagesAndDrawingDoesNothing) {
  EXPECT_EQ(createImage(10, 10, COLOUR_WHITE), nullptr);
  drawLine(nullptr, 0, 0, 5, 5, COLOUR_WHITE);
  blitImage(nullptr, 0, 0, BLIT_COPY);
  EXPECT_EQ(pollKey(), "");
  ASSERT_TRUE(openWindow(10, 10, 24, 1));
  EXPECT_EQ(createImage(0, 10, COLOUR_WHITE), nullptr);
  Surface* image = createImage(3, 2, COLOUR_RED);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(imageSize(image).width, 3);
  EXPECT_EQ(picture(*image), "RRR\nRRR\n");
  destroyImage(image);
}

TEST_F(ScreenTest, DrawingTargetsTheImageOrTheWindow) {
  ASSERT_TRUE(openWindow(4, 3, 24, 1));
  Surface* image = createImage(2, 2, COLOUR_BLACK);
  setPixel(image, 1, 1, COLOUR_WHITE);
  drawLine(nullptr, 0, 0, 3, 0, COLOUR_RED);
  fillBox(nullptr, 0, 2, 0, 2, COLOUR_GREEN);
  blitImage(image, 2, 1, BLIT_XOR);
  EXPECT_EQ(picture(windowSurface()),
            "RRRR\n"
            "....\n"
            "G..W\n");
  EXPECT_EQ(pixelAt(windowSurface(), 2, 1), 0u);  // black ^ black, alpha too
  destroyImage(image);
}

TEST_F(ScreenTest, TextWrapsAfterTheLastColumnAndLineBreaksStartTheNextRow) {
  ASSERT_TRUE(openWindow(24, 32, 24, 1));  // 4 rows of 3 cells
  printText("ABCD", false);
  printText("", true);
  printText("E", true);
  printText("FG", false);
  EXPECT_EQ(grid(4, 3),
            "ABC\n"
            "D..\n"
            "E..\n"
            "FG.\n");
  EXPECT_EQ(cursorRow(), 4);
  EXPECT_EQ(cursorColumn(), 3);
}

TEST_F(ScreenTest, OutputBelowTheLastRowScrollsUpOneTextRow) {
  ASSERT_TRUE(openWindow(16, 26, 24, 1));  // 3 rows of 2 cells, 2 pixel rows below
  fillBox(nullptr, 0, 24, 15, 25, COLOUR_RED);
  printText("A", true);
  printText("B", true);
  printText("C", true);
  printText("D", false);
  EXPECT_EQ(grid(3, 2),
            "B.\n"
            "C.\n"
            "D.\n");
  printText("EF", false);  // the last cell of the grid, then one more
  EXPECT_EQ(grid(3, 2),
            "C.\n"
            "DE\n"
            "F.\n");
  // The pixel rows below the grid never move.
  EXPECT_EQ(picture(windowSurface(), 0, 24, 16, 2),
            "RRRRRRRRRRRRRRRR\n"
            "RRRRRRRRRRRRRRRR\n");
}

TEST_F(ScreenTest, SetCursorIgnoresCellsOutsideTheGrid) {
  ASSERT_TRUE(openWindow(24, 16, 24, 1));  // 2 rows of 3 cells
  setCursor(2, 3);
  setCursor(3, 1);
  setCursor(1, 4);
  setCursor(0, 1);
  setCursor(1, -2);
  printText("X", false);
  EXPECT_EQ(grid(2, 3),
            "...\n"
            "..X\n");
}

TEST_F(ScreenTest, CellsTakeTheTextColourOnABlackBackground) {
  ASSERT_TRUE(openWindow(16, 8, 24, 1));
  fillBox(nullptr, 0, 0, 15, 7, COLOUR_RED);
  setTextColour(COLOUR_YELLOW);
  setCursor(1, 2);
  printText("-", false);
  EXPECT_EQ(picture(windowSurface()),
            "RRRRRRRR........\n"
            "RRRRRRRR........\n"
            "RRRRRRRR........\n"
            "RRRRRRRR.YYYYYY.\n"
            "RRRRRRRR........\n"
            "RRRRRRRR........\n"
            "RRRRRRRR........\n"
            "RRRRRRRR........\n");
}

TEST_F(ScreenTest, CarriageReturnAndLineFeedInsideTheText) {
  ASSERT_TRUE(openWindow(24, 16, 24, 1));
  printText("AB\rC\r\nD", false);
  EXPECT_EQ(grid(2, 3),
            "CB.\n"
            "D..\n");
}

TEST_F(ScreenTest, TheKeyQueueKeepsTheNewestFifteenInOrder) {
  ASSERT_TRUE(openWindow(8, 8, 24, 1));
  for (char c = 'a'; c <= 'p'; ++c)
    queueKey(std::string(1, c));  // 16 keys
  queueKey("\xFFk");              // drops "b"
  std::string seen;
  for (std::string key = pollKey(); !key.empty(); key = pollKey())
    seen += key + " ";
  EXPECT_EQ(seen, "c d e f g h i j k l m n o p \xFFk ");
  EXPECT_EQ(pollKey(), "");
}

TEST_F(ScreenTest, WhatIsDrawnIsShownWhenTheProgramPollsOrPauses) {
  ASSERT_TRUE(openWindow(8, 8, 24, 1));
  int shown = memoryPresentCount();
  pollKey();
  EXPECT_EQ(memoryPresentCount(), shown + 1);  // the opened window
  pollKey();
  pauseMs(1);
  EXPECT_EQ(memoryPresentCount(), shown + 1);  // nothing new
  setPixel(nullptr, 1, 1, COLOUR_WHITE);
  pauseMs(1);
  EXPECT_EQ(memoryPresentCount(), shown + 2);
  printText("x", false);
  pollKey();
  EXPECT_EQ(memoryPresentCount(), shown + 3);
}

TEST_F(ScreenTest, TheKeySourceIsAskedOnlyWhenTheQueueIsEmpty) {
  ASSERT_TRUE(openWindow(8, 8, 24, 1));
  int asked = 0;
  setMemoryKeySource([&asked] {
    ++asked;
    queueKey("+");
  });
  queueKey("-");
  EXPECT_EQ(pollKey(), "-");
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(pollKey(), "+");
  EXPECT_EQ(asked, 1);
}

TEST_F(ScreenTest, ClosingTheWindowSendsTextToTheConsoleAgain) {
  ASSERT_TRUE(openWindow(16, 8, 24, 1));
  printText("A", false);
  EXPECT_EQ(cellText(1, 1), "A");
  closeWindow();
  EXPECT_FALSE(windowIsOpen());
  EXPECT_EQ(windowSize().width, 0);
}

}  // namespace
