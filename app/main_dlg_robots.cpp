// CMainDlg: the robot list, its check boxes and the commands that act on the selected robot.
#include "app/main_dlg.h"

#include <commctrl.h>

#include <iterator>

#include "app/app_paths.h"
#include "app/options_dlg.h"
#include "app/robot_hotkeys.h"
#include "app/share_dlg.h"
#include "app/shell_open.h"
#include "main_dlg_ids.h"
#include "robot/file_system.h"

namespace {

constexpr char kNoRobotToRun[] = "No robot selected! Please select a robot from list above to run.";
constexpr char kNoRobotToEdit[] = "No robot selected! Please select a robot from list above to edit.";
constexpr char kNoRobotToDelete[] = "No robot selected! Please select a robot from list above to delete.";
constexpr char kNoRobotToShare[] = "Please select a robot from list above to share!";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete the selected robot?";
constexpr char kDeleteFailed[] = "The robot file could not be deleted, so the robot stays:\n";
constexpr char kNoBrowser[] = "We are unable to locate your default browser.";
constexpr char kFeedbackPage[] = "https://www.morvanta.example/feedback";
constexpr char kNotBuiltYet[] = " is not available in this version yet.";

struct ListColumn {
  const char* m_caption;
  int m_width;
};
constexpr ListColumn kColumns[] = {{"Enable", 50}, {"Name", 100}, {"Start Key", 60}, {"End Key", 60},
                                   {"Description", 330}};

constexpr int kUncheckedImage = 1;
constexpr int kCheckedImage = 2;

int StateImage(UINT state) { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }

}  // namespace

