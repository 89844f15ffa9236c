// Mouse, pixel and wait built-ins: the mouse in mouse.cpp, the colour tests in pixel.cpp and the
// pauses in wait.cpp. Handlers follow the contract in engine/builtin.h.
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

// The mouse position in the 0 to 65535 space of absolute moves, for a screen `extent` pixels
// wide (or high); computed in 64 bits, and a one-pixel screen does not divide by zero.
int NormalizedCoordinate(int value, int extent);

}  // namespace builtins
