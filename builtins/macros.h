// The @NAME macros: the engine hands every macro token here.
#pragma once

#include <string>

#include "builtins/macros_services.h"
#include "engine/variant.h"

class ScriptEngine;

namespace builtins {

enum class MacroResult { kValue, kUnknown, kFailed };

// Sets `value` to the macro's value. kUnknown: no such macro (the engine reports it);
// kFailed: a message has already been reported.
MacroResult ReadMacro(ScriptEngine& engine, const std::string& upperName, Variant& value);

// The @OSVERSION text of a system version ("WIN_XP", "WIN_10", ...); "" when it is not known.
std::string OsVersionName(const OsVersion& version);
// The system's version for people: that name, the version numbers and any service pack, e.g.
// "WIN_XP 5.1.2600 Service Pack 3"; "" when it is not known.
std::string OsVersionText(const OsVersion& version);

}  // namespace builtins
