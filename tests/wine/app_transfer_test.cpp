// End-to-end tests of robot export and import through the Options dialog under Wine: the folder
// typed into the browser, the overwrite questions, the byte-for-byte round trip and the reloaded
// robot list.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "res/main_dlg_ids.h"
#include "res/options_dlg_ids.h"
#include "wine/app_fixture.h"

namespace {

constexpr char kFolderTitle[] = "Select a folder to store your robots";
constexpr char kDecoyFolderName[] = "decoy";

std::string ExportQuestion(const std::string& name) {
  return "Morvanta robot \"" + name +
         "\" already exists in output folder. Do you wish to overwrite existing robot in output folder?";
}

std::string ImportQuestion(const std::string& name) {
  return "Morvanta robot \"" + name + "\" already exists. Do you wish to overwrite existing robot?";
}

// A name with a dot keeps it: only the last extension is exchanged.
const std::map<std::string, std::string> kRobots = {{"Alpha", RobotFile("Alpha", {"WAIT(1)"})},
                                                     {"Backup.old", RobotFile("Backup.old", {"WAIT(2)"}, 3)}};

std::string Stale(const std::string& name) { return RobotFile(name, {"WAIT(9)"}); }

class AppTransfer : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    for (const auto& [name, file] : kRobots) ASSERT_TRUE(m_sandbox.WriteScriptFile(name + ".txt", file));
    ASSERT_TRUE(CreateDirectoryA(m_out.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(m_decoy.c_str(), nullptr));
    StartFirst();
    m_rows = std::make_unique<driver::ListView>(GetDlgItem(m_main, IDC_ROBOT_LIST), m_first->Id());
    ASSERT_TRUE(driver::WaitUntil([&] { return m_rows->RowCount() == 2; }));
  }

  void OpenOptions() {
    ASSERT_TRUE(driver::PressButton(m_main, IDC_OPTIONS));
    m_options = driver::WaitForWindow({"Options", "#32770", m_first->Id(), true});
    ASSERT_NE(m_options, nullptr);
  }

  void CloseOptions() {
    ASSERT_TRUE(driver::PressButton(m_options, IDOK));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(m_options); }));
  }

  // Presses Export or Import and types the out folder into the browser it opens, over a decoy
  // folder selected in its tree: the typed folder must win.
  void Transfer(int command) {
    ASSERT_TRUE(driver::PressButton(m_options, command));
    HWND browser = driver::WaitForWindowShowing(m_first->Id(), kFolderTitle);
    ASSERT_NE(browser, nullptr);
    HWND edit = driver::FindChildByClass(browser, "Edit");
    ASSERT_NO_FATAL_FAILURE(SelectDecoy(browser, edit));
    ASSERT_TRUE(driver::Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_out.c_str())).value_or(0));
    ASSERT_TRUE(driver::PressButton(browser, IDOK));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(browser); }));
  }

  // Wine's browser now and then ignores a selection made right after it opens, so the decoy is
  // selected until the browser shows it. Without it the selection would be the desktop, which Wine
  // maps onto the user's home folder.
  void SelectDecoy(HWND browser, HWND edit) {
    driver::RemoteMemory path(m_first->Id());
    ASSERT_TRUE(path.Write(m_decoy.c_str(), m_decoy.size() + 1));
    const bool shown = driver::WaitUntil([&] {
      driver::Send(browser, BFFM_SETSELECTIONA, TRUE, path.At());
      return driver::WaitUntil([&] { return driver::WindowText(edit) == kDecoyFolderName; },
                               driver::Milliseconds(1000));
    });
    if (!shown) {
      driver::PressButton(browser, IDCANCEL);
      FAIL() << "the browser did not select " << m_decoy << "; it shows " << driver::WindowText(edit);
    }
  }

  // The box of whichever of the questions is asked first; `asked` is set to its question.
  HWND WaitForQuestion(const std::vector<std::string>& questions, std::string& asked) {
    HWND box = nullptr;
    driver::WaitUntil([&] {
      for (const std::string& question : questions) {
        if ((box = driver::FindWindowShowing(m_first->Id(), question)) != nullptr) asked = question;
        if (box != nullptr) return true;
      }
      return false;
    });
    return box;
  }

  static void Dismiss(HWND box, int button) {
    ASSERT_TRUE(driver::PressButton(box, button));
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
  }

  // Answers each question as it comes, in whatever order the folder is listed.
  void Answer(std::map<std::string, int> answers) {
    while (!answers.empty()) {
      std::vector<std::string> pending;
      for (const auto& answer : answers) pending.push_back(answer.first);
      std::string asked;
      HWND box = WaitForQuestion(pending, asked);
      ASSERT_NE(box, nullptr) << "not asked: " << pending.front();
      ASSERT_NO_FATAL_FAILURE(Dismiss(box, answers[asked]));
      answers.erase(asked);
    }
  }

  // Cancels the first of these questions to come; the command then ends without asking the rest.
  void CancelFirstOf(const std::vector<std::string>& questions) {
    std::string asked;
    HWND box = WaitForQuestion(questions, asked);
    ASSERT_NE(box, nullptr) << "not asked: " << questions.front();
    ASSERT_NO_FATAL_FAILURE(Dismiss(box, IDCANCEL));
    // The dialog's thread answers only once the command has ended, or from inside a further question.
    ASSERT_TRUE(driver::Send(m_options, WM_NULL, 0, 0).has_value());
    for (const std::string& question : questions) {
      EXPECT_EQ(driver::FindWindowShowing(m_first->Id(), question), nullptr) << "asked after Cancel: " << question;
    }
  }

  std::string OutFile(const std::string& name) const { return m_out + "\\" + name + ".robo"; }

  const std::string m_out = m_sandbox.Folder() + "\\robot-backup";
  const std::string m_decoy = m_sandbox.Folder() + "\\" + kDecoyFolderName;
  std::unique_ptr<driver::ListView> m_rows;
  HWND m_options = nullptr;
};

