// ScriptEngine: the interpreter. It reads numbered lines from a ScriptSource, runs them as
// nested execution levels, calls built-ins through the table in builtins/table.cpp, and talks
// to the platform through an EngineHost. One engine per process in the program (tests make
// their own); it does not own the source or the host, which must outlive it. Everything runs on
// the thread that calls Prepare/Execute, except LongWaitPending(), which a timer thread may clear.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/builtin.h"
#include "engine/host.h"
#include "engine/options.h"
#include "engine/services.h"
#include "engine/token.h"
#include "engine/variable_table.h"
#include "engine/variant.h"

class ScriptSource;

enum class ExecutionState {
  kRunning = 0,
  kEnded = 1,
  kPausing = 2,
  kWaitWindowExists = 3,
  kWaitWindowClose = 4,
  kWaitWindowActive = 5,
  kWaitWindowNotActive = 6,
  kWaitProgram = 7,
  kWaitProcessExists = 8,
  kWaitProcessClose = 9,
};

enum class WaitPoll { kPending, kDone, kFailed };

// What a waiting built-in asks of the engine. The engine sleeps 10 ms per poll, pumping messages
// and running hotkey and Adlib functions in between.
struct WaitRequest {
  ExecutionState m_state = ExecutionState::kPausing;
  uint32_t m_timeoutMs = 0;       // 0: no limit
  bool m_timeoutGivesZero = false;  // the result becomes 0 when the limit passes
  bool m_delayAfter = false;        // pause for WinWaitDelay once the condition holds
  // Tests the condition; null for a plain pause. kDone may set the result; kFailed means the
  // poll reported an engine message.
  std::function<WaitPoll(Variant& result)> m_poll;
};

class ScriptEngine {
 public:
  static constexpr int kNoColumn = -1;
  static constexpr int kMaxNesting = 384;
  static constexpr int kMaxHotkeys = 64;

  ScriptEngine(ScriptSource& source, EngineHost& host);
  ~ScriptEngine();
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  // Checks and indexes the loaded script; 0 ready, 1 when a message was reported.
  int Prepare(const std::string& scriptPath);
  // Runs one execution level from `firstLine`. The runner calls Execute(1, true) once per
  // repetition; 1 only when the nesting limit refused a nested level.
  int Execute(int firstLine, bool topLevel);
  void Stop() { m_stop = true; }
  bool QuitReceived() const { return m_quit; }
  // True once any message was reported since the last Prepare.
  bool ErrorReported() const { return m_errorReported; }
  // Asked before each line when set (recorded-window checks); false ends the level.
  void SetLineGate(std::function<bool(int line)> gate) { m_lineGate = std::move(gate); }

  // For built-ins.
  void SetErrorCode(int code) { m_errorCode = code; }
  int ErrorCode() const { return m_errorCode; }
  int ReportError(int message, int column);
  int ReportErrorWithText(int message, const std::string& extra);
  // Reports a text that is not in the message table (used for unavailable built-ins).
  int ReportFreeText(const std::string& text, int column);
  EngineOptions& Options() { return m_options; }
  // Sets a script option by name; false for a name not in the option table.
  bool SetOption(const std::string& name, int value, int& previous);
  EngineHost& Host() { return m_host; }
  ServiceRegistry& Services() { return m_services; }
  ScriptSource& Source() { return m_source; }
  VariableTable& Variables() { return m_variables; }
  std::mt19937& Random() { return m_random; }
  const std::string& ScriptFullPath() const { return m_scriptFullPath; }
  const std::string& ScriptName() const { return m_scriptName; }
  const std::string& ScriptDir() const { return m_scriptDir; }
  // Pauses `ms` (the pausing state); 0 when done, 1 when a nested level was refused.
  int Pause(int ms);
  // Waits as asked; `result` receives what the wait produced. 0 done, 1 failed.
  int Wait(const WaitRequest& request, Variant& result);
  std::atomic<bool>& LongWaitPending() { return m_longWaitPending; }
  // Called when the run ends while a long wait is pending, to stop its timer.
  void SetLongWaitStopper(std::function<void()> stopper) { m_longWaitStopper = std::move(stopper); }
  // Called when every top-level run ends, however it ended (end, Exit, stop, error, quit), so
  // that nothing a run pressed, held or blocked outlives it. One handler per key; setting a key
  // again replaces its handler. Handlers must not throw.
  void SetRunEndHandler(const std::string& key, std::function<void()> handler) {
    m_runEndHandlers[key] = std::move(handler);
  }

