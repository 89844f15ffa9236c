// End-to-end tests of the robots' global hotkeys under Wine: keys pressed from the Windows side
// start a ticked robot, and the end key stops a robot that repeats until it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kErrorCaption[] = "Internal Error";
constexpr char kSplashTitle[] = "Long wait";
// Well past any test deadline: a run that is still in this wait was not stopped.
constexpr char kLongWait[] = "WAITLONG(300000)";

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
const std::vector<WORD> kLoopStart = {VK_CONTROL, VK_SHIFT, VK_F8};
const std::vector<WORD> kLoopEnd = {VK_CONTROL, VK_SHIFT, VK_F9};

class AppHotkey : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(m_sandbox.WriteScriptFile(
        "Broken.txt", HotkeyRobot("Broken", "Ctrl + Shift + <F7>", "", 0, {"$x = 1", "$y = 1 +* 2"})));
    ASSERT_TRUE(m_sandbox.WriteScriptFile(
        "Loop.txt", HotkeyRobot("Loop", "Ctrl + Shift + <F8>", "Ctrl + Shift + <F9>", 1,
                                {"SplashTextOn(\"" + std::string(kSplashTitle) + "\", \"waiting\")", kLongWait})));
    StartFirst();
  }

  // The broken robot's error box, checked and dismissed.
  void ExpectBrokenRobotBox(HWND box) {
    ASSERT_NE(box, nullptr) << "the start key ran nothing";
    EXPECT_EQ(driver::ControlText(box, 0xFFFF), "Line 2:\n\n$y = 1 +* 2\n$y = ^ ERROR\n\nError: Error in expression.");
    ASSERT_TRUE(driver::PressButton(box, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
  }

  HWND WaitForErrorBox(driver::Milliseconds timeout = driver::kDefaultTimeout) {
    return driver::WaitForWindow({kErrorCaption, "#32770", m_first->Id(), true}, timeout);
  }
};

// The end key interrupts the long wait and starts no further pass: the broken robot's start key,
// ignored while the loop runs, is obeyed once it has ended. An end key pressed in the very first
// moments of the run is lost under Wine (open), so the pair of keys is pressed until the loop ends.
TEST_F(AppHotkey, EndKeyStopsARobotRepeatingUntilIt) {
  ASSERT_TRUE(driver::PressChord(kLoopStart));
  ASSERT_NE(driver::WaitForWindow({kSplashTitle, "", m_first->Id(), true}), nullptr) << "the loop did not start";
  HWND box = nullptr;
  ASSERT_TRUE(driver::WaitUntil([&] {
    driver::PressChord(kLoopEnd);
    driver::PressChord(kBrokenStart);
    return (box = WaitForErrorBox(driver::Milliseconds(1000))) != nullptr;
  })) << "the end key did not stop the loop";
  ExpectBrokenRobotBox(box);
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

}  // namespace
