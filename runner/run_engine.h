// What the robot runner needs of the script engine, as a narrow interface: the program implements
// it over its one ScriptEngine, tests with a fake. The runner only borrows it; all calls come
// from the user-interface thread.
#pragma once

#include <string>

class RunEngine {
 public:
  virtual ~RunEngine() = default;

  // Scans the lines loaded into the script store; false when the script cannot run (the engine
  // has already told the user why). Clears the engine's stop flag.
  virtual bool Prepare(const std::string& scriptPath) = 0;
  // Runs the prepared script once from its first line, as the top level; false when a script
  // error was reported during the pass.
  virtual bool Execute() = 0;

  // Forgets the command-line arguments a script would see.
  virtual void ClearScriptArguments() = 0;
  virtual void SetRecWinSwitches(bool useRecWin, bool useSimilarWin) = 0;
  // The engine's stop flag: set by the end hotkey, ends the pass at the next statement.
  virtual void RequestStop() = 0;
  virtual bool StopRequested() const = 0;
  // Whether the program's quit message arrived during a pass (the message itself stays pending).
  virtual bool QuitReceived() const = 0;

  // Tells the user about a problem with the robot file (an OK message box in the program).
  virtual void ShowMessage(const std::string& text) = 0;
};
