// The running program's own file, and its version as the file's version resource states it.
// Windows builds only (the native build has no version resource); any thread.
#pragma once

#include <string>

namespace builtins {

// The running executable's full path, however long; "" when the system cannot give it.
std::string ProgramFilePath();

// The file version of the running executable, "%u.%u.%u.%u", or "" when it carries none.
std::string ProgramFileVersion();

}  // namespace builtins