  // Built-ins of the engine itself (builtins/engine_builtins.cpp).
  int CallByName(const std::string& name, Variant& result);
  int EnableAdlib(const std::string& name, int periodMs);
  void DisableAdlib() { m_adlib.m_enabled = false; }
  // HOTKEYSET once the key is parsed: keyCode = modifiers | virtualKey << 16.
  int SetHotkey(int keyCode, const std::string* function, Variant& result);
  bool IsUserFunction(const std::string& upperName) const;

 private:
  enum class BlockKind { kIf, kWhile, kDo, kFor, kSelect };
  struct BlockRecord {
    BlockKind m_kind = BlockKind::kIf;
    int m_opening = 0;
    int m_closing = 0;
    Variant m_forEnd;
    Variant m_forStep;
    size_t m_ifDepth = 0;
    size_t m_selectDepth = 0;
    int m_level = 0;
  };
  // What an opening line's scan found: its depth-0 markers in line order, and its closer.
  struct BlockShape {
    enum class MarkKind { kElseIf, kElse, kCase, kError };
    struct Mark {
      int m_line;
      MarkKind m_kind;
      int m_message;
      int m_column;
    };
    std::vector<Mark> m_marks;
    int m_closing = 0;  // 0: the script ended before the closer
  };
  struct UserFunction {
    int m_funcLine = 0;
    int m_paramCount = 0;
    int m_endLine = 0;
  };
  struct HotkeySlot {
    bool m_used = false;
    int m_keyCode = 0;
    std::string m_function;
  };
  struct Adlib {
    std::string m_function;
    bool m_enabled = false;
    bool m_running = false;
    uint32_t m_lastStart = 0;
    uint32_t m_period = 250;
  };
  struct ActiveWait {
    WaitRequest m_request;
    uint32_t m_start = 0;
    Variant m_result;
  };
  using TokensPtr = std::shared_ptr<const TokenList>;
  using Pos = size_t;

  // Lines and tokens (engine_lines.cpp).
  TokensPtr TokensOf(int line);
  void InvalidateCaches();
  const std::string& LineText(int line) const;
  int LineCount() const;

  // Preparation (engine_prepare.cpp).
  int ScanFunctions();
  int ScanFunctionAt(int line, const TokenView& tokens, int& endLine);
  int CheckUndeclaredFunctions();
  void RegisterTags();

  // Execution loop (engine_loop.cpp).
  void RunLevel(int firstLine);
  bool WaitStep();
  bool PollWait();
  void RunLine(int& nextLine);
  int RunFunctionBody(int firstLine, bool openScope, bool restoreErrorCode);
  int RunHandlerFunction(const std::string& name);
  bool HotkeyStep();
  bool AdlibStep();
  void EndRun();
  void FinishTopLevel();

  // Expressions (engine_expression.cpp).
  int EvaluateExpression(const TokenView& tokens, Pos& pos, Variant& result);
  int EvaluateCondition(const TokenView& tokens, Pos& pos, bool& result);
  int EvaluateOperand(const TokenView& tokens, Pos& pos, Variant& value);
  Pos SkipOperand(const TokenView& tokens, Pos pos, bool& unbalanced) const;
  int CallBuiltin(const TokenView& tokens, Pos& pos, Variant& result);
  // At a function word: `args` becomes the tokens inside its parentheses, ended by `argsEnd`, and
  // `pos` moves past the ")". 1 (reported) without "(" or matching ")".
  int SliceArguments(const TokenView& tokens, Pos& pos, Token& argsEnd, TokenView& args);
  int ReadMacro(const Token& token, Variant& value);

