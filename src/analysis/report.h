// Classification and result report: collects the special points of the
// search interval, labels them in German, prints them under the polynomial
// and works out the value range of the graph.
#pragma once

#include <string>
#include <vector>

#include "analysis/options.h"
#include "analysis/point_search.h"
#include "analysis/polynomial.h"

struct ReportRow {
  std::string label;
  double x = 0.0;
  double y = 0.0;  // f at x, or 0.0 for a zero
};

// Every point from options.lower up to options.upper; each search resumes at
// the previous point plus options.continuation.
// REQUIRES: step and continuation move every position of the interval, and
// p is not zero everywhere; otherwise the list never ends.
std::vector<ReportRow> runPointSearch(const Options& options, const Polynomial& p);

// The same with another search function of findNextPoint's contract, such as
// findNextPointReference.
using PointSearchFunction = SearchHit (*)(double start, double upper, double step,
                                          const Polynomial& p);
std::vector<ReportRow> runPointSearchWith(const Options& options, const Polynomial& p,
                                          PointSearchFunction search);

// The concatenated German labels that the forced zeros of hit stand for.
std::string classifyHit(const SearchHit& hit);

// Empty line, polynomial line, empty line, one line per row.
void printReport(const Polynomial& p, const std::vector<ReportRow>& rows);

// floor(1.1 * largest |x| or |y|) + 2, or valueRange when it is not 0.
double autoPlotRange(const std::vector<ReportRow>& rows, double valueRange);
