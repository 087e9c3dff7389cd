// The evaluator reaches printText only through printNumber, which it never
// calls; this stands in for the console and window output so that the fuzz
// target needs nothing beyond the evaluator and the number texts.
#include "platform/text_output.h"

void printText(std::string_view, bool) {}
