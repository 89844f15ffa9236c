// The Share Robot dialog: the robot, the page's destination, and saving and opening the page.
#include "app/share_dlg.h"

#include <commdlg.h>
#include <shlwapi.h>

#include <memory>

#include "app/app_paths.h"
#include "app/shell_open.h"
#include "builtins/macros.h"
#include "robot/file_system.h"
#include "robot/robot_share_page.h"
#include "robot/text_util.h"

namespace {

constexpr char kCannotRead[] = "The robot file could not be read, so there is nothing to share:\n";
constexpr char kNoDestination[] = "Please enter where to save the page.";
constexpr char kOverRobot[] = "The page cannot be saved over a robot file. Please choose another name or folder.";
constexpr char kReplaceQuestion[] = "\n\nThis file already exists. Do you want to replace it?";
constexpr char kCannotWrite[] = "The page could not be saved as:\n";
constexpr char kChooseAnother[] = "\n\nPlease choose another name or folder.";
constexpr char kSavedAs[] = "The page was saved as:\n";
constexpr char kNoBrowser[] =
    "\n\nWe are unable to locate your default browser. Open the page yourself to share the robot.";
constexpr char kBrowseTitle[] = "Save the share page as";
constexpr char kPageFilter[] = "Web pages (*.html)\0*.html;*.htm\0All files (*.*)\0*.*\0";

// The names browsers know for the ANSI code pages that have no "windows-" name.
struct CodePageName {
  UINT m_codePage;
  const char* m_name;
};
constexpr CodePageName kCodePageNames[] = {
    {932, "shift_jis"}, {936, "gbk"}, {949, "euc-kr"}, {950, "big5"}, {65001, "utf-8"},
};

std::string CharsetOfCodePage(UINT codePage) {
  for (const CodePageName& known : kCodePageNames) {
    if (known.m_codePage == codePage) return known.m_name;
  }
  return "windows-" + std::to_string(codePage);
}

// What the page reports about this system: the versions the script macros read, and the code
// page the robot's texts are written in.
ShareSystemInfo ReadSystemInfo() {
  const std::unique_ptr<builtins::MacroSystem> system = builtins::MacroSystem::CreateDefault();
  ShareSystemInfo info;
  info.m_programVersion = system->ProgramVersion();
  info.m_osVersion = builtins::OsVersionText(system->Version());
  info.m_charset = CharsetOfCodePage(GetACP());
  return info;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool CShareDlg::OnInitDialog() {
  // A damaged window section follows the script, so a robot that loads with a message still has
  // everything the page shows; only a file that cannot be opened leaves nothing to share.
  const LoadResult loaded = m_robot.Load(m_robotPath);
  if (!loaded && loaded.m_message.empty()) {
    ShowMessage(kCannotRead + m_robotPath, MB_OK | MB_ICONWARNING);
    EndModal(IDCANCEL);
    return true;
  }
  SetItemText(IDC_SHARE_NAME, m_robot.m_name);
  SetItemText(IDC_SHARE_DESCRIPTION, m_robot.m_description);
  SetItemText(IDC_SHARE_DESTINATION, JoinPath(DocumentsFolder(), m_robot.m_name + ".html"));
  return true;
}

bool CShareDlg::OnCommand(int id) {
  switch (id) {
  case IDC_SHARE_BROWSE: OnBrowse(); return true;
  case IDC_SHARE_SAVE_OPEN: OnSaveAndOpen(); return true;
  default: return Dialog::OnCommand(id);
  }
}

void CShareDlg::OnBrowse() {
  char path[MAX_PATH] = {};
  lstrcpynA(path, Destination().c_str(), MAX_PATH);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = kPageFilter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = "html";
  dialog.lpstrTitle = kBrowseTitle;
  // Replacing is asked once, when the page is saved.
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (GetSaveFileNameA(&dialog)) SetItemText(IDC_SHARE_DESTINATION, path);
}

void CShareDlg::OnSaveAndOpen() {
  const std::string destination = Destination();
  if (!MayWrite(destination)) return;
  if (!WriteFileAtomically(destination, BuildSharePage(m_robot, ReadSystemInfo()))) {
    ShowMessage(kCannotWrite + destination + kChooseAnother, MB_OK | MB_ICONWARNING);
    return;
  }
  if (!ShellOpen(destination)) ShowMessage(kSavedAs + destination + kNoBrowser, MB_OK | MB_ICONWARNING);
  EndModal(IDOK);
}

std::string CShareDlg::Destination() const {
  const std::string typed = Trimmed(ItemText(IDC_SHARE_DESTINATION), " \t");
  if (typed.empty()) return typed;
  return PathIsRelativeA(typed.c_str()) ? JoinPath(DocumentsFolder(), typed) : typed;
}

bool CShareDlg::MayWrite(const std::string& destination) const {
  if (destination.empty()) {
    ShowMessage(kNoDestination, MB_OK);
    return false;
  }
  // Robot files are never replaced, whatever the user types: the full path is the one the file
  // system will use (trailing dots and blanks dropped, "." and ".." resolved).
  const std::string full = FullPath(destination);
  if (HasExtensionNoCase(full, ".txt") && EqualsNoCase(FolderOf(full), FullPath(ScriptFolder()))) {
    ShowMessage(kOverRobot, MB_OK | MB_ICONWARNING);
    return false;
  }
  return !PathExists(destination) ||
         ShowMessage(destination + kReplaceQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
