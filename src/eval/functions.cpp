#include "eval/functions.h"

#include <cmath>
#include <limits>

#include "eval/eval_arithmetic.h"
#include "eval/eval_error.h"
#include "eval/variables.h"
#include "platform/number_text.h"

namespace {

enum Domain { DOMAIN_ALL, DOMAIN_UNIT, DOMAIN_NON_NEGATIVE, DOMAIN_POSITIVE };

struct FunctionRule {
  Domain domain;
  double (*compute)(double);
};

double sign(double x) {
  if (x > 0.0) return 1.0;
  if (x < 0.0) return -1.0;
  return x;  // keeps the sign of a zero
}

double arcSine(double x) {
  return std::atan2(x, std::sqrt(roundedOneMinusSquare(x)));
}
double arcCosine(double x) {
  return std::atan2(std::sqrt(roundedOneMinusSquare(x)), x);
}
double roundToInt32(double x) {
  return static_cast<double>(toInt32(x));
}
double fraction(double x) {
  return x - std::trunc(x);
}

double sine(double x) {
  return std::sin(x);
}
double cosine(double x) {
  return std::cos(x);
}
double tangent(double x) {
  return std::tan(x);
}
double arcTangent(double x) {
  return std::atan(x);
}
double absolute(double x) {
  return std::fabs(x);
}
double squareRoot(double x) {
  return std::sqrt(x);
}
double exponential(double x) {
  return std::exp(x);
}
double logarithm(double x) {
  return std::log(x);
}
double floorOf(double x) {
  return std::floor(x);
}
double truncated(double x) {
  return std::trunc(x);
}

// In the order of FUNCTION_NAMES.
constexpr FunctionRule FUNCTION_RULES[FUNCTION_COUNT] = {
    {DOMAIN_ALL, sine},                 // sin
    {DOMAIN_ALL, cosine},               // cos
    {DOMAIN_ALL, tangent},              // tan
    {DOMAIN_UNIT, arcSine},             // asin
    {DOMAIN_UNIT, arcCosine},           // acos
    {DOMAIN_ALL, arcTangent},           // atan
    {DOMAIN_ALL, arcTangent},           // atn
    {DOMAIN_ALL, absolute},             // abs
    {DOMAIN_ALL, sign},                 // sgn
    {DOMAIN_NON_NEGATIVE, squareRoot},  // sqr
    {DOMAIN_ALL, exponential},          // exp
    {DOMAIN_POSITIVE, logarithm},       // log
    {DOMAIN_POSITIVE, logarithm},       // ln
    {DOMAIN_ALL, floorOf},              // int
    {DOMAIN_ALL, roundToInt32},         // cint
    {DOMAIN_ALL, truncated},            // fix
    {DOMAIN_ALL, fraction},             // frac
};

// NaN lies outside every domain: the comparisons below are all false for it.
bool inDomain(Domain domain, double x) {
  switch (domain) {
    case DOMAIN_ALL:
      return x == x;
    case DOMAIN_UNIT:
      return x >= -1.0 && x <= 1.0;
    case DOMAIN_NON_NEGATIVE:
      return x >= 0.0;
    case DOMAIN_POSITIVE:
      return x > 0.0;
  }
  return false;
}

char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

int functionIndex(std::string_view name) {
  for (int i = 0; i < FUNCTION_COUNT; ++i) {
    std::string_view candidate = FUNCTION_NAMES[i];
    if (candidate.size() != name.size()) continue;
    size_t k = 0;
    while (k < name.size() && lowerAscii(name[k]) == candidate[k])
      ++k;
    if (k == name.size()) return i;
  }
  return -1;
}

double applyFunction(Token* t) {
  if (evalError != EVAL_OK) return 0.0;
  if (t->kind != TK_FUNCTION) return lookupVariable(t->text);

  // "sin cos x" is sin applied to cos applied to x. The chain is walked to
  // its argument and then applied from the inside out without recursion, so
  // a long chain of function names cannot exhaust the stack.
  Token* innermost = t;
  while (innermost->next != nullptr && innermost->next->kind == TK_FUNCTION) {
    innermost = innermost->next;
  }
  Token* argument = innermost->next;
  if (argument == nullptr || (argument->kind != TK_NUMBER && argument->kind != TK_NAME)) {
    evalError = EVAL_ERR_MISSING_OPERAND;
    return 0.0;
  }
  double x =
      argument->kind == TK_NUMBER ? parseNumber(argument->text) : lookupVariable(argument->text);
  if (evalError != EVAL_OK) return 0.0;
  for (Token* f = innermost;; f = f->prev) {
    const FunctionRule& rule = FUNCTION_RULES[functionIndex(f->text)];
    if (!inDomain(rule.domain, x)) {
      evalError = EVAL_ERR_NO_VALUE;
      // Only the outermost function's own failure gives NaN; a failure
      // further in reaches the outer ones as an error with 0.0.
      return f == t ? std::numeric_limits<double>::quiet_NaN() : 0.0;
    }
    x = rule.compute(x);
    if (f == t) return x;
  }
}
