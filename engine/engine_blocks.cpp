// Blocks: If, While, Do, For, Select and the loop exits. The first execution of an opening line
// scans ahead for its closer and depth-0 markers; the shape is kept per line, and the markers'
// conditions (ElseIf, Case) are still evaluated at each execution, in scan order.
#include "engine/script_engine.h"

namespace {

// A block If: "Then" followed by the end of the line somewhere on a line that starts with If.
bool IsBlockIf(const TokenView& tokens) {
  if (!tokens[0].Is(Keyword::kIf)) return false;
  for (size_t i = 1; i < tokens.Size(); ++i) {
    if (tokens[i].Is(Keyword::kThen) && tokens[i + 1].IsEnd()) return true;
  }
  return false;
}

struct Pair {
  Keyword m_opener;
  Keyword m_closer;
  int m_missingMessage;
};
constexpr Pair kPairs[] = {
    {Keyword::kIf, Keyword::kEndIf, 15},   {Keyword::kWhile, Keyword::kWend, 19},
    {Keyword::kDo, Keyword::kUntil, 45},   {Keyword::kFor, Keyword::kNext, 50},
    {Keyword::kSelect, Keyword::kEndSelect, 58},
};

const Pair& PairOf(Keyword opener) {
  for (const Pair& pair : kPairs) {
    if (pair.m_opener == opener) return pair;
  }
  return kPairs[0];
}

}  // namespace

const ScriptEngine::BlockShape* ScriptEngine::ShapeOf(int line, Keyword opener) {
  auto found = m_shapes.find(line);
  if (found != m_shapes.end()) return found->second.get();
  using MarkKind = BlockShape::MarkKind;
  auto shape = std::make_unique<BlockShape>();
  const Pair& pair = PairOf(opener);
  int nesting = 0;
  bool elseSeen = false;
  for (int next = line + 1; next <= LineCount() && shape->m_closing == 0; ++next) {
    TokensPtr list = TokensOf(next);
    if (!list) return nullptr;
    TokenView tokens = list->View();
    const Token& first = tokens[0];
    bool opens = opener == Keyword::kIf ? IsBlockIf(tokens) : first.Is(opener);
    if (opens) {
      ++nesting;
    } else if (first.Is(pair.m_closer)) {
      if (nesting == 0) shape->m_closing = next;
      else --nesting;
    } else if (nesting > 0) {
      continue;
    } else if (opener == Keyword::kSelect && first.Is(Keyword::kCase)) {
      shape->m_marks.push_back({next, MarkKind::kCase, 0, 0});
    } else if (opener == Keyword::kIf && (first.Is(Keyword::kElse) || first.Is(Keyword::kElseIf))) {
      if (elseSeen) {
        shape->m_marks.push_back({next, MarkKind::kError, 18, kNoColumn});
        break;
      }
      bool isElse = first.Is(Keyword::kElse);
      elseSeen = isElse;
      if (isElse && !tokens[1].IsEnd()) {
        shape->m_marks.push_back({next, MarkKind::kError, 14, tokens[1].m_column});
        break;
      }
      shape->m_marks.push_back({next, isElse ? MarkKind::kElse : MarkKind::kElseIf, 0, 0});
    }
  }
  bool caseMissing = opener == Keyword::kSelect && shape->m_marks.empty();
  if (shape->m_closing == 0 || caseMissing) {
    shape->m_marks.push_back({line, MarkKind::kError, pair.m_missingMessage, kNoColumn});
  }
  return m_shapes.emplace(line, std::move(shape)).first->second.get();
}

int ScriptEngine::ExecuteIf(const TokenView& tokens, Pos pos, int& nextLine) {
  bool condition = false;
  ++pos;
  if (EvaluateCondition(tokens, pos, condition) != 0) return 1;
  if (!tokens[pos].Is(Keyword::kThen)) return ReportError(59, tokens[pos].m_column);
  ++pos;
  if (!tokens[pos].IsEnd()) return condition ? ExecuteLine(tokens, pos, nextLine) : 0;
  return ExecuteIfBlock(condition, nextLine);
}

int ScriptEngine::ExecuteIfBlock(bool taken, int& nextLine) {
  const int line = m_currentLine;
  const BlockShape* shape = ShapeOf(line, Keyword::kIf);
  if (!shape) return 1;
  int continueAt = taken ? line + 1 : 0;
  for (const auto& mark : shape->m_marks) {
    m_currentLine = mark.m_line;
    if (mark.m_kind == BlockShape::MarkKind::kError) return ReportError(mark.m_message, mark.m_column);
    if (taken) continue;
    if (mark.m_kind == BlockShape::MarkKind::kElse) {
      taken = true;
      continueAt = mark.m_line + 1;
      continue;
    }
    TokensPtr list = TokensOf(mark.m_line);
    if (!list) return 1;
    TokenView tokens = list->View();
    Pos pos = 1;
    if (EvaluateCondition(tokens, pos, taken) != 0) return 1;
    if (!tokens[pos].Is(Keyword::kThen)) return ReportError(59, tokens[pos].m_column);
    if (taken) continueAt = mark.m_line + 1;
  }
  m_currentLine = line;
  if (!taken) continueAt = shape->m_closing;
  nextLine = continueAt;
  BlockRecord record;
  record.m_opening = line;
  record.m_closing = shape->m_closing;
  m_ifStack.push_back(std::move(record));
  return 0;
}

