#include "eval/scanner.h"

#include <array>
#include <string>

#include "eval/eval_error.h"
#include "eval/functions.h"

namespace {

struct Word {
  std::string_view word;
  TokenKind kind;
};

constexpr Word OPERATOR_WORDS[] = {
    {"mod", TK_MOD}, {"shl", TK_SHL}, {"shr", TK_SHR}, {"not", TK_NOT}, {"and", TK_AND},
    {"or", TK_OR},   {"xor", TK_XOR}, {"eqv", TK_EQV}, {"imp", TK_IMP},
};

// After these a "+" or "-" is an operator; after anything else (the start
// of the text, an operator) it begins a number.
constexpr KindSet SIGN_IS_OPERATOR_AFTER =
    kindBit(TK_NUMBER) | kindBit(TK_EQUALS) | kindBit(TK_LPAREN) | kindBit(TK_RPAREN) |
    kindBit(TK_NAME) | kindBit(TK_FUNCTION) | kindBit(TK_SEMICOLON);

constexpr std::array<TokenKind, 256> makeSingleCharKinds() {
  std::array<TokenKind, 256> kinds{};
  kinds['('] = TK_LPAREN;
  kinds[')'] = TK_RPAREN;
  kinds['*'] = TK_STAR;
  kinds['+'] = TK_PLUS;
  kinds['-'] = TK_MINUS;
  kinds['/'] = TK_SLASH;
  kinds[';'] = TK_SEMICOLON;
  kinds['='] = TK_EQUALS;
  kinds['\\'] = TK_BACKSLASH;
  kinds['^'] = TK_CARET;
  return kinds;
}

constexpr std::array<TokenKind, 256> SINGLE_CHAR_KINDS = makeSingleCharKinds();

bool isDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isIdentifierStart(unsigned char c) {
  return isLetter(c) || c == '_';
}
bool isIdentifierByte(unsigned char c) {
  return isLetter(c) || isDigit(c) || c == '_';
}

TokenKind wordKind(std::string_view identifier) {
  // Every operator word and function name has two to four letters.
  if (identifier.size() < 2 || identifier.size() > 4) return TK_NAME;
  char lower[4];
  for (size_t i = 0; i < identifier.size(); ++i) {
    char c = identifier[i];
    lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
  }
  std::string_view word(lower, identifier.size());
  for (const Word& candidate : OPERATOR_WORDS) {
    if (candidate.word == word) return candidate.kind;
  }
  for (std::string_view name : FUNCTION_NAMES) {
    if (name == word) return TK_FUNCTION;
  }
  return TK_NAME;
}

}  // namespace

void scanExpression(std::string_view text, Token* head) {
  Token* tail = head;
  TokenKind lastKind = TK_NONE;
  NumberState state = NUM_NONE;
  std::string current;
  auto append = [&](TokenKind kind, std::string_view tokenText) {
    insertAfter(tail, kind, tokenText);
    tail = tail->next;
    lastKind = kind;
  };

  for (size_t position = 0; position < text.size(); ++position) {
    unsigned char c = static_cast<unsigned char>(text[position]);
    // A blank never ends a number: "1 2" reads as twelve.
    if (c == ' ' || c == '\t') continue;

    if (state != NUM_NONE) {
      if (isDigit(c)) {
        current.push_back(static_cast<char>(c));
        continue;
      }
      if (c == '.') {
        if (state == NUM_FRACTION) {
          evalError = EVAL_ERR_NUMBER;
          return;
        }
        current.push_back('.');
        state = NUM_FRACTION;
        continue;
      }
      append(TK_NUMBER, current);
      state = NUM_NONE;
    }

    if (isDigit(c) || c == '.') {
      state = c == '.' ? NUM_FRACTION : NUM_INTEGER;
      current.assign(1, static_cast<char>(c));
      continue;
    }
    if ((c == '+' || c == '-') && (SIGN_IS_OPERATOR_AFTER & kindBit(lastKind)) == 0) {
      state = NUM_INTEGER;
      current.assign(1, static_cast<char>(c));
      continue;
    }
    if (SINGLE_CHAR_KINDS[c] != TK_NONE) {
      append(SINGLE_CHAR_KINDS[c], std::string_view());
      continue;
    }
    if (isIdentifierStart(c)) {
      size_t end = position + 1;
      while (end < text.size() && isIdentifierByte(static_cast<unsigned char>(text[end])))
        ++end;
      std::string_view identifier = text.substr(position, end - position);
      append(wordKind(identifier), identifier);
      position = end - 1;
      continue;
    }
    evalError = EVAL_ERR_UNEXPECTED;
    return;
  }
  if (state != NUM_NONE) append(TK_NUMBER, current);
}
