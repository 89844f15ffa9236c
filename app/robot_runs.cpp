// RobotRuns: the engine, store and runner of the program, and the "Run Script:" file prompt.
#include "app/robot_runs.h"

#include <commdlg.h>

#include <vector>

#include "app/app_paths.h"
#include "app/resource_text.h"

namespace {

// The file-name buffer is far larger than a classic path, so long paths are not cut.
constexpr size_t kFileNameChars = 32768;
// Two strings per filter, and the list ends with an empty one.
constexpr char kScriptFilter[] = "Kovrint files (*.txt)\0*.txt\0";

// Asks for an existing script file; empty when the user cancels.
std::string AskScriptFile(HWND owner) {
  std::vector<char> fileName(kFileNameChars, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kScriptFilter;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = static_cast<DWORD>(fileName.size());
  dialog.lpstrTitle = "Run Script:";
  dialog.lpstrDefExt = "txt";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) return {};
  return fileName.data();
}

}  // namespace

RobotRuns::RobotRuns(HWND owner)
    : m_owner(owner),
      m_host(CreatePlatformHost(false)),
      m_engine(m_source, *m_host),
      m_engineRun(m_engine, [this](const std::string& text) { ShowAppMessage(m_owner, text, MB_OK); }),
      m_runner(m_source, m_engineRun, ScriptFolder()) {}

bool RobotRuns::RunByName(const std::string& name) { return m_runner.RunRobotByName(name); }

bool RobotRuns::RunFile(const std::string& path) { return m_runner.RunRobotFile(path); }

bool RobotRuns::RunScriptFile(const std::string& path) {
  // No prompt in the middle of a run: the runner would refuse the file anyway.
  if (IsRunning()) return false;
  const std::string file = path.empty() ? AskScriptFile(m_owner) : path;
  return !file.empty() && m_runner.RunScriptFile(file);
}
