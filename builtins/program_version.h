// The running program's version as its own version resource states it. Windows builds only (the
// native build has no version resource); any thread.
#pragma once

#include <string>

namespace builtins {

// The file version of the running executable, "%u.%u.%u.%u", or "" when it carries none.
std::string ProgramFileVersion();

}  // namespace builtins
