// The evaluator's doubly linked token list. A list is reached through its
// head token (kind TK_NONE); the engine rewrites it in place, turning
// reduced groups into number tokens and marking consumed range ends dead
// (TK_NONE) instead of unlinking them, so that ranges held further up the
// recursion stay valid.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The numeric codes are fixed: KindSet masks are built from them.
enum TokenKind : int32_t {
  TK_NONE = 0,  // the head of a list, or a dead token
  TK_NUMBER = 1,
  TK_PLUS = 2,
  TK_MINUS = 3,
  TK_STAR = 4,
  TK_SLASH = 5,
  TK_BACKSLASH = 6,  // integer division
  TK_CARET = 7,
  TK_EQUALS = 8,
  TK_LPAREN = 9,
  TK_RPAREN = 10,
  TK_MOD = 11,
  TK_SHL = 12,
  TK_SHR = 13,
  TK_AND = 14,
  TK_OR = 15,
  TK_XOR = 16,
  TK_EQV = 17,
  TK_IMP = 18,
  TK_NOT = 19,
  TK_NAME = 20,      // a variable name
  TK_FUNCTION = 21,  // a built-in function name
  TK_SEMICOLON = 22,
};

constexpr int32_t TOKEN_KIND_COUNT = 23;

// Bit k stands for kind k. No set the engine uses contains TK_NONE, so dead
// tokens never match.
using KindSet = uint32_t;

constexpr KindSet kindBit(TokenKind kind) {
  return KindSet{1} << kind;
}

struct Token {
  Token* prev = nullptr;
  Token* next = nullptr;
  TokenKind kind = TK_NONE;
  // The number's text for TK_NUMBER, the identifier as written for TK_NAME
  // and TK_FUNCTION, empty otherwise.
  std::string text;
};

// Makes the head of a new, empty list.
Token* createList();

// Tokens currently allocated by this module, heads included; a finished
// evaluation leaves it where it was.
extern int64_t liveTokenCount;

// Links a new token with this kind and a copy of text directly after at.
void insertAfter(Token* at, TokenKind kind, std::string_view text);

// Unlinks and releases t; returns the token that followed it, or null.
Token* removeToken(Token* t);

// Releases t and every token after it.
void destroyFrom(Token* t);

// Releases the whole list that t belongs to, head included.
void destroyList(Token* t);

// Removes the tokens after first up to and including last (everything after
// first when last never comes) and gives first the kind and a copy of text.
// first stays linked where it was.
void replaceRun(Token* first, Token* last, TokenKind kind, std::string_view text);

// Live tokens after from, up to and including to; to the end of the list
// when to is not met.
int32_t countLiveAfter(const Token* from, const Token* to);

// The rightmost token from first to last whose kind is in set, or null.
Token* findLastOfKinds(KindSet set, Token* first, Token* last);
