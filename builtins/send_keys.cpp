// SendKeys: the key-string walk, brace groups, modifiers, accents and key events.
#include "builtins/send_keys.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "builtins/send_key_table.h"
#include "robot/text_util.h"

namespace {

constexpr int kVkReturn = 0x0D, kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12, kVkCapital = 0x14;
constexpr int kVkLWin = 0x5B, kVkRWin = 0x5C, kVkNumpad0 = 0x60, kVkNumLock = 0x90, kVkScroll = 0x91;
constexpr unsigned kWmKeyDown = 0x100, kWmKeyUp = 0x101, kWmSysKeyDown = 0x104, kWmSysKeyUp = 0x105;

// Indexed by SendKeys' Modifier order: Ctrl, Alt, Shift, Win.
constexpr int kModifierKeys[] = {kVkControl, kVkMenu, kVkShift, kVkLWin};
// Indexed by SendKeys' Held order: Ctrl, Alt, Shift, LWin, RWin.
constexpr int kHeldKeys[] = {kVkControl, kVkMenu, kVkShift, kVkLWin, kVkRWin};

bool IsToggleKey(int virtualKey) {
  return virtualKey == kVkCapital || virtualKey == kVkNumLock || virtualKey == kVkScroll;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

// One send: sets the target, attaches input queues and stores CapsLock, and undoes all of it
// (and any one-shot modifier state) however the send ends.
class SendKeys::SendScope {
 public:
  SendScope(SendKeys& keys, WindowRef target) : m_keys(keys) {
    m_keys.m_target = target;
    m_attached = target != 0 || m_keys.m_settings.m_attachMode;
    if (m_attached) m_keys.m_port.AttachInput(target, true);
    if (m_keys.m_settings.m_storeCapsLock) m_capsLock = m_keys.SetToggle(kVkCapital, false);
  }
  ~SendScope() {
    m_keys.ClearOneShots();
    if (m_keys.m_settings.m_storeCapsLock) m_keys.SetToggle(kVkCapital, m_capsLock);
    if (m_attached) m_keys.m_port.AttachInput(m_keys.m_target, false);
    m_keys.m_target = 0;
  }
  SendScope(const SendScope&) = delete;
  SendScope& operator=(const SendScope&) = delete;

 private:
  SendKeys& m_keys;
  bool m_attached = false;
  bool m_capsLock = false;
};

// The one-shot modifiers around typed keys: pressed Win, Shift, Ctrl, Alt and released in the
// reverse order, also when the typing in between is cut short.
class SendKeys::ModifierPresses {
 public:
  explicit ModifierPresses(SendKeys& keys) : m_keys(keys) {
    for (Modifier modifier : {kWin, kShift, kCtrl, kAlt}) Press(modifier, false);
    m_keys.Pause(m_keys.m_settings.m_keyDownDelay);
  }
  ~ModifierPresses() {
    for (Modifier modifier : {kAlt, kCtrl, kShift, kWin}) Press(modifier, true);
    m_keys.Pause(m_keys.m_settings.m_keyDelay);
  }
  ModifierPresses(const ModifierPresses&) = delete;
  ModifierPresses& operator=(const ModifierPresses&) = delete;

 private:
  void Press(Modifier modifier, bool up) {
    if (!m_keys.m_oneShot[modifier]) return;
    int virtualKey = kModifierKeys[modifier];
    m_keys.m_port.SendKey(virtualKey, m_keys.m_modifierScans[modifier], up, false);
    if (up) {
      m_keys.m_down.erase(virtualKey);
    } else {
      m_keys.m_down.insert(virtualKey);
    }
  }
  SendKeys& m_keys;
};

SendKeys::SendKeys(KeyboardPort& port, InputClock& clock) : m_port(port), m_clock(clock) {
  for (int modifier = 0; modifier < kModifierCount; ++modifier) {
    m_modifierScans[modifier] = m_port.ScanCode(kModifierKeys[modifier]);
  }
  std::string layout = m_port.LayoutName();
  std::string country = layout.size() >= 2 ? layout.substr(layout.size() - 2) : std::string();
  for (int i = 0; i < 8; ++i) {
    char dead = sendkeys::kDeadKeys[i];
    bool unavailable = dead == ' ' || country == "09" || m_port.KeyScan(dead) == -1 || (country == "07" && i == 4);
    m_deadKeys[i] = unavailable ? ' ' : dead;
  }
}

void SendKeys::Send(const std::string& keys, WindowRef target) {
  SendScope scope(*this, target);
  Walk(keys);
}

void SendKeys::SendRaw(const std::string& keys, WindowRef target) {
  SendScope scope(*this, target);
  for (char ch : keys) {
    TypeChar(ch, 1);
    ClearOneShots();
  }
}

void SendKeys::Walk(const std::string& keys) {
  size_t i = 0;
  while (i < keys.size()) {
    char ch = keys[i];
    Modifier modifier = ch == '!' ? kAlt : ch == '+' ? kShift : ch == '^' ? kCtrl : ch == '#' ? kWin : kModifierCount;
    if (modifier != kModifierCount) {
      m_oneShot[modifier] = true;
      ++i;
      continue;
    }
    size_t close = ch == '{' ? keys.find('}', i + 1) : std::string::npos;
    if (close == std::string::npos) {
      TypeChar(ch, 1);
      ++i;
    } else {
      BraceGroup(keys.substr(i + 1, close - i - 1));
      i = close + 1;
    }
    ClearOneShots();
  }
}

void SendKeys::BraceGroup(const std::string& text) {
  if (text.empty()) return;
  size_t blank = text.find(' ');
  std::string name = text.substr(0, blank);
  std::string parameter;
  if (blank != std::string::npos) {
    size_t start = text.find_first_not_of(" \t", blank);
    if (start != std::string::npos) parameter = text.substr(start);
  }
  std::string mode = Lower(parameter);
  int count = 1;
  if (mode != "up" && mode != "down" && mode != "on" && mode != "off") {
    mode.clear();
    count = std::max(1L, std::strtol(parameter.c_str(), nullptr, 10));
  }
  const sendkeys::BraceName* entry = sendkeys::FindBraceName(name);
  if (!entry) {
    UnknownName(name.empty() ? text[0] : name[0], mode, count);
  } else if (entry->m_special == sendkeys::Special::kNone) {
    OrdinaryKey(entry->m_virtualKey, mode, count);
  } else {
    SpecialKey(static_cast<int>(entry->m_special), mode, parameter);
  }
}

void SendKeys::OrdinaryKey(int virtualKey, const std::string& mode, int count) {
  if (mode == "down") {
    KeyDown(virtualKey, false);
  } else if (mode == "up") {
    KeyUp(virtualKey, false);
  } else if (mode == "on" || mode == "off") {
    SetToggle(virtualKey, mode == "on");
  } else {
    TypeVirtualKey(virtualKey, 0, count);
  }
}

void SendKeys::UnknownName(char ch, const std::string& mode, int count) {
  if (mode == "down" || mode == "up") {
    int scan = m_port.KeyScan(ch);
    if (scan != -1) KeyEvent(scan & 0xFF, false, mode == "up");
  } else {
    TypeChar(ch, count);
  }
}

void SendKeys::SpecialKey(int special, const std::string& mode, const std::string& parameter) {
  using sendkeys::Special;
  switch (static_cast<Special>(special)) {
    case Special::kCtrlDown: HoldModifier(kHeldCtrl, true); break;
    case Special::kCtrlUp: HoldModifier(kHeldCtrl, false); break;
    case Special::kAltDown: HoldModifier(kHeldAlt, true); break;
    case Special::kAltUp: HoldModifier(kHeldAlt, false); break;
    case Special::kShiftDown: HoldModifier(kHeldShift, true); break;
    case Special::kShiftUp: HoldModifier(kHeldShift, false); break;
    case Special::kLWinDown: HoldModifier(kHeldLWin, true); break;
    case Special::kLWinUp: HoldModifier(kHeldLWin, false); break;
    case Special::kRWinDown: HoldModifier(kHeldRWin, true); break;
    case Special::kRWinUp: HoldModifier(kHeldRWin, false); break;
    case Special::kAsc: TypeByCode(parameter); break;
    case Special::kNumpadEnter:
      if (mode == "down" || mode == "up") {
        KeyEvent(kVkReturn, false, mode == "up");
      } else {
        PressKey(kVkReturn, true);
      }
      break;
    case Special::kAlt:
      if (m_held[kHeldAlt]) break;
      m_oneShot[kAlt] = true;
      if (mode == "down" || mode == "up") {
        KeyEvent(kVkMenu, false, mode == "up");
      } else {
        PressKey(kVkMenu, false);
      }
      break;
    case Special::kNone: break;
  }
}

void SendKeys::HoldModifier(Held held, bool down) {
  if (m_held[held] == down) return;
  m_held[held] = down;
  // Posted Alt events go out as system keys.
  if (held == kHeldAlt) m_oneShot[kAlt] = true;
  KeyEvent(kHeldKeys[held], false, !down);
}

void SendKeys::TypeChar(char ch, int count) {
  int scan = m_port.KeyScan(ch);
  if (scan == -1) {
    TypeAccented(static_cast<unsigned char>(ch), count);
    return;
  }
  TypeVirtualKey(scan & 0xFF, (scan >> 8) & 0x07, count);
}

void SendKeys::TypeVirtualKey(int virtualKey, int shiftState, int count) {
  if (shiftState & 1) m_oneShot[kShift] = true;
  if (shiftState & 2) m_oneShot[kCtrl] = true;
  if (shiftState & 4) m_oneShot[kAlt] = true;
  if (m_held[kHeldCtrl]) m_oneShot[kCtrl] = false;
  if (m_held[kHeldAlt]) m_oneShot[kAlt] = false;
  if (m_held[kHeldShift]) m_oneShot[kShift] = false;
  if (WinHeld()) m_oneShot[kWin] = false;
  LiftPhysicalModifiers();
  ModifierPresses presses(*this);
  for (int i = 0; i < count; ++i) PressKey(virtualKey, false);
}

// Characters below 0x80 that the layout cannot type have no accent entry and are dropped.
void SendKeys::TypeAccented(unsigned char ch, int count) {
  sendkeys::AccentAction action = sendkeys::AccentFor(ch);
  for (int i = 0; i < count; ++i) {
    if (action.m_kind == sendkeys::AccentAction::Kind::kCompose) {
      char dead = m_deadKeys[action.m_deadKey];
      if (dead != ' ') TypeChar(dead, 1);
      TypeChar(action.m_base, 1);
    } else if (action.m_kind == sendkeys::AccentAction::Kind::kAsc) {
      TypeByCode(std::to_string(action.m_code));
    }
  }
}

void SendKeys::TypeByCode(const std::string& digits) {
  if (m_target != 0) {
    WindowRef parent = m_port.ParentOf(m_target);
    if (parent == 0) parent = m_target;
    if (!m_port.IsForeground(parent)) {
      m_port.ForceActivate(parent);
      Pause(250);
    }
  }
  bool altHeld = m_held[kHeldAlt];
  if (!altHeld) {
    m_port.SendKey(kVkMenu, m_modifierScans[kAlt], false, false);
    m_down.insert(kVkMenu);
    Pause(m_settings.m_keyDownDelay);
  }
  // Anything but digits has no meaning on the keypad and is skipped.
  for (char digit : digits) {
    if (digit >= '0' && digit <= '9') PressKey(kVkNumpad0 + (digit - '0'), false);
  }
  if (!altHeld) {
    m_port.SendKey(kVkMenu, m_modifierScans[kAlt], true, false);
    m_down.erase(kVkMenu);
    Pause(m_settings.m_keyDelay);
  }
}

// A user's fingers still on a hotkey must not change what is typed.
void SendKeys::LiftPhysicalModifiers() {
  for (int held : {kHeldCtrl, kHeldAlt, kHeldShift, kHeldLWin}) {
    if (m_held[held]) continue;
    int virtualKey = kHeldKeys[held];
    if (m_target != 0) {
      m_port.ClearKeyState(virtualKey);
    } else if (m_port.IsDown(virtualKey)) {
      m_port.SendKey(virtualKey, m_port.ScanCode(virtualKey), true, false);
      Pause(m_settings.m_keyDelay);
    }
  }
}

void SendKeys::PressKey(int virtualKey, bool extended) {
  KeyDown(virtualKey, extended);
  Pause(m_settings.m_keyDownDelay);
  KeyUp(virtualKey, extended);
  Pause(m_settings.m_keyDelay);
}

void SendKeys::KeyEvent(int virtualKey, bool extended, bool up) {
  int scan = m_port.ScanCode(virtualKey);
  extended = extended || sendkeys::IsExtendedKey(virtualKey);
  if (m_target != 0 && !IsToggleKey(virtualKey)) {
    bool system = m_oneShot[kAlt] && !m_oneShot[kCtrl];
    unsigned message = up ? (system ? kWmSysKeyUp : kWmKeyUp) : (system ? kWmSysKeyDown : kWmKeyDown);
    uint32_t lParam = static_cast<uint32_t>(scan) << 16 | (up ? 0xC0000001u : 1u);
    if (extended) lParam |= 0x01000000u;
    if (system) lParam |= 0x20000000u;
    m_port.PostKey(m_target, message, virtualKey, lParam);
    return;
  }
  m_port.SendKey(virtualKey, scan, up, extended);
  if (up) {
    m_down.erase(virtualKey);
  } else {
    m_down.insert(virtualKey);
  }
}

bool SendKeys::SetToggle(int virtualKey, bool on) {
  bool previous = m_port.ToggleState(virtualKey);
  if (previous == on) return previous;
  int scan = m_port.ScanCode(virtualKey);
  m_port.SendKey(virtualKey, scan, false, false);
  Pause(m_settings.m_keyDownDelay);
  m_port.SendKey(virtualKey, scan, true, false);
  Pause(m_settings.m_keyDelay);
  return previous;
}

void SendKeys::ReleaseAll() {
  for (int virtualKey : m_down) {
    m_port.SendKey(virtualKey, m_port.ScanCode(virtualKey), true, sendkeys::IsExtendedKey(virtualKey));
  }
  m_down.clear();
  for (bool& held : m_held) held = false;
  ClearOneShots();
}

void SendKeys::ClearOneShots() {
  for (bool& oneShot : m_oneShot) oneShot = false;
}

bool SendKeys::ParseHotkey(const std::string& text, KeyboardPort& port, ParsedHotkey& hotkey) {
  hotkey = ParsedHotkey();
  size_t i = 0;
  for (; i < text.size(); ++i) {
    char ch = text[i];
    if (ch == '+') hotkey.m_shift = true;
    else if (ch == '^') hotkey.m_ctrl = true;
    else if (ch == '!') hotkey.m_alt = true;
    else if (ch == '#') hotkey.m_win = true;
    else break;
  }
  if (i >= text.size()) return false;
  if (text[i] == '<') {
    size_t close = text.find('>', i + 1);
    if (close == std::string::npos) return false;
    const sendkeys::BraceName* entry = sendkeys::FindBraceName(text.substr(i + 1, close - i - 1));
    if (!entry || entry->m_special != sendkeys::Special::kNone) return false;
    hotkey.m_virtualKey = entry->m_virtualKey & 0xFF;
    return true;
  }
  int scan = port.KeyScan(text[i]);
  if (scan == -1) return false;
  hotkey.m_virtualKey = scan & 0xFF;
  hotkey.m_shift = hotkey.m_shift || (scan & 0x100) != 0;
  hotkey.m_ctrl = hotkey.m_ctrl || (scan & 0x200) != 0;
  hotkey.m_alt = hotkey.m_alt || (scan & 0x400) != 0;
  return true;
}
