#include "eval/evaluate_range.h"

#include <charconv>
#include <cmath>

#include "eval/eval_arithmetic.h"
#include "eval/eval_error.h"
#include "eval/functions.h"
#include "eval/variables.h"
#include "platform/number_text.h"

namespace {

enum LevelRule : int32_t {
  RULE_FUNCTION,  // rewrite function calls into numbers, rightmost first
  RULE_INTEGER,   // two operands converted to 32-bit integers
  RULE_NOT,       // prefix; its operand is the rest of the range
  RULE_SUM,       // two real operands, only when the operator is not first
  RULE_PRODUCT,   // two real operands
  RULE_UNARY,     // a sign at the start of the range
  RULE_POWER,     // two real operands, the right one evaluated first
};

struct OperatorLevel {
  KindSet kinds;
  LevelRule rule;
};

// Loosest first; a range is split at the first level that applies.
constexpr OperatorLevel LEVELS[] = {
    {kindBit(TK_FUNCTION), RULE_FUNCTION},
    {kindBit(TK_XOR) | kindBit(TK_EQV) | kindBit(TK_IMP), RULE_INTEGER},
    {kindBit(TK_OR), RULE_INTEGER},
    {kindBit(TK_AND), RULE_INTEGER},
    {kindBit(TK_NOT), RULE_NOT},
    {kindBit(TK_PLUS) | kindBit(TK_MINUS), RULE_SUM},
    {kindBit(TK_SHL) | kindBit(TK_SHR), RULE_INTEGER},
    {kindBit(TK_MOD), RULE_INTEGER},
    {kindBit(TK_BACKSLASH), RULE_INTEGER},
    {kindBit(TK_STAR) | kindBit(TK_SLASH), RULE_PRODUCT},
    {0, RULE_UNARY},
    {kindBit(TK_CARET), RULE_POWER},
};

constexpr int32_t LEVEL_COUNT = static_cast<int32_t>(sizeof(LEVELS) / sizeof(LEVELS[0]));

struct LevelTable {
  int8_t levelOfKind[TOKEN_KIND_COUNT];
};

constexpr LevelTable makeLevelTable() {
  LevelTable table{};
  for (int32_t kind = 0; kind < TOKEN_KIND_COUNT; ++kind) {
    table.levelOfKind[kind] = -1;
    for (int32_t level = 0; level < LEVEL_COUNT; ++level) {
      if ((LEVELS[level].kinds & kindBit(static_cast<TokenKind>(kind))) != 0) {
        table.levelOfKind[kind] = static_cast<int8_t>(level);
      }
    }
  }
  return table;
}

constexpr LevelTable LEVEL_TABLE = makeLevelTable();

int32_t rangeDepth = 0;
// Set when a text turned out too deep; every pending range then unwinds at
// once so that the depth error is the evaluation's last word.
bool depthExceeded = false;

double stopTooDeep() {
  evalError = EVAL_ERR_UNEXPECTED;
  depthExceeded = true;
  return 0.0;
}

bool wouldExceedDepth(int32_t nestedLevels) {
  return rangeDepth + nestedLevels > MAX_RANGE_DEPTH;
}

double missingOperand() {
  evalError = EVAL_ERR_MISSING_OPERAND;
  return 0.0;
}

void rewriteAsNumber(Token* t, double value) {
  char text[NUMBER_TEXT_CAPACITY];
  int length = formatNumberInto(value, text);
  t->kind = TK_NUMBER;
  t->text.assign(text, static_cast<size_t>(length));
}

double combineIntegers(TokenKind kind, int32_t l, int32_t r) {
  switch (kind) {
    case TK_XOR:
      return l ^ r;
    case TK_EQV:
      return ~(l ^ r);
    case TK_IMP:
      return ~l | r;
    case TK_OR:
      return l | r;
    case TK_AND:
      return l & r;
    case TK_SHL:
      return static_cast<int32_t>(static_cast<uint32_t>(l) << (r & 31));
    case TK_SHR:
      return l >> (r & 31);
    case TK_MOD:
    case TK_BACKSLASH:
      // Division by zero has no value. A zero divisor that stands for an
      // operand which already failed keeps that failure's code, so "(1 mod)"
      // reports the missing operand. INT32_MIN / -1 does not fit in 32 bits:
      // its quotient is given as the exact real 2147483648, its remainder 0.
      if (r == 0) {
        if (evalError == EVAL_OK) evalError = EVAL_ERR_NO_VALUE;
        return 0.0;
      }
      if (l == INT32_MIN && r == -1) return kind == TK_MOD ? 0.0 : 2147483648.0;
      return kind == TK_MOD ? l % r : l / r;
    default:
      return 0.0;
  }
}

double combineReals(TokenKind kind, double l, double r) {
  switch (kind) {
    case TK_PLUS:
      return extendedAdd(l, r);
    case TK_MINUS:
      return extendedSub(l, r);
    case TK_STAR:
      return extendedMul(l, r);
    case TK_SLASH:
      return extendedDiv(l, r);
    default:
      return std::pow(l, r);
  }
}

double reduceRange(Token* first, Token* last);

}  // namespace

