#include "eval/token_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A list head followed by number tokens whose texts are the given names, so
// that a test can refer to tokens by name and read the list back as text.
struct NamedList {
  Token* head = nullptr;
  std::vector<Token*> tokens;

  explicit NamedList(const std::vector<std::string>& names) {
    head = createList();
    Token* tail = head;
    for (const std::string& name : names) {
      insertAfter(tail, TK_NUMBER, name);
      tail = tail->next;
      tokens.push_back(tail);
    }
  }
  ~NamedList() { destroyList(head); }

  // Live tokens' texts joined by blanks; dead ones are written as "~".
  std::string text() const {
    std::string out;
    for (Token* t = head->next; t != nullptr; t = t->next) {
      if (!out.empty()) out += ' ';
      out += t->kind == TK_NONE ? std::string("~") : t->text;
    }
    return out;
  }

  // Checks that every prev link mirrors the next link before it.
  bool linksAgree() const {
    for (Token* t = head; t->next != nullptr; t = t->next) {
      if (t->next->prev != t) return false;
    }
    return head->prev == nullptr;
  }
};

TEST(TokenListTest, InsertAfterLinksBothWaysInTheMiddle) {
  NamedList list({"a", "c"});
  insertAfter(list.tokens[0], TK_PLUS, "");
  insertAfter(list.tokens[0], TK_NAME, "b");
  EXPECT_EQ(list.text(), "a b  c");
  EXPECT_TRUE(list.linksAgree());
  EXPECT_EQ(list.tokens[0]->next->kind, TK_NAME);
  EXPECT_EQ(list.tokens[0]->next->next->kind, TK_PLUS);
}

TEST(TokenListTest, ReplaceRunRemovesTheTokensAfterFirstUpToLast) {
  struct Case {
    int first;
    int last;  // -1: a token that does not follow first; -2: null
    const char* expected;
  };
  const Case cases[] = {
      {1, 1, "a R c d e"},  // first equal to last: only kind and text change
      {1, 2, "a R d e"},    // last right after first: exactly that one goes
      {1, 3, "a R e"},     {0, 4, "R"},
      {2, -1, "a b R"},  // last never comes: everything after first goes
      {3, -2, "a b c R"},
  };
  for (const Case& c : cases) {
    NamedList list({"a", "b", "c", "d", "e"});
    Token* last = c.last == -1 ? list.tokens[0] : c.last == -2 ? nullptr : list.tokens[c.last];
    Token* first = list.tokens[c.first];
    replaceRun(first, last, TK_NAME, "R");
    EXPECT_EQ(list.text(), c.expected) << c.first << ".." << c.last;
    EXPECT_EQ(first->kind, TK_NAME) << c.first << ".." << c.last;
    EXPECT_TRUE(list.linksAgree()) << c.first << ".." << c.last;
  }
}

TEST(TokenListTest, CountLiveAfterSkipsDeadTokensAndFromItself) {
  NamedList list({"a", "b", "c", "d", "e"});
  list.tokens[1]->kind = TK_NONE;
  list.tokens[3]->kind = TK_NONE;
  struct Case {
    int from;
    int to;  // -1: null
    int32_t expected;
  };
  const Case cases[] = {
      {2, 2, 0},   // countLiveAfter(t, t)
      {0, 2, 1},   // b is dead, c is live
      {0, 3, 1},   // a dead "to" does not count
      {0, 4, 2},   // e is live
      {0, -1, 2},  // no "to": count to the end
      {4, -1, 0},
  };
  for (const Case& c : cases) {
    const Token* to = c.to < 0 ? nullptr : list.tokens[c.to];
    EXPECT_EQ(countLiveAfter(list.tokens[c.from], to), c.expected) << c.from << ".." << c.to;
  }
  EXPECT_EQ(countLiveAfter(nullptr, nullptr), 0);
  EXPECT_EQ(countLiveAfter(list.head, nullptr), 3);
}

TEST(TokenListTest, FindLastOfKindsReturnsTheRightmostMatchWithinTheRange) {
  NamedList list({"a", "b", "c", "d", "e"});
  list.tokens[0]->kind = TK_PLUS;
  list.tokens[1]->kind = TK_MINUS;
  list.tokens[3]->kind = TK_PLUS;
  const KindSet sums = kindBit(TK_PLUS) | kindBit(TK_MINUS);
  EXPECT_EQ(findLastOfKinds(sums, list.tokens[0], list.tokens[4]), list.tokens[3]);
  EXPECT_EQ(findLastOfKinds(sums, list.tokens[0], list.tokens[2]), list.tokens[1]);
  EXPECT_EQ(findLastOfKinds(kindBit(TK_PLUS), list.tokens[0], list.tokens[2]), list.tokens[0]);
  EXPECT_EQ(findLastOfKinds(kindBit(TK_PLUS), list.tokens[1], list.tokens[2]), nullptr);
  EXPECT_EQ(findLastOfKinds(sums, list.tokens[0], nullptr), nullptr);
  // Once dead, a token no longer matches its old kind.
  list.tokens[3]->kind = TK_NONE;
  EXPECT_EQ(findLastOfKinds(sums, list.tokens[2], list.tokens[4]), nullptr);
}

TEST(TokenListTest, RemoveTokenOfTheLastTokenLeavesItsPredecessorLast) {
  NamedList list({"a", "b"});
  EXPECT_EQ(removeToken(list.tokens[1]), nullptr);
  EXPECT_EQ(list.tokens[0]->next, nullptr);
  EXPECT_EQ(removeToken(list.tokens[0]), nullptr);
  EXPECT_EQ(list.head->next, nullptr);
}

TEST(TokenListTest, RemoveTokenInTheMiddleReturnsItsSuccessor) {
  NamedList list({"a", "b", "c"});
  EXPECT_EQ(removeToken(list.tokens[1]), list.tokens[2]);
  EXPECT_EQ(list.text(), "a c");
  EXPECT_TRUE(list.linksAgree());
}

TEST(TokenListTest, DestroyFromCutsTheListAfterTheTokenBefore) {
  NamedList list({"a", "b", "c"});
  const int64_t before = liveTokenCount;
  destroyFrom(list.tokens[1]);
  EXPECT_EQ(liveTokenCount, before - 2);
  EXPECT_EQ(list.tokens[0]->next, nullptr);
  EXPECT_EQ(list.text(), "a");
}

TEST(TokenListTest, DestroyListFromAMiddleTokenReleasesEverything) {
  const int64_t before = liveTokenCount;
  Token* head = createList();
  insertAfter(head, TK_NUMBER, "1");
  insertAfter(head->next, TK_PLUS, "");
  insertAfter(head->next->next, TK_NUMBER, "2");
  EXPECT_EQ(liveTokenCount, before + 4);
  destroyList(head->next->next);
  EXPECT_EQ(liveTokenCount, before);
}

}  // namespace
