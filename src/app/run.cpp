// The program's run, one straight sequence: start-up, arguments, point
// search, report, value range, display.
#include "app/run.h"

#include <cfenv>
#include <string>
#include <vector>

#include "analysis/options.h"
#include "analysis/polynomial.h"
#include "analysis/report.h"
#include "app/command_line.h"
#include "app/usage_text.h"
#include "platform/text_output.h"

int runPolyvista(int argc, char** argv) {
  // The analysis relies on round-to-nearest; its extended precision is
  // written out where values are stored.
  std::fesetround(FE_TONEAREST);
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
  (void)textRows;  // the window's text area above the graph

  printReport(polynomial, rows);
  double plotRange = autoPlotRange(rows, options.valueRange);
  (void)plotRange;
  flushTextOutput();
  return 0;
}
