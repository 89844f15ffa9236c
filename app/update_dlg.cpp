// CUpdateDlg: the update-check dialog.
#include "app/update_dlg.h"

#include <mutex>
#include <system_error>
#include <thread>

#include "builtins/program_version.h"
#include "app/shell_open.h"
#include "update_dlg_ids.h"

namespace {
constexpr UINT WM_UPDATE_CHECK_DONE = WM_APP + 1;
constexpr char kChecking[] = "Checking for a newer version...";
constexpr char kCheckFailed[] = "The update check could not be completed.";

// The worker's whole life: no exception may leave a thread, or the program would end.
UpdateCheckAnswer CheckSafely(const std::string& address, const std::string& version) noexcept {
  try {
    return CheckForUpdate(address, version);
  } catch (...) {
    return {kCheckFailed, {}};
  }
}
}  // namespace

// What the worker and the dialog share: the window to tell (null once the dialog has closed) and
// the answer. The mutex makes "post only to a live dialog" one step.
struct CUpdateDlg::WorkerLink {
  std::mutex m_mutex;
  HWND m_window = nullptr;
  UpdateCheckAnswer m_answer;

  void Deliver(UpdateCheckAnswer answer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = std::move(answer);
    if (m_window != nullptr) PostMessageA(m_window, WM_UPDATE_CHECK_DONE, 0, 0);
  }

  void Forget() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_window = nullptr;
  }
};

CUpdateDlg::CUpdateDlg() : m_link(std::make_shared<WorkerLink>()) {}

CUpdateDlg::~CUpdateDlg() { m_link->Forget(); }

INT_PTR CUpdateDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_UPDATE_CHECK_DONE: OnCheckDone(); return TRUE;
  default: return Dialog::HandleMessage(message, wParam, lParam);
  }
}

bool CUpdateDlg::OnInitDialog() {
  SetItemText(IDC_UPDATE_STATUS, kChecking);
  StartCheck();
  return true;
}

void CUpdateDlg::StartCheck() {
  m_link->m_window = Handle();  // before the worker exists, so no lock is needed yet
  std::shared_ptr<WorkerLink> link = m_link;
  std::string address = UpdateAddress();
  std::string version = builtins::ProgramFileVersion();
  try {
    std::thread([link, address, version] { link->Deliver(CheckSafely(address, version)); }).detach();
  } catch (const std::system_error&) {
    SetItemText(IDC_UPDATE_STATUS, kCheckFailed);
  }
}

void CUpdateDlg::OnCheckDone() {
  UpdateCheckAnswer answer;
  {
    std::lock_guard<std::mutex> lock(m_link->m_mutex);
    answer = m_link->m_answer;
  }
  m_download = answer.m_download;
  // The button first: whoever sees the answer sees the offer that goes with it.
  ShowWindow(Item(IDC_UPDATE_DOWNLOAD), m_download.empty() ? SW_HIDE : SW_SHOW);
  SetItemText(IDC_UPDATE_STATUS, answer.m_message);
}

bool CUpdateDlg::OnCommand(int id) {
  switch (id) {
  case IDC_UPDATE_DOWNLOAD: OnDownload(); return true;
  case IDOK:
  case IDCANCEL: Close(IDCANCEL); return true;  // Enter, Esc and the close box close as Close does
  default: return false;
  }
}

void CUpdateDlg::OnDownload() {
  if (m_download.empty()) return;
  if (ShellOpen(m_download)) {
    Close(IDOK);
  } else {
    ShowMessage("The download page could not be opened:\r\n" + m_download, MB_OK | MB_ICONWARNING);
  }
}

void CUpdateDlg::Close(INT_PTR result) {
  m_link->Forget();  // a late answer goes nowhere
  EndModal(result);
}
