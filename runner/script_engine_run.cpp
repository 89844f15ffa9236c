// The runner's view of the program's ScriptEngine.
#include "runner/script_engine_run.h"

#include <utility>

#include "runner/rec_win_check.h"

ScriptEngineRun::ScriptEngineRun(ScriptEngine& engine, ShowMessageFunction showMessage)
    : m_engine(engine), m_showMessage(std::move(showMessage)) {}

bool ScriptEngineRun::Prepare(const std::string& scriptPath) {
  m_stopRequested = false;  // Prepare clears the engine's stop flag too
  return m_engine.Prepare(scriptPath) == 0;
}

bool ScriptEngineRun::Execute() {
  m_engine.Execute(1, true);
  return !m_engine.ErrorReported();
}

void ScriptEngineRun::ClearScriptArguments() {
  // No arguments: $CMDLINE holds just its count, 0.
  Variant arguments;
  arguments.CreateArray({1});
  arguments.Element({0})->SetInt(0);
  m_engine.Variables().Assign("CMDLINE", arguments, VariableTable::Mode::kGlobal);
}

void ScriptEngineRun::SetRecWinSwitches(bool useRecWin, bool useSimilarWin) {
  if (!useRecWin) {
    m_engine.SetLineGate(nullptr);
    return;
  }
  ScriptSource& source = m_engine.Source();
  m_engine.SetLineGate([&source, useSimilarWin](int line) { return RecWinCheck(source, line, useSimilarWin); });
}

void ScriptEngineRun::RequestStop() {
  m_stopRequested = true;
  m_engine.Stop();
}

void ScriptEngineRun::ShowMessage(const std::string& text) {
  if (m_showMessage) m_showMessage(text);
}
