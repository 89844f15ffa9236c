// End-to-end runs of robots in the program under Wine: the run switch of a first instance, a run
// forwarded by a second instance, script errors in the engine's box, and a quit during a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"
#include "res/tray_menu_ids.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kErrorCaption[] = "Internal Error";
// The message box's text control, the same in every message box.
constexpr int kMessageBoxTextId = 0xFFFF;

// Types a file name into a file-open dialog: its name box is an edit or a combo box by style.
bool SetFileName(HWND dialog, const std::string& path) {
  for (int id : {0x47C, 0x480}) {  // the combo box, the edit
    HWND box = GetDlgItem(dialog, id);
    if (box != nullptr && IsWindowVisible(box)) {
      return driver::Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str())).has_value();
    }
  }
  return false;
}

// A robot whose error the engine finds while it runs, and one whose error it finds before.
struct FaultyRobot {
  const char* m_name;
  std::vector<std::string> m_lines;
  const char* m_box;
};
const FaultyRobot kFaultyRobots[] = {
    {"Bad Sum",
     {"Comment: first step", "$x = 1", "comment: third step, lower case", "$y = 1 +* 2", "$z = 3"},
     "Line 4:\n\n$y = 1 +* 2\n$y = ^ ERROR\n\nError: Error in expression."},
    {"Bad Call",
     {"Comment: the call below names no function", "$x = 1", "$r = Nowhere()"},
     "Line 3:\n\n$r = Nowhere()\n$r = ^ ERROR\n\nError: Unknown function name."},
};

class AppRun : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    for (const FaultyRobot& robot : kFaultyRobots) {
      ASSERT_TRUE(m_sandbox.WriteScriptFile(std::string(robot.m_name) + ".txt", RobotFile(robot.m_name, robot.m_lines)));
    }
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Clean.txt", RobotFile("Clean", {"Comment: nothing to type", "$x = 1"}, 3)));
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Forever.txt", RobotFile("Forever", {"While 1", "$x = 1", "Wend"})));
  }

  // Waits for the engine's error box in `process`, checks its text, and dismisses it.
  void ExpectErrorBox(const driver::Process& process, const std::string& text) {
    HWND box = driver::WaitForWindow({kErrorCaption, "#32770", process.Id(), true});
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(driver::ControlText(box, kMessageBoxTextId), text);
    ASSERT_TRUE(driver::PressButton(box, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
  }
};

// The line number is the robot's step, comments counted; the error ends the run and the program.
TEST_F(AppRun, RunSwitchShowsTheScriptErrorAndQuits) {
  for (const FaultyRobot& robot : kFaultyRobots) {
    SCOPED_TRACE(robot.m_name);
    driver::Process first = Start(std::string("-a ") + robot.m_name);
    ASSERT_TRUE(first.Valid());
    ExpectErrorBox(first, robot.m_box);
    ExpectQuitsNormally(first);
  }
}

// Three clean passes end without any box (a box would keep the program waiting).
TEST_F(AppRun, RunSwitchRunsACleanRobotAndQuits) {
  driver::Process first = Start("-a clean");
  ASSERT_TRUE(first.Valid());
  ExpectQuitsNormally(first);
}

// The forwarded run happens in the first instance, which keeps running and keeps its window; the
// second instance waits for the run to end.
TEST_F(AppRun, SecondInstanceRunsTheRobotInTheFirst) {
  StartFirst();
  const FaultyRobot& robot = kFaultyRobots[0];
  driver::Process second = Start(std::string("-a ") + robot.m_name);
  ASSERT_TRUE(second.Valid());
  HWND box = driver::WaitForWindow({kErrorCaption, "#32770", m_first->Id(), true});
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(second.IsRunning());
  ExpectErrorBox(*m_first, robot.m_box);
  ExpectQuitsNormally(second);
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
  // The run is over: the next request runs again.
  driver::Process third = Start(std::string("-a ") + robot.m_name);
  ExpectErrorBox(*m_first, robot.m_box);
  ExpectQuitsNormally(third);
}

// "Exit" from the tray during an endless run ends the run, and the program with its normal code.
TEST_F(AppRun, QuitDuringARunEndsTheRunAndTheProgram) {
  driver::Process first = Start("-a forever");
  ASSERT_TRUE(first.Valid());
  HWND main = driver::WaitForWindow({"Morvanta", "#32770", first.Id(), false});
  ASSERT_NE(main, nullptr);
  // The tray's window comes after the main window is shown; the window hides as the run starts.
  HWND tray = nullptr;
  ASSERT_TRUE(driver::WaitUntil([&] { return (tray = driver::FindChildByClass(main, "MorvantaTrayWnd")) != nullptr; }));
  ASSERT_TRUE(driver::WaitForShown(main, false));
  ASSERT_TRUE(driver::Post(tray, WM_COMMAND, ID_TRAY_EXIT, 0));
  ExpectQuitsNormally(first);
}

// The hidden "Run Script:" command runs a chosen file once; its errors name the file.
TEST_F(AppRun, RunScriptCommandRunsTheChosenFile) {
  StartFirst();
  ASSERT_TRUE(driver::Post(m_main, WM_COMMAND, IDC_TEST, 0));
  HWND dialog = driver::WaitForWindow({"Run Script:", "#32770", m_first->Id(), true});
  ASSERT_NE(dialog, nullptr);
  const FaultyRobot& robot = kFaultyRobots[0];
  const std::string path = m_sandbox.ScriptFolder() + "\\" + robot.m_name + ".txt";
  ASSERT_TRUE(SetFileName(dialog, path));
  ASSERT_TRUE(driver::PressButton(dialog, IDOK));
  const std::string box = robot.m_box;
  const std::string header = "Line 4:";
  ExpectErrorBox(*m_first, "Line 4  (File \"" + path + "\"):" + box.substr(header.size()));
  EXPECT_TRUE(m_first->IsRunning());
  EXPECT_TRUE(driver::IsShown(m_main));
}

}  // namespace
