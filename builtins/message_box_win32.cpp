// The message box of MSGBOX with its time-out watcher. The box is recognised when it is created
// on this thread (a CBT hook sees the first dialog made during the call) and subclassed, so the
// watcher can end exactly that box: the main window, itself a dialog on this thread, and any
// other dialog with the same title are never touched. The watcher only posts a private message;
// the box ends itself on its own thread, where EndDialog belongs.
#include <atomic>
#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>

#include "builtins/feedback_win32.h"

namespace feedback {

namespace {

constexpr int kWatchPollMs = 10;

// Shared by the engine thread and the watcher; the watcher reads only the atomics.
struct BoxWatch {
  std::atomic<HWND> m_box{nullptr};
  std::atomic<bool> m_done{false};
  WNDPROC m_originalProc = nullptr;  // engine thread only
  bool m_endedByWatcher = false;     // engine thread only
};

thread_local BoxWatch* t_watch = nullptr;

UINT EndBoxMessage() {
  static const UINT kMessage = RegisterWindowMessageA("Morvanta.EndTimedMessageBox");
  return kMessage;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  BoxWatch* watch = t_watch;
  WNDPROC original = watch->m_originalProc;
  if (message == EndBoxMessage()) {
    watch->m_endedByWatcher = true;
    EndDialog(hwnd, IDOK);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    watch->m_box = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  }
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

bool IsDialogClass(HWND hwnd) {
  char name[16] = {};
  return GetClassNameA(hwnd, name, sizeof(name)) > 0 && std::strcmp(name, "#32770") == 0;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
  BoxWatch* watch = t_watch;
  HWND hwnd = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND && watch && !watch->m_originalProc && IsDialogClass(hwnd)) {
    watch->m_originalProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
    watch->m_box = hwnd;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void WatchBox(BoxWatch& watch, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!watch.m_done) {
    HWND box = watch.m_box;
    if (box && std::chrono::steady_clock::now() >= deadline) {
      PostMessageW(box, EndBoxMessage(), 0, 0);
      return;
    }
    Sleep(kWatchPollMs);
  }
}

// Installs the creation hook and the thread's watch for one call; undoes both on every path.
class WatchScope {
 public:
  explicit WatchScope(BoxWatch& watch)
      : m_previous(t_watch), m_hook(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId())) {
    t_watch = &watch;
  }
  ~WatchScope() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    t_watch = m_previous;
  }
  WatchScope(const WatchScope&) = delete;
  WatchScope& operator=(const WatchScope&) = delete;
  bool Hooked() const { return m_hook != nullptr; }

 private:
  BoxWatch* m_previous;
  HHOOK m_hook;
};

int ShowBox(int flags, const std::string& title, const std::string& text) {
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), static_cast<UINT>(flags) | MB_SETFOREGROUND);
}

}  // namespace

int TimedMessageBox(int flags, const std::string& title, const std::string& text, int timeoutMs) {
  if (timeoutMs <= 0) return ShowBox(flags, title, text);
  BoxWatch watch;
  WatchScope scope(watch);
  if (!scope.Hooked()) return ShowBox(flags, title, text);
  std::thread watcher;
  try {
    watcher = std::thread(WatchBox, std::ref(watch), timeoutMs);
  } catch (const std::system_error&) {
    return ShowBox(flags, title, text);  // no thread to spare: the box simply waits for an answer
  }
  int pressed = ShowBox(flags, title, text);
  watch.m_done = true;
  watcher.join();
  return watch.m_endedByWatcher ? -1 : pressed;
}

}  // namespace feedback
