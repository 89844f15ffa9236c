// Registering the robots' hotkeys (and the reserved recording keys) with the system for one
// window. Free functions over the main window's HotkeyIds; user-interface thread only.
#pragma once

#include <windows.h>

#include <string>

#include "robot/robot_hotkeys.h"

// The platform registration of a hotkey text: identifier (0 when nothing can be registered),
// modifier mask (Alt 1, Ctrl 2, Shift 4, Win 8) and virtual key.
struct HotkeyRegistration {
  int m_id = 0;
  UINT m_modifiers = 0;
  UINT m_virtualKey = 0;
};

HotkeyRegistration HotkeyRegistrationOfKeyString(HotkeyIds& ids, const std::string& keyString);

// Registers a hotkey text for `window`; false when the text names no key or the combination is
// taken. Unregistering a text that was never registered does nothing.
bool RegisterHotkeyText(HWND window, HotkeyIds& ids, const std::string& hotkeyText);
void UnregisterHotkeyText(HWND window, HotkeyIds& ids, const std::string& hotkeyText);

// Registers or unregisters both keys of every enabled robot, in store order.
void RegisterAllEnabled(HWND window, HotkeyIds& ids, const RobotStore& store);
void UnregisterAllEnabled(HWND window, HotkeyIds& ids, const RobotStore& store);

// Ctrl+Alt+R and Ctrl+Alt+S; they stay registered until the process ends.
void RegisterReservedHotkeys(HWND window, HotkeyIds& ids);
