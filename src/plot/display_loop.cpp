// Display loop: render, combine with the window, print legend and prompt,
// wait for a key.
#include "plot/display_loop.h"

#include <cmath>
#include <string>

#include "analysis/options.h"
#include "platform/screen.h"
#include "platform/text_output.h"
#include "plot/plot_renderer.h"

namespace {

constexpr std::string_view PROMPT =
    "zum Beenden beliebige Taste dr\x81"
    "cken";

struct Curve {
  uint32_t flag;
  uint32_t colour;
  const char* name;
};

constexpr Curve DERIVATIVES[] = {
    {FLAG_FIRST_DERIVATIVE, COLOUR_YELLOW, "f'(x)"},
    {FLAG_SECOND_DERIVATIVE, COLOUR_RED, "f''(x)"},
    {FLAG_THIRD_DERIVATIVE, COLOUR_GREEN, "f'''(x)"},
};

constexpr uint32_t ANY_DERIVATIVE =
    FLAG_FIRST_DERIVATIVE | FLAG_SECOND_DERIVATIVE | FLAG_THIRD_DERIVATIVE;

// A text row counted from the graph's size: nearest, halves to even.
int32_t textRowNear(int32_t rowsAbove, int32_t graphSize) {
  return static_cast<int32_t>(std::nearbyint(rowsAbove + graphSize / 8.0));
}

void printLegend(uint32_t flags, int32_t textRows, int32_t graphSize) {
  setCursor(textRowNear(textRows - 10, graphSize), 1);
  setTextColour(COLOUR_WHITE);
  printText(" _____ f(x)", true);
  for (const Curve& curve : DERIVATIVES) {
    if ((flags & curve.flag) == 0) continue;
    setTextColour(curve.colour);
    printText("", true);
    printText(" _____ ", false);
    setTextColour(COLOUR_WHITE);
    printText(curve.name, true);
  }
}

float graphTop(int32_t textRows) {
  return static_cast<float>(TEXT_CELL_PIXELS * textRows);
}

std::string waitForKey() {
  std::string key = pollKey();
  while (key.empty()) {
    pauseMs(1);
    key = pollKey();
  }
  return key;
}

}  // namespace

DisplayCurves makeDisplayCurves(const Polynomial& f) {
  Polynomial d1;
  Polynomial d2;
  Polynomial d3;
  derivePolynomial(f, d1);
  derivePolynomial(d1, d2);
  derivePolynomial(d2, d3);
  return {polynomialText(f, 2), polynomialText(d1, 2), polynomialText(d2, 2),
          polynomialText(d3, 2)};
}

PlotImage* renderDisplayGraph(const DisplayCurves& curves, int32_t graphSize, uint32_t flags,
                              double r) {
  PlotImage* image =
      createPlot(curves.f, -r, r, -r, r, graphSize, graphSize, 1.0, 1.0, COLOUR_WHITE, 0);
  if (image == nullptr) return nullptr;
  const std::string* texts[] = {&curves.d1, &curves.d2, &curves.d3};
  for (int i = 0; i < 3; ++i) {
    if ((flags & DERIVATIVES[i].flag) == 0) continue;
    renderPlot(image, *texts[i], -r, r, -r, r, 1.0, 1.0, DERIVATIVES[i].colour, 1);
  }
  return image;
}

PlotImage* showDisplayPass(const DisplayCurves& curves, int32_t graphSize, uint32_t flags,
                           int32_t textRows, double r) {
  PlotImage* image = renderDisplayGraph(curves, graphSize, flags, r);
  if (image != nullptr) blitImage(image, 0, graphTop(textRows), BLIT_XOR);
  if ((flags & ANY_DERIVATIVE) != 0) printLegend(flags, textRows, graphSize);
  setCursor(textRowNear(textRows - 1, graphSize), 2);
  printText(PROMPT, false);
  return image;
}

void clearDisplayPass(PlotImage* image, int32_t textRows) {
  if (image == nullptr) return;
  // Black image copied over the graph area: clears the curves and the
  // legend and prompt printed on it, and any report text run into it.
  const SurfaceSize size = imageSize(image);
  fillBox(image, 0, 0, static_cast<float>(size.width), static_cast<float>(size.height),
          COLOUR_BLACK);
  blitImage(image, 0, graphTop(textRows), BLIT_COPY);
  destroyImage(image);
}

void runDisplayLoop(const Polynomial& f, int32_t graphSize, uint32_t flags, int32_t textRows,
                    double plotRange) {
  if (!windowIsOpen()) return;
  const DisplayCurves curves = makeDisplayCurves(f);
  double r = plotRange;
  for (;;) {
    PlotImage* image = showDisplayPass(curves, graphSize, flags, textRows, r);
    const std::string key = waitForKey();
    if (key == "+") {
      r = r + 1.0;
    } else if (key == "-") {
      if (r > 1.0) r = r - 1.0;
    } else {
      destroyImage(image);
      return;
    }
    clearDisplayPass(image, textRows);
  }
}
