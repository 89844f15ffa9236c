// The @NAME macro table.
#include "builtins/macros.h"

#include "engine/script_engine.h"

namespace builtins {

MacroResult ReadMacro(ScriptEngine& engine, const std::string& upperName, Variant&) {
  ReportNotAvailable(engine, ("@" + upperName).c_str());
  return MacroResult::kFailed;
}

}  // namespace builtins
