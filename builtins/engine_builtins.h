// Built-ins of the engine itself: calls by name, variables, errors, options, Adlib, script hotkeys and the window title.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int AdlibDisable(ScriptEngine& engine, const ArgList& args, Variant& result);
int AdlibEnable(ScriptEngine& engine, const ArgList& args, Variant& result);
int Break(ScriptEngine& engine, const ArgList& args, Variant& result);
int Call(ScriptEngine& engine, const ArgList& args, Variant& result);
int Eval(ScriptEngine& engine, const ArgList& args, Variant& result);
int HotkeySet(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsDeclared(ScriptEngine& engine, const ArgList& args, Variant& result);
int SetError(ScriptEngine& engine, const ArgList& args, Variant& result);
int TarvelSetOption(ScriptEngine& engine, const ArgList& args, Variant& result);
int TarvelWinGetTitle(ScriptEngine& engine, const ArgList& args, Variant& result);
int TarvelWinSetTitle(ScriptEngine& engine, const ArgList& args, Variant& result);
int UBound(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
