// The macros that read Windows, run through the engine on the real system under Wine: each
// gives a plausible value rather than the empty text or 0 of a failed read. (Patterns use
// the simple regular expressions of GoogleTest on Windows: no brackets.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/core/engine_test_support.h"

namespace {

using ::testing::MatchesRegex;
using ::testing::Not;
using ::testing::IsEmpty;

class WindowsMacros : public ::testing::Test {
 protected:
  std::string Read(const std::string& macro) {
    ScriptRun run;
    EXPECT_TRUE(run.Run("$r = " + macro)) << macro << ": " << run.LastError();
    return run.Text("R");
  }
};

TEST_F(WindowsMacros, SystemAndVersionTextsAreFilledIn) {
  EXPECT_EQ(Read("@OSTYPE"), "WIN32_NT");
  EXPECT_THAT(Read("@OSVERSION"), MatchesRegex("WIN_\\w+"));
  EXPECT_GT(std::stoi(Read("@OSBUILD")), 0);
  EXPECT_THAT(Read("@OSLANG"), MatchesRegex("\\w\\w\\w\\w"));
  EXPECT_THAT(Read("@COMPUTERNAME"), Not(IsEmpty()));
  EXPECT_THAT(Read("@USERNAME"), Not(IsEmpty()));
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(Read("@WINDOWSDIR"), windows);
  EXPECT_THAT(Read("@SYSTEMDIR"), MatchesRegex(".+\\\\system32"));
  std::string temp = Read("@TEMPDIR");
  EXPECT_THAT(temp, Not(IsEmpty()));
  EXPECT_NE(temp.back(), '\\');
  EXPECT_THAT(Read("@COMSPEC"), MatchesRegex(".*cmd\\.exe"));
}

TEST_F(WindowsMacros, RegistryFoldersAreRead) {
  EXPECT_THAT(Read("@PROGRAMFILESDIR"), MatchesRegex("\\w:\\\\.+"));
  EXPECT_THAT(Read("@APPDATADIR"), MatchesRegex("\\w:\\\\.+"));
  std::string desktop = Read("@DESKTOPDIR");
  std::string profile = Read("@USERPROFILEDIR");
  EXPECT_THAT(profile, Not(IsEmpty()));
  EXPECT_EQ(desktop.rfind(profile + "\\", 0), 0u) << desktop << " / " << profile;
  EXPECT_THAT(Read("@DESKTOPCOMMONDIR"), Not(IsEmpty()));
}

TEST_F(WindowsMacros, DisplayAndNetworkValuesArePlausible) {
  EXPECT_EQ(std::stoi(Read("@DESKTOPWIDTH")), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(std::stoi(Read("@DESKTOPHEIGHT")), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_GT(std::stoi(Read("@DESKTOPDEPTH")), 0);
  EXPECT_THAT(Read("@IPADDRESS1"), MatchesRegex("\\d+\\.\\d+\\.\\d+\\.\\d+"));
}

}  // namespace
