// The Windows keyboard port: keybd_event, posted key messages, thread attaching, forced
// activation and the window lookup of the key built-ins.
#include <windows.h>

#include <cstdlib>
#include <map>

#include "builtins/keyboard_services.h"
#include "robot/text_util.h"

namespace {

HWND AsWindow(WindowRef window) { return reinterpret_cast<HWND>(window); }
WindowRef AsRef(HWND window) { return reinterpret_cast<WindowRef>(window); }

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool TitleMatches(const std::string& title, const std::string& wanted, int mode) {
  switch (mode) {
    case 2: return title.find(wanted) != std::string::npos;
    case 3:
    case 4: return title == wanted;
    default: return title.compare(0, wanted.size(), wanted) == 0;
  }
}

// Enumeration callbacks are named CALLBACK functions: i686 calls them stdcall, which no lambda is.
struct TextSearch {
  const std::string* m_text;
  bool m_found;
};

BOOL CALLBACK HoldsTextVisit(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<TextSearch*>(data);
  s->m_found = TextOf(child).find(*s->m_text) != std::string::npos;
  return !s->m_found;
}

// A window whose own text or one of whose children's texts holds `text`.
bool HoldsText(HWND window, const std::string& text) {
  if (text.empty() || TextOf(window).find(text) != std::string::npos) return true;
  TextSearch search = {&text, false};
  EnumChildWindows(window, HoldsTextVisit, reinterpret_cast<LPARAM>(&search));
  return search.m_found;
}

struct WindowSearch {
  std::string m_title, m_text;
  int m_mode;
  HWND m_found;
};

BOOL CALLBACK FindTopLevelVisit(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<WindowSearch*>(data);
  if (TitleMatches(TextOf(window), s->m_title, s->m_mode) && HoldsText(window, s->m_text)) s->m_found = window;
  return s->m_found == nullptr;
}

HWND FindTopLevel(const std::string& title, const std::string& text, int mode) {
  if (title.empty() && text.empty()) return GetForegroundWindow();
  WindowSearch search = {title, text, mode, nullptr};
  EnumWindows(FindTopLevelVisit, reinterpret_cast<LPARAM>(&search));
  return search.m_found;
}

// A control by class name and instance number ("Edit1"), by its text, or by its id.
struct ControlSearch {
  std::string m_control;
  std::map<std::string, int> m_instances;
  HWND m_found;
};

BOOL CALLBACK FindControlVisit(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<ControlSearch*>(data);
  char className[256] = {};
  GetClassNameA(child, className, sizeof className);
  std::string classNN = className + std::to_string(++s->m_instances[className]);
  char* end = nullptr;
  long id = std::strtol(s->m_control.c_str(), &end, 10);
  bool idMatches = end && *end == '\0' && GetDlgCtrlID(child) == id;
  if (EqualsNoCase(classNN, s->m_control) || TextOf(child) == s->m_control || idMatches) s->m_found = child;
  return s->m_found == nullptr;
}

HWND FindControl(HWND window, const std::string& control) {
  ControlSearch search = {control, {}, nullptr};
  EnumChildWindows(window, FindControlVisit, reinterpret_cast<LPARAM>(&search));
  return search.m_found;
}

DWORD ThreadOf(HWND window) { return window ? GetWindowThreadProcessId(window, nullptr) : 0; }

void Attach(DWORD from, DWORD to, bool attach) {
  if (from != 0 && to != 0 && from != to) AttachThreadInput(from, to, attach ? TRUE : FALSE);
}

class Win32Keyboard : public KeyboardPort {
 public:
  int KeyScan(char ch) override {
    SHORT scan = VkKeyScanA(ch);
    if ((scan & 0xFF) == 0xFF) return -1;
    return static_cast<unsigned short>(scan);
  }
  int ScanCode(int virtualKey) override { return static_cast<int>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)); }
  std::string LayoutName() override {
    char name[KL_NAMELENGTH] = {};
    GetKeyboardLayoutNameA(name);
    return name;
  }
  void SendKey(int virtualKey, int scanCode, bool up, bool extended) override {
    DWORD flags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
    keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
  }
  void PostKey(WindowRef target, unsigned message, int virtualKey, uint32_t lParam) override {
    PostMessageA(AsWindow(target), message, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(lParam));
  }
  bool ToggleState(int virtualKey) override { return (GetKeyState(virtualKey) & 1) != 0; }
  bool IsDown(int virtualKey) override {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0 || (GetKeyState(virtualKey) & 0x8000) != 0;
  }
  void ClearKeyState(int virtualKey) override {
    BYTE state[256] = {};
    if (!GetKeyboardState(state)) return;
    state[virtualKey & 0xFF] = 0;
    SetKeyboardState(state);
  }
  void AttachInput(WindowRef target, bool attach) override {
    DWORD self = GetCurrentThreadId(), foreground = ThreadOf(GetForegroundWindow());
    DWORD targetThread = ThreadOf(AsWindow(target));
    if (attach) Attach(self, foreground, true);
    Attach(foreground, targetThread, attach);
    Attach(self, targetThread, attach);
    if (!attach) Attach(self, foreground, false);
  }
  WindowRef ParentOf(WindowRef window) override { return AsRef(GetParent(AsWindow(window))); }
  bool IsForeground(WindowRef window) override { return GetForegroundWindow() == AsWindow(window); }
  void ForceActivate(WindowRef window) override { ForceActivateWindow(window); }
  WindowRef FindTarget(const std::string& title, const std::string& text, const std::string& control,
                       int titleMatchMode) override {
    HWND window = FindTopLevel(title, text, titleMatchMode);
    if (window == nullptr || control.empty()) return AsRef(window);
    return AsRef(FindControl(window, control));
  }
};

void PressAltTwice() {
  for (int i = 0; i < 2; ++i) {
    keybd_event(VK_MENU, static_cast<BYTE>(MapVirtualKeyA(VK_MENU, MAPVK_VK_TO_VSC)), 0, 0);
    keybd_event(VK_MENU, static_cast<BYTE>(MapVirtualKeyA(VK_MENU, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
  }
}

}  // namespace

void ForceActivateWindow(WindowRef ref) {
  HWND window = AsWindow(ref);
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) foreground = FindWindowA("Shell_TrayWnd", nullptr);
  if (window == foreground) return;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (SetForegroundWindow(window)) return;
  DWORD self = GetCurrentThreadId(), foregroundThread = ThreadOf(foreground), windowThread = ThreadOf(window);
  Attach(self, foregroundThread, true);
  Attach(foregroundThread, windowThread, true);
  Attach(self, windowThread, true);
  if (!SetForegroundWindow(window)) {
    PressAltTwice();
    SetForegroundWindow(window);
  }
  Attach(self, windowThread, false);
  Attach(foregroundThread, windowThread, false);
  Attach(self, foregroundThread, false);
}

std::unique_ptr<KeyboardPort> KeyboardPort::CreateDefault() { return std::make_unique<Win32Keyboard>(); }
