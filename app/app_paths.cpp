// Where the program finds its files.
#include "app/app_paths.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

#include "robot/file_system.h"

std::string ExeFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::string path(buffer.data(), length);
      return path.substr(0, path.rfind('\\') == std::string::npos ? 0 : path.rfind('\\'));
    }
    buffer.resize(buffer.size() * 2);  // a long path was cut: try again with more room
  }
}

std::string ScriptFolder() { return JoinPath(ExeFolder(), "script"); }

std::string OptionFilePath() { return JoinPath(ExeFolder(), "option.ini"); }

std::string DocumentsFolder() {
  char folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) return folder;
  return ExeFolder();
}
