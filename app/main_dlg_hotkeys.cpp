// CMainDlg: what a hotkey press does, robot key registration and the editor's conflict checks.
#include "app/main_dlg.h"

#include "app/app_paths.h"
#include "app/robot_hotkeys.h"

void CMainDlg::OnHotkey(int id) {
  HotkeyState state;
  state.m_busy = m_busy;
  state.m_stopRequested = m_stopRequested;
  const HotkeyDecision decision = DecideHotkey(id, m_store, m_hotkeyIds, state);
  switch (decision.m_command) {
  case HotkeyCommand::kRunRobot:
    RunRobotFile(RobotFilePath(ScriptFolder(), m_store.At(decision.m_robot).m_name));
    break;
  case HotkeyCommand::kStopRun: m_runs->Stop(); break;
  case HotkeyCommand::kStartRecording: OnNotBuilt("Recording a robot"); break;
  case HotkeyCommand::kStopRecording:
  case HotkeyCommand::kIgnore: break;
  }
}

void CMainDlg::RegisterRobotKeys(const Robot& robot) {
  RegisterHotkeyText(Handle(), m_hotkeyIds, robot.m_startKey);
  RegisterHotkeyText(Handle(), m_hotkeyIds, robot.m_endKey);
}

void CMainDlg::UnregisterRobotKeys(const Robot& robot) {
  UnregisterHotkeyText(Handle(), m_hotkeyIds, robot.m_startKey);
  UnregisterHotkeyText(Handle(), m_hotkeyIds, robot.m_endKey);
}

bool CMainDlg::IsStartKeyFree(const std::string& hotkeyText) {
  if (!IsStartKeyTaken(m_store, m_editedIndex, hotkeyText)) return true;
  ShowMessage(kStartKeyTakenMessage, MB_OK);
  return false;
}

bool CMainDlg::IsEndKeyFree(const std::string& hotkeyText) {
  if (!IsEndKeyTaken(m_store, m_editedIndex, hotkeyText)) return true;
  ShowMessage(kEndKeyTakenMessage, MB_OK);
  return false;
}
