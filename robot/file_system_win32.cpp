// The Win32 side of the file-system operations, with ANSI paths as the robot files use them.
#include <windows.h>

#include "robot/file_system.h"
#include "robot/text_util.h"

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  // A user who made a robot read-only protects it; not every MoveFileEx honours that by itself.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(JoinPath(folder, "*" + extension).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = data.cFileName;
    // "*.txt" also matches longer extensions through short names ("a.txta"): check the real one.
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && HasExtensionNoCase(name, extension)) {
      names.push_back(name);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::string FullPath(const std::string& path) {
  const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::string full(size, '\0');
  const DWORD written = GetFullPathNameA(path.c_str(), size, &full[0], nullptr);
  if (written == 0 || written >= size) return path;
  full.resize(written);
  return full;
}

std::string WorkingDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return std::string();
  std::string folder(size, '\0');
  const DWORD written = GetCurrentDirectoryA(size, &folder[0]);
  if (written == 0 || written >= size) return std::string();
  folder.resize(written);
  return folder;
}

bool SetWorkingDirectory(const std::string& folder) { return SetCurrentDirectoryA(folder.c_str()) != 0; }
