// CMainDlg: the program's main window, the modeless dialog titled "Morvanta". It receives run
// requests (from the command line and from a second instance) and carries out the quit.
//
// Created on the heap and owned by the application object; it borrows the tray icon, which the
// application object keeps alive longer. User-interface thread only.
#pragma once

#include <memory>
#include <string>

#include "app/dialog.h"
#include "app/robot_runs.h"

class CTrayIcon;

// Sent by a second instance: wParam 0, lParam the robot's position in the script folder's listing.
constexpr UINT WM_RUN_SCHEDULED_ROBOT = WM_USER + 2;
// Every normal end of the program.
constexpr int kQuitExitCode = 18;

class CMainDlg : public Dialog {
public:
  // Both set before the dialog is created: a command-line run of the (lower-cased) robot name.
  void SetRunAtStart(const std::string& robotName);
  void SetTrayIcon(CTrayIcon* trayIcon) { m_trayIcon = trayIcon; }

  bool Create(HINSTANCE instance);
  // Shown in its normal state, focused, in the foreground.
  void ShowActive();
  // Ends the program with the normal exit code once the message loop sees it.
  void Quit();
  // Opens help.chm from the exe folder, or says where help can be found.
  void ShowHelp();

protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnInitDialog() override;
  bool OnCommand(int id) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;

private:
  bool OnRunScheduledRobot(LPARAM index);
  void RunAtStart();
  void AskQuit();
  void HideAndQuit();
  void SetIcons();
  void SizeAndCentre();
  // Where every run of this window goes: hands the robot to the runner, which refuses a run while
  // another is in progress.
  void RunRobotByName(const std::string& name);

  HINSTANCE m_instance = nullptr;
  CTrayIcon* m_trayIcon = nullptr;
  bool m_runAtStart = false;
  std::string m_runAtStartName;
  std::string m_currentRobotPath;
  // Created with the window, which owns its message boxes.
  std::unique_ptr<RobotRuns> m_runs;
};
