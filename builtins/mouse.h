// Mouse, pixel and wait built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int BlockInput(ScriptEngine& engine, const ArgList& args, Variant& result);
int CheckColor(ScriptEngine& engine, const ArgList& args, Variant& result);
int Delay(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseClick(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseClickDrag(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseDoubleClick(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseDown(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseGetCursor(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseGetPos(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseRelativeMove(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseUp(ScriptEngine& engine, const ArgList& args, Variant& result);
int MouseWheel(ScriptEngine& engine, const ArgList& args, Variant& result);
int PixelChecksum(ScriptEngine& engine, const ArgList& args, Variant& result);
int PixelGetColor(ScriptEngine& engine, const ArgList& args, Variant& result);
int PixelSearch(ScriptEngine& engine, const ArgList& args, Variant& result);
int Wait(ScriptEngine& engine, const ArgList& args, Variant& result);
int WaitLong(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
