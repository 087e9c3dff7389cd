#include "eval/evaluate_expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eval/eval_test_support.h"
#include "eval/token_list.h"

namespace {

constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
constexpr double INFINITE = std::numeric_limits<double>::infinity();

struct Row {
  const char* text;
  double value;  // NaN: the result must be NaN
  int32_t code;
};

void expectRows(const Row* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Row& row = rows[i];
    double value = evaluateExpression(row.text);
    if (std::isnan(row.value)) {
      EXPECT_TRUE(std::isnan(value)) << row.text << " gave " << value;
    } else {
      EXPECT_EQ(value, row.value) << row.text;
      EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << row.text;
    }
    EXPECT_EQ(evalError, row.code) << row.text;
  }
}

using EvaluateExpressionTest = EvalTest;

TEST_F(EvaluateExpressionTest, ScannerEdgeCases) {
  const Row rows[] = {
      {"", 0.0, EVAL_ERR_MISSING_OPERAND},
      {"   ", 0.0, EVAL_ERR_MISSING_OPERAND},
      {"1 2", 12.0, EVAL_OK},
      {"2*-3", -6.0, EVAL_OK},
      {"-2^2", 4.0, EVAL_OK},
      {"x=-0.5;x", -0.5, EVAL_OK},
      {"1e5", 0.0, EVAL_ERR_NO_VALUE},
      {"5E-1", 0.0, EVAL_ERR_NO_VALUE},
      {"x=2.5e-007;x", 0.0, EVAL_ERR_NO_VALUE},
      {"1e+", 0.0, EVAL_ERR_MISSING_OPERAND},
      {"e+1", 3.718281828459045, EVAL_OK},
      {"1 eqv 2", -4.0, EVAL_OK},
      {"1e", 0.0, EVAL_ERR_NO_VALUE},
      {"1ex", 0.0, EVAL_ERR_NO_VALUE},
      {"2 e", 0.0, EVAL_ERR_NO_VALUE},
      {"1.2.3", 0.0, EVAL_ERR_NUMBER},
      {"..5", 0.0, EVAL_ERR_NUMBER},
      {"x=1:x", 0.0, EVAL_ERR_UNEXPECTED},
      {"_a1=3;_a1", 3.0, EVAL_OK},
      {"2x", 0.0, EVAL_ERR_NO_VALUE},
      {"2*-x", 0.0, EVAL_ERR_NO_VALUE},
      {"7 MOD 2", 1.0, EVAL_OK},
      {"7 Mod 2", 1.0, EVAL_OK},
      {"7 mod 2", 1.0, EVAL_OK},
      // A sign or "." without digits reads as the number 0.
      {"-", 0.0, EVAL_OK},
      {".", 0.0, EVAL_OK},
      {"5.", 5.0, EVAL_OK},
      {".5", 0.5, EVAL_OK},
      {"-----1", 1.0, EVAL_OK},  // "-" - "-" - "-1"
  };
  expectRows(rows, std::size(rows));
}

TEST_F(EvaluateExpressionTest, OperatorsAndStatements) {
  const Row rows[] = {
      {"2+3*4", 14.0, EVAL_OK},
      {"2^3^2", 64.0, EVAL_OK},
      {"8/2*4", 16.0, EVAL_OK},
      {"1-2+3", 2.0, EVAL_OK},
      {"7 mod 2*2", 3.0, EVAL_OK},
      {"7\\2*3", 1.0, EVAL_OK},
      {"1+1 shl 2", 5.0, EVAL_OK},
      {"-7 mod 3", -1.0, EVAL_OK},
      {"-7\\2", -3.0, EVAL_OK},
      {"7.5\\2", 4.0, EVAL_OK},
      {"5 and 3", 1.0, EVAL_OK},
      {"5 or 3", 7.0, EVAL_OK},
      {"5 xor 3", 6.0, EVAL_OK},
      {"5 eqv 3", -7.0, EVAL_OK},
      {"5 imp 3", -5.0, EVAL_OK},
      {"not 0", -1.0, EVAL_OK},
      {"not 1+1", -3.0, EVAL_OK},
      {"5 and not 1", 4.0, EVAL_OK},
      {"1 shl 33", 2.0, EVAL_OK},
      {"-16 shr 2", -4.0, EVAL_OK},
      {"x=-2^2;x", -4.0, EVAL_OK},
      {"x=-2*3;x", -6.0, EVAL_OK},
      {"(-2)^3", -8.0, EVAL_OK},
      {"(-8)^(1/3)", NOT_A_NUMBER, EVAL_OK},
      {"1/0", INFINITE, EVAL_OK},
      {"x=2;y=x*3;y+1", 7.0, EVAL_OK},
      {"y=z=2;y+z", 4.0, EVAL_OK},
      {"(y=2)*y", 4.0, EVAL_OK},
      {"1+y=2", 3.0, EVAL_OK},
      {"y^y=3", 27.0, EVAL_OK},
      {"y+y=3", 0.0, EVAL_ERR_UNDEFINED_NAME},
      {"sqr 4+5", 7.0, EVAL_OK},
      {"sin cos 0", 0.8414709848078965, EVAL_OK},
      {"(0.1+0.2)-0.3", 0.0, EVAL_OK},
      {"0.1+0.2-0.3", 5.551115123125783e-17, EVAL_OK},
      {"(1+2", 0.0, EVAL_ERR_NO_VALUE},
      {"1+2)", 0.0, EVAL_ERR_PARENTHESES},
      {"(1;2)", 0.0, EVAL_ERR_PARENTHESES},
      {"2 x", 0.0, EVAL_ERR_NO_VALUE},
      {"2=3", 0.0, EVAL_ERR_UNEXPECTED},
      {"1;", 0.0, EVAL_ERR_MISSING_OPERAND},
      {"sin", 0.0, EVAL_ERR_MISSING_OPERAND},
      {"((2))*((3)+1)", 8.0, EVAL_OK},
      {"1;2;3", 3.0, EVAL_OK},
      {"0^0", 1.0, EVAL_OK},
      {"0^-1", INFINITE, EVAL_OK},
      {"1-not 0", 2.0, EVAL_OK},
      {"2^-1", 0.5, EVAL_OK},
      {"x=1.25;-1*x^3+3*x^2+0*x^1-3.5", -0.765625, EVAL_OK},
      {"x=-0.5;-3*x^2+6*x^1+0", -3.75, EVAL_OK},
  };
  expectRows(rows, std::size(rows));
}

