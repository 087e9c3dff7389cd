#include "eval/functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eval/eval_test_support.h"
#include "eval/evaluate_expression.h"

namespace {

constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

using FunctionsTest = EvalTest;

TEST_F(FunctionsTest, ComputeWithinTheirDomains) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"sin(0)", 0.0},
      {"cos(0)", 1.0},
      {"exp(0)", 1.0},
      {"SIN(0)", 0.0},
      {"acos(-1)", 3.141592653589793},
      {"acos(1)", 0.0},
      // Function values go on as their 16-digit text.
      {"asin(1)", 1.570796326794897},
      {"asin(-1)", -1.570796326794897},
      {"asin(0.5)", 0.5235987755982989},
      {"atan(1)", 0.7853981633974483},
      {"atn(1)", 0.7853981633974483},
      {"tan(0)", 0.0},
      {"int(-2.5)", -3.0},
      {"fix(-2.5)", -2.0},
      {"frac(-2.5)", -0.5},
      {"frac(2.25)", 0.25},
      {"cint(2.5)", 2.0},
      {"cint(3.5)", 4.0},
      {"cint(-2.5)", -2.0},
      {"cint(5000000000)", -2147483648.0},
      {"sgn(-0.5)", -1.0},
      {"sgn(7)", 1.0},
      {"sgn(0)", 0.0},
      {"abs(-3)", 3.0},
      {"sqr(16)", 4.0},
      {"sqr(0)", 0.0},
      {"log(1)", 0.0},
      {"ln(e)", 1.0},
      {"Ln(1)", 0.0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(evaluateExpression(row.text), row.value) << row.text;
    EXPECT_EQ(evalError, EVAL_OK) << row.text;
  }
}

TEST_F(FunctionsTest, ArgumentsOutsideTheDomainHaveNoValue) {
  const char* const texts[] = {"sqr(-1)",    "log(0)",          "ln(-1)",     "asin(2)",
                               "acos(-1.5)", "sqr(0/0)",        "sin(0/0)",   "abs(0/0)",
                               "cint(0/0)",  "sqr 4 + sqr(-4)", "sin sqr(-1)"};
  for (const char* text : texts) {
    EXPECT_EQ(evaluateExpression(text), 0.0) << text;
    EXPECT_EQ(evalError, EVAL_ERR_NO_VALUE) << text;
  }
}

TEST_F(FunctionsTest, AFunctionNameNeedsItsArgumentRightAfterIt) {
  const char* const texts[] = {"sin -1", "sin", "sin+1", "2*cos", "sin;1", "(tan)", "exp ^2"};
  for (const char* text : texts) {
    EXPECT_EQ(evaluateExpression(text), 0.0) << text;
    EXPECT_EQ(evalError, EVAL_ERR_MISSING_OPERAND) << text;
  }
}

TEST_F(FunctionsTest, AppliesToTheOneTokenAfterIt) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"sqr 4+5", 7.0},         {"x=4;sqr x^3", 8.0},  // (sqr x)^3
      {"abs(2-5)*2", 6.0},      {"sgn abs cint(-2.5)", 1.0},
      {"int int int 2.5", 2.0}, {"x=-4;abs x", 4.0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(evaluateExpression(row.text), row.value) << row.text;
    EXPECT_EQ(evalError, EVAL_OK) << row.text;
  }
}

// applyFunction on hand-built token lists: "f g ... argument".
class ApplyFunctionTest : public EvalTest {
 protected:
  Token* head = nullptr;
  void TearDown() override {
    destroyList(head);
    EvalTest::TearDown();
  }
  Token* build(std::initializer_list<std::pair<TokenKind, const char*>> tokens) {
    destroyList(head);
    head = createList();
    Token* tail = head;
    for (const auto& [kind, text] : tokens) {
      insertAfter(tail, kind, text);
      tail = tail->next;
    }
    return head->next;
  }
};

TEST_F(ApplyFunctionTest, AChainOfFunctionNamesAppliesFromTheInside) {
  Token* f = build({{TK_FUNCTION, "sqr"}, {TK_FUNCTION, "ABS"}, {TK_NUMBER, "-16"}});
  EXPECT_EQ(applyFunction(f), 4.0);
  EXPECT_EQ(evalError, EVAL_OK);
}

TEST_F(ApplyFunctionTest, ANameGivesTheVariableValue) {
  Token* t = build({{TK_NAME, "pi"}});
  EXPECT_EQ(applyFunction(t), 3.141592653589793);
  Token* u = build({{TK_NAME, "q"}});
  EXPECT_TRUE(std::isnan(applyFunction(u)));
  EXPECT_EQ(evalError, EVAL_ERR_UNDEFINED_NAME);
}

TEST_F(ApplyFunctionTest, AnOuterFunctionOutsideItsDomainGivesNaN) {
  Token* f = build({{TK_FUNCTION, "log"}, {TK_NUMBER, "-1"}});
  EXPECT_TRUE(std::isnan(applyFunction(f)));
  EXPECT_EQ(evalError, EVAL_ERR_NO_VALUE);
}

TEST_F(ApplyFunctionTest, AnInnerFailureReachesTheOuterFunctionAsZero) {
  Token* f = build({{TK_FUNCTION, "cos"}, {TK_FUNCTION, "sqr"}, {TK_NUMBER, "-1"}});
  EXPECT_EQ(applyFunction(f), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_NO_VALUE);
}

TEST_F(ApplyFunctionTest, DoesNothingWhileAnErrorIsSet) {
  Token* f = build({{TK_FUNCTION, "sqr"}, {TK_NUMBER, "-1"}});
  evalError = EVAL_ERR_PARENTHESES;
  EXPECT_EQ(applyFunction(f), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_PARENTHESES);
}

TEST(FunctionIndexTest, IgnoresAsciiCaseOnly) {
  EXPECT_EQ(functionIndex("FRAC"), 16);
  EXPECT_EQ(functionIndex("sIn"), 0);
  EXPECT_EQ(functionIndex("sine"), -1);
  EXPECT_EQ(functionIndex("s\xC4n"), -1);
}

}  // namespace