void CMainDlg::SetUpRobotList() {
  HWND list = Item(IDC_ROBOT_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (std::size_t i = 0; i < std::size(kColumns); ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(kColumns[i].m_caption);
    column.cx = kColumns[i].m_width;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

void CMainDlg::ReloadRobots() {
  ListView_DeleteAllItems(Item(IDC_ROBOT_LIST));
  const std::vector<std::string> problems = m_store.LoadAll(ScriptFolder());
  // The rows are added from a copy: ticking a row rewrites the store entry behind it.
  const RobotStore loaded = m_store;
  for (std::size_t i = 0; i < loaded.Count(); ++i) AddRobotRow(loaded.At(i));
  ShowLoadProblems(problems);
}

void CMainDlg::ShowLoadProblems(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) ShowMessage(message, MB_OK);
}

void CMainDlg::AddRobotRow(const Robot& robot) {
  HWND list = Item(IDC_ROBOT_LIST);
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = ListView_GetItemCount(list);
  item.pszText = const_cast<char*>("");
  const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  SetRowTexts(row, robot);
  // Ticking is a check-box change: the robot is written back and its hotkeys registered.
  if (robot.m_enable != 0) ListView_SetCheckState(list, row, TRUE);
}

void CMainDlg::SetRowTexts(int row, const Robot& robot) {
  const std::string* texts[] = {&robot.m_name, &robot.m_startKey, &robot.m_endKey, &robot.m_description};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    LVITEMA item = {};
    item.iSubItem = static_cast<int>(i + 1);
    item.pszText = const_cast<char*>(texts[i]->c_str());
    SendMessageA(Item(IDC_ROBOT_LIST), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  }
}

int CMainDlg::SelectedRow() const {
  return static_cast<int>(SendMessageA(Item(IDC_ROBOT_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int CMainDlg::SelectedRowOrSay(const char* noSelection) const {
  const int row = SelectedRow();
  if (row < 0) ShowMessage(noSelection, MB_OK);
  return row;
}

std::string CMainDlg::RowName(int row) const {
  char text[MAX_PATH] = {};
  LVITEMA item = {};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(Item(IDC_ROBOT_LIST), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

bool CMainDlg::OnRobotCommand(int id) {
  switch (id) {
  case IDC_RUN_ROBOT: OnRunRobot(); return true;
  case IDC_SCHEDULE:
    if (SelectedRowOrSay(kNoRobotToRun) >= 0) OnNotBuilt("Scheduling");
    return true;
  case IDC_OPTIONS: OnOptions(); return true;
  case IDC_HELP_BUTTON: ShowHelp(); return true;
  case IDC_RECORD_ROBOT: OnNotBuilt("Recording a robot"); return true;
  case IDC_EDIT_ROBOT:
    if (SelectedRowOrSay(kNoRobotToEdit) >= 0) OnNotBuilt("Editing a robot");
    return true;
  case IDC_REMOVE_ROBOT: OnRemoveRobot(); return true;
  case IDC_FEEDBACK: OnFeedback(); return true;
  case IDC_SHARE_ROBOT: OnShareRobot(); return true;
  default: return false;
  }
}

void CMainDlg::OnFeedback() {
  if (!ShellOpen(kFeedbackPage)) ShowMessage(kNoBrowser, MB_OK);
}

void CMainDlg::OnNotBuilt(const char* what) { ShowMessage(std::string(what) + kNotBuiltYet, MB_OK); }

void CMainDlg::AddRobot() { OnNotBuilt("Adding a robot in the editor"); }

bool CMainDlg::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_ROBOT_LIST || header.code != LVN_ITEMCHANGED) return false;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uChanged & LVIF_STATE) == 0) return false;
  const int before = StateImage(change.uOldState);
  const int after = StateImage(change.uNewState);
  if (before == kUncheckedImage && after == kCheckedImage) OnRowCheckChanged(change.iItem, true);
  if (before == kCheckedImage && after == kUncheckedImage) OnRowCheckChanged(change.iItem, false);
  return true;
}

void CMainDlg::OnRowCheckChanged(int row, bool ticked) {
  const std::size_t index = static_cast<std::size_t>(row);
  Robot robot = m_store.At(index);
  const std::string name = RowName(row);
  if (!name.empty()) {
    // Only a robot read whole is written back: a vanished file must not come back empty, and a
    // file with a damaged window section must not lose what follows the damage.
    Robot fromFile;
    if (fromFile.Load(RobotFilePath(ScriptFolder(), name))) {
      fromFile.m_enable = ticked ? 1 : 0;
      if (fromFile.Save(ScriptFolder())) robot = fromFile;
    }
  }
  robot.m_enable = ticked ? 1 : 0;
  m_store.Replace(index, robot);
  if (ticked) RegisterRobotKeys(robot);
  else UnregisterRobotKeys(robot);
}

void CMainDlg::OnRunRobot() {
  const int row = SelectedRowOrSay(kNoRobotToRun);
  if (row < 0) return;
  const std::string name = RowName(row);
  if (!name.empty()) RunRobotFile(RobotFilePath(ScriptFolder(), name));
}

void CMainDlg::OnOptions() {
  COptionsDlg options([this] { ReloadRobots(); });
  if (options.DoModal(m_instance, IDD_OPTIONS, Handle()) == IDC_OPTIONS_START) AddRobot();
}

void CMainDlg::OnShareRobot() {
  const int row = SelectedRowOrSay(kNoRobotToShare);
  if (row < 0) return;
  const std::string name = RowName(row);
  if (name.empty()) return;
  CShareDlg share(RobotFilePath(ScriptFolder(), name));
  share.DoModal(m_instance, IDD_SHARE, Handle());
}

void CMainDlg::OnRemoveRobot() {
  const int row = SelectedRowOrSay(kNoRobotToDelete);
  if (row < 0) return;
  if (RowName(row).empty() || ShowMessage(kDeleteQuestion, MB_YESNO) != IDYES) return;
  RemoveRobotAt(row);
}

void CMainDlg::RemoveRobotAt(int row) {
  const std::string path = RobotFilePath(ScriptFolder(), RowName(row));
  // The file goes first: a robot that cannot be deleted keeps its row, its entry and its keys.
  if (!RemoveFile(path) && PathExists(path)) {
    ShowMessage(kDeleteFailed + path, MB_OK | MB_ICONWARNING);
    return;
  }
  const Robot robot = m_store.At(static_cast<std::size_t>(row));
  if (robot.m_enable != 0) UnregisterRobotKeys(robot);
  m_store.RemoveAt(static_cast<std::size_t>(row));
  ListView_DeleteItem(Item(IDC_ROBOT_LIST), row);
}
