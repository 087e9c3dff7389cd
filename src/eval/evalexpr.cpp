#include "eval/evalexpr.h"

#include <cmath>

#include "eval/eval_error.h"
#include "eval/evaluate_expression.h"
#include "platform/number_text.h"

std::string formatResultLine(double value, int32_t code) {
  char text[NUMBER_TEXT_CAPACITY];
  int length = formatNumberInto(value, text);
  // The sign of a NaN is noise; it is always written the same way.
  std::string line =
      std::isnan(value) ? std::string("nan") : std::string(text, static_cast<size_t>(length));
  line += '\t';
  line += std::to_string(code);
  line += '\n';
  return line;
}

void runEvalexpr(std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    double value = evaluateExpression(line);
    out << formatResultLine(value, evalError);
  }
  out.flush();
}
