// Started and opened processes, ended by their owner's destructor unless released.
#include <vector>

#include "driver.h"

namespace driver {

namespace {

constexpr DWORD kEndWaitMs = 5000;

}  // namespace

Process Process::Start(const std::string& program, const std::string& arguments) {
  std::string commandLine = "\"" + program + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  std::string folder = program.substr(0, program.find_last_of("\\/"));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    return Process(nullptr, 0);
  }
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

Process Process::Open(DWORD processId) {
  HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                              processId);
  return Process(handle, handle != nullptr ? processId : 0);
}

Process::Process(Process&& other) noexcept : m_handle(other.m_handle), m_id(other.m_id) {
  other.m_handle = nullptr;
}

Process::~Process() {
  if (m_handle == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(m_handle, 1);
    WaitForSingleObject(m_handle, kEndWaitMs);
  }
  CloseHandle(m_handle);
}

bool Process::IsRunning() const { return m_handle != nullptr && WaitForSingleObject(m_handle, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(Milliseconds timeout) const {
  if (m_handle == nullptr || !WaitUntil([this] { return !IsRunning(); }, timeout)) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(m_handle, &code)) return std::nullopt;
  return code;
}

void Process::Release() {
  if (m_handle != nullptr) CloseHandle(m_handle);
  m_handle = nullptr;
}

}  // namespace driver
