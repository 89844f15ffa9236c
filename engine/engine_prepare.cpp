// Preparation: the function-declaration scan, the undeclared-function check and the tag index.
#include "engine/script_engine.h"
#include "runner/script_source.h"

int ScriptEngine::ScanFunctions() {
  for (int line = 1; line <= LineCount(); ++line) {
    m_currentLine = line;
    TokensPtr tokens = TokensOf(line);
    if (!tokens) return 1;
    if (!(*tokens)[0].Is(Keyword::kFunc)) continue;
    int endLine = 0;
    if (ScanFunctionAt(line, tokens->View(), endLine) != 0) return 1;
    line = endLine;
  }
  return 0;
}

int ScriptEngine::ScanFunctionAt(int line, const TokenView& tokens, int& endLine) {
  const Token& name = tokens[1];
  if (!name.Is(TokenKind::kUserFunction)) return ReportError(4, kNoColumn);
  if (m_functions.count(name.m_text)) return ReportError(32, kNoColumn);
  if (!tokens[2].Is(TokenKind::kLeftParen)) return ReportError(4, kNoColumn);
  Pos pos = 3;
  int params = 0;
  if (!tokens[pos].Is(TokenKind::kRightParen)) {
    while (true) {
      if (tokens[pos].Is(Keyword::kByRef)) ++pos;
      if (!tokens[pos].Is(TokenKind::kVariable)) return ReportError(4, kNoColumn);
      ++params;
      ++pos;
      if (tokens[pos].Is(TokenKind::kRightParen)) break;
      if (!tokens[pos].Is(TokenKind::kComma)) return ReportError(4, kNoColumn);
      ++pos;
    }
  }
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  endLine = LineCount();
  for (int next = line + 1; next <= LineCount(); ++next) {
    m_currentLine = next;
    TokensPtr body = TokensOf(next);
    if (!body) return 1;
    if ((*body)[0].Is(Keyword::kFunc)) return ReportError(31, kNoColumn);
    if ((*body)[0].Is(Keyword::kEndFunc)) {
      endLine = next;
      break;
    }
  }
  m_functions[name.m_text] = {line, params, endLine};
  return 0;
}

int ScriptEngine::CheckUndeclaredFunctions() {
  for (int line = 1; line <= LineCount(); ++line) {
    m_currentLine = line;
    TokensPtr tokens = TokensOf(line);
    if (!tokens) return 1;
    for (Pos i = 0; i < tokens->Size(); ++i) {
      const Token& token = (*tokens)[i];
      if (token.Is(TokenKind::kUserFunction) && !m_functions.count(token.m_text)) {
        return ReportError(33, token.m_column);
      }
    }
  }
  return 0;
}

// Every line that begins with exactly "TAG $" names a jump target: the text after "TAG ". Where
// a name appears on several lines, the last of them wins, as a newest-first list would find it.
void ScriptEngine::RegisterTags() {
  if (m_tagsRegistered) return;
  m_tagsRegistered = true;
  for (int line = 1; line <= LineCount(); ++line) {
    const std::string& text = LineText(line);
    if (text.compare(0, 5, "TAG $") == 0) m_tags[text.substr(4)] = line;
  }
}
