// Path helpers shared by every build, and the POSIX side of the file-system operations.
#include "robot/file_system.h"

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#endif

#include <fstream>

#include "robot/text_util.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
}

std::vector<std::string> ListTextFiles(const std::string& folder) {
  return ListFilesWithExtension(folder, ".txt");
}

bool HasExtensionNoCase(const std::string& name, const std::string& extension) {
  return name.size() > extension.size() &&
         EqualsNoCase(name.substr(name.size() - extension.size()), extension);
}

std::string BaseNameOfPath(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

namespace {

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::out | std::ios::binary | std::ios::trunc);
  if (!file.is_open()) return false;
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  return !file.fail();
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  if (WriteWholeFile(temporary, text) && ReplaceFileAtomically(temporary, path)) return true;
  RemoveFile(temporary);
  return false;
}

#ifndef _WIN32

namespace {

bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool IsPlainFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  // rename() would happily replace a read-only file; the Windows build refuses, and so do we.
  if (IsReadOnlyFile(to)) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (HasExtensionNoCase(name, extension) && IsPlainFile(JoinPath(folder, name))) {
      names.push_back(name);
    }
  }
  closedir(dir);
  return names;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  std::ifstream source(from, std::ios::binary);
  if (!source || !IsPlainFile(from)) return false;
  std::ofstream target(to, std::ios::binary | std::ios::trunc);
  target << source.rdbuf();
  target.flush();
  return static_cast<bool>(target);
}

std::string FullPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  const std::string here = WorkingDirectory();
  return here.empty() ? path : JoinPath(here, path);
}

std::string WorkingDirectory() {
  std::vector<char> buffer(PATH_MAX + 1);
  return getcwd(buffer.data(), buffer.size()) != nullptr ? std::string(buffer.data()) : std::string();
}

bool SetWorkingDirectory(const std::string& folder) { return chdir(folder.c_str()) == 0; }

#endif
