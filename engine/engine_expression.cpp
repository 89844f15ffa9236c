// Expression evaluation: an operator-precedence parser over a table of actions, with
// short-circuit AND and OR, and the operands (literals, variables, macros, calls).
#include <array>

#include "builtins/macros.h"
#include "builtins/table.h"
#include "engine/script_engine.h"

namespace {

// Operator codes; they index the rows and columns of the action table through kGroupOf.
enum Op {
  kLess, kGreater, kLessEqual, kGreaterEqual, kNotEqual, kEqual, kEqualCase, kAnd, kOr, kConcat,
  kNot, kPlus, kMinus, kMultiply, kDivide, kPower, kNegate, kOpen, kClose, kEnd, kOpCount
};

enum Action : char { S = 'S', R = 'R', P = 'P', A = 'A', E7 = '7', E8 = '8', E9 = '9' };

// Operators that behave alike share a row and a column of the table.
constexpr std::array<int, kOpCount> kGroupOf = {0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 9, 10};
constexpr int kGroups = 11;

// Row: group of the operator on top of the stack; column: group of the incoming operator.
// Columns: cmp, AND/OR, &, NOT, + -, * /, ^, unary -, (, ), end.
constexpr Action kActions[kGroups][kGroups] = {
    /* cmp    */ {R, R, S, S, S, S, S, S, S, P, R},
    /* AND OR */ {S, R, S, S, S, S, S, S, S, P, R},
    /* &      */ {R, R, R, S, S, S, S, S, S, P, R},
    /* NOT    */ {R, R, R, S, R, R, R, S, S, P, R},
    /* + -    */ {R, R, R, S, R, S, S, S, S, P, R},
    /* * /    */ {R, R, R, S, R, R, S, S, S, P, R},
    /* ^      */ {R, R, R, S, R, R, R, S, S, P, R},
    /* neg    */ {R, R, R, S, R, R, R, S, S, P, R},
    /* (      */ {S, S, S, S, S, S, S, S, S, P, E7},
    /* )      */ {R, R, R, R, R, R, R, R, E8, P, R},
    /* end    */ {S, S, S, S, S, S, S, S, S, E9, A},
};

Action ActionFor(int top, int incoming) { return kActions[kGroupOf[top]][kGroupOf[incoming]]; }

bool IsOperand(TokenKind kind) {
  return kind == TokenKind::kLiteral || kind == TokenKind::kVariable || kind == TokenKind::kMacro ||
         kind == TokenKind::kFunction || kind == TokenKind::kUserFunction;
}

// The operator code of a token that is not an operand or a minus; kEnd for everything else.
int OpOf(const Token& token) {
  switch (token.m_kind) {
    case TokenKind::kLess: return kLess;
    case TokenKind::kGreater: return kGreater;
    case TokenKind::kLessEqual: return kLessEqual;
    case TokenKind::kGreaterEqual: return kGreaterEqual;
    case TokenKind::kNotEqual: return kNotEqual;
    case TokenKind::kEqual: return kEqual;
    case TokenKind::kEqualCase: return kEqualCase;
    case TokenKind::kConcat: return kConcat;
    case TokenKind::kPlus: return kPlus;
    case TokenKind::kMultiply: return kMultiply;
    case TokenKind::kDivide: return kDivide;
    case TokenKind::kPower: return kPower;
    case TokenKind::kLeftParen: return kOpen;
    case TokenKind::kRightParen: return kClose;
    case TokenKind::kKeyword:
      if (token.Is(Keyword::kAnd)) return kAnd;
      if (token.Is(Keyword::kOr)) return kOr;
      if (token.Is(Keyword::kNot)) return kNot;
      return kEnd;
    default: return kEnd;
  }
}

void ApplyBinary(int op, Variant& left, const Variant& right) {
  switch (op) {
    case kLess: left.SetInt(VariantLess(left, right)); break;
    case kGreater: left.SetInt(VariantGreater(left, right)); break;
    case kLessEqual: left.SetInt(VariantLess(left, right) || VariantEqual(left, right)); break;
    case kGreaterEqual: left.SetInt(VariantGreater(left, right) || VariantEqual(left, right)); break;
    case kNotEqual: left.SetInt(!VariantEqual(left, right)); break;
    case kEqual: left.SetInt(VariantEqual(left, right)); break;
    case kEqualCase: left.SetInt(VariantEqualCase(left, right)); break;
    case kAnd: left.SetInt(VariantAnd(left, right)); break;
    case kOr: left.SetInt(VariantOr(left, right)); break;
    case kConcat: left.Concat(right); break;
    case kPlus: left.Add(right); break;
    case kMinus: left.Subtract(right); break;
    case kMultiply: left.Multiply(right); break;
    case kDivide: left.Divide(right); break;
    case kPower: left.Power(right); break;
    default: break;
  }
}

// Small stacks kept on the C++ stack for the usual short expressions.
template <class T, size_t N>
class SmallStack {
 public:
  void Push(T value) {
    if (m_size < N) m_inline[m_size] = std::move(value);
    else m_overflow.push_back(std::move(value));
    ++m_size;
  }
  T& Top() { return m_size <= N ? m_inline[m_size - 1] : m_overflow.back(); }
  void Pop() {
    --m_size;
    if (m_size >= N) m_overflow.pop_back();
  }
  size_t Size() const { return m_size; }

