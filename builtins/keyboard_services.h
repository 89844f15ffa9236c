// KeyboardPort: what the keystroke sender needs of the operating system (layout queries, key
// events, posted key messages, thread attaching, window lookup). Owned by the engine's service
// registry, created on first use; tests put a recording fake in its place. Engine thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A window handle as a number, so that portable code can carry it; 0 is no window.
using WindowRef = std::uintptr_t;

class KeyboardPort {
 public:
  virtual ~KeyboardPort() = default;

  // The layout: the virtual key in the low byte and the shift state (1 Shift, 2 Ctrl, 4 Alt) in
  // the next, or -1 when the layout cannot type `ch`.
  virtual int KeyScan(char ch) = 0;
  virtual int ScanCode(int virtualKey) = 0;
  // The layout's name, eight hexadecimal digits such as "00000409".
  virtual std::string LayoutName() = 0;

  // One system-wide key event.
  virtual void SendKey(int virtualKey, int scanCode, bool up, bool extended) = 0;
  // One key message posted to `target`.
  virtual void PostKey(WindowRef target, unsigned message, int virtualKey, uint32_t lParam) = 0;
  // The toggle state (CapsLock, NumLock, ScrollLock) and whether a key is physically down.
  virtual bool ToggleState(int virtualKey) = 0;
  virtual bool IsDown(int virtualKey) = 0;
  // Clears a key in the thread's keyboard state (targeted sends).
  virtual void ClearKeyState(int virtualKey) = 0;

  // Attaches (or detaches) this thread's input to the foreground window's thread, and with a
  // target also the foreground thread and this thread to the target's thread.
  virtual void AttachInput(WindowRef target, bool attach) = 0;
  virtual WindowRef ParentOf(WindowRef window) = 0;
  virtual bool IsForeground(WindowRef window) = 0;
  virtual void ForceActivate(WindowRef window) = 0;

  // The window (and, when `control` is given, its control) that the key built-ins address; with
  // all three empty, the active window. 0 when nothing matches.
  virtual WindowRef FindTarget(const std::string& title, const std::string& text, const std::string& control,
                               int titleMatchMode) = 0;

  static std::unique_ptr<KeyboardPort> CreateDefault();
};

// The key scan of a plain US layout, for ports without a real keyboard layout.
int UsLayoutKeyScan(char ch);

// Brings a window to the foreground even when the system refuses a plain request (Windows
// builds only).
void ForceActivateWindow(WindowRef window);
