// MacroSystem for Windows: every string comes from a bounded call into a MAX_PATH buffer and is
// kept only when the call says it fitted and ended in a terminator. The program's version comes
// from the reader the about box uses too.
#include <winsock2.h>
#include <windows.h>

#include <cstring>

#include "builtins/macros_services.h"
#include "builtins/program_version.h"

namespace builtins {

namespace {

constexpr DWORD kBufferSize = MAX_PATH;

// For calls that return the length written, or the size needed when the buffer is too small.
std::string FittedText(const char* buffer, DWORD length) {
  return length == 0 || length >= kBufferSize ? std::string() : std::string(buffer, length);
}

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kCurrentUser: return HKEY_CURRENT_USER;
    default: return HKEY_USERS;
  }
}

// The value when it is a string that fits the buffer with its terminator.
std::string QueryString(HKEY key, const std::string& value) {
  char buffer[kBufferSize];
  DWORD type = 0, size = sizeof buffer;
  LONG status = RegQueryValueExA(key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || size > sizeof buffer) return "";
  // Stored strings need not carry their terminator; one that fills the buffer without it did not fit.
  if (size > 0 && buffer[size - 1] == '\0') return std::string(buffer);
  return size < sizeof buffer ? std::string(buffer, size) : std::string();
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// The true version: RtlGetVersion is not subject to the compatibility shims that make
// GetVersionEx report an older system to programs without a manifest.
bool TrueNtVersion(OSVERSIONINFOW& info) {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  FARPROC proc = ntdll ? GetProcAddress(ntdll, "RtlGetVersion") : nullptr;
  if (!proc) return false;
  auto function = reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void (*)()>(proc));
  info.dwOSVersionInfoSize = sizeof info;
  return function(&info) == 0;
}

std::string NarrowText(const wchar_t* text) {
  char buffer[kBufferSize];
  int length = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  return length > 0 ? std::string(buffer) : std::string();
}

class Win32MacroSystem : public MacroSystem {
 public:
  LocalTime Now() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    LocalTime time;
    time.m_year = now.wYear;
    time.m_month = now.wMonth;
    time.m_day = now.wDay;
    time.m_hour = now.wHour;
    time.m_minute = now.wMinute;
    time.m_second = now.wSecond;
    time.m_weekDay = now.wDayOfWeek;
    return time;
  }

  std::string RegistryText(RegistryRoot root, const std::string& key, const std::string& value) override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return "";
    std::string text = QueryString(opened, value);
    RegCloseKey(opened);
    return text;
  }

  std::string Environment(const std::string& name) override {
    char buffer[kBufferSize];
    return FittedText(buffer, GetEnvironmentVariableA(name.c_str(), buffer, kBufferSize));
  }

  std::string Folder(SystemFolder folder) override {
    char buffer[kBufferSize];
    switch (folder) {
      case SystemFolder::kWindows: return FittedText(buffer, GetWindowsDirectoryA(buffer, kBufferSize));
      case SystemFolder::kSystem: return FittedText(buffer, GetSystemDirectoryA(buffer, kBufferSize));
      case SystemFolder::kWorking: return FittedText(buffer, GetCurrentDirectoryA(kBufferSize, buffer));
      default: return FittedText(buffer, GetTempPathA(kBufferSize, buffer));
    }
  }

  std::string ComputerName() override {
    char buffer[kBufferSize];
    DWORD size = kBufferSize;
    return GetComputerNameA(buffer, &size) ? std::string(buffer, size) : std::string();
  }

  std::string UserName() override {
    char buffer[kBufferSize];
    DWORD size = kBufferSize;
    return GetUserNameA(buffer, &size) ? std::string(buffer) : std::string();
  }

  OsVersion Version() override {
    OsVersion version;
    OSVERSIONINFOW trueInfo{};
    if (TrueNtVersion(trueInfo)) {
      version.m_known = true;
      version.m_ntFamily = trueInfo.dwPlatformId == VER_PLATFORM_WIN32_NT;
      version.m_major = trueInfo.dwMajorVersion;
      version.m_minor = trueInfo.dwMinorVersion;
      version.m_build = trueInfo.dwBuildNumber;
      version.m_servicePack = NarrowText(trueInfo.szCSDVersion);
      return version;
    }
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return version;
    version.m_known = true;
    version.m_ntFamily = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    version.m_major = info.dwMajorVersion;
    version.m_minor = info.dwMinorVersion;
    // The older family keeps the major and minor version in the high word.
    version.m_build = version.m_ntFamily ? info.dwBuildNumber : LOWORD(info.dwBuildNumber);
    info.szCSDVersion[sizeof info.szCSDVersion - 1] = '\0';
    version.m_servicePack = info.szCSDVersion;
    return version;
  }

  std::string ProgramVersion() override { return ProgramFileVersion(); }

  std::vector<std::string> IpAddresses() override {
    std::vector<std::string> addresses;
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return addresses;
    char name[256] = {};
    hostent* host = gethostname(name, sizeof name - 1) == 0 ? gethostbyname(name) : nullptr;
    if (host && host->h_addrtype == AF_INET) {
      for (char** entry = host->h_addr_list; *entry; ++entry) {
        in_addr address;
        std::memcpy(&address, *entry, sizeof address);
        if (const char* dotted = inet_ntoa(address)) addresses.emplace_back(dotted);
      }
    }
    WSACleanup();
    return addresses;
  }

  DisplayMetrics Display() override {
    DisplayMetrics metrics;
    RECT desktop{};
    if (GetWindowRect(GetDesktopWindow(), &desktop)) {
      metrics.m_width = desktop.right - desktop.left;
      metrics.m_height = desktop.bottom - desktop.top;
    }
    if (HDC screen = GetDC(nullptr)) {
      metrics.m_bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
      metrics.m_refreshHz = GetDeviceCaps(screen, VREFRESH);
      ReleaseDC(nullptr, screen);
    }
    return metrics;
  }
};

}  // namespace

std::unique_ptr<MacroSystem> MacroSystem::CreateDefault() { return std::make_unique<Win32MacroSystem>(); }

}  // namespace builtins
