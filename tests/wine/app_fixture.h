// The shared fixture of the program's end-to-end tests under Wine: a sandbox holding morvanta.exe,
// starting it, the first instance's main window and tray window, and the normal end with exit
// code 18. Each test owns its fixture; every wait polls with a deadline.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/driver.h"

// A robot file named `name` whose script section holds `lines`, run `repeatTimes` times.
inline std::string RobotFile(const std::string& name, const std::vector<std::string>& lines, int repeatTimes = 1,
                             const std::string& description = "") {
  std::string file = "[General]\r\nName=" + name + "\r\nStartKey=\r\nEndKey=\r\nDescription=" + description +
                     "\r\nEnable=0\r\nRepeatOption=0\r\nRepeatTimes=" +
                     std::to_string(repeatTimes) + "\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n[Script]\r\n";
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

class AppFixture : public testing::Test {
protected:
  static constexpr DWORD kExitCode = 18;

  void SetUp() override { ASSERT_TRUE(m_sandbox.Ready()); }

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
