// Opens a file or web address with the shell's "open" verb (the default browser for pages),
// owned by the desktop. User-interface thread.
#pragma once

#include <string>

// False when the shell could not open it (no program for it, or no such file).
bool ShellOpen(const std::string& target);
