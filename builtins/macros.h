// The @NAME macros: the engine hands every macro token here.
#pragma once

#include <string>

#include "engine/variant.h"

class ScriptEngine;

namespace builtins {

enum class MacroResult { kValue, kUnknown, kFailed };

// Sets `value` to the macro's value. kUnknown: no such macro (the engine reports it);
// kFailed: a message has already been reported.
MacroResult ReadMacro(ScriptEngine& engine, const std::string& upperName, Variant& value);

}  // namespace builtins
