// Classification and result report.
#include "analysis/report.h"

#include <cmath>

#include "analysis/extended_arithmetic.h"
#include "platform/number_text.h"
#include "platform/text_output.h"

namespace {

constexpr const char* LABEL_ZERO = " Nullstelle ";
constexpr const char* LABEL_MAXIMUM = "    Maximum ";
constexpr const char* LABEL_MINIMUM = "    Minimum ";
constexpr const char* LABEL_SADDLE = " Sattelpunkt ";
constexpr const char* LABEL_INFLECTION = " Wendepunkt ";

}  // namespace

std::vector<ReportRow> runPointSearch(const Options& options, const Polynomial& p) {
  return runPointSearchWith(options, p, findNextPoint);
}

std::vector<ReportRow> runPointSearchWith(const Options& options, const Polynomial& p,
                                          PointSearchFunction search) {
  std::vector<ReportRow> rows;
  double start = options.lower;
  for (;;) {
    SearchHit hit = search(start, options.upper, options.step, p);
    if (hit.x > options.upper) break;
    ReportRow row;
    row.label = classifyHit(hit);
    row.x = hit.x;
    if (hit.f != 0.0) row.y = hit.f;
    rows.push_back(row);
    start = extendedAdd(hit.x, options.continuation);
  }
  return rows;
}

std::string classifyHit(const SearchHit& hit) {
  std::string label;
  if (hit.f == 0.0) label += LABEL_ZERO;
  if (hit.d1 == 0.0) {
    if (signOf(hit.d2) == -1) label += LABEL_MAXIMUM;
    if (signOf(hit.d2) == 1) label += LABEL_MINIMUM;
  }
  if (hit.d2 == 0.0 && hit.d3 != 0.0) label += hit.d1 == 0.0 ? LABEL_SADDLE : LABEL_INFLECTION;
  return label;
}

void printReport(const Polynomial& p, const std::vector<ReportRow>& rows) {
  printText("", true);
  printText("    Polynom ", false);
  printText(polynomialText(p, 1), true);
  printText("", true);
  for (const ReportRow& row : rows) {
    printText(row.label, false);
    printText(" ", false);
    printNumber(row.x);
    if (row.y != 0.0) {
      printText(" (y =", false);
      printNumber(row.y);
      printText(")", false);
    }
    printText("", true);
  }
}

double autoPlotRange(const std::vector<ReportRow>& rows, double valueRange) {
  if (valueRange != 0.0) return valueRange;
  double largest = 0.0;
  for (const ReportRow& row : rows) {
    if (std::fabs(row.x) > largest) largest = std::fabs(row.x);
    if (std::fabs(row.y) > largest) largest = std::fabs(row.y);
  }
  // The product keeps its extended precision until it is rounded down.
  long double scaled = static_cast<long double>(1.1) * largest;
  return static_cast<double>(std::floor(scaled)) + 2.0;
}
