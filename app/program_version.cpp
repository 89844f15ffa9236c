// The running program's version from its version resource.
#include "app/program_version.h"

#include <windows.h>

#include <vector>

#include "app/app_paths.h"

namespace {

std::string VersionText(const VS_FIXEDFILEINFO& info) {
  return std::to_string(HIWORD(info.dwFileVersionMS)) + "." + std::to_string(LOWORD(info.dwFileVersionMS)) + "." +
         std::to_string(HIWORD(info.dwFileVersionLS)) + "." + std::to_string(LOWORD(info.dwFileVersionLS));
}

}  // namespace

std::string ProgramVersion() {
  std::string path = ExePath();
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || info == nullptr ||
      infoSize < sizeof *info || info->dwSignature != VS_FFI_SIGNATURE)
    return {};
  return VersionText(*info);
}
