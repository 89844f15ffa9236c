// Where the program finds its files.
#include "app/app_paths.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

#include "robot/file_system.h"

std::string ExePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // a long path was cut: try again with more room
  }
}

std::string ExeFolder() {
  std::string path = ExePath();
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