// Exported into an empty folder, the robots come back byte for byte into a script folder that
// lost them, and the list is rebuilt from the folder (a robot added meanwhile shows up too).
TEST_F(AppTransfer, ExportThenImportRoundTripsAndReloadsTheList) {
  ASSERT_NO_FATAL_FAILURE(OpenOptions());
  ASSERT_NO_FATAL_FAILURE(Transfer(IDC_OPTIONS_EXPORT));
  for (const auto& [name, file] : kRobots) {
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::ReadWholeFile(OutFile(name)) == file; })) << name;
  }

  for (const auto& robot : kRobots) {
    ASSERT_TRUE(DeleteFileA((m_sandbox.ScriptFolder() + "\\" + robot.first + ".txt").c_str()));
  }
  ASSERT_TRUE(m_sandbox.WriteScriptFile("Gamma.txt", RobotFile("Gamma", {"WAIT(3)"})));
  ASSERT_NO_FATAL_FAILURE(Transfer(IDC_OPTIONS_IMPORT));
  EXPECT_TRUE(driver::WaitUntil([&] { return m_rows->RowCount() == 3 && m_rows->RowOf("Gamma") >= 0; }));
  for (const auto& [name, file] : kRobots) {
    EXPECT_EQ(m_sandbox.ReadScriptFile(name + ".txt"), file) << name;
    EXPECT_GE(m_rows->RowOf(name), 0) << name;
  }
  CloseOptions();
}

// No leaves the older copy, Yes replaces it, and Cancel ends the command at once: nothing more is
// asked or copied, and a cancelled import does not reload the list.
TEST_F(AppTransfer, OverwriteQuestionsAreObeyed) {
  for (const auto& robot : kRobots) ASSERT_TRUE(driver::WriteWholeFile(OutFile(robot.first), Stale(robot.first)));
  ASSERT_NO_FATAL_FAILURE(OpenOptions());
  ASSERT_NO_FATAL_FAILURE(Transfer(IDC_OPTIONS_EXPORT));
  ASSERT_NO_FATAL_FAILURE(Answer({{ExportQuestion("Alpha"), IDNO}, {ExportQuestion("Backup.old"), IDYES}}));
  ASSERT_TRUE(driver::Send(m_options, WM_NULL, 0, 0).has_value());
  EXPECT_EQ(driver::ReadWholeFile(OutFile("Alpha")), Stale("Alpha"));
  EXPECT_EQ(driver::ReadWholeFile(OutFile("Backup.old")), kRobots.at("Backup.old"));

  ASSERT_TRUE(driver::WriteWholeFile(OutFile("Backup.old"), Stale("Backup.old")));
  ASSERT_TRUE(m_sandbox.WriteScriptFile("Delta.txt", RobotFile("Delta", {"WAIT(4)"})));
  ASSERT_NO_FATAL_FAILURE(Transfer(IDC_OPTIONS_IMPORT));
  ASSERT_NO_FATAL_FAILURE(CancelFirstOf({ImportQuestion("Alpha"), ImportQuestion("Backup.old")}));
  for (const auto& [name, file] : kRobots) EXPECT_EQ(m_sandbox.ReadScriptFile(name + ".txt"), file) << name;
  EXPECT_EQ(m_rows->RowOf("Delta"), -1);

  ASSERT_NO_FATAL_FAILURE(Transfer(IDC_OPTIONS_IMPORT));
  ASSERT_NO_FATAL_FAILURE(Answer({{ImportQuestion("Alpha"), IDNO}, {ImportQuestion("Backup.old"), IDYES}}));
  EXPECT_TRUE(driver::WaitUntil([&] { return m_rows->RowOf("Delta") >= 0; })) << "the import did not reload";
  EXPECT_EQ(m_sandbox.ReadScriptFile("Alpha.txt"), kRobots.at("Alpha"));
  EXPECT_EQ(m_sandbox.ReadScriptFile("Backup.old.txt"), Stale("Backup.old"));
  CloseOptions();
}

}  // namespace
