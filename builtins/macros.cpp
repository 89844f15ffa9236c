// The @NAME macro table: 73 read-only values, each read by a small reader from the engine or
// from the operating system through MacroSystem.
#include "builtins/macros.h"

#include <cstdio>
#include <iterator>
#include <tuple>

#include "builtins/macros_services.h"
#include "engine/script_engine.h"

namespace builtins {

namespace {

using MacroReader = void (*)(ScriptEngine& engine, const char* text, int number, Variant& value);

struct MacroEntry {
  const char* m_name;
  MacroReader m_read;
  const char* m_text;  // the reader's text parameter (a registry value or variable name)
  int m_number;        // the reader's number parameter (a constant or a field)
};

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kShellFoldersKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kLanguageKey = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
constexpr const char* kResourceLocaleKey = ".DEFAULT\\Control Panel\\Desktop\\ResourceLocale";

MacroSystem& System(ScriptEngine& engine) { return engine.Services().Get<MacroSystem>(); }

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string UserFolder(ScriptEngine& engine, const std::string& name) {
  return System(engine).RegistryText(RegistryRoot::kCurrentUser, kShellFoldersKey, name);
}

std::string MachineFolder(ScriptEngine& engine, const std::string& name) {
  return System(engine).RegistryText(RegistryRoot::kLocalMachine, kShellFoldersKey, name);
}

int DayOfYear(const LocalTime& time) {
  static const int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  bool leap = (time.m_year % 4 == 0 && time.m_year % 100 != 0) || time.m_year % 400 == 0;
  int month = time.m_month < 1 || time.m_month > 12 ? 1 : time.m_month;
  return kDaysBefore[month - 1] + time.m_day + (leap && month > 2 ? 1 : 0);
}

enum TimeField { kSecond, kMinute, kHour, kMonthDay, kMonth, kYear, kWeekDay, kYearDay };

void ReadTime(ScriptEngine& engine, const char*, int field, Variant& value) {
  LocalTime now = System(engine).Now();
  const int twoDigits[] = {now.m_second, now.m_minute, now.m_hour, now.m_day, now.m_month};
  char text[32];
  if (field <= kMonth) std::snprintf(text, sizeof text, "%.2d", twoDigits[field]);
  else if (field == kYear) std::snprintf(text, sizeof text, "%.4d", now.m_year);
  else std::snprintf(text, sizeof text, "%d", field == kWeekDay ? now.m_weekDay + 1 : DayOfYear(now));
  value.SetString(text);
}

void ReadNumber(ScriptEngine&, const char*, int number, Variant& value) { value.SetInt(number); }
void ReadText(ScriptEngine&, const char* text, int, Variant& value) { value.SetString(text); }
void ReadErrorCode(ScriptEngine& engine, const char*, int, Variant& value) { value.SetInt(engine.ErrorCode()); }

void ReadCurrentVersion(ScriptEngine& engine, const char* name, int, Variant& value) {
  value.SetString(System(engine).RegistryText(RegistryRoot::kLocalMachine, kCurrentVersionKey, name));
}

void ReadUserFolder(ScriptEngine& engine, const char* name, int, Variant& value) {
  value.SetString(UserFolder(engine, name));
}

void ReadMachineFolder(ScriptEngine& engine, const char* name, int, Variant& value) {
  value.SetString(MachineFolder(engine, name));
}

// The all-users folder, or the user's own when the machine has none.
void ReadCommonOrUserFolder(ScriptEngine& engine, const char* name, int, Variant& value) {
  std::string folder = MachineFolder(engine, std::string("Common ") + name);
  value.SetString(folder.empty() ? UserFolder(engine, name) : folder);
}

void ReadMyDocuments(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(WithoutTrailingBackslash(UserFolder(engine, "Personal")));
}

void ReadUserProfile(ScriptEngine& engine, const char*, int, Variant& value) {
  std::string desktop = UserFolder(engine, "Desktop");
  size_t slash = desktop.find_last_of('\\');
  value.SetString(slash == std::string::npos ? desktop : desktop.substr(0, slash));
}

void ReadComputerName(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(System(engine).ComputerName());
}

void ReadUserName(ScriptEngine& engine, const char*, int, Variant& value) { value.SetString(System(engine).UserName()); }

void ReadFolder(ScriptEngine& engine, const char*, int folder, Variant& value) {
  value.SetString(System(engine).Folder(static_cast<SystemFolder>(folder)));
}

void ReadTempFolder(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(WithoutTrailingBackslash(System(engine).Folder(SystemFolder::kTemp)));
}

void ReadEnvironment(ScriptEngine& engine, const char* name, int, Variant& value) {
  value.SetString(System(engine).Environment(name));
}

void ReadScriptPath(ScriptEngine& engine, const char*, int part, Variant& value) {
  value.SetString(part == 0 ? engine.ScriptFullPath() : part == 1 ? engine.ScriptName() : engine.ScriptDir());
}

void ReadOsType(ScriptEngine& engine, const char*, int, Variant& value) {
  OsVersion version = System(engine).Version();
  value.SetString(!version.m_known ? "" : version.m_ntFamily ? "WIN32_NT" : "WIN32_WINDOWS");
}

void ReadOsVersion(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(OsVersionName(System(engine).Version()));
}

void ReadOsBuild(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetInt(static_cast<int>(System(engine).Version().m_build));
}

void ReadOsServicePack(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(System(engine).Version().m_servicePack);
}

void ReadOsLanguage(ScriptEngine& engine, const char*, int, Variant& value) {
  MacroSystem& system = System(engine);
  OsVersion version = system.Version();
  if (!version.m_known) {
    value.SetString("");
  } else if (version.m_ntFamily) {
    const char* name = version.m_major >= 5 ? "InstallLanguage" : "Default";
    value.SetString(system.RegistryText(RegistryRoot::kLocalMachine, kLanguageKey, name));
  } else {
    std::string locale = system.RegistryText(RegistryRoot::kUsers, kResourceLocaleKey, "");
    value.SetString(locale.size() > 4 ? locale.substr(4) : std::string());
  }
}

void ReadProgramVersion(ScriptEngine& engine, const char*, int, Variant& value) {
  value.SetString(System(engine).ProgramVersion());
}

void ReadIpAddress(ScriptEngine& engine, const char*, int index, Variant& value) {
  std::vector<std::string> addresses = System(engine).IpAddresses();
  value.SetString(static_cast<size_t>(index) < addresses.size() ? addresses[static_cast<size_t>(index)] : "0.0.0.0");
}

enum DisplayField { kWidth, kHeight, kDepth, kRefresh };

void ReadDisplay(ScriptEngine& engine, const char*, int field, Variant& value) {
  DisplayMetrics display = System(engine).Display();
  const int fields[] = {display.m_width, display.m_height, display.m_bitsPerPixel, display.m_refreshHz};
  value.SetInt(fields[field]);
}

const MacroEntry kMacros[] = {
    {"ERROR", ReadErrorCode, "", 0},
    {"SEC", ReadTime, "", kSecond},
    {"MIN", ReadTime, "", kMinute},
    {"HOUR", ReadTime, "", kHour},
    {"MDAY", ReadTime, "", kMonthDay},
    {"MON", ReadTime, "", kMonth},
    {"YEAR", ReadTime, "", kYear},
    {"WDAY", ReadTime, "", kWeekDay},
    {"YDAY", ReadTime, "", kYearDay},
    {"PROGRAMFILESDIR", ReadCurrentVersion, "ProgramFilesDir", 0},
    {"COMMONFILESDIR", ReadCurrentVersion, "CommonFilesDir", 0},
    {"MYDOCUMENTSDIR", ReadMyDocuments, "", 0},
    {"APPDATACOMMONDIR", ReadMachineFolder, "Common AppData", 0},
    {"DOCUMENTSCOMMONDIR", ReadMachineFolder, "Common Documents", 0},
    {"DESKTOPCOMMONDIR", ReadCommonOrUserFolder, "Desktop", 0},
    {"FAVORITESCOMMONDIR", ReadCommonOrUserFolder, "Favorites", 0},
    {"PROGRAMSCOMMONDIR", ReadCommonOrUserFolder, "Programs", 0},
    {"STARTMENUCOMMONDIR", ReadCommonOrUserFolder, "Start Menu", 0},
    {"STARTUPCOMMONDIR", ReadCommonOrUserFolder, "Startup", 0},
    {"APPDATADIR", ReadUserFolder, "AppData", 0},
    {"DESKTOPDIR", ReadUserFolder, "Desktop", 0},
    {"FAVORITESDIR", ReadUserFolder, "Favorites", 0},
    {"PROGRAMSDIR", ReadUserFolder, "Programs", 0},
    {"STARTMENUDIR", ReadUserFolder, "Start Menu", 0},
    {"STARTUPDIR", ReadUserFolder, "Startup", 0},
    {"USERPROFILEDIR", ReadUserProfile, "", 0},
    {"COMPUTERNAME", ReadComputerName, "", 0},
    {"USERNAME", ReadUserName, "", 0},
    {"WINDOWSDIR", ReadFolder, "", static_cast<int>(SystemFolder::kWindows)},
    {"SYSTEMDIR", ReadFolder, "", static_cast<int>(SystemFolder::kSystem)},
    {"WORKINGDIR", ReadFolder, "", static_cast<int>(SystemFolder::kWorking)},
    {"TEMPDIR", ReadTempFolder, "", 0},
    {"COMSPEC", ReadEnvironment, "COMSPEC", 0},
    {"HOMEDRIVE", ReadEnvironment, "HOMEDRIVE", 0},
    {"HOMEPATH", ReadEnvironment, "HOMEPATH", 0},
    {"HOMESHARE", ReadEnvironment, "HOMESHARE", 0},
    {"LOGONSERVER", ReadEnvironment, "LOGONSERVER", 0},
    {"LOGONDOMAIN", ReadEnvironment, "USERDOMAIN", 0},
    {"LOGONDNSDOMAIN", ReadEnvironment, "USERDNSDOMAIN", 0},
    {"SW_HIDE", ReadNumber, "", 0},
    {"SW_SHOWNORMAL", ReadNumber, "", 1},
    {"SW_SHOWMINIMIZED", ReadNumber, "", 2},
    {"SW_MAXIMIZE", ReadNumber, "", 3},
    {"SW_SHOWMAXIMIZED", ReadNumber, "", 3},
    {"SW_SHOWNOACTIVATE", ReadNumber, "", 4},
    {"SW_SHOW", ReadNumber, "", 5},
    {"SW_MINIMIZE", ReadNumber, "", 6},
    {"SW_SHOWMINNOACTIVE", ReadNumber, "", 7},
    {"SW_SHOWNA", ReadNumber, "", 8},
    {"SW_RESTORE", ReadNumber, "", 9},
    {"SW_SHOWDEFAULT", ReadNumber, "", 10},
    {"SCRIPTFULLPATH", ReadScriptPath, "", 0},
    {"SCRIPTNAME", ReadScriptPath, "", 1},
    {"SCRIPTDIR", ReadScriptPath, "", 2},
    {"OSTYPE", ReadOsType, "", 0},
    {"OSVERSION", ReadOsVersion, "", 0},
    {"OSBUILD", ReadOsBuild, "", 0},
    {"OSSERVICEPACK", ReadOsServicePack, "", 0},
    {"OSLANG", ReadOsLanguage, "", 0},
    {"TARVELVERSION", ReadProgramVersion, "", 0},
    {"IPADDRESS1", ReadIpAddress, "", 0},
    {"IPADDRESS2", ReadIpAddress, "", 1},
    {"IPADDRESS3", ReadIpAddress, "", 2},
    {"IPADDRESS4", ReadIpAddress, "", 3},
    {"CR", ReadText, "\r", 0},
    {"LF", ReadText, "\n", 0},
    {"CRLF", ReadText, "\r\n", 0},
    {"TAB", ReadText, "\t", 0},
    {"DESKTOPWIDTH", ReadDisplay, "", kWidth},
    {"DESKTOPHEIGHT", ReadDisplay, "", kHeight},
    {"DESKTOPDEPTH", ReadDisplay, "", kDepth},
    {"DESKTOPREFRESH", ReadDisplay, "", kRefresh},
    {"COMPILED", ReadNumber, "", 0},
};
static_assert(std::size(kMacros) == 73, "the script language has 73 macros");

}  // namespace

std::string OsVersionName(const OsVersion& version) {
  if (!version.m_known) return "";
  if (!version.m_ntFamily) return version.m_minor >= 90 ? "WIN_ME" : version.m_minor >= 10 ? "WIN_98" : "WIN_95";
  struct Release {
    unsigned m_major, m_minor, m_build;
    const char* m_name;
  };
  // Newest first: the first release not newer than the running system names it.
  static const Release kReleases[] = {
      {10, 0, 22000, "WIN_11"}, {10, 0, 0, "WIN_10"}, {6, 3, 0, "WIN_81"},   {6, 2, 0, "WIN_8"},
      {6, 1, 0, "WIN_7"},       {6, 0, 0, "WIN_VISTA"}, {5, 2, 0, "WIN_2003"}, {5, 1, 0, "WIN_XP"},
      {5, 0, 0, "WIN_2000"},
  };
  for (const Release& release : kReleases) {
    if (std::tie(version.m_major, version.m_minor, version.m_build) >=
        std::tie(release.m_major, release.m_minor, release.m_build)) {
      return release.m_name;
    }
  }
  return "WIN_NT4";
}

std::string OsVersionText(const OsVersion& version) {
  if (!version.m_known) return "";
  std::string text = OsVersionName(version) + " " + std::to_string(version.m_major) + "." +
                     std::to_string(version.m_minor) + "." + std::to_string(version.m_build);
  if (!version.m_servicePack.empty()) text += " " + version.m_servicePack;
  return text;
}

MacroResult ReadMacro(ScriptEngine& engine, const std::string& upperName, Variant& value) {
  for (const MacroEntry& entry : kMacros) {
    if (upperName == entry.m_name) {
      entry.m_read(engine, entry.m_text, entry.m_number, value);
      return MacroResult::kValue;
    }
  }
  return MacroResult::kUnknown;
}

}  // namespace builtins
