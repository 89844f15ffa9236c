// The include folders as the script language's installation records them in the registry.
#include <windows.h>

#include "runner/script_source.h"

namespace {

const char kInstallKey[] = "Software\\Glimmerock\\Tarvel3";

std::optional<std::string> ReadStringValue(HKEY key, const char* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::string value(size + 1, '\0');
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(value.find('\0'));  // the stored text may or may not end with its terminator
  return value;
}

}  // namespace

std::vector<std::string> ReadIncludeFolders() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return BuildIncludeFolders(std::nullopt, std::nullopt);
  }
  const std::optional<std::string> installDir = ReadStringValue(key, "InstallDir");
  const std::optional<std::string> includeList = ReadStringValue(key, "Include");
  RegCloseKey(key);
  return BuildIncludeFolders(installDir, includeList);
}
