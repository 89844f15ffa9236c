// The sandbox: a temporary copy of the programs with their own script folder; whole files read
// and written.
#include <atomic>
#include <fstream>
#include <sstream>

#include "driver.h"

namespace driver {

namespace {

constexpr int kFolderAttempts = 100;

// A new, empty folder in the temporary folder; empty when none can be made. Process ids come
// back, so a folder left behind by a killed test may already carry a name: the next one is tried.
std::string CreateTemporaryFolder() {
  char base[MAX_PATH + 1] = {};
  GetTempPathA(sizeof base, base);
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
    std::string folder = std::string(base) + "morvanta-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(counter++);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return {};
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string result = "Z:" + path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

Sandbox::Sandbox(const std::string& binFolder, const std::vector<std::string>& programs)
    : m_folder(CreateTemporaryFolder()) {
  m_ready = !m_folder.empty() && CreateDirectoryA(ScriptFolder().c_str(), nullptr);
  std::string source = WindowsPath(binFolder);
  for (const std::string& program : programs) {
    m_ready = m_ready && CopyFileA((source + "\\" + program).c_str(), PathOf(program).c_str(), FALSE);
  }
}

Sandbox::~Sandbox() {
  if (!m_folder.empty()) RemoveTree(m_folder);
}

bool Sandbox::WriteScriptFile(const std::string& name, const std::string& contents) const {
  return WriteWholeFile(ScriptFolder() + "\\" + name, contents);
}

std::string Sandbox::ReadScriptFile(const std::string& name) const {
  return ReadWholeFile(ScriptFolder() + "\\" + name);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
  std::ofstream file(path, std::ios::binary);
  file << contents;
  return static_cast<bool>(file.flush());
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace driver
