// Feedback and timing built-ins: message box, tooltip, tray tip, splash and progress windows, timers, memory statistics.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int MemGetStats(ScriptEngine& engine, const ArgList& args, Variant& result);
int MsgBox(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProgressOff(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProgressOn(ScriptEngine& engine, const ArgList& args, Variant& result);
int ProgressSet(ScriptEngine& engine, const ArgList& args, Variant& result);
int SplashImageOn(ScriptEngine& engine, const ArgList& args, Variant& result);
int SplashOff(ScriptEngine& engine, const ArgList& args, Variant& result);
int SplashTextOn(ScriptEngine& engine, const ArgList& args, Variant& result);
int TimerDiff(ScriptEngine& engine, const ArgList& args, Variant& result);
int TimerInit(ScriptEngine& engine, const ArgList& args, Variant& result);
int ToolTip(ScriptEngine& engine, const ArgList& args, Variant& result);
int TrayTip(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
