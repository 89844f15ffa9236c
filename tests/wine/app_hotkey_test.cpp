// End-to-end tests of the robots' global hotkeys under Wine: keys pressed from the Windows side
// start a ticked robot (ticked at start-up or by a click on its check box), and the end key stops
// a robot that repeats until it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kErrorCaption[] = "Internal Error";
constexpr char kSplashTitle[] = "Long wait";
// Well past any test deadline: a run that is still in this wait was not stopped.
constexpr char kLongWait[] = "WAITLONG(300000)";

const std::vector<std::string> kBrokenLines = {"$x = 1", "$y = 1 +* 2"};

// A robot with the given keys, ticked unless `enable` is 0; repeat option 1 repeats it until its
// end key.
std::string HotkeyRobot(const std::string& name, const std::string& startKey, const std::string& endKey,
                        int repeatOption, const std::vector<std::string>& lines, int enable = 1) {
  std::string file = RobotFile(name, lines);
  auto set = [&file](const std::string& key, const std::string& value) {
    const std::string::size_type at = file.find("\r\n" + key + "=") + 2 + key.size() + 1;
    file.replace(at, file.find("\r\n", at) - at, value);
  };
  set("StartKey", startKey);
  set("EndKey", endKey);
  set("Enable", std::to_string(enable));
  set("RepeatOption", std::to_string(repeatOption));
  return file;
}

const std::vector<WORD> kUntickedStart = {VK_CONTROL, VK_SHIFT, VK_F6};
const std::vector<WORD> kBrokenStart = {VK_CONTROL, VK_SHIFT, VK_F7};
const std::vector<WORD> kLoopStart = {VK_CONTROL, VK_SHIFT, VK_F8};
const std::vector<WORD> kLoopEnd = {VK_CONTROL, VK_SHIFT, VK_F9};

class AppHotkey : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(m_sandbox.WriteScriptFile(
        "Broken.txt", HotkeyRobot("Broken", "Ctrl + Shift + <F7>", "", 0, kBrokenLines)));
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Unticked.txt", UntickedRobot(0)));
    ASSERT_TRUE(m_sandbox.WriteScriptFile(
        "Loop.txt", HotkeyRobot("Loop", "Ctrl + Shift + <F8>", "Ctrl + Shift + <F9>", 1,
                                {"SplashTextOn(\"" + std::string(kSplashTitle) + "\", \"waiting\")", kLongWait})));
    StartFirst();
  }

  static std::string UntickedRobot(int enable) {
    return HotkeyRobot("Unticked", "Ctrl + Shift + <F6>", "", 0, kBrokenLines, enable);
  }

  // One press of a start key of a robot with the broken lines shows their error box: a run
  // happened, and the first instance was free to start it.
  void ExpectRunsBrokenLines(const std::vector<WORD>& startKey) {
    ASSERT_TRUE(driver::PressChord(startKey));
    ExpectBrokenRobotBox(WaitForErrorBox());
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

// Twice in a row: a run started by a hotkey frees the program for the next press.
TEST_F(AppHotkey, StartKeyRunsTheTickedRobot) {
  ExpectRunsBrokenLines(kBrokenStart);
  ExpectRunsBrokenLines(kBrokenStart);
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

// The end key, pressed once, interrupts the long wait and starts no further pass. The broken
// robot's start key is ignored while the loop runs and obeyed once it has ended, so it is pressed
// until its box shows.
TEST_F(AppHotkey, EndKeyStopsARobotRepeatingUntilIt) {
  ASSERT_TRUE(driver::PressChord(kLoopStart));
  ASSERT_NE(driver::WaitForWindow({kSplashTitle, "", m_first->Id(), true}), nullptr) << "the loop did not start";
  ASSERT_TRUE(driver::PressChord(kLoopEnd));
  HWND box = nullptr;
  const auto boxShown = [&] { return (box = WaitForErrorBox(driver::Milliseconds(0))) != nullptr; };
  ASSERT_TRUE(driver::PressChordUntil(kBrokenStart, boxShown)) << "the end key did not stop the loop";
  ExpectBrokenRobotBox(box);
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

// A click on an unticked robot's check box writes the robot back enabled and registers its
// start key, which then runs it.
TEST_F(AppHotkey, TickingARowWritesItEnabledAndItsStartKeyRunsIt) {
  driver::ListView rows(GetDlgItem(m_main, IDC_ROBOT_LIST), m_first->Id());
  ASSERT_TRUE(driver::WaitUntil([&] { return rows.RowCount() == 3; }));
  const int row = rows.RowOf("Unticked");
  ASSERT_FALSE(rows.IsTicked(row));
  const std::optional<POINT> checkBox = rows.CheckBoxPoint(row);
  ASSERT_TRUE(checkBox.has_value());
  ASSERT_TRUE(driver::ClickAt(checkBox->x, checkBox->y));
  EXPECT_TRUE(driver::WaitUntil([&] { return rows.IsTicked(row); }));
  EXPECT_TRUE(driver::WaitUntil([&] { return m_sandbox.ReadScriptFile("Unticked.txt") == UntickedRobot(1); }));
  ExpectRunsBrokenLines(kUntickedStart);
}

}  // namespace
