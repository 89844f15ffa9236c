// Line texts and the per-line token cache.
#include "engine/lexer.h"
#include "engine/script_engine.h"
#include "runner/script_source.h"

const std::string& ScriptEngine::LineText(int line) const {
  static const std::string kNoLine;
  const std::string* text = m_source.Line(line);
  return text ? *text : kNoLine;
}

int ScriptEngine::LineCount() const { return m_source.LineCount(); }

void ScriptEngine::InvalidateCaches() {
  m_tokenCache.assign(static_cast<size_t>(LineCount()) + 1, nullptr);
  m_shapes.clear();
}

// Tokens of `line`, tokenized once and kept, except where a string literal read the environment
// (its value may change between executions). nullptr when the line does not exist or failed to
// tokenize; the failure has then been reported against that line.
ScriptEngine::TokensPtr ScriptEngine::TokensOf(int line) {
  if (line < 1 || line > LineCount()) return nullptr;
  if (m_tokenCache.size() <= static_cast<size_t>(line)) m_tokenCache.resize(static_cast<size_t>(line) + 1);
  if (const TokensPtr& cached = m_tokenCache[static_cast<size_t>(line)]) return cached;
  auto tokens = std::make_shared<TokenList>();
  LexResult lex = Tokenize(LineText(line), m_options.m_expandEnvStrings != 0, *tokens);
  if (lex.m_error.m_message != 0) {
    m_currentLine = line;
    ReportError(lex.m_error.m_message, lex.m_error.m_column);
    return nullptr;
  }
  if (!lex.m_readEnvironment) m_tokenCache[static_cast<size_t>(line)] = tokens;
  return tokens;
}

// Literals read the environment at tokenization when ExpandEnvStrings is on: switching it
// makes every cached line stale.
bool ScriptEngine::SetOption(const std::string& name, int value, int& previous) {
  int expandBefore = m_options.m_expandEnvStrings;
  if (!SetEngineOption(m_options, name, value, previous)) return false;
  if (m_options.m_expandEnvStrings != expandBefore) InvalidateCaches();
  return true;
}
