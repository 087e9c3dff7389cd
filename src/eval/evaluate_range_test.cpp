#include "eval/evaluate_range.h"

#include <gtest/gtest.h>

#include <string>

#include "eval/eval_test_support.h"
#include "eval/scanner.h"

namespace {

// Scans text into a list owned by the test and reads lists back as text.
class EvaluateRangeTest : public EvalTest {
 protected:
  Token* head = nullptr;
  void TearDown() override {
    destroyList(head);
    EvalTest::TearDown();
  }
  Token* scan(const char* text) {
    head = createList();
    scanExpression(text, head);
    return head->next;
  }
  Token* tokenAt(int index) const {
    Token* t = head;
    for (int i = 0; i <= index; ++i)
      t = t->next;
    return t;
  }
  // Numbers and names by their text, dead tokens as "~", others by kind code.
  std::string listText() const {
    std::string out;
    for (Token* t = head->next; t != nullptr; t = t->next) {
      if (!out.empty()) out += ' ';
      if (t->kind == TK_NONE) {
        out += '~';
      } else if (t->kind == TK_NUMBER || t->kind == TK_NAME) {
        out += t->text;
      } else {
        out += '#' + std::to_string(t->kind);
      }
    }
    return out;
  }
};

TEST_F(EvaluateRangeTest, ARangeEndsAtItsLastToken) {
  Token* first = scan("1+2;5*x");
  EXPECT_EQ(evaluateRange(first, tokenAt(2)), 3.0);
  EXPECT_EQ(evalError, EVAL_OK);
  EXPECT_EQ(listText(), "1 #2 2 #22 5 #4 x");
}

TEST_F(EvaluateRangeTest, AGroupCollapsesIntoItsValueAndItsCloseDies) {
  Token* first = scan("(1+2)*(3)");
  EXPECT_EQ(evaluateRange(first, nullptr), 9.0);
  EXPECT_EQ(listText(), "3 ~ #4 3 ~");
}

TEST_F(EvaluateRangeTest, AGroupValuePassesThroughItsSixteenDigitText) {
  Token* first = scan("(1/3)");
  EXPECT_EQ(evaluateRange(first, nullptr), 0.3333333333333333);
  EXPECT_EQ(listText(), "0.3333333333333333 ~");
}

TEST_F(EvaluateRangeTest, AFunctionCallCollapsesAndItsArgumentDies) {
  Token* first = scan("1+sqr 9");
  EXPECT_EQ(evaluateRange(first, nullptr), 4.0);
  EXPECT_EQ(listText(), "1 #2 3 ~");
}

TEST_F(EvaluateRangeTest, NotCollapsesIntoDecimalIntegerText) {
  Token* first = scan("5 and not 1+1");
  EXPECT_EQ(evaluateRange(first, nullptr), 5.0);  // 5 and -3
  EXPECT_EQ(listText(), "5 #14 -3 ~");
}

TEST_F(EvaluateRangeTest, AnEmptyRangeIsAMissingOperand) {
  Token* first = scan("1+2");
  // last directly before first: nothing in between, nothing walked.
  EXPECT_EQ(evaluateRange(tokenAt(1), first), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_MISSING_OPERAND);
  EXPECT_EQ(evaluateRange(nullptr, nullptr), 0.0);
  EXPECT_EQ(listText(), "1 #2 2");
}

TEST_F(EvaluateRangeTest, ADeadFirstTokenIsPassedOver) {
  Token* first = scan("7+9");
  first->kind = TK_NONE;
  EXPECT_EQ(evaluateRange(first, nullptr), 9.0);  // then "+9" with a unary plus
  EXPECT_EQ(evaluateRange(first, first), 0.0);
  EXPECT_EQ(evalError, EVAL_ERR_MISSING_OPERAND);
}

TEST_F(EvaluateRangeTest, OperandsAreEvaluatedLeftFirstExceptForPowers) {
  struct Row {
    const char* text;
    double value;
    int32_t code;
  };
  const Row rows[] = {
      {"y^y=3", 27.0, EVAL_OK},
      {"y+y=3", 0.0, EVAL_ERR_UNDEFINED_NAME},
      {"(y=2)+y", 4.0, EVAL_OK},
      {"y*(y=2)", 4.0, EVAL_OK},  // groups are reduced before any operator
      {"y=1;y=y+1;y", 2.0, EVAL_OK},
  };
  for (const Row& row : rows) {
    evalError = EVAL_OK;
    Token* first = scan(row.text);
    double value = evaluateRange(first, nullptr);
    if (evalError != EVAL_OK) value = 0.0;
    EXPECT_EQ(value, row.value) << row.text;
    EXPECT_EQ(evalError, row.code) << row.text;
    destroyList(head);
    head = nullptr;
    clearLocalVariables();
  }
}

}  // namespace
