// Macros run through the engine: against a fake system to check which registry values,
// variables and fields each one reads, and against the native system for what it offers.
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "builtins/macros.h"
#include "tests/core/builtins_script_support.h"

namespace {

using builtins::DisplayMetrics;
using builtins::LocalTime;
using builtins::MacroSystem;
using builtins::OsVersion;
using builtins::RegistryRoot;
using builtins::SystemFolder;

const char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class FakeSystem : public MacroSystem {
 public:
  // Registry values by "HKLM|key|value", "HKCU|..." or "HKU|..."; anything else is missing.
  std::map<std::string, std::string> m_registry;
  LocalTime m_now;
  OsVersion m_version;
  std::vector<std::string> m_addresses;

  LocalTime Now() override { return m_now; }
  std::string RegistryText(RegistryRoot root, const std::string& key, const std::string& value) override {
    const char* roots[] = {"HKLM", "HKCU", "HKU"};
    auto it = m_registry.find(std::string(roots[static_cast<int>(root)]) + "|" + key + "|" + value);
    return it == m_registry.end() ? "" : it->second;
  }
  std::string Environment(const std::string& name) override { return "env " + name; }
  std::string Folder(SystemFolder folder) override {
    const char* folders[] = {"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\work", "C:\\Temp\\"};
    return folders[static_cast<int>(folder)];
  }
  std::string ComputerName() override { return "PC1"; }
  std::string UserName() override { return "ann"; }
  OsVersion Version() override { return m_version; }
  std::string ProgramVersion() override { return "1.2.3.4"; }
  std::vector<std::string> IpAddresses() override { return m_addresses; }
  DisplayMetrics Display() override { return DisplayMetrics{1280, 1024, 32, 60}; }
};

OsVersion Version(bool nt, unsigned major, unsigned minor, unsigned build = 0) {
  OsVersion version;
  version.m_known = true;
  version.m_ntFamily = nt;
  version.m_major = major;
  version.m_minor = minor;
  version.m_build = build;
  return version;
}

class MacrosTest : public ::testing::Test {
 protected:
  MacrosTest() {
    m_harness.m_setUp = [this](ScriptEngine& engine) {
      engine.Services().Set<MacroSystem>(std::make_unique<FakeSystem>(m_fake));
    };
  }

  void ExpectMacros(const std::vector<std::pair<const char*, const char*>>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.first);
      Outcome outcome = m_harness.Eval(c.first);
      EXPECT_EQ(outcome.m_message, 0);
      EXPECT_EQ(outcome.Text(), c.second);
    }
  }

  FakeSystem m_fake;
  ScriptHarness m_harness;
};

TEST_F(MacrosTest, TimeFieldsArePaddedTextsAndDaysCountFromSunday) {
  m_fake.m_now = LocalTime{2023, 1, 1, 9, 5, 3, 0};
  ExpectMacros({{"@SEC", "03"}, {"@MIN", "05"}, {"@HOUR", "09"}, {"@MDAY", "01"}, {"@MON", "01"},
                {"@YEAR", "2023"}, {"@WDAY", "1"}, {"@YDAY", "1"}});
  m_fake.m_now = LocalTime{2024, 12, 31, 23, 59, 59, 2};
  ExpectMacros({{"@WDAY", "3"}, {"@YDAY", "366"}, {"@MON", "12"}});
  m_fake.m_now = LocalTime{2023, 3, 1, 0, 0, 0, 3};
  ExpectMacros({{"@YDAY", "60"}});
}

