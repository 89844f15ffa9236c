// CRobotApp: the application object. It keeps the program to one instance per logon (a second one
// forwards its run request to the first and ends), creates the main window and the tray icon, and
// runs the message loop of the one user-interface thread. Lives for the whole process.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/kovrint_hidden_wnd.h"
#include "app/main_dlg.h"
#include "app/tray_icon.h"

class CRobotApp {
public:
  // `commandLine` is the text after the program path.
  CRobotApp(HINSTANCE instance, std::string commandLine);

  // True for the first instance; false once a second instance has handed on its request.
  bool InitInstance();
  // Creates the windows and runs the message loop; returns the process exit code.
  int Run();

private:
  bool CreateMainWindow();
  void SetUpTrayIcon();
  void ForwardToRunningInstance();
  int RunMessageLoop();

  HINSTANCE m_instance;
  std::string m_commandLine;
  CKovrintHiddenWnd m_hiddenWnd;
  CTrayIcon m_trayIcon;
  std::unique_ptr<CMainDlg> m_mainDlg;
  HANDLE m_mutex = nullptr;
};
