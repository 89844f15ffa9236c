// CMainDlg: the program's main window, the modeless dialog titled "Morvanta". It shows the robots
// of the script folder with their commands, owns the robot store and the robots' hotkeys, hands
// runs to the runner, receives run requests (from the command line and from a second instance)
// and carries out the quit.
//
// Created on the heap and owned by the application object; it borrows the tray icon, which the
// application object keeps alive longer. User-interface thread only.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/dialog.h"
#include "app/robot_runs.h"
#include "robot/robot_hotkeys.h"
#include "robot/robot_store.h"

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
  // Opens help.chm from the exe folder, else the HTML manual Help\howtouse.html in the browser, or
  // says where help can be found.
  void ShowHelp();
  // Rebuilds the store and the list from the script folder; enabled robots are registered.
  void ReloadRobots();
  // The editor's conflict checks: each shows its message and returns false on a conflict.
  bool IsStartKeyFree(const std::string& hotkeyText);
  bool IsEndKeyFree(const std::string& hotkeyText);
  // Adds a robot in the editor without recording (the Options dialog's "Start").
  void AddRobot();

protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnInitDialog() override;
  bool OnCommand(int id) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;

private:
  // Places, bitmaps, tooltips, the banner and the link (main_dlg_looks.cpp).
  void SetUpControls();
  void SetButtonBitmap(int buttonId, int bitmapId);
  void AddToolTip(int controlId, const char* text);
  void StyleFeedbackLink();
  INT_PTR OnStaticColour(HDC dc, HWND control);
  INT_PTR OnSetCursor(HWND under);
  INT_PTR OnEraseBackground(HDC dc);

  // The robot list and its commands (main_dlg_robots.cpp).
  void SetUpRobotList();
  void AddRobotRow(const Robot& robot);
  void SetRowTexts(int row, const Robot& robot);
  int SelectedRow() const;
  // The selected row, or -1 after showing `noSelection`.
  int SelectedRowOrSay(const char* noSelection) const;
  std::string RowName(int row) const;
  bool OnRobotCommand(int id);
  bool OnNotify(const NMHDR& header);
  void OnRowCheckChanged(int row, bool ticked);
  void OnRunRobot();
  void OnOptions();
  void OnRemoveRobot();
  void OnShareRobot();
  void RemoveRobotAt(int row);
  void OnNotBuilt(const char* what);
  void OnFeedback();
  void RunRobotFile(const std::string& path);
  void ShowLoadProblems(const std::vector<std::string>& messages);

  // Hotkeys (main_dlg_hotkeys.cpp).
  void OnHotkey(int id);
  void RegisterRobotKeys(const Robot& robot);
  void UnregisterRobotKeys(const Robot& robot);

  bool OnRunScheduledRobot(LPARAM index);
  void RunAtStart();
  // Once at start-up: the tips dialog, unless the option file turned it off.
  void ShowTips();
  void AskQuit();
  void HideAndQuit();
  void SetIcons();
  bool ShowHelpFile();
  bool OpenHtmlManual();
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
  RobotStore m_store;
  HotkeyIds m_hotkeyIds;
  bool m_busy = false;           // an editor opened from this window is open
  bool m_stopRequested = false;  // Ctrl+Alt+S already stopped the hotkey recording
  int m_editedIndex = -1;        // row being edited, -1 otherwise
  bool m_showTips = true;        // start-up tips wanted
  HWND m_toolTip = nullptr;
  struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
  };
  template <class GdiHandle>
  using GdiObject = std::unique_ptr<std::remove_pointer_t<GdiHandle>, GdiObjectDeleter>;
  GdiObject<HFONT> m_linkFont;
  HCURSOR m_linkCursor = nullptr;   // a shared resource cursor: never destroyed
  GdiObject<HBITMAP> m_background;  // nullptr: the dialog's plain background
  std::vector<GdiObject<HBITMAP>> m_buttonBitmaps;
};
