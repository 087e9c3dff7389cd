// libFuzzer target: any byte string as expression text. Beyond the
// sanitizers' own checks it aborts when a call breaks the evaluator's
// promises: an error with a value other than 0.0, a code outside the
// table, tokens or local variables left behind, or a changed global table.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "eval/eval_error.h"
#include "eval/evaluate_expression.h"
#include "eval/token_list.h"
#include "eval/variables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool constantsDefined = [] {
    defineConstants();
    return true;
  }();
  (void)constantsDefined;

  const int64_t tokensBefore = liveTokenCount;
  double value =
      evaluateExpression(std::string_view(reinterpret_cast<const char*>(data), size));
  switch (evalError) {
    case EVAL_OK:
      break;
    case EVAL_ERR_PARENTHESES:
    case EVAL_ERR_MISSING_OPERAND:
    case EVAL_ERR_NUMBER:
    case EVAL_ERR_UNEXPECTED:
    case EVAL_ERR_UNDEFINED_NAME:
    case EVAL_ERR_NO_VALUE:
      if (value != 0.0 || std::signbit(value)) std::abort();
      break;
    default:
      std::abort();
  }
  if (liveTokenCount != tokensBefore || !localVariables.empty()) std::abort();
  if (globalVariables.size() != 2 || globalVariables[0].value != 2.718281828459045 ||
      globalVariables[1].value != 3.141592653589793) {
    std::abort();
  }
  return 0;
}
