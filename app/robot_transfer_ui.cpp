// Folder browser and message boxes around the portable export and import.
#include "app/robot_transfer_ui.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "builtins/com_scope_win32.h"
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

// Some browsers (Wine's among them) ignore a folder typed into the edit box and return the tree's
// selection instead, so the text is also taken when OK is pressed.
LRESULT CALLBACK KeepTypedFolder(HWND browser, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR typed) {
  try {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
      HWND edit = FindWindowExA(browser, nullptr, "Edit", nullptr);
      std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
      GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
      *reinterpret_cast<std::string*>(typed) = text.data();
    }
  } catch (...) {
    // Out of memory: the tree's selection still counts.
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(browser, KeepTypedFolder, 0);
  return DefSubclassProc(browser, message, wParam, lParam);
}

int CALLBACK OnBrowserEvent(HWND browser, UINT message, LPARAM, LPARAM typed) {
  if (message == BFFM_INITIALIZED) SetWindowSubclass(browser, KeepTypedFolder, 0, static_cast<DWORD_PTR>(typed));
  return 0;
}

// A typed full path of an existing folder wins; a typed name is the tree's selection, as shown.
bool IsTypedFolder(const std::string& typed) {
  const DWORD attributes = GetFileAttributesA(typed.c_str());
  return !typed.empty() && !PathIsRelativeA(typed.c_str()) && attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ChooseFolder(HWND owner, std::string& folder) {
  std::string typed;
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.lpszTitle = kFolderTitle;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
  info.lpfn = OnBrowserEvent;
  info.lParam = reinterpret_cast<LPARAM>(&typed);
  // The new-style browser needs COM on this thread, and nothing else here starts it.
  ComScope com;
  ItemList chosen;
  chosen.m_items = SHBrowseForFolderA(&info);
  if (chosen.m_items == nullptr) return false;
  if (IsTypedFolder(typed)) {
    folder = typed;
    return true;
  }
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
