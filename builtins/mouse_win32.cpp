// The Windows mouse port: mouse_event, the cursor, the foreground window and input blocking.
#include <windows.h>

#include <iterator>

#include "builtins/mouse_services.h"

namespace {

// The system cursors in MOUSEGETCURSOR order (ids 1 to 15): app-starting, arrow, cross, help,
// I-beam, icon, no, size, size-all, size NE-SW, size N-S, size NW-SE, size W-E, up arrow, wait.
constexpr WORD kCursorIds[] = {32650, 32512, 32515, 32651, 32513, 32641, 32648, 32640,
                               32646, 32643, 32645, 32642, 32644, 32516, 32514};
static_assert(std::size(kCursorIds) == 15, "the cursor shapes MOUSEGETCURSOR names");

DWORD ButtonFlag(MouseButton button, bool down) {
  switch (button) {
    case MouseButton::kRight: return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case MouseButton::kMiddle: return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    case MouseButton::kLeft: break;
  }
  return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
}

class Win32Mouse : public MousePort {
 public:
  void MoveAbsolute(int normalX, int normalY) override {
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(normalX), static_cast<DWORD>(normalY), 0, 0);
  }
  void Button(MouseButton button, bool down) override { mouse_event(ButtonFlag(button, down), 0, 0, 0, 0); }
  void Wheel(int delta) override { mouse_event(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(delta), 0); }
  bool CursorPos(int& x, int& y) override {
    POINT point = {};
    bool ok = GetCursorPos(&point) != 0;
    x = point.x;
    y = point.y;
    return ok;
  }
  void ScreenSize(int& width, int& height) override {
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    width = desktop.right - desktop.left;
    height = desktop.bottom - desktop.top;
  }
  bool ForegroundOrigin(int& left, int& top) override {
    RECT rect = {};
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr || !GetWindowRect(foreground, &rect)) return false;
    left = rect.left;
    top = rect.top;
    return true;
  }
  int CursorShape() override {
    POINT point = {};
    GetCursorPos(&point);
    DWORD self = GetCurrentThreadId();
    DWORD owner = GetWindowThreadProcessId(WindowFromPoint(point), nullptr);
    bool attached = owner != 0 && owner != self && AttachThreadInput(self, owner, TRUE);
    HCURSOR cursor = GetCursor();
    if (attached) AttachThreadInput(self, owner, FALSE);
    for (size_t i = 0; i < std::size(kCursorIds); ++i) {
      if (cursor == LoadCursorA(nullptr, MAKEINTRESOURCEA(kCursorIds[i]))) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  // Looked up at call time: systems without the function simply skip it.
  bool BlockInput(bool block) override {
    using BlockInputFunction = BOOL(WINAPI*)(BOOL);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto function = user32 ? reinterpret_cast<BlockInputFunction>(
                                 reinterpret_cast<void*>(GetProcAddress(user32, "BlockInput")))
                           : nullptr;
    if (function == nullptr) return false;
    function(block ? TRUE : FALSE);
    return true;
  }
};

}  // namespace

std::unique_ptr<MousePort> MousePort::CreateDefault() { return std::make_unique<Win32Mouse>(); }
