// Runs robots: load, prepare, repeat, clean up.
#include "runner/robot_runner.h"

#include <utility>

#include "robot/file_system.h"
#include "robot/robot.h"
#include "robot/text_util.h"

namespace {

constexpr int kRepeatUntilEndHotkey = 1;

}  // namespace

RobotRunner::RobotRunner(ScriptSource& source, RunEngine& engine, std::string scriptFolder)
    : m_source(source), m_engine(engine), m_scriptFolder(std::move(scriptFolder)) {}

bool RobotRunner::RunRobotFile(const std::string& path) {
  if (m_running) return false;  // a run request from a handler inside a run
  m_stopRepeat = false;
  Robot robot;
  const LoadResult robotLoaded = robot.Load(path);
  if (!robotLoaded.m_message.empty()) m_engine.ShowMessage(robotLoaded.m_message);
  m_source.SetSpeedOption(robot.m_speedOption);
  // A robot whose recorded windows are damaged still runs the lines that were read.
  const LoadResult scriptLoaded = m_source.LoadRobotScript(path, 0);
  if (!scriptLoaded.m_message.empty()) m_engine.ShowMessage(scriptLoaded.m_message);
  m_source.BuildLineArray();
  if (!m_engine.Prepare(path)) {
    m_source.Clear();
    return false;
  }
  m_engine.SetRecWinSwitches(robot.m_useRecWin != 0, robot.m_useSimilarWin != 0);
  const std::string workingDirectory = WorkingDirectory();
  m_running = true;
  RepeatPasses(robot.m_repeatOption, robot.m_repeatTimes);
  FinishRun(workingDirectory);
  return true;
}

bool RobotRunner::RunScriptFile(const std::string& path) {
  if (m_running) return false;
  m_engine.ClearScriptArguments();
  const int fileIndex = m_source.AddFile(path);
  const LoadResult loaded = m_source.LoadRobotScript(path, fileIndex);
  if (!loaded.m_message.empty()) m_engine.ShowMessage(loaded.m_message);
  m_source.BuildLineArray();
  if (!m_engine.Prepare(FullPath(path))) {
    m_source.Clear();
    return false;
  }
  const std::string workingDirectory = WorkingDirectory();
  m_running = true;
  m_engine.Execute();
  FinishRun(workingDirectory);
  return true;
}

void RobotRunner::FinishRun(const std::string& workingDirectory) {
  m_source.Clear();
  if (!workingDirectory.empty()) SetWorkingDirectory(workingDirectory);
  m_running = false;
}

void RobotRunner::RepeatPasses(int repeatOption, int repeatTimes) {
  bool passOk = true;
  if (repeatOption == kRepeatUntilEndHotkey) {
    do {
      passOk = m_engine.Execute();
    } while (MayRunAnotherPass(m_engine.StopRequested(), passOk));
    return;
  }
  for (int pass = 0; pass < repeatTimes && MayRunAnotherPass(m_stopRepeat, passOk); ++pass) {
    passOk = m_engine.Execute();
  }
}

bool RobotRunner::MayRunAnotherPass(bool stopFlag, bool lastPassOk) const {
  // A reported script error ends the whole run, not only its pass.
  return !stopFlag && lastPassOk && !m_engine.QuitReceived();
}

bool RobotRunner::RunRobotByName(const std::string& name) {
  if (name.empty()) return false;
  return RunRobotFile(FindRobotFile(m_scriptFolder, name));
}

void RobotRunner::Stop() {
  m_engine.RequestStop();
  m_stopRepeat = true;
}

std::string FindRobotFile(const std::string& scriptFolder, const std::string& name) {
  const std::string wanted = name + ".txt";
  std::string sameButCase;
  for (const std::string& fileName : ListTextFiles(scriptFolder)) {
    if (fileName == wanted) return JoinPath(scriptFolder, fileName);
    if (sameButCase.empty() && EqualsNoCase(fileName, wanted)) sameButCase = fileName;
  }
  return sameButCase.empty() ? RobotFilePath(scriptFolder, name) : JoinPath(scriptFolder, sameButCase);
}
