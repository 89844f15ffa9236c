// The running program's version, read at run time from its own version resource, so that the
// about box and the update check always show what the executable really is. User-interface thread
// or any other: it only reads the executable file.
#pragma once

#include <string>

// The file version as "major.minor.build.revision", or "" when the executable carries none.
std::string ProgramVersion();