TEST_F(MacrosTest, FoldersComeFromTheirRegistryValuesWithCommonFallingBackToTheUser) {
  const std::string user = std::string("HKCU|") + kShellFolders + "|";
  const std::string machine = std::string("HKLM|") + kShellFolders + "|";
  m_fake.m_registry = {
      {"HKLM|SOFTWARE\\Microsoft\\Windows\\CurrentVersion|ProgramFilesDir", "C:\\Program Files"},
      {"HKLM|SOFTWARE\\Microsoft\\Windows\\CurrentVersion|CommonFilesDir", "C:\\Common"},
      {user + "Personal", "C:\\Docs\\"},
      {user + "Desktop", "C:\\Users\\ann\\Desktop"},
      {user + "Favorites", "C:\\Users\\ann\\Favorites"},
      {user + "AppData", "C:\\Users\\ann\\AppData"},
      {user + "Start Menu", "C:\\Users\\ann\\Start"},
      {machine + "Common Desktop", "C:\\Public\\Desktop"},
      {machine + "Common AppData", "C:\\ProgramData"},
  };
  ExpectMacros({
      {"@ProgramFilesDir", "C:\\Program Files"},
      {"@CommonFilesDir", "C:\\Common"},
      {"@MyDocumentsDir", "C:\\Docs"},
      {"@UserProfileDir", "C:\\Users\\ann"},
      {"@DesktopDir", "C:\\Users\\ann\\Desktop"},
      {"@AppDataDir", "C:\\Users\\ann\\AppData"},
      {"@StartMenuDir", "C:\\Users\\ann\\Start"},
      {"@DesktopCommonDir", "C:\\Public\\Desktop"},
      {"@FavoritesCommonDir", "C:\\Users\\ann\\Favorites"},
      {"@AppDataCommonDir", "C:\\ProgramData"},
      {"@DocumentsCommonDir", ""},
      {"@StartupDir", ""},
  });
}

TEST_F(MacrosTest, SystemTextsVariablesAndConstants) {
  ExpectMacros({
      {"@ComputerName", "PC1"},     {"@UserName", "ann"},
      {"@WindowsDir", "C:\\WINDOWS"}, {"@SystemDir", "C:\\WINDOWS\\system32"},
      {"@WorkingDir", "C:\\work"},  {"@TempDir", "C:\\Temp"},
      {"@ComSpec", "env COMSPEC"},  {"@HomeShare", "env HOMESHARE"},
      {"@LogonDomain", "env USERDOMAIN"}, {"@LogonDNSDomain", "env USERDNSDOMAIN"},
      {"@TarvelVersion", "1.2.3.4"}, {"@ScriptName", "test.script"},
      {"@SW_HIDE", "0"},            {"@SW_SHOWMAXIMIZED", "3"},
      {"@SW_SHOWDEFAULT", "10"},    {"@CRLF", "\r\n"},
      {"@TAB", "\t"},               {"@Compiled", "0"},
      {"@DesktopWidth", "1280"},    {"@DesktopHeight", "1024"},
      {"@DesktopDepth", "32"},      {"@DesktopRefresh", "60"},
  });
  EXPECT_EQ(m_harness.Eval("@ScriptFullPath").Text(), (std::filesystem::current_path() / "test.script").string());
  EXPECT_EQ(m_harness.Eval("@ScriptDir").Text(), std::filesystem::current_path().string());
}

TEST_F(MacrosTest, AddressesBeyondTheHostsOwnAreZero) {
  m_fake.m_addresses = {"10.0.0.5", "192.168.1.9"};
  ExpectMacros({{"@IPAddress1", "10.0.0.5"}, {"@IPAddress2", "192.168.1.9"}, {"@IPAddress3", "0.0.0.0"},
                {"@IPAddress4", "0.0.0.0"}});
}

TEST_F(MacrosTest, ErrorIsTheCurrentErrorValue) {
  m_harness.Run({"SetError(5)", "$e = @ERROR", "$f = @error"});
  EXPECT_EQ(m_harness.Global("E").AsString(), "5");
  EXPECT_EQ(m_harness.Global("F").AsString(), "5");
}

TEST_F(MacrosTest, AnUnknownMacroIsReported) {
  EXPECT_EQ(m_harness.Eval("@NoSuchMacro").m_message, 34);
  EXPECT_EQ(m_harness.Eval("@SW_").m_message, 34);
}

