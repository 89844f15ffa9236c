// MacroSystem: what the @NAME macros read from the operating system (clock, registry, folders,
// environment, version, network and display). Owned by the engine's ServiceRegistry, created on
// first use, engine thread only. The Windows build reads the system (macros_win32.cpp); native
// runs give what a POSIX system offers and empty texts or 0 for the rest (macros_headless.cpp).
// Texts come from bounded reads: a value that does not fit the system's path length gives "".
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace builtins {

struct LocalTime {
  int m_year = 1970;
  int m_month = 1;  // 1 to 12
  int m_day = 1;    // 1 to 31
  int m_hour = 0;
  int m_minute = 0;
  int m_second = 0;
  int m_weekDay = 4;  // 0 Sunday to 6 Saturday
};

struct OsVersion {
  bool m_known = false;
  bool m_ntFamily = false;
  unsigned m_major = 0;
  unsigned m_minor = 0;
  unsigned m_build = 0;
  std::string m_servicePack;
};

struct DisplayMetrics {
  int m_width = 0;
  int m_height = 0;
  int m_bitsPerPixel = 0;
  int m_refreshHz = 0;
};

enum class RegistryRoot { kLocalMachine, kCurrentUser, kUsers };
enum class SystemFolder { kWindows, kSystem, kWorking, kTemp };

class MacroSystem {
 public:
  virtual ~MacroSystem() = default;
  virtual LocalTime Now() = 0;
  // A string value (an empty `value` names the key's default value); "" when missing.
  virtual std::string RegistryText(RegistryRoot root, const std::string& key, const std::string& value) = 0;
  virtual std::string Environment(const std::string& name) = 0;
  // The folder as the system gives it, trailing separator included where the system adds one.
  virtual std::string Folder(SystemFolder folder) = 0;
  virtual std::string ComputerName() = 0;
  virtual std::string UserName() = 0;
  virtual OsVersion Version() = 0;
  // The running program's file version, "%u.%u.%u.%u", or "" when it has none.
  virtual std::string ProgramVersion() = 0;
  // The local host name's IPv4 addresses in dotted form, in the order the resolver gives them.
  virtual std::vector<std::string> IpAddresses() = 0;
  virtual DisplayMetrics Display() = 0;

  static std::unique_ptr<MacroSystem> CreateDefault();
};

}  // namespace builtins
