#include "plot/display_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/options.h"
#include "platform/screen.h"
#include "platform/test_picture.h"
#include "platform/text_output.h"
#include "platform/window_backend_memory.h"

namespace {

constexpr uint32_t ALL_DERIVATIVES =
    FLAG_FIRST_DERIVATIVE | FLAG_SECOND_DERIVATIVE | FLAG_THIRD_DERIVATIVE;

// Runs the loop in a window of graphSize x (graphSize + 8 textRows). Each
// time the loop waits for a key, the frame is kept and the next of keys is
// typed; afterwards the loop gets the closing key.
struct LoopRun {
  std::vector<Surface> frames;
};

LoopRun runLoop(const std::vector<double>& coefficients, int32_t graphSize, uint32_t flags,
                int32_t textRows, double plotRange, const std::string& keys) {
  LoopRun run;
  EXPECT_TRUE(openWindow(graphSize, graphSize + 8 * textRows, 24, 1));
  size_t next = 0;
  setMemoryKeySource([&] {
    run.frames.push_back(windowSurface());
    if (next < keys.size()) {
      queueKey(std::string(1, keys[next++]));
    } else {
      queueKey("\xFFk");
    }
  });
  runDisplayLoop(Polynomial{coefficients}, graphSize, flags, textRows, plotRange);
  setMemoryKeySource(nullptr);
  return run;
}

class DisplayLoopTest : public ::testing::Test {
 protected:
  void TearDown() override {
    closeWindow();
    setMemoryKeySource(nullptr);
  }
};

// True when the text cell at row, column of s shows byte c in colour on
// black; alpha is ignored, as the XOR blit clears it.
bool cellShows(const Surface& s, int32_t row, int32_t column, char c, uint32_t colour) {
  Surface cell;
  initSurface(cell, 8, 8, COLOUR_BLACK);
  surfacePaintCell(cell, 0, 0, static_cast<unsigned char>(c), colour);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) {
      const uint32_t shown = pixelAt(s, (column - 1) * 8 + x, (row - 1) * 8 + y);
      if ((shown | 0xFF000000u) != pixelAt(cell, x, y)) return false;
    }
  }
  return true;
}

// True when text stands in colour from row, column on.
bool textShows(const Surface& s, int32_t row, int32_t column, std::string_view text,
               uint32_t colour) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (!cellShows(s, row, column + static_cast<int32_t>(i), text[i], colour)) return false;
  }
  return true;
}

TEST_F(DisplayLoopTest, GraphSize800ShowsGraphAndPromptOnTheSecondLastRowWithoutLegend) {
  // 1 0 -4 with seven text rows: window 800 x 856, 107 text rows, R = 6.
  LoopRun run = runLoop({1, 0, -4}, 800, 0, 7, 6.0, "");
  ASSERT_EQ(run.frames.size(), 1u);
  const Surface& frame = run.frames[0];
  EXPECT_EQ(frame.height, 856);
  EXPECT_TRUE(textShows(frame, 106, 2,
                        "zum Beenden beliebige Taste dr\x81"
                        "cken",
                        COLOUR_WHITE));
  // The graph starts at pixel row 56: horizontal axis on 56 + 399, the
  // curve's minimum -4 at x = 0 on 56 + 666, the zero at x = 2 on the axis.
  EXPECT_EQ(pixelLetter(pixelAt(frame, 0, 455)), 'a');
  EXPECT_EQ(pixelLetter(pixelAt(frame, 400, 722)), 'W');
  EXPECT_EQ(pixelLetter(pixelAt(frame, 533, 455)), 'W');
  // No legend on row 97, where it would start.
  EXPECT_FALSE(textShows(frame, 97, 1, " _____ f(x)", COLOUR_WHITE));
}

TEST_F(DisplayLoopTest, GraphSize200LegendRowsAndWrappedPrompt) {
  // Window 200 x 256: 32 rows of 25 cells. L = 7 + 25 - 10 = 22, P = 31.
  LoopRun run = runLoop({1, 0, 0, 0}, 200, ALL_DERIVATIVES, 7, 8.0, "");
  ASSERT_EQ(run.frames.size(), 1u);
  const Surface& frame = run.frames[0];
  EXPECT_TRUE(textShows(frame, 22, 1, " _____ f(x)", COLOUR_WHITE));
  EXPECT_TRUE(textShows(frame, 24, 1, " _____ ", COLOUR_YELLOW));
  EXPECT_TRUE(textShows(frame, 24, 8, "f'(x)", COLOUR_WHITE));
  EXPECT_TRUE(textShows(frame, 26, 1, " _____ ", COLOUR_RED));
  EXPECT_TRUE(textShows(frame, 26, 8, "f''(x)", COLOUR_WHITE));
  EXPECT_TRUE(textShows(frame, 28, 1, " _____ ", COLOUR_GREEN));
  EXPECT_TRUE(textShows(frame, 28, 8, "f'''(x)", COLOUR_WHITE));
  // 35 bytes from column 2 of 25 columns: the prompt wraps to the last row.
  EXPECT_TRUE(textShows(frame, 31, 2, "zum Beenden beliebige Ta", COLOUR_WHITE));
  EXPECT_TRUE(textShows(frame, 32, 1,
                        "ste dr\x81"
                        "cken",
                        COLOUR_WHITE));
  // f''' of x^3 is 6: with R = 8, 12.5 pixels per unit, row 99 - 75 = 24
  // of the graph, in green on top of the others.
  EXPECT_EQ(pixelLetter(pixelAt(frame, 10, 56 + 24)), 'G');
}

