// Maths and number built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int Abs(ScriptEngine& engine, const ArgList& args, Variant& result);
int Acos(ScriptEngine& engine, const ArgList& args, Variant& result);
int Asin(ScriptEngine& engine, const ArgList& args, Variant& result);
int Atan(ScriptEngine& engine, const ArgList& args, Variant& result);
int BitAnd(ScriptEngine& engine, const ArgList& args, Variant& result);
int BitNot(ScriptEngine& engine, const ArgList& args, Variant& result);
int BitOr(ScriptEngine& engine, const ArgList& args, Variant& result);
int BitShift(ScriptEngine& engine, const ArgList& args, Variant& result);
int BitXor(ScriptEngine& engine, const ArgList& args, Variant& result);
int Cos(ScriptEngine& engine, const ArgList& args, Variant& result);
int Dec(ScriptEngine& engine, const ArgList& args, Variant& result);
int Exp(ScriptEngine& engine, const ArgList& args, Variant& result);
int Hex(ScriptEngine& engine, const ArgList& args, Variant& result);
int Int(ScriptEngine& engine, const ArgList& args, Variant& result);
int Log(ScriptEngine& engine, const ArgList& args, Variant& result);
int Mod(ScriptEngine& engine, const ArgList& args, Variant& result);
int Number(ScriptEngine& engine, const ArgList& args, Variant& result);
int Random(ScriptEngine& engine, const ArgList& args, Variant& result);
int Round(ScriptEngine& engine, const ArgList& args, Variant& result);
int Sin(ScriptEngine& engine, const ArgList& args, Variant& result);
int Sqrt(ScriptEngine& engine, const ArgList& args, Variant& result);
int Tan(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
