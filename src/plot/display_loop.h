// Display loop: the graph of the polynomial below the report, with the
// chosen derivatives, a legend and a prompt; "+" and "-" change the shown
// value range, any other key ends the display.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/polynomial.h"
#include "plot/plot_renderer.h"

// Shows f on the square [-plotRange, plotRange] of graphSize pixels below
// the textRows text rows of the open window, with f', f'' and f''' for the
// FLAG_*_DERIVATIVE bits of flags, and handles keys until one other than
// "+" and "-" arrives (the close button included). Returns then, with the
// last frame still in the window; the caller ends the program. Returns at
// once when no window is open.
void runDisplayLoop(const Polynomial& f, int32_t graphSize, uint32_t flags, int32_t textRows,
                    double plotRange);

// The steps of one pass of the loop, for measuring them.

// Expression texts of f and its first three derivatives.
struct DisplayCurves {
  std::string f;
  std::string d1;
  std::string d2;
  std::string d3;
};
DisplayCurves makeDisplayCurves(const Polynomial& f);

// f with axes on [-r, r] and the flagged derivatives on top, in a new image.
PlotImage* renderDisplayGraph(const DisplayCurves& curves, int32_t graphSize, uint32_t flags,
                              double r);

// renderDisplayGraph, XOR onto the window below the text rows, legend and
// prompt. Returns the image, which clearDisplayPass releases.
PlotImage* showDisplayPass(const DisplayCurves& curves, int32_t graphSize, uint32_t flags,
                           int32_t textRows, double r);

// Blackens the graph area through the image and releases it.
void clearDisplayPass(PlotImage* image, int32_t textRows);
