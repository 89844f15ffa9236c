// End-to-end tests of Share Robot under Wine: the dialog shows the selected robot and saves its
// page, escaped, where the destination box says; a destination that cannot be written and a robot
// file that cannot be read each get their message, and the robot file is never changed.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "res/main_dlg_ids.h"
#include "res/share_dlg_ids.h"

namespace {

constexpr char kDescription[] = "<b>\"Fast\" & 'safe'</b>";
constexpr char kEscapedDescription[] = "&lt;b&gt;&quot;Fast&quot; &amp; &#39;safe&#39;&lt;/b&gt;";
const std::vector<std::string> kLines = {"SEND(\"<Enter>\")", "; </li></ol><script>alert(1)</script>"};
const std::vector<std::string> kEscapedLines = {"SEND(&quot;&lt;Enter&gt;&quot;)",
                                                "; &lt;/li&gt;&lt;/ol&gt;&lt;script&gt;alert(1)&lt;/script&gt;"};
constexpr char kCannotWrite[] = "The page could not be saved as:\n";
constexpr char kChooseAnother[] = "\n\nPlease choose another name or folder.";
constexpr char kNoDestination[] = "Please enter where to save the page.";
constexpr char kOverRobot[] = "The page cannot be saved over a robot file. Please choose another name or folder.";
constexpr char kReplaceQuestion[] = "\n\nThis file already exists. Do you want to replace it?";
constexpr char kSavedAs[] = "The page was saved as:\n";
constexpr char kNoBrowser[] =
    "\n\nWe are unable to locate your default browser. Open the page yourself to share the robot.";
constexpr char kCannotRead[] = "The robot file could not be read, so there is nothing to share:\n";

// While it lives, the shell opens files with the extension kTestPageExtension by copying them to
// `copyTo`: the test sees what the browser would have been given, and no browser ever starts.
// An extension of its own, so no association of the prefix is touched.
constexpr char kTestPageExtension[] = ".morvantapage";
constexpr char kTestPageKey[] = "Software\\Classes\\.morvantapage";
constexpr char kTestPageClass[] = "Software\\Classes\\MorvantaTestPage";

class CopyingBrowser {
public:
  explicit CopyingBrowser(const std::string& copyTo) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    m_ready = SetDefault(kTestPageKey, "MorvantaTestPage") &&
              SetDefault(std::string(kTestPageClass) + "\\shell\\open\\command",
                         std::string(system) + "\\cmd.exe /c copy /y \"%1\" \"" + copyTo + "\"");
  }
  ~CopyingBrowser() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestPageClass);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestPageKey);
  }
  CopyingBrowser(const CopyingBrowser&) = delete;
  CopyingBrowser& operator=(const CopyingBrowser&) = delete;

  bool Ready() const { return m_ready; }

private:
  static bool SetDefault(const std::string& key, const std::string& value) {
    return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool m_ready = false;
};

class AppShare : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(m_sandbox.WriteScriptFile("Shared.txt", m_robotFile));
    StartFirst();
    driver::ListView rows(GetDlgItem(m_main, IDC_ROBOT_LIST), m_first->Id());
    ASSERT_TRUE(driver::WaitUntil([&] { return rows.RowOf("Shared") == 0; }));
    ASSERT_TRUE(rows.SetState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
  }

  void TearDown() override {
    EXPECT_EQ(driver::ReadWholeFile(RobotPath()), m_robotFile);  // sharing never touches the robot
  }

  std::string RobotPath() const { return m_sandbox.ScriptFolder() + "\\Shared.txt"; }

  HWND OpenShare() {
    if (!driver::PressButton(m_main, IDC_SHARE_ROBOT)) return nullptr;
    return driver::WaitForWindow({"Share Robot", "#32770", m_first->Id(), true});
  }

  // Types `destination` into the box and presses "Save and Open".
  void SaveAs(HWND share, const std::string& destination) {
    ASSERT_TRUE(driver::Send(GetDlgItem(share, IDC_SHARE_DESTINATION), WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>(destination.c_str())));
    ASSERT_TRUE(driver::PressButton(share, IDC_SHARE_SAVE_OPEN));
  }

  void Answer(const std::string& text, int button) {
    HWND box = driver::WaitForWindowShowing(m_first->Id(), text);
    ASSERT_NE(box, nullptr) << text;
    ASSERT_TRUE(driver::PressButton(box, button));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FindWindowShowing(m_first->Id(), text) == nullptr; }));
  }

  std::string m_robotFile = RobotFile("Shared", kLines, 1, kDescription);
};

