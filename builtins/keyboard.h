// Key built-ins: SEND, KEYSEND, KEYDOWN, KEYUP, and the hotkey-string parser.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

#include <string>

namespace builtins {

int KeyDown(ScriptEngine& engine, const ArgList& args, Variant& result);
int KeySend(ScriptEngine& engine, const ArgList& args, Variant& result);
int KeyUp(ScriptEngine& engine, const ArgList& args, Variant& result);
int Send(ScriptEngine& engine, const ArgList& args, Variant& result);

// A hotkey string such as "^!<F5>": the virtual key (8 bits) and its modifiers.
struct ParsedHotkey {
  int m_virtualKey = 0;
  bool m_shift = false;
  bool m_ctrl = false;
  bool m_alt = false;
  bool m_win = false;
};
// False when the string names no key this system can register.
bool ParseHotkey(const std::string& text, ParsedHotkey& hotkey);

}  // namespace builtins
