// Key names: the one vocabulary for keys in action lines, key statements and hotkey texts
// ("A", ",", "<F5>", "Ctrl + Shift + <F2>"). Pure functions over constant tables; thread-safe.
#pragma once

#include <string>

// The virtual-key code of a key name, compared exactly and with case; 57 (the 9 key) for a name
// outside the table.
int KeyNameToCode(const std::string& name);

// The name of a virtual-key code; the empty text for a code without a name.
std::string KeyCodeToName(int code);

// A hotkey text ("Ctrl + Shift + " and a key name) as a key string ("^+" and the key name):
// "^" Ctrl, "+" Shift, "!" Alt. A text without a modifier prefix comes back unchanged.
std::string HotkeyTextToKeyString(const std::string& hotkeyText);
