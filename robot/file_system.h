// The few file-system operations the robot store and the runner need, with 8-bit ANSI paths: a
// POSIX implementation in file_system.cpp and a Win32 one in file_system_win32.cpp. Plain
// functions, no state; none of them throws.
#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// folder + separator + name: the one way paths are joined.
std::string JoinPath(const std::string& folder, const std::string& name);

// The text after the last path separator and before the last "." (both separators count).
std::string BaseNameOfPath(const std::string& path);

// Moves `from` over `to` in one step, so that `to` is either the old file or the complete new
// one. Refuses to replace a read-only file. Returns false and leaves both files when it fails.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);

// The names (not paths) of the plain files in `folder` whose extension is ".txt" in any case,
// in the order the file system returns them. Empty when the folder cannot be read.
std::vector<std::string> ListTextFiles(const std::string& folder);

// Removes a file; reports whether it is gone.
bool RemoveFile(const std::string& path);

// The absolute form of a path (the path itself when it cannot be resolved).
std::string FullPath(const std::string& path);

// The process's working directory, and a way to set it back; SetWorkingDirectory reports success.
std::string WorkingDirectory();
bool SetWorkingDirectory(const std::string& folder);