TEST_F(AppShare, SavesTheEscapedPageWhereTheBoxSays) {
  HWND share = OpenShare();
  ASSERT_NE(share, nullptr);
  EXPECT_EQ(driver::ControlText(share, IDC_SHARE_NAME), "Shared");
  EXPECT_EQ(driver::ControlText(share, IDC_SHARE_DESCRIPTION), kDescription);
  const std::string proposed = driver::ControlText(share, IDC_SHARE_DESTINATION);
  EXPECT_EQ(proposed.substr(proposed.size() - 12), "\\Shared.html");

  const std::string page = m_sandbox.PathOf(std::string("shared page") + kTestPageExtension);
  const std::string opened = m_sandbox.PathOf("opened.html");
  CopyingBrowser browser(opened);
  ASSERT_TRUE(browser.Ready());
  SaveAs(share, page);
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(share); }));
  const std::string html = driver::ReadWholeFile(page);
  EXPECT_NE(html.find(kEscapedDescription), std::string::npos);
  EXPECT_EQ(html.find(kDescription), std::string::npos);
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    EXPECT_NE(html.find("<li>" + kEscapedLines[i] + "</li>"), std::string::npos) << kLines[i];
    EXPECT_EQ(html.find(kLines[i]), std::string::npos) << kLines[i];
  }
  EXPECT_NE(html.find("value=\"" + kEscapedLines[0] + "&#13;&#10;" + kEscapedLines[1] + "\""), std::string::npos);
  EXPECT_NE(html.find("name=\"programversion\" value=\"1.0.0.0\""), std::string::npos);
  EXPECT_FALSE(driver::FileExists(page + ".tmp"));
  // The page went to the browser whole.
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::ReadWholeFile(opened) == html; }));
}

TEST_F(AppShare, ADestinationThatCannotBeWrittenIsReportedAndLeftAlone) {
  const std::string missingFolder = m_sandbox.PathOf("no such folder\\page.html");
  const std::string readOnly = m_sandbox.PathOf("kept.html");
  ASSERT_TRUE(driver::WriteWholeFile(readOnly, "kept"));
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  struct Answered {
    std::string m_message;
    int m_button;
  };
  const struct {
    std::string m_destination;
    std::vector<Answered> m_messages;
  } cases[] = {
      {"  ", {{kNoDestination, IDOK}}},
      {RobotPath(), {{kOverRobot, IDOK}}},
      {m_sandbox.ScriptFolder() + "\\New.TXT", {{kOverRobot, IDOK}}},  // would become a robot
      {m_sandbox.ScriptFolder() + "\\..\\script\\Shared.txt. ", {{kOverRobot, IDOK}}},
      {missingFolder, {{kCannotWrite + missingFolder + kChooseAnother, IDOK}}},
      {readOnly, {{readOnly + kReplaceQuestion, IDYES}, {kCannotWrite + readOnly + kChooseAnother, IDOK}}},
      {readOnly, {{readOnly + kReplaceQuestion, IDNO}}},
  };
  HWND share = OpenShare();
  ASSERT_NE(share, nullptr);
  for (const auto& c : cases) {
    SaveAs(share, c.m_destination);
    for (const Answered& answered : c.m_messages) Answer(answered.m_message, answered.m_button);
    ASSERT_TRUE(IsWindow(share)) << c.m_destination;
    EXPECT_FALSE(driver::FileExists(c.m_destination + ".tmp")) << c.m_destination;
  }
  EXPECT_FALSE(driver::FileExists(missingFolder));
  EXPECT_FALSE(driver::FileExists(m_sandbox.ScriptFolder() + "\\New.TXT"));
  EXPECT_EQ(driver::ReadWholeFile(readOnly), "kept");
  SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

  // The user may still pick another place; with nothing to open it, the page stays saved.
  const std::string unopened = m_sandbox.PathOf("page.unopened");
  SaveAs(share, unopened);
  Answer(kSavedAs + unopened + kNoBrowser, IDOK);
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(share); }));
  EXPECT_NE(driver::ReadWholeFile(unopened).find(kEscapedDescription), std::string::npos);
}

TEST_F(AppShare, ARobotFileThatCannotBeReadIsReported) {
  const std::string kept = driver::ReadWholeFile(RobotPath());
  ASSERT_TRUE(DeleteFileA(RobotPath().c_str()));
  ASSERT_TRUE(driver::PressButton(m_main, IDC_SHARE_ROBOT));
  Answer(kCannotRead + RobotPath(), IDOK);
  EXPECT_EQ(driver::FindTopWindow({"Share Robot", "#32770", m_first->Id(), false}), nullptr);
  ASSERT_TRUE(driver::WriteWholeFile(RobotPath(), kept));  // for the check every test ends with
}

}  // namespace
