// The input services of native runs, where there is no keyboard, mouse or screen: keys and
// clicks go nowhere, the screen cannot be read, and pauses sleep.
#ifndef _WIN32
#include <chrono>
#include <cstring>
#include <iterator>
#include <thread>

#include "builtins/input_clock.h"
#include "builtins/keyboard_services.h"
#include "builtins/mouse_services.h"
#include "builtins/pixel_services.h"

namespace {

class HeadlessKeyboard : public KeyboardPort {
 public:
  int KeyScan(char ch) override { return UsLayoutKeyScan(ch); }
  int ScanCode(int) override { return 0; }
  std::string LayoutName() override { return "00000409"; }
  void SendKey(int, int, bool, bool) override {}
  void PostKey(WindowRef, unsigned, int, uint32_t) override {}
  bool ToggleState(int) override { return false; }
  bool IsDown(int) override { return false; }
  void ClearKeyState(int) override {}
  void AttachInput(WindowRef, bool) override {}
  WindowRef ParentOf(WindowRef) override { return 0; }
  bool IsForeground(WindowRef) override { return true; }
  void ForceActivate(WindowRef) override {}
  // Only the active window, addressed by empty texts, exists.
  WindowRef FindTarget(const std::string& title, const std::string& text, const std::string& control, int) override {
    return title.empty() && text.empty() && control.empty() ? 1 : 0;
  }
};

class HeadlessMouse : public MousePort {
 public:
  void MoveAbsolute(int, int) override {}
  void Button(MouseButton, bool) override {}
  void Wheel(int) override {}
  bool CursorPos(int& x, int& y) override {
    x = y = 0;
    return true;
  }
  void ScreenSize(int& width, int& height) override {
    width = 1024;
    height = 768;
  }
  bool ForegroundOrigin(int&, int&) override { return false; }
  int CursorShape() override { return 0; }
  bool BlockInput(bool) override { return false; }
};

class HeadlessScreen : public ScreenPixels {
 public:
  std::unique_ptr<ScreenReader> Open() override { return nullptr; }
};

class HeadlessClock : public InputClock {
 public:
  void Delay(int ms) override {
    if (ms >= 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  bool StartLongWait(int, std::atomic<bool>& pending) override {
    pending = false;
    return false;
  }
  void StopLongWait() override {}
};

}  // namespace

int UsLayoutKeyScan(char ch) {
  static const char kShiftedDigits[] = ")!@#$%^&*(";
  static const char kPunctuation[] = "`-=[]\\;',./";
  static const char kShiftedPunctuation[] = "~_+{}|:\"<>?";
  static const int kPunctuationKeys[] = {0xC0, 0xBD, 0xBB, 0xDB, 0xDD, 0xDC, 0xBA, 0xDE, 0xBC, 0xBE, 0xBF};
  static_assert(sizeof(kPunctuation) - 1 == std::size(kPunctuationKeys), "one key per punctuation mark");
  if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
  if (ch >= 'A' && ch <= 'Z') return 0x100 | ch;
  if (ch >= '0' && ch <= '9') return ch;
  if (ch == ' ' || ch == '\t' || ch == '\b' || ch == '\r') return ch == '\r' ? 0x0D : ch;
  if (ch == '\0') return -1;
  if (const char* digit = std::strchr(kShiftedDigits, ch)) return 0x100 | ('0' + static_cast<int>(digit - kShiftedDigits));
  if (const char* mark = std::strchr(kPunctuation, ch)) return kPunctuationKeys[mark - kPunctuation];
  if (const char* mark = std::strchr(kShiftedPunctuation, ch)) return 0x100 | kPunctuationKeys[mark - kShiftedPunctuation];
  return -1;
}

std::unique_ptr<KeyboardPort> KeyboardPort::CreateDefault() { return std::make_unique<HeadlessKeyboard>(); }
std::unique_ptr<MousePort> MousePort::CreateDefault() { return std::make_unique<HeadlessMouse>(); }
std::unique_ptr<ScreenPixels> ScreenPixels::CreateDefault() { return std::make_unique<HeadlessScreen>(); }
std::unique_ptr<InputClock> InputClock::CreateDefault() { return std::make_unique<HeadlessClock>(); }
#endif