TEST_F(EvaluateExpressionTest, IntegerDivisionEdgesAreDecided) {
  const Row rows[] = {
      {"7 mod 0", 0.0, EVAL_ERR_NO_VALUE},
      {"7\\0", 0.0, EVAL_ERR_NO_VALUE},
      {"7 mod 0.4", 0.0, EVAL_ERR_NO_VALUE},      // the divisor rounds to 0
      {"7 mod q", 0.0, EVAL_ERR_UNDEFINED_NAME},  // NaN converts to INT32_MIN
      {"-2147483648 mod -1", 0.0, EVAL_OK},
      {"-2147483648\\-1", 2147483648.0, EVAL_OK},
      {"2147483647\\-1", -2147483647.0, EVAL_OK},
      // NaN and values beyond 32 bits convert to -2147483648.
      {"(0/0)\\1", -2147483648.0, EVAL_OK},
      {"2147483648 or 0", -2147483648.0, EVAL_OK},
      {"2147483647.5 or 0", -2147483648.0, EVAL_OK},
      {"-2147483648.5 or 0", -2147483648.0, EVAL_OK},
      {"2.5 or 0", 2.0, EVAL_OK},
      {"3.5 or 0", 4.0, EVAL_OK},
      {"-2.5 or 0", -2.0, EVAL_OK},
  };
  expectRows(rows, std::size(rows));
}

TEST_F(EvaluateExpressionTest, EmptyOperandsAndStatementsAreMissingOperands) {
  const char* const texts[] = {
      "1+;2",    "(2*)",  "(2*);3", "x=;1", "(x=)", "not;2",  "(1 and not)",
      "(1 not)", "1;*2",  "(*2)",   "*2",   ";1",   "1;;2",   "()",
      "()+1",    "sin()", "1+()",   "(())", "x=()", "1 xor;", "(1 mod)",
  };
  for (const char* text : texts) {
    double value = evaluateExpression(text);
    EXPECT_EQ(evalError, EVAL_ERR_MISSING_OPERAND) << text;
    EXPECT_EQ(value, 0.0) << text;
  }
}

TEST_F(EvaluateExpressionTest, SumsAndProductsRoundOnceFromExtendedPrecision) {
  // 1 + (2^-53 + 2^-105): in 64 bits the sum is 1 + 2^-53, a tie that
  // rounds to 1; a plain double addition would round up.
  const Row rows[] = {
      {"1+0.000000000000000111022302462515678693", 1.0, EVAL_OK},
      {"1-0.000000000000000055511151231257839347", 1.0, EVAL_OK},
      // Products and quotients whose plain double result would differ by
      // one unit in the last place.
      {"1.6011283215197667*1.9973354442441116", 3.197990347354512, EVAL_OK},
      {"1.885145520443302/1.3188420735242607", 1.4293944349271048, EVAL_OK},
  };
  expectRows(rows, std::size(rows));
}

TEST_F(EvaluateExpressionTest, ReleasesTokensAndLocalVariablesOnEveryPath) {
  const char* const texts[] = {"x=2;y=3;x*y", "x=2;1.2.3", "x=1;y=(2", "x=2;x+)", "x=3;q", ""};
  for (const char* text : texts) {
    const int64_t before = liveTokenCount;
    evaluateExpression(text);
    EXPECT_EQ(liveTokenCount, before) << text;
    EXPECT_TRUE(localVariables.empty()) << text;
    ASSERT_EQ(globalVariables.size(), 2u) << text;
  }
}

TEST_F(EvaluateExpressionTest, AssignmentsStayLocalToOneCall) {
  EXPECT_EQ(evaluateExpression("pi=3;pi"), 3.0);
  EXPECT_EQ(evalError, EVAL_OK);
  EXPECT_EQ(evaluateExpression("pi"), 3.141592653589793);
  EXPECT_EQ(evaluateExpression("x=2;x*x"), 4.0);
  EXPECT_EQ(evaluateExpression("x"), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_UNDEFINED_NAME);
}

TEST_F(EvaluateExpressionTest, ANewCallClearsTheErrorOfTheLastOne) {
  evaluateExpression("1/");
  EXPECT_EQ(evalError, EVAL_ERR_MISSING_OPERAND);
  EXPECT_EQ(evaluateExpression("2"), 2.0);
  EXPECT_EQ(evalError, EVAL_OK);
}

}  // namespace
