// The running executable's path, and the fixed file information of its version resource.
#include "builtins/program_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace builtins {

std::string ProgramFilePath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);  // a long path was cut: try again with more room
  }
}

std::string ProgramFileVersion() {
  const std::string path = ProgramFilePath();
  DWORD ignored = 0;
  DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<char> data(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()) ||
      !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || info == nullptr ||
      infoSize < sizeof *info) {
    return "";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
  return text;
}

}  // namespace builtins
