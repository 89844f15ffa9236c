// String and type-test built-ins.
// Handlers follow the contract in engine/builtin.h.
#pragma once

#include "engine/builtin.h"

namespace builtins {

int Asc(ScriptEngine& engine, const ArgList& args, Variant& result);
int Chr(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsArray(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsFloat(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsInt(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsNumber(ScriptEngine& engine, const ArgList& args, Variant& result);
int IsString(ScriptEngine& engine, const ArgList& args, Variant& result);
int String(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringAddCr(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringFormat(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringInStr(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsAlnum(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsAlpha(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsAscii(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsDigit(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsFloat(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsInt(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsLower(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsSpace(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsUpper(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringIsXDigit(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringLeft(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringLen(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringLower(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringMid(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringReplace(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringRight(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringSplit(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringStripCr(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringStripWs(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringTrimLeft(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringTrimRight(ScriptEngine& engine, const ArgList& args, Variant& result);
int StringUpper(ScriptEngine& engine, const ArgList& args, Variant& result);

}  // namespace builtins
