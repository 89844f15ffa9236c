// Window matching and window built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int WinActivate(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinActive(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinClose(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinExists(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetCaretPos(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetClassList(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetClientSize(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetHandle(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetPos(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetState(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetText(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinGetTitle(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinKill(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinMenuSelectItem(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinMinimizeAll(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinMinimizeAllUndo(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinSetOnTop(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinSetState(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinSetTitle(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinWait(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinWaitActive(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinWaitClose(ScriptEngine& engine, const ArgList& args, Variant& result);
int WinWaitNotActive(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
