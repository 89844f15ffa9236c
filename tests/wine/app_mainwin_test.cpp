// End-to-end tests of the main window's robot list under Wine: the rows and their check boxes,
// the files a tick rewrites (and the ones it must not), and Remove.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"

namespace {

constexpr char kDeleteQuestion[] = "Are you sure you want to delete the selected robot?";
constexpr char kNoRobotToDelete[] = "No robot selected! Please select a robot from list above to delete.";

std::string RobotFile(const std::string& name, int enable, const std::string& startKey = "Ctrl + <F7>") {
  return "[General]\r\nName=" + name + "\r\nStartKey=" + startKey + "\r\nEndKey=\r\nDescription=d\r\nEnable=" +
         std::to_string(enable) +
         "\r\nRepeatOption=0\r\nRepeatTimes=1\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n"
         "[Script]\r\nWAIT(10)\r\n";
}

// Whether some program holds this key combination as a system-wide hotkey.
bool IsHotkeyTaken(UINT modifiers, UINT virtualKey) {
  constexpr int kProbeId = 0xB000;
  if (!RegisterHotKey(nullptr, kProbeId, modifiers, virtualKey)) return true;
  UnregisterHotKey(nullptr, kProbeId);
  return false;
}

class AppMainWindow : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_sandbox.Ready());
    ASSERT_TRUE(m_sandbox.WriteScriptFile("On.txt", m_onFile));
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Off.txt", RobotFile("Off", 0)));
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Gone.txt", RobotFile("Gone", 0)));
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Bare.txt", RobotFile("Bare", 1, "None")));
    m_process = std::make_unique<driver::Process>(
        driver::Process::Start(m_sandbox.PathOf("morvanta.exe"), ""));
    ASSERT_TRUE(m_process->Valid());
    m_main = driver::WaitForWindow({"Morvanta", "#32770", m_process->Id(), true});
    ASSERT_NE(m_main, nullptr);
    m_list = GetDlgItem(m_main, IDC_ROBOT_LIST);
    m_rows = std::make_unique<driver::ListView>(m_list, m_process->Id());
    ASSERT_TRUE(driver::WaitUntil([&] { return RowCount() == 4; }));
  }

  int RowCount() { return m_rows->RowCount(); }
  int RowOf(const std::string& name) { return m_rows->RowOf(name); }
  bool IsTicked(int row) { return m_rows->IsTicked(row); }
  void Tick(const std::string& name, bool ticked) {
    m_rows->SetState(RowOf(name), INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1), LVIS_STATEIMAGEMASK);
  }
  void Select(const std::string& name) {
    m_rows->SetState(RowOf(name), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  std::string ScriptFile(const std::string& name) const { return m_sandbox.ReadScriptFile(name); }
  bool Exists(const std::string& name) const { return driver::FileExists(m_sandbox.ScriptFolder() + "\\" + name); }
  // Answers the message box showing `text` with `button`.
  void Answer(const std::string& text, int button) {
    HWND box = driver::WaitForWindowShowing(m_process->Id(), text);
    ASSERT_NE(box, nullptr) << text;
    ASSERT_TRUE(driver::PressButton(box, button));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FindWindowShowing(m_process->Id(), text) == nullptr; }));
  }

  // Its Name line differs from its file name: the rewrite at start-up takes the file name.
  std::string m_onFile = RobotFile("Old name", 1);
  driver::Sandbox m_sandbox{MORVANTA_BIN_DIR, {"morvanta.exe"}};
  std::unique_ptr<driver::Process> m_process;
  std::unique_ptr<driver::ListView> m_rows;
  HWND m_main = nullptr;
  HWND m_list = nullptr;
};

TEST_F(AppMainWindow, ListShowsRobotsAndTicksRewriteOnlyTheirOwnFiles) {
  EXPECT_EQ(m_rows->Text(RowOf("On"), 4), "d");
  EXPECT_EQ(m_rows->Text(RowOf("Off"), 2), "Ctrl + <F7>");
  EXPECT_TRUE(IsTicked(RowOf("On")));
  EXPECT_FALSE(IsTicked(RowOf("Off")));
  EXPECT_EQ(ScriptFile("On.txt"), RobotFile("On", 1));  // enabled at start-up: written back
  EXPECT_EQ(ScriptFile("Off.txt"), RobotFile("Off", 0));

  Tick("Off", true);
  EXPECT_TRUE(driver::WaitUntil([&] { return ScriptFile("Off.txt") == RobotFile("Off", 1); }));
  Tick("Off", false);
  EXPECT_TRUE(driver::WaitUntil([&] { return ScriptFile("Off.txt") == RobotFile("Off", 0); }));

  // A robot whose file vanished is not brought back as an empty file by a tick.
  ASSERT_TRUE(DeleteFileA((m_sandbox.ScriptFolder() + "\\Gone.txt").c_str()));
  Tick("Gone", true);
  EXPECT_TRUE(driver::WaitUntil([&] { return IsTicked(RowOf("Gone")); }));
  EXPECT_FALSE(Exists("Gone.txt"));
}

TEST_F(AppMainWindow, TicksRegisterAndUnregisterStartKeysAndIncompleteKeysRegisterNothing) {
  EXPECT_TRUE(IsHotkeyTaken(MOD_CONTROL, VK_F7));
  EXPECT_FALSE(IsHotkeyTaken(0, 'N'));  // "None" must not become a bare N for the whole system
  Tick("On", false);
  EXPECT_TRUE(driver::WaitUntil([] { return !IsHotkeyTaken(MOD_CONTROL, VK_F7); }));
  Tick("On", true);
  EXPECT_TRUE(driver::WaitUntil([] { return IsHotkeyTaken(MOD_CONTROL, VK_F7); }));
}

TEST_F(AppMainWindow, RemoveAsksThenDeletesTheFileAndTheRow) {
  ASSERT_TRUE(driver::PressButton(m_main, IDC_REMOVE_ROBOT));
  Answer(kNoRobotToDelete, IDOK);

  Select("Off");
  ASSERT_TRUE(driver::PressButton(m_main, IDC_REMOVE_ROBOT));
  Answer(kDeleteQuestion, IDNO);
  EXPECT_TRUE(Exists("Off.txt"));
  EXPECT_EQ(RowCount(), 4);

  ASSERT_TRUE(driver::PressButton(m_main, IDC_REMOVE_ROBOT));
  Answer(kDeleteQuestion, IDYES);
  EXPECT_TRUE(driver::WaitUntil([&] { return RowCount() == 3; }));
  EXPECT_FALSE(Exists("Off.txt"));
  EXPECT_EQ(RowOf("Off"), -1);
}

}  // namespace
