// Banner, usage and help texts, written to the console.
#pragma once

#include <string>
#include <string_view>

// The program's name as called: argument 0 behind its last "/" or "\".
std::string callNameFrom(std::string_view argument0);

// Lines 1 to 7: rules, title, the usage line with callName.
void printBanner(std::string_view callName);

// The two-line hint to the help switch.
void printUsageHint(std::string_view callName);

// The banner followed by the German help body.
void printHelp(std::string_view callName);

// Banner and hint, then ends the process with exit code 0.
[[noreturn]] void exitWithUsage(std::string_view callName);
