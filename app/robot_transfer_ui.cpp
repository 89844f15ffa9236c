// Folder browser and message boxes around the portable export and import.
#include "app/robot_transfer_ui.h"

#include <shlobj.h>

#include "robot/robot_transfer.h"

namespace {

constexpr char kAppTitle[] = "Morvanta";
constexpr char kFolderTitle[] = "Select a folder to store your robots";

// Restores the arrow even when a step returns early.
class WaitCursor {
 public:
  WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(m_previous); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR m_previous;
};

// Frees the browser's item list on every path.
struct ItemList {
  PIDLIST_ABSOLUTE m_items = nullptr;
  ~ItemList() { CoTaskMemFree(m_items); }
};

bool ChooseFolder(HWND owner, std::string& folder) {
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.lpszTitle = kFolderTitle;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
  ItemList chosen;
  chosen.m_items = SHBrowseForFolderA(&info);
  if (chosen.m_items == nullptr) return false;
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(chosen.m_items, path)) return false;
  folder = path;
  return !folder.empty();
}

OverwriteQuestion AskWithBox(HWND owner) {
  return [owner](const std::string& question) {
    switch (MessageBoxA(owner, question.c_str(), kAppTitle, MB_YESNOCANCEL | MB_ICONQUESTION)) {
      case IDYES:
        return OverwriteAnswer::kYes;
      case IDNO:
        return OverwriteAnswer::kNo;
      default:
        return OverwriteAnswer::kCancel;
    }
  };
}

void ReportProblems(HWND owner, const TransferResult& result) {
  const std::string message = TransferProblemsMessage(result);
  if (!message.empty()) MessageBoxA(owner, message.c_str(), kAppTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace

void ExportRobotsWithDialogs(HWND owner, const std::string& scriptFolder) {
  std::string folder;
  if (!ChooseFolder(owner, folder)) return;
  WaitCursor wait;
  ReportProblems(owner, ExportRobots(scriptFolder, folder, AskWithBox(owner)));
}

bool ImportRobotsWithDialogs(HWND owner, const std::string& scriptFolder) {
  std::string folder;
  if (!ChooseFolder(owner, folder)) return false;
  WaitCursor wait;
  const TransferResult result = ImportRobots(folder, scriptFolder, AskWithBox(owner));
  ReportProblems(owner, result);
  return ImportNeedsReload(result);
}
