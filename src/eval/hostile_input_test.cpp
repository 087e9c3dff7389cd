// Texts built to break the evaluator: deep nesting, long chains, every byte
// value, long numbers and names. Each must end with a defined value and
// code, release its tokens and local variables, and never exhaust the
// stack (these tests also run in the sanitizer build, whose frames are
// larger).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "eval/eval_test_support.h"
#include "eval/evaluate_expression.h"
#include "eval/evaluate_range.h"
#include "eval/text_pieces.h"
#include "eval/token_list.h"

namespace {

std::string nested(int32_t depth) {
  return join({repeat("(", depth), "1", repeat(")", depth)});
}

// 1+1+...+1 with the given number of "+".
std::string sumChain(int32_t operators) {
  return join({"1", repeat("+1", operators)});
}

class HostileInputTest : public EvalTest {
 protected:
  // Evaluates text and checks what must hold after every call.
  double evaluate(const std::string& text) {
    const int64_t before = liveTokenCount;
    double value = evaluateExpression(text);
    EXPECT_EQ(liveTokenCount, before) << "tokens left behind by a text of " << text.size();
    EXPECT_TRUE(localVariables.empty());
    if (evalError != EVAL_OK) {
      EXPECT_EQ(value, 0.0);
      EXPECT_FALSE(std::signbit(value));
    }
    return value;
  }
};

TEST_F(HostileInputTest, NestingAndChainsUpToTheDepthLimitEvaluate) {
  struct Row {
    std::string text;
    double value;
  };
  const Row rows[] = {
      {nested(MAX_RANGE_DEPTH - 1), 1.0},
      {sumChain(MAX_RANGE_DEPTH - 1), MAX_RANGE_DEPTH},
      {join({"2", repeat("*1", MAX_RANGE_DEPTH - 1)}), 2.0},
      {join({"2", repeat("^1", MAX_RANGE_DEPTH - 1)}), 2.0},
      {join({repeat("not ", MAX_RANGE_DEPTH - 2), "5"}), 5.0},
      {join({"a=", repeat("b=", MAX_RANGE_DEPTH - 3), "3;a+b"}), 6.0},
      {join({repeat("1;", 30000), "7"}), 7.0},
      {join({repeat("int ", 15000), "2.5"}), 2.0},
  };
  for (const Row& row : rows) {
    double value = evaluate(row.text);
    EXPECT_EQ(value, row.value) << row.text.substr(0, 40);
    EXPECT_EQ(evalError, EVAL_OK) << row.text.substr(0, 40);
  }
}

TEST_F(HostileInputTest, DeeperNestingAndLongerChainsStopWithUnexpected) {
  const std::string texts[] = {
      nested(MAX_RANGE_DEPTH),
      nested(100000),
      sumChain(MAX_RANGE_DEPTH),
      sumChain(32767),
      join({"2", repeat("*1", 40000)}),
      join({"2", repeat("^1", 40000)}),
      join({"9", repeat(" mod 7", 20000)}),
      join({"9", repeat(" xor 7", 20000)}),
      join({repeat("-", 65535), "1"}),
      repeat("+", 65536),
      join({repeat("not ", 16383), "1"}),
      join({repeat("a=", 32767), "1"}),
      join({repeat("(1+", 30000), "1"}),
      join({repeat("1+(", 30000), "1", repeat(")", 30000)}),
      join({"1+", nested(100000), "+q"}),  // the depth error is the last word
  };
  for (const std::string& text : texts) {
    evaluate(text);
    EXPECT_EQ(evalError, EVAL_ERR_UNEXPECTED)
        << text.substr(0, 40) << "... (" << text.size() << ")";
  }
}

TEST_F(HostileInputTest, LongWidthWithoutDepthIsNoProblem) {
  struct Row {
    std::string text;
    double value;
    int32_t code;
  };
  const Row rows[] = {
      {repeat("9", 65536), INFINITY, EVAL_OK},
      {join({"0.", repeat("0", 65536), "1"}), 0.0, EVAL_OK},
      {repeat("x", 65536), 0.0, EVAL_ERR_UNDEFINED_NAME},
      {join({repeat("(", 100000), "1"}), 0.0, EVAL_ERR_NO_VALUE},
      {repeat(")", 100000), 0.0, EVAL_ERR_PARENTHESES},
      {repeat("(1;", 30000), 0.0, EVAL_ERR_PARENTHESES},
      {repeat(";", 65536), 0.0, EVAL_ERR_MISSING_OPERAND},
      {repeat("sin ", 16384), 0.0, EVAL_ERR_MISSING_OPERAND},
      {repeat("(1)", 20000), 0.0, EVAL_ERR_NO_VALUE},
      {repeat(".", 65536), 0.0, EVAL_ERR_NUMBER},
  };
  for (const Row& row : rows) {
    double value = evaluate(row.text);
    EXPECT_EQ(value, row.value) << row.text.substr(0, 40);
    EXPECT_EQ(evalError, row.code) << row.text.substr(0, 40);
  }
}

int32_t expectedCodeOfByte(int c) {
  if (c >= '0' && c <= '9') return EVAL_OK;
  if (c == '.' || c == '+' || c == '-' || c == 'e') return EVAL_OK;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return EVAL_ERR_UNDEFINED_NAME;
  if (c == ')') return EVAL_ERR_PARENTHESES;
  const std::string_view lone = " \t(*/\\^=;";
  if (lone.find(static_cast<char>(c)) != std::string_view::npos) return EVAL_ERR_MISSING_OPERAND;
  return EVAL_ERR_UNEXPECTED;
}

TEST_F(HostileInputTest, EveryByteAloneAndInPairs) {
  for (int a = 0; a < 256; ++a) {
    std::string one(1, static_cast<char>(a));
    double value = evaluate(one);
    EXPECT_EQ(evalError, expectedCodeOfByte(a)) << "byte " << a;
    if (a >= '0' && a <= '9') {
      EXPECT_EQ(value, a - '0') << "byte " << a;
    }
    for (int b = 0; b < 256; ++b) {
      std::string two{static_cast<char>(a), static_cast<char>(b)};
      evaluate(join({two, "1"}));
    }
  }
}

TEST_F(HostileInputTest, PseudoRandomTextsOfTheAlphabet) {
  // A fixed generator, so a failure names a reproducible text.
  static const char ALPHABET[] = "0123456789.+-*/\\^=();xyz e pi sin not mod and or shl";
  uint32_t state = 12345;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    size_t length = 1 + round % 97;
    for (size_t i = 0; i < length; ++i) {
      state = state * 1664525u + 1013904223u;
      text += ALPHABET[(state >> 8) % (sizeof ALPHABET - 1)];
    }
    evaluate(text);
    EXPECT_TRUE(evalError == EVAL_OK || evalError == EVAL_ERR_PARENTHESES ||
                evalError == EVAL_ERR_MISSING_OPERAND || evalError == EVAL_ERR_NUMBER ||
                evalError == EVAL_ERR_UNEXPECTED || evalError == EVAL_ERR_UNDEFINED_NAME ||
                evalError == EVAL_ERR_NO_VALUE)
        << text;
  }
}

}  // namespace
