#include "eval/evaluate_expression.h"

#include "eval/eval_error.h"
#include "eval/evaluate_range.h"
#include "eval/scanner.h"
#include "eval/token_list.h"
#include "eval/variables.h"

double evaluateExpression(std::string_view text) {
  evalError = EVAL_OK;
  Token* head = createList();
  scanExpression(text, head);
  double value = 0.0;
  if (evalError == EVAL_OK) value = evaluateRange(head->next, nullptr);
  destroyList(head);
  clearLocalVariables();
  return evalError == EVAL_OK ? value : 0.0;
}
