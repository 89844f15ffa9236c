// The program's one script engine with its script store, host and robot runner, wired together.
// Owned by the main window and alive as long as it; user-interface thread only.
#pragma once

#include <memory>
#include <string>

#include "engine/host.h"
#include "engine/script_engine.h"
#include "runner/robot_runner.h"
#include "runner/script_engine_run.h"
#include "runner/script_source.h"

class RobotRunEnvironment {
 public:
  // Robot-file problems go to `showMessage`; script errors to the engine's own error box.
  RobotRunEnvironment(const std::string& scriptFolder, ScriptEngineRun::ShowMessageFunction showMessage);
  RobotRunEnvironment(const RobotRunEnvironment&) = delete;
  RobotRunEnvironment& operator=(const RobotRunEnvironment&) = delete;

  RobotRunner& Runner() { return m_runner; }

 private:
  std::unique_ptr<EngineHost> m_host;
  ScriptSource m_source;
  ScriptEngine m_engine;
  ScriptEngineRun m_engineRun;
  RobotRunner m_runner;
};
