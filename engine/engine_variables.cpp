// Reading variables and elements, assignment, and the declaration statements.
#include "engine/script_engine.h"

int ScriptEngine::ReadVariable(const TokenView& tokens, Pos& pos, Variant& value) {
  const Token& name = tokens[pos];
  VariantPtr variable = m_variables.Find(name.m_key);
  if (!variable) return ReportError(21, name.m_column);
  ++pos;
  bool subscripted = tokens[pos].Is(TokenKind::kLeftBracket);
  if (!variable->IsArray()) {
    if (subscripted) return ReportError(24, tokens[pos].m_column);
    value = *variable;
    return 0;
  }
  if (!subscripted) {
    value = *variable;
    return 0;
  }
  VariantPtr element;
  if (ResolveElement(tokens, pos, *variable, name.m_column, element) != 0) return 1;
  value = *element;
  return 0;
}

int ScriptEngine::ReadSubscripts(const TokenView& tokens, Pos& pos, std::vector<int>& subscripts) {
  while (tokens[pos].Is(TokenKind::kLeftBracket)) {
    ++pos;
    int column = tokens[pos].m_column;
    Variant value;
    if (EvaluateExpression(tokens, pos, value) != 0) return 1;
    if (value.AsInt() < 0) return ReportError(23, column);
    if (!tokens[pos].Is(TokenKind::kRightBracket)) return ReportError(23, tokens[pos].m_column);
    ++pos;
    subscripts.push_back(value.AsInt());
  }
  return 0;
}

int ScriptEngine::ResolveElement(const TokenView& tokens, Pos& pos, Variant& array, int column,
                                 VariantPtr& element) {
  std::vector<int> subscripts;
  if (ReadSubscripts(tokens, pos, subscripts) != 0) return 1;
  element = array.ElementPtr(subscripts);
  return element ? 0 : ReportError(22, column);
}

int ScriptEngine::ExecuteAssignment(const TokenView& tokens, Pos pos) {
  const Token& name = tokens[pos];
  VariantPtr target = m_variables.Find(name.m_key);
  ++pos;
  if (!target) {
    if (m_options.m_mustDeclareVars) return ReportError(21, name.m_column);
    if (tokens[pos].Is(TokenKind::kLeftBracket)) return ReportError(40, name.m_column);
    target = m_variables.Assign(name.m_key, Variant::FromString(std::string()));
  }
  if (target->IsArray() && tokens[pos].Is(TokenKind::kLeftBracket)) {
    VariantPtr array = target;
    if (ResolveElement(tokens, pos, *array, name.m_column, target) != 0) return 1;
  }
  if (!tokens[pos].Is(TokenKind::kEqual)) return ReportError(28, tokens[pos].m_column);
  ++pos;
  if (IsAppendToItself(tokens, pos, name)) return AppendInPlace(tokens, pos + 2, *target);
  Variant value;
  if (EvaluateExpression(tokens, pos, value) != 0 || ExpectEnd(tokens, pos) != 0) return 1;
  *target = std::move(value);
  return 0;
}

// "$s = $s & x" with x a literal or a plain variable: appending to the text in place gives the
// same value, without copying a long text at every step of a loop that builds it.
bool ScriptEngine::IsAppendToItself(const TokenView& tokens, Pos pos, const Token& name) const {
  const Token& operand = tokens[pos + 2];
  bool simple = operand.Is(TokenKind::kLiteral) ||
                (operand.Is(TokenKind::kVariable) && !tokens[pos + 3].Is(TokenKind::kLeftBracket));
  return simple && tokens[pos].Is(TokenKind::kVariable) && tokens[pos].m_key == name.m_key &&
         !tokens[pos + 1].Is(TokenKind::kLeftBracket) && tokens[pos + 1].Is(TokenKind::kConcat) &&
         tokens[pos + 3].IsEnd();
}

int ScriptEngine::AppendInPlace(const TokenView& tokens, Pos pos, Variant& target) {
  Variant operand;
  if (EvaluateOperand(tokens, pos, operand) != 0) return 1;
  target.Concat(operand);
  return 0;
}

int ScriptEngine::ExecuteDeclaration(const TokenView& tokens, Pos pos) {
  const Token& keyword = tokens[pos];
  VariableTable::Mode mode = keyword.Is(Keyword::kLocal)    ? VariableTable::Mode::kLocal
                             : keyword.Is(Keyword::kGlobal) ? VariableTable::Mode::kGlobal
                                                            : VariableTable::Mode::kAny;
  bool reDim = keyword.Is(Keyword::kReDim);
  ++pos;
  while (true) {
    if (!tokens[pos].Is(TokenKind::kVariable)) return ReportError(27, tokens[pos - 1].m_column);
    if (DeclareItem(tokens, pos, mode, reDim) != 0) return 1;
    if (tokens[pos].IsEnd()) return 0;
    if (!tokens[pos].Is(TokenKind::kComma)) return ReportError(23, tokens[pos].m_column);
    ++pos;
  }
}

int ScriptEngine::DeclareItem(const TokenView& tokens, Pos& pos, VariableTable::Mode mode, bool reDim) {
  const Token& name = tokens[pos];
  VariantPtr variable = m_variables.Find(name.m_key, mode);
  if (!variable) variable = m_variables.Assign(name.m_key, Variant::FromString(std::string()), mode);
  ++pos;
  if (tokens[pos].Is(TokenKind::kLeftBracket)) return DeclareArray(tokens, pos, *variable, reDim);
  if (!tokens[pos].Is(TokenKind::kEqual)) return 0;
  ++pos;
  Variant value;
  if (EvaluateExpression(tokens, pos, value) != 0) return 1;
  *variable = std::move(value);
  return 0;
}

int ScriptEngine::DeclareArray(const TokenView& tokens, Pos& pos, Variant& variable, bool reDim) {
  std::vector<int> sizes;
  while (tokens[pos].Is(TokenKind::kLeftBracket)) {
    ++pos;
    int column = tokens[pos].m_column;
    Variant size;
    if (EvaluateExpression(tokens, pos, size) != 0) return 1;
    if (size.AsInt() < 1 || !tokens[pos].Is(TokenKind::kRightBracket)) return ReportError(23, column);
    ++pos;
    if (static_cast<int>(sizes.size()) == Variant::kMaxDimensions) return ReportError(25, kNoColumn);
    sizes.push_back(size.AsInt());
  }
  // The old value is taken only now: the sizes may still read it.
  Variant old = reDim ? std::move(variable) : Variant();
  if (!variable.CreateArray(sizes)) return ReportError(30, kNoColumn);
  if (reDim) Variant::CopyCommonElements(variable, old);
  return 0;
}
