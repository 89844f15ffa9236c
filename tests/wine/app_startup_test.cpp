// End-to-end start-up tests: single instance, the run switch, forwarding to the running instance,
// the tray's commands and the quit paths, driven through the test driver under Wine.
#include <gtest/gtest.h>

#include <string>

#include "app/main_dlg.h"
#include "app/tray_icon.h"
#include "driver/driver.h"
#include "res/tray_menu_ids.h"

namespace {

constexpr DWORD kExitCode = 18;
constexpr char kNotFound[] = "Can not find the robot scheduled to run.";
constexpr char kQuitQuestion[] =
    "You will not be able to run robots by hotkey if you quit Morvanta.\nYou can run Morvanta in system tray "
    "by right click tray icon and select 'Hide Morvanta'.\n\nAre you sure you want to quit Morvanta?";

std::string RobotFile(const std::string& name) {
  return "[General]\r\nName=" + name +
         "\r\nStartKey=\r\nEndKey=\r\nDescription=\r\nEnable=0\r\nRepeatOption=0\r\nRepeatTimes=1\r\n"
         "OriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n[Script]\r\n";
}

class AppStartup : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_sandbox.Ready());
    for (const char* name : {"Alpha", "Hello World", "Zulu"}) {
      ASSERT_TRUE(m_sandbox.WriteScriptFile(std::string(name) + ".txt", RobotFile(name)));
    }
  }

  driver::Process Start(const std::string& arguments) {
    return driver::Process::Start(m_sandbox.PathOf("morvanta.exe"), arguments);
  }

  // The first instance, started without arguments, with its main window shown.
  void StartFirst() {
    m_first = std::make_unique<driver::Process>(Start(""));
    ASSERT_TRUE(m_first->Valid());
    m_main = driver::WaitForWindow({"Morvanta", "#32770", m_first->Id(), true});
    ASSERT_NE(m_main, nullptr);
    m_tray = driver::FindChildByClass(m_main, "MorvantaTrayWnd");
    ASSERT_NE(m_tray, nullptr);
  }

  void TrayCommand(int id) { ASSERT_TRUE(driver::Post(m_tray, WM_COMMAND, id, 0)); }

  void ExpectQuitsNormally(const driver::Process& process) {
    std::optional<DWORD> code = process.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "still running";
    EXPECT_EQ(*code, kExitCode);
  }

  driver::Sandbox m_sandbox{MORVANTA_BIN_DIR, {"morvanta.exe"}};
  std::unique_ptr<driver::Process> m_first;
  HWND m_main = nullptr;
  HWND m_tray = nullptr;
};

TEST_F(AppStartup, TrayShowsHidesAndExitsWithoutAsking) {
  StartFirst();
  TrayCommand(ID_TRAY_HIDE);
  EXPECT_TRUE(driver::WaitForShown(m_main, false));
  ASSERT_TRUE(driver::Post(m_tray, WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN));
  EXPECT_TRUE(driver::WaitForShown(m_main, true));
  ShowWindow(m_main, SW_MINIMIZE);
  ASSERT_TRUE(driver::WaitUntil([&] { return IsIconic(m_main) != FALSE; }));
  TrayCommand(ID_TRAY_SHOW);
  EXPECT_TRUE(driver::WaitForShown(m_main, true));
  TrayCommand(ID_TRAY_EXIT);
  ExpectQuitsNormally(*m_first);
}

TEST_F(AppStartup, EscAsksBeforeQuittingAndNoKeepsRunning) {
  StartFirst();
  for (UINT message : {UINT(WM_COMMAND), UINT(WM_CLOSE)}) {  // Esc, then the close box
    ASSERT_TRUE(driver::Post(m_main, message, message == WM_COMMAND ? IDCANCEL : 0, 0));
    HWND question = driver::WaitForWindowShowing(m_first->Id(), kQuitQuestion);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(driver::PressButton(question, IDNO));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(question); }));
    EXPECT_TRUE(m_first->IsRunning());
    EXPECT_TRUE(driver::IsShown(m_main));
  }
  ASSERT_TRUE(driver::Post(m_main, WM_COMMAND, IDCANCEL, 0));
  HWND question = driver::WaitForWindowShowing(m_first->Id(), kQuitQuestion);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(driver::PressButton(question, IDYES));
  ExpectQuitsNormally(*m_first);
}

// The whole command line is lower-cased, the name is everything after "-a " and matched without
// regard to case; quotes around it (as shells add for names with blanks) are dropped.
TEST_F(AppStartup, SecondInstanceForwardsAKnownRobotAndEnds) {
  StartFirst();
  for (const char* arguments : {"-a hello world", "-A HELLO WORLD", "-a \"Hello World\"", "-a zulu"}) {
    SCOPED_TRACE(arguments);
    driver::Process second = Start(arguments);
    ExpectQuitsNormally(second);
    EXPECT_EQ(driver::FindWindowShowing(m_first->Id(), kNotFound), nullptr);
    EXPECT_TRUE(m_first->IsRunning());
  }
}

TEST_F(AppStartup, SecondInstanceWithAnUnknownRobotWaitsWhileTheFirstSaysSo) {
  StartFirst();
  driver::Process second = Start("-a hello");
  HWND message = driver::WaitForWindowShowing(m_first->Id(), kNotFound);
  ASSERT_NE(message, nullptr);
  // The request is synchronous: the second instance lives until the message is answered.
  EXPECT_TRUE(second.IsRunning());
  ASSERT_TRUE(driver::PressButton(message, IDOK));
  ExpectQuitsNormally(second);
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

TEST_F(AppStartup, SecondInstanceWithoutRunSwitchOnlyActivatesTheFirst) {
  StartFirst();
  for (const char* arguments : {"", "-a", "-ahello world", "hello world"}) {
    SCOPED_TRACE(arguments);
    TrayCommand(ID_TRAY_HIDE);
    ASSERT_TRUE(driver::WaitForShown(m_main, false));
    driver::Process second = Start(arguments);
    ExpectQuitsNormally(second);
    EXPECT_TRUE(driver::WaitForShown(m_main, true));
    EXPECT_EQ(driver::FindWindowShowing(m_first->Id(), kNotFound), nullptr);
  }
}

// A first instance with the run switch runs the robot hidden and quits, whether the robot exists
// or not (an unknown one runs nothing).
TEST_F(AppStartup, FirstInstanceWithRunSwitchRunsAndQuits) {
  for (const char* arguments : {"-a Hello World", "-a nosuch"}) {
    SCOPED_TRACE(arguments);
    driver::Process first = Start(arguments);
    ASSERT_TRUE(first.Valid());
    ExpectQuitsNormally(first);
  }
}

}  // namespace
