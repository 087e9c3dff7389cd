// Command line: coefficients and switches into Options and a Polynomial.
#pragma once

#include <string_view>

#include "analysis/options.h"
#include "analysis/polynomial.h"

enum CommandLineStatus {
  CMDLINE_RUN = 0,    // Options and Polynomial are ready
  CMDLINE_USAGE = 1,  // unusable command line: the usage text ends the run
  CMDLINE_HELP = 2,   // "/?": the help ends the run
};

// argv[0] is the program name. Arguments are read up to the first empty one;
// the first argument that ends the run decides the status, and nothing behind
// it is read. Numbers are never rejected: text without one reads as 0.
CommandLineStatus parseCommandLine(int argc, const char* const* argv, Options& options,
                                   Polynomial& polynomial);

// Inputs on which the search would never end or that cannot be shown: the
// zero polynomial, non-finite numbers, a step or continuation distance that
// does not move every position of the interval, a step that gives the
// interval more than MAX_SCAN_POSITIONS positions, a graph size below 1.
bool isUsableRun(const Options& options, const Polynomial& polynomial);
