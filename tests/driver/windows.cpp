// Finding windows and reading their text, visibility and messages.
#include <vector>

#include "driver.h"

namespace driver {

namespace {

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

bool Matches(HWND window, const WindowQuery& query) {
  return (query.m_processId == 0 || ProcessOf(window) == query.m_processId) &&
         (!query.m_visibleOnly || IsWindowVisible(window)) &&
         (query.m_title.empty() || WindowText(window) == query.m_title) &&
         (query.m_className.empty() || ClassOf(window) == query.m_className);
}

BOOL CALLBACK AddWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> windows;
  EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, AddWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

HWND FindTopWindow(const WindowQuery& query) {
  for (HWND window : TopWindows()) {
    if (Matches(window, query)) return window;
  }
  return nullptr;
}

HWND WaitForWindow(const WindowQuery& query, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeout);
  return found;
}

HWND FindWindowShowing(DWORD processId, const std::string& text) {
  for (HWND window : TopWindows()) {
    if (ProcessOf(window) != processId) continue;
    for (HWND child : ChildWindows(window)) {
      if (WindowText(child) == text) return window;
    }
  }
  return nullptr;
}

HWND WaitForWindowShowing(DWORD processId, const std::string& text, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowShowing(processId, text)) != nullptr; }, timeout);
  return found;
}

HWND FindChildByClass(HWND parent, const std::string& className) {
  for (HWND child : ChildWindows(parent)) {
    if (ClassOf(child) == className) return child;
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  // WM_GETTEXT, unlike GetWindowText, also reads controls of other processes.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
  std::vector<char> text(length + 1);
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      2000, &copied);
  return std::string(text.data(), copied);
}

std::string ControlText(HWND dialog, int controlId) { return WindowText(GetDlgItem(dialog, controlId)); }

bool IsShown(HWND window) { return IsWindowVisible(window) && !IsIconic(window); }

bool WaitForShown(HWND window, bool shown, Milliseconds timeout) {
  return WaitUntil([&] { return IsShown(window) == shown; }, timeout);
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Milliseconds timeout) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(window, message, wParam, lParam) != FALSE;
}

bool PressButton(HWND dialog, int buttonId) {
  return Post(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
              reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

}  // namespace driver
