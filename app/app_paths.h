// Where the program finds its files: everything is resolved against the executable's own folder,
// never against the current directory.
#pragma once

#include <string>

// The full path of the running executable up to, not including, its last backslash.
std::string ExeFolder();
// The exe folder + "\script": where the robot files live.
std::string ScriptFolder();
// The exe folder + "\option.ini": the program's options.
std::string OptionFilePath();
// The exe folder + "\update.ini": where the update check finds its address.
std::string UpdateIniPath();
// The user's Documents folder, or the exe folder when the system names none.
std::string DocumentsFolder();