TEST_F(DisplayLoopTest, MinusStopsAtOneAndRedrawsTheSameGraph) {
  // Graph 200 below 4 text rows (32 pixels). The y ticks stand at
  // (i + R) * 100 / R from the graph's top: for R = 2 on rows 0, 50, 100,
  // 150; for R = 1 on rows 0 and 100.
  LoopRun run = runLoop({0}, 200, 0, 4, 2.0, "--");
  ASSERT_EQ(run.frames.size(), 3u);
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[0], 98, 32 + 50)), 'a');
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[1], 98, 32 + 50)), '.');
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[1], 98, 32 + 100)), 'a');
  EXPECT_EQ(run.frames[2].pixels, run.frames[1].pixels);
}

TEST_F(DisplayLoopTest, MinusFromOneAndAHalfGoesToOneHalfAndStops) {
  // R = 1.5: ticks at rows 33, 100, 167. R = 0.5: only at row 100.
  LoopRun run = runLoop({0}, 200, 0, 4, 1.5, "--");
  ASSERT_EQ(run.frames.size(), 3u);
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[0], 98, 32 + 33)), 'a');
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[1], 98, 32 + 33)), '.');
  EXPECT_EQ(pixelLetter(pixelAt(run.frames[1], 98, 32 + 100)), 'a');
  EXPECT_EQ(run.frames[2].pixels, run.frames[1].pixels);
}

TEST_F(DisplayLoopTest, KeysQueuedDuringARedrawAreHandledOneByOne) {
  ASSERT_TRUE(openWindow(200, 232, 24, 1));
  int asked = 0;
  setMemoryKeySource([&asked] { ++asked; });
  for (const char* key : {"+", "+", "-", "+", "\xFF\x48", "+"})
    queueKey(key);
  const int presentsBefore = memoryPresentCount();
  runDisplayLoop(Polynomial{{0}}, 200, 0, 4, 1.0);
  // Five passes (R = 1, 2, 3, 2, 3), each shown once; the arrow key ended
  // the loop before the last "+", and no key had to be waited for.
  EXPECT_EQ(memoryPresentCount() - presentsBefore, 5);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(pollKey(), "+");
  // R = 3: ticks at (i + 3) * 100 / 3 = 0, 33, 67, 100, 133, 167.
  EXPECT_EQ(pixelLetter(pixelAt(windowSurface(), 98, 32 + 67)), 'a');
  EXPECT_EQ(pixelLetter(pixelAt(windowSurface(), 98, 32 + 50)), '.');
}

TEST_F(DisplayLoopTest, TheFirstRedrawBlacksOutReportTextRunIntoTheGraph) {
  // A report line wrapped into the graph area (text row 6 of a window with
  // 4 text rows) is combined with the first graph and gone after a redraw.
  ASSERT_TRUE(openWindow(200, 232, 24, 1));
  setCursor(6, 20);
  printText("####", false);
  std::vector<Surface> frames;
  setMemoryKeySource([&frames] {
    frames.push_back(windowSurface());
    queueKey(frames.size() == 1 ? "+" : "q");
  });
  runDisplayLoop(Polynomial{{-100}}, 200, 0, 4, 2.0);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_TRUE(cellShows(frames[0], 6, 20, '#', COLOUR_WHITE));
  const std::string blackRow = std::string(32, '.') + "\n";
  std::string black;
  for (int i = 0; i < 8; ++i)
    black += blackRow;
  EXPECT_EQ(picture(frames[1], 19 * 8, 5 * 8, 32, 8), black);
}

TEST_F(DisplayLoopTest, WithoutAWindowItReturnsAtOnce) {
  closeWindow();
  runDisplayLoop(Polynomial{{1, 0, -4}}, 800, 0, 7, 6.0);
  EXPECT_FALSE(windowIsOpen());
}

}  // namespace
