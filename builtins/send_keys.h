// SendKeys: turns key strings such as "^a{ENTER 2}+{TAB}" into key events, system-wide or posted
// to one window. One per engine (see KeySender in keyboard.cpp); it borrows the keyboard port and
// the clock, which must outlive it. Engine thread only; a send blocks that thread for roughly the
// sum of its delays.
#pragma once

#include <set>
#include <string>

#include "builtins/input_clock.h"
#include "builtins/keyboard_services.h"

// A hotkey string such as "^!<F5>": the virtual key (8 bits) and its modifiers.
struct ParsedHotkey {
  int m_virtualKey = 0;
  bool m_shift = false;
  bool m_ctrl = false;
  bool m_alt = false;
  bool m_win = false;
};

class SendKeys {
 public:
  struct Settings {
    int m_keyDelay = 5;      // after each release and after releasing modifiers; -1 none, 0 yield
    int m_keyDownDelay = 1;  // how long a key is held, and after pressing modifiers
    bool m_storeCapsLock = true;
    bool m_attachMode = false;
  };

  SendKeys(KeyboardPort& port, InputClock& clock);

  void Configure(const Settings& settings) { m_settings = settings; }

  // Parses and sends a key string; `target` 0 sends system-wide, otherwise posts to that window.
  void Send(const std::string& keys, WindowRef target);
  // Sends every character as a character: "!", "#", "+", "^" and "{" mean nothing special.
  void SendRaw(const std::string& keys, WindowRef target);
  // Key down, key-down delay, key up, key delay.
  void PressKey(int virtualKey, bool extended);
  void KeyDown(int virtualKey, bool extended) { KeyEvent(virtualKey, extended, false); }
  void KeyUp(int virtualKey, bool extended) { KeyEvent(virtualKey, extended, true); }
  // Makes a toggle key (CapsLock, NumLock, ScrollLock) on or off; returns its previous state.
  bool SetToggle(int virtualKey, bool on);
  // Releases every key this sender pressed system-wide and has not released, and forgets the
  // held modifiers: the end of a run leaves nothing pressed.
  void ReleaseAll();

  // False when the string names no key this system can register.
  static bool ParseHotkey(const std::string& text, KeyboardPort& port, ParsedHotkey& hotkey);

 private:
  enum Modifier { kCtrl, kAlt, kShift, kWin, kModifierCount };
  enum Held { kHeldCtrl, kHeldAlt, kHeldShift, kHeldLWin, kHeldRWin, kHeldCount };
  class SendScope;
  class ModifierPresses;

  void Walk(const std::string& keys);
  void BraceGroup(const std::string& text);
  void OrdinaryKey(int virtualKey, const std::string& mode, int count);
  void UnknownName(char ch, const std::string& mode, int count);
  void SpecialKey(int special, const std::string& mode, const std::string& parameter);
  void HoldModifier(Held held, bool down);
  void TypeChar(char ch, int count);
  void TypeVirtualKey(int virtualKey, int shiftState, int count);
  void TypeAccented(unsigned char ch, int count);
  void TypeByCode(const std::string& digits);
  void LiftPhysicalModifiers();
  void KeyEvent(int virtualKey, bool extended, bool up);
  void Pause(int ms) { m_clock.Delay(ms); }
  bool WinHeld() const { return m_held[kHeldLWin] || m_held[kHeldRWin]; }
  void ClearOneShots();

  KeyboardPort& m_port;
  InputClock& m_clock;
  Settings m_settings;
  bool m_oneShot[kModifierCount] = {};
  bool m_held[kHeldCount] = {};
  WindowRef m_target = 0;
  int m_modifierScans[kModifierCount] = {};
  char m_deadKeys[8] = {};
  std::set<int> m_down;  // virtual keys pressed system-wide and not yet released
};
