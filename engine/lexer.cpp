// Lexer: words, numbers, strings, names and operators of one line.
#include "engine/lexer.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <unordered_map>

#include "builtins/table.h"

namespace {

constexpr std::array<const char*, static_cast<size_t>(Keyword::kCount)> kKeywordWords = {
    "AND",    "OR",     "NOT",      "IF",           "THEN",   "ELSE",  "ELSEIF",    "ENDIF",
    "WHILE",  "WEND",   "DO",       "UNTIL",        "FOR",    "NEXT",  "TO",        "STEP",
    "EXITLOOP", "CONTINUELOOP", "SELECT", "CASE",   "ENDSELECT", "DIM", "REDIM",    "LOCAL",
    "GLOBAL", "FUNC",   "ENDFUNC",  "RETURN",       "EXIT",   "TAG",   "GOTO",      "BYREF"};
static_assert(kKeywordWords.back() != nullptr, "one word per Keyword");

int FindKeyword(const std::string& upper) {
  static const auto* index = [] {
    auto* map = new std::unordered_map<std::string, int>();
    for (size_t i = 0; i < kKeywordWords.size(); ++i) (*map)[kKeywordWords[i]] = static_cast<int>(i);
    return map;
  }();
  auto it = index->find(upper);
  return it == index->end() ? -1 : it->second;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct SingleChar {
  char m_char;
  TokenKind m_kind;
};
constexpr SingleChar kSingleChars[] = {
    {'&', TokenKind::kConcat},      {'(', TokenKind::kLeftParen},    {')', TokenKind::kRightParen},
    {'*', TokenKind::kMultiply},    {'+', TokenKind::kPlus},         {',', TokenKind::kComma},
    {'-', TokenKind::kMinus},       {'/', TokenKind::kDivide},       {'[', TokenKind::kLeftBracket},
    {']', TokenKind::kRightBracket}, {'^', TokenKind::kPower}};

class Lexer {
 public:
  Lexer(const std::string& line, bool expand, TokenList& tokens)
      : m_line(line), m_expand(expand), m_tokens(tokens) {}

  LexResult Run() {
    m_tokens.Clear();
    while (true) {
      while (m_pos < m_line.size() && (m_line[m_pos] == ' ' || m_line[m_pos] == '\t')) ++m_pos;
      if (m_pos >= m_line.size()) break;
      if (m_line[m_pos] == ';') {
        m_tokens.Finish(static_cast<int>(m_line.size()));
        return m_result;
      }
      if (!ReadToken()) {
        m_tokens.Finish(static_cast<int>(m_line.size()));
        return m_result;
      }
    }
    m_tokens.Finish(static_cast<int>(m_line.size()));
    return m_result;
  }

 private:
  bool Fail(int message, size_t column) {
    m_result.m_error = {message, static_cast<int>(column)};
    return false;
  }

  void Push(TokenKind kind, size_t column, size_t length) {
    Token token;
    token.m_kind = kind;
    token.m_column = static_cast<int>(column);
    m_tokens.Push(std::move(token));
    m_pos = column + length;
  }

  bool ReadToken() {
    char c = m_line[m_pos];
    if ((IsDigit(c) || c == '.') && ReadNumber()) return true;
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return ReadWord();
    if (c == '"' || c == '\'') return ReadString(c);
    if (c == '$' || c == '@') return ReadName(c == '$' ? TokenKind::kVariable : TokenKind::kMacro);
    return ReadOperator(c);
  }

  bool ReadOperator(char c) {
    char next = m_pos + 1 < m_line.size() ? m_line[m_pos + 1] : '\0';
    if (c == '<') {
      if (next == '=') Push(TokenKind::kLessEqual, m_pos, 2);
      else if (next == '>') Push(TokenKind::kNotEqual, m_pos, 2);
      else Push(TokenKind::kLess, m_pos, 1);
      return true;
    }
    if (c == '=') {
      Push(next == '=' ? TokenKind::kEqualCase : TokenKind::kEqual, m_pos, next == '=' ? 2 : 1);
      return true;
    }
    if (c == '>') {
      Push(next == '=' ? TokenKind::kGreaterEqual : TokenKind::kGreater, m_pos, next == '=' ? 2 : 1);
      return true;
    }
    for (const auto& single : kSingleChars) {
      if (single.m_char == c) {
        Push(single.m_kind, m_pos, 1);
        return true;
      }
    }
    return Fail(6, m_pos);
  }

  bool ReadWord() {
    size_t start = m_pos;
    while (m_pos < m_line.size() && IsWordChar(m_line[m_pos])) ++m_pos;
    std::string upper = m_line.substr(start, m_pos - start);
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    Token token;
    token.m_column = static_cast<int>(start);
    if ((token.m_index = FindKeyword(upper)) >= 0) {
      token.m_kind = TokenKind::kKeyword;
    } else if ((token.m_index = FindBuiltin(upper)) >= 0) {
      token.m_kind = TokenKind::kFunction;
    } else {
      token.m_kind = TokenKind::kUserFunction;
      token.m_text = std::move(upper);
    }
    m_tokens.Push(std::move(token));
    return true;
  }

  bool ReadName(TokenKind kind) {
    size_t start = m_pos++;
    while (m_pos < m_line.size() && IsWordChar(m_line[m_pos])) ++m_pos;
    if (m_pos == start + 1) return Fail(56, start);
    Token token;
    token.m_kind = kind;
    token.m_column = static_cast<int>(start);
    token.m_text = m_line.substr(start + 1, m_pos - start - 1);
    token.m_key = token.m_text;
    for (char& ch : token.m_key) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    m_tokens.Push(std::move(token));
    return true;
  }

  bool ReadString(char quote) {
    size_t start = m_pos++;
    std::string text;
    while (true) {
      if (m_pos >= m_line.size()) return Fail(55, start);
      char c = m_line[m_pos++];
      if (c != quote) {
        text += c;
      } else if (m_pos < m_line.size() && m_line[m_pos] == quote) {
        text += quote;
        ++m_pos;
      } else {
        break;
      }
    }
    if (m_expand && text.find('%') != std::string::npos) {
      text = ExpandEnvironmentReferences(text);
      m_result.m_readEnvironment = true;
    }
    PushLiteral(start, Variant::FromString(std::move(text)));
    return true;
  }

  void PushLiteral(size_t column, Variant value) {
    Token token;
    token.m_kind = TokenKind::kLiteral;
    token.m_column = static_cast<int>(column);
    token.m_value = std::move(value);
    m_tokens.Push(std::move(token));
  }

  bool ReadNumber() {
    size_t start = m_pos;
    if (m_line[start] == '0' && start + 1 < m_line.size() &&
        (m_line[start + 1] == 'x' || m_line[start + 1] == 'X')) {
      return ReadHex(start);
    }
    bool pointAllowed = true, exponentAllowed = true, signAllowed = false, incomplete = true;
    size_t i = start;
    for (; i < m_line.size(); ++i) {
      char c = m_line[i];
      if (IsDigit(c)) {
        incomplete = false;
      } else if (c == '.' && pointAllowed) {
        pointAllowed = false;
        incomplete = false;
      } else if ((c == 'e' || c == 'E') && exponentAllowed && !incomplete) {
        pointAllowed = exponentAllowed = false;
        signAllowed = incomplete = true;
      } else if ((c == '+' || c == '-') && signAllowed) {
        signAllowed = false;
        incomplete = true;
      } else {
        break;
      }
    }
    if (incomplete) {
      m_pos = i;
      return false;
    }
    PushLiteral(start, Variant::FromDouble(std::strtod(m_line.substr(start, i - start).c_str(), nullptr)));
    m_pos = i;
    return true;
  }

  bool ReadHex(size_t start) {
    size_t i = start + 2;
    while (i < m_line.size() && std::isxdigit(static_cast<unsigned char>(m_line[i]))) ++i;
    int value = 0;
    if (!HexToInt(m_line.substr(start + 2, i - start - 2), value)) {
      m_pos = i;
      return false;
    }
    PushLiteral(start, Variant::FromInt(value));
    m_pos = i;
    return true;
  }

  const std::string& m_line;
  bool m_expand;
  TokenList& m_tokens;
  size_t m_pos = 0;
  LexResult m_result;
};

}  // namespace

LexResult Tokenize(const std::string& line, bool expandEnvStrings, TokenList& tokens) {
  return Lexer(line, expandEnvStrings, tokens).Run();
}

const char* KeywordWord(Keyword keyword) { return kKeywordWords[static_cast<size_t>(keyword)]; }

std::string ExpandEnvironmentReferences(const std::string& text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%') {
      out += text[i++];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    size_t close = text.find('%', i + 1);
    std::string name = text.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
    if (!name.empty()) {
      if (const char* value = std::getenv(name.c_str())) out += value;
    }
    i = close == std::string::npos ? text.size() : close + 1;
  }
  return out;
}
