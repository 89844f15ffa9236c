// The Options dialog's commands.
#include "app/options_dlg.h"

#include "app/app_paths.h"
#include "app/robot_transfer_ui.h"
#include "app/update_dlg.h"
#include "update_dlg_ids.h"

bool COptionsDlg::OnCommand(int id) {
  switch (id) {
  case IDC_OPTIONS_CHECK_NOW: CUpdateDlg().DoModal(GetModuleHandleA(nullptr), IDD_UPDATE, Handle()); return true;
  case IDC_OPTIONS_EXPORT: ExportRobotsWithDialogs(Handle(), ScriptFolder()); return true;
  case IDC_OPTIONS_IMPORT:
    if (ImportRobotsWithDialogs(Handle(), ScriptFolder())) m_robotsImported();
    return true;
  case IDC_OPTIONS_START: EndModal(IDC_OPTIONS_START); return true;
  default: return Dialog::OnCommand(id);
  }
}
