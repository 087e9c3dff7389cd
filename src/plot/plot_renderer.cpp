// Plot renderer: coordinate cross, ticks and the sampled curve.
#include "plot/plot_renderer.h"

#include <cmath>
#include <string>

#include "eval/eval_error.h"
#include "eval/evaluate_expression.h"
#include "platform/number_text.h"

namespace {

constexpr std::string_view ERROR_LABEL = "ERROR";

// yMin itself lies outside, yMax inside, NaN outside.
bool insideRange(double v, double yMin, double yMax) {
  return v > yMin && !(v > yMax);
}

// One tick per whole step from floor(rangeStart) to floor(rangeEnd) + 1, at
// (i - rangeStart) * scale along the axis, across the axis line at axis.
void drawTicks(PlotImage* image, double rangeStart, double rangeEnd, double tickStep, float scale,
               float axis, bool alongX) {
  const long double step = std::nearbyint(tickStep);
  if (!(step >= 1.0L)) return;  // a step that rounds to 0 would never advance
  const long double first = std::floor(rangeStart);
  const long double last = static_cast<long double>(std::floor(rangeEnd)) + 1.0L;
  if (!(first <= last)) return;
  const long double count = std::floor((last - first) / step) + 1.0L;
  auto position = [&](long double i) {
    return static_cast<float>((i - static_cast<long double>(rangeStart)) * scale);
  };
  if (std::fabs(step * scale) < 0.5L) {
    // Ticks less than half a pixel apart cover every pixel between the first
    // and the last one, so one box draws them all; with huge ranges the
    // loop would run for billions of steps.
    const float from = position(first);
    const float to = position(first + (count - 1.0L) * step);
    if (alongX) {
      fillBox(image, from, axis - 2, to, axis + 2, COLOUR_AXIS_GREY);
    } else {
      fillBox(image, axis - 2, from, axis + 2, to, COLOUR_AXIS_GREY);
    }
    return;
  }
  for (long double k = 0; k < count; k += 1.0L) {
    const float p = position(first + k * step);
    if (alongX) {
      drawLine(image, p, axis - 2, p, axis + 2, COLOUR_AXIS_GREY);
    } else {
      drawLine(image, axis - 2, p, axis + 2, p, COLOUR_AXIS_GREY);
    }
  }
}

}  // namespace

PlotImage* createPlot(std::string_view expression, double xMin, double xMax, double yMin,
                      double yMax, int32_t width, int32_t height, double xTickStep,
                      double yTickStep, uint32_t colour, int32_t noAxes) {
  PlotImage* image = createImage(width, height, COLOUR_BLACK);
  // Without an image, renderPlot would draw onto the window itself.
  if (image == nullptr) return nullptr;
  return renderPlot(image, expression, xMin, xMax, yMin, yMax, xTickStep, yTickStep, colour,
                    noAxes);
}

PlotImage* renderPlot(PlotImage* image, std::string_view expression, double xMin, double xMax,
                      double yMin, double yMax, double xTickStep, double yTickStep, uint32_t colour,
                      int32_t noAxes) {
  if (!(xTickStep > 0.0) || !(yTickStep > 0.0)) {
    drawText(image, 1, 1, ERROR_LABEL, COLOUR_WHITE);
    return image;
  }
  const SurfaceSize size = image != nullptr ? imageSize(image) : windowSize();
  const int32_t w = size.width;
  const int32_t h = size.height;
  // Sums and products in extended precision, stored where the quantities
  // are stored: the scales as 32-bit reals, the origin as a whole number.
  const float scaleX = static_cast<float>(static_cast<long double>(w) / (xMax - xMin));
  const float scaleY = static_cast<float>(static_cast<long double>(h) / (yMax - yMin));
  if (!std::isfinite(scaleX) || !std::isfinite(scaleY) || scaleX == 0.0f || scaleY == 0.0f) {
    // Equal, infinite or NaN range ends: no pixel column has an x.
    drawText(image, 1, 1, ERROR_LABEL, COLOUR_WHITE);
    return image;
  }
  // Kept as doubles rather than 32-bit integers so that a far-off origin
  // keeps its value; both are whole numbers, halves rounded to even.
  const double originRow = static_cast<double>(std::nearbyint(
      h + static_cast<long double>(h) * yMin / (static_cast<long double>(yMax) - yMin) - 1));
  const double originColumn =
      static_cast<double>(std::nearbyint(-static_cast<long double>(xMin) * scaleX));

  if (noAxes == 0) {
    const float row = static_cast<float>(originRow);
    const float column = static_cast<float>(originColumn);
    if (originRow >= 0 && originRow < h) {
      drawLine(image, 0, row, static_cast<float>(w - 1), row, COLOUR_AXIS_GREY);
      drawLine(image, static_cast<float>(w - 1), row, static_cast<float>(w - 6), row - 5,
               COLOUR_AXIS_GREY);
      drawLine(image, static_cast<float>(w - 1), row, static_cast<float>(w - 6), row + 5,
               COLOUR_AXIS_GREY);
      drawTicks(image, xMin, xMax, xTickStep, scaleX, row, true);
    }
    if (originColumn >= 0 && originColumn < w) {
      drawLine(image, column, static_cast<float>(h - 1), column, 0, COLOUR_AXIS_GREY);
      drawLine(image, column, 0, column - 5, 5, COLOUR_AXIS_GREY);
      drawLine(image, column, 0, column + 5, 5, COLOUR_AXIS_GREY);
      // Counted from the top edge: each tick lands one pixel below the row
      // of its whole value for a symmetric range.
      drawTicks(image, yMin, yMax, yTickStep, scaleY, column, false);
    }
  }

  const double brokenMarker = yMax + 1.0;
  double previousValue = brokenMarker;
  bool previousDrawn = false;  // decides alone when yMax + 1.0 == yMax
  float previousColumn = 0;
  float previousRow = 0;
  std::string text = "x=";
  for (int32_t c = 0; c <= w; ++c) {
    const double x = static_cast<double>((static_cast<long double>(c) - originColumn) / scaleX);
    // Positional digits: the scanner reads no exponent form.
    text.resize(2);
    text += formatNumberPositional(x);
    text += ';';
    text += expression;
    const double v = evaluateExpression(text);
    if (evalError > 0) {
      previousValue = brokenMarker;
      previousDrawn = false;
      continue;
    }
    if (!insideRange(v, yMin, yMax)) continue;
    const float column = static_cast<float>(c);
    const float row = static_cast<float>(originRow - static_cast<long double>(v) * scaleY);
    if (previousDrawn && insideRange(previousValue, yMin, yMax)) {
      drawLine(image, previousColumn, previousRow, column, row, colour);
    } else {
      setPixel(image, column, row, colour);
    }
    previousValue = v;
    previousDrawn = true;
    previousColumn = column;
    previousRow = row;
  }
  if (evalError > 0 && evalError != EVAL_ERR_NO_VALUE) {
    drawText(image, 1, 1, ERROR_LABEL, COLOUR_WHITE);
  }
  return image;
}
