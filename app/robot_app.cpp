// CRobotApp: single instance, command line, main window, tray icon and message loop.
#include "app/robot_app.h"

#include <commctrl.h>

#include "app/app_paths.h"
#include "app/resource_text.h"
#include "app/run_request.h"
#include "resource_ids.h"

namespace {

constexpr char kMutexName[] = "Morvanta Mutex";
constexpr char kMainWindowTitle[] = "Morvanta";
constexpr int kCreateAttempts = 6;
constexpr int kTrayIconKey = 5000;
constexpr int kFailedStartExitCode = 1;

// The running instance's main window: the top-level window with that title that no other window
// owns (its message boxes and dialogs carry the same title but have the main window as owner).
HWND FindRunningMainWindow() {
  HWND candidate = nullptr;
  while ((candidate = FindWindowExA(nullptr, candidate, nullptr, kMainWindowTitle)) != nullptr) {
    if (GetWindow(candidate, GW_OWNER) == nullptr) return candidate;
  }
  return nullptr;
}

}  // namespace

CRobotApp::CRobotApp(HINSTANCE instance, std::string commandLine)
    : m_instance(instance), m_commandLine(std::move(commandLine)) {}

bool CRobotApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  m_mutex = CreateMutexA(nullptr, TRUE, kMutexName);
  if (m_mutex == nullptr) return true;
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    // The open handle alone marks the running instance; nobody waits for it to be released.
    ReleaseMutex(m_mutex);
    return true;
  }
  // Several second instances started together take turns.
  WaitForSingleObject(m_mutex, INFINITE);
  ForwardToRunningInstance();
  ReleaseMutex(m_mutex);
  return false;
}

void CRobotApp::ForwardToRunningInstance() {
  HWND running = FindRunningMainWindow();
  if (running == nullptr) return;
  ShowWindow(running, SW_SHOWNORMAL);
  SetFocus(running);
  SetForegroundWindow(running);
  std::optional<std::string> name = RunRequestName(m_commandLine);
  if (!name) return;
  // Returns once the running instance has handled the request (run included).
  SendMessageA(running, WM_RUN_SCHEDULED_ROBOT, 0,
               static_cast<LPARAM>(RobotIndexOfName(ScriptFolder(), *name)));
}

int CRobotApp::Run() {
  bool created = false;
  for (int attempt = 0; attempt < kCreateAttempts && !created; ++attempt) created = CreateMainWindow();
  // Nobody could ever quit a message loop without a main window, and it would hold the
  // single-instance mark: give up instead.
  if (!created) return kFailedStartExitCode;
  return RunMessageLoop();
}

bool CRobotApp::CreateMainWindow() {
  if (!m_hiddenWnd.Exists() && !m_hiddenWnd.Create(m_instance)) return false;
  m_mainDlg = std::make_unique<CMainDlg>();
  m_mainDlg->SetTrayIcon(&m_trayIcon);
  if (std::optional<std::string> name = RunRequestName(m_commandLine)) m_mainDlg->SetRunAtStart(*name);
  if (!m_mainDlg->Create(m_instance)) {
    m_mainDlg.reset();
    return false;
  }
  ShowWindow(m_mainDlg->Handle(), SW_SHOWNORMAL);
  m_hiddenWnd.Destroy();
  SetUpTrayIcon();
  return true;
}

void CRobotApp::SetUpTrayIcon() {
  m_trayIcon.SetInstance(m_instance);
  m_trayIcon.LoadIcon(IDI_TRAY, kTrayIconKey);
  m_trayIcon.Create(m_mainDlg->Handle());
  m_trayIcon.SetMenuResource(IDM_TRAY);
  m_trayIcon.SetTooltip(LoadResourceText(IDS_TRAY_TOOLTIP));
  // The shell may not be ready yet; a last failure leaves the program without a tray icon.
  for (int attempt = 0; attempt < kCreateAttempts && !m_trayIcon.AddIcon(kTrayIconKey); ++attempt) {
  }
  m_trayIcon.SetOwner(m_mainDlg.get());
}

int CRobotApp::RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (m_mainDlg && IsDialogMessageA(m_mainDlg->Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