double evaluateRange(Token* first, Token* last) {
  if (depthExceeded) return 0.0;
  if (rangeDepth >= MAX_RANGE_DEPTH) return stopTooDeep();
  ++rangeDepth;
  double value = reduceRange(first, last);
  --rangeDepth;
  if (rangeDepth == 0) depthExceeded = false;
  return value;
}

namespace {

// Ranges that begin with a sign, that continue after a ";" or that were
// rewritten are evaluated again from the top; those re-evaluations loop
// here instead of recursing, so they cost no stack.
double reduceRange(Token* first, Token* last) {
  bool negate = false;
  auto result = [&negate](double value) { return negate ? -value : value; };

  for (;;) {
    // An operand or statement with nothing in it (as in "1+;2", "()" or
    // ";1") arrives with its last token directly before its first one.
    if (last != nullptr && last->next == first) return result(missingOperand());
    while (first != nullptr && first->kind == TK_NONE) {
      if (first == last) return result(missingOperand());
      first = first->next;
    }
    if (first == nullptr) return result(missingOperand());

    // Statements and parenthesised groups.
    Token* end = first;
    Token* groupStart = nullptr;
    int32_t depth = 0;
    bool nextStatement = false;
    for (Token* t = first; t != nullptr; t = t->next) {
      end = t;
      if (t->kind == TK_SEMICOLON) {
        if (depth > 0) {
          evalError = EVAL_ERR_PARENTHESES;
          return result(0.0);
        }
        evaluateRange(first, t->prev);
        if (depthExceeded) return 0.0;
        first = t->next;
        nextStatement = true;
        break;
      }
      if (t->kind == TK_LPAREN) {
        if (depth == 0) groupStart = t;
        ++depth;
      } else if (t->kind == TK_RPAREN) {
        if (depth == 0) {
          evalError = EVAL_ERR_PARENTHESES;
          return result(0.0);
        }
        // Each level of nesting costs one level of recursion; a group nested
        // too deeply is refused before any of it is evaluated.
        if (wouldExceedDepth(depth)) return stopTooDeep();
        --depth;
        if (depth == 0) {
          double value = evaluateRange(groupStart->next, t->prev);
          if (depthExceeded) return 0.0;
          char text[NUMBER_TEXT_CAPACITY];
          int length = formatNumberInto(value, text);
          replaceRun(groupStart, t->prev, TK_NUMBER,
                     std::string_view(text, static_cast<size_t>(length)));
          t->kind = TK_NONE;
        }
      }
      if (t == last) break;
    }
    if (nextStatement) continue;
    last = end;

    // One pass finds the operator of each level (the rightmost, the leftmost
    // for "not") and how many there are.
    Token* found[LEVEL_COUNT] = {};
    int32_t counts[LEVEL_COUNT] = {};
    int32_t assignments = 0;
    bool single = true;
    for (Token* t = first;; t = t->next) {
      if (t->kind != TK_NONE) {
        if (t != first) single = false;
        int32_t level = LEVEL_TABLE.levelOfKind[t->kind];
        if (level >= 0) {
          ++counts[level];
          if (LEVELS[level].rule != RULE_NOT || found[level] == nullptr) found[level] = t;
        }
        if (t->kind == TK_EQUALS) ++assignments;
      }
      if (t == last) break;
    }

    if (single) {
      if (first->kind == TK_NUMBER) return result(parseNumber(first->text));
      if (first->kind == TK_NAME) return result(applyFunction(first));
      return result(missingOperand());
    }

    Token* second = first->next;
    if (second->kind == TK_EQUALS) {
      if (first->kind != TK_NAME) {
        evalError = EVAL_ERR_UNEXPECTED;
        return result(0.0);
      }
      if (wouldExceedDepth(assignments)) return stopTooDeep();
      double value = evaluateRange(second->next, last);
      defineVariable(first->text, value, true);
      return result(evalError != EVAL_OK ? 0.0 : value);
    }

    bool rewritten = false;
    for (int32_t level = 0; level < LEVEL_COUNT && !rewritten; ++level) {
      Token* op = found[level];
      LevelRule rule = LEVELS[level].rule;
      if (rule == RULE_UNARY) {
        if (first->kind == TK_PLUS || first->kind == TK_MINUS) {
          if (first->kind == TK_MINUS) negate = !negate;
          first = first->next;
          rewritten = true;
        }
        continue;
      }
      if (op == nullptr || (rule == RULE_SUM && op == first)) continue;
      // A chain of k operators of one level nests k ranges deep (the left
      // operands, or the operands of k "not"s); a chain too long for the
      // depth limit is refused before the long descent into it.
      if (rule != RULE_FUNCTION && wouldExceedDepth(counts[level])) return stopTooDeep();
      TokenKind kind = op->kind;
      switch (rule) {
        case RULE_FUNCTION:
          // The rightmost function first; its argument dies and the call
          // becomes a number, then the next function to the left follows.
          for (;;) {
            double value = applyFunction(op);
            if (evalError != EVAL_OK) return result(0.0);
            Token* argument = op->next;
            if (argument == last) last = op;
            rewriteAsNumber(op, value);
            argument->kind = TK_NONE;
            if (op == first) break;
            op = findLastOfKinds(LEVELS[level].kinds, first, op->prev);
            if (op == nullptr) break;
          }
          rewritten = true;
          break;
        case RULE_NOT: {
          double value = evaluateRange(op->next, last);
          if (evalError != EVAL_OK) return result(0.0);
          char text[12];
          std::to_chars_result written = std::to_chars(text, text + sizeof text, ~toInt32(value));
          replaceRun(op, last->prev, TK_NUMBER,
                     std::string_view(text, static_cast<size_t>(written.ptr - text)));
          last->kind = TK_NONE;
          rewritten = true;
          break;
        }
        case RULE_INTEGER: {
          int32_t l = toInt32(evaluateRange(first, op->prev));
          int32_t r = toInt32(evaluateRange(op->next, last));
          return result(combineIntegers(kind, l, r));
        }
        case RULE_SUM:
        case RULE_PRODUCT: {
          double l = evaluateRange(first, op->prev);
          double r = evaluateRange(op->next, last);
          return result(combineReals(kind, l, r));
        }
        case RULE_POWER: {
          double r = evaluateRange(op->next, last);
          double l = evaluateRange(first, op->prev);
          return result(combineReals(kind, l, r));
        }
        case RULE_UNARY:
          break;
      }
    }
    if (rewritten) continue;

    evalError = EVAL_ERR_NO_VALUE;
    return result(0.0);
  }
}

}  // namespace
