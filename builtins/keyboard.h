// Key built-ins: SEND, CONTROLSEND, KEYSEND, KEYDOWN, KEYUP, and the hotkey-string parser.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include <string>

#include "builtins/send_keys.h"
#include "engine/builtin.h"

namespace builtins {

int ControlSend(ScriptEngine& engine, const ArgList& args, Variant& result);
int KeyDown(ScriptEngine& engine, const ArgList& args, Variant& result);
int KeySend(ScriptEngine& engine, const ArgList& args, Variant& result);
int KeyUp(ScriptEngine& engine, const ArgList& args, Variant& result);
int Send(ScriptEngine& engine, const ArgList& args, Variant& result);

// The engine's key sender, set up from its options (created on first use; released at the end
// of every run).
SendKeys& EngineSendKeys(ScriptEngine& engine);

// Parses a hotkey string such as "^!<F5>" on the current keyboard layout; false when the string
// names no key this system can register. Any thread that owns no engine may call it.
bool ParseHotkey(const std::string& text, ParsedHotkey& hotkey);

}  // namespace builtins