 private:
  std::array<T, N> m_inline{};
  std::vector<T> m_overflow;
  size_t m_size = 0;
};

struct EvalStacks {
  SmallStack<int, 16> m_ops;
  SmallStack<Variant, 8> m_values;

  // Applies the operator on top; false when there are too few values.
  bool Reduce() {
    int op = m_ops.Top();
    m_ops.Pop();
    bool unary = op == kNot || op == kNegate;
    if (m_values.Size() < (unary ? 1u : 2u)) return false;
    if (op == kNot) {
      m_values.Top().Not();
    } else if (op == kNegate) {
      m_values.Top().Multiply(Variant::FromInt(-1));
    } else {
      Variant right = std::move(m_values.Top());
      m_values.Pop();
      ApplyBinary(op, m_values.Top(), right);
    }
    return true;
  }
};

constexpr int kMaxEvalDepth = 2048;

}  // namespace

int ScriptEngine::EvaluateCondition(const TokenView& tokens, Pos& pos, bool& result) {
  Variant value;
  if (EvaluateExpression(tokens, pos, value) != 0) return 1;
  result = value.IsTrue();
  return 0;
}

int ScriptEngine::EvaluateExpression(const TokenView& tokens, Pos& pos, Variant& result) {
  if (m_evalDepth >= kMaxEvalDepth) return ReportError(53, kNoColumn);
  struct DepthGuard {
    int& m_depth;
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
  } guard(m_evalDepth);

  const int column = tokens[pos].m_column;
  EvalStacks stacks;
  stacks.m_ops.Push(kEnd);
  bool afterOperand = false;
  while (true) {
    const Token& token = tokens[pos];
    if (IsOperand(token.m_kind)) {
      Variant value;
      if (EvaluateOperand(tokens, pos, value) != 0) return 1;
      stacks.m_values.Push(std::move(value));
      afterOperand = true;
      continue;
    }
    int op = token.Is(TokenKind::kMinus) ? (afterOperand ? kMinus : kNegate) : OpOf(token);
    if (op != kEnd) ++pos;
    while (true) {
      Action action = ActionFor(stacks.m_ops.Top(), op);
      if (action == R) {
        if (!stacks.Reduce()) return ReportError(10, column);
        continue;
      }
      if (action == S) {
        stacks.m_ops.Push(op);
        afterOperand = false;
        break;
      }
      if (action == P) {
        while (stacks.m_ops.Top() != kOpen) {
          if (stacks.m_ops.Top() == kEnd) return ReportError(9, column);
          if (!stacks.Reduce()) return ReportError(10, column);
        }
        stacks.m_ops.Pop();
        afterOperand = true;
        break;
      }
      if (action == A) {
        if (stacks.m_values.Size() != 1) return ReportError(10, column);
        result = std::move(stacks.m_values.Top());
        return 0;
      }
      return ReportError(action - '0', column);
    }
    if ((op == kAnd || op == kOr) && stacks.m_values.Size() > 0) {
      Variant& left = stacks.m_values.Top();
      bool truth = left.IsTrue();
      if (op == kAnd ? !truth : truth) {
        bool unbalanced = false;
        pos = SkipOperand(tokens, pos, unbalanced);
        if (unbalanced) return ReportError(10, column);
        left.SetInt(op == kAnd ? 0 : 1);
        stacks.m_ops.Pop();
        afterOperand = true;
      }
    }
  }
}

