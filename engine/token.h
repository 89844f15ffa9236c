// Token and TokenList: one line of script as the lexer hands it to the evaluator and statements.
#pragma once

#include <string>
#include <vector>

#include "engine/variant.h"

enum class TokenKind {
  kKeyword = 0,
  kFunction = 1,
  kLiteral = 2,
  kEqual = 3,
  kGreater = 4,
  kLess = 5,
  kNotEqual = 6,
  kGreaterEqual = 7,
  kLessEqual = 8,
  kLeftParen = 9,
  kRightParen = 10,
  kPlus = 11,
  kMinus = 12,
  kDivide = 13,
  kMultiply = 14,
  kVariable = 15,
  kEndOfLine = 16,
  kUserFunction = 17,
  kComma = 18,
  kConcat = 19,
  kLeftBracket = 20,
  kRightBracket = 21,
  kMacro = 22,
  kEqualCase = 23,
  kPower = 24,
};

// Keyword indexes; kKeywordWords in lexer.cpp lists the words in this order.
enum class Keyword {
  kAnd, kOr, kNot, kIf, kThen, kElse, kElseIf, kEndIf, kWhile, kWend, kDo, kUntil, kFor, kNext,
  kTo, kStep, kExitLoop, kContinueLoop, kSelect, kCase, kEndSelect, kDim, kReDim, kLocal, kGlobal,
  kFunc, kEndFunc, kReturn, kExit, kTag, kGoto, kByRef,
  kCount
};

struct Token {
  TokenKind m_kind = TokenKind::kEndOfLine;
  int m_column = 0;
  // Keyword or built-in table index.
  int m_index = 0;
  // The literal's value.
  Variant m_value;
  // Variable and macro: the name as written; user function: the upper-cased word.
  std::string m_text;
  // Variable: the upper-cased name, the key of the variable table.
  std::string m_key;

  bool Is(TokenKind kind) const { return m_kind == kind; }
  bool Is(Keyword keyword) const {
    return m_kind == TokenKind::kKeyword && m_index == static_cast<int>(keyword);
  }
  bool IsEnd() const { return m_kind == TokenKind::kEndOfLine; }
};

// A read-only run of tokens; reading at or past its end yields its end-of-line token. Views do
// not own their tokens: the list they come from must outlive them.
class TokenView {
 public:
  TokenView(const Token* tokens, size_t size, const Token& end) : m_tokens(tokens), m_size(size), m_end(&end) {}
  const Token& operator[](size_t i) const { return i < m_size ? m_tokens[i] : *m_end; }
  size_t Size() const { return m_size; }
  // The tokens [start, start + count) ended by `end`.
  TokenView Slice(size_t start, size_t count, const Token& end) const {
    return TokenView(m_tokens + start, count, end);
  }

 private:
  const Token* m_tokens;
  size_t m_size;
  const Token* m_end;
};

// Reading at or past the end yields the list's own end-of-line token.
class TokenList {
 public:
  const Token& operator[](size_t i) const { return i < m_tokens.size() ? m_tokens[i] : m_end; }
  size_t Size() const { return m_tokens.size(); }
  void Clear() {
    m_tokens.clear();
    m_end = Token();
  }
  void Push(Token token) { m_tokens.push_back(std::move(token)); }
  TokenView View() const { return TokenView(m_tokens.data(), m_tokens.size(), m_end); }
  // Ends the list: the end-of-line token at `column`.
  void Finish(int column) {
    m_end.m_column = column;
    m_tokens.push_back(m_end);
  }

 private:
  std::vector<Token> m_tokens;
  Token m_end;
};
