// Control built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int ControlClick(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlCommand(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlDisable(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlEnable(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlFocus(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlGetFocus(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlGetPos(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlGetText(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlHide(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlSetText(ScriptEngine& engine, const ArgList& args, Variant& result);
int ControlShow(ScriptEngine& engine, const ArgList& args, Variant& result);
int StatusBarGetText(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
