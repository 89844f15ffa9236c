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

// Whether a file name ends with `extension` (with its dot) in any case, with a name before it.
bool HasExtensionNoCase(const std::string& name, const std::string& extension);

// Moves `from` over `to` in one step, so that `to` is either the old file or the complete new
// one. Refuses to replace a read-only file. Returns false and leaves both files when it fails.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);

// Writes `text` to path + ".tmp" and moves that over `path`, so that `path` is either the old file
// or the complete new one, never a half-written file. Returns false, with no temporary file
// left and any old file as it was, when it fails.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// The names (not paths) of the plain files in `folder` whose extension is `extension` (with its
// dot, e.g. ".robo") in any case, in the order the file system returns them. Empty when the
// folder cannot be read.
std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& extension);
// ListFilesWithExtension for ".txt": the robot files of a script folder.
std::vector<std::string> ListTextFiles(const std::string& folder);

// Whether a file or folder exists at `path`. Nothing is opened, so a locked or read-only file
// counts as existing and is never touched.
bool PathExists(const std::string& path);

// Copies the file `from` byte for byte to `to`, replacing a file there; reports success.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Removes a file; reports whether it is gone.
bool RemoveFile(const std::string& path);

// The absolute form of a path (the path itself when it cannot be resolved).
std::string FullPath(const std::string& path);

// The process's working directory, and a way to set it back; SetWorkingDirectory reports success.
std::string WorkingDirectory();
bool SetWorkingDirectory(const std::string& folder);
