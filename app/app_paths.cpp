// Where the program finds its files.
#include "app/app_paths.h"

#include <windows.h>

#include <shlobj.h>

#include "builtins/program_version.h"
#include "robot/file_system.h"

std::string ExeFolder() {
  std::string path = builtins::ProgramFilePath();
  std::size_t lastBackslash = path.rfind('\\');
  return path.substr(0, lastBackslash == std::string::npos ? 0 : lastBackslash);
}

std::string ScriptFolder() { return JoinPath(ExeFolder(), "script"); }

std::string OptionFilePath() { return JoinPath(ExeFolder(), "option.ini"); }

std::string UpdateIniPath() { return JoinPath(ExeFolder(), "update.ini"); }

std::string DocumentsFolder() {
  char folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) return folder;
  return ExeFolder();
}
