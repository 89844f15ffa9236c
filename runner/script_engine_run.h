// The runner's view of the program's ScriptEngine: prepares and executes it, carries the stop
// request and the RecWin switches (the engine asks the recorded-window check before each line
// while RecWin is on), and shows robot-file problems through the program's message function.
// Borrows the engine and its script store, which must outlive it; user-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "engine/script_engine.h"
#include "runner/run_engine.h"

class ScriptEngineRun : public RunEngine {
 public:
  using ShowMessageFunction = std::function<void(const std::string& text)>;

  ScriptEngineRun(ScriptEngine& engine, ShowMessageFunction showMessage);

  bool Prepare(const std::string& scriptPath) override;
  bool Execute() override;
  void ClearScriptArguments() override;
  void SetRecWinSwitches(bool useRecWin, bool useSimilarWin) override;
  void RequestStop() override;
  bool StopRequested() const override { return m_stopRequested; }
  bool QuitReceived() const override { return m_engine.QuitReceived(); }
  void ShowMessage(const std::string& text) override;

 private:
  ScriptEngine& m_engine;
  ShowMessageFunction m_showMessage;
  bool m_stopRequested = false;
};
