// Plot renderer: draws the graph of a function, given as expression text in
// the variable x, with a grey coordinate cross, arrowheads and ticks. The
// curve is sampled once per pixel column through the expression evaluator.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/screen.h"

// One rendered graph; made by createPlot, released with destroyImage.
using PlotImage = Surface;

// A new image of width x height, black, with the function drawn by
// renderPlot. None (nullptr) when no image can be made (no window, or a
// size that createImage refuses); then nothing is evaluated or drawn.
PlotImage* createPlot(std::string_view expression, double xMin, double xMax, double yMin,
                      double yMax, int32_t width, int32_t height, double xTickStep,
                      double yTickStep, uint32_t colour, int32_t noAxes);

// Draws the function into image (nullptr: the window) and returns image.
// noAxes non-zero draws the curve only. Non-positive tick steps give only
// the "ERROR" label; tick steps that round to 0 give an axis without ticks.
// x is evaluated at every column from 0 to the width inclusive; a column
// whose evaluation fails breaks the curve, and the last column's error code
// puts "ERROR" at the top left unless it is EVAL_ERR_NO_VALUE.
PlotImage* renderPlot(PlotImage* image, std::string_view expression, double xMin, double xMax,
                      double yMin, double yMax, double xTickStep, double yTickStep, uint32_t colour,
                      int32_t noAxes);
