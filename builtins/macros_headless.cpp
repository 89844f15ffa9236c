// MacroSystem for native runs: the clock, environment, folders, host name and addresses that a
// POSIX system offers; no registry, no Windows version and no display (empty texts and zeros).
#ifndef _WIN32
#include <arpa/inet.h>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "builtins/macros_services.h"

namespace builtins {

namespace {

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "";
  return name;
}

class HeadlessMacroSystem : public MacroSystem {
 public:
  LocalTime Now() override {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalTime time;
    time.m_year = parts.tm_year + 1900;
    time.m_month = parts.tm_mon + 1;
    time.m_day = parts.tm_mday;
    time.m_hour = parts.tm_hour;
    time.m_minute = parts.tm_min;
    time.m_second = parts.tm_sec;
    time.m_weekDay = parts.tm_wday;
    return time;
  }

  std::string RegistryText(RegistryRoot, const std::string&, const std::string&) override { return ""; }

  std::string Environment(const std::string& name) override {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
  }

  std::string Folder(SystemFolder folder) override {
    std::error_code error;
    std::filesystem::path path;
    if (folder == SystemFolder::kWorking) path = std::filesystem::current_path(error);
    else if (folder == SystemFolder::kTemp) path = std::filesystem::temp_directory_path(error);
    return error ? std::string() : path.string();
  }

  std::string ComputerName() override { return HostName(); }

  std::string UserName() override {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) != 0 || !found) return Environment("USER");
    return found->pw_name;
  }

  OsVersion Version() override { return OsVersion(); }
  std::string ProgramVersion() override { return ""; }

  std::vector<std::string> IpAddresses() override {
    std::vector<std::string> addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(HostName().c_str(), nullptr, &hints, &list) != 0) return addresses;
    for (addrinfo* item = list; item; item = item->ai_next) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* address = reinterpret_cast<const sockaddr_in*>(item->ai_addr);
      if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) addresses.emplace_back(text);
    }
    freeaddrinfo(list);
    return addresses;
  }

  DisplayMetrics Display() override { return DisplayMetrics(); }
};

}  // namespace

std::unique_ptr<MacroSystem> MacroSystem::CreateDefault() { return std::make_unique<HeadlessMacroSystem>(); }

}  // namespace builtins
#endif
