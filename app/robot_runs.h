// RobotRuns: the program's one script engine (on the Win32 host), its script store and the robot
// runner, behind the few calls the main window makes: run a robot by name or file, run a plain
// script file once, stop, ask whether a run is in progress.
//
// Owned by the main window and created with it; the owner window it is given must outlive it. It
// owns the host, the store, the engine and the runner. User-interface thread only: a run pumps
// messages, so its calls are re-entered from message handlers, and a run asked for during another
// run is refused.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/host.h"
#include "engine/script_engine.h"
#include "runner/robot_runner.h"
#include "runner/script_engine_run.h"
#include "runner/script_source.h"

class RobotRuns {
public:
  // Robot-file problems are shown in message boxes owned by `owner`.
  explicit RobotRuns(HWND owner);
  RobotRuns(const RobotRuns&) = delete;
  RobotRuns& operator=(const RobotRuns&) = delete;

  // True when the engine accepted the robot's script (the runner's result).
  bool RunByName(const std::string& name);
  bool RunFile(const std::string& path);
  // Runs a file of statements once; with an empty path the user picks one first ("Run Script:").
  // Nothing happens while another run is in progress or when the user cancels.
  bool RunScriptFile(const std::string& path);
  // The end hotkey: ends the current pass and starts no further one.
  void Stop() { m_runner.Stop(); }
  bool IsRunning() const { return m_runner.IsRunning(); }

private:
  HWND m_owner;
  std::unique_ptr<EngineHost> m_host;
  ScriptSource m_source;
  ScriptEngine m_engine;
  ScriptEngineRun m_engineRun;
  RobotRunner m_runner;
};
