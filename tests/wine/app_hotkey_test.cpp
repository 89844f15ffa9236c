// End-to-end tests of the robots' global hotkeys under Wine: keys pressed from the Windows side
// start a ticked robot.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kErrorCaption[] = "Internal Error";

// A ticked robot with the given keys; repeat option 1 repeats it until its end key.
std::string HotkeyRobot(const std::string& name, const std::string& startKey, const std::string& endKey,
                        int repeatOption, const std::vector<std::string>& lines) {
  std::string file = RobotFile(name, lines);
  auto set = [&file](const std::string& key, const std::string& value) {
    const std::string::size_type at = file.find("\r\n" + key + "=") + 2 + key.size() + 1;
    file.replace(at, file.find("\r\n", at) - at, value);
  };
  set("StartKey", startKey);
  set("EndKey", endKey);
  set("Enable", "1");
  set("RepeatOption", std::to_string(repeatOption));
  return file;
}

const std::vector<WORD> kBrokenStart = {VK_CONTROL, VK_SHIFT, VK_F7};

class AppHotkey : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(m_sandbox.WriteScriptFile(
        "Broken.txt", HotkeyRobot("Broken", "Ctrl + Shift + <F7>", "", 0, {"$x = 1", "$y = 1 +* 2"})));
    StartFirst();
  }

  // The broken robot's start key shows the engine's error box: a run happened, the first instance
  // was free to start it, and it is dismissed again.
  void ExpectBrokenRobotRunsByHotkey() {
    ASSERT_TRUE(driver::PressChord(kBrokenStart));
    HWND box = driver::WaitForWindow({kErrorCaption, "#32770", m_first->Id(), true});
    ASSERT_NE(box, nullptr) << "the start key ran nothing";
    EXPECT_EQ(driver::ControlText(box, 0xFFFF), "Line 2:\n\n$y = 1 +* 2\n$y = ^ ERROR\n\nError: Error in expression.");
    ASSERT_TRUE(driver::PressButton(box, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
  }
};

// Twice in a row: a run started by a hotkey frees the program for the next press.
TEST_F(AppHotkey, StartKeyRunsTheTickedRobot) {
  ExpectBrokenRobotRunsByHotkey();
  ExpectBrokenRobotRunsByHotkey();
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

}  // namespace
