// CMainDlg: the main window's start-up, run requests and quit.
#include "app/main_dlg.h"

#include "app/app_paths.h"
#include "app/robot_hotkeys.h"
#include "app/resource_text.h"
#include "app/run_request.h"
#include "app/shell_open.h"
#include "app/tips_dlg.h"
#include "app/tray_icon.h"
#include "main_dlg_ids.h"
#include "resource_ids.h"
#include "robot/file_system.h"
#include "robot/robot.h"
#include "robot/show_tips_option.h"

namespace {

constexpr UINT_PTR kRunAtStartTimer = 1027;
constexpr UINT_PTR kTipsTimer = 1031;
constexpr UINT kTimerPeriodMs = 30;
constexpr int kClientWidth = 683;
constexpr int kClientHeight = 464;
constexpr UINT kHelpDisplayTopic = 0;

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);

// The system's help viewer, loaded on first use and kept for the process's life.
HtmlHelpFunction HtmlHelpViewer() {
  static HMODULE library = LoadLibraryA("hhctrl.ocx");
  if (library == nullptr) return nullptr;
  return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
}

}  // namespace

void CMainDlg::SetRunAtStart(const std::string& robotName) {
  m_runAtStart = true;
  m_runAtStartName = robotName;
}

bool CMainDlg::Create(HINSTANCE instance) {
  m_instance = instance;
  return Dialog::Create(instance, IDD_MAIN, nullptr);
}

INT_PTR CMainDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_RUN_SCHEDULED_ROBOT: return OnRunScheduledRobot(lParam);
  case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
  case WM_HOTKEY: OnHotkey(static_cast<int>(wParam)); return TRUE;
  case WM_CTLCOLORSTATIC: return OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
  case WM_SETCURSOR: return OnSetCursor(reinterpret_cast<HWND>(wParam));
  case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
  default: return Dialog::HandleMessage(message, wParam, lParam);
  }
}

bool CMainDlg::OnInitDialog() {
  m_runs = std::make_unique<RobotRuns>(Handle());
  SetIcons();
  SetUpControls();
  SizeAndCentre();
  SetUpRobotList();
  ReloadRobots();
  RegisterReservedHotkeys(Handle(), m_hotkeyIds);
  SetTimer(Handle(), m_runAtStart ? kRunAtStartTimer : kTipsTimer, kTimerPeriodMs, nullptr);
  return true;
}

void CMainDlg::SetIcons() {
  auto bigIcon = LoadImageA(m_instance, MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                            GetSystemMetrics(SM_CYICON), LR_SHARED);
  auto smallIcon = LoadImageA(m_instance, MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                              GetSystemMetrics(SM_CYSMICON), LR_SHARED);
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void CMainDlg::SizeAndCentre() {
  int width = kClientWidth + GetSystemMetrics(SM_CXFRAME) + 2 * GetSystemMetrics(SM_CXBORDER);
  int height = kClientHeight + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CMainDlg::OnCommand(int id) {
  switch (id) {
  case IDCANCEL: AskQuit(); return true;  // Esc
  case IDC_TEST: m_runs->RunScriptFile({}); return true;  // the hidden "Run Script:" command
  default: return OnRobotCommand(id);
  }
}

bool CMainDlg::OnClose() {
  AskQuit();
  return true;
}

bool CMainDlg::OnTimer(UINT_PTR id) {
  if (id != kRunAtStartTimer && id != kTipsTimer) return false;
  // Both wait until the window has been shown once.
  if (!IsWindowVisible(Handle())) return true;
  if (id == kRunAtStartTimer) RunAtStart();
  else ShowTips();
  return true;
}

void CMainDlg::ShowTips() {
  KillTimer(Handle(), kTipsTimer);
  std::string optionFile = OptionFilePath();
  m_showTips = ReadShowTips(optionFile);
  if (!m_showTips) return;
  CTipsDlg tips;
  tips.LoadTips(JoinPath(ExeFolder(), "tips.txt"));
  if (!tips.HasTips() || tips.DoModal(m_instance, IDD_TIPS, Handle()) == -1) return;
  m_showTips = tips.ShowAgain();
  if (!m_showTips && !WriteShowTips(optionFile, false)) ShowMessage("Could not write " + optionFile + ".", MB_OK);
}

void CMainDlg::RunAtStart() {
  KillTimer(Handle(), kRunAtStartTimer);
  ShowWindow(Handle(), SW_HIDE);
  RunRobotByName(m_runAtStartName);
  HideAndQuit();
}

bool CMainDlg::OnRunScheduledRobot(LPARAM index) {
  std::optional<std::string> name = RobotNameAtIndex(ScriptFolder(), static_cast<std::size_t>(index));
  if (!name || name->empty()) {
    ShowMessage(LoadResourceText(IDS_ROBOT_NOT_FOUND), MB_OK);
    return true;
  }
  RunRobotByName(*name);
  return true;
}

void CMainDlg::RunRobotByName(const std::string& name) {
  if (m_runs->IsRunning()) return;  // runs never nest, and the current robot stays current
  m_currentRobotPath = FindRobotFile(ScriptFolder(), name);
  m_runs->RunByName(name);
}

void CMainDlg::RunRobotFile(const std::string& path) {
  if (m_runs->IsRunning()) return;
  m_currentRobotPath = path;
  m_runs->RunFile(path);
}

void CMainDlg::AskQuit() {
  if (ShowMessage(LoadResourceText(IDS_QUIT_QUESTION), MB_YESNO) == IDYES) HideAndQuit();
}

void CMainDlg::HideAndQuit() {
  ShowWindow(Handle(), SW_HIDE);
  if (m_trayIcon != nullptr) m_trayIcon->RemoveIcon();
  Quit();
}

void CMainDlg::Quit() {
  // The reserved keys end with the process.
  UnregisterAllEnabled(Handle(), m_hotkeyIds, m_store);
  PostQuitMessage(kQuitExitCode);
}

void CMainDlg::ShowActive() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetFocus(Handle());
  SetForegroundWindow(Handle());
}

void CMainDlg::ShowHelp() {
  if (!ShowHelpFile() && !OpenHtmlManual()) ShowMessage(LoadResourceText(IDS_HELP_NOT_FOUND), MB_OK | MB_ICONERROR);
}

bool CMainDlg::ShowHelpFile() {
  std::string helpFile = JoinPath(ExeFolder(), "help.chm");
  HtmlHelpFunction viewer = HtmlHelpViewer();
  return GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES && viewer != nullptr &&
         viewer(nullptr, helpFile.c_str(), kHelpDisplayTopic, 0) != nullptr;
}

bool CMainDlg::OpenHtmlManual() {
  std::string manual = JoinPath(JoinPath(ExeFolder(), "Help"), "howtouse.html");
  return GetFileAttributesA(manual.c_str()) != INVALID_FILE_ATTRIBUTES && ShellOpen(manual);
}