TEST_F(MacrosTest, OsMacrosNameTheFamilyReleaseAndLanguage) {
  m_fake.m_registry = {
      {"HKLM|SYSTEM\\CurrentControlSet\\Control\\Nls\\Language|InstallLanguage", "0409"},
      {"HKLM|SYSTEM\\CurrentControlSet\\Control\\Nls\\Language|Default", "0407"},
      {"HKU|.DEFAULT\\Control Panel\\Desktop\\ResourceLocale|", "0000040C"},
  };
  const struct {
    OsVersion m_version;
    const char* m_type;
    const char* m_name;
    const char* m_language;
    const char* m_text;  // the version as the share page reports it
  } cases[] = {
      {Version(true, 4, 0), "WIN32_NT", "WIN_NT4", "0407", "WIN_NT4 4.0.0 Service Pack 3"},
      {Version(true, 5, 0), "WIN32_NT", "WIN_2000", "0409", "WIN_2000 5.0.0 Service Pack 3"},
      {Version(true, 5, 1, 2600), "WIN32_NT", "WIN_XP", "0409", "WIN_XP 5.1.2600 Service Pack 3"},
      {Version(true, 6, 1), "WIN32_NT", "WIN_7", "0409", "WIN_7 6.1.0 Service Pack 3"},
      {Version(true, 10, 0, 19045), "WIN32_NT", "WIN_10", "0409", "WIN_10 10.0.19045 Service Pack 3"},
      {Version(true, 10, 0, 22631), "WIN32_NT", "WIN_11", "0409", "WIN_11 10.0.22631 Service Pack 3"},
      {Version(false, 4, 0), "WIN32_WINDOWS", "WIN_95", "040C", "WIN_95 4.0.0 Service Pack 3"},
      {Version(false, 4, 10), "WIN32_WINDOWS", "WIN_98", "040C", "WIN_98 4.10.0 Service Pack 3"},
      {Version(false, 4, 90), "WIN32_WINDOWS", "WIN_ME", "040C", "WIN_ME 4.90.0 Service Pack 3"},
      {OsVersion(), "", "", "", ""},
  };
  for (const auto& c : cases) {
    m_fake.m_version = c.m_version;
    m_fake.m_version.m_servicePack = c.m_version.m_known ? "Service Pack 3" : "";
    ExpectMacros({{"@OSType", c.m_type}, {"@OSVersion", c.m_name}, {"@OSLang", c.m_language},
                  {"@OSServicePack", m_fake.m_version.m_servicePack.c_str()}});
    EXPECT_EQ(m_harness.Eval("@OSBuild").m_value.AsInt(), static_cast<int>(c.m_version.m_build));
    EXPECT_EQ(builtins::OsVersionText(m_fake.m_version), c.m_text);
  }
}

// Natively there is no registry, Windows version or display: those read as "" or 0, while the
// clock, folders, host name and variables come from the system.
TEST(NativeMacros, ReadWhatThePosixSystemOffers) {
  ScriptHarness harness;
  harness.Run({"$year = @YEAR", "$work = @WORKINGDIR", "$name = @COMPUTERNAME", "$version = @OSVERSION",
               "$width = @DESKTOPWIDTH", "$program = @PROGRAMFILESDIR", "$path = @HOMEPATH", "$ip = @IPADDRESS1"});
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  EXPECT_EQ(harness.Global("YEAR").AsString(), std::to_string(parts.tm_year + 1900));
  EXPECT_EQ(harness.Global("WORK").AsString(), std::filesystem::current_path().string());
  EXPECT_FALSE(harness.Global("NAME").AsString().empty());
  EXPECT_EQ(harness.Global("VERSION").AsString(), "");
  EXPECT_EQ(harness.Global("WIDTH").AsString(), "0");
  EXPECT_EQ(harness.Global("PROGRAM").AsString(), "");
  const char* homePath = std::getenv("HOMEPATH");
  EXPECT_EQ(harness.Global("PATH").AsString(), homePath ? homePath : "");
  EXPECT_THAT(harness.Global("IP").AsString(), ::testing::MatchesRegex("[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+"));
}

}  // namespace