int ScriptEngine::ExecuteElse(const TokenView&, Pos, int& nextLine, bool) {
  if (m_ifStack.empty()) return ReportError(16, kNoColumn);
  nextLine = m_ifStack.back().m_closing;
  return 0;
}

// An EndIf without an open If does nothing: robots jump into If blocks with GOTO.
int ScriptEngine::ExecuteEndIf(const TokenView& tokens, Pos pos) {
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  if (!m_ifStack.empty()) m_ifStack.pop_back();
  return 0;
}

int ScriptEngine::ExecuteWhile(const TokenView& tokens, Pos pos, int& nextLine) {
  const int line = m_currentLine;
  bool condition = false;
  ++pos;
  if (EvaluateCondition(tokens, pos, condition) != 0 || ExpectEnd(tokens, pos) != 0) return 1;
  const BlockShape* shape = ShapeOf(line, Keyword::kWhile);
  if (!shape) return 1;
  m_currentLine = line;
  if (shape->m_closing == 0) return ReportError(19, kNoColumn);
  if (!condition) {
    nextLine = shape->m_closing + 1;
    return 0;
  }
  PushLoop(BlockRecord(), BlockKind::kWhile, line, shape->m_closing);
  nextLine = line + 1;
  return 0;
}

void ScriptEngine::PushLoop(BlockRecord record, BlockKind kind, int opening, int closing) {
  record.m_kind = kind;
  record.m_opening = opening;
  record.m_closing = closing;
  record.m_ifDepth = m_ifStack.size();
  record.m_selectDepth = m_selectStack.size();
  record.m_level = m_depth;
  m_loopStack.push_back(std::move(record));
}

const ScriptEngine::BlockRecord* ScriptEngine::LoopTop(BlockKind kind) const {
  if (m_loopStack.empty()) return nullptr;
  const BlockRecord& top = m_loopStack.back();
  return top.m_kind == kind && top.m_level == m_depth ? &top : nullptr;
}

int ScriptEngine::ExecuteWend(const TokenView& tokens, Pos pos, int& nextLine) {
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  const BlockRecord* top = LoopTop(BlockKind::kWhile);
  if (!top) return ReportError(20, kNoColumn);
  nextLine = top->m_opening;
  m_loopStack.pop_back();
  return 0;
}

int ScriptEngine::ExecuteDo(const TokenView& tokens, Pos pos, int& nextLine) {
  const int line = m_currentLine;
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  const BlockShape* shape = ShapeOf(line, Keyword::kDo);
  if (!shape) return 1;
  m_currentLine = line;
  if (shape->m_closing == 0) return ReportError(45, kNoColumn);
  PushLoop(BlockRecord(), BlockKind::kDo, line, shape->m_closing);
  nextLine = line + 1;
  return 0;
}

int ScriptEngine::ExecuteUntil(const TokenView& tokens, Pos pos, int& nextLine) {
  bool condition = false;
  ++pos;
  if (EvaluateCondition(tokens, pos, condition) != 0 || ExpectEnd(tokens, pos) != 0) return 1;
  const BlockRecord* top = LoopTop(BlockKind::kDo);
  if (!top) return ReportError(46, kNoColumn);
  if (condition) m_loopStack.pop_back();
  else nextLine = top->m_opening + 1;
  return 0;
}

bool ScriptEngine::ForTest(const Variant& counter, const BlockRecord& record) const {
  const Variant zero;
  bool upward = VariantGreater(record.m_forStep, zero) || VariantEqual(record.m_forStep, zero);
  if (upward) return VariantLess(counter, record.m_forEnd) || VariantEqual(counter, record.m_forEnd);
  return VariantGreater(counter, record.m_forEnd) || VariantEqual(counter, record.m_forEnd);
}

int ScriptEngine::ExecuteFor(const TokenView& tokens, Pos pos, int& nextLine) {
  const int line = m_currentLine;
  const Token& name = tokens[++pos];
  if (!name.Is(TokenKind::kVariable)) return ReportError(57, name.m_column);
  VariantPtr counter = m_variables.Find(name.m_key);
  if (!counter) {
    if (m_options.m_mustDeclareVars) return ReportError(21, name.m_column);
    counter = m_variables.Assign(name.m_key, Variant());
  }
  if (!tokens[++pos].Is(TokenKind::kEqual)) return ReportError(57, tokens[pos].m_column);
  ++pos;
  Variant start;
  BlockRecord record;
  if (EvaluateExpression(tokens, pos, start) != 0) return 1;
  *counter = std::move(start);
  if (!tokens[pos].Is(Keyword::kTo)) return ReportError(57, tokens[pos].m_column);
  ++pos;
  if (EvaluateExpression(tokens, pos, record.m_forEnd) != 0) return 1;
  record.m_forStep.SetInt(1);
  if (tokens[pos].Is(Keyword::kStep) && EvaluateExpression(tokens, ++pos, record.m_forStep) != 0) return 1;
  if (ExpectEnd(tokens, pos) != 0) return 1;
  const BlockShape* shape = ShapeOf(line, Keyword::kFor);
  if (!shape) return 1;
  m_currentLine = line;
  if (shape->m_closing == 0) return ReportError(50, kNoColumn);
  if (!ForTest(*counter, record)) {
    nextLine = shape->m_closing + 1;
    return 0;
  }
  PushLoop(std::move(record), BlockKind::kFor, line, shape->m_closing);
  nextLine = line + 1;
  return 0;
}

