#include "eval/token_list.h"

int64_t liveTokenCount = 0;

Token* createList() {
  ++liveTokenCount;
  return new Token;
}

void insertAfter(Token* at, TokenKind kind, std::string_view text) {
  Token* token = new Token{at, at->next, kind, std::string(text)};
  ++liveTokenCount;
  at->next = token;
  if (token->next != nullptr) token->next->prev = token;
}

Token* removeToken(Token* t) {
  Token* following = t->next;
  if (following != nullptr) following->prev = t->prev;
  if (t->prev != nullptr) t->prev->next = following;
  delete t;
  --liveTokenCount;
  return following;
}

void destroyFrom(Token* t) {
  while (t != nullptr)
    t = removeToken(t);
}

void destroyList(Token* t) {
  if (t == nullptr) return;
  while (t->prev != nullptr)
    t = t->prev;
  destroyFrom(t);
}

void replaceRun(Token* first, Token* last, TokenKind kind, std::string_view text) {
  if (first != last) {
    while (first->next != nullptr && first->next != last)
      removeToken(first->next);
    if (last != nullptr && first->next == last) removeToken(last);
  }
  first->kind = kind;
  first->text.assign(text);
}

int32_t countLiveAfter(const Token* from, const Token* to) {
  int32_t count = 0;
  const Token* t = from;
  while (t != nullptr && t != to) {
    t = t->next;
    if (t != nullptr && t->kind != TK_NONE) ++count;
  }
  return count;
}

Token* findLastOfKinds(KindSet set, Token* first, Token* last) {
  for (Token* t = last; t != nullptr; t = t->prev) {
    if ((set & kindBit(t->kind)) != 0) return t;
    if (t == first) return nullptr;
  }
  return nullptr;
}
