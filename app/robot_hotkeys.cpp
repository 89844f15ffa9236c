// Hotkey registration through RegisterHotKey, with identifiers from HotkeyIds.
#include "app/robot_hotkeys.h"

#include "builtins/keyboard.h"

namespace {

bool RegisterKeyString(HWND window, HotkeyIds& ids, const std::string& keyString) {
  const HotkeyRegistration registration = HotkeyRegistrationOfKeyString(ids, keyString);
  if (registration.m_id == 0) return false;
  // A combination taken by another program, or by us under another identifier, is refused
  // silently: the robot still runs from the list.
  return RegisterHotKey(window, registration.m_id, registration.m_modifiers, registration.m_virtualKey) != 0;
}

// Start key, then end key, of every enabled robot in store order.
template <typename Action>
void ForEachEnabledKey(const RobotStore& store, Action action) {
  for (std::size_t i = 0; i < store.Count(); ++i) {
    const Robot robot = store.At(i);
    if (robot.m_enable == 0) continue;
    action(robot.m_startKey);
    action(robot.m_endKey);
  }
}

}  // namespace

HotkeyRegistration HotkeyRegistrationOfKeyString(HotkeyIds& ids, const std::string& keyString) {
  HotkeyRegistration registration;
  ParsedHotkey parsed;
  if (!builtins::ParseHotkey(keyString, parsed)) return registration;
  registration.m_id = ids.IdOfKeyString(keyString);
  registration.m_modifiers = (parsed.m_alt ? MOD_ALT : 0) | (parsed.m_ctrl ? MOD_CONTROL : 0) |
                             (parsed.m_shift ? MOD_SHIFT : 0) | (parsed.m_win ? MOD_WIN : 0);
  registration.m_virtualKey = static_cast<UINT>(parsed.m_virtualKey & 0xFF);
  return registration;
}

bool RegisterHotkeyText(HWND window, HotkeyIds& ids, const std::string& hotkeyText) {
  return RegisterKeyString(window, ids, HotkeyKeyString(hotkeyText));
}

void UnregisterHotkeyText(HWND window, HotkeyIds& ids, const std::string& hotkeyText) {
  const int id = ids.IdOfText(hotkeyText);
  if (id != 0) UnregisterHotKey(window, id);
}

void RegisterAllEnabled(HWND window, HotkeyIds& ids, const RobotStore& store) {
  ForEachEnabledKey(store, [&](const std::string& text) { RegisterHotkeyText(window, ids, text); });
}

void UnregisterAllEnabled(HWND window, HotkeyIds& ids, const RobotStore& store) {
  ForEachEnabledKey(store, [&](const std::string& text) { UnregisterHotkeyText(window, ids, text); });
}

void RegisterReservedHotkeys(HWND window, HotkeyIds& ids) {
  RegisterKeyString(window, ids, kRecordKeyString);
  RegisterKeyString(window, ids, kStopKeyString);
}
