// evalexpr: evaluates each line of standard input with the program's
// expression evaluator and writes "value<TAB>code" for it.
#include <iostream>

#include "eval/evalexpr.h"
#include "eval/variables.h"

int main() {
  std::ios::sync_with_stdio(false);
  defineConstants();
  runEvalexpr(std::cin, std::cout);
  return 0;
}
