// Statements: dispatch by the first token, user function calls, Return, Exit and GOTO.
#include "engine/script_engine.h"

int ScriptEngine::ExpectEnd(const TokenView& tokens, Pos pos) {
  return tokens[pos].IsEnd() ? 0 : ReportError(14, tokens[pos].m_column);
}

int ScriptEngine::ExecuteLine(const TokenView& tokens, Pos pos, int& nextLine) {
  const Token& first = tokens[pos];
  Variant discarded;
  switch (first.m_kind) {
    case TokenKind::kEndOfLine: return 0;
    case TokenKind::kVariable: return ExecuteAssignment(tokens, pos);
    case TokenKind::kFunction:
      if (CallBuiltin(tokens, pos, discarded) != 0) return 1;
      return ExpectEnd(tokens, pos);
    case TokenKind::kUserFunction:
      if (CallUserFunction(tokens, pos, discarded) != 0) return 1;
      return ExpectEnd(tokens, pos);
    case TokenKind::kKeyword: return ExecuteKeyword(tokens, pos, nextLine);
    default: return ReportError(6, first.m_column);
  }
}

int ScriptEngine::ExecuteKeyword(const TokenView& tokens, Pos pos, int& nextLine) {
  switch (static_cast<Keyword>(tokens[pos].m_index)) {
    case Keyword::kIf: return ExecuteIf(tokens, pos, nextLine);
    case Keyword::kElse: return ExecuteElse(tokens, pos, nextLine, false);
    case Keyword::kElseIf: return ExecuteElse(tokens, pos, nextLine, true);
    case Keyword::kEndIf: return ExecuteEndIf(tokens, pos);
    case Keyword::kWhile: return ExecuteWhile(tokens, pos, nextLine);
    case Keyword::kWend: return ExecuteWend(tokens, pos, nextLine);
    case Keyword::kDo: return ExecuteDo(tokens, pos, nextLine);
    case Keyword::kUntil: return ExecuteUntil(tokens, pos, nextLine);
    case Keyword::kFor: return ExecuteFor(tokens, pos, nextLine);
    case Keyword::kNext: return ExecuteNext(tokens, pos, nextLine);
    case Keyword::kSelect: return ExecuteSelect(tokens, pos, nextLine);
    case Keyword::kCase: return ExecuteCase(tokens, pos, nextLine);
    case Keyword::kEndSelect: return ExecuteEndSelect(tokens, pos);
    case Keyword::kExitLoop: return ExecuteExitLoop(tokens, pos, nextLine);
    case Keyword::kContinueLoop: return ExecuteContinueLoop(tokens, pos, nextLine);
    case Keyword::kDim:
    case Keyword::kReDim:
    case Keyword::kLocal:
    case Keyword::kGlobal: return ExecuteDeclaration(tokens, pos);
    case Keyword::kFunc: {
      auto it = m_functions.find(tokens[pos + 1].m_text);
      if (it == m_functions.end()) return ReportError(4, kNoColumn);
      nextLine = it->second.m_endLine + 1;
      return 0;
    }
    case Keyword::kEndFunc: m_levelReturn = true; return 0;
    case Keyword::kReturn: return ExecuteReturn(tokens, pos + 1);
    case Keyword::kExit: return ExecuteExit(tokens, pos + 1);
    case Keyword::kTag: return 0;
    case Keyword::kGoto: return ExecuteGoto(nextLine);
    default: return ReportError(29, kNoColumn);
  }
}

int ScriptEngine::ExecuteReturn(const TokenView& tokens, Pos pos) {
  if (!tokens[pos].IsEnd()) {
    Variant value;
    if (EvaluateExpression(tokens, pos, value) != 0) return 1;
    m_returnValue = std::move(value);
  }
  if (ExpectEnd(tokens, pos) != 0) return 1;
  m_levelReturn = true;
  return 0;
}

int ScriptEngine::ExecuteExit(const TokenView& tokens, Pos pos) {
  if (!tokens[pos].IsEnd()) {
    Variant ignored;
    if (EvaluateExpression(tokens, pos, ignored) != 0) return 1;
  }
  if (ExpectEnd(tokens, pos) != 0) return 1;
  EndRun();
  return 0;
}

// The target is the line's own text after "GOTO ", compared exactly with the tag names.
int ScriptEngine::ExecuteGoto(int& nextLine) {
  const std::string& text = LineText(m_currentLine);
  if (text.size() < 5) return 0;
  auto it = m_tags.find(text.substr(5));
  if (it != m_tags.end()) nextLine = it->second + 1;
  return 0;
}

int ScriptEngine::CallUserFunction(const TokenView& tokens, Pos& pos, Variant& result) {
  const Token& word = tokens[pos];
  auto it = m_functions.find(word.m_text);
  if (it == m_functions.end()) return ReportError(33, word.m_column);
  Token argsEnd;
  TokenView args = tokens;
  if (SliceArguments(tokens, pos, argsEnd, args) != 0) return 1;

  const UserFunction function = it->second;
  std::vector<std::pair<std::string, VariantPtr>> bound;
  if (BindArguments(args, function, word.m_column, bound) != 0) return 1;
  m_variables.PushScope();
  for (auto& parameter : bound) m_variables.AddReference(parameter.first, std::move(parameter.second));
  m_returnValue.SetInt(0);
  int status = RunFunctionBody(function.m_funcLine + 1, false, false);
  m_variables.PopScope();
  result = m_returnValue;
  return status != 0 || m_state == ExecutionState::kEnded ? 1 : 0;
}

int ScriptEngine::BindArguments(const TokenView& args, const UserFunction& function, int column,
                                std::vector<std::pair<std::string, VariantPtr>>& bound) {
  TokensPtr declaration = TokensOf(function.m_funcLine);
  if (!declaration) return 1;
  TokenView params = declaration->View();
  Pos at = 0;
  for (Pos p = 3; params[p].Is(TokenKind::kVariable) || params[p].Is(Keyword::kByRef); ++p) {
    bool byRef = params[p].Is(Keyword::kByRef);
    if (byRef) ++p;
    if (args[at].IsEnd()) return ReportError(12, column);
    VariantPtr value;
    if (byRef) {
      if (BindByRef(args, at, value) != 0) return 1;
    } else {
      value = std::make_shared<Variant>();
      if (EvaluateExpression(args, at, *value) != 0) return 1;
    }
    bound.emplace_back(params[p].m_key, std::move(value));
    if (args[at].Is(TokenKind::kComma)) ++at;
    if (params[p + 1].Is(TokenKind::kComma)) ++p;
  }
  return args[at].IsEnd() ? 0 : ReportError(12, args[at].m_column);
}

int ScriptEngine::BindByRef(const TokenView& args, Pos& pos, VariantPtr& target) {
  const Token& name = args[pos];
  if (!name.Is(TokenKind::kVariable)) return ReportError(44, name.m_column);
  target = m_variables.Find(name.m_key);
  if (!target) return ReportError(21, name.m_column);
  ++pos;
  if (target->IsArray() && args[pos].Is(TokenKind::kLeftBracket)) {
    VariantPtr array = target;
    if (ResolveElement(args, pos, *array, name.m_column, target) != 0) return 1;
  }
  if (!args[pos].Is(TokenKind::kComma) && !args[pos].IsEnd()) return ReportError(44, args[pos].m_column);
  return 0;
}
