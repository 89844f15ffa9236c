// The execution loop: levels, waiting, script hotkeys, Adlib, stopping and quitting.
#include <exception>

#include "engine/script_engine.h"

int ScriptEngine::Execute(int firstLine, bool topLevel) {
  if (!topLevel) {
    if (m_depth >= kMaxNesting) return ReportError(53, kNoColumn);
    ++m_depth;
    RunLevel(firstLine);
    --m_depth;
    return 0;
  }
  if (m_quit) return 0;
  m_state = ExecutionState::kRunning;
  m_depth = 0;
  m_evalDepth = 0;
  m_ifStack.clear();
  m_loopStack.clear();
  m_selectStack.clear();
  try {
    RunLevel(firstLine);
  } catch (const std::exception&) {
    // Out of memory deep inside a run: unwind everything and end the run with a message.
    while (m_variables.InFunction()) m_variables.PopScope();
    m_depth = 0;
    m_evalDepth = 0;
    ReportError(2, kNoColumn);
  }
  FinishTopLevel();
  return 0;
}

// A quit or an error can end a run while a long wait is still pending (a hotkey function runs
// during it), so the timer is stopped here as well as at the last line.
void ScriptEngine::FinishTopLevel() {
  if (m_longWaitPending.exchange(false) && m_longWaitStopper) m_longWaitStopper();
  for (auto& entry : m_runEndHandlers) entry.second();
}

void ScriptEngine::RunLevel(int firstLine) {
  m_levelReturn = false;
  RegisterTags();
  int nextLine = firstLine;
  while (!m_quit && !m_levelReturn) {
    m_pumpedHotkeys.clear();
    if (m_host.PumpMessages(m_pumpedHotkeys)) {
      m_quit = true;
      m_state = ExecutionState::kEnded;
    }
    for (int id : m_pumpedHotkeys) {
      if (m_hotkeyQueue.size() < static_cast<size_t>(kMaxHotkeys)) m_hotkeyQueue.push_back(id);
    }
    if (m_state == ExecutionState::kEnded) break;
    if (WaitStep()) continue;
    if (m_lineGate && !m_lineGate(nextLine)) break;
    RunLine(nextLine);
  }
  m_levelReturn = false;
}

void ScriptEngine::RunLine(int& nextLine) {
  int line = nextLine;
  m_currentLine = line;
  nextLine = line + 1;
  if (line < 1 || line > LineCount() || m_stop) {
    EndRun();
    return;
  }
  TokensPtr tokens = TokensOf(line);
  if (tokens) ExecuteLine(tokens->View(), 0, nextLine);
}

void ScriptEngine::EndRun() {
  if (m_longWaitPending.exchange(false) && m_longWaitStopper) m_longWaitStopper();
  m_state = ExecutionState::kEnded;
}

bool ScriptEngine::WaitStep() {
  if (m_stop) return false;
  if (HotkeyStep()) return true;
  if (m_longWaitPending) {
    m_host.SleepMs(10);
    return true;
  }
  if (AdlibStep()) return true;
  if (m_state == ExecutionState::kRunning) return false;
  return PollWait();
}

bool ScriptEngine::PollWait() {
  const WaitRequest& request = m_wait.m_request;
  m_host.SleepMs(10);
  bool complete = false;
  if (request.m_timeoutMs != 0 && m_host.TickMs() - m_wait.m_start >= request.m_timeoutMs) {
    if (request.m_timeoutGivesZero) m_wait.m_result.SetInt(0);
    complete = true;
  } else if (request.m_poll) {
    WaitPoll poll = request.m_poll(m_wait.m_result);
    if (poll == WaitPoll::kFailed) {
      m_state = ExecutionState::kEnded;
      return true;
    }
    if (poll == WaitPoll::kDone) {
      complete = true;
      if (request.m_delayAfter) m_host.SleepMs(m_options.m_winWaitDelay);
    }
  }
  if (complete) {
    m_levelReturn = true;
    m_state = ExecutionState::kRunning;
  }
  return true;
}

int ScriptEngine::Pause(int ms) {
  if (ms <= 0) return 0;
  WaitRequest request;
  request.m_timeoutMs = static_cast<uint32_t>(ms);
  Variant ignored;
  return Wait(request, ignored);
}

int ScriptEngine::Wait(const WaitRequest& request, Variant& result) {
  m_wait.m_request = request;
  m_wait.m_start = m_host.TickMs();
  m_wait.m_result = result;
  m_state = request.m_state;
  int status = Execute(0, false);
  result = m_wait.m_result;
  return status;
}

int ScriptEngine::RunFunctionBody(int firstLine, bool openScope, bool restoreErrorCode) {
  ActiveWait savedWait = m_wait;
  int savedLine = m_currentLine;
  int savedError = m_errorCode;
  size_t ifDepth = m_ifStack.size(), loopDepth = m_loopStack.size(), selectDepth = m_selectStack.size();
  if (openScope) m_variables.PushScope();
  int status = Execute(firstLine, false);
  if (openScope) m_variables.PopScope();
  CutBlocks(ifDepth, loopDepth, selectDepth);
  m_wait = std::move(savedWait);
  m_currentLine = savedLine;
  if (restoreErrorCode) m_errorCode = savedError;
  return status;
}

// Runs a hotkey or Adlib function in the running state; a wait in progress resumes afterwards.
int ScriptEngine::RunHandlerFunction(const std::string& name) {
  auto it = m_functions.find(name);
  if (it == m_functions.end()) return 0;
  ExecutionState savedState = m_state;
  Variant savedReturn = m_returnValue;
  m_state = ExecutionState::kRunning;
  int status = RunFunctionBody(it->second.m_funcLine + 1, true, true);
  m_returnValue = std::move(savedReturn);
  if (m_state != ExecutionState::kEnded) m_state = savedState;
  return status;
}

bool ScriptEngine::HotkeyStep() {
  if (m_hotkeyQueue.empty()) return false;
  int id = m_hotkeyQueue.front();
  m_hotkeyQueue.pop_front();
  if (id >= 0 && id < kMaxHotkeys && m_hotkeys[static_cast<size_t>(id)].m_used) {
    std::string function = m_hotkeys[static_cast<size_t>(id)].m_function;
    RunHandlerFunction(function);
  }
  return true;
}

bool ScriptEngine::AdlibStep() {
  if (!m_adlib.m_enabled || m_adlib.m_running) return false;
  uint32_t now = m_host.TickMs();
  if (now - m_adlib.m_lastStart < m_adlib.m_period) return false;
  m_adlib.m_lastStart = now;
  m_adlib.m_running = true;
  std::string function = m_adlib.m_function;
  RunHandlerFunction(function);
  m_adlib.m_running = false;
  return m_state == ExecutionState::kEnded;
}