  // Variables (engine_variables.cpp).
  int ReadVariable(const TokenView& tokens, Pos& pos, Variant& value);
  int ResolveElement(const TokenView& tokens, Pos& pos, Variant& array, int column, VariantPtr& element);
  int ReadSubscripts(const TokenView& tokens, Pos& pos, std::vector<int>& subscripts);
  int ExecuteAssignment(const TokenView& tokens, Pos pos);
  int ExecuteDeclaration(const TokenView& tokens, Pos pos);
  int DeclareItem(const TokenView& tokens, Pos& pos, VariableTable::Mode mode, bool reDim);
  int DeclareArray(const TokenView& tokens, Pos& pos, Variant& variable, bool reDim);

  // Statements (engine_statements.cpp).
  int ExecuteLine(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteKeyword(const TokenView& tokens, Pos pos, int& nextLine);
  int ExpectEnd(const TokenView& tokens, Pos pos);
  int CallUserFunction(const TokenView& tokens, Pos& pos, Variant& result);
  int BindArguments(const TokenView& args, const UserFunction& function, int column,
                    std::vector<std::pair<std::string, VariantPtr>>& bound);
  int BindByRef(const TokenView& args, Pos& pos, VariantPtr& target);
  int ExecuteReturn(const TokenView& tokens, Pos pos);
  int ExecuteExit(const TokenView& tokens, Pos pos);
  int ExecuteGoto(int& nextLine);

  // Blocks (engine_blocks.cpp).
  const BlockShape* ShapeOf(int line, Keyword opener);
  int ExecuteIf(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteIfBlock(bool taken, int& nextLine);
  int ExecuteElse(const TokenView& tokens, Pos pos, int& nextLine, bool isElseIf);
  int ExecuteEndIf(const TokenView& tokens, Pos pos);
  int ExecuteWhile(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteWend(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteDo(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteUntil(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteFor(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteNext(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteSelect(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteCase(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteEndSelect(const TokenView& tokens, Pos pos);
  int ExecuteExitLoop(const TokenView& tokens, Pos pos, int& nextLine);
  int ExecuteContinueLoop(const TokenView& tokens, Pos pos, int& nextLine);
  bool ForTest(const Variant& counter, const BlockRecord& record) const;
  const BlockRecord* LoopTop(BlockKind kind) const;
  void CutBlocks(size_t ifDepth, size_t loopDepth, size_t selectDepth);
  void PushLoop(BlockRecord record, BlockKind kind, int opening, int closing);

  ScriptSource& m_source;
  EngineHost& m_host;
  ServiceRegistry m_services;
  EngineOptions m_options;
  VariableTable m_variables;
  std::mt19937 m_random;

  ExecutionState m_state = ExecutionState::kRunning;
  int m_depth = 0;
  int m_evalDepth = 0;
  bool m_levelReturn = false;
  bool m_stop = false;
  bool m_quit = false;
  bool m_errorReported = false;
  int m_currentLine = 0;
  int m_errorCode = 0;
  Variant m_returnValue;
  ActiveWait m_wait;
  std::atomic<bool> m_longWaitPending{false};
  std::function<void()> m_longWaitStopper;
  std::map<std::string, std::function<void()>> m_runEndHandlers;
  std::function<bool(int)> m_lineGate;
  std::string m_scriptFullPath, m_scriptName, m_scriptDir;

  std::vector<BlockRecord> m_ifStack, m_loopStack, m_selectStack;
  std::unordered_map<std::string, int> m_tags;  // name -> TAG line
  bool m_tagsRegistered = false;
  std::unordered_map<std::string, UserFunction> m_functions;

  std::vector<HotkeySlot> m_hotkeys;
  std::deque<int> m_hotkeyQueue;
  std::vector<int> m_pumpedHotkeys;
  Adlib m_adlib;

  std::vector<TokensPtr> m_tokenCache;
  std::unordered_map<int, std::unique_ptr<BlockShape>> m_shapes;
};