int ScriptEngine::ExecuteNext(const TokenView& tokens, Pos pos, int& nextLine) {
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  if (!LoopTop(BlockKind::kFor)) return ReportError(48, kNoColumn);
  BlockRecord record = std::move(m_loopStack.back());
  m_loopStack.pop_back();
  TokensPtr opening = TokensOf(record.m_opening);
  if (!opening) return 1;
  VariantPtr counter = m_variables.Find((*opening).View()[1].m_key);
  if (!counter) return ReportError(21, kNoColumn);
  counter->Add(record.m_forStep);
  if (!ForTest(*counter, record)) return 0;
  nextLine = record.m_opening + 1;
  m_loopStack.push_back(std::move(record));
  return 0;
}

int ScriptEngine::ExecuteSelect(const TokenView& tokens, Pos pos, int& nextLine) {
  const int line = m_currentLine;
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  const BlockShape* shape = ShapeOf(line, Keyword::kSelect);
  if (!shape) return 1;
  int continueAt = 0;
  for (const auto& mark : shape->m_marks) {
    m_currentLine = mark.m_line;
    if (mark.m_kind == BlockShape::MarkKind::kError) return ReportError(mark.m_message, mark.m_column);
    if (continueAt != 0) continue;
    TokensPtr list = TokensOf(mark.m_line);
    if (!list) return 1;
    TokenView caseTokens = list->View();
    Pos at = 1;
    bool chosen = caseTokens[at].Is(Keyword::kElse);
    if (chosen) ++at;
    else if (EvaluateCondition(caseTokens, at, chosen) != 0) return 1;
    if (ExpectEnd(caseTokens, at) != 0) return 1;
    if (chosen) continueAt = mark.m_line + 1;
  }
  m_currentLine = line;
  BlockRecord record;
  record.m_kind = BlockKind::kSelect;
  record.m_opening = line;
  record.m_closing = shape->m_closing;
  m_selectStack.push_back(std::move(record));
  nextLine = continueAt != 0 ? continueAt : shape->m_closing;
  return 0;
}

int ScriptEngine::ExecuteCase(const TokenView&, Pos, int& nextLine) {
  if (m_selectStack.empty()) return ReportError(51, kNoColumn);
  nextLine = m_selectStack.back().m_closing;
  return 0;
}

int ScriptEngine::ExecuteEndSelect(const TokenView& tokens, Pos pos) {
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  if (m_selectStack.empty()) return ReportError(52, kNoColumn);
  m_selectStack.pop_back();
  return 0;
}

void ScriptEngine::CutBlocks(size_t ifDepth, size_t loopDepth, size_t selectDepth) {
  if (m_ifStack.size() > ifDepth) m_ifStack.resize(ifDepth);
  if (m_loopStack.size() > loopDepth) m_loopStack.resize(loopDepth);
  if (m_selectStack.size() > selectDepth) m_selectStack.resize(selectDepth);
}

int ScriptEngine::ExecuteExitLoop(const TokenView& tokens, Pos pos, int& nextLine) {
  Variant count = Variant::FromInt(1);
  ++pos;
  if (!tokens[pos].IsEnd() && EvaluateExpression(tokens, pos, count) != 0) return 1;
  if (ExpectEnd(tokens, pos) != 0) return 1;
  // A count of 0 or less leaves every loop of this level.
  int remaining = count.AsInt();
  bool all = remaining <= 0;
  while (all || remaining-- > 0) {
    if (m_loopStack.empty() || m_loopStack.back().m_level != m_depth) {
      return all ? 0 : ReportError(49, kNoColumn);
    }
    const BlockRecord& top = m_loopStack.back();
    nextLine = top.m_closing + 1;
    CutBlocks(top.m_ifDepth, m_loopStack.size(), top.m_selectDepth);
    m_loopStack.pop_back();
  }
  return 0;
}

int ScriptEngine::ExecuteContinueLoop(const TokenView& tokens, Pos pos, int& nextLine) {
  if (m_loopStack.empty() || m_loopStack.back().m_level != m_depth) return ReportError(49, kNoColumn);
  if (ExpectEnd(tokens, pos + 1) != 0) return 1;
  const BlockRecord& top = m_loopStack.back();
  CutBlocks(top.m_ifDepth, m_loopStack.size(), top.m_selectDepth);
  nextLine = top.m_closing;
  return 0;
}
