// Runs robots: loads a robot file into the script store and executes it once or repeatedly, by
// its repeat option, until the end hotkey, a script error or a quit request. One runner for the
// program, living as long as the main window; it borrows the script store and the engine.
// Single-threaded, but re-entered from message handlers during a run: runs never nest.
#pragma once

#include <string>

#include "runner/run_engine.h"
#include "runner/script_source.h"

class RobotRunner {
 public:
  RobotRunner(ScriptSource& source, RunEngine& engine, std::string scriptFolder);

  // Runs the robot whose file is at `path`. True when the engine accepted the script (whatever
  // happened in the passes); false when it did not, or when a run is already in progress.
  bool RunRobotFile(const std::string& path);
  // Runs the robot of that name from the script folder, its file found without regard to case
  // (names may arrive lower-cased from the command line). False at once for an empty name.
  bool RunRobotByName(const std::string& name);

  // Runs any file of statements once, read as a robot's script section (the "Run Script:"
  // command): no speed, repeat or window settings of its own, no command-line arguments.
  // False when the file's statements cannot run or a run is already in progress.
  bool RunScriptFile(const std::string& path);

  // The end hotkey: ends the current pass at the next statement, and starts no further pass.
  void Stop();
  bool IsRunning() const { return m_running; }

 private:
  void RepeatPasses(int repeatOption, int repeatTimes);
  // Ends a run: the store emptied, the working directory as it was before.
  void FinishRun(const std::string& workingDirectory);
  // The next pass may start: no stop, no quit, no error in the pass before.
  bool MayRunAnotherPass(bool stopFlag, bool lastPassOk) const;

  ScriptSource& m_source;
  RunEngine& m_engine;
  std::string m_scriptFolder;
  bool m_running = false;
  bool m_stopRepeat = false;
};

// The path of the robot file for `name` in `scriptFolder`: an existing file whose name matches
// without regard to case when there is one, else the plain path for the name.
std::string FindRobotFile(const std::string& scriptFolder, const std::string& name);
