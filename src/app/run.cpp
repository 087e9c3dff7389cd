// The program's run, one straight sequence: start-up, arguments, point
// search, report, value range, display.
#include "app/run.h"

#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/options.h"
#include "analysis/polynomial.h"
#include "analysis/report.h"
#include "app/command_line.h"
#include "app/usage_text.h"
#include "eval/variables.h"
#include "platform/screen.h"
#include "platform/text_output.h"
#include "plot/display_loop.h"

int runPolyvista(int argc, char** argv) {
  // The analysis relies on round-to-nearest; its extended precision is
  // written out where values are stored.
  std::fesetround(FE_TONEAREST);
  defineConstants();
  const std::string callName = callNameFrom(argc > 0 && argv[0] ? argv[0] : "");

  Options options;
  Polynomial polynomial;
  CommandLineStatus status = parseCommandLine(argc, argv, options, polynomial);
  if (status == CMDLINE_HELP) {
    printHelp(callName);
    flushTextOutput();
    return 0;
  }
  if (status == CMDLINE_USAGE || !isUsableRun(options, polynomial)) exitWithUsage(callName);

  std::vector<ReportRow> rows = runPointSearch(options, polynomial);
  int textRows = static_cast<int>(rows.size()) + 4;

  // The window opens before the report so that the report is written into
  // its text area above the graph.
  const bool graphics = (options.flags & FLAG_NO_GRAPHICS) == 0;
  bool windowOpen = false;
  if (graphics) {
    const int64_t height = int64_t{options.graphSize} + int64_t{8} * textRows;
    windowOpen =
        height <= INT32_MAX && openWindow(options.graphSize, static_cast<int32_t>(height), 24, 1);
  }

  printReport(polynomial, rows);
  double plotRange = autoPlotRange(rows, options.valueRange);
  if (graphics && !windowOpen) {
    // No display, or a size no window can have: the report stands on the
    // console as with /n.
    printText(
        "Das Grafikfenster konnte nicht ge\x94"
        "ffnet werden.",
        true);
  }
  if (windowOpen) {
    runDisplayLoop(polynomial, options.graphSize, options.flags, textRows, plotRange);
  }
  flushTextOutput();
  return 0;
}
