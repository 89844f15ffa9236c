// Win32Host: the engine's host on Windows: a real message pump for the calling thread, the
// multimedia clock, thread-wide hotkeys and the system-modal error box.
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <set>

#include "engine/host.h"

namespace {

class Win32Host : public EngineHost {
 public:
  explicit Win32Host(bool errorsToStandardError) : m_errorsToStandardError(errorsToStandardError) {}

  // Taking messages costs a round trip to the window system; between statements a few
  // milliseconds of delay are not noticed, so the queue is looked at most every 5 ms.
  bool PumpMessages(std::vector<int>& hotkeyIds) override {
    DWORD now = GetTickCount();
    if (now - m_lastPump < 5) return false;
    m_lastPump = now;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // Left pending for the application's own loop.
        PostQuitMessage(static_cast<int>(message.wParam));
        return true;
      }
      if (message.message == WM_HOTKEY && message.hwnd == nullptr) {
        int id = static_cast<int>(message.wParam);
        if (m_registered.count(id)) hotkeyIds.push_back(id);
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return false;
  }

  uint32_t TickMs() override { return timeGetTime(); }

  void SleepMs(int ms) override { Sleep(static_cast<DWORD>(ms < 0 ? 0 : ms)); }

  void ShowError(const std::string& caption, const std::string& text) override {
    if (m_errorsToStandardError) {
      std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
      std::fflush(stderr);
      return;
    }
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SYSTEMMODAL | MB_SETFOREGROUND);
  }

  bool RegisterHotkey(int id, int modifiers, int virtualKey) override {
    if (!RegisterHotKey(nullptr, id, static_cast<UINT>(modifiers), static_cast<UINT>(virtualKey))) return false;
    m_registered.insert(id);
    return true;
  }

  void UnregisterHotkey(int id) override {
    UnregisterHotKey(nullptr, id);
    m_registered.erase(id);
  }

  std::string FullPath(const std::string& path) override {
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
  }

  uint32_t TimeSeed() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<uint32_t>(std::time(nullptr)) * now.wMilliseconds;
  }

 private:
  bool m_errorsToStandardError;
  DWORD m_lastPump = GetTickCount() - 5;
  std::set<int> m_registered;
};

}  // namespace

std::unique_ptr<EngineHost> CreatePlatformHost(bool errorsToStandardError) {
  return std::make_unique<Win32Host>(errorsToStandardError);
}