// Skips the right operand of a short-circuited AND or OR without evaluating it.
ScriptEngine::Pos ScriptEngine::SkipOperand(const TokenView& tokens, Pos pos, bool& unbalanced) const {
  int depth = 0;
  while (true) {
    const Token& token = tokens[pos];
    if (token.IsEnd()) {
      unbalanced = depth > 0;
      return pos;
    }
    if (token.Is(TokenKind::kLeftParen)) {
      ++depth;
    } else if (token.Is(TokenKind::kRightParen)) {
      if (depth == 0) return pos;
      --depth;
    } else if (depth == 0 && (token.Is(TokenKind::kComma) ||
                              (token.Is(TokenKind::kKeyword) && !token.Is(Keyword::kNot)))) {
      return pos;
    }
    ++pos;
  }
}

int ScriptEngine::EvaluateOperand(const TokenView& tokens, Pos& pos, Variant& value) {
  const Token& token = tokens[pos];
  switch (token.m_kind) {
    case TokenKind::kLiteral:
      value = token.m_value;
      ++pos;
      return 0;
    case TokenKind::kVariable: return ReadVariable(tokens, pos, value);
    case TokenKind::kMacro: ++pos; return ReadMacro(token, value);
    case TokenKind::kFunction: return CallBuiltin(tokens, pos, value);
    default: return CallUserFunction(tokens, pos, value);
  }
}

int ScriptEngine::ReadMacro(const Token& token, Variant& value) {
  switch (builtins::ReadMacro(*this, token.m_key, value)) {
    case builtins::MacroResult::kValue: return 0;
    case builtins::MacroResult::kUnknown: return ReportError(34, token.m_column);
    default: return 1;
  }
}

int ScriptEngine::SliceArguments(const TokenView& tokens, Pos& pos, Token& argsEnd, TokenView& args) {
  const int column = tokens[pos].m_column;
  if (!tokens[pos + 1].Is(TokenKind::kLeftParen)) return ReportError(11, column);
  int depth = 0;
  for (Pos close = pos + 1;; ++close) {
    const Token& token = tokens[close];
    if (token.IsEnd()) return ReportError(11, token.m_column);
    if (token.Is(TokenKind::kLeftParen)) ++depth;
    if (token.Is(TokenKind::kRightParen) && --depth == 0) {
      argsEnd.m_column = column;
      args = tokens.Slice(pos + 2, close - pos - 2, argsEnd);
      pos = close + 1;
      return 0;
    }
  }
}

int ScriptEngine::CallBuiltin(const TokenView& tokens, Pos& pos, Variant& result) {
  const Token& function = tokens[pos];
  const BuiltinEntry& entry = BuiltinAt(function.m_index);
  Token argsEnd;
  TokenView args = tokens;
  if (SliceArguments(tokens, pos, argsEnd, args) != 0) return 1;

  ArgList list;
  for (Pos at = 0; !args[at].IsEnd();) {
    Variant value;
    if (EvaluateExpression(args, at, value) != 0) return 1;
    list.Values().push_back(std::move(value));
    if (args[at].Is(TokenKind::kComma)) ++at;
  }
  int count = static_cast<int>(list.Size());
  if (count < entry.m_minArgs || count > entry.m_maxArgs) return ReportError(12, function.m_column);
  result.SetInt(1);
  m_errorCode = 0;
  int status = entry.m_handler(*this, list, result);
  return status != 0 || m_state == ExecutionState::kEnded ? 1 : 0;
}
