// The shell's "open" verb.
#include "app/shell_open.h"

#include <windows.h>

#include <shellapi.h>

bool ShellOpen(const std::string& target) {
  // The shell reports success with a value above 32.
  return reinterpret_cast<INT_PTR>(
             ShellExecuteA(GetDesktopWindow(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}
