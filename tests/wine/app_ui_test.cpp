// End-to-end tests of the main window's start-up tips and help under Wine: the tips dialog shows a
// tip from tips.txt, its "Do not show this again" box decides whether option.ini turns them off,
// and Help with no manual at all says where help can be found.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"
#include "res/tips_dlg_ids.h"
#include "res/tray_menu_ids.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kTip[] = "Tick a robot to enable its hotkeys.";
constexpr char kHelpNotFound[] = "Help file not found. Please visit https://www.morvanta.example/support";

class AppTips : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    std::ofstream(m_sandbox.PathOf("tips.txt"), std::ios::binary) << "\r\n" << kTip << "\r\n";
  }

  // The option file's contents, or "(none)" when there is none.
  std::string OptionFile() const {
    std::ifstream file(m_sandbox.PathOf("option.ini"), std::ios::binary);
    if (!file) return "(none)";
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
};

TEST_F(AppTips, DoNotShowAgainWritesTheOptionFileAndOnlyThen) {
  struct Case {
    bool tick;
    const char* optionFile;
  } const cases[] = {{true, "showtip=0\n"}, {false, "(none)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tick ? "ticked" : "not ticked");
    DeleteFileA(m_sandbox.PathOf("option.ini").c_str());
    ASSERT_NO_FATAL_FAILURE(StartFirst());
    HWND tips = driver::WaitForWindow({"Tip of the Day", "#32770", m_first->Id(), true});
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(driver::ControlText(tips, IDC_TIP_TEXT), kTip);  // the blank line is no tip
    if (c.tick) driver::Send(GetDlgItem(tips, IDC_TIP_DONT_SHOW), BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(driver::PressButton(tips, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(tips); }));
    // The quit is handled after the answer has been written.
    TrayCommand(ID_TRAY_EXIT);
    ExpectQuitsNormally(*m_first);
    EXPECT_EQ(OptionFile(), c.optionFile);
  }
}

using AppHelp = AppFixture;

TEST_F(AppHelp, WithoutAnyManualSaysWhereHelpIs) {
  ASSERT_NO_FATAL_FAILURE(StartFirst());
  ASSERT_TRUE(driver::Post(m_main, WM_COMMAND, IDC_HELP_BUTTON, 0));
  HWND message = driver::WaitForWindowShowing(m_first->Id(), kHelpNotFound);
  ASSERT_NE(message, nullptr);
  ASSERT_TRUE(driver::Post(message, WM_COMMAND, IDOK, 0));
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(message); }));
  TrayCommand(ID_TRAY_EXIT);
  ExpectQuitsNormally(*m_first);
}

}  // namespace
